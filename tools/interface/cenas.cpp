// Scene pieces for the slides.
#include "interface/cenas.h"

#include <cmath>

void ceu(cairo_t* cr, double w, double h, Tom topo, Tom horizonte, double yh) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, yh);
    cairo_pattern_add_color_stop_rgb(g, 0, topo.r, topo.g, topo.b);
    cairo_pattern_add_color_stop_rgb(g, 1, horizonte.r, horizonte.g, horizonte.b);
    cairo_pattern_set_extend(g, CAIRO_EXTEND_PAD);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void estrelas(cairo_t* cr, Rng& rng, double w, double h, int quantas) {
    for (int i = 0; i < quantas; i++) {
        double x = rng.uniform() * w, y = rng.uniform() * h, r = rng.range(0.4, 1.3);
        brilho(cr, x, y, r * 2.5, hex(0xfff4d8), rng.range(0.4, 0.95));
    }
}

void astro(cairo_t* cr, double x, double y, double r, Tom c, double halo) {
    brilho(cr, x, y, r * 3.5, c, halo);
    elipse(cr, x, y, r, r);
    chapado(cr, c, 0);
}

void colinas(cairo_t* cr, double w, double h, double y, double a, double fase, Tom c, Tom borda) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    for (double x = 0; x <= w + 4; x += 4) {
        double t = x / w * 2 * M_PI;
        cairo_line_to(cr, x, y - a * (0.6 * std::sin(t * 1.3 + fase) + 0.3 * std::sin(t * 3.1 + fase * 2) + 0.1 * std::sin(t * 7 + fase)));
    }
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - a, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, borda.r, borda.g, borda.b);
    cairo_pattern_add_color_stop_rgb(g, 0.25, c.r, c.g, c.b);
    Tom e = escuro(c, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, e.r, e.g, e.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void pinheiro(cairo_t* cr, double x, double y, double alt, Tom c) {
    poligono(cr, {x - alt * 0.05, y, x + alt * 0.05, y, x + alt * 0.05, y - alt * 0.2, x - alt * 0.05, y - alt * 0.2});
    chapado(cr, escuro(c, 0.4), 0);
    for (int k = 0; k < 3; k++) {
        double base = y - alt * (0.15 + k * 0.25), larg = alt * (0.32 - k * 0.08);
        poligono(cr, {x - larg, base, x + larg, base, x, base - alt * 0.42});
        pinta(cr, claro(c, k * 0.05), 1.0);
    }
}

void arvoreredonda(cairo_t* cr, double x, double y, double alt, Tom tronco, Tom copa) {
    poligono(cr, {x - alt * 0.06, y, x + alt * 0.06, y, x + alt * 0.04, y - alt * 0.55, x - alt * 0.04, y - alt * 0.55});
    pinta(cr, tronco, 1.0);
    double r = alt * 0.28;
    elipse(cr, x - r * 0.6, y - alt * 0.62, r * 0.9, r * 0.8);
    pinta(cr, copa, 1.0);
    elipse(cr, x + r * 0.6, y - alt * 0.6, r * 0.85, r * 0.75);
    pinta(cr, copa, 1.0);
    elipse(cr, x, y - alt * 0.78, r, r * 0.85);
    pinta(cr, claro(copa, 0.08), 1.0);
}

void casinha(cairo_t* cr, double x, double y, double l, Tom parede, Tom telhado, bool luz) {
    poligono(cr, {x - l / 2, y, x - l / 2, y - l * 0.55, x + l / 2, y - l * 0.55, x + l / 2, y});
    pinta(cr, parede, 1.2);
    poligono(cr, {x - l * 0.62, y - l * 0.5, x, y - l * 0.95, x + l * 0.62, y - l * 0.5});
    pinta(cr, telhado, 1.2);
    poligono(cr, {x - l * 0.08, y, x - l * 0.08, y - l * 0.28, x + l * 0.08, y - l * 0.28, x + l * 0.08, y});
    chapado(cr, escuro(parede, 0.6), 0.8);
    poligono(cr, {x + l * 0.2, y - l * 0.3, x + l * 0.36, y - l * 0.3, x + l * 0.36, y - l * 0.16, x + l * 0.2, y - l * 0.16});
    chapado(cr, luz ? hex(0xf8d070) : escuro(parede, 0.5), 0.8);
    if (luz) brilho(cr, x + l * 0.28, y - l * 0.23, l * 0.25, hex(0xf8c060), 0.5);
}

void castelo(cairo_t* cr, double x, double y, double l, Tom c, bool janelas) {
    // keep, two towers and battlements, bottom centre at (x, y)
    cairo_new_path(cr);
    cairo_rectangle(cr, x - l * 0.3, y - l * 0.55, l * 0.6, l * 0.55);
    for (double s : {-1.0, 1.0}) cairo_rectangle(cr, x + s * l * 0.38 - l * 0.1, y - l * 0.8, l * 0.2, l * 0.8);
    cairo_rectangle(cr, x - l * 0.08, y - l * 1.0, l * 0.16, l * 0.5);
    chapado(cr, c, 0);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {x + s * l * 0.38 - l * 0.13, y - l * 0.8, x + s * l * 0.38, y - l * 1.05, x + s * l * 0.38 + l * 0.13, y - l * 0.8});
        chapado(cr, c, 0);
    }
    poligono(cr, {x - l * 0.11, y - l, x, y - l * 1.25, x + l * 0.11, y - l});
    chapado(cr, c, 0);
    for (int k = 0; k < 5; k++) {
        cairo_new_path(cr);
        cairo_rectangle(cr, x - l * 0.3 + k * l * 0.13, y - l * 0.6, l * 0.07, l * 0.06);
        chapado(cr, c, 0);
    }
    if (janelas)
        for (int k = 0; k < 4; k++) {
            double wx = x + (k % 2 ? 1 : -1) * l * (k < 2 ? 0.38 : 0.12), wy = y - l * (k < 2 ? 0.6 : 0.35);
            cairo_new_path(cr);
            cairo_rectangle(cr, wx - l * 0.015, wy, l * 0.03, l * 0.06);
            chapado(cr, hex(0xf0a040), 0);
            brilho(cr, wx, wy + l * 0.03, l * 0.05, hex(0xf0a040), 0.5);
        }
}

