// The view: its limits, the shake, the clicks that move it and the scrolling.
#include "sim/jogo.h"

#include "input/mouse.h"
#include "media/media.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

void limitacamera(int32_t r) {
    // in this order, each test against what the one before left: on a map narrower than the view
    // the upper limit wins
    if (camerax < -10) camerax = -10;
    if (camerax > mapalargura * 50 - r) camerax = mapalargura * 50 - r;
    if (cameray < -60) cameray = -60;
    if (cameray > mapaaltura * 50 - 520) cameray = mapaaltura * 50 - 520;
}

void iniciatremor() {
    cameraxsalva = camerax;
    cameraysalva = cameray;
    if (tremor > 0 && !pausa) {
        camerax += Random(20) - 10;  // x first
        cameray += Random(20) - 10;
        tremor -= 1;
    }
}

void terminatremor() {
    camerax = cameraxsalva;
    cameray = cameraysalva;
}

void cliqueminimapa() {
    // the mini-map is one pixel per cell, centred on (110, 540)
    int32_t w = arredonda(mapalargura / 2.0), h = arredonda(mapaaltura / 2.0);
    if (mousex < 110 - w || mousex > 110 + w || mousey < 540 - h || mousey > 540 + h) return;
    if (!botaoesquerdo || arrastando || mousenum != 0 || pausa) return;
    // the clicked cell comes to the point (400, 250) of the view
    camerax = (mousex - (110 - w)) * 50 - 400;
    cameray = (mousey - (540 - h)) * 50 - 250;
    limitacamera(RTIQUES);
}

void cliqueretrato() {
    if (mousex < 225 || mousex > 295 || mousey < 485 || mousey > 555) return;
    if (select_ == 0 || pausa || !botaoesquerdo || arrastando) return;
    camerax = arredonda(unidades[select_].x - 400);
    cameray = arredonda(unidades[select_].y - 250);
    limitacamera(RTIQUES);
}

void rolagemborda() {
    if (pausa || botaoesquerdo || ponteirofora) return;  // a pointer outside the window rests where it left
    // all four are tested, so a corner scrolls diagonally
    if (mousex <= 5) camerax -= velocidaderolagem;
    if (mousex >= 795) camerax += velocidaderolagem;
    if (mousey <= 5) cameray -= velocidaderolagem;
    if (mousey >= 595) cameray += velocidaderolagem;
}

void rolagemteclado() {
    UpdateInput();
    if (pausa || botaoesquerdo) return;
    if (entrada.up) cameray -= velocidaderolagem;
    if (entrada.down) cameray += velocidaderolagem;
    if (entrada.left) camerax -= velocidaderolagem;
    if (entrada.right) camerax += velocidaderolagem;
}
