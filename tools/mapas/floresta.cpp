// The forest missions: a base or a camp fire for the hero, a straight lane from every portal to the
// hero (the way its monsters walk), roads of a few straight stretches to the target and between the
// portals, chests down side branches, monsters in camps beside the roads, forest everywhere else.
#include "mapas/missao.h"

#include <cstdio>

namespace {

// A wood the roads go round: an oval whose edge the noise makes wave.
struct Mata {
    int cx, cy, rx, ry;
};

// A road: straight stretches joining its points in order; the main one leads to the target (and
// where there are portals every road is a main one: the band walks them between the portals).
struct Estrada {
    std::vector<Ponto> pontos;
    double raio;
    bool principal = false;
};

// One forest mission's design (cells).
struct PlanoFloresta {
    int missao;
    int raiobase;                  // clearing round the hero (the base, where there is one)
    std::vector<Ponto> portais;    // portal cells, in the order of the table's portals
    std::vector<Estrada> estradas; // the roads
    std::vector<Mata> matas;       // woods the roads go round
    double amplitude;              // how much the forest's edge wanders
};

const PlanoFloresta planos[] = {
    // 1: the road climbs north round the wood and comes back down to the lost boy
    {1, 3, {}, {{{{4, 43}, {7, 31}, {20, 27}, {21, 38}}, 2.0, true}}, {{13, 42, 6, 9}, {31, 12, 6, 5}}, 2.5},
    // 2: three portals in the north and east, joined along the north
    {2, 7, {{8, 8}, {40, 5}, {59, 36}},
     {{{{8, 8}, {24, 14}, {40, 5}}, 2.0}, {{{40, 5}, {54, 16}, {59, 36}}, 2.0}, {{{20, 49}, {6, 33}}, 1.8}}, {}, 2.5},
    // 5: a weak portal near home, three strong ones together in the north in the north and east
    {5, 7, {{38, 62}, {10, 20}, {24, 14}, {38, 20}},
     {{{{10, 20}, {24, 14}, {38, 20}}, 2.0}, {{{17, 49}, {6, 62}}, 1.8}}, {}, 2.5},
    // 6: a long walk through the deep forest to Fidelina
    {6, 3, {},
     {{{{4, 58}, {15, 45}, {17, 28}, {32, 18}, {33, 11}}, 2.0, true},
      {{{15, 45}, {36, 48}, {56, 52}}, 1.8},
      {{{32, 18}, {52, 20}, {58, 36}}, 1.8},
      {{{17, 28}, {6, 16}}, 1.6}},
     {{30, 34, 9, 7}}, 2.0},
    // 7: the base in the north, four portals close together in an arc to the south, a road joining them
    {7, 7, {{18, 44}, {26, 48}, {34, 48}, {42, 44}},
     {{{{18, 44}, {26, 48}, {34, 48}, {42, 44}}, 2.0}},
     {}, 2.5},
    // 8: two great portals in the east, the old road to the north-west
    {8, 6, {{50, 20}, {54, 34}},
     {{{{18, 44}, {24, 14}, {48, 8}, {50, 20}}, 2.0}, {{{50, 20}, {58, 27}, {54, 34}}, 2.0}}, {}, 2.5},
    // 9: across the haunted wood to the secret passage, watch towers along the way
    {9, 3, {},
     {{{{4, 21}, {20, 30}, {38, 24}, {56, 32}, {54, 48}, {44, 52}}, 2.0, true},
      {{{20, 30}, {14, 48}, {24, 64}}, 1.8},
      {{{38, 24}, {40, 6}, {62, 8}}, 1.8},
      {{{56, 32}, {72, 40}, {70, 62}}, 1.8}},
     {}, 2.5},
    // 11: a fortified base in the north, five great portals in an arc not far to the south
    {11, 8, {{14, 46}, {24, 51}, {37, 51}, {48, 46}, {55, 37}},
     {{{{14, 46}, {24, 51}, {37, 51}, {48, 46}, {55, 37}}, 2.0}},
     {}, 2.5},
};
static_assert(sizeof(planos) / sizeof(planos[0]) == 8, "eight forest missions");

const PlanoFloresta& planode(int n) {
    for (const PlanoFloresta& p : planos)
        if (p.missao == n) return p;
    return planos[0];
}

// A wood the roads go round, its edge waving so it does not look drawn with compasses.
void fechamata(Grade& g, Mata m, uint64_t semente) {
    for (int y = m.cy - m.ry - 2; y <= m.cy + m.ry + 2; y++)
        for (int x = m.cx - m.rx - 2; x <= m.cx + m.rx + 2; x++) {
            double ex = double(x - m.cx) / m.rx, ey = double(y - m.cy) / m.ry;
            if (g.dentro(x, y) && ex * ex + ey * ey <= 1 + 0.6 * (ruido(semente, x, y, 4) - 0.5)) g.proibido[g.i(x, y)] = 1;
        }
}

}  // namespace

Picture florestal(int n) {
    const Ficha& f = fichamapa(n);
    const PlanoFloresta& pl = planode(n);
    Grade g(f.w, f.h, 0x6d617061ull * 131 + uint64_t(n) * 7777);
    g.amplitude = pl.amplitude;
    for (Mata m : pl.matas) fechamata(g, m, g.rng.next());
    if (n == 1) g.proibido[g.i(10, 3)] = g.proibido[g.i(10, 4)] = 1;  // the old trees by the northern edge
    Ponto heroi{f.herox, f.heroy};
    // 1. The hero's clearing or base, the roads, the portals with their straight ways to the hero.
    clareira(g, heroi, pl.raiobase);
    std::vector<Ponto> chaves{heroi};
    for (const Estrada& e : pl.estradas)
        for (size_t k = 0; k + 1 < e.pontos.size(); k++) {
            trilha(g, e.pontos[k], e.pontos[k + 1], e.raio, e.principal || !pl.portais.empty());
            clareira(g, e.pontos[k + 1], e.raio + 0.6);  // a little room at every bend
        }
    std::vector<int> portais = portaisdaficha(f);
    for (size_t k = 0; k < pl.portais.size() && k < portais.size(); k++) {
        trilha(g, pl.portais[k], heroi, 2.5, true);
        clareira(g, pl.portais[k], 3.3);
        g.em(pl.portais[k].x, pl.portais[k].y) = portais[k];
        chaves.push_back(pl.portais[k]);
    }
    if (f.alvotipo) {
        clareira(g, {f.alvox, f.alvoy}, 2.5);
        g.em(f.alvox, f.alvoy) = f.alvotipo;
        chaves.push_back({f.alvox, f.alvoy});
    }
    // 2. The hero and the player's people.
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    montabase(g, f, pl.raiobase);
    // 3. Chests, monsters, the forest.
    std::string why;
    if (!vestemapa(g, f, chaves, why)) {
        std::fprintf(stderr, "layout %d: %s\n", n, why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
