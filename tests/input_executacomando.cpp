// Command execution: prices and refusals, training and research, techniques, drinks, menus and
// the screens outside play.
#include "input_apoio.h"

using entradateste::Entrada;

namespace {
struct Comandos : Entrada {
    void SetUp() override {
        Entrada::SetUp();
        dinheiro = 1000;
        comidamax = 10;
        comidausada = 2;
    }
};
}  // namespace

TEST_F(Comandos, TowerWithoutEnoughMoneyIsRefusedWithASound) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    dinheiro = 90;
    aperta(CRIARTORRE);
    EXPECT_EQ(mensagem, "Não há dinheiro suficiente !");
    EXPECT_EQ(mensagemtempo, 200);
    EXPECT_EQ(som, 29);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(dinheiro, 90);
}

TEST_F(Comandos, TowerPaidWaitsForAPlaceWithItsPrice) {
    int32_t w = poe(6, 1200, 1200);
    select_ = uint8_t(w);
    aperta(CRIARFAZENDA);
    EXPECT_EQ(mousenum, 2);
    EXPECT_EQ(custopendente, 200);
    EXPECT_EQ(dinheiro, 800);
}

TEST_F(Comandos, TrainingWithOneFreeFoodTakesNoMoney) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    comidausada = 9;  // one free
    aperta(TREINARFIDELINA);
    EXPECT_EQ(mensagem, "Construa mais fazendas !");
    EXPECT_EQ(dinheiro, 1000);
    EXPECT_EQ(unidades[q].upgradenum, 0);
}

TEST_F(Comandos, WhenSeveralPricesFailTheLastMessageStays) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    comidausada = 10;
    dinheiro = 10;
    aperta(TREINARDURBICO);
    EXPECT_EQ(mensagem, "Construa mais fazendas !");
    EXPECT_EQ(som, 29);
}

TEST_F(Comandos, TrainingStartsProductionAndRemembersItsPrice) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    aperta(TREINARDURBICO);
    const Unidade& a = unidades[q];
    EXPECT_EQ(dinheiro, 900);
    EXPECT_EQ(a.upgradenum, 1);
    EXPECT_EQ(a.upgradeprg, 0);
    EXPECT_EQ(a.upgradeprgmax, 500);
    EXPECT_EQ(a.upgradecusto, 100);
    EXPECT_EQ(a.upgradecomida, 1);
}

TEST_F(Comandos, ResearchIsMarkedRunningAndCancelGivesEverythingBack) {
    int32_t q = poe(5, 1200, 1200);
    select_ = uint8_t(q);
    aperta(FORTALECERESQUELETOS);
    EXPECT_EQ(pesquisa7, 1);
    EXPECT_EQ(unidades[q].upgradeprgmax, 1200);
    EXPECT_EQ(dinheiro, 800);
    cancelaupgrade(q);
    EXPECT_EQ(pesquisa7, 0);
    EXPECT_EQ(dinheiro, 1000);
    EXPECT_EQ(unidades[q].upgradenum, 0);
    EXPECT_EQ(unidades[q].upgradecusto, 0);
}

TEST_F(Comandos, SettingTheRallyPointDuringTrainingKeepsTheRefund) {
    int32_t q = poe(4, 1200, 1200);
    select_ = uint8_t(q);
    aperta(TREINARFIDELINA);
    aperta(PONTOAGRUPAMENTO);
    EXPECT_EQ(mousenum, 5);
    EXPECT_EQ(unidades[q].upgradecusto, 250);
    cancelaupgrade(q);
    EXPECT_EQ(dinheiro, 1000);
}

TEST_F(Comandos, ASpellWithoutEnoughMagicIsRefused) {
    int32_t f = poe(7, 1200, 1200);
    select_ = uint8_t(f);
    unidades[f].mp = 10;
    aperta(INVISIBILIDADE);
    EXPECT_EQ(mensagem, "Não há MP suficiente !");
    EXPECT_EQ(mousenum, 0);
    unidades[f].mp = 60;
    aperta(INVISIBILIDADE);
    EXPECT_EQ(mousenum, 7);
    EXPECT_EQ(unidades[f].customp, 50);
    EXPECT_EQ(unidades[f].mp, 60);  // taken when the spell is cast
}

TEST_F(Comandos, HealingWaitsForATargetOnlyWhenTheHealerIsFree) {
    int32_t f = poe(7, 1200, 1200);
    select_ = uint8_t(f);
    unidades[f].mp = 50;
    unidades[f].posicao = 4;  // casting
    aperta(CURAR);
    EXPECT_EQ(mousenum, 0);
    EXPECT_EQ(som, 0);
    unidades[f].posicao = 1;
    aperta(CURAR);
    EXPECT_EQ(mousenum, 6);
    EXPECT_EQ(som, 15);
    EXPECT_EQ(unidades[f].customp, 5);
}

