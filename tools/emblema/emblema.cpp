// The emblem, drawn on a 256-unit square scaled to the canvas, so every icon size is drawn anew
// rather than shrunk.
#include "emblema.h"

#include <cmath>

namespace {

void cor(cairo_t* cr, unsigned hex, double a = 1.0) {
    cairo_set_source_rgba(cr, ((hex >> 16) & 255) / 255.0, ((hex >> 8) & 255) / 255.0, (hex & 255) / 255.0, a);
}

// The heater shield: a flat top with rounded corners, sides curving to a point.
void escudo(cairo_t* cr, double margem) {
    const double e = 28 + margem, d = 228 - margem, t = 22 + margem, b = 240 - margem;
    cairo_new_path(cr);
    cairo_move_to(cr, e + 14, t);
    cairo_line_to(cr, d - 14, t);
    cairo_curve_to(cr, d, t, d, t, d, t + 14);
    cairo_line_to(cr, d, 118);
    cairo_curve_to(cr, d, 178, 170, 218, 128, b);
    cairo_curve_to(cr, 86, 218, e, 178, e, 118);
    cairo_line_to(cr, e, t + 14);
    cairo_curve_to(cr, e, t, e, t, e + 14, t);
    cairo_close_path(cr);
}

// The sacred guitar, laid from the lower left to the upper right.
void violao(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 128, 132);
    cairo_rotate(cr, -0.75);
    // neck and head
    cairo_rectangle(cr, -6, -9, 100, 18);
    cor(cr, 0x5a3418);
    cairo_fill(cr);
    cairo_rectangle(cr, 90, -13, 24, 26);
    cor(cr, 0x3a2010);
    cairo_fill(cr);
    // the body: two bouts
    for (auto [x, r] : {std::pair{-62.0, 40.0}, std::pair{-20.0, 31.0}}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, 0, r, 0, 2 * M_PI);
        cor(cr, 0xd08a38);
        cairo_fill_preserve(cr);
        cor(cr, 0x2a1408);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, -38, 0, 12, 0, 2 * M_PI);
    cor(cr, 0x2a1408);
    cairo_fill(cr);
    // strings
    cairo_set_line_width(cr, 1.6);
    cor(cr, 0xf4e8c0);
    for (double y : {-4.0, 0.0, 4.0}) {
        cairo_move_to(cr, -80, y);
        cairo_line_to(cr, 108, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The initial, for the sizes too small for the guitar.
void letrav(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 62, 62);
    cairo_line_to(cr, 100, 62);
    cairo_line_to(cr, 128, 150);
    cairo_line_to(cr, 156, 62);
    cairo_line_to(cr, 194, 62);
    cairo_line_to(cr, 146, 196);
    cairo_line_to(cr, 110, 196);
    cairo_close_path(cr);
    cor(cr, 0xf0c040);
    cairo_fill(cr);
}

}  // namespace

void pintaemblema(const Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_scale(cr, c.w / 256.0, c.h / 256.0);
    // the rim, then the red field with a light from the upper left
    escudo(cr, 0);
    cor(cr, 0x2a1408);
    cairo_fill(cr);
    escudo(cr, 8);
    cor(cr, 0xf0c040);
    cairo_fill(cr);
    escudo(cr, 20);
    cairo_pattern_t* g = cairo_pattern_create_linear(40, 30, 210, 230);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.16, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.40, 0.05, 0.05);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    if (c.w >= 32) violao(cr);
    else letrav(cr);
    cairo_restore(cr);
}
