// Trees and undergrowth: the broadleaf, the pine, the pale birch, the dead tree, the bare sapling and
// the bush. Each trunk stands on the base point, roots spreading into the ground.
#include <cmath>

#include "common/rng.h"
#include "objetos.h"

namespace boneco {

namespace {

const Tinta CASCA_ESCURA = rgb(104, 76, 52), CASCA_SECA = rgb(122, 110, 98);

// A trunk from `base` up to `topo`, swelling at the foot and a little knotted along the way.
void tronco(Cena& c, V3 base, V3 topo, double r0, double r1, int mat, double curva) {
    std::vector<Anel> an;
    for (int k = 0; k <= 6; k++) {
        double s = k / 6.0;
        V3 p = mistura(base, topo, s) + V3{std::sin(s * M_PI) * curva, 0, 0};
        double r = r1 + (r0 - r1) * (1 - s) + (k == 0 ? r0 * 0.35 : 0);
        an.push_back({p, {r, 0, 0}, {0, r, 0}});
    }
    c.tubo(an, 14, mat, 0, 2 * M_PI, false, true, [](double s, double a) { return 1 + 0.08 * std::sin(4 * a + s * 9) * (1 - s); });
}

// Roots spreading from the foot of a trunk into the ground.
void raizes(Cena& c, double r, int mat, int n, double fase) {
    for (int k = 0; k < n; k++) {
        double a = fase + k * 2 * M_PI / n;
        V3 d{std::cos(a), std::sin(a) * 0.7, 0};
        c.cone(d * (r * 0.5) + V3{0, 0, r * 0.9}, d * (r * 1.9) + V3{0, 0, -0.3}, r * 0.42, r * 0.12, mat);
    }
}

// A branch that forks `nivel` more times, bending as it goes.
void galho(Cena& c, V3 a, V3 d, double l, double r, int nivel, Rng& g, int mat, double largura) {
    V3 b = a + d * l;
    b.x = std::clamp(b.x, -largura, largura);
    c.cone(a, b, r, r * 0.72, mat);
    if (nivel == 0) return;
    V3 p1 = unit(cross(d, V3{0, 0, 1}));
    if (norma(cross(d, V3{0, 0, 1})) < 1e-6) p1 = {1, 0, 0};
    V3 p2 = cross(d, p1);
    for (int k = 0; k < 2; k++) {
        double lado = (k == 0 ? -1 : 1) * g.range(0.45, 0.85);
        V3 d2 = unit(d + p1 * lado + p2 * g.range(-0.4, 0.4) + V3{0, 0, 0.25});
        galho(c, b, d2, l * g.range(0.62, 0.78), r * 0.68, nivel - 1, g, mat, largura);
    }
}

// A crown of leaf clumps over an egg of half sizes rx, ry, rz, dark inside where the light does not reach.
void copa(Cena& c, V3 centro, double rx, double ry, double rz, Tinta cor, int n, double rt, uint64_t semente) {
    c.novaparte();
    c.ovo(centro, rx * 0.78, ry * 0.78, rz * 0.78, c.material(material(cor.escura(0.42), FOLHAS, 0.7)));
    Rng g(semente);
    for (int k = 0; k < n; k++) {
        double u = g.range(-0.55, 1), a = g.range(0, 2 * M_PI), s = std::sqrt(1 - u * u);
        V3 d{s * std::cos(a), s * std::sin(a), u};
        // the clumps facing the sun grow paler, the lower ones darker
        Tinta t = cor.escura(0.86 + 0.16 * g.uniform()).clara(std::max(0.0, u) * 0.12);
        int m = c.material(material(t, FOLHAS, 0.6));
        tufo(c, centro + V3{d.x * rx, d.y * ry, d.z * rz} * 0.8, rt * g.range(0.8, 1.12), m, semente * 131 + k);
    }
}

// 0 a broadleaf: a thick trunk, roots and a round crown of clumps
Picture carvalho() {
    return modela_objeto(0, [](Cena& c) {
        int casca = c.material(material(CASCA_ESCURA, CASCA, 0.8));
        c.novaparte();
        tronco(c, {0, 0, 0}, {1, 0, 44}, 5.2, 3.2, casca, 1.5);
        raizes(c, 5, casca, 5, 0.4);
        c.cone({1, 0, 34}, {-11, 2, 52}, 2.2, 1.2, casca);
        c.cone({1, 0, 38}, {12, -1, 55}, 2.2, 1.2, casca);
        copa(c, {0, 0, 65}, 24, 20, 20, rgb(66, 128, 46), 30, 8.5, 7);
    });
}

// 1 a pine: tiers of drooping boughs, ragged at the tips, on a short trunk
Picture pinheiro() {
    return modela_objeto(1, [](Cena& c) {
        int casca = c.material(material(CASCA_ESCURA.escura(0.85), CASCA, 0.7));
        c.novaparte();
        tronco(c, {0, 0, 0}, {0, 0, 30}, 4, 2.5, casca, 0);
        raizes(c, 4, casca, 4, 0.8);
        const double T[5][3] = {{17, 31, 24}, {31, 27, 24}, {44, 22, 23}, {57, 16, 21}, {69, 11, 20}};  // foot, radius, height
        for (int i = 0; i < 5; i++) {
            double z = T[i][0], R = T[i][1], h = T[i][2];
            Tinta cor = rgb(38, 96, 58).clara(i * 0.04);
            Material m = material(cor, FOLHAS, 0.45);
            m.verso = cor.escura(0.35);
            int mat = c.material(m);
            c.novaparte();
            std::vector<Anel> an = {{{0, 0, z}, {R, 0, 0}, {0, R, 0}},
                                    {{0, 0, z + h * 0.35}, {R * 0.62, 0, 0}, {0, R * 0.62, 0}},
                                    {{0, 0, z + h}, {0.4, 0, 0}, {0, 0.4, 0}}};
            double fase = i * 0.7;
            // bough tips stick out and droop; between them the needles curl in
            c.tubo(an, 52, mat, 0, 2 * M_PI, true, false,
                   [fase](double s, double a) { return 1 + (0.16 * std::pow(std::fabs(std::sin(a * 6.5 + fase)), 3) - 0.06) * (1 - s); },
                   [fase](double s, double a) { return (1 - s) * (1 - s) * (2.5 + 2 * std::fabs(std::sin(a * 6.5 + fase))); });
        }
    });
}

// 2 a birch: slender white trunks with dark marks and a light, airy crown of yellow-green leaves
Picture betula() {
    return modela_objeto(2, [](Cena& c) {
        Material bm = material(rgb(232, 226, 210), REBOCO, 0.7, 0.1);
        int casca = c.material(bm);
        Material mm = material(rgb(44, 38, 36));
        mm.linha = 0;
        int marca = c.material(mm);
        Rng g(22);
        c.novaparte();
        const V3 TOPOS[2] = {{-5, 1, 70}, {7, -2, 64}};
        for (int t = 0; t < 2; t++) {
            V3 base{t ? 1.5 : -1.0, 0, t ? 14.0 : 0.0};
            tronco(c, base, TOPOS[t], t ? 2.6 : 3.8, 1.3, casca, t ? 1.5 : -1.5);
            // dark lenticels across the bark, on the side toward the viewer
            for (int k = 0; k < 9; k++) {
                double s = g.range(0.05, 0.9), a = g.range(0.2, M_PI - 0.2);
                V3 eixo = mistura(base, TOPOS[t], s);
                double r = (t ? 2.6 : 3.8) * (1 - s) + 1.3 * s;
                V3 rad{std::cos(a), std::sin(a), 0}, tan{-std::sin(a), std::cos(a), 0};
                c.elipsoide(eixo + rad * r, tan * g.range(1.4, 2.6), rad * 0.5, V3{0, 0, g.range(0.4, 0.8)}, marca);
            }
        }
        raizes(c, 4, casca, 4, 0.2);
        // the crown in small clumps, loose enough that the trunks and branches show between them
        int galhos = c.material(material(rgb(90, 84, 80), CASCA, 0.5));
        c.novaparte();
        for (int k = 0; k < 6; k++) {
            V3 a = TOPOS[k % 2] * 0.82, d = unit(V3{g.range(-1, 1), g.range(-0.4, 0.6), 0.8});
            c.cone(a, a + d * 15, 1.0, 0.5, galhos);
        }
        Rng f(23);
        for (int k = 0; k < 34; k++) {
            double u = f.range(-0.6, 1), a = f.range(0, 2 * M_PI), s = std::sqrt(1 - u * u);
            V3 p{s * std::cos(a) * 28, s * std::sin(a) * 20, 72 + u * 18};
            Tinta t = rgb(156, 178, 62).escura(0.82 + 0.2 * f.uniform()).clara(std::max(0.0, u) * 0.15);
            tufo(c, p, f.range(4.8, 6.4), c.material(material(t, FOLHAS, 0.45)), 900 + k);
        }
    });
}

// 3 a dead tree: a grey twisted trunk forking into bare branches
Picture arvore_morta() {
    return modela_objeto(3, [](Cena& c) {
        int casca = c.material(material(CASCA_SECA, CASCA, 0.6));
        c.novaparte();
        tronco(c, {0, 0, 0}, {-2, 0, 30}, 5, 3, casca, 2);
        raizes(c, 5, casca, 5, 1.1);
        Rng g(33);
        galho(c, {-2, 0, 28}, unit(V3{-0.7, 0.1, 1}), 15, 2.6, 2, g, casca, 27);
        galho(c, {-2, 0, 28}, unit(V3{0.8, -0.2, 1}), 16, 2.6, 2, g, casca, 27);
        galho(c, {-1, 0, 20}, unit(V3{1, 0.3, 0.45}), 10, 1.8, 1, g, casca, 27);
        galho(c, {-2, 0, 30}, unit(V3{0.05, 0.2, 1}), 13, 2.2, 2, g, casca, 27);
    });
}

}  // namespace

// 12 a bare sapling, snapped off above its last twigs
Picture toco() {
    return modela_objeto(12, [](Cena& c) {
        int casca = c.material(material(rgb(112, 90, 68), CASCA, 0.5));
        c.novaparte();
        tronco(c, {0, 0, 0}, {1, 0, 52}, 2.6, 1.1, casca, 1.2);
        raizes(c, 2.6, casca, 4, 0.5);
        c.cone({0.6, 0, 30}, {-7, 1, 44}, 1.0, 0.45, casca);
        c.cone({1, 0, 38}, {8, 0, 50}, 0.9, 0.4, casca);
        c.cone({0.8, 0, 20}, {6, 1, 27}, 0.8, 0.35, casca);
    });
}

// 13 a low bush of leaf clumps with a few red berries
Picture arbusto() {
    return modela_objeto(13, [](Cena& c) {
        copa(c, {0, 0, 10}, 28, 11, 8, rgb(62, 122, 44), 24, 7, 13);
        Material bm = material(rgb(200, 40, 46), LISO, 1, 0.5);
        bm.forte = true;
        int baga = c.material(bm);
        Rng g(130);
        for (int k = 0; k < 7; k++) c.bola({g.range(-22, 22), g.range(4, 12), g.range(8, 15)}, 1.3, baga);
    });
}

void arvores(std::vector<Picture>& v) {
    v.push_back(carvalho());
    v.push_back(pinheiro());
    v.push_back(betula());
    v.push_back(arvore_morta());
}

}  // namespace boneco
