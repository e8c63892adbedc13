// Ground tiles: grass, cemetery earth and the flagstones of the dungeons, opaque and seamless when repeated.
#include <cmath>
#include <functional>

#include "boneco.h"
#include "sprites.h"
#include "common/rng.h"

using namespace boneco;

namespace {

const int LADO = 256;  // large enough that the repeat is hard to see

// Periodic value noise: smooth, repeats every LADO pixels.
struct Ruido {
    double v[32][32];
    explicit Ruido(uint64_t semente) {
        Rng r(semente);
        for (auto& l : v)
            for (double& x : l) x = r.uniform();
    }
    double em(double x, double y) const {
        double fx = x / LADO * 32, fy = y / LADO * 32;
        int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
        double tx = fx - x0, ty = fy - y0;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        auto g = [&](int a, int b) { return v[((b % 32) + 32) % 32][((a % 32) + 32) % 32]; };
        return (g(x0, y0) * (1 - tx) + g(x0 + 1, y0) * tx) * (1 - ty) + (g(x0, y0 + 1) * (1 - tx) + g(x0 + 1, y0 + 1) * tx) * ty;
    }
};

// Draws f nine times so whatever crosses an edge comes back on the other side.
void repete(cairo_t* cr, const std::function<void(cairo_t*)>& f) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            cairo_save(cr);
            cairo_translate(cr, dx * LADO, dy * LADO);
            f(cr);
            cairo_restore(cr);
        }
}

Picture base(Tinta a, Tinta b, uint64_t semente, double grao) {
    Picture p(LADO, LADO);
    Ruido n1(semente), n2(semente + 1);
    Rng r(semente + 2);
    for (int y = 0; y < LADO; y++)
        for (int x = 0; x < LADO; x++) {
            double k = 0.65 * n1.em(x, y) + 0.35 * n2.em(x * 4, y * 4) + r.range(-grao, grao);
            Tinta t = a.mistura(b, std::clamp(k, 0.0, 1.0));
            p.set(x, y, uint8_t(std::clamp(t.r * 255, 0.0, 254.0)), uint8_t(std::clamp(t.g * 255, 0.0, 254.0)), uint8_t(std::clamp(t.b * 255, 0.0, 254.0)));
        }
    return p;
}

// Paints the details of a tile over its base with Cairo and returns the opaque result.
Picture detalhes(const Picture& b, const std::function<void(cairo_t*)>& f) {
    Canvas c(LADO, LADO);
    cairo_surface_flush(c.surface);
    unsigned char* d = cairo_image_surface_get_data(c.surface);
    int stride = cairo_image_surface_get_stride(c.surface);
    for (int y = 0; y < LADO; y++)
        for (int x = 0; x < LADO; x++) {
            const uint8_t* s = b.at(x, y);
            reinterpret_cast<uint32_t*>(d + y * stride)[x] = 0xFF000000u | (s[0] << 16) | (s[1] << 8) | s[2];
        }
    cairo_surface_mark_dirty(c.surface);
    repete(c.cr, f);
    return opaque_from_canvas(c);
}

