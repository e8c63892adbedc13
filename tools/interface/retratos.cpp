// Portrait painters: one routine per character, monster or structure, in a 70 x 70 square.
#include "interface/retratos.h"

#include <cmath>

#include "interface/pintura.h"

// ---------------------------------------------------------------------------------------------
// shared parts
// ---------------------------------------------------------------------------------------------

// Vignetted backdrop: light behind the head, dark corners.
static void fundo(cairo_t* cr, Tom centro, Tom borda) {
    cairo_pattern_t* g = cairo_pattern_create_radial(35, 30, 4, 35, 35, 52);
    cairo_pattern_add_color_stop_rgb(g, 0, centro.r, centro.g, centro.b);
    cairo_pattern_add_color_stop_rgb(g, 1, borda.r, borda.g, borda.b);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 70, 70);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Rng rng(uint64_t(centro.r * 1000 + centro.g * 100 + centro.b * 10));
    pinceladas(cr, rng, 0, 0, 70, 70, mistura(centro, borda, 0.5), 40, 0.18);
}

// Sky and ground backdrop for the structures.
static void paisagem(cairo_t* cr, Tom ceu, Tom horizonte, Tom chao) {
    degrade(cr, 70, 70, ceu, horizonte);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 52);
    cairo_curve_to(cr, 20, 47, 45, 50, 70, 48);
    cairo_line_to(cr, 70, 70);
    cairo_line_to(cr, 0, 70);
    cairo_close_path(cr);
    pinta(cr, chao, 0);
    Rng rng(uint64_t(chao.g * 1000));
    pinceladas(cr, rng, 0, 50, 70, 20, chao, 30, 0.35);
}

static void ombros(cairo_t* cr, Tom roupa) {
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 72);
    cairo_curve_to(cr, 6, 58, 18, 54, 35, 54);
    cairo_curve_to(cr, 52, 54, 64, 58, 66, 72);
    cairo_close_path(cr);
    pinta(cr, roupa, 1.4);
}

static void pescoco(cairo_t* cr, Tom pele) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 29, 44, 12, 13);
    pinta(cr, escuro(pele, 0.15), 1.0);
}

static void rosto(cairo_t* cr, double cx, double cy, double rx, double ry, Tom pele) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - rx, cy - ry * 0.2);
    cairo_curve_to(cr, cx - rx, cy - ry * 1.25, cx + rx, cy - ry * 1.25, cx + rx, cy - ry * 0.2);
    cairo_curve_to(cr, cx + rx, cy + ry * 0.7, cx + rx * 0.45, cy + ry, cx, cy + ry);
    cairo_curve_to(cr, cx - rx * 0.45, cy + ry, cx - rx, cy + ry * 0.7, cx - rx, cy - ry * 0.2);
    cairo_close_path(cr);
    pinta(cr, pele, 1.3);
}

static void orelhas(cairo_t* cr, double cx, double cy, double dx, Tom pele) {
    for (double s : {-1.0, 1.0}) {
        elipse(cr, cx + s * dx, cy, 3.5, 5);
        pinta(cr, escuro(pele, 0.1), 1.1);
    }
}

// Mouth: a smile line, or an open mouth with the inside showing.
static void boca(cairo_t* cr, double cx, double cy, double w, bool aberta, Tom labio = hex(0x8a3a30)) {
    if (aberta) {
        elipse(cr, cx, cy + 1, w * 0.45, w * 0.3);
        chapado(cr, hex(0x4a1512), 1.0);
        elipse(cr, cx, cy + 2.2, w * 0.25, w * 0.12);
        chapado(cr, hex(0xb8504a), 0);
    } else {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - w / 2, cy);
        cairo_curve_to(cr, cx - w / 4, cy + w * 0.25, cx + w / 4, cy + w * 0.25, cx + w / 2, cy);
        traco(cr, labio, 1.3);
        cairo_new_path(cr);
    }
}

static void sobrancelha(cairo_t* cr, double x0, double y0, double x1, double y1, Tom c, double lw) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, (x0 + x1) / 2, std::min(y0, y1) - 1.5, (x0 + x1) / 2, std::min(y0, y1) - 1.5, x1, y1);
    traco(cr, c, lw);
    cairo_new_path(cr);
}

static void nariz(cairo_t* cr, double cx, double cy, double tam, Tom pele) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 0.3, cy - tam);
    cairo_curve_to(cr, cx + tam * 0.4, cy - tam * 0.2, cx + tam * 0.5, cy + tam * 0.3, cx - tam * 0.3, cy + tam * 0.35);
    traco(cr, escuro(pele, 0.45), 1.1);
    cairo_new_path(cr);
}

static void bochechas(cairo_t* cr, double cx, double cy, double dx, Tom c, double alfa) {
    brilho(cr, cx - dx, cy, 4.5, c, alfa);
    brilho(cr, cx + dx, cy, 4.5, c, alfa);
}

// ---------------------------------------------------------------------------------------------
// the player's people
// ---------------------------------------------------------------------------------------------

static void seuvorlando(cairo_t* cr, bool f2) {
    Tom pele = hex(0xd9a074), chapeu = hex(0x7a4a24), cinza = hex(0xc8c0b4);
    fundo(cr, hex(0x6fa0c8), hex(0x1d3350));
    ombros(cr, hex(0x3f7a3a));
    // red scarf
    poligono(cr, {24, 55, 46, 55, 42, 62, 28, 62});
    pinta(cr, hex(0xb83226));
    pescoco(cr, pele);
    orelhas(cr, 35, 36, 17, pele);
    rosto(cr, 35, 36, 16, 17, pele);
    // grey sideburns and bushy beard around the chin
    cairo_new_path(cr);
    cairo_move_to(cr, 19, 33);
    cairo_curve_to(cr, 19, 50, 27, 55, 35, 55);
    cairo_curve_to(cr, 43, 55, 51, 50, 51, 33);
    cairo_curve_to(cr, 48, 44, 43, 47, 35, 47);
    cairo_curve_to(cr, 27, 47, 22, 44, 19, 33);
    cairo_close_path(cr);
    pinta(cr, cinza, 1.2);
    olhos(cr, 35, 33, 6.5, 2.6, hex(0x4a6a30), f2);
    sobrancelha(cr, 25, 29, 32, 29, hex(0x9a9288), 2.4);
    sobrancelha(cr, 38, 29, 45, 29, hex(0x9a9288), 2.4);
    nariz(cr, 35, 38, 4.5, pele);
    elipse(cr, 35, 40, 3.6, 2.6);
    pinta(cr, hex(0xd08a64), 0.9);
    // the big moustache
    cairo_new_path(cr);
    cairo_move_to(cr, 35, 42);
    cairo_curve_to(cr, 30, 40, 24, 41, 22, 47);
    cairo_curve_to(cr, 27, 45, 31, 46, 35, 45);
    cairo_curve_to(cr, 39, 46, 43, 45, 48, 47);
    cairo_curve_to(cr, 46, 41, 40, 40, 35, 42);
    cairo_close_path(cr);
    pinta(cr, hex(0xa8a096), 1.1);
    boca(cr, 35, 48.5, 6, f2);
    // wide-brimmed hat with a band
    elipse(cr, 35, 24, 27, 6);
    pinta(cr, chapeu, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 24);
    cairo_curve_to(cr, 21, 8, 27, 5, 35, 5);
    cairo_curve_to(cr, 43, 5, 49, 8, 49, 24);
    cairo_curve_to(cr, 42, 26, 28, 26, 21, 24);
    cairo_close_path(cr);
    pinta(cr, chapeu, 1.4);
    poligono(cr, {21.5, 19, 48.5, 19, 49, 23.5, 21, 23.5});
    pinta(cr, hex(0x2e1c12), 0.8);
    elipse(cr, 44, 20.5, 2.2, 2.2);
    pinta(cr, hex(0xe0b040), 0.6);
}

