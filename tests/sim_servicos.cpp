// Orders carried out by the unit update: building, repairing, training and research, healing,
// invisibility, the protective sphere, the fireball, the fire bolt and picking up chests.
#include "tests/sim_apoio.h"

using simteste::passo;
using simteste::passos;
using simteste::parado;
using SimServicos = simteste::Sim;

namespace {
// A worker sent to build a structure of type t with its place 50 to the right.
int32_t obra(int32_t x, int32_t y, uint8_t t) {
    int32_t w = parado(6, x, y);
    unidades[w].servico = t;
    unidades[w].custo = 200;
    apontar(w, x + 50, y);
    unidades[w].posicao = 2;
    return w;
}
int32_t conta(int32_t tipo) {
    int32_t n = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) n += unidades[i].tipo == tipo;
    return n;
}
}  // namespace

TEST_F(SimServicos, FarmTakes1300TicksOfOneWorkerAndGains520Hp) {
    int32_t w = obra(400, 400, 2);
    passo();
    int32_t f = unidades[w].alvo;
    ASSERT_NE(f, 0);
    EXPECT_EQ(unidades[f].tipo, 2);
    EXPECT_DOUBLE_EQ(unidades[f].x, 450);
    EXPECT_EQ(unidades[w].servico, 0);
    EXPECT_EQ(unidades[w].custo, 0);
    EXPECT_EQ(unidades[f].construcao, 1);
    passos(1000 - 1);
    EXPECT_EQ(unidades[f].construcao, 1000);
    EXPECT_NEAR(unidades[f].hp, 300 + 400, 1e-6);
    passos(299);
    EXPECT_EQ(unidades[f].construcao, 1299);
    EXPECT_NE(unidades[w].alvo, 0);
    passo();
    EXPECT_EQ(unidades[f].construcao, 1300);
    EXPECT_DOUBLE_EQ(unidades[f].hp, 800);  // 300 + 520, cut to the farm's 800
    EXPECT_EQ(unidades[w].alvo, 0);
    passo();
    EXPECT_EQ(unidades[f].construcao, 1300);
}

TEST_F(SimServicos, FasterWorkRateAndTwoWorkersShortenTheBuilding) {
    ritmotrabalho = 5;
    int32_t w = obra(400, 400, 2);
    passo();
    int32_t f = unidades[w].alvo;
    passos(258);
    EXPECT_EQ(unidades[f].construcao, 1295);
    passo();
    EXPECT_EQ(unidades[f].construcao, 1300);
    // back to normal speed: two workers on one site add up
    ritmotrabalho = 1;
    int32_t w1 = obra(400, 700, 2);
    passo();
    int32_t s = unidades[w1].alvo;
    int32_t w2 = parado(6, 450, 750);
    unidades[w2].alvo = uint16_t(s);
    passos(649);
    EXPECT_EQ(unidades[s].construcao, 1 + 2 * 649);
    passo();
    EXPECT_EQ(unidades[s].construcao, 1300);
}

TEST_F(SimServicos, ShopUnderConstructionStartsAtItsSiteHpAndGivesNoFood) {
    int32_t w = obra(400, 400, 3);
    passo();
    int32_t l = unidades[w].alvo;
    EXPECT_EQ(unidades[l].tipo, 3);
    EXPECT_NEAR(unidades[l].hp, 40.4, 1e-9);
    calculacomida();
    EXPECT_EQ(comidamax, 0);
}

TEST_F(SimServicos, RepairCostsAFifthOfAPennyPerTickAndStopsWithoutMoney) {
    int32_t t = parado(1, 400, 400);
    unidades[t].hp = 400;
    int32_t w = parado(6, 440, 430);
    unidades[w].alvo = uint16_t(t);
    dinheiro = 1;
    passos(10);
    EXPECT_NEAR(unidades[t].hp, 403, 1e-9);
    EXPECT_NEAR(dinheiro, 0.5, 1e-9);
    EXPECT_EQ(unidades[w].posicao, 3);
    passos(30);
    EXPECT_LE(dinheiro, 0);
    double parado_hp = unidades[t].hp;
    passos(5);
    EXPECT_DOUBLE_EQ(unidades[t].hp, parado_hp);
}

