// Double-click and Ctrl+click on an own unit: every own unit of its type in view, chosen by the
// release as a box over the whole view would choose them (the box's rules pick the main unit).
// The 400 ms are game time, so a recording played back selects what the player selected.
#include "input/cliques.h"
#include "input/mouse.h"
#include "media/media.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

int32_t ultimaunidade = 0;  // the own unit the last press on the map fell on, 0 none
int64_t ultimotempo = 0;    // the game time of that press, ms

// The own unit under the press point, by the box the selection uses; the last one in slot order
// where boxes overlap, as with a box.
int32_t unidadeapontada() {
    const int32_t x = mundox(), y = mundoy();
    int32_t achada = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& a = unidades[i];
        if (a.tipo == 0 || a.inimigo || a.bau) continue;
        if (x < a.x - a.tamanhox || x > a.x + a.tamanhox || y < a.y - a.desenhoy || y > a.y + a.tamanhoy) continue;
        achada = i;
    }
    return achada;
}

}  // namespace

void notacliqueunidade() {
    const int32_t u = unidadeapontada();
    const int64_t agora = GameTime();
    const bool duplo = u != 0 && u == ultimaunidade && agora - ultimotempo <= DUPLOCLIQUE;
    if (u != 0 && (duplo || KeyHeld(VK_CONTROL))) selecaotipo = unidades[u].tipo;
    ultimaunidade = duplo ? 0 : u;  // a third press starts a new pair
    ultimotempo = agora;
}

void caixadatela() {
    caixax1 = camerax;
    caixay1 = cameray;
    caixax2 = camerax + LARGURATELA - 1;
    caixay2 = cameray + 459;  // the play field ends where the panel begins
}
