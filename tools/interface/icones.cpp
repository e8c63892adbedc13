// The interface pieces: panel frame, counters, menu box, controls, equipment icons and the logo.
#include <cmath>

#include "interface/interface.h"
#include "interface/pintura.h"

static const Tom MADEIRA = hex(0x6a4024), OURO = hex(0xd8a838), AZULNOITE = hex(0x1c1a2c);

// Horizontal or vertical beam of dark wood with gold edges; grain runs along the beam only,
// so any length of it tiles.
static void viga(cairo_t* cr, double w, double h, bool deitada) {
    double esp = deitada ? h : w;
    for (int i = 0; i < int(esp); i++) {
        double t = (i + 0.5) / esp, s = 0.75 + 0.35 * std::sin(t * M_PI) + 0.06 * std::sin(i * 2.7);
        Tom c = mistura(escuro(MADEIRA, 0.5), claro(MADEIRA, 0.15), std::min(1.0, s - 0.3));
        cor(cr, c);
        cairo_new_path(cr);
        if (deitada) cairo_rectangle(cr, 0, i, w, 1);
        else cairo_rectangle(cr, i, 0, 1, h);
        cairo_fill(cr);
    }
    cor(cr, OURO);
    cairo_new_path(cr);
    if (deitada) { cairo_rectangle(cr, 0, 2, w, 1.5); cairo_rectangle(cr, 0, h - 3.5, w, 1.5); }
    else { cairo_rectangle(cr, 2, 0, 1.5, h); cairo_rectangle(cr, w - 3.5, 0, 1.5, h); }
    cairo_fill(cr);
    cor(cr, hex(0x1a100a));
    cairo_new_path(cr);
    if (deitada) { cairo_rectangle(cr, 0, 0, w, 1); cairo_rectangle(cr, 0, h - 1, w, 1); }
    else { cairo_rectangle(cr, 0, 0, 1, h); cairo_rectangle(cr, w - 1, 0, 1, h); }
    cairo_fill(cr);
}

static void rebite(cairo_t* cr, double x, double y, double r = 2.2) {
    elipse(cr, x, y, r, r);
    pinta(cr, OURO, 0.8);
}

static Picture pecaborda() {  // 0: the strip along the top of the panel, 75 x 20
    Canvas c(75, 20);
    viga(c.cr, 75, 20, true);
    rebite(c.cr, 37.5, 10);
    return opaca(c);
}

static Picture poste() {  // 1: vertical post between panel areas, 20 x 133
    Canvas c(20, 133);
    viga(c.cr, 20, 133, false);
    for (int i = 0; i < 3; i++) rebite(c.cr, 10, 20 + i * 46);
    return opaca(c);
}

// Dark plaque with a gold rim, used by the counters, the tooltip and the menu entries.
static void placa(cairo_t* cr, double w, double h, double r, Tom fundo) {
    retarredondado(cr, 1, 1, w - 2, h - 2, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    Tom a = claro(fundo, 0.12), b = escuro(fundo, 0.35);
    cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    traco(cr, hex(0x1a100a), 2.2);
    cairo_new_path(cr);
    retarredondado(cr, 2.5, 2.5, w - 5, h - 5, std::max(0.0, r - 1.5));
    traco(cr, OURO, 1.0);
    cairo_new_path(cr);
}

static Picture contador() {  // 2: money and food counter background, 86 x 24
    Canvas c(86, 24);
    placa(c.cr, 86, 24, 5, AZULNOITE);
    return figura(c);
}

static Picture indisponivel() {  // 3: laid over a button whose MP price is out of reach, 41 x 40
    Picture p(41, 40);
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 41; x++)
            if ((x + y) % 2 == 0) p.set(x, y, 24, 14, 30);
    return p;
}

static Picture abamenu() {  // 4: the closed-menu tab at the top of the screen, 80 x 17
    Canvas c(80, 17);
    cairo_t* cr = c.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 0);
    cairo_line_to(cr, 79, 0);
    cairo_line_to(cr, 72, 16);
    cairo_line_to(cr, 8, 16);
    cairo_close_path(cr);
    pinta(cr, MADEIRA, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 14);
    cairo_line_to(cr, 71, 14);
    traco(cr, OURO, 1);
    letreiro(cr, "MENU (F2)", 40, 11.5, 9, hex(0xf4e4b0), hex(0x2a1408), 1.6);
    return figura(c);
}

