// Many-legged puppets: the giant spider and the wild wolf.
#include <cmath>

#include "figuras.h"

namespace boneco {

void monta_aranha(Cena& c, double A, const Pose& p) {
    Tinta corpo = rgb(70, 45, 75), perna = rgb(55, 35, 55), marca = rgb(200, 40, 40);
    double ataque = p.golpe ? 1 : 0;
    V3 cefalo{0, 0.15 * A, 0.42 * A}, abdome{0, -0.55 * A, 0.55 * A};
    for (int lado = -1; lado <= 1; lado += 2)
        for (int i = 0; i < 4; i++) {
            // four legs a side, fanned from forward to backward; pairs step in turn
            double ang = (50 - i * 30 + (i % 2 ? 1 : -1) * lado * p.passo * 12) * M_PI / 180;
            V3 d{lado * std::cos(ang), std::sin(ang), 0};
            V3 raiz = cefalo + V3{lado * 0.12 * A, 0, -0.02 * A};
            V3 joelho = raiz + d * (0.5 * A) + V3{0, 0, 0.32 * A};
            V3 pe = raiz + d * (0.95 * A) + V3{0, 0, 0.03 * A - raiz.z};
            if (i == 0 && ataque) {  // the front legs rear up to strike
                joelho = raiz + d * (0.35 * A) + V3{0, 0.1 * A, 0.5 * A};
                pe = joelho + V3{0, 0.3 * A, 0.15 * A};
            }
            c.capsula(raiz, joelho, 0.055 * A, 0.045 * A, perna);
            c.capsula(joelho, pe, 0.045 * A, 0.022 * A, perna);
        }
    c.bola(abdome, 0.42 * A, 0.36 * A, corpo);
    V3 dorso = abdome + V3{0, 0.05 * A, 0.32 * A};
    if (c.prof(dorso) - c.prof(abdome) > -0.35 * A) {  // red hourglass on the back
        c.ponto(abdome + V3{0, -0.05 * A, 0.38 * A}, 0.09 * A, marca, 0.3 * A);
        c.ponto(abdome + V3{0, -0.22 * A, 0.3 * A}, 0.07 * A, marca, 0.3 * A);
    }
    c.bola(cefalo, 0.27 * A, 0.24 * A, corpo.clara(0.08));
    for (int lado = -1; lado <= 1; lado += 2) {
        V3 olho = cefalo + V3{lado * 0.1 * A, 0.24 * A, 0.08 * A};
        if (c.prof(olho) - c.prof(cefalo) > 0.05 * A) c.ponto(olho, 0.05 * A, rgb(250, 210, 60), 0.1);
        V3 presa = cefalo + V3{lado * 0.07 * A, 0.25 * A, -0.05 * A};
        c.capsula(presa, presa + V3{-lado * 0.03 * A * ataque, 0.1 * A, -0.15 * A}, 0.035 * A, 0.012 * A, rgb(230, 220, 190), 0.02);
    }
}

void monta_lobo(Cena& c, double A, const Pose& p) {
    Tinta pelo = rgb(120, 110, 100), barriga = rgb(190, 180, 165), escuro = rgb(70, 62, 58);
    static const double avanco[4] = {0, -0.07, 0.06, 0.14}, cabeca[4] = {0, -0.08, 0.06, -0.1};
    double lunge = avanco[p.golpe] * A, abaixa = cabeca[p.golpe] * A;
    V3 anca{0, -0.32 * A + lunge, 0.52 * A}, peito{0, 0.28 * A + lunge, 0.56 * A};
    for (int lado = -1; lado <= 1; lado += 2)
        for (int f = 0; f < 2; f++) {
            V3 raiz = (f ? peito : anca) + V3{lado * 0.1 * A, 0, -0.06 * A};
            double ang = lado * (f ? 1 : -1) * p.passo * 0.45 + (p.golpe >= 2 && f ? 0.25 * p.golpe : 0) - (p.golpe == 1 ? 0.3 : 0);
            V3 joelho = raiz + V3{0, std::sin(ang) * 0.2 * A + (f ? 0.02 : -0.04) * A, -0.24 * A};
            V3 pe = V3{raiz.x, raiz.y + std::sin(ang) * 0.32 * A, 0.03 * A};
            c.capsula(raiz, joelho, 0.07 * A, 0.04 * A, pelo.escura(0.9));
            c.capsula(joelho, pe, 0.04 * A, 0.035 * A, pelo.escura(0.8));
            c.bola(pe + V3{0, 0.02 * A, 0}, 0.045 * A, 0.035 * A, escuro, 0.01);
        }
    double rabo = 0.1 * A * p.passo;
    V3 raiz_rabo = anca + V3{0, -0.14 * A, 0.04 * A}, meio_rabo = anca + V3{rabo * 0.5, -0.34 * A, -0.02 * A};
    c.capsula(raiz_rabo, meio_rabo, 0.045 * A, 0.075 * A, pelo.escura(0.92));
    c.capsula(meio_rabo, meio_rabo + V3{rabo, -0.16 * A, -0.08 * A}, 0.075 * A, 0.04 * A, escuro);
    c.capsula(anca, peito, 0.18 * A, 0.21 * A, pelo);
    c.bola(anca + V3{0, -0.02 * A, 0.02 * A}, 0.19 * A, 0.17 * A, pelo.escura(0.95), -0.05 * A);
    c.bola(peito + V3{0, 0.1 * A, -0.06 * A}, 0.16 * A, 0.16 * A, barriga, 0.02);
    V3 cab = peito + V3{0, 0.22 * A, 0.2 * A + abaixa};
    c.capsula(peito + V3{0, 0.05 * A, 0.05 * A}, cab, 0.15 * A, 0.13 * A, pelo, -0.02);
    c.bola(cab, 0.18 * A, 0.16 * A, pelo);
    V3 focinho = cab + V3{0, 0.25 * A, -0.05 * A};
    c.capsula(cab + V3{0, 0.06 * A, -0.02 * A}, focinho, 0.1 * A, 0.05 * A, pelo.clara(0.12), 0.01);
    c.ponto(focinho + V3{0, 0.03 * A, 0.02 * A}, 0.03 * A, rgb(25, 20, 20), 0.05);
    if (p.golpe >= 2) c.capsula(cab + V3{0, 0.08 * A, -0.1 * A}, focinho + V3{0, 0, -0.09 * A}, 0.04 * A, 0.035 * A, rgb(150, 40, 40), 0.0);
    for (int lado = -1; lado <= 1; lado += 2) {
        V3 orelha = cab + V3{lado * 0.1 * A, -0.03 * A, 0.12 * A};
        c.poligono({orelha + V3{-0.06 * A, 0, 0}, orelha + V3{0.06 * A, 0, 0}, orelha + V3{lado * 0.03 * A, -0.03 * A, 0.17 * A}}, escuro, 0.02);
        V3 olho = cab + V3{lado * 0.09 * A, 0.12 * A, 0.08 * A};
        if (c.prof(olho) - c.prof(cab) > 0.05 * A) c.ponto(olho, 0.03 * A, rgb(240, 200, 50), 0.2 * A);
    }
}

}  // namespace boneco
