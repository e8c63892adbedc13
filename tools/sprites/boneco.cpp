// The puppet machinery: projection, the shapes of the parts and the back-to-front painting.
#include "boneco.h"

#include <algorithm>
#include <cmath>

namespace boneco {

Tinta rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

void usa(cairo_t* cr, Tinta t) {
    cairo_set_source_rgb(cr, std::clamp(t.r, 0.0, 1.0), std::clamp(t.g, 0.0, 1.0), std::clamp(t.b, 0.0, 1.0));
}

void contorno(cairo_t* cr, Tinta t, double w) {
    usa(cr, t.escura(0.3));
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}

void gradiente_lateral(cairo_t* cr, double x0, double x1, Tinta t) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    Tinta a = t.clara(0.22), m = t, z = t.escura(0.68);
    cairo_pattern_add_color_stop_rgb(p, 0.0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 0.4, m.r, m.g, m.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, z.r, z.g, z.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void gradiente_vertical(cairo_t* cr, double y0, double y1, Tinta topo, Tinta base) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0.0, topo.r, topo.g, topo.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, base.r, base.g, base.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void elipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

V3 Cena::roda(V3 p) const {
    if (tomba != 0) {
        double ct = std::cos(tomba), st = std::sin(tomba);
        p = {p.x * ct + p.z * st, p.y, -p.x * st + p.z * ct};
    }
    double c = std::cos(giro), s = std::sin(giro);
    return {p.x * c + p.y * s, -p.x * s + p.y * c, p.z};
}

void Cena::projeta(V3 p, double& sx, double& sy) const {
    V3 r = roda(p);
    sx = ox + r.x;
    sy = oy + r.y * ky - r.z * kz;
}

static double centro_prof(const Cena& c, V3 a, V3 b) { return (c.prof(a) + c.prof(b)) / 2; }

void Cena::livre(V3 ref, double vies, std::function<void(cairo_t*)> f) {
    pecas.push_back({prof(ref) + vies, int(pecas.size()), std::move(f)});
}

// A limb: two circles joined by their tangents, shaded across its length.
void Cena::capsula(V3 a, V3 b, double ra, double rb, Tinta t, double vies) {
    double ax, ay, bx, by;
    projeta(a, ax, ay);
    projeta(b, bx, by);
    pecas.push_back({centro_prof(*this, a, b) + vies, int(pecas.size()), [=](cairo_t* cr) {
        double dx = bx - ax, dy = by - ay, len = std::hypot(dx, dy);
        double u = len < 0.01 ? -M_PI / 2 : std::atan2(dy, dx);
        double nx = -std::sin(u), ny = std::cos(u);
        cairo_new_path(cr);
        cairo_move_to(cr, ax - nx * ra, ay - ny * ra);
        cairo_line_to(cr, bx - nx * rb, by - ny * rb);
        cairo_arc(cr, bx, by, rb, u - M_PI / 2, u + M_PI / 2);
        cairo_line_to(cr, ax + nx * ra, ay + ny * ra);
        cairo_arc(cr, ax, ay, ra, u + M_PI / 2, u + 3 * M_PI / 2);
        cairo_close_path(cr);
        double r = std::max(ra, rb);
        double minx = std::min(ax, bx) - r, maxx = std::max(ax, bx) + r;
        gradiente_lateral(cr, minx, maxx, t);
        cairo_fill_preserve(cr);
        contorno(cr, t);
    }});
}

// A round body part: an ellipse lit from the upper left.
void Cena::bola(V3 c, double rx, double ry, Tinta t, double vies) {
    double cx, cy;
    projeta(c, cx, cy);
    pecas.push_back({prof(c) + vies, int(pecas.size()), [=](cairo_t* cr) {
        elipse(cr, cx, cy, rx, ry);
        cairo_pattern_t* p = cairo_pattern_create_radial(cx - rx * 0.35, cy - ry * 0.4, 0, cx, cy, std::max(rx, ry) * 1.1);
        Tinta a = t.clara(0.3), m = t, z = t.escura(0.62);
        cairo_pattern_add_color_stop_rgb(p, 0.0, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(p, 0.45, m.r, m.g, m.b);
        cairo_pattern_add_color_stop_rgb(p, 1.0, z.r, z.g, z.b);
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
        cairo_fill_preserve(cr);
        contorno(cr, t);
    }});
}

// Points of a ring of radius r about the axis through c along u.
static void anel(V3 c, V3 u, double r, std::vector<V3>& out) {
    V3 e1 = std::fabs(u.z) < 0.9 ? V3{u.y, -u.x, 0} : V3{1, 0, 0};
    double n1 = std::sqrt(e1.x * e1.x + e1.y * e1.y + e1.z * e1.z);
    e1 = e1 * (1 / n1);
    V3 e2{u.y * e1.z - u.z * e1.y, u.z * e1.x - u.x * e1.z, u.x * e1.y - u.y * e1.x};
    for (int i = 0; i < 20; i++) {
        double a = i * 2 * M_PI / 20;
        out.push_back(c + e1 * (r * std::cos(a)) + e2 * (r * std::sin(a)));
    }
}

// Convex hull of screen points (monotone chain).
static std::vector<std::pair<double, double>> envoltoria(std::vector<std::pair<double, double>> p) {
    std::sort(p.begin(), p.end());
    if (p.size() < 3) return p;
    std::vector<std::pair<double, double>> h(2 * p.size());
    auto cruz = [](auto o, auto a, auto b) { return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first); };
    size_t k = 0;
    for (size_t i = 0; i < p.size(); i++) {
        while (k >= 2 && cruz(h[k - 2], h[k - 1], p[i]) <= 0) k--;
        h[k++] = p[i];
    }
    for (size_t i = p.size() - 1, t = k + 1; i > 0; i--) {
        while (k >= t && cruz(h[k - 2], h[k - 1], p[i - 1]) <= 0) k--;
        h[k++] = p[i - 1];
    }
    h.resize(k - 1);
    return h;
}

// A tapered cylinder (body, dress, trunk, hat crown) drawn as the hull of its two end rings.
void Cena::tronco(V3 a, double ra, V3 b, double rb, Tinta t, double vies, bool tampa) {
    V3 d = b - a;
    double n = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    V3 u = n < 1e-6 ? V3{0, 0, 1} : d * (1 / n);
    std::vector<V3> pa, pb;
    anel(a, u, ra, pa);
    anel(b, u, rb, pb);
    std::vector<std::pair<double, double>> sp, topo;
    for (V3 p : pa) { double x, y; projeta(p, x, y); sp.push_back({x, y}); }
    for (V3 p : pb) { double x, y; projeta(p, x, y); sp.push_back({x, y}); topo.push_back({x, y}); }
    auto hull = envoltoria(sp);
    pecas.push_back({centro_prof(*this, a, b) + vies, int(pecas.size()), [=](cairo_t* cr) {
        double minx = 1e9, maxx = -1e9;
        cairo_new_path(cr);
        for (auto& q : hull) { cairo_line_to(cr, q.first, q.second); minx = std::min(minx, q.first); maxx = std::max(maxx, q.first); }
        cairo_close_path(cr);
        gradiente_lateral(cr, minx, maxx, t);
        cairo_fill_preserve(cr);
        contorno(cr, t);
        if (!tampa || rb < 0.5) return;
        cairo_new_path(cr);
        for (auto& q : topo) cairo_line_to(cr, q.first, q.second);
        cairo_close_path(cr);
        usa(cr, t.clara(0.12));
        cairo_fill_preserve(cr);
        contorno(cr, t, 0.8);
    }});
}

void Cena::poligono(const std::vector<V3>& pts, Tinta t, double vies, bool comcontorno) {
    std::vector<std::pair<double, double>> sp;
    double pz = 0;
    for (V3 p : pts) { double x, y; projeta(p, x, y); sp.push_back({x, y}); pz += prof(p); }
    pz /= std::max<size_t>(1, pts.size());
    pecas.push_back({pz + vies, int(pecas.size()), [=](cairo_t* cr) {
        double minx = 1e9, maxx = -1e9;
        cairo_new_path(cr);
        for (auto& q : sp) { cairo_line_to(cr, q.first, q.second); minx = std::min(minx, q.first); maxx = std::max(maxx, q.first); }
        cairo_close_path(cr);
        gradiente_lateral(cr, minx, maxx, t);
        if (!comcontorno) { cairo_fill(cr); return; }
        cairo_fill_preserve(cr);
        contorno(cr, t);
    }});
}

void Cena::ponto(V3 c, double r, Tinta t, double vies) {
    double cx, cy;
    projeta(c, cx, cy);
    pecas.push_back({prof(c) + vies, int(pecas.size()), [=](cairo_t* cr) {
        elipse(cr, cx, cy, r, r);
        usa(cr, t);
        cairo_fill(cr);
    }});
}

void Cena::linha(V3 a, V3 b, double w, Tinta t, double vies) {
    double ax, ay, bx, by;
    projeta(a, ax, ay);
    projeta(b, bx, by);
    pecas.push_back({centro_prof(*this, a, b) + vies, int(pecas.size()), [=](cairo_t* cr) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        usa(cr, t);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }});
}

void Cena::faixa(V3 c, double r, double w, Tinta t, double vies) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i <= 40; i++) {
        double a = i * 2 * M_PI / 40;
        V3 p = c + V3{std::cos(a) * r, std::sin(a) * r, 0};
        if (prof(p) < prof(c)) continue;
        double x, y;
        projeta(p, x, y);
        pts.push_back({x, y});
    }
    pecas.push_back({prof(c) + r + vies, int(pecas.size()), [=](cairo_t* cr) {
        if (pts.size() < 2) return;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        cairo_new_path(cr);
        for (auto& q : pts) cairo_line_to(cr, q.first, q.second);
        usa(cr, t);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }});
}

void Cena::desenha(cairo_t* cr) {
    std::stable_sort(pecas.begin(), pecas.end(), [](const Peca& a, const Peca& b) {
        return a.prof != b.prof ? a.prof < b.prof : a.ordem < b.ordem;
    });
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (Peca& p : pecas) {
        cairo_save(cr);
        p.pinta(cr);
        cairo_restore(cr);
    }
}

}  // namespace boneco