static Picture entradamenu() {  // 5: menu entry plate, 160 x 33
    Canvas c(160, 33);
    placa(c.cr, 160, 33, 8, hex(0x3a2a48));
    rebite(c.cr, 9, 16.5, 2);
    rebite(c.cr, 151, 16.5, 2);
    return figura(c);
}

static Picture caixaescolha(bool marcada) {  // 6, 7: check box on and off, 21 x 21
    Canvas c(21, 21);
    cairo_t* cr = c.cr;
    retarredondado(cr, 1, 1, 19, 19, 3);
    chapado(cr, hex(0x1a1424), 0);
    cairo_new_path(cr);
    retarredondado(cr, 1.5, 1.5, 18, 18, 3);
    traco(cr, OURO, 1.6);
    if (marcada) {
        cairo_new_path(cr);
        cairo_move_to(cr, 5, 10.5);
        cairo_line_to(cr, 9, 15);
        cairo_line_to(cr, 16.5, 5);
        traco(cr, hex(0x1a3a10), 4.2);
        traco(cr, hex(0x70e040), 2.4);
    }
    return figura(c);
}

// ---------------------------------------------------------------------------------------------
// The menu box: one whole box of 3 x 3 inner cells is painted, then cut into its nine pieces.
// The frame's grain runs along the edges and the inner pattern repeats every 48 pixels, so the
// pieces join seamlessly at any size.
// ---------------------------------------------------------------------------------------------

static Picture caixainteira() {
    const int W = 94 + 48 * 3, H = 88 + 48 * 3;
    Canvas c(W, H);
    cairo_t* cr = c.cr;
    // inner cloth: deep violet with a faint diamond pattern of period 48
    retarredondado(cr, 4, 4, W - 8, H - 8, 10);
    chapado(cr, hex(0x241c34), 0);
    cairo_save(cr);
    retarredondado(cr, 4, 4, W - 8, H - 8, 10);
    cairo_clip(cr);
    for (int i = -1; i < 8; i++)
        for (int j = -1; j < 8; j++) {
            double cx = 47 + 48 * i + 24, cy = 47 + 48 * j + 24;
            poligono(cr, {cx, cy - 20, cx + 20, cy, cx, cy + 20, cx - 20, cy});
            traco(cr, hex(0x3a2e50), 1.2);
            cairo_new_path(cr);
            elipse(cr, cx, cy, 2, 2);
            chapado(cr, hex(0x4a3a60), 0);
        }
    cairo_restore(cr);
    // the frame: a wooden band 12 pixels wide, gold inner line
    cairo_new_path(cr);
    retarredondado(cr, 7, 7, W - 14, H - 14, 9);
    traco(cr, hex(0x1a100a), 14);
    traco(cr, MADEIRA, 10);
    cairo_new_path(cr);
    retarredondado(cr, 4, 4, W - 8, H - 8, 10);
    traco(cr, escuro(MADEIRA, 0.3), 2);
    cairo_new_path(cr);
    retarredondado(cr, 14.5, 14.5, W - 29, H - 29, 5);
    traco(cr, OURO, 1.4);
    cairo_new_path(cr);
    retarredondado(cr, 1, 1, W - 2, H - 2, 12);
    traco(cr, hex(0x1a100a), 1.6);
    // gold corner plates
    double cx[4] = {12, double(W) - 12, 12, double(W) - 12}, cy[4] = {12, 12, double(H) - 12, double(H) - 12};
    for (int k = 0; k < 4; k++) {
        poligono(cr, {cx[k], cy[k] - 9, cx[k] + 9, cy[k], cx[k], cy[k] + 9, cx[k] - 9, cy[k]});
        pinta(cr, OURO, 1.2);
        elipse(cr, cx[k], cy[k], 2.5, 2.5);
        pinta(cr, hex(0xb02030), 0.6);
    }
    // rivets on the edges at the middle of each 48-pixel piece
    for (int i = 0; i < 3; i++) {
        rebite(cr, 47 + 48 * i + 24, 7, 1.8);
        rebite(cr, 47 + 48 * i + 24, H - 7, 1.8);
        rebite(cr, 7, 47 + 48 * i + 24, 1.8);
        rebite(cr, W - 7, 47 + 48 * i + 24, 1.8);
    }
    return figura(c);
}

