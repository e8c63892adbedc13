// Mouse commands: selection by click, Shift-click and box, orders with the right button, items,
// controls and the commands that wait for a click on the map. The camera stands at (1000, 1000),
// so a unit at map (1200, 1200) is on screen at (200, 200).
#include "input/apontarestrutura.h"
#include "input_apoio.h"

using entradateste::Entrada;

namespace {
using Mouse = Entrada;

int32_t selecionados() {
    int32_t n = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].selecionado) n++;
    return n;
}

// A press at one screen point and the release at another.
void arrasta(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    DXDraw1MouseMove(x1, y1);
    DXDraw1MouseDown(BOTAOESQUERDO, x1, y1);
    DXDraw1MouseMove(x2, y2);
    DXDraw1MouseUp(BOTAOESQUERDO, x2, y2);
}
}  // namespace

TEST_F(Mouse, ClickingAUnitSelectsItAndMakesItTheMainUnit) {
    int32_t w = poe(6, 1200, 1200);
    esquerdo(200, 200);
    EXPECT_TRUE(unidades[w].selecionado);
    EXPECT_EQ(select_, w);
    EXPECT_FALSE(arrastando);
    EXPECT_FALSE(botaoesquerdo);
}

TEST_F(Mouse, EmptyGroundDeselectsYetTheOldMainUnitComesBack) {
    int32_t w = poe(6, 1200, 1200), v = poe(6, 1300, 1200);
    unidades[w].selecionado = unidades[v].selecionado = true;
    select_ = uint8_t(w);
    esquerdo(600, 100);
    EXPECT_TRUE(unidades[w].selecionado);
    EXPECT_FALSE(unidades[v].selecionado);
    EXPECT_EQ(select_, w);
}

TEST_F(Mouse, ShiftClickAddsToTheSelection) {
    int32_t w = poe(6, 1200, 1200), v = poe(6, 1300, 1200);
    esquerdo(200, 200);
    SetKeyHeld(VK_SHIFT, true);
    esquerdo(300, 200);
    EXPECT_TRUE(unidades[w].selecionado);
    EXPECT_TRUE(unidades[v].selecionado);
    EXPECT_EQ(selecionados(), 2);
}

TEST_F(Mouse, BoxOverWorkersAndAFarmSelectsOnlyTheWorkers) {
    int32_t f = poe(2, 1250, 1250);
    int32_t w = poe(6, 1200, 1200), v = poe(6, 1300, 1300);
    unidades[w].hpmax = 100;
    unidades[v].hpmax = 120;
    arrasta(150, 150, 350, 350);
    EXPECT_FALSE(unidades[f].selecionado);
    EXPECT_TRUE(unidades[w].selecionado);
    EXPECT_TRUE(unidades[v].selecionado);
    EXPECT_EQ(select_, v);  // the one with more HP leads
}

TEST_F(Mouse, BoxOverAlliesAndVisibleEnemiesSelectsOnlyTheAllies) {
    int32_t w = poe(6, 1200, 1200), o = poe(16, 1260, 1200);
    unidades[w].alcancevisao = 300;
    arrasta(150, 150, 350, 350);
    EXPECT_TRUE(unidades[w].selecionado);
    EXPECT_FALSE(unidades[o].selecionado);
    EXPECT_EQ(select_, w);
}

TEST_F(Mouse, BoxOverAnOwnTowerAndAVisibleMonsterKeepsTheMonster) {
    // living units push the tower out first; of what is left there is no own unit to push the
    // monster out, whichever slot comes last
    int32_t o = poe(15, 1260, 1200), t = poe(1, 1200, 1200);
    arrasta(150, 150, 350, 350);
    EXPECT_TRUE(unidades[o].selecionado);
    EXPECT_FALSE(unidades[t].selecionado);
    EXPECT_EQ(select_, o);
    EXPECT_EQ(selecionados(), 1);
}

