// The layout generator: every layout keeps its mission's facts and is playable, the same bytes on
// every run, and the checks catch a blocked or miscounted layout.
#include <gtest/gtest.h>

#include "mapas/mapas.h"

namespace {

void pinta(Picture& p, int x, int y, int conteudo) {
    uint8_t r, g, b;
    corconteudo(conteudo, r, g, b);
    p.set(x, y, r, g, b);
}

int conteudo(const Picture& p, int x, int y) { return conteudocor(p.at(x, y)[0], p.at(x, y)[1], p.at(x, y)[2]); }

// The first cell holding that content.
bool acha(const Picture& p, int c, int& x, int& y) {
    for (y = 0; y < p.h; y++)
        for (x = 0; x < p.w; x++)
            if (conteudo(p, x, y) == c) return true;
    return false;
}

}  // namespace

class CadaMapa : public ::testing::TestWithParam<int> {};

TEST_P(CadaMapa, KeepsItsMissionFactsAndIsPlayable) {
    Picture p = geramapa(GetParam());
    std::string why;
    EXPECT_TRUE(verificamapa(GetParam(), p, why)) << why;
}

TEST_P(CadaMapa, IsTheSameOnEveryRun) {
    EXPECT_EQ(geramapa(GetParam()).rgb, geramapa(GetParam()).rgb);
}

INSTANTIATE_TEST_SUITE_P(Mapas, CadaMapa, ::testing::Range(1, 13));

TEST(GeradorMapas, ColourCodeReadsBackEveryContent) {
    for (int c = 1; c <= 21; c++) {
        Picture q(1, 1);
        pinta(q, 0, 0, c);
        EXPECT_EQ(conteudo(q, 0, 0), c);
    }
    for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 20, 21, 24, 25, 26}) {
        Picture p(1, 1);
        pinta(p, 0, 0, CONTEUDOUNIDADE + t);
        EXPECT_EQ(conteudo(p, 0, 0), CONTEUDOUNIDADE + t) << t;
    }
    Picture p(1, 1);
    pinta(p, 0, 0, CONTEUDOBAU + 34);
    EXPECT_EQ(p.at(0, 0)[2], 170);
    EXPECT_EQ(conteudo(p, 0, 0), CONTEUDOBAU + 34);
    EXPECT_EQ(conteudocor(100, 150, 100), 0);  // open ground
}

TEST(GeradorMapas, ChestWalledInByTreesFailsTheReachabilityCheck) {
    Picture p = geramapa(1);
    int x, y;
    ASSERT_TRUE(acha(p, CONTEUDOBAU + 25, x, y));
    for (int oy = -1; oy <= 1; oy++)
        for (int ox = -1; ox <= 1; ox++)
            if ((ox || oy) && x + ox >= 0 && y + oy >= 0 && x + ox < p.w && y + oy < p.h) pinta(p, x + ox, y + oy, 2);
    std::string why;
    EXPECT_FALSE(mapaalcancavel(p, why));
    EXPECT_NE(why.find("cannot be reached"), std::string::npos);
    EXPECT_FALSE(verificamapa(1, p, why));
}

TEST(GeradorMapas, TargetWalledInFailsButFloorMarksAndTrapsDoNotBlock) {
    Picture p = geramapa(1);
    const Ficha& f = fichamapa(1);
    Picture murado = p;
    for (int oy = -1; oy <= 1; oy++)
        for (int ox = -1; ox <= 1; ox++)
            if (ox || oy) pinta(murado, f.alvox + ox, f.alvoy + oy, 17);
    std::string why;
    EXPECT_FALSE(mapaalcancavel(murado, why));
    Picture armadilhas = p;  // the same ring of traps and floor marks lets a walker through
    for (int oy = -1; oy <= 1; oy++)
        for (int ox = -1; ox <= 1; ox++)
            if (ox || oy) pinta(armadilhas, f.alvox + ox, f.alvoy + oy, (ox + oy) % 2 ? 21 : 19);
    EXPECT_TRUE(mapaalcancavel(armadilhas, why)) << why;
}

TEST(GeradorMapas, OneTreeTooFewOrAStrayColourFailsTheCounts) {
    Picture p = geramapa(1);
    int x, y;
    ASSERT_TRUE(acha(p, 3, x, y));
    Picture menos = p;
    pinta(menos, x, y, 0);
    std::string why;
    EXPECT_FALSE(verificamapa(1, menos, why));
    EXPECT_NE(why.find("trees"), std::string::npos);
    Picture estranho = p;
    estranho.set(x, y, 1, 2, 3);
    EXPECT_FALSE(verificamapa(1, estranho, why));
}

TEST(GeradorMapas, MissionOneHasTreesAtRowsThreeAndFourOfColumnTen) {
    Picture p = geramapa(1);
    EXPECT_GE(conteudo(p, 10, 3), 1);
    EXPECT_LE(conteudo(p, 10, 3), 4);
    EXPECT_GE(conteudo(p, 10, 4), 1);
    EXPECT_LE(conteudo(p, 10, 4), 4);
}

TEST(GeradorMapas, LabyrinthTenHasItsWayOutAtTheTopWithinReach) {
    Picture p = geramapa(10);
    // a chest on the exit cell (map point (350, 0), inside (270, -60)-(470, 30)) must be reachable
    ASSERT_EQ(conteudo(p, 7, 0), 0);
    pinta(p, 7, 0, CONTEUDOBAU + 1);
    std::string why;
    EXPECT_TRUE(mapaalcancavel(p, why)) << why;
}

TEST(GeradorMapas, FactsTableMatchesTheMissions) {
    EXPECT_EQ(fichamapa(1).w, 40);
    EXPECT_EQ(fichamapa(1).h, 50);
    EXPECT_EQ(fichamapa(1).arvores, 828);
    EXPECT_EQ(fichamapa(4).h, 75);
    EXPECT_EQ(fichamapa(9).w, 80);
    EXPECT_EQ(fichamapa(12).chefex, 19);
    EXPECT_EQ(fichamapa(10).baus.size(), 20u);
    EXPECT_EQ(fichamapa(4).baus.size(), 15u);
}
