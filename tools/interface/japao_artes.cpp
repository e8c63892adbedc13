// The trivia pages of crafts and food: the bonsai and the paper crane, the sushi board.
#include <cmath>

#include "interface/japao.h"

namespace japao {

void artes(cairo_t* cr) {  // page 8: a bonsai and a paper crane
    // a paper screen behind, lit from the left through its lattice
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, W, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.92, 0.78);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.76, 0.64, 0.46);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    for (double x = 20; x < W; x += 70) {
        cairo_new_path(cr);
        cairo_rectangle(cr, x, 0, 5, 250);
        volume(cr, hex(0x8a6038), 0.3, 0.4, 0);
    }
    for (double y = 40; y < 250; y += 60) {
        cairo_new_path(cr);
        cairo_rectangle(cr, 0, y, W, 4);
        volume(cr, hex(0x8a6038), 0.3, 0.4, 1.57);
    }
    Rng rng(88);
    madeira(cr, rng, 0, 250, W, H - 250, hex(0x6a3a1a));
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 250.5);
    cairo_line_to(cr, W, 250.5);
    traco(cr, hex(0xd8a070), 1.2, 0.6);
    cairo_new_path(cr);
    // the pot: glazed blue, its shine and its shadow on the table
    elipse(cr, 160, 252, 96, 10);
    sombra(cr, 10, 2, 5, 0.5);
    cairo_new_path(cr);
    poligono(cr, {70, 250, 230, 250, 215, 225, 85, 225});
    cairo_pattern_t* v = cairo_pattern_create_linear(70, 0, 230, 0);
    cairo_pattern_add_color_stop_rgb(v, 0, 0.30, 0.40, 0.58);
    cairo_pattern_add_color_stop_rgb(v, 0.25, 0.56, 0.66, 0.82);
    cairo_pattern_add_color_stop_rgb(v, 0.45, 0.26, 0.34, 0.52);
    cairo_pattern_add_color_stop_rgb(v, 1, 0.10, 0.14, 0.24);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
    cairo_new_path(cr);
    cairo_rectangle(cr, 82, 222, 136, 5);
    volume(cr, hex(0x4a5a7a), 0.4, 0.4, 1.57);
    elipse(cr, 150, 222, 64, 3.5);  // soil and moss
    cor(cr, hex(0x3a2a18));
    cairo_fill(cr);
    folhagem(cr, rng, 150, 221, 58, 3, hex(0x5a8a3a), 60, 0.7);
    // the trunk and its limb: bark lit on the left
    Tom casca = hex(0x5a3a20);
    pincelada(cr, {{150, 224, 16}, {128, 196, 13}, {170, 168, 11}, {150, 132, 7}}, casca, rng, 0, false);
    pincelada(cr, {{158, 174, 7}, {190, 160, 5}, {228, 140, 3}}, casca, rng, 0, false);
    pincelada(cr, {{136, 190, 5}, {112, 170, 4}, {98, 152, 2}}, casca, rng, 0, false);
    // the foliage pads, each lit on top and shaded below
    double fx[4] = {150, 95, 230, 190}, fy[4] = {110, 150, 130, 165}, fr[4] = {45, 30, 32, 22};
    for (int k = 0; k < 4; k++) {
        elipse(cr, fx[k] + 6, fy[k] + fr[k] * 0.4, fr[k], fr[k] * 0.3);
        cor(cr, hex(0x3a2a10), 0.25);
        cairo_fill(cr);
        folhagem(cr, rng, fx[k], fy[k], fr[k], fr[k] * 0.45, hex(0x3a7a2a), int(fr[k] * 5), 1.1);
    }
    // the paper crane: every fold a facet of its own tone, the light from the left
    cairo_save(cr);
    cairo_translate(cr, 330, 200);
    elipse(cr, 6, 36, 52, 6);
    cor(cr, hex(0x2a1408), 0.35);
    cairo_fill(cr);
    poligono(cr, {-40, 20, 0, 0, 40, 20, 0, 30});
    volume(cr, VERMELHO, 0.2, 0.35, 1.3);
    poligono(cr, {0, 0, -30, -45, 8, 14});
    volume(cr, hex(0xe83848), 0.35, 0.2, 0.3);
    poligono(cr, {0, 0, 45, -30, 10, 14});
    volume(cr, hex(0xa01020), 0.1, 0.4, 0.3);
    poligono(cr, {-40, 20, -56, -12, -50, -14, -34, 18});
    volume(cr, hex(0xd82838), 0.3, 0.3);
    poligono(cr, {-56, -12, -64, -6, -52, -10});
    volume(cr, hex(0xa01020), 0.2, 0.3);
    poligono(cr, {40, 20, 60, -6, 36, 16});
    volume(cr, hex(0xb01828), 0.2, 0.3);
    cairo_new_path(cr);  // the creases catch the light
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 30);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, -30, -45);
    traco(cr, hex(0xffb0a0), 0.8, 0.7);
    cairo_new_path(cr);
    cairo_restore(cr);
    letreiro(cr, "BONSAI", 150, 290, 20, CREME, TINTA, 3);
    letreiro(cr, "ORIGAMI", 330, 290, 20, CREME, TINTA, 3);
}

