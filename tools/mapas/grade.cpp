// The shared machinery of the layout generator: noise, lanes and clearings, the forest that fills the
// rest, and the kinds of its objects.
#include "mapas/grade.h"

#include <algorithm>
#include <cmath>
#include <queue>

static double acaso(uint64_t s, int x, int y) {
    Rng r(s ^ (uint64_t(uint32_t(x)) * 0x9E3779B97F4A7C15ull) ^ (uint64_t(uint32_t(y)) * 0xC2B2AE3D27D4EB4Full));
    r.next();
    return r.uniform();
}

static double suave(double t) { return t * t * (3 - 2 * t); }

// Value noise on a lattice, smoothly interpolated.
static double valor(uint64_t s, double x, double y) {
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    double fx = suave(x - x0), fy = suave(y - y0);
    double a = acaso(s, x0, y0), b = acaso(s, x0 + 1, y0), c = acaso(s, x0, y0 + 1), d = acaso(s, x0 + 1, y0 + 1);
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
}

double ruido(uint64_t semente, double x, double y, double escala) {
    double soma = 0, peso = 0, amp = 1, e = escala;
    for (int o = 0; o < 3; o++) {
        soma += amp * valor(semente + o * 7919, x / e, y / e);
        peso += amp;
        amp *= 0.5;
        e *= 0.5;
    }
    return soma / peso;
}

Grade::Grade(int largura, int altura, uint64_t semente)
    : w(largura), h(altura), conteudo(size_t(w) * h, 0), aberto(size_t(w) * h, 0), proibido(size_t(w) * h, 0), rng(semente) {}

// Distance from (x, y) to the segment a-b, all in cells.
static double distsegmento(double x, double y, double ax, double ay, double bx, double by, double& px, double& py) {
    double vx = bx - ax, vy = by - ay, l2 = vx * vx + vy * vy;
    double t = l2 > 0 ? std::clamp(((x - ax) * vx + (y - ay) * vy) / l2, 0.0, 1.0) : 0.0;
    px = ax + t * vx;
    py = ay + t * vy;
    return std::hypot(x - px, y - py);
}

static void abrefaixa(Grade& g, const Trecho& t) {
    int x0 = int(std::floor(std::min(t.ax, t.bx) - t.raio)), x1 = int(std::ceil(std::max(t.ax, t.bx) + t.raio));
    int y0 = int(std::floor(std::min(t.ay, t.by) - t.raio)), y1 = int(std::ceil(std::max(t.ay, t.by) + t.raio));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double px, py;
            if (g.dentro(x, y) && !g.proibido[g.i(x, y)] && distsegmento(x, y, t.ax, t.ay, t.bx, t.by, px, py) <= t.raio + 0.01)
                g.aberto[g.i(x, y)] = 1;
        }
}

void trilha(Grade& g, Ponto a, Ponto b, double raio, bool principal) {
    Trecho t{double(a.x), double(a.y), double(b.x), double(b.y), raio, principal};
    g.trechos.push_back(t);
    abrefaixa(g, t);
}

void clareira(Grade& g, Ponto c, double r) { trilha(g, c, c, r); }

double foradastrilhas(const Grade& g, double x, double y) {
    double m = 1e9;
    for (const Trecho& t : g.trechos) {
        double px, py;
        m = std::min(m, distsegmento(x, y, t.ax, t.ay, t.bx, t.by, px, py) - t.raio);
    }
    return m;
}

Ponto pontonatrilha(const Grade& g, Ponto p) {
    double m = 1e9;
    Ponto r = p;
    for (const Trecho& t : g.trechos) {
        if (t.ax == t.bx && t.ay == t.by) continue;
        double px, py, d = distsegmento(p.x, p.y, t.ax, t.ay, t.bx, t.by, px, py);
        if (d < m) { m = d; r = {int(std::lround(px)), int(std::lround(py))}; }
    }
    return r;
}

