// The pictures of the ten trivia pages about Japan, 440 x 320 each, in a gold frame.
#include <cmath>
#include <functional>

#include "interface/cenas.h"
#include "interface/interface.h"

static const int W = 440, H = 320;
static const Tom CREME = hex(0xf4ecdc), VERMELHO = hex(0xc81830), TINTA = hex(0x1a1410);

static void ilha(cairo_t* cr, std::initializer_list<double> xy, Tom c) {
    cairo_new_path(cr);
    const double* p = xy.begin();
    size_t n = xy.size() / 2;
    // smooth closed curve through the points
    for (size_t i = 0; i < n; i++) {
        double x0 = p[2 * i], y0 = p[2 * i + 1], x1 = p[2 * ((i + 1) % n)], y1 = p[2 * ((i + 1) % n) + 1];
        if (i == 0) cairo_move_to(cr, (x0 + x1) / 2, (y0 + y1) / 2);
        else cairo_curve_to(cr, x0, y0, x0, y0, (x0 + x1) / 2, (y0 + y1) / 2);
    }
    cairo_curve_to(cr, p[0], p[1], p[0], p[1], (p[0] + p[2]) / 2, (p[1] + p[3]) / 2);
    cairo_close_path(cr);
    pinta(cr, c, 1.4);
}

static void mapa(cairo_t* cr) {  // page 1: the four big islands and Tokyo
    degrade(cr, W, H, hex(0x3a7ab0), hex(0x1a4a7a));
    Rng rng(3);
    for (int i = 0; i < 60; i++) {
        double x = rng.uniform() * W, y = rng.uniform() * H;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 5, M_PI * 1.1, M_PI * 1.9);
        traco(cr, hex(0x7ab0d8), 1, 0.5);
    }
    Tom terra = hex(0x7aa04a);
    ilha(cr, {300, 40, 350, 30, 380, 55, 360, 85, 320, 90, 300, 70}, terra);                         // Hokkaido
    ilha(cr, {305, 98, 322, 110, 326, 140, 318, 170, 302, 192, 275, 208, 240, 220, 200, 232, 160, 242, 140, 238, 150, 226,
              185, 212, 222, 196, 252, 178, 272, 158, 284, 132, 292, 108}, terra);                    // Honshu
    ilha(cr, {165, 252, 200, 246, 214, 256, 196, 266, 170, 266}, terra);                                        // Shikoku
    ilha(cr, {100, 248, 128, 240, 142, 252, 140, 278, 122, 298, 104, 290, 96, 268}, terra);                              // Kyushu
    brilho(cr, 306, 180, 10, hex(0xff6040), 0.8);
    elipse(cr, 306, 180, 4, 4);
    chapado(cr, VERMELHO, 1);
    letreiro(cr, "HOKKAIDO", 340, 20, 15, CREME, TINTA, 3);
    letreiro(cr, "HONSHU", 205, 178, 17, CREME, TINTA, 3);
    letreiro(cr, "SHIKOKU", 200, 290, 14, CREME, TINTA, 3);
    letreiro(cr, "KYUSHU", 60, 240, 14, CREME, TINTA, 3);
    letreiro(cr, "TOKYO", 355, 186, 16, hex(0xf8d040), TINTA, 3);
    // compass rose
    poligono(cr, {60, 40, 66, 60, 60, 80, 54, 60});
    pinta(cr, hex(0xe8c050), 1);
    letreiro(cr, "N", 60, 36, 13, CREME, TINTA, 2.5);
}

static void fuji(cairo_t* cr) {  // page 2: Mount Fuji at dawn
    ceu(cr, W, H, hex(0x4a70b8), hex(0xf0b890), 220);
    astro(cr, 330, 90, 26, hex(0xe83a30), 0.25);
    poligono(cr, {20, 250, 170, 70, 270, 70, 420, 250});
    pinta(cr, hex(0x4a5a8a), 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 170, 70);
    cairo_line_to(cr, 270, 70);
    cairo_line_to(cr, 310, 120);
    cairo_line_to(cr, 285, 112);
    cairo_line_to(cr, 265, 128);
    cairo_line_to(cr, 240, 110);
    cairo_line_to(cr, 215, 130);
    cairo_line_to(cr, 195, 112);
    cairo_line_to(cr, 170, 126);
    cairo_line_to(cr, 132, 118);
    cairo_close_path(cr);
    pinta(cr, hex(0xf0f0f4), 1.2);
    colinas(cr, W, H, 250, 15, 2, hex(0x2a5a3a), hex(0x3a7a4a));
    // lake reflection and a red pagoda
    for (int k = 0; k < 5; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 120 + k * 12, 275 + k * 8);
        cairo_line_to(cr, 320 - k * 12, 275 + k * 8);
        traco(cr, hex(0x8ab0d8), 1.5, 0.5);
    }
    for (int k = 0; k < 3; k++) {
        double y = 250 - k * 26, l = 46 - k * 10;
        poligono(cr, {70 - l / 2 + 6, y, 70 + l / 2 - 6, y, 70 + l / 2 - 6, y - 16, 70 - l / 2 + 6, y - 16});
        pinta(cr, VERMELHO, 1);
        poligono(cr, {70 - l / 2 - 4, y - 14, 70 + l / 2 + 4, y - 14, 70 + l / 4, y - 24, 70 - l / 4, y - 24});
        pinta(cr, hex(0x2a2a30), 1);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 176);
    cairo_line_to(cr, 70, 160);
    traco(cr, hex(0x2a2a30), 2);
    letreiro(cr, "3.776 m", 220, 52, 18, CREME, TINTA, 3);
}

