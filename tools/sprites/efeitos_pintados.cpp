// The effect pictures painted pixel by pixel: shadows, fire, smoke, glows, bolts and the demon's and
// the boss's deaths. With only a colour key, a glow is a ramp from a hot core to a dark edge, and a
// fading thing gets smaller, darker and sparser instead of see-through.
#include <algorithm>
#include <cmath>

#include "fogos.h"
#include "common/rng.h"

namespace boneco {

namespace {

double limita(double v) { return std::clamp(v, 0.0, 1.0); }

// Sparks: n bright points scattered with seed s over a box, each a pixel or a small cross.
void faiscas(Picture& p, int n, int semente, double x0, double y0, double x1, double y1, Tinta quente) {
    Rng r(semente);
    for (int k = 0; k < n; k++) {
        int x = int(r.range(x0, x1)), y = int(r.range(y0, y1));
        bool cruz = r.uniform() < 0.3;
        Tinta c = quente.mistura(rgb(255, 250, 230), r.uniform() * 0.6);
        auto poe = [&](int px, int py, Tinta t) {
            if (px >= 0 && py >= 0 && px < p.w && py < p.h) p.set(px, py, uint8_t(t.r * 254), uint8_t(t.g * 254), uint8_t(t.b * 254));
        };
        poe(x, y, c);
        if (cruz)
            for (int d = 0; d < 4; d++) poe(x + (d == 0) - (d == 1), y + (d == 2) - (d == 3), quente.escura(0.75));
    }
}

// A four-pointed twinkle of radius r at (cx, cy): a bright cross fading along its arms.
double twinkle(double x, double y, double cx, double cy, double r) {
    double dx = std::fabs(x - cx), dy = std::fabs(y - cy);
    double braco = std::max(1 - dx / r - dy * 2.2 / r * 2, 1 - dy / r - dx * 2.2 / r * 2);
    double centro = 1 - std::hypot(dx, dy) / (r * 0.45);
    return std::max({0.0, braco, centro});
}

}  // namespace

void sobrepoe(Picture& base, const Picture& cima, int x, int y) {
    for (int j = 0; j < cima.h; j++)
        for (int i = 0; i < cima.w; i++) {
            if (cima.iswhite(i, j)) continue;
            int bx = x + i, by = y + j;
            if (bx < 0 || by < 0 || bx >= base.w || by >= base.h) continue;
            const uint8_t* c = cima.at(i, j);
            base.set(bx, by, c[0], c[1], c[2]);
        }
}

// A dark, slightly warm ellipse, solid in the middle; its rim thins out in an irregular stipple, so
// it reads as a soft shadow on grass and on stone alike.
Picture sombra_chao() {
    Picture p(30, 10);
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 30; x++) {
            double d = std::hypot((x + 0.5 - 15) / 14.5, (y + 0.5 - 5) / 4.9);
            if (d > 1) continue;
            double cheio = d < 0.84 ? 1 : (1 - d) / 0.16;  // the chance a rim pixel is drawn
            if (salpico(x, y, 7) > cheio * 0.7 + 0.3) continue;
            Tinta c = rgb(40, 37, 28).mistura(rgb(54, 50, 38), limita((d - 0.4) / 0.6));
            p.set(x, y, uint8_t(c.r * 255), uint8_t(c.g * 255), uint8_t(c.b * 255));
        }
    return p;
}

