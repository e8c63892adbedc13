// Mission 12: the arena of the final duel. A round floor ringed by torches with four gates, Dona
// Quiteva waiting in the middle between two braziers, three great portals in the wood around it.
#include "mapas/missao.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

static const Ponto centro{19, 19};
static const double raioanel = 9.0;

// The 48 torches on the ring, gates left open at the four points of the compass.
static void tochas(Grade& g) {
    std::vector<std::pair<double, Ponto>> anel;
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            double d = std::hypot(double(x - centro.x), double(y - centro.y));
            if (std::fabs(d - raioanel) >= 0.5) continue;
            double a = std::atan2(double(y - centro.y), double(x - centro.x));
            double quarto = std::fmod(a + 6.2831853 * 2, 1.5707963);  // distance to the nearest gate
            if (std::min(quarto, 1.5707963 - quarto) < 0.2) continue;
            anel.push_back({a, {x, y}});
        }
    std::sort(anel.begin(), anel.end(), [](auto& a, auto& b) { return a.first < b.first; });
    int n = int(anel.size());
    for (int k = 0; k < 48 && n > 0; k++) {
        Ponto p = anel[size_t(k * n / 48)].second;
        g.em(p.x, p.y) = 11;
    }
}

Picture arena() {
    const Ficha& f = fichamapa(12);
    Grade g(f.w, f.h, 0x6172656eull);
    g.trilhas = 0;
    // 1. A belt of old trees round the arena, broken by the roads to its four gates.
    for (int y = 0; y < g.h; y++)
        for (int x = 0; x < g.w; x++) {
            double d = std::hypot(double(x - centro.x), double(y - centro.y));
            double a = std::atan2(double(y - centro.y), double(x - centro.x));
            double quarto = std::fmod(a + 6.2831853 * 2, 1.5707963);
            if (d >= raioanel + 2.6 && d <= raioanel + 4.6 && std::min(quarto, 1.5707963 - quarto) * d > 1.6)
                g.proibido[g.i(x, y)] = 1;
        }
    // 2. The arena floor, the road from the hero to the south gate, the portals' clearings.
    clareira(g, centro.x, centro.y, raioanel + 1.5);
    juntarede(g);
    abreclareira(g, {f.herox, f.heroy}, 2);
    const Ponto portais[] = {{5, 6}, {33, 6}, {4, 31}};
    std::vector<int> tipos = portaisdaficha(f);
    std::vector<Ponto> chaves{{f.herox, f.heroy}, centro};
    for (size_t k = 0; k < tipos.size() && k < 3; k++) {
        abreclareira(g, portais[k], 3.3);
        g.em(portais[k].x, portais[k].y) = tipos[k];
        chaves.push_back(portais[k]);
    }
    // 3. Torches, braziers, the boss and the hero.
    tochas(g);
    g.em(centro.x - 3, centro.y - 2) = 15;
    g.em(centro.x + 3, centro.y - 2) = 15;
    g.em(f.chefex, f.chefey) = CONTEUDOUNIDADE + 26;
    g.em(f.herox, f.heroy) = CONTEUDOUNIDADE + 9;
    // 4. Chests in the wood, the wood.
    std::string why;
    if (!vestemapa(g, f, chaves, {}, why)) {
        std::fprintf(stderr, "layout 12: %s\n", why.c_str());
        return Picture(1, 1, 255, 0, 0);
    }
    return pintagrade(g);
}
