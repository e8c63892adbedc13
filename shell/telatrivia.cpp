// The trivia page (screen state 2): a drifting background, falling leaves, a picture and three lines
// about Japan; Z leads on to the main menu once the page has been shown a while.
#include "assets/listas.h"
#include "assets/textos.h"
#include "render/mundo.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/efeitos.h"
#include "world/estado.h"

namespace {

// The line of a built-in text, or "" past its end.
const char* linhajapao(int32_t n) { return n >= 0 && n < LINHASJAPAO ? MemoJapao[n] : ""; }

// Slide k at (x, y) when the list holds it.
void slide(int32_t k, int32_t x, int32_t y) {
    if (k < DXImageListAbertura.Count()) DrawItem(DXImageListAbertura, k, x, y);
}

// Leaves fall from the top every 15 ticks, in screen coordinates.
void folhas(int32_t c) {
    if (c % 15 == 0) criaefeito(28, 0, Random(10000) / 10.0, -10, 0);
    processaefeitos();
    desenhaunidades();
}

}  // namespace

void telatrivia() {
    int32_t c = ciclotela;
    int32_t p = paginajapao;
    // 1. black, and the camera at the origin: the effects are drawn in screen coordinates
    pintaretangulo(0, 0, 800, 600, PRETO);
    camerax = 0;
    cameray = 0;
    // 2. the background tile drifts one pixel to the left per tick
    for (int32_t i = 0; i <= 9; i++)
        for (int32_t j = 0; j <= 5; j++) slide(6, 100 * i - c, 100 * j);
    // 3. falling leaves
    folhas(c);
    // 4. the border strip along the top and the side ornaments
    for (int32_t i = 0; i <= 7; i++) slide(7, 100 * i, 20);
    slide(5, 20, 40);
    slide(5, 715, 40);
    // 5. title
    escrevetexto(400, 50, "CURIOSIDADES DO JAPÃO (NIPPON)", "c", 22, BRANCO);
    // 6. the page's picture
    desenhacentrado(DXImageListAbertura, p + 11);
    // 7. the border strip along the bottom
    for (int32_t i = 0; i <= 7; i++) slide(7, 100 * i, 470);
    // 8. the page's three lines
    escrevetexto(400, 482, linhajapao(4 * p - 3), "c", 16, BRANCO);
    escrevetexto(400, 505, linhajapao(4 * p - 2), "c", 16, BRANCO);
    escrevetexto(400, 528, linhajapao(4 * p - 1), "c", 16, BRANCO);
    // 9. the prompt blinks slowly
    if (c > 50 && c < 120) escrevetexto(400, 575, "Aperte Z para continuar.", "c", 14, BRANCO);
    // after the first pass the page cycles 50..149
    if (avancaciclo(150)) ciclotela = 50;
}
