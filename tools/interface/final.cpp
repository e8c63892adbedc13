// The ending slides, 400 x 300, opaque: the end of Seu Vorlando's journey.
#include <cmath>
#include <functional>

#include "interface/cenas.h"
#include "interface/interface.h"
#include "interface/tecnica.h"

static const int W = 400, H = 300;
static const Tom SOMBRA = hex(0x0e0a0c), CREME = hex(0xf4ecdc), TINTA = hex(0x1a1410);

static void duelo(cairo_t* cr) {  // 1: the duel is won; Dona Quiteva's hall lies in ruins
    ceu(cr, W, H, hex(0x2a1020), hex(0xe08040), 200);
    // broken columns and a shattered window of light
    brilho(cr, 200, 90, 110, hex(0xffd890), 0.6);
    camada(cr, 4, 0.35, [](cairo_t* k) {  // shafts of light through the broken roof, onto the floor
        for (int r = 0; r < 5; r++) {
            double x = 150 + r * 26;
            poligono(k, {x, 0, x + 12, 0, x + 40 + r * 8, 250, x - 10 + r * 8, 250});
            cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 250);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.7, 0.9);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.8, 0.5, 0.1);
            cairo_set_source(k, g);
            cairo_fill(k);
            cairo_pattern_destroy(g);
        }
    });
    for (int k = 0; k < 4; k++) {
        double x = 40 + k * 107, h = k % 2 ? 150 : 210;
        poligono(cr, {x - 14, 240, x + 14, 240, x + 14, 240 - h, x + 4, 240 - h - 10, x - 14, 240 - h + 6});
        cairo_path_t* p = cairo_copy_path(cr);
        volume(cr, hex(0x4a3a40), 0.3, 0.5, 0);
        for (int f = 0; f < 3; f++) {  // the flutes of the column
            cairo_new_path(cr);
            cairo_move_to(cr, x - 7 + f * 7, 238);
            cairo_line_to(cr, x - 7 + f * 7, 246 - h);
            traco(cr, hex(0x1a1014), 1.2, 0.4);
        }
        cairo_new_path(cr);
        cairo_append_path(cr, p);
        aro(cr, hex(0xf8c080), 1.5, 0.5);
        cairo_new_path(cr);
        cairo_path_destroy(p);
    }
    poligono(cr, {0, 240, W, 240, W, H, 0, H});
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 240, 0, H);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.36, 0.24, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.07, 0.07);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Rng rng(4);
    for (int i = 0; i < 14; i++) {  // rubble, each stone with its shadow
        double x = rng.range(0, W), y = 250 + rng.range(0, 40), r = rng.range(4, 10);
        poligono(cr, {x - r, y + r * 0.4, x - r * 0.5, y - r * 0.5, x + r * 0.4, y - r * 0.6, x + r, y + r * 0.4});
        sombra(cr, 3, 2, 2, 0.5);
        volume(cr, hex(0x5a4848), 0.4, 0.5);
    }
    // the witch-queen's cane and round glasses on the floor
    cairo_new_path(cr);
    cairo_move_to(cr, 220, 262);
    cairo_line_to(cr, 280, 272);
    traco(cr, hex(0x1a1008), 4);
    traco(cr, hex(0x6a4020), 2.5);
    for (double s : {-1.0, 1.0}) {
        elipse(cr, 240 + s * 8, 282, 6, 4);
        traco(cr, hex(0xd8a838), 1.8);
    }
    // all that is left of Dona Quiteva: her hat-pin's ruby glinting among the stones
    brilho(cr, 300, 276, 8, hex(0xff4060), 0.8);
    elipse(cr, 300, 276, 2.5, 2.5);
    pinta(cr, hex(0xd01830), 0.6);
    silhueta(cr, VORLANDO, 160, 250, 120, SOMBRA, 1);
    for (int i = 0; i < 40; i++) brilho(cr, rng.range(150, 300), rng.range(30, 240), rng.range(1, 2.2), hex(0xfff0c8), 0.7);  // dust in the light
    pinceladas(cr, rng, 0, 0, W, H, hex(0x6a3a3a), 200, 0.07);
}

