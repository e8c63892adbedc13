// Steps 21 and 22 of the gameplay tick: the selection box being dragged and the screen flash.
#include "sim/jogo.h"

#include "input/mouse.h"
#include "render/texto.h"
#include "world/estado.h"

void desenhacaixaselecao() {
    if (!arrastando || mousenum != 0 || pausa) return;
    // the moving corner is kept in map pixels, so the box stays put while the view scrolls
    caixax2 = mousex + camerax;
    caixay2 = mousey + cameray;
    desenharetangulo(caixax1 - camerax, caixay1 - cameray, caixax2 - camerax, caixay2 - cameray, Cor{0, 255, 0});
}

void desenhabrilho() {
    if (brilho <= 0 || pausa) return;
    // red and white in turn over everything drawn so far; the interface comes after it
    pintaretangulo(0, 0, 800, 600, ciclotela % 2 == 0 ? Cor{255, 0, 0} : Cor{255, 255, 255});
    brilho -= 1;
}
