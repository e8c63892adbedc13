// Small rules the unit update uses everywhere: a live slot, the two sides, distances between
// units, stopping a unit where it stands and asking for a sound of something on screen.
#pragma once
#include <cstdint>

#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/natela.h"
#include "world/unidades.h"

// A slot number that names a live unit (a stored slot may have been freed since).
inline bool vivo(int32_t i) { return i >= 1 && i <= MAXUNIDADES && unidades[i].tipo != 0; }

// Two units are on different sides when their `inimigo` differs.
inline bool ladooposto(const Unidade& a, const Unidade& b) { return a.inimigo != b.inimigo; }

inline double distunidades(const Unidade& a, const Unidade& b) { return distancia(a.x, a.y, b.x, b.y); }

// The unit stops where it is: its own position (nearest integers) becomes its destination.
inline void paraunidade(Unidade& a) {
    a.destinox = arredonda(a.x);
    a.destinoy = arredonda(a.y);
    a.posicao = 1;
}

// Sounds are asked for only for things on or near the screen; the last request of a tick wins.
inline void somnatela(const Unidade& a, int32_t n) {
    if (natela(a.x, a.y)) som = uint8_t(n);
}
