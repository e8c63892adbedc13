// Targeting: an idle unit that attacks by itself takes the nearest enemy it can see, walks after
// it within its chase range and starts an attack when it is within reach. Both sides alike.
#include <cmath>

#include "sim/regras.h"
#include "sim/sim.h"

namespace {

// A live enemy of unit a that can be fought: not a chest, not invisible.
bool alvovalido(const Unidade& a, int32_t t) {
    if (!vivo(t)) return false;
    const Unidade& o = unidades[t];
    return ladooposto(a, o) && !o.bau && o.invisivel == 0;
}

// 1. the nearest enemy; among equally near ones the first in slot order
void maisproximo(int32_t u) {
    Unidade& a = unidades[u];
    if (!a.atacaauto || a.posicao != 1 || a.bau || a.invisivel != 0) return;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        if (!alvovalido(a, i)) continue;
        if (!vivo(a.alvo) || distunidades(a, unidades[i]) < distunidades(a, unidades[a.alvo])) a.alvo = uint16_t(i);
    }
}

// 2. the chase, for units that walk after their target
void persegue(int32_t u) {
    Unidade& a = unidades[u];
    if (a.alvo == 0 || (a.posicao != 1 && a.posicao != 2) || !alvovalido(a, a.alvo)) return;
    const Unidade& t = unidades[a.alvo];
    if (distunidades(a, t) > a.distpersegue || a.invisivel != 0 || a.paralisado != 0 || a.bau) return;
    if (a.correcaorota != 0 || !a.atacaauto || !a.persegue) return;
    apontar(u, arredonda(t.x), arredonda(t.y));
    if (a.velocidade != 0) a.posicao = 2;
}

// 3. the start of an attack: a complete unit with damage and an enemy within reach
void iniciaataque(int32_t u) {
    Unidade& a = unidades[u];
    if (a.posicao == 3 || !alvovalido(a, a.alvo)) return;
    const Unidade& t = unidades[a.alvo];
    if (distunidades(a, t) >= a.distataque || a.paralisado != 0 || a.bau) return;
    if (a.danomin == 0 || a.danomax == 0 || a.construcao != a.construcaomax) return;
    apontar(u, arredonda(t.x), arredonda(t.y));
    a.posicao = 3;
    a.ciclo = 1;
    a.invisivel = 0;  // attacking ends invisibility
}

}  // namespace

void escolhealvo(int32_t u) {
    if (pausa) return;
    maisproximo(u);
    persegue(u);
    iniciaataque(u);
}
