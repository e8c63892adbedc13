// The gameplay tick's own steps: cycle, freeze, requests, food, auras, marks, flash, the defeat box
// and the mission check.
#include "render_apoio.h"
#include "input/teclado.h"
#include "sim/jogo.h"

using jogoteste::Jogo;

namespace {
struct Tique : Jogo {};

int32_t fazenda(int32_t x, int32_t y) { return poeunidade(2, x, y); }
}  // namespace

TEST_F(Tique, CycleWrapsAt30AndIsTheFirstStep) {
    ciclotela = 28;
    telajogo();
    EXPECT_EQ(ciclotela, 29);
    EXPECT_EQ(ciclotelamax, 30);
    telajogo();
    EXPECT_EQ(ciclotela, 0);
}

TEST_F(Tique, TenFarmsGiveSixtyFoodAndSeventeenAreCappedAt99) {
    for (int i = 0; i < 10; i++) fazenda(100 + 60 * i, 100);
    ASSERT_EQ(unidades[1].fornececomida, 6);
    telajogo();
    EXPECT_EQ(comidamax, 60);
    for (int i = 0; i < 7; i++) fazenda(100 + 60 * i, 300);
    telajogo();
    EXPECT_EQ(comidamax, 99);
}

TEST_F(Tique, FarmUnderConstructionSuppliesNothingAndTrainingCountsAsUse) {
    int32_t f = fazenda(100, 100);
    unidades[f].construcao = 10;  // a site
    int32_t q = poeunidade(4, 400, 400);
    unidades[q].upgradecomida = 2;  // a worker in training
    int32_t w = poeunidade(6, 500, 500);
    telajogo();
    EXPECT_EQ(comidamax, unidades[q].fornececomida);
    EXPECT_EQ(comidausada, unidades[w].consomecomida + unidades[q].consomecomida + 2);
}

TEST_F(Tique, MenuOrDefeatFreezesAndRequestsWaitUntilItCloses) {
    for (int i = 0; i < 5; i++) DXWaveListSnd.Add();
    SoundLog().clear();
    som = 3;
    voz = 4;
    int32_t h = poeunidade(9, 1200, 1200);
    select_ = uint8_t(h);
    menu = 1;
    telajogo();
    EXPECT_TRUE(pausa);
    EXPECT_EQ(som, 3);
    EXPECT_EQ(voz, 4);
    EXPECT_TRUE(SoundLog().empty());
    menu = 0;
    telajogo();
    EXPECT_FALSE(pausa);
    EXPECT_EQ(som, 0);
    EXPECT_EQ(voz, 0);
    EXPECT_EQ(unidades[h].falatempo, 59);  // the voice's cool-down, already counted by the unit update
    ASSERT_EQ(SoundLog().size(), 2u);
}

TEST_F(Tique, SoundBeyondTheListStaysPending) {
    for (int i = 0; i < 5; i++) DXWaveListSnd.Add();
    som = 47;
    telajogo();
    EXPECT_EQ(som, 47);
}

TEST_F(Tique, AurasAreClearedEveryTick) {
    int32_t w = poeunidade(6, 1200, 1200);
    unidades[w].auraprotetora = 2;
    unidades[w].auraguerreira = 3;
    telajogo();
    EXPECT_EQ(unidades[w].auraprotetora, 0);
    EXPECT_EQ(unidades[w].auraguerreira, 0);
}

TEST_F(Tique, UnitsGetTheFrameOfTheirTypeAndFacing) {
    int32_t h = poeunidade(9, 1200, 1200);
    unidades[h].posicao = 1;
    unidades[h].ciclo = 1;       // no idle glance in the middle of a cycle
    unidades[h].direcao = 4.71;  // facing down
    int32_t t = poeunidade(1, 1300, 1200);
    telajogo();
    EXPECT_EQ(unidades[h].desenho, 85);
    EXPECT_EQ(unidades[h].tamanhox, 14);
    EXPECT_EQ(unidades[t].desenho, 4);  // a finished tower
    apontar(h, 2000, 1200);              // walking right
    unidades[h].posicao = 2;
    unidades[h].ciclo = 22;              // the second step of the walk
    telajogo();
    EXPECT_EQ(unidades[h].desenho, 91 + 2);
}

