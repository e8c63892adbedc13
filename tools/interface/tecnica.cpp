// The painter's techniques of the slides: light, shadow, grain, haze, clouds, ridges, water, leaves, ink.
#include "interface/tecnica.h"

#include <algorithm>
#include <cmath>

static int largura(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
static int altura(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

// One box pass along rows (or columns) of premultiplied ARGB, half-width k.
static void caixa(uint32_t* px, int n, int passo, int k, std::vector<uint32_t>& tmp) {
    tmp.resize(n);
    for (int i = 0; i < n; i++) tmp[i] = px[size_t(i) * passo];
    int soma[4] = {0, 0, 0, 0};
    auto canal = [](uint32_t v, int c) { return int((v >> (8 * c)) & 255); };
    for (int i = -k; i <= k; i++) {
        uint32_t v = tmp[std::clamp(i, 0, n - 1)];
        for (int c = 0; c < 4; c++) soma[c] += canal(v, c);
    }
    int larg = 2 * k + 1;
    for (int i = 0; i < n; i++) {
        uint32_t out = 0;
        for (int c = 0; c < 4; c++) out |= uint32_t(soma[c] / larg) << (8 * c);
        px[size_t(i) * passo] = out;
        uint32_t sai = tmp[std::clamp(i - k, 0, n - 1)], entra = tmp[std::clamp(i + k + 1, 0, n - 1)];
        for (int c = 0; c < 4; c++) soma[c] += canal(entra, c) - canal(sai, c);
    }
}

void desfoca(cairo_surface_t* s, double raio) {
    int k = std::max(1, int(std::lround(raio * 0.8)));
    cairo_surface_flush(s);
    unsigned char* dados = cairo_image_surface_get_data(s);
    int w = largura(s), h = altura(s), stride = cairo_image_surface_get_stride(s) / 4;
    uint32_t* px = reinterpret_cast<uint32_t*>(dados);
    std::vector<uint32_t> tmp;
    for (int passe = 0; passe < 3; passe++) {
        for (int y = 0; y < h; y++) caixa(px + size_t(y) * stride, w, 1, k, tmp);
        for (int x = 0; x < w; x++) caixa(px + x, h, stride, k, tmp);
    }
    cairo_surface_mark_dirty(s);
}

void camada(cairo_t* cr, double raio, double alfa, const std::function<void(cairo_t*)>& desenho) {
    cairo_surface_t* alvo = cairo_get_target(cr);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, largura(alvo), altura(alvo));
    cairo_t* c = cairo_create(s);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_set_matrix(c, &m);
    desenho(c);
    cairo_destroy(c);
    if (raio > 0) desfoca(s, raio);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint_with_alpha(cr, alfa);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void sombra(cairo_t* cr, double dx, double dy, double raio, double alfa, Tom c) {
    cairo_path_t* p = cairo_copy_path(cr);
    cairo_fill_rule_t regra = cairo_get_fill_rule(cr);
    camada(cr, raio, alfa, [&](cairo_t* k) {
        cairo_set_fill_rule(k, regra);
        cairo_translate(k, dx, dy);
        cairo_append_path(k, p);
        cor(k, c);
        cairo_fill(k);
    });
    cairo_new_path(cr);
    cairo_append_path(cr, p);
    cairo_path_destroy(p);
}

void volume(cairo_t* cr, Tom base, double luz, double escuridao, double angulo) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, dx = std::cos(angulo), dy = std::sin(angulo);
    double d = std::abs(dx) * (x1 - x0) / 2 + std::abs(dy) * (y1 - y0) / 2 + 0.5;
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - dx * d, cy - dy * d, cx + dx * d, cy + dy * d);
    paradasdeluz(g, claro(base, luz), 0.45, base, escuro(base, escuridao));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void bojo(cairo_t* cr, Tom base, double luz, double escuridao) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    double w = std::max(x1 - x0, 1.0), h = std::max(y1 - y0, 1.0);
    cairo_pattern_t* g = cairo_pattern_create_radial(x0 + w * 0.32, y0 + h * 0.28, 0, x0 + w * 0.45, y0 + h * 0.45,
                                                     std::max(w, h) * 0.72);
    paradasdeluz(g, claro(base, luz), 0.5, base, escuro(base, escuridao));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void aro(cairo_t* cr, Tom c, double larg, double alfa) {
    cairo_path_t* p = cairo_copy_path(cr);
    cairo_push_group(cr);
    cor(cr, c);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_save(cr);
    cairo_translate(cr, larg, larg);
    cairo_append_path(cr, p);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alfa);
    cairo_new_path(cr);
    cairo_append_path(cr, p);
    cairo_path_destroy(p);
}

