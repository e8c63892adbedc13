// Dressing a layout once its lanes are open: chests at the ends of branches with guards, monster
// camps beside the lanes, the thicket of exactly the table's blocking objects, the floor marks and traps.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>

namespace {

double maisperto(Ponto p, const std::vector<Ponto>& v) {
    double m = 1e9;
    for (Ponto q : v) m = std::min(m, std::hypot(double(p.x - q.x), double(p.y - q.y)));
    return m;
}

// Takes up to n monsters off the front of the pool and puts them round a point.
void guarnece(Grade& g, std::vector<int>& pool, Ponto p, int n, int raio) {
    n = std::min<int>(n, int(pool.size()));
    std::vector<int> grupo(pool.begin(), pool.begin() + n);
    int feitos = povoa(g, p.x, p.y, grupo, true, raio);
    pool.erase(pool.begin(), pool.begin() + feitos);
}

// Monsters keep this far (cells) from the axis of a main way: beyond the reach of their chase, so a
// band walking the way is not drawn into every camp it passes.
constexpr double LONGEDAVIA = 8.5;

// A cell of the future wood, `perto` to `longe` cells beyond the lanes' edges, at least `afastado`
// from every key point and `via` from the main ways; the best by `nota`, or {-1, -1}.
template <class F>
Ponto escolhe(Grade& g, double perto, double longe, double afastado, double via, const std::vector<Ponto>& chaves, F nota) {
    Ponto melhor{-1, -1};
    double mnota = -1e18;
    for (int y = 3; y < g.h - 3; y++)
        for (int x = 3; x < g.w - 3; x++) {
            int k = g.i(x, y);
            if (g.aberto[k] || g.proibido[k] || g.conteudo[k] != 0) continue;
            double d = foradastrilhas(g, x, y);
            if (d < perto || d > longe || maisperto({x, y}, chaves) < afastado || distanciaprincipal(g, {x, y}) < via) continue;
            double n = nota(Ponto{x, y}, d) + 2.5 * g.rng.uniform();
            if (n > mnota) { mnota = n; melhor = {x, y}; }
        }
    return melhor;
}

}  // namespace

bool escondebaus(Grade& g, const Ficha& f, std::vector<Ponto>& chaves, std::vector<int>& pool, std::string& why) {
    for (int item : f.baus) {
        auto nota = [&](Ponto p, double d) { return 0.25 * std::min(maisperto(p, chaves), 24.0) - 0.4 * std::fabs(d - 4.5); };
        auto ramo = [&](Ponto c, double d) {  // the branch to it must not cross a wood kept shut
            Ponto q = pontonatrilha(g, c);
            int n = std::max(std::abs(c.x - q.x), std::abs(c.y - q.y));
            for (int s = 0; s <= n; s++) {
                int x = q.x + (c.x - q.x) * s / std::max(n, 1), y = q.y + (c.y - q.y) * s / std::max(n, 1);
                if (g.proibido[g.i(x, y)]) return -1e9;
            }
            return nota(c, d);
        };
        Ponto p = escolhe(g, 2.5, 8, 7, LONGEDAVIA, chaves, ramo);
        if (p.x < 0) p = escolhe(g, 2.5, 8, 7, 6, chaves, ramo);
        if (p.x < 0) p = escolhe(g, 1.5, 14, 4, 6, chaves, ramo);
        if (p.x < 0) { why = "no room in the wood for a chest"; return false; }
        // the branch comes straight off the nearest lane; the guards stand beyond the chest
        Ponto q = pontonatrilha(g, p);
        trilha(g, q, p, 1.3);
        clareira(g, p, 1.5);
        double l = std::max(1.0, std::hypot(double(p.x - q.x), double(p.y - q.y)));
        Ponto guarda{int(std::lround(p.x + 3.2 * (p.x - q.x) / l)), int(std::lround(p.y + 3.2 * (p.y - q.y) / l))};
        g.em(p.x, p.y) = CONTEUDOBAU + item;
        if (g.dentro(guarda.x, guarda.y) && distanciaprincipal(g, guarda) >= LONGEDAVIA - 2) {  // beyond it, out of the way
            // the two weakest monsters of the pool guard it (never a tower: a chest is there to be won)
            std::vector<int> fracos;
            for (auto it = pool.rbegin(); it != pool.rend() && fracos.size() < 2; ++it)
                if (*it != CONTEUDOUNIDADE + 25) fracos.push_back(*it);
            clareira(g, guarda, 1.5);
            int feitos = povoa(g, guarda.x, guarda.y, fracos, true, 1);
            for (int k = 0; k < feitos; k++) pool.erase(std::find(pool.begin(), pool.end(), fracos[size_t(k)]));
        }
        chaves.push_back(p);
    }
    return true;
}

