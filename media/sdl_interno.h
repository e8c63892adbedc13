// Inside the media layer: what the SDL back end's files share.
#pragma once
#include <cstdint>

#include "media/plataforma.h"

// sound (sdl_audio.cpp)
bool sdlabresom();   // opens the audio device; false (and the game stays silent) when none opens
void sdlfechasom();
void sdltoca(WaveList& list, int32_t index);
void sdlpara(WaveList& list, int32_t index);

// the picture through SDL's renderer (sdl_renderizador.cpp), when it draws with a graphics card
struct SDL_Window;
struct Encaixe;
bool sdlgpuabre(SDL_Window* janela);  // false: the window's own surface is used
bool sdlgpuativo();
void sdlgpufecha();
Encaixe sdlgpumostra(const uint32_t* quadro);  // presents the frame; where it lies in the window

// the picture (sdl_video.cpp)
void sdlrepinta();        // shows the last frame again (expose, a new size); nothing without a window
void sdlnovotamanho();    // the window's size changed: bars and frame are laid out anew
void sdlmovida();         // the window moved (a switch settling): the pointer kept on its pixel
void sdltraz();           // the window restored if minimised and raised
// A point of the window in frame pixels; false in the letterbox bars.
bool sdlparaojogo(int32_t wx, int32_t wy, int32_t& x, int32_t& y);
// A moment after a switch to or from full screen, the window put right if it is not where it should be.
void sdlconfere();
void sdlfechajanela();
