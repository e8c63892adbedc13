// Map object pictures: trees, rocks, graves, torches, braziers, walls, cages and the trap.
#include <cmath>
#include <functional>

#include "boneco.h"
#include "figuras.h"
#include "sprites.h"
#include "common/rng.h"

using namespace boneco;

namespace {

const Tinta casca = rgb(112, 78, 48), pedra = rgb(140, 136, 128);  // bark and stone

// Space below the base point of each picture (the rest is set by the anchors).
const int ABAIXO[NOBJETOS] = {8, 8, 8, 8, 20, 22, 6, 8, 12, 8, 5, 5, 6, 15, 8, 6, 6, 28, 25, 6, 6, 6, 25};
static_assert(sizeof ABAIXO / sizeof ABAIXO[0] == NOBJETOS);

using Pinta = std::function<void(cairo_t*, double bx, double by)>;

// A picture of object i with the base point at (bx, by) as its anchors require.
Picture objeto(int i, const Pinta& f) {
    int w = 2 * objeto_ancorax[i], h = objeto_ancoray[i] + ABAIXO[i];
    Canvas c(w, h);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    f(c.cr, objeto_ancorax[i], objeto_ancoray[i]);
    Picture p = sprite_from_canvas(c, 120);
    outline_sprite(p, 34, 24, 18);
    return p;
}

void mancha(cairo_t* cr, double x, double y, double rx, double ry, Tinta t) {
    elipse(cr, x, y, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - rx * 0.35, y - ry * 0.45, 0, x, y, std::max(rx, ry) * 1.1);
    Tinta a = t.clara(0.25), z = t.escura(0.6);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, t.r, t.g, t.b);
    cairo_pattern_add_color_stop_rgb(p, 1, z.r, z.g, z.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

void caixa(cairo_t* cr, double x0, double y0, double x1, double y1, Tinta t) {
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    gradiente_lateral(cr, x0, x1, t);
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

void tronco(cairo_t* cr, double bx, double by, double l, double alto, Tinta t) {
    cairo_move_to(cr, bx - l, by + 2);
    cairo_curve_to(cr, bx - l * 0.6, by - alto * 0.4, bx - l * 0.5, by - alto * 0.8, bx - l * 0.45, by - alto);
    cairo_line_to(cr, bx + l * 0.45, by - alto);
    cairo_curve_to(cr, bx + l * 0.5, by - alto * 0.8, bx + l * 0.6, by - alto * 0.4, bx + l, by + 2);
    cairo_close_path(cr);
    gradiente_lateral(cr, bx - l, bx + l, t);
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

// A leafy crown as clusters of shaded balls.
void copa(cairo_t* cr, double cx, double cy, double rx, double ry, Tinta t, uint64_t semente) {
    Rng r(semente);
    for (int k = 0; k < 11; k++) {
        double a = r.range(0, 2 * M_PI), d = r.range(0.2, 0.75);
        double x = cx + std::cos(a) * rx * d, y = cy + std::sin(a) * ry * d + (k < 5 ? ry * 0.1 : -ry * 0.1);
        mancha(cr, x, y, rx * 0.42, ry * 0.42, t.clara(k * 0.012));
    }
    for (int k = 0; k < 4; k++) mancha(cr, cx + r.range(-0.3, 0.3) * rx, cy - ry * 0.3 + r.range(-0.2, 0.2) * ry, rx * 0.3, ry * 0.3, t.clara(0.12));
}

void grades(cairo_t* cr, double bx, double by, double alto, Tinta t, bool magica) {
    for (int k = 0; k < 6; k++) caixa(cr, bx - 18 + k * 7, by - alto, bx - 15.5 + k * 7, by + 2, t);
    caixa(cr, bx - 20, by - 4, bx + 20, by + 3, t.escura(0.85));
    caixa(cr, bx - 20, by - alto - 4, bx + 20, by - alto + 2, t.escura(0.85));
    cairo_move_to(cr, bx - 20, by - alto - 4);
    cairo_line_to(cr, bx, by - alto - 22);
    cairo_line_to(cr, bx + 20, by - alto - 4);
    cairo_close_path(cr);
    gradiente_lateral(cr, bx - 20, bx + 20, magica ? rgb(90, 40, 110) : rgb(130, 90, 50));
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

// A prisoner inside a cage: the figure first, then the bars over it.
Picture preso(int i, Humano h, bool magica) {
    return objeto(i, [&](cairo_t* cr, double bx, double by) {
        if (magica) {
            elipse(cr, bx, by - 45, 19, 50);
            usa(cr, rgb(200, 160, 240));
            cairo_fill(cr);
        }
        h.altura *= 0.82;
        h.flutua = false;
        Cena c;
        c.ox = bx;
        c.oy = by - 2;
        monta_humano(c, h, Pose{});
        c.desenha(cr);
        grades(cr, bx, by, 92, magica ? rgb(120, 60, 150) : rgb(140, 100, 60), magica);
    });
}

void chama(cairo_t* cr, double x, double y, double l, double a, double torce) {
    Tinta cores[3] = {rgb(210, 60, 20), rgb(250, 150, 30), rgb(255, 232, 120)};
    for (int i = 0; i < 3; i++) {
        double k = 1 - i * 0.3;
        cairo_move_to(cr, x - l * k, y);
        cairo_curve_to(cr, x - l * k, y - a * k * 0.5, x + torce * k - l * 0.3 * k, y - a * k * 0.6, x + torce * k, y - a * k);
        cairo_curve_to(cr, x + l * 0.4 * k, y - a * k * 0.6, x + l * k, y - a * k * 0.45, x + l * k, y);
        cairo_arc(cr, x, y, l * k, 0, M_PI);
        usa(cr, cores[i]);
        cairo_fill(cr);
    }
}


// Four kinds of tree (0-3).
void arvores(std::vector<Picture>& v) {
    // 0 a round oak
    v.push_back(objeto(0, [&](cairo_t* cr, double bx, double by) {
        tronco(cr, bx, by, 7, 40, casca);
        copa(cr, bx, by - 55, 30, 27, rgb(70, 140, 50), 1);
    }));
    // 1 a pine
    v.push_back(objeto(1, [&](cairo_t* cr, double bx, double by) {
        tronco(cr, bx, by, 5, 20, casca.escura(0.9));
        for (int k = 0; k < 4; k++) {
            double y = by - 12 - k * 15, l = 36 - k * 7;
            cairo_move_to(cr, bx - l, y);
            cairo_curve_to(cr, bx - l * 0.5, y - 4, bx - l * 0.3, y - 16, bx, y - 26);
            cairo_curve_to(cr, bx + l * 0.3, y - 16, bx + l * 0.5, y - 4, bx + l, y);
            cairo_close_path(cr);
            gradiente_lateral(cr, bx - l, bx + l, rgb(44, 108, 60).clara(k * 0.05));
            cairo_fill_preserve(cr);
            contorno(cr, rgb(44, 108, 60));
        }
    }));
    // 2 a broad tree with a pale trunk and golden-green leaves
    v.push_back(objeto(2, [&](cairo_t* cr, double bx, double by) {
        tronco(cr, bx, by, 7, 46, rgb(196, 188, 170));
        copa(cr, bx, by - 60, 37, 26, rgb(140, 160, 50), 2);
    }));
    // 3 a dead, twisted tree
    v.push_back(objeto(3, [&](cairo_t* cr, double bx, double by) {
        Tinta seco = rgb(104, 90, 78);
        tronco(cr, bx, by, 6, 34, seco);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        double galhos[5][4] = {{0, -34, -22, -56}, {0, -34, 18, -60}, {-12, -45, -28, -44}, {9, -47, 26, -48}, {0, -34, 2, -64}};
        for (int pass = 0; pass < 2; pass++)
            for (auto& g : galhos) {
                cairo_move_to(cr, bx + g[0], by + g[1]);
                cairo_line_to(cr, bx + g[2], by + g[3]);
                usa(cr, pass ? seco : seco.escura(0.35));
                cairo_set_line_width(cr, pass ? 3 : 5);
                cairo_stroke(cr);
            }
    }));
}

// Rock, boulder, the caged worker, grave, tomb and headstone (4-9).
void pedras_e_tumulos(std::vector<Picture>& v) {
    // 4 a rock
    v.push_back(objeto(4, [&](cairo_t* cr, double bx, double by) {
        mancha(cr, bx, by - 2, 19, 18, pedra);
        mancha(cr, bx + 8, by + 6, 10, 8, pedra.escura(0.92));
    }));
    // 5 a large boulder with moss
    v.push_back(objeto(5, [&](cairo_t* cr, double bx, double by) {
        mancha(cr, bx - 12, by - 8, 30, 27, pedra.escura(0.95));
        mancha(cr, bx + 14, by - 2, 26, 22, pedra);
        mancha(cr, bx - 20, by - 28, 10, 5, rgb(90, 130, 60));
        mancha(cr, bx + 16, by - 20, 8, 4, rgb(90, 130, 60));
    }));
    // 6 Durbico caged (the hidden target of the first mission)
    v.push_back(preso(6, figura_durbico(), false));
    // 7 a grave: a mound and a wooden cross
    v.push_back(objeto(7, [&](cairo_t* cr, double bx, double by) {
        mancha(cr, bx, by, 17, 7, rgb(110, 84, 58));
        caixa(cr, bx - 2.5, by - 40, bx + 2.5, by - 2, rgb(120, 86, 52));
        caixa(cr, bx - 11, by - 32, bx + 11, by - 27, rgb(120, 86, 52));
    }));
    // 8 a stone tomb
    v.push_back(objeto(8, [&](cairo_t* cr, double bx, double by) {
        caixa(cr, bx - 22, by - 22, bx + 22, by + 10, pedra.escura(0.9));
        cairo_move_to(cr, bx - 24, by - 22); cairo_line_to(cr, bx - 18, by - 36); cairo_line_to(cr, bx + 18, by - 36); cairo_line_to(cr, bx + 24, by - 22);
        cairo_close_path(cr);
        gradiente_lateral(cr, bx - 24, bx + 24, pedra.clara(0.1));
        cairo_fill_preserve(cr);
        contorno(cr, pedra);
        caixa(cr, bx - 2, by - 34, bx + 2, by - 24, pedra.escura(0.7));
        caixa(cr, bx - 7, by - 31, bx + 7, by - 28, pedra.escura(0.7));
    }));
    // 9 a headstone
    v.push_back(objeto(9, [&](cairo_t* cr, double bx, double by) {
        mancha(cr, bx, by + 1, 22, 6, rgb(96, 120, 60));
        cairo_move_to(cr, bx - 12, by + 2);
        cairo_line_to(cr, bx - 12, by - 18);
        cairo_arc(cr, bx, by - 18, 12, M_PI, 2 * M_PI);
        cairo_line_to(cr, bx + 12, by + 2);
        cairo_close_path(cr);
        gradiente_lateral(cr, bx - 12, bx + 12, pedra);
        cairo_fill_preserve(cr);
        contorno(cr, pedra);
        caixa(cr, bx - 1.5, by - 24, bx + 1.5, by - 8, pedra.escura(0.6));
        caixa(cr, bx - 6, by - 19, bx + 6, by - 16, pedra.escura(0.6));
        for (int k = 0; k < 3; k++) mancha(cr, bx - 16 + k * 3, by - 1, 2, 2, k == 1 ? rgb(240, 200, 60) : rgb(220, 80, 90));
    }));
}

// Torch, sapling, bush, pillar and brazier (10-16).
void luzes_e_ornatos(std::vector<Picture>& v) {
    // 10-11 a torch, two flame frames
    for (int i = 0; i < 2; i++)
        v.push_back(objeto(10 + i, [&, i](cairo_t* cr, double bx, double by) {
            caixa(cr, bx - 2, by - 46, bx + 2, by + 2, rgb(110, 76, 44));
            caixa(cr, bx - 4, by - 50, bx + 4, by - 44, rgb(80, 70, 66));
            chama(cr, bx, by - 50, 4.5, 14 - i * 3, i ? 2 : -2);
        }));
    // 12 a dead sapling
    v.push_back(objeto(12, [&](cairo_t* cr, double bx, double by) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        double g[4][4] = {{0, 0, 0, -54}, {0, -30, -8, -44}, {0, -38, 7, -50}, {0, -20, 6, -28}};
        for (int pass = 0; pass < 2; pass++)
            for (auto& s : g) {
                cairo_move_to(cr, bx + s[0], by + s[1]);
                cairo_line_to(cr, bx + s[2], by + s[3]);
                usa(cr, pass ? rgb(120, 96, 70) : rgb(50, 38, 28));
                cairo_set_line_width(cr, pass ? 2.2 : 4);
                cairo_stroke(cr);
            }
        mancha(cr, bx, by + 1, 6, 3, rgb(100, 80, 56));
    }));
    // 13 a low bush
    v.push_back(objeto(13, [&](cairo_t* cr, double bx, double by) { copa(cr, bx, by - 6, 34, 16, rgb(66, 128, 48), 13); }));
    // 14 a stone pillar
    v.push_back(objeto(14, [&](cairo_t* cr, double bx, double by) {
        caixa(cr, bx - 16, by - 6, bx + 16, by + 6, pedra.escura(0.9));
        caixa(cr, bx - 11, by - 62, bx + 11, by - 6, pedra.clara(0.05));
        for (int k = -1; k <= 1; k++) caixa(cr, bx + k * 6 - 1, by - 60, bx + k * 6 + 1, by - 8, pedra.escura(0.8));
        caixa(cr, bx - 16, by - 72, bx + 16, by - 62, pedra.escura(0.9));
    }));
    // 15-16 a brazier, two frames
    for (int i = 0; i < 2; i++)
        v.push_back(objeto(15 + i, [&, i](cairo_t* cr, double bx, double by) {
            Tinta ferro = rgb(84, 78, 80);
            caixa(cr, bx - 3, by - 34, bx + 3, by + 2, ferro);
            caixa(cr, bx - 11, by - 2, bx + 11, by + 3, ferro);
            cairo_move_to(cr, bx - 17, by - 42); cairo_line_to(cr, bx + 17, by - 42); cairo_line_to(cr, bx + 10, by - 32); cairo_line_to(cr, bx - 10, by - 32);
            cairo_close_path(cr);
            gradiente_lateral(cr, bx - 17, bx + 17, ferro);
            cairo_fill_preserve(cr);
            contorno(cr, ferro);
            chama(cr, bx - 6, by - 42, 6, 18 + i * 6, -2);
            chama(cr, bx + 6, by - 42, 6, 24 - i * 6, 2);
            chama(cr, bx, by - 42, 7, 26, i ? 3 : -3);
        }));
}

// Hidden passage, wall block, the witch's prison, arch, Fidelina's cage and the trap (17-22).
void passagens_e_prisoes(std::vector<Picture>& v) {
    // 17 the hidden passage: a dark hole with steps, ringed by stones
    v.push_back(objeto(17, [&](cairo_t* cr, double bx, double by) {
        mancha(cr, bx, by, 26, 20, rgb(110, 96, 80));
        elipse(cr, bx, by, 18, 13);
        usa(cr, rgb(24, 18, 16));
        cairo_fill(cr);
        for (int k = 0; k < 3; k++) caixa(cr, bx - 12 + k * 2, by - 6 + k * 5, bx + 12 - k * 2, by - 3 + k * 5, rgb(96, 86, 76).escura(1 - k * 0.2));
    }));
    // 18 a rock-wall block: its top, then its tall face
    v.push_back(objeto(18, [&](cairo_t* cr, double bx, double by) {
        Tinta rocha = rgb(118, 108, 100);
        caixa(cr, bx - 25, by - 80, bx + 25, by + 25, rocha.escura(0.85));
        Rng r(18);
        for (int k = 0; k < 14; k++) {
            double x = bx - 20 + (k % 4) * 13 + r.range(-2, 2), y = by - 68 + (k / 4) * 26 + r.range(-3, 3);
            mancha(cr, x, y, 9, 10, rocha.escura(0.9 + r.range(-0.05, 0.08)));
        }
        caixa(cr, bx - 25, by - 130, bx + 25, by - 80, rocha.clara(0.12));
        for (int k = 0; k < 6; k++) mancha(cr, bx - 16 + (k % 3) * 16, by - 118 + (k / 3) * 22, 8, 7, rocha.clara(0.18));
    }));
    // 19 the witch's prison: a glowing cage
    v.push_back(preso(19, figura_bruxa(), true));
    // 20 a walkable stone arch
    v.push_back(objeto(20, [&](cairo_t* cr, double bx, double by) {
        caixa(cr, bx - 25, by - 96, bx - 15, by + 4, pedra);
        caixa(cr, bx + 15, by - 96, bx + 25, by + 4, pedra);
        cairo_move_to(cr, bx - 25, by - 96);
        cairo_arc(cr, bx, by - 96, 25, M_PI, 2 * M_PI);
        cairo_line_to(cr, bx + 15, by - 96);
        cairo_arc_negative(cr, bx, by - 96, 15, 2 * M_PI, M_PI);
        cairo_close_path(cr);
        gradiente_lateral(cr, bx - 25, bx + 25, pedra.clara(0.08));
        cairo_fill_preserve(cr);
        contorno(cr, pedra);
        caixa(cr, bx - 4, by - 126, bx + 4, by - 114, pedra.clara(0.2));
    }));
    // 21 Fidelina's cage
    v.push_back(preso(21, figura_fidelina(), false));
    // 22 a trap: small red dots on the ground
    v.push_back(objeto(22, [&](cairo_t* cr, double bx, double by) {
        Rng r(22);
        for (int k = 0; k < 9; k++) {
            elipse(cr, bx + r.range(-16, 16), by + r.range(-12, 12), 1.8, 1.4);
            usa(cr, rgb(220, 30, 30));
            cairo_fill(cr);
        }
    }));
}

}  // namespace

std::vector<Picture> gera_objetos() {
    std::vector<Picture> v;
    arvores(v);
    pedras_e_tumulos(v);
    luzes_e_ornatos(v);
    passagens_e_prisoes(v);
    return v;
}
