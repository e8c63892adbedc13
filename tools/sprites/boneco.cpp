// The modelling machinery: the camera, the parts (ellipsoids, tapered limbs, triangles), the depth
// buffer, the lighting and textures, and the lines and outline that keep a small figure readable.
#include "boneco.h"

#include <algorithm>
#include <cstring>

namespace boneco {

// Supersampling: every picture pixel is worked out from SS x SS samples.
constexpr int SS = 3;
// The camera looks down at about 27 degrees (two screen pixels across for one up the map).
const double SENO = 0.4472135955, COSSENO = 0.894427191;

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

// ---- noise ----

static inline uint32_t embaralha(uint32_t h) {
    h ^= h >> 16; h *= 0x7feb352dU; h ^= h >> 15; h *= 0x846ca68bU; h ^= h >> 16;
    return h;
}

static inline double sorteio(int x, int y, int z) {
    uint32_t h = embaralha(uint32_t(x) * 0x9E3779B1U ^ embaralha(uint32_t(y) * 0x85EBCA77U ^ embaralha(uint32_t(z) * 0xC2B2AE3DU)));
    return (h & 0xFFFFFF) / 16777216.0;
}

double ruido(double x, double y, double z) {
    double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int ix = int(fx), iy = int(fy), iz = int(fz);
    double u = x - fx, v = y - fy, w = z - fz;
    u = u * u * (3 - 2 * u); v = v * v * (3 - 2 * v); w = w * w * (3 - 2 * w);
    double c[2][2][2];
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 2; b++)
            for (int d = 0; d < 2; d++) c[a][b][d] = sorteio(ix + a, iy + b, iz + d);
    double x00 = c[0][0][0] + (c[1][0][0] - c[0][0][0]) * u, x10 = c[0][1][0] + (c[1][1][0] - c[0][1][0]) * u;
    double x01 = c[0][0][1] + (c[1][0][1] - c[0][0][1]) * u, x11 = c[0][1][1] + (c[1][1][1] - c[0][1][1]) * u;
    double y0 = x00 + (x10 - x00) * v, y1 = x01 + (x11 - x01) * v;
    return y0 + (y1 - y0) * w;
}

double fbm(double x, double y, double z, int oitavas) {
    double s = 0, a = 0.5, t = 0;
    for (int i = 0; i < oitavas; i++) {
        s += a * ruido(x, y, z);
        t += a;
        x = x * 2.03 + 17.1; y = y * 2.03 + 5.3; z = z * 2.03 + 11.7;
        a *= 0.5;
    }
    return s / t;
}

// ---- parts ----

enum { ELIPSOIDE, CONE, TRIANGULO };

struct Primitiva {
    int tipo = 0, mat = 0, parte = 0;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // camera box
    // ellipsoid: centre and the inverse of its axes; cone: ends, radii; both: pattern frame
    V3 c, a, b;
    double M[9] = {};
    double ra = 0, rb = 0;
    V3 eixo, e1, e2, escala{1, 1, 1};
    // triangle
    V3 p[3], n[3], t[3];
    bool frente = true;  // the triangle's outer side faces the viewer
};

Cena::Cena() : prims_(new std::vector<Primitiva>) {}
Cena::~Cena() { delete prims_; }

int Cena::material(const Material& m) {
    mats_.push_back(m);
    return int(mats_.size()) - 1;
}

int Cena::material(Tinta cor, int textura, double escala) {
    Material m;
    m.cor = cor;
    m.textura = textura;
    m.escala = escala;
    return material(m);
}

int Cena::novaparte() { return parte_ = ++partes_; }

V3 Cena::gira(V3 p) const {
    if (tomba != 0) {
        double ct = std::cos(tomba), st = std::sin(tomba);
        p = {p.x * ct + p.z * st, p.y, -p.x * st + p.z * ct};
    }
    double c = std::cos(giro), s = std::sin(giro);
    V3 r{p.x * c + p.y * s, -p.x * s + p.y * c, p.z};  // right, toward the viewer, up
    if (espelho) r.x = -r.x;
    return V3{r.x, r.z * COSSENO - r.y * SENO, r.y * COSSENO + r.z * SENO} * escala;
}

V3 Cena::camera(V3 p) const { return gira(p); }

void Cena::projeta(V3 p, double& sx, double& sy) const {
    V3 q = gira(p);
    sx = ox + q.x;
    sy = oy - q.y;
}

double Cena::prof(V3 p) const { return gira(p).z; }

static bool inverte(const double m[9], double out[9]) {
    double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) + m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (std::fabs(det) < 1e-12) return false;
    double k = 1 / det;
    out[0] = (m[4] * m[8] - m[5] * m[7]) * k; out[1] = (m[2] * m[7] - m[1] * m[8]) * k; out[2] = (m[1] * m[5] - m[2] * m[4]) * k;
    out[3] = (m[5] * m[6] - m[3] * m[8]) * k; out[4] = (m[0] * m[8] - m[2] * m[6]) * k; out[5] = (m[2] * m[3] - m[0] * m[5]) * k;
    out[6] = (m[3] * m[7] - m[4] * m[6]) * k; out[7] = (m[1] * m[6] - m[0] * m[7]) * k; out[8] = (m[0] * m[4] - m[1] * m[3]) * k;
    return true;
}

