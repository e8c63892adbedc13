// The pointer's placement test: whether a building footprint under the pointer touches any unit
// or map object.
#include "world/estado.h"
#include "world/objetos.h"
#include "world/sobreposicao.h"
#include "world/unidades.h"

namespace {

// Footprint [mx - mdx, mx + mdx] x [my - mdy, my + mdy] against the box of half sizes (hx, hy)
// around (x, y) moved by the camera; touching edges count as overlapping.
bool toca(int32_t mx, int32_t my, int32_t mdx, int32_t mdy, double x, double y, int32_t hx, int32_t hy) {
    double esquerda = x - hx - camerax, direita = x + hx - camerax;
    double topo = y - hy - cameray, base = y + hy - cameray;
    return mx - mdx <= direita && mx + mdx >= esquerda && my - mdy <= base && my + mdy >= topo;
}

}  // namespace

bool sobreposicaoponteiro(int32_t mousex, int32_t mousey, int32_t marcax, int32_t marcay) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && toca(mousex, mousey, marcax, marcay, a.x, a.y, a.tamanhox, a.tamanhoy)) return true;
    }
    for (int32_t o = 1; o <= MAXOBJETOS; o++) {
        const Objeto& b = objetos[o];
        if (b.tipo != 0 && toca(mousex, mousey, marcax, marcay, b.x, b.y, b.tamanhox, b.tamanhoy)) return true;
    }
    return false;
}
