// The pictures of the ten trivia pages about Japan, 440 x 320 each, in a gold frame.
#include <cmath>
#include <functional>

#include "interface/interface.h"
#include "interface/japao.h"

namespace japao {

// The outline of an island: a smooth closed curve through the points.
static void ilha(cairo_t* cr, std::initializer_list<double> xy) {
    const double* p = xy.begin();
    size_t n = xy.size() / 2;
    for (size_t i = 0; i < n; i++) {
        double x0 = p[2 * i], y0 = p[2 * i + 1], x1 = p[2 * ((i + 1) % n)], y1 = p[2 * ((i + 1) % n) + 1];
        if (i == 0) cairo_move_to(cr, (x0 + x1) / 2, (y0 + y1) / 2);
        else cairo_curve_to(cr, x0, y0, x0, y0, (x0 + x1) / 2, (y0 + y1) / 2);
    }
    cairo_curve_to(cr, p[0], p[1], p[0], p[1], (p[0] + p[2]) / 2, (p[1] + p[3]) / 2);
    cairo_close_path(cr);
}

static void ilhas(cairo_t* cr) {  // the four big islands as one path
    cairo_new_path(cr);
    ilha(cr, {300, 40, 350, 30, 380, 55, 360, 85, 320, 90, 300, 70});  // Hokkaido
    ilha(cr, {305, 98, 322, 110, 326, 140, 318, 170, 302, 192, 275, 208, 240, 220, 200, 232, 160, 242, 140, 238, 150, 226,
              185, 212, 222, 196, 252, 178, 272, 158, 284, 132, 292, 108});  // Honshu
    ilha(cr, {165, 252, 200, 246, 214, 256, 196, 266, 170, 266});          // Shikoku
    ilha(cr, {100, 248, 128, 240, 142, 252, 140, 278, 122, 298, 104, 290, 96, 268});  // Kyushu
}

void mapa(cairo_t* cr) {  // page 1: the four big islands and Tokyo
    cairo_pattern_t* g = cairo_pattern_create_radial(250, 150, 40, 240, 170, 300);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.46, 0.68);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.20, 0.40);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // shallow water around the coasts, paler and greener
    camada(cr, 9, 0.8, [&](cairo_t* k) {
        ilhas(k);
        cairo_set_line_width(k, 16);
        cairo_set_line_join(k, CAIRO_LINE_JOIN_ROUND);
        cor(k, hex(0x5ab8c8));
        cairo_stroke_preserve(k);
        cairo_fill(k);
    });
    Rng rng(3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 150; i++) {  // the swell: small crests lit on top, shaded below
        double x = rng.uniform() * W, y = rng.uniform() * H, r = rng.range(3, 7);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, M_PI * 1.15, M_PI * 1.85);
        traco(cr, hex(0x9ad0e8), 0.9, rng.range(0.25, 0.55));
        cairo_new_path(cr);
        cairo_arc(cr, x, y + 1.2, r, M_PI * 1.2, M_PI * 1.8);
        traco(cr, hex(0x0a2a48), 0.8, 0.3);
    }
    ilhas(cr);
    sombra(cr, 3, 4, 3, 0.55, hex(0x04142a));
    cairo_path_t* costa = cairo_copy_path(cr);
    cairo_pattern_t* t = cairo_pattern_create_linear(100, 30, 380, 300);
    cairo_pattern_add_color_stop_rgb(t, 0, 0.62, 0.74, 0.40);
    cairo_pattern_add_color_stop_rgb(t, 0.5, 0.44, 0.60, 0.28);
    cairo_pattern_add_color_stop_rgb(t, 1, 0.30, 0.44, 0.20);
    cairo_set_source(cr, t);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(t);
    cairo_save(cr);
    cairo_clip(cr);
    // the land: woods, then the mountain spine of the islands lit on its western side
    for (int i = 0; i < 60; i++) {
        double x = rng.range(90, 390), y = rng.range(30, 300);
        folhagem(cr, rng, x, y, 6, 4, hex(0x3a6a2a), 10, 0.7);
    }
    const double espinha[][2] = {{110, 262}, {124, 278}, {180, 254}, {196, 258}, {166, 234}, {196, 218}, {226, 204}, {252, 190},
                                 {272, 170}, {286, 150}, {296, 128}, {304, 110}, {312, 140}, {300, 176}, {330, 60}, {346, 50},
                                 {356, 66}, {318, 74}};
    for (const auto& e : espinha)
        for (int k = 0; k < 3; k++) {
            double x = e[0] + rng.range(-6, 6), y = e[1] + rng.range(-4, 4), l = rng.range(5, 9), a = rng.range(4, 8);
            poligono(cr, {x - l, y + a * 0.4, x, y - a, x + l * 0.2, y + a * 0.4});
            cor(cr, hex(0xd8c898), 0.55);
            cairo_fill(cr);
            poligono(cr, {x, y - a, x + l, y + a * 0.4, x + l * 0.2, y + a * 0.4});
            cor(cr, hex(0x4a4a2a), 0.5);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    // the surf on the coast: a thin pale line, and a darker one inside
    cairo_new_path(cr);
    cairo_append_path(cr, costa);
    traco(cr, hex(0xe8f4f0), 1.6, 0.6);
    traco(cr, hex(0x2a4020), 0.6, 0.7);
    cairo_new_path(cr);
    cairo_path_destroy(costa);
    brilho(cr, 306, 180, 12, hex(0xff6040), 0.8);
    elipse(cr, 306, 180, 4, 4);
    bojo(cr, VERMELHO, 0.5, 0.4);
    letreiro(cr, "HOKKAIDO", 340, 20, 15, CREME, TINTA, 3);
    letreiro(cr, "HONSHU", 205, 178, 17, CREME, TINTA, 3);
    letreiro(cr, "SHIKOKU", 200, 290, 14, CREME, TINTA, 3);
    letreiro(cr, "KYUSHU", 60, 240, 14, CREME, TINTA, 3);
    letreiro(cr, "TOKYO", 355, 186, 16, hex(0xf8d040), TINTA, 3);
    // compass rose: each point in a lit and a shaded half
    for (int k = 0; k < 4; k++) {
        double a = k * M_PI / 2, l = k == 0 ? 22 : 14;
        double cx = 60, cy = 60, px = cx + std::sin(a) * l, py = cy - std::cos(a) * l;
        double qx = cx + std::sin(a + M_PI / 2) * 5, qy = cy - std::cos(a + M_PI / 2) * 5;
        double rx = cx + std::sin(a - M_PI / 2) * 5, ry = cy - std::cos(a - M_PI / 2) * 5;
        poligono(cr, {cx, cy, px, py, rx, ry});
        cor(cr, hex(0xf8e0a0));
        cairo_fill(cr);
        poligono(cr, {cx, cy, px, py, qx, qy});
        cor(cr, hex(0xa07828));
        cairo_fill(cr);
    }
    elipse(cr, 60, 60, 2.5, 2.5);
    bojo(cr, hex(0xe8c050));
    letreiro(cr, "N", 60, 36, 13, CREME, TINTA, 2.5);
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

void samurai(cairo_t* cr) {  // page 10: a samurai under the moon among bamboo
    ceu(cr, W, H, hex(0x0e1430), hex(0x4a3a6a), 260);
    lua(cr, 260, 110, 56, hex(0xf4e4c0), 0.3);
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
    nevoa(cr, W, 200, 262, 290, hex(0x8a80b0), 0.45);
    colinas(cr, W, H, 280, 6, 0, hex(0x141a20), hex(0x242a30));
    // the katana at his left hip: the scabbard's end behind him, the hilt and guard in front
    katana(cr, 246, 196, 306, 226, false);
    silhueta(cr, SAMURAI, 230, 282, 190, hex(0x0a0a10), 1);
    katana(cr, 252, 192, 210, 177, true);
    letreiro(cr, "SAMURAI", 360, 305, 22, CREME, TINTA, 3);
}

}  // namespace japao

std::vector<Picture> gerajapao() {
    using namespace japao;
    std::vector<std::function<void(cairo_t*)>> paginas = {mapa, fuji, iene, escrita, longevidade, cidade, aviao, artes, comida, samurai};
    std::vector<Picture> v;
    for (auto& pinta : paginas) {
        Canvas c(W, H);
        pinta(c.cr);
        grao(c.cr, 500 + v.size(), 0.05);
        moldurapintura(c.cr, W, H);
        v.push_back(opaca(c));
    }
    return v;
}
