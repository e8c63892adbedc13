// The labyrinths of missions 4 and 10: corridors three cells wide between walls one cell thick, on a
// grid of blocks four cells apart. A unit walks them in straight runs, so the maze is grown for it:
// a spine of a few long runs from the hero to the way out, side corridors that like to go straight,
// chests at dead ends a few runs away, monsters and (in mission 10) traps off the chests' ways.
#include "mapas/missao.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

const int dx[4] = {1, 0, -1, 0}, dy[4] = {0, 1, 0, -1};  // east, south, west, north

struct Blocos {
    int nx, ny;
    std::vector<uint8_t> visto;
    std::vector<uint8_t> passagem;  // 4 bits a block: the sides it opens to
    int k(int x, int y) const { return y * nx + x; }
    bool dentro(int x, int y) const { return x >= 0 && y >= 0 && x < nx && y < ny; }
    int ligacoes(int b) const { return __builtin_popcount(passagem[size_t(b)]); }
};

Ponto celula(int bx, int by) { return {4 * bx + 2, 4 * by + 2}; }  // a block's middle cell
Ponto blocode(Ponto c) { return {(c.x - 1) / 4, (c.y - 1) / 4}; }

void liga(Blocos& b, int x, int y, int d) {
    b.passagem[size_t(b.k(x, y))] |= uint8_t(1 << d);
    b.passagem[size_t(b.k(x + dx[d], y + dy[d]))] |= uint8_t(1 << ((d + 2) % 4));
}

// The spine: runs from the hero's block to the exit's, alternating between the two axes, each at
// least two blocks long.
void espinha(Blocos& b, Grade& g, Ponto de, Ponto ate, std::vector<int>& caminho) {
    int x = de.x, y = de.y;
    caminho.push_back(b.k(x, y));
    b.visto[size_t(b.k(x, y))] = 1;
    bool vertical = std::abs(ate.y - y) >= std::abs(ate.x - x);
    while (x != ate.x || y != ate.y) {
        int falta = vertical ? ate.y - y : ate.x - x;
        if (falta == 0) { vertical = !vertical; continue; }
        int passo = std::abs(falta);
        int outro = vertical ? std::abs(ate.x - x) : std::abs(ate.y - y);
        if (outro > 0 && passo > 3) passo = 2 + g.rng.below(passo - 2);
        int d = vertical ? (falta > 0 ? 1 : 3) : (falta > 0 ? 0 : 2);
        for (int s = 0; s < passo; s++) {
            liga(b, x, y, d);
            x += dx[d];
            y += dy[d];
            b.visto[size_t(b.k(x, y))] = 1;
            caminho.push_back(b.k(x, y));
        }
        vertical = !vertical;
    }
}

// Every other block joined to the spine by a growing tree that likes to keep its direction, so the
// corridors run long and straight.
void cresce(Blocos& b, Grade& g, const std::vector<int>& espinha) {
    std::vector<std::pair<int, int>> ativos;  // (block, direction it was entered by)
    for (int k : espinha) ativos.push_back({k, g.rng.below(4)});
    while (!ativos.empty()) {
        size_t a = g.rng.uniform() < 0.75 ? ativos.size() - 1 : size_t(g.rng.below(int(ativos.size())));
        auto [k, dir] = ativos[a];
        int x = k % b.nx, y = k / b.nx;
        int opc[4], n = 0;
        for (int d = 0; d < 4; d++)
            if (b.dentro(x + dx[d], y + dy[d]) && !b.visto[size_t(b.k(x + dx[d], y + dy[d]))]) opc[n++] = d;
        if (n == 0) {
            ativos.erase(ativos.begin() + long(a));
            continue;
        }
        int d = opc[g.rng.below(n)];
        for (int j = 0; j < n; j++)
            if (opc[j] == dir && g.rng.uniform() < 0.8) d = dir;
        liga(b, x, y, d);
        int nk = b.k(x + dx[d], y + dy[d]);
        b.visto[size_t(nk)] = 1;
        ativos.push_back({nk, d});
    }
}