TEST_F(SimServicos, RepairEndsWhenWholeAndTheWorkerRests) {
    int32_t t = parado(1, 400, 400);
    unidades[t].hp = 499.5;
    int32_t w = parado(6, 440, 430);
    unidades[w].alvo = uint16_t(t);
    dinheiro = 100;
    passos(2);
    EXPECT_DOUBLE_EQ(unidades[t].hp, 500);
    EXPECT_EQ(unidades[w].alvo, 0);
    EXPECT_EQ(unidades[w].posicao, 1);
}

TEST_F(SimServicos, AutomaticRepairFindsTheNearestDamagedStructure) {
    int32_t longe = parado(2, 700, 400);
    int32_t perto = parado(3, 600, 400);
    int32_t obra_ = poeunidade(1, 350, 600, 0);  // a site is not repaired
    unidades[longe].hp = 100;
    unidades[perto].hp = 100;
    int32_t w = parado(6, 400, 400);
    unidades[w].consertoautomatico = true;
    dinheiro = 50;
    passo();
    EXPECT_EQ(unidades[w].alvo, perto);
    EXPECT_EQ(unidades[w].posicao, 2);
    passos(60);
    EXPECT_GT(unidades[perto].hp, 100);
    EXPECT_LT(dinheiro, 50);
    (void)obra_;
}

TEST_F(SimServicos, TrainingCreatesTheUnitOnTheRallySideAndFreesTheFood) {
    int32_t q = parado(4, 400, 400);
    Unidade& b = unidades[q];
    ASSERT_GT(b.agrupamentoy, 400);
    b.upgradenum = 1;
    b.upgradeprgmax = 100;
    b.upgradecusto = 50;
    b.upgradecomida = 1;
    calculacomida();
    EXPECT_EQ(comidausada, 1);  // the worker in training already eats
    passos(99);
    EXPECT_EQ(conta(6), 0);
    passo();
    ASSERT_EQ(conta(6), 1);
    EXPECT_EQ(b.upgradenum, 0);
    EXPECT_EQ(b.upgradeprgmax, 0);
    EXPECT_EQ(b.upgradecomida, 0);
    int32_t w = q + 1;
    // made at (400, 440), below the barracks like its rally point, and already one step on its way
    EXPECT_NEAR(unidades[w].x, 396, 0.01);
    EXPECT_NEAR(unidades[w].y, 440, 0.01);
    EXPECT_EQ(unidades[w].destinox, b.agrupamentox);
    EXPECT_EQ(unidades[w].destinoy, b.agrupamentoy);
    calculacomida();
    EXPECT_EQ(comidausada, 1);  // now the worker itself
}

TEST_F(SimServicos, UnitsMadeIntoSlotsTheUpdateHasPassedShowTheirOwnFirstPicture) {
    // slots 1 and 2 are free when the barracks and the worker further on make something this tick
    int32_t a = parado(12, 100, 100), b = parado(12, 150, 100);
    int32_t q = parado(4, 400, 400), w = parado(6, 800, 800);
    unidades[a].tipo = unidades[b].tipo = 0;
    unidades[q].upgradenum = 1;  // a worker, ready now
    unidades[q].upgradeprgmax = 1;
    unidades[w].servico = 2;  // a farm where it stands
    passo();
    // neither new unit has had its own update, yet each shows its own picture and box: a worker
    // facing its way, the farm's first site picture (not the tower's)
    ASSERT_EQ(unidades[1].tipo, 6);
    ASSERT_EQ(unidades[2].tipo, 2);
    EXPECT_TRUE(unidades[1].desenho == 17 || unidades[1].desenho == 23 || unidades[1].desenho == 29 ||
                unidades[1].desenho == 35) << unidades[1].desenho;
    EXPECT_EQ(unidades[1].tamanhox, 12);
    EXPECT_EQ(unidades[2].desenho, 5);
    EXPECT_EQ(unidades[2].tamanhox, 25);
}