static void moeda(cairo_t* cr, double x, double y, double r, Tom c, const char* t) {
    elipse(cr, x, y, r, r);
    pinta(cr, c, 1.6);
    elipse(cr, x, y, r * 0.8, r * 0.8);
    traco(cr, escuro(c, 0.4), 1);
    cairo_new_path(cr);
    letreiro(cr, t, x, y + r * 0.3, r * 0.8, escuro(c, 0.6), escuro(c, 0.6), 0);
}

static void iene(cairo_t* cr) {  // page 3: yen notes and coins
    degrade(cr, W, H, hex(0x7a4a2a), hex(0x3a2010));
    Rng rng(8);
    pinceladas(cr, rng, 0, 0, W, H, hex(0x6a3a20), 300, 0.2);
    for (int k = 0; k < 2; k++) {
        cairo_save(cr);
        cairo_translate(cr, 170 + k * 40, 130 + k * 30);
        cairo_rotate(cr, -0.15 + k * 0.2);
        retarredondado(cr, -120, -60, 240, 120, 6);
        pinta(cr, hex(0xd8c8a0), 1.5);
        cairo_new_path(cr);
        cairo_rectangle(cr, -110, -50, 220, 100);
        traco(cr, hex(0x6a5a3a), 1.4);
        elipse(cr, 50, 0, 30, 36);
        pinta(cr, hex(0xc8b890), 1);
        letreiro(cr, "10000", -50, -20, 22, hex(0x5a4a2a), hex(0x5a4a2a), 0);
        letreiro(cr, "¥", -60, 30, 40, hex(0x8a3a2a), hex(0x3a1a10), 0);
        cairo_restore(cr);
    }
    moeda(cr, 330, 250, 38, hex(0xd8b040), "¥500");
    moeda(cr, 260, 272, 28, hex(0xc87a40), "¥10");
    moeda(cr, 390, 190, 26, hex(0xc8c8c8), "¥100");
    letreiro(cr, "YEN", 80, 290, 30, hex(0xf8d040), TINTA, 4);
}

// Brush strokes of ink: each stroke is a thick tapered line.
static void pincel(cairo_t* cr, double x0, double y0, double x1, double y1, double lw) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    traco(cr, TINTA, lw);
    cairo_new_path(cr);
    elipse(cr, x0, y0, lw * 0.65, lw * 0.65);
    chapado(cr, TINTA, 0);
}

static void escrita(cairo_t* cr) {  // page 4: calligraphy of "Japan" on a scroll
    degrade(cr, W, H, hex(0x5a3a2a), hex(0x2a1a10));
    retarredondado(cr, 120, 20, 200, 280, 4);
    pinta(cr, hex(0xf0e4c8), 1.5);
    for (double y : {16.0, 298.0}) {
        retarredondado(cr, 105, y - 6, 230, 12, 6);
        pinta(cr, hex(0x6a3a1a), 1.2);
    }
    // 日: a box with a middle bar
    pincel(cr, 185, 50, 185, 140, 9);
    pincel(cr, 185, 50, 255, 50, 9);
    pincel(cr, 255, 50, 255, 140, 9);
    pincel(cr, 190, 95, 250, 95, 8);
    pincel(cr, 190, 138, 250, 138, 9);
    // 本: a tree with a mark at the root
    pincel(cr, 175, 185, 265, 185, 9);
    pincel(cr, 220, 160, 220, 280, 9);
    pincel(cr, 218, 190, 175, 250, 8);
    pincel(cr, 222, 190, 268, 250, 8);
    pincel(cr, 200, 245, 240, 245, 8);
    // red seal stamp
    retarredondado(cr, 280, 250, 26, 26, 3);
    chapado(cr, VERMELHO, 1);
    // brush and ink stone
    cairo_new_path(cr);
    cairo_move_to(cr, 340, 280);
    cairo_line_to(cr, 410, 150);
    traco(cr, hex(0x1a1008), 7);
    traco(cr, hex(0xa06a30), 4.5);
    elipse(cr, 60, 270, 40, 18);
    pinta(cr, hex(0x2a2a30), 1.4);
    elipse(cr, 60, 266, 24, 9);
    chapado(cr, TINTA, 0);
}

