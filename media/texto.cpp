// Text on the back buffer: one serif face through SDL_ttf, each size opened once, rendered strings cached.
#include "media/media.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <cstdlib>
#include <filesystem>
#include <unordered_map>

namespace {

// Where the Palatino-style face lives on Debian (fonts-texgyre keeps it under texmf).
const char* const caminhosfonte[] = {
    "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrepagella-regular.otf",
    "/usr/share/fonts/opentype/tex-gyre/texgyrepagella-regular.otf",
    "/usr/share/fonts/truetype/tex-gyre/texgyrepagella-regular.otf",
};

std::string caminhofonte;
TTF_Font* fontes[256];  // by point size, opened on first use

// A rendered string: its coverage mask and the width the layout uses.
struct Mascara {
    int32_t w = 0, h = 0, largura = 0;
    std::vector<uint8_t> alfa;
};
std::unordered_map<std::string, Mascara> cache;

TTF_Font* fonte(int32_t size) {
    if (size < 1) size = 1;
    if (size > 255) size = 255;
    if (!fontes[size] && !caminhofonte.empty()) {
        fontes[size] = TTF_OpenFontDPI(caminhofonte.c_str(), size, 96, 96);
        if (fontes[size]) TTF_SetFontHinting(fontes[size], TTF_HINTING_LIGHT);
    }
    return fontes[size];
}

const Mascara& mascara(const std::string& text, int32_t size) {
    std::string chave(1, char(size & 255));
    chave += text;
    auto found = cache.find(chave);
    if (found != cache.end()) return found->second;
    if (cache.size() > 4000) cache.clear();  // a bounded cache: menus and numbers repeat every frame
    Mascara& m = cache[chave];
    TTF_Font* f = fonte(size);
    if (!f || text.empty()) return m;
    int w = 0, h = 0;
    TTF_SizeUTF8(f, text.c_str(), &w, &h);
    m.largura = w;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), white);
    if (!s) return m;
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!conv) return m;
    m.w = conv->w;
    m.h = conv->h;
    m.alfa.resize(size_t(m.w) * m.h);
    for (int32_t y = 0; y < m.h; y++) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(conv->pixels) + size_t(y) * conv->pitch);
        for (int32_t x = 0; x < m.w; x++) m.alfa[size_t(y) * m.w + x] = uint8_t(row[x] >> 24);
    }
    SDL_FreeSurface(conv);
    return m;
}

}  // namespace

bool InitText(std::string& why) {
    if (!TTF_WasInit() && TTF_Init() != 0) {
        why = std::string("a biblioteca de fontes não abriu: ") + TTF_GetError();
        return false;
    }
    if (caminhofonte.empty()) {
        if (const char* env = std::getenv("VORLANDO_FONT")) caminhofonte = env;
        for (const char* c : caminhosfonte)
            if (caminhofonte.empty() && std::filesystem::exists(c)) caminhofonte = c;
    }
    if (caminhofonte.empty() || !fonte(10)) {
        why = "a fonte TeX Gyre Pagella não foi encontrada (pacote fonts-texgyre)";
        caminhofonte.clear();
        return false;
    }
    return true;
}

int32_t TextWidth(const std::string& text, int32_t size) { return mascara(text, size).largura; }

int32_t TextHeight(int32_t size) {
    TTF_Font* f = fonte(size);
    return f ? TTF_FontHeight(f) : 0;
}

void TextOut(int32_t x, int32_t y, const std::string& text, int32_t size, Cor c) {
    const Mascara& m = mascara(text, size);
    int32_t x0 = std::max(0, -x), x1 = std::min(m.w, LARGURATELA - x);
    int32_t y0 = std::max(0, -y), y1 = std::min(m.h, ALTURATELA - y);
    for (int32_t my = y0; my < y1; my++) {
        const uint8_t* a = &m.alfa[size_t(my) * m.w];
        uint32_t* dst = backbuffer[y + my] + x;
        for (int32_t mx = x0; mx < x1; mx++) {
            uint32_t k = a[mx];
            if (!k) continue;
            uint32_t d = dst[mx];
            uint32_t r = (c.r * k + ((d >> 16) & 255) * (255 - k)) / 255;
            uint32_t g = (c.g * k + ((d >> 8) & 255) * (255 - k)) / 255;
            uint32_t b = (c.b * k + (d & 255) * (255 - k)) / 255;
            dst[mx] = (r << 16) | (g << 8) | b;
        }
    }
}

// UTF-8: a character starts at every byte that is not a continuation byte (10xxxxxx).
static size_t offsetofchar(const std::string& text, int32_t n) {
    size_t i = 0;
    for (int32_t seen = 0; i < text.size(); i++) {
        if ((uint8_t(text[i]) & 0xC0) != 0x80) {
            if (seen == n) return i;
            seen++;
        }
    }
    return text.size();
}

std::string Utf8Prefix(const std::string& text, int32_t n) { return n <= 0 ? std::string() : text.substr(0, offsetofchar(text, n)); }

std::string Utf8Char(const std::string& text, int32_t k) {
    if (k < 1) return {};
    size_t a = offsetofchar(text, k - 1), b = offsetofchar(text, k);
    return text.substr(a, b - a);
}

int32_t Utf8Length(const std::string& text) {
    int32_t n = 0;
    for (char ch : text) n += (uint8_t(ch) & 0xC0) != 0x80;
    return n;
}