TEST_F(SimServicos, RallyPointAboveTrainsAboveAndTheWitchHouseTrainsTheWitch) {
    int32_t c = parado(5, 400, 400);
    unidades[c].agrupamentoy = 100;
    unidades[c].upgradenum = 3;
    unidades[c].upgradeprgmax = 10;
    ritmotrabalho = 5;
    passos(2);
    ASSERT_EQ(conta(8), 1);
    EXPECT_LT(unidades[c + 1].y, 360.01);  // made at y 360, walking up toward the rally point
    EXPECT_GT(unidades[c + 1].y, 350);
}

TEST_F(SimServicos, StrengthenStructuresAlsoReachesEnemyPortalsAndTowersPresent) {
    int32_t q = parado(4, 400, 400);
    int32_t p = parado(21, 1500, 1500);
    int32_t t = parado(25, 1600, 1600);
    int32_t o = parado(16, 2000, 2000);
    unidades[q].upgradenum = 4;
    unidades[q].upgradeprgmax = 1;
    passo();
    EXPECT_EQ(pesquisa4, 2);
    EXPECT_DOUBLE_EQ(unidades[q].hpmax, 2500);
    EXPECT_DOUBLE_EQ(unidades[q].hp, 2500);
    EXPECT_DOUBLE_EQ(unidades[p].hpmax, 625);
    EXPECT_EQ(unidades[p].armadura, 5);
    EXPECT_DOUBLE_EQ(unidades[t].hpmax, 1500);
    EXPECT_DOUBLE_EQ(unidades[o].hpmax, 550);
    // a tower built later by the player gets it at creation, an enemy one does not
    int32_t t2 = parado(1, 600, 400);
    int32_t t3 = parado(25, 900, 400);
    EXPECT_DOUBLE_EQ(unidades[t2].hpmax, 625);
    EXPECT_DOUBLE_EQ(unidades[t3].hpmax, 1200);
}

TEST_F(SimServicos, HealerResearchStrengthensEveryFidelina) {
    int32_t q = parado(4, 400, 400);
    int32_t f = parado(7, 600, 600);
    unidades[f].hp = 50;
    unidades[q].upgradenum = 5;
    unidades[q].upgradeprgmax = 1;
    passo();
    EXPECT_EQ(pesquisa5, 2);
    EXPECT_EQ(unidades[f].forca, 11);
    EXPECT_EQ(unidades[f].inteligencia, 16);
    EXPECT_DOUBLE_EQ(unidades[f].hpmax, 375);
    EXPECT_NEAR(unidades[f].hp, 125, 0.1);
}

TEST_F(SimServicos, FullInventoryLeavesTheChestAndSaysSo) {
    int32_t h = parado(9, 300, 300);
    for (uint8_t& s : unidades[h].itens) s = 1;
    criaunidade(12, 320, 300, 1, 320, 300, 0, 7);
    int32_t c = h + 1;
    unidades[h].alvo = uint16_t(c);
    unidades[h].posicao = 2;
    apontar(h, 320, 300);
    passo();
    EXPECT_EQ(unidades[c].tipo, 12);
    EXPECT_EQ(mensagem, "Não há mais espaço para itens.");
    EXPECT_EQ(mensagemtempo, 200);
}

