// The shared machinery of the layout generator: noise, clearings, paths, thickets and their types.
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
    : w(largura), h(altura), conteudo(size_t(w) * h, 0), aberto(size_t(w) * h, 0), rede(size_t(w) * h, 0),
      proibido(size_t(w) * h, 0), densidade(size_t(w) * h), sinuoso(size_t(w) * h), rng(semente) {
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            densidade[i(x, y)] = ruido(semente, x, y, 9);
            sinuoso[i(x, y)] = ruido(semente + 1, x, y, 4);
        }
}

void clareira(Grade& g, int cx, int cy, double r) {
    int ri = int(std::ceil(r));
    for (int y = cy - ri; y <= cy + ri; y++)
        for (int x = cx - ri; x <= cx + ri; x++)
            if (g.dentro(x, y) && !g.proibido[g.i(x, y)] && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r + 0.01)
                g.aberto[g.i(x, y)] = 1;
}

void juntarede(Grade& g) {
    for (size_t k = 0; k < g.aberto.size(); k++)
        if (g.aberto[k]) g.rede[k] = 1;
}

// Cheapest way from `de` to the first cell that `chegou` accepts; empty when none.
template <class F>
static std::vector<int> dijkstra(const Grade& g, Ponto de, F chegou) {
    std::vector<double> custo(g.conteudo.size(), 1e18);
    std::vector<int> veio(g.conteudo.size(), -1);
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> fila;
    int s = g.i(de.x, de.y);
    custo[s] = 0;
    fila.push({0, s});
    // eight directions: the 2 x 2 digging keeps diagonal steps 4-connected, and trails run slanted
    static const int dx[8] = {1, -1, 0, 0, 1, 1, -1, -1}, dy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    while (!fila.empty()) {
        auto [c, k] = fila.top();
        fila.pop();
        if (c > custo[k]) continue;
        if (chegou(k)) {
            std::vector<int> rota;
            for (int v = k; v != -1; v = veio[v]) rota.push_back(v);
            return rota;
        }
        int x = k % g.w, y = k / g.w;
        for (int d = 0; d < 8; d++) {
            int nx = x + dx[d], ny = y + dy[d];
            if (!g.dentro(nx, ny) || g.proibido[g.i(nx, ny)]) continue;
            // a slanted step must not squeeze between two shut cells
            if (d >= 4 && (!g.dentro(x + dx[d] + 1, y + dy[d] + 1) || g.proibido[g.i(nx, y)] || g.proibido[g.i(x, ny)])) continue;
            int n = g.i(nx, ny);
            bool borda = nx < 2 || ny < 2 || nx >= g.w - 2 || ny >= g.h - 2;
            double passo = g.aberto[n] ? 0.6 : 1.0 + 7.0 * g.sinuoso[n] + (borda ? 15.0 : 0.0);
            if (d >= 4) passo *= 1.414;
            if (c + passo < custo[n]) { custo[n] = c + passo; veio[n] = k; fila.push({c + passo, n}); }
        }
    }
    return {};
}

// Opens every cell of a route two cells wide.
static void cava2x2(Grade& g, int x, int y) {
    for (int oy = 0; oy < 2; oy++)
        for (int ox = 0; ox < 2; ox++)
            if (g.dentro(x + ox, y + oy) && !g.proibido[g.i(x + ox, y + oy)]) g.aberto[g.i(x + ox, y + oy)] = 1;
}

// Opens every cell of a route two cells wide (slanted steps a little wider, so they stay roomy).
static void cava(Grade& g, const std::vector<int>& rota) {
    for (size_t j = 0; j < rota.size(); j++) {
        int x = rota[j] % g.w, y = rota[j] / g.w;
        cava2x2(g, x, y);
        g.aberto[rota[j]] = 1;
        if (j + 1 < rota.size() && rota[j + 1] % g.w != x && rota[j + 1] / g.w != y) cava2x2(g, rota[j + 1] % g.w, y);
    }
}

bool ligarede(Grade& g, int x, int y) {
    if (!g.dentro(x, y)) return false;
    std::vector<int> rota = dijkstra(g, {x, y}, [&](int k) { return g.rede[k] != 0; });
    if (rota.empty()) return false;
    cava(g, rota);
    return true;
}

bool cavacaminho(Grade& g, Ponto a, Ponto b) {
    if (!g.dentro(a.x, a.y) || !g.dentro(b.x, b.y)) return false;
    int alvo = g.i(b.x, b.y);
    std::vector<int> rota = dijkstra(g, a, [&](int k) { return k == alvo; });
    if (rota.empty()) return false;
    cava(g, rota);
    return true;
}

std::vector<int> distanciarede(const Grade& g) {
    std::vector<int> d(g.conteudo.size(), -1);
    std::queue<int> fila;
    for (size_t k = 0; k < d.size(); k++)
        if (g.rede[k]) { d[k] = 0; fila.push(int(k)); }
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    while (!fila.empty()) {
        int k = fila.front();
        fila.pop();
        int x = k % g.w, y = k / g.w;
        for (int q = 0; q < 4; q++) {
            int nx = x + dx[q], ny = y + dy[q];
            if (!g.dentro(nx, ny) || g.proibido[g.i(nx, ny)] || d[g.i(nx, ny)] >= 0) continue;
            d[g.i(nx, ny)] = d[k] + 1;
            fila.push(g.i(nx, ny));
        }
    }
    return d;
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

bool preenche(Grade& g, int n, std::string& why) {
    std::vector<std::pair<double, int>> cand;
    std::vector<int> longe = distanciarede(g);  // the deeper in from the roads, the thicker
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            int k = g.i(x, y);
            if (g.aberto[k] || g.conteudo[k] != 0) continue;
            int borda = std::min(std::min(x, y), std::min(g.w - 1 - x, g.h - 1 - y));
            double fundo = longe[k] < 0 ? 8 : std::min(longe[k], 8);
            double nota = g.densidade[k] + g.pesofundo * fundo + 0.3 * ruido(g.rng.state ^ 0x77, x, y, 2.5) + 0.1 * g.rng.uniform() + (borda < 1 ? 0.3 : borda < 3 ? 0.1 : 0.0) + (g.proibido[k] ? 10.0 : 0.0);
            cand.push_back({-nota, k});
        }
    if (int(cand.size()) < n) {
        why = "room for " + std::to_string(cand.size()) + " of " + std::to_string(n) + " blocking objects";
        return false;
    }
    std::sort(cand.begin(), cand.end());
    for (int a = 0; a < n; a++) g.conteudo[cand[a].second] = -1;
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
