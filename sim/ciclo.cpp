// The action cycle: every unit with a cycle counts it up; a melee attacker lands its blow when
// the cycle ends, and an attack, a piece of work or a spell ends with it.
#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"

void cicloacao(int32_t u) {
    Unidade& a = unidades[u];
    if (a.ciclomax == 0 || a.paralisado != 0 || pausa) return;
    // 1. the count
    a.ciclo += 1;
    // 2. the melee blow, if the target is still an enemy within reach
    if (a.posicao == 3 && a.ciclo >= a.ciclomax && a.alvo != 0 && !a.adistancia && vivo(a.alvo)) {
        const Unidade& t = unidades[a.alvo];
        if (ladooposto(a, t) && distunidades(a, t) < a.distataque) {
            causadano(u, a.alvo);
            somnatela(a, 34 + Random(3));
        }
    }
    // 3. the end of the cycle
    if (a.ciclo >= a.ciclomax) {
        if (a.posicao == 3 || a.posicao == 4) a.posicao = 1;
        a.ciclo = 0;
    }
}
