// Effect pictures: fire, smoke, bones, projectiles, marks, corpses and the rest of the effect list.
#include <algorithm>
#include <cmath>
#include <functional>

#include "boneco.h"
#include "figuras.h"
#include "sprites.h"
#include "common/rng.h"

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

void brilho(cairo_t* cr, double x, double y, double r, Tinta centro, Tinta borda) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, centro.r, centro.g, centro.b, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.55, borda.r, borda.g, borda.b, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, borda.r, borda.g, borda.b, 0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    elipse(cr, x, y, r, r);
    cairo_fill(cr);
}

// A flame tongue standing on (x, y): height a, half width l.
void chama(cairo_t* cr, double x, double y, double l, double a, double torce = 0) {
    Tinta cores[3] = {rgb(200, 50, 20), rgb(250, 140, 30), rgb(255, 228, 110)};
    for (int i = 0; i < 3; i++) {
        double k = 1 - i * 0.3;
        cairo_move_to(cr, x - l * k, y);
        cairo_curve_to(cr, x - l * k, y - a * k * 0.5, x + torce * k - l * 0.3 * k, y - a * k * 0.6, x + torce * k, y - a * k);
        cairo_curve_to(cr, x + l * 0.4 * k + torce * 0.5, y - a * k * 0.6, x + l * k, y - a * k * 0.45, x + l * k, y);
        cairo_arc(cr, x, y, l * k, 0, M_PI);
        usa(cr, cores[i]);
        cairo_fill(cr);
    }
}

