// Mission 3: an old cemetery in a dead wood. Rows of graves and tombs either side of a straight,
// torch-lit avenue lead north to the crypt that hides the underground passage, braziers at its
// door; a path runs round the yard's hedge, and the dead wood hides the chests.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The yard inside its hedge, the avenue through it, the crypt's court.
constexpr int X0 = 6, Y0 = 15, X1 = 34, Y1 = 53;  // the hedge
constexpr int AVENIDA = 20;                       // the avenue's middle column

void poe(Grade& g, int x, int y, int c) {
    if (g.dentro(x, y) && g.em(x, y) == 0) g.em(x, y) = c;
}

// The grave plots: every second column and third row of the yard, off the avenue.
std::vector<Ponto> covas(Grade& g) {
    std::vector<std::pair<double, Ponto>> v;
    for (int y = Y0 + 3; y <= Y1 - 3; y += 3)
        for (int x = X0 + 2; x <= X1 - 2; x += 2) {
            if (std::abs(x - AVENIDA) <= 3 || std::abs(y - (Y0 + Y1) / 2) <= 1) continue;
            v.push_back({ruido(77, x, y, 5) + 0.3 * g.rng.uniform(), {x, y}});
        }
    std::sort(v.begin(), v.end(), [](auto& a, auto& b) { return a.first > b.first; });
    std::vector<Ponto> r;
    for (auto& [n, p] : v) r.push_back(p);
    return r;
}

// The hedge of dead shrubs and rocks with a gate on each side; inside, the yard is open ground.
void patio(Grade& g, const Ficha& f) {
    for (int y = Y0; y <= Y1; y++)
        for (int x = X0; x <= X1; x++) {
            bool sebe = x == X0 || x == X1 || y == Y0 || y == Y1;
            bool portao = (y == Y0 || y == Y1) ? std::abs(x - AVENIDA) <= 2 : std::abs(y - (Y0 + Y1) / 2) <= 2;
            if (sebe && !portao) g.proibido[g.i(x, y)] = 1;
            else g.aberto[g.i(x, y)] = 1;
        }
    // the road from the hero to the south gate, the avenue, the cross walk, the crypt's court
    Ponto heroi{f.herox, f.heroy};
    clareira(g, heroi, 2.5);
    trilha(g, heroi, {AVENIDA, f.heroy - 3}, 2.0, true);
    trilha(g, {AVENIDA, f.heroy - 3}, {AVENIDA, f.alvoy + 3}, 2.2, true);
    trilha(g, {X0 - 3, (Y0 + Y1) / 2}, {X1 + 3, (Y0 + Y1) / 2}, 1.8);
    clareira(g, {f.alvox, f.alvoy}, 4.0);
    // the path round the hedge
    const Ponto volta[] = {{X0 - 3, Y0 - 3}, {X1 + 3, Y0 - 3}, {X1 + 3, Y1 + 3}, {X0 - 3, Y1 + 3}};
    for (int k = 0; k < 4; k++) trilha(g, volta[k], volta[(k + 1) % 4], 1.4);
}

// The passage with its braziers and candles, the torches of the avenue, then graves, tombs and
// mausoleums on the plots, the rarest first.
void sepulturas(Grade& g, const Ficha& f) {
    g.em(f.alvox, f.alvoy) = f.alvotipo;
    const Ponto braseiros[] = {{f.alvox - 2, f.alvoy - 2}, {f.alvox + 2, f.alvoy - 2}, {f.alvox - 3, f.alvoy + 2}, {f.alvox + 3, f.alvoy + 2}};
    for (Ponto p : braseiros) poe(g, p.x, p.y, 15);
    const Ponto velas[] = {{f.alvox - 4, f.alvoy - 3}, {f.alvox + 4, f.alvoy - 3}, {f.alvox - 4, f.alvoy},
                           {f.alvox + 4, f.alvoy}, {f.alvox - 5, f.alvoy + 3}, {f.alvox + 5, f.alvoy + 3}};
    for (Ponto p : velas) poe(g, p.x, p.y, 12);
    for (int y = Y0 + 2, k = 0; k < 24; y += 3, k += 2) {  // torches either side of the avenue
        poe(g, AVENIDA - 3, y, 11);
        poe(g, AVENIDA + 3, y, 11);
    }
    std::vector<Ponto> lotes = covas(g);
    const Contagem tumulos[] = {{13, 14}, {9, 14}, {14, 10}, {10, 10}, {8, 39}};
    size_t k = 0;
    for (Contagem t : tumulos)
        for (int q = 0; q < t.qtd && k < lotes.size(); q++, k++) poe(g, lotes[k].x, lotes[k].y, t.tipo);
}

}  // namespace

Picture cemiterio() {
    const Ficha& f = fichamapa(3);
    Grade g(f.w, f.h, 0x63656d69ull);
    g.amplitude = 1.5;
    patio(g, f);
    sepulturas(g, f);
    // the hero; ghouls among the graves, between the rows, out of the avenue's sight
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    for (int tent = 0, feitos = 0; tent < 5000 && feitos < 22; tent++) {
        int x = X0 + 2 + g.rng.below(X1 - X0 - 3), y = Y0 + 2 + g.rng.below(Y1 - Y0 - 6);
        if (std::abs(x - AVENIDA) < 8 || g.em(x, y) || g.em(x + 1, y) || g.em(x - 1, y) || g.em(x, y + 1) || g.em(x, y - 1)) continue;
        g.em(x, y) = CONTEUDOUNIDADE + 14;
        feitos++;
    }
    // chests in the dead wood, the rest of the monsters, the wood itself
    std::string why;
    std::vector<Ponto> chaves{{f.herox, f.heroy}, {f.alvox, f.alvoy}, {AVENIDA, (Y0 + Y1) / 2}};
    if (!vestemapa(g, f, chaves, why)) {
        std::fprintf(stderr, "layout 3: %s\n", why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
