// Keyboard commands: hot-key groups, hot keys by caption letter, Esc, F1-F3 and the speed keys.
#include "input_apoio.h"

using entradateste::Entrada;

namespace {
using Teclado = Entrada;

void tecla(int32_t vk) { FormKeyDown(vk); }
void comshift(int32_t vk) {
    SetKeyHeld(VK_SHIFT, true);
    FormKeyDown(vk);
    SetKeyHeld(VK_SHIFT, false);
}
}  // namespace

TEST_F(Teclado, ShiftThreeStoresAGroupThatThreeSelectsAndThreeAgainCentres) {
    int32_t a = poe(6, 1200, 1200), b = poe(6, 1300, 1200), c = poe(6, 1400, 1300);
    int32_t h = poe(9, 1800, 1800);
    unidades[a].hpmax = 100;
    unidades[b].hpmax = 140;
    unidades[c].hpmax = 140;
    for (int32_t u : {a, b, c}) unidades[u].selecionado = true;
    select_ = uint8_t(a);
    comshift('3');
    EXPECT_EQ(unidades[a].grupo, 3);
    EXPECT_EQ(unidades[c].grupo, 3);
    EXPECT_EQ(unidades[h].grupo, 0);
    // something else is selected meanwhile
    for (int32_t u : {a, b, c}) unidades[u].selecionado = false;
    unidades[h].selecionado = true;
    select_ = uint8_t(h);
    tecla('3');
    EXPECT_TRUE(unidades[a].selecionado && unidades[b].selecionado && unidades[c].selecionado);
    EXPECT_FALSE(unidades[h].selecionado);
    EXPECT_EQ(select_, b);  // most HP, the first one on ties
    EXPECT_EQ(camerax, 1000);
    tecla('3');
    EXPECT_EQ(camerax, 1000);  // centred on the last member: 1400 - 400
    EXPECT_EQ(cameray, 1050);
}

TEST_F(Teclado, AnotherGroupTakesTheSelectionAndLeavesOnlyItsMembers) {
    int32_t a = poe(6, 1200, 1200), b = poe(6, 1300, 1200);
    unidades[a].selecionado = true;
    select_ = uint8_t(a);
    comshift('2');
    unidades[a].selecionado = false;
    unidades[b].selecionado = true;
    comshift('2');  // b joins group 2, a leaves it
    EXPECT_EQ(unidades[a].grupo, 0);
    EXPECT_EQ(unidades[b].grupo, 2);
}

TEST_F(Teclado, DeadUnitsKeepNoGroup) {
    int32_t a = poe(6, 1200, 1200), b = poe(6, 1300, 1200);
    unidades[a].selecionado = unidades[b].selecionado = true;
    unidades[b].hp = 0;
    select_ = uint8_t(a);
    comshift('4');
    EXPECT_EQ(unidades[a].grupo, 4);
    EXPECT_EQ(unidades[b].grupo, 0);
    unidades[b].grupo = 4;  // a member that died afterwards is not recalled
    unidades[a].selecionado = unidades[b].selecionado = false;
    tecla('4');
    EXPECT_TRUE(unidades[a].selecionado);
    EXPECT_FALSE(unidades[b].selecionado);
}

TEST_F(Teclado, NoGroupsWhileAnEnemyIsTheMainUnit) {
    int32_t a = poe(6, 1200, 1200), o = poe(16, 1300, 1200);
    unidades[a].selecionado = true;
    select_ = uint8_t(o);
    comshift('5');
    EXPECT_EQ(unidades[a].grupo, 0);
}

TEST_F(Teclado, EscWhilePlacingAFarmGivesItsPriceBack) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    dinheiro = 500;
    aperta(CRIARFAZENDA);
    EXPECT_EQ(dinheiro, 300);
    EXPECT_EQ(mousenum, 2);
    tecla(VK_ESCAPE);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(dinheiro, 500);
    EXPECT_EQ(custopendente, 0);
}

TEST_F(Teclado, EscOnATrainingBuildingCancelsWithAFullRefund) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    dinheiro = 500;
    comidamax = 5;
    aperta(TREINARFIDELINA);
    EXPECT_EQ(dinheiro, 250);
    tecla(VK_ESCAPE);
    EXPECT_EQ(unidades[q].upgradenum, 0);
    EXPECT_EQ(dinheiro, 500);
}

