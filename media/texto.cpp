// Text on the back buffer: one serif face through FreeType, laid out letter by letter on whole
// pixels, without kerning, the way the game's layouts were measured.
//
// A size in points is a cell of round(size x 96 / 72) pixels (13 at size 10). The face is scaled so
// that its tallest accented capital and its deepest descender share that cell, and every line of a
// size has its baseline at the same row of the cell: the top of the accents, whatever the letters.
// Since a letter is always drawn from a whole-pixel pen position with the same picture, a letter
// drawn alone at the width of the text before it lands on its own pixels in the whole line.
#include "media/media.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace {

// Where the Palatino-style face lives on Debian (fonts-texgyre keeps it under texmf).
const char* const caminhosfonte[] = {
    "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrepagella-regular.otf",
    "/usr/share/fonts/opentype/tex-gyre/texgyrepagella-regular.otf",
    "/usr/share/fonts/truetype/tex-gyre/texgyrepagella-regular.otf",
};

// The letters that reach highest and lowest in the game's texts: the accented capitals of
// Portuguese, and the letters and marks that hang below the line.
const char32_t altas[] = {U'Á', U'À', U'Â', U'Ã', U'É', U'Ê', U'Í', U'Ó', U'Ô', U'Õ', U'Ú', U'Ü'};
const char32_t baixas[] = {U'g', U'j', U'p', U'q', U'y', U'Ç', U'ç', U',', U';'};

FT_Library biblioteca = nullptr;
FT_Face face = nullptr;
double alturaunidades = 1;  // accent top to descender bottom, in em units

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
int32_t tamanhoativo = 0;
// Coverage is mixed linearly over the buffer, which makes light letters on dark ground look thinner
// than they are; a gamma of 1.5 on the coverage gives them back their weight.
uint8_t gama[256];

int32_t limita(int32_t size) { return std::clamp(size, 1, 255); }

void ativa(int32_t size) {
    if (tamanhoativo == size) return;
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(medidas[size].ppem));
    tamanhoativo = size;
}

const Glifo& carregaglifo(char32_t cp, int32_t size);

const Medida& medida(int32_t size) {
    size = limita(size);
    Medida& m = medidas[size];
    if (m.celula || !face) return m;
    m.celula = std::max<int32_t>(1, std::lround(size * 96.0 / 72.0));
    m.ppem = std::max<int32_t>(1, std::lround(m.celula / alturaunidades));
    // the baseline sits where the highest accent, as the rasteriser actually draws it, touches the
    // cell's top row
    m.base = 0;
    for (char32_t c : altas) m.base = std::max(m.base, carregaglifo(c, size).topo);
    m.base = std::min(m.base, m.celula);
    return m;
}

const Glifo& carregaglifo(char32_t cp, int32_t size) {
    static const Glifo vazio;
    uint64_t chave = (uint64_t(size) << 32) | cp;
    auto achado = glifos.find(chave);
    if (achado != glifos.end()) return achado->second;
    if (!face || !medida(size).ppem) return vazio;
    if (glifos.size() > 20000) glifos.clear();  // bounded: the game's texts use a few hundred letters
    Glifo& g = glifos[chave];
    ativa(size);
    if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) return g;
    FT_GlyphSlot s = face->glyph;
    g.esquerda = s->bitmap_left;
    g.topo = s->bitmap_top;
    g.avanco = int32_t((s->advance.x + 32) >> 6);
    if (s->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
    g.w = int32_t(s->bitmap.width);
    g.h = int32_t(s->bitmap.rows);
    g.alfa.resize(size_t(g.w) * g.h);
    for (int32_t y = 0; y < g.h; y++)
        for (int32_t x = 0; x < g.w; x++) g.alfa[size_t(y) * g.w + x] = gama[s->bitmap.buffer[ptrdiff_t(y) * s->bitmap.pitch + x]];
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

// The letter's coverage mixed over the back buffer in colour c.
void pintaglifo(const Glifo& g, int32_t px, int32_t baseline, Cor c) {
    const int32_t left = px + g.esquerda, top = baseline - g.topo;
    const int32_t x0 = std::max(0, -left), x1 = std::min(g.w, LARGURATELA - left);
    const int32_t y0 = std::max(0, -top), y1 = std::min(g.h, ALTURATELA - top);
    for (int32_t my = y0; my < y1; my++) {
        const uint8_t* a = &g.alfa[size_t(my) * g.w];
        uint32_t* dst = backbuffer[top + my] + left;
        for (int32_t mx = x0; mx < x1; mx++) {
            uint32_t k = a[mx];
            if (!k) continue;
            uint32_t d = dst[mx];
            uint32_t r = (c.r * k + ((d >> 16) & 255) * (255 - k)) / 255;
            uint32_t gr = (c.g * k + ((d >> 8) & 255) * (255 - k)) / 255;
            uint32_t b = (c.b * k + (d & 255) * (255 - k)) / 255;
            dst[mx] = (r << 16) | (gr << 8) | b;
        }
    }
}

}  // namespace

bool InitText(std::string& why) {
    if (face) return true;
    if (!biblioteca && FT_Init_FreeType(&biblioteca) != 0) {
        biblioteca = nullptr;
        why = "a biblioteca de fontes (FreeType) não abriu";
        return false;
    }
    // small sizes keep their strokes: the rasteriser thickens the thin stems of the face a little
    FT_Bool semescurecer = 0;
    FT_Property_Set(biblioteca, "cff", "no-stem-darkening", &semescurecer);
    for (int32_t a = 0; a < 256; a++) gama[a] = uint8_t(std::lround(255.0 * std::pow(a / 255.0, 1 / 1.5)));
    std::string caminho;
    if (const char* env = std::getenv("VORLANDO_FONT")) caminho = env;
    for (const char* c : caminhosfonte)
        if (caminho.empty() && std::filesystem::exists(c)) caminho = c;
    if (caminho.empty() || FT_New_Face(biblioteca, caminho.c_str(), 0, &face) != 0 || !FT_IS_SCALABLE(face)) {
        if (face) FT_Done_Face(face);
        face = nullptr;
        why = "a fonte TeX Gyre Pagella não foi encontrada (pacote fonts-texgyre)";
        return false;
    }
    // the face's own reach, in em units, from its outlines (a face without the letters falls back
    // on its declared ascender and descender)
    double alto = face->ascender, baixo = -face->descender;
    for (char32_t c : altas)
        if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE) == 0) alto = std::max<double>(alto, face->glyph->metrics.horiBearingY);
    for (char32_t c : baixas)
        if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE) == 0)
            baixo = std::max<double>(baixo, face->glyph->metrics.height - face->glyph->metrics.horiBearingY);
    alturaunidades = std::max(0.5, (alto + baixo) / face->units_per_EM);
    tamanhoativo = 0;
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
