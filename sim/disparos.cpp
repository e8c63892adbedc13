// What leaves a unit at a point of its attack animation: the bolt of a ranged fighter, the arrow
// of a guard tower and the quake of the hero's tremor technique.
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/efeitos.h"

void disparoadistancia(int32_t u) {
    const Unidade& a = unidades[u];
    if (!a.organico || (a.posicao != 3 && a.posicao != 4) || a.ciclo != 15 || pausa) return;
    if (!vivo(a.alvo) || !ladooposto(a, unidades[a.alvo])) return;
    switch (a.tipo) {
    case 7: criaefeito(23, u, a.x, a.y + 1, 45); break;   // Fidelina's bolt
    case 8: criaefeito(22, u, a.x, a.y + 1, 45); break;   // the witch's fire
    case 11: criaefeito(22, u, a.x, a.y + 1, 70); break;  // Satanas, from higher up
    case 26: criaefeito(22, u, a.x, a.y + 1, 45); break;  // the final boss
    default: break;
    }
}

void disparotorre(int32_t u) {
    const Unidade& a = unidades[u];
    if ((a.tipo != 1 && a.tipo != 25) || a.construcao != a.construcaomax || pausa) return;
    if (a.posicao != 3 || a.ciclo != 5 || a.alvo == 0) return;
    criaefeito(25, u, a.x, a.y + 1, 30);
    somnatela(a, 37);
}

void golpetremor(int32_t u) {
    Unidade& h = unidades[u];
    if (h.servico != 9 || !h.organico || (h.posicao != 3 && h.posicao != 4) || h.ciclo < 15 || pausa) return;
    h.mp -= h.customp;
    tremor = 20;
    som = 27;  // heard wherever the hero is
    h.servico = 0;
    int32_t nivel = h.tecnicas[2];
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& o = unidades[i];
        if (o.tipo == 0 || !o.organico || !ladooposto(h, o) || distunidades(h, o) >= 250) continue;
        o.hp -= 25 * nivel;
        if (o.hp < 0) o.hp = 0;
        o.paralisado = uint16_t(50 * nivel + 50);
        o.danoexibido = 25 * nivel;
        o.danotempo = 20;
    }
}
