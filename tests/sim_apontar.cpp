// Turning toward a point: the heading convention and the stored destination.
#include "tests/world_apoio.h"

using SimApontar = mundoteste::Mundo;

TEST_F(SimApontar, StraightLinesUseTheGamesRoundAngles) {
    int32_t u = poeunidade(6, 100, 100);
    apontar(u, 100, 300);
    EXPECT_DOUBLE_EQ(unidades[u].direcao, 4.71);  // straight down
    apontar(u, 100, 0);
    EXPECT_DOUBLE_EQ(unidades[u].direcao, 1.57);  // straight up
    apontar(u, 100, 100);
    EXPECT_DOUBLE_EQ(unidades[u].direcao, 4.71);  // its own point counts as down
    apontar(u, 300, 100);
    EXPECT_DOUBLE_EQ(unidades[u].direcao, 0);
    apontar(u, 0, 100);
    EXPECT_DOUBLE_EQ(unidades[u].direcao, 3.14);
}

TEST_F(SimApontar, DiagonalsInEachQuarter) {
    int32_t u = poeunidade(6, 100, 100);
    apontar(u, 200, 0);  // up and right
    EXPECT_NEAR(unidades[u].direcao, std::atan(1.0), 1e-12);
    apontar(u, 0, 0);    // up and left
    EXPECT_NEAR(unidades[u].direcao, 3.14 - std::atan(1.0), 1e-12);
    apontar(u, 0, 200);  // down and left
    EXPECT_NEAR(unidades[u].direcao, 3.14 + std::atan(1.0), 1e-12);
    apontar(u, 200, 200);  // down and right
    EXPECT_NEAR(unidades[u].direcao, 6.28 - std::atan(1.0), 1e-12);
}

TEST_F(SimApontar, StoresTheDestinationAndLeavesTheActionAlone) {
    int32_t u = poeunidade(6, 100, 100);
    unidades[u].posicao = 3;
    apontar(u, 250, 40);
    EXPECT_EQ(unidades[u].destinox, 250);
    EXPECT_EQ(unidades[u].destinoy, 40);
    EXPECT_EQ(unidades[u].posicao, 3);
}