TEST_F(Mouse, AnEnemyOutOfSightCannotBeBoxSelectedWithoutTheCheat) {
    int32_t w = poe(6, 1900, 1900), o = poe(16, 1200, 1200);
    unidades[w].alcancevisao = 100;
    arrasta(150, 150, 250, 250);
    EXPECT_FALSE(unidades[o].selecionado);
    // seen by a unit nearby, it can
    unidades[w].x = 1250;
    unidades[w].y = 1400;
    unidades[w].alcancevisao = 300;
    arrasta(150, 150, 250, 250);
    EXPECT_TRUE(unidades[o].selecionado);
    // and anywhere with the cheat
    unidades[w].x = unidades[w].y = 1900;
    unidades[o].selecionado = false;
    vertudo = true;
    arrasta(150, 150, 250, 250);
    EXPECT_TRUE(unidades[o].selecionado);
    EXPECT_EQ(select_, o);
}

TEST_F(Mouse, TheHeroPortraitTwiceCentresTheCamera) {
    int32_t h = poe(9, 1700, 1900);
    unidades[h].x = 1700.5;
    esquerdo(20, 20);
    EXPECT_TRUE(unidades[h].selecionado);
    EXPECT_EQ(select_, h);
    EXPECT_EQ(camerax, 1000);
    esquerdo(20, 20);
    EXPECT_EQ(camerax, 1300);  // 1300.5 rounds to the even neighbour
    EXPECT_EQ(cameray, 1650);
}

TEST_F(Mouse, APotionAtFullHealthIsRefusedAndKept) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    int32_t pocao = 0;
    for (int32_t i = 1; i <= MAXITENS; i++)
        if (itenstabela[i].consumivel && itenstabela[i].recuperahp > 0 && itenstabela[i].recuperamp == 0) pocao = i;
    ASSERT_NE(pocao, 0);
    unidades[h].itens[1] = uint8_t(pocao);
    unidades[h].hpmax = 200;
    unidades[h].hp = 200;
    esquerdo(580, 500);  // item slot 2
    EXPECT_EQ(mensagem, "Unidade com HP máximo !");
    EXPECT_EQ(unidades[h].itens[1], pocao);
    unidades[h].hp = 50;
    esquerdo(580, 500);
    EXPECT_EQ(unidades[h].itens[1], 0);
    EXPECT_EQ(unidades[h].hp, 50 + itenstabela[pocao].recuperahp);
    EXPECT_EQ(unidades[h].curatempo, 20);
    EXPECT_EQ(som, 45);
}

TEST_F(Mouse, ItemSlotEdgesDoNotCount) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].itens[0] = 25;
    unidades[h].hp = 1;
    unidades[h].hpmax = 500;
    esquerdo(520, 500);  // on the left edge
    EXPECT_EQ(unidades[h].itens[0], 25);
    esquerdo(521, 481);
    EXPECT_EQ(unidades[h].itens[0], 0);
}

TEST_F(Mouse, ARightClickOnAnItemDropsItInAChest) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].itens[5] = 12;
    direito(580, 580);
    EXPECT_EQ(unidades[h].itens[5], 0);
    int32_t bau = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 12) bau = u;
    ASSERT_NE(bau, 0);
    EXPECT_EQ(unidades[bau].item, 12);
    EXPECT_NEAR(distancia(unidades[bau].x, unidades[bau].y, 1200, 1200), 30, 1.0);
}

TEST_F(Mouse, ControlsAreClickedOnTheirEdgeAndOneBeyond) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    dinheiro = 1000;
    comidamax = 10;
    limpabotoes();
    criabotao(TREINARDURBICO, 100, 480);
    desenhabotoes();
    esquerdo(141, 521);  // one pixel beyond the 40 x 40 picture still hits
    EXPECT_EQ(unidades[q].upgradenum, 1);
    EXPECT_EQ(dinheiro, 900);
    cancelaupgrade(q);
    esquerdo(142, 500);
    EXPECT_EQ(unidades[q].upgradenum, 0);
}

TEST_F(Mouse, TheMenuButtonOpensTheOptionsMenu) {
    esquerdo(400, 20);
    EXPECT_EQ(menu, 1);
}

TEST_F(Mouse, ClicksOnTheMapDoNothingWhileFrozen) {
    int32_t w = poe(6, 1200, 1200);
    pausa = true;
    esquerdo(200, 200);
    EXPECT_FALSE(unidades[w].selecionado);
    // but the menu controls still work
    menu = 3;
    limpabotoes();
    criabotao(MENUPRINCIPAL, 300, 300);
    desenhabotoes();
    esquerdo(310, 310);
    EXPECT_EQ(menu, 1);
}

