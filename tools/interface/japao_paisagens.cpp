// The trivia pages of places and times: the old couple under the cherry tree, Tokyo by night, the
// fighter plane over the sea at sunset.
#include <cmath>

#include "interface/japao.h"

namespace japao {

void longevidade(cairo_t* cr) {  // page 5: an old couple under the cherry tree
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 250);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.52, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.97, 0.72, 0.50);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.99, 0.90, 0.70);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(21);
    sol(cr, 330, 182, 34, hex(0xf8e0a0), 0.45);
    nuvem(cr, rng, 380, 120, 110, 18, hex(0xfff0d8), hex(0xd898a0), 0.6, 0);
    serra(cr, rng, W, H, 228, 14, hex(0xb08a98), hex(0xf0d0c0), 0.5);
    nevoa(cr, W, 200, 236, 250, hex(0xfce0c0), 0.6);
    serra(cr, rng, W, H, 250, 8, hex(0x6a8a4a), hex(0xc8d890), 0.5);
    // the cherry tree: the trunk and the limb, bark lit on the left
    Tom casca = hex(0x4a2a1a);
    pincelada(cr, {{110, 262, 16}, {116, 220, 13}, {110, 180, 12}, {124, 140, 10}, {132, 110, 7}}, casca, rng, 0, false);
    pincelada(cr, {{120, 162, 7}, {160, 146, 6}, {196, 132, 4}, {232, 120, 2.5}}, casca, rng, 0, false);
    pincelada(cr, {{126, 128, 5}, {100, 112, 4}, {80, 100, 2}}, casca, rng, 0, false);
    for (int k = 0; k < 8; k++) {
        cairo_new_path(cr);
        double y = 250 - k * 16;
        cairo_move_to(cr, 105 + std::sin(k) * 2, y);
        cairo_line_to(cr, 108 + std::sin(k) * 2, y - 10);
        traco(cr, hex(0xa07050), 1.4, 0.6);
    }
    // the blossoms: clumps, pale where the evening light falls, deeper pink in the shade
    const double nuvens[][4] = {{92, 104, 30, 18}, {128, 84, 34, 20}, {168, 100, 38, 22}, {206, 116, 30, 16},
                                {150, 66, 30, 16}, {112, 124, 24, 12}, {236, 122, 16, 9}, {80, 92, 18, 10}};
    for (const auto& n : nuvens) {  // each clump with the shade it throws on the one below
        elipse(cr, n[0] + 4, n[1] + n[3] * 0.6, n[2] * 0.8, n[3] * 0.35);
        cor(cr, hex(0x8a4060), 0.2);
        cairo_fill(cr);
        folhagem(cr, rng, n[0], n[1], n[2], n[3], hex(0xe898b0), int(n[2] * 3.2), 1.2);
    }
    for (int i = 0; i < 50; i++) {
        double a = rng.range(0, 2 * M_PI), r = rng.range(0, 60);
        brilho(cr, 150 + std::cos(a) * r * 1.3, 96 + std::sin(a) * r * 0.5, rng.range(3, 6), hex(0xfff0f4), 0.5);
    }
    for (int i = 0; i < 36; i++) {  // petals drifting down
        double x = rng.range(20, 420), y = rng.range(130, 300);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.range(0, M_PI));
        elipse(cr, 0, 0, 2.2, 1.2);
        cairo_restore(cr);
        cor(cr, mistura(hex(0xf4a8c0), hex(0xfff0f4), rng.uniform()), 0.9);
        cairo_fill(cr);
    }
    // the bench and the couple, their shadow long toward the viewer
    elipse(cr, 245, 266, 70, 6);
    cor(cr, hex(0x2a3018), 0.35);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 190, 248, 110, 7);
    volume(cr, hex(0x6a4028), 0.35, 0.5, 1.4);
    for (double x : {196.0, 290.0}) {
        cairo_new_path(cr);
        cairo_rectangle(cr, x, 255, 4, 9);
        volume(cr, hex(0x3a2214), 0.2, 0.4, 0);
    }
    silhueta(cr, VELHA, 225, 262, 60, hex(0x2a1a1a), -1);
    silhueta(cr, VELHO, 268, 262, 68, hex(0x2a1a1a), -1);
    letreiro(cr, "82 / 76 anos", 330, 300, 18, CREME, TINTA, 3);
}

