// SDL back end, the picture: a borderless (or, when asked, framed) window the largest 4:3 size that
// fits the usable desktop (or a whole multiple asked for), the frame scaled sharp by the program
// itself into the window's own surface, and full screen letterboxed with the pointer held inside.
// Scaling here rather than through a renderer keeps the picture the same on every machine and costs
// little where OpenGL is done in software; with a graphics card SDL's renderer does it instead
// (sdl_renderizador.cpp).
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "media/escala.h"
#include "media/sdl_interno.h"

namespace {

SDL_Window* janela = nullptr;
Escalador escalador;
std::vector<uint32_t> ultimoquadro;      // the frame last presented, painted again on expose
std::vector<uint32_t> intermediario;     // for a window surface of another pixel format
Encaixe quadro{0, 0, LARGURATELA, ALTURATELA};  // where the frame lies in the window
bool refazer = true;                     // bars and frame to be laid out for the surface's size
int32_t superficiel = -1, superficiea = -1;

// Full screen, and the window's place and size to come back to.
bool cheia = false;
SDL_Rect guardada{0, 0, 0, 0};
// A switch is looked at again a moment later (SDL_GetTicks64), when a window manager that answers
// late has had its say; 0 when there is nothing to look at.
Uint64 conferir = 0;
constexpr Uint64 ESPERACONFERE = 500;
// The frame pixel the pointer was over when a switch began, found again while the window settles
// into its new place and size; -1 when the pointer was not over the window.
int32_t ponteirox = -1, ponteiroy = -1;

void mostra(bool tudo) {
    if (!janela || ultimoquadro.empty()) return;
    if (sdlgpuativo()) {
        quadro = sdlgpumostra(ultimoquadro.data());
        return;
    }
    SDL_Surface* s = SDL_GetWindowSurface(janela);
    if (!s) return;
    if (refazer || s->w != superficiel || s->h != superficiea) {
        superficiel = s->w;
        superficiea = s->h;
        // a window of its own size holds the frame whole; a screen gets black bars around it
        quadro = encaixe43(s->w, s->h);
        escalador.prepara(quadro.w, quadro.h);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
        refazer = false;
        tudo = true;
    }
    const bool direto = s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u &&
                        s->format->Gmask == 0x00FF00u && s->format->Bmask == 0x0000FFu;
    if (direto) {
        if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
        uint32_t* p = static_cast<uint32_t*>(s->pixels) + size_t(quadro.y) * size_t(s->pitch / 4) + size_t(quadro.x);
        escalador.escala(ultimoquadro.data(), p, s->pitch / 4);
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    } else {
        // another pixel format: scaled apart, then converted by SDL's blit
        intermediario.resize(size_t(quadro.w) * size_t(quadro.h));
        escalador.escala(ultimoquadro.data(), intermediario.data(), quadro.w);
        SDL_Surface* t = SDL_CreateRGBSurfaceWithFormatFrom(intermediario.data(), quadro.w, quadro.h, 32, quadro.w * 4,
                                                            SDL_PIXELFORMAT_RGB888);
        if (!t) return;
        SDL_Rect r{quadro.x, quadro.y, quadro.w, quadro.h};
        SDL_BlitSurface(t, nullptr, s, &r);
        SDL_FreeSurface(t);
    }
    if (tudo) {
        SDL_UpdateWindowSurface(janela);
    } else {
        SDL_Rect r{quadro.x, quadro.y, quadro.w, quadro.h};
        SDL_UpdateWindowSurfaceRects(janela, &r, 1);
    }
}

// The screen the window is on; empty when SDL cannot tell.
SDL_Rect telada() {
    SDL_Rect d{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(janela)), &d) != 0) d = SDL_Rect{0, 0, 0, 0};
    return d;
}

bool estaem(const SDL_Rect& r) {
    SDL_Rect j;
    SDL_GetWindowPosition(janela, &j.x, &j.y);
    SDL_GetWindowSize(janela, &j.w, &j.h);
    return j.x == r.x && j.y == r.y && j.w == r.w && j.h == r.h;
}

