// Where a box can stand: a grid of five-pixel cells, marked wherever the box, grown by a margin,
// would overlap a solid map object, a hidden trap or a solid unit standing there.
#include "mapas/verificador/verificador.h"

#include <algorithm>
#include <cmath>

#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

namespace {

// Marks every grid cell that meets the open rectangle (x1, x2) x (y1, y2).
void marca(Folga& f, double x1, double y1, double x2, double y2) {
    int c1 = std::max(0, int(std::floor((x1 - f.x0) / Folga::PASSO)));
    int c2 = std::min(f.nx - 1, int(std::floor((x2 - f.x0) / Folga::PASSO)));
    int r1 = std::max(0, int(std::floor((y1 - f.y0) / Folga::PASSO)));
    int r2 = std::min(f.ny - 1, int(std::floor((y2 - f.y0) / Folga::PASSO)));
    for (int r = r1; r <= r2; r++)
        for (int c = c1; c <= c2; c++) f.bloqueado[size_t(r) * f.nx + c] = 1;
}

}  // namespace

int Folga::celula(double x, double y) const {
    int c = int(std::floor((x - x0) / PASSO)), r = int(std::floor((y - y0) / PASSO));
    if (c < 0 || r < 0 || c >= nx || r >= ny) return -1;
    return r * nx + c;
}

bool Folga::livre(double x, double y) const {
    int k = celula(x, y);
    return k >= 0 && !bloqueado[size_t(k)];
}

bool Folga::segmentolivre(PontoMapa a, PontoMapa b) const {
    double d = std::hypot(double(b.x - a.x), double(b.y - a.y));
    int n = std::max(1, int(std::ceil(d / 2.0)));
    for (int i = 0; i <= n; i++) {
        double t = double(i) / n;
        if (!livre(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t)) return false;
    }
    return true;
}

Folga fazfolga(double hx, double hy, double margem, int32_t ignorar) {
    return fazfolga(hx, hy, margem, [ignorar](int32_t u) { return u != ignorar; });
}

Folga fazfolga(double hx, double hy, double margem, const std::function<bool(int32_t)>& conta) {
    Folga f;
    f.x0 = -50;
    f.y0 = -50;
    f.nx = (mapalargura * 50 + 100) / Folga::PASSO;
    f.ny = (mapaaltura * 50 + 100) / Folga::PASSO;
    f.bloqueado.assign(size_t(f.nx) * f.ny, 0);
    double gx = hx + margem, gy = hy + margem;
    for (int32_t k = 1; k <= MAXOBJETOS; k++) {
        const Objeto& o = objetos[k];
        if (o.tipo == 0 || (!o.solido && o.tipo != 21)) continue;
        marca(f, o.x - o.tamanhox - gx, o.y - o.tamanhoy - gy, o.x + o.tamanhox + gx, o.y + o.tamanhoy + gy);
    }
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || !a.solido || !conta(u)) continue;
        marca(f, a.x - a.tamanhox - gx, a.y - a.tamanhoy - gy, a.x + a.tamanhox + gx, a.y + a.tamanhoy + gy);
    }
    // the movement keeps a unit inside 10 .. width - 40 by -20 .. height - 60
    double xmin = 10 + margem, xmax = mapalargura * 50 - 40 - margem;
    double ymin = -20 + margem, ymax = mapaaltura * 50 - 60 - margem;
    for (int r = 0; r < f.ny; r++)
        for (int c = 0; c < f.nx; c++) {
            double x = f.x0 + c * Folga::PASSO, y = f.y0 + r * Folga::PASSO;
            if (x < xmin || x + Folga::PASSO > xmax || y < ymin || y + Folga::PASSO > ymax) f.bloqueado[size_t(r) * f.nx + c] = 1;
        }
    return f;
}
