// Text on the back buffer: one serif face through SDL_ttf, laid out here letter by letter on whole
// pixels, without kerning, the way the game's layouts were measured.
//
// A size in points is a cell of round(size x 96 / 72) pixels (13 at size 10). The face is scaled so
// that its tallest accented capital and its deepest descender share that cell, and every line of a
// size has its baseline at the same row of the cell: the top of the accents, whatever the letters.
// SDL_ttf renders each letter alone and this file places it, so a letter drawn alone at the width of
// the text before it lands on its own pixels in the whole line.
#include "media/media.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

// The Palatino-style face, found by its family name through fontconfig (Debian's fonts-texgyre).
const char* const FAMILIA = "TeX Gyre Pagella";

// The file of the family's regular face; "" when fontconfig knows no such family (it always offers
// some face, so the family it matched is checked). The look-up has a configuration of its own, freed
// at once: the game needs only the file, and fontconfig's shared one would outlive it to the end.
std::string arquivodafamilia(const char* familia) {
    std::string caminho;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return caminho;
    FcPattern* pedido = FcPatternCreate();
    FcPatternAddString(pedido, FC_FAMILY, reinterpret_cast<const FcChar8*>(familia));
    FcPatternAddInteger(pedido, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pedido, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pedido, FcMatchPattern);
    FcDefaultSubstitute(pedido);
    FcResult r = FcResultNoMatch;
    FcPattern* achado = FcFontMatch(config, pedido, &r);
    FcChar8* nome = nullptr;
    FcChar8* arquivo = nullptr;
    if (achado && FcPatternGetString(achado, FC_FAMILY, 0, &nome) == FcResultMatch &&
        !strcasecmp(reinterpret_cast<const char*>(nome), familia) &&
        FcPatternGetString(achado, FC_FILE, 0, &arquivo) == FcResultMatch)
        caminho = reinterpret_cast<const char*>(arquivo);
    if (achado) FcPatternDestroy(achado);
    FcPatternDestroy(pedido);
    FcConfigDestroy(config);
    return caminho;
}

// The letters that reach highest and lowest in the game's texts: the accented capitals of
// Portuguese, and the letters and marks that hang below the line.
const char32_t altas[] = {U'Á', U'À', U'Â', U'Ã', U'É', U'Ê', U'Í', U'Ó', U'Ô', U'Õ', U'Ú', U'Ü'};
const char32_t baixas[] = {U'g', U'j', U'p', U'q', U'y', U'Ç', U'ç', U',', U';'};

// The face is opened once and set to each size's pixels per em when a letter of that size is first
// needed; at 72 dots per inch a point is a pixel, so the size asked of SDL_ttf is the pixels per em.
TTF_Font* fonte = nullptr;
double alturaunidades = 1;  // accent top to descender bottom, in ems
// The reach is measured unhinted at a large size, where a pixel is one unit of the usual
// 1000-unit em.
constexpr int32_t PPEMMEDIDA = 1000;

// One size: its cell, the pixels per em the face is drawn at, and the baseline's row in the cell.
struct Medida {
    int32_t celula = 0, ppem = 0, base = 0;
};
Medida medidas[256];

// One letter at one size: its coverage picture, where it stands from the pen, and its advance.
struct Glifo {
    int32_t esquerda = 0, topo = 0, w = 0, h = 0, avanco = 0;
    std::vector<uint8_t> alfa;
};
std::unordered_map<uint64_t, Glifo> glifos;
int32_t ppemativo = 0;
// Coverage is mixed linearly over the buffer, which makes light letters on dark ground look thinner
// than they are; a gamma of 1.5 on the coverage gives them back their weight.
uint8_t gama[256];

int32_t limita(int32_t size) { return std::clamp(size, 1, 255); }

bool ativa(int32_t ppem) {
    if (ppemativo == ppem) return true;
    if (TTF_SetFontSizeDPI(fonte, ppem, 72, 72) != 0) return false;
    ppemativo = ppem;
    return true;
}

const Glifo& carregaglifo(char32_t cp, int32_t size);

const Medida& medida(int32_t size) {
    size = limita(size);
    Medida& m = medidas[size];
    if (m.celula || !fonte) return m;
    m.celula = std::max<int32_t>(1, std::lround(size * 96.0 / 72.0));
    m.ppem = std::max<int32_t>(1, std::lround(m.celula / alturaunidades));
    // the baseline sits where the highest accent, as the rasteriser actually draws it, touches the
    // cell's top row
    m.base = 0;
    for (char32_t c : altas) m.base = std::max(m.base, carregaglifo(c, size).topo);
    m.base = std::min(m.base, m.celula);
    return m;
}