static void longevidade(cairo_t* cr) {  // page 5: an old couple under the cherry tree
    ceu(cr, W, H, hex(0xf0a070), hex(0xf8e0b0), 240);
    astro(cr, 330, 180, 40, hex(0xf8e8a0), 0.4);
    colinas(cr, W, H, 250, 10, 1, hex(0x5a7a3a), hex(0x7a9a4a));
    // cherry tree
    cairo_new_path(cr);
    cairo_move_to(cr, 110, 260);
    cairo_curve_to(cr, 120, 200, 100, 160, 130, 110);
    traco(cr, hex(0x3a2010), 12);
    cairo_new_path(cr);
    cairo_move_to(cr, 122, 160);
    cairo_curve_to(cr, 160, 140, 190, 130, 230, 120);
    traco(cr, hex(0x3a2010), 6);
    Rng rng(21);
    for (int i = 0; i < 70; i++) {
        double a = rng.range(0, 2 * M_PI), r = rng.range(0, 70);
        elipse(cr, 150 + std::cos(a) * r * 1.4, 100 + std::sin(a) * r * 0.6, rng.range(8, 16), rng.range(6, 12));
        cor(cr, mistura(hex(0xf0a0b8), hex(0xf8d0dc), rng.uniform()), 0.85);
        cairo_fill(cr);
    }
    for (int i = 0; i < 20; i++) {
        elipse(cr, rng.range(20, 420), rng.range(140, 300), 2, 1.3);
        chapado(cr, hex(0xf4b0c4), 0);
    }
    // bench and the couple
    poligono(cr, {190, 250, 300, 250, 300, 256, 190, 256});
    chapado(cr, hex(0x3a2010), 0);
    silhueta(cr, VELHA, 225, 262, 60, hex(0x2a1a1a), -1);
    silhueta(cr, VELHO, 268, 262, 68, hex(0x2a1a1a), -1);
    letreiro(cr, "82 / 76 anos", 330, 300, 18, CREME, TINTA, 3);
}

static void cidade(cairo_t* cr) {  // page 6: Tokyo by night
    ceu(cr, W, H, hex(0x0a0a2a), hex(0x5a3a7a), 260);
    Rng rng(77);
    estrelas(cr, rng, W, 120, 40);
    // tower
    poligono(cr, {200, 270, 220, 80, 225, 80, 245, 270});
    chapado(cr, hex(0xd04020), 1);
    for (int k = 0; k < 6; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 203 + k * 2.6, 250 - k * 30);
        cairo_line_to(cr, 242 - k * 2.6, 250 - k * 30);
        traco(cr, hex(0xf0e0d0), 1.5);
    }
    poligono(cr, {222, 80, 223, 40, 224, 80});
    chapado(cr, hex(0xd04020), 1);
    brilho(cr, 223, 40, 8, hex(0xff4040), 0.9);
    // skyline with lit windows
    for (int i = 0; i < 22; i++) {
        double x = i * 20 + rng.range(-4, 4), h = rng.range(40, 150), l = rng.range(16, 30);
        if (x > 185 && x < 250) h *= 0.5;
        cairo_new_path(cr);
        cairo_rectangle(cr, x, H - h, l, h);
        chapado(cr, mistura(hex(0x1a1a30), hex(0x2a2a4a), rng.uniform()), 0.8);
        for (double wy = H - h + 6; wy < H - 6; wy += 8)
            for (double wx = x + 3; wx < x + l - 4; wx += 6)
                if (rng.uniform() < 0.45) {
                    cairo_new_path(cr);
                    cairo_rectangle(cr, wx, wy, 2.5, 3.5);
                    chapado(cr, hex(0xf8d070), 0);
                }
    }
    letreiro(cr, "TOKYO", 330, 50, 30, hex(0xf8d040), TINTA, 4);
}

