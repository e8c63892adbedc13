// The opening (screen state 1): a breathing background and the opening pictures, then a trivia page
// chosen at random.
#include <cmath>

#include "assets/listas.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/auxiliares.h"
#include "world/estado.h"

// Picture k of the opening slides centred on the screen.
void desenhacentrado(const ImageList& lista, int32_t k) {
    if (k >= lista.Count()) return;
    DrawItem(lista, k, 400 - arredonda(ItemWidth(lista, k) / 2.0), 300 - arredonda(ItemHeight(lista, k) / 2.0));
}

// The foreground picture for the cycle counter c: two short flashes of pictures 2, 3 and 4.
int32_t quadroabertura(int32_t c) {
    if ((c >= 50 && c <= 54) || (c >= 100 && c <= 104)) return 2;
    if ((c >= 55 && c <= 59) || (c >= 105 && c <= 109)) return 3;
    if ((c >= 60 && c <= 65) || (c >= 110 && c <= 115)) return 4;
    return 1;
}

// r / 10 rounded, plus one: 95..99 would give 11, so the page is held at 10.
uint8_t paginadosorteio(int32_t r) {
    int32_t p = arredonda(r / 10.0) + 1;
    if (p > 10) p = 10;
    if (p < 1) p = 1;
    return uint8_t(p);
}

uint8_t sorteiapagina() { return paginadosorteio(Random(100)); }

void telaabertura() {
    int32_t c = ciclotela;
    // 1. the background slowly breathes in and out
    if (DXImageListAbertura.Count() > 0) {
        int32_t dx = 10 + arredonda(std::cos(c / 15.0) * 20);
        int32_t dy = 10 + arredonda(std::cos(c / 15.0) * 15);
        StretchItem(DXImageListAbertura, 0, -dx, -dy, 800 + dx, 600 + dy);
    }
    // 2. the foreground picture
    desenhacentrado(DXImageListAbertura, quadroabertura(c));
    // 3. after 150 ticks a trivia page
    if (avancaciclo(150)) {
        tela = 2;
        ciclotela = 0;
        paginajapao = sorteiapagina();
    }
}
