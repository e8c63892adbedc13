// The opening slides: the breathing background, the opening painting and its lightning frames,
// the trivia page's ornament, tile and border, the main menu's flame strip and the title.
#include <cmath>

#include "interface/cenas.h"
#include "interface/interface.h"
#include "interface/tecnica.h"

// Pictures of the ten trivia pages about Japan (japao.cpp).
std::vector<Picture> gerajapao();

static Picture fundoabertura() {  // 0: night over the kingdom, 800 x 600
    Canvas c(800, 600);
    cairo_t* cr = c.cr;
    ceu(cr, 800, 600, hex(0x0c0a24), hex(0x8a3a3a), 420);
    Rng rng(101);
    estrelas(cr, rng, 800, 330, 160);
    lua(cr, 610, 120, 38, hex(0xf4e8c0), 0.35);
    Rng nuvens(102);
    for (int i = 0; i < 5; i++)
        nuvem(cr, nuvens, 80 + i * 160, 250 + (i % 2) * 40, 200, 26, hex(0xb06a70), hex(0x2a1a3a), 0.55, 0);
    colinas(cr, 800, 600, 400, 60, 0.5, hex(0x3a2a4a), hex(0x5a3a5a));
    nevoa(cr, 800, 330, 420, 470, hex(0x8a4a5a), 0.35);
    castelo(cr, 726, 408, 70, hex(0x1e1428), true);  // far off to the right, clear of the framed painting
    colinas(cr, 800, 600, 470, 40, 2.1, hex(0x1e2a2a), hex(0x2e3a3a));
    for (int i = 0; i < 40; i++) pinheiro(cr, i * 21 + rng.range(-6, 6), 520 + rng.range(-10, 20), rng.range(40, 70), hex(0x142020));
    colinas(cr, 800, 600, 560, 20, 4.0, hex(0x0e1414), hex(0x1a2020));
    pinceladas(cr, rng, 0, 0, 800, 600, hex(0x3a2a4a), 900, 0.08);
    grao(cr, 101, 0.06);
    return opaca(c);
}

// 1..4: Seu Vorlando on the hill before the witch-queen's castle; frames 2..4 are the lightning
// strike that the opening flashes twice.
static Picture pinturaabertura(int raio) {
    const int W = 500, H = 340;
    Canvas c(W, H);
    cairo_t* cr = c.cr;
    double clarao = raio == 0 ? 0 : (raio == 2 ? 0.75 : (raio == 1 ? 0.35 : 0.45));
    ceu(cr, W, H, mistura(hex(0x1a1438), hex(0x8a80c0), clarao), mistura(hex(0xc05a3a), hex(0xf0d0a0), clarao), 250);
    Rng rng(7);
    if (raio == 0) estrelas(cr, rng, W, 150, 50);
    // storm clouds, lit from below by the dusk and from within by the lightning
    Rng nuvens(19);
    for (int i = 0; i < 7; i++)
        nuvem(cr, nuvens, 40 + i * 75, 66 + (i % 3) * 18, 120, 28, mistura(hex(0x9a5a6a), hex(0xe8e4ff), clarao),
              mistura(hex(0x24182e), hex(0x7a70a8), clarao), 0.8, 0);
    colinas(cr, W, H, 240, 30, 1.0, hex(0x3a2436), hex(0x6a3a4a));
    nevoa(cr, W, 180, 236, 260, mistura(hex(0xa04a44), hex(0xe0d8f8), clarao), 0.4);
    castelo(cr, 360, 232, 110, hex(0x1a1020), raio == 0);
    // the guitar's glow at the top of the keep
    brilho(cr, 360, 110, 30 + raio * 6, hex(0xffe080), 0.7);
    violao(cr, 360, 110, 26, -0.6);
    if (raio > 0) {
        // the bolt from the clouds to the keep
        double fim = raio == 1 ? 55 : 100;
        cairo_new_path(cr);
        cairo_move_to(cr, 318, 0);
        double x = 318, y = 0;
        Rng r2(31);
        while (y < fim) {
            y += r2.range(8, 13);
            x += r2.range(-8, 8) + (360 - x) * 0.12;
            cairo_line_to(cr, x, y);
        }
        cairo_path_t* p = cairo_copy_path(cr);
        camada(cr, 6, 0.9, [&](cairo_t* k) {
            cairo_append_path(k, p);
            traco(k, hex(0xa0b0ff), raio == 2 ? 14 : 10);
        });
        cairo_append_path(cr, p);
        cairo_path_destroy(p);
        traco(cr, hex(0xc8d0ff), raio == 2 ? 5 : 4, 0.7);
        traco(cr, hex(0xfaf8f0), 2);
        brilho(cr, x, y, 25, hex(0xe0e8ff), 0.7);
    }
    colinas(cr, W, H, 300, 25, 3.0, hex(0x1a1218), hex(0x2a1a22));
    // the hero on the near hill, his people behind him
    Tom sombra = hex(0x0c080c);
    silhueta(cr, DURBICO, 92, 300, 70, sombra, 1);
    silhueta(cr, VORLANDO, 150, 302, 135, sombra, 1);
    pinceladas(cr, rng, 0, 0, W, H, hex(0x4a3a5a), 250, 0.08);
    grao(cr, 7, 0.06);
    moldurapintura(cr, W, H);
    return opaca(c);
}

