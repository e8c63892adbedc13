// Effect pictures: fire, smoke, bones, projectiles, marks, corpses and the rest of the effect list.
#include <algorithm>
#include <cmath>
#include <functional>

#include "boneco.h"
#include "figuras.h"
#include "fogos.h"
#include "sprites.h"

using namespace boneco;

namespace {

using Pinta = std::function<void(cairo_t*, double w, double h)>;

Picture desenha(int w, int h, const Pinta& f, bool borda = true, int limiar = 110) {
    Canvas c(w, h);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    f(c.cr, w, h);
    Picture p = sprite_from_canvas(c, limiar);
    if (borda) outline_sprite(p, 40, 26, 20);
    return p;
}

void anel(cairo_t* cr, double cx, double cy, double rx, double ry, Tinta t, double largura) {
    elipse(cr, cx, cy, rx, ry);
    usa(cr, t);
    cairo_set_line_width(cr, largura);
    cairo_stroke(cr);
}

void estrela(cairo_t* cr, double x, double y, double r, Tinta t) {
    cairo_move_to(cr, x, y - r);
    for (int i = 1; i < 10; i++) {
        double a = -M_PI / 2 + i * M_PI / 5, k = i % 2 ? 0.45 : 1;
        cairo_line_to(cr, x + std::cos(a) * r * k, y + std::sin(a) * r * k);
    }
    cairo_close_path(cr);
    usa(cr, t);
    cairo_fill_preserve(cr);
    contorno(cr, t, 0.8);
}

void osso(cairo_t* cr, double x0, double y0, double x1, double y1, double r) {
    Tinta o = rgb(232, 226, 204);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    usa(cr, o.escura(0.35));
    cairo_set_line_width(cr, r * 2 + 1.5);
    cairo_stroke(cr);
    for (auto [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
        double dx = (y1 - y0), dy = -(x1 - x0), n = std::hypot(dx, dy) + 1e-9;
        for (int s = -1; s <= 1; s += 2) {
            elipse(cr, x + s * dx / n * r * 0.8, y + s * dy / n * r * 0.8, r * 1.05, r * 1.05);
            usa(cr, o.escura(0.35));
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    usa(cr, o);
    cairo_set_line_width(cr, r * 2);
    cairo_stroke(cr);
    for (auto [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
        double dx = (y1 - y0), dy = -(x1 - x0), n = std::hypot(dx, dy) + 1e-9;
        for (int s = -1; s <= 1; s += 2) {
            elipse(cr, x + s * dx / n * r * 0.8, y + s * dy / n * r * 0.8, r * 0.85, r * 0.85);
            usa(cr, o);
            cairo_fill(cr);
        }
    }
}

// A figure drawn lying on the ground (a corpse), its top edge at the picture's top; (fx, fy) is
// where the figure's ground point goes, in fractions of the picture.
Picture caido(int w, int h, const std::function<void(Cena&)>& monta, double tomba, double giro, double fx, double fy) {
    return desenha(w, h, [&](cairo_t* cr, double W, double H) {
        elipse(cr, W / 2, H * 0.66, W * 0.36, H * 0.22);  // a dark patch of trampled earth
        usa(cr, rgb(62, 50, 38));
        cairo_fill(cr);
        Cena c;
        c.tomba = tomba;
        c.giro = giro;
        c.ox = W * fx;
        c.oy = H * fy;
        monta(c);
        c.desenha(cr);
    });
}

void seta(cairo_t* cr, double w, double h, double ang) {
    double cx = w / 2, cy = h / 2, L = 14;
    double dx = std::cos(ang), dy = std::sin(ang);
    double tx = cx + dx * L, ty = cy + dy * L, bx = cx - dx * L, by = cy - dy * L;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, tx - dx * 3, ty - dy * 3);
    usa(cr, rgb(120, 80, 40));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    double nx = -dy, ny = dx;
    cairo_move_to(cr, tx, ty);
    cairo_line_to(cr, tx - dx * 5 + nx * 2.5, ty - dy * 5 + ny * 2.5);
    cairo_line_to(cr, tx - dx * 5 - nx * 2.5, ty - dy * 5 - ny * 2.5);
    cairo_close_path(cr);
    usa(cr, rgb(170, 170, 180));
    cairo_fill(cr);
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, bx + dx * 4, by + dy * 4);
        cairo_line_to(cr, bx + nx * 3 * s, by + ny * 3 * s);
        usa(cr, rgb(210, 60, 50));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
}


// Shadow, sphere, flames, smoke, sparks, sparkles, bones and the small flame (0-19).
void sombras_e_fogo(std::vector<Picture>& v) {
    // 0 ground shadow
    v.push_back(sombra_chao());
    // 1 protective sphere
    v.push_back(esfera_protetora());
    // 2-5 a rising flame shrinking to an ember
    for (int i = 0; i < 4; i++) v.push_back(chama_subindo(i));
    // 6-9 a smoke puff growing, paler and thinner
    static const int fumo[4] = {14, 18, 20, 24};
    for (int i = 0; i < 4; i++) v.push_back(fumaca_quadro(fumo[i], fumo[i], i / 3.0, rgb(128, 124, 120), 60 + i));
    // 10 a spark
    v.push_back(faisca());
    // 11-12 healing sparkle
    for (int i = 0; i < 2; i++) v.push_back(brilho_cura(i));
    // 13-17 bones: skull, ribs, three bones
    v.push_back(desenha(22, 22, [](cairo_t* cr, double w, double h) {
        elipse(cr, 11, 10, 8, 7.5);
        gradiente_lateral(cr, 3, 19, rgb(232, 226, 204));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(232, 226, 204));
        cairo_rectangle(cr, 7, 14, 8, 5);
        usa(cr, rgb(220, 214, 190));
        cairo_fill(cr);
        for (double x : {8.0, 14.0}) { elipse(cr, x, 10, 2.3, 2.5); usa(cr, rgb(30, 24, 20)); cairo_fill(cr); }
    }));
    v.push_back(desenha(24, 24, [](cairo_t* cr, double w, double h) {
        osso(cr, 12, 3, 12, 21, 1.4);
        for (int i = 0; i < 4; i++) {
            cairo_arc(cr, 12, 5 + i * 4.5, 8 - i * 0.8, M_PI * 0.05, M_PI * 0.95);
            usa(cr, rgb(70, 60, 50));
            cairo_set_line_width(cr, 3);
            cairo_stroke_preserve(cr);
            usa(cr, rgb(232, 226, 204));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
    }));
    v.push_back(desenha(32, 32, [](cairo_t* cr, double w, double h) { osso(cr, 6, 25, 26, 7, 2.2); }));
    v.push_back(desenha(14, 14, [](cairo_t* cr, double w, double h) { osso(cr, 3, 7, 11, 7, 1.4); }));
    v.push_back(desenha(14, 14, [](cairo_t* cr, double w, double h) { osso(cr, 4, 11, 10, 3, 1.4); }));
    // 18-19 small flame
    for (int i = 0; i < 2; i++) v.push_back(chama_pequena(i));
}

// Magic dust, the burnt heap, the fireball, ground fire and burning debris (20-33).
void poeira_e_fogueira(std::vector<Picture>& v) {
    // 20-23 trail of magic dust
    static const int poeira[4] = {14, 18, 20, 24};
    for (int i = 0; i < 4; i++) v.push_back(poeira_magica(i, poeira[i]));
    // 24-26 a burnt-out heap cooling
    for (int i = 0; i < 3; i++) v.push_back(cinzas(i));
    // 27-30 the falling fireball, four flickers of it
    static const int bola[4][2] = {{70, 110}, {80, 75}, {74, 92}, {76, 74}};
    for (int i = 0; i < 4; i++) v.push_back(bola_de_fogo(i, bola[i][0], bola[i][1]));
    // 31-33 burning debris
    static const int destroco_tam[3][2] = {{18, 18}, {34, 26}, {50, 30}};
    for (int i = 0; i < 3; i++) v.push_back(destroco(i, destroco_tam[i][0], destroco_tam[i][1]));
}

// The demon departing, its pieces, the bolts, arrows and the shop sign (34-59).
void demonio_e_projeteis(std::vector<Picture>& v) {
    // 34 the demon burning away, smaller than in life
    {
        Humano s = figura_satanas();
        Picture p = desenha(70, 80, [&](cairo_t* cr, double w, double h) {
            Cena c;
            c.ox = 35;
            c.oy = 76;
            s.altura = 66;
            monta_humano(c, s, Pose{});
            c.desenha(cr);
        });
        v.push_back(partida_demonio(p));
    }
    // 35-38 its flying pieces: a horned head, a wing, the tail, an ember
    v.push_back(desenha(26, 23, [](cairo_t* cr, double w, double h) {
        for (int s = -1; s <= 1; s += 2) { cairo_move_to(cr, 13 + s * 5, 9); cairo_line_to(cr, 13 + s * 10, 1); cairo_line_to(cr, 13 + s * 3, 7); usa(cr, rgb(235, 215, 170)); cairo_fill(cr); }
        elipse(cr, 13, 13, 7, 7.5);
        gradiente_lateral(cr, 6, 20, rgb(196, 46, 36));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(196, 46, 36));
        for (int s = -1; s <= 1; s += 2) { elipse(cr, 13 + s * 3, 12, 1.4, 1.4); usa(cr, rgb(250, 230, 60)); cairo_fill(cr); }
    }));
    v.push_back(desenha(38, 41, [](cairo_t* cr, double w, double h) {
        cairo_move_to(cr, 4, 36);
        cairo_line_to(cr, 34, 4);
        cairo_line_to(cr, 30, 20);
        cairo_line_to(cr, 22, 24);
        cairo_line_to(cr, 16, 32);
        cairo_close_path(cr);
        gradiente_lateral(cr, 4, 34, rgb(96, 22, 30));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(96, 22, 30));
    }));
    v.push_back(desenha(32, 27, [](cairo_t* cr, double w, double h) {
        cairo_move_to(cr, 3, 22);
        cairo_curve_to(cr, 12, 26, 20, 6, 26, 8);
        usa(cr, rgb(176, 40, 32));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, 30, 4); cairo_line_to(cr, 24, 5); cairo_line_to(cr, 28, 12); cairo_close_path(cr);
        cairo_fill(cr);
    }));
    v.push_back(brasa());
    // 39-46 the witch's magic bolt turning
    for (int i = 0; i < 8; i++) v.push_back(feitico_bruxa(i));
    // 47-48 Fidelina's bolt, 49-50 its sparkle
    for (int i = 0; i < 2; i++) v.push_back(raio_fidelina(i));
    for (int i = 0; i < 2; i++) v.push_back(cintila(i));
    // 51-58 an arrow in eight directions, from up turning clockwise
    static const int seta_tam[8][2] = {{14, 30}, {24, 24}, {30, 14}, {24, 24}, {14, 30}, {24, 24}, {30, 14}, {24, 24}};
    for (int i = 0; i < 8; i++)
        v.push_back(desenha(seta_tam[i][0], seta_tam[i][1], [i](cairo_t* cr, double w, double h) { seta(cr, w, h, -M_PI / 2 + i * M_PI / 4); }, false));
    // 59 the shop's sign: a bag of coins
    v.push_back(desenha(20, 22, [](cairo_t* cr, double w, double h) {
        cairo_move_to(cr, 10, 5);
        cairo_curve_to(cr, 0, 8, 1, 21, 10, 21);
        cairo_curve_to(cr, 19, 21, 20, 8, 10, 5);
        gradiente_lateral(cr, 2, 18, rgb(176, 130, 70));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(176, 130, 70));
        elipse(cr, 10, 4, 3.5, 2.2);
        usa(cr, rgb(150, 100, 50));
        cairo_fill(cr);
        elipse(cr, 10, 14, 4, 4);
        usa(cr, rgb(245, 200, 50));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(200, 150, 30));
    }));
}

