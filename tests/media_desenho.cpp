// The back buffer: keyed and clipped blits, stretching, the blend formula, fills and outlines.
#include <gtest/gtest.h>

#include "media/media.h"

namespace {

// A w x h picture whose pixel (x, y) is `f(x, y)`.
template <typename F>
ImageList umalista(int w, int h, bool transparente, F f) {
    ImageList l;
    Bitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) b.SetPixel(x, y, f(x, y));
    SetItemPicture(l.Add(), b, "teste", transparente);
    return l;
}

void limpa(Cor c) { FillRect(c, 0, 0, 800, 600); }

bool igual(Cor a, Cor b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

}  // namespace

TEST(Desenho, WhiteKeySkipsOnlyExactWhite) {
    // column 0 exact white, column 1 almost white, column 2 red
    ImageList l = umalista(3, 1, true, [](int x, int) {
        return x == 0 ? BRANCO : x == 1 ? Cor{255, 255, 254} : Cor{200, 0, 0};
    });
    limpa(Cor{0, 0, 80});
    DrawItem(l, 0, 10, 10);
    EXPECT_TRUE(igual(BackPixel(10, 10), Cor{0, 0, 80}));
    EXPECT_TRUE(igual(BackPixel(11, 10), Cor{255, 255, 254}));
    EXPECT_TRUE(igual(BackPixel(12, 10), Cor{200, 0, 0}));
}

TEST(Desenho, OpaqueItemDrawsWhite) {
    ImageList l = umalista(2, 2, false, [](int, int) { return BRANCO; });
    limpa(PRETO);
    DrawItem(l, 0, 0, 0);
    EXPECT_TRUE(igual(BackPixel(1, 1), BRANCO));
}

TEST(Desenho, BlitIsClippedAtEveryEdge) {
    ImageList l = umalista(20, 20, false, [](int x, int y) { return Cor{uint8_t(x * 10), uint8_t(y * 10), 7}; });
    limpa(PRETO);
    DrawItem(l, 0, -5, -7);    // top-left corner
    DrawItem(l, 0, 790, 590);  // bottom-right corner
    DrawItem(l, 0, -30, 100);  // wholly outside
    EXPECT_TRUE(igual(BackPixel(0, 0), Cor{50, 70, 7}));
    EXPECT_TRUE(igual(BackPixel(799, 599), Cor{90, 90, 7}));
    EXPECT_TRUE(igual(BackPixel(0, 100), PRETO));
}

TEST(Desenho, IndexOutsideTheListDrawsNothing) {
    ImageList l = umalista(2, 2, false, [](int, int) { return Cor{1, 2, 3}; });
    limpa(PRETO);
    DrawItem(l, 1, 0, 0);
    DrawItem(l, -1, 0, 0);
    StretchItem(l, 5, 0, 0, 10, 10);
    EXPECT_TRUE(igual(BackPixel(0, 0), PRETO));
    EXPECT_EQ(ItemWidth(l, 3), 0);
    EXPECT_EQ(ItemWidth(l, 0), 2);
}

TEST(Desenho, StretchFillsTheRectangleAndKeepsTheKey) {
    ImageList l = umalista(2, 1, true, [](int x, int) { return x == 0 ? Cor{10, 20, 30} : BRANCO; });
    limpa(Cor{5, 5, 5});
    StretchItem(l, 0, 100, 100, 140, 110);
    EXPECT_TRUE(igual(BackPixel(100, 100), Cor{10, 20, 30}));
    EXPECT_TRUE(igual(BackPixel(119, 109), Cor{10, 20, 30}));
    EXPECT_TRUE(igual(BackPixel(120, 100), Cor{5, 5, 5}));  // right half is the key
    EXPECT_TRUE(igual(BackPixel(100, 110), Cor{5, 5, 5}));  // bottom edge exclusive
}

TEST(Desenho, BlendMixesByTheFormula) {
    ImageList l = umalista(4, 4, false, [](int, int) { return Cor{200, 100, 0}; });
    limpa(Cor{0, 50, 255});
    BlendItem(l, 0, 0, 0, 4, 4, 51);
    // 200*51/255 + 0 = 40; (100*51 + 50*204)/255 = 60; (0 + 255*204)/255 = 204
    EXPECT_TRUE(igual(BackPixel(2, 2), Cor{40, 60, 204}));
    BlendItem(l, 0, 10, 10, 14, 14, 255);
    EXPECT_TRUE(igual(BackPixel(11, 11), Cor{200, 100, 0}));
    BlendItem(l, 0, 20, 20, 24, 24, 0);
    BlendItem(l, 0, 20, 20, 24, 24, -3);
    EXPECT_TRUE(igual(BackPixel(21, 21), Cor{0, 50, 255}));
}

TEST(Desenho, FillAndFrameHaveExclusiveEdges) {
    limpa(PRETO);
    FillRect(Cor{9, 9, 9}, 327, 495, 330, 500);  // 3 x 5 pixels
    int n = 0;
    for (int y = 490; y < 505; y++)
        for (int x = 320; x < 335; x++) n += igual(BackPixel(x, y), Cor{9, 9, 9});
    EXPECT_EQ(n, 15);
    limpa(PRETO);
    FrameRect(Cor{1, 1, 1}, 10, 10, 20, 15);
    EXPECT_TRUE(igual(BackPixel(19, 14), Cor{1, 1, 1}));
    EXPECT_TRUE(igual(BackPixel(20, 14), PRETO));
    EXPECT_TRUE(igual(BackPixel(15, 12), PRETO));  // hollow
}

TEST(Imagens, GmbIsReadColumnByColumnWithLineBreakBytesAsColours) {
    std::string f = "2\r\n2\r\n";
    // column 0: (13,10,13) then (10,10,10); column 1: (1,2,3) then (255,255,255)
    for (int v : {13, 10, 13, 10, 10, 10, 1, 2, 3, 255, 255, 255}) f += char(v);
    Bitmap b;
    std::string porque;
    size_t usado = 0;
    ASSERT_TRUE(ParseGmb(reinterpret_cast<const uint8_t*>(f.data()), f.size(), b, porque, &usado));
    EXPECT_EQ(usado, f.size());
    EXPECT_TRUE(igual(b.Pixel(0, 0), Cor{13, 10, 13}));
    EXPECT_TRUE(igual(b.Pixel(0, 1), Cor{10, 10, 10}));
    EXPECT_TRUE(igual(b.Pixel(1, 0), Cor{1, 2, 3}));
    EXPECT_TRUE(igual(b.Pixel(1, 1), BRANCO));
}

TEST(Imagens, BadGmbHeadersAreRefused) {
    Bitmap b;
    std::string porque;
    for (std::string f : {std::string("abc\n2\n"), std::string("0\n5\n"), std::string("5000\n2\n"), std::string("2\n2\n123"),
                          std::string("2"), std::string("-1\n1\n"), std::string("")}) {
        EXPECT_FALSE(ParseGmb(reinterpret_cast<const uint8_t*>(f.data()), f.size(), b, porque)) << f;
        EXPECT_FALSE(porque.empty());
    }
}

TEST(Imagens, ListDeleteMovesLaterItemsDown) {
    ImageList l;
    l.Add().name = "a";
    l.Add().name = "b";
    l.Add().name = "c";
    l.Delete(1);
    ASSERT_EQ(l.Count(), 2);
    EXPECT_EQ(l.Item(1)->name, "c");
    EXPECT_EQ(l.Item(2), nullptr);
}
