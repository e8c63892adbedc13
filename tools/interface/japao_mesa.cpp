// The trivia pages laid on a table: the yen notes and coins, the calligraphy scroll with its ink stone.
#include <cmath>

#include "interface/japao.h"

namespace japao {

// Wood: a base with long wavy grain lines and a few knots, over a rectangle.
void madeira(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Tom c, bool deitada) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip_preserve(cr);
    volume(cr, c, 0.2, 0.35, deitada ? 1.3 : 0.3);
    double comp = deitada ? w : h, larg = deitada ? h : w;
    for (int i = 0; i < int(larg * 1.2); i++) {
        double v = rng.uniform() * larg, fase = rng.range(0, 6), amp = rng.range(0.3, 1.4), onda = rng.range(70, 150);
        cairo_new_path(cr);
        for (double u = -4; u <= comp + 4; u += 6) {
            double o = v + amp * std::sin(u / onda + fase) + 0.4 * amp * std::sin(u / (onda * 0.37) + fase * 2);
            if (deitada) cairo_line_to(cr, x + u, y + o);
            else cairo_line_to(cr, x + o, y + u);
        }
        bool luz = rng.uniform() < 0.35;
        cor(cr, luz ? claro(c, 0.3) : escuro(c, 0.45), rng.range(0.12, 0.35));
        cairo_set_line_width(cr, rng.range(0.5, 1.6));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
}

// A coin lying on the table: a struck rim, a shiny face and the value raised on it.
static void moeda(cairo_t* cr, double x, double y, double r, Tom c, const char* t) {
    elipse(cr, x, y, r, r);
    sombra(cr, r * 0.12, r * 0.18, r * 0.14, 0.65);
    cairo_new_path(cr);
    auto metal = [&](double raio, double giro) {
        cairo_pattern_t* g = cairo_pattern_create_linear(x - raio * std::cos(giro), y - raio * std::sin(giro),
                                                         x + raio * std::cos(giro), y + raio * std::sin(giro));
        Tom a = claro(c, 0.7), m = claro(c, 0.15), e = escuro(c, 0.5);
        cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(g, 0.35, m.r, m.g, m.b);
        cairo_pattern_add_color_stop_rgb(g, 0.6, c.r, c.g, c.b);
        cairo_pattern_add_color_stop_rgb(g, 1, e.r, e.g, e.b);
        cairo_set_source(cr, g);
        elipse(cr, x, y, raio, raio);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    };
    metal(r, 0.9);          // the rim
    metal(r * 0.84, -2.2);  // the face sits lower: lit from the other side
    for (int k = 0; k < 40; k++) {  // the reeded edge
        double a = k * 2 * M_PI / 40;
        cairo_new_path(cr);
        cairo_move_to(cr, x + std::cos(a) * r * 0.88, y + std::sin(a) * r * 0.88);
        cairo_line_to(cr, x + std::cos(a) * r * 0.97, y + std::sin(a) * r * 0.97);
        traco(cr, escuro(c, 0.4), 0.7, 0.5);
    }
    cairo_new_path(cr);
    // the value struck in relief: a light edge above, a dark one below
    letreiro(cr, t, x - 0.6, y + r * 0.3 - 0.6, r * 0.8, claro(c, 0.7), claro(c, 0.7), 0);
    letreiro(cr, t, x + 0.7, y + r * 0.3 + 0.7, r * 0.8, escuro(c, 0.6), escuro(c, 0.6), 0);
    letreiro(cr, t, x, y + r * 0.3, r * 0.8, escuro(c, 0.15), escuro(c, 0.15), 0);
    // the shine on the metal
    cairo_save(cr);
    elipse(cr, x, y, r, r);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - r, y - r * 0.2);
    cairo_line_to(cr, x - r * 0.2, y - r);
    cairo_line_to(cr, x + r * 0.05, y - r);
    cairo_line_to(cr, x - r, y + r * 0.05);
    cairo_close_path(cr);
    cor(cr, hex(0xfffcf0), 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    brilho(cr, x - r * 0.45, y - r * 0.5, r * 0.3, hex(0xfffff0), 0.8);
}

// A banknote: cream paper, engraved guilloche bands, a watermark oval and the value.
static void cedula(cairo_t* cr, Rng& rng) {
    retarredondado(cr, -120, -60, 240, 120, 3);
    sombra(cr, 5, 7, 5, 0.55);
    cairo_pattern_t* g = cairo_pattern_create_linear(-120, -60, 120, 60);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.93, 0.90, 0.80);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.86, 0.82, 0.70);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.72, 0.66, 0.54);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // guilloche: interlaced fine waves, brown on the left band and the frame
    Tom gravura = hex(0x6a5a3a);
    for (int k = 0; k < 14; k++) {
        cairo_new_path(cr);
        for (double x = -112; x <= 112; x += 1.5)
            cairo_line_to(cr, x, -52 + k * 0.8 + 3 * std::sin(x / 6 + k * 0.45));
        traco(cr, gravura, 0.35, 0.55);
        cairo_new_path(cr);
        for (double x = -112; x <= 112; x += 1.5)
            cairo_line_to(cr, x, 44 + k * 0.8 + 3 * std::sin(x / 6 - k * 0.45));
        traco(cr, gravura, 0.35, 0.55);
    }
    for (int k = 0; k < 24; k++) {  // the rosette behind the value
        double a = k * M_PI / 12;
        cairo_save(cr);
        cairo_translate(cr, -50, -2);
        cairo_rotate(cr, a);
        elipse(cr, 0, 16, 9, 18);
        cairo_restore(cr);
        traco(cr, hex(0x7a7050), 0.35, 0.45);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, -110, -50, 220, 100);
    traco(cr, hex(0x6a5a3a), 1.0, 0.8);
    cairo_new_path(cr);
    cairo_rectangle(cr, -107, -47, 214, 94);
    traco(cr, hex(0x6a5a3a), 0.4, 0.7);
    // the watermark: a pale oval with a portrait engraved in fine lines
    elipse(cr, 50, 0, 30, 36);
    volume(cr, hex(0xe0d6bc), 0.3, 0.15);
    cairo_save(cr);
    elipse(cr, 50, 0, 28, 34);
    cairo_clip(cr);
    for (double y = -36; y < 36; y += 1.6) {
        cairo_new_path(cr);
        cairo_move_to(cr, 20, y);
        cairo_line_to(cr, 80, y + 2);
        traco(cr, hex(0x7a6a4a), 0.3, 0.4);
    }
    // head and shoulders in deeper engraving: cross-hatching, denser on the shaded right
    elipse(cr, 50, -6, 11, 14);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 50, 26);
    cairo_scale(cr, 22, 14);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_clip(cr);
    for (double d = -60; d < 60; d += 1.8) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + d, -40);
        cairo_line_to(cr, 50 + d + 50, 40);
        traco(cr, hex(0x4a3a22), 0.45, d > 0 ? 0.7 : 0.4);
        if (d > -6) {
            cairo_new_path(cr);
            cairo_move_to(cr, 50 + d, 40);
            cairo_line_to(cr, 50 + d + 50, -40);
            traco(cr, hex(0x4a3a22), 0.4, 0.5);
        }
    }
    cairo_restore(cr);
    cairo_restore(cr);
    elipse(cr, 50, 0, 30, 36);
    traco(cr, hex(0x6a5a3a), 0.8, 0.8);
    cairo_new_path(cr);
    letreiro(cr, "10000", -50, -20, 22, hex(0x5a4a2a), hex(0x5a4a2a), 0);
    letreiro(cr, "¥", -60, 30, 40, hex(0x8a3a2a), hex(0x3a1a10), 0);
    for (int i = 0; i < 60; i++) {  // wear of the paper
        elipse(cr, rng.range(-118, 118), rng.range(-58, 58), rng.range(0.5, 2), 0.6);
        cor(cr, hex(0x8a7a5a), 0.15);
        cairo_fill(cr);
    }
}

