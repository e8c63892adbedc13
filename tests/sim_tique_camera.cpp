// The view during play: its limits, edge and arrow scrolling, the shake, and the clicks that move it.
#include "render_apoio.h"
#include "sim/jogo.h"

using jogoteste::Jogo;

namespace {
struct Camera : Jogo {};
}  // namespace

TEST_F(Camera, LimitsApplyInOrderAndTheUpperLimitWinsOnANarrowMap) {
    camerax = -500;
    cameray = -500;
    limitacamera(RTIQUES);
    EXPECT_EQ(camerax, -10);
    EXPECT_EQ(cameray, -60);
    camerax = cameray = 99999;
    limitacamera(RTIQUES);
    EXPECT_EQ(camerax, 40 * 50 - 810);
    EXPECT_EQ(cameray, 50 * 50 - 520);
    limitacamera(RDESENHO);
    EXPECT_EQ(camerax, 40 * 50 - 825);
    // a map narrower than the view: the upper limit is tested last and wins
    mapalargura = 10;
    mapaaltura = 8;
    camerax = cameray = 0;
    limitacamera(RTIQUES);
    EXPECT_EQ(camerax, 500 - 810);
    EXPECT_EQ(cameray, 400 - 520);
}

TEST_F(Camera, EdgeAndArrowScrollingAddUp) {
    mousex = 3;  // left edge
    SetKeyHeld(VK_LEFT, true);
    telajogo();
    EXPECT_EQ(camerax, 1000 - 40);
    EXPECT_EQ(cameray, 1000);
}

TEST_F(Camera, CornersScrollDiagonally) {
    mousex = 797;
    mousey = 598;
    telajogo();
    EXPECT_EQ(camerax, 1020);
    EXPECT_EQ(cameray, 1020);
    mousex = 5;
    mousey = 5;
    telajogo();
    EXPECT_EQ(camerax, 1000);
    EXPECT_EQ(cameray, 1000);
}

TEST_F(Camera, NoScrollingWhileFrozenOrWithTheButtonHeld) {
    mousex = 0;
    SetKeyHeld(VK_UP, true);
    botaoesquerdo = true;
    telajogo();
    EXPECT_EQ(camerax, 1000);
    EXPECT_EQ(cameray, 1000);
    botaoesquerdo = false;
    menu = 1;  // the options menu freezes the game
    telajogo();
    EXPECT_EQ(camerax, 1000);
    EXPECT_EQ(cameray, 1000);
}

TEST_F(Camera, RightEdgeStopsAt825ForDrawingAnd810BetweenTicks) {
    poecenario(50, 50);
    camerax = 40 * 50 - 810;  // as far as scrolling goes
    mousex = 799;             // and still pushing right
    telajogo();
    EXPECT_EQ(camerax, 40 * 50 - 810);
    // the ground was drawn with the camera at 1175: screen column 0 shows tile column 1175 rem 50
    EXPECT_EQ(BackPixel(0, 100).r, (40 * 50 - 825) % 50);
    // without the push the view stays where the drawing clamp put it
    mousex = 400;
    telajogo();
    EXPECT_EQ(camerax, 40 * 50 - 825);
}

TEST_F(Camera, ShakeMovesOnlyTheWorldLayer) {
    poecenario(50, 50);
    tremor = 20;
    arrastando = true;  // the selection box is drawn after the shake is undone
    caixax1 = 1100;
    caixay1 = 1100;
    mousex = 300;
    mousey = 300;
    bool moveu = false;
    for (int i = 0; i < 20; i++) {
        FillRect(PRETO, 0, 0, 800, 600);
        telajogo();
        EXPECT_EQ(camerax, 1000);
        EXPECT_EQ(cameray, 1000);
        EXPECT_EQ(mousex, 300);
        // the box's corner stays where the unshaken camera puts it
        EXPECT_TRUE(ehcor(100, 100, Cor{0, 255, 0}));
        // the ground moved with the shaken camera: (0, 0) no longer shows tile pixel (0, 0)
        Cor c = BackPixel(0, 0);
        if (c.r != 0 || c.g != 0) moveu = true;
    }
    EXPECT_EQ(tremor, 0);
    EXPECT_TRUE(moveu);
    // shake over: the ground is back in place
    telajogo();
    EXPECT_TRUE(ehcor(0, 0, Cor{0, 0, 250}));
}

TEST_F(Camera, NoShakeWhileFrozen) {
    tremor = 5;
    derrotado = true;
    telajogo();
    EXPECT_EQ(tremor, 5);
    EXPECT_TRUE(pausa);
}

TEST_F(Camera, HeldClickOnTheMiniMapCentresTheCell) {
    // a 40 x 50 map: the mini-map spans x 90..130, y 515..565
    mousex = 110;
    mousey = 540;
    botaoesquerdo = true;
    telajogo();
    EXPECT_EQ(camerax, (110 - 90) * 50 - 400);
    EXPECT_EQ(cameray, (540 - 515) * 50 - 250);
    // the far corner is clamped between ticks
    mousex = 130;
    mousey = 565;
    telajogo();
    EXPECT_EQ(camerax, 40 * 50 - 810);
    EXPECT_EQ(cameray, 50 * 50 - 520);
    // outside it, or while a map command waits, nothing moves
    mousex = 89;
    camerax = cameray = 700;
    telajogo();
    EXPECT_EQ(camerax, 700);
    mousex = 110;
    mousenum = 4;
    telajogo();
    EXPECT_EQ(camerax, 700);
}

TEST_F(Camera, HeldClickOnThePortraitCentresTheSelectedUnit) {
    int32_t h = poeunidade(9, 1000, 1200);
    select_ = uint8_t(h);
    mousex = 225;
    mousey = 555;
    botaoesquerdo = true;
    telajogo();
    EXPECT_EQ(camerax, 600);
    EXPECT_EQ(cameray, 950);
    // nothing selected: nothing happens
    select_ = 0;
    camerax = cameray = 100;
    telajogo();
    EXPECT_EQ(camerax, 100);
}
