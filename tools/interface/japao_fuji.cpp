// The trivia page of Mount Fuji: the snow-capped volcano at dawn over a lake, a pagoda on the shore.
#include <cmath>

#include "interface/japao.h"

namespace japao {

// The volcano's body, lit from the left: a concave cone with a flat crater rim.
static void perfilmonte(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, -20, 262);
    cairo_curve_to(cr, 96, 236, 150, 140, 184, 80);
    cairo_curve_to(cr, 196, 76, 206, 79, 218, 77);
    cairo_curve_to(cr, 232, 75, 246, 79, 258, 79);
    cairo_curve_to(cr, 292, 140, 346, 236, 460, 262);
    cairo_close_path(cr);
}

static void neve(cairo_t* cr) {  // the snow cap, reaching down the gullies in long fingers
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 136);
    cairo_curve_to(cr, 165, 112, 176, 94, 184, 80);
    cairo_curve_to(cr, 196, 76, 206, 79, 218, 77);
    cairo_curve_to(cr, 232, 75, 246, 79, 258, 79);
    cairo_curve_to(cr, 268, 96, 280, 116, 294, 138);
    const double dedos[][2] = {{288, 146}, {281, 126}, {276, 170}, {266, 122}, {258, 152}, {250, 116}, {243, 186}, {234, 118},
                               {226, 148}, {218, 112}, {209, 178}, {198, 120}, {190, 144}, {181, 118}, {170, 162}, {160, 130}};
    double px = 294, py = 138;
    for (const auto& d : dedos) {
        cairo_curve_to(cr, px - 2, (py + d[1]) / 2, d[0] + 2, (py + d[1]) / 2, d[0], d[1]);
        px = d[0];
        py = d[1];
    }
    cairo_curve_to(cr, 156, 132, 152, 134, 150, 136);
    cairo_close_path(cr);
}

static void monte(cairo_t* cr, Rng& rng) {
    perfilmonte(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(120, 0, 330, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.52, 0.70);
    cairo_pattern_add_color_stop_rgb(g, 0.42, 0.42, 0.42, 0.62);
    cairo_pattern_add_color_stop_rgb(g, 0.55, 0.27, 0.29, 0.47);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.23, 0.40);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip(cr);
    // gullies running down from the rim: lit lips on the left, shaded grooves on the right
    for (int k = 0; k < 34; k++) {
        double u = rng.range(-1, 1), x0 = 220 + u * 38, y0 = 82 + std::abs(u) * 8;
        double x1 = 220 + u * 230 + rng.range(-12, 12), y1 = 262;
        bool lado = x0 < 221;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, y0 + 60, x0 + (x1 - x0) * 0.6, y1 - 40, x1, y1);
        cor(cr, lado ? hex(0xb8a8c8) : hex(0x1a1c38), rng.range(0.15, 0.35));
        cairo_set_line_width(cr, rng.range(0.8, 2.2));
        cairo_stroke(cr);
    }
    neve(cr);
    g = cairo_pattern_create_linear(160, 0, 290, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.97, 0.93);
    cairo_pattern_add_color_stop_rgb(g, 0.45, 0.95, 0.92, 0.94);
    cairo_pattern_add_color_stop_rgb(g, 0.56, 0.70, 0.72, 0.86);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.56, 0.60, 0.78);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_clip(cr);
    // snow ridges: blue shade down the right of every rib, warm light on the left
    for (int k = 0; k < 26; k++) {
        double u = rng.range(-1, 1), x0 = 220 + u * 36;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, 80);
        cairo_line_to(cr, 220 + u * 110, 180);
        cor(cr, u < 0 ? hex(0xfff8f0) : hex(0x7880a8), rng.range(0.25, 0.5));
        cairo_set_line_width(cr, rng.range(0.6, 1.6));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // the haze of the morning over the foot of the mountain
    cairo_save(cr);
    perfilmonte(cr);
    cairo_clip(cr);
    nevoa(cr, W, 150, 250, 262, hex(0xf4c8b8), 0.8);
    cairo_restore(cr);
}