void Cena::elipsoide(V3 c, V3 ex, V3 ey, V3 ez, int mat) {
    Primitiva p;
    p.tipo = ELIPSOIDE;
    p.mat = mat;
    p.parte = parte_;
    p.c = gira(c);
    V3 a1 = gira(ex), a2 = gira(ey), a3 = gira(ez);
    double m[9] = {a1.x, a2.x, a3.x, a1.y, a2.y, a3.y, a1.z, a2.z, a3.z};  // columns are the axes
    if (!inverte(m, p.M)) return;
    double hx = std::sqrt(a1.x * a1.x + a2.x * a2.x + a3.x * a3.x), hy = std::sqrt(a1.y * a1.y + a2.y * a2.y + a3.y * a3.y);
    p.x0 = p.c.x - hx; p.x1 = p.c.x + hx; p.y0 = p.c.y - hy; p.y1 = p.c.y + hy;
    p.escala = {norma(ex), norma(ey), norma(ez)};
    prims_->push_back(p);
}

void Cena::cone(V3 a, V3 b, double ra, double rb, int mat) {
    Primitiva p;
    p.tipo = CONE;
    p.mat = mat;
    p.parte = parte_;
    p.a = gira(a);
    p.b = gira(b);
    p.ra = std::max(ra, 0.05);
    p.rb = std::max(rb, 0.05);
    // the pattern frame follows the limb in the model
    V3 u = unit(b - a);
    V3 ref = std::fabs(u.z) < 0.9 ? V3{0, 0, 1} : V3{1, 0, 0};
    V3 e1 = unit(cross(u, ref)), e2 = cross(u, e1);
    p.eixo = gira(u); p.e1 = gira(e1); p.e2 = gira(e2);
    p.x0 = std::min(p.a.x - p.ra, p.b.x - p.rb); p.x1 = std::max(p.a.x + p.ra, p.b.x + p.rb);
    p.y0 = std::min(p.a.y - p.ra, p.b.y - p.rb); p.y1 = std::max(p.a.y + p.ra, p.b.y + p.rb);
    prims_->push_back(p);
}

void Cena::malha(const std::vector<Vertice>& v, const std::vector<int>& tri, int mat) {
    for (size_t i = 0; i + 2 < tri.size(); i += 3) {
        const Vertice* q[3] = {&v[size_t(tri[i])], &v[size_t(tri[i + 1])], &v[size_t(tri[i + 2])]};
        V3 g = cross(q[1]->p - q[0]->p, q[2]->p - q[0]->p);  // the face's outer side, by the winding
        if (norma(g) < 1e-9) continue;
        Primitiva p;
        p.tipo = TRIANGULO;
        p.mat = mat;
        p.parte = parte_;
        for (int k = 0; k < 3; k++) {
            p.p[k] = gira(q[k]->p);
            V3 n = norma(q[k]->n) > 1e-9 ? q[k]->n : g;
            p.n[k] = unit(gira(n));
            p.t[k] = q[k]->t;
        }
        V3 gc = cross(p.p[1] - p.p[0], p.p[2] - p.p[0]);
        V3 nm = p.n[0] + p.n[1] + p.n[2];
        if (dot(gc, nm) < 0) gc = -gc;  // the outer side is where the normals point
        p.frente = gc.z >= 0;
        p.x0 = std::min({p.p[0].x, p.p[1].x, p.p[2].x}); p.x1 = std::max({p.p[0].x, p.p[1].x, p.p[2].x});
        p.y0 = std::min({p.p[0].y, p.p[1].y, p.p[2].y}); p.y1 = std::max({p.p[0].y, p.p[1].y, p.p[2].y});
        prims_->push_back(p);
    }
}

void Cena::tubo(const std::vector<Anel>& aneis, int lados, int mat, double a0, double a1, bool tampa0, bool tampa1,
                const std::function<double(double, double)>& raio, const std::function<double(double, double)>& desce) {
    size_t n = aneis.size();
    if (n < 2 || lados < 2) return;
    bool fechado = std::fabs(a1 - a0 - 2 * M_PI) < 1e-9;
    int cols = fechado ? lados : lados + 1;
    std::vector<double> s(n, 0);
    for (size_t i = 1; i < n; i++) s[i] = s[i - 1] + norma(aneis[i].c - aneis[i - 1].c);
    double total = std::max(s[n - 1], 1e-9);
    std::vector<Vertice> v;
    double media = 0;
    for (const Anel& r : aneis) media += (norma(r.ex) + norma(r.ey)) / 2;
    media /= double(n);
    for (size_t i = 0; i < n; i++)
        for (int j = 0; j < cols; j++) {
            double a = a0 + (a1 - a0) * j / lados;
            double k = raio ? raio(s[i] / total, a) : 1;
            V3 p = aneis[i].c + aneis[i].ex * (std::cos(a) * k) + aneis[i].ey * (std::sin(a) * k);
            if (desce) p.z -= desce(s[i] / total, a);
            v.push_back({p, {}, {a * media, s[i], 0}});
        }
    auto id = [&](size_t i, int j) { return int(i) * cols + (fechado ? (j % lados) : j); };
    std::vector<int> tri;
    for (size_t i = 0; i + 1 < n; i++)
        for (int j = 0; j < lados; j++) {
            int q0 = id(i, j), q1 = id(i, j + 1), q2 = id(i + 1, j + 1), q3 = id(i + 1, j);
            tri.insert(tri.end(), {q0, q1, q2, q0, q2, q3});
        }
    // smooth normals: the faces around each vertex, each turned away from its ring's centre
    std::vector<V3> soma(v.size());
    for (size_t t = 0; t < tri.size(); t += 3) {
        V3 p0 = v[size_t(tri[t])].p, p1 = v[size_t(tri[t + 1])].p, p2 = v[size_t(tri[t + 2])].p;
        V3 g = cross(p1 - p0, p2 - p0);
        size_t anel = size_t(tri[t]) / size_t(cols);
        V3 fora = (p0 + p1 + p2) * (1.0 / 3) - aneis[anel].c;
        if (dot(g, fora) < 0) g = -g;
        for (int k = 0; k < 3; k++) soma[size_t(tri[t + k])] = soma[size_t(tri[t + k])] + g;
    }
    for (size_t i = 0; i < v.size(); i++) v[i].n = unit(soma[i]);
    // faces wound so that the normals agree with them
    for (size_t t = 0; t < tri.size(); t += 3) {
        V3 p0 = v[size_t(tri[t])].p, p1 = v[size_t(tri[t + 1])].p, p2 = v[size_t(tri[t + 2])].p;
        V3 g = cross(p1 - p0, p2 - p0);
        if (dot(g, v[size_t(tri[t])].n + v[size_t(tri[t + 1])].n + v[size_t(tri[t + 2])].n) < 0) std::swap(tri[t + 1], tri[t + 2]);
    }
    malha(v, tri, mat);
    for (int ponta = 0; ponta < 2; ponta++) {
        if (!(ponta ? tampa1 : tampa0)) continue;
        size_t i = ponta ? n - 1 : 0;
        V3 eixo = unit(ponta ? aneis[n - 1].c - aneis[n - 2].c : aneis[0].c - aneis[1].c);
        std::vector<Vertice> w{{aneis[i].c, eixo, {0, s[i], 0}}};
        std::vector<int> t;
        for (int j = 0; j < cols; j++) w.push_back({v[size_t(id(i, j))].p, eixo, v[size_t(id(i, j))].t});
        for (int j = 0; j < lados; j++) {
            int b = 1 + j, c2 = 1 + (fechado ? (j + 1) % lados : j + 1);
            V3 g = cross(w[size_t(b)].p - w[0].p, w[size_t(c2)].p - w[0].p);
            if (dot(g, eixo) < 0) t.insert(t.end(), {0, c2, b});
            else t.insert(t.end(), {0, b, c2});
        }
        malha(w, t, mat);
    }
}

