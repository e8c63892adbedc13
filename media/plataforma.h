// Inside the media layer: what a back end provides. The headless one is the default.
#pragma once
#include "media/media.h"

struct Plataforma {
    virtual ~Plataforma() = default;
    virtual void present() {}
    virtual void play(WaveList& list, int32_t index) = 0;
    virtual void stop(WaveList& list, int32_t index) = 0;
    virtual void initsound() {}
    virtual void fullscreen(bool on) {}
    virtual bool headless() const = 0;
};

Plataforma& plataforma();
void usaplataforma(Plataforma* p);  // null returns to the headless back end
bool entradadojogador();            // SetLiveInput's switch
void novolaco();                    // a window opened anew: no request to leave its loop yet