// Smooth value noise on a lattice, in [-1, 1].
static double ruido(uint64_t semente, double x, double y) {
    auto canto = [&](int64_t i, int64_t j) {
        Rng r(semente ^ (uint64_t(i) * 0x9E3779B1ull) ^ (uint64_t(j) * 0x85EBCA77C2B2AE63ull));
        return r.uniform() * 2 - 1;
    };
    double fx = std::floor(x), fy = std::floor(y);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    int64_t i = int64_t(fx), j = int64_t(fy);
    double a = canto(i, j), b = canto(i + 1, j), c = canto(i, j + 1), d = canto(i + 1, j + 1);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

void grao(cairo_t* cr, uint64_t semente, double forca) {
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    unsigned char* dados = cairo_image_surface_get_data(s);
    int w = largura(s), h = altura(s), stride = cairo_image_surface_get_stride(s);
    Rng rng(semente);
    for (int y = 0; y < h; y++) {
        uint32_t* linha = reinterpret_cast<uint32_t*>(dados + size_t(y) * stride);
        for (int x = 0; x < w; x++) {
            double n = (rng.uniform() * 2 - 1) * 0.55 + ruido(semente, x / 7.0, y / 2.0) * 0.3 +
                       ruido(semente + 1, x / 31.0, y / 23.0) * 0.35;
            double f = 1 + n * forca;
            uint32_t v = linha[x];
            int a = int(v >> 24);
            auto ch = [&](int sh) { return uint32_t(std::clamp(int(((v >> sh) & 255) * f + 0.5), 0, a)) << sh; };
            linha[x] = (uint32_t(a) << 24) | ch(16) | ch(8) | ch(0);
        }
    }
    cairo_surface_mark_dirty(s);
}

void vinheta(cairo_t* cr, double w, double h, double alfa) {
    double r = std::hypot(w, h) / 2;
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, r * 0.45, w / 2, h / 2, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.05, 0.04, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.05, 0.04, alfa);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void nevoa(cairo_t* cr, double w, double y0, double y1, double y2, Tom c, double alfa) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y2);
    double t = (y1 - y0) / std::max(y2 - y0, 1.0);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0);
    cairo_pattern_add_color_stop_rgba(g, t, c.r, c.g, c.b, alfa);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, y0, w, y2 - y0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void sol(cairo_t* cr, double x, double y, double r, Tom c, double halo) {
    brilho(cr, x, y, r * 5.5, c, halo * 0.45);
    brilho(cr, x, y, r * 2.2, claro(c, 0.3), halo);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.2, y - r * 0.2, 0, x, y, r);
    Tom n = claro(c, 0.75), b = mistura(c, escuro(c, 0.2), 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, n.r, n.g, n.b);
    cairo_pattern_add_color_stop_rgb(g, 0.6, claro(c, 0.35).r, claro(c, 0.35).g, claro(c, 0.35).b);
    cairo_pattern_add_color_stop_rgb(g, 0.95, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgba(g, 1, b.r, b.g, b.b, 0.6);
    cairo_set_source(cr, g);
    elipse(cr, x, y, r, r);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void lua(cairo_t* cr, double x, double y, double r, Tom c, double halo) {
    sol(cr, x, y, r, c, halo);
    // the seas of the moon: soft grey-blue patches, and a shaded limb away from the light
    cairo_save(cr);
    elipse(cr, x, y, r, r);
    cairo_clip(cr);
    const double mares[][3] = {{-0.3, -0.25, 0.32}, {0.2, -0.35, 0.22}, {0.25, 0.1, 0.3}, {-0.15, 0.35, 0.2}, {-0.45, 0.15, 0.14}};
    for (const auto& m : mares) brilho(cr, x + m[0] * r, y + m[1] * r, m[2] * r, escuro(mistura(c, hex(0x8890a8), 0.6), 0.1), 0.45);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.6, x - r * 0.2, y - r * 0.2, r * 1.3);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.2, 0.2, 0.3, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.2, 0.2, 0.3, 0.45);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void nuvem(cairo_t* cr, Rng& rng, double cx, double cy, double larg, double alt, Tom luz, Tom somb, double alfa,
           double lado) {
    struct Bola {
        double x, y, r;
    };
    std::vector<Bola> bolas;
    int n = std::max(8, int(larg / alt * 9));
    for (int i = 0; i < n; i++) {
        // bigger puffs heaped in the middle, small ones trailing off at the ends
        double u = rng.uniform(), e = std::sqrt(std::max(0.0, 1 - (2 * u - 1) * (2 * u - 1)));
        double r = alt * (0.12 + 0.42 * e * e) * rng.range(0.6, 1.25);
        bolas.push_back({cx + (u - 0.5) * larg, cy - alt * 0.55 * e * rng.range(0.1, 1.0) + r * 0.3, r});
    }
    std::sort(bolas.begin(), bolas.end(), [](const Bola& a, const Bola& b) { return a.y < b.y; });
    camada(cr, 1.3, alfa, [&](cairo_t* k) {
        cairo_save(k);
        cairo_new_path(k);
        cairo_rectangle(k, cx - larg, cy - alt * 2, larg * 2, alt * 2.3);
        cairo_clip(k);
        // the whole mass in shade, then, inside it only, the light from above and on each puff
        for (const Bola& b : bolas) {
            elipse(k, b.x, b.y, b.r, b.r * 0.9);
            cor(k, somb);
            cairo_fill(k);
        }
        cairo_set_operator(k, CAIRO_OPERATOR_ATOP);
        cairo_pattern_t* v = cairo_pattern_create_linear(0, cy - alt, 0, cy + alt * 0.3);
        Tom m = mistura(luz, somb, 0.5);
        paradasdeluz(v, luz, 0.55, m, somb);
        cairo_set_source(k, v);
        cairo_paint(k);
        cairo_pattern_destroy(v);
        for (const Bola& b : bolas) {
            double lx = b.x + lado * b.r * 0.35, ly = b.y - b.r * (lado == 0 ? 0.5 : 0.35);
            cairo_pattern_t* g = cairo_pattern_create_radial(lx, ly, 0, b.x, b.y, b.r);
            cairo_pattern_add_color_stop_rgba(g, 0, luz.r, luz.g, luz.b, 0.75);
            cairo_pattern_add_color_stop_rgba(g, 0.8, luz.r, luz.g, luz.b, 0.1);
            cairo_pattern_add_color_stop_rgba(g, 1, somb.r, somb.g, somb.b, 0.25);
            cairo_set_source(k, g);
            elipse(k, b.x, b.y, b.r, b.r * 0.9);
            cairo_fill(k);
            cairo_pattern_destroy(g);
        }
        cairo_restore(k);
    });
}