TEST_F(Comandos, RagingChimpanzeeAtLevelTwoLasts750TicksAndDoesNotStack) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].tecnicas[4] = 2;
    unidades[h].mp = 300;
    aperta(CHIMPANZE);
    EXPECT_EQ(unidades[h].imunidade, 750);
    EXPECT_EQ(unidades[h].mp, 180);
    EXPECT_EQ(brilho, 5);
    EXPECT_EQ(som, 43);
    unidades[h].imunidade = 100;
    aperta(CHIMPANZE);
    EXPECT_EQ(unidades[h].imunidade, 100);
    EXPECT_EQ(unidades[h].mp, 180);
}

TEST_F(Comandos, TremorMakesTheHeroCastAndBecomeVisible) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].tecnicas[2] = 3;
    unidades[h].mp = 100;
    unidades[h].invisivel = 500;
    aperta(TREMOR);
    EXPECT_EQ(unidades[h].posicao, 4);
    EXPECT_EQ(unidades[h].servico, 9);
    EXPECT_EQ(unidades[h].customp, 50);
    EXPECT_EQ(unidades[h].invisivel, 0);
}

TEST_F(Comandos, CancellingAFarmUnderConstructionReturns80Percent) {
    int32_t f = poeunidade(2, 1200, 1200, 0);
    unidades[f].custo = 200;
    select_ = uint8_t(f);
    aperta(CANCELARESTRUTURA);
    EXPECT_EQ(dinheiro, 1160);
    EXPECT_EQ(unidades[f].tipo, 0);
    EXPECT_EQ(select_, 0);
    EXPECT_EQ(som, 39);
    EXPECT_EQ(contaefeitos(), 40);
}

TEST_F(Comandos, RaisingASkeletonTakesTheNearestCorpse) {
    int32_t b = poe(8, 1200, 1200);
    select_ = uint8_t(b);
    unidades[b].mp = 100;
    aperta(RESSUSCITAR);
    EXPECT_EQ(mensagem, "Não há nenhum cadáver perto.");
    EXPECT_EQ(unidades[b].mp, 100);
    criaefeito(1, 0, 1300, 1200, 0);  // the far corpse
    efeitos[1].cadaver = true;
    criaefeito(1, 0, 1250, 1200, 0);  // the near one
    efeitos[2].cadaver = true;
    criaefeito(1, 0, 1560, 1200, 0);  // too far
    efeitos[3].cadaver = true;
    aperta(RESSUSCITAR);
    EXPECT_EQ(efeitos[2].tipo, 41);  // the freed corpse's slot now holds the raised grave
    EXPECT_FALSE(efeitos[2].cadaver);
    EXPECT_TRUE(efeitos[1].cadaver);
    EXPECT_EQ(unidades[b].mp, 70);
    EXPECT_EQ(unidades[b].posicao, 4);
    bool esqueleto = false;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 10 && unidades[u].x == 1250 && unidades[u].y == 1240) esqueleto = true;
    EXPECT_TRUE(esqueleto);
}

TEST_F(Comandos, SummoningTheDemonCostsMagicAndFlashes) {
    int32_t b = poe(8, 1200, 1200);
    select_ = uint8_t(b);
    unidades[b].mp = 200;
    aperta(INVOCARSATANAS);
    EXPECT_EQ(unidades[b].mp, 80);
    EXPECT_EQ(brilho, 15);
    EXPECT_EQ(som, 21);
    EXPECT_EQ(unidades[b + 1].tipo, 11);
    EXPECT_EQ(unidades[b + 1].y, 1220);
}

TEST_F(Comandos, ADrinkWithSixFullSlotsIsRefusedAndRefunded) {
    int32_t h = poe(9, 1200, 1200);
    for (uint8_t& i : unidades[h].itens) i = 1;
    aperta(REFRESCOLIMAOG);
    EXPECT_EQ(mensagem, "Não há mais espaço para itens.");
    EXPECT_EQ(dinheiro, 1000);
    unidades[h].itens[3] = 0;
    aperta(REFRESCOGROSELHAP);
    EXPECT_EQ(unidades[h].itens[3], 27);
    EXPECT_EQ(dinheiro, 950);
    EXPECT_TRUE(inventariocheio(h));
}