// Straight runs needed from the hero's block to every block: walking on in the same direction is
// free, turning starts a new run.
std::vector<int> corridas(const Blocos& b, int inicio) {
    std::vector<int> custo(size_t(b.nx) * b.ny * 4, 1 << 20);
    std::deque<std::pair<int, int>> fila;  // (state, cost)
    for (int d = 0; d < 4; d++) {
        custo[size_t(inicio * 4 + d)] = 1;
        fila.push_back({inicio * 4 + d, 1});
    }
    while (!fila.empty()) {
        auto [s, c] = fila.front();
        fila.pop_front();
        if (c > custo[size_t(s)]) continue;
        int k = s / 4, d = s % 4, x = k % b.nx, y = k / b.nx;
        if ((b.passagem[size_t(k)] >> d) & 1) {
            int n = b.k(x + dx[d], y + dy[d]) * 4 + d;
            if (c < custo[size_t(n)]) { custo[size_t(n)] = c; fila.push_front({n, c}); }
        }
        for (int e = 0; e < 4; e++) {
            int n = k * 4 + e;
            if (e != d && c + 1 < custo[size_t(n)]) { custo[size_t(n)] = c + 1; fila.push_back({n, c + 1}); }
        }
    }
    std::vector<int> r(size_t(b.nx) * b.ny);
    for (size_t k = 0; k < r.size(); k++) r[k] = *std::min_element(custo.begin() + long(k * 4), custo.begin() + long(k * 4 + 4));
    return r;
}

// The blocks on the tree's way from `de` to `ate`.
std::vector<int> trajeto(const Blocos& b, int de, int ate) {
    std::vector<int> veio(size_t(b.nx) * b.ny, -2);
    std::deque<int> fila{de};
    veio[size_t(de)] = -1;
    while (!fila.empty()) {
        int k = fila.front();
        fila.pop_front();
        for (int d = 0; d < 4; d++) {
            if (!((b.passagem[size_t(k)] >> d) & 1)) continue;
            int n = b.k(k % b.nx + dx[d], k / b.nx + dy[d]);
            if (veio[size_t(n)] == -2) { veio[size_t(n)] = k; fila.push_back(n); }
        }
    }
    std::vector<int> r;
    for (int k = ate; k >= 0; k = veio[size_t(k)]) r.push_back(k);
    return r;
}

// The cells: blocks and their passages open, everything else wall.
void escava(Grade& g, const Blocos& b) {
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) g.proibido[g.i(x, y)] = 1;
    auto abre = [&](int x, int y) {
        if (g.dentro(x, y)) { g.proibido[g.i(x, y)] = 0; g.aberto[g.i(x, y)] = 1; }
    };
    for (int by = 0; by < b.ny; by++)
        for (int bx = 0; bx < b.nx; bx++) {
            for (int oy = 1; oy <= 3; oy++)
                for (int ox = 1; ox <= 3; ox++) abre(4 * bx + ox, 4 * by + oy);
            uint8_t p = b.passagem[size_t(b.k(bx, by))];
            for (int s = 1; s <= 3; s++) {
                if (p & 1) abre(4 * bx + 4, 4 * by + s);
                if (p & 2) abre(4 * bx + s, 4 * by + 4);
            }
        }
}

int fechadas(const Grade& g) {
    int n = 0;
    for (uint8_t p : g.proibido) n += p;
    return n;
}

// Walls to the table's count: loops opened where there are too many, then dead ends that no way
// needs walled up from their far end until the count is met.
void ajustaparedes(Grade& g, Blocos& b, int paredes, const std::vector<uint8_t>& usado) {
    for (int tent = 0; tent < 20000 && fechadas(g) > paredes; tent++) {
        int x = g.rng.below(b.nx), y = g.rng.below(b.ny), d = g.rng.below(2);
        if (!b.dentro(x + dx[d], y + dy[d]) || ((b.passagem[size_t(b.k(x, y))] >> d) & 1)) continue;
        liga(b, x, y, d);
        escava(g, b);
    }
    std::vector<Ponto> tampa;  // the far row of every such dead end, then its middle row
    for (int by = 0; by < b.ny; by++)
        for (int bx = 0; bx < b.nx; bx++) {
            int k = b.k(bx, by);
            if (usado[size_t(k)] || b.ligacoes(k) != 1) continue;
            int d = __builtin_ctz(b.passagem[size_t(k)]);
            Ponto c = celula(bx, by);
            int px = dy[d] != 0 ? 1 : 0, py = dx[d] != 0 ? 1 : 0;  // along the far side
            for (int fila = 1; fila >= 0; fila--)
                for (int l = -1; l <= 1; l++) tampa.push_back({c.x - dx[d] * fila + px * l, c.y - dy[d] * fila + py * l});
        }
    for (size_t k = 0; k < tampa.size() && fechadas(g) < paredes; k++) {
        Ponto p = tampa[k];
        if (!g.dentro(p.x, p.y) || g.em(p.x, p.y) != 0) continue;
        g.proibido[g.i(p.x, p.y)] = 1;
        g.aberto[g.i(p.x, p.y)] = 0;
    }
}

