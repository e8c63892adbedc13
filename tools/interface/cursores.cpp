// The pointer shapes: the ordinary pointer, the three building ghosts shown while placing a
// building, the service target, the rally flag and the fireball target. Each is drawn so that
// its hot spot (the pixel the game aligns with the mouse) falls where the shell expects it.
#include <cmath>

#include "interface/interface.h"
#include "interface/pintura.h"

static Picture seta() {  // 0: gilded arrow, tip at (3, 0)
    Canvas c(22, 28);
    cairo_t* cr = c.cr;
    poligono(cr, {3, 0.5, 3, 21, 8, 16.5, 12, 25, 15.5, 23.5, 11.5, 15, 18, 15});
    pinta(cr, hex(0xe8c050), 1.4);
    poligono(cr, {4.5, 4, 4.5, 17, 8, 14, 13, 14});
    chapado(cr, hex(0xf8e8a8), 0);
    return figura(c);
}

// A building placement ghost: every other pixel inside the outline is left out, so the
// green or red footprint below shows through.
static Picture fantasma(const Canvas& c) {
    Picture p = figura(c);
    Picture src = p;
    for (int y = 1; y < p.h - 1; y++)
        for (int x = 1; x < p.w - 1; x++) {
            if (src.iswhite(x, y) || (x + y) % 2 == 0) continue;
            bool borda = src.iswhite(x - 1, y) || src.iswhite(x + 1, y) || src.iswhite(x, y - 1) || src.iswhite(x, y + 1);
            if (!borda) p.set(x, y, 255, 255, 255);
        }
    return p;
}

static Picture torre() {  // 1: guard tower, base centre at (28, 65)
    Canvas c(57, 96);
    cairo_t* cr = c.cr;
    Tom pedra = hex(0xb0a898);
    elipse(cr, 28, 84, 24, 9);
    pinta(cr, escuro(pedra, 0.2), 1.4);
    poligono(cr, {12, 84, 14, 26, 42, 26, 44, 84});
    pinta(cr, pedra, 1.4);
    poligono(cr, {7, 28, 49, 28, 49, 15, 7, 15});
    pinta(cr, claro(pedra, 0.15), 1.3);
    for (int i = 0; i < 4; i++) {
        poligono(cr, {7 + i * 11.6, 15, 13 + i * 11.6, 15, 13 + i * 11.6, 9, 7 + i * 11.6, 9});
        pinta(cr, claro(pedra, 0.15), 1.1);
    }
    retarredondado(cr, 25, 36, 6, 13, 3);
    chapado(cr, hex(0x201810), 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 86);
    cairo_line_to(cr, 22, 72);
    cairo_arc(cr, 28, 72, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, 34, 86);
    cairo_close_path(cr);
    pinta(cr, hex(0x5a3418), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 28, 9);
    cairo_line_to(cr, 28, 1);
    traco(cr, hex(0x3a2a1a), 1.4);
    poligono(cr, {28.5, 1, 42, 3.5, 28.5, 7});
    pinta(cr, hex(0x2a5ab8), 0.9);
    return fantasma(c);
}

static Picture fazenda() {  // 2: farm, base centre at (30, 50)
    Canvas c(61, 72);
    cairo_t* cr = c.cr;
    poligono(cr, {8, 68, 8, 32, 30, 14, 52, 32, 52, 68});
    pinta(cr, hex(0xc04a30), 1.4);
    poligono(cr, {3, 34, 30, 10, 57, 34, 52, 36, 30, 16, 8, 36});
    pinta(cr, hex(0x5a3a2a), 1.2);
    poligono(cr, {21, 68, 21, 46, 39, 46, 39, 68});
    pinta(cr, hex(0x8a2a1c), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 46);
    cairo_line_to(cr, 39, 68);
    cairo_move_to(cr, 39, 46);
    cairo_line_to(cr, 21, 68);
    traco(cr, hex(0xf0e4c8), 1.4);
    poligono(cr, {26, 36, 34, 36, 34, 29, 26, 29});
    chapado(cr, hex(0x3a2010), 0.8);
    return fantasma(c);
}

