// The review picture of a layout: the real collision boxes of the objects and units at a quarter of
// their size, every verified route of the hero, and each released monster's way from its portal to
// the goal it was sent to (green when it got there, red when it did not).
#include "mapas/verificador/verificador.h"

#include <cmath>

#include "common/picture.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

namespace {

constexpr double ESCALA = 0.25;  // review pixels per map pixel

void caixa(cairo_t* cr, double x, double y, double tx, double ty) {
    cairo_rectangle(cr, (x - tx) * ESCALA, (y - ty) * ESCALA, 2 * tx * ESCALA, 2 * ty * ESCALA);
}

void cor(cairo_t* cr, int r, int g, int b) { cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0); }

void objetosnomapa(cairo_t* cr) {
    for (int32_t k = 1; k <= MAXOBJETOS; k++) {
        const Objeto& o = objetos[k];
        if (o.tipo == 0) continue;
        if (o.tipo <= 4) cor(cr, 25, 85, 35);
        else if (o.tipo == 17) cor(cr, 110, 90, 70);
        else if (o.tipo == 21) cor(cr, 230, 0, 230);
        else if (!o.solido) cor(cr, 170, 190, 150);
        else cor(cr, 120, 120, 125);
        double tx = o.tamanhox ? o.tamanhox : 4, ty = o.tamanhoy ? o.tamanhoy : 4;
        caixa(cr, o.x, o.y, tx, ty);
        if (o.tipo == 21) {
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        } else {
            cairo_fill(cr);
        }
    }
}

void unidadesnomapa(cairo_t* cr) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0) continue;
        if (a.bau) cor(cr, 250, 230, 40);
        else if (a.heroi) cor(cr, 40, 80, 255);
        else if (!a.inimigo) cor(cr, 120, 160, 255);
        else if (a.tipo >= 21 && a.tipo <= 24) cor(cr, 255, 60, 200);
        else if (a.tipo == 26) cor(cr, 0, 0, 0);
        else cor(cr, 220, 30, 30);
        caixa(cr, a.x, a.y, std::max<double>(a.tamanhox, 6), std::max<double>(a.tamanhoy, 6));
        cairo_fill(cr);
    }
}

void linha(cairo_t* cr, PontoMapa a, PontoMapa b) {
    cairo_move_to(cr, a.x * ESCALA, a.y * ESCALA);
    cairo_line_to(cr, b.x * ESCALA, b.y * ESCALA);
}

}  // namespace

bool desenharevisao(const std::string& caminho, int n, const std::vector<Rota>& rotas, const std::vector<Soltura>& solturas) {
    montamissao(n, 1);
    int w = int(mapalargura * 50 * ESCALA), h = int(mapaaltura * 50 * ESCALA);
    Canvas c(w, h);
    cairo_t* cr = c.cr;
    cor(cr, 150, 185, 120);
    cairo_paint(cr);
    objetosnomapa(cr);
    unidadesnomapa(cr);
    // the monsters' ways, dashed
    const double traco[] = {4, 3};
    cairo_set_dash(cr, traco, 2, 0);
    cairo_set_line_width(cr, 1.5);
    for (const Soltura& s : solturas) {
        if (s.tiques >= 0) cor(cr, 0, 150, 60);
        else cor(cr, 255, 0, 0);
        linha(cr, s.saida, s.meta);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    // the hero's routes, one colour each
    const int32_t h0 = slotheroi();
    PontoMapa inicio{int32_t(std::lround(unidades[h0].x)), int32_t(std::lround(unidades[h0].y))};
    int k = 0;
    for (const Rota& r : rotas) {
        if (r.missao != n) continue;
        double matiz = std::fmod(k++ * 0.37, 1.0);
        cairo_set_source_rgb(cr, 0.5 + 0.5 * std::sin(6.28 * matiz), 0.5 + 0.5 * std::sin(6.28 * matiz + 2.1),
                             0.5 + 0.5 * std::sin(6.28 * matiz + 4.2));
        cairo_set_line_width(cr, 2);
        PontoMapa de = inicio;
        for (PontoMapa p : r.pontos) {
            linha(cr, de, p);
            de = p;
        }
        cairo_stroke(cr);
        for (PontoMapa p : r.pontos) {
            cairo_arc(cr, p.x * ESCALA, p.y * ESCALA, 2.5, 0, 6.2832);
            cairo_fill(cr);
        }
    }
    return write_png(caminho, opaque_from_canvas(c), 1);
}
