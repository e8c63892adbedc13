// The bodies that are not a person's: the skeleton's bones, the stone monster's boulders and the
// tree monster's trunk and crown; and the parts that set the other kinds apart: muscles, fins,
// ribs, fur, loincloths and the final boss's armour.
#include <algorithm>
#include <cmath>

#include "corpo.h"

namespace boneco {

namespace {

Material mat(Tinta cor, int textura = LISO, double brilho = 0.08, double escala = 1) {
    Material m;
    m.cor = cor;
    m.textura = textura;
    m.brilho = brilho;
    m.escala = escala;
    return m;
}

// A deterministic number in 0..1 for piece i of a figure.
double acaso(int i, int k) { return ruido(i * 1.37 + 0.5, k * 2.11 + 0.5, 7.3); }

// A rock: an ellipsoid along a from a to b, `largo` thick, a little uneven.
void rochedo(Cena& c, V3 a, V3 b, double largo, int mat, int i) {
    V3 d = b - a;
    double n = norma(d);
    V3 u = unit(d);
    V3 ref = std::fabs(u.z) < 0.9 ? V3{0, 0, 1} : V3{1, 0, 0};
    V3 e1 = unit(cross(u, ref)), e2 = cross(u, e1);
    double k1 = 0.85 + 0.3 * acaso(i, 1), k2 = 0.85 + 0.3 * acaso(i, 2);
    c.pedregulho((a + b) * 0.5, u * (n * 0.5 + largo * 0.35), e1 * (largo * k1 * 1.1), e2 * (largo * k2 * 1.1), mat, i);
}

}  // namespace

void arco(Cena& c, V3 centro, V3 ex, V3 ey, double a0, double a1, double r, int mat, int pedacos) {
    V3 ant = centro + ex * std::cos(a0) + ey * std::sin(a0);
    for (int i = 1; i <= pedacos; i++) {
        double a = a0 + (a1 - a0) * i / pedacos;
        V3 p = centro + ex * std::cos(a) + ey * std::sin(a);
        c.cone(ant, p, r, r, mat);
        ant = p;
    }
}

void ossada(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    int osso = c.material(mat(h.pele, OSSO, 0.18));
    int junta = c.material(mat(h.pele.escura(0.92), OSSO, 0.18));
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        c.cone(b.quadril[l], b.joelho[l], 0.024 * A, 0.018 * A, osso);
        c.bola(b.joelho[l], 0.026 * A, junta);
        V3 lado = b.pelve.x * (sinal(l) * 0.012 * A);
        c.cone(b.joelho[l], b.tornozelo[l], 0.018 * A, 0.013 * A, osso);
        c.cone(b.joelho[l] + lado, b.tornozelo[l] + lado, 0.01 * A, 0.008 * A, osso);
        c.bola(b.tornozelo[l], 0.018 * A, junta);
        V3 pe = b.ponta[l] - b.tornozelo[l];
        V3 f = unit(pe);
        V3 s = unit(cross(f, V3{0, 0, 1}));
        c.elipsoide(mistura(b.tornozelo[l], b.ponta[l], 0.5) + V3{0, 0, -0.01 * A}, f * (norma(pe) * 0.6), s * (0.026 * A), V3{0, 0, 0.014 * A}, osso);
    }
    c.novaparte();
    // pelvis and spine
    c.elipsoide(b.pelve.pt(0, -0.01 * A, 0), b.pelve.x * (0.085 * A), b.pelve.y * (0.045 * A), b.pelve.z * (0.05 * A), osso);
    for (int i = 0; i <= 6; i++) {
        double t = i / 6.0;
        V3 v = mistura(b.pelve.o, b.peito.o, t) + mistura(b.pelve.y, b.peito.y, t) * (-0.025 * A);
        c.bola(v, 0.02 * A, junta);
    }
    // ribs round the chest, open in front, and the breastbone
    for (int i = 0; i < 4; i++) {
        double t = 0.5 + 0.13 * i;
        V3 o = mistura(b.pelve.o, b.peito.o, t) + b.peito.y * (0.005 * A);
        double rx = (0.07 + 0.018 * i) * A * h.largura, ry = (0.05 + 0.008 * i) * A;
        arco(c, o, b.peito.x * rx, b.peito.y * ry, -M_PI / 2 + 0.15, M_PI / 2 - 0.35, 0.011 * A, osso, 5);
        arco(c, o, b.peito.x * rx, b.peito.y * ry, M_PI / 2 + 0.35, 3 * M_PI / 2 - 0.15, 0.011 * A, osso, 5);
    }
    c.cone(mistura(b.pelve.o, b.peito.o, 0.58) + b.peito.y * (0.055 * A), b.peito.pt(0, 0.05 * A, -0.02 * A), 0.012 * A, 0.014 * A, osso);
    for (int l = 0; l < 2; l++) c.cone(b.peito.pt(0, 0.04 * A, -0.01 * A), b.ombro[l], 0.011 * A, 0.012 * A, osso);
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        c.bola(b.ombro[l], 0.024 * A, junta);
        c.cone(b.ombro[l], b.cotovelo[l], 0.019 * A, 0.015 * A, osso);
        c.bola(b.cotovelo[l], 0.02 * A, junta);
        V3 lado = unit(cross(b.pulso[l] - b.cotovelo[l], b.peito.z)) * (0.009 * A);
        c.cone(b.cotovelo[l] + lado, b.pulso[l] + lado, 0.011 * A, 0.009 * A, osso);
        c.cone(b.cotovelo[l] - lado, b.pulso[l] - lado, 0.011 * A, 0.009 * A, osso);
        V3 d = unit(b.mao[l] - b.pulso[l]);
        c.elipsoide(b.mao[l], d * (0.026 * A), unit(cross(d, b.peito.z)) * (0.022 * A), unit(cross(cross(d, b.peito.z), d)) * (0.014 * A), osso);
        for (int k = -1; k <= 1; k++) c.cone(b.mao[l] + d * (0.015 * A), b.mao[l] + d * (0.04 * A) + lado * (k * 1.2) - b.peito.z * (0.01 * A), 0.006 * A, 0.004 * A, osso);
    }
    c.novaparte();
    c.cone(b.peito.pt(0, -0.01 * A, 0), b.cabeca.pt(0, -0.15 * b.rh, -0.6 * b.rh), 0.018 * A, 0.016 * A, junta);
    if (h.tanga) tanga(c, h, b);  // a rotten rag at the hips
    if (h.escudo) escudo(c, h, b);
    arma(c, h, b);
    cabeca(c, h, b);
}

