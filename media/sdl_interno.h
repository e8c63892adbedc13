// Inside the media layer: what the SDL back end's files share.
#pragma once
#include <cstdint>

#include "media/plataforma.h"

struct SDL_Window;

// sound (sdl_audio.cpp)
bool sdlabresom();   // opens the audio device; false (and the game stays silent) when none opens
void sdlfechasom();
void sdltoca(WaveList& list, int32_t index);
void sdlpara(WaveList& list, int32_t index);

// the picture (sdl_video.cpp)
void sdlrepinta();        // shows the last frame again (expose, a new size); nothing without a window
void sdlnovotamanho();    // the window's size changed: bars and frame are laid out anew
// A point of the window in frame pixels; false in the letterbox bars.
bool sdlparaojogo(int32_t wx, int32_t wy, int32_t& x, int32_t& y);
void sdlfechajanela();

// X11 (sdl_x11.cpp)
// Whether a window manager that handles full-screen requests runs on the window's display; true
// off X11, where the system always does.
bool sdltemgerenciador(SDL_Window* janela);
