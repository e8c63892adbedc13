// Unit creation: construction sites, rewards of released monsters, portals, the carried hero,
// chests, research bonuses, the creator's and the destination's targets, a full table.
#include "tests/world_apoio.h"

using WorldCriaUnidade = mundoteste::Mundo;

TEST_F(WorldCriaUnidade, FarmStartedByWorkerIsSiteAndMissionFarmIsComplete) {
    int32_t obra = poeunidade(2, 300, 300, 0);
    EXPECT_DOUBLE_EQ(unidades[obra].hp, 300);
    EXPECT_DOUBLE_EQ(unidades[obra].hpmax, 800);
    EXPECT_EQ(unidades[obra].construcao, 0);
    EXPECT_EQ(unidades[obra].construcaomax, 1300);
    EXPECT_FALSE(unidades[obra].organico);
    int32_t pronta = poeunidade(2, 500, 300, 1);
    EXPECT_DOUBLE_EQ(unidades[pronta].hp, 800);
    EXPECT_DOUBLE_EQ(unidades[pronta].hpmax, 800);
    EXPECT_EQ(unidades[pronta].construcao, 1300);
    EXPECT_FALSE(unidades[pronta].organico);  // a complete structure does not get attributes either
    EXPECT_EQ(unidades[pronta].fornececomida, 6);
}

TEST_F(WorldCriaUnidade, TowerAndShopSitesStartWithTheirSiteHp) {
    int32_t torre = poeunidade(1, 100, 100, 0);
    int32_t loja = poeunidade(3, 200, 100, 0);
    EXPECT_DOUBLE_EQ(unidades[torre].hp, 120);
    EXPECT_DOUBLE_EQ(unidades[torre].hpmax, 500);
    EXPECT_EQ(unidades[torre].danomin, 15);
    EXPECT_EQ(unidades[torre].danomax, 20);
    EXPECT_EQ(unidades[torre].distataque, 250);
    EXPECT_EQ(unidades[torre].posicao, 1);
    EXPECT_TRUE(unidades[torre].adistancia);
    EXPECT_EQ(unidades[torre].alcancevisao, 450);
    EXPECT_EQ(unidades[torre].custo, 150);
    EXPECT_DOUBLE_EQ(unidades[loja].hp, 40);
    EXPECT_EQ(unidades[loja].construcaomax, 650);
}

TEST_F(WorldCriaUnidade, SpiderReleasedByPortalIsWorthLessThanOnePlacedByMission) {
    int32_t solta = poeunidade(13, 100, 100, 0);
    EXPECT_EQ(unidades[solta].experiencia, 2);  // 9 / 5 = 1.8
    EXPECT_EQ(unidades[solta].recompensa, 10);
    int32_t posta = poeunidade(13, 200, 100, 1);
    EXPECT_EQ(unidades[posta].experiencia, 9);
    EXPECT_EQ(unidades[posta].recompensa, 20);
}

TEST_F(WorldCriaUnidade, ReducedRewardsRoundHalvesToEven) {
    int32_t murloc = poeunidade(15, 100, 100, 0);
    EXPECT_EQ(unidades[murloc].experiencia, 6);
    EXPECT_EQ(unidades[murloc].recompensa, 22);  // 45 / 2 = 22.5 goes to the even 22
    int32_t carnical = poeunidade(14, 200, 100, 0);
    EXPECT_EQ(unidades[carnical].experiencia, 4);  // 3.6
    EXPECT_EQ(unidades[carnical].recompensa, 15);
}

TEST_F(WorldCriaUnidade, PlayerUnitsTrainedWithProntoZeroKeepTheirValues) {
    int32_t u = poeunidade(6, 100, 100, 0);
    EXPECT_EQ(unidades[u].construcao, 100);
    EXPECT_EQ(unidades[u].construcaomax, 100);
    EXPECT_TRUE(unidades[u].organico);
    EXPECT_DOUBLE_EQ(unidades[u].hpmax, 200);  // 4 strength
    EXPECT_DOUBLE_EQ(unidades[u].hp, 200);
    EXPECT_EQ(unidades[u].armadura, 1);        // 5 agility
    EXPECT_FALSE(unidades[u].atacaauto);
    EXPECT_FALSE(unidades[u].persegue);
    EXPECT_EQ(unidades[u].consomecomida, 1);
}

