// The painting kit: colours, shapes and soft-shaded fills shared by all interface art.
#include "interface/pintura.h"

#include <algorithm>
#include <cmath>

#include <fontconfig/fontconfig.h>

static const Tom LUZ{1.0, 0.96, 0.86};
static const Tom SOMBRA{0.12, 0.06, 0.08};

Tom hex(uint32_t rgb) { return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0}; }
Tom mistura(Tom a, Tom b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Tom claro(Tom c, double t) { return mistura(c, LUZ, t); }
Tom escuro(Tom c, double t) { return mistura(c, SOMBRA, t); }
void cor(cairo_t* cr, Tom c, double alfa) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alfa); }

void elipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void retarredondado(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_path(cr);
    r = std::min({r, w / 2, h / 2});
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void poligono(cairo_t* cr, std::initializer_list<double> xy) {
    cairo_new_path(cr);
    const double* p = xy.begin();
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
}

void curva(cairo_t* cr, std::initializer_list<double> xy) {
    cairo_new_path(cr);
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (size_t i = 2; i + 5 < xy.size() + 0; i += 6) cairo_curve_to(cr, p[i], p[i + 1], p[i + 2], p[i + 3], p[i + 4], p[i + 5]);
}

void paradasdeluz(cairo_pattern_t* g, Tom luz, double meio, Tom base, Tom sombra) {
    cairo_pattern_add_color_stop_rgb(g, 0, luz.r, luz.g, luz.b);
    cairo_pattern_add_color_stop_rgb(g, meio, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, sombra.r, sombra.g, sombra.b);
}

void pinta(cairo_t* cr, Tom base, double contorno) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    double w = std::max(x1 - x0, 1.0), h = std::max(y1 - y0, 1.0);
    cairo_pattern_t* g = cairo_pattern_create_radial(x0 + w * 0.35, y0 + h * 0.28, 0, x0 + w * 0.45, y0 + h * 0.45,
                                                     std::max(w, h) * 0.75);
    paradasdeluz(g, claro(base, 0.35), 0.55, base, escuro(base, 0.45));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    if (contorno > 0) traco(cr, escuro(base, 0.78), contorno);
    cairo_new_path(cr);
}

void chapado(cairo_t* cr, Tom base, double contorno) {
    cor(cr, base);
    cairo_fill_preserve(cr);
    if (contorno > 0) traco(cr, escuro(base, 0.78), contorno);
    cairo_new_path(cr);
}

void traco(cairo_t* cr, Tom c, double largura, double alfa) {
    cor(cr, c, alfa);
    cairo_set_line_width(cr, largura);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
}

void brilho(cairo_t* cr, double cx, double cy, double r, Tom c, double alfa) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alfa);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void degrade(cairo_t* cr, double w, double h, Tom topo, Tom base) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, topo.r, topo.g, topo.b);
    cairo_pattern_add_color_stop_rgb(g, 1, base.r, base.g, base.b);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void pinceladas(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Tom c, int quantas, double alfa) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < quantas; i++) {
        double px = x + rng.uniform() * w, py = y + rng.uniform() * h;
        double ang = rng.range(-0.5, 0.5), len = rng.range(3, 9), lw = rng.range(1, 3);
        Tom t = mistura(c, rng.uniform() < 0.5 ? LUZ : SOMBRA, rng.range(0, 0.25));
        cor(cr, t, alfa * rng.range(0.5, 1));
        cairo_set_line_width(cr, lw);
        cairo_new_path(cr);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + std::cos(ang) * len, py + std::sin(ang) * len);
        cairo_stroke(cr);
    }
}

void letreiro(cairo_t* cr, const std::string& texto, double cx, double y, double tamanho, Tom dentro, Tom fora,
              double contorno, bool negrito, double largmax) {
    cairo_select_font_face(cr, "TeX Gyre Pagella", CAIRO_FONT_SLANT_NORMAL,
                           negrito ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, tamanho);
    cairo_text_extents_t e;
    cairo_text_extents(cr, texto.c_str(), &e);
    if (largmax > 0 && e.width > largmax) {
        cairo_set_font_size(cr, tamanho * largmax / e.width);
        cairo_text_extents(cr, texto.c_str(), &e);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, y);
    cairo_text_path(cr, texto.c_str());
    if (contorno > 0) traco(cr, fora, contorno);
    cor(cr, dentro);
    cairo_fill(cr);
}

void olhos(cairo_t* cr, double cx, double cy, double dx, double r, Tom iris, bool fechados) {
    for (double s : {-1.0, 1.0}) {
        double x = cx + s * dx;
        if (fechados) {
            cairo_new_path(cr);
            cairo_arc(cr, x, cy - r * 0.2, r * 1.05, 0.15 * M_PI, 0.85 * M_PI);
            traco(cr, hex(0x2a1810), std::max(1.0, r * 0.45));
            cairo_new_path(cr);
            continue;
        }
        elipse(cr, x, cy, r * 1.1, r);
        chapado(cr, hex(0xf4ecdc), 0);
        elipse(cr, x + s * 0.1 * r, cy + 0.1 * r, r * 0.62, r * 0.7);
        chapado(cr, iris, 0);
        elipse(cr, x + s * 0.1 * r, cy + 0.15 * r, r * 0.3, r * 0.35);
        chapado(cr, hex(0x140a08), 0);
        elipse(cr, x - r * 0.2, cy - r * 0.25, r * 0.2, r * 0.2);
        chapado(cr, hex(0xfaf6ec), 0);
        // the upper lid, darker and heavier than the rest of the rim
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x, cy);
        cairo_scale(cr, r * 1.1, r);
        cairo_arc(cr, 0, 0, 1, M_PI * 1.05, M_PI * 1.95);
        cairo_restore(cr);
        traco(cr, hex(0x2a1810), std::max(1.0, r * 0.45));
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x, cy);
        cairo_scale(cr, r * 1.1, r);
        cairo_arc(cr, 0, 0, 1, M_PI * 0.15, M_PI * 0.85);
        cairo_restore(cr);
        traco(cr, hex(0x8a6050), 0.6);
        cairo_new_path(cr);
    }
}

Picture figura(const Canvas& c) {
    Picture p = sprite_from_canvas(c, 110);
    outline_sprite(p, 34, 22, 18);
    return p;
}

Picture opaca(const Canvas& c) { return opaque_from_canvas(c, 20, 14, 12); }

void liberafontes() {
    cairo_debug_reset_static_data();
    FcFini();
}
