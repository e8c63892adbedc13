// The ending (screen state 6): seven slides, each fading in and out, and "FIM" over the last one.
#include "assets/listas.h"
#include "assets/sons.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

// where each slide stands (top-left corner), by `cenafinal`
constexpr int32_t POSICAOSLIDE[7][2] = {
    {50, 50},    // slide 0
    {300, 200},  // slide 1
    {50, 250},   // slide 2
    {350, 30},   // slide 3
    {20, 10},    // slide 4
    {350, 250},  // slide 5
    {100, 100},  // slide 6, the last, under "FIM"
};
static_assert(sizeof(POSICAOSLIDE) / sizeof(POSICAOSLIDE[0]) == 7);

// The slide's cover over the 400 ticks: in over 20, full for 360, out over 20.
int32_t opacidadefinal(int32_t c) {
    if (c < 20) return 12 * c;
    if (c < 380) return 255;
    return 12 * (400 - c);
}

namespace {
void slidefinal(int32_t cena, int32_t a) {
    if (cena > 6 || cena >= DXImageListFinal.Count() || a <= 0) return;
    int32_t x = POSICAOSLIDE[cena][0], y = POSICAOSLIDE[cena][1];
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
