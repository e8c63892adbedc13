// Text and rectangle routines: alignment, rounding of the half width, hot-key letter, shadow, edges.
#include <gtest/gtest.h>

#include <cmath>

#include "media/media.h"
#include "render/texto.h"

namespace {

// Every size the game writes in.
constexpr int32_t TAMANHOS[] = {7, 8, 10, 11, 12, 13, 14, 15, 16, 18, 20, 22, 25, 30, 40};

struct Texto : ::testing::Test {
    void SetUp() override {
        std::string porque;
        ASSERT_TRUE(InitText(porque)) << porque;
        FillRect(Cor{0, 0, 120}, 0, 0, 800, 600);
    }
    // Leftmost and rightmost columns in the band [y0, y1) that hold colour c.
    static std::pair<int, int> colunas(Cor c, int y0, int y1) {
        int a = 9999, b = -1;
        for (int y = y0; y < y1; y++)
            for (int x = 0; x < 800; x++) {
                Cor p = BackPixel(x, y);
                if (p.r == c.r && p.g == c.g && p.b == c.b) { a = std::min(a, x); b = std::max(b, x); }
            }
        return {a, b};
    }
    static int conta(Cor c) {
        int n = 0;
        for (int y = 0; y < 600; y++)
            for (int x = 0; x < 800; x++) {
                Cor p = BackPixel(x, y);
                n += p.r == c.r && p.g == c.g && p.b == c.b;
            }
        return n;
    }
};

}  // namespace

TEST_F(Texto, SizeTenIsAThirteenPixelCellAndOtherSizesInProportion) {
    EXPECT_EQ(TextHeight(10), 13);
    for (int32_t s : TAMANHOS) EXPECT_EQ(TextHeight(s), int32_t(std::lround(s * 96.0 / 72.0))) << s;
    EXPECT_GT(TextWidth("INICIAR O JOGO", 15), TextWidth("INICIAR O JOGO", 10));
}

// The rows a line's letters cover, drawn at y: the first and the last row holding the face colour's
// light (the ground is dark blue and the shadow black, so any red comes from the letters).
static std::pair<int, int> linhas(const std::string& s, int32_t tamanho, int32_t y) {
    FillRect(Cor{0, 0, 120}, 0, 0, 800, 600);
    escrevetexto(20, y, s, "-", tamanho, Cor{255, 255, 255});
    int a = 9999, b = -1;
    for (int yy = 0; yy < 600; yy++)
        for (int x = 0; x < 800; x++)
            if (BackPixel(x, yy).r > 0) { a = std::min(a, yy); b = std::max(b, yy); }
    return {a, b};
}

TEST_F(Texto, AccentedCapitalsKeepTheLineOnTheSameBaselineInsideItsCell) {
    const std::pair<const char*, const char*> pares[] = {
        {"MÚSICA", "MUSICA"}, {"NÃO", "NAO"}, {"CAPÍTULO 1", "CAPITULO 1"}};
    for (int32_t s : TAMANHOS) {
        const int32_t y = 200;
        for (auto [acentos, sem] : pares) {
            auto com = linhas(acentos, s, y), liso = linhas(sem, s, y);
            // the same letters stand on the same row whether or not an accent rises above them
            EXPECT_EQ(com.second, liso.second) << acentos << " size " << s;
            // the accent rises into the cell above the capitals, never above the cell's top
            EXPECT_LT(com.first, liso.first) << acentos << " size " << s;
            EXPECT_GE(com.first, y) << acentos << " size " << s;
            // and the line stays in its cell, its last descender row at most one below
            EXPECT_LE(com.second, y + TextHeight(s)) << acentos << " size " << s;
        }
    }
}

TEST_F(Texto, CentredHalfWidthRoundsHalvesToEven) {
    for (std::string s : {"A", "Ab", "Abc", "Abcd", "Mão", "x1", "ERRO"}) {
        int w = TextWidth(s, 15);
        int d = w / 2;
        if (w % 2 && d % 2) d++;  // 15 gives 8, 13 gives 6
        FillRect(PRETO, 0, 0, 800, 600);
        escrevetexto(400, 100, s, "c", 15, Cor{255, 255, 255});
        auto centrado = colunas(Cor{255, 255, 255}, 95, 130);
        FillRect(PRETO, 0, 0, 800, 600);
        escrevetexto(400 - d, 100, s, "-", 15, Cor{255, 255, 255});
        auto esquerdo = colunas(Cor{255, 255, 255}, 95, 130);
        EXPECT_EQ(centrado, esquerdo) << s << " width " << w;
        FillRect(PRETO, 0, 0, 800, 600);
        escrevetexto(400 - d + w, 100, s, "e", 15, Cor{255, 255, 255});
        EXPECT_EQ(colunas(Cor{255, 255, 255}, 95, 130), esquerdo) << s;
    }
}