// The flagstones of a floor: a grid of uneven cells, eight by eight, joined into slabs of one to
// four cells; a slab may run over the tile's edge and come back on the other side.
struct Lajes {
    int linha[9] = {}, coluna[9] = {};  // the grid's lines; the ninth is the first one tile further
    int dono[8][8];                       // the slab of each cell: its first cell as row * 8 + column
    int larg[64] = {}, alt[64] = {};      // a slab's size in cells, by its first cell
    explicit Lajes(uint64_t semente) {
        Rng r(semente);
        for (int i = 0; i < 8; i++) {
            linha[i] = i * 32 + (i ? r.below(11) - 5 : 0);
            coluna[i] = i * 32 + (i ? r.below(11) - 5 : 0);
        }
        linha[8] = coluna[8] = LADO;
        for (auto& l : dono)
            for (int& d : l) d = -1;
        // the tile's own edges are bridged first (the cells are filled in order, so no slab laid later
        // could reach back over them): one slab down over the bottom edge, one across the right edge
        int c = 1 + r.below(6), f = r.below(8);
        dono[7][c] = dono[0][c] = 7 * 8 + c;
        larg[7 * 8 + c] = 1;
        alt[7 * 8 + c] = 2;
        dono[f][7] = dono[f][0] = f * 8 + 7;
        larg[f * 8 + 7] = 2;
        alt[f * 8 + 7] = 1;
        for (int y = 0; y < 8; y++)
            for (int x = 0; x < 8; x++) {
                if (dono[y][x] >= 0) continue;
                static const int FORMAS[4][2] = {{2, 2}, {2, 1}, {1, 2}, {1, 1}};
                int f = r.below(10);
                f = f < 3 ? 0 : f < 5 ? 1 : f < 7 ? 2 : 3;
                for (;; f++) {
                    int w = FORMAS[f][0], h = FORMAS[f][1];
                    bool livre = true;
                    for (int j = 0; j < h; j++)
                        for (int i = 0; i < w; i++) livre = livre && dono[(y + j) % 8][(x + i) % 8] < 0;
                    if (!livre) continue;
                    for (int j = 0; j < h; j++)
                        for (int i = 0; i < w; i++) dono[(y + j) % 8][(x + i) % 8] = y * 8 + x;
                    larg[y * 8 + x] = w;
                    alt[y * 8 + x] = h;
                    break;
                }
            }
    }
    // True when every line of the grid is bridged by some slab somewhere, so that no joint runs
    // straight across the floor as the courses of a wall would.
    bool travada() const {
        for (int i = 0; i < 8; i++) {
            bool linha_cruzada = false, coluna_cruzada = false;
            for (int s = 0; s < 64; s++) {
                if (alt[s] == 2 && (s / 8 + 1) % 8 == i) linha_cruzada = true;
                if (larg[s] == 2 && (s % 8 + 1) % 8 == i) coluna_cruzada = true;
            }
            if (!linha_cruzada || !coluna_cruzada) return false;
        }
        return true;
    }
    // The slab under (x, y): its number, and how far the point lies from its left, right, top and bottom edges.
    int em(int x, int y, double d[4]) const {
        int cy = 0, cx = 0;
        while (linha[cy + 1] <= y) cy++;
        while (coluna[cx + 1] <= x) cx++;
        int s = dono[cy][cx], sy = s / 8, sx = s % 8;
        // the slab's first cell may lie a tile back when the slab wraps round the edge
        int x0 = coluna[sx] - (sx > cx ? LADO : 0), y0 = linha[sy] - (sy > cy ? LADO : 0);
        int x1 = coluna[(sx + larg[s]) % 8] + ((sx + larg[s]) >= 8 ? LADO : 0) - (sx > cx ? LADO : 0);
        int y1 = linha[(sy + alt[s]) % 8] + ((sy + alt[s]) >= 8 ? LADO : 0) - (sy > cy ? LADO : 0);
        d[0] = x - x0 + 0.5;
        d[1] = x1 - x - 0.5;
        d[2] = y - y0 + 0.5;
        d[3] = y1 - y - 0.5;
        return s;
    }
};

