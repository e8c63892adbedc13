// The pictures of the effects: which picture of the effect list each type shows at each age, and
// the drawing anchors of every picture.
#include <cmath>

#include "world/efeitos.h"

namespace {

struct Ancora {
    uint8_t x;  // half width of the picture
    uint8_t y;  // height of the picture
};

constexpr int32_t MAXQUADROS = 108;

const Ancora ANCORASEFEITO[] = {
    {0, 0},     // 0 -
    {0, 0},     // 1 -
    {7, 7},     // 2 flame
    {6, 6},     // 3 flame
    {5, 5},     // 4 flame
    {4, 4},     // 5 flame
    {7, 7},     // 6 smoke
    {9, 9},     // 7 smoke
    {10, 10},   // 8 smoke
    {12, 12},   // 9 smoke
    {2, 2},     // 10 spark
    {20, 25},   // 11 healing glow
    {20, 25},   // 12 healing glow
    {11, 11},   // 13 bone
    {12, 12},   // 14 bone
    {16, 16},   // 15 bone
    {7, 7},     // 16 bone
    {7, 7},     // 17 bone
    {9, 9},     // 18 small flame
    {9, 9},     // 19 small flame
    {7, 7},     // 20 dust
    {9, 9},     // 21 dust
    {10, 10},   // 22 dust
    {12, 12},   // 23 dust
    {20, 20},   // 24 ashes
    {20, 20},   // 25 ashes
    {20, 20},   // 26 ashes
    {35, 110},  // 27 fireball
    {40, 75},   // 28 fireball
    {37, 92},   // 29 fireball
    {38, 74},   // 30 fireball
    {9, 9},     // 31 debris
    {17, 13},   // 32 debris
    {25, 30},   // 33 debris
    {42, 98},   // 34 demon's departure
    {13, 23},   // 35 demon's departure
    {19, 41},   // 36 demon's departure
    {16, 27},   // 37 demon's departure
    {6, 7},     // 38 demon's departure
    {17, 16},   // 39 magic bolt
    {17, 16},   // 40 magic bolt
    {17, 16},   // 41 magic bolt
    {17, 16},   // 42 magic bolt
    {17, 16},   // 43 magic bolt
    {17, 16},   // 44 magic bolt
    {17, 16},   // 45 magic bolt
    {17, 16},   // 46 magic bolt
    {13, 13},   // 47 Fidelina's bolt
    {13, 13},   // 48 Fidelina's bolt
    {4, 4},     // 49 bolt sparkle
    {0, 0},     // 50 bolt sparkle
    {7, 15},    // 51 arrow
    {12, 12},   // 52 arrow
    {15, 7},    // 53 arrow
    {12, 12},   // 54 arrow
    {7, 15},    // 55 arrow
    {12, 12},   // 56 arrow
    {15, 7},    // 57 arrow
    {12, 12},   // 58 arrow
    {0, 0},     // 59 -
    {0, 0},     // 60 -
    {0, 0},     // 61 -
    {10, 10},   // 62 fire bolt
    {5, 5},     // 63 fire bolt
    {14, 28},   // 64 order marker
    {0, 0},     // 65 -
    {0, 0},     // 66 -
    {0, 0},     // 67 -
    {0, 0},     // 68 -
    {0, 0},     // 69 -
    {0, 0},     // 70 -
    {0, 0},     // 71 -
    {0, 0},     // 72 -
    {0, 0},     // 73 -
    {0, 0},     // 74 leaf
    {0, 0},     // 75 leaf
    {0, 0},     // 76 leaf
    {0, 0},     // 77 leaf
    {0, 0},     // 78 leaf
    {0, 0},     // 79 leaf
    {0, 0},     // 80 leaf
    {0, 0},     // 81 leaf
    {0, 0},     // 82 leaf
    {0, 0},     // 83 leaf
    {0, 0},     // 84 leaf
    {0, 0},     // 85 leaf
    {0, 0},     // 86 leaf
    {35, 0},    // 87 corpse
    {35, 0},    // 88 corpse
    {37, 0},    // 89 corpse
    {33, 0},    // 90 corpse
    {23, 0},    // 91 corpse
    {36, 0},    // 92 corpse
    {40, 0},    // 93 corpse
    {40, 0},    // 94 corpse
    {30, 0},    // 95 corpse
    {40, 0},    // 96 corpse
    {53, 0},    // 97 corpse
    {50, 0},    // 98 corpse
    {0, 0},     // 99 selection mark
    {0, 0},     // 100 selection mark
    {0, 0},     // 101 selection mark
    {0, 0},     // 102 selection mark
    {0, 0},     // 103 selection mark
    {20, 0},    // 104 raised grave
    {5, 5},     // 105 clod of earth
    {10, 10},   // 106 clod of earth
    {20, 90},   // 107 the boss's death
};
static_assert(sizeof(ANCORASEFEITO) / sizeof(ANCORASEFEITO[0]) == MAXQUADROS, "one row per effect picture");

// A drifting leaf turns over through these pictures, ten animation ticks each.
constexpr uint8_t FOLHA[] = {74, 75, 76, 77, 78, 79, 80, 74, 81, 82, 83, 84, 85, 86};
static_assert(sizeof(FOLHA) == 14, "a leaf's turn lasts 140 ticks");

// An arrow is drawn in one of eight directions, by eighths of a turn starting at -0.3925.
uint8_t quadroflecha(double angulo) {
    double a = std::fmod(angulo, 6.28);
    if (a < 0) a += 6.28;
    if (a < 0.3925) return 53;
    if (a < 1.1775) return 52;
    if (a < 1.9625) return 51;
    if (a < 2.7475) return 58;
    if (a < 3.5325) return 57;
    if (a < 4.3175) return 56;
    if (a < 5.1025) return 55;
    if (a < 5.8875) return 54;
    return 53;
}

// Flames, smoke and dust grow older in four steps of 15 ticks.
uint8_t envelhece(uint8_t primeiro, uint16_t contador) {
    return uint8_t(primeiro + (contador >= 15) + (contador >= 30) + (contador >= 45));
}

}  // namespace

