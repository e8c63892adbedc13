// The unit update's own steps: levels, the level cap, death and its rewards, status timers,
// burning, the lagging bars and the freeze of the options menu.
#include "tests/sim_apoio.h"

using simteste::passo;
using simteste::passos;
using simteste::parado;
using SimVida = simteste::Sim;

TEST_F(SimVida, KillGivesMoneyAndExperienceToHeroesWithin400Only) {
    int32_t h = parado(9, 300, 300);
    int32_t o = parado(16, 600, 300);  // an orc: 55 experience, 50 money
    unidades[h].experiencia = 0;
    dinheiro = 100;
    unidades[o].hp = 0;
    passo();
    EXPECT_EQ(unidades[o].tipo, 0);
    EXPECT_DOUBLE_EQ(dinheiro, 150);
    EXPECT_EQ(recompensavalor, 50);
    EXPECT_EQ(recompensatempo, 60);
    EXPECT_EQ(unidades[h].experiencia, 55);
    // the same kill 400 away gives the money but no experience
    int32_t o2 = parado(16, 300, 700);
    unidades[o2].hp = 0;
    passo();
    EXPECT_DOUBLE_EQ(dinheiro, 200);
    EXPECT_EQ(unidades[h].experiencia, 55);
}

TEST_F(SimVida, PortalMonstersGiveAFifthOfTheExperienceAndHalfTheMoney) {
    int32_t h = parado(9, 300, 300);
    unidades[h].experiencia = 0;
    criaunidade(16, 400, 300, 0, 400, 300, 0, 0);  // released by a portal
    int32_t o = 2;
    unidades[o].hp = 0;
    passo();
    EXPECT_EQ(unidades[h].experiencia, 11);
    EXPECT_DOUBLE_EQ(dinheiro, 25);
}

TEST_F(SimVida, FinalBossAwardsNoExperience) {
    int32_t h = parado(9, 300, 300);
    unidades[h].experiencia = 0;
    int32_t b = parado(26, 400, 300);
    ASSERT_EQ(unidades[b].experiencia, 1000);
    passo();  // the level cap clears it on the first update
    EXPECT_EQ(unidades[b].nivel, 15);
    EXPECT_EQ(unidades[b].experiencia, 0);
    unidades[b].hp = 0;
    passo();
    EXPECT_EQ(unidades[b].tipo, 0);
    EXPECT_EQ(unidades[h].experiencia, 0);
    // its death leaves the departure effect
    bool restos = false;
    for (const Efeito& e : efeitos) restos |= e.tipo == 43;
    EXPECT_TRUE(restos);
}

TEST_F(SimVida, LevelUpRaisesAttributesAndFlashes) {
    int32_t h = parado(9, 300, 300);
    Unidade& a = unidades[h];
    int32_t nivel = a.nivel, forca = a.forca, agil = a.agilidade, intel = a.inteligencia;
    calculaatributos(h);
    a.experiencia = uint16_t(a.experienciaprox + 7);
    a.hp = 10;
    passo();
    EXPECT_EQ(a.nivel, nivel + 1);
    EXPECT_EQ(a.pontostecnica, 1);
    EXPECT_EQ(a.forca, forca + 3);
    EXPECT_EQ(a.agilidade, agil + 2);
    EXPECT_EQ(a.inteligencia, intel + 2);
    EXPECT_EQ(a.experiencia, 7);
    EXPECT_GT(a.hp, 84.9);
    EXPECT_EQ(som, 40);
    EXPECT_EQ(brilho, 10);
}

TEST_F(SimVida, TwoLevelsOfExperienceRiseOneLevelPerTick) {
    int32_t h = parado(9, 300, 300);
    Unidade& a = unidades[h];
    a.nivel = 1;
    a.experiencia = 150 + 360 + 10;  // level 1 needs 150, level 2 needs 360
    passo();
    EXPECT_EQ(a.nivel, 2);
    EXPECT_EQ(a.experiencia, 370);
    passo();
    EXPECT_EQ(a.nivel, 3);
    EXPECT_EQ(a.experiencia, 10);
    passo();
    EXPECT_EQ(a.nivel, 3);
}

