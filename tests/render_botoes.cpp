// The control list: registration, the command table and the drawing of every control style.
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "render_apoio.h"

using jogoteste::Jogo;

namespace {
constexpr uint8_t MARCAICONE = 44, MARCABOTAO = 55;

// The control list over picture lists of plain coloured squares; the built-in lists come back after.
struct Controles : Jogo {
    ImageList icones, botoesimg;
    int32_t h = 0;
    void SetUp() override {
        Jogo::SetUp();
        icones = DXImageListIcones;
        botoesimg = DXImageListBotoes;
        enchelista(DXImageListIcones, 41, 40, 40, MARCAICONE);
        enchelista(DXImageListBotoes, 32, 40, 40, MARCABOTAO);
        h = poeunidade(9, 1200, 1200);
        select_ = uint8_t(h);
        mousex = mousey = 5;  // off every control
    }
    void TearDown() override {
        DXImageListIcones = icones;
        DXImageListBotoes = botoesimg;
        Jogo::TearDown();
    }
    // Whether some pixel of the box has exactly colour c.
    static bool temcor(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor c) {
        for (int32_t y = y1; y < y2; y++)
            for (int32_t x = x1; x < x2; x++)
                if (ehcor(x, y, c)) return true;
        return false;
    }
};
}  // namespace

TEST_F(Controles, ASixteenthControlInOneTickIsDropped) {
    for (int32_t k = 0; k < 16; k++) criabotao(1 + k, 10 * k, 0);
    for (int32_t b = 1; b <= 15; b++) EXPECT_EQ(botoes[b].comando, b);
    EXPECT_EQ(botoes[15].posx, 140);
    limpabotoes();
    for (int32_t b = 1; b <= 15; b++) {
        EXPECT_EQ(botoes[b].comando, 0);
        EXPECT_TRUE(botoes[b].legenda.empty());
        EXPECT_EQ(botoes[b].atalho, 0);
    }
}

TEST_F(Controles, EveryHotKeyPositionSelectsTheLetterOfItsCaption) {
    // the letter each command's hot key selects, by command number; '-' for none
    const std::string letras = "-DIBFAAFGF" "TCP-CIEEFS" "F-T-CAFPTG" "C-------CM" "EV-DOASNAP"
                               "MSNHMCIEVD" "GSICSSCSN-" "TDF";
    ASSERT_EQ(letras.size(), size_t(MAXCOMANDOS + 1));
    for (int32_t c = 1; c <= MAXCOMANDOS; c++) {
        const ComandoTabela& t = tabelacomandos[c];
        std::string achada = t.atalho == 0 ? "-" : Utf8Char(t.legenda, t.atalho);
        EXPECT_EQ(achada, std::string(1, letras[size_t(c)])) << "command " << c << " " << t.legenda;
    }
}

TEST_F(Controles, ATableRowFillsCaptionPricesAndLines) {
    criabotao(TREINARFIDELINA, 100, 480);
    const Botao& r = botoes[1];
    EXPECT_EQ(r.legenda, "TREINAR FIDELINA");
    EXPECT_EQ(r.estilo, 1);
    EXPECT_EQ(r.imagem, 2);
    EXPECT_EQ(r.precodinheiro, 250);
    EXPECT_EQ(r.precocomida, 2);
    EXPECT_EQ(r.linha3, "invisíveis e criar esferas protetoras.");
    criabotao(CONSERTAR, 0, 0);
    EXPECT_EQ(botoes[2].automatico, 1);
    EXPECT_TRUE(botoes[2].linha3.empty());
    EXPECT_EQ(botoes[2].linha4, "< Botão direito - Automático >");
    criabotao(CANCELARESTRUTURA, 0, 0);
    EXPECT_EQ(botoes[3].teclaesc, 1);
    EXPECT_EQ(botoes[3].atalho, 0);
}

TEST_F(Controles, ANumberOutsideTheTableIsNeitherDrawnNorAHotKey) {
    criabotao(80, 100, 100);
    EXPECT_EQ(botoes[1].comando, 80);
    EXPECT_EQ(botoes[1].estilo, 0);
    EXPECT_TRUE(botoes[1].legenda.empty());
    EXPECT_EQ(botoes[1].atalho, 0);
    desenhabotoes();
    EXPECT_TRUE(ehcor(110, 110, PRETO));
}

TEST_F(Controles, TechniqueButtonsCostAndDescribeTheCurrentLevel) {
    unidades[h].tecnicas[2] = 2;  // tremor at level 2
    criabotao(TREMOR, 0, 0);
    EXPECT_EQ(botoes[1].precomp, 45);
    EXPECT_EQ(botoes[1].linha4, "<Nível 2> 50 dano / 3 segundos.");
    unidades[h].tecnicas[0] = 0;  // a level outside 1..3 costs nothing
    criabotao(BASTAODEFOGO, 0, 0);
    EXPECT_EQ(botoes[2].precomp, 0);
    unidades[h].tecnicas[4] = 3;
    criabotao(CHIMPANZE, 0, 0);
    EXPECT_EQ(botoes[3].precomp, 140);
    EXPECT_EQ(botoes[3].linha4, "<Nível 3> 20 segundos.");
    EXPECT_EQ(linhanivel(0, 2), "<Nível 2> 200 pontos de dano.");
    EXPECT_EQ(linhanivel(1, 1), "<Nível 1> +1 ponto(s).");
    EXPECT_EQ(linhanivel(3, 3), "<Nível 3> +30% de acréscimo.");
}