TEST_F(SimServicos, HeroPicksUpAChestIntoTheFirstEmptySlot) {
    int32_t h = parado(9, 300, 300);
    unidades[h].itens[0] = 3;
    criaunidade(12, 340, 300, 1, 340, 300, 0, 7);
    int32_t c = h + 1;
    select_ = uint8_t(c);
    unidades[h].alvo = uint16_t(c);
    apontar(h, 340, 300);
    unidades[h].posicao = 2;
    passo();
    EXPECT_EQ(unidades[c].tipo, 0);
    EXPECT_EQ(unidades[h].itens[1], 7);
    EXPECT_EQ(select_, 0);
}

TEST_F(SimServicos, HealWalksToTheAllyThenHealsFifteenPerCastUntilWhole) {
    int32_t f = parado(7, 300, 300);
    int32_t w = parado(6, 300, 600);
    unidades[w].hp = 170;  // 30 short of 200
    calculaatributos(f);
    unidades[f].mp = 100;
    unidades[f].servico = 4;
    unidades[f].customp = 5;
    unidades[f].alvo = uint16_t(w);
    apontar(f, 300, 600);
    unidades[f].posicao = 2;
    int32_t k = 0;
    while (unidades[w].curatempo == 0 && k++ < 200) passo();
    EXPECT_LT(distancia(unidades[f].x, unidades[f].y, 300, 600), 150);
    EXPECT_NEAR(unidades[w].hp, 185, 0.5);  // and the worker's own regeneration on the way
    EXPECT_EQ(unidades[w].curaexibida, 15);
    EXPECT_EQ(unidades[f].posicao, 4);
    EXPECT_EQ(unidades[f].servico, 4);  // a manual heal goes on
    EXPECT_NEAR(unidades[f].mp, 95, 0.5);
    passos(60);
    EXPECT_DOUBLE_EQ(unidades[w].hp, unidades[w].hpmax);
    EXPECT_EQ(unidades[f].servico, 0);
    EXPECT_EQ(unidades[f].alvo, 0);
}

TEST_F(SimServicos, HealIsDroppedWithoutEnoughMp) {
    int32_t f = parado(7, 300, 300);
    int32_t w = parado(6, 300, 350);
    unidades[w].hp = 100;
    unidades[f].mp = 2;
    unidades[f].servico = 4;
    unidades[f].customp = 5;
    unidades[f].alvo = uint16_t(w);
    passo();
    EXPECT_EQ(unidades[f].servico, 0);
    EXPECT_NEAR(unidades[w].hp, 100, 0.1);
}

TEST_F(SimServicos, AutomaticHealingPicksWoundedAlliesOnly) {
    int32_t f = parado(7, 300, 300);
    unidades[f].curaautomatica = true;
    int32_t o = parado(16, 900, 900);
    unidades[o].hp = 10;  // a wounded enemy is never healed
    int32_t w = parado(6, 350, 300);
    unidades[w].hp = 100;
    int32_t k = 0;
    while (unidades[w].curatempo == 0 && k++ < 100) passo();
    EXPECT_NEAR(unidades[w].hp, 115, 0.1);
    EXPECT_EQ(unidades[f].servico, 0);  // the automatic heal is one cast at a time
    EXPECT_NEAR(unidades[o].hp, 10, 0.1);
}

TEST_F(SimServicos, InvisibilityClearsTheTargetsOwnTargetAndAnAttackEndsIt) {
    int32_t f = parado(7, 300, 300);
    int32_t h = parado(9, 350, 300);
    calculaatributos(f);
    unidades[f].mp = 100;
    unidades[f].servico = 5;
    unidades[f].customp = 50;
    unidades[f].alvo = uint16_t(h);
    unidades[h].alvo = 99;
    unidades[h].posicao = 3;
    passo();
    EXPECT_EQ(unidades[h].invisivel, 2249);  // counted once already in the hero's own update
    EXPECT_EQ(unidades[h].alvo, 0);
    EXPECT_EQ(unidades[f].servico, 0);
    EXPECT_NEAR(unidades[f].mp, 50, 0.1);
    // the hero is not seen by an orc, until he attacks it
    int32_t o = parado(16, 380, 300);
    unidades[o].atacaauto = false;
    unidades[h].alvo = uint16_t(o);
    unidades[h].posicao = 1;
    passo();
    EXPECT_EQ(unidades[h].invisivel, 0);
    EXPECT_EQ(unidades[h].posicao, 3);
}