TEST_F(SimVida, DyingStructureBurstsWithoutCorpseAndBarracksDefeats) {
    int32_t q = parado(4, 400, 400);
    unidades[q].hp = 0;
    passo();
    EXPECT_EQ(unidades[q].tipo, 0);
    EXPECT_TRUE(derrotado);
    int32_t fogo = 0, lascas = 0, corpos = 0;
    for (const Efeito& e : efeitos) {
        fogo += e.tipo == 1 || e.tipo == 2;
        lascas += e.tipo == 3;
        corpos += e.cadaver;
    }
    // flames and smoke rise for a while; all thirty were made, some may already have aged out
    EXPECT_GE(fogo, 30);
    EXPECT_EQ(lascas, 10);
    EXPECT_EQ(corpos, 0);
}

TEST_F(SimVida, DeadHeroLeavesACorpseAndDefeats) {
    int32_t h = parado(9, 300, 300);
    select_ = uint8_t(h);
    mousenum = 6;
    unidades[h].selecionado = true;
    unidades[h].hp = 0;
    passo();
    EXPECT_TRUE(derrotado);
    EXPECT_EQ(select_, 0);
    EXPECT_EQ(mousenum, 0);
    EXPECT_FALSE(unidades[h].selecionado);  // a unit trained into this slot later is not selected
    int32_t corpo = 0;
    for (const Efeito& e : efeitos)
        if (e.tipo == 32) corpo++;
    EXPECT_EQ(corpo, 1);
}

TEST_F(SimVida, ChestsNeverDie) {
    criaunidade(12, 300, 300, 1, 300, 300, 0, 5);
    passos(3);
    EXPECT_EQ(unidades[1].tipo, 12);
}

TEST_F(SimVida, PoisonWearsDownButNeverKills) {
    int32_t u = parado(16, 300, 300);
    unidades[u].hp = 3;
    unidades[u].envenenado = 500;
    double menor = 3;
    for (int k = 0; k < 499; k++) {
        passo();
        ASSERT_EQ(unidades[u].tipo, 16);
        menor = std::min(menor, unidades[u].hp);
    }
    EXPECT_EQ(unidades[u].envenenado, 1);
    EXPECT_LT(menor, 1.01);  // it was worn down to its last point
    EXPECT_GT(menor, 0.95);  // and no bite of poison goes further
    passo();
    EXPECT_EQ(unidades[u].envenenado, 0);
}

TEST_F(SimVida, BurningCanKillAndHurtsEnemiesFourTimesAsMuch) {
    int32_t o = parado(16, 300, 300);
    int32_t w = parado(6, 800, 800);
    unidades[o].queimando = 30;
    unidades[w].queimando = 30;
    ciclotela = 29;  // the next step is a multiple of three
    passo();
    EXPECT_EQ(unidades[o].queimando, 29);
    EXPECT_NEAR(unidades[o].hp, 550 - 550 * 0.002, 0.05);
    EXPECT_EQ(unidades[w].queimando, 29);
    unidades[o].hp = 0.5;
    passos(4);  // the burn step at the third tick, death at the next update
    EXPECT_EQ(unidades[o].tipo, 0);
}

TEST_F(SimVida, ParalysisHoldsTheUnitIdleFiftyTicks) {
    int32_t o = poeunidade(16, 300, 300);
    apontar(o, 900, 300);
    unidades[o].posicao = 2;
    unidades[o].paralisado = 50;
    unidades[o].ciclo = 3;
    passos(49);
    EXPECT_DOUBLE_EQ(unidades[o].x, 300);
    EXPECT_EQ(unidades[o].posicao, 1);
    EXPECT_DOUBLE_EQ(unidades[o].ciclo, 3);  // the cycle stands still too
    EXPECT_EQ(unidades[o].paralisado, 1);
    passo();
    EXPECT_EQ(unidades[o].paralisado, 0);
    // free again, but idle: it needs a new order to walk
    unidades[o].posicao = 2;
    passo();
    EXPECT_GT(unidades[o].x, 300);
}

