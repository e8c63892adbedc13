// Scene pieces for the slides.
#include "interface/cenas.h"

#include <cmath>
#include <vector>

#include "interface/tecnica.h"

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

void astro(cairo_t* cr, double x, double y, double r, Tom c, double halo) { sol(cr, x, y, r, c, halo); }

void colinas(cairo_t* cr, double w, double h, double y, double a, double fase, Tom c, Tom borda) {
    const double passo = 2;
    std::vector<double> topo;
    for (double x = 0; x <= w + passo; x += passo) {
        double t = x / w * 2 * M_PI;
        topo.push_back(y - a * (0.6 * std::sin(t * 1.3 + fase) + 0.3 * std::sin(t * 3.1 + fase * 2) + 0.1 * std::sin(t * 7 + fase)));
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    for (size_t i = 0; i < topo.size(); i++) cairo_line_to(cr, i * passo, topo[i]);
    cairo_line_to(cr, (topo.size() - 1) * passo, h);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - a, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, borda.r, borda.g, borda.b);
    cairo_pattern_add_color_stop_rgb(g, 0.25, c.r, c.g, c.b);
    Tom e = escuro(c, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, e.r, e.g, e.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Rng rng(uint64_t(fase * 1000) + uint64_t(y));
    relevo(cr, rng, topo, passo, h, a, c, claro(borda, 0.2));
}

void pinheiro(cairo_t* cr, double x, double y, double alt, Tom c) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x - alt * 0.04, y - alt * 0.22, alt * 0.08, alt * 0.22);
    volume(cr, escuro(c, 0.3), 0.2, 0.4, 0);
    Rng rng(uint64_t(x * 131 + y * 7 + alt));
    for (int k = 0; k < 3; k++) {
        double base = y - alt * (0.15 + k * 0.25), larg = alt * (0.32 - k * 0.08), topo = base - alt * 0.42;
        // a tier of boughs: drooping edges, lit on the left, the underside dark
        cairo_new_path(cr);
        cairo_move_to(cr, x, topo);
        cairo_curve_to(cr, x - larg * 0.3, base - alt * 0.2, x - larg * 0.7, base - alt * 0.05, x - larg, base);
        for (int d = 0; d < 4; d++) {
            double x0 = x - larg + d * larg / 2, x1 = x0 + larg / 2;
            cairo_curve_to(cr, x0 + larg * 0.15, base - alt * 0.04, x1 - larg * 0.15, base - alt * 0.04, x1, base + (d % 2 ? 0 : alt * 0.015));
        }
        cairo_curve_to(cr, x + larg * 0.7, base - alt * 0.05, x + larg * 0.3, base - alt * 0.2, x, topo);
        cairo_close_path(cr);
        volume(cr, claro(c, k * 0.05), 0.3, 0.45, 0.1);
        for (int i = 0; i < int(alt * 0.25); i++) {  // needles along the boughs
            double u = rng.range(-1, 1), v = rng.uniform();
            double px = x + u * larg * v, py = topo + (base - topo) * v;
            cairo_new_path(cr);
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + u * 2.5, py + 2.5);
            traco(cr, u < 0 ? claro(c, 0.35) : escuro(c, 0.4), 0.7, 0.6);
        }
        cairo_new_path(cr);
    }
}

void arvoreredonda(cairo_t* cr, double x, double y, double alt, Tom tronco, Tom copa) {
    poligono(cr, {x - alt * 0.06, y, x + alt * 0.06, y, x + alt * 0.04, y - alt * 0.55, x - alt * 0.04, y - alt * 0.55});
    volume(cr, tronco, 0.35, 0.5, 0);
    elipse(cr, x + alt * 0.1, y, alt * 0.25, alt * 0.04);
    cor(cr, hex(0x101808), 0.35);
    cairo_fill(cr);
    double r = alt * 0.28;
    Rng rng(uint64_t(x * 17 + y));
    folhagem(cr, rng, x - r * 0.6, y - alt * 0.62, r * 0.9, r * 0.8, copa, int(r * 5), alt / 70);
    folhagem(cr, rng, x + r * 0.6, y - alt * 0.6, r * 0.85, r * 0.75, copa, int(r * 5), alt / 70);
    folhagem(cr, rng, x, y - alt * 0.78, r, r * 0.85, claro(copa, 0.08), int(r * 6), alt / 70);
}

