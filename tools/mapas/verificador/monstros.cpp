// The portals' monsters followed from the moment they come out: released by the game's own portal
// rule toward the nearest player unit, walked by the real movement, each must reach a player unit in
// time. The player's units are kept alive so the base stays what the monsters head for.
#include "mapas/verificador/verificador.h"

#include <cmath>

#include "world/unidades.h"

namespace {

bool monstro(const Unidade& a) { return a.inimigo && a.tipo >= 13 && a.tipo <= 20; }

// Near enough to fight: within its attack range, or its box all but touching the unit's.
bool alcancou(const Unidade& m) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || a.inimigo || a.bau) continue;
        double folgax = std::fabs(a.x - m.x) - a.tamanhox - m.tamanhox;
        double folgay = std::fabs(a.y - m.y) - a.tamanhoy - m.tamanhoy;
        if (std::hypot(a.x - m.x, a.y - m.y) < m.distataque || (folgax <= 10 && folgay <= 10)) return true;
    }
    return false;
}

struct Seguido {
    int32_t slot;
    size_t soltura;
    int inicio;
};

}  // namespace

bool verificamonstros(int n, uint64_t semente, int porportal, std::vector<Soltura>& solturas, std::string& why) {
    montamissao(n, semente);
    std::vector<int32_t> portais;
    std::vector<int> soltos;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 21) portais.push_back(u);
    soltos.assign(portais.size(), 0);
    if (portais.empty()) return true;
    std::vector<uint8_t> conhecido(MAXUNIDADES + 1, 0);
    for (int32_t u = 1; u <= MAXUNIDADES; u++) conhecido[size_t(u)] = unidades[u].tipo != 0;
    // the player's units stay where the mission puts them: their monsters' goals are those places
    std::vector<std::pair<int32_t, Unidade>> jogador;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && !unidades[u].inimigo) jogador.push_back({u, unidades[u]});
    std::vector<Seguido> seguidos;
    bool bom = true;
    int tmax = porportal * 700 + 4000;
    for (int t = 1; t <= tmax; t++) {
        for (auto& [u, inicio] : jogador) {
            Unidade& a = unidades[u];
            if (a.tipo != inicio.tipo || a.inimigo) continue;
            a.imunidade = 1500;
            a.hp = a.hpmax;
            a.queimando = 0;
            a.x = inicio.x;
            a.y = inicio.y;
            a.destinox = inicio.destinox;
            a.destinoy = inicio.destinoy;
            if (a.posicao == 2) a.posicao = 1;
        }
        tiquemundo();
        for (int32_t u = 1; u <= MAXUNIDADES; u++) {
            Unidade& m = unidades[u];
            if (m.tipo == 0) { conhecido[size_t(u)] = 0; continue; }
            if (conhecido[size_t(u)]) continue;
            conhecido[size_t(u)] = 1;
            if (!monstro(m)) continue;
            // the portal it came out of, 40 above or below it
            size_t p = portais.size();
            double perto = 80;
            for (size_t k = 0; k < portais.size(); k++) {
                double d = std::hypot(unidades[portais[k]].x - m.x, unidades[portais[k]].y - m.y);
                if (d < perto) { perto = d; p = k; }
            }
            if (p == portais.size() || soltos[p] >= porportal) { m.tipo = 0; conhecido[size_t(u)] = 0; continue; }
            soltos[p]++;
            Soltura s;
            s.portal = {int32_t(std::lround(unidades[portais[p]].x)), int32_t(std::lround(unidades[portais[p]].y))};
            s.saida = {int32_t(std::lround(m.x)), int32_t(std::lround(m.y))};
            s.meta = {m.destinox, m.destinoy};
            s.limite = int(std::ceil(1.5 * tempoemlinha(s.saida, s.meta, m.velocidade))) + 300;
            solturas.push_back(s);
            seguidos.push_back({u, solturas.size() - 1, t});
        }
        for (size_t k = 0; k < seguidos.size();) {
            Seguido& s = seguidos[k];
            Unidade& m = unidades[s.slot];
            Soltura& so = solturas[s.soltura];
            bool chegou = m.tipo == 0 || alcancou(m);  // killed on the way by the defences also counts
            if (chegou) {
                so.tiques = t - s.inicio;
                if (m.tipo != 0) { m.tipo = 0; conhecido[size_t(s.slot)] = 0; }
                seguidos.erase(seguidos.begin() + long(k));
                continue;
            }
            if (t - s.inicio > so.limite) {
                why += "mission " + std::to_string(n) + ": a monster of the portal at cell (" + std::to_string(so.portal.x / 50) + ", " +
                       std::to_string(so.portal.y / 50) + ") sent to (" + std::to_string(so.meta.x) + ", " + std::to_string(so.meta.y) +
                       ") is stuck at (" + std::to_string(int(m.x)) + ", " + std::to_string(int(m.y)) + ") after " +
                       std::to_string(so.limite) + " ticks\n";
                bom = false;
                m.tipo = 0;
                conhecido[size_t(s.slot)] = 0;
                seguidos.erase(seguidos.begin() + long(k));
                continue;
            }
            k++;
        }
        bool todos = seguidos.empty();
        for (size_t k = 0; k < portais.size(); k++) todos = todos && (soltos[k] >= porportal || unidades[portais[k]].tipo != 21);
        if (todos) break;
    }
    for (size_t k = 0; k < portais.size(); k++)
        if (soltos[k] < porportal) {
            why += "mission " + std::to_string(n) + ": a portal released " + std::to_string(soltos[k]) + " of " + std::to_string(porportal) + " monsters\n";
            bom = false;
        }
    return bom;
}
