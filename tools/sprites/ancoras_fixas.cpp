// The anchors the game's drawing code uses for effect and object pictures; the pictures are drawn to fit them.
#include "sprites.h"

// Effect pictures: half width and height above the point (0/0 where the picture hangs from its corner).
const uint8_t efeito_ancorax[NEFEITOS] = {
    0, 0, 7, 6, 5, 4, 7, 9, 10, 12,            // 0-9 shadow, sphere, flame, smoke
    2, 20, 20, 11, 12, 16, 7, 7, 9, 9,         // 10-19 spark, sparkle, bones, small flame
    7, 9, 10, 12, 20, 20, 20, 35, 40, 37,      // 20-29 dust, heap, fireball, fire
    38, 9, 17, 25, 42, 13, 19, 16, 6, 17,      // 30-39 fire, debris, demon, pieces, witch bolt
    17, 17, 17, 17, 17, 17, 17, 13, 13, 4,     // 40-49 witch bolt, Fidelina's bolt, sparkle
    0, 7, 12, 15, 12, 7, 12, 15, 12, 0,        // 50-59 sparkle, arrows, shop sign
    0, 0, 10, 5, 14, 0, 0, 0, 0, 0,            // 60-69 marks, fire bolt, move marker, auras, poison, glow
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // 70-79 glow, stars, leaf
    0, 0, 0, 0, 0, 0, 0, 35, 35, 37,           // 80-89 leaf, corpses
    33, 23, 36, 40, 40, 30, 40, 53, 50, 0,     // 90-99 corpses, selection
    0, 0, 0, 0, 20, 5, 10, 20,                 // 100-107 selection, cloud, bone chip, boss's death
};
const uint8_t efeito_ancoray[NEFEITOS] = {
    0, 0, 7, 6, 5, 4, 7, 9, 10, 12,            // 0-9
    2, 25, 25, 11, 12, 16, 7, 7, 9, 9,         // 10-19
    7, 9, 10, 12, 20, 20, 20, 110, 75, 92,     // 20-29
    74, 9, 13, 30, 98, 23, 41, 27, 7, 16,      // 30-39
    16, 16, 16, 16, 16, 16, 16, 13, 13, 4,     // 40-49
    0, 15, 12, 7, 12, 15, 12, 7, 12, 0,        // 50-59
    0, 0, 10, 5, 28, 0, 0, 0, 0, 0,            // 60-69
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // 70-79
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // 80-89
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,              // 90-99
    0, 0, 0, 0, 0, 5, 10, 90,                  // 100-107
};
static_assert(sizeof efeito_ancorax == NEFEITOS && sizeof efeito_ancoray == NEFEITOS);

// Map object pictures: the picture's left edge is desenhox left of the base point, its top desenhoy above.
const uint8_t objeto_ancorax[NOBJETOS] = {33, 39, 41, 32, 22, 45, 20, 18, 25, 25, 8, 8, 10, 38, 19, 20, 20, 28, 25, 20, 25, 20, 25};
const uint8_t objeto_ancoray[NOBJETOS] = {90, 85, 92, 65, 25, 40, 115, 45, 40, 32, 65, 65, 60, 25, 75, 70, 70, 28, 130, 115, 130, 115, 25};
static_assert(sizeof objeto_ancorax == NOBJETOS && sizeof objeto_ancoray == NOBJETOS);