static void aviao(cairo_t* cr) {  // page 7: an old fighter plane over the sea at sunset
    ceu(cr, W, H, hex(0x5a4a7a), hex(0xf0a050), 220);
    astro(cr, 220, 215, 50, hex(0xf86a30), 0.4);
    degrade(cr, W, 0, hex(0), hex(0));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 220, W, 100);
    chapado(cr, hex(0x3a3a6a), 0);
    for (int k = 0; k < 14; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 160 + (k % 3) * 20 - k * 3, 228 + k * 6);
        cairo_line_to(cr, 280 - (k % 3) * 20 + k * 3, 228 + k * 6);
        traco(cr, hex(0xf0a050), 1.8, 0.6);
    }
    for (int i = 0; i < 4; i++) {
        elipse(cr, 60 + i * 110, 70 + (i % 2) * 40, 60, 12);
        cor(cr, hex(0x7a5a8a), 0.6);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 250, 120);
    cairo_rotate(cr, -0.12);
    Tom c = hex(0x1a1a22);
    poligono(cr, {-70, 0, 60, -6, 75, 0, 60, 8, -70, 5});
    chapado(cr, c, 0);
    poligono(cr, {-10, 0, 20, 0, 5, -50, -5, -50});
    chapado(cr, c, 0);
    poligono(cr, {-10, 4, 20, 4, 5, 44, -5, 44});
    chapado(cr, c, 0);
    poligono(cr, {-70, 0, -60, -22, -52, -22, -56, 2});
    chapado(cr, c, 0);
    elipse(cr, 78, 0, 2, 16);
    cor(cr, hex(0x3a3a44), 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
    letreiro(cr, "1939 - 1945", 330, 295, 20, CREME, TINTA, 3);
}

static void artes(cairo_t* cr) {  // page 8: a bonsai and a paper crane
    degrade(cr, W, H, hex(0xe8d8b0), hex(0xb89870));
    // table
    poligono(cr, {0, 250, W, 250, W, H, 0, H});
    pinta(cr, hex(0x6a3a1a), 1);
    // pot
    poligono(cr, {70, 250, 230, 250, 215, 225, 85, 225});
    pinta(cr, hex(0x3a4a6a), 1.4);
    // trunk and foliage pads
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 226);
    cairo_curve_to(cr, 120, 190, 190, 170, 150, 130);
    traco(cr, hex(0x2a1408), 14);
    traco(cr, hex(0x6a4020), 9);
    cairo_new_path(cr);
    cairo_move_to(cr, 160, 170);
    cairo_curve_to(cr, 190, 160, 210, 150, 230, 140);
    traco(cr, hex(0x2a1408), 7);
    traco(cr, hex(0x6a4020), 4);
    double fx[4] = {150, 95, 230, 190}, fy[4] = {110, 150, 130, 165}, fr[4] = {45, 30, 32, 22};
    for (int k = 0; k < 4; k++) {
        elipse(cr, fx[k], fy[k], fr[k], fr[k] * 0.45);
        pinta(cr, hex(0x3a7a2a), 1.3);
    }
    // origami crane
    cairo_save(cr);
    cairo_translate(cr, 330, 200);
    poligono(cr, {-40, 20, 0, 0, 40, 20, 0, 30});
    pinta(cr, VERMELHO, 1.2);
    poligono(cr, {0, 0, -30, -45, 8, 14});
    pinta(cr, hex(0xe03040), 1.2);
    poligono(cr, {0, 0, 45, -30, 10, 14});
    pinta(cr, hex(0xb01020), 1.2);
    poligono(cr, {-40, 20, -56, -12, -50, -14, -34, 18});
    pinta(cr, VERMELHO, 1.0);
    poligono(cr, {-56, -12, -64, -6, -52, -10});
    pinta(cr, VERMELHO, 1.0);
    poligono(cr, {40, 20, 60, -6, 36, 16});
    pinta(cr, VERMELHO, 1.0);
    cairo_restore(cr);
    letreiro(cr, "BONSAI", 150, 290, 20, CREME, TINTA, 3);
    letreiro(cr, "ORIGAMI", 330, 290, 20, CREME, TINTA, 3);
}