TEST_F(WorldCriaUnidade, PortalOfLevelThreeReadsBackAsTypeTwentyOne) {
    int32_t p = poeunidade(23, 400, 400, 1);
    EXPECT_EQ(unidades[p].tipo, 21);
    EXPECT_EQ(unidades[p].nivel, 3);
    EXPECT_EQ(unidades[p].qtdinimigos, 80);
    EXPECT_DOUBLE_EQ(unidades[p].hpmax, 1000);
    EXPECT_DOUBLE_EQ(unidades[p].hp, 1000);
    EXPECT_EQ(unidades[p].armadura, 7);
    EXPECT_EQ(unidades[p].experiencia, 150);
    EXPECT_EQ(unidades[p].nome.str(), "PORTAL");
    EXPECT_DOUBLE_EQ(unidades[p].ciclomax, 700);
    int32_t q = poeunidade(24, 600, 400, 1);
    EXPECT_EQ(unidades[q].tipo, 21);
    EXPECT_EQ(unidades[q].nivel, 4);
    EXPECT_EQ(unidades[q].qtdinimigos, 100);
}

TEST_F(WorldCriaUnidade, TrainedUnitWithRallyPointOnEnemyTargetsIt) {
    int32_t inimigo = poeunidade(16, 500, 500, 1);
    unidades[inimigo].tamanhox = 23;  // the box the unit update gives an orc
    unidades[inimigo].tamanhoy = 12;
    unidades[inimigo].desenhoy = 70;
    criaunidade(6, 100, 100, 0, 510, 460, 0, 0);  // above the feet but inside the drawn figure
    EXPECT_EQ(unidades[2].alvo, inimigo);
    criaunidade(6, 100, 100, 0, 523, 500, 0, 0);  // on the box's edge: outside
    EXPECT_EQ(unidades[3].alvo, 0);
}

TEST_F(WorldCriaUnidade, DestinationTargetIsTheLastUnitWhoseBoxHoldsIt) {
    int32_t a = poeunidade(16, 500, 500, 1);
    int32_t b = poeunidade(17, 505, 500, 1);
    for (int32_t j : {a, b}) { unidades[j].tamanhox = 20; unidades[j].tamanhoy = 12; unidades[j].desenhoy = 60; }
    criaunidade(9, 100, 100, 1, 502, 500, 0, 0);
    EXPECT_EQ(unidades[3].alvo, b);
}

TEST_F(WorldCriaUnidade, CreatorTargetsTheNewUnit) {
    int32_t durbico = poeunidade(6, 100, 100, 1);
    criaunidade(2, 160, 100, 0, 0, 0, durbico, 0);
    EXPECT_EQ(unidades[durbico].alvo, 2);
    EXPECT_EQ(unidades[2].tipo, 2);
    EXPECT_EQ(unidades[2].destinox, 0);
}

TEST_F(WorldCriaUnidade, FullTableCreatesNothingAndChangesNothing) {
    for (int32_t k = 0; k < MAXUNIDADES; k++) criaunidade(13, 100 + k, 100, 1, 100 + k, 100, 0, 0);
    for (int32_t u = 1; u <= MAXUNIDADES; u++) ASSERT_EQ(unidades[u].tipo, 13);
    Unidade primeiro = unidades[1];
    criaunidade(9, 999, 999, 1, 999, 999, 1, 0);
    for (int32_t u = 1; u <= MAXUNIDADES; u++) EXPECT_NE(unidades[u].x, 999);
    EXPECT_EQ(unidades[1].alvo, primeiro.alvo);  // the creator was not touched either
}