static void durbico(cairo_t* cr, bool f2) {
    Tom pele = hex(0xe8b888);
    fundo(cr, hex(0xe0c070), hex(0x6a4418));
    ombros(cr, hex(0x3060a8));
    pescoco(cr, pele);
    orelhas(cr, 35, 38, 15, pele);
    rosto(cr, 35, 38, 14, 15, pele);
    // brown hair tufts under the cap
    poligono(cr, {21, 30, 25, 25, 28, 32, 31, 27, 34, 31});
    pinta(cr, hex(0x6a3a18), 1.0);
    olhos(cr, 35, 37, 5.5, 2.8, hex(0x5a3a1a), f2);
    sobrancelha(cr, 27, 32, 32, 32, hex(0x5a2e12), 1.6);
    sobrancelha(cr, 38, 32, 43, 32, hex(0x5a2e12), 1.6);
    bochechas(cr, 35, 43, 8, hex(0xe06a50), 0.45);
    // freckles
    for (int i = 0; i < 3; i++) {
        elipse(cr, 26 + i * 1.8, 41 + (i % 2), 0.6, 0.6);
        chapado(cr, hex(0xa0603a), 0);
        elipse(cr, 41 + i * 1.8, 41 + ((i + 1) % 2), 0.6, 0.6);
        chapado(cr, hex(0xa0603a), 0);
    }
    nariz(cr, 35, 41, 3, pele);
    if (f2) boca(cr, 35, 46, 7, true);
    else {
        // the big cheeky grin
        cairo_new_path(cr);
        cairo_move_to(cr, 29, 45);
        cairo_curve_to(cr, 31, 50, 39, 50, 41, 45);
        cairo_close_path(cr);
        chapado(cr, hex(0x6a1a14), 1.0);
        poligono(cr, {30.5, 45.6, 39.5, 45.6, 39, 47, 31, 47});
        chapado(cr, hex(0xf2ead8), 0);
    }
    // red cap turned sideways
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 31);
    cairo_curve_to(cr, 19, 16, 51, 16, 50, 31);
    cairo_curve_to(cr, 40, 27, 30, 27, 20, 31);
    cairo_close_path(cr);
    pinta(cr, hex(0xc83020), 1.4);
    poligono(cr, {46, 28, 60, 25, 61, 29, 49, 31});
    pinta(cr, hex(0x982418), 1.2);
    elipse(cr, 35, 18.5, 2, 1.3);
    pinta(cr, hex(0xe8c040), 0.6);
}

static void fidelina(cairo_t* cr, bool f2) {
    Tom pele = hex(0xf0c49c), cabelo = hex(0xa8481e);
    fundo(cr, hex(0xb8e0b0), hex(0x2a5a3a));
    // hair falling behind the shoulders
    cairo_new_path(cr);
    cairo_move_to(cr, 17, 36);
    cairo_curve_to(cr, 12, 52, 14, 66, 22, 68);
    cairo_line_to(cr, 48, 68);
    cairo_curve_to(cr, 56, 66, 58, 52, 53, 36);
    cairo_close_path(cr);
    pinta(cr, cabelo, 1.2);
    ombros(cr, hex(0x7ab0d8));
    // lace collar
    poligono(cr, {27, 55, 35, 61, 43, 55, 40, 54, 35, 57, 30, 54});
    pinta(cr, hex(0xf0e6d0), 0.8);
    pescoco(cr, pele);
    rosto(cr, 35, 36, 14, 16, pele);
    olhos(cr, 35, 36, 5.5, 3, hex(0x3a7a50), f2);
    // lashes
    if (!f2)
        for (double s : {-1.0, 1.0}) {
            cairo_new_path(cr);
            cairo_move_to(cr, 35 + s * 5.5 + s * 3.3, 34.5);
            cairo_line_to(cr, 35 + s * 5.5 + s * 4.6, 33.3);
            traco(cr, hex(0x2a1510), 1.0);
        }
    sobrancelha(cr, 27, 31, 32, 31.5, hex(0x7a3214), 1.2);
    sobrancelha(cr, 38, 31.5, 43, 31, hex(0x7a3214), 1.2);
    bochechas(cr, 35, 42, 7.5, hex(0xf07a70), 0.45);
    nariz(cr, 35, 40, 2.6, pele);
    boca(cr, 35, 45.5, f2 ? 5 : 6, f2, hex(0xb83a40));
    // fringe and side locks
    cairo_new_path(cr);
    cairo_move_to(cr, 19, 38);
    cairo_curve_to(cr, 16, 18, 30, 14, 36, 16);
    cairo_curve_to(cr, 46, 15, 56, 22, 51, 40);
    cairo_curve_to(cr, 48, 30, 43, 25, 36, 24);
    cairo_curve_to(cr, 31, 28, 25, 27, 19, 38);
    cairo_close_path(cr);
    pinta(cr, cabelo, 1.3);
    // a white-and-yellow flower in her hair
    for (int i = 0; i < 5; i++) {
        double a = i * 2 * M_PI / 5;
        elipse(cr, 47 + std::cos(a) * 2.6, 22 + std::sin(a) * 2.6, 2, 2);
        pinta(cr, hex(0xf4d0e0), 0.6);
    }
    elipse(cr, 47, 22, 1.5, 1.5);
    pinta(cr, hex(0xf0c030), 0.5);
}

static void bruxa(cairo_t* cr, bool f2) {
    Tom pele = hex(0xa8c890), roxo = hex(0x5a2a78);
    fundo(cr, hex(0x8a60a8), hex(0x1a0a28));
    // black hair down to the shoulders
    poligono(cr, {16, 30, 54, 30, 58, 62, 12, 62});
    pinta(cr, hex(0x241a2a), 1.2);
    ombros(cr, roxo);
    pescoco(cr, pele);
    rosto(cr, 35, 38, 13, 16, pele);
    olhos(cr, 35, 36, 5.2, 2.6, hex(0xe0c020), f2);
    sobrancelha(cr, 27, 31, 32, 33, hex(0x241a2a), 1.6);
    sobrancelha(cr, 38, 33, 43, 31, hex(0x241a2a), 1.6);
    // long hooked nose with a wart
    cairo_new_path(cr);
    cairo_move_to(cr, 35, 36);
    cairo_curve_to(cr, 38, 40, 42, 44, 39, 45.5);
    cairo_curve_to(cr, 37, 46, 35, 44, 34, 43);
    cairo_close_path(cr);
    pinta(cr, escuro(pele, 0.05), 1.0);
    elipse(cr, 39.5, 42, 0.9, 0.9);
    chapado(cr, hex(0x6a8a4a), 0.4);
    if (f2) boca(cr, 34, 48.5, 6, true);
    else {
        cairo_new_path(cr);
        cairo_move_to(cr, 29, 48);
        cairo_curve_to(cr, 32, 50.5, 37, 50.5, 40, 47);
        traco(cr, hex(0x4a1a3a), 1.4);
    }
    // the tall crooked hat
    elipse(cr, 35, 27, 25, 5.5);
    pinta(cr, roxo, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 27);
    cairo_curve_to(cr, 27, 16, 31, 6, 44, 1);
    cairo_curve_to(cr, 40, 8, 44, 18, 48, 27);
    cairo_curve_to(cr, 40, 29, 30, 29, 22, 27);
    cairo_close_path(cr);
    pinta(cr, roxo, 1.4);
    poligono(cr, {23.5, 23, 46.5, 23, 48, 27, 22, 27});
    pinta(cr, hex(0xc09030), 0.8);
    brilho(cr, 56, 14, 6, hex(0xd0a0ff), 0.6);
}