bool acampa(Grade& g, std::vector<int>& pool, const std::vector<Ponto>& chaves, std::string& why) {
    std::vector<Ponto> jogador = unidadesdojogador(g), campos, destinos, baus;
    std::vector<Ponto> longe = chaves;
    // where the band has to go and fight (portals, the target, the boss): no camp within its reach
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            int c = g.em(x, y);
            if ((c >= CONTEUDOUNIDADE + 21 && c <= CONTEUDOUNIDADE + 24) || c == CONTEUDOUNIDADE + 26 || c == 7 || c == 16 || c == 18 || c == 20)
                destinos.push_back({x, y});
            if (c >= CONTEUDOBAU) baus.push_back({x, y});
        }
    while (!pool.empty()) {
        std::vector<Ponto> evita = longe;
        evita.insert(evita.end(), campos.begin(), campos.end());
        auto nota = [&](Ponto p, double) { return 0.3 * std::min(maisperto(p, evita), 15.0); };
        // the farther from the ways, the band's destinations and the chests, the better; closer only
        // when the map has no such room
        Ponto p{-1, -1};
        const double niveis[][3] = {{LONGEDAVIA, 9.5, 7}, {7.0, 8, 6}, {6.0, 7, 5}};
        for (const auto& n : niveis)
            for (double folga = 0; p.x < 0 && folga <= 4; folga += 2) {
                // a chest keeps only its own two guards: a camp stands out of their call
                auto fora = [&](Ponto c) { return maisperto(c, jogador) < 11 || maisperto(c, destinos) < n[1] || maisperto(c, baus) < n[1] - 2; };
                p = escolhe(g, 0.5, 3.5 + folga, n[2], n[0], evita, [&](Ponto c, double d) { return fora(c) ? -1e9 : nota(c, d); });
                if (p.x >= 0 && fora(p)) p = {-1, -1};
            }
        if (p.x < 0) { why = "no room for a camp"; return false; }
        clareira(g, p, 2.0);
        guarnece(g, pool, p, 3 + g.rng.below(2), 2);
        campos.push_back(p);
    }
    return true;
}

bool vestemapa(Grade& g, const Ficha& f, std::vector<Ponto> chaves, std::string& why) {
    // 1. Monsters the style has not placed yet, strongest first: two guard each chest, the rest camp.
    std::vector<int> pool = inimigosdaficha(f);
    for (int c : g.conteudo) {
        auto it = std::find(pool.begin(), pool.end(), c);
        if (it != pool.end()) pool.erase(it);
    }
    if (!escondebaus(g, f, chaves, pool, why) || !acampa(g, pool, chaves, why)) return false;
    // 2. The thicket.
    int postos = 0;  // blocking objects the style has already placed
    for (int c : g.conteudo) postos += c >= 1 && c <= 20 && objetobloqueia(c) && c != f.alvotipo;
    if (!preenche(g, bloqueiosdaficha(f) - postos, why)) return false;
    tipificatudo(g, f, chaves);
    // 3. Floor marks and traps on open ground.
    std::vector<Ponto> heroi{{f.herox, f.heroy}};
    for (Contagem o : f.objetos)
        if (!objetobloqueia(o.tipo)) espalha(g, o.tipo, o.qtd - contaconteudo(g, o.tipo), heroi, o.tipo == 21 ? 8 : 3);
    return true;
}

int contaconteudo(const Grade& g, int c) {
    int n = 0;
    for (int k : g.conteudo) n += k == c;
    return n;
}

void tipificatudo(Grade& g, const Ficha& f, const std::vector<Ponto>& chaves) {
    std::vector<Ponto> luzes;  // torches and braziers burn by portals, the base and the target
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            int c = g.em(x, y);
            if ((c >= CONTEUDOUNIDADE + 1 && c <= CONTEUDOUNIDADE + 5) || (c >= CONTEUDOUNIDADE + 21 && c <= CONTEUDOUNIDADE + 24))
                luzes.push_back({x, y});
        }
    if (f.alvotipo) luzes.push_back({f.alvox, f.alvoy});
    if (luzes.empty()) luzes = chaves;
    for (Contagem o : f.objetos) {
        if (!objetobloqueia(o.tipo)) continue;
        bool luz = o.tipo == 11 || o.tipo == 12 || o.tipo == 15;
        tipifica(g, o.tipo, o.qtd - contaconteudo(g, o.tipo), true, luz ? luzes : std::vector<Ponto>{});
    }
    arvoriza(g);
}