TEST_F(Texto, TextIsABlackShadowOnePixelDownRightThenTheFace) {
    escrevetexto(100, 100, "Vorlando", "-", 20, Cor{255, 255, 0});
    std::vector<uint32_t> rotina(backbuffer[0], backbuffer[0] + 800 * 600);
    FillRect(Cor{0, 0, 120}, 0, 0, 800, 600);
    TextOut(101, 101, "Vorlando", 20, PRETO);
    TextOut(100, 100, "Vorlando", 20, Cor{255, 255, 0});
    std::vector<uint32_t> manual(backbuffer[0], backbuffer[0] + 800 * 600);
    EXPECT_EQ(rotina, manual);
    EXPECT_GT(conta(PRETO), 0);
}

TEST_F(Texto, HotKeyLetterIsRedrawnInOrangeRed) {
    escrevetexto(100, 100, "SAIR DO JOGO", "-", 15, Cor{255, 255, 255}, 1);
    auto tecla = colunas(CORTECLA, 90, 130);
    ASSERT_GE(tecla.second, 0);
    EXPECT_LT(tecla.second, 100 + TextWidth("S", 15) + 1);
    FillRect(PRETO, 0, 0, 800, 600);
    escrevetexto(100, 100, "SAIR DO JOGO", "-", 15, Cor{255, 255, 255}, 6);  // the D
    tecla = colunas(CORTECLA, 90, 130);
    EXPECT_GE(tecla.first, 100 + TextWidth("SAIR ", 15) - 1);
}

TEST_F(Texto, HotKeyCountsCharactersNotBytes) {
    escrevetexto(100, 100, "NÃO", "-", 15, Cor{255, 255, 255}, 3);  // the O after a two-byte Ã
    auto tecla = colunas(CORTECLA, 90, 130);
    ASSERT_GE(tecla.second, 0);
    EXPECT_GE(tecla.first, 100 + TextWidth("NÃ", 15) - 1);
}

TEST_F(Texto, NoHotKeyOrOneBeyondTheEndDrawsNoOrange) {
    escrevetexto(100, 100, "MENU", "-", 15, Cor{255, 255, 255}, 0);
    escrevetexto(100, 200, "MENU", "-", 15, Cor{255, 255, 255}, 9);
    EXPECT_EQ(conta(CORTECLA), 0);
}

TEST_F(Texto, RectangleOutlineIsTheSameWhicheverCornerComesFirst) {
    auto desenho = [](int x1, int y1, int x2, int y2) {
        FillRect(PRETO, 0, 0, 800, 600);
        desenharetangulo(x1, y1, x2, y2, Cor{0, 255, 0});
        std::vector<uint32_t> v;
        for (int y = 0; y < 60; y++)
            for (int x = 0; x < 60; x++) v.push_back(corpixel(BackPixel(x, y)));
        return v;
    };
    auto normal = desenho(10, 10, 50, 40);
    EXPECT_EQ(desenho(50, 10, 10, 40), normal);
    EXPECT_EQ(desenho(50, 40, 10, 10), normal);
    EXPECT_EQ(desenho(10, 40, 50, 10), normal);
    FillRect(PRETO, 0, 0, 800, 600);
    desenharetangulo(10, 10, 10, 40, Cor{0, 255, 0});
    desenharetangulo(10, 10, 40, 10, Cor{0, 255, 0});
    EXPECT_EQ(conta(Cor{0, 255, 0}), 0);
    // exclusive right and bottom edges
    FillRect(PRETO, 0, 0, 800, 600);
    desenharetangulo(10, 10, 50, 40, Cor{0, 255, 0});
    EXPECT_EQ(corpixel(BackPixel(49, 39)), corpixel(Cor{0, 255, 0}));
    EXPECT_EQ(corpixel(BackPixel(50, 39)), corpixel(PRETO));
}

TEST_F(Texto, FilledRectangleInvertedPaintsNothing) {
    FillRect(PRETO, 0, 0, 800, 600);
    pintaretangulo(50, 50, 40, 60, Cor{1, 2, 3});
    EXPECT_EQ(conta(Cor{1, 2, 3}), 0);
    pintaretangulo(327, 495, 330, 500, Cor{1, 2, 3});
    EXPECT_EQ(conta(Cor{1, 2, 3}), 15);
}