// Mini-map marks, the hero's bolt, the move marker, auras, poison, glow, stars and leaves (60-86).
void marcas(std::vector<Picture>& v) {
    // 60 hero mark, 61 own-unit mark for the mini-map
    v.push_back(marca_mapa(9, rgb(252, 210, 40), false));
    v.push_back(marca_mapa(5, rgb(70, 220, 70), false));
    // 62-63 the hero's fire-staff bolt
    v.push_back(raio_fogo(20, 0));
    v.push_back(raio_fogo(10, 1));
    // 64 the move-order marker
    v.push_back(desenha(28, 28, [](cairo_t* cr, double w, double h) {
        anel(cr, 14, 24, 11, 3.5, rgb(80, 240, 90), 2);
        cairo_move_to(cr, 8, 4); cairo_line_to(cr, 20, 4); cairo_line_to(cr, 14, 18); cairo_close_path(cr);
        usa(cr, rgb(90, 250, 100));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(60, 180, 70));
    }));
    // 65 protective-aura and 66 warrior-aura rings
    v.push_back(aura(rgb(90, 160, 250)));
    v.push_back(aura(rgb(250, 80, 60)));
    // 67 fighting-enemy mini-map mark
    v.push_back(marca_mapa(9, rgb(240, 40, 30), true));
    // 68 poison icon: a green drop
    v.push_back(desenha(24, 20, [](cairo_t* cr, double w, double h) {
        cairo_move_to(cr, 12, 1);
        cairo_curve_to(cr, 16, 8, 19, 11, 19, 13);
        cairo_arc(cr, 12, 13, 7, 0, M_PI);
        cairo_curve_to(cr, 5, 11, 8, 8, 12, 1);
        gradiente_lateral(cr, 5, 19, rgb(120, 220, 60));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(60, 140, 30));
        for (double x : {9.5, 14.5}) { elipse(cr, x, 13, 1.4, 1.6); usa(cr, rgb(20, 40, 10)); cairo_fill(cr); }
    }));
    // 69-70 invulnerability glow
    for (int i = 0; i < 2; i++) v.push_back(brilho_invulneravel(i));
    // 71-73 paralysis stars, small to large
    for (int i = 0; i < 3; i++) {
        int s = 7 + 6 * i;
        v.push_back(desenha(s, s, [i](cairo_t* cr, double w, double h) {
            for (int k = 0; k <= i; k++) {
                double a = k * 2 * M_PI / (i + 1) + 0.5;
                estrela(cr, w / 2 + std::cos(a) * i * 3, h / 2 + std::sin(a) * i * 3, 3.4, rgb(254, 230, 60));
            }
        }, false));
    }
    // 74-86 a falling leaf turning
    for (int i = 0; i < 13; i++)
        v.push_back(desenha(12, 12, [i](cairo_t* cr, double w, double h) {
            double a = i * M_PI / 6.5, squash = 0.35 + 0.65 * std::fabs(std::cos(i * 0.7));
            cairo_save(cr);
            cairo_translate(cr, 6, 6);
            cairo_rotate(cr, a);
            cairo_scale(cr, 1, squash);
            cairo_move_to(cr, -5, 0);
            cairo_curve_to(cr, -2, -4, 2, -4, 5, 0);
            cairo_curve_to(cr, 2, 4, -2, 4, -5, 0);
            cairo_restore(cr);
            Tinta f = i % 3 == 0 ? rgb(220, 140, 40) : (i % 3 == 1 ? rgb(200, 80, 30) : rgb(160, 170, 50));
            usa(cr, f);
            cairo_fill_preserve(cr);
            contorno(cr, f, 0.8);
        }, false));
}

