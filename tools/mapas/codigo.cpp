// The colour code of the layouts: objects in greys and greens, the player's units in blues,
// enemies in reds, chests in yellows, open ground (100, 150, 100).
#include "mapas/mapas.h"

// Player unit types by their blue shade (100, 110, ... 190 with blue 255).
static const int tonsazuis[] = {
    6,   // (100, 100, 255) DURBICO
    7,   // (110, 110, 255) FIDELINA
    8,   // (120, 120, 255) BRUXA MORGAVA
    1,   // (130, 130, 255) TORRE DE GUARDA
    2,   // (140, 140, 255) FAZENDA
    3,   // (150, 150, 255) TIENDA DEL DURBICO
    4,   // (160, 160, 255) QUARTEL
    5,   // (170, 170, 255) CASA DA BRUXA MORGAVA
    10,  // (180, 180, 255) ESQUELETO
    11,  // (190, 190, 255) SATANAS
};
static_assert(sizeof(tonsazuis) / sizeof(tonsazuis[0]) == 10, "ten blue shades");

static void poe(uint8_t& r, uint8_t& g, uint8_t& b, int vr, int vg, int vb) { r = uint8_t(vr); g = uint8_t(vg); b = uint8_t(vb); }

void corconteudo(int c, uint8_t& r, uint8_t& g, uint8_t& b) {
    poe(r, g, b, 100, 150, 100);
    if (c >= 1 && c <= 4) return poe(r, g, b, 10 * (c - 1), 128, 10 * (c - 1));
    if (c >= 5 && c <= 20) { int v = 100 + 10 * (c - 5); return poe(r, g, b, v, v, v); }
    if (c == 21) return poe(r, g, b, 255, 0, 255);
    if (c >= CONTEUDOBAU + 1 && c <= CONTEUDOBAU + 34) return poe(r, g, b, 255, 255, 5 * (c - CONTEUDOBAU));
    int t = c - CONTEUDOUNIDADE;
    if (t == 9) return poe(r, g, b, 0, 0, 255);
    if (t == 26) return poe(r, g, b, 0, 0, 0);
    if (t >= 13 && t <= 25) return poe(r, g, b, 255, 20 * (t - 13), 20 * (t - 13));
    for (int k = 0; k < 10; k++)
        if (tonsazuis[k] == t) return poe(r, g, b, 100 + 10 * k, 100 + 10 * k, 255);
}

int conteudocor(uint8_t r, uint8_t g, uint8_t b) {
    for (int c = 1; c <= 21; c++) {
        uint8_t cr, cg, cb;
        corconteudo(c, cr, cg, cb);
        if (cr == r && cg == g && cb == b) return c;
    }
    if (r == 255 && g == 255 && b % 5 == 0 && b >= 5 && b <= 170) return CONTEUDOBAU + b / 5;
    for (int t = 1; t <= 26; t++) {
        uint8_t cr, cg, cb;
        corconteudo(CONTEUDOUNIDADE + t, cr, cg, cb);
        if (cr == 100 && cg == 150 && cb == 100) continue;  // the chest has no unit colour
        if (cr == r && cg == g && cb == b) return CONTEUDOUNIDADE + t;
    }
    return 0;
}

bool objetobloqueia(int tipo) { return tipo >= 1 && tipo <= 20 && tipo != 19; }
