// SDL back end, the picture through SDL's renderer where it draws with a graphics card: the frame
// goes into a streaming texture, is repeated by the card to the whole multiple at or above the
// frame's place in the window, and reduced linearly from there, as the program's own scaler does.
// VORLANDO_VIDEO=gpu asks for it whatever draws it, VORLANDO_VIDEO=software keeps the window's own
// surface; by default it is taken only when the OpenGL behind it is not done in software.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "media/escala.h"
#include "media/sdl_interno.h"

namespace {

SDL_Renderer* renderizador = nullptr;
SDL_Texture* origem = nullptr;    // the 800 x 600 frame
SDL_Texture* multiplo = nullptr;  // the frame repeated to a whole multiple, reduced from there
int32_t vezes = 0;                // the multiple `multiplo` holds

// The OpenGL renderer's own name for what draws it ("llvmpipe ..." for Mesa's software one); empty
// when the renderer is not OpenGL or does not say.
std::string quemdesenha() {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderizador, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0) return {};
    using GetString = const unsigned char* (*)(unsigned int);
    auto f = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* s = f ? f(0x1F01) : nullptr;  // GL_RENDERER
    return s ? reinterpret_cast<const char*>(s) : "";
}

bool emsoftware(const std::string& nome) {
    for (const char* s : {"llvmpipe", "softpipe", "Software", "software", "swrast"})
        if (nome.find(s) != std::string::npos) return true;
    return false;
}

}  // namespace

bool sdlgpuabre(SDL_Window* janela) {
    const char* pedido = SDL_getenv("VORLANDO_VIDEO");
    const bool forcado = pedido && !SDL_strcmp(pedido, "gpu");
    if (pedido && !SDL_strcmp(pedido, "software")) return false;
    renderizador = SDL_CreateRenderer(janela, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!renderizador) {
        if (forcado) SDL_Log("VORLANDO_VIDEO=gpu: sem renderizador acelerado (%s); a janela desenha por conta própria", SDL_GetError());
        return false;
    }
    if (!forcado && emsoftware(quemdesenha())) {
        // OpenGL in software costs more than the program's own scaling
        SDL_DestroyRenderer(renderizador);
        renderizador = nullptr;
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    origem = SDL_CreateTexture(renderizador, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, LARGURATELA, ALTURATELA);
    if (!origem) {
        sdlgpufecha();
        return false;
    }
    SDL_SetTextureScaleMode(origem, SDL_ScaleModeNearest);
    vezes = 0;
    if (forcado) SDL_Log("VORLANDO_VIDEO=gpu: a janela é desenhada por %s", quemdesenha().c_str());
    return true;
}

bool sdlgpuativo() { return renderizador != nullptr; }

void sdlgpufecha() {
    if (multiplo) SDL_DestroyTexture(multiplo);
    if (origem) SDL_DestroyTexture(origem);
    if (renderizador) SDL_DestroyRenderer(renderizador);
    multiplo = origem = nullptr;
    renderizador = nullptr;
    vezes = 0;
}

Encaixe sdlgpumostra(const uint32_t* quadro) {
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(renderizador, &w, &h) != 0) return Encaixe{0, 0, LARGURATELA, ALTURATELA};
    const Encaixe e = encaixe43(w, h);
    SDL_UpdateTexture(origem, nullptr, quadro, LARGURATELA * 4);
    SDL_SetRenderTarget(renderizador, nullptr);
    SDL_SetRenderDrawColor(renderizador, 0, 0, 0, 255);
    SDL_RenderClear(renderizador);
    const SDL_Rect alvo{e.x, e.y, e.w, e.h};
    const int32_t n = std::max<int32_t>(1, (e.w + LARGURATELA - 1) / LARGURATELA);
    if (e.w == n * LARGURATELA) {
        SDL_RenderCopy(renderizador, origem, nullptr, &alvo);  // a whole multiple: pixels repeated
    } else {
        if (n != vezes) {
            if (multiplo) SDL_DestroyTexture(multiplo);
            multiplo = SDL_CreateTexture(renderizador, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, n * LARGURATELA,
                                         n * ALTURATELA);
            if (multiplo) SDL_SetTextureScaleMode(multiplo, SDL_ScaleModeLinear);
            vezes = multiplo ? n : 0;
        }
        if (multiplo && SDL_SetRenderTarget(renderizador, multiplo) == 0) {
            SDL_RenderCopy(renderizador, origem, nullptr, nullptr);
            SDL_SetRenderTarget(renderizador, nullptr);
            SDL_RenderCopy(renderizador, multiplo, nullptr, &alvo);
        } else {
            SDL_RenderCopy(renderizador, origem, nullptr, &alvo);
        }
    }
    SDL_RenderPresent(renderizador);
    return e;
}