// The letter's coverage as SDL_ttf renders it alone: white on a transparent surface, the coverage in
// the alpha channel. SDL_ttf puts the pen at column max(0, -left) of that surface and the baseline at
// row max(ascent, top), so the letter's box starts at column max(0, left), row max(0, ascent - top).
void rendeglifo(Glifo& g, char32_t cp) {
    SDL_Surface* s = TTF_RenderGlyph32_Blended(fonte, Uint32(cp), SDL_Color{255, 255, 255, 255});
    if (!s) return;
    SDL_Surface* argb = s;
    if (s->format->format != SDL_PIXELFORMAT_ARGB8888) {
        argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(s);
        if (!argb) return;
    }
    if (SDL_LockSurface(argb) == 0) {
        const int32_t x0 = std::max(0, g.esquerda), y0 = std::max(0, TTF_FontAscent(fonte) - g.topo);
        g.alfa.assign(size_t(g.w) * g.h, 0);
        for (int32_t y = 0; y < g.h && y0 + y < argb->h; y++) {
            const auto* row =
                reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + ptrdiff_t(y0 + y) * argb->pitch);
            for (int32_t x = 0; x < g.w && x0 + x < argb->w; x++) g.alfa[size_t(y) * g.w + x] = gama[row[x0 + x] >> 24];
        }
        SDL_UnlockSurface(argb);
    }
    SDL_FreeSurface(argb);
}

const Glifo& carregaglifo(char32_t cp, int32_t size) {
    static const Glifo vazio;
    uint64_t chave = (uint64_t(size) << 32) | cp;
    auto achado = glifos.find(chave);
    if (achado != glifos.end()) return achado->second;
    if (!fonte || !medida(size).ppem) return vazio;
    if (glifos.size() > 20000) glifos.clear();  // bounded: the game's texts use a few hundred letters
    Glifo& g = glifos[chave];
    if (!ativa(medidas[size].ppem)) return g;
    int minx = 0, maxx = 0, miny = 0, maxy = 0, avanco = 0;
    if (TTF_GlyphMetrics32(fonte, Uint32(cp), &minx, &maxx, &miny, &maxy, &avanco) != 0) return g;
    g.esquerda = minx;
    g.topo = maxy;
    g.avanco = avanco;
    if (maxx <= minx || maxy <= miny) return g;  // a space: an advance and nothing to draw
    g.w = maxx - minx;
    g.h = maxy - miny;
    rendeglifo(g, cp);
    if (g.alfa.empty()) g.w = g.h = 0;
    return g;
}

// UTF-8 decoding by the same rule as the character counts below: a letter starts at every byte that
// is not a continuation byte and takes the continuation bytes after it; a malformed sequence stands
// for its first byte (Latin-1).
std::u32string letras(const std::string& text) {
    std::u32string r;
    size_t i = 0;
    while (i < text.size() && (uint8_t(text[i]) & 0xC0) == 0x80) i++;
    while (i < text.size()) {
        const uint8_t c = uint8_t(text[i]);
        size_t j = i + 1;
        while (j < text.size() && (uint8_t(text[j]) & 0xC0) == 0x80) j++;
        const size_t n = j - i - 1;  // continuation bytes
        const size_t esperado = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = c;
        if (n == esperado && n > 0) {
            cp = c & (0x3F >> n);
            for (size_t k = i + 1; k < j; k++) cp = (cp << 6) | (uint8_t(text[k]) & 63);
        }
        r += cp;
        i = j;
    }
    return r;
}

// The letter's coverage mixed over the back buffer in colour c: each channel (c k + d (255 - k)) / 255,
// red and blue side by side in one word. The division is (x + 1 + x / 256) / 256, the same for every
// sum up to 255 x 255, which also keeps the two channels' sums from reaching each other; it gives the
// colour itself where k is 255, and the buffer's pixel where k is 0 (which is then left as it was).
// Eight pixels at a time where the processor has the wide registers.
typedef uint32_t Oito __attribute__((vector_size(32)));
typedef uint8_t OitoBytes __attribute__((vector_size(8)));