void Cena::placa(V3 c, V3 ex, V3 ey, const std::vector<std::pair<double, double>>& pts, double esp, int mat) {
    size_t n = pts.size();
    if (n < 3) return;
    V3 ez = unit(cross(ex, ey)) * (esp / 2);
    V3 nz = unit(ez);
    std::vector<Vertice> v;
    std::vector<int> tri;
    // the two faces (fans from the first point: the outlines used are star-shaped about it)
    for (int lado = -1; lado <= 1; lado += 2) {
        int base = int(v.size());
        for (auto& q : pts) v.push_back({c + ex * q.first + ey * q.second + ez * lado, nz * lado, {q.first, q.second, double(lado)}});
        for (size_t i = 1; i + 1 < n; i++) {
            if (lado > 0) tri.insert(tri.end(), {base, base + int(i), base + int(i) + 1});
            else tri.insert(tri.end(), {base, base + int(i) + 1, base + int(i)});
        }
    }
    malha(v, tri, mat);
    // the rim, flat shaded; its pattern runs along the outline and along the thickness
    v.clear();
    tri.clear();
    V3 centro;
    for (auto& q : pts) centro = centro + ex * q.first + ey * q.second;
    centro = c + centro * (1.0 / double(n));
    double s = 0;
    for (size_t i = 0; i < n; i++) {
        auto& q0 = pts[i];
        auto& q1 = pts[(i + 1) % n];
        V3 p0 = c + ex * q0.first + ey * q0.second, p1 = c + ex * q1.first + ey * q1.second;
        double s1 = s + norma(p1 - p0);
        V3 fora = unit(cross(p1 - p0, nz));
        if (dot(fora, (p0 + p1) * 0.5 - centro) < 0) fora = -fora;
        int b = int(v.size());
        v.push_back({p0 - ez, fora, {-esp / 2, s, 0}});
        v.push_back({p1 - ez, fora, {-esp / 2, s1, 0}});
        v.push_back({p1 + ez, fora, {esp / 2, s1, 0}});
        v.push_back({p0 + ez, fora, {esp / 2, s, 0}});
        s = s1;
        V3 g = cross(v[size_t(b + 1)].p - v[size_t(b)].p, v[size_t(b + 2)].p - v[size_t(b)].p);
        if (dot(g, fora) >= 0) tri.insert(tri.end(), {b, b + 1, b + 2, b, b + 2, b + 3});
        else tri.insert(tri.end(), {b, b + 2, b + 1, b, b + 3, b + 2});
    }
    malha(v, tri, mat);
}

