// SDL back end, display and loop: a borderless window scaled to fit the desktop, the back buffer
// streamed into a texture and letterboxed, events handed to the game, the timer driving the tick.
#include "media/sdl_interno.h"
#include "media/sdl_eventos.h"
#include "media/teclas.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <cmath>

namespace {

SDL_Window* janela = nullptr;
SDL_Renderer* desenhista = nullptr;
SDL_Texture* textura = nullptr;
bool ativa = true;  // the timer fires only while the window is active

struct Sdl : Plataforma {
    void present() override {
        SDL_UpdateTexture(textura, nullptr, backbuffer, LARGURATELA * 4);
        SDL_SetRenderDrawColor(desenhista, 0, 0, 0, 255);
        SDL_RenderClear(desenhista);
        SDL_RenderCopy(desenhista, textura, nullptr, nullptr);
        SDL_RenderPresent(desenhista);
    }
    void play(WaveList& list, int32_t index) override { sdltoca(list, index); }
    void stop(WaveList& list, int32_t index) override { sdlpara(list, index); }
    void initsound() override { sdlabresom(); }
    void fullscreen(bool on) override { SDL_SetWindowFullscreen(janela, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0); }
    bool headless() const override { return false; }
} sdl;

// The largest scale, in quarter steps, at which the window fits the usable desktop.
double escalaajustada(int32_t pedida) {
    if (pedida > 0) return pedida;
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1.0;
    double s = std::min(area.w / double(LARGURATELA), area.h / double(ALTURATELA));
    return std::max(1.0, std::floor(s * 4.0) / 4.0);
}

// Mouse positions arrive in the 800 x 600 logical space; the letterbox bars lie outside it.
bool dentro(int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < LARGURATELA && y < ALTURATELA; }

}  // namespace

bool SdlWindowActive() { return ativa; }

void SdlEvent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: QuitLoop(); break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_MINIMIZED) ativa = false;
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.window.event == SDL_WINDOWEVENT_RESTORED) ativa = true;
            break;
        case SDL_KEYDOWN: {
            int32_t vk = VirtualKeyOf(e.key.keysym.sym);
            if (vk == 0) break;
            SetKeyHeld(vk, true);
            if (!e.key.repeat && manipuladores.keydown) manipuladores.keydown(vk);  // auto-repeat is not a new press
            break;
        }
        case SDL_KEYUP: SetKeyHeld(VirtualKeyOf(e.key.keysym.sym), false); break;
        case SDL_MOUSEMOTION: {
            int32_t x = std::clamp(e.motion.x, 0, LARGURATELA - 1), y = std::clamp(e.motion.y, 0, ALTURATELA - 1);
            if (manipuladores.mousemove) manipuladores.mousemove(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (!dentro(e.button.x, e.button.y)) break;  // clicks in the bars are ignored
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
            BotaoMouse b = e.button.button == SDL_BUTTON_LEFT ? BOTAOESQUERDO : BOTAODIREITO;
            auto& h = e.type == SDL_MOUSEBUTTONDOWN ? manipuladores.mousedown : manipuladores.mouseup;
            if (h) h(b, e.button.x, e.button.y);
            break;
        }
        default: break;
    }
}


bool OpenSdl(const OpcoesVideo& o, std::string& why) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        why = std::string("não foi possível abrir a tela: ") + SDL_GetError();
        return false;
    }
    // SDL falls back to an invisible off-screen driver when there is no display; a player would see
    // nothing, so that counts as no display unless the driver was asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* pedido = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (!SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "dummy")) && !(pedido && !SDL_strcmp(pedido, driver))) {
        why = "nenhuma tela disponível (DISPLAY e WAYLAND_DISPLAY não definidos)";
        SDL_Quit();
        return false;
    }
    double s = escalaajustada(o.scale);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, s == std::floor(s) ? "nearest" : "linear");
    Uint32 flags = SDL_WINDOW_BORDERLESS | (o.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    janela = SDL_CreateWindow("Vorlandocraft", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, int(LARGURATELA * s),
                              int(ALTURATELA * s), flags);
    if (!janela) {
        why = std::string("não foi possível criar a janela: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    desenhista = SDL_CreateRenderer(janela, -1, SDL_RENDERER_ACCELERATED);
    if (!desenhista) desenhista = SDL_CreateRenderer(janela, -1, SDL_RENDERER_SOFTWARE);
    if (!desenhista) {
        why = std::string("não foi possível desenhar na janela: ") + SDL_GetError();
        SDL_DestroyWindow(janela);
        SDL_Quit();
        return false;
    }
    SDL_RenderSetLogicalSize(desenhista, LARGURATELA, ALTURATELA);
    textura = SDL_CreateTexture(desenhista, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, LARGURATELA, ALTURATELA);
    SDL_ShowCursor(SDL_DISABLE);  // the game draws its own pointer
    if (!sdlabresom()) SDL_Log("Sem som: %s", SDL_GetError());  // the game keeps running silently
    usaplataforma(&sdl);
    return true;
}

void RunSdlLoop() {
    Uint64 ultimo = SDL_GetTicks64();
    while (!QuitRequested()) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) SdlEvent(e);
        Uint64 agora = SDL_GetTicks64();
        if (ativa && agora - ultimo >= Uint64(TimerInterval())) {
            ultimo = agora;
            if (manipuladores.tick) manipuladores.tick();
        } else {
            SDL_Delay(1);
        }
    }
    SDL_SetWindowGrab(janela, SDL_FALSE);
    sdlfechasom();
    usaplataforma(nullptr);
    SDL_DestroyTexture(textura);
    SDL_DestroyRenderer(desenhista);
    SDL_DestroyWindow(janela);
    SDL_Quit();
}