// A tower block: its lit and shaded faces, rows of windows, some lit; `perto` 0 far .. 1 near.
static void predio(cairo_t* cr, Rng& rng, double x, double l, double h, double perto) {
    Tom face = mistura(hex(0x4a4a7a), hex(0x1a1a30), perto), lado = escuro(face, 0.35);
    double topo = H - h;
    cairo_new_path(cr);
    cairo_rectangle(cr, x, topo, l * 0.7, h);
    volume(cr, face, 0.15, 0.3, 1.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, x + l * 0.7, topo, l * 0.3, h);
    volume(cr, lado, 0.1, 0.3, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, x, topo + 0.5);
    cairo_line_to(cr, x + l * 0.7, topo + 0.5);
    traco(cr, hex(0x9a8ac8), 1, 0.5 - perto * 0.2);
    cairo_new_path(cr);
    for (double wy = topo + 5; wy < H - 4; wy += 7)
        for (double wx = x + 2.5; wx < x + l - 3; wx += 4.5) {
            bool dolado = wx > x + l * 0.7;
            if (rng.uniform() < 0.42) {
                Tom t = mistura(hex(0xf8d070), hex(0xd0e8ff), rng.uniform() < 0.25 ? 1 : 0);
                cairo_new_path(cr);
                cairo_rectangle(cr, wx, wy, dolado ? 1.5 : 2.5, 3.5);
                cor(cr, t, (dolado ? 0.55 : 0.95) * (0.55 + perto * 0.45));
                cairo_fill(cr);
                if (rng.uniform() < 0.12) brilho(cr, wx + 1, wy + 2, 6, t, 0.25);
            } else {
                cairo_new_path(cr);
                cairo_rectangle(cr, wx, wy, dolado ? 1.5 : 2.5, 3.5);
                cor(cr, escuro(face, 0.4), 0.5);
                cairo_fill(cr);
            }
        }
    if (h > 110 && rng.uniform() < 0.6) brilho(cr, x + l * 0.35, topo - 2, 4, hex(0xff3030), 0.9);  // warning light
}

void cidade(cairo_t* cr) {  // page 6: Tokyo by night
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.03, 0.03, 0.13);
    cairo_pattern_add_color_stop_rgb(g, 0.55, 0.16, 0.12, 0.32);
    cairo_pattern_add_color_stop_rgb(g, 0.85, 0.50, 0.28, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.80, 0.46, 0.40);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(77);
    estrelas(cr, rng, W, 110, 50);
    lua(cr, 80, 60, 12, hex(0xf4ecd0), 0.3);
    // the far city pale in its own haze, then the tower, then the near blocks
    for (int i = 0; i < 30; i++) predio(cr, rng, i * 15 + rng.range(-4, 4), rng.range(12, 20), rng.range(60, 150), 0);
    nevoa(cr, W, 150, 300, 330, hex(0xc07080), 0.45);
    cairo_save(cr);
    cairo_translate(cr, 222.5, 0);
    poligono(cr, {-22, 270, -2, 80, 2, 80, 22, 270});
    volume(cr, hex(0xd84020), 0.3, 0.45, 0);
    cairo_set_line_width(cr, 0.8);
    for (int k = 0; k < 24; k++) {  // the lattice
        double y0 = 270 - k * 8, y1 = y0 - 8, l0 = 22 - k * 0.8, l1 = 22 - (k + 1) * 0.8;
        cairo_new_path(cr);
        cairo_move_to(cr, -l0, y0);
        cairo_line_to(cr, l1, y1);
        cairo_move_to(cr, l0, y0);
        cairo_line_to(cr, -l1, y1);
        cor(cr, hex(0x400a08), 0.55);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 6; k++) {
        cairo_new_path(cr);
        double y = 250 - k * 30, l = 20 - k * 3.1;
        cairo_rectangle(cr, -l, y - 1.5, 2 * l, 3);
        cor(cr, k == 3 ? hex(0xf0e0d0) : hex(0xf8f0e8), 0.9);
        cairo_fill(cr);
        brilho(cr, -l * 0.4, y, 10, hex(0xffd0a0), 0.3);
    }
    poligono(cr, {-1.5, 80, 0, 38, 1.5, 80});
    volume(cr, hex(0xe8e0e0), 0.2, 0.4, 0);
    brilho(cr, 0, 40, 10, hex(0xff4040), 0.9);
    brilho(cr, 0, 150, 60, hex(0xff8050), 0.25);
    cairo_restore(cr);
    for (int i = 0; i < 24; i++) {
        double x = i * 19 + rng.range(-4, 4), h = rng.range(40, 130), l = rng.range(16, 28);
        if (x > 180 && x < 250) h *= 0.45;
        predio(cr, rng, x, l, h, 1);
    }
    nevoa(cr, W, 260, 320, 330, hex(0xf08a50), 0.35);  // the glow of the streets
    letreiro(cr, "TOKYO", 330, 50, 30, hex(0xf8d040), TINTA, 4);
}