void Cena::pedregulho(V3 c, V3 ex, V3 ey, V3 ez, int mat, int semente) {
    // an icosahedron split once, each corner pushed in or out, shaded flat
    const double t = (1 + std::sqrt(5.0)) / 2;
    std::vector<V3> v = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0}, {0, -1, t}, {0, 1, t},
                         {0, -1, -t}, {0, 1, -t}, {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
    for (V3& p : v) p = unit(p);
    std::vector<int> f = {0, 11, 5, 0, 5, 1, 0, 1, 7, 0, 7, 10, 0, 10, 11, 1, 5, 9, 5, 11, 4, 11, 10, 2, 10, 7, 6, 7, 1, 8,
                          3, 9, 4, 3, 4, 2, 3, 2, 6, 3, 6, 8, 3, 8, 9, 4, 9, 5, 2, 4, 11, 6, 2, 10, 8, 6, 7, 9, 8, 1};
    std::vector<int> g;
    auto meio = [&](int a, int b) {
        V3 m = unit(v[size_t(a)] + v[size_t(b)]);
        for (size_t i = 12; i < v.size(); i++)
            if (norma(v[i] - m) < 1e-6) return int(i);
        v.push_back(m);
        return int(v.size()) - 1;
    };
    for (size_t i = 0; i < f.size(); i += 3) {
        int a = f[i], b = f[i + 1], d = f[i + 2];
        int ab = meio(a, b), bd = meio(b, d), da = meio(d, a);
        g.insert(g.end(), {a, ab, da, ab, b, bd, da, bd, d, ab, bd, da});
    }
    for (size_t i = 0; i < v.size(); i++) {
        double k = i < 12 ? 0.78 + 0.4 * sorteio(int(i), semente, 11) : 0.9 + 0.14 * sorteio(int(i), semente, 13);
        v[i] = v[i] * k;
    }
    std::vector<Vertice> w;
    std::vector<int> tri;
    for (size_t i = 0; i < g.size(); i += 3) {
        int id[3] = {g[i], g[i + 1], g[i + 2]};
        V3 p[3];
        for (int k = 0; k < 3; k++) { V3 u = v[size_t(id[k])]; p[k] = c + ex * u.x + ey * u.y + ez * u.z; }
        V3 n = unit(cross(p[1] - p[0], p[2] - p[0]));
        if (dot(n, (p[0] + p[1] + p[2]) * (1.0 / 3) - c) < 0) { n = -n; std::swap(p[1], p[2]); std::swap(id[1], id[2]); }
        int b0 = int(w.size());
        double r = (norma(ex) + norma(ey) + norma(ez)) / 3;
        for (int k = 0; k < 3; k++) w.push_back({p[k], n, v[size_t(id[k])] * r});
        tri.insert(tri.end(), {b0, b0 + 1, b0 + 2});
    }
    malha(w, tri, mat);
}

void Cena::brilho(V3 c, double r, Tinta cor, double forca) {
    livre(c, [=](cairo_t* cr, double sx, double sy) {
        cairo_pattern_t* pt = cairo_pattern_create_radial(sx, sy, 0, sx, sy, r);
        Tinta centro = cor.clara(0.75);
        cairo_pattern_add_color_stop_rgba(pt, 0, centro.r, centro.g, centro.b, std::min(1.0, forca));
        cairo_pattern_add_color_stop_rgba(pt, 0.4, cor.r, cor.g, cor.b, 0.95 * std::min(1.0, forca));
        cairo_pattern_add_color_stop_rgba(pt, 1, cor.r, cor.g, cor.b, 0);
        cairo_set_source(cr, pt);
        cairo_pattern_destroy(pt);
        elipse(cr, sx, sy, r, r);
        cairo_fill(cr);
    }, std::max(2.5, r * 0.7));
}

void Cena::livre(V3 c, std::function<void(cairo_t*, double, double)> f, double folga) { marcas_.push_back({c, folga, std::move(f)}); }

// ---- rendering ----