void rocha(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    Material pm = mat(h.pele, PEDRA, 0.03, 1.5);
    int pedra = c.material(pm);
    pm.cor = h.roupa.escura(0.9);
    int escura = c.material(pm);
    pm.cor = h.pele.clara(0.1).mistura(rgb(150, 140, 120), 0.3);
    int clara = c.material(pm);
    Material br = mat(rgb(255, 170, 60), LISO, 0);
    br.emite = true;
    br.forte = true;
    br.linha = 0.3;
    int brasa = c.material(br);
    int n = 0;
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        rochedo(c, b.quadril[l], b.joelho[l], 0.085 * A * h.grossura / 1.6, pedra, n++);
        c.pedregulho(b.joelho[l], V3{0.07 * A, 0, 0}, V3{0, 0.07 * A, 0}, V3{0, 0, 0.065 * A}, escura, 60 + l);
        rochedo(c, b.joelho[l], b.tornozelo[l], 0.075 * A * h.grossura / 1.6, pedra, n++);
        V3 pe = b.ponta[l] - b.tornozelo[l];
        V3 f = unit(V3{pe.x, pe.y, 0});
        V3 s = unit(cross(f, V3{0, 0, 1}));
        c.pedregulho(mistura(b.tornozelo[l], b.ponta[l], 0.4) + V3{0, 0, 0.01 * A}, f * (0.09 * A), s * (0.065 * A), V3{0, 0, 0.05 * A}, escura, 62 + l);
    }
    c.novaparte();
    // the body: a great boulder on the hips, a slab of a chest, stones set in it
    c.pedregulho(b.pelve.pt(0, 0, 0.0), b.pelve.x * (0.16 * A), b.pelve.y * (0.11 * A), b.pelve.z * (0.09 * A), escura, 40);
    V3 meio = mistura(b.pelve.o, b.peito.o, 0.45);
    c.pedregulho(meio, b.peito.x * (0.2 * A), b.peito.y * (0.14 * A), b.peito.z * (0.18 * A), pedra, 41);
    c.pedregulho(b.peito.pt(0, 0.01 * A, -0.04 * A), b.peito.x * (0.25 * A), b.peito.y * (0.16 * A), b.peito.z * (0.13 * A), pedra, 42);
    for (int i = 0; i < 6; i++) {
        double a = i * 1.9 + 0.4, z = -0.1 + 0.05 * i;
        V3 d = b.peito.x * std::cos(a) + b.peito.y * std::sin(a);
        c.pedregulho(b.peito.pt(0, 0, z * A) + d * (0.18 * A), b.peito.x * ((0.05 + 0.02 * acaso(i, 3)) * A), b.peito.y * (0.045 * A),
                     b.peito.z * ((0.045 + 0.02 * acaso(i, 4)) * A), i % 2 ? clara : escura, 50 + i);
    }
    // the glowing crack across the chest (front) and on the back
    V3 f0 = b.peito.pt(-0.06 * A, 0.155 * A, 0.0), f1 = b.peito.pt(-0.01 * A, 0.17 * A, -0.07 * A), f2 = b.peito.pt(0.05 * A, 0.16 * A, -0.12 * A);
    c.cone(f0, f1, 0.012 * A, 0.009 * A, brasa);
    c.cone(f1, f2, 0.009 * A, 0.006 * A, brasa);
    // glowing seams down the front of the thighs and the outside of the upper arms
    for (int l = 0; l < 2; l++) {
        V3 ossos[2][2] = {{b.quadril[l], b.joelho[l]}, {b.ombro[l], b.cotovelo[l]}};
        for (int k = 0; k < 2; k++) {
            V3 a0 = ossos[k][0], a1 = ossos[k][1];
            V3 d = unit(a1 - a0);
            V3 fora = k == 0 ? b.pelve.y : b.peito.x * sinal(l);
            fora = unit(fora - d * dot(fora, d));
            double r = (k == 0 ? 0.085 * h.grossura / 1.6 : 0.075) * A * 1.08;
            V3 p0 = mistura(a0, a1, 0.2) + fora * r, p1 = mistura(a0, a1, 0.5) + fora * (r * 1.02) + unit(cross(d, fora)) * (0.02 * A),
               p2 = mistura(a0, a1, 0.8) + fora * r;
            c.cone(p0, p1, 0.008 * A, 0.007 * A, brasa);
            c.cone(p1, p2, 0.007 * A, 0.005 * A, brasa);
        }
    }
    // crystals growing from the back
    Material cr = mat(rgb(150, 110, 220), LISO, 0.9);
    cr.dureza = 40;
    int cristal = c.material(cr);
    for (int i = 0; i < 3; i++) {
        V3 raiz = b.peito.pt((i - 1) * 0.08 * A, -0.12 * A, (0.02 - 0.03 * std::abs(i - 1)) * A);
        V3 ponta = raiz + b.peito.dir((i - 1) * 0.05, -0.06, 0.12 + 0.04 * (i == 1)) * A;
        c.cone(raiz, ponta, 0.03 * A, 0.004 * A, cristal);
    }
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        c.pedregulho(b.ombro[l] + b.peito.z * (0.02 * A), b.peito.x * (0.1 * A), b.peito.y * (0.1 * A), b.peito.z * (0.095 * A), clara, 70 + l);
        rochedo(c, b.ombro[l], b.cotovelo[l], 0.075 * A, pedra, n++);
        c.pedregulho(b.cotovelo[l], b.peito.x * (0.065 * A), b.peito.y * (0.065 * A), b.peito.z * (0.065 * A), escura, 72 + l);
        rochedo(c, b.cotovelo[l], b.pulso[l], 0.085 * A, pedra, n++);
        // a fist as big as a head
        V3 d = unit(b.mao[l] - b.pulso[l]);
        c.pedregulho(b.mao[l] + d * (0.02 * A), d * (0.1 * A), unit(cross(d, b.peito.z)) * (0.09 * A), unit(cross(cross(d, b.peito.z), d)) * (0.095 * A), clara, 74 + l);
    }
    cabeca(c, h, b);
}

