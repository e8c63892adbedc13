// The player's base, hidden corners and the table's unit lists.
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

Ponto recanto(Grade& g, int minimo, int maximo, const std::vector<Ponto>& longe, int afastamento) {
    std::vector<int> d = distanciarede(g);
    Ponto melhor{-1, -1};
    double nota = -1e9;
    for (int y = 3; y < g.h - 3; y++)
        for (int x = 3; x < g.w - 3; x++) {
            int k = g.i(x, y);
            if (d[k] < minimo || d[k] > maximo || g.proibido[k] || g.em(x, y) != 0) continue;
            double perto = 1e9;
            for (Ponto p : longe) perto = std::min(perto, std::hypot(double(x - p.x), double(y - p.y)));
            if (perto < afastamento) continue;
            double n = d[k] + 0.05 * std::min(perto, 30.0) + 2.0 * g.rng.uniform();
            if (n > nota) { nota = n; melhor = {x, y}; }
        }
    return melhor;
}

bool abreclareira(Grade& g, Ponto p, double raio) {
    if (!ligarede(g, p.x, p.y)) return false;
    clareira(g, p.x, p.y, raio);
    juntarede(g);
    return true;
}

int bloqueiosdaficha(const Ficha& f) {
    int n = f.arvores;
    for (Contagem o : f.objetos)
        if (objetobloqueia(o.tipo)) n += o.qtd;
    return n;
}
