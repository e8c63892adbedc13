// Many-legged puppets: the giant spider and the wild wolf.
#include <algorithm>
#include <cmath>

#include "corpo.h"

namespace boneco {

namespace {

Material mat(Tinta cor, int textura, double brilho, double escala = 1) {
    Material m;
    m.cor = cor;
    m.textura = textura;
    m.brilho = brilho;
    m.escala = escala;
    return m;
}

}  // namespace

void monta_aranha(Cena& c, double A, const Pose& p) {
    Tinta escuro = rgb(58, 40, 62), pelo = rgb(86, 60, 84);
    int corpo = c.material(mat(pelo, PELO, 0.12, 0.8));
    int perna = c.material(mat(escuro, PELO, 0.12, 0.7));
    int anel = c.material(mat(rgb(150, 110, 120), PELO, 0.1, 0.7));
    Material mm = mat(rgb(214, 40, 36), LISO, 0.3);
    mm.forte = true;
    int marca = c.material(mm);
    // the wind-up rears the head high and back; the strike drives it low and forward
    double ergue = p.golpe == 1 ? 0.3 : (p.golpe == 3 ? -0.1 : 0);
    double avanca = p.golpe == 1 ? -0.08 : (p.golpe == 3 ? 0.16 : 0);
    V3 cefalo{0, (0.28 + avanca) * A, (0.42 + ergue * 0.8) * A}, abdome{0, (-0.42 + avanca * 0.4) * A, (0.58 + ergue * 0.15) * A};
    // four legs a side, fanned from front to back; the pairs step in turn
    for (int lado = 0; lado < 2; lado++) {
        double s = sinal(lado);
        for (int i = 0; i < 4; i++) {
            c.novaparte();
            double passo = ((i + lado) % 2 ? 1 : -1) * p.passo;
            double ang = (62 - i * 38 + passo * 10) * M_PI / 180;
            V3 d{s * std::cos(ang), std::sin(ang), 0};
            V3 raiz = cefalo + V3{s * 0.16 * A, (0.08 - 0.09 * i) * A, -0.04 * A};
            V3 joelho = raiz + d * (0.48 * A) + V3{0, 0, (0.42 + 0.08 * (passo > 0)) * A};
            V3 tornoz = raiz + d * (0.88 * A) + V3{0, 0, 0.18 * A - raiz.z * 0.4};
            V3 pe = raiz + d * (1.02 * A);
            pe.z = passo > 0 ? 0.08 * A : 0.01 * A;
            if (i == 0 && p.golpe == 1) {  // the front legs rise high and wide to seize
                joelho = raiz + V3{s * 0.34 * A, 0.12 * A, 0.62 * A};
                tornoz = joelho + V3{s * 0.14 * A, 0.2 * A, 0.3 * A};
                pe = tornoz + V3{-s * 0.02 * A, 0.2 * A, -0.06 * A};
            } else if (i == 1 && p.golpe == 1) {  // the second pair lifts too
                joelho = raiz + V3{s * 0.42 * A, 0.08 * A, 0.5 * A};
                tornoz = joelho + V3{s * 0.3 * A, 0.1 * A, 0.02 * A};
                pe = tornoz + V3{s * 0.05 * A, 0.08 * A, -0.22 * A};
            } else if (i == 0 && p.golpe == 3) {  // then stab down in front of the fangs
                joelho = raiz + V3{s * 0.22 * A, 0.34 * A, 0.38 * A};
                tornoz = joelho + V3{-s * 0.04 * A, 0.3 * A, -0.12 * A};
                pe = tornoz + V3{-s * 0.05 * A, 0.08 * A, -0.3 * A};
                pe.z = std::max(pe.z, 0.0);
            }
            c.cone(raiz, joelho, 0.065 * A, 0.05 * A, perna);
            c.bola(joelho, 0.055 * A, anel);
            c.cone(joelho, tornoz, 0.05 * A, 0.035 * A, perna);
            c.bola(tornoz, 0.038 * A, anel);
            c.cone(tornoz, pe, 0.035 * A, 0.012 * A, perna);
        }
    }
    c.novaparte();
    c.cone(cefalo, abdome, 0.12 * A, 0.14 * A, corpo);  // the waist
    c.elipsoide(abdome, V3{0.44 * A, 0, 0}, V3{0, 0.55 * A, 0}, V3{0, 0, 0.4 * A}, corpo);
    // the red hourglass on the back and rings of pale hair round the abdomen
    c.elipsoide(abdome + V3{0, 0.1 * A, 0.36 * A}, V3{0.11 * A, 0, 0}, V3{0, 0.14 * A, 0}, V3{0, 0, 0.06 * A}, marca);
    c.elipsoide(abdome + V3{0, -0.17 * A, 0.33 * A}, V3{0.1 * A, 0, 0}, V3{0, 0.13 * A, 0}, V3{0, 0, 0.07 * A}, marca);
    c.elipsoide(abdome + V3{0, -0.47 * A, 0.12 * A}, V3{0.09 * A, 0, 0}, V3{0, 0.06 * A, 0}, V3{0, 0, 0.1 * A}, marca);
    c.novaparte();
    c.elipsoide(cefalo, V3{0.27 * A, 0, 0}, V3{0, 0.3 * A, 0}, V3{0, 0, 0.22 * A}, corpo);
    // eight eyes and the fangs
    Material om = mat(rgb(255, 120, 60), LISO, 0.9);
    om.forte = true;
    om.dureza = 40;
    om.linha = 0.3;
    int olho = c.material(om);
    for (int lado = 0; lado < 2; lado++) {
        double s = sinal(lado);
        c.bola(cefalo + V3{s * 0.09 * A, 0.26 * A, 0.1 * A}, 0.06 * A, olho);
        c.bola(cefalo + V3{s * 0.19 * A, 0.2 * A, 0.12 * A}, 0.04 * A, olho);
        c.bola(cefalo + V3{s * 0.06 * A, 0.22 * A, 0.18 * A}, 0.035 * A, olho);
    }
    int presa = c.material(mat(rgb(226, 214, 180), OSSO, 0.4));
    double abre = p.golpe == 3 ? 0.08 : (p.golpe == 1 ? 0.03 : 0.0);
    for (int lado = 0; lado < 2; lado++) {
        double s = sinal(lado);
        V3 raiz = cefalo + V3{s * 0.08 * A, 0.27 * A, -0.05 * A};
        c.cone(raiz, raiz + V3{s * (0.02 * A + abre * A), 0.08 * A, -0.1 * A}, 0.05 * A, 0.035 * A, corpo);
        c.cone(raiz + V3{s * (0.02 * A + abre * A), 0.08 * A, -0.1 * A}, raiz + V3{-s * 0.02 * A + s * abre * A, 0.1 * A, -0.22 * A}, 0.03 * A, 0.006 * A, presa);
    }
}

void monta_lobo(Cena& c, double A, const Pose& p) {
    // a silver coat with a dark saddle and a cream chest: light and dark both stand out on grey stone
    Tinta cinza = rgb(158, 148, 134), claro = rgb(228, 216, 190), escuro = rgb(58, 50, 50);
    int pelo = c.material(mat(cinza, PELO, 0.06, 0.8));
    int peloescuro = c.material(mat(escuro, PELO, 0.06, 0.8));
    int barriga = c.material(mat(claro, PELO, 0.05, 0.8));
    static const double avanco[4] = {0, -0.08, 0.1, 0.2}, abaixa[4] = {0, 0.08, -0.02, 0.04}, empina[4] = {0, -0.06, 0.14, 0.05};
    double lunge = avanco[p.golpe] * A, baixo = abaixa[p.golpe] * A, sobe = empina[p.golpe] * A;
    double bob = p.passo ? 0.015 * A : 0;
    V3 anca{0, -0.3 * A + lunge * 0.6, 0.55 * A - baixo - bob}, peito{0, 0.3 * A + lunge, 0.6 * A - baixo + sobe - bob};
    // legs: the front pair straight under the chest, the hind pair with the hock bent back
    for (int lado = 0; lado < 2; lado++) {
        double s = sinal(lado);
        for (int f = 0; f < 2; f++) {
            c.novaparte();
            double fase = (f ? 1 : -1) * s * p.passo;  // diagonal pairs move together
            V3 raiz = (f ? peito : anca) + V3{s * 0.1 * A, f ? 0.02 * A : 0, -0.08 * A};
            V3 pe{raiz.x, raiz.y + fase * 0.16 * A + (f ? 0.04 : -0.02) * A, fase > 0 ? 0.06 * A : 0.02 * A};
            if (f && p.golpe >= 2) pe = raiz + V3{0, 0.32 * A, -0.22 * A};  // reaching in the leap
            if (f && p.golpe == 1) pe = V3{raiz.x, raiz.y + 0.12 * A, 0.02 * A};
            if (!f && p.golpe) pe = V3{raiz.x, raiz.y - 0.12 * A, 0.02 * A};
            V3 meio, tarso;
            if (f) {
                meio = junta(raiz, pe + V3{0, 0, 0.1 * A}, 0.26 * A, 0.24 * A, V3{0, -1, 0});
                tarso = pe + V3{0, 0, 0.1 * A};
                c.cone(raiz + V3{0, 0, 0.06 * A}, meio, 0.08 * A, 0.05 * A, pelo);
            } else {
                tarso = pe + V3{0, -0.07 * A, 0.16 * A};
                meio = junta(raiz, tarso, 0.26 * A, 0.22 * A, V3{0, 1, 0});
                c.cone(raiz + V3{0, -0.02 * A, 0.05 * A}, meio, 0.11 * A, 0.055 * A, pelo);
            }
            c.cone(meio, tarso, 0.05 * A, 0.035 * A, pelo);
            c.cone(tarso, pe + V3{0, 0, 0.03 * A}, 0.035 * A, 0.03 * A, peloescuro);
            c.elipsoide(pe + V3{0, 0.03 * A, 0.025 * A}, V3{0.04 * A, 0, 0}, V3{0, 0.055 * A, 0}, V3{0, 0, 0.03 * A}, peloescuro);
        }
    }
    // a bushy tail
    c.novaparte();
    double abana = 0.08 * A * p.passo;
    std::vector<Anel> cauda;
    V3 q = anca + V3{0, -0.16 * A, 0.06 * A};
    V3 dir = unit(V3{abana / A, -0.8, -0.25 + (p.golpe ? 0.3 : 0)});
    for (int i = 0; i <= 5; i++) {
        double t = i / 5.0;
        double r = (0.05 + 0.07 * std::sin(t * M_PI * 0.9)) * A + 0.01 * A;
        cauda.push_back({q, V3{r, 0, 0}, unit(cross(dir, V3{1, 0, 0})) * r});
        q = q + dir * (0.09 * A);
        dir = unit(dir + V3{0, 0, -0.18});
    }
    c.tubo(cauda, 12, pelo, 0, 2 * M_PI, true, true);
    // the body: haunches, a deep chest, the ruff round the neck
    c.novaparte();
    c.tubo({{anca + V3{0, -0.08 * A, 0}, V3{0.14 * A, 0, 0}, V3{0, 0, 0.15 * A}},
            {mistura(anca, peito, 0.35), V3{0.13 * A, 0, 0}, V3{0, 0, 0.14 * A}},
            {mistura(anca, peito, 0.7), V3{0.15 * A, 0, 0}, V3{0, 0, 0.19 * A}},
            {peito + V3{0, 0.06 * A, 0}, V3{0.14 * A, 0, 0}, V3{0, 0, 0.19 * A}}},
           16, pelo, 0, 2 * M_PI, true, true);
    c.elipsoide(mistura(anca, peito, 0.7) + V3{0, 0, -0.1 * A}, V3{0.12 * A, 0, 0}, V3{0, 0.2 * A, 0}, V3{0, 0, 0.09 * A}, barriga);
    c.elipsoide(anca + V3{0, -0.03 * A, 0.02 * A}, V3{0.16 * A, 0, 0}, V3{0, 0.13 * A, 0}, V3{0, 0, 0.15 * A}, pelo);
    V3 dorso = mistura(anca, peito, 0.45);
    Material sela = mat(rgb(96, 84, 78), PELO, 0.06, 0.8);
    c.elipsoide(dorso + V3{0, 0, 0.085 * A}, V3{0.13 * A, 0, 0}, V3{0, 0.44 * A, 0}, V3{0, 0, 0.1 * A}, c.material(sela));
    V3 cab = peito + V3{0, 0.26 * A, 0.25 * A - baixo * 0.8 + sobe * 0.3};
    c.elipsoide(peito + V3{0, 0.12 * A, 0.08 * A}, V3{0.22 * A, 0, 0}, V3{0, 0.16 * A, 0}, V3{0, 0, 0.22 * A}, pelo);
    c.elipsoide(peito + V3{0, 0.16 * A, 0.0}, V3{0.14 * A, 0, 0}, V3{0, 0.1 * A, 0}, V3{0, 0, 0.14 * A}, barriga);
    // the head: skull, long muzzle, black nose, jaws that open to bite
    c.novaparte();
    c.elipsoide(cab, V3{0.155 * A, 0, 0}, V3{0, 0.15 * A, 0}, V3{0, 0, 0.14 * A}, pelo);
    double morde = p.golpe >= 2 ? 0.35 : (p.golpe == 1 ? 0.1 : 0);
    V3 focinho = cab + V3{0, 0.24 * A, -0.04 * A};
    c.cone(cab + V3{0, 0.06 * A, 0.0}, focinho, 0.1 * A, 0.05 * A, pelo);
    c.cone(cab + V3{0, 0.1 * A, -0.06 * A}, focinho + V3{0, -0.02 * A, -0.05 * A}, 0.07 * A, 0.04 * A, barriga);
    Material nm = mat(rgb(24, 20, 20), LISO, 0.6);
    nm.forte = true;
    c.bola(focinho + V3{0, 0.02 * A, 0.02 * A}, 0.032 * A, c.material(nm));
    V3 queixo = cab + V3{0, 0.05 * A, -0.08 * A};
    V3 ponta = queixo + V3{0, std::cos(morde) * 0.19 * A, -std::sin(morde) * 0.19 * A};
    c.cone(queixo, ponta, 0.06 * A, 0.035 * A, barriga);
    if (morde > 0.2) {
        Material bm = mat(rgb(120, 30, 36), LISO, 0.2);
        bm.forte = true;
        c.cone(queixo + V3{0, 0.05 * A, 0.03 * A}, mistura(focinho, ponta, 0.5), 0.045 * A, 0.03 * A, c.material(bm));
        Material dm = mat(rgb(246, 240, 220), LISO, 0.4);
        dm.forte = true;
        int dente = c.material(dm);
        for (int lado = 0; lado < 2; lado++) {
            V3 r = focinho + V3{sinal(lado) * 0.03 * A, -0.02 * A, -0.03 * A};
            c.cone(r, r + V3{0, 0, -0.05 * A}, 0.014 * A, 0.003 * A, dente);
        }
    }
    for (int lado = 0; lado < 2; lado++) {
        double s = sinal(lado);
        V3 o = cab + V3{s * 0.08 * A, -0.02 * A, 0.1 * A};
        c.cone(o, o + V3{s * 0.05 * A, -0.03 * A, 0.16 * A}, 0.06 * A, 0.008 * A, peloescuro);
        Material om = mat(rgb(250, 196, 50), LISO, 0.6);
        om.forte = true;
        om.linha = 0.5;
        c.elipsoide(cab + V3{s * 0.075 * A, 0.13 * A, 0.04 * A}, V3{0.03 * A, 0, 0}, V3{0, 0.02 * A, 0}, V3{0, 0, 0.022 * A}, c.material(om));
    }
}

}  // namespace boneco