// A soap-bubble shell: a bright rim ramping from deep blue outside to pale light inside, a few
// thinning glints toward the middle, and a curved highlight at the upper left.
Picture esfera_protetora() {
    static const Tinta aro[] = {rgb(40, 80, 170), rgb(90, 160, 240), rgb(170, 220, 252), rgb(235, 248, 254)};
    Picture p = pinta_campo(52, 70, [](double x, double y, Tinta& c) {
        double dx = (x - 26) / 24.5, dy = (y - 35) / 33.5, d = std::hypot(dx, dy);
        if (d > 1) return false;
        double a = std::atan2(dy, dx);
        // the highlight: an arc at the upper left
        if (d > 0.62 && d < 0.78 && a > -2.75 && a < -1.95) { c = rgb(245, 252, 255); return true; }
        if (d < 0.86) return false;
        double t = (1 - d) / 0.14;  // 0 at the outside, 1 inward
        c = rampa(aro, 4, t * (0.7 + 0.3 * std::sin(a * 3 + 1)));
        return true;
    });
    // a stipple of glints thinning toward the middle: the shell's faint body
    for (int y = 0; y < 70; y++)
        for (int x = 0; x < 52; x++) {
            double d = std::hypot((x + 0.5 - 26) / 24.5, (y + 0.5 - 35) / 33.5);
            if (d >= 0.86 || !p.iswhite(x, y)) continue;
            double chance = std::pow(std::max(0.0, (d - 0.6) / 0.26), 3) * 0.3;
            if (salpico(x, y, 11) < chance) p.set(x, y, 190, 228, 252);
        }
    return p;
}

// 2-4 a flame shrinking as it rises, each frame a different flicker; 5 the ember left of it.
Picture chama_subindo(int quadro) {
    int s = 14 - 2 * quadro;
    if (quadro == 3)
        return pinta_campo(s, s, [s](double x, double y, Tinta& c) {
            double t = globo(x, y, s / 2.0, s / 2.0, s / 2.0 - 0.3, 3.3, 0.3);
            if (t < 0.08) return false;
            c = rampa_fogo(0.15 + t * 0.7);
            return true;
        });
    return pinta_campo(s, s, [s, quadro](double x, double y, Tinta& c) {
        double t = lingua(x, y, s / 2.0, s - s * 0.28, s * 0.3, s * 0.78, (quadro - 1) * 1.2, quadro * 1.37);
        if (t < 0.12) return false;
        c = rampa_fogo(t - quadro * 0.06);
        return true;
    });
}

// A puff of smoke or dust: lumpy, lit from the upper left; older puffs are paler, larger and more
// broken, so a puff thins away over its frames.
Picture fumaca_quadro(int w, int h, double idade, Tinta cor, int semente) {
    double r = std::min(w, h) * 0.47;
    double fase = semente * 0.71;
    auto dens = [=](double x, double y) {
        double d = bolo(x, y, w * 0.5, h * 0.54, r, fase);
        d = std::max(d, bolo(x, y, w * 0.36, h * 0.6, r * 0.62, fase + 1.3));
        d = std::max(d, bolo(x, y, w * 0.64, h * 0.45, r * 0.6, fase + 2.1));
        return d;
    };
    return pinta_campo(w, h, [=](double x, double y, Tinta& c) {
        double d = dens(x, y);
        if (d < 0.12 + idade * 0.22) return false;  // the older puff has holes
        double luz = dens(x - 1.5, y - 1.5) - d;     // denser toward the light is in shadow
        double k = limita(0.6 - luz * 1.6 + (d - 0.5) * 0.4);
        c = cor.escura(0.8 + 0.08 * idade).mistura(cor.clara(0.45 + 0.25 * idade), k);
        return true;
    });
}

Picture faisca() {
    Picture p(4, 4);
    Tinta borda = rgb(250, 150, 40), centro = rgb(255, 248, 200);
    for (auto [x, y] : {std::pair{1, 0}, {2, 0}, {0, 1}, {3, 1}, {0, 2}, {3, 2}, {1, 3}, {2, 3}})
        p.set(x, y, uint8_t(borda.r * 254), uint8_t(borda.g * 254), uint8_t(borda.b * 254));
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}}) p.set(x, y, uint8_t(centro.r * 254), uint8_t(centro.g * 254), uint8_t(centro.b * 254));
    return p;
}

