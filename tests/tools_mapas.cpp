// The layout generator and its checks: every layout keeps its mission's facts, the same bytes on
// every run, and the checks on the real boxes catch a blocked or miscounted layout.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "mapas/mapas.h"
#include "mapas/verificador/verificador.h"
#include "missions/missoes.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

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

// The built-in layout of a mission with some cells painted over, put back at the end of the scope.
struct LayoutPintado {
    Bitmap* layout;
    Bitmap original;
    explicit LayoutPintado(int n) {
        std::string why;
        EXPECT_TRUE(carregalayouts(why)) << why;
        layout = layoutmissao(n);
        original = *layout;
    }
    ~LayoutPintado() { *layout = original; }
    void pinta(int x, int y, int c) {
        uint8_t r, g, b;
        corconteudo(c, r, g, b);
        layout->SetPixel(x, y, Cor{r, g, b});
    }
    void anel(int x, int y, int c) {
        for (int oy = -1; oy <= 1; oy++)
            for (int ox = -1; ox <= 1; ox++)
                if (ox || oy) pinta(x + ox, y + oy, c);
    }
};

TEST(VerificadorMapas, AChestWalledInByTreesHasNoRoute) {
    std::vector<Rota> rotas;
    std::string why;
    ASSERT_TRUE(planejarotas(1, 8, rotas, why)) << why;
    const Rota* bau = nullptr;
    for (const Rota& r : rotas)
        if (r.destino == Destino::BAU && r.item == 25) bau = &r;
    ASSERT_NE(bau, nullptr);
    LayoutPintado l(1);
    l.anel(bau->alvox / 50, bau->alvoy / 50, 2);
    rotas.clear();
    EXPECT_FALSE(planejarotas(1, 8, rotas, why));
    EXPECT_NE(why.find("bau 25"), std::string::npos) << why;
    EXPECT_NE(why.find("cannot be reached"), std::string::npos) << why;
}

TEST(VerificadorMapas, FloorMarksRoundTheTargetLetTheHeroThroughButTrapsAndWallsDoNot) {
    const Ficha& f = fichamapa(1);
    std::vector<Rota> rotas;
    std::string why;
    {
        LayoutPintado l(1);
        l.anel(f.alvox, f.alvoy, 19);
        EXPECT_TRUE(planejarotas(1, 8, rotas, why)) << why;
    }
    for (int tipo : {17, 21}) {
        LayoutPintado l(1);
        l.anel(f.alvox, f.alvoy, tipo);
        rotas.clear();
        why.clear();
        EXPECT_FALSE(planejarotas(1, 8, rotas, why)) << "objects of type " << tipo << " round the target";
        EXPECT_NE(why.find("objetivo"), std::string::npos) << why;
    }
}

TEST(VerificadorMapas, TheRoutesReadBackAsWritten) {
    std::vector<Rota> rotas, lidas;
    std::string why;
    ASSERT_TRUE(planejarotas(12, 8, rotas, why)) << why;
    ASSERT_TRUE(lerotas(textorotas(rotas), lidas, why)) << why;
    ASSERT_EQ(lidas.size(), rotas.size());
    for (size_t k = 0; k < rotas.size(); k++) {
        EXPECT_EQ(lidas[k].destino, rotas[k].destino);
        EXPECT_EQ(lidas[k].item, rotas[k].item);
        ASSERT_EQ(lidas[k].pontos.size(), rotas[k].pontos.size());
        EXPECT_EQ(lidas[k].pontos.back().x, rotas[k].pontos.back().x);
    }
    EXPECT_FALSE(lerotas("12 bau 1 2 3 :\n", lidas, why));     // a route with no point
    EXPECT_FALSE(lerotas("12 nada 1 2 3 : 4 5\n", lidas, why));  // an unknown destination
    EXPECT_FALSE(lerotas("12 bau 1 2 3 : 4 5 6\n", lidas, why)); // half a point
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

TEST(GeradorMapas, LabyrinthTenHasItsWayOutAtTheTop) {
    Picture p = geramapa(10);
    // the gap in the outer wall under the exit area (270, -60)-(470, 30)
    for (int x = 5; x <= 7; x++) EXPECT_EQ(conteudo(p, x, 0), 0) << x;
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

// The campaign player plans on what it reads: a plan leaves every table of the game, byte for
// byte, as it found it (only the input handlers and the tick write them while it plays).
TEST(VerificadorMapas, PlanningAWayWritesNothingIntoTheGame) {
    montamissao(7, 1);
    const int32_t h = slotheroi();
    ASSERT_GT(h, 0);
    auto copia = [](const auto& tabela) {
        const auto* b = reinterpret_cast<const uint8_t*>(&tabela);
        return std::vector<uint8_t>(b, b + sizeof(tabela));
    };
    const auto u = copia(unidades), o = copia(objetos), e = copia(efeitos);
    const int32_t cx = camerax, cy = cameray, sel = select_;
    // toward mission seven's farthest chest, along the way its written route takes
    std::ifstream f(std::string(VORLANDO_GEN_DIR) + "/rotas.txt");
    std::stringstream texto;
    texto << f.rdbuf();
    std::vector<Rota> rotas;
    std::string why;
    ASSERT_TRUE(lerotas(texto.str(), rotas, why)) << why;
    PontoMapa longe{0, 0};
    for (const Rota& r : rotas)
        if (r.missao == 7 && r.pontos.size() >= 3) longe = r.pontos.back();
    ASSERT_GT(longe.x, 0);
    std::vector<PontoMapa> ida = planejacaminho(h, longe, 60);
    std::vector<double> d = distanciasdecaminho(h, {longe, {int32_t(unidades[h].x) + 100, int32_t(unidades[h].y)}});
    EXPECT_FALSE(ida.empty());  // there is a way, so the planner did its whole work
    ASSERT_EQ(d.size(), 2u);
    EXPECT_LT(d[1], d[0]);
    EXPECT_TRUE(copia(unidades) == u);
    EXPECT_TRUE(copia(objetos) == o);
    EXPECT_TRUE(copia(efeitos) == e);
    EXPECT_EQ(camerax, cx);
    EXPECT_EQ(cameray, cy);
    EXPECT_EQ(select_, sel);
}
