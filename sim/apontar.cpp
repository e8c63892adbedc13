// Turning a unit toward a point: the heading convention has y pointing up the screen, and the
// game uses 3.14 and 6.28 for a half and a full turn.
#include <cmath>

#include "sim/sim.h"
#include "world/unidades.h"

void apontar(int32_t u, int32_t px, int32_t py) {
    Unidade& a = unidades[u];
    double d = 0;
    if (px != a.x) d = std::atan((a.y - py) / (px - a.x));
    if (px < a.x) d += 3.14;
    if (px > a.x && py > a.y) d += 6.28;      // below and to the right: keep the angle positive
    if (px == a.x) d = py < a.y ? 1.57 : 4.71;  // straight up or straight down
    a.direcao = d;
    a.destinox = px;
    a.destinoy = py;
}
