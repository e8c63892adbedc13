// Walking, the route correction after a bump, the map's edges, chests that do not block and the
// hidden trap.
#include "tests/sim_apoio.h"

using simteste::passo;
using simteste::passos;
using simteste::parado;
using SimMovimento = simteste::Sim;

namespace {
int32_t andando(int32_t tipo, int32_t x, int32_t y, int32_t dx, int32_t dy) {
    int32_t u = poeunidade(tipo, x, y);
    apontar(u, dx, dy);
    unidades[u].posicao = 2;
    return u;
}
}  // namespace

TEST_F(SimMovimento, WalksAtItsSpeedAndStopsExactlyOnTheDestination) {
    int32_t w = andando(6, 100, 300, 130, 300);  // the worker walks 4 a tick
    passo();
    EXPECT_DOUBLE_EQ(unidades[w].x, 104);
    EXPECT_DOUBLE_EQ(unidades[w].y, 300);
    passos(5);
    EXPECT_DOUBLE_EQ(unidades[w].x, 124);
    passo();  // 128, and the last two pixels are taken at once
    EXPECT_DOUBLE_EQ(unidades[w].x, 130);
    EXPECT_EQ(unidades[w].posicao, 2);
    passo();  // standing on the destination: arrived
    EXPECT_EQ(unidades[w].posicao, 1);
}

TEST_F(SimMovimento, WalkingStraightDownHasHeading471) {
    int32_t w = andando(6, 300, 100, 300, 300);
    EXPECT_DOUBLE_EQ(unidades[w].direcao, 4.71);
    passo();
    EXPECT_NEAR(unidades[w].y, 104, 0.01);
    EXPECT_NEAR(unidades[w].x, 300, 0.01);
    EXPECT_EQ(unidades[w].direcaonome.str(), "BAIXO");
}

TEST_F(SimMovimento, NeverLeavesTheMap) {
    int32_t w = andando(6, 30, 30, -500, -500);
    passos(40);
    EXPECT_DOUBLE_EQ(unidades[w].x, 10);
    EXPECT_DOUBLE_EQ(unidades[w].y, -20);
    int32_t v = andando(6, 2900, 2900, 9000, 9000);
    passos(40);
    EXPECT_DOUBLE_EQ(unidades[v].x, 60 * 50 - 40);
    EXPECT_DOUBLE_EQ(unidades[v].y, 60 * 50 - 60);
}

TEST_F(SimMovimento, WalksAroundATreeAndArrives) {
    criaobjeto(1, 300, 300);
    processaobjetos();
    int32_t w = andando(6, 200, 300, 420, 300);
    bool desviou = false;
    for (int k = 0; k < 300 && unidades[w].posicao == 2; k++) {
        passo();
        desviou |= unidades[w].correcaorota != 0;
        // never inside the trunk
        EXPECT_FALSE(std::abs(unidades[w].x - 300) < 17 + 12 && std::abs(unidades[w].y - 300) < 17 + 8);
    }
    EXPECT_TRUE(desviou);
    EXPECT_EQ(unidades[w].posicao, 1);
    EXPECT_NEAR(unidades[w].x, 420, 0.5);
    EXPECT_NEAR(unidades[w].y, 300, 0.5);
}

TEST_F(SimMovimento, BumpFarFromTheGoalSidestepsTwentyTicksThenReAims) {
    parado(4, 400, 300);  // the barracks stands in the way
    int32_t w = andando(6, 300, 300, 700, 300);
    int32_t k = 0;
    while (unidades[w].correcaorota == 0 && k++ < 30) passo();
    ASSERT_EQ(unidades[w].correcaorota, 19);  // 20, and the first tick of it already counted
    double d = unidades[w].direcao;
    EXPECT_TRUE(std::abs(d - 1.8) < 1e-9 || std::abs(d + 1.8) < 1e-9);
    EXPECT_EQ(unidades[w].posicao, 2);
    passos(18);
    EXPECT_EQ(unidades[w].correcaorota, 1);
    passo();  // from 1 to 0: aims at the goal again
    EXPECT_EQ(unidades[w].correcaorota, 0);
    EXPECT_GT(std::cos(unidades[w].direcao), 0.8);
}

TEST_F(SimMovimento, BumpWithinFiftyOfTheGoalStops) {
    int32_t f = parado(2, 400, 300);
    int32_t w = andando(6, 330, 300, 380, 300);  // onto the farm's box
    passos(12);
    EXPECT_EQ(unidades[w].posicao, 1);
    EXPECT_EQ(unidades[w].correcaorota, 0);
    EXPECT_LE(unidades[w].x, 400 - 25 - 12);
    EXPECT_DOUBLE_EQ(unidades[f].x, 400);
}

TEST_F(SimMovimento, ChestsDoNotBlock) {
    criaunidade(12, 340, 300, 1, 340, 300, 0, 5);
    int32_t w = andando(6, 300, 300, 380, 300);
    passos(25);
    EXPECT_DOUBLE_EQ(unidades[w].x, 380);
    EXPECT_EQ(unidades[w].correcaorota, 0);
}

TEST_F(SimMovimento, StructuresDoNotSlideWhenSomethingStandsOnThem) {
    int32_t f = poeunidade(2, 400, 300, 0);  // a site, still aiming at its first destination
    apontar(f, 0, 0);
    parado(6, 405, 302);                      // a worker right on it
    passos(3);
    EXPECT_DOUBLE_EQ(unidades[f].x, 400);
    EXPECT_DOUBLE_EQ(unidades[f].y, 300);
}

TEST_F(SimMovimento, HiddenTrapCosts250HpAndSetsTheUnitBurning) {
    criaobjeto(21, 400, 300);
    processaobjetos();
    int32_t h = andando(9, 355, 300, 500, 300);
    calculaatributos(h);
    double cheio = unidades[h].hpmax;
    unidades[h].hp = cheio;
    passos(2);  // 359.5, then 364: the hero's box reaches the trap's
    EXPECT_NEAR(unidades[h].hp, cheio - 250, 0.1);
    EXPECT_EQ(objetos[1].tipo, 0);
    EXPECT_EQ(tremor, 30);
    EXPECT_EQ(som, 39);
    EXPECT_EQ(unidades[h].queimando, 50);
    passo();  // a burn step on every third tick
    EXPECT_EQ(unidades[h].queimando, 49);
}

TEST_F(SimMovimento, BumpingIntoItsTargetStopsAndAWholeStructureIsDropped) {
    int32_t f = parado(2, 400, 300);
    int32_t w = andando(6, 200, 300, 400, 300);
    unidades[w].alvo = uint16_t(f);
    passos(60);
    EXPECT_EQ(unidades[w].posicao, 1);
    EXPECT_EQ(unidades[w].alvo, 0);
    EXPECT_LT(unidades[w].x, 400 - 25 - 11);
}