// Green twinkles of healing, the two frames trading which ones are lit.
Picture brilho_cura(int quadro) {
    static const double pos[7][3] = {{8, 16, 5}, {18, 7, 6}, {28, 17, 5}, {34, 6, 4}, {14, 21, 3.5}, {24, 12, 3}, {4, 6, 3}};
    static const Tinta verde[] = {rgb(30, 120, 50), rgb(80, 210, 100), rgb(190, 252, 170), rgb(250, 255, 235)};
    return pinta_campo(40, 25, [quadro](double x, double y, Tinta& c) {
        double t = 0;
        for (int k = 0; k < 7; k++) {
            double r = pos[k][2] * ((k + quadro) % 2 ? 0.9 : 1.5);
            t = std::max(t, twinkle(x, y, pos[k][0] + quadro * 2, pos[k][1] - quadro * 2 + (k % 2) * quadro * 3, r));
        }
        if (t < 0.08) return false;
        c = rampa(verde, 4, t);
        return true;
    });
}

// Two flickers of a small flame: tongues of different heights and leans.
Picture chama_pequena(int quadro) {
    return pinta_campo(18, 18, [quadro](double x, double y, Tinta& c) {
        double t = lingua(x, y, 9, 14.5, 5, 12 - quadro * 2, quadro ? -2.2 : 2.2, 4.1 + quadro * 2.3);
        t = std::max(t, lingua(x, y, quadro ? 11.5 : 6.5, 15, 2.6, 7 + quadro * 2, quadro ? 1.5 : -1.5, 8.2 + quadro) * 0.85);
        if (t < 0.12) return false;
        c = rampa_fogo(t);
        return true;
    });
}

// Magic dust: violet twinkles, more of them, smaller and paler as the trail ages.
Picture poeira_magica(int quadro, int lado) {
    static const Tinta lilas[] = {rgb(90, 30, 130), rgb(170, 80, 210), rgb(230, 170, 250), rgb(252, 240, 255)};
    Rng r(200 + quadro);
    double pts[9][3];
    int n = 3 + quadro * 2;
    for (int k = 0; k < n; k++) {
        pts[k][0] = r.range(lado * 0.2, lado * 0.8);
        pts[k][1] = r.range(lado * 0.2, lado * 0.8);
        pts[k][2] = r.range(2.5, 4.5) * (1 - quadro * 0.15);
    }
    return pinta_campo(lado, lado, [&pts, n, quadro](double x, double y, Tinta& c) {
        double t = 0;
        for (int k = 0; k < n; k++) t = std::max(t, k % 2 ? twinkle(x, y, pts[k][0], pts[k][1], pts[k][2] * 1.4) : 1 - std::hypot(x - pts[k][0], y - pts[k][1]) / pts[k][2]);
        if (t < 0.1) return false;
        c = rampa(lilas, 4, t * (1 - quadro * 0.12) + quadro * 0.05);
        return true;
    });
}