void serra(cairo_t* cr, Rng& rng, double w, double h, double y, double amp, Tom c, Tom borda, double aspereza) {
    uint64_t semente = rng.next();
    const double passo = 2;
    int n = int(w / passo) + 2;
    std::vector<double> topo(n);
    for (int i = 0; i < n; i++) {
        double x = i * passo, v = 0, a = 1, f = 1 / 90.0, soma = 0;
        for (int o = 0; o < 5; o++) {
            v += ruido(semente + o, x * f, o * 7.3) * a;
            soma += a;
            a *= aspereza;
            f *= 2.1;
        }
        topo[i] = y - amp * v / soma * 1.6;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    for (int i = 0; i < n; i++) cairo_line_to(cr, i * passo, topo[i]);
    cairo_line_to(cr, (n - 1) * passo, h);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - amp, 0, h);
    Tom e = escuro(c, 0.3), m = mistura(c, borda, 0.5);
    paradasdeluz(g, m, 0.3, c, e);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    relevo(cr, rng, topo, passo, h, amp, c, borda);
}

void relevo(cairo_t* cr, Rng& rng, const std::vector<double>& topo, double passo, double h, double amp, Tom c, Tom borda) {
    int n = int(topo.size());
    double alto = *std::min_element(topo.begin(), topo.end());
    // the slopes: lit where the ground rises to the right (it faces the light), shaded where it falls
    cairo_save(cr);
    cairo_clip(cr);
    double fundo = std::max(amp * 1.2, 12.0);
    camada(cr, 3, 1, [&](cairo_t* k) {
        for (int i = 1; i + 1 < n; i++) {
            double inclina = (topo[i - 1] - topo[i + 1]) / (2 * passo);  // > 0: rising to the right
            double forca = std::clamp(inclina * 1.4, -0.4, 0.4);
            if (std::abs(forca) < 0.03) continue;
            Tom t = forca > 0 ? borda : escuro(c, 0.6);
            cairo_pattern_t* f = cairo_pattern_create_linear(0, topo[i], 0, topo[i] + fundo);
            cairo_pattern_add_color_stop_rgba(f, 0, t.r, t.g, t.b, std::abs(forca));
            cairo_pattern_add_color_stop_rgba(f, 1, t.r, t.g, t.b, 0);
            cairo_set_source(k, f);
            cairo_new_path(k);
            cairo_rectangle(k, i * passo - 1, topo[i] - 1, passo + 0.2, fundo + 1);
            cairo_fill(k);
            cairo_pattern_destroy(f);
        }
    });
    double w = (n - 1) * passo;
    pinceladas(cr, rng, 0, alto, w, h - alto, c, int(w * (h - alto) / 90), 0.18);
    cairo_restore(cr);
    // a thin rim of light along the crest
    cairo_new_path(cr);
    for (int i = 0; i < n; i++) cairo_line_to(cr, i * passo, topo[i] + 0.6);
    traco(cr, borda, 1.1, 0.55);
    cairo_new_path(cr);
}

