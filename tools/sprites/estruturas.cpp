// Structures: guard towers, farm, shop, barracks, the witch's house, chest and portal, by stage.
#include "estruturas.h"

#include <cmath>

#include "boneco.h"

namespace boneco {

namespace {

void caixa(cairo_t* cr, double x0, double y0, double x1, double y1, Tinta t) {
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    gradiente_lateral(cr, x0, x1, t);
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

void forma(cairo_t* cr, std::initializer_list<double> xy, Tinta t, bool lateral = true) {
    const double* p = xy.begin();
    double minx = 1e9, maxx = -1e9, miny = 1e9, maxy = -1e9;
    cairo_new_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        cairo_line_to(cr, p[i], p[i + 1]);
        minx = std::fmin(minx, p[i]); maxx = std::fmax(maxx, p[i]);
        miny = std::fmin(miny, p[i + 1]); maxy = std::fmax(maxy, p[i + 1]);
    }
    cairo_close_path(cr);
    if (lateral) gradiente_lateral(cr, minx, maxx, t);
    else gradiente_vertical(cr, miny, maxy, t.clara(0.15), t.escura(0.75));
    cairo_fill_preserve(cr);
    contorno(cr, t);
}

// A patch of trodden earth the building stands on.
void chao(cairo_t* cr, double ox, double oy, double rx, double ry, Tinta t) {
    elipse(cr, ox, oy, rx, ry);
    gradiente_vertical(cr, oy - ry, oy + ry, t.escura(0.8), t);
    cairo_fill_preserve(cr);
    contorno(cr, t, 0.8);
}

// Mortar lines of a stone wall.
void pedras(cairo_t* cr, double x0, double y0, double x1, double y1, Tinta t, double alto = 6) {
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_clip(cr);
    usa(cr, t.escura(0.55));
    cairo_set_line_width(cr, 0.8);
    int linha = 0;
    for (double y = y1 - alto; y > y0 - alto; y -= alto, linha++) {
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        for (double x = x0 + (linha % 2 ? 4 : 9); x < x1; x += 10) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + alto);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Wooden planks, vertical.
void tabuas(cairo_t* cr, double x0, double y0, double x1, double y1, Tinta t) {
    caixa(cr, x0, y0, x1, y1, t);
    usa(cr, t.escura(0.5));
    cairo_set_line_width(cr, 0.8);
    for (double x = x0 + 5; x < x1 - 1; x += 5) {
        cairo_move_to(cr, x, y0 + 1);
        cairo_line_to(cr, x, y1 - 1);
    }
    cairo_stroke(cr);
}

// Scaffold poles and boards round a building going up.
void andaime(cairo_t* cr, double x0, double x1, double ytopo, double ybase) {
    Tinta m = rgb(170, 128, 74);
    for (double x : {x0 - 4, x1 + 1}) caixa(cr, x, ytopo - 6, x + 3, ybase, m);
    for (double y = ybase - 12; y > ytopo - 4; y -= 16) caixa(cr, x0 - 6, y, x1 + 6, y + 3, m.clara(0.1));
    cairo_move_to(cr, x0 - 3, ybase - 2);
    cairo_line_to(cr, x1 + 2, ytopo);
    usa(cr, m.escura(0.7));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// A building site: a dug outline of stones, a pile of planks and a heap of stones.
void alicerce(cairo_t* cr, double ox, double oy, double rx, double ry) {
    elipse(cr, ox, oy, rx, ry);
    usa(cr, rgb(130, 100, 70));
    cairo_fill_preserve(cr);
    contorno(cr, rgb(130, 100, 70));
    for (int i = 0; i < 14; i++) {
        double a = i * 2 * M_PI / 14;
        elipse(cr, ox + std::cos(a) * rx * 0.9, oy + std::sin(a) * ry * 0.9, 3.5, 2.6);
        gradiente_lateral(cr, ox - rx, ox + rx, rgb(150, 146, 140));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(150, 146, 140), 0.8);
    }
    for (int i = 0; i < 3; i++) caixa(cr, ox - rx * 0.6, oy - 3 - i * 3, ox + rx * 0.1, oy - i * 3, rgb(176, 132, 80));
    for (int i = 0; i < 4; i++) {
        elipse(cr, ox + rx * 0.45 + (i % 2) * 5, oy - 2 - (i / 2) * 4, 3.5, 2.8);
        gradiente_lateral(cr, ox, ox + rx, rgb(160, 156, 150));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(160, 156, 150), 0.8);
    }
}

// The complete guard tower; `escura` gives the enemy's version.
void torre(cairo_t* cr, double ox, double oy, bool inimiga) {
    Tinta pedra = inimiga ? rgb(84, 78, 92) : rgb(168, 158, 140), teto = inimiga ? rgb(40, 34, 44) : rgb(170, 70, 44);
    double base = oy + 8, topo = oy - 56;
    chao(cr, ox, base - 1, 27, 9, inimiga ? rgb(70, 60, 56) : rgb(128, 104, 72));
    forma(cr, {ox - 19, topo, ox + 19, topo, ox + 20, base - 3, ox, base + 2, ox - 20, base - 3}, pedra);
    pedras(cr, ox - 20, topo, ox + 20, base + 2, pedra);
    caixa(cr, ox - 24, topo - 12, ox + 24, topo, pedra.clara(0.08));
    for (int i = 0; i < 5; i++) caixa(cr, ox - 24 + i * 10, topo - 18, ox - 18 + i * 10, topo - 11, pedra.clara(0.08));
    forma(cr, {ox - 22, topo - 14, ox + 22, topo - 14, ox, topo - 44}, teto);
    if (inimiga) {
        for (int s = -1; s <= 1; s += 2) forma(cr, {ox + s * 22, topo - 14, ox + s * 28, topo - 24, ox + s * 17, topo - 16}, teto);
        caixa(cr, ox + 10, topo + 4, ox + 18, topo + 22, rgb(160, 30, 30));
    } else {
        caixa(cr, ox + 10, topo + 4, ox + 18, topo + 20, rgb(50, 80, 170));
    }
    forma(cr, {ox - 4, topo + 24, ox + 4, topo + 24, ox + 4, topo + 12, ox, topo + 8, ox - 4, topo + 12},
          inimiga ? rgb(240, 60, 30) : rgb(40, 30, 30));
    forma(cr, {ox - 7, base - 1, ox + 7, base - 1, ox + 7, base - 16, ox, base - 21, ox - 7, base - 16}, rgb(110, 72, 40));
}

}  // namespace

void desenha_torre(cairo_t* cr, double ox, double oy, int k) {
    if (k == 0) { alicerce(cr, ox, oy + 2, 24, 11); return; }
    static const double alto[5] = {0, 20, 42, 64, 200};
    if (k < 4) {
        alicerce(cr, ox, oy + 2, 24, 11);
        cairo_save(cr);
        cairo_rectangle(cr, 0, oy + 10 - alto[k], 400, 400);
        cairo_clip(cr);
    }
    torre(cr, ox, oy, false);
    if (k < 4) {
        cairo_restore(cr);
        andaime(cr, ox - 20, ox + 20, oy + 6 - alto[k], oy + 10);
    }
}

void desenha_torreinimiga(cairo_t* cr, double ox, double oy, int) { torre(cr, ox, oy, true); }

// Farm: a thatched cottage and a fenced field of crops.
static void fazenda(cairo_t* cr, double ox, double oy) {
    Tinta terra = rgb(122, 88, 52), folha = rgb(96, 160, 56), parede = rgb(222, 196, 150), palha = rgb(206, 168, 82);
    forma(cr, {ox - 6, oy - 14, ox + 34, oy - 14, ox + 36, oy + 12, ox - 8, oy + 12}, terra, false);
    for (int r = 0; r < 4; r++)
        for (int i = 0; i < 6; i++) {
            double x = ox - 2 + i * 6.5 + r, y = oy - 9 + r * 6;
            elipse(cr, x, y, 2.8, 2.2);
            usa(cr, r % 2 ? folha : folha.clara(0.15));
            cairo_fill_preserve(cr);
            contorno(cr, folha, 0.6);
        }
    for (int i = 0; i < 8; i++) caixa(cr, ox - 6 + i * 6, oy + 8, ox - 4 + i * 6, oy + 15, rgb(160, 118, 70));
    caixa(cr, ox - 7, oy + 10, ox + 37, oy + 12, rgb(176, 132, 80));
    caixa(cr, ox - 34, oy - 20, ox - 2, oy + 8, parede);
    caixa(cr, ox - 24, oy - 8, ox - 14, oy + 8, rgb(118, 76, 40));
    caixa(cr, ox - 10, oy - 14, ox - 4, oy - 8, rgb(80, 110, 160));
    forma(cr, {ox - 38, oy - 18, ox + 2, oy - 18, ox - 6, oy - 40, ox - 30, oy - 40}, palha, false);
    usa(cr, palha.escura(0.6));
    cairo_set_line_width(cr, 0.7);
    for (double x = ox - 34; x < 0 + ox; x += 4) { cairo_move_to(cr, x, oy - 19); cairo_line_to(cr, x + (ox - 18 - x) * 0.3, oy - 38); }
    cairo_stroke(cr);
}

void desenha_fazenda(cairo_t* cr, double ox, double oy, int k) {
    if (k == 0) { alicerce(cr, ox - 4, oy, 30, 13); return; }
    static const double alto[5] = {0, 22, 31, 40, 200};
    if (k < 4) {
        alicerce(cr, ox - 4, oy, 30, 13);
        cairo_save(cr);
        cairo_rectangle(cr, 0, oy + 14 - alto[k], 400, 400);
        cairo_clip(cr);
    }
    fazenda(cr, ox, oy);
    if (k < 4) {
        cairo_restore(cr);
        andaime(cr, ox - 34, ox - 2, oy + 10 - alto[k], oy + 10);
    }
}

// Shop: a market stall with a striped awning, goods on the counter and barrels.
static void loja(cairo_t* cr, double ox, double oy) {
    Tinta madeira = rgb(150, 102, 58);
    caixa(cr, ox - 27, oy - 46, ox - 23, oy + 6, madeira);
    caixa(cr, ox + 23, oy - 46, ox + 27, oy + 6, madeira);
    tabuas(cr, ox - 28, oy - 14, ox + 28, oy + 8, madeira.clara(0.1));
    caixa(cr, ox - 30, oy - 17, ox + 30, oy - 13, madeira.escura(0.85));
    // goods: pots, apples, a loaf
    struct { double dx, r; int cor; } bens[5] = {{-19, 5, 0}, {-8, 4, 1}, {1, 4, 1}, {10, 5, 2}, {19, 4, 0}};
    Tinta cores[3] = {rgb(176, 96, 60), rgb(210, 50, 40), rgb(212, 170, 90)};
    for (auto& b : bens) {
        elipse(cr, ox + b.dx, oy - 17 - b.r * 0.8, b.r, b.r * 0.85);
        gradiente_lateral(cr, ox + b.dx - b.r, ox + b.dx + b.r, cores[b.cor]);
        cairo_fill_preserve(cr);
        contorno(cr, cores[b.cor]);
    }
    // awning in red and cream stripes
    for (int i = 0; i < 8; i++) {
        double x0 = ox - 32 + i * 8;
        forma(cr, {x0, oy - 56, x0 + 8, oy - 56, x0 + 9, oy - 40, x0 + 1, oy - 40}, i % 2 ? rgb(240, 226, 196) : rgb(196, 44, 40), false);
    }
    for (int i = 0; i < 8; i++) {
        elipse(cr, ox - 28 + i * 8, oy - 40, 4, 3);
        usa(cr, i % 2 ? rgb(240, 226, 196) : rgb(196, 44, 40));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(196, 44, 40), 0.7);
    }
    caixa(cr, ox - 12, oy - 68, ox + 12, oy - 56, madeira.clara(0.2));
    elipse(cr, ox, oy - 62, 4, 4);
    usa(cr, rgb(240, 200, 50));
    cairo_fill_preserve(cr);
    contorno(cr, rgb(200, 150, 30));
    for (int s = -1; s <= 1; s += 2) {
        double bx = ox + s * 36;
        forma(cr, {bx - 7, oy - 10, bx + 7, oy - 10, bx + 8, oy + 1, bx + 7, oy + 10, bx - 7, oy + 10, bx - 8, oy + 1}, rgb(140, 92, 50));
        caixa(cr, bx - 8, oy - 5, bx + 8, oy - 3, rgb(90, 90, 96));
        caixa(cr, bx - 8, oy + 4, bx + 8, oy + 6, rgb(90, 90, 96));
    }
}