// ---------------------------------------------------------------------------------------------
// summoned and monsters
// ---------------------------------------------------------------------------------------------

static void esqueleto(cairo_t* cr, bool f2) {
    Tom osso = hex(0xe4d8b8);
    fundo(cr, hex(0x50607a), hex(0x10141c));
    // collar bones and ribs
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 16 + i * 2, 60 + i * 4);
        cairo_curve_to(cr, 26, 56 + i * 4, 44, 56 + i * 4, 54 - i * 2, 60 + i * 4);
        traco(cr, osso, 2.6);
        traco(cr, escuro(osso, 0.7), 0.6);
    }
    poligono(cr, {32, 50, 38, 50, 38, 70, 32, 70});
    pinta(cr, osso, 1.0);
    // skull
    cairo_new_path(cr);
    cairo_arc(cr, 35, 28, 17, M_PI * 0.85, M_PI * 2.15);
    cairo_line_to(cr, 46, 44);
    cairo_line_to(cr, 24, 44);
    cairo_close_path(cr);
    pinta(cr, osso, 1.4);
    // the jaw drops when it talks
    double j = f2 ? 4 : 0;
    poligono(cr, {25, 43 + j, 45, 43 + j, 43, 51 + j, 27, 51 + j});
    pinta(cr, osso, 1.3);
    for (int i = 0; i < 5; i++) {
        poligono(cr, {26.5 + i * 3.6, 43 + j, 29.5 + i * 3.6, 43 + j, 29.5 + i * 3.6, 46 + j, 26.5 + i * 3.6, 46 + j});
        pinta(cr, claro(osso, 0.2), 0.6);
        poligono(cr, {26.5 + i * 3.6, 40, 29.5 + i * 3.6, 40, 29.5 + i * 3.6, 43.4, 26.5 + i * 3.6, 43.4});
        pinta(cr, claro(osso, 0.2), 0.6);
    }
    if (f2) {
        poligono(cr, {26, 43.5, 44, 43.5, 44, 46.5, 26, 46.5});
        chapado(cr, hex(0x1a1010), 0);
    }
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 7, 30, 5, 5.5);
        chapado(cr, hex(0x140c10), 1.0);
        brilho(cr, 35 + s * 7, 31, 3.5, hex(0xff4020), 0.9);
    }
    poligono(cr, {35, 35, 37.5, 40, 32.5, 40});
    chapado(cr, hex(0x241418), 0.6);
    // a crack on the brow
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 12);
    cairo_line_to(cr, 38, 17);
    cairo_line_to(cr, 41, 20);
    traco(cr, escuro(osso, 0.6), 0.9);
}

static void satanas(cairo_t* cr, bool f2) {
    Tom pele = hex(0xc02818);
    fundo(cr, f2 ? hex(0xffb020) : hex(0xf08010), hex(0x3a0804));
    // flames behind
    Rng rng(f2 ? 7 : 3);
    for (int i = 0; i < 9; i++) {
        double x = 4 + i * 7.5 + rng.range(-2, 2), h = rng.range(16, 34);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 6, 70);
        cairo_curve_to(cr, x - 6, 60, x + 3, 70 - h * 0.6, x, 70 - h);
        cairo_curve_to(cr, x + 7, 70 - h * 0.5, x + 6, 62, x + 6, 70);
        cairo_close_path(cr);
        cor(cr, hex(0xffd040), 0.55);
        cairo_fill(cr);
    }
    ombros(cr, hex(0x5a0c08));
    // horns
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 9, 22);
        cairo_curve_to(cr, 35 + s * 16, 18, 35 + s * 22, 10, 35 + s * 20, 1);
        cairo_curve_to(cr, 35 + s * 27, 10, 35 + s * 22, 22, 35 + s * 14, 28);
        cairo_close_path(cr);
        pinta(cr, hex(0x2a2020), 1.2);
    }
    // pointed ears
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 14, 32, 35 + s * 24, 26, 35 + s * 15, 40});
        pinta(cr, pele, 1.1);
    }
    rosto(cr, 35, 36, 15, 17, pele);
    // angry brows and glowing eyes
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 2, 31, 35 + s * 12, 27, 35 + s * 12, 30, 35 + s * 3, 33.5});
        chapado(cr, hex(0x2a0806), 0.8);
        elipse(cr, 35 + s * 6.5, 35, 3.2, 2);
        chapado(cr, hex(0xffe040), 0.8);
        elipse(cr, 35 + s * 6.5, 35, 0.9, 1.8);
        chapado(cr, hex(0x200000), 0);
    }
    nariz(cr, 35, 40, 3, pele);
    // fanged grin, wider when it roars
    double a = f2 ? 5 : 2;
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 45);
    cairo_curve_to(cr, 30, 47 + a, 40, 47 + a, 44, 45);
    cairo_curve_to(cr, 40, 47, 30, 47, 26, 45);
    cairo_close_path(cr);
    chapado(cr, hex(0x300404), 1.0);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 4, 45.6, 35 + s * 6.5, 45.8, 35 + s * 5.3, 48.5 + a * 0.4});
        chapado(cr, hex(0xf0e8d0), 0.4);
    }
    // goatee
    poligono(cr, {32, 51, 38, 51, 35, 58});
    pinta(cr, hex(0x2a1010), 0.9);
}

static void bau(cairo_t* cr, bool f2) {
    fundo(cr, hex(0x6a5a3a), hex(0x1a1208));
    Tom madeira = hex(0x8a5428), ferro = hex(0x6a6a72), ouro = hex(0xe8b830);
    if (f2) brilho(cr, 35, 30, 30, hex(0xffe080), 0.8);
    // body
    retarredondado(cr, 10, 34, 50, 26, 2);
    pinta(cr, madeira, 1.4);
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 11, 41 + i * 7);
        cairo_line_to(cr, 59, 41 + i * 7);
        traco(cr, escuro(madeira, 0.4), 0.7);
    }
    if (f2) {
        // lid thrown back, gold spilling over the rim
        poligono(cr, {10, 34, 60, 34, 56, 14, 14, 14});
        pinta(cr, escuro(madeira, 0.3), 1.3);
        for (int i = 0; i < 9; i++) {
            elipse(cr, 16 + i * 4.8, 33 - (i % 3) * 1.8, 3.2, 2.2);
            pinta(cr, ouro, 0.7);
        }
        elipse(cr, 33, 27, 4, 4);
        pinta(cr, hex(0xd03040), 0.8);
        brilho(cr, 32, 26, 2, hex(0xfff4e0), 0.9);
    } else {
        cairo_new_path(cr);
        cairo_move_to(cr, 10, 34);
        cairo_curve_to(cr, 10, 18, 60, 18, 60, 34);
        cairo_close_path(cr);
        pinta(cr, madeira, 1.4);
    }
    // iron bands and the lock
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 17 - 2.5, 34, 35 + s * 17 + 2.5, 34, 35 + s * 17 + 2.5, 60, 35 + s * 17 - 2.5, 60});
        pinta(cr, ferro, 0.8);
    }
    retarredondado(cr, 31, 31, 8, 9, 1.5);
    pinta(cr, ouro, 1.0);
    elipse(cr, 35, 35, 1, 1.4);
    chapado(cr, hex(0x2a1a08), 0);
}

