// The colour code of the layouts: greens for trees, greys for the other objects, blues for the
// player's units, reds for the enemies, yellows for chests. Only exact colours match.
#include "missions/missoes.h"

// Player units by shade: (100 + 10k, 100 + 10k, 255) is type azuis[k].
static const int32_t azuis[] = {
    6,   // DURBICO
    7,   // FIDELINA
    8,   // BRUXA MORGAVA
    1,   // TORRE DE GUARDA
    2,   // FAZENDA
    3,   // TIENDA DEL DURBICO
    4,   // QUARTEL
    5,   // CASA DA BRUXA MORGAVA
    10,  // ESQUELETO
    11,  // SATANAS
};
static_assert(sizeof(azuis) / sizeof(azuis[0]) == 10, "ten blue shades");

int32_t objetodacor(Cor c) {
    if (c.g == 128 && c.r == c.b && c.r % 10 == 0 && c.r <= 30) return c.r / 10 + 1;  // trees 1..4
    if (c.r == c.g && c.g == c.b && c.r >= 100 && c.r <= 250 && c.r % 10 == 0) return (c.r - 100) / 10 + 5;
    if (c.r == 255 && c.g == 0 && c.b == 255) return 21;  // hidden trap
    return 0;
}

int32_t unidadedacor(Cor c) {
    if (c.r == 0 && c.g == 0 && c.b == 255) return 9;   // the hero
    if (c.r == 0 && c.g == 0 && c.b == 0) return 26;    // the final boss
    if (c.b == 255 && c.r == c.g && c.r >= 100 && c.r <= 190 && c.r % 10 == 0) return azuis[(c.r - 100) / 10];
    if (c.r == 255 && c.g == c.b && c.g % 20 == 0 && c.g <= 240) return 13 + c.g / 20;  // enemies 13..25
    return 0;
}

int32_t itemdacor(Cor c) {
    if (c.r == 255 && c.g == 255 && c.b % 5 == 0 && c.b >= 5 && c.b <= 170) return c.b / 5;
    return 0;
}
