// Whether the pointer is over a unit: the footprint of the pointer against the unit's figure.
#include "input/apontarestrutura.h"

#include "input/mouse.h"
#include "world/estado.h"
#include "world/unidades.h"

bool apontarestrutura(int32_t u) {
    if (u < 1 || u > MAXUNIDADES) return false;
    const Unidade& a = unidades[u];
    if (a.tipo == 0 || mousey >= 460) return false;
    // the box reaches up to the top of the figure and down to the foot of the collision box
    double esquerda = a.x - a.tamanhox - camerax, direita = a.x + a.tamanhox - camerax;
    double topo = a.y - a.desenhoy - cameray, base = a.y + a.tamanhoy - cameray;
    // touching edges count
    return mousex - marcax <= direita && mousex + marcax >= esquerda && mousey - marcay <= base &&
           mousey + marcay >= topo;
}