TEST_F(Tique, SelectionRingBySizeUnderSelectedUnitsOnly) {
    enchelista(DXImageListEfeitos, 104, 4, 4, MARCAEFEITO);
    int32_t w = poeunidade(6, 1200, 1200);  // box 12 x 8: ring 99
    int32_t q = poeunidade(4, 1500, 1200);  // box 40 x 25: ring 103
    unidades[w].selecionado = true;
    unidades[q].selecionado = true;
    telajogo();
    EXPECT_TRUE(ehcor(200 - 18, 200 - 7, corde(99, MARCAEFEITO)));
    EXPECT_TRUE(ehcor(500 - 45, 200 - 15, corde(103, MARCAEFEITO)));
    unidades[w].selecionado = false;
    FillRect(PRETO, 0, 0, 800, 600);
    telajogo();
    EXPECT_FALSE(ehcor(200 - 18, 200 - 7, corde(99, MARCAEFEITO)));
}

TEST_F(Tique, FlashAlternatesRedAndWhiteAndCountsDown) {
    brilho = 10;
    ciclotela = 1;  // becomes 2: red
    telajogo();
    EXPECT_TRUE(ehcor(400, 300, Cor{255, 0, 0}));
    telajogo();
    EXPECT_TRUE(ehcor(400, 300, Cor{255, 255, 255}));
    EXPECT_EQ(brilho, 8);
}

TEST_F(Tique, DefeatOffersRetryAndGiveUpAndDropsTheMapCommand) {
    derrotado = true;
    mousenum = 4;
    tarefa.cumprida = true;  // met, but lost all the same
    telajogo();
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(botoes[1].comando, 70);
    EXPECT_EQ(botoes[1].posx, 320);
    EXPECT_EQ(botoes[1].posy, 221);
    EXPECT_EQ(botoes[2].comando, 71);
    EXPECT_EQ(botoes[3].comando, 0);  // no "FINALIZAR"
}

TEST_F(Tique, OverTheDefeatBoxTheOptionsOpenAndTheBoxButtonsWaitUnderThePage) {
    derrotado = true;
    arquivoanselva = true;
    telajogo();
    FormKeyDown(VK_F1 + 2);  // F3: no cheats for a lost mission
    EXPECT_EQ(menu, 0);
    FormKeyDown(VK_F1 + 1);  // F2
    EXPECT_EQ(menu, 1);
    menu = 0;
    telajogo();
    DXDraw1MouseDown(BOTAOESQUERDO, 400, 20);  // the menu tab
    DXDraw1MouseUp(BOTAOESQUERDO, 400, 20);
    EXPECT_EQ(menu, 1);
    // under the page the box offers nothing: neither its buttons nor their hot keys
    telajogo();
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        EXPECT_NE(botoes[b].comando, 70) << b;
        EXPECT_NE(botoes[b].comando, 71) << b;
    }
    FormKeyDown('T');  // "TENTAR NOVAMENTE"'s letter
    EXPECT_FALSE(preparamissao);
    EXPECT_EQ(menu, 1);
    // "DICAS" is drawn where "DESISTIR" waits: a click there goes to the tips alone
    DXDraw1MouseDown(BOTAOESQUERDO, 400, 300);
    DXDraw1MouseUp(BOTAOESQUERDO, 400, 300);
    EXPECT_EQ(menu, 3);
    EXPECT_EQ(tela, 5);
    EXPECT_FALSE(preparamissao);
    // the page closed, the box offers its two answers again
    menu = 0;
    telajogo();
    EXPECT_EQ(botoes[1].comando, 70);
    EXPECT_EQ(botoes[2].comando, 71);
}

TEST_F(Tique, MetObjectiveOffersFinalizarUnlessAMenuIsOpen) {
    tarefa.cumprida = true;
    telajogo();
    EXPECT_EQ(botoes[1].comando, 69);
    EXPECT_EQ(botoes[1].posx, 10);
    EXPECT_EQ(botoes[1].posy, 370);
    menu = 1;
    telajogo();
    EXPECT_NE(botoes[1].comando, 69);
}

TEST_F(Tique, ControlsOfTheLastFrameAreEmptiedFirst) {
    criabotao(5, 1, 1);
    telajogo();
    EXPECT_EQ(botoes[1].comando, 0);
}