static Picture ornamento() {  // 5: bamboo and cherry blossom column, 65 x 420
    Canvas c(65, 420);
    cairo_t* cr = c.cr;
    for (int k = 0; k < 2; k++) {
        double x = 22 + k * 20;
        for (int s = 0; s < 6; s++) {
            double y0 = 10 + s * 68 + k * 30;
            retarredondado(cr, x - 5, y0, 10, 66, 3);
            pinta(cr, hex(0x6a9a3a), 1.2);
            poligono(cr, {x - 6, y0 + 64, x + 6, y0 + 64, x + 6, y0 + 68, x - 6, y0 + 68});
            pinta(cr, hex(0x4a7a2a), 1.0);
        }
    }
    Rng rng(55);
    for (int i = 0; i < 14; i++) {
        double x = rng.range(8, 57), y = rng.range(10, 400);
        for (int p = 0; p < 5; p++) {
            double a = p * 2 * M_PI / 5;
            elipse(cr, x + std::cos(a) * 3.2, y + std::sin(a) * 3.2, 2.6, 2.6);
            pinta(cr, hex(0xf0a0b8), 0.6);
        }
        elipse(cr, x, y, 1.4, 1.4);
        chapado(cr, hex(0xc03050), 0);
    }
    return figura(c);
}

// 6: the trivia background tile, 100 x 100, blue wave scales that repeat seamlessly.
static Picture ladrilho() {
    Canvas c(100, 100);
    cairo_t* cr = c.cr;
    cor(cr, hex(0x14203a));
    cairo_paint(cr);
    for (int j = -1; j <= 8; j++)
        for (int i = -1; i <= 4; i++) {
            double x = i * 25 + (j % 2 ? 12.5 : 0), y = j * 12.5;
            for (int k = 4; k >= 1; k--) {
                cairo_new_path(cr);
                cairo_arc(cr, x, y, k * 3.1, M_PI, 2 * M_PI);
                cairo_close_path(cr);
                chapado(cr, k % 2 ? hex(0x203458) : hex(0x2c4470), 0);
            }
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 12.4, M_PI, 2 * M_PI);
            traco(cr, hex(0x4a6aa0), 0.8);
        }
    return opaca(c);
}

static Picture faixa() {  // 7: lacquer border strip, 100 x 10, repeats along the page
    Canvas c(100, 10);
    cairo_t* cr = c.cr;
    degrade(cr, 100, 10, hex(0xb02020), hex(0x6a0a10));
    cor(cr, hex(0xd8a838));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 1, 100, 1);
    cairo_rectangle(cr, 0, 8, 100, 1);
    cairo_fill(cr);
    for (int i = 0; i < 4; i++) {
        double x = 12.5 + i * 25;
        poligono(cr, {x, 2.5, x + 3, 5, x, 7.5, x - 3, 5});
        pinta(cr, hex(0xe8b840), 0.6);
    }
    cor(cr, hex(0x1a0606));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 100, 1);
    cairo_rectangle(cr, 0, 9, 100, 1);
    cairo_fill(cr);
    return opaca(c);
}