// A burnt heap: a mound of ash and charred logs; the embers glow and die over the three frames.
Picture cinzas(int quadro) {
    Picture p = pinta_campo(40, 40, [quadro](double x, double y, Tinta& c) {
        double dx = (x - 20) / 17, dy = (y - 29) / 8.5, d = dx * dx + dy * dy;
        double n = fbm(x * 0.4, y * 0.4, 3, 3);
        if (d > 1 + (n - 0.5) * 0.5) return false;
        double alto = limita(1 - d) * 0.5 + n * 0.5 - (y - 21) / 40;  // lit on the upper part of the mound
        c = rgb(44, 38, 34).mistura(rgb(128, 120, 112), limita(alto + quadro * 0.12));
        // the embers: hot cracks in the ash, fewer every frame
        double brasa = fbm(x * 0.5 + 7, y * 0.7, 11, 2);
        if (d < 0.7 && brasa > 0.6 + quadro * 0.09) c = rampa_fogo((brasa - 0.55) * 3 - quadro * 0.15);
        return true;
    });
    // charred logs across the heap
    Picture toras = pinta_campo(40, 40, [quadro](double x, double y, Tinta& c) {
        for (int k = 0; k < 3; k++) {
            double x0 = 8 + k * 8, y0 = 31 - k * 2, x1 = 20 + k * 6, y1 = 21 + k * 3;
            double ux = x1 - x0, uy = y1 - y0, L = std::hypot(ux, uy);
            double s = ((x - x0) * ux + (y - y0) * uy) / (L * L), q = ((x - x0) * uy - (y - y0) * ux) / L;
            if (s < 0 || s > 1 || std::fabs(q) > 2.1) continue;
            c = rgb(40, 30, 24).mistura(rgb(96, 80, 66), limita(-q / 2.1 * 0.8 + 0.3));
            if (quadro == 0 && std::fabs(q) < 0.8 && fbm(s * 9, k, 4, 1) > 0.62) c = rampa_fogo(0.55);
            return true;
        }
        return false;
    });
    sobrepoe(p, toras);
    if (quadro == 0) {
        Picture f = pinta_campo(40, 40, [](double x, double y, Tinta& c) {
            double t = std::max(lingua(x, y, 22, 26, 4, 13, 1.5, 2.2), lingua(x, y, 15, 28, 3, 8, -1, 5.1) * 0.8);
            if (t < 0.14) return false;
            c = rampa_fogo(t);
            return true;
        });
        sobrepoe(p, f);
    }
    faiscas(p, 4 - quadro * 2, 240 + quadro, 10, 8, 30, 20, rgb(255, 170, 50));
    return p;
}

// The falling fireball: a white-hot ball at the foot of the picture and its trail of fire streaming
// up behind it; the four frames flicker (trail length and tongues) as it falls.
Picture bola_de_fogo(int quadro, int w, int h) {
    double R = std::min(w * 0.3, 22.0), cx = w / 2.0, cy = h - R - 3;
    double fase = 2.3 + quadro * 1.61;
    Picture p = pinta_campo(w, h, [=](double x, double y, Tinta& c) {
        double bola = globo(x, y, cx, cy, R, fase, 0.22);
        double calor = bola > 0 ? 0.35 + 0.75 * bola : 0;
        if (y < cy) {  // the trail narrows and cools toward the top, licked by tongues
            double v = (cy - y) / (cy - 2);
            double onda = (fbm(x * 0.09 + fase, y * 0.07 - fase * 2, fase, 3) - 0.5) * 2;
            double largura = R * (1.05 - 0.85 * v) * (1 + 0.45 * onda);
            double dx = x - cx - onda * R * 0.5 * v - std::sin(v * 5 + fase) * 3 * v;
            double d = 1 - std::fabs(dx) / std::max(0.5, largura);
            double franja = (fbm(x * 0.25, y * 0.18 + fase * 3, fase + 7, 2) - 0.5) * 0.7;
            double rastro = (d + franja * (0.3 + v)) * (1.1 - v);
            calor = std::max(calor, rastro);
        }
        if (calor < 0.1) return false;
        c = rampa_fogo(calor);
        return true;
    });
    faiscas(p, 7 + quadro, 270 + quadro, cx - R * 1.3, 4, cx + R * 1.3, cy - R, rgb(255, 160, 40));
    return p;
}

