// World drawing: the screen windows, the exchange sort, the fog of sight and the marks of a unit.
#include "render/mundo.h"
#include "render_apoio.h"
#include "sim/jogo.h"

using jogoteste::Jogo;

namespace {

struct MundoDesenho : Jogo {
    void SetUp() override {
        Jogo::SetUp();
        enchelista(DXImageListUnidade, 326, 60, 40, MARCAUNIDADE);
        enchelista(DXImageListEfeitos, 108, 6, 6, MARCAEFEITO);
        enchelista(DXImageListObjetos, 23, 10, 10, MARCAOBJETO);
    }
    // A unit of type t at map (x, y) whose picture `desenho` has its top-left corner on its point.
    int32_t unidade(int32_t t, double x, double y, uint16_t desenho) {
        int32_t u = poeunidade(t, int32_t(x), int32_t(y));
        unidades[u].x = x;
        unidades[u].y = y;
        unidades[u].desenho = desenho;
        unidades[u].desenhox = unidades[u].desenhoy = 0;
        unidades[u].organico = false;  // no shadow in the way
        return u;
    }
};

}  // namespace

TEST_F(MundoDesenho, AUnitFiftyPixelsLeftOfTheScreenIsNotDrawnAtFortyNineItIs) {
    int32_t u = unidade(9, 1000 - 50, 1200, 100);
    desenhaunidades();
    EXPECT_FALSE(ehcor(0, 200, corde(100, MARCAUNIDADE)));
    unidades[u].x = 1000 - 49;
    desenhaunidades();
    EXPECT_TRUE(ehcor(0, 200, corde(100, MARCAUNIDADE)));
    EXPECT_TRUE(ehcor(10, 200, corde(100, MARCAUNIDADE)));
    EXPECT_FALSE(ehcor(11, 200, corde(100, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, WindowsAreStrictOnEverySide) {
    EntradaDesenho lista[MAXDESENHO];
    unidade(6, 1000 + 850, 1200, 0);   // right bound
    unidade(6, 1200, 1000 + 550, 0);   // bottom bound of units
    unidade(6, 1200, 1000 - 50, 0);    // top bound
    criaobjeto(5, 1200, 1000 + 589);   // objects reach 40 lower
    criaobjeto(5, 1200, 1000 + 590);
    criaefeito(4, 0, 1200, 1000 + 549, 0);
    EXPECT_EQ(coletadesenho(lista), 2);
    EXPECT_EQ(lista[0].tabela, 2);
    EXPECT_EQ(lista[1].tabela, 3);
}

TEST_F(MundoDesenho, ExchangeSortSwapsEqualKeys) {
    EntradaDesenho l[4] = {{1, 1, 5.0}, {1, 2, 5.0}, {1, 3, 5.0}, {1, 4, 1.0}};
    ordenadesenho(l, 4);
    // the procedure as written: equal keys are swapped each time they are compared
    EntradaDesenho m[4] = {{1, 1, 5.0}, {1, 2, 5.0}, {1, 3, 5.0}, {1, 4, 1.0}};
    for (int i = 0; i < 3; i++)
        for (int j = i; j < 4; j++)
            if (m[i].chave >= m[j].chave) std::swap(m[i], m[j]);
    for (int k = 0; k < 4; k++) EXPECT_EQ(l[k].numero, m[k].numero);
    EXPECT_EQ(l[0].numero, 4);
    EXPECT_EQ(l[1].numero, 3);  // the three equal keys come out reversed
    EXPECT_EQ(l[3].chave, 5.0);
}

TEST_F(MundoDesenho, TwoUnitsOnTheSameRowAreDrawnInTheExchangeSortOrder) {
    // two entries with equal keys: the second is swapped in front, so slot 1 is drawn last, on top
    unidade(6, 1200, 1200, 17);
    unidade(6, 1200, 1200, 18);
    desenhaunidades();
    EXPECT_TRUE(ehcor(210, 210, corde(17, MARCAUNIDADE)));
    // the lower one always covers the higher one
    unidades[2].y = 1201;
    desenhaunidades();
    EXPECT_TRUE(ehcor(210, 210, corde(18, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, EnemyOutOfSightVanishesAndLeavesTheSelectionInTheSameFrame) {
    int32_t h = unidade(9, 1100, 1100, 90);
    unidades[h].alcancevisao = 300;
    int32_t e = unidade(13, 1100 + 299, 1100, 160);
    unidades[e].selecionado = true;
    select_ = uint8_t(e);
    desenhaunidades();
    EXPECT_TRUE(ehcor(399, 100, corde(160, MARCAUNIDADE)));
    EXPECT_EQ(select_, e);
    unidades[e].x = 1100 + 300;  // just out of sight: distance must be below the range
    FillRect(PRETO, 0, 0, 800, 600);
    desenhaunidades();
    EXPECT_FALSE(ehcor(400, 100, corde(160, MARCAUNIDADE)));
    EXPECT_FALSE(unidades[e].selecionado);
    EXPECT_EQ(select_, 0);
    // the cheat shows it again
    vertudo = true;
    desenhaunidades();
    EXPECT_TRUE(ehcor(400, 100, corde(160, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, EnemyOutOfSightIsDroppedByTheWholeTick) {
    int32_t h = poeunidade(9, 1100, 1100);
    int32_t e = poeunidade(13, 1200, 1100);
    unidades[e].selecionado = true;
    select_ = uint8_t(e);
    telajogo();
    EXPECT_EQ(select_, e);
    unidades[e].x = unidades[h].x + unidades[h].alcancevisao + 1;
    telajogo();
    EXPECT_EQ(select_, 0);
    EXPECT_FALSE(unidades[e].selecionado);
}

TEST_F(MundoDesenho, ChestNeedsSightWhateverItsSide) {
    int32_t b = unidade(12, 1300, 1300, 157);
    unidades[b].selecionado = true;
    desenhaunidades();
    EXPECT_FALSE(ehcor(300, 300, corde(157, MARCAUNIDADE)));
    EXPECT_FALSE(unidades[b].selecionado);
    int32_t w = unidade(6, 1300, 1100, 17);
    unidades[w].alcancevisao = 320;
    desenhaunidades();
    EXPECT_TRUE(ehcor(300, 300, corde(157, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, HiddenObjectsAndEffectsNeedSightAlwaysVisibleOnesDoNot) {
    criaobjeto(7, 1300, 1300);   // a mission target
    criaobjeto(5, 1100, 1100);   // a rock
    processaobjetos();
    criaefeito(4, 0, 1500, 1300, 0);   // smoke
    criaefeito(27, 0, 1600, 1300, 0);  // always visible
    processaefeitos();
    desenhaunidades();
    const Objeto& alvo = objetos[1];
    const Objeto& pedra = objetos[2];
    EXPECT_FALSE(ehcor(int(alvo.x) - alvo.desenhox - 1000, int(alvo.y) - alvo.desenhoy - 1000, corde(6, MARCAOBJETO)));
    EXPECT_TRUE(ehcor(int(pedra.x) - pedra.desenhox - 1000, int(pedra.y) - pedra.desenhoy - 1000, corde(4, MARCAOBJETO)));
    const Efeito& fumaca = efeitos[1];
    const Efeito& sempre = efeitos[2];
    EXPECT_FALSE(ehcor(int(fumaca.x) - fumaca.ancorax - 1000, int(fumaca.y) - fumaca.ancoray - 1000 - arredonda(fumaca.z), corde(fumaca.quadro, MARCAEFEITO)));
    EXPECT_TRUE(ehcor(int(sempre.x) - sempre.ancorax - 1000, int(sempre.y) - sempre.ancoray - 1000 - arredonda(sempre.z), corde(sempre.quadro, MARCAEFEITO)));
    // an own unit near them uncovers both
    unidade(6, 1400, 1300, 17);
    FillRect(PRETO, 0, 0, 800, 600);
    desenhaunidades();
    EXPECT_TRUE(ehcor(int(alvo.x) - alvo.desenhox - 1000, int(alvo.y) - alvo.desenhoy - 1000, corde(6, MARCAOBJETO)));
    EXPECT_TRUE(ehcor(int(fumaca.x) - fumaca.ancorax - 1000, int(fumaca.y) - fumaca.ancoray - 1000 - arredonda(fumaca.z), corde(fumaca.quadro, MARCAEFEITO)));
}

TEST_F(MundoDesenho, BlinkingEffectsShowOnEvenFramesAndTheirShadowAlways) {
    unidade(6, 1100, 1100, 17);
    criaefeito(14, 0, 1300, 1200, 0);  // debris: shadow and blinking
    Efeito& f = efeitos[1];
    f.cai = false;
    f.quadro = 31;
    f.ancorax = f.ancoray = 0;
    ciclotela = 3;
    desenhaunidades();
    EXPECT_FALSE(ehcor(300, 200, corde(31, MARCAEFEITO)));
    EXPECT_TRUE(ehcor(300 - 15, 200 - 5, corde(0, MARCAEFEITO)));
    ciclotela = 4;
    desenhaunidades();
    EXPECT_TRUE(ehcor(300, 200, corde(31, MARCAEFEITO)));
    // a landed fireball is not drawn at all
    FillRect(PRETO, 0, 0, 800, 600);
    f.pousou = true;
    desenhaunidades();
    EXPECT_FALSE(ehcor(300, 200, corde(31, MARCAEFEITO)));
    EXPECT_FALSE(ehcor(300 - 15, 200 - 5, corde(0, MARCAEFEITO)));
}

TEST_F(MundoDesenho, InvisibleOwnUnitIsDrawnOnOddFramesOnly) {
    int32_t u = unidade(6, 1200, 1200, 17);
    unidades[u].invisivel = 100;
    ciclotela = 2;
    desenhaunidades();
    EXPECT_FALSE(ehcor(210, 210, corde(17, MARCAUNIDADE)));
    ciclotela = 3;
    desenhaunidades();
    EXPECT_TRUE(ehcor(210, 210, corde(17, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, FloatingUnitsBobAboveTheGround) {
    int32_t u = unidade(11, 1200, 1200, 133);
    unidades[u].rastro = true;
    unidades[u].ciclo = 0;  // cos 0 = 1: 4 + 5 pixels higher
    desenhaunidades();
    EXPECT_TRUE(ehcor(200, 200 - 9, corde(133, MARCAUNIDADE)));
    EXPECT_FALSE(ehcor(200, 200 - 10, corde(133, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, MarksOfAUnit) {
    int32_t u = unidade(6, 1200, 1200, 17);
    Unidade& a = unidades[u];
    a.organico = true;
    a.altura = 40;
    a.esfera = 10;
    a.envenenado = 10;
    a.auraprotetora = 1;
    a.auraguerreira = 1;
    ciclotela = 3;  // odd: sphere and warrior aura
    desenhaunidades();
    EXPECT_TRUE(ehcor(200 - 26, 200 - 65, corde(1, MARCAEFEITO)));       // sphere, over the figure
    EXPECT_TRUE(ehcor(200 - 12, 200 - 40 - 25, corde(68, MARCAEFEITO))); // poison
    EXPECT_TRUE(ehcor(200 - 15, 200 - 7, corde(66, MARCAEFEITO)));       // warrior aura, left of the shadow
    ciclotela = 4;
    FillRect(PRETO, 0, 0, 800, 600);
    desenhaunidades();
    EXPECT_FALSE(ehcor(200 - 26, 200 - 65, corde(1, MARCAEFEITO)));
    EXPECT_TRUE(ehcor(200 - 15, 200 - 7, corde(65, MARCAEFEITO)));  // protective aura
    EXPECT_TRUE(ehcor(200 - 14 + 5, 200 - 4 + 5, corde(0, MARCAEFEITO)));  // the shadow covers the aura
    EXPECT_TRUE(ehcor(200, 200, corde(17, MARCAUNIDADE)));
}

TEST_F(MundoDesenho, ParalysisStarsTurnWithTheCycle) {
    int32_t u = unidade(6, 1200, 1200, 17);
    unidades[u].paralisado = 50;
    unidades[u].altura = 40;
    struct { int16_t ciclo; int32_t imagem, dx, dy; } casos[] = {{5, 71, 3, 0}, {15, 72, 6, 3}, {25, 73, 9, 6}};
    for (auto c : casos) {
        ciclotela = c.ciclo;
        FillRect(PRETO, 0, 0, 800, 600);
        desenhaunidades();
        EXPECT_TRUE(ehcor(200 - c.dx, 200 - 40 - c.dy, corde(c.imagem, MARCAEFEITO))) << c.ciclo;
    }
}

TEST_F(MundoDesenho, ShopSignForEachHeroNearAFinishedShop) {
    int32_t s = unidade(3, 1200, 1300, 14);
    unidades[s].ciclo = 0;
    desenhaunidades();
    EXPECT_FALSE(ehcor(200 - 10, 300 - 90, corde(59, MARCAEFEITO)));
    unidade(9, 1200, 1300 + 199, 85);
    desenhaunidades();
    EXPECT_TRUE(ehcor(200 - 10, 300 - 90, corde(59, MARCAEFEITO)));
    unidades[s].construcao = 1;  // a site shows none
    FillRect(PRETO, 0, 0, 800, 600);
    desenhaunidades();
    EXPECT_FALSE(ehcor(200 - 10, 300 - 90, corde(59, MARCAEFEITO)));
}

TEST_F(MundoDesenho, DamageAndHealingNumbersFloatOverTheUnit) {
    int32_t u = unidade(6, 1200, 1300, 17);
    unidades[u].desenho = 400;  // no picture: only the numbers
    unidades[u].danotempo = 10;
    unidades[u].danoexibido = 88;
    unidades[u].altura = 40;
    desenhaunidades();
    // own units bleed red numbers just above the head
    bool vermelho = false;
    for (int y = 300 - 40 - 10 - 2; y < 300 - 40 - 10 + 20; y++)
        for (int x = 190; x < 210; x++) vermelho = vermelho || ehcor(x, y, Cor{255, 100, 100});
    EXPECT_TRUE(vermelho);
}
