// A whole fight left to the unit update: a portal sends its spiders to the nearest player unit,
// the guard tower and the hero kill them, and the kills pay money and experience.
#include <algorithm>

#include "tests/sim_apoio.h"

using simteste::passo;
using SimBatalha = simteste::Sim;

TEST_F(SimBatalha, PortalSpidersMeetTheTowerAndTheHeroAndPayForIt) {
    int32_t t = simteste::parado(1, 300, 300);
    int32_t h = simteste::parado(9, 300, 360);
    int32_t p = simteste::parado(21, 1500, 300);
    unidades[p].qtdinimigos = 3;
    unidades[h].experiencia = 0;
    int32_t soltas = 0, maisvivas = 0, cadaveres = 0;
    for (int k = 0; k < 3 * 700 + 1000; k++) {
        int32_t antes = unidades[p].qtdinimigos;
        passo();
        soltas += antes - unidades[p].qtdinimigos;
        int32_t vivas = 0;
        for (int32_t i = 1; i <= MAXUNIDADES; i++) vivas += unidades[i].tipo == 13;
        maisvivas = std::max(maisvivas, vivas);
        for (int32_t e = 1; e <= MAXEFEITOS; e++) cadaveres += efeitos[e].tipo == 33 && efeitos[e].contador == 1;
        ASSERT_EQ(unidades[t].tipo, 1);
        ASSERT_EQ(unidades[h].tipo, 9);
    }
    EXPECT_EQ(soltas, 3);
    EXPECT_EQ(unidades[p].qtdinimigos, 0);
    EXPECT_EQ(maisvivas, 1);  // each one is dead before the next comes out
    for (int32_t i = 1; i <= MAXUNIDADES; i++) EXPECT_NE(unidades[i].tipo, 13);
    EXPECT_EQ(cadaveres, 3);
    EXPECT_DOUBLE_EQ(dinheiro, 3 * 10);          // half of 20 for each portal spider
    EXPECT_EQ(unidades[h].experiencia, 3 * 2);  // a fifth of 9 for each, rounded
    EXPECT_FALSE(derrotado);
}