TEST_F(Mouse, RightClickSendsTheSelectedUnitsAndRefundsAPlannedStructure) {
    int32_t w = poe(6, 1200, 1200), o = poe(16, 1600, 1600);
    unidades[w].selecionado = unidades[o].selecionado = true;
    unidades[w].custo = 150;
    unidades[w].servico = 2;
    select_ = uint8_t(w);
    dinheiro = 0;
    direito(500, 400);
    EXPECT_EQ(unidades[w].destinox, 1500);
    EXPECT_EQ(unidades[w].destinoy, 1400);
    EXPECT_EQ(unidades[w].posicao, 2);
    EXPECT_EQ(unidades[w].servico, 0);
    EXPECT_EQ(unidades[w].custo, 0);
    EXPECT_EQ(dinheiro, 150);
    EXPECT_NE(unidades[o].destinox, 1500);  // enemies take no orders
    EXPECT_EQ(efeitos[1].tipo, 27);
    EXPECT_EQ(efeitos[1].x, 1500);
}

TEST_F(Mouse, RightClickOnTheMinimapCentre) {
    mapalargura = 40;
    mapaaltura = 50;
    int32_t w = poe(6, 1200, 1200);
    unidades[w].selecionado = true;
    select_ = uint8_t(w);
    direito(110, 540);
    EXPECT_EQ(unidades[w].destinox, 20 * 50);
    EXPECT_EQ(unidades[w].destinoy, 25 * 50);
}

TEST_F(Mouse, RightClickOnAnEnemyMakesItTheTargetWithABattleCry) {
    int32_t h = poe(9, 1200, 1200), o = poe(16, 1400, 1300);
    unidades[h].selecionado = true;
    select_ = uint8_t(h);
    DXDraw1MouseMove(400, 300);
    DXDraw1MouseDown(BOTAODIREITO, 400, 300);
    EXPECT_EQ(unidades[h].alvo, o);
    EXPECT_EQ(unidades[h].destinox, 1400);
    EXPECT_EQ(voz, 26);
    DXDraw1MouseUp(BOTAODIREITO, 400, 300);
    EXPECT_EQ(voz, 99);  // a cry not yet played by a tick is dropped by the release
}

TEST_F(Mouse, OnlyTheHeroMayPickUpItems) {
    int32_t w = poe(6, 1200, 1200);
    criaunidade(12, 1400, 1300, 1, 1400, 1300, 0, 3);
    int32_t bau = w + 1;
    unidades[bau].tamanhox = unidades[bau].tamanhoy = 10;
    unidades[w].selecionado = true;
    select_ = uint8_t(w);
    direito(400, 300);
    EXPECT_EQ(mensagem, "Somente o Seu Vorlando pode pegar itens.");
    EXPECT_EQ(unidades[w].alvo, bau);
}

TEST_F(Mouse, RightClickOnTheRepairButtonTogglesAutomaticRepair) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    limpabotoes();
    criabotao(CONSERTAR, 300, 500);
    desenhabotoes();
    direito(310, 510);
    EXPECT_TRUE(unidades[w].consertoautomatico);
    direito(310, 510);
    EXPECT_FALSE(unidades[w].consertoautomatico);
}

TEST_F(Mouse, ATowerOnABlockedPlaceStaysPendingAndARightClickRefundsIt) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    dinheiro = 1000;
    aperta(CRIARTORRE);
    EXPECT_EQ(dinheiro, 850);
    cursor = 1;
    mouseflag = true;
    esquerdo(300, 300);
    EXPECT_EQ(mensagem, "Não é possivel construir neste lugar !");
    EXPECT_EQ(mousenum, 1);
    direito(300, 300);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(dinheiro, 1000);
    EXPECT_EQ(custopendente, 0);
}

TEST_F(Mouse, ATowerOnAFreePlaceSendsTheWorkerWithItsPrice) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    dinheiro = 1000;
    aperta(CRIARTORRE);
    cursor = 1;
    mouseflag = false;
    esquerdo(300, 350);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(unidades[w].servico, 1);
    EXPECT_EQ(unidades[w].custo, 150);
    EXPECT_EQ(unidades[w].posicao, 2);
    EXPECT_EQ(unidades[w].destinox, 1300);
    EXPECT_EQ(unidades[w].destinoy, 1350);
}