// A piece of burning wood flung from the blast: a charred plank and its flame.
Picture destroco(int quadro, int w, int h) {
    Picture p = pinta_campo(w, h, [=](double x, double y, Tinta& c) {
        double x0 = w * 0.1, y0 = h * 0.8, x1 = w * 0.9, y1 = h * 0.55;
        double ux = x1 - x0, uy = y1 - y0, L = std::hypot(ux, uy);
        double s = ((x - x0) * ux + (y - y0) * uy) / (L * L), q = ((x - x0) * uy - (y - y0) * ux) / L;
        double meia = h * 0.12 + 0.6;
        if (s < 0 || s > 1 || std::fabs(q) > meia) return false;
        double veio = fbm(s * 12, q * 0.8, quadro, 2);
        c = rgb(58, 38, 26).mistura(rgb(120, 84, 52), limita(-q / meia * 0.5 + 0.35 + (veio - 0.5) * 0.6));
        if (s > 0.75) c = c.escura(0.55);  // the charred end
        return true;
    });
    Picture f = pinta_campo(w, h, [=](double x, double y, Tinta& c) {
        double t = lingua(x, y, w * 0.55, h * 0.68, w * 0.16 + 1, h * 0.62, 2, 6.3 + quadro);
        t = std::max(t, lingua(x, y, w * 0.75, h * 0.6, w * 0.1 + 0.8, h * 0.42, 1, 9.1 + quadro) * 0.85);
        if (t < 0.13) return false;
        c = rampa_fogo(t);
        return true;
    });
    sobrepoe(p, f);
    outline_sprite(p, 40, 22, 14);
    return p;
}

// The summoned demon's time runs out: the figure (drawn smaller than in life) chars from the feet up,
// flames climb it, its top dissolves into rising smoke, and sparks fly off.
Picture partida_demonio(const Picture& demonio) {
    const int W = 84, H = 98;
    Picture p(W, H);
    // flames behind the figure
    Picture atras = pinta_campo(W, H, [](double x, double y, Tinta& c) {
        double t = 0;
        for (int k = 0; k < 4; k++) t = std::max(t, lingua(x, y, 24 + k * 12, 92, 9, 44 + (k % 2) * 16, (k - 1.5) * 3, 11 + k * 1.3));
        if (t < 0.12) return false;
        c = rampa_fogo(t * 0.85);
        return true;
    });
    sobrepoe(p, atras);
    // the figure, darkened toward the feet where the fire holds it
    Picture f = demonio;
    for (int y = 0; y < f.h; y++)
        for (int x = 0; x < f.w; x++) {
            if (f.iswhite(x, y)) continue;
            const uint8_t* c = f.at(x, y);
            double queima = limita((y - 30.0) / 60.0);
            double k = 0.85 - 0.6 * queima;
            Tinta t = Tinta{c[0] / 255.0, c[1] / 255.0, c[2] / 255.0}.escura(k).mistura(rgb(60, 16, 8), queima * 0.5);
            f.set(x, y, uint8_t(t.r * 254), uint8_t(t.g * 254), uint8_t(t.b * 254));
        }
    sobrepoe(p, f, (W - f.w) / 2, H - 6 - f.h);
    // smoke taking the top of it
    Picture fumo = pinta_campo(W, H, [](double x, double y, Tinta& c) {
        double d = 0;
        for (int k = 0; k < 3; k++) d = std::max(d, bolo(x, y, 30 + k * 12, 16 + (k % 2) * 8, 12 - k, 3.7 + k));
        if (d < 0.5) return false;
        double luz = limita(0.75 - (y - 8) / 40 + (d - 0.5) * 0.4);
        c = rgb(70, 60, 60).mistura(rgb(150, 140, 136), luz);
        return true;
    });
    sobrepoe(p, fumo);
    // flames in front, up to the waist
    Picture frente = pinta_campo(W, H, [](double x, double y, Tinta& c) {
        double t = 0;
        for (int k = 0; k < 5; k++) t = std::max(t, lingua(x, y, 17 + k * 12.5 + (k % 2) * 2, 95, 6 + (k % 3), 18 + ((k * 7) % 5) * 5, (k % 2 ? 3 : -3), 21 + k * 0.9));
        if (t < 0.16) return false;
        c = rampa_fogo(t);
        return true;
    });
    sobrepoe(p, frente);
    faiscas(p, 16, 340, 8, 4, 76, 60, rgb(255, 150, 40));
    return p;
}

Picture brasa() {
    return pinta_campo(12, 7, [](double x, double y, Tinta& c) {
        double t = globo(x, y * 1.5, 6, 5.2, 5.2, 1.9, 0.3);
        if (t < 0.08) return false;
        c = rampa_fogo(0.1 + t * 0.85);
        return true;
    });
}

