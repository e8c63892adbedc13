// The panel: frame, counters, mini-map, the side panel of the selected unit and its command grid.
#include <cmath>

#include "render/interface.h"
#include "render_apoio.h"

using jogoteste::Jogo;

namespace {
constexpr uint8_t ICONES = 91, RETRATOS = 92;

struct Painel : Jogo {
    void SetUp() override {
        Jogo::SetUp();
        enchelista(DXImageListIcones, 41, 17, 17, ICONES);
        enchelista(DXImageListRetrato, 40, 70, 70, RETRATOS);
        ImageMapa.SetSize(40, 50);
        DXImageListMapa.Clear();
        mousex = 400;
        mousey = 200;
        select_ = 0;
        mousenum = 0;
        cursor = 0;
    }
    void TearDown() override {
        for (ImageList* l : {&DXImageListIcones, &DXImageListRetrato, &DXImageListMapa}) l->Clear();
        Jogo::TearDown();
    }
    static std::vector<int32_t> comandos() {
        std::vector<int32_t> v;
        for (int32_t b = 1; b <= MAXBOTOES; b++)
            if (botoes[b].comando != 0) v.push_back(botoes[b].comando);
        return v;
    }
    static void desenha() {
        limpabotoes();
        desenhaborda();
    }
    // some pixel of colour c inside the box
    static bool temcor(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor c) {
        for (int32_t x = x1; x < x2; x++)
            for (int32_t y = y1; y < y2; y++)
                if (ehcor(x, y, c)) return true;
        return false;
    }
    // some pixel of text in colour c, its letters anti-aliased over black
    static bool temtexto(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor c) {
        for (int32_t x = x1; x < x2; x++)
            for (int32_t y = y1; y < y2; y++) {
                Cor p = BackPixel(x, y);
                if (p.r < 100) continue;
                double k = double(p.r) / c.r;
                if (std::abs(p.g - c.g * k) <= 3 && std::abs(p.b - c.b * k) <= 3) return true;
            }
        return false;
    }
    int32_t seleciona(int32_t tipo, int32_t x = 1300, int32_t y = 1300) {
        int32_t u = poeunidade(tipo, x, y);
        select_ = uint8_t(u);
        return u;
    }
};
}  // namespace

TEST_F(Painel, WithoutSelectionOnlyFrameCountersAndMiniMap) {
    desenha();
    EXPECT_TRUE(comandos().empty());
    EXPECT_TRUE(ehcor(0, 460, corde(0, ICONES)));
    EXPECT_TRUE(ehcor(750, 460, corde(0, ICONES)));   // the eleventh piece at 750
    EXPECT_TRUE(ehcor(500, 480, corde(1, ICONES)));
    EXPECT_TRUE(ehcor(710, 5, corde(2, ICONES)));
    EXPECT_TRUE(ehcor(717, 33, corde(20, ICONES)));
    EXPECT_TRUE(ehcor(225, 485, corde(22, ICONES)));  // the empty portrait frame
    // a dead selection shows no panel either
    int32_t w = seleciona(6);
    unidades[w].hp = 0;
    desenha();
    EXPECT_TRUE(comandos().empty());
}

TEST_F(Painel, MoneyIsClampedWhenDrawn) {
    dinheiro = -3;
    desenha();
    EXPECT_EQ(dinheiro, 0);
    dinheiro = 1234567;
    desenha();
    EXPECT_EQ(dinheiro, 999999);
}

TEST_F(Painel, FoodAboveItsLimitIsRed) {
    comidausada = 12;
    comidamax = 10;
    desenha();
    EXPECT_TRUE(temcor(730, 34, 781, 50, Cor{255, 50, 50}));
    FillRect(PRETO, 0, 0, 800, 600);
    comidausada = 10;
    desenha();
    EXPECT_FALSE(temcor(730, 34, 781, 50, Cor{255, 50, 50}));
    EXPECT_TRUE(temcor(730, 34, 781, 50, BRANCO));
}

TEST_F(Painel, MoneyGainShowsForItsTicks) {
    recompensavalor = 15;
    recompensatempo = 2;
    desenha();
    EXPECT_TRUE(temcor(670, 8, 706, 24, Cor{255, 255, 100}));
    desenha();
    EXPECT_EQ(recompensatempo, 0);
    FillRect(PRETO, 0, 0, 800, 600);
    desenha();
    EXPECT_FALSE(temcor(670, 8, 706, 24, Cor{255, 255, 100}));
}