void arvore(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    int casca = c.material(mat(h.pele, CASCA, 0.02, 1.2));
    int escura = c.material(mat(h.pele.escura(0.75), CASCA, 0.02, 1.2));
    Material fm = mat(h.cabelo, FOLHAS, 0.05, 1.2);
    int folha = c.material(fm);
    fm.cor = h.cabelo.escura(0.8).mistura(rgb(60, 100, 30), 0.3);
    int folha2 = c.material(fm);
    // roots for legs
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        c.cone(b.quadril[l], b.joelho[l], 0.075 * A, 0.055 * A, casca);
        c.cone(b.joelho[l], b.tornozelo[l], 0.055 * A, 0.05 * A, casca);
        for (int k = -1; k <= 1; k++) {
            V3 d = unit(vira(b.pelve.y, k * 0.9 - sinal(l) * 0.3));
            d.z = 0;
            d = unit(d);
            c.cone(b.tornozelo[l], b.tornozelo[l] + d * (0.11 * A) + V3{0, 0, -0.035 * A}, 0.03 * A, 0.008 * A, escura);
        }
    }
    // the trunk, thick and knotted, up into the crown
    c.novaparte();
    std::vector<Anel> an = ao_longo(b, {{-0.12, 0.17 * A, 0.15 * A}, {0.25, 0.14 * A, 0.12 * A}, {0.7, 0.155 * A, 0.13 * A}, {1.0, 0.14 * A, 0.12 * A}});
    V3 topo = b.cabeca.pt(0, -0.1 * b.rh, 0.2 * b.rh);
    an.push_back({topo, b.peito.x * (0.11 * A), b.peito.y * (0.1 * A)});
    c.tubo(an, 16, casca, 0, 2 * M_PI, true, true, [](double s, double a) { return 1 + 0.07 * std::sin(5 * a + s * 4) + 0.05 * std::sin(3 * a - 2); });
    // the face in the bark: a brow, two hollows with glowing eyes, a mouth
    V3 rosto = b.peito.pt(0, 0.12 * A, 0.0);
    Material oco = mat(rgb(34, 20, 12), LISO, 0);
    oco.forte = true;
    int buraco = c.material(oco);
    Material ol = mat(h.olho, LISO, 0);
    ol.emite = true;
    ol.forte = true;
    int brilho = c.material(ol);
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        V3 e = rosto + b.peito.x * (s * 0.055 * A) + b.peito.z * (0.01 * A);
        c.elipsoide(e + b.peito.y * (0.015 * A), b.peito.x * (0.032 * A), b.peito.y * (0.02 * A), b.peito.z * (0.022 * A), buraco);
        c.bola(e + b.peito.y * (0.024 * A), 0.014 * A, brilho);
        c.cone(e + b.peito.pt(-s * 0.04 * A, 0.03 * A, 0.04 * A) - b.peito.o, e + b.peito.pt(s * 0.045 * A, 0.02 * A, 0.025 * A) - b.peito.o, 0.018 * A,
               0.012 * A, escura);
    }
    c.elipsoide(rosto + b.peito.pt(0, 0.022 * A, -0.09 * A) - b.peito.o, b.peito.x * (0.05 * A), b.peito.y * (0.02 * A), b.peito.z * (0.02 * A + 0.015 * A * b.abre), buraco);
    // the leafy crown
    c.novaparte();
    double rh = b.rh;
    const Eixos& k = b.cabeca;
    static const double tufos[8][4] = {{0, -0.1, 0.9, 1.2}, {-0.95, -0.1, 0.35, 0.95}, {0.95, -0.1, 0.35, 0.95}, {0, -0.9, 0.4, 1.0},
                                       {-0.55, 0.6, 0.3, 0.8}, {0.55, 0.6, 0.35, 0.8}, {-0.6, -0.6, 1.1, 0.8}, {0.6, -0.5, 1.2, 0.75}};
    // boughs rising from the trunk into the leaves
    for (int l = -1; l <= 1; l += 2) {
        V3 raiz = b.cabeca.pt(l * 0.3 * rh, -0.1 * rh, -0.5 * rh);
        c.cone(raiz, b.cabeca.pt(l * 1.5 * rh, -0.2 * rh, 0.7 * rh), 0.045 * A, 0.015 * A, casca);
        c.cone(b.cabeca.pt(l * 1.0 * rh, -0.15 * rh, 0.3 * rh), b.cabeca.pt(l * 1.25 * rh, 0.3 * rh, 1.45 * rh), 0.02 * A, 0.006 * A, escura);
    }
    c.novaparte();
    int i = 0;
    for (auto& t : tufos) {
        double r = t[3] * rh;
        c.elipsoide(k.pt(t[0] * rh, t[1] * rh, t[2] * rh), k.x * r, k.y * (r * 0.95), k.z * (r * 0.85), i++ % 3 == 2 ? folha2 : folha);
    }
    for (int j = 0; j < 5; j++) {  // small clumps standing out of the crown
        double a = j * 1.3 + 0.4;
        c.bola(k.pt(std::cos(a) * 1.35 * rh, std::sin(a) * 0.9 * rh, (0.1 + 0.35 * (j % 2)) * rh), 0.42 * rh, j % 2 ? folha2 : folha);
    }
    // branches for arms, twigs for fingers, tufts of leaves
    for (int l = 0; l < 2; l++) {
        c.novaparte();
        c.cone(b.ombro[l], b.cotovelo[l], 0.05 * A, 0.035 * A, casca);
        c.cone(b.cotovelo[l], b.pulso[l], 0.035 * A, 0.028 * A, casca);
        V3 d = unit(b.pulso[l] - b.cotovelo[l]);
        V3 s = unit(cross(d, b.peito.z));
        V3 up = unit(cross(s, d));
        for (int f = -1; f <= 1; f++) {
            V3 ponta = b.pulso[l] + d * (0.07 * A) + s * (f * 0.035 * A) + up * (0.01 * A * (f == 0));
            c.cone(b.pulso[l], ponta, 0.02 * A, 0.006 * A, escura);
        }
        c.cone(b.cotovelo[l], b.cotovelo[l] + up * (0.06 * A) - d * (0.02 * A) + s * (0.02 * A), 0.016 * A, 0.005 * A, escura);
        c.bola(b.cotovelo[l] + up * (0.06 * A), 0.035 * A, folha);
        c.bola(b.pulso[l] - d * (0.01 * A) + up * (0.035 * A), 0.03 * A, folha2);
    }
}