TEST_F(SimServicos, ProtectiveSphereLastsFifteenHundredTicksAndAddsFiveArmour) {
    int32_t f = parado(7, 300, 300);
    int32_t w = parado(6, 350, 300);
    calculaatributos(f);
    unidades[f].mp = 100;
    unidades[f].servico = 6;
    unidades[f].customp = 25;
    unidades[f].alvo = uint16_t(w);
    passo();
    EXPECT_EQ(unidades[w].esfera, 1499);  // the worker's own update came after the cast this tick
    passo();
    EXPECT_EQ(unidades[w].armadurabonus, 5);
    EXPECT_EQ(som, 43);
}

TEST_F(SimServicos, FireballFallsOnThePointOnceWithin250) {
    int32_t b = parado(8, 300, 300);
    calculaatributos(b);
    unidades[b].mp = 100;
    unidades[b].servico = 7;
    unidades[b].customp = 50;
    apontar(b, 300, 600);
    unidades[b].posicao = 2;
    int32_t k = 0;
    while (unidades[b].servico == 7 && k++ < 100) passo();
    EXPECT_EQ(unidades[b].servico, 0);
    EXPECT_LT(distancia(unidades[b].x, unidades[b].y, 300, 600), 250);
    EXPECT_GT(distancia(unidades[b].x, unidades[b].y, 300, 600), 245);
    bool bola = false;
    for (const Efeito& e : efeitos)
        bola |= e.tipo == 13 && e.x == 300 && e.y == 600;
    EXPECT_TRUE(bola);
    EXPECT_EQ(unidades[b].posicao, 4);
}

TEST_F(SimServicos, FireBoltOfLevelThreeDealsExactly300) {
    int32_t h = parado(9, 300, 300);
    int32_t o = parado(20, 300, 500);
    unidades[o].atacaauto = false;
    unidades[h].tecnicas[0] = 3;
    unidades[h].atacaauto = false;
    calculaatributos(h);
    unidades[h].mp = 100;
    unidades[h].servico = 8;
    unidades[h].customp = 70;
    unidades[h].alvo = uint16_t(o);
    apontar(h, 300, 500);
    unidades[h].posicao = 2;
    passo();
    EXPECT_EQ(unidades[h].servico, 0);
    EXPECT_EQ(som, 39);
    unidades[o].hp = 1000;
    passos(40);
    EXPECT_NEAR(unidades[o].hp, 700, 1.0);
}

TEST_F(SimServicos, CastingEndsTheCastersInvisibility) {
    int32_t f = parado(7, 300, 300);
    int32_t w = parado(6, 350, 300);
    unidades[w].hp = 100;
    calculaatributos(f);
    unidades[f].mp = 100;
    unidades[f].invisivel = 1000;
    unidades[f].servico = 4;
    unidades[f].customp = 5;
    unidades[f].alvo = uint16_t(w);
    passo();
    EXPECT_EQ(unidades[f].invisivel, 0);
    EXPECT_EQ(unidades[f].posicao, 4);
}

TEST_F(SimServicos, AutomaticHealerDoesNotWalkTowardAnEnemyShePicked) {
    int32_t f = parado(7, 300, 300);
    unidades[f].curaautomatica = true;
    calculaatributos(f);
    unidades[f].mp = 100;
    int32_t o = parado(16, 300, 560);  // within the search's 300, beyond her reach
    unidades[o].atacaauto = false;
    passos(50);
    EXPECT_DOUBLE_EQ(unidades[f].y, 300);
    EXPECT_EQ(unidades[f].servico, 0);
}
