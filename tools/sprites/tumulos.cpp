// Rocks, the graves of the cemetery and the cages that hold the prisoners of the missions.
#include <cmath>

#include "common/rng.h"
#include "objetos.h"

namespace boneco {

namespace {

const Tinta PEDRA_CINZA = rgb(150, 144, 134), TERRA_COVA = rgb(112, 86, 60);

// A few tufts of grass at the foot of a stone or a grave.
void capim(Cena& c, V3 centro, double rx, double ry, int n, uint64_t semente) {
    int verde = c.material(material(rgb(92, 140, 56), FOLHAS, 0.4));
    Rng g(semente);
    c.novaparte();
    for (int k = 0; k < n; k++) {
        double a = g.range(0, 2 * M_PI);
        V3 p = centro + V3{std::cos(a) * rx * g.range(0.8, 1.05), std::sin(a) * ry * g.range(0.8, 1.05), 0};
        for (int f = -1; f <= 1; f++) c.cone(p, p + V3{f * 1.6 + g.range(-0.5, 0.5), g.range(-0.5, 0.5), g.range(3, 5)}, 0.7, 0.15, verde);
    }
}

// 4 a rock, with a smaller one at its foot
Picture rocha() {
    return modela_objeto(4, [](Cena& c) {
        int m = c.material(material(PEDRA_CINZA, PEDRA, 0.5, 0.06));
        c.novaparte();
        c.pedregulho({0, -2, 9}, {17, 0, 0}, {0, 15, 0}, {0, 0, 13}, m, 4);
        c.novaparte();
        c.pedregulho({11, 11, 3}, {6.5, 0, 0}, {0, 5.5, 0}, {0, 0, 5}, m, 41);
        capim(c, {0, -2, 0}, 16, 14, 5, 40);
    });
}

// 5 a large mossy boulder leaning on a second one
Picture pedregulhos() {
    return modela_objeto(5, [](Cena& c) {
        int m = c.material(material(PEDRA_CINZA.escura(0.95), PEDRA, 0.6, 0.06));
        int m2 = c.material(material(PEDRA_CINZA.mistura(rgb(150, 140, 120), 0.5), PEDRA, 0.6, 0.06));
        c.novaparte();
        c.pedregulho({-12, -8, 18}, {26, 0, 0}, {0, 20, 0}, {0, 0, 20}, m, 5);
        c.novaparte();
        c.pedregulho({15, 6, 12}, {22, 0, 0}, {0, 17, 0}, {0, 0, 14}, m2, 51);
        c.novaparte();
        c.pedregulho({-30, 14, 3}, {6, 0, 0}, {0, 5, 0}, {0, 0, 4.5}, m2, 52);
        capim(c, {0, 0, 0}, 36, 20, 8, 50);
    });
}

// 7 a grave: a heaped mound and a wooden cross at its head
Picture cova() {
    return modela_objeto(7, [](Cena& c) {
        int terra = c.material(material(TERRA_COVA, TERRA, 0.7));
        int madeira = c.material(material(rgb(126, 90, 56), MADEIRA, 0.6));
        c.novaparte();
        c.ovo({0, 3, 0.5}, 12, 13, 5, terra);
        c.novaparte();
        bloco(c, {0, -9, 0}, 1.7, 1.5, 42, madeira);
        bloco(c, {0, -9, 29}, 9, 1.6, 3.4, madeira);
        capim(c, {0, 2, 0}, 13, 14, 6, 70);
        Material fm = material(rgb(236, 214, 80), LISO, 1, 0.2);
        fm.forte = true;
        int flor = c.material(fm);
        c.novaparte();
        c.bola({-3, 6, 5}, 1.3, flor);
        c.bola({2, 9, 4.5}, 1.3, flor);
    });
}

// 8 a stone tomb: a plinth, the chest and a bevelled lid with a cross on it
Picture tumba() {
    return modela_objeto(8, [](Cena& c) {
        int pedra = c.material(material(PEDRA_CINZA.escura(0.9), PEDRA, 0.5, 0.06));
        int tampa = c.material(material(PEDRA_CINZA, PEDRA, 0.5, 0.08));
        int cruz = c.material(material(PEDRA_CINZA.escura(0.7), PEDRA, 0.6));
        c.novaparte();
        bloco(c, {0, 0, 0}, 21, 11, 4, pedra);
        c.novaparte();
        bloco(c, {0, 0, 4}, 18.5, 9, 19, pedra);
        c.novaparte();
        const double chanfro[4] = {3, 2.6, 3.2, 2.8};
        almofada(c, {0, 0, 23}, {1, 0, 0}, {0, 1, 0}, 20.5, 10.5, 5, chanfro, tampa);
        c.novaparte();
        bloco(c, {0, 0, 28}, 1.6, 7, 1.6, cruz);
        bloco(c, {0, -2.5, 28}, 7, 1.6, 1.6, cruz);
    });
}

// 9 a headstone on a patch of grass, a cross cut in its face and flowers at its foot
Picture lapide() {
    return modela_objeto(9, [](Cena& c) {
        int grama = c.material(material(rgb(86, 124, 56), FOLHAS, 0.5));
        int pedra = c.material(material(PEDRA_CINZA, PEDRA, 0.5, 0.08));
        int entalhe = c.material(material(PEDRA_CINZA.escura(0.55), PEDRA, 0.6));
        c.novaparte();
        c.ovo({0, 1, 0}, 19, 10, 1.6, grama);
        c.novaparte();
        std::vector<std::pair<double, double>> pts = {{0, 12}, {-11, 0}, {11, 0}};
        for (int i = 0; i <= 10; i++) {
            double a = i * M_PI / 10;
            pts.push_back({std::cos(a) * 11, 20 + std::sin(a) * 11});
        }
        pts.push_back({-11, 0.01});
        c.placa({0, -3, 0}, {1, 0, 0}, {0, 0, 1}, pts, 5, pedra);
        c.novaparte();
        c.placa({0, -0.3, 0}, {1, 0, 0}, {0, 0, 1}, {{0, 19}, {-1.3, 10}, {1.3, 10}, {1.3, 27}, {-1.3, 27}, {-1.3, 10.01}}, 0.6, entalhe);
        c.placa({0, -0.3, 0}, {1, 0, 0}, {0, 0, 1}, {{0, 22.5}, {-5, 21}, {5, 21}, {5, 24}, {-5, 24}, {-5, 21.01}}, 0.6, entalhe);
        const int CORES[3][3] = {{220, 70, 90}, {240, 200, 60}, {220, 80, 100}};
        for (int k = 0; k < 3; k++) {
            Material fm = material(rgb(CORES[k][0], CORES[k][1], CORES[k][2]), LISO, 1, 0.2);
            fm.forte = true;
            c.novaparte();
            c.bola({-15.0 + k * 3.5, 5, 1.8}, 1.5, c.material(fm));
        }
    });
}

}  // namespace

// A cage of wooden posts and iron bars on a plank floor, under a pyramid roof, with its prisoner
// inside; the witch's prison glows with her own magic.
Picture gaiola(int i, const Humano& preso, bool magica) {
    return modela_objeto(i, [&](Cena& c) {
        int madeira = c.material(material(magica ? rgb(86, 56, 96) : rgb(128, 88, 52), MADEIRA, 0.6));
        int tabuas = c.material(material(magica ? rgb(70, 50, 82) : rgb(118, 82, 50), TABUAS, 0.8));
        int telhado = c.material(material(magica ? rgb(76, 40, 100) : rgb(140, 96, 56), TABUAS, 0.9));
        Material fm = material(magica ? rgb(150, 80, 200) : rgb(70, 68, 74), magica ? LISO : METAL, 1, 0.5);
        fm.emite = magica;
        int ferro = c.material(fm);
        const double X = 17, Y = 12, H = 86;
        c.novaparte();
        bloco(c, {0, 0, -3}, X + 1.5, Y + 1.5, 3.8, tabuas);
        Humano h = preso;
        h.altura *= 0.82;
        h.flutua = false;
        h.arma = SEMARMA;  // a prisoner's hands are empty (a tool held out would poke through the bars)
        monta_humano(c, h, Pose{});
        c.novaparte();
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) c.cone({sx * X, sy * Y, 0}, {sx * X, sy * Y, H}, 1.9, 1.7, madeira);
        bloco(c, {0, 0, H}, X + 1.8, Y + 1.8, 3.5, madeira);
        c.novaparte();
        for (int k = -2; k <= 2; k++)
            for (int sy : {-1, 1}) c.cone({k * 6.0, sy * Y, 0.5}, {k * 6.0, sy * Y, H}, 0.75, 0.75, ferro);
        for (int k = -1; k <= 1; k++)
            for (int sx : {-1, 1}) c.cone({sx * X, k * 6.5, 0.5}, {sx * X, k * 6.5, H}, 0.75, 0.75, ferro);
        c.novaparte();
        double R = (X + 1.5) * std::sqrt(2.0);
        c.tubo({{{0, 0, H + 3.5}, {R, 0, 0}, {0, R * (Y + 1.5) / (X + 1.5), 0}}, {{0, 0, H + 22}, {0.3, 0, 0}, {0, 0.3, 0}}}, 4, telhado, M_PI / 4,
               M_PI / 4 + 2 * M_PI, true, false);
        if (magica) {
            Material gm = material(rgb(240, 200, 255));
            gm.emite = true;
            int gema = c.material(gm);
            for (int sx : {-1, 1}) {
                c.bola({sx * X, Y, H + 5.5}, 1.8, gema);
                c.brilho({sx * X, Y, H + 5.5}, 4.5, rgb(210, 150, 255), 0.8);
            }
        }
    });
}

void pedras_e_tumulos(std::vector<Picture>& v) {
    v.push_back(rocha());                               // 4
    v.push_back(pedregulhos());                         // 5
    v.push_back(gaiola(6, figura_durbico(), false));    // 6 Durbico caged
    v.push_back(cova());                                // 7
    v.push_back(tumba());                               // 8
    v.push_back(lapide());                              // 9
}

}  // namespace boneco