TEST_F(SimVida, HealthBarWaitsTwentyTicksThenFallsBySixtiethsToTheValue) {
    int32_t o = parado(16, 300, 300);
    Unidade& a = unidades[o];
    a.hp = a.hpexibido = 550;
    a.hp = 440;
    a.danotempo = 20;
    passos(19);
    EXPECT_DOUBLE_EQ(a.hpexibido, 550);
    passo();  // the label's time runs out and the bar starts falling
    EXPECT_NEAR(a.hpexibido, 550 - 550.0 / 60, 1e-9);
    passos(20);
    EXPECT_NEAR(a.hpexibido, a.hp, 1e-9);
}

TEST_F(SimVida, PauseFreezesTimersCyclesAndMovementButFramesAreChosen) {
    int32_t o = poeunidade(16, 300, 300);
    apontar(o, 900, 300);
    unidades[o].posicao = 2;
    unidades[o].paralisado = 10;
    unidades[o].envenenado = 10;
    unidades[o].ciclo = 3;
    unidades[o].desenho = 0;
    menu = 1;  // an open menu page freezes the world
    passos(5);
    EXPECT_TRUE(pausa);
    EXPECT_EQ(unidades[o].paralisado, 10);
    EXPECT_EQ(unidades[o].envenenado, 10);
    EXPECT_DOUBLE_EQ(unidades[o].ciclo, 3);
    EXPECT_DOUBLE_EQ(unidades[o].x, 300);
    EXPECT_EQ(unidades[o].desenho, 201);  // facing right, standing
}

TEST_F(SimVida, HeroAurasReachOrganicAlliesWithin300) {
    int32_t h = parado(9, 300, 300);
    unidades[h].tecnicas[1] = 2;
    unidades[h].tecnicas[3] = 3;
    int32_t perto = parado(6, 500, 300);
    int32_t longe = parado(6, 700, 300);
    int32_t torre = parado(1, 350, 300);
    int32_t orc = parado(16, 320, 400);
    atualizaunidades();
    EXPECT_EQ(unidades[h].auraprotetora, 2);
    EXPECT_EQ(unidades[perto].auraprotetora, 2);
    EXPECT_EQ(unidades[perto].auraguerreira, 3);
    EXPECT_EQ(unidades[longe].auraprotetora, 0);
    EXPECT_EQ(unidades[torre].auraprotetora, 0);
    EXPECT_EQ(unidades[orc].auraguerreira, 0);
}

TEST_F(SimVida, StaffRaisesASkeletonFromEveryCorpseNearTheHero) {
    int32_t h = parado(9, 300, 300);
    int32_t cajado = 0;
    for (int32_t n = 1; n <= MAXITENS; n++)
        if (itenstabela[n].levantaesqueletos) cajado = n;
    ASSERT_NE(cajado, 0);
    unidades[h].itens[0] = uint8_t(cajado);
    criaefeito(36, 0, 400, 300, 0);  // near
    criaefeito(36, 0, 600, 300, 0);  // too far
    atualizaunidades();
    int32_t esqueletos = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++)
        if (unidades[i].tipo == 10) {
            esqueletos++;
            EXPECT_DOUBLE_EQ(unidades[i].x, 400);
            EXPECT_DOUBLE_EQ(unidades[i].y, 340);
        }
    EXPECT_EQ(esqueletos, 1);
    EXPECT_EQ(efeitos[1].tipo, 41);  // the near corpse gave way to the rising effect
    EXPECT_EQ(efeitos[2].tipo, 36);
}

TEST_F(SimVida, DamagedFarmSmokesFromEachRowBelowItsFractionEveryTwelfthTick) {
    int32_t f = parado(2, 400, 400);
    unidades[f].hp = 800 * 0.45;  // below 0.7 and 0.5, not below 0.3
    ciclotela = 10;
    passo();  // tick 11: no smoke
    int32_t fumaca = 0;
    for (const Efeito& e : efeitos) fumaca += e.tipo == 10;
    EXPECT_EQ(fumaca, 0);
    passo();  // tick 12
    fumaca = 0;
    for (const Efeito& e : efeitos) fumaca += e.tipo == 10;
    EXPECT_EQ(fumaca, 2);
    // a farm under construction does not smoke
    for (auto& e : efeitos) e = Efeito{};
    unidades[f].construcao = 100;
    ciclotela = 11;
    passo();
    fumaca = 0;
    for (const Efeito& e : efeitos) fumaca += e.tipo == 10;
    EXPECT_EQ(fumaca, 0);
}