static void violaorecuperado(cairo_t* cr) {  // 2: the sacred guitar, back in the hero's hands
    ceu(cr, W, H, hex(0x1a1030), hex(0x3a2050), 300);
    camada(cr, 3, 1, [](cairo_t* k) {  // soft rays of light, fading as they spread
        for (int r = 0; r < 12; r++) {
            double a = r * M_PI / 6;
            poligono(k, {200, 150, 200 + std::cos(a) * 260, 150 + std::sin(a) * 260, 200 + std::cos(a + 0.15) * 260, 150 + std::sin(a + 0.15) * 260});
            cairo_pattern_t* g = cairo_pattern_create_radial(200, 150, 10, 200, 150, 260);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.65, 0.4);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.6, 0.02);
            cairo_set_source(k, g);
            cairo_fill(k);
            cairo_pattern_destroy(g);
        }
    });
    brilho(cr, 200, 150, 120, hex(0xffd070), 0.7);
    violao(cr, 200, 160, 280, -0.5);
    Rng rng(12);
    for (int i = 0; i < 30; i++) brilho(cr, rng.range(30, 370), rng.range(20, 280), rng.range(2, 5), hex(0xfff0c0), 0.9);
    letreiro(cr, "O violão sagrado voltou !", 200, 280, 22, hex(0xf8d860), TINTA, 4);
}

static void regresso(cairo_t* cr) {  // 3: the four companions walk home at sunset
    ceu(cr, W, H, hex(0x6a4a8a), hex(0xf8a050), 190);
    astro(cr, 290, 190, 40, hex(0xf8d080), 0.5);
    Rng nuvens(33);
    nuvem(cr, nuvens, 120, 80, 150, 22, hex(0xffc8a0), hex(0x7a5a8a), 0.75, 1);
    nuvem(cr, nuvens, 330, 60, 110, 16, hex(0xffd0a8), hex(0x8a6a90), 0.7, 0);
    colinas(cr, W, H, 195, 18, 0.4, hex(0x7a4a5a), hex(0x9a5a5a));
    for (int k = 0; k < 5; k++) casinha(cr, 290 + k * 22, 196 - (k % 2) * 4, 18, hex(0x5a3a3a), hex(0x3a2020), true);
    colinas(cr, W, H, 235, 14, 2.4, hex(0x3a4a2a), hex(0x5a6a3a));
    // the road into the distance
    poligono(cr, {120, H, 280, H, 300, 200, 286, 200});
    volume(cr, hex(0xb08a5a), 0.3, 0.4, -1.2);
    Rng estrada(34);
    for (double s : {-1.0, 1.0}) {  // the cart ruts, narrowing into the distance
        cairo_new_path(cr);
        cairo_move_to(cr, 200 + s * 40, H);
        cairo_line_to(cr, 293 + s * 2, 202);
        traco(cr, hex(0x7a5a38), 2.5, 0.45);
    }
    for (int i = 0; i < 40; i++) {  // pebbles, lit on top
        double t = estrada.uniform(), y = 200 + t * t * (H - 200), x = 293 + (200 - 293) * t * t + estrada.range(-70, 70) * t * t;
        elipse(cr, x, y, 0.6 + t * 1.6, 0.4 + t);
        bojo(cr, hex(0xa08a70), 0.5, 0.4);
    }
    silhueta(cr, FIDELINA, 100, 262, 80, SOMBRA, 1);
    violao(cr, 162, 214, 50, 1.2);  // slung on his back: the neck shows over his shoulder
    silhueta(cr, VORLANDO, 150, 270, 100, SOMBRA, 1);
    silhueta(cr, DURBICO, 195, 268, 62, SOMBRA, 1);
    silhueta(cr, MORGAVA, 60, 258, 82, SOMBRA, 1);
}

