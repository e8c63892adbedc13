// Map object pictures: each object is modelled like the figures (parts in 3D, lit from the upper left,
// outlined) and cut to the picture its anchors ask for. The families live in their own files.
#include "objetos.h"

#include <cmath>

#include "common/rng.h"

namespace boneco {

namespace {

// Space below the base point of each picture (the rest is set by the anchors).
const int ABAIXO[NOBJETOS] = {8, 8, 8, 8, 20, 22, 6, 8, 12, 8, 5, 5, 6, 15, 8, 6, 6, 28, 25, 6, 6, 6, 25};
static_assert(sizeof ABAIXO / sizeof ABAIXO[0] == NOBJETOS);

}  // namespace

Picture modela_objeto(int i, const std::function<void(Cena&)>& monta) {
    Canvas tela(2 * objeto_ancorax[i], objeto_ancoray[i] + ABAIXO[i]);
    Cena c;
    c.ox = objeto_ancorax[i];
    c.oy = objeto_ancoray[i];
    monta(c);
    c.desenha(tela.cr);
    Picture p = sprite_from_canvas(tela, 128);
    contorna(p);
    return p;
}

double encurta_fundo() {
    Cena c;
    return -c.camera({0, 1, 0}).y;
}

double encurta_altura() {
    Cena c;
    return c.camera({0, 0, 1}).y;
}

void almofada(Cena& c, V3 o, V3 u, V3 v, double a, double b, double alto, const double chanfro[4], int mat) {
    V3 n = unit(cross(u, v));
    const double su[4] = {-1, 1, 1, -1}, sv[4] = {-1, -1, 1, 1};
    V3 B[4], T[4];
    for (int k = 0; k < 4; k++) {
        B[k] = o + u * (su[k] * a) + v * (sv[k] * b);
        T[k] = o + n * alto + u * (su[k] * std::max(0.2, a - chanfro[k])) + v * (sv[k] * std::max(0.2, b - chanfro[k]));
    }
    face(c, T[0], T[1], T[2], T[3], mat, o, u, v);
    // the four bevels, each wound to face away from the stone's middle
    for (int k = 0; k < 4; k++) {
        int j = (k + 1) % 4;
        V3 fora = (B[k] + B[j]) * 0.5 - o;
        if (dot(cross(B[j] - B[k], T[k] - B[k]), fora) >= 0) face(c, B[k], B[j], T[j], T[k], mat, o, u, v);
        else face(c, B[j], B[k], T[k], T[j], mat, o, u, v);
    }
}

void chama(Cena& c, V3 base, double raio, double alto, int quadro) {
    static const int CORES[3][3] = {{206, 62, 18}, {250, 150, 36}, {255, 236, 150}};
    double torce = quadro % 2 ? 1 : -1;
    for (int k = 0; k < 3; k++) {
        Material m;
        m.cor = rgb(CORES[k][0], CORES[k][1], CORES[k][2]);
        m.emite = true;
        m.linha = 0;
        int mat = c.material(m);
        double e = 1 - k * 0.3;
        // each inner layer a little nearer the viewer, so it shows through the outer one
        V3 pe = base + V3{0, raio * (1 - e) * 1.2 + k * 0.3, 0};
        V3 meio = pe + V3{-torce * raio * 0.25 * e, 0, alto * 0.45 * e};
        V3 ponta = pe + V3{torce * raio * 0.45 * e, 0, alto * e};
        c.cone(pe + V3{0, 0, raio * e * 0.8}, meio, raio * e, raio * e * 0.62, mat);
        c.cone(meio, ponta, raio * e * 0.62, 0.15, mat);
    }
    c.brilho(base + V3{0, raio, alto * 0.3}, raio * 1.3, rgb(255, 214, 110), 0.55);
}

void tufo(Cena& c, V3 centro, double r, int mat, uint64_t semente) {
    c.novaparte();
    Rng g(semente);
    c.ovo(centro, r, r, r * 0.86, mat);
    for (int k = 0; k < 4; k++) {
        double a = g.range(0, 2 * M_PI), z = g.range(-0.2, 0.6);
        V3 d{std::cos(a) * r * 0.55, std::sin(a) * r * 0.55, z * r * 0.5};
        double s = r * g.range(0.5, 0.68);
        c.ovo(centro + d, s, s, s * 0.9, mat);
    }
}

}  // namespace boneco

std::vector<Picture> gera_objetos() {
    std::vector<Picture> v;
    boneco::arvores(v);
    boneco::pedras_e_tumulos(v);
    boneco::luzes_e_ornatos(v);
    boneco::passagens_e_prisoes(v);
    return v;
}