TEST_F(Controles, LearnButtonAtLevelTwoShowsThreeAndTheLevelThreeLine) {
    unidades[h].tecnicas[1] = 2;  // protective aura at level 2
    criabotao(APRENDEAURAPROTETORA, 300, 500);
    EXPECT_EQ(botoes[1].numero, 3);
    EXPECT_EQ(botoes[1].linha4, "<Nível 3> +3 ponto(s).");
    EXPECT_EQ(botoes[1].precomp, 0);
    desenhabotoes();
    // the number is light, in the lower right corner over the dark picture
    bool claro = false;
    for (int32_t y = 500 + 20; y < 540; y++)
        for (int32_t x = 300 + 26; x < 340; x++) {
            Cor p = BackPixel(x, y);
            claro = claro || (p.r > 150 && p.g > 150 && p.b > 150);
        }
    EXPECT_TRUE(claro);
    criabotao(ACRESCENTARTECNICAS, 0, 0);
    unidades[h].pontostecnica = 4;
    criabotao(ACRESCENTARTECNICAS, 0, 0);
    EXPECT_EQ(botoes[2].numero, 0);
    EXPECT_EQ(botoes[3].numero, 4);
}

TEST_F(Controles, RefreshmentsTakeTheirLinesFromTheItemCatalogue) {
    criabotao(REFRESCOTAMARINDOG, 0, 0);
    EXPECT_EQ(botoes[1].precodinheiro, 160);
    EXPECT_EQ(botoes[1].linha1, itenstabela[30].descricao[0].str());
    EXPECT_EQ(botoes[1].linha2, itenstabela[30].descricao[1].str());
    EXPECT_FALSE(botoes[1].linha1.empty());
}

TEST_F(Controles, CheckBoxesCopyTheirSwitchAndTheCheatCaptionCountsItems) {
    musicaligada = true;
    efeitosligados = false;
    vertudo = true;
    itenscheat = 3;
    criabotao(MUSICA, 0, 0);
    criabotao(EFEITOSSONOROS, 0, 100);
    criabotao(SUPERVISAO, 0, 200);
    criabotao(GANHARITEM, 0, 300);
    EXPECT_EQ(botoes[1].marcado, 1);
    EXPECT_EQ(botoes[2].marcado, 0);
    EXPECT_EQ(botoes[3].marcado, 1);
    EXPECT_EQ(botoes[4].legenda, "GANHAR ITEM x3");
    desenhabotoes();
    EXPECT_TRUE(ehcor(1, 1, corde(6, MARCAICONE)));  // the ticked box
    FillRect(PRETO, 0, 0, 800, 600);
    limpabotoes();
    criabotao(EFEITOSSONOROS, 50, 50);
    desenhabotoes();
    EXPECT_TRUE(ehcor(51, 51, corde(7, MARCAICONE)));  // the empty box
    EXPECT_EQ(botoes[1].largurabotao, 21);
    EXPECT_EQ(botoes[1].alturabotao, 21);
}

TEST_F(Controles, AButtonTheUnitCannotPayInMagicIsGreyedOut) {
    unidades[h].mp = 10;
    criabotao(INVISIBILIDADE, 200, 500);  // 50 MP
    mousex = 220;
    mousey = 520;
    desenhabotoes();
    EXPECT_TRUE(ehcor(201, 501, corde(3, MARCAICONE)));   // the unaffordable look over the picture
    EXPECT_TRUE(ehcor(571, 369, corde(23, MARCAICONE)));  // the tooltip box
    EXPECT_TRUE(ehcor(576, 385, corde(21, MARCAICONE)));  // the MP icon
    // caption, MP price and lines grey, nothing white
    EXPECT_TRUE(temcor(575, 370, 800, 450, Cor{180, 180, 180}));
    EXPECT_FALSE(temcor(575, 370, 800, 450, Cor{255, 255, 255}));
    // with enough MP the same tooltip is white
    unidades[h].mp = 60;
    FillRect(PRETO, 0, 0, 800, 600);
    desenhabotoes();
    EXPECT_TRUE(ehcor(201, 501, corde(15, MARCABOTAO)));
    EXPECT_TRUE(temcor(575, 370, 800, 450, Cor{255, 255, 255}));
}