double distanciaprincipal(const Grade& g, Ponto p) {
    double m = 1e9;
    for (const Trecho& t : g.trechos) {
        double px, py;
        if (t.principal) m = std::min(m, distsegmento(p.x, p.y, t.ax, t.ay, t.bx, t.by, px, py));
    }
    return m;
}

int povoa(Grade& g, int cx, int cy, const std::vector<int>& conteudos, bool centro, int raio) {
    std::vector<std::pair<int, int>> celas;  // (distance squared, cell)
    for (int y = cy - raio; y <= cy + raio; y++)
        for (int x = cx - raio; x <= cx + raio; x++) {
            if (!g.dentro(x, y) || (!centro && x == cx && y == cy)) continue;
            int k = g.i(x, y);
            if (g.aberto[k] && g.conteudo[k] == 0) celas.push_back({(x - cx) * (x - cx) + (y - cy) * (y - cy), k});
        }
    std::sort(celas.begin(), celas.end());
    // every other cell of the ring first, so monsters stand apart
    std::vector<int> ordem;
    for (size_t a = 0; a < celas.size(); a += 2) ordem.push_back(celas[a].second);
    for (size_t a = 1; a < celas.size(); a += 2) ordem.push_back(celas[a].second);
    int feitos = 0;
    for (size_t a = 0; a < ordem.size() && feitos < int(conteudos.size()); a++) {
        int x = ordem[a] % g.w, y = ordem[a] / g.w;
        bool vizinho = false;
        for (int oy = -1; oy <= 1; oy++)
            for (int ox = -1; ox <= 1; ox++)
                if (g.dentro(x + ox, y + oy) && g.conteudo[g.i(x + ox, y + oy)] >= CONTEUDOUNIDADE) vizinho = true;
        if (vizinho && a < ordem.size() / 2) continue;
        g.conteudo[ordem[a]] = conteudos[feitos++];
    }
    for (size_t a = 0; a < ordem.size() && feitos < int(conteudos.size()); a++)
        if (g.conteudo[ordem[a]] == 0) g.conteudo[ordem[a]] = conteudos[feitos++];
    return feitos;
}

// Closed 4-neighbours of a cell (thicket, or the map's edge).
static int fechados(const Grade& g, int x, int y) {
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    int n = 0;
    for (int d = 0; d < 4; d++) n += !g.dentro(x + dx[d], y + dy[d]) || g.conteudo[g.i(x + dx[d], y + dy[d])] == -1;
    return n;
}

// Smooth edges: a notch of open ground in the forest is closed and, to keep the count, the thicket
// cell that sticks out farthest into the open is opened instead.
static void alisa(Grade& g, const std::vector<double>& nota) {
    for (int passada = 0; passada < 3000; passada++) {
        int buraco = -1, ponta = -1;
        for (int y = 0; y < g.h && buraco < 0; y++)
            for (int x = 0; x < g.w && buraco < 0; x++)
                if (g.em(x, y) == 0 && !g.aberto[g.i(x, y)] && fechados(g, x, y) >= 3) buraco = g.i(x, y);
        if (buraco < 0) return;
        for (int minimo = 3; minimo >= 2 && ponta < 0; minimo--)
            for (int y = 0; y < g.h; y++)
                for (int x = 0; x < g.w; x++) {
                    int k = g.i(x, y);
                    if (g.conteudo[k] != -1 || g.proibido[k] || 4 - fechados(g, x, y) < minimo) continue;
                    if (ponta < 0 || nota[size_t(k)] < nota[size_t(ponta)]) ponta = k;
                }
        if (ponta < 0) return;
        g.conteudo[size_t(buraco)] = -1;
        g.conteudo[size_t(ponta)] = 0;
    }
}