namespace {

// How far in front (sentido +1) or behind (-1) of the hips the legs reach at height z, with
// their thickness: a flap hanging there must clear them.
double alcance_pernas(const Corpo& b, double z, double sentido) {
    double r = 0;
    for (int l = 0; l < 2; l++) {
        V3 seg[2][2] = {{b.quadril[l], b.joelho[l]}, {b.joelho[l], b.tornozelo[l]}};
        for (auto& sg : seg) {
            double z0 = sg[0].z, z1 = sg[1].z;
            if ((z - z0) * (z - z1) > 0 || std::fabs(z1 - z0) < 1e-6) continue;
            V3 p = mistura(sg[0], sg[1], (z - z0) / (z1 - z0));
            r = std::max(r, sentido * (p.y - b.pelve.o.y) + b.rcoxa * 1.2);
        }
    }
    return r;
}

}  // namespace

void tanga(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A, L = h.largura;
    c.novaparte();
    Material m = mat(h.calca, h.especie == OGRO ? PELO : (h.especie == ORC ? COURO : TECIDO), 0.05);
    m.verso = h.calca.escura(0.5);
    int mat1 = c.material(m);
    Anel cint = ao_longo(b, {{0.22, 0.1 * L * A, 0.072 * A}})[0];
    double fase = b.pose.passo * 0.6;
    double baixo = b.pelve.o.z - (h.especie == OGRO ? 0.2 : 0.16) * A;
    for (int lado = 0; lado < 2; lado++) {  // a flap in front and one behind
        std::vector<Anel> an{cint};
        for (int i = 1; i <= 3; i++) {
            double t = i / 3.0;
            double r = (0.1 * L + 0.03 * t) * A;
            double atras = lado ? -1 : 1;
            V3 o{b.pelve.o.x, b.pelve.o.y + atras * 0.01 * A * t - b.vento * 0.03 * A * t, cint.c.z + (baixo - cint.c.z) * t};
            // the flap swings out over a thigh stepping under it instead of letting it through
            double fundo = std::max(0.078 * A + 0.01 * A * t, alcance_pernas(b, o.z, atras) - atras * (o.y - b.pelve.o.y));
            an.push_back({o, V3{1, 0, 0} * r, V3{0, 1, 0} * fundo});
        }
        double meio = lado ? 3 * M_PI / 2 : M_PI / 2;
        bool rasgada = h.especie == CARNICAL || h.especie == ORC || h.especie == OGRO;
        c.tubo(an, 10, mat1, meio - 0.7, meio + 0.7, false, false, [=](double s, double a) { return 1 + 0.04 * s * std::sin(7 * a + fase); },
               [=](double s, double a) { return rasgada ? s * s * std::fabs(std::sin(9 * a)) * 0.04 * A : 0.0; });
    }
}