TEST_F(Controles, PricesOfMoneyAndFoodStayWhite) {
    criabotao(TREINARDURBICO, 200, 500);
    mousex = 240;  // the right edge still counts
    mousey = 540;  // and so does the bottom edge
    desenhabotoes();
    EXPECT_TRUE(ehcor(576, 385, corde(19, MARCAICONE)));  // money icon
    EXPECT_TRUE(ehcor(636, 385, corde(20, MARCAICONE)));  // food icon
    // white, not the grey of an unaffordable tooltip: some pixel of the digits over the black is
    // brighter than that grey can ever be
    auto branco = [](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        for (int32_t y = y1; y < y2; y++)
            for (int32_t x = x1; x < x2; x++) {
                Cor p = BackPixel(x, y);
                if (p.r > 200 && p.r == p.g && p.g == p.b) return true;
            }
        return false;
    };
    EXPECT_TRUE(branco(595, 385, 635, 400));
    EXPECT_TRUE(branco(655, 385, 700, 400));
}

TEST_F(Controles, ThePointerOnTheRightOrBottomEdgeStillHovers) {
    criabotao(DICAS, 100, 100);  // menu entry, 160 x 33
    desenhabotoes();
    mousex = 260;
    mousey = 133;
    EXPECT_TRUE(apontabotao(1));
    mousex = 261;
    EXPECT_FALSE(apontabotao(1));
    mousex = 100;
    mousey = 134;
    EXPECT_FALSE(apontabotao(1));
    mousey = 100;
    EXPECT_TRUE(apontabotao(1));
    // hovered: the selection bar over the entry
    FillRect(PRETO, 0, 0, 800, 600);
    desenhabotoes();
    EXPECT_TRUE(ehcor(111, 108, corde(39, MARCAICONE)));
    mousex = mousey = 5;
    FillRect(PRETO, 0, 0, 800, 600);
    desenhabotoes();
    EXPECT_TRUE(ehcor(111, 108, corde(5, MARCAICONE)));
}

TEST_F(Controles, AutomaticRepairBlinksAYellowFrame) {
    int32_t w = poeunidade(6, 1300, 1300);
    select_ = uint8_t(w);
    unidades[w].consertoautomatico = true;
    criabotao(CONSERTAR, 200, 500);
    criabotao(CRIARTORRE, 300, 500);
    ciclotela = 24;
    desenhabotoes();
    EXPECT_EQ(botoes[1].destaque, 1);
    EXPECT_EQ(botoes[2].destaque, 0);
    EXPECT_TRUE(ehcor(198, 498, Cor{255, 255, 0}));
    EXPECT_TRUE(ehcor(242, 541, Cor{255, 255, 0}));
    EXPECT_FALSE(ehcor(298, 498, Cor{255, 255, 0}));
    // off for the last 5 ticks of the 30-tick cycle
    FillRect(PRETO, 0, 0, 800, 600);
    ciclotela = 25;
    desenhabotoes();
    EXPECT_FALSE(ehcor(198, 498, Cor{255, 255, 0}));
}

TEST_F(Controles, AutomaticHealingBlinksOnlyOnTheHealButton) {
    int32_t f = poeunidade(7, 1300, 1300);
    select_ = uint8_t(f);
    unidades[f].curaautomatica = true;
    unidades[f].mp = 100;
    criabotao(CURAR, 200, 500);
    criabotao(INVISIBILIDADE, 300, 500);
    ciclotela = 0;
    desenhabotoes();
    EXPECT_TRUE(ehcor(198, 498, Cor{255, 255, 0}));
    EXPECT_FALSE(ehcor(298, 498, Cor{255, 255, 0}));
}

TEST_F(Controles, SliderKnobMovesLeftAsTheTimerIntervalGrowsAndStaysOnTheBar) {
    const Cor indicador = corde(18, MARCAICONE);  // the knob of this list is 40 wide
    criabotao(VELOCIDADE, 300, 300);
    velocidadejogo = 0;
    desenhabotoes();
    EXPECT_EQ(botoes[1].largurabotao, 110);
    EXPECT_EQ(botoes[1].alturabotao, 10);
    // the fastest speed rests the knob against the bar's right end, not past it
    EXPECT_TRUE(ehcor(300 + 110 - 1, 300, indicador));
    EXPECT_TRUE(ehcor(300 + 110 - 40, 300, indicador));
    EXPECT_FALSE(ehcor(300 + 110 + 1, 300, indicador));
    EXPECT_TRUE(ehcor(301, 300, corde(17, MARCAICONE)));
    // away from that end the knob stands 110 - interval pixels right of the bar's start
    FillRect(PRETO, 0, 0, 800, 600);
    velocidadejogo = 60;
    desenhabotoes();
    EXPECT_TRUE(ehcor(300 + 50, 300, indicador));
    EXPECT_FALSE(ehcor(300 + 49, 300, indicador));
    FillRect(PRETO, 0, 0, 800, 600);
    velocidadejogo = 100;
    desenhabotoes();
    EXPECT_TRUE(ehcor(300 + 10 + 1, 300, indicador));
    EXPECT_TRUE(ehcor(300 + 9, 300, corde(17, MARCAICONE)));
}