// Rice pressed into a block: many grains, lit on the upper left.
static void arroz(cairo_t* cr, Rng& rng, double x, double y, double w, double h) {
    retarredondado(cr, x, y, w, h, h * 0.4);
    sombra(cr, 3, 4, 3, 0.55);
    volume(cr, hex(0xe8e2d0), 0.3, 0.4, 1.2);
    cairo_save(cr);
    retarredondado(cr, x, y, w, h, h * 0.4);
    cairo_clip(cr);
    for (int i = 0; i < int(w * h / 9); i++) {
        double gx = x + rng.uniform() * w, gy = y + rng.uniform() * h;
        double l = -((gx - x) / w - 0.5) - ((gy - y) / h - 0.5);
        cairo_save(cr);
        cairo_translate(cr, gx, gy);
        cairo_rotate(cr, rng.range(0, M_PI));
        elipse(cr, 0, 0, 2.2, 1.2);
        cairo_restore(cr);
        cor(cr, l > 0 ? hex(0xfffcf4) : hex(0xb8b0a0), 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void comida(cairo_t* cr) {  // page 9: sushi on a board, chopsticks
    cairo_pattern_t* g = cairo_pattern_create_radial(200, 180, 30, 220, 180, 300);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.28, 0.16, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.03, 0.03);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(99);
    retarredondado(cr, 40, 110, 360, 150, 8);
    sombra(cr, 8, 10, 7, 0.7);
    cairo_save(cr);
    retarredondado(cr, 40, 110, 360, 150, 8);
    cairo_clip(cr);
    madeira(cr, rng, 40, 110, 360, 150, hex(0xc89a5a));
    cairo_restore(cr);
    retarredondado(cr, 40, 110, 360, 150, 8);
    aro(cr, hex(0xfff0c8), 2, 0.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 40, 252, 360, 8);
    cor(cr, hex(0x5a3a18), 0.6);
    cairo_fill(cr);
    for (int k = 0; k < 3; k++) {
        // nigiri: rice and a slice of salmon or tuna, shining
        double x = 100 + k * 80;
        arroz(cr, rng, x - 28, 160, 56, 30);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 32, 168);
        cairo_curve_to(cr, x - 20, 140, x + 20, 140, x + 32, 168);
        cairo_curve_to(cr, x + 10, 162, x - 10, 162, x - 32, 168);
        cairo_close_path(cr);
        sombra(cr, 1, 3, 2, 0.4);
        Tom peixe = k == 1 ? hex(0xc02030) : hex(0xf07848);
        volume(cr, peixe, 0.35, 0.4, 1.2);
        for (int s = 0; s < 4; s++) {  // the bands of fat
            cairo_new_path(cr);
            cairo_move_to(cr, x - 20 + s * 11, 150 + s * 0.5);
            cairo_curve_to(cr, x - 17 + s * 11, 155, x - 15 + s * 11, 159, x - 12 + s * 11, 164);
            traco(cr, k == 1 ? hex(0xe87888) : hex(0xffd0b8), 1.6, 0.75);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, x - 18, 152);
        cairo_curve_to(cr, x - 10, 145, x + 6, 144, x + 14, 147);
        traco(cr, hex(0xfffaf0), 1.4, 0.7);  // the wet shine
        cairo_new_path(cr);
    }
    // maki rolls: nori wrapped round the rice, the filling in the middle
    for (int k = 0; k < 2; k++) {
        double x = 340, y = 150 + k * 45;
        elipse(cr, x, y, 22, 20);
        sombra(cr, 3, 5, 3, 0.6);
        volume(cr, hex(0x1e2e22), 0.3, 0.4);
        elipse(cr, x, y, 17, 15);
        cor(cr, hex(0xe8e2d0));
        cairo_fill(cr);
        for (int i = 0; i < 60; i++) {
            double a = rng.range(0, 2 * M_PI), r = rng.range(7, 15);
            elipse(cr, x + std::cos(a) * r, y + std::sin(a) * r * 0.9, 1.8, 1.1);
            cor(cr, std::cos(a) + std::sin(a) < 0 ? hex(0xfffcf4) : hex(0xb0a898), 0.7);
            cairo_fill(cr);
        }
        elipse(cr, x, y, 6, 6);
        bojo(cr, k ? hex(0x40a040) : hex(0xe06040), 0.5, 0.4);
    }
    // a dab of wasabi and pickled ginger
    elipse(cr, 72, 226, 9, 6);
    bojo(cr, hex(0x8ab040), 0.5, 0.4);
    for (int i = 0; i < 4; i++) {
        elipse(cr, 90 + i * 5, 232 - i, 7, 4);
        cor(cr, hex(0xf4b8a0), 0.85);
        cairo_fill(cr);
    }
    // chopsticks, each with its shadow on the board
    for (int k = 0; k < 2; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 60 + k * 10, 280 + k * 6);
        cairo_line_to(cr, 380 + k * 10, 70 + k * 6);
        sombra(cr, 6, 8, 3, 0.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        traco(cr, hex(0x5a2a10), 5);
        cairo_new_path(cr);
        cairo_move_to(cr, 59 + k * 10, 279 + k * 6);
        cairo_line_to(cr, 379 + k * 10, 69 + k * 6);
        traco(cr, hex(0xd08850), 1.6, 0.8);
        cairo_new_path(cr);
    }
    letreiro(cr, "ITADAKIMASSU !", 220, 60, 26, hex(0xf8d040), TINTA, 4);
}

}  // namespace japao
