// Mission 12: the arena of the final duel. A round floor ringed by torches, Dona Quiteva waiting in
// the middle between two braziers, a torch-lit road from the hero to its south gate, and three great
// portals in the wood, each with straight ways to where the hero starts and into the arena, where he
// will fight: the northern one's way runs through the arena to the hero, the others' round it.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const Ponto centro{19, 19};
const double raioanel = 9.0;
const Ponto portais[] = {{19, 3}, {4, 32}, {34, 32}};

// Distance from a cell to the nearest lane's edge, the clearings left out.
double foradaslinhas(const Grade& g, Ponto p) {
    double m = 1e9;
    for (const Trecho& t : g.trechos) {
        if (t.ax == t.bx && t.ay == t.by) continue;
        double vx = t.bx - t.ax, vy = t.by - t.ay, l2 = vx * vx + vy * vy;
        double u = std::clamp(((p.x - t.ax) * vx + (p.y - t.ay) * vy) / l2, 0.0, 1.0);
        m = std::min(m, std::hypot(p.x - (t.ax + u * vx), p.y - (t.ay + u * vy)) - t.raio);
    }
    return m;
}

// The 48 torches: pairs along the hero's road, the rest on the ring, spread evenly over the cells no
// lane crosses.
void tochas(Grade& g, Ponto heroi) {
    int postas = 0;
    for (int y = heroi.y - 3; y > centro.y + raioanel + 1 && postas < 8; y -= 2, postas += 2) {
        g.em(heroi.x - 3, y) = 11;
        g.em(heroi.x + 3, y) = 11;
    }
    std::vector<std::pair<double, Ponto>> anel;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            double d = std::hypot(double(x - centro.x), double(y - centro.y));
            if (std::fabs(d - raioanel) >= 0.7 || foradaslinhas(g, {x, y}) < 0.6) continue;
            anel.push_back({std::atan2(double(y - centro.y), double(x - centro.x)), {x, y}});
        }
    std::sort(anel.begin(), anel.end(), [](auto& a, auto& b) { return a.first < b.first; });
    int n = int(anel.size());
    for (int k = 0; k < 48 - postas && n > 0; k++) {
        Ponto p = anel[size_t(k * n / (48 - postas))].second;
        g.em(p.x, p.y) = 11;
    }
}

}  // namespace

Picture arena() {
    const Ficha& f = fichamapa(12);
    Grade g(f.w, f.h, 0x6172656eull);
    g.amplitude = 1.5;
    Ponto heroi{f.herox, f.heroy};
    // 1. The arena floor, the road from the hero to its south side, the portals' ways.
    clareira(g, centro, raioanel + 1.5);
    clareira(g, heroi, 2.5);
    trilha(g, heroi, centro, 2.2);
    std::vector<int> tipos = portaisdaficha(f);
    std::vector<Ponto> chaves{heroi, centro};
    for (size_t k = 0; k < tipos.size() && k < 3; k++) {
        clareira(g, portais[k], 3.3);
        trilha(g, portais[k], heroi, 2.2, true);
        if (k > 0) trilha(g, portais[k], centro, 2.2, true);
        g.em(portais[k].x, portais[k].y) = tipos[k];
        chaves.push_back(portais[k]);
    }
    // 2. Torches, braziers, the boss and the hero.
    tochas(g, heroi);
    g.em(centro.x - 3, centro.y - 2) = 15;
    g.em(centro.x + 3, centro.y - 2) = 15;
    g.em(f.chefex, f.chefey) = CONTEUDOUNIDADE + 26;
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    // 3. Chests in the wood, the wood.
    std::string why;
    if (!vestemapa(g, f, chaves, why)) {
        std::fprintf(stderr, "layout 12: %s\n", why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