TEST_F(Mouse, RepairTakesOnlyADamagedStructure) {
    int32_t w = poe(6, 1200, 1200), f = poe(2, 1400, 1300), v = poe(6, 1500, 1300);
    select_ = uint8_t(w);
    unidades[w].selecionado = true;
    mousenum = 4;
    esquerdo(400, 300);
    EXPECT_EQ(mensagem, "A estrutura não esta danificada.");
    EXPECT_EQ(mousenum, 4);
    esquerdo(500, 300);
    EXPECT_EQ(mensagem, "Somente estruturas danificadas.");
    unidades[f].hp = unidades[f].hpmax - 10;
    esquerdo(400, 300);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(unidades[w].alvo, f);
    (void)v;
}

TEST_F(Mouse, HealingTakesAWoundedLivingAlly) {
    int32_t c = poe(7, 1200, 1200), w = poe(6, 1400, 1300), o = poe(16, 1500, 1300);
    select_ = uint8_t(c);
    mousenum = 6;
    unidades[w].hpmax = 100;
    unidades[w].hp = 100;
    esquerdo(400, 300);
    EXPECT_EQ(mensagem, "Unidade com HP máximo.");
    EXPECT_EQ(mousenum, 6);
    unidades[o].hp = 1;
    esquerdo(500, 300);
    EXPECT_EQ(mensagem, "Somente unidades aliadas.");
    unidades[w].hp = 40;
    esquerdo(400, 300);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(unidades[c].servico, 4);
    EXPECT_EQ(unidades[c].alvo, w);
    EXPECT_EQ(unidades[c].destinox, 1400);
}

TEST_F(Mouse, TheFireStaffIsNotForOwnTroops) {
    int32_t h = poe(9, 1200, 1200), w = poe(6, 1400, 1300), o = poe(16, 1500, 1300);
    select_ = uint8_t(h);
    mousenum = 10;
    esquerdo(400, 300);
    EXPECT_EQ(mensagem, "Não pode ser usado em suas tropas.");
    EXPECT_EQ(mousenum, 10);
    esquerdo(500, 300);
    EXPECT_EQ(unidades[h].servico, 8);
    EXPECT_EQ(unidades[h].alvo, o);
    (void)w;
}

TEST_F(Mouse, TheFireballAndTheRallyPointTakeAnyPoint) {
    int32_t b = poe(8, 1200, 1200), q = poe(4, 1600, 1600);
    select_ = uint8_t(b);
    mousenum = 9;
    esquerdo(450, 250);
    EXPECT_EQ(unidades[b].servico, 7);
    EXPECT_EQ(unidades[b].destinox, 1450);
    EXPECT_EQ(mousenum, 0);
    unidades[b].selecionado = false;
    select_ = uint8_t(q);
    mousenum = 5;
    esquerdo(10, 400);
    EXPECT_EQ(unidades[q].agrupamentox, 1010);
    EXPECT_EQ(unidades[q].agrupamentoy, 1400);
    // a right click sets it too while nothing is pending
    cursor = 0;
    direito(50, 60);
    EXPECT_EQ(unidades[q].agrupamentox, 1050);
    EXPECT_EQ(unidades[q].agrupamentoy, 1060);
}

TEST_F(Mouse, SelectingAUnitMakesItSpeak) {
    int32_t w = poe(6, 1200, 1200);
    esquerdo(200, 200);
    EXPECT_GE(voz, 5);
    EXPECT_LE(voz, 7);
    EXPECT_EQ(unidades[w].falatempo, 60);
    EXPECT_EQ(unidades[w].falacontagem, 1);
    unidades[w].falatempo = 0;
    unidades[w].falacontagem = 2;
    esquerdo(200, 200);
    EXPECT_EQ(voz, 8);  // the weary line after two greetings
    EXPECT_EQ(unidades[w].falacontagem, 0);
}

TEST_F(Mouse, APendingCommandWithoutItsCasterIsDroppedAndRefunded) {
    mousenum = 2;
    custopendente = 200;
    dinheiro = 0;
    select_ = 0;
    esquerdo(300, 300);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(dinheiro, 200);
    EXPECT_EQ(unidades[0].servico, 0);
}
