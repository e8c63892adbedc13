// Portals: ten ticks before the end of each cycle a portal releases one of its monsters, which
// heads for the nearest player unit that can be seen.
#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/criaunidade.h"

namespace {

// The first visible hero (or, with none, the first slot that is not invisible), then every
// nearer visible player unit that is not a chest.
int32_t alvoportal(const Unidade& p) {
    int32_t g = 0;
    for (int32_t i = 1; i <= MAXUNIDADES && g == 0; i++)
        if (unidades[i].tipo != 0 && unidades[i].heroi && unidades[i].invisivel == 0) g = i;
    for (int32_t i = 1; i <= MAXUNIDADES && g == 0; i++)
        if (unidades[i].invisivel == 0) g = i;
    if (g == 0) return 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& o = unidades[i];
        if (o.tipo == 0 || o.inimigo || o.bau || o.invisivel != 0) continue;
        if (distunidades(o, p) < distunidades(unidades[g], p)) g = i;
    }
    return g;
}

// The monster of the portal's level.
int32_t monstroportal(uint8_t nivel) {
    switch (nivel) {
    case 1: return 13;
    case 2: return 14 + Random(2);
    case 3: return 16 + Random(2);
    case 4: return 18 + Random(3);
    default: return 0;
    }
}

}  // namespace

void liberaportal(int32_t u) {
    Unidade& p = unidades[u];
    if (p.tipo != 21 || p.ciclo != p.ciclomax - 10 || p.qtdinimigos == 0 || pausa) return;
    int32_t g = alvoportal(p);
    int32_t t = monstroportal(p.nivel);
    int32_t mx = arredonda(p.x);
    int32_t my = arredonda(g != 0 && p.y > unidades[g].y ? p.y - 40 : p.y + 40);
    // with no goal at all the monster stays where it comes out
    int32_t gx = g != 0 ? arredonda(unidades[g].x) : mx;
    int32_t gy = g != 0 ? arredonda(unidades[g].y) : my;
    if (t != 0) criaunidade(t, mx, my, 0, gx, gy, 0, 0);
    p.qtdinimigos -= 1;
}