void agua(cairo_t* cr, Rng& rng, double w, double y0, double y1, Tom perto, Tom longe, Tom luz, double xbrilho) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, longe.r, longe.g, longe.b);
    cairo_pattern_add_color_stop_rgb(g, 1, perto.r, perto.g, perto.b);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    int n = int(w * (y1 - y0) / 45);
    for (int i = 0; i < n; i++) {
        double t = std::pow(rng.uniform(), 0.8), y = y0 + t * (y1 - y0), x = rng.uniform() * w;
        double len = 4 + t * 22 * rng.range(0.5, 1.2), lw = 0.5 + t * 1.6;
        Tom base = mistura(longe, perto, t);
        bool claro_ = rng.uniform() < 0.5;
        cor(cr, claro_ ? claro(base, 0.35) : escuro(base, 0.3), 0.35 + 0.2 * t);
        cairo_set_line_width(cr, lw);
        cairo_new_path(cr);
        cairo_move_to(cr, x - len / 2, y);
        cairo_curve_to(cr, x - len / 4, y - lw * 0.8, x + len / 4, y - lw * 0.8, x + len / 2, y);
        cairo_stroke(cr);
    }
    if (xbrilho < 0) return;
    for (int i = 0; i < n / 2; i++) {
        double t = rng.uniform(), y = y0 + t * (y1 - y0);
        double espalha = (8 + t * 60) * (rng.uniform() + rng.uniform() - 1);
        double len = 3 + t * 18 * rng.uniform(), lw = 0.6 + t * 1.4;
        double x = xbrilho + espalha;
        cor(cr, luz, (0.9 - std::abs(espalha) / (10 + t * 70)) * rng.range(0.4, 1));
        cairo_set_line_width(cr, lw);
        cairo_new_path(cr);
        cairo_move_to(cr, x - len / 2, y);
        cairo_line_to(cr, x + len / 2, y);
        cairo_stroke(cr);
    }
}

