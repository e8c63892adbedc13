// The ending (screen state 6): seven slides, each fading in and out, and "FIM" over the last one.
#include "assets/listas.h"
#include "assets/sons.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

// where each slide stands, by `cenafinal`
constexpr int32_t POSX[7] = {50, 300, 50, 350, 20, 350, 100};  // row x
constexpr int32_t POSY[7] = {50, 200, 250, 30, 10, 250, 100};  // row y
static_assert(sizeof(POSX) / sizeof(POSX[0]) == 7 && sizeof(POSY) / sizeof(POSY[0]) == 7);

// The slide's cover over the 400 ticks: in over 20, full for 360, out over 20.
int32_t opacidadefinal(int32_t c) {
    if (c < 20) return 12 * c;
    if (c < 380) return 255;
    return 12 * (400 - c);
}

namespace {
void slidefinal(int32_t cena, int32_t a) {
    if (cena > 6 || cena >= DXImageListFinal.Count() || a <= 0) return;
    int32_t x = POSX[cena], y = POSY[cena];
    if (a == 255) DrawItem(DXImageListFinal, cena, x, y);
    else BlendItem(DXImageListFinal, cena, x, y, x + 400, y + 300, a);
}
}  // namespace

void telafinal() {
    // 1. black
    pintaretangulo(0, 0, 800, 600, PRETO);
    // 2. the ending's own track
    iniciamusicafinal();
    // 3. to 5. the slide of this scene
    int32_t c = ciclotela;
    slidefinal(cenafinal, opacidadefinal(c));
    // 6. the last slide stays, and "FIM" rises out of the dark
    if (cenafinal == 6 && c >= 200) {
        if (c >= 327) ciclotela = c = 327;
        uint8_t g = uint8_t(2 * (c - 200));
        escrevetexto(750, 500, "FIM", "e", 40, Cor{g, g, g});
    }
    if (avancaciclo(400)) {
        ciclotela = 0;
        cenafinal = uint8_t(cenafinal + 1);
    }
}