void casinha(cairo_t* cr, double x, double y, double l, Tom parede, Tom telhado, bool luz) {
    poligono(cr, {x - l / 2, y, x - l / 2, y - l * 0.55, x + l / 2, y - l * 0.55, x + l / 2, y});
    volume(cr, parede, 0.3, 0.45);
    poligono(cr, {x - l / 2, y - l * 0.55, x + l / 2, y - l * 0.55, x + l / 2, y - l * 0.47, x - l / 2, y - l * 0.47});
    cor(cr, hex(0x100808), 0.35);  // the shadow of the eaves
    cairo_fill(cr);
    poligono(cr, {x - l * 0.62, y - l * 0.5, x, y - l * 0.95, x + l * 0.62, y - l * 0.5});
    volume(cr, telhado, 0.35, 0.45, 0.3);
    cairo_new_path(cr);
    cairo_move_to(cr, x - l * 0.62, y - l * 0.5);
    cairo_line_to(cr, x, y - l * 0.95);
    traco(cr, claro(telhado, 0.5), std::max(0.6, l * 0.02), 0.6);
    poligono(cr, {x - l * 0.08, y, x - l * 0.08, y - l * 0.28, x + l * 0.08, y - l * 0.28, x + l * 0.08, y});
    volume(cr, escuro(parede, 0.6), 0.1, 0.3);
    poligono(cr, {x + l * 0.2, y - l * 0.3, x + l * 0.36, y - l * 0.3, x + l * 0.36, y - l * 0.16, x + l * 0.2, y - l * 0.16});
    if (luz) {
        brilho(cr, x + l * 0.28, y - l * 0.23, l * 0.3, hex(0xf8c060), 0.45);
        poligono(cr, {x + l * 0.2, y - l * 0.3, x + l * 0.36, y - l * 0.3, x + l * 0.36, y - l * 0.16, x + l * 0.2, y - l * 0.16});
        bojo(cr, hex(0xf8d070), 0.6, 0.25);
    } else {
        volume(cr, escuro(parede, 0.5), 0.1, 0.2);
    }
}

void castelo(cairo_t* cr, double x, double y, double l, Tom c, bool janelas) {
    // keep, two towers and battlements, bottom centre at (x, y); moonlight on the left edges
    cairo_new_path(cr);
    cairo_rectangle(cr, x - l * 0.3, y - l * 0.55, l * 0.6, l * 0.55);
    for (double s : {-1.0, 1.0}) cairo_rectangle(cr, x + s * l * 0.38 - l * 0.1, y - l * 0.8, l * 0.2, l * 0.8);
    cairo_rectangle(cr, x - l * 0.08, y - l * 1.0, l * 0.16, l * 0.5);
    for (int k = 0; k < 5; k++) cairo_rectangle(cr, x - l * 0.3 + k * l * 0.13, y - l * 0.6, l * 0.07, l * 0.06);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_path_t* corpo = cairo_copy_path(cr);
    volume(cr, c, 0.15, 0.25, 0.2);
    cairo_append_path(cr, corpo);
    aro(cr, claro(c, 0.45), std::max(1.0, l * 0.015), 0.8);
    cairo_new_path(cr);
    cairo_path_destroy(corpo);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {x + s * l * 0.38 - l * 0.13, y - l * 0.8, x + s * l * 0.38, y - l * 1.05, x + s * l * 0.38 + l * 0.13, y - l * 0.8});
        volume(cr, c, 0.2, 0.3, 0.0);
    }
    poligono(cr, {x - l * 0.11, y - l, x, y - l * 1.25, x + l * 0.11, y - l});
    volume(cr, c, 0.2, 0.3, 0.0);
    // the rim of light again over the fill, along the left sides
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + s * l * 0.38 - l * 0.1 + 0.5, y);
        cairo_line_to(cr, x + s * l * 0.38 - l * 0.1 + 0.5, y - l * 0.8);
        traco(cr, claro(c, 0.5), 0.8, 0.6);
    }
    cairo_new_path(cr);
    if (janelas)
        for (int k = 0; k < 4; k++) {
            double wx = x + (k % 2 ? 1 : -1) * l * (k < 2 ? 0.38 : 0.12), wy = y - l * (k < 2 ? 0.6 : 0.35);
            brilho(cr, wx, wy + l * 0.03, l * 0.08, hex(0xf0a040), 0.5);
            retarredondado(cr, wx - l * 0.015, wy, l * 0.03, l * 0.06, l * 0.015);
            bojo(cr, hex(0xf8b850), 0.6, 0.2);
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
    // the shadow the frame throws on the painting, then the gilded moulding lit from the upper left
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_rectangle(cr, 9, 9, w - 18, h - 18);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    sombra(cr, 2, 2, 2.5, 0.6);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    traco(cr, hex(0x2a1408), 6);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.96, 0.82, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 0.3, 0.78, 0.60, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 0.55, 0.92, 0.74, 0.34);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.54, 0.36, 0.12);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    cairo_new_path(cr);
    cairo_move_to(cr, 2.5, h - 3);
    cairo_line_to(cr, 2.5, 2.5);
    cairo_line_to(cr, w - 3, 2.5);
    traco(cr, hex(0xfff0b8), 0.8, 0.6);
    cairo_new_path(cr);
    cairo_rectangle(cr, 6.5, 6.5, w - 13, h - 13);
    traco(cr, hex(0x5a3a14), 1.2);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    traco(cr, hex(0x1a0e06), 1);
    cairo_new_path(cr);
}