// The dungeon floor: each slab its own shade, mottled, its edges worn round (lit on the upper left,
// in shade on the lower right), dark joints with dirt and moss, a few cracks and chips.
Picture lajes() {
    uint64_t semente = 301;
    for (int tentativa = 0; tentativa < 500 && !Lajes(semente).travada(); tentativa++) semente += 1000;
    Lajes l(semente);
    Ruido mancha(302), grao(303), borda(304), musgo(305);
    Rng r(306);
    Picture p(LADO, LADO);
    for (int y = 0; y < LADO; y++)
        for (int x = 0; x < LADO; x++) {
            double d[4];
            int laje = l.em(x, y, d);
            // the worn edges wander in and out
            double gasto = 1.2 + 2.2 * borda.em(x * 2, y * 2);
            for (double& e : d) e -= gasto * 0.6;
            double perto = std::min({d[0], d[1], d[2], d[3]});
            Rng tom(uint64_t(laje) * 7919 + 11);
            double t = 0.8 + 0.16 * tom.uniform();
            Tinta base = rgb(90, 90, 98).mistura(rgb(98, 90, 80), tom.uniform()).escura(t);
            Tinta c = base.escura(0.84 + 0.2 * mancha.em(x, y) + 0.1 * grao.em(x * 8, y * 8) + r.range(-0.03, 0.03));
            if (perto < 0.9) {  // the joint: dark, with dirt and a little moss
                c = rgb(38, 34, 34).mistura(rgb(52, 62, 36), std::clamp((musgo.em(x * 2, y * 2) - 0.55) * 3, 0.0, 0.7));
            } else if (perto < 3.5) {  // the rounded edge: toward the light on the upper left
                double k = 1 - (perto - 0.9) / 2.6;
                bool luz = d[0] == perto || d[2] == perto;
                c = luz ? c.clara(0.16 * k) : c.escura(1 - 0.32 * k);
            }
            p.set(x, y, uint8_t(std::clamp(c.r * 255, 0.0, 254.0)), uint8_t(std::clamp(c.g * 255, 0.0, 254.0)), uint8_t(std::clamp(c.b * 255, 0.0, 254.0)));
        }
    return detalhes(p, [](cairo_t* cr) {
        Rng r(307);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 9; k++) {  // cracks: a dark line with a lit lip below it
            double x = r.range(0, LADO), y = r.range(0, LADO), a = r.range(0, 2 * M_PI);
            std::vector<std::pair<double, double>> pts = {{x, y}};
            for (int s = 0; s < 5; s++) {
                a += r.range(-0.7, 0.7);
                x += std::cos(a) * r.range(3, 7);
                y += std::sin(a) * r.range(3, 7);
                pts.push_back({x, y});
            }
            for (int pass = 0; pass < 2; pass++) {
                for (size_t i = 0; i < pts.size(); i++) {
                    double px = pts[i].first + pass * 0.8, py = pts[i].second + pass * 0.8;
                    if (i == 0) cairo_move_to(cr, px, py);
                    else cairo_line_to(cr, px, py);
                }
                cairo_set_source_rgba(cr, pass ? 0.62 : 0.1, pass ? 0.62 : 0.09, pass ? 0.64 : 0.1, pass ? 0.25 : 0.8);
                cairo_set_line_width(cr, pass ? 0.7 : 1.0);
                cairo_stroke(cr);
            }
        }
        for (int k = 0; k < 40; k++) {  // chips and grit
            double x = r.range(0, LADO), y = r.range(0, LADO), s = r.range(0.6, 1.6);
            elipse(cr, x, y, s, s * 0.8);
            cairo_set_source_rgba(cr, 0.1, 0.09, 0.1, 0.55);
            cairo_fill(cr);
            elipse(cr, x + 0.6, y + 0.6, s * 0.7, s * 0.5);
            cairo_set_source_rgba(cr, 0.6, 0.58, 0.58, 0.3);
            cairo_fill(cr);
        }
    });
}

}  // namespace

std::vector<Picture> gera_cenarios() {
    std::vector<Picture> v;
    // 0 grass: tufts of blades and a few flowers
    v.push_back(detalhes(base(rgb(74, 120, 48), rgb(104, 150, 62), 100, 0.06), [](cairo_t* cr) {
        Rng r(101);
        for (int k = 0; k < 280; k++) {
            double x = r.range(0, LADO), y = r.range(0, LADO);
            Tinta t = r.below(2) ? rgb(60, 104, 40) : rgb(130, 176, 80);
            usa(cr, t);
            cairo_set_line_width(cr, 1);
            for (int b = -1; b <= 1; b++) { cairo_move_to(cr, x, y); cairo_line_to(cr, x + b * 2, y - 4 - r.range(0, 2)); }
            cairo_stroke(cr);
        }
        for (int k = 0; k < 20; k++) {
            double x = r.range(0, LADO), y = r.range(0, LADO);
            elipse(cr, x, y, 1.3, 1.3);
            usa(cr, k % 2 ? rgb(240, 220, 80) : rgb(230, 230, 240));
            cairo_fill(cr);
        }
    }));
    // 1 cemetery earth: dark soil, pebbles, dry grass
    v.push_back(detalhes(base(rgb(78, 64, 50), rgb(104, 90, 70), 200, 0.05), [](cairo_t* cr) {
        Rng r(201);
        for (int k = 0; k < 104; k++) {
            double x = r.range(0, LADO), y = r.range(0, LADO), s = r.range(1, 2.6);
            elipse(cr, x, y, s, s * 0.8);
            usa(cr, rgb(130, 120, 108));
            cairo_fill_preserve(cr);
            usa(cr, rgb(60, 50, 40));
            cairo_set_line_width(cr, 0.6);
            cairo_stroke(cr);
        }
        for (int k = 0; k < 120; k++) {
            double x = r.range(0, LADO), y = r.range(0, LADO);
            usa(cr, rgb(120, 112, 70));
            cairo_set_line_width(cr, 0.9);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + r.range(-3, 3), y - 4);
            cairo_stroke(cr);
        }
    }));
    // 2 the dungeon floor: worn flagstones seen from above, cracked here and there
    v.push_back(lajes());
    return v;
}
