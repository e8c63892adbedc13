// Fighting in the unit update: the nearest enemy, the chase, the melee blow once a cycle, the
// projectiles of ranged units and towers, invisibility, corpse eaters and portals.
#include <vector>

#include "tests/sim_apoio.h"

using simteste::passo;
using simteste::passos;
using simteste::parado;
using SimLuta = simteste::Sim;

namespace {
int32_t contaunidades(int32_t tipo) {
    int32_t n = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) n += unidades[i].tipo == tipo;
    return n;
}
int32_t contaefeitos(int32_t tipo) {
    int32_t n = 0;
    for (int32_t i = 1; i <= MAXEFEITOS; i++) n += efeitos[i].tipo == tipo;
    return n;
}
}  // namespace

TEST_F(SimLuta, IdleUnitTakesTheNearestEnemyFirstInSlotOrderAmongEquals) {
    int32_t h = parado(9, 300, 300);
    int32_t longe = parado(16, 300, 600);
    int32_t a = parado(16, 500, 300);
    int32_t b = parado(16, 100, 300);  // as near as a, later in slot order
    (void)longe;
    (void)b;
    unidades[h].persegue = false;
    unidades[h].distataque = 250;  // it attacks what it takes, so it keeps it past the update
    passo();
    EXPECT_EQ(unidades[h].alvo, a);
    EXPECT_EQ(unidades[h].posicao, 3);
}

TEST_F(SimLuta, MeleeBlowLandsEvery27TicksWhileAttacking) {
    int32_t h = parado(9, 300, 300);
    int32_t o = parado(20, 340, 300);  // a tree monster, within the hero's reach of 60
    unidades[h].agilidade = 0;  // no agility: the plain cycle of 28
    unidades[o].atacaauto = false;
    unidades[o].hp = unidades[o].hpmax;
    std::vector<int32_t> golpes;
    double antes = unidades[o].hp;
    for (int k = 1; k <= 60; k++) {
        passo();
        if (unidades[o].hp < antes - 0.5) golpes.push_back(k);
        antes = unidades[o].hp;
    }
    ASSERT_EQ(golpes.size(), 2u);
    EXPECT_EQ(golpes[1] - golpes[0], 27);
}

TEST_F(SimLuta, WorkerNeverPicksATargetByItself) {
    int32_t w = parado(6, 300, 300);
    parado(16, 330, 300);
    passos(3);
    EXPECT_EQ(unidades[w].alvo, 0);
    EXPECT_EQ(unidades[w].posicao, 1);
}

TEST_F(SimLuta, ChasersWalkAfterTheirTargetButFidelinaAndTheWitchDoNot) {
    int32_t o = parado(16, 300, 300);
    int32_t f = parado(7, 300, 550);   // 250 away: beyond her reach of 200
    int32_t b = parado(8, 700, 300);   // 400 away
    unidades[o].atacaauto = false;
    passos(5);
    EXPECT_DOUBLE_EQ(unidades[f].y, 550);
    EXPECT_DOUBLE_EQ(unidades[b].x, 700);
    EXPECT_EQ(unidades[f].alvo, 0);  // idle at the end of the update: no target kept
    // the orc chases a worker who comes within 300 of it
    unidades[o].atacaauto = true;
    int32_t w = parado(6, 300, 100);
    passos(3);
    EXPECT_EQ(unidades[o].alvo, w);
    EXPECT_LT(unidades[o].y, 300);
}

TEST_F(SimLuta, FidelinaShootsWhatComesWithinRange) {
    int32_t f = parado(7, 300, 300);
    int32_t o = parado(16, 300, 450);
    unidades[o].atacaauto = false;
    unidades[o].hp = unidades[o].hpmax;
    double antes = unidades[o].hp;
    passos(14);
    EXPECT_EQ(contaefeitos(23), 0);
    passo();  // cycle 15: the bolt leaves
    EXPECT_EQ(contaefeitos(23), 1);
    EXPECT_EQ(unidades[f].posicao, 3);
    passos(25);  // it flies 6 a tick and strikes within 20 of the orc, before the next one leaves
    EXPECT_EQ(contaefeitos(23), 0);
    EXPECT_LT(unidades[o].hp, antes);
}