namespace {

struct Amostra {
    float z = -1e30f;
    float nx = 0, ny = 0, nz = 1;
    float tx = 0, ty = 0, tz = 0;
    int16_t mat = -1, parte = 0;
    uint8_t verso = 0;
};

const V3 LUZ = unit({-0.62, 0.62, 0.48});   // upper left, a little in front
const V3 CONTRALUZ = unit({0.8, 0.5, -0.3});  // upper right, from behind: the rim light
const V3 MEIO = unit(LUZ + V3{0, 0, 1});
const V3 PREENCHE = unit({0.7, 0.15, 0.7});

struct Buffer {
    int x0, y0, w, h;  // in samples, relative to the picture
    std::vector<Amostra> a;
    Amostra* at(int x, int y) { return &a[size_t(y) * size_t(w) + size_t(x)]; }
};

inline double suave(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void rasteriza(const Primitiva& p, Buffer& B, double ox, double oy, double corte) {
    // camera point of sample (i, j): x = (i + 0.5) / SS - ox, y = oy - (j + 0.5) / SS
    int i0 = std::max(0, int(std::floor((p.x0 + ox) * SS)) - B.x0 - 1), i1 = std::min(B.w - 1, int(std::ceil((p.x1 + ox) * SS)) - B.x0 + 1);
    int j0 = std::max(0, int(std::floor((oy - p.y1) * SS)) - B.y0 - 1), j1 = std::min(B.h - 1, int(std::ceil((oy - p.y0) * SS)) - B.y0 + 1);
    for (int j = j0; j <= j1; j++) {
        double py = oy - (B.y0 + j + 0.5) / SS;
        for (int i = i0; i <= i1; i++) {
            double px = (B.x0 + i + 0.5) / SS - ox;
            Amostra* s = B.at(i, j);
            double z;
            V3 n, t;
            bool verso = false;
            if (p.tipo == ELIPSOIDE) {
                V3 q{px - p.c.x, py - p.c.y, -p.c.z};
                V3 b{p.M[0] * q.x + p.M[1] * q.y + p.M[2] * q.z, p.M[3] * q.x + p.M[4] * q.y + p.M[5] * q.z,
                     p.M[6] * q.x + p.M[7] * q.y + p.M[8] * q.z};
                V3 a{p.M[2], p.M[5], p.M[8]};
                double A = dot(a, a), Bq = 2 * dot(a, b), C = dot(b, b) - 1;
                double d = Bq * Bq - 4 * A * C;
                if (d < 0) continue;
                z = (-Bq + std::sqrt(d)) / (2 * A);
                if (z <= s->z) continue;
                V3 l = b + a * z;
                n = unit({p.M[0] * l.x + p.M[3] * l.y + p.M[6] * l.z, p.M[1] * l.x + p.M[4] * l.y + p.M[7] * l.z,
                          p.M[2] * l.x + p.M[5] * l.y + p.M[8] * l.z});
                t = {l.x * p.escala.x, l.y * p.escala.y, l.z * p.escala.z};
            } else if (p.tipo == CONE) {
                double d1x = p.b.x - p.a.x, d1y = p.b.y - p.a.y, dr = p.rb - p.ra;
                double qx = px - p.a.x, qy = py - p.a.y;
                double A = d1x * d1x + d1y * d1y - dr * dr;
                double Bq = -2 * (qx * d1x + qy * d1y + p.ra * dr), C = qx * qx + qy * qy - p.ra * p.ra;
                double al = p.a.z, be = p.b.z - p.a.z;
                double melhor = -1e30, sm = 0;
                auto f = [&](double u) {
                    double g = A * u * u + Bq * u + C;
                    return g > 0 ? -1e30 : al + be * u + std::sqrt(-g);
                };
                if (A > 1e-9) {
                    double disc = Bq * Bq - 4 * A * C;
                    if (disc < 0) continue;
                    double r = std::sqrt(disc);
                    double lo = std::max(0.0, (-Bq - r) / (2 * A)), hi = std::min(1.0, (-Bq + r) / (2 * A));
                    if (lo > hi) continue;
                    double u = (-Bq + be * std::sqrt(disc / (A + be * be))) / (2 * A);
                    sm = std::clamp(u, lo, hi);
                    melhor = al + be * sm + std::sqrt(std::max(0.0, -(A * sm * sm + Bq * sm + C)));
                } else {
                    for (int k = 0; k <= 16; k++) {
                        double u = k / 16.0, v = f(u);
                        if (v > melhor) { melhor = v; sm = u; }
                    }
                    if (melhor < -1e29) continue;
                }
                z = melhor;
                if (z <= s->z) continue;
                V3 cc = p.a + (p.b - p.a) * sm;
                V3 h{px, py, z};
                n = unit(h - cc);
                V3 d = h - p.a;
                t = {dot(d, p.eixo), dot(d, p.e1), dot(d, p.e2)};
            } else {
                double ax = p.p[0].x, ay = p.p[0].y;
                double e1x = p.p[1].x - ax, e1y = p.p[1].y - ay, e2x = p.p[2].x - ax, e2y = p.p[2].y - ay;
                double area = e1x * e2y - e1y * e2x;
                if (std::fabs(area) < 1e-9) continue;
                double qx = px - ax, qy = py - ay;
                double w1 = (qx * e2y - qy * e2x) / area, w2 = (e1x * qy - e1y * qx) / area, w0 = 1 - w1 - w2;
                const double eps = -1e-6;
                if (w0 < eps || w1 < eps || w2 < eps) continue;
                z = w0 * p.p[0].z + w1 * p.p[1].z + w2 * p.p[2].z;
                if (z <= s->z) continue;
                n = unit(p.n[0] * w0 + p.n[1] * w1 + p.n[2] * w2);
                t = p.t[0] * w0 + p.t[1] * w1 + p.t[2] * w2;
                verso = !p.frente;
                if (verso) n = -n;
            }
            if (corte < 1e8 && py * COSSENO + z * SENO > corte) continue;  // the height of the point in the model
            s->z = float(z);
            s->nx = float(n.x); s->ny = float(n.y); s->nz = float(n.z);
            s->tx = float(t.x); s->ty = float(t.y); s->tz = float(t.z);
            s->mat = int16_t(p.mat);
            s->parte = int16_t(p.parte);
            s->verso = verso;
        }
    }
}

// The colour and the normal of a surface pattern at pattern point t (pixels).
void padrao(const Material& m, V3 t, V3& n, Tinta& cor) {
    if (m.textura == LISO) return;
    t = t * (1 / std::max(0.05, m.escala));
    auto mexe = [&](double k) {  // a bumpy surface: the normal wobbles with the pattern
        n = unit(n + V3{ruido(t.x * 0.7 + 31, t.y * 0.7, t.z * 0.7) - 0.5, ruido(t.x * 0.7, t.y * 0.7 + 57, t.z * 0.7) - 0.5, 0} * k);
    };
    switch (m.textura) {
    case PELE: cor = cor.escura(0.96 + 0.07 * fbm(t.x * 0.35, t.y * 0.35, t.z * 0.35, 2)); break;
    case TECIDO: {
        double k = 0.93 + 0.1 * ruido(t.x * 0.9, t.y * 0.9, t.z * 0.9);
        cor = cor.escura(k);
        break;
    }
    case COURO: {
        double k = 0.86 + 0.22 * fbm(t.x * 0.3, t.y * 0.3, t.z * 0.3, 3);
        if (ruido(t.x * 1.3, t.y * 1.3, t.z * 1.3) > 0.82) k *= 0.8;
        cor = cor.escura(k);
        break;
    }
    case METAL: {
        double k = 0.9 + 0.14 * ruido(t.x * 0.25, t.y * 0.25, t.z * 0.25);
        cor = cor.escura(k);
        break;
    }
    case OURO: cor = cor.escura(0.9 + 0.15 * ruido(t.x * 0.4, t.y * 0.4, t.z * 0.4)); break;
    case MADEIRA: {
        double g = fbm(t.x * 0.06, t.y * 0.5, t.z * 0.5, 2);
        double listra = 0.5 + 0.5 * std::sin(g * 28);
        cor = cor.escura(0.8 + 0.24 * listra);
        break;
    }
    case PEDRA: {
        double k = fbm(t.x * 0.16, t.y * 0.16, t.z * 0.16, 4);
        cor = cor.escura(0.72 + 0.46 * k);
        double racha = std::fabs(ruido(t.x * 0.11 + 9, t.y * 0.11, t.z * 0.11) - 0.5);
        if (racha < 0.025) cor = cor.escura(0.55 + racha * 10);
        double musgo = fbm(t.x * 0.09 + 40, t.y * 0.09, t.z * 0.09, 2);
        if (musgo > 0.64 && n.y > 0.1) cor = cor.mistura(rgb(86, 120, 54), std::min(0.7, (musgo - 0.64) * 6));
        mexe(0.5);
        break;
    }
    case CASCA: {
        double sulco = std::sin(t.y * 0.8 + 3 * fbm(t.x * 0.08, t.y * 0.2, t.z * 0.2, 2)) + std::sin(t.z * 0.8 + 2 * ruido(t.x * 0.1, t.z * 0.2, 3));
        cor = cor.escura(0.72 + 0.18 * (sulco + 2) / 2 + 0.12 * ruido(t.x * 0.5, t.y * 0.5, t.z * 0.5));
        mexe(0.35);
        break;
    }
    case FOLHAS: {
        double k = fbm(t.x * 0.28, t.y * 0.28, t.z * 0.28, 3);
        cor = cor.escura(0.66 + 0.6 * k);
        if (ruido(t.x * 0.9, t.y * 0.9, t.z * 0.9) > 0.78) cor = cor.clara(0.18);
        mexe(0.9);
        break;
    }
    case CABELO: {
        double fio = std::sin((t.x + t.y) * 1.5 + 2.5 * ruido(t.x * 0.15, t.y * 0.15, t.z * 0.15));
        cor = cor.escura(0.86 + 0.14 * fio + 0.06 * ruido(t.x * 0.6, t.y * 0.6, t.z * 0.6));
        break;
    }
    case PELO: {
        double k = ruido(t.x * 0.8, t.y * 0.8, t.z * 0.25);
        cor = cor.escura(0.8 + 0.32 * k);
        mexe(0.45);
        break;
    }
    case ESCAMAS: {
        double u = t.x * 0.42, v = t.z * 0.42 + t.y * 0.42;
        double fu = u - std::floor(u), fv = v + 0.5 * std::floor(u);
        fv -= std::floor(fv);
        double borda = std::min({fu, 1 - fu, fv, 1 - fv});
        cor = cor.escura(borda < 0.12 ? 0.82 : 1.0).escura(0.95 + 0.08 * ruido(t.x * 0.3, t.y * 0.3, t.z * 0.3));
        break;
    }
    case OSSO: cor = cor.escura(0.9 + 0.12 * fbm(t.x * 0.35, t.y * 0.35, t.z * 0.35, 2)); break;
    case TELHAS: {  // rows of overlapping tiles: t.x across, t.y down the slope
        double fila = std::floor(t.y / 5);
        double u = t.x / 6 + 0.5 * fila, fu = u - std::floor(u), fv = t.y / 5 - fila;
        double k = 0.8 + 0.28 * fv - (fu < 0.08 ? 0.18 : 0) + 0.12 * (sorteio(int(std::floor(u)), int(fila), 3) - 0.5);
        cor = cor.escura(k);
        break;
    }
    case BLOCOS: {  // stone blocks with mortar: t.x along the wall, t.y up
        double fila = std::floor(t.y / 6);
        double u = t.x / 10 + 0.5 * fila, fu = u - std::floor(u), fv = t.y / 6 - fila;
        double tom = 0.84 + 0.22 * sorteio(int(std::floor(u)), int(fila), 7) + 0.1 * ruido(t.x * 0.4, t.y * 0.4, 1);
        if (fu < 0.06 || fv < 0.12) tom *= 0.62;
        cor = cor.escura(tom);
        break;
    }
    case TABUAS: {  // planks: t.x across, t.y along the grain
        double u = t.x / 5, fu = u - std::floor(u);
        double tom = 0.82 + 0.2 * sorteio(int(std::floor(u)), 0, 9) + 0.12 * std::sin(fbm(t.x * 0.3, t.y * 0.05, 2, 2) * 22);
        if (fu < 0.12) tom *= 0.6;
        cor = cor.escura(tom);
        break;
    }
    case PALHA: {
        double fio = std::sin(t.x * 2.1 + 3 * ruido(t.x * 0.2, t.y * 0.2, 4));
        double fila = t.y / 5 - std::floor(t.y / 5);
        cor = cor.escura(0.8 + 0.14 * fio + 0.14 * fila);
        break;
    }
    case REBOCO: cor = cor.escura(0.9 + 0.12 * fbm(t.x * 0.2, t.y * 0.2, t.z * 0.2, 3)); break;
    case TERRA: {
        double k = fbm(t.x * 0.25, t.y * 0.25, t.z * 0.25, 3);
        cor = cor.escura(0.78 + 0.35 * k);
        break;
    }
    case REDEMOINHO: {  // arms of light winding into the centre
        double r = std::sqrt(t.x * t.x + t.y * t.y), a = std::atan2(t.y, t.x);
        double bracos = 0.5 + 0.5 * std::sin(3 * a + r * 0.55 - m.fase + 1.5 * ruido(t.x * 0.15, t.y * 0.15, m.fase));
        double centro = std::exp(-r * 0.09);
        cor = cor.escura(0.3 + 0.7 * bracos).clara(0.85 * centro + 0.3 * bracos * bracos * bracos);
        break;
    }
    default: break;
    }
}

// Lit colour of one sample.
Tinta sombreia(const Material& m, const Amostra& s, double oclusao) {
    V3 n{s.nx, s.ny, s.nz};
    Tinta base = m.cor;
    if (s.verso) base = m.verso.r >= 0 ? m.verso : m.cor.escura(0.62);
    padrao(m, {s.tx, s.ty, s.tz}, n, base);
    if (m.emite) {
        return base.clara(std::max(0.0, n.z) * 0.15);
    }
    double ndl = dot(n, LUZ);
    double dif = std::clamp((ndl + 0.3) / 1.3, 0.0, 1.0);
    dif = std::min(1.0, dif + 0.3 * std::max(0.0, dot(n, PREENCHE)));  // a weak fill from the right front
    dif = 0.55 * dif + 0.45 * suave(0.25, 0.75, dif);  // a hint of painted bands
    Tinta escuro = base.escura(0.34).mistura(rgb(44, 30, 78), 0.24);
    Tinta claro = Tinta{base.r * 1.2, base.g * 1.17, base.b * 1.1}.mistura(rgb(255, 244, 214), 0.1);
    Tinta c = escuro.mistura(claro, dif);
    // light bounced from the sky above and the ground below
    c = c.mistura(c.clara(0.12), std::max(0.0, n.y) * 0.25);
    double sp = std::pow(std::max(0.0, dot(n, MEIO)), m.dureza) * m.brilho;
    double fr = std::pow(1 - std::clamp(n.z, 0.0, 1.0), 2.2);
    double aro = fr * std::max(0.0, dot(n, CONTRALUZ) + 0.1) * 0.9;
    Tinta corluz = base.clara(0.55).mistura(rgb(220, 232, 255), 0.4);
    c = {c.r + sp + corluz.r * aro, c.g + sp * 0.97 + corluz.g * aro, c.b + sp * 0.9 + corluz.b * aro};
    c = c.escura(oclusao);
    return c;
}

}  // namespace

void Cena::desenha(cairo_t* cr) {
    cairo_surface_t* alvo = cairo_get_target(cr);
    cairo_surface_flush(alvo);
    int W = cairo_image_surface_get_width(alvo), H = cairo_image_surface_get_height(alvo);
    if (prims_->empty() || W <= 0 || H <= 0) return;
    // the samples cover the parts' box, with a margin for the marks
    double bx0 = 1e9, by0 = 1e9, bx1 = -1e9, by1 = -1e9;
    for (const Primitiva& p : *prims_) {
        bx0 = std::min(bx0, p.x0 + ox); bx1 = std::max(bx1, p.x1 + ox);
        by0 = std::min(by0, oy - p.y1); by1 = std::max(by1, oy - p.y0);
    }
    int px0 = std::max(0, int(std::floor(bx0)) - 2), px1 = std::min(W, int(std::ceil(bx1)) + 2);
    int py0 = std::max(0, int(std::floor(by0)) - 2), py1 = std::min(H, int(std::ceil(by1)) + 2);
    if (px0 >= px1 || py0 >= py1) return;
    Buffer B{px0 * SS, py0 * SS, (px1 - px0) * SS, (py1 - py0) * SS, {}};
    B.a.resize(size_t(B.w) * size_t(B.h));
    for (const Primitiva& p : *prims_) rasteriza(p, B, ox, oy, corte < 1e8 ? corte * escala : corte);

    // picture-pixel depth (nearest sample) for the occlusion and the marks
    int pw = px1 - px0, ph = py1 - py0;
    std::vector<float> zp(size_t(pw) * size_t(ph), -1e30f);
    for (int y = 0; y < ph; y++)
        for (int x = 0; x < pw; x++) {
            float z = -1e30f;
            for (int j = 0; j < SS; j++)
                for (int i = 0; i < SS; i++) z = std::max(z, B.at(x * SS + i, y * SS + j)->z);
            zp[size_t(y) * size_t(pw) + size_t(x)] = z;
        }
    auto zem = [&](int x, int y) { return x < 0 || y < 0 || x >= pw || y >= ph ? -1e30f : zp[size_t(y) * size_t(pw) + size_t(x)]; };
    // ambient occlusion: nearer surfaces around a pixel shade it
    std::vector<float> ao(zp.size(), 1.0f);
    static const int DIRS[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (int y = 0; y < ph; y++)
        for (int x = 0; x < pw; x++) {
            float z = zem(x, y);
            if (z < -1e29f) continue;
            double occ = 0;
            for (int r : {2, 4})
                for (auto& d : DIRS) {
                    float zn = zem(x + d[0] * r, y + d[1] * r);
                    if (zn < -1e29f) continue;
                    occ += std::clamp((zn - z - 0.8) / (2.5 * r), 0.0, 1.0);
                }
            ao[size_t(y) * size_t(pw) + size_t(x)] = float(1 - 0.5 * occ / 16);
        }

    // shading, lines where a part passes in front of another, then down to picture pixels
    std::vector<float> rgbA(size_t(pw) * size_t(ph) * 4, 0.0f);
    for (int y = 0; y < ph; y++)
        for (int x = 0; x < pw; x++) {
            double sr = 0, sg = 0, sb = 0, fr = 0, fg = 0, fb = 0;
            int n = 0, nf = 0;
            for (int j = 0; j < SS; j++)
                for (int i = 0; i < SS; i++) {
                    int si = x * SS + i, sj = y * SS + j;
                    const Amostra* s = B.at(si, sj);
                    if (s->mat < 0) continue;
                    const Material& m = mats_[size_t(s->mat)];
                    Tinta c = sombreia(m, *s, ao[size_t(y) * size_t(pw) + size_t(x)]);
                    double linha = 0;
                    static const int V[4][2] = {{SS, 0}, {-SS, 0}, {0, SS}, {0, -SS}};
                    for (auto& d : V) {
                        int ni = si + d[0], nj = sj + d[1];
                        if (ni < 0 || nj < 0 || ni >= B.w || nj >= B.h) continue;
                        const Amostra* q = B.at(ni, nj);
                        if (q->mat < 0) continue;
                        double salto = q->z - s->z;
                        if (q->parte != s->parte && salto > 2.2) linha = std::max(linha, mats_[size_t(q->mat)].linha);
                        else if (salto > 6) linha = std::max(linha, 0.5 * mats_[size_t(q->mat)].linha);
                    }
                    if (linha > 0) c = c.escura(1 - 0.5 * linha).mistura(rgb(30, 18, 30), 0.15 * linha);
                    sr += c.r; sg += c.g; sb += c.b; n++;
                    if (m.forte) { fr += c.r; fg += c.g; fb += c.b; nf++; }
                }
            if (n == 0) continue;
            float* o = &rgbA[(size_t(y) * size_t(pw) + size_t(x)) * 4];
            if (nf >= 2) { o[0] = float(fr / nf); o[1] = float(fg / nf); o[2] = float(fb / nf); }
            else { o[0] = float(sr / n); o[1] = float(sg / n); o[2] = float(sb / n); }
            o[3] = float(n) / (SS * SS);
        }

    unsigned char* dados = cairo_image_surface_get_data(alvo);
    int passo = cairo_image_surface_get_stride(alvo);
    for (int y = 0; y < ph; y++) {
        uint32_t* linha = reinterpret_cast<uint32_t*>(dados + size_t(py0 + y) * size_t(passo)) + px0;
        for (int x = 0; x < pw; x++) {
            const float* o = &rgbA[(size_t(y) * size_t(pw) + size_t(x)) * 4];
            double a = o[3];
            if (a <= 0) continue;
            uint32_t d = linha[x];
            double da = (d >> 24) / 255.0, dr = ((d >> 16) & 255) / 255.0, dg = ((d >> 8) & 255) / 255.0, db = (d & 255) / 255.0;
            double ra = a + da * (1 - a);
            double rr = std::clamp(double(o[0]), 0.0, 1.0) * a + dr * (1 - a);
            double rg = std::clamp(double(o[1]), 0.0, 1.0) * a + dg * (1 - a);
            double rb = std::clamp(double(o[2]), 0.0, 1.0) * a + db * (1 - a);
            linha[x] = uint32_t(std::lround(ra * 255)) << 24 | uint32_t(std::lround(rr * 255)) << 16 |
                       uint32_t(std::lround(rg * 255)) << 8 | uint32_t(std::lround(rb * 255));
        }
    }
    cairo_surface_mark_dirty(alvo);

    // the marks, where nothing nearer hides their point
    for (const Marca& mk : marcas_) {
        V3 q = gira(mk.c);
        double sx = ox + q.x, sy = oy - q.y;
        float z = zem(int(std::floor(sx)) - px0, int(std::floor(sy)) - py0);
        if (z > q.z + mk.folga) continue;
        cairo_save(cr);
        mk.f(cr, sx, sy);
        cairo_restore(cr);
    }
}

void contorna(Picture& p, double forca) {
    Picture src = p;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            if (!src.iswhite(x, y)) continue;
            // the opaque neighbours and on which side of them this pixel lies
            double r = 0, g = 0, b = 0;
            int n = 0;
            bool sombra = false;
            static const int D[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (auto& d : D) {
                int nx = x + d[0], ny = y + d[1];
                if (nx < 0 || ny < 0 || nx >= p.w || ny >= p.h || src.iswhite(nx, ny)) continue;
                const uint8_t* c = src.at(nx, ny);
                r += c[0]; g += c[1]; b += c[2]; n++;
                if (d[0] < 0 || d[1] < 0) sombra = true;  // the figure lies to the left or above: a lower or right edge
            }
            if (n == 0) continue;
            double k = (sombra ? 0.2 : 0.42) / forca;
            Tinta t{r / n / 255 * k, g / n / 255 * k, b / n / 255 * k};
            t = t.mistura(rgb(26, 14, 30), sombra ? 0.45 : 0.25);
            p.set(x, y, uint8_t(std::clamp(t.r * 255, 0.0, 254.0)), uint8_t(std::clamp(t.g * 255, 0.0, 254.0)),
                  uint8_t(std::clamp(t.b * 255, 0.0, 254.0)));
        }
    // the shadow side gets a second, softer pixel of weight where the edge runs diagonally
    Picture com = p;
    for (int y = 1; y < p.h; y++)
        for (int x = 1; x < p.w; x++) {
            if (!com.iswhite(x, y)) continue;
            if (com.iswhite(x - 1, y) && com.iswhite(x, y - 1) && !src.iswhite(x - 1, y - 1)) {
                const uint8_t* c = src.at(x - 1, y - 1);
                p.set(x, y, uint8_t(c[0] * 0.22 + 8), uint8_t(c[1] * 0.2 + 4), uint8_t(c[2] * 0.22 + 10));
            }
        }
}

}  // namespace boneco