uint8_t quadroefeito(const Efeito& e) {
    const int32_t t = e.tipo, c = e.contador, a = e.animcontador;
    if (t == 1) return envelhece(2, e.contador);
    if (t == 2) return envelhece(6, e.contador);
    if (t == 3) return 10;
    if (t == 4) return c % 2 == 0 ? 12 : 11;
    if (t >= 5 && t <= 9) return uint8_t(13 + t - 5);
    if (t == 10) return c % 2 == 0 ? 19 : 18;
    if (t == 11) return envelhece(20, e.contador);
    if (t == 12) return uint8_t(24 + (c >= 80) + (c >= 160));
    if (t == 13) return a > 15 ? 30 : a >= 11 ? 29 : a >= 6 ? 28 : 27;
    if (t >= 14 && t <= 21) return uint8_t(31 + t - 14);
    if (t == 22) return uint8_t(39 + (a / 4 > 7 ? 7 : a / 4));
    if (t == 23) return a == 1 ? 48 : 47;
    if (t == 24) return a == 1 ? 50 : 49;
    if (t == 25) return quadroflecha(e.angulo);
    if (t == 26) return a == 1 ? 63 : 62;
    if (t == 27) return 64;
    if (t == 28) return FOLHA[a / 10 > 13 ? 13 : a / 10];
    if (t >= 29 && t <= 40) return uint8_t(87 + t - 29);
    if (t == 41) return 104;
    if (t == 42) return e.z <= 0 ? 106 : 105;
    if (t == 43) return 107;
    return 255;
}

void ancoraefeito(Efeito& e) {
    if (e.quadro < MAXQUADROS) {
        e.ancorax = ANCORASEFEITO[e.quadro].x;
        e.ancoray = ANCORASEFEITO[e.quadro].y;
    } else {
        e.ancorax = 0;
        e.ancoray = 0;
    }
}