static Picture recorte(const Picture& p, int x, int y, int w, int h) {
    Picture r(w, h);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            const uint8_t* s = p.at(x + i, y + j);
            r.set(i, j, s[0], s[1], s[2]);
        }
    return r;
}

static Picture barrarolagem() {  // 17: slider groove, 110 x 10
    Canvas c(110, 10);
    retarredondado(c.cr, 1, 1, 108, 8, 4);
    chapado(c.cr, hex(0x120c18), 0);
    cairo_new_path(c.cr);
    retarredondado(c.cr, 1, 1, 108, 8, 4);
    traco(c.cr, OURO, 1.2);
    for (int i = 1; i < 10; i++) {
        cairo_new_path(c.cr);
        cairo_move_to(c.cr, 5 + i * 10, 3.5);
        cairo_line_to(c.cr, 5 + i * 10, 6.5);
        traco(c.cr, hex(0x6a5a80), 1);
    }
    return figura(c);
}

static Picture indicador() {  // 18: slider knob, 8 x 12
    Canvas c(8, 12);
    retarredondado(c.cr, 0.5, 0.5, 7, 11, 2.5);
    pinta(c.cr, OURO, 1.0);
    cairo_new_path(c.cr);
    cairo_move_to(c.cr, 4, 3);
    cairo_line_to(c.cr, 4, 9);
    traco(c.cr, escuro(OURO, 0.5), 1);
    return figura(c);
}

static Picture moedas() {  // 19: money, 17 x 17
    Canvas c(17, 17);
    for (int i = 0; i < 3; i++) {
        elipse(c.cr, 7 + i * 1.5, 12 - i * 3, 6, 3);
        pinta(c.cr, OURO, 1.0);
    }
    elipse(c.cr, 10, 6, 5.5, 5.5);
    pinta(c.cr, hex(0xf0c040), 1.0);
    letreiro(c.cr, "$", 10, 9.5, 8, hex(0x8a5a10), hex(0x8a5a10), 0);
    return figura(c);
}

static Picture comida() {  // 20: food, 17 x 17: a roast leg
    Canvas c(17, 17);
    cairo_t* cr = c.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 14);
    cairo_line_to(cr, 8, 9);
    traco(cr, hex(0x3a2a20), 3.6);
    traco(cr, hex(0xf0e6d0), 2);
    elipse(cr, 3, 14.5, 1.8, 1.8);
    pinta(cr, hex(0xf0e6d0), 0.8);
    elipse(cr, 10.5, 6.5, 5.5, 4.6);
    pinta(cr, hex(0xb8642a), 1.0);
    return figura(c);
}

static Picture mana() {  // 21: magic points, 17 x 17: a blue drop
    Canvas c(17, 17);
    cairo_t* cr = c.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, 8.5, 1);
    cairo_curve_to(cr, 11, 6, 14, 8, 14, 11);
    cairo_curve_to(cr, 14, 14.5, 11.5, 16, 8.5, 16);
    cairo_curve_to(cr, 5.5, 16, 3, 14.5, 3, 11);
    cairo_curve_to(cr, 3, 8, 6, 6, 8.5, 1);
    cairo_close_path(cr);
    pinta(cr, hex(0x4a70f0), 1.0);
    brilho(cr, 6.5, 10.5, 2.5, hex(0xe0f0ff), 0.9);
    return figura(c);
}

static Picture moldura() {  // 22: the portrait frame, 76 x 114, window for the 70 x 70 face
    Canvas c(76, 114);
    cairo_t* cr = c.cr;
    retarredondado(cr, 0, 0, 76, 114, 4);
    chapado(cr, escuro(MADEIRA, 0.3), 0);
    retarredondado(cr, 3, 75, 70, 36, 3);
    chapado(cr, hex(0x100c16), 0);
    cairo_new_path(cr);
    cairo_rectangle(cr, 2, 2, 72, 72);
    traco(cr, OURO, 1.2);
    cairo_new_path(cr);
    retarredondado(cr, 0.5, 0.5, 75, 113, 4);
    traco(cr, hex(0x1a100a), 1);
    cairo_new_path(cr);
    retarredondado(cr, 3, 75, 70, 36, 3);
    traco(cr, hex(0x8a6a30), 0.8);
    return figura(c);
}