void extras(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A, L = h.largura;
    int pele = mat_pele(c, h);
    bool forte = h.especie == DEMONIO || h.especie == ORC || h.especie == OGRO;
    if (forte) {
        // chest, shoulder and neck muscle
        c.novaparte();
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            c.elipsoide(b.peito.pt(s * 0.055 * A * L, 0.045 * A, -0.075 * A), b.peito.x * (0.06 * A * L), b.peito.y * (0.035 * A), b.peito.z * (0.045 * A), pele);
            c.elipsoide(b.peito.pt(s * 0.06 * A * L, -0.01 * A, 0.0), b.peito.x * (0.06 * A), b.peito.y * (0.05 * A), b.peito.z * (0.035 * A), pele);
        }
        if (h.especie != DEMONIO)
            for (int i = 0; i < 3; i++)  // the belly's muscles
                for (int l = 0; l < 2; l++)
                    c.elipsoide(mistura(b.pelve.o, b.peito.o, 0.3 + 0.14 * i) + b.peito.y * (0.055 * A) + b.peito.x * (sinal(l) * 0.022 * A),
                                b.peito.x * (0.022 * A), b.peito.y * (0.015 * A), b.peito.z * (0.025 * A), pele);
    }
    switch (h.especie) {
    case DEMONIO: {
        Material ou = mat(rgb(220, 176, 60), OURO, 0.7);
        int ouro = c.material(ou);
        c.novaparte();
        for (int l = 0; l < 2; l++) {
            V3 d = unit(b.cotovelo[l] - b.ombro[l]);
            V3 m = mistura(b.ombro[l], b.cotovelo[l], 0.65);
            V3 s = unit(cross(d, b.peito.y));
            c.tubo({{m, s * (b.rbraco * 1.2), unit(cross(d, s)) * (b.rbraco * 1.2)}, {m + d * (0.02 * A), s * (b.rbraco * 1.15), unit(cross(d, s)) * (b.rbraco * 1.15)}}, 12,
                   ouro);
        }
        break;
    }
    case ORC: {
        // a leather strap across the chest and a studded shoulder guard
        c.novaparte();
        Material co = mat(rgb(86, 58, 36), COURO, 0.15);
        int couro = c.material(co);
        V3 a = b.ombro[1] + b.peito.dir(-0.02, 0.06, 0.01) * A, m = b.peito.pt(0, 0.085 * A, -0.12 * A), z = mistura(b.pelve.o, b.peito.o, 0.12) + b.pelve.dir(-0.09, 0.07, 0) * A;
        V3 a2 = b.ombro[1] + b.peito.dir(-0.02, -0.06, 0.01) * A, m2 = b.peito.pt(0, -0.085 * A, -0.12 * A), z2 = mistura(b.pelve.o, b.peito.o, 0.12) + b.pelve.dir(-0.09, -0.07, 0) * A;
        c.cone(a, m, 0.014 * A, 0.014 * A, couro);
        c.cone(m, z, 0.014 * A, 0.014 * A, couro);
        c.cone(a2, m2, 0.014 * A, 0.014 * A, couro);
        c.cone(m2, z2, 0.014 * A, 0.014 * A, couro);
        c.novaparte();
        Material fm = mat(h.detalhe, PELO, 0.05);
        c.elipsoide(b.ombro[1] + b.peito.z * (0.03 * A), b.peito.x * (0.075 * A), b.peito.y * (0.07 * A), b.peito.z * (0.05 * A), c.material(fm));
        Material fe = mat(rgb(170, 170, 176), METAL, 0.6);
        int ferro = c.material(fe);
        for (int k = 0; k < 2; k++) {
            V3 raiz = b.ombro[1] + b.peito.dir(0.03, (k - 0.5) * 0.06, 0.07) * A;
            c.cone(raiz, raiz + b.peito.dir(0.02, 0, 0.06) * A, 0.012 * A, 0.002 * A, ferro);
        }
        for (int l = 0; l < 2; l++) {  // bracers
            V3 d = unit(b.pulso[l] - b.cotovelo[l]);
            V3 s = unit(cross(d, b.peito.z));
            V3 m3 = mistura(b.cotovelo[l], b.pulso[l], 0.55);
            c.tubo({{m3, s * (b.rantebraco * 1.25), unit(cross(d, s)) * (b.rantebraco * 1.25)}, {m3 + d * (0.05 * A), s * (b.rantebraco * 1.15), unit(cross(d, s)) * (b.rantebraco * 1.15)}},
                   12, couro);
        }
        break;
    }
    case OGRO: {
        // the hump of the neck and shoulders, a fur mantle down the back
        c.novaparte();
        c.elipsoide(b.peito.pt(0, -0.05 * A, 0.0), b.peito.x * (0.12 * A), b.peito.y * (0.08 * A), b.peito.z * (0.07 * A), pele);
        c.novaparte();
        Material fm = mat(h.capa, PELO, 0.04, 1.2);
        fm.verso = h.capa.escura(0.6);
        int pelo = c.material(fm);
        std::vector<Anel> an;
        an.push_back({b.peito.pt(0, -0.01 * A, 0.035 * A), b.peito.x * (0.15 * A * L), b.peito.y * (0.1 * A)});
        an.push_back({b.peito.pt(0, -0.03 * A, -0.06 * A), b.peito.x * (0.19 * A * L), b.peito.y * (0.13 * A)});
        an.push_back({mistura(b.peito.o, b.pelve.o, 0.5) + b.peito.dir(0, -0.07, 0) * A, b.peito.x * (0.17 * A * L), b.peito.y * (0.12 * A)});
        c.tubo(an, 18, pelo, M_PI - 0.7, 2 * M_PI + 0.7, false, false, [](double s, double a) { return 1 + 0.05 * std::sin(11 * a); },
               [=](double s, double a) { return s * s * std::fabs(std::sin(8 * a)) * 0.05 * A; });
        for (int l = 0; l < 2; l++)  // the fur heaped on the shoulders
            c.elipsoide(b.ombro[l] + b.peito.dir(-sinal(l) * 0.02, -0.03, 0.04) * A, b.peito.x * (0.075 * A), b.peito.y * (0.08 * A), b.peito.z * (0.05 * A), pelo);
        Material os = mat(rgb(230, 220, 190), OSSO, 0.2);
        int osso = c.material(os);
        for (int l = 0; l < 2; l++) {  // wrist wraps
            V3 d = unit(b.pulso[l] - b.cotovelo[l]);
            V3 s = unit(cross(d, b.peito.z));
            V3 m = mistura(b.cotovelo[l], b.pulso[l], 0.75);
            c.tubo({{m, s * (b.rantebraco * 1.15), unit(cross(d, s)) * (b.rantebraco * 1.15)}, {m + d * (0.04 * A), s * (b.rantebraco * 1.1), unit(cross(d, s)) * (b.rantebraco * 1.1)}},
                   12, c.material(mat(rgb(110, 80, 50), COURO, 0.1)));
        }
        // a skull on the belt
        c.novaparte();
        V3 cr = mistura(b.pelve.o, b.peito.o, 0.15) + b.pelve.y * (0.09 * A);
        c.elipsoide(cr, b.pelve.x * (0.03 * A), b.pelve.y * (0.025 * A), b.pelve.z * (0.032 * A), osso);
        Material esc = mat(rgb(30, 20, 16));
        esc.forte = true;
        int e = c.material(esc);
        for (int l = 0; l < 2; l++) c.bola(cr + b.pelve.dir(sinal(l) * 0.012, 0.022, 0.004) * A, 0.008 * A, e);
        break;
    }
    case CARNICAL: {
        // ribs showing through the skin, knobs down the spine
        c.novaparte();
        int p2 = c.material(mat(h.pele.clara(0.08), PELE, 0.1));
        for (int i = 0; i < 4; i++) {
            double t = 0.42 + 0.13 * i;
            V3 o = mistura(b.pelve.o, b.peito.o, t);
            double rx = (0.086 + 0.01 * i) * A * L, ry = (0.06 + 0.004 * i) * A;
            arco(c, o, b.peito.x * rx, b.peito.y * ry, 0.35, 1.25, 0.008 * A, p2, 3);
            arco(c, o, b.peito.x * rx, b.peito.y * ry, M_PI - 1.25, M_PI - 0.35, 0.008 * A, p2, 3);
        }
        for (int i = 0; i <= 5; i++) {
            double t = 0.15 + 0.16 * i;
            c.bola(mistura(b.pelve.o, b.peito.o, t) + mistura(b.pelve.y, b.peito.y, t) * (-0.06 * A), 0.016 * A, p2);
        }
        break;
    }
    case MURLOC: {
        // the pale belly and a red fin down the back
        c.novaparte();
        Material bm = mat(h.roupa, ESCAMAS, 0.25);
        c.elipsoide(mistura(b.pelve.o, b.peito.o, 0.45) + b.peito.y * (0.05 * A), b.peito.x * (0.09 * A * L), b.peito.y * (0.05 * A), b.peito.z * (0.15 * A), c.material(bm));
        c.novaparte();
        Material fm = mat(h.cabelo, LISO, 0.2);
        fm.verso = h.cabelo.escura(0.7);
        int fin = c.material(fm);
        V3 base0 = mistura(b.pelve.o, b.peito.o, 0.15) + b.pelve.y * (-0.07 * A), base1 = b.peito.pt(0, -0.07 * A, 0.0);
        V3 u = unit(base1 - base0);
        V3 fora = unit(b.peito.y * (-1.0));
        double len = norma(base1 - base0);
        c.placa(base0, u, fora, {{0, 0}, {len * 0.25, 0.07 * A}, {len * 0.55, 0.05 * A}, {len * 0.8, 0.09 * A}, {len, 0.02 * A}, {len, 0}}, 0.01 * A, fin);
        // webbed fins at the elbows
        for (int l = 0; l < 2; l++) {
            V3 d = unit(b.cotovelo[l] - b.ombro[l]);
            V3 out = unit(b.peito.x * sinal(l) + b.peito.y * (-0.5));
            c.placa(b.cotovelo[l], d, out, {{-0.05 * A, 0}, {0.0, 0.05 * A}, {0.04 * A, 0.01 * A}, {0.0, 0}}, 0.008 * A, fin);
        }
        break;
    }
    case RAINHA: {
        // the queen's armour: a gold-trimmed bodice, spiked shoulder plates and a standing collar
        Material ou = mat(h.detalhe, OURO, 0.75);
        ou.dureza = 28;
        int ouro = c.material(ou);
        Material ar = mat(rgb(46, 30, 52), METAL, 0.6);
        ar.dureza = 24;
        int aco = c.material(ar);
        c.novaparte();
        for (int i = 0; i < 2; i++) {
            double t = i ? 0.86 : 0.34;
            double rx = (i ? 0.122 : 0.094) * L * h.ombros * A, ry = (i ? 0.074 : 0.066) * A;
            std::vector<Anel> an = ao_longo(b, {{t, rx * 1.04, ry * 1.06}, {t + 0.05, rx * 1.04, ry * 1.06}});
            c.tubo(an, 18, ouro);
        }
        c.cone(mistura(b.pelve.o, b.peito.o, 0.36) + b.peito.y * (0.068 * A), b.peito.pt(0, 0.07 * A, -0.03 * A), 0.01 * A, 0.012 * A, ouro);
        Material ge = mat(h.cormagia, LISO, 0.9);
        ge.emite = true;
        ge.forte = true;
        c.bola(b.peito.pt(0, 0.078 * A, -0.06 * A), 0.02 * A, c.material(ge));
        for (int l = 0; l < 2; l++) {
            c.novaparte();
            double s = sinal(l);
            V3 o = b.ombro[l] + b.peito.dir(s * 0.015, 0, 0.025) * A;
            c.elipsoide(o, b.peito.x * (0.075 * A), b.peito.y * (0.072 * A), b.peito.z * (0.045 * A), aco);
            c.tubo({{o - b.peito.z * (0.012 * A), b.peito.x * (0.078 * A), b.peito.y * (0.075 * A)}, {o - b.peito.z * (0.002 * A), b.peito.x * (0.08 * A), b.peito.y * (0.077 * A)}}, 16,
                   ouro);
            for (int k = 0; k < 3; k++) {
                V3 raiz = o + b.peito.dir(s * (0.01 + 0.025 * k), (k - 1) * 0.03, 0.03) * A;
                c.cone(raiz, raiz + b.peito.dir(s * (0.03 + 0.015 * k), (k - 1) * 0.01, 0.09 - 0.02 * k) * A, 0.014 * A, 0.002 * A, aco);
            }
        }
        // the collar rises behind the head like a fan of blades
        c.novaparte();
        Material gola = mat(rgb(40, 14, 44), TECIDO, 0.2);
        gola.verso = rgb(120, 24, 60);
        int mg = c.material(gola);
        V3 base = b.peito.pt(0, -0.01 * A, 0.0);
        c.tubo({{base, b.peito.x * (0.07 * A), b.peito.y * (0.055 * A)},
                {base + b.peito.dir(0, -0.03, 0.12) * A, b.peito.x * (0.12 * A), b.peito.y * (0.09 * A)},
                {base + b.peito.dir(0, -0.06, 0.24) * A, b.peito.x * (0.17 * A), b.peito.y * (0.12 * A)}},
               22, mg, M_PI - 0.15, 2 * M_PI + 0.15, false, false, nullptr,
               [=](double s, double a) { return s * s * (0.5 - 0.5 * std::cos(10 * a)) * 0.06 * A; });
        // an open over-robe in red over the dark gown, and a glow at its hem
        Material sm = mat(h.roupa, TECIDO, 0.12);
        sm.verso = h.roupa.escura(0.45);
        int manto = c.material(sm);
        Anel cintura = ao_longo(b, {{0.34, 0.1 * L * A, 0.072 * A}})[0];
        std::vector<Anel> an{cintura};
        for (int i = 1; i <= 5; i++) {
            double t = i / 5.0;
            double r = (0.105 * L + 0.13 * std::pow(t, 1.2)) * A;
            V3 o{b.pelve.o.x, b.pelve.o.y - b.vento * 0.09 * A * t * t, cintura.c.z + (0.04 * A - cintura.c.z) * t};
            an.push_back({o, V3{1, 0, 0} * r, V3{0, 1, 0} * (r * 0.9)});
        }
        double fase = b.pose.voo * 0.6;
        c.novaparte();
        c.tubo(an, 26, manto, M_PI / 2 + 0.45, M_PI / 2 + 2 * M_PI - 0.45, false, false,
               [=](double s, double a) { return 1.03 + 0.08 * s * std::sin(8 * a + fase); },
               [=](double s, double a) { return s * s * (0.5 + 0.5 * std::sin(7 * a)) * 0.05 * A; });
        break;
    }
    default: break;
    }
}

}  // namespace boneco