bool preenche(Grade& g, int n, std::string& why) {
    std::vector<double> nota(g.conteudo.size(), 1e18);
    std::vector<int> cand;
    uint64_t s = g.rng.next();
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            int k = g.i(x, y);
            if (g.aberto[k] || g.conteudo[k] != 0) continue;
            int borda = std::min(std::min(x, y), std::min(g.w - 1 - x, g.h - 1 - y));
            nota[size_t(k)] = foradastrilhas(g, x, y) + g.amplitude * 2 * (ruido(s, x, y, g.escala) - 0.5) +
                              (borda < 1 ? 6 : borda < 2 ? 2.5 : borda < 3 ? 1 : 0) + (g.proibido[k] ? 100 : 0) + 0.05 * g.rng.uniform();
            cand.push_back(k);
        }
    if (int(cand.size()) < n) {
        why = "room for " + std::to_string(cand.size()) + " of " + std::to_string(n) + " blocking objects";
        return false;
    }
    std::sort(cand.begin(), cand.end(), [&](int a, int b) { return nota[size_t(a)] > nota[size_t(b)]; });
    for (int a = 0; a < n; a++) g.conteudo[size_t(cand[size_t(a)])] = -1;
    alisa(g, nota);
    return true;
}

static bool juntoaberto(const Grade& g, int x, int y) {
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    for (int d = 0; d < 4; d++)
        if (g.dentro(x + dx[d], y + dy[d]) && g.conteudo[g.i(x + dx[d], y + dy[d])] >= 0) return true;
    return false;
}

void tipifica(Grade& g, int tipo, int qtd, bool borda, const std::vector<Ponto>& perto) {
    for (int passada = 0; passada < 2 && qtd > 0; passada++) {
        std::vector<std::pair<double, int>> cand;
        for (int y = 0; y < g.h; y++)
            for (int x = 0; x < g.w; x++) {
                if (g.em(x, y) != -1 || (borda && passada == 0 && !juntoaberto(g, x, y))) continue;
                double nota = ruido(g.rng.state + tipo * 131, x, y, 3) + 0.15 * g.rng.uniform();
                if (!perto.empty()) {
                    double m = 1e9;
                    for (Ponto p : perto) m = std::min(m, std::hypot(double(x - p.x), double(y - p.y)));
                    nota = -m + g.rng.uniform() * 1.5;
                }
                cand.push_back({-nota, g.i(x, y)});
            }
        std::sort(cand.begin(), cand.end());
        for (size_t a = 0; a < cand.size() && qtd > 0; a++, qtd--) g.conteudo[cand[a].second] = tipo;
    }
}

void arvoriza(Grade& g) {
    uint64_t s = g.rng.state ^ 0x5151;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            if (g.em(x, y) != -1) continue;
            double v = ruido(s, x, y, 6) + 0.12 * (g.rng.uniform() - 0.5);
            g.em(x, y) = v < 0.42 ? 1 : v < 0.5 ? 2 : v < 0.58 ? 3 : 4;
        }
}

void espalha(Grade& g, int tipo, int qtd, const std::vector<Ponto>& longe, int distancia) {
    std::vector<int> cand;
    for (int y = 1; y < g.h - 1; y++)
        for (int x = 1; x < g.w - 1; x++) {
            int k = g.i(x, y);
            if (!g.aberto[k] || g.conteudo[k] != 0) continue;
            bool perto = false;
            for (Ponto p : longe) perto = perto || std::abs(p.x - x) + std::abs(p.y - y) < distancia;
            if (!perto) cand.push_back(k);
        }
    for (int a = 0; a < qtd && !cand.empty(); a++) {
        int j = g.rng.below(int(cand.size()));
        g.conteudo[cand[j]] = tipo;
        cand[j] = cand.back();
        cand.pop_back();
    }
}

Picture pintagrade(const Grade& g) {
    Picture p(g.w, g.h, 100, 150, 100);
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            uint8_t r, gg, b;
            int c = g.conteudo[g.i(x, y)];
            corconteudo(c < 0 ? 1 : c, r, gg, b);
            p.set(x, y, r, gg, b);
        }
    return p;
}
