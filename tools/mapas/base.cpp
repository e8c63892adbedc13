// The player's base and the table's unit lists.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>

// Plots of the structures around the hero, nearest first (offsets in cells).
static const Ponto lotes[] = {
    {0, -4}, {-5, -2}, {5, -2}, {5, 3}, {-5, 3}, {-3, -7}, {3, -7}, {0, 5}, {-8, 0}, {8, 0},
};
static_assert(sizeof(lotes) / sizeof(lotes[0]) == 10, "ten building plots");
// Where the people stand beside the hero.
static const Ponto gente[] = {{1, 1}, {-1, 1}, {2, 0}, {-2, 0}, {0, 2}, {1, -1}, {-1, -1}, {2, 2}};
static_assert(sizeof(gente) / sizeof(gente[0]) == 8, "eight places beside the hero");

static bool livre(Grade& g, int x, int y) { return g.dentro(x, y) && g.aberto[g.i(x, y)] && g.em(x, y) == 0; }

void montabase(Grade& g, const Ficha& f, int raio) {
    int torres = 0;
    for (Contagem u : f.unidades)
        if (u.tipo == 1) torres = u.qtd;
    size_t lote = 0, pessoa = 0;
    int torre = 0;
    for (Contagem u : f.unidades) {
        if (u.tipo > 11) continue;
        for (int q = 0; q < u.qtd; q++) {
            int c = CONTEUDOUNIDADE + u.tipo;
            bool posto = false;
            if (u.tipo == 1) {  // towers on a ring round the base
                for (int tent = 0; tent < 24 && !posto; tent++) {
                    double a = 6.2831853 * (torre + tent * 0.37) / torres + 0.4;
                    int x = f.herox + int(std::lround((raio - 1) * std::cos(a))), y = f.heroy + int(std::lround((raio - 1) * std::sin(a)));
                    if (livre(g, x, y)) { g.em(x, y) = c; posto = true; }
                }
                torre++;
            } else if (u.tipo <= 5) {
                for (; lote < std::size(lotes) && !posto; lote++) {
                    int x = f.herox + lotes[lote].x, y = f.heroy + lotes[lote].y;
                    if (livre(g, x, y)) { g.em(x, y) = c; posto = true; }
                }
            } else {
                for (; pessoa < std::size(gente) && !posto; pessoa++) {
                    int x = f.herox + gente[pessoa].x, y = f.heroy + gente[pessoa].y;
                    if (livre(g, x, y)) { g.em(x, y) = c; posto = true; }
                }
            }
            if (!posto) povoa(g, f.herox, f.heroy, {c}, false, raio);
        }
    }
}

std::vector<int> inimigosdaficha(const Ficha& f) {
    std::vector<int> v;
    for (Contagem u : f.unidades)
        if (u.tipo >= 13 && u.tipo <= 25 && !(u.tipo >= 21 && u.tipo <= 24))
            for (int q = 0; q < u.qtd; q++) v.push_back(CONTEUDOUNIDADE + u.tipo);
    std::sort(v.rbegin(), v.rend());
    return v;
}

std::vector<int> portaisdaficha(const Ficha& f) {
    std::vector<int> v;
    for (Contagem u : f.unidades)
        if (u.tipo >= 21 && u.tipo <= 24)
            for (int q = 0; q < u.qtd; q++) v.push_back(CONTEUDOUNIDADE + u.tipo);
    return v;
}

std::vector<Ponto> unidadesdojogador(Grade& g) {
    std::vector<Ponto> v;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++)
            if (g.em(x, y) >= CONTEUDOUNIDADE + 1 && g.em(x, y) <= CONTEUDOUNIDADE + 11) v.push_back({x, y});
    return v;
}

int bloqueiosdaficha(const Ficha& f) {
    int n = f.arvores;
    for (Contagem o : f.objetos)
        if (objetobloqueia(o.tipo)) n += o.qtd;
    return n;
}