void guardaponteiro() {
    ponteirox = ponteiroy = -1;
    int gx = 0, gy = 0, jx = 0, jy = 0, jw = 0, jh = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(janela, &jx, &jy);
    SDL_GetWindowSize(janela, &jw, &jh);
    if (gx < jx || gy < jy || gx >= jx + jw || gy >= jy + jh) return;
    int32_t x = 0, y = 0;
    sdlparaojogo(gx - jx, gy - jy, x, y);
    // over the bars the game sees the frame's edge, and so does the pointer after the switch
    ponteirox = std::clamp(x, 0, LARGURATELA - 1);
    ponteiroy = std::clamp(y, 0, ALTURATELA - 1);
}

// The pointer to the middle of the kept pixel as the frame lies now.
void devolveponteiro() {
    if (!janela || ponteirox < 0 || quadro.w <= 0 || quadro.h <= 0) return;
    int wx = quadro.x + int((2 * int64_t(ponteirox) + 1) * quadro.w / (2 * LARGURATELA));
    int wy = quadro.y + int((2 * int64_t(ponteiroy) + 1) * quadro.h / (2 * ALTURATELA));
    SDL_WarpMouseInWindow(janela, wx, wy);
}

// The window over the whole screen, placed and sized by the program itself.
void cobre(const SDL_Rect& d) {
    SDL_SetWindowPosition(janela, d.x, d.y);
    SDL_SetWindowSize(janela, d.w, d.h);
    SDL_RaiseWindow(janela);
}

void devolve() {
    SDL_SetWindowSize(janela, guardada.w, guardada.h);
    SDL_SetWindowPosition(janela, guardada.x, guardada.y);
}

// Full screen is the window covering its screen by hand, then SDL's full-screen request on top. By
// hand is all there is to it without a window manager, where nobody takes the request; with one the
// request keeps the window there, above the panels. The request alone is not enough: SDL reports the
// screen's size for the window at once, whether or not anybody moved it, so the window would keep its
// old size while the frame was laid out for the screen. Covering first makes that report true.
void telacheia(bool on) {
    if (!janela || on == cheia) return;
    guardaponteiro();
    if (on) {
        SDL_GetWindowPosition(janela, &guardada.x, &guardada.y);
        SDL_GetWindowSize(janela, &guardada.w, &guardada.h);
        SDL_Rect d = telada();
        if (d.w <= 0 || d.h <= 0) return;
        cobre(d);
        SDL_SetWindowFullscreen(janela, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        // a manager puts the window back where full screen found it (the whole screen); then our own place
        SDL_SetWindowFullscreen(janela, 0);
        devolve();
    }
    cheia = on;
    conferir = SDL_GetTicks64() + ESPERACONFERE;
    refazer = true;
    mostra(true);
    // a second monitor must not take the pointer from a full screen mid-scroll
    SDL_SetWindowGrab(janela, on ? SDL_TRUE : SDL_FALSE);
    devolveponteiro();
}

struct Sdl : Plataforma {
    void present() override {
        ultimoquadro.assign(&backbuffer[0][0], &backbuffer[0][0] + size_t(LARGURATELA) * ALTURATELA);
        mostra(false);
    }
    void play(WaveList& list, int32_t index) override { sdltoca(list, index); }
    void stop(WaveList& list, int32_t index) override { sdlpara(list, index); }
    void initsound() override { sdlabresom(); }
    void fullscreen(bool on) override { telacheia(on); }
    bool headless() const override { return false; }
} sdl;

// A framed window: its frame inside the usable desktop too, the window made smaller if it must
// (only when its size was not asked for) and centred with its frame. Nothing when the frame's size
// is unknown (no window manager, or one that does not say).
void cabecomamoldura(const SDL_Rect& area, bool encolhe) {
    // the manager tells the frame's size a moment after the window shows: a short wait for it
    int topo = 0, esquerda = 0, base = 0, direita = 0;
    for (int vez = 0; vez < 20 && topo + esquerda + base + direita == 0; vez++) {
        SDL_PumpEvents();
        if (SDL_GetWindowBordersSize(janela, &topo, &esquerda, &base, &direita) != 0)
            topo = esquerda = base = direita = 0;
        if (topo + esquerda + base + direita == 0) SDL_Delay(25);
    }
    if (topo + esquerda + base + direita == 0) return;
    int livrel = area.w - esquerda - direita, livrea = area.h - topo - base;
    int w = 0, h = 0;
    SDL_GetWindowSize(janela, &w, &h);
    if (encolhe && (w > livrel || h > livrea)) {
        Encaixe e = encaixe43(livrel, livrea);
        if (e.w >= LARGURATELA / 2) {
            w = e.w;
            h = e.h;
            SDL_SetWindowSize(janela, w, h);
        }
    }
    SDL_SetWindowPosition(janela, area.x + esquerda + std::max(0, (livrel - w) / 2),
                          area.y + topo + std::max(0, (livrea - h) / 2));
}

// The window's icon from a white-keyed picture: white becomes see-through.
void poeicone(const Bitmap& b) {
    if (b.width <= 0 || b.height <= 0) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, b.width, b.height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_LockSurface(s);
    for (int32_t y = 0; y < b.height; y++) {
        uint32_t* linha = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + size_t(y) * size_t(s->pitch));
        for (int32_t x = 0; x < b.width; x++) {
            uint32_t p = b.pixels[size_t(y) * size_t(b.width) + size_t(x)] & 0xFFFFFFu;
            linha[x] = p == 0xFFFFFFu ? 0u : (0xFF000000u | p);
        }
    }
    SDL_UnlockSurface(s);
    SDL_SetWindowIcon(janela, s);
    SDL_FreeSurface(s);
}