static void aranha(cairo_t* cr, bool f2) {
    Tom corpo = hex(0x3a2a40);
    fundo(cr, hex(0x5a6a3a), hex(0x0c1008));
    // web threads
    for (int i = 0; i < 6; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35, 35);
        cairo_line_to(cr, 35 + std::cos(i * 1.05 + 0.3) * 60, 35 + std::sin(i * 1.05 + 0.3) * 60);
        traco(cr, hex(0xc8c8b0), 0.5, 0.5);
    }
    // legs, raised when it hisses
    double lev = f2 ? -4 : 0;
    for (double s : {-1.0, 1.0})
        for (int i = 0; i < 4; i++) {
            double y0 = 34 + i * 5;
            cairo_new_path(cr);
            cairo_move_to(cr, 35 + s * 10, y0);
            cairo_curve_to(cr, 35 + s * 22, y0 - 14 + lev, 35 + s * 28, y0 - 10 + lev, 35 + s * 33, y0 + 12);
            traco(cr, hex(0x1a1220), 3.6);
            traco(cr, corpo, 2.0);
        }
    elipse(cr, 35, 58, 16, 13);
    pinta(cr, corpo, 1.3);
    // red hourglass on the back
    poligono(cr, {31, 53, 39, 53, 35, 58, 39, 63, 31, 63, 35, 58});
    chapado(cr, hex(0xc02020), 0.6);
    elipse(cr, 35, 38, 14, 12);
    pinta(cr, corpo, 1.3);
    // hairs
    Rng rng(13);
    for (int i = 0; i < 30; i++) {
        double a = rng.range(0, 2 * M_PI), r = rng.range(8, 13);
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + std::cos(a) * r, 38 + std::sin(a) * r * 0.85);
        cairo_rel_line_to(cr, std::cos(a) * 2.5, std::sin(a) * 2.5);
        traco(cr, hex(0x6a5a70), 0.7);
    }
    // eight red eyes
    double ex[8] = {-6, 6, -3, 3, -9, 9, -11, 11}, ey[8] = {33, 33, 30, 30, 31, 31, 35, 35}, er[8] = {2.8, 2.8, 2, 2, 1.6, 1.6, 1.3, 1.3};
    for (int i = 0; i < 8; i++) {
        elipse(cr, 35 + ex[i], ey[i], er[i], er[i]);
        pinta(cr, hex(0xe02818), 0.6);
        brilho(cr, 35 + ex[i] - 0.5, ey[i] - 0.6, er[i] * 0.5, hex(0xffe0d0), 0.9);
    }
    // fangs dripping venom
    double a = f2 ? 3 : 0;
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 2, 42);
        cairo_curve_to(cr, 35 + s * (8 + a), 45, 35 + s * (7 + a), 52, 35 + s * (1 + a * 0.5), 55);
        cairo_curve_to(cr, 35 + s * (4 + a), 50, 35 + s * 4.5, 47, 35 + s * 0.5, 45);
        cairo_close_path(cr);
        pinta(cr, hex(0xf0e4c8), 1.2);
    }
    if (f2) {
        elipse(cr, 33, 55, 1.2, 2);
        chapado(cr, hex(0x70e040), 0.5);
    }
}

static void carnical(cairo_t* cr, bool f2) {
    Tom pele = hex(0x8a9a78);
    fundo(cr, hex(0x6a7a60), hex(0x141a10));
    ombros(cr, hex(0x4a3a30));
    // ragged collar
    poligono(cr, {14, 62, 20, 56, 24, 62, 30, 55, 35, 62, 40, 55, 46, 62, 50, 56, 56, 62, 60, 70, 10, 70});
    pinta(cr, hex(0x5a4a3a), 1.0);
    pescoco(cr, pele);
    // long pointed ears
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 13, 30, 35 + s * 28, 18, 35 + s * 15, 40});
        pinta(cr, pele, 1.1);
    }
    rosto(cr, 35, 36, 14, 18, pele);
    // sunken sockets and small white eyes
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 6, 33, 4.5, 3.8);
        chapado(cr, hex(0x2a3020), 0);
        if (!f2) {
            elipse(cr, 35 + s * 6, 33.5, 1.6, 1.6);
            chapado(cr, hex(0xe8f0c0), 0);
        }
    }
    // ribs of the cheeks
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 11, 37);
        cairo_curve_to(cr, 35 + s * 9, 42, 35 + s * 8, 44, 35 + s * 6, 46);
        traco(cr, escuro(pele, 0.4), 1.0);
    }
    poligono(cr, {33.5, 37, 36.5, 37, 35, 41});
    chapado(cr, hex(0x2a3020), 0);
    // gaping mouth full of needle teeth
    double a = f2 ? 7 : 3;
    elipse(cr, 35, 47 + a / 2, 8, a);
    chapado(cr, hex(0x2a0a08), 1.0);
    for (int i = 0; i < 6; i++) {
        double x = 29 + i * 2.4;
        poligono(cr, {x - 0.9, 47 + a / 2 - a, x + 0.9, 47 + a / 2 - a, x, 47 + a / 2 - a + 3});
        chapado(cr, hex(0xe8e0c0), 0);
        poligono(cr, {x - 0.9, 47 + a / 2 + a, x + 0.9, 47 + a / 2 + a, x, 47 + a / 2 + a - 3});
        chapado(cr, hex(0xe8e0c0), 0);
    }
    // wisps of hair
    for (int i = 0; i < 5; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 27 + i * 4, 20);
        cairo_curve_to(cr, 25 + i * 4, 15, 30 + i * 4, 12, 27 + i * 4.5, 8);
        traco(cr, hex(0x3a3a30), 1.2);
    }
}

static void murloc(cairo_t* cr, bool f2) {
    Tom pele = hex(0x4aa080), ventre = hex(0xc8d8a0);
    fundo(cr, hex(0x60b8c8), hex(0x0a2a40));
    // bubbles
    for (int i = 0; i < 5; i++) {
        elipse(cr, 8 + i * 13, 10 + (i % 3) * 6, 2 + (i % 2), 2 + (i % 2));
        traco(cr, hex(0xd0f0f0), 0.8, 0.7);
    }
    ombros(cr, escuro(pele, 0.15));
    // the fin crest
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 22);
    cairo_curve_to(cr, 22, 10, 30, 2, 35, 4);
    cairo_curve_to(cr, 42, 2, 50, 10, 46, 22);
    cairo_close_path(cr);
    pinta(cr, hex(0xd86048), 1.2);
    for (int i = 0; i < 4; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 29 + i * 4, 20);
        cairo_line_to(cr, 28 + i * 4.5, 6);
        traco(cr, hex(0x8a2a20), 0.9);
    }
    // round head, wide frog mouth
    elipse(cr, 35, 38, 20, 18);
    pinta(cr, pele, 1.4);
    elipse(cr, 35, 47, 14, 8);
    pinta(cr, ventre, 0);
    // side fins
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 19, 34, 35 + s * 31, 28, 35 + s * 29, 40, 35 + s * 19, 42});
        pinta(cr, hex(0xd86048), 1.0);
    }
    // bulging yellow eyes
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 9, 30, 5.5, 5.5);
        pinta(cr, hex(0xf0e060), 1.1);
        elipse(cr, 35 + s * 9, 30.5, 2.2, 3.6);
        chapado(cr, hex(0x101008), 0);
        brilho(cr, 35 + s * 9 - 1.5, 28.5, 1.5, hex(0xfffff0), 0.9);
    }
    double a = f2 ? 6 : 1.5;
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 42);
    cairo_curve_to(cr, 27, 46 + a, 43, 46 + a, 49, 42);
    cairo_curve_to(cr, 43, 45, 27, 45, 21, 42);
    cairo_close_path(cr);
    chapado(cr, hex(0x3a1018), 1.0);
    for (int i = 0; i < 7; i++) {
        double x = 25 + i * 3.3;
        poligono(cr, {x - 0.8, 43.6, x + 0.8, 43.6, x, 45.6});
        chapado(cr, hex(0xf0ecd8), 0);
    }
}