static Picture dicabox() {  // 23: tooltip box, 217 x 90
    Canvas c(217, 90);
    placa(c.cr, 217, 90, 7, hex(0x1e1a30));
    return figura(c);
}

// ---------------------------------------------------------------------------------------------
// equipment icons of the side panel (about 29 x 29)
// ---------------------------------------------------------------------------------------------

static void haste(cairo_t* cr, double x0, double y0, double x1, double y1, Tom c, double lw) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    traco(cr, escuro(c, 0.7), lw + 1.6);
    traco(cr, c, lw);
    cairo_new_path(cr);
}

static void icone(cairo_t* cr, int i) {
    switch (i) {
    case 24:  // spear of the guard tower
        haste(cr, 5, 25, 20, 10, hex(0x8a5a2a), 2.2);
        poligono(cr, {18, 12, 26, 3, 22, 14});
        poligono(cr, {17, 8, 27, 2, 21, 13, 17, 12});
        pinta(cr, hex(0xc8ccd8), 1.0);
        break;
    case 25:  // armour of the buildings: brick shield
        cairo_new_path(cr);
        cairo_move_to(cr, 4, 4);
        cairo_line_to(cr, 25, 4);
        cairo_curve_to(cr, 25, 16, 21, 23, 14.5, 27);
        cairo_curve_to(cr, 8, 23, 4, 16, 4, 4);
        cairo_close_path(cr);
        pinta(cr, hex(0xa86a48), 1.2);
        for (int r = 0; r < 4; r++) {
            cairo_new_path(cr);
            cairo_move_to(cr, 5, 9 + r * 4.5);
            cairo_line_to(cr, 24, 9 + r * 4.5);
            traco(cr, hex(0x5a3020), 0.8);
            cairo_new_path(cr);
            cairo_move_to(cr, 10 + (r % 2) * 5, 4.5 + r * 4.5);
            cairo_line_to(cr, 10 + (r % 2) * 5, 9 + r * 4.5);
            cairo_move_to(cr, 19 + (r % 2) * 3, 4.5 + r * 4.5);
            cairo_line_to(cr, 19 + (r % 2) * 3, 9 + r * 4.5);
            traco(cr, hex(0x5a3020), 0.8);
        }
        break;
    case 26:  // food of the farm: wheat sheaf
        for (int k = -2; k <= 2; k++) {
            haste(cr, 14.5, 27, 14.5 + k * 4, 8, hex(0xd8b040), 1.0);
            elipse(cr, 14.5 + k * 4.2, 6, 2, 4.5);
            pinta(cr, hex(0xe8c050), 0.8);
        }
        poligono(cr, {10, 18, 19, 18, 19, 21, 10, 21});
        pinta(cr, hex(0xb03a20), 0.8);
        break;
    case 27:  // Durbico's axe
        haste(cr, 7, 26, 20, 6, hex(0x9a6a3a), 2.2);
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 6);
        cairo_curve_to(cr, 22, 1, 28, 6, 27, 14);
        cairo_line_to(cr, 19, 11);
        cairo_close_path(cr);
        pinta(cr, hex(0xb8bcc8), 1.0);
        break;
    case 28:  // Durbico's cap
        cairo_new_path(cr);
        cairo_move_to(cr, 4, 19);
        cairo_curve_to(cr, 3, 6, 24, 5, 23, 19);
        cairo_close_path(cr);
        pinta(cr, hex(0xc83020), 1.2);
        poligono(cr, {19, 16, 28, 17, 27, 21, 20, 20});
        pinta(cr, hex(0x982418), 1.0);
        break;
    case 29:  // Fidelina's staff
        haste(cr, 8, 27, 19, 8, hex(0xc8a060), 1.8);
        elipse(cr, 20, 6, 4.5, 4.5);
        pinta(cr, hex(0x60d0a0), 1.0);
        brilho(cr, 20, 6, 6, hex(0xd0fff0), 0.6);
        break;
    case 30:  // Fidelina's dress, with its lace collar
        poligono(cr, {10, 3, 19, 3, 21, 9, 26, 27, 3, 27, 8, 9});
        pinta(cr, hex(0x7ab0d8), 1.2);
        poligono(cr, {9, 4, 14.5, 9, 20, 4, 19, 7, 14.5, 11, 10, 7});
        pinta(cr, hex(0xf0e6d0), 0.7);
        break;
    case 31:  // witch's claws: a green hand with long black nails
        for (int k = 0; k < 4; k++) {
            double bx = 8 + k * 4.5, by = 19, tx = 5 + k * 6.5, ty = 6 - (k == 1 || k == 2 ? 2 : 0);
            cairo_new_path(cr);
            cairo_move_to(cr, bx, by);
            cairo_line_to(cr, tx + 1, ty + 5);
            traco(cr, hex(0x1a2a10), 4.2);
            traco(cr, hex(0x8ab070), 2.6);
            poligono(cr, {tx - 1.4, ty + 5, tx + 2.6, ty + 5.5, tx - 1.5, ty - 3});
            pinta(cr, hex(0x1a1020), 0.6);
        }
        elipse(cr, 13, 22, 8, 6);
        pinta(cr, hex(0x8ab070), 1.1);
        poligono(cr, {18, 21, 26, 17, 27, 20, 20, 25});
        pinta(cr, hex(0x8ab070), 1.0);
        break;
    case 32:  // the witch's dress
    {
        poligono(cr, {10, 3, 19, 3, 21, 9, 26, 27, 3, 27, 8, 9});
        pinta(cr, hex(0x5a2a78), 1.2);
        poligono(cr, {9, 10, 20, 10, 20, 13, 9, 13});
        pinta(cr, hex(0xc09030), 0.7);
        break;
    }
    case 33:  // Seu Vorlando's staff
        haste(cr, 7, 27, 21, 5, hex(0x7a4a24), 2.4);
        elipse(cr, 21.5, 5, 3.5, 3.5);
        pinta(cr, hex(0xe8b830), 1.0);
        break;
    case 34:  // Seu Vorlando's hat
        elipse(cr, 14.5, 19, 13, 4);
        pinta(cr, hex(0x7a4a24), 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, 7, 19);
        cairo_curve_to(cr, 7, 7, 22, 7, 22, 19);
        cairo_close_path(cr);
        pinta(cr, hex(0x7a4a24), 1.2);
        poligono(cr, {7.3, 15, 21.7, 15, 22, 18, 7, 18});
        pinta(cr, hex(0x2e1c12), 0.6);
        break;
    case 35:  // skeleton's sword
        haste(cr, 8, 22, 24, 5, hex(0xc8ccd8), 2.6);
        haste(cr, 5, 17, 13, 26, hex(0xb08a40), 1.8);
        haste(cr, 3, 27, 8, 22, hex(0x5a3a20), 2.2);
        break;
    case 36:  // bone
        haste(cr, 8, 21, 21, 8, hex(0xe4d8b8), 3.0);
        for (double s : {-1.0, 1.0}) {
            elipse(cr, 14.5 + s * 8.5 - 1.5, 14.5 - s * 8.5 - 1.5, 2.6, 2.6);
            pinta(cr, hex(0xe4d8b8), 1.0);
            elipse(cr, 14.5 + s * 8.5 + 1.5, 14.5 - s * 8.5 + 1.5, 2.6, 2.6);
            pinta(cr, hex(0xe4d8b8), 1.0);
        }
        break;
    case 37:  // Satanas' armour: horned breastplate
        poligono(cr, {6, 5, 23, 5, 25, 14, 20, 27, 9, 27, 4, 14});
        pinta(cr, hex(0x5a1a14), 1.2);
        for (double s : {-1.0, 1.0}) {
            poligono(cr, {14.5 + s * 7, 6, 14.5 + s * 13, 1, 14.5 + s * 10, 9});
            pinta(cr, hex(0x2a2020), 0.9);
        }
        elipse(cr, 14.5, 15, 3.5, 3.5);
        pinta(cr, hex(0xf08020), 0.8);
        break;
    case 38:  // portal
        elipse(cr, 14.5, 15, 11, 13);
        pinta(cr, hex(0x6a6478), 1.2);
        elipse(cr, 14.5, 15, 7, 9);
        chapado(cr, hex(0x300a50), 0);
        brilho(cr, 14.5, 15, 7, hex(0xc070ff), 1.0);
        break;
    default: break;
    }
}

