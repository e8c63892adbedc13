// Turning a unit toward a point: the heading convention has y pointing up the screen, and the
// game uses 3.14 and 6.28 for a half and a full turn.
#include <cmath>

#include "sim/sim.h"
#include "world/unidades.h"

double rumo(double x, double y, int32_t px, int32_t py) {
    double d = 0;
    if (px != x) d = std::atan((y - py) / (px - x));
    if (px < x) d += 3.14;
    if (px > x && py > y) d += 6.28;      // below and to the right: keep the angle positive
    if (px == x) d = py < y ? 1.57 : 4.71;  // straight up or straight down
    return d;
}

void apontar(int32_t u, int32_t px, int32_t py) {
    Unidade& a = unidades[u];
    a.direcao = rumo(a.x, a.y, px, py);
    a.destinox = px;
    a.destinoy = py;
}