TEST_F(Painel, MiniMapWithoutItsPictureDrawsTheViewBoxAndMarks) {
    enchelista(DXImageListEfeitos, 68, 3, 3, 93);
    camerax = 500;  // the box from 110 - 20 + 10 = 100, 540 - 25 + 20 = 535
    cameray = 1000;
    int32_t w = poeunidade(6, 1000, 500);     // own mark at (110 - 20 + 20 - 2, 540 - 25 + 10 - 2)
    int32_t e = poeunidade(13, 1500, 1500);   // an idle enemy: no mark
    desenha();
    EXPECT_TRUE(ehcor(100, 535, BRANCO));
    EXPECT_TRUE(ehcor(115, 546, BRANCO));
    EXPECT_TRUE(ehcor(108, 523, corde(61, 93)));
    EXPECT_FALSE(ehcor(116, 541, corde(67, 93)));
    unidades[e].posicao = 3;  // now it fights
    desenha();
    EXPECT_TRUE(ehcor(116, 541, corde(67, 93)));  // (90 + 30 - 4, 515 + 30 - 4)
    (void)w;
}

TEST_F(Painel, StructureUnderConstructionShowsItsBarAndCancelOnly) {
    int32_t t = seleciona(2);  // farm
    Unidade& a = unidades[t];
    a.construcaomax = 200;
    a.construcao = 100;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{13}));
    EXPECT_EQ(botoes[1].posx, 720);
    EXPECT_EQ(botoes[1].posy, 543);
    EXPECT_TRUE(ehcor(350, 541, Cor{200, 200, 80}));  // half of the bar
    EXPECT_TRUE(ehcor(409, 541, Cor{200, 200, 80}));
    EXPECT_FALSE(ehcor(411, 541, Cor{200, 200, 80}));
    EXPECT_FALSE(ehcor(425, 540, corde(26, ICONES)));  // no food read-out yet
    // complete, it supplies food and offers nothing
    a.construcao = 200;
    FillRect(PRETO, 0, 0, 800, 600);
    desenha();
    EXPECT_TRUE(comandos().empty());
    EXPECT_TRUE(ehcor(425, 540, corde(26, ICONES)));
}

TEST_F(Painel, ShopButtonsWaitUntilItStandsAndTheHeroIsNear) {
    int32_t s = seleciona(3);
    poeunidade(9, 1300 + 150, 1300);
    unidades[s].construcaomax = 100;
    unidades[s].construcao = 50;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{13}));
    unidades[s].construcao = 100;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{32, 33, 34, 35, 36, 37}));
    EXPECT_EQ(botoes[2].posy, 543);
    // a second hero near: the six again, up to 15 controls
    poeunidade(9, 1300, 1350);
    desenha();
    EXPECT_EQ(comandos().size(), 12u);
}

TEST_F(Painel, TrainingBarracksHidesTheGridAndOffersCancelOnHover) {
    int32_t q = seleciona(4);
    Unidade& a = unidades[q];
    a.upgradenum = 1;
    a.upgradeprg = 0;
    a.upgradeprgmax = 500;
    desenha();
    EXPECT_TRUE(comandos().empty());
    EXPECT_FALSE(temtexto(330, 580, 420, 595, Cor{255, 100, 100}));
    mousex = 360;
    mousey = 520;
    desenha();
    EXPECT_TRUE(temtexto(330, 580, 420, 595, Cor{255, 100, 100}));
    a.upgradeprg = a.upgradeprgmax;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{1, 4, 12}));
}

TEST_F(Painel, ParalysedOrBusyUnitsShowNoButtons) {
    int32_t w = seleciona(6);
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{8, 11}));
    unidades[w].paralisado = 10;
    desenha();
    EXPECT_TRUE(comandos().empty());
    unidades[w].paralisado = 0;
    unidades[w].servico = 3;
    desenha();
    EXPECT_TRUE(comandos().empty());
    unidades[w].servico = 0;
    mousenum = 4;
    desenha();
    EXPECT_TRUE(comandos().empty());
}

TEST_F(Painel, HeroTechniquesAndTheLearnPage) {
    int32_t h = seleciona(9);
    Unidade& a = unidades[h];
    for (uint8_t& t : a.tecnicas) t = 3;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{20, 21, 22, 23, 24, 25}));
    a.imunidade = 100;  // the chimpanzee is gone while invulnerable
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{20, 21, 22, 23, 25}));
    a.paginatecnicas = true;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{31}));
    a.tecnicas[3] = 2;
    desenha();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{29, 31}));
    EXPECT_EQ(botoes[1].posx, 630);
    EXPECT_EQ(botoes[1].posy, 543);
}

TEST_F(Painel, InvisiblePortraitFlickersEveryOtherTick) {
    int32_t w = seleciona(6);
    Unidade& a = unidades[w];
    a.invisivel = 500;
    a.retratotempo = 0;
    ciclotela = 3;
    desenha();
    EXPECT_FALSE(ehcor(260, 520, corde(a.retrato, RETRATOS)));
    ciclotela = 4;
    desenha();
    EXPECT_TRUE(ehcor(260, 520, corde(a.retratotempo < a.retratob ? a.retrato : a.retrato2, RETRATOS)));
}

