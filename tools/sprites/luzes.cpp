// Lights of the dungeons and the cemetery: the torch on its pole and the iron brazier, two flame
// frames each; and the family of small ornaments listed between them.
#include <cmath>

#include "common/rng.h"
#include "objetos.h"

namespace boneco {

namespace {

// 10-11 a torch: a pole stuck in a heap of stones, an iron cup and pitch-soaked rags burning
Picture tocha(int quadro) {
    return modela_objeto(10 + quadro, [quadro](Cena& c) {
        int madeira = c.material(material(rgb(104, 70, 42), MADEIRA, 0.5));
        int ferro = c.material(material(rgb(66, 62, 66), METAL, 1, 0.45));
        int piche = c.material(material(rgb(48, 36, 30), COURO, 0.5));
        int pedra = c.material(material(rgb(136, 130, 122), PEDRA, 0.6));
        Material bm = material(rgb(255, 150, 50));
        bm.emite = true;
        int brasa = c.material(bm);
        c.novaparte();
        for (int k = 0; k < 4; k++) {
            double a = k * M_PI / 2 + 0.4;
            c.pedregulho({std::cos(a) * 3.6, std::sin(a) * 3.2, 1.2}, {2.2, 0, 0}, {0, 2, 0}, {0, 0, 1.8}, pedra, 100 + k);
        }
        c.novaparte();
        c.cone({0, 0, 0}, {0, 0, 50}, 1.7, 1.3, madeira);
        c.novaparte();
        cilindro(c, {}, 46, 1.8, 52, 3.4, ferro, 10, false);
        c.ovo({0, 0, 53}, 2.8, 2.8, 2.4, piche);
        c.bola({0.8, 2, 53.5}, 0.9, brasa);
        chama(c, {0, 0, 53}, 3.2, quadro ? 12 : 14.5, quadro);
    });
}

// 15-16 a brazier: an iron bowl of glowing coals on three legs, flames rising from it
Picture braseiro(int quadro) {
    return modela_objeto(15 + quadro, [quadro](Cena& c) {
        Material fm = material(rgb(74, 70, 74), METAL, 1, 0.5);
        fm.verso = rgb(40, 34, 36);
        int ferro = c.material(fm);
        Material bm = material(rgb(255, 120, 30));
        bm.emite = true;
        int brasa = c.material(bm);
        Material cm = material(rgb(70, 30, 20), LISO, 1, 0.1);
        int carvao = c.material(cm);
        c.novaparte();
        for (int k = 0; k < 3; k++) {
            double a = k * 2 * M_PI / 3 + M_PI / 2;
            V3 d{std::cos(a), std::sin(a), 0};
            c.cone(d * 5 + V3{0, 0, 30}, d * 12 + V3{0, 0, 0.5}, 1.4, 1.0, ferro);
            c.bola(d * 12 + V3{0, 0, 0.8}, 1.8, ferro);
        }
        c.cone({0, 0, 4}, {0, 0, 30}, 1.6, 1.6, ferro);
        c.novaparte();
        std::vector<Anel> tigela = {{{0, 0, 27}, {4, 0, 0}, {0, 4, 0}}, {{0, 0, 31}, {11, 0, 0}, {0, 11, 0}}, {{0, 0, 36}, {15, 0, 0}, {0, 15, 0}}};
        c.tubo(tigela, 24, ferro, 0, 2 * M_PI, true, false);
        c.tubo({{{0, 0, 36}, {15.2, 0, 0}, {0, 15.2, 0}}, {{0, 0, 37.5}, {15.2, 0, 0}, {0, 15.2, 0}}}, 24, ferro);
        // coals heaped in the bowl, the brightest in the middle
        Rng g(150 + quadro);
        c.novaparte();
        for (int k = 0; k < 16; k++) {
            double a = g.range(0, 2 * M_PI), r = g.range(0, 11);
            c.bola({std::cos(a) * r, std::sin(a) * r, 35.5 + (11 - r) * 0.18}, g.range(2, 3), g.below(3) ? brasa : carvao);
        }
        chama(c, {-5, 1, 36}, 4.2, quadro ? 18 : 23, quadro);
        chama(c, {5, 0, 36}, 4.2, quadro ? 24 : 18, quadro + 1);
        chama(c, {0, 4, 36}, 5, quadro ? 27 : 30, quadro);
    });
}

}  // namespace

void luzes_e_ornatos(std::vector<Picture>& v) {
    v.push_back(tocha(0));     // 10
    v.push_back(tocha(1));     // 11
    v.push_back(toco());       // 12
    v.push_back(arbusto());    // 13
    v.push_back(pilar());      // 14
    v.push_back(braseiro(0));  // 15
    v.push_back(braseiro(1));  // 16
}

}  // namespace boneco