// Corpses, selection ellipses, the skeleton cloud, bone chips and the boss's death (87-107).
void cadaveres_e_fim(std::vector<Picture>& v) {
    // 87-98 corpses, drawn from their top edge
    auto gente = [&](const Humano& h, int w) {
        Humano d = h;
        // the bulky ones are laid down smaller so they fit the picture too
        d.altura = std::min({d.altura * 0.7, w * 0.8 / std::max(1.0, d.largura * 0.85), 52 / std::max(0.75, d.grossura * 0.6)});
        double fx = 0.5 - d.altura * 0.56 / w;
        return caido(w, 44, [d](Cena& c) { Humano e = d; e.flutua = false; monta_humano(c, e, Pose{}); }, M_PI / 2, 0, fx, 0.5);
    };
    v.push_back(gente(figura_durbico(), 70));
    v.push_back(gente(figura_fidelina(), 70));
    v.push_back(gente(figura_bruxa(), 74));
    v.push_back(gente(figura_vorlando(), 66));
    v.push_back(caido(46, 28, [](Cena& c) { monta_aranha(c, 15, Pose{}); }, M_PI, 0.4, 0.5, 0.25));
    v.push_back(gente(figura_carnical(), 72));
    v.push_back(gente(figura_murloc(), 80));
    v.push_back(gente(figura_orc(), 80));
    v.push_back(caido(60, 34, [](Cena& c) { monta_lobo(c, 36, Pose{}); }, M_PI / 2, M_PI / 2, 0.52, 0.78));
    v.push_back(desenha(80, 40, [](cairo_t* cr, double w, double h) {  // the stone monster falls to rubble
        Cena c;
        c.ox = w / 2;
        c.oy = h * 0.72;
        Material m;
        m.cor = rgb(132, 126, 118);
        m.textura = PEDRA;
        m.escala = 1.4;
        int pedra = c.material(m);
        m.cor = rgb(112, 106, 100);
        int escura = c.material(m);
        for (int k = 0; k < 9; k++) {
            double x = -26 + k * 6.5 + 3 * std::sin(k * 2.3), y = 5 * std::cos(k * 1.7), r = 5 + 3 * (0.5 + 0.5 * std::sin(k * 3.1));
            c.pedregulho({x, y, r * 0.6}, V3{r, 0, 0}, V3{0, r * 0.9, 0}, V3{0, 0, r * 0.75}, k % 3 ? pedra : escura, 400 + k);
        }
        c.desenha(cr);
    }));
    v.push_back(gente(figura_ogro(), 106));
    v.push_back(desenha(100, 46, [](cairo_t* cr, double w, double h) {  // the tree monster falls as a log
        Cena c;
        c.ox = w / 2;
        c.oy = h * 0.75;
        Material m;
        m.cor = rgb(112, 80, 50);
        m.textura = CASCA;
        int casca = c.material(m);
        m.cor = rgb(72, 140, 50);
        m.textura = FOLHAS;
        int folha = c.material(m);
        m.cor = rgb(58, 110, 40);
        int folha2 = c.material(m);
        c.cone({26, 0, 8}, {-22, 2, 7}, 9, 7.5, casca);
        for (int k = -1; k <= 1; k += 2) c.cone({-24, 2, 6}, {-36, k * 7.0, 2}, 3.5, 1.2, casca);
        c.novaparte();
        for (int k = 0; k < 5; k++) c.bola({-38.0 + (k % 2) * 6, -9.0 + k * 5, 8.0 + (k % 3)}, 8.5, k % 2 ? folha2 : folha);
        c.desenha(cr);
    }));

    // 99-103 selection ellipses
    static const int sel[5][2] = {{36, 14}, {44, 18}, {54, 24}, {54, 30}, {90, 30}};
    for (auto& s : sel)
        v.push_back(desenha(s[0], s[1], [](cairo_t* cr, double w, double h) { anel(cr, w / 2, h / 2, w / 2 - 1, h / 2 - 1, rgb(60, 240, 60), 1.5); }, false, 90));
    // 104 the cloud of a raised skeleton
    v.push_back(fumaca_quadro(40, 30, 0.3, rgb(120, 132, 104), 104));
    // 105 a flying bone chip and 106 its splat
    v.push_back(desenha(10, 10, [](cairo_t* cr, double w, double h) { osso(cr, 2.5, 7, 7.5, 3, 1.0); }));
    v.push_back(desenha(20, 20, [](cairo_t* cr, double w, double h) {
        osso(cr, 3, 12, 9, 9, 1.0);
        osso(cr, 12, 15, 17, 11, 1.0);
        osso(cr, 8, 5, 13, 6, 0.9);
    }));
    // 107 the boss's death: a column of dark magic rising
    v.push_back(morte_chefe());
}

}  // namespace

std::vector<Picture> gera_efeitos() {
    std::vector<Picture> v;
    sombras_e_fogo(v);
    poeira_e_fogueira(v);
    demonio_e_projeteis(v);
    marcas(v);
    cadaveres_e_fim(v);
    return v;
}
