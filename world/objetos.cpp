// Map objects: their type table, placement, burning and animation.
#include "world/objetos.h"

#include "media/media.h"
#include "world/efeitos.h"
#include "world/estado.h"

Objeto objetos[MAXOBJETOS + 1];
uint32_t versaoobjetos = 0;

namespace {

// Columns: picture; box half width, half height; picture while quadro > 3 (animated types).
struct TipoObjeto {
    uint8_t desenho;
    uint8_t tamanhox, tamanhoy;
    uint8_t desenho2;
};

constexpr TipoObjeto TIPOS[] = {
    {0, 0, 0, 0},      // 0 (free)
    {0, 17, 17, 0},    // 1 tree
    {1, 17, 17, 1},    // 2 tree
    {2, 17, 17, 2},    // 3 tree
    {3, 17, 17, 3},    // 4 tree
    {4, 18, 22, 4},    // 5
    {5, 30, 15, 5},    // 6
    {6, 20, 20, 6},    // 7 mission target
    {7, 15, 8, 7},     // 8
    {8, 20, 20, 8},    // 9
    {9, 15, 8, 9},     // 10
    {10, 5, 5, 11},    // 11 animated
    {12, 7, 7, 12},    // 12
    {13, 25, 15, 13},  // 13
    {14, 18, 11, 14},  // 14
    {15, 12, 12, 16},  // 15 animated
    {17, 25, 25, 17},  // 16 mission target
    {18, 25, 25, 18},  // 17
    {19, 20, 20, 19},  // 18 mission target
    {20, 0, 0, 20},    // 19 walkable
    {21, 20, 20, 21},  // 20 mission target
    {22, 25, 25, 22},  // 21 hidden trap
};
static_assert(sizeof(TIPOS) / sizeof(TIPOS[0]) == MAXTIPOSOBJETO + 1, "one row per object type");

// Drawing anchors by picture: left offset, height above the base point.
constexpr uint8_t ANCORASOBJETO[][2] = {
    {33, 90},   // 0 tree
    {39, 85},   // 1 tree
    {41, 92},   // 2 tree
    {32, 65},   // 3 tree
    {22, 25},   // 4
    {45, 40},   // 5
    {20, 115},  // 6 mission target
    {18, 45},   // 7
    {25, 40},   // 8
    {25, 32},   // 9
    {8, 65},    // 10 animated, first frame
    {8, 65},    // 11 animated, second frame
    {10, 60},   // 12
    {38, 25},   // 13
    {19, 75},   // 14
    {20, 70},   // 15 animated, first frame
    {20, 70},   // 16 animated, second frame
    {28, 28},   // 17 mission target
    {25, 130},  // 18
    {20, 115},  // 19 mission target
    {25, 130},  // 20 walkable
    {20, 115},  // 21 mission target
    {25, 25},   // 22 hidden trap
};
static_assert(sizeof(ANCORASOBJETO) / sizeof(ANCORASOBJETO[0]) == 23, "one row per object picture");

// Step 1: a burning object sends up flames every third tick and burns away.
// Returns false when the object is gone.
bool queima(Objeto& o) {
    if (o.queimando == 0 || ciclotela % 3 != 0 || pausa) return true;
    double fx = o.x + Random(20) - 10;
    double fz = Random(o.desenhoy);  // the flames climb up to the full height of the picture
    criaefeito(10, 0, fx, o.y + 1, fz);
    o.queimando -= 1;
    if (o.queimando != 0) return true;
    o.tipo = 0;
    criaefeito(12, 0, o.x, o.y, 0);  // ashes where it stood
    return false;
}

}  // namespace

void criaobjeto(int32_t t, int32_t x, int32_t y) {
    if (t < 1 || t > MAXTIPOSOBJETO) return;
    int32_t s = 1;
    while (s <= MAXOBJETOS && objetos[s].tipo != 0) s++;
    if (s > MAXOBJETOS) return;  // the table is full
    versaoobjetos++;
    Objeto& o = objetos[s];
    o.tipo = uint8_t(t);
    o.x = x;
    o.y = y;
    o.queimando = 0;
    o.visivel = true;
    o.solido = true;
    o.quadro = 0;
    o.quadros = 0;
    if (t == 7 || t == 16 || t == 18 || t == 20) o.visivel = false;  // hidden mission targets
    if (t == 11 || t == 15) o.quadros = 6;
    if (t == 19) o.solido = false;
    if (t == 21) o.visivel = o.solido = false;  // a hidden trap
}

void processaobjetos() {
    for (int32_t s = 1; s <= MAXOBJETOS; s++) {
        Objeto& o = objetos[s];
        if (o.tipo == 0 || o.tipo > MAXTIPOSOBJETO) continue;
        if (!queima(o)) continue;
        const TipoObjeto& t = TIPOS[o.tipo];
        o.desenho = o.quadro > 3 ? t.desenho2 : t.desenho;  // the frame before this tick's advance
        if (o.quadros != 0 && !pausa) o.quadro += 1;
        if (o.quadro >= o.quadros) o.quadro = 0;
        o.tamanhox = t.tamanhox;
        o.tamanhoy = t.tamanhoy;
        o.desenhox = ANCORASOBJETO[o.desenho][0];
        o.desenhoy = ANCORASOBJETO[o.desenho][1];
    }
}

void limpaobjetos() {
    versaoobjetos++;
    for (int32_t s = 1; s <= MAXOBJETOS; s++) objetos[s].tipo = 0;
}

int32_t contaobjetos() {
    int32_t n = 0;
    for (int32_t s = 1; s <= MAXOBJETOS; s++)
        if (objetos[s].tipo != 0) n++;
    return n;
}
