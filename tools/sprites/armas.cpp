// Weapons in the hand: staves with their glowing heads, hammer, sword, axe, club, spear, trident
// and claws. Blades turn their flat toward the viewer so they stay visible through the swing.
#include <algorithm>
#include <cmath>
#include <vector>

#include "corpo.h"

namespace boneco {

namespace {

Material mat(Tinta cor, int textura, double brilho, double dureza = 16, double escala = 1) {
    Material m;
    m.cor = cor;
    m.textura = textura;
    m.brilho = brilho;
    m.dureza = dureza;
    m.escala = escala;
    return m;
}

// The direction across a blade: square to the haft and to the line of sight, on the side the
// edge travels.
V3 fio(const Corpo& b, V3 w) {
    V3 e = cross(b.olhar, w);
    if (norma(e) < 0.25) e = b.corte - w * dot(b.corte, w);
    e = unit(e);
    V3 pref = b.corte - w * dot(b.corte, w);
    if (norma(pref) > 1e-6 && dot(e, pref) < 0) e = -e;
    return e;
}

// A forged blade: the outline `pts` (in the plane of ex, ey about c) with a thick middle that
// bevels down to a thin edge all round. The middle is slightly domed and the bevel faces turn
// away from it, so the light runs across the steel and the edge catches a line of its own.
void lamina(Cena& c, V3 o, V3 ex, V3 ey, const std::vector<std::pair<double, double>>& pts, double esp, int mat, int gume,
            double miolo = 0.55) {
    size_t n = pts.size();
    if (n < 3) return;
    V3 nz = unit(cross(ex, ey));
    double gx = 0, gy = 0;
    for (auto& q : pts) { gx += q.first; gy += q.second; }
    gx /= double(n); gy /= double(n);
    auto ponto = [&](double x, double y, double k, double alto) { return o + ex * (gx + (x - gx) * k) + ey * (gy + (y - gy) * k) + nz * alto; };
    std::vector<Vertice> v;
    std::vector<int> tri;
    for (int lado = -1; lado <= 1; lado += 2) {
        // the middle: a fan from the centre, its normals leaning out a little
        int base = int(v.size());
        v.push_back({ponto(gx, gy, 0, lado * esp / 2), nz * lado, {0, 0, 0}});
        for (size_t i = 0; i < n; i++) {
            V3 fora = unit(ex * (pts[i].first - gx) + ey * (pts[i].second - gy));
            v.push_back({ponto(pts[i].first, pts[i].second, miolo, lado * esp / 2), unit(nz * lado + fora * 0.3), {pts[i].first, pts[i].second, 0}});
        }
        for (size_t i = 0; i < n; i++) {
            int a1 = base + 1 + int(i), a2 = base + 1 + int((i + 1) % n);
            if (lado > 0) tri.insert(tri.end(), {base, a1, a2});
            else tri.insert(tri.end(), {base, a2, a1});
        }
        // the bevel: its own vertices, so a crisp line divides it from the middle
        int b2 = int(v.size());
        for (size_t i = 0; i < n; i++) {
            V3 fora = unit(ex * (pts[i].first - gx) + ey * (pts[i].second - gy));
            V3 nb = unit(nz * (lado * 0.55) + fora);
            v.push_back({ponto(pts[i].first, pts[i].second, miolo, lado * esp / 2), nb, {pts[i].first, pts[i].second, 1}});
            v.push_back({ponto(pts[i].first, pts[i].second, 1, lado * esp * 0.04), nb, {pts[i].first, pts[i].second, 2}});
        }
        for (size_t i = 0; i < n; i++) {
            int i0 = b2 + 2 * int(i), i1 = b2 + 2 * int((i + 1) % n);
            if (lado > 0) tri.insert(tri.end(), {i0, i0 + 1, i1 + 1, i0, i1 + 1, i1});
            else tri.insert(tri.end(), {i0, i1 + 1, i0 + 1, i0, i1, i1 + 1});
        }
    }
    c.malha(v, tri, mat);
    // the ground edge: a bright thread along the rim
    if (gume >= 0)
        for (size_t i = 0; i < n; i++) {
            V3 a1 = ponto(pts[i].first, pts[i].second, 0.97, 0), a2 = ponto(pts[(i + 1) % n].first, pts[(i + 1) % n].second, 0.97, 0);
            c.cone(a1, a2, esp * 0.16, esp * 0.16, gume);
        }
}

void chama(Cena& c, V3 p, double r, bool forte) {
    c.livre(p, [=](cairo_t* cr, double sx, double sy) {
        Tinta cores[3] = {rgb(226, 70, 20), rgb(252, 156, 34), rgb(255, 236, 140)};
        double a = r * (forte ? 3.6 : 2.8);
        for (int i = 0; i < 3; i++) {
            double k = 1 - i * 0.28;
            cairo_move_to(cr, sx - r * k, sy);
            cairo_curve_to(cr, sx - r * k, sy - a * k * 0.45, sx - r * 0.2 * k, sy - a * k * 0.65, sx + r * 0.15 * k, sy - a * k);
            cairo_curve_to(cr, sx + r * 0.45 * k, sy - a * k * 0.55, sx + r * k, sy - a * k * 0.4, sx + r * k, sy);
            cairo_arc(cr, sx, sy, r * k, 0, M_PI);
            usa(cr, cores[i]);
            cairo_fill(cr);
        }
    });
}

}  // namespace

void arma(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    V3 mao = b.mao[0], w = b.arma;
    int g = b.pose.golpe;
    c.novaparte();
    int madeira = c.material(mat(rgb(122, 80, 44), MADEIRA, 0.12, 12, 0.6));
    switch (h.arma) {
    case CAJADOFOGO:
    case CAJADOCURA: {
        bool fogo = h.arma == CAJADOFOGO;
        int haste = fogo ? madeira : c.material(mat(rgb(196, 170, 120), MADEIRA, 0.15, 12, 0.6));
        V3 pe = mao - w * (0.3 * A), topo = mao + w * (0.5 * A);
        c.cone(pe, topo, 0.013 * A, 0.018 * A, haste);
        V3 e = fio(b, w);
        if (fogo) {
            // a forked head holding a glowing stone
            for (int s = -1; s <= 1; s += 2) {
                V3 m1 = topo + e * (s * 0.035 * A) + w * (0.03 * A), m2 = topo + e * (s * 0.02 * A) + w * (0.095 * A);
                c.cone(topo, m1, 0.014 * A, 0.011 * A, haste);
                c.cone(m1, m2, 0.011 * A, 0.005 * A, haste);
            }
            Material pedra = mat(rgb(255, 150, 40), LISO, 0, 10);
            pedra.emite = true;
            pedra.forte = true;
            V3 orbe = topo + w * (0.055 * A);
            c.bola(orbe, 0.032 * A, c.material(pedra));
            double r = (g == 3 ? 0.085 : (g ? 0.065 : 0.052)) * A;
            c.brilho(orbe, r * 1.6, rgb(255, 140, 30), 0.9);
            chama(c, orbe + V3{0, 0, 0.02 * A}, r * 0.6, g == 3);
        } else {
            // a crook ring holding a green crystal
            V3 centro = topo + w * (0.06 * A);
            std::vector<Anel> anel;
            V3 n = unit(cross(w, e));
            for (int i = 0; i <= 16; i++) {
                double a = -M_PI / 2 + i * 2 * M_PI / 16 * 0.92;
                V3 p = centro + e * (std::cos(a) * 0.05 * A) + w * (std::sin(a) * 0.06 * A);
                V3 t = unit(e * (-std::sin(a)) + w * std::cos(a));
                anel.push_back({p, unit(cross(t, n)) * (0.009 * A), n * (0.009 * A)});
            }
            c.tubo(anel, 8, haste);
            Material cristal = mat(rgb(110, 240, 180), LISO, 0.9, 30);
            cristal.emite = true;
            cristal.forte = true;
            c.elipsoide(centro, e * (0.02 * A), n * (0.02 * A), w * (0.034 * A), c.material(cristal));
            c.brilho(centro, (g == 3 ? 0.11 : 0.07) * A, rgb(90, 230, 170), g ? 0.9 : 0.6);
        }
        break;
    }
    case MARTELO: {
        V3 topo = mao + w * (0.2 * A);
        c.cone(mao - w * (0.05 * A), topo, 0.014 * A, 0.014 * A, madeira);
        V3 e = fio(b, w);
        int ferro = c.material(mat(rgb(112, 116, 128), METAL, 0.8, 26));
        int face = c.material(mat(rgb(196, 200, 210), METAL, 1.0, 36));
        // a square iron head with bevelled corners: each side takes the light its own way
        V3 n = unit(cross(w, e));
        auto quadrado = [&](V3 p, double r) { return Anel{p, (w + n) * (r * 0.7071), (n - w) * (r * 0.7071)}; };
        c.tubo({quadrado(topo - e * (0.06 * A), 0.028 * A), quadrado(topo - e * (0.045 * A), 0.036 * A),
                quadrado(topo + e * (0.05 * A), 0.036 * A), quadrado(topo + e * (0.065 * A), 0.028 * A)},
               8, ferro, M_PI / 8, M_PI / 8 + 2 * M_PI, true, true);
        // the struck face, polished bright
        c.cone(topo + e * (0.064 * A), topo + e * (0.068 * A), 0.024 * A, 0.022 * A, face);
        break;
    }
    case ESPADA: {
        V3 e = fio(b, w);
        int aco = c.material(mat(rgb(164, 172, 186), METAL, 0.9, 34));
        int fio = c.material(mat(rgb(240, 244, 250), METAL, 1.0, 40));
        int latao = c.material(mat(rgb(176, 140, 64), OURO, 0.6, 24));
        int cabo = c.material(mat(rgb(86, 56, 38), COURO, 0.1));
        V3 guarda = mao + w * (0.035 * A);
        lamina(c, guarda, w, e, {{0, -0.028 * A}, {0.36 * A, -0.019 * A}, {0.44 * A, 0}, {0.36 * A, 0.019 * A}, {0, 0.028 * A}}, 0.014 * A, aco, fio, 0.3);
        c.cone(guarda - e * (0.07 * A), guarda + e * (0.07 * A), 0.012 * A, 0.012 * A, latao);
        c.cone(mao - w * (0.04 * A), guarda, 0.011 * A, 0.011 * A, cabo);
        c.bola(mao - w * (0.05 * A), 0.016 * A, latao);
        break;
    }
    case MACHADO: {
        V3 topo = mao + w * (0.3 * A);
        int cabo = c.material(mat(rgb(104, 70, 44), MADEIRA, 0.1, 12, 0.6));
        c.cone(mao - w * (0.13 * A), topo + w * (0.03 * A), 0.017 * A, 0.016 * A, cabo);
        int couro = c.material(mat(rgb(70, 46, 30), COURO, 0.1));
        c.cone(mao - w * (0.05 * A), mao + w * (0.05 * A), 0.021 * A, 0.021 * A, couro);
        V3 e = fio(b, w);
        c.novaparte();
        int aco = c.material(mat(rgb(128, 134, 146), METAL, 0.8, 26));
        int escuro = c.material(mat(rgb(78, 76, 82), METAL, 0.5, 20));
        Material gume = mat(rgb(236, 240, 246), METAL, 1.0, 40);
        int mg = c.material(gume);
        // a broad crescent blade on the front, a spike on the back, a dark iron collar on the haft
        lamina(c, topo, e, w,
               {{0.02 * A, 0.05 * A}, {0.11 * A, 0.09 * A}, {0.2 * A, 0.15 * A}, {0.235 * A, 0.04 * A},
                {0.235 * A, -0.07 * A}, {0.19 * A, -0.17 * A}, {0.1 * A, -0.1 * A}, {0.02 * A, -0.05 * A}},
               0.034 * A, aco, -1, 0.5);
        c.cone(topo + e * (0.2 * A) + w * (0.15 * A), topo + e * (0.237 * A) + w * (0.04 * A), 0.006 * A, 0.007 * A, mg);
        c.cone(topo + e * (0.237 * A) + w * (0.04 * A), topo + e * (0.237 * A) - w * (0.07 * A), 0.007 * A, 0.007 * A, mg);
        c.cone(topo + e * (0.237 * A) - w * (0.07 * A), topo + e * (0.19 * A) - w * (0.17 * A), 0.007 * A, 0.006 * A, mg);
        c.cone(topo - w * (0.06 * A), topo + w * (0.06 * A), 0.03 * A, 0.03 * A, escuro);
        c.cone(topo, topo - e * (0.1 * A) + w * (0.02 * A), 0.024 * A, 0.004 * A, aco);
        break;
    }
    case CLAVA: {
        V3 e = fio(b, w);
        c.cone(mao - w * (0.06 * A), mao + w * (0.42 * A), 0.024 * A, 0.062 * A, madeira);
        int ferro = c.material(mat(rgb(90, 90, 98), METAL, 0.5, 20));
        V3 faixa = mao + w * (0.3 * A);
        c.tubo({{faixa, e * (0.055 * A), unit(cross(w, e)) * (0.055 * A)}, {faixa + w * (0.03 * A), e * (0.058 * A), unit(cross(w, e)) * (0.058 * A)}}, 14,
               ferro);
        V3 n = unit(cross(w, e));
        for (int i = 0; i < 7; i++) {
            double a = i * 2.4, t = 0.22 + 0.025 * i;
            V3 d = e * std::cos(a) + n * std::sin(a);
            V3 raiz = mao + w * (t * A) + d * ((0.035 + 0.1 * t) * A);
            c.cone(raiz, raiz + d * (0.045 * A) + w * (0.01 * A), 0.012 * A, 0.002 * A, ferro);
        }
        break;
    }
    case TRIDENTE:
    case LANCA: {
        bool lanca = h.arma == LANCA;
        V3 topo = mao + w * (0.45 * A);
        int haste = lanca ? madeira : c.material(mat(rgb(62, 52, 58), METAL, 0.5, 20));
        c.cone(mao - w * (0.26 * A), topo, 0.012 * A, 0.012 * A, haste);
        V3 e = fio(b, w);
        c.novaparte();
        if (lanca) {
            int osso = c.material(mat(rgb(226, 216, 184), OSSO, 0.2));
            lamina(c, topo, w, e, {{0, -0.03 * A}, {0.1 * A, -0.036 * A}, {0.18 * A, 0}, {0.1 * A, 0.036 * A}, {0, 0.03 * A}}, 0.02 * A, osso, -1, 0.4);
            Material fita = mat(rgb(180, 50, 40), TECIDO, 0.05);
            c.cone(topo - w * (0.02 * A), topo + w * (0.01 * A), 0.017 * A, 0.017 * A, c.material(fita));
        } else {
            int ferro = c.material(mat(rgb(70, 62, 68), METAL, 0.7, 24));
            c.cone(topo - e * (0.085 * A), topo + e * (0.085 * A), 0.013 * A, 0.013 * A, ferro);
            for (int i = -1; i <= 1; i++) {
                V3 raiz = topo + e * (i * 0.08 * A);
                V3 ponta = raiz + w * ((i == 0 ? 0.16 : 0.12) * A);
                c.cone(raiz, ponta, 0.013 * A, 0.003 * A, ferro);
                if (i != 0) c.cone(ponta - w * (0.04 * A), ponta - w * (0.06 * A) - e * (i * 0.025 * A), 0.006 * A, 0.002 * A, ferro);
            }
        }
        break;
    }
    case GARRAS: {
        Material um = mat(h.especie == CARNICAL ? rgb(220, 210, 180) : rgb(40, 30, 34), OSSO, 0.3);
        int unha = c.material(um);
        for (int l = 0; l < 2; l++) {
            V3 d = unit(b.mao[l] - b.pulso[l]);
            V3 lado = unit(cross(d, b.peito.z));
            for (int i = -1; i <= 1; i++) {
                V3 raiz = b.mao[l] + d * (b.rmao * 0.7) + lado * (i * b.rmao * 0.45);
                double longa = h.especie == CARNICAL ? 1.8 : 1.0;
                V3 ponta = raiz + d * (0.05 * A * longa) + b.peito.y * (0.015 * A * longa) - b.peito.z * (0.012 * A);
                c.cone(raiz, ponta, 0.008 * A * longa, 0.002 * A, unha);
            }
        }
        break;
    }
    default: break;
    }
}

}  // namespace boneco