TEST_F(WorldCriaUnidade, LowestFreeSlotIsReusedKeepingItemsButNeverTheSelection) {
    int32_t a = poeunidade(13, 100, 100);
    int32_t b = poeunidade(13, 200, 100);
    unidades[a].tipo = 0;  // dies
    unidades[a].selecionado = true;
    unidades[a].itens[0] = 5;
    unidades[a].upgradecomida = 3;
    int32_t c = poeunidade(6, 300, 100);
    EXPECT_EQ(c, a);
    EXPECT_NE(b, c);
    EXPECT_FALSE(unidades[c].selecionado);  // a new unit is never part of the selection
    EXPECT_EQ(unidades[c].itens[0], 5);
    EXPECT_EQ(unidades[c].upgradecomida, 0);  // no food stays reserved by a dead barracks
}

TEST_F(WorldCriaUnidade, HeroComesFromTheCarriedRecordWithItsItems) {
    heroisalvo.nivel = 3;
    heroisalvo.experiencia = 77;
    heroisalvo.pontostecnica = 2;
    heroisalvo.tecnicas[2] = 3;
    heroisalvo.itens[4] = 17;  // Elmo dos reis: +5 strength, agility and intelligence
    int32_t h = poeunidade(9, 300, 300);
    const Unidade& v = unidades[h];
    EXPECT_TRUE(v.heroi);
    EXPECT_EQ(v.nome.str(), "SEU VORLANDO");
    EXPECT_EQ(v.nivel, 3);
    EXPECT_EQ(v.experiencia, 77);
    EXPECT_EQ(v.experienciaprox, 30 * 9 + 120 * 3);
    EXPECT_EQ(v.pontostecnica, 2);
    EXPECT_EQ(v.tecnicas[0], 1);
    EXPECT_EQ(v.tecnicas[2], 3);
    EXPECT_EQ(v.itens[4], 17);
    EXPECT_EQ(v.forca, 23);
    EXPECT_DOUBLE_EQ(v.hpmax, (23 + 5) * 25 + 100);
    EXPECT_DOUBLE_EQ(v.hp, v.hpmax);
    EXPECT_DOUBLE_EQ(v.mpmax, (13 + 5) * 15);
    EXPECT_DOUBLE_EQ(v.mp, v.mpmax);
    EXPECT_EQ(v.danomin, 26);
    EXPECT_EQ(v.danomax, 39);
    EXPECT_EQ(v.danobonus, 5);
    EXPECT_EQ(v.armadura, 4);       // 18 / 5 = 3.6
    EXPECT_EQ(v.armadurabonus, 1);  // 5 agility from items
    EXPECT_EQ(v.alcancevisao, 380);
    EXPECT_EQ(v.distataque, 60);
    EXPECT_EQ(v.consomecomida, 5);
    EXPECT_DOUBLE_EQ(v.velocidade, 4.5);
}

TEST_F(WorldCriaUnidade, OtherUnitsKeepTheSlotsTechniquesButNotTheCarriedOnes) {
    heroisalvo.tecnicas[1] = 3;
    int32_t u = poeunidade(6, 100, 100);
    EXPECT_EQ(unidades[u].tecnicas[1], 0);
    EXPECT_FALSE(unidades[u].heroi);
}

TEST_F(WorldCriaUnidade, ChestIsNamedAfterItsItemAndDoesNotBlock) {
    criaunidade(12, 100, 100, 1, 100, 100, 0, 31);
    const Unidade& b = unidades[1];
    EXPECT_EQ(b.nome.str(), "Bandeira do JAPÃO");
    EXPECT_EQ(b.item, 31);
    EXPECT_TRUE(b.bau);
    EXPECT_FALSE(b.solido);
    EXPECT_FALSE(b.organico);
    EXPECT_DOUBLE_EQ(b.ciclomax, 10);
    EXPECT_EQ(b.retrato, 18);
    EXPECT_EQ(b.retrato2, 19);
}