static void pagode(cairo_t* cr, double x, double y) {  // a red five-storey pagoda, roofs upturned
    Rng rng(5);
    poligono(cr, {x - 30, y + 2, x + 34, y + 2, x + 40, y + 8, x - 26, y + 8});
    cor(cr, hex(0x101818), 0.4);
    cairo_fill(cr);
    for (int k = 0; k < 3; k++) {
        double b = y - k * 26, l = 30 - k * 7;
        cairo_new_path(cr);
        cairo_rectangle(cr, x - l / 2, b - 17, l, 17);
        volume(cr, hex(0xb82228), 0.3, 0.5, 0.0);
        for (double px = x - l / 2 + 3; px < x + l / 2 - 2; px += 5) {
            cairo_new_path(cr);
            cairo_rectangle(cr, px, b - 14, 2, 10);
            cor(cr, hex(0x401010), 0.55);
            cairo_fill(cr);
        }
        double e = l / 2 + 12;  // the eaves: a dark roof, its lit top and the shadow it throws
        cairo_new_path(cr);
        cairo_rectangle(cr, x - l / 2, b - 17, l, 5);
        cor(cr, hex(0x200808), 0.5);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x - e, b - 20);
        cairo_curve_to(cr, x - e + 6, b - 16, x - l / 2, b - 16, x - l / 4, b - 27);
        cairo_line_to(cr, x + l / 4, b - 27);
        cairo_curve_to(cr, x + l / 2, b - 16, x + e - 6, b - 16, x + e, b - 20);
        cairo_curve_to(cr, x + e - 8, b - 14, x - e + 8, b - 14, x - e, b - 20);
        cairo_close_path(cr);
        volume(cr, hex(0x34343c), 0.35, 0.5, 0.1);
        cairo_new_path(cr);
        cairo_move_to(cr, x - e, b - 20);
        cairo_curve_to(cr, x - e + 6, b - 16, x - l / 2, b - 16, x - l / 4, b - 27);
        traco(cr, hex(0x9a98a8), 0.9, 0.8);
        cairo_new_path(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - 78);
    cairo_line_to(cr, x, y - 98);
    traco(cr, hex(0x2a2a30), 2);
    for (int k = 0; k < 4; k++) {
        elipse(cr, x, y - 82 - k * 4, 3 - k * 0.4, 1);
        cor(cr, hex(0xa08040));
        cairo_fill(cr);
    }
}

void fuji(cairo_t* cr) {  // page 2: Mount Fuji at dawn
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 262);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.30, 0.58);
    cairo_pattern_add_color_stop_rgb(g, 0.45, 0.52, 0.56, 0.78);
    cairo_pattern_add_color_stop_rgb(g, 0.8, 0.96, 0.74, 0.64);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.99, 0.86, 0.68);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    sol(cr, 92, 92, 22, hex(0xf05a3a), 0.5);
    Rng rng(14);
    nuvem(cr, rng, 360, 70, 120, 26, hex(0xfff0e8), hex(0xa890b8), 0.75);
    nuvem(cr, rng, 60, 150, 140, 20, hex(0xffe8d8), hex(0xb898b0), 0.7);
    monte(cr, rng);
    // a long bank of cloud across the flanks
    nuvem(cr, rng, 120, 206, 170, 22, hex(0xfff4ec), hex(0xc8a8b8), 0.85);
    nuvem(cr, rng, 340, 200, 190, 24, hex(0xfff0e8), hex(0xb8a0b8), 0.85);
    // the far shore with its woods, then the lake with the mountain's reflection
    serra(cr, rng, W, H, 250, 8, hex(0x4a6a5a), hex(0xa8b8a0), 0.5);
    serra(cr, rng, W, H, 262, 6, hex(0x24402e), hex(0x6a8a5a), 0.6);
    for (int k = 0; k < 26; k++) {
        double x = rng.range(0, W);
        if (x > 40 && x < 100) continue;
        folhagem(cr, rng, x, 256 + rng.range(-3, 3), rng.range(7, 12), rng.range(5, 8), hex(0x2e5a36), 26, 0.8);
    }
    agua(cr, rng, W, 266, H, hex(0x3a4a78), hex(0x8aa0c8), hex(0xffd0a0), 92);
    camada(cr, 1.5, 0.28, [&](cairo_t* k) {
        cairo_rectangle(k, 0, 266, W, H - 266);
        cairo_clip(k);
        cairo_translate(k, 0, 266 * 2);
        cairo_scale(k, 1, -1);
        Rng r2(14);
        monte(k, r2);
    });
    for (int i = 0; i < 60; i++) {  // the ripples break the reflection
        double y = rng.range(268, H), x = rng.range(0, W), l = rng.range(6, 26);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + l, y);
        traco(cr, hex(0xc8d4ec), 0.8, 0.35);
    }
    pagode(cr, 70, 254);
    letreiro(cr, "3.776 m", 220, 52, 18, CREME, TINTA, 3);
}

}  // namespace japao