static Picture equipamento(int i) {
    Canvas c(29, 29);
    icone(c.cr, i);
    return figura(c);
}

static Picture selecionado() {  // 39: highlight bar of the menu entry under the pointer, 140 x 19
    Canvas c(140, 19);
    retarredondado(c.cr, 1, 1, 138, 17, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 19);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.30, 0.24, 0.50);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.16, 0.12, 0.30);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.30, 0.24, 0.50);
    cairo_set_source(c.cr, g);
    cairo_fill_preserve(c.cr);
    cairo_pattern_destroy(g);
    traco(c.cr, hex(0xa890e8), 1.0);
    return figura(c);
}

// 40: the logo of the loading screen, 330 x 130: the title over Seu Vorlando's sacred guitar.
static Picture logo() {
    Canvas c(330, 130);
    cairo_t* cr = c.cr;
    // guitar laid behind the letters
    cairo_save(cr);
    cairo_translate(cr, 165, 58);
    cairo_rotate(cr, -0.18);
    elipse(cr, -70, 0, 34, 30);
    pinta(cr, hex(0xc07830), 1.6);
    elipse(cr, -30, 0, 26, 22);
    pinta(cr, hex(0xc07830), 1.6);
    elipse(cr, -48, 0, 10, 10);
    chapado(cr, hex(0x2a1408), 1.0);
    poligono(cr, {-8, -5, 120, -4, 120, 4, -8, 5});
    pinta(cr, hex(0x5a3418), 1.3);
    poligono(cr, {118, -8, 140, -7, 140, 7, 118, 8});
    pinta(cr, hex(0x3a2010), 1.3);
    for (int k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, -85, k * 2.5);
        cairo_line_to(cr, 132, k * 2.5);
        traco(cr, hex(0xe8d8a8), 0.6);
    }
    cairo_restore(cr);
    letreiro(cr, "VORLANDOCRAFT", 165, 80, 40, hex(0xf0c040), hex(0x2a1408), 5, true, 310);
    letreiro(cr, "A jornada do violão sagrado", 165, 112, 17, hex(0xe8dcc0), hex(0x2a1408), 3, false, 300);
    return figura(c);
}

