// The ground: tiles follow the camera by the remainder rule, and a missing tile draws nothing.
#include "render/mundo.h"
#include "render_apoio.h"
#include "sim/jogo.h"

using jogoteste::Jogo;

namespace {
struct Cenario : Jogo {
    // The tile pixel (column, row) that screen point (sx, sy) should show for the current camera.
    static Cor esperado(int32_t sx, int32_t sy, int32_t w, int32_t h) {
        int32_t c = ((sx + camerax) % w + w) % w, r = ((sy + cameray) % h + h) % h;
        return Cor{uint8_t(c), uint8_t(r), 250};
    }
};
}  // namespace

TEST_F(Cenario, TilesCoverTheScreenAndFollowTheCamera) {
    poecenario(64, 48);
    for (auto [cx, cy] : {std::pair{0, 0}, std::pair{1000, 1000}, std::pair{-10, -60}, std::pair{1175, 1980}, std::pair{37, -13}}) {
        camerax = cx;
        cameray = cy;
        FillRect(PRETO, 0, 0, 800, 600);
        desenhacenario();
        for (auto [sx, sy] : {std::pair{0, 0}, std::pair{799, 599}, std::pair{400, 300}, std::pair{799, 0}, std::pair{0, 599}, std::pair{123, 457}})
            EXPECT_TRUE(ehcor(sx, sy, esperado(sx, sy, 64, 48))) << cx << "," << cy << " at " << sx << "," << sy;
    }
}

TEST_F(Cenario, TheMissionPicksTheTile) {
    poecenario(50, 50);
    Bitmap b;
    b.SetSize(30, 30);
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 30; x++) b.SetPixel(x, y, Cor{9, 8, 7});
    SetItemPicture(DXImageListCenario.Add(), b, "Cenario", false);
    cenario = 1;
    desenhacenario();
    EXPECT_TRUE(ehcor(0, 0, Cor{9, 8, 7}));
    EXPECT_TRUE(ehcor(799, 599, Cor{9, 8, 7}));
}

TEST_F(Cenario, TileBeyondTheLoadedOnesDrawsNoGroundButTheRestOfTheFrame) {
    poecenario(50, 50);
    cenario = 2;  // only tile 0 was loaded
    enchelista(DXImageListUnidade, 90, 20, 30, MARCAUNIDADE);
    int32_t h = poeunidade(9, 1200, 1200);
    brilho = 0;
    FillRect(Cor{1, 2, 3}, 0, 0, 800, 600);
    telajogo();
    EXPECT_TRUE(ehcor(700, 100, Cor{1, 2, 3}));  // no ground
    // the hero's frame after the unit update, with its anchors, standing at (200, 200)
    const Unidade& a = unidades[h];
    EXPECT_EQ(a.desenho, 85);
    EXPECT_TRUE(ehcor(200 - a.desenhox + 5, 200 - a.desenhoy + 5, corde(85, MARCAUNIDADE)));
    EXPECT_EQ(tela, 5);
}
