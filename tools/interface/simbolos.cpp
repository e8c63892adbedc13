// Small symbols shared by buttons, status marks and item icons.
#include "interface/simbolos.h"

#include <cmath>

void sim_refresco(cairo_t* cr, Tom suco, bool grande) {
    if (grande) {
        // jug with a handle
        cairo_new_path(cr);
        cairo_arc(cr, 9, 0, 6, -M_PI / 2, M_PI / 2);
        traco(cr, hex(0x2a2a30), 4);
        traco(cr, hex(0xd8e4e8), 2.2);
        poligono(cr, {-10, -12, 8, -12, 10, 13, -12, 13});
        pinta(cr, hex(0xb8d0d8), 1.3);
        poligono(cr, {-9.5, -5, 8.5, -5, 9.8, 12, -11.5, 12});
        pinta(cr, suco, 0);
        poligono(cr, {-12, -12, -16, -15, -9, -14});
        pinta(cr, hex(0xb8d0d8), 1.0);
    } else {
        poligono(cr, {-8, -10, 8, -10, 6, 12, -6, 12});
        pinta(cr, hex(0xb8d0d8), 1.3);
        poligono(cr, {-7.5, -3, 7.5, -3, 5.8, 11, -5.8, 11});
        pinta(cr, suco, 0);
        // straw and a slice of fruit
        cairo_new_path(cr);
        cairo_move_to(cr, 2, 4);
        cairo_line_to(cr, 6, -15);
        traco(cr, hex(0x3a1a10), 2.6);
        traco(cr, hex(0xe04040), 1.4);
        cairo_new_path(cr);
        cairo_arc(cr, -7, -10, 5, M_PI * 0.6, M_PI * 1.6);
        cairo_close_path(cr);
        pinta(cr, claro(suco, 0.25), 1.0);
    }
    brilho(cr, -4, -2, 4, hex(0xfff8f0), 0.55);
    for (int i = 0; i < 3; i++) {
        elipse(cr, -2 + i * 3, 4 - i * 3, 0.9, 0.9);
        chapado(cr, claro(suco, 0.6), 0);
    }
}

void sim_escudo(cairo_t* cr, Tom metal) {
    cairo_new_path(cr);
    cairo_move_to(cr, -11, -12);
    cairo_line_to(cr, 11, -12);
    cairo_curve_to(cr, 11, 2, 7, 9, 0, 14);
    cairo_curve_to(cr, -7, 9, -11, 2, -11, -12);
    cairo_close_path(cr);
    pinta(cr, metal, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -11);
    cairo_line_to(cr, 0, 12);
    cairo_move_to(cr, -10, -3);
    cairo_line_to(cr, 10, -3);
    traco(cr, escuro(metal, 0.5), 1.4);
}

void sim_espada(cairo_t* cr) {
    poligono(cr, {-2.2, 6, -2.2, -12, 0, -15, 2.2, -12, 2.2, 6});
    pinta(cr, hex(0xd0d4e0), 1.1);
    poligono(cr, {-7, 6, 7, 6, 7, 8.5, -7, 8.5});
    pinta(cr, hex(0xd0a040), 1.0);
    poligono(cr, {-1.5, 8.5, 1.5, 8.5, 1.5, 14, -1.5, 14});
    pinta(cr, hex(0x5a3a20), 0.8);
    elipse(cr, 0, 15, 2.2, 2.2);
    pinta(cr, hex(0xd0a040), 0.8);
}

void sim_esfera(cairo_t* cr) {
    elipse(cr, 0, 0, 13, 13);
    cairo_pattern_t* g = cairo_pattern_create_radial(-4, -5, 1, 0, 0, 13);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.95, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 0.35, 0.6, 0.95, 0.85);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.15, 0.3, 0.8, 1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    traco(cr, hex(0x102060), 1.3);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 9.5, M_PI * 1.1, M_PI * 1.45);
    traco(cr, hex(0xf0f8ff), 1.6);
    cairo_new_path(cr);
}

void sim_olho(cairo_t* cr, bool riscado) {
    cairo_new_path(cr);
    cairo_move_to(cr, -13, 0);
    cairo_curve_to(cr, -6, -9, 6, -9, 13, 0);
    cairo_curve_to(cr, 6, 9, -6, 9, -13, 0);
    cairo_close_path(cr);
    pinta(cr, hex(0xe8ecf0), 1.3);
    elipse(cr, 0, 0, 5, 5);
    pinta(cr, hex(0x6a4ab0), 0.8);
    elipse(cr, 0, 0, 2.2, 2.2);
    chapado(cr, hex(0x100818), 0);
    if (riscado) {
        cairo_new_path(cr);
        cairo_move_to(cr, -11, 10);
        cairo_line_to(cr, 11, -10);
        traco(cr, hex(0x200808), 4);
        traco(cr, hex(0xe03030), 2);
        cairo_new_path(cr);
    }
}