void folhagem(cairo_t* cr, Rng& rng, double cx, double cy, double rx, double ry, Tom c, int quantas, double tam) {
    // the clump's shadowed mass, then the leaves from the darkest to the most lit
    elipse(cr, cx + rx * 0.05, cy + ry * 0.08, rx * 0.9, ry * 0.85);
    cor(cr, escuro(c, 0.45), 0.9);
    cairo_fill(cr);
    struct Folha {
        double x, y, a, r, l;
    };
    std::vector<Folha> fs;
    for (int i = 0; i < quantas; i++) {
        double ang = rng.uniform() * 2 * M_PI, d = std::sqrt(rng.uniform());
        double dx = std::cos(ang) * d, dy = std::sin(ang) * d;
        double l = -(dx * 0.55 + dy * 0.85) + rng.range(-0.35, 0.35);
        fs.push_back({cx + dx * rx, cy + dy * ry, rng.range(0, M_PI), tam * rng.range(1.6, 3.4), l});
    }
    std::sort(fs.begin(), fs.end(), [](const Folha& a, const Folha& b) { return a.l < b.l; });
    for (const Folha& f : fs) {
        Tom t = f.l > 0 ? claro(c, std::min(0.55, f.l * 0.5)) : escuro(c, std::min(0.6, -f.l * 0.5));
        cairo_save(cr);
        cairo_translate(cr, f.x, f.y);
        cairo_rotate(cr, f.a);
        elipse(cr, 0, 0, f.r, f.r * 0.6);
        cairo_restore(cr);
        cor(cr, t, 0.92);
        cairo_fill(cr);
    }
}

// A point of the smooth line through the stroke's points (Catmull-Rom), t in [0, n-1].
static PontoPincel amostra(const std::vector<PontoPincel>& p, double t) {
    int n = int(p.size());
    int i = std::clamp(int(std::floor(t)), 0, n - 2);
    double u = t - i;
    const PontoPincel& p0 = p[std::max(i - 1, 0)];
    const PontoPincel& p1 = p[i];
    const PontoPincel& p2 = p[i + 1];
    const PontoPincel& p3 = p[std::min(i + 2, n - 1)];
    auto cr = [u](double a, double b, double c, double d) {
        return 0.5 * ((2 * b) + (-a + c) * u + (2 * a - 5 * b + 4 * c - d) * u * u + (-a + 3 * b - 3 * c + d) * u * u * u);
    };
    return {cr(p0.x, p1.x, p2.x, p3.x), cr(p0.y, p1.y, p2.y, p3.y), p1.larg + (p2.larg - p1.larg) * u};
}