TEST_F(SimLuta, InvisibleUnitsAreNotTargetedNorChasedNorAPortalsGoal) {
    int32_t h = parado(9, 300, 300);
    unidades[h].invisivel = 2000;
    int32_t o = parado(16, 350, 300);
    passos(3);
    EXPECT_EQ(unidades[o].alvo, 0);
    EXPECT_DOUBLE_EQ(unidades[o].x, 350);
    // a portal sends its monster to the visible worker, not to the nearer invisible hero
    int32_t p = parado(21, 300, 800);
    int32_t w = parado(6, 600, 1000);  // nearer to the portal than the orc, the first visible slot
    unidades[p].ciclo = 690;
    passo();
    int32_t m = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++)
        if (unidades[i].tipo == 13) m = i;
    ASSERT_NE(m, 0);
    EXPECT_EQ(unidades[m].destinox, 600);
    EXPECT_EQ(unidades[m].destinoy, 1000);
    EXPECT_NEAR(unidades[m].y, 840, 3.3);  // the goal is below: it comes out underneath (one step taken)
    (void)w;
}

TEST_F(SimLuta, PortalReleasesOneMonsterEvery700TicksUntilItsCountIsSpent) {
    int32_t h = parado(9, 300, 300);
    int32_t p = parado(21, 1000, 1000);
    unidades[p].qtdinimigos = 2;
    passos(690);
    EXPECT_EQ(contaunidades(13), 0);
    passo();  // the cycle stands at 690, ten ticks before its end
    ASSERT_EQ(contaunidades(13), 1);
    int32_t m = p + 1;
    EXPECT_NEAR(unidades[m].x, 1000, 3);
    EXPECT_NEAR(unidades[m].y, 960, 3);  // the hero is above: it comes out on top (one step taken)
    EXPECT_EQ(unidades[m].destinox, 300);
    EXPECT_EQ(unidades[m].destinoy, 300);
    EXPECT_EQ(unidades[m].experiencia, 2);   // 9 / 5
    EXPECT_EQ(unidades[m].recompensa, 10);   // 20 / 2
    EXPECT_EQ(unidades[p].qtdinimigos, 1);
    unidades[m].tipo = 0;
    passos(700);
    EXPECT_EQ(contaunidades(13), 1);
    EXPECT_EQ(unidades[p].qtdinimigos, 0);
    for (int32_t i = 1; i <= MAXUNIDADES; i++)
        if (unidades[i].tipo == 13) unidades[i].tipo = 0;
    passos(700);
    EXPECT_EQ(contaunidades(13), 0);
    (void)h;
}

TEST_F(SimLuta, PortalLevelChoosesTheMonster) {
    parado(9, 300, 300);
    int32_t p = poeunidade(24, 1000, 1000);  // level 4
    for (int k = 0; k < 30; k++) {
        unidades[p].ciclo = 690;
        passo();
    }
    int32_t fortes = contaunidades(18) + contaunidades(19) + contaunidades(20);
    EXPECT_EQ(fortes, 30);
    EXPECT_EQ(contaunidades(13) + contaunidades(14) + contaunidades(16), 0);
}

