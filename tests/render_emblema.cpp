// The hero badge: bars with their trails, the low-health blink and the tooltip.
#include "render/interface.h"
#include "render_apoio.h"

using jogoteste::Jogo;

namespace {
struct Emblema : Jogo {
    int32_t h = 0;
    void SetUp() override {
        Jogo::SetUp();
        h = poeunidade(9, 1200, 1200);
        unidades[h].hpmax = 300;
        unidades[h].mpmax = 100;
    }
};
}  // namespace

TEST_F(Emblema, HealthBarBlinksBlackAtAThirdOrLess) {
    Unidade& a = unidades[h];
    a.hp = a.hpexibido = 100;  // a third: w = 11
    ciclotela = 2;
    desenhaemblemaheroi();
    EXPECT_TRUE(ehcor(7, 44, Cor{0, 0, 0}));
    EXPECT_TRUE(ehcor(17, 47, Cor{0, 0, 0}));
    ciclotela = 3;
    desenhaemblemaheroi();
    EXPECT_TRUE(ehcor(7, 44, Cor{255 - 77, 77, 0}));
    EXPECT_TRUE(ehcor(17, 47, Cor{255 - 77, 77, 0}));
    EXPECT_TRUE(ehcor(18, 47, Cor{0, 0, 0}));  // the badge's dark ground beyond the bar
}

TEST_F(Emblema, LostHealthFlashesWhiteAndSpentMagicShowsRed) {
    Unidade& a = unidades[h];
    a.hp = 300;
    a.hpexibido = 300;
    a.hp = 150;  // w = round(16.5) = 16, the trail reaches 33
    a.mp = 50;
    a.mpexibido = 100;
    ciclotela = 4;
    desenhaemblemaheroi();
    EXPECT_TRUE(ehcor(7 + 20, 45, Cor{255, 255, 255}));
    EXPECT_TRUE(ehcor(7 + 15, 45, Cor{uint8_t(255 - 7 * 16), uint8_t(7 * 16), 0}));
    EXPECT_TRUE(ehcor(7 + 30, 51, Cor{255, 0, 0}));
    EXPECT_TRUE(ehcor(7 + 10, 51, Cor{100, 100, 255}));
    // on odd ticks the lost part is not flashed
    ciclotela = 5;
    FillRect(PRETO, 0, 0, 800, 600);
    desenhaemblemaheroi();
    EXPECT_TRUE(ehcor(7 + 20, 45, Cor{0, 0, 0}));
}

TEST_F(Emblema, TooltipWhileThePointerRestsOnIt) {
    mousex = 20;
    mousey = 20;
    desenhaemblemaheroi();
    EXPECT_TRUE(ehcor(662, 440, Cor{255, 255, 255}));  // its white outline
    FillRect(PRETO, 0, 0, 800, 600);
    mousenum = 4;  // a command waiting for the map hides it
    desenhaemblemaheroi();
    EXPECT_FALSE(ehcor(662, 440, Cor{255, 255, 255}));
}
