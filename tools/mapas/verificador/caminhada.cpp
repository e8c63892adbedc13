// A route walked by the real movement: the hero, invisible and invulnerable so that no fight stops
// him, gets one right click per point and must arrive at each within 1.5 times the straight time.
#include "mapas/verificador/verificador.h"

#include <cmath>

#include "missions/missoes.h"
#include "world/unidades.h"

namespace {

// Whether the hero has done what the last leg of the route is for.
bool cumpriu(const Rota& r, const Unidade& h) {
    switch (r.destino) {
    case Destino::OBJETIVO:
        return h.x >= tarefa.areax1 && h.x <= tarefa.areax2 && h.y >= tarefa.areay1 && h.y <= tarefa.areay2;
    case Destino::PORTAL:
    case Destino::CHEFE:
        return std::hypot(h.x - r.alvox, h.y - r.alvoy) <= 100;
    case Destino::BAU:
        for (uint8_t i : h.itens)
            if (i == r.item) return true;
        return false;
    }
    return false;
}

// An inner leg ends where the hero stands still close to its point (a bump within 50 of the point
// stops him there, as it stops every unit).
bool chegou(const Unidade& h, PontoMapa p) { return h.posicao == 1 && std::hypot(h.x - p.x, h.y - p.y) <= 50; }

}  // namespace

bool caminharota(const Rota& r, uint64_t semente, std::vector<int>& tiques, std::string& why) {
    montamissao(r.missao, semente);
    int32_t h = slotheroi();
    std::string nome = "mission " + std::to_string(r.missao) + ": the route to the " + nomedestino(r.destino) + " at (" +
                       std::to_string(r.alvox) + ", " + std::to_string(r.alvoy) + ")";
    PontoMapa de{int32_t(std::lround(unidades[h].x)), int32_t(std::lround(unidades[h].y))};
    tiques.clear();
    for (size_t k = 0; k < r.pontos.size(); k++) {
        Unidade& heroi = unidades[h];
        PontoMapa p = r.pontos[k];
        bool ultimo = k + 1 == r.pontos.size();
        int limite = int(std::ceil(1.5 * tempoemlinha(de, p, heroi.velocidade + heroi.velocidadebonus))) + 5;
        heroi.invisivel = 2250;
        heroi.imunidade = 1500;
        cliquedireito(p);
        int t = 1;
        for (; t <= limite; t++) {
            heroi.invisivel = 2250;
            heroi.imunidade = 1500;
            tiquemundo();
            if (unidades[h].tipo == 0 || !unidades[h].heroi) {
                why = nome + " kills the hero on leg " + std::to_string(k + 1);
                return false;
            }
            if (ultimo ? cumpriu(r, heroi) : chegou(heroi, p)) break;
        }
        if (t > limite) {
            why = nome + ": leg " + std::to_string(k + 1) + " to (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                  ") is not done in " + std::to_string(limite) + " ticks; the hero is at (" + std::to_string(int(heroi.x)) + ", " +
                  std::to_string(int(heroi.y)) + ")";
            return false;
        }
        tiques.push_back(t);
        de = {int32_t(std::lround(heroi.x)), int32_t(std::lround(heroi.y))};
    }
    return true;
}
