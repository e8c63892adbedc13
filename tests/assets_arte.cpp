// The interface art generator: slide counts and sizes, opaque pictures without the key colour,
// animation frames that differ, and the same bytes on every run.
#include <gtest/gtest.h>

#include "interface/interface.h"
#include "interface/pintura.h"

// Painting leaves font caches behind; each case hands them back.
class ArteInterface : public ::testing::Test {
protected:
    void TearDown() override { liberafontes(); }
};

static bool temBranco(const Picture& p) {
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++)
            if (p.iswhite(x, y)) return true;
    return false;
}

TEST_F(ArteInterface, SlidesDaAberturaCabemOndeAsTelasOsDesenham) {
    std::vector<Picture> a = geraabertura();
    ASSERT_EQ(a.size(), 22u);
    EXPECT_FALSE(temBranco(a[0]));  // the background is stretched over the whole screen
    for (int k = 1; k <= 4; k++) {   // opening pictures, centred
        EXPECT_EQ(a[k].w, a[1].w);
        EXPECT_EQ(a[k].h, a[1].h);
        EXPECT_LE(a[k].w, 800);
        EXPECT_LE(a[k].h, 600);
    }
    EXPECT_LE(20 + a[5].w, 715);  // the ornaments at x 20 and 715 do not overlap
    EXPECT_LE(715 + a[5].w, 800);
    EXPECT_EQ(a[6].w, 100);  // tile drawn every 100 pixels
    EXPECT_EQ(a[6].h, 100);
    EXPECT_FALSE(temBranco(a[6]));
    EXPECT_EQ(a[7].w, 100);  // strip drawn every 100 pixels, above the page text at y 482
    EXPECT_LE(470 + a[7].h, 482);
    for (int k = 8; k <= 10; k++) EXPECT_EQ(a[k].w, 380);  // menu strip at 0, 380 and 760
    EXPECT_LE(88 + a[11].w, 800);  // title at (88, 50), above the menu buttons at y 330
    EXPECT_LE(50 + a[11].h, 330);
    for (int k = 12; k <= 21; k++) {
        // a trivia picture centred on (400, 300) stays between the title and the bottom strip
        EXPECT_LE(300 + (a[k].h + 1) / 2, 470) << k;
        EXPECT_GE(300 - a[k].h / 2, 80) << k;
        EXPECT_LE(a[k].w, 640) << k;
    }
}

TEST_F(ArteInterface, SlidesDoFinalSaoOpacosDe400x300) {
    std::vector<Picture> f = gerafinal();
    ASSERT_EQ(f.size(), 7u);
    for (const Picture& p : f) {
        EXPECT_EQ(p.w, 400);
        EXPECT_EQ(p.h, 300);
        EXPECT_FALSE(temBranco(p));
    }
}

TEST_F(ArteInterface, QuadrosDoRetratoFalanteDiferem) {
    std::vector<Picture> r = geraretratos();
    ASSERT_EQ(r.size(), 40u);
    // pairs of portraits the panel alternates between
    const int pares[][2] = {{5, 6}, {7, 8}, {9, 10}, {11, 12}, {14, 15}, {16, 17}, {18, 19}, {20, 21}, {22, 23},
                            {24, 25}, {26, 27}, {28, 29}, {31, 32}, {33, 34}, {35, 36}, {38, 39}};
    for (auto& p : pares) EXPECT_NE(r[p[0]].rgb, r[p[1]].rgb) << p[0];
    // and different characters do not share a picture
    for (int i = 0; i < 40; i++)
        for (int j = i + 1; j < 40; j++)
            if (r[i].w == r[j].w) {
                EXPECT_NE(r[i].rgb, r[j].rgb) << i << " " << j;
            }
}

TEST_F(ArteInterface, MesmosBytesACadaExecucao) {
    std::vector<Picture> a = geraicones(), b = geraicones();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); i++) EXPECT_EQ(a[i].rgb, b[i].rgb) << i;
    std::vector<Picture> c = gerafinal(), d = gerafinal();
    for (size_t i = 0; i < c.size(); i++) EXPECT_EQ(c[i].rgb, d[i].rgb) << i;
}
