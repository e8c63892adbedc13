// Mission 3: an old cemetery in a dead wood. Rows of graves and tombs either side of a torch-lit
// avenue lead north to the crypt that hides the underground passage, braziers at its door.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

static void poe(Grade& g, int x, int y, int c) {
    if (g.dentro(x, y) && g.aberto[g.i(x, y)] && g.em(x, y) == 0) g.em(x, y) = c;
}

// The grave plots: every second column and third row of the yard, off the avenue.
static std::vector<Ponto> covas(Grade& g) {
    std::vector<std::pair<double, Ponto>> v;
    for (int y = 17; y <= 50; y += 3)
        for (int x = 8; x <= 33; x += 2) {
            if (x >= 17 && x <= 24) continue;
            v.push_back({ruido(77, x, y, 5) + 0.3 * g.rng.uniform(), {x, y}});
        }
    std::sort(v.begin(), v.end(), [](auto& a, auto& b) { return a.first > b.first; });
    std::vector<Ponto> r;
    for (auto& [n, p] : v) r.push_back(p);
    return r;
}

// The yard inside its hedge of dead shrubs and rocks, gates on all four sides; the crypt's court,
// the hero's clearing and the road between them.
static void patio(Grade& g, const Ficha& f) {
    for (int y = 14; y <= 53; y++)
        for (int x = 5; x <= 35; x++) {
            bool sebe = x == 5 || x == 35 || y == 14 || y == 53;
            bool portao = (y == 14 || y == 53) ? (x >= 19 && x <= 22) : (y >= 32 && y <= 34);
            if (sebe && !portao) g.proibido[g.i(x, y)] = 1;
            else g.aberto[g.i(x, y)] = 1;
        }
    clareira(g, f.alvox, f.alvoy, 4.5);
    juntarede(g);
    abreclareira(g, {f.herox, f.heroy}, 3);
    cavacaminho(g, {f.herox + 2, f.heroy - 2}, {20, 52});
    juntarede(g);
}

// The passage with its braziers and candles, the torches of the avenue, then graves, tombs and
// mausoleums on the plots, the rarest first.
static void sepulturas(Grade& g, const Ficha& f) {
    g.em(f.alvox, f.alvoy) = f.alvotipo;
    const Ponto braseiros[] = {{19, 8}, {23, 8}, {19, 12}, {23, 12}};
    for (Ponto p : braseiros) poe(g, p.x, p.y, 15);
    const Ponto velas[] = {{17, 7}, {25, 7}, {17, 10}, {25, 10}, {18, 13}, {24, 13}};
    for (Ponto p : velas) poe(g, p.x, p.y, 12);
    for (int y = 16, k = 0; k < 24; y += 3, k += 2) {
        poe(g, 18, y, 11);
        poe(g, 23, y, 11);
    }
    std::vector<Ponto> lotes = covas(g);
    const Contagem tumulos[] = {{13, 14}, {9, 14}, {14, 10}, {10, 10}, {8, 39}};
    size_t k = 0;
    for (Contagem t : tumulos)
        for (int q = 0; q < t.qtd && k < lotes.size(); q++, k++) poe(g, lotes[k].x, lotes[k].y, t.tipo);
}

Picture cemiterio() {
    const Ficha& f = fichamapa(3);
    Grade g(f.w, f.h, 0x63656d69ull);
    g.trilhas = 0;
    patio(g, f);
    sepulturas(g, f);
    // the hero; ghouls among the graves
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    for (int tent = 0, feitos = 0; tent < 5000 && feitos < 22; tent++) {
        int x = 7 + g.rng.below(28), y = 15 + g.rng.below(36);
        if (g.em(x, y) || !g.aberto[g.i(x, y)] || g.em(x + 1, y) || g.em(x - 1, y) || g.em(x, y + 1) || g.em(x, y - 1)) continue;
        g.em(x, y) = CONTEUDOUNIDADE + 14;
        feitos++;
    }
    // chests in the dead wood, the rest of the monsters, the wood itself
    std::string why;
    std::vector<Ponto> chaves{{f.herox, f.heroy}, {f.alvox, f.alvoy}, {20, 33}};
    if (!vestemapa(g, f, chaves, {}, why)) {
        std::fprintf(stderr, "layout 3: %s\n", why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