// A checkerboard ellipse: a see-through shadow or glow with a colour key.
void xadrez(cairo_t* cr, double cx, double cy, double rx, double ry, Tinta t, int fase, double aro = 0) {
    usa(cr, t);
    for (int y = int(cy - ry); y <= int(cy + ry); y++)
        for (int x = int(cx - rx); x <= int(cx + rx); x++) {
            double d = std::pow((x + 0.5 - cx) / rx, 2) + std::pow((y + 0.5 - cy) / ry, 2);
            if (d > 1 || ((x + y + fase) & 1)) continue;
            if (aro > 0 && d < aro) continue;
            cairo_rectangle(cr, x, y, 1, 1);
        }
    cairo_fill(cr);
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

void fumaca(cairo_t* cr, double w, double k, Tinta t) {
    double r = w * 0.28;
    double pos[4][2] = {{0.35, 0.6}, {0.62, 0.58}, {0.5, 0.38}, {0.4, 0.42}};
    for (auto& q : pos) {
        elipse(cr, q[0] * w, q[1] * w, r, r * 0.95);
        cairo_pattern_t* p = cairo_pattern_create_radial(q[0] * w - r * 0.3, q[1] * w - r * 0.3, 0, q[0] * w, q[1] * w, r);
        Tinta a = t.clara(0.3 + 0.2 * k), b = t;
        cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
        cairo_fill(cr);
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
void sombras_e_fogo(std::vector<Picture>& v, Rng& rng) {
    // 0 ground shadow
    v.push_back(desenha(30, 10, [](cairo_t* cr, double w, double h) { xadrez(cr, 15, 5, 14.5, 4.8, rgb(30, 28, 24), 0); }, false));
    // 1 protective sphere
    v.push_back(desenha(52, 70, [](cairo_t* cr, double w, double h) {
        xadrez(cr, 26, 35, 24, 33, rgb(150, 200, 250), 0, 0.55);
        anel(cr, 26, 35, 24, 33, rgb(110, 170, 240), 2.2);
        cairo_arc(cr, 26, 35, 18, M_PI * 1.1, M_PI * 1.45);
        usa(cr, rgb(240, 250, 254));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }, false));
    // 2-5 a rising flame shrinking to an ember
    for (int i = 0; i < 4; i++) {
        int s = 14 - 2 * i;
        v.push_back(desenha(s, s, [i](cairo_t* cr, double w, double h) {
            if (i < 3) chama(cr, w / 2, h - w * 0.3, w * 0.3, h * 0.9 - w * 0.1, (i - 1) * 1.5);
            else brilho(cr, w / 2, h / 2, w / 2, rgb(255, 200, 80), rgb(200, 60, 20));
        }));
    }
    // 6-9 a smoke puff growing
    static const int fumo[4] = {14, 18, 20, 24};
    for (int i = 0; i < 4; i++)
        v.push_back(desenha(fumo[i], fumo[i], [i](cairo_t* cr, double w, double h) { fumaca(cr, w, i / 3.0, rgb(120, 116, 112).clara(0.15 * i)); }, false, 90));
    // 10 a spark
    v.push_back(desenha(4, 4, [](cairo_t* cr, double w, double h) { brilho(cr, 2, 2, 2.4, rgb(255, 250, 190), rgb(255, 170, 40)); }, false, 60));
    // 11-12 healing sparkle
    for (int i = 0; i < 2; i++)
        v.push_back(desenha(40, 25, [i](cairo_t* cr, double w, double h) {
            static const double pos[5][3] = {{8, 16, 4}, {18, 7, 5}, {28, 17, 4}, {34, 6, 3}, {14, 21, 3}};
            for (int k = 0; k < 5; k++) estrela(cr, pos[k][0] + i * 3, pos[k][1] - i * 2 + (k % 2) * i * 3, pos[k][2] - (k + i) % 2,
                                                (k + i) % 2 ? rgb(140, 250, 160) : rgb(230, 254, 200));
        }, false));
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
    for (int i = 0; i < 2; i++)
        v.push_back(desenha(18, 18, [i](cairo_t* cr, double w, double h) { chama(cr, 9, 14, 5, 12 - i * 2, i ? -2 : 2); }));
}

// Magic dust, the burnt heap, the fireball, ground fire and burning debris (20-33).
void poeira_e_fogueira(std::vector<Picture>& v, Rng& rng) {
    // 20-23 trail of magic dust
    static const int poeira[4] = {14, 18, 20, 24};
    for (int i = 0; i < 4; i++)
        v.push_back(desenha(poeira[i], poeira[i], [i, &rng](cairo_t* cr, double w, double h) {
            for (int k = 0; k < 5 + i; k++) {
                double x = rng.range(w * 0.2, w * 0.8), y = rng.range(h * 0.2, h * 0.8);
                brilho(cr, x, y, 2.5 + rng.range(0, 1.5), rgb(230, 190, 250), rgb(140, 70, 180));
            }
        }, false, 90));
    // 24-26 a burnt-out heap cooling
    for (int i = 0; i < 3; i++)
        v.push_back(desenha(40, 40, [i](cairo_t* cr, double w, double h) {
            elipse(cr, 20, 28, 17, 8);
            gradiente_lateral(cr, 3, 37, rgb(64, 58, 54).clara(i * 0.12));
            cairo_fill_preserve(cr);
            contorno(cr, rgb(60, 54, 50));
            Tinta lenha = rgb(50, 38, 30);
            for (int k = 0; k < 3; k++) {
                cairo_move_to(cr, 8 + k * 8, 31 - k * 2);
                cairo_line_to(cr, 20 + k * 6, 20 + k * 3);
                usa(cr, lenha);
                cairo_set_line_width(cr, 4);
                cairo_stroke(cr);
            }
            for (int k = 0; k < 6 - i * 3; k++) brilho(cr, 10 + k * 4.5, 24 + (k % 3) * 3, 2.5, rgb(255, 200, 80), rgb(220, 70, 20));
            if (i == 0) chama(cr, 22, 24, 4, 12);
        }));
    // 27 the falling fireball with its trail
    v.push_back(desenha(70, 110, [](cairo_t* cr, double w, double h) {
        for (int k = 0; k < 6; k++) brilho(cr, 35 + std::sin(k) * 4, 80 - k * 12, 18 - k * 2.2, rgb(255, 220, 100), rgb(230, 90, 20));
        brilho(cr, 35, 86, 22, rgb(255, 250, 200), rgb(250, 120, 30));
        elipse(cr, 35, 86, 12, 12);
        usa(cr, rgb(255, 236, 150));
        cairo_fill(cr);
    }, true, 100));
    // 28-30 the fire left burning on the ground
    static const int fogo[3][2] = {{80, 75}, {74, 92}, {76, 74}};
    for (int i = 0; i < 3; i++)
        v.push_back(desenha(fogo[i][0], fogo[i][1], [i](cairo_t* cr, double w, double h) {
            elipse(cr, w / 2, h - 8, w * 0.45, 7);
            usa(cr, rgb(60, 40, 30));
            cairo_fill(cr);
            for (int k = 0; k < 5; k++) {
                double x = w * (0.2 + 0.15 * k), alto = h * (0.5 + 0.4 * std::fabs(std::sin(k * 1.7 + i)));
                chama(cr, x, h - 8, w * 0.12, alto - 6, (k % 2 ? 3 : -3) * (i - 1));
            }
        }));
    // 31-33 burning debris
    static const int destroco[3][2] = {{18, 18}, {34, 26}, {50, 30}};
    for (int i = 0; i < 3; i++)
        v.push_back(desenha(destroco[i][0], destroco[i][1], [i](cairo_t* cr, double w, double h) {
            cairo_move_to(cr, w * 0.1, h * 0.8);
            cairo_line_to(cr, w * 0.9, h * 0.55);
            usa(cr, rgb(70, 44, 30));
            cairo_set_line_width(cr, h * 0.25);
            cairo_stroke(cr);
            chama(cr, w * 0.5, h * 0.72, w * 0.15, h * 0.65, 2);
        }));
}

// The demon departing, its pieces, the bolts, arrows and the shop sign (34-59).
void demonio_e_projeteis(std::vector<Picture>& v, Rng& rng) {
    // 34 the demon dissolving
    {
        Humano s = figura_satanas();
        Picture p = desenha(84, 98, [&](cairo_t* cr, double w, double h) {
            Cena c;
            c.ox = 42;
            c.oy = 90;
            s.altura = 78;
            monta_humano(c, s, Pose{});
            c.desenha(cr);
        });
        Rng r(34);
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++)
                if (!p.iswhite(x, y) && r.uniform() < 0.55 - y * 0.005) {
                    if (r.below(3) == 0) p.set(x, y, 250, 150, 40);
                    else p.set(x, y, 255, 255, 255);
                }
        v.push_back(p);
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
    v.push_back(desenha(12, 7, [](cairo_t* cr, double w, double h) { brilho(cr, 6, 3.5, 4, rgb(255, 220, 120), rgb(220, 70, 20)); }, false, 90));
    // 39-46 the witch's magic bolt turning
    for (int i = 0; i < 8; i++)
        v.push_back(desenha(34, 32, [i](cairo_t* cr, double w, double h) {
            for (int k = 0; k < 4; k++) {
                double a = i * M_PI / 16 + k * M_PI / 2;
                cairo_move_to(cr, 17 + std::cos(a) * 15, 16 + std::sin(a) * 14);
                cairo_line_to(cr, 17 + std::cos(a + 0.5) * 6, 16 + std::sin(a + 0.5) * 6);
                cairo_line_to(cr, 17 + std::cos(a - 0.5) * 6, 16 + std::sin(a - 0.5) * 6);
                cairo_close_path(cr);
                usa(cr, rgb(170, 90, 220));
                cairo_fill(cr);
            }
            brilho(cr, 17, 16, 9, rgb(230, 255, 180), rgb(110, 200, 60));
        }, true, 100));
    // 47-48 Fidelina's bolt, 49-50 its sparkle
    for (int i = 0; i < 2; i++)
        v.push_back(desenha(26, 26, [i](cairo_t* cr, double w, double h) {
            brilho(cr, 13, 13, 11 - i * 2, rgb(230, 254, 250), rgb(80, 200, 230));
            estrela(cr, 13, 13, 5 + i, rgb(240, 254, 254));
        }, true, 100));
    for (int i = 0; i < 2; i++) v.push_back(desenha(8, 8, [i](cairo_t* cr, double w, double h) { estrela(cr, 4, 4, 3.8 - i, rgb(200, 250, 250)); }, false));
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
void marcas(std::vector<Picture>& v, Rng& rng) {
    // 60 hero mark, 61 own-unit mark for the mini-map
    v.push_back(desenha(9, 9, [](cairo_t* cr, double w, double h) { cairo_rectangle(cr, 0, 0, 9, 9); usa(cr, rgb(30, 20, 10)); cairo_fill(cr); cairo_rectangle(cr, 1, 1, 7, 7); usa(cr, rgb(254, 220, 40)); cairo_fill(cr); }, false));
    v.push_back(desenha(5, 5, [](cairo_t* cr, double w, double h) { cairo_rectangle(cr, 0, 0, 5, 5); usa(cr, rgb(20, 60, 20)); cairo_fill(cr); cairo_rectangle(cr, 1, 1, 3, 3); usa(cr, rgb(80, 240, 80)); cairo_fill(cr); }, false));
    // 62-63 the hero's fire-staff bolt
    v.push_back(desenha(20, 20, [](cairo_t* cr, double w, double h) { brilho(cr, 10, 10, 10, rgb(255, 250, 180), rgb(250, 110, 20)); }, true, 90));
    v.push_back(desenha(10, 10, [](cairo_t* cr, double w, double h) { brilho(cr, 5, 5, 5, rgb(255, 230, 140), rgb(240, 90, 20)); }, false, 90));
    // 64 the move-order marker
    v.push_back(desenha(28, 28, [](cairo_t* cr, double w, double h) {
        anel(cr, 14, 24, 11, 3.5, rgb(80, 240, 90), 2);
        cairo_move_to(cr, 8, 4); cairo_line_to(cr, 20, 4); cairo_line_to(cr, 14, 18); cairo_close_path(cr);
        usa(cr, rgb(90, 250, 100));
        cairo_fill_preserve(cr);
        contorno(cr, rgb(60, 180, 70));
    }));
    // 65 protective-aura and 66 warrior-aura rings
    v.push_back(desenha(30, 14, [](cairo_t* cr, double w, double h) { anel(cr, 15, 7, 13.5, 5.5, rgb(90, 160, 250), 1.6); }, false, 90));
    v.push_back(desenha(30, 14, [](cairo_t* cr, double w, double h) { anel(cr, 15, 7, 13.5, 5.5, rgb(250, 80, 60), 1.6); }, false, 90));
    // 67 fighting-enemy mini-map mark
    v.push_back(desenha(9, 9, [](cairo_t* cr, double w, double h) { cairo_rectangle(cr, 0, 0, 9, 9); usa(cr, rgb(40, 0, 0)); cairo_fill(cr); cairo_rectangle(cr, 1, 1, 7, 7); usa(cr, rgb(250, 40, 30)); cairo_fill(cr); }, false));
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
    for (int i = 0; i < 2; i++)
        v.push_back(desenha(50, 16, [i](cairo_t* cr, double w, double h) {
            xadrez(cr, 25, 8, 24, 7.5, rgb(255, 230, 120), i, 0.35);
            anel(cr, 25, 8, 23, 6.8, rgb(250, 200, 60), 1.2);
        }, false, 90));
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
void cadaveres_e_fim(std::vector<Picture>& v, Rng& rng) {
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
    v.push_back(desenha(40, 30, [](cairo_t* cr, double w, double h) { fumaca(cr, 40, 0.5, rgb(120, 150, 110)); }));
    // 105 a flying bone chip and 106 its splat
    v.push_back(desenha(10, 10, [](cairo_t* cr, double w, double h) { osso(cr, 2.5, 7, 7.5, 3, 1.0); }));
    v.push_back(desenha(20, 20, [](cairo_t* cr, double w, double h) {
        osso(cr, 3, 12, 9, 9, 1.0);
        osso(cr, 12, 15, 17, 11, 1.0);
        osso(cr, 8, 5, 13, 6, 0.9);
    }));
    // 107 the boss's death: a column of dark magic rising
    v.push_back(desenha(40, 90, [](cairo_t* cr, double w, double h) {
        for (int k = 0; k < 7; k++) brilho(cr, 20 + std::sin(k * 1.3) * 6, 80 - k * 11, 14 - k, rgb(240, 180, 250), rgb(110, 30, 140));
    }, true, 100));
}

}  // namespace

std::vector<Picture> gera_efeitos() {
    std::vector<Picture> v;
    Rng rng(0x5EF1105);
    sombras_e_fogo(v, rng);
    poeira_e_fogueira(v, rng);
    demonio_e_projeteis(v, rng);
    marcas(v, rng);
    cadaveres_e_fim(v, rng);
    return v;
}