void desenha_loja(cairo_t* cr, double ox, double oy, int k) {
    if (k == 0) { alicerce(cr, ox, oy, 32, 12); return; }
    static const double alto[5] = {0, 16, 34, 52, 200};
    if (k < 4) {
        alicerce(cr, ox, oy, 32, 12);
        cairo_save(cr);
        cairo_rectangle(cr, 0, oy + 12 - alto[k], 400, 400);
        cairo_clip(cr);
    }
    loja(cr, ox, oy);
    if (k < 4) {
        cairo_restore(cr);
        andaime(cr, ox - 28, ox + 28, oy + 8 - alto[k], oy + 10);
    }
}

void desenha_quartel(cairo_t* cr, double ox, double oy, int) {
    Tinta pedra = rgb(160, 150, 134), viga = rgb(110, 72, 40), reboco = rgb(226, 206, 166), telha = rgb(70, 84, 130);
    chao(cr, ox, oy + 13, 60, 11, rgb(128, 104, 72));
    caixa(cr, ox - 50, oy - 30, ox + 50, oy + 14, pedra);
    pedras(cr, ox - 50, oy - 30, ox + 50, oy + 14, pedra, 7);
    caixa(cr, ox - 46, oy - 62, ox + 46, oy - 30, reboco);
    for (double x : {-46.0, -24.0, -2.0, 20.0, 42.0}) caixa(cr, ox + x, oy - 62, ox + x + 4, oy - 30, viga);
    caixa(cr, ox - 46, oy - 64, ox + 46, oy - 60, viga);
    forma(cr, {ox - 58, oy - 60, ox + 58, oy - 60, ox + 40, oy - 98, ox - 40, oy - 98}, telha, false);
    usa(cr, telha.escura(0.55));
    cairo_set_line_width(cr, 0.8);
    for (double y = oy - 66; y > oy - 98; y -= 6) {
        double t = (oy - 60 - y) / 38;
        cairo_move_to(cr, ox - 58 + 18 * t, y);
        cairo_line_to(cr, ox + 58 - 18 * t, y);
    }
    cairo_stroke(cr);
    forma(cr, {ox - 14, oy + 14, ox + 14, oy + 14, ox + 14, oy - 14, ox, oy - 24, ox - 14, oy - 14}, viga);
    caixa(cr, ox - 1, oy - 18, ox + 1, oy + 14, viga.escura(0.6));
    for (double x : {-36.0, 26.0}) caixa(cr, ox + x, oy - 52, ox + x + 10, oy - 40, rgb(60, 80, 120));
    for (int s = -1; s <= 1; s += 2) {  // blue banners with a gold sword
        double bx = ox + s * 34;
        forma(cr, {bx - 6, oy - 26, bx + 6, oy - 26, bx + 6, oy + 2, bx, oy - 3, bx - 6, oy + 2}, rgb(44, 70, 170));
        caixa(cr, bx - 1, oy - 22, bx + 1, oy - 6, rgb(240, 200, 60));
        caixa(cr, bx - 4, oy - 18, bx + 4, oy - 16, rgb(240, 200, 60));
    }
}