// The witch's fire: a green-white witchfire core with four violet tongues curling round it; eight
// frames turn it a quarter turn, which its four tongues make a seamless loop.
Picture feitico_bruxa(int quadro) {
    static const Tinta verde[] = {rgb(20, 70, 20), rgb(70, 170, 40), rgb(170, 240, 90), rgb(240, 255, 200)};
    static const Tinta roxo[] = {rgb(50, 10, 70), rgb(120, 40, 170), rgb(200, 110, 240), rgb(250, 210, 255)};
    Picture p = pinta_campo(34, 32, [quadro](double x, double y, Tinta& c) {
        double dx = x - 17, dy = (y - 16) * 1.07, r = std::hypot(dx, dy), a = std::atan2(dy, dx);
        // the tongues: arms of a spiral, bright at the root, thin and dark at the tips
        double giro = quadro * M_PI / 16;
        double braco = 0;
        for (int k = 0; k < 4; k++) {
            double alvo = giro + k * M_PI / 2 + r * 0.13;
            double da = std::remainder(a - alvo, 2 * M_PI);
            double larg = 0.9 * (1 - r / 19);
            if (r > 3 && r < 16.5 && larg > 0) braco = std::max(braco, (1 - std::fabs(da) / larg) * (1.1 - r / 18));
        }
        double nucleo = globo(x, y, 17, 16, 9.5, 1.3 + quadro * 0.4, 0.2);
        if (nucleo > 0.12) { c = rampa(verde, 4, nucleo * 1.1); return true; }
        if (braco > 0.05) { c = rampa(roxo, 4, braco * 1.6 + 0.1); return true; }
        return false;
    });
    faiscas(p, 3, 390 + quadro, 4, 4, 30, 28, rgb(200, 120, 250));
    return p;
}

// Fidelina's bolt: a cyan light with a four-pointed flare, straight in one frame, turned in the other.
Picture raio_fidelina(int quadro) {
    static const Tinta ciano[] = {rgb(20, 90, 130), rgb(60, 180, 220), rgb(170, 240, 252), rgb(250, 255, 255)};
    return pinta_campo(26, 26, [quadro](double x, double y, Tinta& c) {
        double dx = x - 13, dy = y - 13;
        if (quadro) { double u = (dx + dy) * M_SQRT1_2, v = (dy - dx) * M_SQRT1_2; dx = u; dy = v; }
        double t = std::max(globo(x, y, 13, 13, 8.5 - quadro, 2 + quadro, 0.15) * 1.1, twinkle(13 + dx, 13 + dy, 13, 13, 12.5));
        if (t < 0.08) return false;
        c = rampa(ciano, 4, t);
        return true;
    });
}

Picture cintila(int quadro) {
    static const Tinta ciano[] = {rgb(40, 140, 180), rgb(150, 230, 250), rgb(250, 255, 255)};
    return pinta_campo(8, 8, [quadro](double x, double y, Tinta& c) {
        double t = twinkle(x, y, 4, 4, 4 - quadro);
        if (t < 0.1) return false;
        c = rampa(ciano, 3, t);
        return true;
    });
}

// A mini-map mark: a round stud (or a diamond) with a dark rim and a lit upper left.
Picture marca_mapa(int lado, Tinta cor, bool losango) {
    double m = lado / 2.0;
    return pinta_campo(lado, lado, [=](double x, double y, Tinta& c) {
        double dx = (x - m) / m, dy = (y - m) / m;
        double d = losango ? std::fabs(dx) + std::fabs(dy) : std::hypot(dx, dy);
        if (d > (losango ? 1.0 : 1.08)) return false;
        if (d > 0.72 && lado > 5) { c = cor.escura(0.25); return true; }
        c = cor.clara(limita(0.5 - (dx + dy) * 0.6)).escura(limita(0.75 + (1 - d) * 0.4) + 0.0);
        if (lado <= 5) c = cor.clara(limita(0.3 - (dx + dy) * 0.5));
        return true;
    }, 4);
}

