// The labyrinths of missions 4 and 10: corridors two cells wide between rock walls, a few halls,
// chests at the dead ends with guards, monsters roaming the corridors, and in mission 10 traps
// hidden on the paths and the way out at the top.
#include "mapas/missao.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// A block of the maze is the 2 x 2 open square at (3bx + 1, 3by + 1); walls lie on multiples of 3.
struct Blocos {
    int nx, ny;
    std::vector<uint8_t> visto;
    std::vector<int> ligacoes;  // how many openings each block has
};

static void abre(Grade& g, int x, int y) {
    if (g.dentro(x, y)) g.aberto[g.i(x, y)] = 1;
}

// Opens the wall between two neighbouring blocks.
static void liga(Grade& g, Blocos& b, int ax, int ay, int bx, int by) {
    if (ax != bx) {
        int x = 3 * std::max(ax, bx);
        abre(g, x, 3 * ay + 1);
        abre(g, x, 3 * ay + 2);
    } else {
        int y = 3 * std::max(ay, by);
        abre(g, 3 * ax + 1, y);
        abre(g, 3 * ax + 2, y);
    }
    b.ligacoes[ay * b.nx + ax]++;
    b.ligacoes[by * b.nx + bx]++;
}

// A perfect maze over every block, grown by the backtracker from block 0.
static void escava(Grade& g, Blocos& b) {
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    std::vector<int> pilha{0};
    b.visto[0] = 1;
    for (int y = 0; y < b.ny; y++)
        for (int x = 0; x < b.nx; x++)
            for (int oy = 1; oy <= 2; oy++)
                for (int ox = 1; ox <= 2; ox++) abre(g, 3 * x + ox, 3 * y + oy);
    while (!pilha.empty()) {
        int k = pilha.back(), x = k % b.nx, y = k / b.nx;
        int opc[4], n = 0;
        for (int d = 0; d < 4; d++) {
            int nx = x + dx[d], ny = y + dy[d];
            if (nx >= 0 && ny >= 0 && nx < b.nx && ny < b.ny && !b.visto[ny * b.nx + nx]) opc[n++] = d;
        }
        if (!n) { pilha.pop_back(); continue; }
        int d = opc[g.rng.below(n)];
        int nk = (y + dy[d]) * b.nx + x + dx[d];
        liga(g, b, x, y, x + dx[d], y + dy[d]);
        b.visto[nk] = 1;
        pilha.push_back(nk);
    }
}

static int fechadas(const Grade& g) {
    int n = 0;
    for (size_t k = 0; k < g.aberto.size(); k++) n += !g.aberto[k];
    return n;
}

// Halls and extra openings until the walls left are just a few more than the table's.
static void alarga(Grade& g, Blocos& b, int paredes, const std::vector<Ponto>& poupar) {
    for (int tent = 0; tent < 400 && fechadas(g) > paredes + 110; tent++) {  // halls of 2 x 2 blocks
        int bx = 1 + g.rng.below(b.nx - 3), by = 1 + g.rng.below(b.ny - 3);
        bool perto = false;
        for (Ponto p : poupar) perto = perto || (std::abs(3 * bx + 3 - p.x) < 9 && std::abs(3 * by + 3 - p.y) < 9);
        if (perto) continue;
        for (int y = 3 * by + 1; y <= 3 * by + 5; y++)
            for (int x = 3 * bx + 1; x <= 3 * bx + 5; x++) abre(g, x, y);
    }
    for (int tent = 0; tent < 4000 && fechadas(g) > paredes + 50; tent++) {  // loops
        int bx = g.rng.below(b.nx - 1), by = g.rng.below(b.ny - 1);
        if (g.rng.below(2)) liga(g, b, bx, by, bx + 1, by);
        else liga(g, b, bx, by, bx, by + 1);
    }
}

// Dead ends far from the hero, for the chests.
static std::vector<Ponto> becos(Grade& g, const Blocos& b, Ponto heroi) {
    std::vector<std::pair<int, Ponto>> v;
    for (int y = 0; y < b.ny; y++)
        for (int x = 0; x < b.nx; x++) {
            Ponto p{3 * x + 1 + g.rng.below(2), 3 * y + 1 + g.rng.below(2)};
            int d = std::abs(p.x - heroi.x) + std::abs(p.y - heroi.y);
            if (b.ligacoes[y * b.nx + x] == 1 && d > 12) v.push_back({-(d + g.rng.below(40)), p});
        }
    std::sort(v.begin(), v.end(), [](auto& a, auto& c) { return a.first < c.first; });
    std::vector<Ponto> r;
    for (auto& [d, p] : v) r.push_back(p);
    return r;
}