TEST_F(SimLuta, TowerShootsAnArrowEveryCycleThatHitsOnArrival) {
    int32_t t = parado(1, 300, 300);
    int32_t o = parado(16, 300, 500);
    unidades[o].atacaauto = false;
    unidades[o].hp = unidades[o].hpmax;
    double antes = unidades[o].hp;
    passo();
    EXPECT_EQ(unidades[t].posicao, 3);
    EXPECT_EQ(unidades[t].alvo, o);
    passos(3);
    EXPECT_EQ(contaefeitos(25), 0);
    passo();  // cycle 5
    EXPECT_EQ(contaefeitos(25), 1);
    EXPECT_EQ(som, 37);
    passos(12);
    EXPECT_EQ(contaefeitos(25), 0);
    double dano = antes - unidades[o].hp;
    EXPECT_GT(dano, 15 * 0.85 - 0.01);  // 15-20 less the orc's armour of 2 (agility 8)
    EXPECT_LT(dano, 20 * 0.90 + 0.1);
}

TEST_F(SimLuta, TowerUnderConstructionDoesNotShoot) {
    int32_t t = poeunidade(1, 300, 300, 0);
    parado(16, 300, 500);
    passos(30);
    EXPECT_NE(unidades[t].posicao, 3);
    EXPECT_EQ(contaefeitos(25), 0);
}

TEST_F(SimLuta, HurtGhoulWalksToACorpseAndEatsIt) {
    int32_t g = parado(14, 300, 300);
    unidades[g].hp = 100;
    criaefeito(33, 0, 400, 300, 0);
    passo();
    EXPECT_EQ(unidades[g].posicao, 2);
    EXPECT_EQ(unidades[g].destinox, 400);
    EXPECT_EQ(unidades[g].destinoy, 320);
    double antes = 0;
    for (int k = 0; k < 60 && unidades[g].posicao != 4; k++) {
        antes = unidades[g].hp;
        passo();
    }
    ASSERT_EQ(unidades[g].posicao, 4);
    EXPECT_NEAR(unidades[g].hp - antes, 5, 0.05);
    EXPECT_GE(efeitos[1].contador, 10);
    EXPECT_EQ(contaefeitos(42), 3);
}

TEST_F(SimLuta, TremorHurtsAndParalysesEveryLivingEnemyWithin250) {
    int32_t h = parado(9, 300, 300);
    unidades[h].tecnicas[2] = 2;
    unidades[h].posicao = 4;
    unidades[h].ciclo = 0;
    unidades[h].servico = 9;
    unidades[h].customp = 45;
    unidades[h].agilidade = 0;
    int32_t perto = parado(20, 300, 500);
    int32_t longe = parado(20, 300, 600);
    int32_t portal = parado(21, 400, 300);
    calculaatributos(h);
    unidades[h].mp = 100;
    for (int32_t u : {perto, longe}) {
        unidades[u].atacaauto = false;
        unidades[u].hp = unidades[u].hpmax;
    }
    unidades[portal].atacaauto = false;
    passos(14);
    EXPECT_EQ(unidades[h].servico, 9);
    passo();  // cycle 15
    EXPECT_EQ(unidades[h].servico, 0);
    EXPECT_EQ(tremor, 20);
    EXPECT_EQ(som, 27);
    EXPECT_NEAR(unidades[h].mp, 55, 0.3);
    EXPECT_NEAR(unidades[perto].hp, unidades[perto].hpmax - 50, 0.1);
    EXPECT_EQ(unidades[perto].paralisado, 149);  // 150, counted once by its own update after the hero's
    EXPECT_EQ(unidades[perto].danoexibido, 50);
    EXPECT_DOUBLE_EQ(unidades[longe].hp, unidades[longe].hpmax);
    EXPECT_EQ(unidades[portal].paralisado, 0);
}

TEST_F(SimLuta, StaleTargetOfAFreedSlotIsLeftAlone) {
    int32_t h = parado(9, 300, 300);
    int32_t o = parado(16, 330, 300);
    passo();
    ASSERT_EQ(unidades[h].alvo, o);
    unidades[o].tipo = 0;  // died elsewhere
    unidades[o].hp = 500;
    passos(40);
    EXPECT_EQ(unidades[o].hp, 500);
    EXPECT_EQ(unidades[h].posicao, 1);
    EXPECT_EQ(unidades[h].alvo, 0);
}
