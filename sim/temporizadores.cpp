// The counters of a unit: the damage and healing labels, the bars that lag behind the hit and
// magic points, the voice cooldown, and the status effects that run out.
#include "sim/regras.h"
#include "sim/sim.h"

namespace {

// A shown value falls by `passo` toward the real one and never stays below it.
void aproxima(double& exibido, double real, double passo) {
    if (exibido > real) exibido -= passo;
    if (exibido < real) exibido = real;
}

// Sphere, invisibility, paralysis (held idle, no target), poison (never below 1 HP), immunity.
void estados(Unidade& a) {
    if (a.esfera != 0) a.esfera -= 1;
    if (a.invisivel != 0) a.invisivel -= 1;
    if (a.paralisado != 0) {
        a.paralisado -= 1;
        a.posicao = 1;
        a.alvo = 0;
    }
    if (a.envenenado != 0) {
        a.envenenado -= 1;
        if (a.hp > 1) a.hp -= a.hpmax * 0.00005;
    }
    if (a.imunidade != 0) a.imunidade -= 1;
}

}  // namespace

void temporizadores(int32_t u) {
    Unidade& a = unidades[u];
    if (a.danotempo > 0 && !pausa) a.danotempo -= 1;
    if (a.danotempo == 0 && !pausa) aproxima(a.hpexibido, a.hp, a.hpmax / 60);
    if (a.curatempo > 0) a.curatempo -= 1;
    if (!pausa) aproxima(a.mpexibido, a.mp, a.mpmax / 120);
    if (a.falatempo != 0) a.falatempo -= 1;
    if (!pausa) estados(a);
}
