// Building pieces: faces, boxes, roofs, round towers, doors, windows, banners, barrels, scaffolds.
#include "obra.h"

#include <cmath>

namespace boneco {

Material material(Tinta cor, int textura, double escala, double brilho) {
    Material m;
    m.cor = cor;
    m.textura = textura;
    m.escala = escala;
    m.brilho = brilho;
    return m;
}

void face(Cena& c, V3 a, V3 b, V3 cc, V3 d, int mat, V3 origem, V3 u, V3 v) {
    V3 n = unit(cross(b - a, d - a));
    auto t = [&](V3 p) { return V3{dot(p - origem, u), dot(p - origem, v), 0}; };
    c.malha({{a, n, t(a)}, {b, n, t(b)}, {cc, n, t(cc)}, {d, n, t(d)}}, {0, 1, 2, 0, 2, 3}, mat);
}

void bloco(Cena& c, V3 o, double hx, double hy, double alto, int lados, int topo) {
    if (topo < 0) topo = lados;
    auto p = [&](double sx, double sy, double sz) { return o + V3{sx * hx, sy * hy, sz * alto}; };
    V3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
    face(c, p(1, 1, 0), p(-1, 1, 0), p(-1, 1, 1), p(1, 1, 1), lados, p(1, 1, 0), -X, Z);
    face(c, p(-1, -1, 0), p(1, -1, 0), p(1, -1, 1), p(-1, -1, 1), lados, p(-1, -1, 0), X, Z);
    face(c, p(1, -1, 0), p(1, 1, 0), p(1, 1, 1), p(1, -1, 1), lados, p(1, -1, 0), Y, Z);
    face(c, p(-1, 1, 0), p(-1, -1, 0), p(-1, -1, 1), p(-1, 1, 1), lados, p(-1, 1, 0), -Y, Z);
    face(c, p(-1, -1, 1), p(1, -1, 1), p(1, 1, 1), p(-1, 1, 1), topo, p(-1, -1, 1), X, Y);
}

void telhado(Cena& c, V3 o, double hx, double hy, double alto, double beiral, int mat, int empena, double espessura) {
    // the gable walls: a triangular prism under the roof
    c.placa(o, V3{0, 1, 0}, V3{0, 0, 1}, {{0, alto - 1}, {-hy, 0}, {hy, 0}}, 2 * hx, empena);
    // the roof: a thick chevron drawn out along the ridge, starting at the ridge top
    double Y = hy + beiral, queda = 0.6 * beiral * alto / hy;  // the eaves flare out a little
    c.placa(o, V3{0, 1, 0}, V3{0, 0, 1},
            {{0, alto + espessura * 0.7}, {-Y, -queda}, {-Y, -queda - espessura}, {0, alto - espessura * 0.4}, {Y, -queda - espessura}, {Y, -queda}},
            2 * (hx + beiral * 0.7), mat);
}

void cilindro(Cena& c, V3 o, double z0, double r0, double z1, double r1, int mat, int lados, bool tampa) {
    c.tubo({{o + V3{0, 0, z0}, V3{r0, 0, 0}, V3{0, r0, 0}}, {o + V3{0, 0, z1}, V3{std::max(r1, 0.01), 0, 0}, V3{0, std::max(r1, 0.01), 0}}}, lados, mat, 0,
           2 * M_PI, false, tampa && r1 > 0.3);
}

void porta(Cena& c, V3 p, V3 n, double larg, double alto, int madeira, int ferro) {
    V3 u = unit(cross(V3{0, 0, 1}, n));  // across the wall
    c.novaparte();
    // an arched door: a plank board with a round top, set a little out from the wall
    std::vector<std::pair<double, double>> pts;
    pts.push_back({0, alto * 0.45});  // the fan's centre, inside the door
    pts.push_back({-larg / 2, 0});
    pts.push_back({larg / 2, 0});
    for (int i = 0; i <= 8; i++) {
        double a = i * M_PI / 8;
        pts.push_back({std::cos(a) * larg / 2, alto - larg / 2 + std::sin(a) * larg / 2});
    }
    pts.push_back({-larg / 2, 0.01});
    c.placa(p + n * 0.8, u, V3{0, 0, 1}, pts, 1.6, madeira);
    // iron bands and a ring
    for (double z : {alto * 0.25, alto * 0.62}) c.cone(p + n * 1.7 + u * (-larg * 0.45) + V3{0, 0, z}, p + n * 1.7 + u * (larg * 0.3) + V3{0, 0, z}, 0.7, 0.7, ferro);
    c.bola(p + n * 1.9 + u * (larg * 0.3) + V3{0, 0, alto * 0.45}, 0.9, ferro);
}

void janela(Cena& c, V3 p, V3 n, double larg, double alto, int moldura, int vidro) {
    V3 u = unit(cross(V3{0, 0, 1}, n));
    c.novaparte();
    c.placa(p + n * 0.5, u, V3{0, 0, 1}, {{0, alto / 2}, {-larg / 2 - 1, -1}, {larg / 2 + 1, -1}, {larg / 2 + 1, alto + 1}, {-larg / 2 - 1, alto + 1}, {-larg / 2 - 1, -1}}, 1.0, moldura);
    c.placa(p + n * 1.1, u, V3{0, 0, 1}, {{0, alto / 2}, {-larg / 2, 0}, {larg / 2, 0}, {larg / 2, alto}, {-larg / 2, alto}, {-larg / 2, 0}}, 0.6, vidro);
    c.cone(p + n * 1.6 + V3{0, 0, 0}, p + n * 1.6 + V3{0, 0, alto}, 0.5, 0.5, moldura);
    c.cone(p + n * 1.6 + u * (-larg / 2) + V3{0, 0, alto * 0.5}, p + n * 1.6 + u * (larg / 2) + V3{0, 0, alto * 0.5}, 0.5, 0.5, moldura);
}

void bandeira(Cena& c, V3 topo, V3 n, double larg, double alto, int pano, int emblema) {
    V3 u = unit(cross(V3{0, 0, 1}, n));
    c.novaparte();
    c.cone(topo + n * 1.5 + u * (-larg * 0.62), topo + n * 1.5 + u * (larg * 0.62), 0.8, 0.8, emblema);
    c.placa(topo + n * 1.2, u, V3{0, 0, 1}, {{0, -alto * 0.5}, {-larg / 2, 0}, {larg / 2, 0}, {larg / 2, -alto}, {0, -alto * 0.82}, {-larg / 2, -alto}}, 0.8, pano);
    // a gold sword on the cloth
    c.placa(topo + n * 1.8, u, V3{0, 0, 1}, {{0, -alto * 0.2}, {0.9, -alto * 0.3}, {0.9, -alto * 0.62}, {0, -alto * 0.7}, {-0.9, -alto * 0.62}, {-0.9, -alto * 0.3}}, 0.5,
            emblema);
    c.placa(topo + n * 1.8, u, V3{0, 0, 1}, {{0, -alto * 0.3}, {-larg * 0.28, -alto * 0.28}, {-larg * 0.28, -alto * 0.34}, {larg * 0.28, -alto * 0.34}, {larg * 0.28, -alto * 0.28}}, 0.5,
            emblema);
}

void barril(Cena& c, V3 o, double r, double alto, int madeira, int aro) {
    c.novaparte();
    std::vector<Anel> an;
    for (int i = 0; i <= 4; i++) {
        double t = i / 4.0, k = 1 + 0.14 * std::sin(t * M_PI);
        an.push_back({o + V3{0, 0, alto * t}, V3{r * k, 0, 0}, V3{0, r * k, 0}});
    }
    c.tubo(an, 14, madeira, 0, 2 * M_PI, false, true);
    for (double t : {0.18, 0.82}) {
        double k = 1 + 0.14 * std::sin(t * M_PI) + 0.04;
        c.tubo({{o + V3{0, 0, alto * t - 0.7}, V3{r * k, 0, 0}, V3{0, r * k, 0}}, {o + V3{0, 0, alto * t + 0.7}, V3{r * k, 0, 0}, V3{0, r * k, 0}}}, 14, aro);
    }
}

void chao(Cena& c, double rx, double ry, int mat, double x, double y) {
    c.novaparte();
    c.tubo({{V3{x, y, 0}, V3{rx, 0, 0}, V3{0, ry, 0}}, {V3{x, y, 1.2}, V3{rx * 0.92, 0, 0}, V3{0, ry * 0.92, 0}}}, 28, mat, 0, 2 * M_PI, false, true,
           [](double, double a) { return 1 + 0.05 * std::sin(5 * a) + 0.03 * std::sin(11 * a + 1); });
}

void andaime(Cena& c, double hx, double hy, double alto, double x, double y) {
    Material mm = material(rgb(176, 134, 80), MADEIRA, 0.5);
    int m = c.material(mm);
    c.novaparte();
    double topo = alto + 6;
    for (int sx = -1; sx <= 1; sx += 2)
        for (int sy = -1; sy <= 1; sy += 2) c.cone(V3{x + sx * (hx + 4), y + sy * (hy + 4), 0}, V3{x + sx * (hx + 4), y + sy * (hy + 4), topo}, 1.3, 1.1, m);
    for (double z = 12; z < topo - 2; z += 16) {
        c.cone(V3{x - hx - 6, y + hy + 5, z}, V3{x + hx + 6, y + hy + 5, z}, 1.1, 1.1, m);
        c.cone(V3{x + hx + 5, y - hy - 6, z}, V3{x + hx + 5, y + hy + 6, z}, 1.1, 1.1, m);
        bloco(c, V3{x, y + hy + 7, z + 0.8}, hx + 4, 2.5, 1.2, m);
    }
    c.cone(V3{x - hx - 4, y + hy + 5, 2}, V3{x + hx + 4, y + hy + 5, topo - 4}, 0.9, 0.9, m);
}

void alicerce(Cena& c, double rx, double ry, double x, double y) {
    int terra = c.material(material(rgb(136, 104, 70), TERRA, 1));
    int pedra = c.material(material(rgb(150, 146, 138), PEDRA, 1.0));
    int tabua = c.material(material(rgb(186, 140, 86), TABUAS, 0.8));
    chao(c, rx, ry, terra, x, y);
    c.novaparte();
    for (int i = 0; i < 16; i++) {
        double a = i * 2 * M_PI / 16;
        V3 p{x + std::cos(a) * rx * 0.82, y + std::sin(a) * ry * 0.82, 2};
        c.pedregulho(p, V3{3.4, 0, 0}, V3{0, 3, 0}, V3{0, 0, 2.6}, pedra, 100 + i);
    }
    c.novaparte();
    for (int i = 0; i < 3; i++) bloco(c, V3{x - rx * 0.25, y + ry * 0.1 + i * 0.4, 1.2 + i * 2.4}, rx * 0.32, 3.5, 2.2, tabua);
    for (int i = 0; i < 4; i++)
        c.pedregulho(V3{x + rx * 0.35 + (i % 2) * 5, y - 2 + (i / 2) * 3, 3 + (i / 2) * 3.5}, V3{3.4, 0, 0}, V3{0, 3, 0}, V3{0, 0, 2.8}, pedra, 120 + i);
}

}  // namespace boneco
