// The window's scaling: where the frame lands on common screens, whole multiples repeat every pixel,
// and other sizes keep every edge within one output pixel.
#include <gtest/gtest.h>

#include <random>

#include "media/escala.h"
#include "media/media.h"

namespace {

std::vector<uint32_t> quadroaleatorio() {
    std::mt19937 g(14);
    std::vector<uint32_t> q(size_t(LARGURATELA) * ALTURATELA);
    for (uint32_t& p : q) p = g() & 0xFFFFFFu;
    return q;
}

std::vector<uint32_t> escalado(const std::vector<uint32_t>& q, Escalador& e, int32_t w, int32_t h) {
    e.prepara(w, h);
    std::vector<uint32_t> out(size_t(w) * size_t(h), 0xDEADBEEFu);
    e.escala(q.data(), out.data(), w);
    return out;
}

// Each channel of m lies between those of a and b.
bool entre(uint32_t m, uint32_t a, uint32_t b) {
    for (int s : {0, 8, 16}) {
        uint32_t x = (m >> s) & 255, p = (a >> s) & 255, q = (b >> s) & 255;
        if (x < std::min(p, q) || x > std::max(p, q)) return false;
    }
    return true;
}

}  // namespace

TEST(Escala, TheFrameFitsCommonScreensAsTheLargest43Rectangle) {
    Encaixe a = encaixe43(1920, 1080), b = encaixe43(1366, 768), c = encaixe43(2560, 1440), d = encaixe43(1920, 1040);
    EXPECT_EQ(std::vector<int32_t>({a.x, a.y, a.w, a.h}), std::vector<int32_t>({240, 0, 1440, 1080}));
    EXPECT_EQ(std::vector<int32_t>({b.x, b.y, b.w, b.h}), std::vector<int32_t>({171, 0, 1024, 768}));
    EXPECT_EQ(std::vector<int32_t>({c.x, c.y, c.w, c.h}), std::vector<int32_t>({320, 0, 1920, 1440}));
    // a panel takes 40 rows: 1386 x 1039.5 would not be 4:3 in whole pixels
    EXPECT_EQ(std::vector<int32_t>({d.x, d.y, d.w, d.h}), std::vector<int32_t>({268, 1, 1384, 1038}));
}

TEST(Escala, WholeMultiplesRepeatEveryPixel) {
    auto q = quadroaleatorio();
    Escalador e;
    for (int32_t k : {1, 2, 3}) {
        auto out = escalado(q, e, LARGURATELA * k, ALTURATELA * k);
        size_t erradas = 0;
        for (int32_t y = 0; y < ALTURATELA * k; y++)
            for (int32_t x = 0; x < LARGURATELA * k; x++)
                erradas += out[size_t(y) * size_t(LARGURATELA * k) + size_t(x)] != q[size_t(y / k) * LARGURATELA + size_t(x / k)];
        EXPECT_EQ(erradas, 0u) << "scale " << k;
    }
}