static Picture tienda() {  // 3: shop, base centre at (38, 52)
    Canvas c(77, 72);
    cairo_t* cr = c.cr;
    poligono(cr, {8, 68, 8, 30, 68, 30, 68, 68});
    pinta(cr, hex(0x9a6a38), 1.3);
    poligono(cr, {5, 52, 71, 52, 71, 58, 5, 58});
    pinta(cr, hex(0x6a4420), 1.1);
    Tom sucos[3] = {hex(0xd8e040), hex(0xd02848), hex(0x9a5a20)};
    for (int i = 0; i < 3; i++) {
        retarredondado(cr, 16 + i * 20, 38, 10, 14, 3);
        pinta(cr, sucos[i], 1.1);
    }
    for (double i = 0; i < 7; i++) {
        poligono(cr, {4 + i * 10, 30, 14 + i * 10, 30, 13 + i * 10, 16, 7 + i * 10, 16});
        pinta(cr, int(i) % 2 ? hex(0xf0e4c8) : hex(0x2a8a4a), 0.8);
    }
    poligono(cr, {5, 16, 73, 16, 67, 6, 11, 6});
    pinta(cr, hex(0x7a4a22), 1.2);
    return fantasma(c);
}

static Picture servico() {  // 4: service target, centre (14, 14): a ring with a hammer
    Canvas c(29, 29);
    cairo_t* cr = c.cr;
    elipse(cr, 14, 14, 11, 11);
    traco(cr, hex(0x1a2a10), 3.6);
    traco(cr, hex(0x80e050), 1.8);
    cairo_new_path(cr);
    for (int k = 0; k < 4; k++) {
        double a = k * M_PI / 2;
        cairo_move_to(cr, 14 + std::cos(a) * 8, 14 + std::sin(a) * 8);
        cairo_line_to(cr, 14 + std::cos(a) * 14, 14 + std::sin(a) * 14);
    }
    traco(cr, hex(0x1a2a10), 3.2);
    traco(cr, hex(0x80e050), 1.5);
    elipse(cr, 14, 14, 1.6, 1.6);
    chapado(cr, hex(0xf0f0a0), 0.8);
    return figura(c);
}

static Picture bandeira() {  // 5: rally flag, foot of the pole at (5, 42)
    Canvas c(32, 45);
    cairo_t* cr = c.cr;
    elipse(cr, 6, 42, 5, 2);
    chapado(cr, hex(0x3a2a1a), 0);
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 42);
    cairo_line_to(cr, 5, 3);
    traco(cr, hex(0x2a1a0a), 3.2);
    traco(cr, hex(0xa07040), 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 4);
    cairo_curve_to(cr, 14, 1, 20, 8, 29, 5);
    cairo_line_to(cr, 27, 13);
    cairo_line_to(cr, 29, 21);
    cairo_curve_to(cr, 20, 24, 14, 17, 6, 20);
    cairo_close_path(cr);
    pinta(cr, hex(0x2a6ad0), 1.2);
    elipse(cr, 15, 12, 3, 3);
    pinta(cr, hex(0xe8c040), 0.6);
    elipse(cr, 5, 2.5, 2, 2);
    pinta(cr, hex(0xe8c040), 0.6);
    return figura(c);
}

static Picture alvofogo() {  // 6: fireball target, centre (43, 28)
    Canvas c(87, 57);
    cairo_t* cr = c.cr;
    for (int k = 0; k < 2; k++) {
        elipse(cr, 43, 28, 40 - k * 14, 25 - k * 9);
        traco(cr, hex(0x3a0a04), 3.6);
        traco(cr, k ? hex(0xffc030) : hex(0xf05018), 1.8);
    }
    // runes around the ring
    for (int k = 0; k < 8; k++) {
        double a = k * M_PI / 4 + M_PI / 8;
        double x = 43 + std::cos(a) * 40, y = 28 + std::sin(a) * 25;
        poligono(cr, {x, y - 3, x + 3, y, x, y + 3, x - 3, y});
        pinta(cr, hex(0xffd040), 0.8);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 37, 28);
    cairo_line_to(cr, 49, 28);
    cairo_move_to(cr, 43, 24);
    cairo_line_to(cr, 43, 32);
    traco(cr, hex(0x3a0a04), 3);
    traco(cr, hex(0xffe060), 1.4);
    return figura(c);
}

std::vector<Picture> geracursores() {
    return {seta(), torre(), fazenda(), tienda(), servico(), bandeira(), alvofogo()};
}
