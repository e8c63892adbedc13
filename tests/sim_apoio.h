// Shared set-up of the unit update tests: an empty 60 x 60 map, normal work speed, the camera
// over the top-left corner, and one simulation step without drawing.
#pragma once
#include "sim/jogo.h"
#include "tests/world_apoio.h"

namespace simteste {

// One simulation step: the world's part of the gameplay tick, as the tick runs it.
inline void passo() { simulamundo(); }

inline void passos(int32_t n) {
    for (int32_t k = 0; k < n; k++) passo();
}

class Sim : public ::testing::Test {
protected:
    void SetUp() override {
        mundolimpo();
        mapalargura = 60;
        mapaaltura = 60;
        ritmotrabalho = 1;
    }
};

// A unit standing idle at (x, y) after its first update.
inline int32_t parado(int32_t tipo, int32_t x, int32_t y) {
    int32_t u = poeunidade(tipo, x, y);
    unidades[u].posicao = 1;
    return u;
}

}  // namespace simteste
