// Dressing a layout once its roads are dug: chests in hidden corners with guards, monster camps,
// the thicket of exactly the table's blocking objects, and the floor marks and traps.
#include "mapas/missao.h"

#include <algorithm>

// Takes up to n monsters off the front of the pool and puts them round a point.
static void guarnece(Grade& g, std::vector<int>& pool, Ponto p, int n, int raio) {
    n = std::min<int>(n, int(pool.size()));
    std::vector<int> grupo(pool.begin(), pool.begin() + n);
    int feitos = povoa(g, p.x, p.y, grupo, false, raio);
    pool.erase(pool.begin(), pool.begin() + feitos);
}

// 1. Chests, each in a small clearing off the roads.
static bool escondebaus(Grade& g, const Ficha& f, std::vector<Ponto>& chaves, std::vector<Ponto>& baus, std::string& why) {
    for (int item : f.baus) {
        Ponto p = recanto(g, 4, 11, chaves, 9);
        if (p.x < 0) p = recanto(g, 2, 30, chaves, 5);
        if (p.x < 0) p = recanto(g, 1, 60, chaves, 2);
        if (p.x < 0 || !abreclareira(g, p, 1.5)) { why = "no corner for a chest"; return false; }
        g.em(p.x, p.y) = CONTEUDOBAU + item;
        chaves.push_back(p);
        baus.push_back(p);
    }
    return true;
}

// Trails out to small glades all over the wood, until the open ground the table leaves is mostly
// along them: the forest keeps paths and clearings rather than a few wide meadows.
static void abretrilhas(Grade& g, const Ficha& f, std::vector<Ponto>& chaves) {
    int livres = f.w * f.h - bloqueiosdaficha(f);
    auto abertas = [&] {
        int n = 0;
        for (uint8_t a : g.aberto) n += a;
        return n;
    };
    for (int tent = 0; tent < 400 && abertas() < g.trilhas * livres; tent++) {
        Ponto p = recanto(g, 5, 13, chaves, 5);
        if (p.x < 0) break;
        abreclareira(g, p, 1.0 + 2.0 * g.rng.uniform());
        chaves.push_back(p);
    }
}

bool vestemapa(Grade& g, const Ficha& f, std::vector<Ponto> chaves, const std::vector<Ponto>& marcos, std::string& why) {
    std::vector<Ponto> portais;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++)
            if (g.em(x, y) >= CONTEUDOUNIDADE + 21 && g.em(x, y) <= CONTEUDOUNIDADE + 24) portais.push_back({x, y});
    std::vector<Ponto> baus;
    if (!escondebaus(g, f, chaves, baus, why)) return false;
    // 2. Monsters: the strongest guard the portals, then the chests, then the waypoints, then camps.
    std::vector<int> pool = inimigosdaficha(f);
    for (int c : g.conteudo) {  // monsters the style has already placed
        auto it = std::find(pool.begin(), pool.end(), c);
        if (it != pool.end()) pool.erase(it);
    }
    for (Ponto p : portais) guarnece(g, pool, p, 3, 3);
    for (Ponto p : baus) guarnece(g, pool, p, 2, 2);
    for (Ponto p : marcos) guarnece(g, pool, p, 3, 2);
    for (int tent = 0; !pool.empty() && tent < 200; tent++) {
        Ponto p = recanto(g, 2, 7, chaves, 7);
        if (p.x < 0) p = recanto(g, 0, 40, chaves, 3);
        if (p.x < 0 || !abreclareira(g, p, 2.2)) { why = "no room for a camp"; return false; }
        chaves.push_back(p);
        guarnece(g, pool, p, 4, 2);
    }
    if (!pool.empty()) { why = "monsters left over"; return false; }
    abretrilhas(g, f, chaves);
    // 3. The thicket.
    int postos = 0;  // blocking objects the style has already placed
    for (int c : g.conteudo) postos += c >= 1 && c <= 20 && objetobloqueia(c) && c != f.alvotipo;
    if (!preenche(g, bloqueiosdaficha(f) - postos, why)) return false;
    tipificatudo(g, f, chaves);
    // 4. Floor marks and traps on open ground.
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