// Monsters one or two together in the corridors, never near the hero's start.
static bool espalhamonstros(Grade& g, std::vector<int>& pool, Ponto heroi) {
    for (int tent = 0; tent < 20000 && !pool.empty(); tent++) {
        int x = 1 + g.rng.below(g.w - 2), y = 1 + g.rng.below(g.h - 2);
        if (!g.aberto[g.i(x, y)] || g.em(x, y) != 0 || std::abs(x - heroi.x) + std::abs(y - heroi.y) < 10) continue;
        bool vizinho = false;
        for (int oy = -2; oy <= 2; oy++)
            for (int ox = -2; ox <= 2; ox++)
                if (g.dentro(x + ox, y + oy) && g.em(x + ox, y + oy) >= CONTEUDOUNIDADE) vizinho = true;
        if (vizinho) continue;
        int n = std::min<int>(1 + g.rng.below(2), int(pool.size()));
        std::vector<int> grupo(pool.begin(), pool.begin() + n);
        pool.erase(pool.begin(), pool.begin() + povoa(g, x, y, grupo, true, 1));
    }
    return pool.empty();
}

// Chests at the dead ends, spread over the maze, every other one with two guards.
static bool guardabaus(Grade& g, const Ficha& f, const Blocos& b, std::vector<int>& pool, std::vector<Ponto>& baus) {
    std::vector<Ponto> fins = becos(g, b, {f.herox, f.heroy});
    for (size_t k = 0; k < f.baus.size(); k++) {
        Ponto p{-1, -1};
        for (int folga = 12; folga >= 0 && p.x < 0; folga -= 4)
            for (size_t j = 0; j < fins.size() && p.x < 0; j++) {
                bool perto = g.em(fins[j].x, fins[j].y) != 0;
                for (Ponto q : baus) perto = perto || std::abs(q.x - fins[j].x) + std::abs(q.y - fins[j].y) < folga;
                if (!perto) p = fins[j];
            }
        if (p.x < 0) return false;
        g.em(p.x, p.y) = CONTEUDOBAU + f.baus[k];
        baus.push_back(p);
        int guardas = std::min<int>(k % 2 ? 1 : 2, int(pool.size()));
        std::vector<int> grupo(pool.begin(), pool.begin() + guardas);
        pool.erase(pool.begin(), pool.begin() + povoa(g, p.x, p.y, grupo, false, 2));
    }
    return true;
}

// The maze itself: perfect, then loosened by halls and loops, its outer wall whole; the hero's hall,
// the target's chamber and mission 10's way out at the top.
static void tracamaze(Grade& g, const Ficha& f, Blocos& b, int n) {
    escava(g, b);
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++)
            if (x == 0 || y == 0 || x == g.w - 1 || y == g.h - 1) g.proibido[g.i(x, y)] = 1;
    std::vector<Ponto> poupar{{f.herox, f.heroy}};
    if (f.alvotipo) poupar.push_back({f.alvox, f.alvoy});
    alarga(g, b, bloqueiosdaficha(f), poupar);
    juntarede(g);
    abreclareira(g, {f.herox, f.heroy}, 2.5);
    if (f.alvotipo) {
        abreclareira(g, {f.alvox, f.alvoy}, 2.3);
        g.em(f.alvox, f.alvoy) = f.alvotipo;
    }
    if (n == 10) {  // the gap in the outer wall under the exit area (270, -60)-(470, 30)
        abre(g, 6, 0);
        abre(g, 7, 0);
        abre(g, 8, 0);
        juntarede(g);
    }
}

Picture labirinto(int n) {
    const Ficha& f = fichamapa(n);
    Grade g(f.w, f.h, 0x6c616269ull + uint64_t(n) * 104729);
    g.pesofundo = 0;
    Blocos b{(f.w - 1) / 3, (f.h - 1) / 3, {}, {}};
    b.visto.assign(size_t(b.nx) * b.ny, 0);
    b.ligacoes.assign(size_t(b.nx) * b.ny, 0);
    tracamaze(g, f, b, n);
    Ponto heroi{f.herox, f.heroy};
    g.em(heroi.x, heroi.y) = CONTEUDOUNIDADE + 9;
    montabase(g, f, 2);
    // chests and monsters, then the walls of exactly the table's count and their kinds
    std::vector<int> pool = inimigosdaficha(f);
    std::vector<Ponto> baus;
    std::string why;
    if (!guardabaus(g, f, b, pool, baus)) why = "no dead end for a chest";
    else if (!espalhamonstros(g, pool, heroi)) why = "no room for the monsters";
    else preenche(g, bloqueiosdaficha(f), why);
    if (!why.empty()) {
        std::fprintf(stderr, "layout %d: %s\n", n, why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    baus.push_back(heroi);
    if (f.alvotipo) baus.push_back({f.alvox, f.alvoy});
    tipificatudo(g, f, baus);
    for (Contagem o : f.objetos)  // floor marks, and traps on the paths (none by the hero)
        if (!objetobloqueia(o.tipo)) espalha(g, o.tipo, o.qtd - contaconteudo(g, o.tipo), {heroi}, o.tipo == 21 ? 8 : 3);
    return pintagrade(g);
}
