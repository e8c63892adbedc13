// The people of the slides: the units' figures (and a few of the slides' own) modelled in 3D, lit
// like the sprites, then toned to the slide's light and laid on the painting.
#include <algorithm>
#include <cmath>

#include "interface/cenas.h"

#include "figuras.h"

namespace {

using boneco::Humano;
using boneco::rgb;

// A samurai in kimono and hakama with his topknot; the slide gives him his sword.
Humano samurai() {
    Humano h;
    h.altura = 96; h.ombros = 1.2; h.largura = 1.1; h.grossura = 1.1;
    h.pele = rgb(226, 186, 150); h.cabelo = rgb(24, 20, 22); h.roupa = rgb(40, 52, 110); h.calca = rgb(58, 56, 64);
    h.bota = rgb(210, 200, 180); h.detalhe = rgb(190, 160, 90); h.olho = rgb(20, 14, 10);
    h.chapeu_tipo = boneco::COQUE; h.saia = true; h.mangalarga = true;
    h.cinto = true; h.corcinto = rgb(200, 190, 160); h.bigode = true;
    return h;
}

// The old couple of the long-lived: a grandmother in a plum kimono and a grandfather.
Humano velha() {
    Humano h;
    h.altura = 80; h.feminino = true; h.velho = true; h.corcunda = 0.12;
    h.pele = rgb(232, 196, 166); h.cabelo = rgb(222, 220, 214); h.roupa = rgb(120, 60, 96); h.calca = rgb(96, 48, 80);
    h.bota = rgb(60, 40, 36); h.chapeu_tipo = boneco::COQUE; h.saia = true; h.mangalarga = true;
    h.cinto = true; h.corcinto = rgb(220, 190, 120);
    return h;
}

Humano velho() {
    Humano h;
    h.altura = 86; h.velho = true; h.careca = true; h.bigode = true; h.barba = true; h.corcunda = 0.1;
    h.pele = rgb(228, 188, 152); h.cabelo = rgb(226, 224, 218); h.roupa = rgb(70, 86, 80); h.calca = rgb(56, 60, 58);
    h.bota = rgb(50, 36, 30); h.mangalarga = true;
    h.cinto = true; h.corcinto = rgb(40, 36, 30);
    return h;
}

Humano humano(Pessoa p) {
    switch (p) {
    case VORLANDO: return boneco::figura_vorlando();
    case DURBICO: return boneco::figura_durbico();
    case FIDELINA: return boneco::figura_fidelina();
    case MORGAVA: return boneco::figura_bruxa();
    case QUITEVA: return boneco::figura_quiteva();
    case SAMURAI: return samurai();
    case VELHA: return velha();
    case VELHO: return velho();
    }
    return boneco::figura_vorlando();
}

// The figure drawn alone, on a transparent canvas, its feet at (ox, oy).
Picture modela(Pessoa p, double alt, double luz, double& ox, double& oy) {
    Humano h = humano(p);
    h.flutua = false;  // on the slides everyone stands on the ground
    int W = int(alt * 1.5) + 24, H = int(alt * 1.3) + 24;
    Canvas c(W, H);
    boneco::Cena cena;
    cena.escala = alt / h.altura;
    cena.giro = -0.55 * luz;
    cena.ox = ox = W / 2.0;
    cena.oy = oy = H - 12;
    boneco::monta_humano(cena, h, boneco::Pose{});
    cena.desenha(c.cr);
    Picture f = sprite_from_canvas(c);
    boneco::contorna(f);
    return f;
}

}  // namespace

void silhueta(cairo_t* cr, Pessoa p, double x, double y, double alt, Tom c, double luz) {
    double ox, oy;
    Picture f = modela(p, alt, luz, ox, oy);
    // the rim: the light of the sky behind, warm at dusk, cool under the moon
    Tom aro = c.b > c.r * 1.1 ? hex(0xc8d8ff) : hex(0xf8b060);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, f.w, f.h);
    cairo_surface_flush(s);
    unsigned char* dados = cairo_image_surface_get_data(s);
    int passo = cairo_image_surface_get_stride(s);
    int lado = luz > 0 ? 1 : -1;
    for (int j = 0; j < f.h; j++)
        for (int i = 0; i < f.w; i++) {
            uint32_t* px = reinterpret_cast<uint32_t*>(dados + j * passo) + i;
            if (f.iswhite(i, j)) { *px = 0; continue; }
            const uint8_t* o = f.at(i, j);
            // the scene's shadow over the lit figure, then the rim where the light side meets the sky
            Tom t = mistura(Tom{o[0] / 255.0, o[1] / 255.0, o[2] / 255.0}, c, 0.42);
            bool borda = false;
            for (int k = 1; k <= 2 && !borda; k++) {
                int ni = i + lado * k, nj = j - (k == 2);
                borda = ni < 0 || ni >= f.w || nj < 0 || f.iswhite(ni, nj);
            }
            if (borda) t = mistura(t, aro, 0.55);
            auto b = [](double v) { return uint32_t(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
            *px = 0xFF000000u | b(t.r) << 16 | b(t.g) << 8 | b(t.b);
        }
    cairo_surface_mark_dirty(s);
    cairo_save(cr);
    cairo_set_source_surface(cr, s, std::round(x - ox), std::round(y - oy));
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}