static void orc(cairo_t* cr, bool f2) {
    Tom pele = hex(0x6a9a40);
    fundo(cr, hex(0xb08050), hex(0x2a1a0a));
    ombros(cr, hex(0x5a4a40));
    // spiked shoulder plates
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 22, 64, 13, 8);
        pinta(cr, hex(0x7a7a80), 1.2);
        poligono(cr, {35 + s * 20, 58, 35 + s * 24, 46, 35 + s * 26, 58});
        pinta(cr, hex(0xa0a0a8), 0.9);
    }
    pescoco(cr, pele);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 14, 30, 35 + s * 24, 26, 35 + s * 15, 38});
        pinta(cr, pele, 1.1);
    }
    rosto(cr, 35, 37, 16, 17, pele);
    // heavy jaw
    poligono(cr, {22, 42, 48, 42, 46, 54, 24, 54});
    pinta(cr, pele, 1.2);
    // brow ridge and red eyes
    poligono(cr, {21, 30, 49, 30, 47, 34, 23, 34});
    pinta(cr, escuro(pele, 0.2), 0.9);
    olhos(cr, 35, 36, 6.5, 2.2, hex(0xd02010), false);
    nariz(cr, 35, 41, 3, pele);
    elipse(cr, 33, 42, 1, 0.8);
    chapado(cr, hex(0x2a3a10), 0);
    elipse(cr, 37, 42, 1, 0.8);
    chapado(cr, hex(0x2a3a10), 0);
    double a = f2 ? 4 : 0;
    cairo_new_path(cr);
    cairo_move_to(cr, 27, 47);
    cairo_curve_to(cr, 31, 48 + a, 39, 48 + a, 43, 47);
    cairo_curve_to(cr, 39, 49 + a * 1.3, 31, 49 + a * 1.3, 27, 47);
    cairo_close_path(cr);
    chapado(cr, hex(0x2a0a08), 1.2);
    // tusks
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 6, 48, 35 + s * 9, 48, 35 + s * 8.5, 40});
        pinta(cr, hex(0xf0e6c8), 0.8);
    }
    // black topknot
    cairo_new_path(cr);
    cairo_move_to(cr, 31, 21);
    cairo_curve_to(cr, 28, 10, 40, 2, 44, 8);
    cairo_curve_to(cr, 38, 8, 38, 14, 39, 21);
    cairo_close_path(cr);
    pinta(cr, hex(0x1a1410), 1.0);
    // war paint
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 11, 38);
        cairo_line_to(cr, 35 + s * 13, 44);
        traco(cr, hex(0xb02018), 1.6);
    }
}

static void lobo(cairo_t* cr, bool f2) {
    Tom pelo = hex(0x7a7a84), claro2 = hex(0xd0ccc4);
    fundo(cr, hex(0x4a5a78), hex(0x0a0e18));
    // full moon
    elipse(cr, 56, 13, 9, 9);
    pinta(cr, hex(0xf0e8c0), 0);
    // ears
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 6, 22, 35 + s * 18, 3, 35 + s * 20, 26});
        pinta(cr, pelo, 1.2);
        poligono(cr, {35 + s * 10, 21, 35 + s * 17, 9, 35 + s * 17, 23});
        chapado(cr, hex(0xa06a60), 0);
    }
    // fur ruff
    cairo_new_path(cr);
    for (int i = 0; i <= 16; i++) {
        double a = M_PI * 0.05 + M_PI * 0.9 * i / 16, r = (i % 2) ? 31 : 26;
        cairo_line_to(cr, 35 + std::cos(a) * r * -1, 42 + std::sin(a) * r * 0.9);
    }
    cairo_close_path(cr);
    pinta(cr, escuro(pelo, 0.15), 1.2);
    elipse(cr, 35, 33, 17, 16);
    pinta(cr, pelo, 1.3);
    // long snout
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 36);
    cairo_curve_to(cr, 26, 50, 30, 56, 35, 56);
    cairo_curve_to(cr, 40, 56, 44, 50, 44, 36);
    cairo_close_path(cr);
    pinta(cr, claro2, 1.2);
    elipse(cr, 35, 41, 4, 3);
    pinta(cr, hex(0x1a1418), 0.8);
    // yellow eyes, slanted brows
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 4, 31, 35 + s * 11, 28, 35 + s * 11, 32.5, 35 + s * 5, 33});
        pinta(cr, hex(0xf0c020), 0.8);
        elipse(cr, 35 + s * 8, 30.5, 0.9, 1.8);
        chapado(cr, hex(0x100808), 0);
    }
    // open snarl shows the fangs
    if (f2) {
        elipse(cr, 35, 51, 6, 4);
        chapado(cr, hex(0x3a0a0a), 1.0);
        elipse(cr, 35, 53, 3, 1.5);
        chapado(cr, hex(0xc04848), 0);
    } else {
        cairo_new_path(cr);
        cairo_move_to(cr, 29, 49);
        cairo_curve_to(cr, 32, 51, 38, 51, 41, 49);
        traco(cr, hex(0x2a1a18), 1.3);
    }
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 3, 48.5, 35 + s * 5, 48.5, 35 + s * 4, 52.5});
        chapado(cr, hex(0xf4ecd8), 0.5);
    }
}

static void monstropedra(cairo_t* cr) {
    Tom pedra = hex(0x8a8478);
    fundo(cr, hex(0x7a6a5a), hex(0x1a140e));
    // boulder shoulders
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 8, 70, 35 + s * 10, 56, 35 + s * 24, 50, 35 + s * 34, 58, 35 + s * 34, 70});
        pinta(cr, escuro(pedra, 0.1), 1.4);
    }
    // blocky head
    poligono(cr, {18, 18, 30, 10, 46, 12, 54, 22, 52, 46, 42, 56, 26, 55, 16, 44});
    pinta(cr, pedra, 1.5);
    // cracks
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 11);
    cairo_line_to(cr, 27, 20);
    cairo_line_to(cr, 31, 24);
    traco(cr, escuro(pedra, 0.55), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 52, 34);
    cairo_line_to(cr, 46, 37);
    cairo_line_to(cr, 47, 44);
    traco(cr, escuro(pedra, 0.55), 1.0);
    // moss on the crown
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 18);
    cairo_curve_to(cr, 28, 8, 42, 8, 52, 20);
    cairo_curve_to(cr, 46, 18, 44, 22, 38, 18);
    cairo_curve_to(cr, 32, 22, 28, 17, 20, 18);
    cairo_close_path(cr);
    pinta(cr, hex(0x5a8a3a), 1.0);
    // heavy brow and glowing eyes
    poligono(cr, {20, 28, 50, 28, 48, 33, 22, 33});
    pinta(cr, escuro(pedra, 0.2), 1.0);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 4, 34, 35 + s * 11, 34, 35 + s * 10, 37, 35 + s * 5, 37});
        chapado(cr, hex(0x201008), 0);
        brilho(cr, 35 + s * 7.5, 35.5, 5, hex(0xff9020), 0.9);
    }
    // slab mouth
    poligono(cr, {26, 45, 44, 45, 42, 49, 28, 49});
    chapado(cr, hex(0x2a2018), 1.0);
    brilho(cr, 35, 47, 6, hex(0xff8020), 0.4);
}