TEST_F(Painel, PortraitCounterStepsOnlyWhileRunning) {
    int32_t w = seleciona(6);
    Unidade& a = unidades[w];
    a.retratoa = 200;
    a.retratotempo = 5;
    desenha();
    EXPECT_EQ(a.retratotempo, 6);
    pausa = true;
    desenha();
    EXPECT_EQ(a.retratotempo, 6);
    pausa = false;
    a.retratotempo = 200;
    desenha();
    EXPECT_EQ(a.retratotempo, 0);  // past retratoa it starts again
}

TEST_F(Painel, InvisibilityTimerLineTurnsRedBelow800) {
    int32_t w = seleciona(6);
    Unidade& a = unidades[w];
    a.invisivel = 1300;  // 10 pixels
    ciclotela = 3;
    desenha();
    EXPECT_TRUE(ehcor(485, 595, Cor{50, 255, 50}));
    a.invisivel = 650;  // 5 pixels, red, black on even ticks
    desenha();
    EXPECT_TRUE(ehcor(482, 595, Cor{255, 0, 0}));
    ciclotela = 4;
    desenha();
    EXPECT_TRUE(ehcor(482, 595, PRETO));
}

TEST_F(Painel, HeroItemsWithTheConsumableMarkAndTheirTooltip) {
    enchelista(DXImageListItens, 25, 41, 40, 94);
    int32_t h = seleciona(9);
    Unidade& a = unidades[h];
    a.itens[0] = 25;  // a refreshment, used by clicking
    a.itens[3] = 1;   // a ring, worn
    ASSERT_TRUE(itenstabela[25].consumivel);
    desenha();
    EXPECT_TRUE(ehcor(521, 481, corde(itenstabela[25].figura, 94)));
    EXPECT_TRUE(ehcor(561, 521, corde(itenstabela[1].figura, 94)));  // slot 4
    // the "1" of slot 1 in white letters over the picture, whose green is 0; none on the ring
    auto claro = [](int32_t x1, int32_t y1) {
        for (int32_t x = x1; x < x1 + 14; x++)
            for (int32_t y = y1; y < y1 + 20; y++)
                if (BackPixel(x, y).g >= 128) return true;
        return false;
    };
    EXPECT_TRUE(claro(548, 500));
    EXPECT_FALSE(claro(588, 540));
    EXPECT_FALSE(ehcor(571, 369, corde(23, ICONES)));
    mousex = 540;  // strictly inside slot 1
    mousey = 500;
    desenha();
    EXPECT_TRUE(ehcor(571, 369, corde(23, ICONES)));  // the tooltip box
    DXImageListItens.Clear();
}

TEST_F(Painel, ExperienceBarPulsesWithTheCycle) {
    int32_t h = seleciona(9);
    Unidade& a = unidades[h];
    a.experiencia = 50;
    a.experienciaprox = 100;  // 83 pixels
    ciclotela = 4;
    desenha();
    EXPECT_TRUE(ehcor(330, 495, Cor{134, 54, 134}));  // B + 30
    EXPECT_TRUE(ehcor(330, 497, Cor{154, 74, 154}));  // B + 50
    EXPECT_TRUE(ehcor(330, 503, Cor{104, 24, 104}));  // B
    EXPECT_TRUE(ehcor(409, 503, Cor{104, 24, 104}));
    EXPECT_FALSE(ehcor(410, 503, Cor{104, 24, 104}));
}

TEST_F(Painel, ChestShowsWhatItHolds) {
    enchelista(DXImageListItens, 25, 41, 40, 94);
    int32_t b = seleciona(12);
    unidades[b].item = 9;
    unidades[b].hp = 0;  // a chest is described without hit points
    desenha();
    EXPECT_TRUE(ehcor(331, 541, corde(itenstabela[9].figura, 94)));
    EXPECT_TRUE(temtexto(330, 500, 490, 512, Cor{255, 255, 100}));
    EXPECT_TRUE(comandos().empty());
    DXImageListItens.Clear();
}

TEST_F(Painel, AttackAndArmourIconsFollowTheirTables) {
    int32_t w = seleciona(6);
    Unidade& a = unidades[w];
    a.iconeataque = 3;
    a.iconedefesa = 7;
    desenha();
    EXPECT_TRUE(ehcor(326, 511, corde(29, ICONES)));
    EXPECT_TRUE(ehcor(326, 541, corde(37, ICONES)));
    a.iconeataque = 9;  // outside the table: no icon
    FillRect(PRETO, 0, 0, 800, 600);
    desenha();
    EXPECT_TRUE(ehcor(326, 511, PRETO));
}