struct PlanoLabirinto {
    int missao;
    Ponto saida;        // the block of the way out (the target's, or the gap at the top)
    Ponto brecha;       // first cell of the gap in the outer wall, {-1, -1} when none
};
const PlanoLabirinto planos[] = {
    {4, {5, 1}, {-1, -1}},
    {10, {1, 0}, {5, 0}},
};

}  // namespace

Picture labirinto(int n) {
    const Ficha& f = fichamapa(n);
    const PlanoLabirinto& pl = planos[n == 10 ? 1 : 0];
    Ponto heroi{f.herox, f.heroy};
    for (uint64_t tentativa = 0; tentativa < 40; tentativa++) {
        Grade g(f.w, f.h, 0x6c616269ull + uint64_t(n) * 104729 + tentativa * 7919);
        Blocos b{f.w / 4, f.h / 4, {}, {}};
        b.visto.assign(size_t(b.nx) * b.ny, 0);
        b.passagem.assign(size_t(b.nx) * b.ny, 0);
        Ponto bh = blocode(heroi);
        std::vector<int> coluna;
        espinha(b, g, bh, pl.saida, coluna);
        cresce(b, g, coluna);
        // chests at dead ends a few runs from the hero, spread over the maze
        std::vector<int> runs = corridas(b, b.k(bh.x, bh.y));
        std::vector<std::pair<double, int>> becos;
        for (int k = 0; k < b.nx * b.ny; k++) {
            Ponto c = celula(k % b.nx, k / b.nx);
            int dist = std::abs(c.x - heroi.x) + std::abs(c.y - heroi.y);
            if (b.ligacoes(k) == 1 && runs[size_t(k)] <= 7 && dist > 10) becos.push_back({g.rng.uniform(), k});
        }
        if (becos.size() < f.baus.size() + 4) continue;
        std::sort(becos.begin(), becos.end());
        std::vector<uint8_t> usado(size_t(b.nx) * b.ny, 0);  // blocks on the way to a chest or the exit
        for (int k : trajeto(b, b.k(bh.x, bh.y), b.k(pl.saida.x, pl.saida.y))) usado[size_t(k)] = 1;
        std::vector<int> baus;
        for (auto& [r, k] : becos) {
            if (baus.size() == f.baus.size()) break;
            bool perto = false;
            for (int o : baus) perto = perto || std::abs(o % b.nx - k % b.nx) + std::abs(o / b.nx - k / b.nx) < 3;
            if (!perto) baus.push_back(k);
        }
        if (baus.size() < f.baus.size()) continue;
        for (int k : baus)
            for (int t : trajeto(b, b.k(bh.x, bh.y), k)) usado[size_t(t)] = 1;
        escava(g, b);
        if (pl.brecha.x >= 0)  // the gap in the outer wall under the way out
            for (int s = 0; s < 3; s++) { g.proibido[g.i(pl.brecha.x + s, 0)] = 0; g.aberto[g.i(pl.brecha.x + s, 0)] = 1; }
        int paredes = bloqueiosdaficha(f);
        ajustaparedes(g, b, paredes, usado);
        if (fechadas(g) != paredes) continue;
        // the hero with his people, the target, the chests
        g.em(heroi.x, heroi.y) = CONTEUDOUNIDADE + 9;
        montabase(g, f, 1);
        if (f.alvotipo) g.em(f.alvox, f.alvoy) = f.alvotipo;
        std::vector<Ponto> chaves{heroi};
        if (f.alvotipo) chaves.push_back({f.alvox, f.alvoy});
        for (size_t q = 0; q < baus.size(); q++) {
            Ponto c = celula(baus[q] % b.nx, baus[q] / b.nx);
            g.em(c.x, c.y) = CONTEUDOBAU + f.baus[q];
            chaves.push_back(c);
        }
        // monsters in the blocks no chest's way passes, the farthest from those ways first (a monster
        // chases what comes within 300, six cells), up to three to a block where there is no more room
        std::vector<int> pool = inimigosdaficha(f);
        std::vector<int> longe(size_t(b.nx) * b.ny, 1 << 20);
        std::deque<int> fila;
        for (int k = 0; k < b.nx * b.ny; k++)
            if (usado[size_t(k)]) { longe[size_t(k)] = 0; fila.push_back(k); }
        while (!fila.empty()) {  // blocks from the ways, through walls too: that is how far the chase reaches
            int k = fila.front();
            fila.pop_front();
            for (int d = 0; d < 4; d++) {
                int x = k % b.nx + dx[d], y = k / b.nx + dy[d];
                if (b.dentro(x, y) && longe[size_t(b.k(x, y))] > longe[size_t(k)] + 1) {
                    longe[size_t(b.k(x, y))] = longe[size_t(k)] + 1;
                    fila.push_back(b.k(x, y));
                }
            }
        }
        std::vector<std::pair<double, int>> livres;
        for (int k = 0; k < b.nx * b.ny; k++) {
            Ponto c = celula(k % b.nx, k / b.nx);
            if (!usado[size_t(k)] && std::abs(c.x - heroi.x) + std::abs(c.y - heroi.y) > 12 && g.em(c.x, c.y) == 0 && g.aberto[g.i(c.x, c.y)])
                livres.push_back({-longe[size_t(k)] + 0.5 * g.rng.uniform(), k});
        }
        std::sort(livres.begin(), livres.end());
        const Ponto lugares[] = {{0, 0}, {-1, 1}, {1, -1}};  // within the block
        for (int camada = 0; camada < 3 && !pool.empty(); camada++)
            for (size_t q = 0; q < livres.size() && !pool.empty(); q++) {
                if (longe[size_t(livres[q].second)] < 2 && camada == 0) continue;  // the blocks by the ways last
                Ponto c = celula(livres[q].second % b.nx, livres[q].second / b.nx);
                Ponto p{c.x + lugares[camada].x, c.y + lugares[camada].y};
                if (g.em(p.x, p.y) != 0 || !g.aberto[g.i(p.x, p.y)]) continue;
                g.em(p.x, p.y) = pool.front();
                pool.erase(pool.begin());
            }
        if (!pool.empty()) continue;
        // walls, torches and statues; then floor marks anywhere, traps only off the chests' ways
        std::string why;
        if (!preenche(g, paredes, why)) continue;
        tipificatudo(g, f, chaves);
        for (Contagem o : f.objetos) {
            if (objetobloqueia(o.tipo)) continue;
            if (o.tipo != 21) { espalha(g, o.tipo, o.qtd, chaves, 3); continue; }
            std::vector<Ponto> celas;
            for (int y = 0; y < g.h; y++)
                for (int x = 0; x < g.w; x++) {
                    Ponto bl = blocode({x, y});
                    if (g.aberto[g.i(x, y)] && g.em(x, y) == 0 && b.dentro(bl.x, bl.y) && !usado[size_t(b.k(bl.x, bl.y))] &&
                        std::abs(x - heroi.x) + std::abs(y - heroi.y) > 10)
                        celas.push_back({x, y});
                }
            for (int q = 0; q < o.qtd && !celas.empty(); q++) {
                int j = g.rng.below(int(celas.size()));
                g.em(celas[size_t(j)].x, celas[size_t(j)].y) = 21;
                celas.erase(celas.begin() + j);
            }
        }
        return pintagrade(g);
    }
    std::fprintf(stderr, "layout %d: no maze of the table's counts\n", n);
    return Picture(1, 1, 255, 0, 0);
}