void aviao(cairo_t* cr) {  // page 7: an old fighter plane over the sea at sunset
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 222);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.26, 0.22, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.66, 0.40, 0.50);
    cairo_pattern_add_color_stop_rgb(g, 0.85, 0.96, 0.62, 0.36);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.99, 0.78, 0.46);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(70);
    sol(cr, 220, 215, 40, hex(0xf87a30), 0.55);
    for (int i = 0; i < 4; i++)  // clouds lit from below by the low sun
        nuvem(cr, rng, 60 + i * 110, 80 + (i % 2) * 40, 130, 22, hex(0xffb888), hex(0x5a4070), 0.8, 0);
    cairo_save(cr);  // the sun sinking behind the sea's edge
    agua(cr, rng, W, 220, H, hex(0x1a1a40), hex(0x6a5a8a), hex(0xffc070), 220);
    cairo_restore(cr);
    nevoa(cr, W, 200, 221, 240, hex(0xffb070), 0.5);
    cairo_save(cr);
    cairo_translate(cr, 250, 120);
    cairo_rotate(cr, -0.12);
    Tom c = hex(0x2a2630);
    cairo_new_path(cr);  // the fuselage, rounded, with the light of the sunset along its belly
    cairo_move_to(cr, -70, 0);
    cairo_curve_to(cr, -20, -9, 40, -10, 62, -6);
    cairo_curve_to(cr, 72, -4, 76, 0, 75, 1);
    cairo_curve_to(cr, 72, 6, 60, 9, 40, 8);
    cairo_curve_to(cr, 0, 8, -40, 7, -70, 4);
    cairo_close_path(cr);
    cairo_pattern_t* f = cairo_pattern_create_linear(0, -10, 0, 9);
    cairo_pattern_add_color_stop_rgb(f, 0, 0.30, 0.28, 0.36);
    cairo_pattern_add_color_stop_rgb(f, 0.5, 0.12, 0.11, 0.16);
    cairo_pattern_add_color_stop_rgb(f, 0.85, 0.30, 0.18, 0.16);
    cairo_pattern_add_color_stop_rgb(f, 1, 0.80, 0.44, 0.26);
    cairo_set_source(cr, f);
    cairo_fill(cr);
    cairo_pattern_destroy(f);
    poligono(cr, {-10, 0, 20, 0, 5, -50, -5, -50});  // far wing, in shade
    volume(cr, escuro(c, 0.3), 0.15, 0.3, -1.2);
    poligono(cr, {-10, 4, 20, 4, 5, 44, -5, 44});  // near wing, its edge lit
    volume(cr, c, 0.25, 0.3, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 44);
    cairo_line_to(cr, 20, 4);
    traco(cr, hex(0xf0a060), 1, 0.7);
    poligono(cr, {-70, 0, -60, -22, -52, -22, -56, 2});
    volume(cr, c, 0.25, 0.3);
    cairo_new_path(cr);  // the canopy glints
    cairo_move_to(cr, 6, -8);
    cairo_curve_to(cr, 12, -17, 26, -17, 32, -8);
    cairo_close_path(cr);
    cairo_pattern_t* v = cairo_pattern_create_linear(6, -17, 30, -8);
    cairo_pattern_add_color_stop_rgb(v, 0, 0.9, 0.7, 0.6);
    cairo_pattern_add_color_stop_rgb(v, 1, 0.2, 0.2, 0.3);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
    elipse(cr, 78, 0, 2.5, 17);  // the propeller, a blurred disc
    cairo_pattern_t* h = cairo_pattern_create_linear(0, -17, 0, 17);
    cairo_pattern_add_color_stop_rgba(h, 0, 0.5, 0.4, 0.5, 0.1);
    cairo_pattern_add_color_stop_rgba(h, 0.5, 0.3, 0.25, 0.3, 0.6);
    cairo_pattern_add_color_stop_rgba(h, 1, 0.9, 0.6, 0.4, 0.2);
    cairo_set_source(cr, h);
    cairo_fill(cr);
    cairo_pattern_destroy(h);
    cairo_restore(cr);
    letreiro(cr, "1939 - 1945", 330, 295, 20, CREME, TINTA, 3);
}

}  // namespace japao
