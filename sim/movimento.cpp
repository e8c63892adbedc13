// Walking: a unit steps toward its destination one axis at a time, and after a sidestep it aims
// at its goal again. Units that cannot move (structures, portals) never step.
#include <cmath>

#include "sim/regras.h"
#include "sim/sim.h"
#include "world/posicoesunidades.h"

namespace {

// The end of a sidestep: aim at the target if there is one, else at the destination.
void corrigerota(int32_t u) {
    Unidade& a = unidades[u];
    if (a.correcaorota == 0) return;
    a.correcaorota -= 1;
    if (a.correcaorota != 0) return;
    if (vivo(a.alvo)) apontar(u, arredonda(unidades[a.alvo].x), arredonda(unidades[a.alvo].y));
    else apontar(u, a.destinox, a.destinoy);
}

}  // namespace

void passomovimento(int32_t u) {
    Unidade& a = unidades[u];
    if (a.paralisado != 0 || pausa) return;
    if (a.posicao == 2) {
        // 1. one step along x, then one along y
        double v = a.velocidade + a.velocidadebonus;
        if ((a.x != a.destinox || a.y != a.destinoy) && v != 0) {
            moverunidade(u, std::cos(a.direcao) * v, 0);
            moverunidade(u, 0, -std::sin(a.direcao) * v);
        }
        // 2. route correction
        corrigerota(u);
    }
    // 3. an idle unit has no sidestep pending
    if (a.posicao == 1) a.correcaorota = 0;
    if (a.posicao != 2) return;
    // 4. arrival
    if (a.x == a.destinox && a.y == a.destinoy) a.posicao = 1;
    // 5. the last bit of the way is taken at once
    if (distancia(a.x, a.y, a.destinox, a.destinoy) <= a.velocidade) {
        a.x = a.destinox;
        a.y = a.destinoy;
        anotaposicao(u);
    }
}
