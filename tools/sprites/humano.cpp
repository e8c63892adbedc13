// Two-legged puppets: body, limbs, head, headgear and weapon, posed for walking and for the blow.
#include <algorithm>
#include <cmath>

#include "figuras.h"

namespace boneco {

namespace {

const double GRAU = M_PI / 180;

// Direction of a limb pitched forward by `a` from hanging down, spread sideways by `s`.
V3 direcao(double a, double s, double lado) {
    return {lado * std::sin(s), std::sin(a) * std::cos(s), -std::cos(a) * std::cos(s)};
}

// Arm angles for a frame: shoulder pitch, elbow bend and weapon pitch (degrees).
struct Braco { double ombro, cotovelo, arma; };

Braco braco_arma(const Humano& h, const Pose& p) {
    bool cajado = h.arma == CAJADOFOGO || h.arma == CAJADOCURA || h.arma == TRIDENTE || h.arma == LANCA;
    if (p.golpe == 0) {
        if (cajado) return {20 - p.passo * 8.0, 55, 175};
        if (h.arma == GARRAS || h.arma == PUNHOS || h.arma == SEMARMA) return {10 - p.passo * 25.0, 30, 90};
        return {10 - p.passo * 20.0, 45, 110};
    }
    if (h.arma == LANCA || h.arma == TRIDENTE) {  // thrust
        static const Braco est[4] = {{0, 0, 0}, {40, 70, 110}, {70, 30, 100}, {95, 0, 95}};
        return est[p.golpe];
    }
    if (cajado || h.arma == GARRAS || h.arma == SEMARMA) {  // raise, then cast forward
        static const Braco cast[4] = {{0, 0, 0}, {150, 10, 175}, {125, 0, 150}, {85, 0, 100}};
        return cast[p.golpe];
    }
    static const Braco golpe[4] = {{0, 0, 0}, {165, 25, 215}, {120, 0, 150}, {65, 0, 55}};
    return golpe[p.golpe];
}

struct Corpo {
    double A, rh, L, T, hw, sw, rw, rc, rl, ra, la, lf;
    V3 pelve, peito, cabeca, frente;
};

Corpo medidas(const Humano& h, const Pose& p) {
    Corpo b;
    b.A = h.altura;
    b.rh = 0.105 * b.A * h.cabeca;
    b.T = 0.29 * b.A;
    b.L = std::max(0.12 * b.A, (b.A - b.T - 0.03 * b.A - 2 * b.rh) * h.perna);
    b.hw = 0.065 * b.A * h.largura;
    b.sw = 0.12 * b.A * h.largura;
    b.rw = 0.085 * b.A * h.largura;
    b.rc = 0.115 * b.A * h.largura;
    b.rl = 0.042 * b.A * h.grossura;
    b.ra = 0.034 * b.A * h.grossura;
    b.la = 0.16 * b.A * h.braco;
    b.lf = 0.15 * b.A * h.braco;
    double baixa = h.flutua ? 0 : b.L * (1 - std::cos(std::fabs(p.passo) * 26 * GRAU)) * 0.9;
    double lean = h.corcunda + (p.golpe == 3 ? 0.15 : 0) + (p.voo ? 0.25 : 0);
    b.pelve = {0, 0, b.L - baixa};
    b.peito = b.pelve + V3{0, std::sin(lean) * b.T, std::cos(lean) * b.T};
    b.cabeca = b.peito + V3{0, std::sin(lean) * (b.rh + 0.03 * b.A), std::cos(lean) * (b.rh * 0.8 + 0.03 * b.A)};
    b.frente = {0, 1, 0};
    return b;
}

void pernas(Cena& c, const Humano& h, const Corpo& b, const Pose& p) {
    if (h.flutua) return;
    double vies = h.saia ? -b.A : 0;
    for (int lado = -1; lado <= 1; lado += 2) {
        double ang = p.passo * lado * 26 * GRAU;
        V3 quadril = b.pelve + V3{lado * b.hw, 0, 0};
        V3 joelho = quadril + V3{lado * 0.01 * b.A, std::sin(ang) * b.L * 0.5 + 0.02 * b.A, -std::cos(ang) * b.L * 0.5};
        double dobra = ang < 0 ? 0.5 : 0.1;  // the trailing leg bends its knee
        V3 tornozelo = joelho + V3{0, std::sin(ang - dobra) * b.L * 0.5, -std::cos(ang - dobra) * b.L * 0.5};
        if (tornozelo.z < b.rl) tornozelo.z = b.rl;
        Tinta perna = h.arvore ? h.roupa.escura(0.8) : h.calca;
        c.capsula(quadril, joelho, b.rl * 1.1, b.rl, perna, vies);
        c.capsula(joelho, tornozelo, b.rl, b.rl * 0.9, h.caveira ? h.pele : perna, vies);
        c.capsula(tornozelo, tornozelo + V3{0, 0.06 * b.A, 0}, b.rl, b.rl, h.bota, vies + 0.01);
    }
}

// Where an arm ends: returns the hand; draws upper arm and forearm.
V3 braco(Cena& c, const Humano& h, const Corpo& b, int lado, double ombro, double cotovelo, double abre) {
    V3 o = b.peito + V3{lado * b.sw, -0.01 * b.A, -0.05 * b.A};
    V3 e = o + direcao(ombro * GRAU, abre * GRAU, lado) * b.la;
    V3 m = e + direcao((ombro + cotovelo) * GRAU, abre * 0.5 * GRAU, lado) * b.lf;
    Tinta manga = h.caveira || h.pedra || h.arvore || h.bracosnus ? h.pele : h.roupa;
    double r = h.pedra ? b.ra * 1.6 : b.ra;
    c.capsula(o, e, r * 1.15, r, manga, 0.02);
    c.capsula(e, m, r, r * 0.9, manga, 0.02);
    c.bola(m, r * (h.pedra ? 1.5 : 1.05), r * (h.pedra ? 1.4 : 1.0), h.pele, 0.03);
    if (h.arvore) {  // twigs
        c.capsula(e, e + direcao((ombro + 60) * GRAU, 40 * GRAU, lado) * (0.08 * b.A), r * 0.5, r * 0.2, h.pele, 0.01);
        c.bola(m + V3{0, 0, 0.03 * b.A}, 0.05 * b.A, 0.045 * b.A, h.cabelo, 0.04);
    }
    return m;
}

void arma(Cena& c, const Humano& h, const Corpo& b, V3 mao, double angulo, const Pose& p) {
    // in a blow the weapon also turns in across the body, so it shows from every side
    V3 w = direcao(angulo * GRAU, p.golpe ? 0.45 : 0, 1);
    double A = b.A;
    Tinta madeira = rgb(120, 78, 40);
    switch (h.arma) {
    case CAJADOFOGO:
    case CAJADOCURA: {
        V3 topo = mao + w * (0.5 * A), pe = mao - w * (0.38 * A);
        c.capsula(pe, topo, 0.014 * A, 0.018 * A, madeira, 0.05);
        double r = (p.golpe == 3 ? 0.075 : 0.05) * A;
        Tinta g = h.arma == CAJADOFOGO ? rgb(255, 150, 30) : rgb(90, 230, 170);
        double sx, sy;
        c.projeta(topo + w * (0.02 * A), sx, sy);
        c.livre(topo, 0.06, [=](cairo_t* cr) {
            cairo_pattern_t* pt = cairo_pattern_create_radial(sx, sy, 0, sx, sy, r * 1.8);
            Tinta m = g.clara(0.7);
            cairo_pattern_add_color_stop_rgba(pt, 0, m.r, m.g, m.b, 1);
            cairo_pattern_add_color_stop_rgba(pt, 0.45, g.r, g.g, g.b, 1);
            cairo_pattern_add_color_stop_rgba(pt, 1, g.r, g.g, g.b, 0);
            cairo_set_source(cr, pt);
            cairo_pattern_destroy(pt);
            elipse(cr, sx, sy, r * 1.8, r * 1.8);
            cairo_fill(cr);
            if (h.arma == CAJADOFOGO) {  // a tongue of flame above the orb
                cairo_move_to(cr, sx - r, sy);
                cairo_curve_to(cr, sx - r, sy - r * 2.2, sx + r * 0.2, sy - r * 1.6, sx + r * 0.1, sy - r * 3.2);
                cairo_curve_to(cr, sx + r * 1.2, sy - r * 1.6, sx + r, sy - r * 0.8, sx + r, sy);
                cairo_close_path(cr);
                usa(cr, rgb(255, 200, 60));
                cairo_fill(cr);
            }
        });
        c.bola(topo, r * 0.7, r * 0.7, g, 0.07);
        break;
    }
    case MARTELO: {
        V3 topo = mao + w * (0.2 * A);
        c.capsula(mao - w * (0.04 * A), topo, 0.014 * A, 0.014 * A, madeira, 0.05);
        V3 lado = direcao((angulo + 90) * GRAU, 0, 1) * (0.06 * A);
        c.capsula(topo - lado, topo + lado, 0.04 * A, 0.04 * A, rgb(140, 140, 150), 0.06);
        break;
    }
    case ESPADA: {
        V3 cabo = mao - w * (0.04 * A), ponta = mao + w * (0.36 * A);
        c.capsula(mao + w * (0.03 * A), ponta, 0.017 * A, 0.006 * A, rgb(205, 210, 220), 0.05);
        V3 lado = V3{0.05 * A, 0, 0};
        c.capsula(mao + w * (0.03 * A) - lado, mao + w * (0.03 * A) + lado, 0.01 * A, 0.01 * A, rgb(130, 100, 50), 0.06);
        c.capsula(cabo, mao, 0.012 * A, 0.012 * A, rgb(90, 60, 40), 0.04);
        break;
    }
    case TRIDENTE:
    case LANCA: {
        V3 topo = mao + w * (0.45 * A);
        c.capsula(mao - w * (0.3 * A), topo, 0.012 * A, 0.012 * A, h.arma == LANCA ? madeira : rgb(60, 50, 55), 0.05);
        if (h.arma == LANCA) {
            c.capsula(topo, topo + w * (0.09 * A), 0.02 * A, 0.004 * A, rgb(170, 170, 160), 0.06);
        } else {
            V3 lado = V3{0.055 * A, 0, 0};
            c.capsula(topo - lado, topo + lado, 0.01 * A, 0.01 * A, rgb(70, 60, 65), 0.06);
            for (int i = -1; i <= 1; i++)
                c.capsula(topo + lado * i, topo + lado * i + w * (0.1 * A), 0.01 * A, 0.003 * A, rgb(90, 80, 85), 0.06);
        }
        break;
    }
    case MACHADO: {
        V3 topo = mao + w * (0.24 * A);
        c.capsula(mao - w * (0.05 * A), topo, 0.014 * A, 0.014 * A, madeira, 0.05);
        V3 fio = direcao((angulo - 90) * GRAU, 0, 1);
        c.poligono({topo + w * (0.01 * A), topo + fio * (0.13 * A) + w * (0.07 * A), topo + fio * (0.15 * A) - w * (0.11 * A),
                    topo - w * (0.09 * A)}, rgb(170, 175, 180), 0.06);
        break;
    }
    case CLAVA:
        c.capsula(mao - w * (0.04 * A), mao + w * (0.36 * A), 0.02 * A, 0.055 * A, rgb(130, 90, 50), 0.05);
        break;
    case GARRAS:
        for (int i = -1; i <= 1; i++)
            c.linha(mao, mao + w * (0.07 * A) + V3{i * 0.025 * A, 0, 0}, 1.3, rgb(40, 30, 30), 0.05);
        break;
    default: break;
    }
}

// The headgear: hats, cap, horns, crown, bun or topknot.
void chapeu(Cena& c, const Humano& h, const Corpo& b) {
    V3 k = b.cabeca;
    double rh = b.rh;
    V3 topo = k + V3{0, 0, rh * 0.7};
    double vh = 1.2 * rh;  // headgear sits over hair and head
    switch (h.chapeu_tipo) {
    case ABAS:
        c.tronco(topo, rh * 1.75, topo + V3{0, 0, rh * 0.12}, rh * 1.7, h.chapeu, vh + 0.3, true);
        c.tronco(topo + V3{0, 0, rh * 0.1}, rh * 0.95, topo + V3{0, -0.1 * rh, rh * 1.1}, rh * 0.7, h.chapeu.clara(0.05), vh + 0.31, true);
        c.tronco(topo + V3{0, 0, rh * 0.12}, rh * 0.97, topo + V3{0, 0, rh * 0.35}, rh * 0.93, rgb(170, 40, 30), vh + 0.1);
        break;
    case CAPACETE:
        c.bola(k + V3{0, -0.05 * rh, rh * 0.6}, rh * 1.06, rh * 0.74, h.chapeu, vh + 0.3);
        c.poligono({k + V3{-0.8 * rh, 0.65 * rh, 0.62 * rh}, k + V3{0.8 * rh, 0.65 * rh, 0.62 * rh}, k + V3{0.6 * rh, 1.4 * rh, 0.55 * rh},
                    k + V3{-0.6 * rh, 1.4 * rh, 0.55 * rh}},
                   h.chapeu.escura(0.85), vh + 0.31);
        break;
    case PONTUDO: {
        topo = topo + V3{0, 0, 0.2 * rh};
        c.tronco(topo - V3{0, 0, 0.1 * rh}, rh * 1.55, topo, rh * 1.5, h.chapeu, vh + 0.3, true);
        V3 meio = topo + V3{0, -0.3 * rh, 1.5 * rh};
        c.tronco(topo, rh * 0.95, meio, rh * 0.45, h.chapeu, vh + 0.31);
        c.capsula(meio, meio + V3{0.2 * rh, -1.0 * rh, 0.9 * rh}, rh * 0.45, rh * 0.08, h.chapeu, vh + 0.32);
        break;
    }
    case CHIFRES:
        for (int lado = -1; lado <= 1; lado += 2) {
            V3 a = k + V3{lado * 0.6 * rh, 0.2 * rh, 0.6 * rh}, m = a + V3{lado * 0.45 * rh, 0, 0.55 * rh};
            c.capsula(a, m, rh * 0.25, rh * 0.17, rgb(235, 215, 170), vh + 0.2);
            c.capsula(m, m + V3{-lado * 0.1 * rh, 0, 0.6 * rh}, rh * 0.17, rh * 0.04, rgb(235, 215, 170), vh + 0.2);
        }
        break;
    case COROA:
        c.tronco(topo + V3{0, 0, 0.05 * rh}, rh * 0.6, topo + V3{0, 0, 0.45 * rh}, rh * 0.7, rgb(225, 180, 40), vh + 0.3);
        for (int i = 0; i < 5; i++) {
            double a = i * 2 * M_PI / 5 + 0.3;
            c.ponto(topo + V3{std::cos(a) * rh * 0.66, std::sin(a) * rh * 0.66, 0.6 * rh}, rh * 0.12, i == 1 ? rgb(220, 30, 60) : rgb(250, 220, 80), vh + 0.31);
        }
        break;
    case COQUE:
        c.bola(k + V3{0, -0.55 * rh, 0.7 * rh}, rh * 0.5, rh * 0.5, h.cabelo, -0.2);
        break;
    case TOPETE:
        c.capsula(k + V3{0, -0.3 * rh, 0.9 * rh}, k + V3{0, -0.9 * rh, 1.5 * rh}, rh * 0.3, rh * 0.15, h.cabelo, 0.1);
        break;
    default: break;
    }
}

void cabeca(Cena& c, const Humano& h, const Corpo& b) {
    V3 k = b.cabeca;
    double rh = b.rh;
    Tinta olho = h.olhosbrilham ? rgb(250, 230, 60) : rgb(25, 20, 20);
    if (h.cabelolongo) {  // long hair lies on the back: it sorts as the back of the chest does
        V3 a = k + V3{0, -0.3 * rh, 0}, z = k + V3{0, -0.55 * rh, -2.1 * rh};
        double costas = c.prof(b.peito + V3{0, -b.rc, 0}) - (c.prof(a) + c.prof(z)) / 2;
        c.tronco(a, rh * 0.9, z, rh * 0.75, h.cabelo, costas);
    }
    if (!h.caveira && !h.nadadeira && !h.arvore && !h.careca) c.bola(k + V3{0, -0.22 * rh, 0.12 * rh}, rh * 1.04, rh * 1.0, h.cabelo, -0.3);
    if (h.arvore) {  // a leafy crown instead of a head
        static const double folhas[6][3] = {{0, 0, 0.9}, {-0.9, -0.2, 0.4}, {0.9, -0.2, 0.4}, {0, -0.8, 0.5}, {-0.5, 0.5, 0.2}, {0.5, 0.5, 0.2}};
        for (auto& f : folhas) c.bola(k + V3{f[0] * rh, f[1] * rh, f[2] * rh}, rh * 1.0, rh * 0.95, h.cabelo, 0);
        return;
    }
    c.bola(k, rh, rh * 1.02, h.pele);
    if (h.cabelolongo) c.bola(k + V3{0, 0.05 * rh, 0.5 * rh}, rh * 1.0, rh * 0.62, h.cabelo, 0.05);  // hair over the brow
    // face, only where it turns to the viewer
    for (int lado = -1; lado <= 1; lado += 2) {
        V3 e = k + V3{lado * 0.38 * rh, 0.86 * rh, 0.08 * rh};
        if (c.prof(e) - c.prof(k) > 0.25 * rh) {
            if (h.caveira) c.ponto(e, rh * 0.3, rgb(20, 15, 15), 0.1);
            else c.ponto(e, std::max(0.9, rh * 0.16), olho, 0.1);
        }
        if (h.nadadeira) c.bola(k + V3{lado * 0.75 * rh, 0.35 * rh, 0.25 * rh}, rh * 0.28, rh * 0.28, rgb(235, 225, 120), 0.02);
    }
    if (h.nadadeira) {  // fin crest and wide mouth
        c.poligono({k + V3{0, 0.4 * rh, 0.9 * rh}, k + V3{0, -0.2 * rh, 1.6 * rh}, k + V3{0, -1.0 * rh, 1.2 * rh}, k + V3{0, -0.9 * rh, 0.5 * rh}},
                   rgb(200, 70, 60), 0.05);
        c.linha(k + V3{-0.5 * rh, 0.85 * rh, -0.35 * rh}, k + V3{0.5 * rh, 0.85 * rh, -0.35 * rh}, 1.2, rgb(60, 20, 30), 0.1);
    }
    if (!h.caveira) c.bola(k + V3{0, 0.98 * rh, -0.12 * rh}, rh * 0.2, rh * 0.2, h.pele.escura(0.9), 0.05);
    if (h.caveira) c.linha(k + V3{-0.35 * rh, 0.8 * rh, -0.55 * rh}, k + V3{0.35 * rh, 0.8 * rh, -0.55 * rh}, 1.0, rgb(60, 50, 40), 0.1);
    if (h.barba)
        c.poligono({k + V3{-0.8 * rh, 0.55 * rh, -0.15 * rh}, k + V3{0.8 * rh, 0.55 * rh, -0.15 * rh}, k + V3{0.5 * rh, 0.8 * rh, -0.9 * rh},
                    k + V3{0, 0.75 * rh, -1.6 * rh}, k + V3{-0.5 * rh, 0.8 * rh, -0.9 * rh}},
                   h.cabelo, 0.12);
    if (h.bigode) c.capsula(k + V3{-0.45 * rh, 0.9 * rh, -0.35 * rh}, k + V3{0.45 * rh, 0.9 * rh, -0.35 * rh}, rh * 0.14, rh * 0.14, h.cabelo, 0.12);
    if (h.presas)
        for (int lado = -1; lado <= 1; lado += 2)
            c.capsula(k + V3{lado * 0.35 * rh, 0.85 * rh, -0.5 * rh}, k + V3{lado * 0.4 * rh, 0.9 * rh, -0.1 * rh}, rh * 0.12, rh * 0.05,
                      rgb(240, 235, 210), 0.12);
    chapeu(c, h, b);
}

void corpo(Cena& c, const Humano& h, const Corpo& b, const Pose& p) {
    double A = b.A;
    if (h.saia || h.flutua) {
        double baixo = h.flutua ? 0.06 * A : 0.03 * A;
        V3 barra = V3{0, (p.voo ? -0.12 : -0.02) * A, baixo};
        c.tronco(b.pelve + V3{0, 0, 0.03 * A}, b.rw * 1.05, barra, b.rw * (h.flutua ? 2.2 : 1.9), h.calca, 0.0);
        if (h.avental) c.poligono({b.pelve + V3{-b.rw * 0.7, b.rw * 1.0, 0}, b.pelve + V3{b.rw * 0.7, b.rw * 1.0, 0},
                                   V3{b.rw * 1.0, b.rw * 1.75, 0.1 * A}, V3{-b.rw * 1.0, b.rw * 1.75, 0.1 * A}}, rgb(240, 236, 222), 0.05);
    }
    if (h.manto) {
        double sopra = p.passo != 0 || p.voo ? 0.08 * A : 0.02 * A;
        V3 o = b.peito + V3{0, -b.rc * 0.6, -0.04 * A};
        c.poligono({o + V3{b.sw, 0, 0}, o + V3{-b.sw, 0, 0}, V3{-b.sw * 1.5, -b.rc - sopra, 0.12 * A}, V3{b.sw * 1.5, -b.rc - sopra, 0.12 * A}},
                   h.capa, -0.3 * A);
    }
    if (h.asas) {
        double bate = p.golpe ? 0.25 : (p.passo ? 0.1 : 0);
        for (int lado = -1; lado <= 1; lado += 2) {
            V3 o = b.peito + V3{lado * 0.3 * b.sw, -b.rc * 0.7, -0.05 * A};
            V3 ponta = o + V3{lado * 0.55 * A, -0.2 * A, (0.3 + bate) * A};
            c.poligono({o, ponta, o + V3{lado * 0.5 * A, -0.22 * A, (0.05 + bate) * A}, o + V3{lado * 0.35 * A, -0.18 * A, -0.12 * A},
                        o + V3{lado * 0.18 * A, -0.12 * A, -0.22 * A}},
                       h.capa, -0.2 * A);
        }
    }
    if (h.cauda) {
        V3 a = b.pelve + V3{0, -b.rw, 0}, m = a + V3{0.05 * A, -0.2 * A, -0.2 * A}, f = m + V3{-0.08 * A, -0.15 * A, 0.1 * A};
        c.capsula(a, m, 0.02 * A, 0.015 * A, h.pele, -0.1);
        c.capsula(m, f, 0.015 * A, 0.01 * A, h.pele, -0.1);
        c.poligono({f, f + V3{0.04 * A, -0.02 * A, 0.05 * A}, f + V3{-0.04 * A, -0.02 * A, 0.05 * A}}, h.pele.escura(0.7), -0.1);
    }
    // torso: hips to chest, a belly where there is one
    Tinta peito = h.caveira ? h.pele : h.roupa;
    if (h.caveira) {
        c.capsula(b.pelve, b.peito, 0.02 * A, 0.02 * A, h.pele);
        c.tronco(b.pelve + (b.peito - b.pelve) * 0.45, b.rw * 0.8, b.peito, b.rc * 0.9, h.pele, 0, true);
        for (int i = 1; i <= 3; i++) {
            V3 y = b.pelve + (b.peito - b.pelve) * (0.45 + 0.15 * i);
            c.linha(y + V3{-b.rc * 0.8, b.rc * 0.6, 0}, y + V3{b.rc * 0.8, b.rc * 0.6, 0}, 1.0, rgb(70, 60, 50), b.rc * 0.5);
        }
        c.bola(b.pelve, b.rw * 0.9, b.rw * 0.5, h.pele);
    } else {
        c.tronco(b.pelve, b.rw, b.peito, b.rc, peito, 0, true);
        if (h.cinto) c.faixa(b.pelve + (b.peito - b.pelve) * 0.12, b.rw * 1.06 + (b.rc - b.rw) * 0.12, std::max(1.5, 0.03 * A), h.corcinto, 0.01);
        if (h.barriga > 0) c.bola(b.pelve + (b.peito - b.pelve) * 0.35 + V3{0, b.rw * 0.5, 0}, h.barriga * A, h.barriga * A * 0.95, h.pele, 0.05);
    }
    if (h.pedra) {  // boulders on the shoulders and the chest
        for (int lado = -1; lado <= 1; lado += 2) c.bola(b.peito + V3{lado * b.sw * 0.95, -0.01 * A, 0.01 * A}, 0.11 * A, 0.1 * A, h.pele.clara(0.05), 0.03);
        c.bola(b.pelve + (b.peito - b.pelve) * 0.6 + V3{0, b.rc * 0.55, 0}, 0.1 * A, 0.085 * A, h.roupa.clara(0.08), 0.02);
    }
    if (h.pedra)
        for (int i = 0; i < 4; i++)
            c.ponto(b.pelve + (b.peito - b.pelve) * (0.3 + 0.18 * i) + V3{(i % 2 ? 0.4 : -0.4) * b.rc, b.rc * 0.9, 0}, 0.025 * A, rgb(90, 130, 60), 0.05);
    if (h.arvore) {  // a face in the bark
        for (int lado = -1; lado <= 1; lado += 2) {
            V3 e = b.peito + V3{lado * 0.35 * b.rc, b.rc * 0.95, -0.06 * A};
            if (c.prof(e) - c.prof(b.peito) > 0.3 * b.rc) c.ponto(e, 0.025 * A, rgb(250, 220, 60), 0.2);
        }
        V3 boca = b.peito + V3{0, b.rc * 0.95, -0.15 * A};
        if (c.prof(boca) - c.prof(b.peito) > 0.3 * b.rc) c.bola(boca, 0.04 * A, 0.02 * A, rgb(40, 25, 15), 0.2);
    }
}

}  // namespace

void monta_humano(Cena& c, const Humano& h, const Pose& p) {
    Corpo b = medidas(h, p);
    pernas(c, h, b, p);
    corpo(c, h, b, p);
    Braco br = braco_arma(h, p);
    double outro = p.golpe ? (h.arma == GARRAS || h.arma == PUNHOS ? br.ombro * 0.8 : 30) : 10 + p.passo * 25.0;
    double outro_cot = p.golpe && (h.arma == GARRAS || h.arma == PUNHOS) ? br.cotovelo : 25;
    V3 mao_arma = braco(c, h, b, -1, br.ombro, br.cotovelo, p.golpe == 3 ? -12 : 12);
    V3 mao_outra = braco(c, h, b, 1, outro, outro_cot, 12);
    if (h.escudo) c.tronco(mao_outra + V3{0.02 * b.A, 0.01 * b.A, 0}, 0.09 * b.A, mao_outra + V3{0.045 * b.A, 0.012 * b.A, 0}, 0.085 * b.A, rgb(110, 80, 50), 0.05, true);
    arma(c, h, b, mao_arma, br.arma, p);
    if (h.arma == GARRAS) arma(c, h, b, mao_outra, br.arma, p);
    if (h.magia == 2 || (h.magia == 1 && p.golpe >= 2))
        for (V3 m : {mao_arma, mao_outra}) {
            double sx, sy, r = 0.05 * b.A * (p.golpe == 3 ? 1.5 : 1);
            c.projeta(m, sx, sy);
            Tinta g = h.cormagia;
            c.livre(m, 0.2, [=](cairo_t* cr) {
                cairo_pattern_t* pt = cairo_pattern_create_radial(sx, sy, 0, sx, sy, r * 1.8);
                Tinta centro = g.clara(0.7);
                cairo_pattern_add_color_stop_rgba(pt, 0, centro.r, centro.g, centro.b, 1);
                cairo_pattern_add_color_stop_rgba(pt, 0.5, g.r, g.g, g.b, 1);
                cairo_pattern_add_color_stop_rgba(pt, 1, g.r, g.g, g.b, 0);
                cairo_set_source(cr, pt);
                cairo_pattern_destroy(pt);
                elipse(cr, sx, sy, r * 1.8, r * 1.8);
                cairo_fill(cr);
            });
        }
    cabeca(c, h, b);
}

}  // namespace boneco
