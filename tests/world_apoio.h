// Shared set-up of the world and simulation tests: empty tables, zeroed globals, the item
// catalogue, the new-game hero and a fixed random seed.
#pragma once
#include <gtest/gtest.h>

#include "media/media.h"
#include "sim/sim.h"
#include "world/world.h"

inline void mundolimpo() {
    for (auto& u : unidades) u = Unidade{};
    heroisalvo = Unidade{};
    for (auto& e : efeitos) e = Efeito{};
    for (auto& o : objetos) o = Objeto{};
    zeraestado();
    criaitens();
    novoheroisalvo();
    RandSeed(12345);
}

namespace mundoteste {
// A test case that starts with an empty world.
class Mundo : public ::testing::Test {
protected:
    void SetUp() override { mundolimpo(); }
};
}  // namespace mundoteste

// Creates a unit standing still at (x, y) in the lowest free slot and returns that slot (0 when
// the table was full).
// live effects of one type
inline int32_t efeitosdotipo(int32_t t) {
    int32_t n = 0;
    for (int32_t s = 1; s <= MAXEFEITOS; s++) n += efeitos[s].tipo == t;
    return n;
}

inline int32_t poeunidade(int32_t tipo, int32_t x, int32_t y, int32_t pronto = 1) {
    int32_t u = 1;
    while (u <= MAXUNIDADES && unidades[u].tipo != 0) u++;
    if (u > MAXUNIDADES) return 0;
    criaunidade(tipo, x, y, pronto, x, y, 0, 0);
    return unidades[u].tipo != 0 ? u : 0;
}
