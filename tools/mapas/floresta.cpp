// The forest missions: a base or a camp fire for the hero, roads through waypoints to the portals
// and the target, chests down side paths, monsters in camps, and forest everywhere else.
#include "mapas/missao.h"

#include <cmath>
#include <cstdio>

struct Retangulo {
    int x0, y0, x1, y1;
};

// One forest mission's design.
struct PlanoFloresta {
    int missao;
    int raiobase;                   // clearing round the hero (the base, where there is one)
    std::vector<Ponto> portais;     // portal cells, in the order of the table's portals
    std::vector<Ponto> marcos;      // waypoints the roads pass, joined in this order
    std::vector<Retangulo> matas;   // thick woods the roads must go round
};

static const PlanoFloresta planos[] = {
    // 1: the road climbs north round a wood and comes back down to the lost boy
    {1, 2, {}, {{6, 31}, {13, 18}, {24, 9}, {33, 20}, {31, 34}}, {{11, 24, 14, 49}, {16, 38, 30, 41}}},
    // 2: three portals in the north and east
    {2, 7, {{8, 8}, {42, 6}, {58, 38}}, {{30, 37}, {14, 26}, {38, 22}, {52, 26}}, {}},
    // 5: a weak portal near home, three strong ones far off
    {5, 7, {{38, 61}, {8, 10}, {40, 14}, {42, 36}}, {{30, 53}, {21, 34}, {12, 24}, {33, 25}}, {}},
    // 6: a long walk through the deep forest to Fidelina
    {6, 2, {}, {{13, 51}, {22, 41}, {12, 29}, {27, 22}, {42, 30}, {52, 17}, {41, 9}}, {{24, 48, 64, 52}}},
    // 7: the base in the middle, a portal in every corner
    {7, 7, {{8, 8}, {52, 9}, {9, 51}, {50, 50}}, {{18, 16}, {42, 16}, {18, 40}, {42, 40}}, {}},
    // 8: two great portals at the far east
    {8, 6, {{70, 9}, {68, 40}}, {{31, 35}, {44, 24}, {56, 13}, {55, 38}, {30, 12}}, {}},
    // 9: across the haunted wood to the secret passage
    {9, 3, {}, {{14, 13}, {24, 27}, {37, 17}, {53, 11}, {66, 24}, {61, 41}, {49, 47}, {21, 45}, {29, 61}}, {{30, 30, 60, 34}}},
    // 11: five great portals round a fortified base
    {11, 8, {{8, 8}, {61, 8}, {62, 42}, {40, 63}, {8, 57}}, {{18, 17}, {46, 15}, {50, 33}, {38, 47}, {18, 44}}, {}},
};
static_assert(sizeof(planos) / sizeof(planos[0]) == 8, "eight forest missions");

static const PlanoFloresta& planode(int n) {
    for (const PlanoFloresta& p : planos)
        if (p.missao == n) return p;
    return planos[0];
}

// A thick wood the roads must go round, its long sides waving so it does not look ruled.
static void fechamata(Grade& g, Retangulo r, int n) {
    bool deitada = r.x1 - r.x0 > r.y1 - r.y0;
    for (int y = r.y0; y <= r.y1; y++)
        for (int x = r.x0; x <= r.x1; x++) {
            int onda = int(std::lround(1.6 * std::sin((deitada ? x : y) * 0.45 + n)));
            int cx = deitada ? x : x + onda, cy = deitada ? y + onda : y;
            if (g.dentro(cx, cy)) g.proibido[g.i(cx, cy)] = 1;
        }
}

Picture florestal(int n) {
    const Ficha& f = fichamapa(n);
    const PlanoFloresta& pl = planode(n);
    Grade g(f.w, f.h, 0x6d617061ull * 131 + uint64_t(n) * 7777);
    for (Retangulo r : pl.matas) fechamata(g, r, n);
    if (n == 1) g.proibido[g.i(10, 3)] = g.proibido[g.i(10, 4)] = 1;  // the old trees by the northern path
    // 1. The hero's clearing or base, then the roads through the waypoints.
    clareira(g, f.herox, f.heroy, pl.raiobase);
    juntarede(g);
    std::vector<Ponto> chaves{{f.herox, f.heroy}};
    for (Ponto m : pl.marcos) { abreclareira(g, m, 2.3); chaves.push_back(m); }
    // 2. Portals with room round them, and the target.
    std::vector<int> portais = portaisdaficha(f);
    for (size_t k = 0; k < pl.portais.size() && k < portais.size(); k++) {
        abreclareira(g, pl.portais[k], 3.3);
        g.em(pl.portais[k].x, pl.portais[k].y) = portais[k];
        chaves.push_back(pl.portais[k]);
    }
    if (f.alvotipo) {
        abreclareira(g, {f.alvox, f.alvoy}, 2.3);
        g.em(f.alvox, f.alvoy) = f.alvotipo;
        chaves.push_back({f.alvox, f.alvoy});
    }
    // 3. The hero and the player's people.
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    montabase(g, f, pl.raiobase);
    // 4. Chests, monsters, the forest.
    std::string why;
    if (!vestemapa(g, f, chaves, pl.marcos, why)) {
        std::fprintf(stderr, "layout %d: %s\n", n, why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
