// The mini-map: the mission's overview picture centred on (110, 540), the view's box and the marks
// of the player's units, of fighting enemies and, over all of them, of the hero.
#include "assets/listas.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {
// one pixel per 50-pixel cell, centred on (110, 540)
double origemx() { return 110 - ImageMapa.width / 2.0; }
double origemy() { return 540 - ImageMapa.height / 2.0; }

void marca(int32_t figura, double x, double y, int32_t recuo) {
    if (DXImageListEfeitos.Count() <= figura) return;
    DrawItem(DXImageListEfeitos, figura, arredonda(origemx() + x / 50) - recuo, arredonda(origemy() + y / 50) - recuo);
}
}  // namespace

void desenhaminimapa() {
    int32_t w = ImageMapa.width, h = ImageMapa.height;
    // the overview picture
    if (DXImageListMapa.Count() > 0) DrawItem(DXImageListMapa, 0, 110 - arredonda(w / 2.0), 540 - arredonda(h / 2.0));
    // the 800 x 600 view at 1/50
    int32_t mx = arredonda(origemx() + camerax / 50.0), my = arredonda(origemy() + cameray / 50.0);
    desenharetangulo(mx, my, mx + 16, my + 12, BRANCO);
    // own units, and enemies only while they fight; chests never
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || a.heroi || a.bau) continue;
        if (!a.inimigo) marca(61, a.x, a.y, 2);
        else if (a.posicao == 3) marca(67, a.x, a.y, 4);
    }
    // the hero's mark over all others
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].heroi) marca(60, unidades[u].x, unidades[u].y, 4);
}