static void ogro(cairo_t* cr, bool f2) {
    Tom pele = hex(0xb08a5a);
    fundo(cr, hex(0x8a9a5a), hex(0x1a200a));
    ombros(cr, hex(0x6a4a2a));
    // fur strap
    poligono(cr, {14, 70, 30, 54, 38, 56, 22, 70});
    pinta(cr, hex(0x4a3420), 1.0);
    // big ears with rings
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 21, 34, 5, 7);
        pinta(cr, pele, 1.2);
        elipse(cr, 35 + s * 22, 41, 2, 2);
        traco(cr, hex(0xe0b030), 1.2);
        cairo_new_path(cr);
    }
    // wide head, small skull top
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 22);
    cairo_curve_to(cr, 26, 8, 44, 8, 48, 22);
    cairo_curve_to(cr, 58, 34, 56, 54, 35, 58);
    cairo_curve_to(cr, 14, 54, 12, 34, 22, 22);
    cairo_close_path(cr);
    pinta(cr, pele, 1.5);
    // a single tuft
    cairo_new_path(cr);
    cairo_move_to(cr, 33, 12);
    cairo_curve_to(cr, 30, 4, 38, 2, 36, 9);
    traco(cr, hex(0x2a1a10), 2.0);
    // small mean eyes under one heavy, frowning brow
    olhos(cr, 35, 33.5, 7, 2.5, hex(0xa02a10), f2);
    cairo_new_path(cr);
    cairo_move_to(cr, 23, 28);
    cairo_curve_to(cr, 28, 27, 32, 31, 35, 32);
    cairo_curve_to(cr, 38, 31, 42, 27, 47, 28);
    cairo_curve_to(cr, 43, 25, 38, 27, 35, 28.5);
    cairo_curve_to(cr, 32, 27, 27, 25, 23, 28);
    cairo_close_path(cr);
    pinta(cr, hex(0x3a2414), 1.0);
    // wide flat nose
    elipse(cr, 35, 39, 5, 3.2);
    pinta(cr, escuro(pele, 0.1), 1.0);
    // underbite with two teeth up
    double a = f2 ? 3 : 0;
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 46);
    cairo_curve_to(cr, 30, 44 + a, 40, 44 + a, 46, 46);
    cairo_curve_to(cr, 40, 51 + a, 30, 51 + a, 24, 46);
    cairo_close_path(cr);
    chapado(cr, hex(0x3a140a), 1.2);
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {35 + s * 5, 48 + a * 0.5, 35 + s * 8, 48 + a * 0.5, 35 + s * 6.5, 43 + a * 0.5});
        pinta(cr, hex(0xece0c0), 0.7);
    }
}

static void arvore(cairo_t* cr, bool f2) {
    Tom casca = hex(0x6a4a2a), folha = hex(0x4a8a2a);
    fundo(cr, hex(0x7ab060), hex(0x0a1a08));
    // leafy crown
    Rng rng(5);
    for (int i = 0; i < 14; i++) {
        double a = i * 2 * M_PI / 14;
        elipse(cr, 35 + std::cos(a) * 22 + rng.range(-2, 2), 14 + std::sin(a) * 10 + rng.range(-2, 2), 9, 7);
        pinta(cr, mistura(folha, hex(0x8ab040), rng.uniform() * 0.5), 1.0);
    }
    // trunk face
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 70);
    cairo_curve_to(cr, 20, 50, 14, 30, 20, 16);
    cairo_curve_to(cr, 28, 12, 42, 12, 50, 16);
    cairo_curve_to(cr, 56, 30, 50, 50, 54, 70);
    cairo_close_path(cr);
    pinta(cr, casca, 1.5);
    // bark grooves
    for (int i = 0; i < 5; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 21 + i * 7, 18);
        cairo_curve_to(cr, 19 + i * 7, 30, 24 + i * 7, 50, 21 + i * 7, 68);
        traco(cr, escuro(casca, 0.45), 0.9, 0.7);
    }
    // knot-hole eyes glowing green
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 35 + s * 8, 32, 5, 4);
        chapado(cr, hex(0x1a0e06), 1.0);
        if (!f2) brilho(cr, 35 + s * 8, 32.5, 4, hex(0x90ff40), 1.0);
        else {
            cairo_new_path(cr);
            cairo_move_to(cr, 35 + s * 8 - 4, 32);
            cairo_line_to(cr, 35 + s * 8 + 4, 32);
            traco(cr, hex(0x90ff40), 1.2);
        }
        poligono(cr, {35 + s * 2, 26, 35 + s * 14, 24, 35 + s * 13, 27.5, 35 + s * 3, 28.5});
        pinta(cr, escuro(casca, 0.2), 0.8);
    }
    // moaning mouth
    double a = f2 ? 7 : 4;
    elipse(cr, 35, 47, 7, a);
    chapado(cr, hex(0x1a0e06), 1.2);
    // branch arms
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 16, 46);
        cairo_curve_to(cr, 35 + s * 24, 42, 35 + s * 28, 36, 35 + s * 33, 30);
        traco(cr, escuro(casca, 0.6), 4.5);
        traco(cr, casca, 2.8);
    }
}

static void portal(cairo_t* cr, bool f2) {
    fundo(cr, hex(0x3a3050), hex(0x08060e));
    // swirl
    cairo_save(cr);
    cairo_translate(cr, 35, 37);
    elipse(cr, 0, 0, 20, 26);
    chapado(cr, hex(0x200838), 0);
    for (int i = 0; i < 5; i++) {
        cairo_new_path(cr);
        double rot = (f2 ? 0.6 : 0) + i * 2 * M_PI / 5;
        for (int k = 0; k < 30; k++) {
            double t = k / 29.0, a = rot + t * 4.0, r = 2 + t * 18;
            cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r * 1.3);
        }
        traco(cr, mistura(hex(0xa040f0), hex(0x40e0f0), i / 5.0), 2.2, 0.9);
    }
    brilho(cr, 0, 0, 10, hex(0xf0c0ff), 0.9);
    cairo_restore(cr);
    // stone arch
    cairo_new_path(cr);
    cairo_arc(cr, 35, 37, 25, M_PI * 0.62, M_PI * 2.38);
    cairo_arc_negative(cr, 35, 37, 19, M_PI * 2.38, M_PI * 0.62);
    cairo_close_path(cr);
    pinta(cr, hex(0x6a6478), 1.4);
    for (int i = 0; i < 9; i++) {
        double a = M_PI * 0.62 + i * (M_PI * 1.76) / 8;
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + std::cos(a) * 19, 37 + std::sin(a) * 19);
        cairo_line_to(cr, 35 + std::cos(a) * 25, 37 + std::sin(a) * 25);
        traco(cr, hex(0x2a2434), 1.0);
        // runes glow in turns
        if ((i + (f2 ? 1 : 0)) % 2 == 0) brilho(cr, 35 + std::cos(a + 0.1) * 22, 37 + std::sin(a + 0.1) * 22, 2.5, hex(0xc070ff), 1.0);
    }
    poligono(cr, {6, 62, 64, 62, 66, 70, 4, 70});
    pinta(cr, hex(0x4a4458), 1.0);
}

// ---------------------------------------------------------------------------------------------
// structures
// ---------------------------------------------------------------------------------------------