static void festa(cairo_t* cr) {  // 4: the village celebrates around the bonfire
    ceu(cr, W, H, hex(0x0a0a24), hex(0x3a2a4a), 220);
    Rng rng(40);
    estrelas(cr, rng, W, 160, 60);
    for (int k = 0; k < 6; k++) casinha(cr, 30 + k * 70, 210 - (k % 2) * 6, 50, hex(0x6a4a3a), hex(0x3a2a2a), true);
    poligono(cr, {0, 210, W, 210, W, H, 0, H});
    volume(cr, hex(0x3a3020), 0.2, 0.4, 1.57);
    brilho(cr, 200, 240, 140, hex(0xff9030), 0.55);
    // bonfire
    for (int k = 0; k < 5; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 175 + k * 12, 262);
        cairo_line_to(cr, 200 + (k - 2) * 3, 240);
        traco(cr, hex(0x3a2010), 4);
        cairo_new_path(cr);
        cairo_move_to(cr, 175 + k * 12, 261);
        cairo_line_to(cr, 200 + (k - 2) * 3, 239);
        traco(cr, hex(0xf08030), 1.2, 0.6);
    }
    camada(cr, 8, 0.8, [](cairo_t* k) {  // the heat glowing round the flames
        elipse(k, 200, 232, 30, 32);
        cor(k, hex(0xff8020));
        cairo_fill(k);
    });
    for (int k = 0; k < 3; k++) {
        Tom t = k == 0 ? hex(0xe04010) : (k == 1 ? hex(0xf08a20) : hex(0xf8e060));
        double s = 1 - k * 0.3;
        cairo_new_path(cr);
        cairo_move_to(cr, 200 - 24 * s, 255);
        cairo_curve_to(cr, 190 - 20 * s, 230, 205, 210 - 10 * s, 200, 190 + k * 14);
        cairo_curve_to(cr, 215, 215, 205 + 30 * s, 235, 200 + 24 * s, 255);
        cairo_close_path(cr);
        // each tongue of flame brightest low in its core, reddening toward its tips
        cairo_pattern_t* f = cairo_pattern_create_radial(200, 250, 2, 200, 238, 40 * s + 10);
        Tom nucleo = claro(t, 0.6);
        cairo_pattern_add_color_stop_rgba(f, 0, nucleo.r, nucleo.g, nucleo.b, 1);
        cairo_pattern_add_color_stop_rgba(f, 0.6, t.r, t.g, t.b, 0.95);
        cairo_pattern_add_color_stop_rgba(f, 1, t.r * 0.8, t.g * 0.5, t.b * 0.4, 0.85);
        cairo_set_source(cr, f);
        cairo_fill(cr);
        cairo_pattern_destroy(f);
    }
    // dancing silhouettes
    silhueta(cr, DURBICO, 110, 270, 58, SOMBRA, 1);
    silhueta(cr, FIDELINA, 280, 272, 74, SOMBRA, -1);
    silhueta(cr, MORGAVA, 330, 268, 76, SOMBRA, -1);
    silhueta(cr, VORLANDO, 60, 275, 88, SOMBRA, 1);
    for (int i = 0; i < 25; i++) brilho(cr, 200 + rng.range(-40, 40), rng.range(120, 200), 2, hex(0xffc060), 0.9);
}

static void serenata(cairo_t* cr) {  // 5: under the stars, Seu Vorlando plays for his family
    ceu(cr, W, H, hex(0x06081c), hex(0x1a2a4a), 240);
    Rng rng(51);
    estrelas(cr, rng, W, 220, 120);
    lua(cr, 320, 60, 22, hex(0xf4ecc8), 0.3);
    colinas(cr, W, H, 230, 10, 1.2, hex(0x1a2418), hex(0x2a3428));
    // the porch of home, lamp light
    poligono(cr, {20, 250, 180, 250, 180, 120, 20, 120});
    volume(cr, hex(0x4a3020), 0.25, 0.5);
    Rng tabuas(52);
    for (double y = 128; y < 250; y += 9) {  // the boards of the wall
        cairo_new_path(cr);
        cairo_move_to(cr, 20, y);
        cairo_line_to(cr, 180, y + tabuas.range(-0.5, 0.5));
        traco(cr, hex(0x1a0e08), 0.8, 0.5);
    }
    poligono(cr, {5, 125, 100, 70, 195, 125});
    sombra(cr, 0, 6, 3, 0.6);
    volume(cr, hex(0x2a1a14), 0.3, 0.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 125);
    cairo_line_to(cr, 100, 70);
    traco(cr, hex(0x8a94c0), 1, 0.5);  // moonlight on the roof's edge
    brilho(cr, 130, 170, 80, hex(0xf8b050), 0.45);
    cairo_new_path(cr);
    cairo_rectangle(cr, 110, 150, 40, 40);
    bojo(cr, hex(0xf8c860), 0.6, 0.3);
    cairo_new_path(cr);
    cairo_move_to(cr, 130, 150);
    cairo_line_to(cr, 130, 190);
    cairo_move_to(cr, 110, 170);
    cairo_line_to(cr, 150, 170);
    traco(cr, hex(0x3a2010), 2.5);
    poligono(cr, {0, 250, W, 250, W, H, 0, H});
    volume(cr, hex(0x3a2a1a), 0.2, 0.4, 1.57);
    silhueta(cr, VORLANDO, 230, 262, 96, SOMBRA, -1);
    violao(cr, 236, 210, 60, -0.4);
    silhueta(cr, FIDELINA, 300, 262, 72, SOMBRA, -1);
    silhueta(cr, DURBICO, 340, 262, 54, SOMBRA, -1);
    // notes floating up
    for (int k = 0; k < 4; k++) {
        double x = 250 + k * 25, y = 150 - k * 22;
        elipse(cr, x, y, 4, 3);
        chapado(cr, hex(0xf8e090), 0);
        cairo_new_path(cr);
        cairo_move_to(cr, x + 3.5, y);
        cairo_line_to(cr, x + 3.5, y - 14);
        traco(cr, hex(0xf8e090), 1.4);
    }
}

