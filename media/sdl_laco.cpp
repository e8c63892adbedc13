// SDL back end, the loop: events handed to the game in frame pixels, the window's state, and the
// frame timer. Between ticks the loop sleeps until the next tick is due or an event arrives.
// A close request from the window manager goes to the game, which may ask before it ends; SDL_QUIT
// (a signal such as SIGTERM) ends the loop at once.
#include <SDL2/SDL.h>

#include <algorithm>

#include "media/sdl_eventos.h"
#include "media/sdl_interno.h"
#include "media/teclas.h"

namespace {

// The timer fires only while the window is the active one: it has the keyboard (or nobody hands
// the keyboard out, as without a window manager) and it is not minimised.
bool foco = true;
bool minimizada = false;
bool escondida = false;

void tecla(const SDL_KeyboardEvent& k, bool desce) {
    int32_t vk = VirtualKeyOf(k.keysym.sym);
    if (vk == 0) return;
    if (desce) {
        SetKeyHeld(vk, true);
        if (!k.repeat && manipuladores.keydown) manipuladores.keydown(vk);  // auto-repeat is not a new press
    } else {
        SetKeyHeld(vk, false);
        if (manipuladores.keyup) manipuladores.keyup(vk);
    }
}

// The game decides; if it keeps running, the window comes forward so that its question shows.
void fechar(bool viva) {
    if (viva && manipuladores.close) manipuladores.close();
    else QuitLoop();
    if (!QuitRequested()) sdltraz();
}

void ponteiro(bool dentro, bool viva) {
    if (viva && manipuladores.pointerinside) manipuladores.pointerinside(dentro);
}

void janela(const SDL_WindowEvent& w, bool viva) {
    switch (w.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST: foco = false; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: foco = true; break;
        case SDL_WINDOWEVENT_MINIMIZED: minimizada = true; break;
        case SDL_WINDOWEVENT_RESTORED: minimizada = false; sdlrepinta(); break;
        case SDL_WINDOWEVENT_HIDDEN: escondida = true; break;
        case SDL_WINDOWEVENT_SHOWN: escondida = false; sdlrepinta(); break;
        case SDL_WINDOWEVENT_EXPOSED: sdlrepinta(); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED: sdlnovotamanho(); break;
        case SDL_WINDOWEVENT_MOVED: sdlmovida(); break;
        case SDL_WINDOWEVENT_CLOSE: fechar(viva); break;
        case SDL_WINDOWEVENT_ENTER: ponteiro(true, viva); break;
        case SDL_WINDOWEVENT_LEAVE: ponteiro(false, viva); break;
        default: break;
    }
}

}  // namespace

bool SdlWindowActive() { return foco && !minimizada; }

void SdlEvent(const SDL_Event& e) {
    const bool viva = entradadojogador();
    switch (e.type) {
        case SDL_QUIT: QuitLoop(); break;
        case SDL_WINDOWEVENT: janela(e.window, viva); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (viva) tecla(e.key, e.type == SDL_KEYDOWN);
            break;
        case SDL_MOUSEMOTION: {
            int32_t x = 0, y = 0;
            sdlparaojogo(e.motion.x, e.motion.y, x, y);
            // over the bars the pointer stays on the frame's edge
            x = std::clamp(x, 0, LARGURATELA - 1);
            y = std::clamp(y, 0, ALTURATELA - 1);
            if (viva && manipuladores.mousemove) manipuladores.mousemove(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int32_t x = 0, y = 0;
            if (!viva || !sdlparaojogo(e.button.x, e.button.y, x, y)) break;  // clicks in the bars are ignored
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
            BotaoMouse b = e.button.button == SDL_BUTTON_LEFT ? BOTAOESQUERDO : BOTAODIREITO;
            auto& h = e.type == SDL_MOUSEBUTTONDOWN ? manipuladores.mousedown : manipuladores.mouseup;
            if (h) h(b, x, y);
            break;
        }
        default: break;
    }
}

void RunSdlLoop() {
    const double porms = double(SDL_GetPerformanceFrequency()) / 1000.0;
    Uint64 proximo = SDL_GetPerformanceCounter();  // the first tick is due at once
    SDL_Event e;
    while (!QuitRequested()) {
        while (SDL_PollEvent(&e)) SdlEvent(e);
        if (QuitRequested()) break;
        sdlconfere();
        if (!SdlWindowActive()) {
            // paused: wait for the window to come back, painting the last frame when it is exposed;
            // a hidden window wakes now and then instead (SDL can only wait on a shown one)
            if (escondida || minimizada) SDL_Delay(50);
            else if (SDL_WaitEventTimeout(&e, 500)) SdlEvent(e);
            proximo = SDL_GetPerformanceCounter();
            continue;
        }
        Uint64 agora = SDL_GetPerformanceCounter();
        if (agora >= proximo) {
            if (manipuladores.tick) manipuladores.tick();
            // the period the tick set takes effect now; a tick that ran late delays the next one
            // rather than bringing a burst of them
            proximo += Uint64(TimerInterval() * porms);
            agora = SDL_GetPerformanceCounter();
            if (proximo < agora) proximo = agora;
            continue;
        }
        int espera = int((proximo - agora) / porms) + 1;
        if (SDL_WaitEventTimeout(&e, espera)) SdlEvent(e);
    }
    sdlfechajanela();
}