// The fire-staff bolt: a ball of flame, the small frame a hotter, tighter flicker of it.
Picture raio_fogo(int lado, int quadro) {
    return pinta_campo(lado, lado, [=](double x, double y, Tinta& c) {
        double t = globo(x, y, lado / 2.0, lado / 2.0, lado / 2.0 - 0.2, 5.5 + quadro, 0.3);
        if (t < 0.06) return false;
        c = rampa_fogo(0.12 + t * (quadro ? 1.0 : 0.9));
        return true;
    });
}

// An aura ring on the ground: a bright line glowing out to darker edges, brighter at the front.
Picture aura(Tinta cor) {
    return pinta_campo(30, 14, [cor](double x, double y, Tinta& c) {
        double d = std::hypot((x - 15) / 13.5, (y - 7) / 5.5);
        double t = 1 - std::fabs(d - 0.9) / 0.16;
        if (t <= 0.05) return false;
        double frente = limita((y - 3) / 8);
        c = cor.escura(0.55).mistura(cor.clara(0.75), limita(t * (0.75 + 0.45 * frente)));
        return true;
    });
}

// Invulnerability: a golden ground glow, a bright rim with sparks that trade places between frames
// and a thin irregular stipple inside.
Picture brilho_invulneravel(int quadro) {
    static const Tinta ouro[] = {rgb(150, 90, 20), rgb(240, 180, 50), rgb(255, 236, 140), rgb(255, 252, 225)};
    Picture p = pinta_campo(50, 16, [quadro](double x, double y, Tinta& c) {
        double d = std::hypot((x - 25) / 24, (y - 8) / 7.5);
        double a = std::atan2(y - 8, x - 25);
        double t = 1 - std::fabs(d - 0.88) / 0.14;
        t += 0.25 * std::sin(a * 6 + quadro * M_PI / 2);
        if (t <= 0.1 || d > 1) return false;
        c = rampa(ouro, 4, t);
        return true;
    });
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 50; x++) {
            double d = std::hypot((x + 0.5 - 25) / 24, (y + 0.5 - 8) / 7.5);
            if (d < 0.72 && salpico(x, y, 70 + quadro) < 0.015 + 0.05 * d) p.set(x, y, 254, 226, 120);
        }
    return p;
}

// The final boss's death: a column of dark magic twisting up, a violet-white core in a violet flame.
Picture morte_chefe() {
    static const Tinta roxo[] = {rgb(30, 6, 40), rgb(90, 24, 120), rgb(170, 70, 200), rgb(235, 160, 250), rgb(255, 240, 255)};
    Picture p = pinta_campo(40, 90, [](double x, double y, Tinta& c) {
        double v = 1 - y / 90;  // 0 at the ground, 1 at the top
        double torce = std::sin(v * 9) * 4 * v + std::sin(v * 3.1) * 2;
        double onda = (fbm(x * 0.12, y * 0.06, 3, 3) - 0.5) * 2;
        double largura = (14 - 9 * v) * (1 + 0.35 * onda);
        double d = 1 - std::fabs(x - 20 - torce - onda * 3) / largura;
        // bands of the swirl winding up the column
        double espiral = 0.15 * std::sin((x - 20 - torce) * 0.5 + y * 0.35);
        double t = d * (1.1 - 0.5 * v) + espiral + (fbm(x * 0.3, y * 0.2, 8, 2) - 0.5) * 0.5;
        if (y > 82) t -= (y - 82) * 0.08;  // rounded foot
        if (t < 0.1) return false;
        c = rampa(roxo, 5, t);
        return true;
    });
    faiscas(p, 12, 1070, 3, 2, 37, 60, rgb(220, 130, 250));
    return p;
}

}  // namespace boneco
