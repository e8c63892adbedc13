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

// A tower keeps three cells from the other buildings, whose pictures are wide, and one from the
// other towers.
static bool longedasobras(Grade& g, int x, int y) {
    for (int oy = -2; oy <= 2; oy++)
        for (int ox = -2; ox <= 2; ox++) {
            int c = g.dentro(x + ox, y + oy) ? g.em(x + ox, y + oy) : 0;
            if (c >= CONTEUDOUNIDADE + 2 && c <= CONTEUDOUNIDADE + 5) return false;
            if (c == CONTEUDOUNIDADE + 1 && std::abs(ox) <= 1 && std::abs(oy) <= 1) return false;
        }
    return true;
}

// Many towers stand together as a fort on the side the portals lie: staggered rows a cell apart, two
// cells between the towers of a row, so a monster that comes at one of them is within reach (250) of
// nearly all of them.
static bool fortaleza(Grade& g, const Ficha& f, int c) {
    double dx = 0, dy = 0;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++)
            if (g.em(x, y) >= CONTEUDOUNIDADE + 21 && g.em(x, y) <= CONTEUDOUNIDADE + 24) {
                double l = std::max(1.0, std::hypot(x - f.herox, y - f.heroy));
                dx += (x - f.herox) / l;
                dy += (y - f.heroy) / l;
            }
    double l = std::max(1e-9, std::hypot(dx, dy));
    double px = f.herox + 5 * dx / l, py = f.heroy + 5 * dy / l;
    int cx = int(std::lround(px)), cy = int(std::lround(py));
    int melhorx = -1, melhory = -1;
    double melhor = 1e9;
    for (int y = cy - 8; y <= cy + 8; y++)
        for (int x = cx - 8; x <= cx + 8; x++) {
            if (((x + y) & 1) != ((cx + cy) & 1) || !livre(g, x, y)) continue;
            bool perto = false;  // three cells from the wide buildings and from the people, none beside a tower
            for (int oy = -3; oy <= 3 && !perto; oy++)
                for (int ox = -3; ox <= 3 && !perto; ox++) {
                    int k = g.dentro(x + ox, y + oy) ? g.em(x + ox, y + oy) : 0;
                    if (k >= CONTEUDOUNIDADE + 2 && k <= CONTEUDOUNIDADE + 11 && (std::abs(ox) <= 2 || k <= CONTEUDOUNIDADE + 5)) perto = true;
                    if (k == CONTEUDOUNIDADE + 1 && std::abs(ox) + std::abs(oy) == 1) perto = true;
                }
            double d = std::hypot(x - px, (y - py) * 1.4);
            if (!perto && d < melhor) { melhor = d; melhorx = x; melhory = y; }
        }
    if (melhorx < 0) return false;
    g.em(melhorx, melhory) = c;
    return true;
}

void montabase(Grade& g, const Ficha& f, int raio) {
    int torres = 0;
    for (Contagem u : f.unidades)
        if (u.tipo == 1) torres = u.qtd;
    size_t lote = 0, pessoa = 0;
    int torre = 0;
    // the towers stand round the barracks, whose fall loses the mission, close enough to shoot at
    // whatever attacks it (a tower reaches 250)
    Ponto centro{f.herox, f.heroy};
    double anel = raio - 1;
    // the buildings and the people first, then the towers round them
    for (int passada = 0; passada < 2; passada++)
    for (Contagem u : f.unidades) {
        if (u.tipo > 11 || (u.tipo == 1) != (passada == 1)) continue;
        for (int q = 0; q < u.qtd; q++) {
            int c = CONTEUDOUNIDADE + u.tipo;
            bool posto = false;
            if (u.tipo == 1 && torres > 6) {  // a fort between the base and the portals
                posto = fortaleza(g, f, c);
                torre++;
            } else if (u.tipo == 1) {  // towers on a ring round the base
                for (int y = 0; y < g.h && torre == 0 && anel == raio - 1; y++)
                    for (int x = 0; x < g.w; x++)
                        if (g.em(x, y) == CONTEUDOUNIDADE + 4) { centro = {x, y}; anel = torres > 6 ? 4.5 : 3.5; }
                for (int tent = 0; tent < 24 && !posto; tent++) {
                    double a = 6.2831853 * (torre + tent * 0.37) / torres + 0.4;
                    int x = centro.x + int(std::lround(anel * std::cos(a))), y = centro.y + int(std::lround(anel * std::sin(a)));
                    if (livre(g, x, y) && (tent >= 20 || longedasobras(g, x, y))) { g.em(x, y) = c; posto = true; }
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
