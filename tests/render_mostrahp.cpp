// The bars and captions over a unit: sight, the white trail of lost hit points, the low-health blink
// and the chest's caption.
#include "render/interface.h"
#include "render_apoio.h"

using jogoteste::Jogo;

namespace {
struct Barras : Jogo {
    // the top of the hit-point box of unit u on the screen
    static int32_t topo(int32_t u) { return arredonda(unidades[u].y) - unidades[u].altura - cameray; }
    static int32_t esquerda(int32_t u) { return arredonda(unidades[u].x) - camerax - 30; }
};
}  // namespace

TEST_F(Barras, UnseenEnemyGetsNothingUntilSuperVisao) {
    int32_t e = poeunidade(13, 1400, 1300);
    unidades[e].hp = unidades[e].hpmax = 50;
    mostrahp(e);
    EXPECT_TRUE(ehcor(esquerda(e) + 10, topo(e) + 4, PRETO));
    EXPECT_TRUE(ehcor(esquerda(e) - 2, topo(e), PRETO));
    vertudo = true;
    mostrahp(e);
    EXPECT_TRUE(ehcor(esquerda(e) + 10, topo(e) + 4, Cor{15, 240, 0}));  // full: w = 60
}

TEST_F(Barras, EnemyInSightOfAnOwnUnitIsDescribed) {
    int32_t e = poeunidade(13, 1400, 1300);
    unidades[e].hp = unidades[e].hpmax = 50;
    int32_t w = poeunidade(6, 1420, 1300);
    ASSERT_GT(unidades[w].alcancevisao, 20);
    mostrahp(e);
    EXPECT_TRUE(ehcor(esquerda(e) + 10, topo(e) + 4, Cor{15, 240, 0}));
}

TEST_F(Barras, LowHealthBlinksBlackOnlyOnceComplete) {
    int32_t t = poeunidade(4, 1400, 1300);  // barracks, complete
    Unidade& a = unidades[t];
    a.hpmax = 300;
    a.hp = a.hpexibido = 90;  // w = 18
    ciclotela = 2;
    mostrahp(t);
    EXPECT_TRUE(ehcor(esquerda(t) + 5, topo(t) + 4, PRETO));
    ciclotela = 3;
    mostrahp(t);
    EXPECT_TRUE(ehcor(esquerda(t) + 5, topo(t) + 4, Cor{255 - 72, 72, 0}));
    // under construction it does not blink
    a.construcaomax = 100;
    a.construcao = 10;
    ciclotela = 2;
    mostrahp(t);
    EXPECT_TRUE(ehcor(esquerda(t) + 5, topo(t) + 4, Cor{255 - 72, 72, 0}));
}

TEST_F(Barras, LostHitPointsFlashWhiteOnEvenTicks) {
    int32_t w = poeunidade(6, 1400, 1300);
    Unidade& a = unidades[w];
    a.hpmax = 100;
    a.hp = 50;
    a.hpexibido = 80;  // white to 48, colour to 30
    ciclotela = 4;
    mostrahp(w);
    EXPECT_TRUE(ehcor(esquerda(w) + 40, topo(w) + 4, BRANCO));
    EXPECT_TRUE(ehcor(esquerda(w) + 20, topo(w) + 4, Cor{135, 120, 0}));
    FillRect(PRETO, 0, 0, 800, 600);
    ciclotela = 5;
    mostrahp(w);
    EXPECT_TRUE(ehcor(esquerda(w) + 40, topo(w) + 4, PRETO));
}

TEST_F(Barras, ChestFarFromEveryOwnUnitShowsNothing) {
    int32_t b = poeunidade(12, 1400, 1300);
    unidades[b].item = 3;
    unidades[b].hpmax = 0;
    unidades[b].inteligencia = 0;
    mostrahp(b);
    bool algo = false;
    for (int32_t x = 300; x < 500 && !algo; x++)
        for (int32_t y = 200; y < 320 && !algo; y++) algo = !ehcor(x, y, PRETO);
    EXPECT_FALSE(algo);
    poeunidade(9, 1450, 1300);  // the hero comes near
    mostrahp(b);
    for (int32_t x = 300; x < 500 && !algo; x++)
        for (int32_t y = 200; y < 320 && !algo; y++) algo = !ehcor(x, y, PRETO);
    EXPECT_TRUE(algo);
}

TEST_F(Barras, SummonedLifeBlinksInItsLastQuarter) {
    int32_t s = poeunidade(10, 1400, 1300);
    Unidade& a = unidades[s];
    a.inteligencia = 0;
    a.tempovidamax = 1000;
    a.tempovida = 200;  // l = 12
    int32_t y = arredonda(a.y) - (a.altura - 10) - cameray + 1;
    ciclotela = 2;
    mostrahp(s);
    EXPECT_TRUE(ehcor(esquerda(s) + 5, y, PRETO));
    ciclotela = 3;
    mostrahp(s);
    EXPECT_TRUE(ehcor(esquerda(s) + 5, y, BRANCO));
    EXPECT_TRUE(ehcor(esquerda(s) + 13, y, PRETO));
}