// A round stone tower with battlements; banner and window colours tell friend from foe.
static void torre(cairo_t* cr, Tom pedra, Tom bandeira, Tom janela, bool inimiga) {
    if (inimiga) paisagem(cr, hex(0x5a2030), hex(0xc05a3a), hex(0x3a3a2a));
    else paisagem(cr, hex(0x70a8e0), hex(0xe8d8b0), hex(0x5a9a3a));
    // body
    poligono(cr, {22, 64, 24, 22, 46, 22, 48, 64});
    pinta(cr, pedra, 1.4);
    for (int r = 0; r < 7; r++)
        for (int c = 0; c < 3; c++) {
            double x = 24 + c * 8 + (r % 2) * 4, y = 25 + r * 6;
            cairo_new_path(cr);
            cairo_rectangle(cr, x, y, 7, 5);
            traco(cr, escuro(pedra, 0.4), 0.6, 0.6);
        }
    // battlements
    poligono(cr, {18, 24, 52, 24, 52, 14, 18, 14});
    pinta(cr, claro(pedra, 0.1), 1.3);
    for (int i = 0; i < 4; i++) {
        poligono(cr, {18 + i * 9.4, 14, 23 + i * 9.4, 14, 23 + i * 9.4, 9, 18 + i * 9.4, 9});
        pinta(cr, claro(pedra, 0.1), 1.1);
    }
    // arrow-slit window and door
    retarredondado(cr, 32, 30, 6, 11, 3);
    chapado(cr, janela, 0.9);
    if (inimiga) brilho(cr, 35, 35, 7, hex(0xff5020), 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 64);
    cairo_line_to(cr, 30, 54);
    cairo_arc(cr, 35, 54, 5, M_PI, 2 * M_PI);
    cairo_line_to(cr, 40, 64);
    cairo_close_path(cr);
    pinta(cr, hex(0x5a3418), 1.0);
    // banner on a pole
    cairo_new_path(cr);
    cairo_move_to(cr, 35, 9);
    cairo_line_to(cr, 35, 0);
    traco(cr, hex(0x3a2a1a), 1.4);
    poligono(cr, {35.5, 0.5, 50, 3, 35.5, 7});
    pinta(cr, bandeira, 0.9);
    if (inimiga) {
        // skulls hung from the battlements
        for (double s : {-1.0, 1.0}) {
            elipse(cr, 35 + s * 12, 19, 2.4, 2.4);
            pinta(cr, hex(0xe0d8c0), 0.6);
        }
    }
}

static void fazenda(cairo_t* cr) {
    paisagem(cr, hex(0x80b8e8), hex(0xf0e0a8), hex(0xc8a040));
    // wheat rows
    for (int i = 0; i < 12; i++) {
        cairo_new_path(cr);
        cairo_move_to(cr, i * 6 + 2, 70);
        cairo_line_to(cr, i * 6 + 4, 56);
        traco(cr, hex(0xe8c050), 1.5);
    }
    // red barn
    poligono(cr, {12, 58, 12, 32, 35, 16, 58, 32, 58, 58});
    pinta(cr, hex(0xb83a28), 1.4);
    poligono(cr, {8, 34, 35, 13, 62, 34, 58, 36, 35, 18, 12, 36});
    pinta(cr, hex(0x5a3a2a), 1.2);
    // doors with the white cross (cream)
    poligono(cr, {26, 58, 26, 40, 44, 40, 44, 58});
    pinta(cr, hex(0x8a2a1c), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 40);
    cairo_line_to(cr, 44, 58);
    cairo_move_to(cr, 44, 40);
    cairo_line_to(cr, 26, 58);
    cairo_move_to(cr, 35, 40);
    cairo_line_to(cr, 35, 58);
    traco(cr, hex(0xf0e4c8), 1.4);
    // hay loft window
    poligono(cr, {31, 34, 39, 34, 39, 28, 31, 28});
    chapado(cr, hex(0x3a2010), 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, 32, 33);
    cairo_line_to(cr, 34, 30);
    cairo_line_to(cr, 37, 33);
    traco(cr, hex(0xf0c850), 1.2);
    // sun
    brilho(cr, 58, 10, 10, hex(0xfff0a0), 0.9);
}

static void tienda(cairo_t* cr) {
    paisagem(cr, hex(0x90c8f0), hex(0xf8e8c0), hex(0xb89060));
    // wooden stall
    poligono(cr, {10, 62, 10, 30, 60, 30, 60, 62});
    pinta(cr, hex(0x9a6a38), 1.3);
    // counter with the refresh jugs: lemon, redcurrant, tamarind
    poligono(cr, {8, 48, 62, 48, 62, 54, 8, 54});
    pinta(cr, hex(0x6a4420), 1.1);
    Tom sucos[3] = {hex(0xd8e040), hex(0xd02848), hex(0x9a5a20)};
    for (int i = 0; i < 3; i++) {
        double x = 18 + i * 17;
        retarredondado(cr, x - 5, 36, 10, 12, 3);
        pinta(cr, sucos[i], 1.1);
        brilho(cr, x - 2, 39, 2.5, hex(0xfff8e0), 0.7);
        poligono(cr, {x - 2.5, 36, x + 2.5, 36, x + 2, 33, x - 2, 33});
        pinta(cr, hex(0xd8d0c0), 0.7);
    }
    // striped awning
    for (double i = 0; i < 6; i++) {
        poligono(cr, {5 + i * 10, 30, 15 + i * 10, 30, 14 + i * 10, 16, 8 + i * 10, 16});
        pinta(cr, int(i) % 2 ? hex(0xf0e4c8) : hex(0x2a8a4a), 0.8);
        cairo_new_path(cr);
        cairo_arc(cr, 10 + i * 10, 30, 5, 0, M_PI);
        pinta(cr, int(i) % 2 ? hex(0xf0e4c8) : hex(0x2a8a4a), 0.8);
    }
    poligono(cr, {7, 16, 63, 16, 58, 8, 12, 8});
    pinta(cr, hex(0x7a4a22), 1.2);
    // the sign
    retarredondado(cr, 20, 2, 30, 8, 2);
    pinta(cr, hex(0xe8c060), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 25, 6);
    cairo_line_to(cr, 45, 6);
    traco(cr, hex(0x6a3a18), 1.0);
}

static void quartel(cairo_t* cr) {
    paisagem(cr, hex(0x88b0d8), hex(0xe8d0a0), hex(0x6a8a3a));
    // palisade
    for (int i = 0; i < 12; i++) {
        double x = 2 + i * 5.8;
        poligono(cr, {x, 64, x, 34, x + 2.7, 29, x + 5.4, 34, x + 5.4, 64});
        pinta(cr, hex(0x9a6a3a), 0.9);
    }
    // hall with a slate roof
    poligono(cr, {14, 60, 14, 36, 56, 36, 56, 60});
    pinta(cr, hex(0xb08a5a), 1.3);
    poligono(cr, {9, 38, 22, 20, 48, 20, 61, 38});
    pinta(cr, hex(0x4a5a7a), 1.3);
    // gate
    cairo_new_path(cr);
    cairo_move_to(cr, 28, 60);
    cairo_line_to(cr, 28, 48);
    cairo_arc(cr, 35, 48, 7, M_PI, 2 * M_PI);
    cairo_line_to(cr, 42, 60);
    cairo_close_path(cr);
    pinta(cr, hex(0x4a2a14), 1.1);
    // crossed swords over the gate
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 - s * 8, 30);
        cairo_line_to(cr, 35 + s * 8, 40);
        traco(cr, hex(0x2a2a30), 2.6);
        traco(cr, hex(0xc8ccd8), 1.4);
    }
    // flags
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 20, 22);
        cairo_line_to(cr, 35 + s * 20, 4);
        traco(cr, hex(0x3a2a1a), 1.4);
        poligono(cr, {35 + s * 20, 4, 35 + s * 20 + 12, 7, 35 + s * 20, 11});
        pinta(cr, hex(0x2a5ab8), 0.9);
    }
}

static void casabruxa(cairo_t* cr) {
    paisagem(cr, hex(0x2a1a4a), hex(0x7a4a8a), hex(0x3a4a2a));
    elipse(cr, 56, 12, 8, 8);
    pinta(cr, hex(0xf0e8b0), 0);
    elipse(cr, 59, 10, 7, 7);
    chapado(cr, hex(0x2e1e4e), 0);
    // crooked hut
    poligono(cr, {16, 62, 14, 34, 54, 32, 56, 62});
    pinta(cr, hex(0x6a5a4a), 1.3);
    poligono(cr, {8, 36, 30, 4, 38, 6, 62, 34});
    pinta(cr, hex(0x5a2a78), 1.4);
    // patch on the roof, chimney smoke
    poligono(cr, {30, 20, 38, 19, 39, 26, 31, 27});
    pinta(cr, hex(0x7a4a2a), 0.8);
    for (int i = 0; i < 3; i++) {
        elipse(cr, 44 + i * 4, 8 - i * 3, 3 + i, 2 + i * 0.6);
        chapado(cr, hex(0x9a8aa8), 0);
    }
    // glowing round window and door
    elipse(cr, 25, 44, 5, 5);
    chapado(cr, hex(0x2a1a0a), 1.0);
    brilho(cr, 25, 44, 6, hex(0x90ff60), 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 62);
    cairo_line_to(cr, 36, 48);
    cairo_arc(cr, 42, 48, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, 48, 62);
    cairo_close_path(cr);
    pinta(cr, hex(0x3a2a1a), 1.0);
    // cauldron
    elipse(cr, 10, 62, 7, 5);
    pinta(cr, hex(0x2a2a30), 1.0);
    brilho(cr, 10, 58, 5, hex(0x70ff50), 0.8);
}