TEST_F(Teclado, EscPressesTheControlsThatAnswerIt) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].paginatecnicas = true;
    limpabotoes();
    criabotao(APRENDEBASTAO, 100, 480);
    criabotao(CANCELARTECNICAS, 140, 480);
    tecla(VK_ESCAPE);
    EXPECT_FALSE(unidades[h].paginatecnicas);
}

TEST_F(Teclado, EscOnTheTipsPageGoesBackToTheOptionsPage) {
    menu = 3;
    tecla(VK_ESCAPE);
    EXPECT_EQ(menu, 1);
    tecla(VK_ESCAPE);
    EXPECT_EQ(menu, 0);
    menu = 5;
    tecla(VK_ESCAPE);
    EXPECT_EQ(menu, 0);
}

TEST_F(Teclado, FOneDeselectsEveryOtherUnitEvenWithTheHeroDead) {
    int32_t w = poe(6, 1200, 1200), h = poe(9, 1700, 1900);
    unidades[w].selecionado = true;
    unidades[h].hp = 0;
    tecla(VK_F1);
    EXPECT_FALSE(unidades[w].selecionado);
    EXPECT_FALSE(unidades[h].selecionado);
    unidades[h].hp = 10;
    tecla(VK_F1);
    EXPECT_TRUE(unidades[h].selecionado);
    EXPECT_EQ(select_, h);
    tecla(VK_F1);
    EXPECT_EQ(camerax, 1300);
    EXPECT_EQ(cameray, 1650);
}

TEST_F(Teclado, FTwoOpensTheMenuAndFThreeTheCheatsOnlyWithTheFlagFile) {
    tecla(VK_F1 + 2);
    EXPECT_EQ(menu, 0);
    arquivoanselva = true;
    tecla(VK_F1 + 2);
    EXPECT_EQ(menu, 5);
    menu = 0;
    tecla(VK_F1 + 1);
    EXPECT_EQ(menu, 1);
}

TEST_F(Teclado, MinusPressed200TimesStopsAt100) {
    velocidadejogo = 20;
    for (int32_t k = 0; k < 200; k++) tecla(VK_OEM_MINUS);
    EXPECT_EQ(velocidadejogo, 100);
    for (int32_t k = 0; k < 200; k++) tecla(VK_OEM_PLUS);
    EXPECT_EQ(velocidadejogo, 0);
}

TEST_F(Teclado, HotKeysGoByTheLetterOfTheCaption) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    dinheiro = 1000;
    limpabotoes();
    criabotao(CRIARTORRE, 100, 480);    // G
    criabotao(CRIARFAZENDA, 140, 480);  // F
    tecla('C');
    EXPECT_EQ(mousenum, 0);
    tecla('G');
    EXPECT_EQ(mousenum, 1);
    EXPECT_EQ(dinheiro, 850);
    // the farm's key in the same frame finds the tower waiting: nothing is charged twice
    tecla('F');
    EXPECT_EQ(mousenum, 1);
    EXPECT_EQ(dinheiro, 850);
    tecla(VK_ESCAPE);
    EXPECT_EQ(dinheiro, 1000);
    tecla('F');
    EXPECT_EQ(mousenum, 2);
    EXPECT_EQ(dinheiro, 800);
}

TEST_F(Teclado, HotKeysWorkOnMenuPages) {
    menu = 1;
    limpabotoes();
    criabotao(DICAS, 100, 100);
    criabotao(VOLTARJOGO, 100, 150);
    tecla('D');
    EXPECT_EQ(menu, 3);
    tecla('O');
    EXPECT_EQ(menu, 0);
}

TEST_F(Teclado, TheFireStaffAnswersItsF) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].mp = 100;
    limpabotoes();
    criabotao(BASTAODEFOGO, 100, 480);
    tecla('F');
    EXPECT_EQ(mousenum, 10);
    EXPECT_EQ(codigoletra("CHIMPANZÉ RAIVOSO", 9), 201);  // an accented letter is its own code
}

TEST_F(Teclado, ZLeavesTheTriviaAndTheErrorScreen) {
    tela = 2;
    ciclotela = 49;
    tecla('Z');
    EXPECT_EQ(tela, 2);
    ciclotela = 50;
    tecla('Z');
    EXPECT_EQ(tela, 3);
    tela = 10;
    tecla('Z');
    EXPECT_TRUE(sair);
}
