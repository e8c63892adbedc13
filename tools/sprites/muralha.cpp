// Masonry of the dungeons: the wall block, the pillar, the arch and the hidden passage; and the trap's
// blood on the ground.
#include <cmath>

#include "common/rng.h"
#include "objetos.h"

namespace boneco {

namespace {

const Tinta FRENTE_MURO = rgb(128, 118, 104), TOPO_MURO = rgb(112, 104, 94), ARGAMASSA = rgb(58, 52, 48);
const int CELULA = 50;  // walls stand in rows and columns of 50-pixel cells

// A shade from 0.85 to 1.15 for stone k of course f: the same stone gets the same shade in every copy.
double tom(int f, int k, int semente) {
    Rng g(uint64_t(semente) * 1000 + uint64_t(f) * 10 + uint64_t(k));
    return 0.85 + 0.3 * g.uniform();
}

void chanfros(double ch[4], int f, int k, double base) {
    Rng g(uint64_t(f) * 77 + uint64_t(k) * 7 + 5);
    for (int i = 0; i < 4; i++) ch[i] = base * g.range(0.6, 1.6);
}

// The coursed stones of the wall's face: each course splits a cell into two stones at its own joints,
// laid in as many copies as cover the picture, so a row of walls shows one unbroken face.
void face_do_muro(Cena& c, double frente, double alto, double recuo, int copias) {
    const double FIADAS[7] = {17, 15, 16, 14.5, 16, 15, 0};  // course heights; the last takes the rest
    double z = 0;
    for (int f = 0; f < 7; f++) {
        double h = f < 6 ? FIADAS[f] : alto - z;
        Tinta cor = FRENTE_MURO.escura(0.8 + 0.2 * std::min(1.0, f / 3.0));  // damp and dark near the ground
        double junta = (f % 2) * 12.5 + 6 + tom(f, 9, 3) * 6, largura = 22 + tom(f, 8, 4) * 4;
        const double JUNTAS[3] = {junta, junta + largura, junta + CELULA};
        for (int k = 0; k < 2; k++) {
            int mat = c.material(material(cor.escura(tom(f, k, 1)), TERRA, 0.55, 0.05));
            double x0 = JUNTAS[k] - CELULA / 2.0, x1 = JUNTAS[k + 1] - CELULA / 2.0;
            double ch[4];
            chanfros(ch, f, k, 1.8);
            for (int p = -copias; p <= copias; p++) {
                c.novaparte();
                V3 o{(x0 + x1) / 2 + p * CELULA, frente - recuo, z + h / 2};
                almofada(c, o, {0, 0, 1}, {1, 0, 0}, h / 2 - 0.55, (x1 - x0) / 2 - 0.55, recuo, ch, mat);
            }
        }
        z += h;
    }
}

// The rough stones that cap the wall: three rows to a cell, each row split at its own joints into
// stones of uneven size, repeated toward the back so that the cell behind meets them.
void topo_do_muro(Cena& c, double frente, double fundo, double z, double espessura, int copias, int fileiras) {
    double linha = fundo / 3;  // a third of a cell, in the model's depth
    for (int q = 0; q < fileiras; q++) {
        int r = q % 3;
        double y1 = frente - q * linha, y0 = y1 - linha;
        Rng g(uint64_t(r) * 31 + 9);
        double juntas[5];
        int n = 0;
        double x = g.range(0, 16);
        while (n == 0 || x < juntas[0] + CELULA - 10) {
            juntas[n++] = x;
            x += g.range(13, 21);
        }
        juntas[n] = juntas[0] + CELULA;
        for (int k = 0; k < n; k++) {
            int mat = c.material(material(TOPO_MURO.escura(tom(r + 10, k, 2)), TERRA, 0.6, 0.04));
            double x0 = juntas[k] - CELULA / 2.0, x1 = juntas[k + 1] - CELULA / 2.0;
            double ch[4];
            chanfros(ch, r + 10, k, 1.4);
            double h = espessura * g.range(0.8, 1.0);
            for (int p = -copias; p <= copias; p++) {
                c.novaparte();
                V3 o{(x0 + x1) / 2 + p * CELULA, (y0 + y1) / 2, z};
                almofada(c, o, {1, 0, 0}, {0, 1, 0}, (x1 - x0) / 2 - 0.6, (y1 - y0) / 2 - 0.6 * 2.2, h, ch, mat);
            }
        }
    }
}

}  // namespace

// 18 a block of dungeon wall in its cell: the top of the wall (the top 50 pixels of the picture) and its
// front face down to the cell's lower edge. A wall one row down covers all but the top, so a column
// of walls shows an unbroken top; side by side their faces join. The block is modelled and lit with a
// wall on every side, then cut out, so the edges carry no seam.
Picture muro() {
    const int CIMA = objeto_ancoray[18], BAIXO = 25, W = CELULA;
    double sen = encurta_fundo(), cos = encurta_altura();
    double frente = (CELULA / 2.0) / sen, fundo = CELULA / sen;  // the cell's depth in the model
    double alto = (CIMA - CELULA / 2.0) / cos;                     // the top stands this high
    Canvas tela(3 * W, CIMA + BAIXO + W);
    Cena c;
    c.ox = 1.5 * W;
    c.oy = W + CIMA;
    const double RECUO = 2.4, LAJE = 6;
    int argamassa = c.material(material(ARGAMASSA, TERRA, 0.6));
    c.novaparte();
    bloco(c, {0, -fundo, 0}, 1.5 * W + 2, frente + fundo - RECUO, alto - LAJE, argamassa);
    face_do_muro(c, frente, alto - LAJE, RECUO, 2);
    topo_do_muro(c, frente, fundo, alto - LAJE, LAJE, 2, 8);
    c.desenha(tela.cr);
    Picture inteira = sprite_from_canvas(tela, 128);
    Picture p(W, CIMA + BAIXO);
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            const uint8_t* s = inteira.at(x + W, y + W);
            p.set(x, y, s[0], s[1], s[2]);
        }
    return p;
}