static void paz(cairo_t* cr) {  // 6: the last portal crumbles; the valley blooms again
    ceu(cr, W, H, hex(0x5aa0e0), hex(0xe8f0c8), 200);
    astro(cr, 80, 60, 22, hex(0xf8f0b0), 0.4);
    Rng nuvens(61);
    nuvem(cr, nuvens, 250, 70, 140, 28, hex(0xffffff), hex(0x98a8c8), 0.85);
    nuvem(cr, nuvens, 360, 110, 90, 18, hex(0xffffff), hex(0xa0b0cc), 0.75);
    colinas(cr, W, H, 170, 20, 0.8, hex(0x6a9a8a), hex(0x8ab0a0));
    nevoa(cr, W, 150, 190, 215, hex(0xe8f0e0), 0.45);
    colinas(cr, W, H, 215, 18, 2.2, hex(0x5a9a3a), hex(0x7ab04a));
    // broken stone arch, sparkles where the vortex was
    for (double s : {-1.0, 1.0}) {
        poligono(cr, {260 + s * 40 - 10, 230, 260 + s * 40 + 10, 230, 260 + s * 40 + 8, 150.0 + (s > 0 ? 30 : 0), 260 + s * 40 - 8, 160});
        sombra(cr, 8, 3, 3, 0.4);
        cairo_path_t* p = cairo_copy_path(cr);
        volume(cr, hex(0x8a8498), 0.35, 0.5, 0);
        cairo_append_path(cr, p);
        aro(cr, hex(0xfff8e0), 1.5, 0.6);
        cairo_new_path(cr);
        cairo_path_destroy(p);
    }
    Rng rng(66);
    for (int i = 0; i < 30; i++) brilho(cr, 260 + rng.range(-30, 30), rng.range(120, 220), rng.range(2, 4), hex(0xd0a0ff), 0.9);
    for (int i = 0; i < 60; i++) {
        double x = rng.range(0, W), y = rng.range(230, 300);
        double t = (y - 230) / 70;  // nearer flowers are bigger, with blades of grass about them
        for (int b = 0; b < 3; b++) {
            cairo_new_path(cr);
            cairo_move_to(cr, x + b * 2 - 2, y + 3 + t * 3);
            cairo_line_to(cr, x + b * 3 - 3 + rng.range(-1, 1), y - 2 - t * 4);
            traco(cr, b ? hex(0x3a6a20) : hex(0x8ac050), 0.8, 0.8);
        }
        elipse(cr, x, y, 1.5 + t * 1.5, 1.3 + t * 1.2);
        bojo(cr, rng.uniform() < 0.5 ? hex(0xf0d040) : hex(0xf080a0), 0.6, 0.35);
    }
    for (int k = 0; k < 4; k++) arvoreredonda(cr, 20 + k * 40, 240 + k * 3, 70, hex(0x5a3a1a), hex(0x3a7a2a));
}

static void fim(cairo_t* cr) {  // 7: dawn, the hero walks on, the guitar on his back
    ceu(cr, W, H, hex(0x3a5aa0), hex(0xf8c070), 200);
    astro(cr, 300, 200, 50, hex(0xf8d890), 0.5);
    Rng nuvens(71);
    for (int i = 0; i < 5; i++) nuvem(cr, nuvens, 50 + i * 80, 64 + (i % 2) * 30, 100, 18, hex(0xfff0e0), hex(0xb890a8), 0.7, 1);
    colinas(cr, W, H, 210, 15, 1.8, hex(0x6a5a7a), hex(0x8a6a7a));
    colinas(cr, W, H, 250, 18, 3.1, hex(0x2a3a2a), hex(0x4a5a3a));
    violao(cr, 228, 205, 55, 1.0);
    silhueta(cr, VORLANDO, 220, 262, 96, SOMBRA, 1);
    pinheiro(cr, 40, 262, 120, hex(0x142014));
    pinheiro(cr, 80, 268, 90, hex(0x142014));
}

std::vector<Picture> gerafinal() {
    std::vector<std::function<void(cairo_t*)>> cenas = {duelo, violaorecuperado, regresso, festa, serenata, paz, fim};
    std::vector<Picture> v;
    for (auto& pinta : cenas) {
        Canvas c(W, H);
        pinta(c.cr);
        Rng rng(v.size() + 90);
        pinceladas(c.cr, rng, 0, 0, W, H, hex(0x5a4a4a), 160, 0.06);
        vinheta(c.cr, W, H, 0.3);
        grao(c.cr, v.size() + 90, 0.06);
        moldurapintura(c.cr, W, H);
        v.push_back(opaca(c));
    }
    return v;
}