static void quiteva(cairo_t* cr, bool f2) {
    Tom pele = hex(0xe8c0a8);
    fundo(cr, hex(0xa02a3a), hex(0x20040a));
    // grey bun behind the head
    elipse(cr, 35, 13, 11, 8);
    pinta(cr, hex(0xb8b4b8), 1.2);
    ombros(cr, hex(0x4a1a5a));
    // pearl necklace
    for (int i = 0; i < 9; i++) {
        double a = M_PI * 0.15 + i * M_PI * 0.7 / 8;
        elipse(cr, 35 + std::cos(a) * 12, 50 + std::sin(a) * 7, 1.5, 1.5);
        pinta(cr, hex(0xf0ece0), 0.5);
    }
    pescoco(cr, pele);
    rosto(cr, 35, 35, 15, 16, pele);
    // wrinkles
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35 + s * 8, 41);
        cairo_curve_to(cr, 35 + s * 10, 44, 35 + s * 9, 46, 35 + s * 7, 48);
        traco(cr, escuro(pele, 0.35), 0.8);
    }
    // hair swept up
    cairo_new_path(cr);
    cairo_move_to(cr, 19, 36);
    cairo_curve_to(cr, 16, 20, 26, 16, 35, 17);
    cairo_curve_to(cr, 44, 16, 54, 20, 51, 36);
    cairo_curve_to(cr, 48, 26, 42, 23, 35, 23);
    cairo_curve_to(cr, 28, 23, 22, 26, 19, 36);
    cairo_close_path(cr);
    pinta(cr, hex(0xb8b4b8), 1.2);
    // narrowed wicked eyes behind round glasses
    for (double s : {-1.0, 1.0}) {
        if (f2) {
            cairo_new_path(cr);
            cairo_move_to(cr, 35 + s * 3.5, 34);
            cairo_line_to(cr, 35 + s * 9.5, 34);
            traco(cr, hex(0x2a1010), 1.3);
        } else {
            elipse(cr, 35 + s * 6.5, 34, 2.8, 1.7);
            chapado(cr, hex(0xf0e8d8), 0.6);
            elipse(cr, 35 + s * 6.5, 34, 1.3, 1.5);
            chapado(cr, hex(0x6a1010), 0);
        }
        poligono(cr, {35 + s * 2.5, 30.5, 35 + s * 11, 28, 35 + s * 11, 29.5, 35 + s * 3, 31.8});
        chapado(cr, hex(0x7a7478), 0);
        elipse(cr, 35 + s * 6.5, 34, 5, 4.5);
        traco(cr, hex(0xc8a040), 1.3);
        cairo_new_path(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 33.3, 33.5);
    cairo_line_to(cr, 36.7, 33.5);
    traco(cr, hex(0xc8a040), 1.1);
    nariz(cr, 35, 39, 3.5, pele);
    // crooked smile with red lipstick
    if (f2) boca(cr, 35, 45, 7, true);
    else {
        cairo_new_path(cr);
        cairo_move_to(cr, 29, 44);
        cairo_curve_to(cr, 32, 47.5, 38, 47.5, 42, 42.5);
        cairo_curve_to(cr, 38, 45.5, 32, 45.5, 29, 44);
        cairo_close_path(cr);
        chapado(cr, hex(0xc01828), 0.9);
    }
    // hairpin with a ruby
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 8);
    cairo_line_to(cr, 44, 17);
    traco(cr, hex(0xd0b040), 1.3);
    elipse(cr, 26, 8, 2, 2);
    pinta(cr, hex(0xd01830), 0.6);
}

// ---------------------------------------------------------------------------------------------

void pintaretrato(cairo_t* cr, int indice) {
    bool f2 = false;
    switch (indice) {
    case 0: return torre(cr, hex(0xa8a090), hex(0x2a5ab8), hex(0x201810), false);
    case 1: return fazenda(cr);
    case 2: return tienda(cr);
    case 3: return quartel(cr);
    case 4: return casabruxa(cr);
    case 6: f2 = true; [[fallthrough]];
    case 5: return durbico(cr, f2);
    case 8: f2 = true; [[fallthrough]];
    case 7: return fidelina(cr, f2);
    case 10: f2 = true; [[fallthrough]];
    case 9: return bruxa(cr, f2);
    case 12: f2 = true; [[fallthrough]];
    case 11: case 13: return seuvorlando(cr, f2);
    case 15: f2 = true; [[fallthrough]];
    case 14: return esqueleto(cr, f2);
    case 17: f2 = true; [[fallthrough]];
    case 16: return satanas(cr, f2);
    case 19: f2 = true; [[fallthrough]];
    case 18: return bau(cr, f2);
    case 21: f2 = true; [[fallthrough]];
    case 20: return aranha(cr, f2);
    case 23: f2 = true; [[fallthrough]];
    case 22: return carnical(cr, f2);
    case 25: f2 = true; [[fallthrough]];
    case 24: return murloc(cr, f2);
    case 27: f2 = true; [[fallthrough]];
    case 26: return orc(cr, f2);
    case 29: f2 = true; [[fallthrough]];
    case 28: return lobo(cr, f2);
    case 30: return monstropedra(cr);
    case 32: f2 = true; [[fallthrough]];
    case 31: return ogro(cr, f2);
    case 34: f2 = true; [[fallthrough]];
    case 33: return arvore(cr, f2);
    case 36: f2 = true; [[fallthrough]];
    case 35: return portal(cr, f2);
    case 37: return torre(cr, hex(0x5a5060), hex(0xb01818), hex(0x301008), true);
    case 39: f2 = true; [[fallthrough]];
    case 38: return quiteva(cr, f2);
    default: return;
    }
}

// The hero's badge of the top-left corner: his face, 38 x 37, in a golden rim.
static Picture insignia() {
    Canvas c(38, 37);
    cairo_save(c.cr);
    cairo_scale(c.cr, 38.0 / 70, 37.0 / 70);
    pintaretrato(c.cr, 11);
    cairo_restore(c.cr);
    cairo_new_path(c.cr);
    cairo_rectangle(c.cr, 1, 1, 36, 35);
    traco(c.cr, hex(0xd8a838), 2);
    cairo_new_path(c.cr);
    cairo_rectangle(c.cr, 0.5, 0.5, 37, 36);
    traco(c.cr, hex(0x3a2410), 1);
    return opaca(c);
}

std::vector<Picture> geraretratos() {
    std::vector<Picture> v;
    for (int i = 0; i < QTDRETRATOS; i++) {
        if (i == 13) { v.push_back(insignia()); continue; }
        Canvas c(70, 70);
        pintaretrato(c.cr, i);
        // a thin dark rim keeps the square crisp inside the panel frame
        cairo_new_path(c.cr);
        cairo_rectangle(c.cr, 0.5, 0.5, 69, 69);
        traco(c.cr, hex(0x1a100a), 1);
        v.push_back(opaca(c));
    }
    return v;
}
