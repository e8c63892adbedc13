// What only the hero does in the unit update: his auras, the staff that raises skeletons from
// corpses, and rising a level.
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/criaunidade.h"
#include "world/efeitos.h"
#include "world/itens.h"

void aurasheroi(int32_t u) {
    const Unidade& h = unidades[u];
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& o = unidades[i];
        if (o.tipo == 0 || o.inimigo || !o.organico || distunidades(h, o) >= 300) continue;
        if (h.tecnicas[1] != 0) o.auraprotetora = h.tecnicas[1];
        if (h.tecnicas[3] != 0) o.auraguerreira = h.tecnicas[3];
    }
}

namespace {

// A corpse becomes a skeleton standing where the corpse lay.
void levantaesqueleto(int32_t e) {
    Efeito& c = efeitos[e];
    double cx = c.x, cy = c.y;
    c.tipo = 0;
    criaefeito(41, 0, cx, cy + 15, 0);
    for (int32_t k = 0; k < 20; k++) criaefeito(42, 0, cx, cy + 15, 10);
    criaunidade(10, arredonda(cx), arredonda(cy + 40), 0, arredonda(cx), arredonda(cy + 40), 0, 0);
}

}  // namespace

void cajadoesqueletos(int32_t u) {
    if (pausa) return;
    for (int32_t s = 0; s < 6; s++) {
        uint8_t n = unidades[u].itens[s];
        if (n == 0 || n > MAXITENS || !itenstabela[n].levantaesqueletos) continue;
        for (int32_t e = 1; e <= MAXEFEITOS; e++) {
            const Efeito& c = efeitos[e];
            if (c.tipo != 0 && c.cadaver && distancia(c.x, c.y, unidades[u].x, unidades[u].y) < 250)
                levantaesqueleto(e);
        }
    }
}

void subirnivel(int32_t u) {
    Unidade& h = unidades[u];
    if (h.experienciaprox == 0 || h.experiencia < h.experienciaprox) return;
    h.nivel += 1;
    h.pontostecnica += 1;
    som = 40;  // heard wherever the hero is
    h.forca += 3;
    h.agilidade += 2;
    h.inteligencia += 2;
    h.hp += 75;
    h.mp += 30;
    h.experiencia -= h.experienciaprox;  // the rest counts toward the next level
    brilho = 10;
}