static void comida(cairo_t* cr) {  // page 9: sushi on a board, chopsticks
    degrade(cr, W, H, hex(0x2a1a1a), hex(0x140a0a));
    retarredondado(cr, 40, 110, 360, 150, 8);
    pinta(cr, hex(0xc89a5a), 1.6);
    for (int k = 0; k < 3; k++) {
        // nigiri: rice and a slice of salmon or tuna
        double x = 100 + k * 80;
        retarredondado(cr, x - 28, 160, 56, 30, 12);
        pinta(cr, hex(0xf0ece0), 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 32, 168);
        cairo_curve_to(cr, x - 20, 140, x + 20, 140, x + 32, 168);
        cairo_curve_to(cr, x + 10, 162, x - 10, 162, x - 32, 168);
        cairo_close_path(cr);
        pinta(cr, k == 1 ? hex(0xc02030) : hex(0xf08050), 1.2);
        for (int s = 0; s < 3; s++) {
            cairo_new_path(cr);
            cairo_move_to(cr, x - 15 + s * 12, 152);
            cairo_line_to(cr, x - 8 + s * 12, 163);
            traco(cr, hex(0xf8d0c0), 1.2, 0.7);
        }
    }
    // maki rolls
    for (int k = 0; k < 2; k++) {
        double x = 340, y = 150 + k * 45;
        elipse(cr, x, y, 22, 20);
        pinta(cr, hex(0x1a2a1a), 1.2);
        elipse(cr, x, y, 16, 14);
        pinta(cr, hex(0xf0ece0), 0.8);
        elipse(cr, x, y, 6, 6);
        pinta(cr, k ? hex(0x40a040) : hex(0xe06040), 0.8);
    }
    // chopsticks
    for (int k = 0; k < 2; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, 60 + k * 10, 280 + k * 6);
        cairo_line_to(cr, 380 + k * 10, 70 + k * 6);
        traco(cr, hex(0x2a1408), 6);
        traco(cr, hex(0xa05a2a), 4);
    }
    letreiro(cr, "ITADAKIMASSU !", 220, 60, 26, hex(0xf8d040), TINTA, 4);
}

// A piece of the katana from (x0, y0) to (x1, y1): the lacquered scabbard, or the bound hilt
// with its round guard at (x0, y0).
static void katana(cairo_t* cr, double x0, double y0, double x1, double y1, bool cabo) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    if (!cabo) {
        traco(cr, hex(0x08060a), 7);
        traco(cr, hex(0x3a1218), 5);
        cairo_new_path(cr);
        cairo_move_to(cr, x0 + 1, y0 - 1.5);
        cairo_line_to(cr, x1 + 1, y1 - 1.5);
        traco(cr, hex(0x8a4a50), 1.2, 0.8);  // the lacquer's shine
        return;
    }
    traco(cr, hex(0x08060a), 7);
    traco(cr, hex(0x2a2030), 5);
    // the silk binding: light diamonds along the hilt
    for (int k = 1; k < 6; k++) {
        double t = k / 6.0;
        elipse(cr, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, 1.6, 1.6);
        chapado(cr, hex(0xb8b0c8), 0);
    }
    elipse(cr, x0, y0, 3, 7);
    pinta(cr, hex(0xa08040), 1.0);  // the guard
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

static void samurai(cairo_t* cr) {  // page 10: a samurai under the moon among bamboo
    ceu(cr, W, H, hex(0x0e1430), hex(0x4a3a6a), 260);
    astro(cr, 260, 110, 60, hex(0xf4e4c0), 0.35);
    // two rows of bamboo: the far one pale in the moonlit haze, the near one dark and lit at the edge
    for (int fila = 0; fila < 2; fila++)
        for (int k = 0; k < 9; k++) {
            double x = 20 + k * 50 + (k % 2) * 10 + (fila ? 0 : 25);
            if (x > 150 && x < 320) continue;
            double larg = fila ? 12 : 8;
            Tom cana = fila ? hex(0x1e4a32) : mistura(hex(0x183428), hex(0x3a3060), 0.5);
            for (int s = 0; s < 6; s++) {
                retarredondado(cr, x - larg / 2, s * 55 + (fila ? 0 : 20), larg, 53, 3);
                if (fila) pinta(cr, cana, 0.8);
                else chapado(cr, cana, 0);
            }
        }
    colinas(cr, W, H, 280, 6, 0, hex(0x141a20), hex(0x242a30));
    // the katana at his left hip: the scabbard's end behind him, the hilt and guard in front
    katana(cr, 246, 196, 306, 226, false);
    silhueta(cr, SAMURAI, 230, 282, 190, hex(0x0a0a10), 1);
    katana(cr, 252, 192, 210, 177, true);
    letreiro(cr, "SAMURAI", 360, 305, 22, CREME, TINTA, 3);
}

std::vector<Picture> gerajapao() {
    std::vector<std::function<void(cairo_t*)>> paginas = {mapa, fuji, iene, escrita, longevidade, cidade, aviao, artes, comida, samurai};
    std::vector<Picture> v;
    for (auto& pinta : paginas) {
        Canvas c(W, H);
        pinta(c.cr);
        moldurapintura(c.cr, W, H);
        v.push_back(opaca(c));
    }
    return v;
}