TEST_F(WorldCriaUnidade, LongItemNameIsCutToThirtyCharacters) {
    itenstabela[1].nome = "Anel da proteção com um nome longo demais";
    criaunidade(12, 100, 100, 1, 100, 100, 0, 1);
    EXPECT_EQ(unidades[1].nome.str(), "Anel da proteção com um nome l");
}

TEST_F(WorldCriaUnidade, BarracksRallyBelowLeft) {
    int32_t q = poeunidade(4, 400, 300, 1);
    EXPECT_TRUE(unidades[q].temagrupamento);
    EXPECT_EQ(unidades[q].agrupamentox, 380);
    EXPECT_EQ(unidades[q].agrupamentoy, 340);
    EXPECT_DOUBLE_EQ(unidades[q].hp, 2000);
    EXPECT_EQ(unidades[q].fornececomida, 2);
    int32_t d = poeunidade(6, 100, 100);
    EXPECT_EQ(unidades[d].agrupamentox, 100);  // others rally where they stand
}

TEST_F(WorldCriaUnidade, ResearchStrengthensNewHealerWitchAndSkeleton) {
    pesquisa5 = pesquisa6 = pesquisa7 = 2;
    int32_t f = poeunidade(7, 100, 100);
    EXPECT_EQ(unidades[f].forca, 11);
    EXPECT_DOUBLE_EQ(unidades[f].hpmax, 375);
    EXPECT_NEAR(unidades[f].hp, 375, 0.05);
    EXPECT_NEAR(unidades[f].mp, 240, 0.05);  // plus one tick of regeneration
    int32_t b = poeunidade(8, 200, 100);
    EXPECT_NEAR(unidades[b].hp, 450, 0.05);
    EXPECT_NEAR(unidades[b].mp, 270, 0.05);
    int32_t e = poeunidade(10, 300, 100);
    EXPECT_EQ(unidades[e].tempovidamax, 2200);
    EXPECT_GT(unidades[e].tempovida, 2190);
    EXPECT_LE(unidades[e].tempovida, 2200);
    EXPECT_NEAR(unidades[e].hp, 9 * 25 + 100 + 75, 0.05);  // full at creation, then the research bonus
}

TEST_F(WorldCriaUnidade, WithoutResearchSkeletonLivesFifteenHundredTicks) {
    int32_t e = poeunidade(10, 300, 100);
    EXPECT_EQ(unidades[e].tempovidamax, 1500);
    EXPECT_GE(unidades[e].tempovida, 1498);
    EXPECT_TRUE(unidades[e].esqueleto);
    EXPECT_EQ(unidades[e].distpersegue, 200);
    EXPECT_DOUBLE_EQ(unidades[e].hpmax, 9 * 25 + 100);
}

TEST_F(WorldCriaUnidade, StrengthenedStructuresOnlyForThePlayer) {
    pesquisa4 = 2;
    int32_t fazenda = poeunidade(2, 100, 100, 1);
    EXPECT_DOUBLE_EQ(unidades[fazenda].hpmax, 1000);
    EXPECT_DOUBLE_EQ(unidades[fazenda].hp, 1000);
    EXPECT_EQ(unidades[fazenda].armadura, 5);
    int32_t obra = poeunidade(1, 300, 100, 0);
    EXPECT_DOUBLE_EQ(unidades[obra].hpmax, 625);
    EXPECT_DOUBLE_EQ(unidades[obra].hp, 245);
    int32_t portal = poeunidade(21, 500, 100, 1);
    EXPECT_DOUBLE_EQ(unidades[portal].hpmax, 500);
    EXPECT_EQ(unidades[portal].armadura, 3);
}

TEST_F(WorldCriaUnidade, NewUnitFacesItsDestination) {
    criaunidade(6, 100, 100, 0, 100, 300, 0, 0);
    EXPECT_DOUBLE_EQ(unidades[1].direcao, 4.71);
    EXPECT_EQ(unidades[1].destinoy, 300);
    EXPECT_EQ(unidades[1].posicao, 2);
    criaunidade(6, 100, 100, 0, 300, 100, 0, 0);
    EXPECT_DOUBLE_EQ(unidades[2].direcao, 0);
}