void sim_cruz(cairo_t* cr) {
    poligono(cr, {-4, -12, 4, -12, 4, -4, 12, -4, 12, 4, 4, 4, 4, 12, -4, 12, -4, 4, -12, 4, -12, -4, -4, -4});
    pinta(cr, hex(0x40c050), 1.4);
    brilho(cr, -2, -6, 4, hex(0xe0ffe0), 0.6);
}

void sim_chama(cairo_t* cr, double e) {
    cairo_save(cr);
    cairo_scale(cr, e, e);
    Tom cores[3] = {hex(0xd83010), hex(0xf08820), hex(0xf8e060)};
    for (int k = 0; k < 3; k++) {
        double s = 1 - k * 0.3;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -14 * s);
        cairo_curve_to(cr, 6 * s, -6 * s, 11 * s, 0, 10 * s, 6 * s);
        cairo_curve_to(cr, 9 * s, 12 * s, 4 * s, 14 * s, 0, 14 * s);
        cairo_curve_to(cr, -4 * s, 14 * s, -9 * s, 12 * s, -10 * s, 6 * s);
        cairo_curve_to(cr, -11 * s, 0, -4 * s, -4 * s, -3 * s, -8 * s);
        cairo_curve_to(cr, -1 * s, -6 * s, -1 * s, -10 * s, 0, -14 * s);
        cairo_close_path(cr);
        cairo_translate(cr, 0, 2);
        if (k == 0) pinta(cr, cores[k], 1.2);
        else chapado(cr, cores[k], 0);
    }
    cairo_restore(cr);
}

void sim_caveira(cairo_t* cr, Tom osso) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, -2, 11, M_PI * 0.85, M_PI * 2.15);
    cairo_line_to(cr, 6, 11);
    cairo_line_to(cr, -6, 11);
    cairo_close_path(cr);
    pinta(cr, osso, 1.3);
    for (double s : {-1.0, 1.0}) {
        elipse(cr, s * 4.5, -1, 3.2, 3.6);
        chapado(cr, hex(0x1a1010), 0);
    }
    poligono(cr, {0, 3, 1.8, 6.5, -1.8, 6.5});
    chapado(cr, hex(0x1a1010), 0);
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, -3 + i * 3, 8.5);
        cairo_line_to(cr, -3 + i * 3, 11);
        traco(cr, hex(0x3a2a20), 0.8);
    }
    cairo_new_path(cr);
}

void sim_raio(cairo_t* cr) {
    poligono(cr, {3, -15, -8, 2, -1, 2, -5, 15, 9, -4, 1, -4});
    pinta(cr, hex(0xf8d830), 1.3);
}

void sim_gota(cairo_t* cr, Tom c) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -13);
    cairo_curve_to(cr, 4, -5, 10, -1, 10, 5);
    cairo_curve_to(cr, 10, 11, 5, 14, 0, 14);
    cairo_curve_to(cr, -5, 14, -10, 11, -10, 5);
    cairo_curve_to(cr, -10, -1, -4, -5, 0, -13);
    cairo_close_path(cr);
    pinta(cr, c, 1.3);
    brilho(cr, -4, 4, 3.5, hex(0xf0fff0), 0.7);
}

void sim_estrela(cairo_t* cr, Tom c) {
    cairo_new_path(cr);
    for (int k = 0; k < 10; k++) {
        double a = -M_PI / 2 + k * M_PI / 5, r = k % 2 ? 5.5 : 13;
        cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
    }
    cairo_close_path(cr);
    pinta(cr, c, 1.3);
}

void sim_setacima(cairo_t* cr) {
    poligono(cr, {0, -9, 7, -1, 3, -1, 3, 8, -3, 8, -3, -1, -7, -1});
    pinta(cr, hex(0x50e040), 1.3);
}

void sim_livro(cairo_t* cr, Tom capa, Tom emblema) {
    poligono(cr, {-9, -12, 10, -12, 10, 13, -9, 13});
    pinta(cr, hex(0xf0e4c0), 1.2);
    poligono(cr, {-11, -14, 8, -14, 8, 11, -11, 11});
    pinta(cr, capa, 1.4);
    poligono(cr, {-11, -14, -7, -14, -7, 11, -11, 11});
    pinta(cr, escuro(capa, 0.3), 0.8);
    elipse(cr, 1, -1.5, 4.5, 4.5);
    pinta(cr, emblema, 1.0);
}

void sim_anel(cairo_t* cr, Tom gema) {
    elipse(cr, 0, 3, 10, 9);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, 3);
    cairo_scale(cr, 6.5, 5.5);
    cairo_arc_negative(cr, 0, 0, 1, 2 * M_PI, 0);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    pinta(cr, hex(0xe0b030), 1.2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    poligono(cr, {0, -13, 5.5, -7, 0, -2, -5.5, -7});
    pinta(cr, gema, 1.1);
    brilho(cr, -1.5, -8.5, 2.2, hex(0xfff8f0), 0.9);
}
