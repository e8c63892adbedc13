// Fields of heat and density for the pixel-painted effects, their colour ramps, and the painter.
#include "fogos.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace boneco {

Picture pinta_campo(int w, int h, const Campo& f, int s) {
    Picture p(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int j = 0; j < s; j++)
                for (int i = 0; i < s; i++) {
                    Tinta c;
                    if (!f(x + (i + 0.5) / s, y + (j + 0.5) / s, c)) continue;
                    r += c.r, g += c.g, b += c.b, n++;
                }
            if (n * 2 <= s * s) continue;  // mostly outside: the key
            auto canal = [n](double v) { return uint8_t(std::clamp(v / n * 255 + 0.5, 0.0, 254.0)); };
            p.set(x, y, canal(r), canal(g), canal(b));
        }
    return p;
}

Tinta rampa(const Tinta* cores, int n, double t) {
    t = std::clamp(t, 0.0, 1.0) * (n - 1);
    int i = std::min(int(t), n - 2);
    return cores[i].mistura(cores[i + 1], t - i);
}

Tinta rampa_fogo(double t) {
    static const Tinta cores[] = {rgb(70, 14, 8),    rgb(150, 28, 10),  rgb(214, 64, 14),  rgb(244, 124, 28),
                                  rgb(252, 184, 56), rgb(255, 228, 120), rgb(255, 250, 218)};
    return rampa(cores, 7, t);
}

double lingua(double x, double y, double cx, double base, double l, double a, double torce, double fase) {
    double v = (base - y) / a;  // 0 at the foot, 1 at the tip
    if (v < -0.3 || v > 1.15) return 0;
    // the tongue sways more toward its tip, each frame its own way
    double onda = (fbm(x * 0.18 + fase * 3.1, y * 0.11 + fase * 7.3, fase * 1.7, 2) - 0.5) * 2;
    double dx = x - cx - torce * v * v - onda * l * 0.9 * std::max(0.0, v);
    double largura;
    if (v < 0) largura = l * std::sqrt(std::max(0.0, 1 - (v / 0.3) * (v / 0.3)));
    else largura = l * std::pow(std::max(0.0, 1 - v), 0.75) * (1 + 0.35 * std::sin(v * 3.0));
    if (largura <= 0.05) return 0;
    double d = 1 - std::fabs(dx) / largura;  // 1 on the axis, 0 at the edge
    double franja = (fbm(x * 0.35, y * 0.3 + fase * 5, fase * 2.3 + 9, 2) - 0.5) * 0.5;
    d += franja * (0.4 + v);
    if (d <= 0) return 0;
    double calor = std::pow(d, 0.7) * (1.05 - 0.75 * std::max(0.0, v)) + 0.15;
    return std::clamp(calor, 0.0, 1.0);
}

double globo(double x, double y, double cx, double cy, double r, double fase, double franja) {
    double d = std::hypot(x - cx, y - cy) / r;
    double n = (fbm(x * 0.3 + fase * 4.1, y * 0.3 - fase * 2.7, fase + 3, 2) - 0.5) * 2;
    double t = 1 - d + n * franja;
    return t <= 0 ? 0 : std::min(1.0, t);
}

double bolo(double x, double y, double cx, double cy, double r, double fase) {
    double d = std::hypot(x - cx, (y - cy) * 1.1) / r;
    double n = fbm(x * 0.22 + fase * 3.3, y * 0.22 + fase * 1.9, fase * 2.1 + 5, 3);
    double t = 1 - d * d + (n - 0.5) * 1.3;
    return t <= 0 ? 0 : std::min(1.0, t);
}

double salpico(int x, int y, int semente) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(semente) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

}  // namespace boneco
