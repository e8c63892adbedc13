// Ground tiles: grass, cemetery earth and dark stone floor, opaque and seamless when repeated.
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
    // 2 dark stone floor: flagstones with mortar
    v.push_back(detalhes(base(rgb(58, 56, 62), rgb(82, 80, 88), 300, 0.04), [](cairo_t* cr) {
        Rng r(301);
        usa(cr, rgb(30, 28, 32));
        cairo_set_line_width(cr, 1.6);
        for (int row = 0; row < 8; row++) {
            double y = row * 32;
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, LADO, y);
            for (int c = 0; c < 6; c++) {
                double x = c * 42.67 + (row % 2) * 21;
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x, y + 32);
            }
        }
        cairo_stroke(cr);
        for (int k = 0; k < 32; k++) {
            double x = r.range(0, LADO), y = r.range(0, LADO);
            usa(cr, rgb(40, 38, 44));
            cairo_set_line_width(cr, 0.8);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + r.range(-6, 6), y + r.range(-6, 6));
            cairo_stroke(cr);
        }
    }));
    return v;
}