void iene(cairo_t* cr) {  // page 3: yen notes and coins
    Rng rng(8);
    madeira(cr, rng, 0, 0, W, H, hex(0x6a3e22));
    brilho(cr, 150, 110, 260, hex(0xffe0b0), 0.25);
    vinheta(cr, W, H, 0.55);
    for (int k = 0; k < 2; k++) {
        cairo_save(cr);
        cairo_translate(cr, 170 + k * 40, 130 + k * 30);
        cairo_rotate(cr, -0.15 + k * 0.2);
        cedula(cr, rng);
        cairo_restore(cr);
    }
    moeda(cr, 330, 250, 38, hex(0xc8a038), "¥500");
    moeda(cr, 260, 272, 28, hex(0xb86a38), "¥10");
    moeda(cr, 390, 190, 26, hex(0xb0b0b4), "¥100");
    letreiro(cr, "YEN", 80, 290, 30, hex(0xf8d040), TINTA, 4);
}

// A wooden roller with its knobs, lit from above.
static void rolo(cairo_t* cr, double x0, double x1, double y, double r) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, y - r, x1 - x0, 2 * r);
    sombra(cr, 3, 4, 3, 0.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - r, 0, y + r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.62, 0.40, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 0.28, 0.86, 0.64, 0.40);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.52, 0.30, 0.14);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.10, 0.05);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (double xe : {x0 - 8.0, x1}) {  // lacquered knobs
        retarredondado(cr, xe, y - r - 1.5, 8, 2 * r + 3, 2.5);
        g = cairo_pattern_create_linear(0, y - r, 0, y + r);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.32, 0.10, 0.08);
        cairo_pattern_add_color_stop_rgb(g, 0.3, 0.78, 0.40, 0.32);
        cairo_pattern_add_color_stop_rgb(g, 0.55, 0.30, 0.06, 0.05);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.10, 0.02, 0.02);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void escrita(cairo_t* cr) {  // page 4: calligraphy of "Japan" on a scroll
    Rng rng(44);
    madeira(cr, rng, 0, 0, W, H, hex(0x4a2e1c));
    vinheta(cr, W, H, 0.5);
    // the hanging scroll: silk mounting, the paper, its shadow on the wall
    cairo_new_path(cr);
    cairo_rectangle(cr, 114, 20, 212, 278);
    sombra(cr, 6, 6, 5, 0.6);
    cairo_new_path(cr);
    cairo_rectangle(cr, 114, 20, 212, 278);
    volume(cr, hex(0x3a5a5a), 0.25, 0.4, 0.2);
    for (int i = 0; i < 40; i++) {  // the silk's woven pattern
        double x = rng.range(116, 322), y = rng.range(22, 296);
        if (x > 126 && x < 314 && y > 32 && y < 286) continue;
        elipse(cr, x, y, 1.6, 1.6);
        cor(cr, hex(0xc8b070), 0.45);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, 126, 32, 188, 254);
    cairo_pattern_t* g = cairo_pattern_create_radial(200, 140, 20, 220, 160, 190);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.93, 0.84);
    cairo_pattern_add_color_stop_rgb(g, 0.7, 0.93, 0.87, 0.74);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.80, 0.70, 0.54);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 220; i++) {  // fibres of the paper
        double x = rng.range(128, 312), y = rng.range(34, 284), a = rng.range(0, M_PI), l = rng.range(2, 7);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * l, y + std::sin(a) * l);
        traco(cr, rng.uniform() < 0.5 ? hex(0xb8a078) : hex(0xfff8e8), 0.5, 0.35);
    }
    cairo_new_path(cr);
    Tom tinta = hex(0x16121a);
    // 日: the left side, the top turning down the right, the middle and the closing bar
    pincelada(cr, {{187, 54, 8}, {185, 100, 10}, {187, 142, 7}}, tinta, rng);
    pincelada(cr, {{188, 50, 7}, {222, 48, 7}, {251, 47, 9}, {259, 54, 12}, {257, 95, 9}, {256, 130, 9}, {255, 145, 6}}, tinta, rng);
    pincelada(cr, {{193, 96, 6}, {222, 94, 8}, {249, 95, 6}}, tinta, rng);
    pincelada(cr, {{191, 139, 7}, {224, 138, 8}, {252, 139, 7}}, tinta, rng);
    // 本: the long bar, the trunk, the two sweeping branches and the mark at the root
    pincelada(cr, {{172, 187, 6}, {220, 183, 8}, {266, 183, 10}}, tinta, rng);
    pincelada(cr, {{220, 158, 10}, {221, 220, 11}, {220, 284, 8}}, tinta, rng);
    pincelada(cr, {{216, 192, 9}, {204, 216, 8}, {190, 236, 6}, {174, 254, 3}}, tinta, rng, 0.3);
    pincelada(cr, {{224, 194, 6}, {240, 220, 9}, {258, 242, 12}, {276, 251, 5}}, tinta, rng, 0.18);
    pincelada(cr, {{202, 247, 6}, {222, 245, 8}, {240, 245, 7}}, tinta, rng);
    // the red seal: carved lines left pale in the stamp, the ink uneven
    retarredondado(cr, 280, 250, 26, 26, 2);
    volume(cr, hex(0xc01a24), 0.2, 0.25);
    for (int k = 0; k < 3; k++) {
        cairo_new_path(cr);
        cairo_rectangle(cr, 284 + k * 2.5, 254 + k * 2.5, 18 - k * 5, 18 - k * 5);
        traco(cr, hex(0xf0d8c0), 1.2, 0.85);
    }
    for (int i = 0; i < 30; i++) {
        elipse(cr, rng.range(280, 306), rng.range(250, 276), 1, 1);
        cor(cr, hex(0xf0e0c8), 0.5);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    rolo(cr, 108, 332, 17, 7);
    rolo(cr, 108, 332, 300, 7);
    // the ink stone with a wet pool, and the brush resting beside it
    elipse(cr, 60, 272, 42, 20);
    sombra(cr, 4, 6, 4, 0.6);
    elipse(cr, 60, 272, 42, 20);
    volume(cr, hex(0x3a3a44), 0.35, 0.5, 1.1);
    for (int i = 0; i < 40; i++) {
        elipse(cr, 60 + rng.range(-36, 36), 272 + rng.range(-14, 14), 0.8, 0.8);
        cor(cr, hex(0x9a9aa8), 0.4);
        cairo_fill(cr);
    }
    elipse(cr, 60, 268, 26, 10);
    volume(cr, hex(0x08080c), 0.1, 0.3, -1.2);
    elipse(cr, 52, 265, 10, 3);
    cor(cr, hex(0x8890b0), 0.45);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 352, 290);
    cairo_line_to(cr, 412, 160);
    sombra(cr, 5, 5, 3, 0.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    traco(cr, hex(0x5a3414), 7);
    cairo_new_path(cr);
    cairo_move_to(cr, 350.5, 289);
    cairo_line_to(cr, 410.5, 159);
    traco(cr, hex(0xd0a060), 2.5, 0.8);
    for (int k = 1; k < 4; k++) {  // the bamboo's nodes
        double t = k / 4.0, x = 352 + 60 * t, y = 290 - 130 * t;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 4, y - 2);
        cairo_line_to(cr, x + 4, y + 2);
        traco(cr, hex(0x3a2008), 1.4);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 346, 298);
    cairo_curve_to(cr, 341, 302, 338, 307, 336, 311);
    cairo_curve_to(cr, 342, 312, 350, 304, 356, 294);
    cairo_close_path(cr);
    volume(cr, tinta, 0.25, 0.2);
}

}  // namespace japao