// 14 a fluted stone pillar on a square base, under a square capital
Picture pilar() {
    return modela_objeto(14, [](Cena& c) {
        int pedra = c.material(material(rgb(150, 144, 134), PEDRA, 0.5, 0.06));
        int fuste = c.material(material(rgb(160, 154, 142), PEDRA, 0.5, 0.08));
        const double ch[4] = {1.6, 1.2, 1.8, 1.4};
        c.novaparte();
        bloco(c, {0, 0, 0}, 14, 13, 3, pedra);
        almofada(c, {0, 0, 3}, {1, 0, 0}, {0, 1, 0}, 12.5, 11.5, 4, ch, pedra);
        c.novaparte();
        c.tubo({{{0, 0, 6}, {8.5, 0, 0}, {0, 8.5, 0}}, {{0, 0, 38}, {8, 0, 0}, {0, 8, 0}}, {{0, 0, 69}, {7.6, 0, 0}, {0, 7.6, 0}}}, 48, fuste, 0,
               2 * M_PI, false, false, [](double, double a) { return 1 - 0.09 * std::pow(std::fabs(std::sin(a * 8)), 0.6); });
        c.novaparte();
        bloco(c, {0, 0, 68}, 10, 10, 2.5, pedra);
        almofada(c, {0, 0, 70.5}, {1, 0, 0}, {0, 1, 0}, 13, 12, 4.5, ch, pedra);
    });
}