void violao(cairo_t* cr, double x, double y, double comp, double ang) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, ang);
    double s = comp / 100;
    cairo_scale(cr, s, s);
    poligono(cr, {8, -3.5, 70, -2.5, 70, 2.5, 8, 3.5});
    pinta(cr, hex(0x5a3418), 1.5);
    poligono(cr, {68, -5, 84, -4.5, 84, 4.5, 68, 5});
    pinta(cr, hex(0x3a2010), 1.5);
    elipse(cr, -18, 0, 20, 18);
    pinta(cr, hex(0xc8803a), 2.0);
    elipse(cr, 4, 0, 15, 13);
    pinta(cr, hex(0xc8803a), 2.0);
    elipse(cr, -18, 0, 20, 18);
    cairo_new_path(cr);
    elipse(cr, -2, 0, 6, 6);
    chapado(cr, hex(0x2a1408), 1.0);
    poligono(cr, {-30, -5, -27, -5, -27, 5, -30, 5});
    chapado(cr, hex(0x3a2010), 0.6);
    for (int k = -2; k <= 2; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, -28.5, k * 1.2);
        cairo_line_to(cr, 80, k * 1.0);
        traco(cr, hex(0xf0e4c0), 0.5);
    }
    cairo_restore(cr);
}

void moldurapintura(cairo_t* cr, double w, double h) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    traco(cr, hex(0x2a1408), 6);
    traco(cr, hex(0xc89838), 3.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 6.5, 6.5, w - 13, h - 13);
    traco(cr, hex(0x5a3a14), 1.2);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    traco(cr, hex(0x1a0e06), 1);
    cairo_new_path(cr);
}

