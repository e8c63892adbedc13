// The frame a unit shows: construction steps, facings, the walk and the blows, and the box.
#include "world_apoio.h"

using mundoteste::Mundo;

namespace {
struct Quadro : Mundo {
    int32_t u = 0;
    uint16_t quadro(int32_t tipo, double direcao, uint8_t posicao, double ciclo) {
        if (u == 0) u = poeunidade(tipo, 500, 500);
        unidades[u].tipo = uint16_t(tipo);
        unidades[u].direcao = direcao;
        unidades[u].posicao = posicao;
        unidades[u].ciclo = ciclo;
        escolhequadro(u);
        return unidades[u].desenho;
    }
};
}  // namespace

TEST_F(Quadro, StructuresShowTheirConstructionStep) {
    int32_t t = poeunidade(1, 500, 500, 0);
    struct { uint16_t construcao, desenho; } torre[] = {{0, 0}, {239, 0}, {240, 1}, {719, 2}, {999, 3}, {1000, 4}};
    for (auto c : torre) {
        unidades[t].construcao = c.construcao;
        escolhequadro(t);
        EXPECT_EQ(unidades[t].desenho, c.desenho) << c.construcao;
    }
    int32_t f = poeunidade(2, 700, 500, 0);
    unidades[f].construcao = 1299;
    escolhequadro(f);
    EXPECT_EQ(unidades[f].desenho, 8);
    int32_t s = poeunidade(3, 900, 500, 0);
    unidades[s].construcao = 650;
    escolhequadro(s);
    EXPECT_EQ(unidades[s].desenho, 14);
    EXPECT_EQ(unidades[s].tamanhox, 25);
    EXPECT_EQ(unidades[s].tamanhoy, 15);
}

TEST_F(Quadro, ChestPortalAndEnemyTower) {
    EXPECT_EQ(quadro(12, 0, 1, 4), 157);
    EXPECT_EQ(quadro(12, 0, 1, 5), 158);
    EXPECT_EQ(quadro(21, 0, 1, 6), 315);
    EXPECT_EQ(quadro(21, 0, 1, 7), 316);
    EXPECT_EQ(quadro(25, 0, 1, 0), 317);
}

TEST_F(Quadro, FacingFromTheHeadingLaterTestWinsAtBorders) {
    EXPECT_EQ(quadro(6, 4.71, 1, 0), 17);     // down
    EXPECT_EQ(quadro(6, 0.0, 1, 0), 23);      // right
    EXPECT_EQ(quadro(6, 6.28, 1, 0), 23);
    EXPECT_EQ(quadro(6, 1.57, 1, 0), 29);     // up
    EXPECT_EQ(quadro(6, 3.14, 1, 0), 35);     // left
    EXPECT_EQ(quadro(6, 0.785, 1, 0), 29);    // right and up share it: up is tested later
    EXPECT_EQ(quadro(6, 3.925, 1, 0), 35);    // down and left: left
    EXPECT_EQ(quadro(6, 5.495, 1, 0), 23);    // down and right: right
    EXPECT_EQ(unidades[u].direcaonome.str(), "DIREITA");
}

TEST_F(Quadro, FourStepWalkAndFloatingUnitsHoldOneFrame) {
    EXPECT_EQ(quadro(9, 4.71, 2, 3), 85);
    EXPECT_EQ(quadro(9, 4.71, 2, 7), 86);
    EXPECT_EQ(quadro(9, 4.71, 2, 14), 85);
    EXPECT_EQ(quadro(9, 4.71, 2, 21), 87);
    EXPECT_EQ(quadro(9, 4.71, 2, 27.5), 87);
    unidades[u].rastro = true;
    EXPECT_EQ(quadro(9, 4.71, 2, 3), 86);
}

TEST_F(Quadro, BlowsByQuarterOfTheCycle) {
    EXPECT_EQ(quadro(6, 4.71, 3, 1), 17 + 3);
    EXPECT_EQ(quadro(6, 4.71, 3, 8), 17 + 4);
    EXPECT_EQ(quadro(6, 4.71, 4, 15), 17 + 5);
    EXPECT_EQ(quadro(6, 4.71, 3, 22), 17 + 4);
    EXPECT_EQ(quadro(8, 4.71, 3, 15), 65 + 4);   // the witch
    EXPECT_EQ(quadro(13, 4.71, 3, 15), 159 + 1); // the small beasts
    EXPECT_EQ(quadro(26, 4.71, 3, 15), 318);     // the final boss keeps its frame
}

TEST_F(Quadro, TheHerosBlowsRunFasterWithAgilityUnlessFrozen) {
    u = poeunidade(9, 500, 500);
    unidades[u].agilidade = 30;
    unidades[u].agilidadebonus = 20;
    quadro(9, 4.71, 3, 10);
    EXPECT_DOUBLE_EQ(unidades[u].ciclo, 10.5);
    pausa = true;
    quadro(9, 4.71, 3, 10);
    EXPECT_DOUBLE_EQ(unidades[u].ciclo, 10);
}