// 20 a walkable arch: two piers of coursed stones and a ring of wedge stones with a keystone
Picture arco_de_pedra() {
    return modela_objeto(20, [](Cena& c) {
        int argamassa = c.material(material(ARGAMASSA, TERRA, 0.6));
        const double R0 = 14.5, R1 = 24.5, Z = 98, E = 12;  // inner and outer radius, springing height, depth
        c.novaparte();
        for (int s : {-1, 1}) bloco(c, {s * (R0 + R1) / 2, 0, 0}, (R1 - R0) / 2 - 0.9, E / 2 - 0.8, Z, argamassa);
        // the piers, course by course
        double z = 0;
        for (int f = 0; z < Z - 0.1; f++) {
            double h = std::min(f == 0 ? 12.0 : 11.0, Z - z);
            for (int s : {-1, 1}) {
                int mat = c.material(material(FRENTE_MURO.clara(0.08).escura(tom(f, s + 1, 11)), TERRA, 0.55, 0.06));
                double ch[4];
                chanfros(ch, f, s + 2, 1.3);
                c.novaparte();
                double meio = (f == 0 ? R1 + 1.5 : R1) - (R0 + R1) / 2;
                almofada(c, {s * (R0 + R1) / 2, -E / 2, z + h / 2}, {0, 0, 1}, {1, 0, 0}, h / 2 - 0.4, meio - 0.4 + (f == 0 ? 1.5 : 0), E, ch, mat);
            }
            z += h;
        }
        // the wedge stones, each its own block cut to the ring, the middle one standing proud
        const int N = 7;
        for (int i = 0; i < N; i++) {
            double a0 = M_PI - i * M_PI / N - 0.012, a1 = M_PI - (i + 1) * M_PI / N + 0.012;
            double r1 = i == N / 2 ? R1 + 4 : R1;
            std::vector<std::pair<double, double>> pts;
            double am = (a0 + a1) / 2, rm = (R0 + r1) / 2;
            pts.push_back({std::cos(am) * rm, Z + std::sin(am) * rm});
            for (int k = 0; k <= 3; k++) {
                double a = a0 + (a1 - a0) * k / 3;
                pts.push_back({std::cos(a) * r1, Z + std::sin(a) * r1});
            }
            for (int k = 3; k >= 0; k--) {
                double a = a0 + (a1 - a0) * k / 3;
                pts.push_back({std::cos(a) * R0, Z + std::sin(a) * R0});
            }
            pts.push_back({std::cos(a0) * r1, Z + std::sin(a0) * r1 - 0.01});
            int mat = c.material(material(FRENTE_MURO.clara(0.1).escura(tom(20, i, 12)), TERRA, 0.55, 0.06));
            c.novaparte();
            c.placa({0, 0, 0}, {1, 0, 0}, {0, 0, 1}, pts, i == N / 2 ? E + 1.5 : E, mat);
        }
    });
}

// 17 the hidden passage: a dark hole with steps going down, ringed by stones
Picture buraco() {
    return modela_objeto(17, [](Cena& c) {
        double sen = encurta_fundo();
        double cy = -11 / sen, rx = 21, ry = 13.5 / sen;
        Material em = material(rgb(14, 10, 12));
        em.linha = 0;
        int escuro = c.material(em);
        c.novaparte();
        c.ovo({0, cy, 0}, rx, ry, 0.3, escuro);
        for (int k = 0; k < 3; k++) {
            int mat = c.material(material(rgb(118, 106, 94).escura(1 - k * 0.28), PEDRA, 0.7));
            c.novaparte();
            bloco(c, {0, cy - ry * 0.62 + k * 7.5, 0.3}, 12 - k * 1.5, 2.8, 0.4, mat);
        }
        int pedra = c.material(material(rgb(134, 122, 108), PEDRA, 0.8, 0.06));
        for (int k = 0; k < 14; k++) {
            double a = k * 2 * M_PI / 14 + 0.2;
            c.novaparte();
            c.pedregulho({std::cos(a) * (rx + 2), cy + std::sin(a) * (ry + 2.5), 1.6}, {5.2, 0, 0}, {0, 5, 0}, {0, 0, 3.4}, pedra, 170 + k);
        }
    });
}

// 22 the trap: drops and smears of blood on the ground
Picture sangue() {
    return modela_objeto(22, [](Cena& c) {
        Material sm = material(rgb(150, 14, 18), LISO, 1, 0.5);
        sm.dureza = 30;
        sm.linha = 0;
        int mat = c.material(sm);
        Rng g(22);
        for (int k = 0; k < 9; k++) {
            double s = g.range(1.2, 2.4);
            c.novaparte();
            c.ovo({g.range(-16, 16), g.range(-20, 20), 0}, s * g.range(1, 1.6), s * 1.4, 0.5, mat);
        }
    });
}

void passagens_e_prisoes(std::vector<Picture>& v) {
    v.push_back(buraco());                              // 17
    v.push_back(muro());                                // 18
    v.push_back(gaiola(19, figura_bruxa(), true));      // 19 the witch's prison
    v.push_back(arco_de_pedra());                       // 20
    v.push_back(gaiola(21, figura_fidelina(), false));  // 21 Fidelina's cage
    v.push_back(sangue());                              // 22
}

}  // namespace boneco
