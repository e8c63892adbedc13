// Corpse eaters: a hurt ghoul or wolf walks to a corpse nearby and eats it, healing 5 HP a bite
// and making the corpse rot sooner.
#include <algorithm>

#include "sim/regras.h"
#include "sim/sim.h"
#include "world/efeitos.h"

void comecadaveres(int32_t u) {
    Unidade& a = unidades[u];
    if (!a.comecadaver || a.hp >= a.hpmax || pausa) return;
    for (int32_t e = 1; e <= MAXEFEITOS; e++) {
        Efeito& c = efeitos[e];
        if (c.tipo == 0 || !c.cadaver) continue;
        double d = distancia(a.x, a.y, c.x, c.y);
        // 1. walk to a corpse in sight
        if (a.posicao == 1 && a.paralisado == 0 && d > 50 && d < 250) {
            apontar(u, arredonda(c.x), arredonda(c.y + 20));
            if (a.velocidade != 0) a.posicao = 2;
        }
        // 2. a bite
        if (a.posicao == 1 && a.paralisado == 0 && d <= 50) {
            for (int32_t k = 0; k < 3; k++) criaefeito(42, 0, c.x, c.y + 15, 10);
            a.posicao = 4;
            a.ciclo = 0;
            a.hp += 5;
            c.contador = uint16_t(std::min<int32_t>(65535, c.contador + 10));
        }
    }
}
