// The worker's trade: starting a building where it was sent, raising a construction site,
// finding damaged structures to repair by itself, and repairing them for a little money a tick.
#include <algorithm>

#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/criaunidade.h"
#include "world/efeitos.h"

namespace {

// The hammering, heard once a working cycle.
void martela(const Unidade& w) {
    if (w.ciclo == 15) somnatela(w, 32 + Random(2));
}

// A player structure that is complete, damaged and not organic (chests have no hit points).
bool precisaconserto(const Unidade& o) {
    return o.tipo != 0 && !o.organico && !o.inimigo && !o.bau && o.construcao == o.construcaomax && o.hp < o.hpmax;
}

}  // namespace

void iniciaobra(int32_t u) {
    Unidade& w = unidades[u];
    if (w.servico < 1 || w.servico > 3 || pausa) return;
    if (distancia(w.x, w.y, w.destinox, w.destinoy) > 60) return;
    int32_t tipo = w.servico;
    w.servico = 0;
    w.custo = 0;
    criaunidade(tipo, w.destinox, w.destinoy, 0, 0, 0, u, 0);  // the worker's target is the new site
}

void constroi(int32_t u) {
    Unidade& w = unidades[u];
    if (w.tipo != 6 || pausa || w.alvo == u || !vivo(w.alvo)) return;
    Unidade& s = unidades[w.alvo];
    if (s.organico || s.construcao >= s.construcaomax || distunidades(w, s) > 60) return;
    // 1. the work
    s.construcao = uint16_t(std::min<int32_t>(s.construcao + ritmotrabalho, s.construcaomax));
    // 2. dust now and then
    if (ciclotela % 20 == 0) {
        double ex = s.x - 20 + Random(40);
        criaefeito(11, 0, ex, s.y + 5, Random(40) - 20);
    }
    // 3. the hammer
    martela(w);
    // 4. finished: the worker stays where it is
    if (s.construcao >= s.construcaomax) {
        s.construcao = s.construcaomax;
        w.alvo = 0;
        w.destinox = arredonda(w.x);
        w.destinoy = arredonda(w.y);
    }
    // 5. the walls rise
    s.hp += ritmotrabalho * 0.4;
    if (s.hp > s.hpmax) s.hp = s.hpmax;
    // 6. the working animation, to the end of its cycle
    w.posicao = 3;
}

void procuraconserto(int32_t u) {
    Unidade& w = unidades[u];
    if (!w.consertoautomatico || pausa || w.alvo != 0 || w.posicao != 1 || w.servico != 0 || dinheiro <= 0) return;
    int32_t melhor = 0;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& o = unidades[i];
        if (!precisaconserto(o) || distunidades(w, o) >= 300) continue;
        if (melhor == 0 || distunidades(w, o) < distunidades(w, unidades[melhor])) melhor = i;
    }
    if (melhor == 0) return;
    apontar(u, arredonda(unidades[melhor].x), arredonda(unidades[melhor].y));
    w.posicao = 2;
    w.alvo = uint16_t(melhor);
}

void conserta(int32_t u) {
    Unidade& w = unidades[u];
    if (w.tipo != 6 || pausa || dinheiro <= 0 || w.alvo == u || !vivo(w.alvo)) return;
    Unidade& s = unidades[w.alvo];
    if (!precisaconserto(s) || distunidades(w, s) > 60) return;
    // 1. the repair; a whole structure sends the worker back to rest
    s.hp += ritmotrabalho * 0.3;
    bool pronto = s.hp >= s.hpmax;
    if (pronto) {
        s.hp = s.hpmax;
        w.alvo = 0;
        paraunidade(w);
    }
    // 2. the price
    dinheiro -= ritmotrabalho * 0.05;
    // 3. the hammer, 4. the working animation
    martela(w);
    if (!pronto) w.posicao = 3;
}