__attribute__((target_clones("avx2", "default")))
void misturaletra(const uint8_t* __restrict a, uint32_t* __restrict dst, int32_t n, uint32_t corrb, uint32_t corg) {
    int32_t i = 0;
    for (; i + 8 <= n; i += 8) {
        OitoBytes kb;
        std::memcpy(&kb, a + i, 8);
        uint64_t vazio;
        std::memcpy(&vazio, &kb, 8);
        if (vazio == 0) continue;
        const Oito k = __builtin_convertvector(kb, Oito);
        Oito d;
        std::memcpy(&d, dst + i, 32);
        const Oito l = 255 - k;
        const Oito rb = corrb * k + (d & 0xFF00FFu) * l, g = corg * k + ((d >> 8) & 255u) * l;
        const Oito v = (((rb + 0x10001u + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu) | (((g + 1u + (g >> 8)) >> 8) << 8);
        const Oito r = k == 0 ? d : v;
        std::memcpy(dst + i, &r, 32);
    }
    for (; i < n; i++) {
        const uint32_t k = a[i];
        if (!k) continue;
        const uint32_t l = 255 - k, d = dst[i];
        const uint32_t rb = corrb * k + (d & 0xFF00FFu) * l, g = corg * k + ((d >> 8) & 255) * l;
        dst[i] = (((rb + 0x10001u + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu) | (((g + 1 + (g >> 8)) >> 8) << 8);
    }
}

void pintaglifo(const Glifo& g, int32_t px, int32_t baseline, Cor c) {
    const int32_t left = px + g.esquerda, top = baseline - g.topo;
    const uint32_t corrb = (uint32_t(c.r) << 16) | c.b, corg = c.g;
    const int32_t x0 = std::max(0, -left), x1 = std::min(g.w, LARGURATELA - left);
    const int32_t y0 = std::max(0, -top), y1 = std::min(g.h, ALTURATELA - top);
    if (x1 <= x0) return;
    for (int32_t my = y0; my < y1; my++)
        misturaletra(&g.alfa[size_t(my) * g.w + size_t(x0)], backbuffer[top + my] + left + x0, x1 - x0, corrb, corg);
}

}  // namespace

bool InitText(std::string& why) {
    if (fonte) return true;
    if (!TTF_WasInit()) {
        // Small sizes keep their strokes: FreeType's rasteriser for this face thickens its thin stems
        // a little when told so through its environment switch, which it reads once, as SDL_ttf
        // starts it. The switch is set for that moment only, and a player's own setting of it wins.
        const char* antes = std::getenv("FREETYPE_PROPERTIES");
        std::string propriedades = antes ? antes : "";
        if (propriedades.find("no-stem-darkening") == std::string::npos) {
            const std::string nova = propriedades + (propriedades.empty() ? "" : " ") + "cff:no-stem-darkening=0";
            setenv("FREETYPE_PROPERTIES", nova.c_str(), 1);
        }
        const int iniciou = TTF_Init();
        if (antes) setenv("FREETYPE_PROPERTIES", propriedades.c_str(), 1);
        else unsetenv("FREETYPE_PROPERTIES");
        if (iniciou != 0) {
            why = std::string("a biblioteca de fontes (SDL_ttf) não abriu: ") + TTF_GetError();
            return false;
        }
    }
    for (int32_t a = 0; a < 256; a++) gama[a] = uint8_t(std::lround(255.0 * std::pow(a / 255.0, 1 / 1.5)));
    std::string caminho;
    if (const char* env = std::getenv("VORLANDO_FONT")) caminho = env;
    if (caminho.empty()) caminho = arquivodafamilia(FAMILIA);
    if (caminho.empty()) {
        why = "a fonte TeX Gyre Pagella não foi encontrada (pacote fonts-texgyre)";
        return false;
    }
    fonte = TTF_OpenFontDPI(caminho.c_str(), PPEMMEDIDA, 72, 72);
    if (!fonte) {
        why = "a fonte " + caminho + " não abriu: " + TTF_GetError();
        return false;
    }
    // the face's own reach, from its outlines unhinted (a face without the letters falls back on
    // its declared ascender and descender)
    TTF_SetFontHinting(fonte, TTF_HINTING_NONE);
    double alto = TTF_FontAscent(fonte), baixo = -TTF_FontDescent(fonte);
    int minx = 0, maxx = 0, miny = 0, maxy = 0, avanco = 0;
    for (char32_t c : altas)
        if (TTF_GlyphMetrics32(fonte, Uint32(c), &minx, &maxx, &miny, &maxy, &avanco) == 0)
            alto = std::max<double>(alto, maxy);
    for (char32_t c : baixas)
        if (TTF_GlyphMetrics32(fonte, Uint32(c), &minx, &maxx, &miny, &maxy, &avanco) == 0)
            baixo = std::max<double>(baixo, -miny);
    alturaunidades = std::max(0.5, (alto + baixo) / PPEMMEDIDA);
    // the letters drawn: hinted lightly (snapped to whole pixels up and down only), and never
    // kerned, since each is placed here
    TTF_SetFontHinting(fonte, TTF_HINTING_LIGHT);
    TTF_SetFontKerning(fonte, 0);
    ppemativo = PPEMMEDIDA;
    return true;
}

int32_t TextWidth(const std::string& text, int32_t size) {
    size = limita(size);
    int32_t w = 0;
    for (char32_t c : letras(text)) w += carregaglifo(c, size).avanco;
    return w;
}

int32_t TextHeight(int32_t size) { return medida(size).celula; }

void TextOut(int32_t x, int32_t y, const std::string& text, int32_t size, Cor c, int32_t letter, Cor lettercolour) {
    size = limita(size);
    const int32_t baseline = y + medida(size).base;
    int32_t n = 0;
    for (char32_t l : letras(text)) {
        const Glifo& g = carregaglifo(l, size);
        pintaglifo(g, x, baseline, ++n == letter ? lettercolour : c);
        x += g.avanco;
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