void pincelada(cairo_t* cr, const std::vector<PontoPincel>& pontos, Tom tinta, Rng& rng, double seco, bool poca) {
    if (pontos.size() < 2) return;
    const int porseg = 14;
    int n = int(pontos.size() - 1) * porseg;
    std::vector<PontoPincel> linha;
    for (int i = 0; i <= n; i++) linha.push_back(amostra(pontos, double(i) / porseg));
    int corte = seco > 0 ? int(n * (1 - seco)) : n;
    auto normal = [&](int i, double& nx, double& ny) {
        int a = std::max(i - 1, 0), b = std::min(i + 1, n);
        double dx = linha[b].x - linha[a].x, dy = linha[b].y - linha[a].y, d = std::hypot(dx, dy) + 1e-9;
        nx = -dy / d;
        ny = dx / d;
    };
    auto corpo = [&](cairo_t* k, int ate) {
        cairo_new_path(k);
        for (int i = 0; i <= ate; i++) {
            double nx, ny;
            normal(i, nx, ny);
            cairo_line_to(k, linha[i].x + nx * linha[i].larg / 2, linha[i].y + ny * linha[i].larg / 2);
        }
        for (int i = ate; i >= 0; i--) {
            double nx, ny;
            normal(i, nx, ny);
            cairo_line_to(k, linha[i].x - nx * linha[i].larg / 2, linha[i].y - ny * linha[i].larg / 2);
        }
        cairo_close_path(k);
        cairo_fill(k);
        // the brush touches down slanting to the lower right and, where it stops, presses once more
        if (!poca) return;
        cairo_save(k);
        cairo_translate(k, linha[0].x - linha[0].larg * 0.12, linha[0].y - linha[0].larg * 0.12);
        cairo_rotate(k, M_PI / 4);
        elipse(k, 0, 0, linha[0].larg * 0.72, linha[0].larg * 0.48);
        cairo_restore(k);
        cairo_fill(k);
        if (ate == n) {
            cairo_save(k);
            cairo_translate(k, linha[n].x + linha[n].larg * 0.08, linha[n].y + linha[n].larg * 0.1);
            cairo_rotate(k, M_PI / 4);
            elipse(k, 0, 0, linha[n].larg * 0.62, linha[n].larg * 0.46);
            cairo_restore(k);
            cairo_fill(k);
        }
    };
    // the ink bleeding a little into the paper, then the stroke itself
    camada(cr, 1.6, 0.35, [&](cairo_t* k) {
        cor(k, tinta);
        corpo(k, corte);
    });
    cor(cr, tinta);
    corpo(cr, corte);
    // ink pools where the brush rested: deeper and bluer at the press and the stop
    if (!poca) {
        // bark, not ink: the side toward the light lit along the whole limb
        cairo_new_path(cr);
        for (int i = 0; i <= corte; i++) {
            double nx, ny;
            normal(i, nx, ny);
            double lado = nx * -0.6 + ny * -0.8 > 0 ? 1 : -1;
            cairo_line_to(cr, linha[i].x + lado * nx * linha[i].larg * 0.28, linha[i].y + lado * ny * linha[i].larg * 0.28);
        }
        traco(cr, claro(tinta, 0.4), std::max(0.8, linha[0].larg * 0.18), 0.55);
        cairo_new_path(cr);
    }
    if (poca) {
        Tom funda = mistura(tinta, Tom{0.0, 0.0, 0.04}, 0.7);
        brilho(cr, linha[0].x, linha[0].y, linha[0].larg * 0.6, funda, 0.7);
        if (seco == 0) brilho(cr, linha[n].x, linha[n].y, linha[n].larg * 0.55, funda, 0.7);
    }
    // the ink thins along the middle of a long stroke, a little lighter there
    for (int i = 0; i <= corte; i += 3) {
        double t = double(i) / n;
        brilho(cr, linha[i].x, linha[i].y, linha[i].larg * 0.45, claro(tinta, 0.3), 0.12 * std::sin(t * M_PI));
    }
    // the dry tail: separate bristles running out one by one
    if (corte < n) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int b = 0; b < 6; b++) {
            double off = (b + 0.5) / 6 - 0.5;
            int fim = corte + int((n - corte) * rng.range(0.45, 1.0));
            cairo_new_path(cr);
            for (int i = std::max(corte - 2, 0); i <= fim; i++) {
                double nx, ny;
                normal(i, nx, ny);
                double l = linha[i].larg * off * 0.95;
                cairo_line_to(cr, linha[i].x + nx * l, linha[i].y + ny * l);
            }
            cor(cr, tinta, rng.range(0.85, 1.0));
            cairo_set_line_width(cr, linha[corte].larg / 4.5);
            cairo_stroke(cr);
        }
    }
}
