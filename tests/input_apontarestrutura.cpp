// Whether the pointer is over a unit: its figure from the top of the picture to the foot of its box.
#include "input/apontarestrutura.h"
#include "input/mouse.h"
#include "world_apoio.h"

using mundoteste::Mundo;

namespace {
struct Apontar : Mundo {
    int32_t u = 0;
    void SetUp() override {
        Mundo::SetUp();
        u = poeunidade(6, 500, 400);
        unidades[u].tamanhox = 12;
        unidades[u].tamanhoy = 8;
        unidades[u].desenhoy = 70;
        camerax = 100;
        cameray = 100;
        marcax = marcay = 0;
    }
};
}  // namespace

TEST_F(Apontar, TouchingEdgesCount) {
    // screen box: x 388..412, y 230..308
    mousex = 388; mousey = 230;
    EXPECT_TRUE(apontarestrutura(u));
    mousex = 412; mousey = 308;
    EXPECT_TRUE(apontarestrutura(u));
    mousex = 413;
    EXPECT_FALSE(apontarestrutura(u));
    mousex = 400; mousey = 229;
    EXPECT_FALSE(apontarestrutura(u));
}

TEST_F(Apontar, TheFootprintWidensTheTest) {
    marcax = marcay = 2;
    mousex = 414; mousey = 309;
    EXPECT_TRUE(apontarestrutura(u));
    mousex = 415;
    EXPECT_FALSE(apontarestrutura(u));
}

TEST_F(Apontar, NothingOverThePanelOrForAFreeSlot) {
    unidades[u].y = 580;  // screen box y 410..488, across the panel edge
    mousex = 400; mousey = 460;
    EXPECT_FALSE(apontarestrutura(u));
    mousey = 459;
    EXPECT_TRUE(apontarestrutura(u));
    unidades[u].tipo = 0;
    EXPECT_FALSE(apontarestrutura(u));
    EXPECT_FALSE(apontarestrutura(0));
}