TEST(Escala, OtherSizesSoftenEachEdgeOverOnePixelAtMost) {
    auto q = quadroaleatorio();
    Escalador e;
    for (auto [w, h] : {std::pair{1440, 1080}, std::pair{1024, 768}, std::pair{1920, 1440}, std::pair{1384, 1038}}) {
        auto out = escalado(q, e, w, h);
        // along each axis: an output pixel is the frame pixel under its centre or, next to an edge,
        // a mix of the two pixels the edge parts, one of them under its centre; and each edge is
        // mixed into one output pixel at most
        auto eixo = [](const std::vector<int32_t>& ind, const std::vector<uint16_t>& peso, int32_t s, int32_t d) {
            std::vector<int> misturas(size_t(s), 0);  // by the edge after frame pixel k
            for (int32_t i = 0; i < d; i++) {
                int32_t centro = int32_t((2 * int64_t(i) + 1) * s / (2 * int64_t(d))), k = ind[size_t(i)];
                if (peso[size_t(i)] == 0 && k != centro)
                    return ::testing::AssertionFailure() << "pixel " << i << " takes " << k << ", not " << centro;
                if (peso[size_t(i)] != 0) {
                    if (k != centro && k + 1 != centro) return ::testing::AssertionFailure() << "mixed pixel " << i << " far from its centre";
                    if (++misturas[size_t(k)] > 1) return ::testing::AssertionFailure() << "the edge after " << k << " is soft over two pixels";
                }
            }
            return ::testing::AssertionSuccess();
        };
        EXPECT_TRUE(eixo(e.colunas, e.pesocoluna, LARGURATELA, w)) << w << " x " << h;
        EXPECT_TRUE(eixo(e.linhas, e.pesolinha, ALTURATELA, h)) << w << " x " << h;
        // and the pixels written follow the tables: whole where both weights are 0, between the
        // four neighbours elsewhere
        size_t erradas = 0;
        for (int32_t y = 0; y < h; y++)
            for (int32_t x = 0; x < w; x++) {
                size_t a = size_t(e.linhas[size_t(y)]) * LARGURATELA + size_t(e.colunas[size_t(x)]);
                uint32_t m = out[size_t(y) * size_t(w) + size_t(x)];
                bool mx = e.pesocoluna[size_t(x)] != 0, my = e.pesolinha[size_t(y)] != 0;
                if (!mx && !my) erradas += m != q[a];
                else if (mx && !my) erradas += !entre(m, q[a], q[a + 1]);
                else if (!mx && my) erradas += !entre(m, q[a], q[a + LARGURATELA]);
                else erradas += (m >> 24) != 0;  // four pixels mixed: at least no stray bits
            }
        EXPECT_EQ(erradas, 0u) << w << " x " << h;
    }
}

// Every pixel, worked out one at a time from the tables: the two frame rows mixed across by the
// column weight, then those two mixed down by the row weight, each channel rounded down. The fast
// paths (eight columns at a time, whole rows at a time, rows repeated) give exactly that, also at
// widths that leave columns over, below the frame's size, and into a wider surface.
TEST(Escala, EveryPixelIsItsColumnAndRowMixRoundedDown) {
    auto q = quadroaleatorio();
    auto mix = [](uint32_t p, uint32_t r, uint32_t w) {
        uint32_t m = 0;
        for (int s : {0, 8, 16}) m |= ((((p >> s) & 255) * (256 - w) + ((r >> s) & 255) * w) / 256) << s;
        return m;
    };
    Escalador e;
    for (auto [w, h] : {std::pair{1440, 1080}, std::pair{1030, 773}, std::pair{2880, 2160}, std::pair{1600, 1200},
                        std::pair{643, 480}, std::pair{1384, 1038}}) {
        const int32_t passo = w + 13;
        e.prepara(w, h);
        std::vector<uint32_t> out(size_t(passo) * size_t(h), 0xDEADBEEFu);
        e.escala(q.data(), out.data(), passo);
        size_t erradas = 0, margem = 0;
        for (int32_t y = 0; y < h; y++) {
            for (int32_t x = 0; x < w; x++) {
                int32_t c = e.colunas[size_t(x)], l = e.linhas[size_t(y)];
                uint32_t wx = e.pesocoluna[size_t(x)], wy = e.pesolinha[size_t(y)];
                auto linha = [&](int32_t k) {
                    const uint32_t* s = q.data() + size_t(k) * LARGURATELA;
                    return wx == 0 ? s[c] : mix(s[c], s[c + 1], wx);
                };
                uint32_t esperado = wy == 0 ? linha(l) : mix(linha(l), linha(l + 1), wy);
                erradas += out[size_t(y) * size_t(passo) + size_t(x)] != esperado;
            }
            for (int32_t x = w; x < passo; x++) margem += out[size_t(y) * size_t(passo) + size_t(x)] != 0xDEADBEEFu;
        }
        EXPECT_EQ(erradas, 0u) << w << " x " << h;
        EXPECT_EQ(margem, 0u) << w << " x " << h << ": written past the row";
    }
}