// 8..10: the main menu's strip, 380 x 220: the kingdom's wall against the fires of the war,
// three frames of flickering flames that repeat every 380 pixels.
static Picture faixamenu(int quadro) {
    const int W = 380, H = 220;
    Canvas c(W, H);
    cairo_t* cr = c.cr;
    for (int camada = 0; camada < 3; camada++) {
        Tom t = camada == 0 ? hex(0xa02008) : (camada == 1 ? hex(0xe06010) : hex(0xf8c040));
        cairo_new_path(cr);
        cairo_move_to(cr, 0, H);
        for (double x = 0; x <= W; x += 2) {
            double a = x / W * 2 * M_PI;
            double h = 70 - camada * 22 + 22 * std::sin(a * 5 + quadro * 2.1 + camada) + 14 * std::sin(a * 11 - quadro * 1.7) +
                       8 * std::sin(a * 19 + quadro * 2.9 + camada * 2);
            cairo_line_to(cr, x, H - 60 - h);
        }
        cairo_line_to(cr, W, H);
        cairo_close_path(cr);
        cor(cr, t, 0.9);
        cairo_fill(cr);
    }
    // wall with battlements and a gate tower at the middle
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 150, W, 70);
    for (int i = 0; i < 19; i++) cairo_rectangle(cr, i * 20, 140, 11, 12);
    cairo_rectangle(cr, 160, 100, 60, 60);
    for (int i = 0; i < 3; i++) cairo_rectangle(cr, 160 + i * 22, 90, 14, 12);
    cor(cr, hex(0x1a0c0a));
    cairo_fill(cr);
    // torches flicker on the wall
    for (int i = 0; i < 3; i++) {
        double x = 63 + i * 127, fl = 4 + ((i + quadro) % 3) * 2;
        brilho(cr, x, 150, 14 + fl, hex(0xffb040), 0.7);
        elipse(cr, x, 150 - fl / 2, 3, 4 + fl / 2);
        chapado(cr, hex(0xffe070), 0);
    }
    retarredondado(cr, 178, 122, 24, 38, 10);
    chapado(cr, hex(0x3a1408), 0);
    brilho(cr, 190, 140, 12, hex(0xff8030), 0.6);
    return figura(c);
}

static Picture titulo() {  // 11: the title, 624 x 250, drawn at (88, 50)
    const int W = 624, H = 250;
    Canvas c(W, H);
    cairo_t* cr = c.cr;
    violao(cr, 262, 100, 370, -0.08);
    brilho(cr, 312, 110, 160, hex(0xffd070), 0.35);
    letreiro(cr, "VORLANDOCRAFT", 312, 140, 86, hex(0xf0c040), hex(0x2a0c04), 9, true, 590);
    letreiro(cr, "VORLANDOCRAFT", 312, 140, 86, hex(0xf8d860), hex(0x2a0c04), 0, true, 590);
    // lighter top half of the letters
    cairo_save(cr);
    cairo_rectangle(cr, 0, 70, W, 42);
    cairo_clip(cr);
    letreiro(cr, "VORLANDOCRAFT", 312, 140, 86, hex(0xfcec9c), hex(0x2a0c04), 0, true, 590);
    cairo_restore(cr);
    letreiro(cr, "A JORNADA DO VIOLÃO SAGRADO", 312, 200, 28, hex(0xf4e4c0), hex(0x2a0c04), 5, true, 560);
    // ornamental rule under the subtitle
    for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 312 + s * 40, 222);
        cairo_line_to(cr, 312 + s * 220, 222);
        traco(cr, hex(0x2a0c04), 4);
        traco(cr, hex(0xd8a838), 2);
    }
    poligono(cr, {312, 214, 320, 222, 312, 230, 304, 222});
    pinta(cr, hex(0xd8a838), 1.2);
    return figura(c);
}

std::vector<Picture> geraabertura() {
    std::vector<Picture> v;
    v.push_back(fundoabertura());
    for (int k = 0; k < 4; k++) v.push_back(pinturaabertura(k));
    v.push_back(ornamento());
    v.push_back(ladrilho());
    v.push_back(faixa());
    for (int k = 0; k < 3; k++) v.push_back(faixamenu(k));
    v.push_back(titulo());
    for (Picture& p : gerajapao()) v.push_back(p);
    return v;
}