TEST_F(WorldCriaUnidade, CatalogueNamesFlagsAndNumbers) {
    const char* nomes[] = {"TORRE DE GUARDA", "FAZENDA", "TIENDA DEL DURBICO", "QUARTEL", "CASA DA BRUXA MORGAVA",
                           "DURBICO", "FIDELINA", "BRUXA MORGAVA", "SEU VORLANDO", "ESQUELETO", "SATANAS", "",
                           "ARANHA GIGANTE", "CARNIÇAL", "MURLOC", "ORC", "LOBO SELVAGEM", "MONSTRO DE PEDRA",
                           "OGRO", "ÁRVORE", "PORTAL", "PORTAL", "PORTAL", "PORTAL", "TORRE DE GUARDA",
                           "DONA QUITEVA"};
    for (int32_t t = 1; t <= MAXTIPOS; t++) {
        mundolimpo();
        criaunidade(t, 200, 200, 1, 200, 200, 0, 0);
        EXPECT_EQ(unidades[1].nome.str(), nomes[t - 1]) << "tipo " << t;
        EXPECT_EQ(unidades[1].inimigo, t >= 13 && t != 12) << "tipo " << t;
        EXPECT_EQ(unidades[1].organico, (t >= 6 && t <= 11) || (t >= 13 && t <= 20) || t == 26) << "tipo " << t;
    }
    mundolimpo();
    int32_t ogro = poeunidade(19, 100, 100);
    EXPECT_TRUE(unidades[ogro].paralisa);
    EXPECT_EQ(unidades[ogro].retrato, 31);
    EXPECT_EQ(unidades[ogro].retratoa, 40);
    int32_t aranha = poeunidade(13, 200, 100);
    EXPECT_TRUE(unidades[aranha].envenena);
    EXPECT_EQ(unidades[aranha].altura, 30);
    EXPECT_DOUBLE_EQ(unidades[aranha].hpmax, 3 * 25 + 100);
    EXPECT_EQ(unidades[aranha].armadura, 0);
    int32_t chefe = poeunidade(26, 300, 100);
    EXPECT_EQ(unidades[chefe].distpersegue, 1000);
    EXPECT_EQ(unidades[chefe].nivel, 15);
    EXPECT_TRUE(unidades[chefe].rastro);
    EXPECT_EQ(unidades[chefe].danomin, 263);
    int32_t torre = poeunidade(25, 400, 100);
    EXPECT_EQ(unidades[torre].danomax, 38);
    EXPECT_EQ(unidades[torre].armadura, 8);
    EXPECT_EQ(unidades[torre].construcao, 1000);
    EXPECT_EQ(unidades[torre].posicao, 1);
    int32_t satanas = poeunidade(11, 500, 100);
    EXPECT_EQ(unidades[satanas].iconeataque, 4);
    EXPECT_EQ(unidades[satanas].iconedefesa, 7);
    EXPECT_EQ(unidades[satanas].tempovidamax, 4500);
    EXPECT_TRUE(unidades[satanas].adistancia);
    int32_t lobo = poeunidade(17, 600, 100);
    EXPECT_TRUE(unidades[lobo].comecadaver);
}

TEST_F(WorldCriaUnidade, EmptyingTheTableFreesEverySlotAndForgetsTheHero) {
    int32_t h = poeunidade(9, 100, 100);
    int32_t a = poeunidade(13, 200, 100);
    limpaunidades();
    EXPECT_EQ(unidades[h].tipo, 0);
    EXPECT_EQ(unidades[a].tipo, 0);
    EXPECT_FALSE(unidades[h].heroi);
    EXPECT_DOUBLE_EQ(unidades[a].x, 200);  // nothing else is cleared
    EXPECT_EQ(poeunidade(6, 300, 100), 1);
}