// The usable part of the desktop (without panels), or the whole screen when that is unknown.
SDL_Rect areautil() {
    SDL_Rect a{0, 0, LARGURATELA, ALTURATELA};
    if (SDL_GetDisplayUsableBounds(0, &a) != 0 || a.w <= 0 || a.h <= 0) SDL_GetDisplayBounds(0, &a);
    return a;
}

}  // namespace

void sdlrepinta() { mostra(true); }

// Once, a moment after a switch: if the window is not where it should be (a window manager that
// moved it after us, or one that shrank it to its free area instead of taking the full-screen
// request), it is put there again by hand. What SDL reports here came from the window system.
void sdlconfere() {
    if (!janela || !conferir || SDL_GetTicks64() < conferir) return;
    conferir = 0;
    if (!cheia) {
        if (!estaem(guardada)) devolve();
        devolveponteiro();
        ponteirox = ponteiroy = -1;
        return;
    }
    SDL_Rect d = telada();
    if (d.w > 0 && d.h > 0 && !estaem(d)) {
        SDL_SetWindowFullscreen(janela, 0);
        cobre(d);
    }
    devolveponteiro();
    ponteirox = ponteiroy = -1;
}
void sdlnovotamanho() {
    refazer = true;
    mostra(true);
    if (conferir) devolveponteiro();
}
void sdlmovida() {
    if (conferir) devolveponteiro();
}
void sdltraz() {
    if (!janela) return;
    if (SDL_GetWindowFlags(janela) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(janela);
    SDL_RaiseWindow(janela);
}

bool sdlparaojogo(int32_t wx, int32_t wy, int32_t& x, int32_t& y) {
    if (quadro.w <= 0 || quadro.h <= 0) return false;
    // floor division, so that a point left of or above the frame stays outside it
    auto chao = [](int64_t a, int64_t b) { return int32_t(a >= 0 ? a / b : -((-a + b - 1) / b)); };
    x = chao(int64_t(wx - quadro.x) * LARGURATELA, quadro.w);
    y = chao(int64_t(wy - quadro.y) * ALTURATELA, quadro.h);
    return x >= 0 && y >= 0 && x < LARGURATELA && y < ALTURATELA;
}

AberturaTela OpenSdl(const OpcoesVideo& o, std::string& why) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        why = std::string("não foi possível abrir a tela: ") + SDL_GetError();
        return AberturaTela::semtela;
    }
    // SDL falls back to an invisible off-screen driver when there is no display; a player would see
    // nothing, so that counts as no display unless the driver was asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* pedido = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (!SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "dummy")) && !(pedido && !SDL_strcmp(pedido, driver))) {
        why = "nenhuma tela disponível (DISPLAY e WAYLAND_DISPLAY não definidos)";
        SDL_Quit();
        return AberturaTela::semtela;
    }
    // on X11 the window's own surface is a shared-memory image: cheaper than a texture drawn by a
    // software OpenGL, which is what SDL would otherwise put behind it
    if (driver && !SDL_strcmp(driver, "x11")) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Rect area = areautil();
    Encaixe e;
    if (o.scale > 0) {
        e.w = LARGURATELA * o.scale;
        e.h = ALTURATELA * o.scale;
        if (e.w > area.w || e.h > area.h) {
            int32_t maior = std::min(area.w / LARGURATELA, area.h / ALTURATELA);
            why = "a escala " + std::to_string(o.scale) + " (" + std::to_string(e.w) + " x " + std::to_string(e.h) +
                  ") não cabe na área livre da tela (" + std::to_string(area.w) + " x " + std::to_string(area.h) + "); " +
                  (maior >= 1 ? "a maior que cabe é " + std::to_string(maior) : std::string("nenhuma escala inteira cabe"));
            SDL_Quit();
            return AberturaTela::escalagrande;
        }
    } else {
        e = encaixe43(area.w, area.h);
        if (e.w < LARGURATELA / 2) e = Encaixe{0, 0, LARGURATELA / 2, ALTURATELA / 2};  // an absurd desktop
    }
    // a close request from the window manager is the game's to answer, not a quit by itself
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    janela = SDL_CreateWindow("Vorlandocraft", area.x + std::max(0, (area.w - e.w) / 2),
                              area.y + std::max(0, (area.h - e.h) / 2), e.w, e.h,
                              o.framed ? Uint32(0) : Uint32(SDL_WINDOW_BORDERLESS));
    if (!janela) {
        why = std::string("não foi possível criar a janela: ") + SDL_GetError();
        SDL_Quit();
        return AberturaTela::semtela;
    }
    if (!sdlgpuabre(janela) && !SDL_GetWindowSurface(janela)) {
        why = std::string("não foi possível desenhar na janela: ") + SDL_GetError();
        SDL_DestroyWindow(janela);
        janela = nullptr;
        SDL_Quit();
        return AberturaTela::semtela;
    }
    if (o.framed) cabecomamoldura(area, o.scale == 0);
    if (o.icon) poeicone(*o.icon);
    refazer = true;
    cheia = false;
    conferir = 0;
    ponteirox = ponteiroy = -1;
    novolaco();
    ultimoquadro.assign(size_t(LARGURATELA) * ALTURATELA, 0);
    SDL_ShowCursor(SDL_DISABLE);  // the game draws its own pointer
    if (!sdlabresom()) SDL_Log("Sem som: %s", SDL_GetError());  // the game keeps running silently
    usaplataforma(&sdl);
    if (o.fullscreen) telacheia(true);
    return AberturaTela::ok;
}

void sdlfechajanela() {
    SDL_SetWindowGrab(janela, SDL_FALSE);
    sdlfechasom();
    sdlgpufecha();
    usaplataforma(nullptr);
    SDL_DestroyWindow(janela);
    janela = nullptr;
    ultimoquadro.clear();
    quadro = Encaixe{0, 0, LARGURATELA, ALTURATELA};
    SDL_Quit();
}