TEST_F(Comandos, LearningATechniqueSpendsAPoint) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    unidades[h].pontostecnica = 0;
    aperta(APRENDETREMOR);
    EXPECT_EQ(mensagem, "Não há pontos de técnicas.");
    EXPECT_EQ(unidades[h].tecnicas[2], 0);
    unidades[h].pontostecnica = 2;
    aperta(APRENDETREMOR);
    EXPECT_EQ(unidades[h].tecnicas[2], 1);
    EXPECT_EQ(unidades[h].pontostecnica, 1);
    aperta(ACRESCENTARTECNICAS);
    EXPECT_TRUE(unidades[h].paginatecnicas);
    aperta(CANCELARTECNICAS);
    EXPECT_FALSE(unidades[h].paginatecnicas);
}

TEST_F(Comandos, TheSpeedSliderTakesTheClickedPoint) {
    limpabotoes();
    criabotao(VELOCIDADE, 300, 300);
    desenhabotoes();
    mousex = 300 + 110 - 30;
    executacomando(1);
    EXPECT_EQ(velocidadejogo, 35);
    mousex = 300 + 110;
    executacomando(1);
    EXPECT_EQ(velocidadejogo, 5);
    // the slider spans 0..100: its left end is the slowest, not beyond
    mousex = 300;
    executacomando(1);
    EXPECT_EQ(velocidadejogo, 100);
}

TEST_F(Comandos, TipsPagesStopAtTheFirstAndTheLast) {
    dicaatual = 1;
    aperta(ANTERIOR);
    EXPECT_EQ(dicaatual, 1);
    dicaatual = 15;
    aperta(PROXIMA);
    EXPECT_EQ(dicaatual, 15);
    aperta(ANTERIOR);
    EXPECT_EQ(dicaatual, 14);
}

TEST_F(Comandos, SwitchesToggleAndMusicRestarts) {
    musicaligada = false;
    aperta(MUSICA);
    EXPECT_TRUE(musicaligada);
    EXPECT_TRUE(musicainiciar);
    aperta(SUPERVISAO);
    EXPECT_TRUE(vertudo);
    aperta(SAIRJOGO);
    EXPECT_EQ(menu, 4);
    aperta(SAIRSIM);
    EXPECT_TRUE(sair);
}

TEST_F(Comandos, CheatItemGoesToTheFirstEmptySlotWhileAnyAreLeft) {
    int32_t h = poe(9, 1200, 1200);
    select_ = uint8_t(h);
    itenscheat = 1;
    unidades[h].itens[0] = 5;
    aperta(GANHARITEM);
    EXPECT_GE(unidades[h].itens[1], 1);
    EXPECT_LE(unidades[h].itens[1], 34);
    EXPECT_EQ(itenscheat, 0);
    aperta(GANHARITEM);
    EXPECT_EQ(unidades[h].itens[2], 0);
}

TEST_F(Comandos, NewGameResetsTheHeroToTheStart) {
    heroisalvo.nivel = 9;
    heroisalvo.itens[2] = 7;
    missaoinicial = 1;
    aperta(INICIARJOGO);
    EXPECT_EQ(tela, 4);
    EXPECT_EQ(missao, 1);
    EXPECT_TRUE(preparamissao);
    EXPECT_EQ(heroisalvo.nivel, 1);
    EXPECT_EQ(heroisalvo.forca, 23);
    EXPECT_EQ(heroisalvo.tecnicas[0], 1);
    EXPECT_EQ(heroisalvo.itens[2], 0);
}

TEST_F(Comandos, FinishingAMissionCarriesTheHeroOn) {
    int32_t h = poe(9, 1200, 1200);
    unidades[h].nivel = 7;
    missao = 3;
    aperta(FINALIZARMISSAO);
    EXPECT_EQ(missao, 4);
    EXPECT_EQ(tela, 4);
    EXPECT_TRUE(preparamissao);
    EXPECT_EQ(heroisalvo.nivel, 7);
}

TEST_F(Comandos, FinishingTheTwelfthMissionGoesToTheEnding) {
    missao = 12;
    cenafinal = 3;
    aperta(FINALIZARMISSAO);
    EXPECT_EQ(tela, 6);
    EXPECT_EQ(ciclotela, 0);
    EXPECT_EQ(cenafinal, 0);
    EXPECT_TRUE(musicainiciar);
}

TEST_F(Comandos, GivingUpGoesBackToTheMainMenu) {
    aperta(DESISTIRMISSAO);
    EXPECT_EQ(tela, 3);
    EXPECT_TRUE(preparamissao);
    EXPECT_TRUE(musicaparar);
    aperta(CONTINUAR);
    EXPECT_EQ(tela, 5);
}