std::vector<Picture> geraicones() {
    std::vector<Picture> v;
    v.push_back(pecaborda());
    v.push_back(poste());
    v.push_back(contador());
    v.push_back(indisponivel());
    v.push_back(abamenu());
    v.push_back(entradamenu());
    v.push_back(caixaescolha(true));
    v.push_back(caixaescolha(false));
    // menu box pieces 8..16 cut from one painted box (x, y, w, h)
    Picture box = caixainteira();
    const int R = 47 + 48 * 3, B = 47 + 48 * 3;
    v.push_back(recorte(box, 0, 0, 47, 47));   // 8 top-left corner
    v.push_back(recorte(box, R, 0, 47, 47));   // 9 top-right corner
    v.push_back(recorte(box, 0, B, 47, 41));   // 10 bottom-left corner
    v.push_back(recorte(box, R, B, 47, 41));   // 11 bottom-right corner
    v.push_back(recorte(box, 47, 0, 48, 47));  // 12 top edge
    v.push_back(recorte(box, R, 47, 47, 48));  // 13 right edge
    v.push_back(recorte(box, 0, 47, 47, 48));  // 14 left edge
    v.push_back(recorte(box, 47, B, 48, 41));  // 15 bottom edge
    v.push_back(recorte(box, 47, 47, 48, 48)); // 16 inner cell
    v.push_back(barrarolagem());
    v.push_back(indicador());
    v.push_back(moedas());
    v.push_back(comida());
    v.push_back(mana());
    v.push_back(moldura());
    v.push_back(dicabox());
    for (int i = 24; i <= 38; i++) v.push_back(equipamento(i));
    v.push_back(selecionado());
    v.push_back(logo());
    return v;
}