void desenha_casabruxa(cairo_t* cr, double ox, double oy, int) {
    Tinta parede = rgb(104, 88, 112), teto = rgb(58, 40, 70), madeira = rgb(80, 58, 46);
    chao(cr, ox, oy + 13, 54, 11, rgb(84, 70, 64));
    forma(cr, {ox - 44, oy + 12, ox + 40, oy + 14, ox + 44, oy - 40, ox - 40, oy - 44}, parede);
    pedras(cr, ox - 44, oy - 44, ox + 44, oy + 14, parede, 8);
    caixa(cr, ox + 18, oy - 80, ox + 30, oy - 40, rgb(90, 80, 84));
    for (int i = 0; i < 3; i++) {  // green smoke from the chimney
        elipse(cr, ox + 26 + i * 5, oy - 88 - i * 9, 5 + i, 4 + i);
        usa(cr, rgb(120, 210, 110).clara(0.1 * i));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(120, 210, 110), 0.6);
    }
    forma(cr, {ox - 54, oy - 36, ox + 52, oy - 40, ox + 12, oy - 80, ox - 2, oy - 104, ox - 6, oy - 84}, teto, false);
    cairo_move_to(cr, ox - 2, oy - 104);
    cairo_curve_to(cr, ox + 8, oy - 110, ox + 16, oy - 104, ox + 18, oy - 112);
    usa(cr, teto);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    forma(cr, {ox - 12, oy + 13, ox + 8, oy + 13, ox + 8, oy - 12, ox - 2, oy - 20, ox - 12, oy - 12}, madeira);
    elipse(cr, ox - 28, oy - 22, 8, 8);
    cairo_pattern_t* p = cairo_pattern_create_radial(ox - 28, oy - 22, 1, ox - 28, oy - 22, 8);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.8, 1.0, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.6, 0.2);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill_preserve(cr);
    contorno(cr, madeira, 2);
    elipse(cr, ox + 30, oy + 6, 8, 6);  // a cauldron by the door
    gradiente_lateral(cr, ox + 22, ox + 38, rgb(50, 46, 50));
    cairo_fill_preserve(cr);
    contorno(cr, rgb(50, 46, 50));
    elipse(cr, ox + 30, oy + 1, 7, 2.5);
    usa(cr, rgb(120, 220, 90));
    cairo_fill(cr);
}

void desenha_bau(cairo_t* cr, double ox, double oy, int k) {
    Tinta madeira = rgb(150, 96, 46), ouro = rgb(230, 186, 60);
    caixa(cr, ox - 15, oy - 14, ox + 15, oy + 4, madeira);
    forma(cr, {ox - 15, oy - 14, ox + 15, oy - 14, ox + 13, oy - 22, ox + 6, oy - 25, ox - 6, oy - 25, ox - 13, oy - 22}, madeira.clara(0.1));
    for (double x : {-12.0, 9.0}) caixa(cr, ox + x, oy - 24, ox + x + 3, oy + 4, ouro);
    caixa(cr, ox - 15, oy - 15, ox + 15, oy - 13, ouro);
    caixa(cr, ox - 3, oy - 16, ox + 3, oy - 9, ouro.clara(0.2));
    if (k == 1) {  // a glint of gold
        double sx = ox + 9, sy = oy - 24;
        usa(cr, rgb(255, 250, 200));
        for (int i = 0; i < 4; i++) {
            double a = i * M_PI / 2;
            cairo_move_to(cr, sx, sy);
            cairo_line_to(cr, sx + std::cos(a + 0.25) * 2, sy + std::sin(a + 0.25) * 2);
            cairo_line_to(cr, sx + std::cos(a) * 9, sy + std::sin(a) * 9);
            cairo_line_to(cr, sx + std::cos(a - 0.25) * 2, sy + std::sin(a - 0.25) * 2);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
    }
}

void desenha_portal(cairo_t* cr, double ox, double oy, int k) {
    double cy = oy - 42;
    // the swirl inside the ring
    elipse(cr, ox, cy, 30, 38);
    cairo_pattern_t* p = cairo_pattern_create_radial(ox, cy, 2, ox, cy, 38);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.75, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.7, 0.2, 0.8);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.05, 0.35);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.2);
    for (int b = 0; b < 4; b++) {
        cairo_new_path(cr);
        for (int i = 0; i <= 30; i++) {
            double t = i / 30.0, a = b * M_PI / 2 + t * 4.2 + k * 0.8;
            cairo_line_to(cr, ox + std::cos(a) * 28 * t, cy + std::sin(a) * 36 * t);
        }
        usa(cr, rgb(240, 170, 250).mistura(rgb(140, 40, 170), b % 2 ? 0.2 : 0.6));
        cairo_stroke(cr);
    }
    // a ring of standing stones
    for (int i = 0; i < 12; i++) {
        double a = i * 2 * M_PI / 12;
        double x = ox + std::cos(a) * 34, y = cy + std::sin(a) * 42;
        elipse(cr, x, y, 8, 8);
        gradiente_lateral(cr, x - 8, x + 8, rgb(104, 98, 110));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(104, 98, 110));
        if (i % 3 == k) {
            elipse(cr, x, y, 2.5, 2.5);
            usa(cr, rgb(220, 120, 240));
            cairo_fill(cr);
        }
    }
    for (int s = -1; s <= 1; s += 2) forma(cr, {ox + s * 30, oy + 4, ox + s * 50, oy + 4, ox + s * 44, oy - 10, ox + s * 34, oy - 12}, rgb(96, 90, 100));
}

}  // namespace boneco
