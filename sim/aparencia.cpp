// What a unit shows while it lives: an idle glance around, the smoke trail of floating units,
// smoke from damaged structures, and the flames of a burning unit (which hurt it).
#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/efeitos.h"

namespace {

// One puff of smoke: below this fraction of its hit points a structure smokes at (dx, dy), height z.
struct Fumaca {
    uint8_t tipo;
    double f;
    int8_t dx, dy;
    uint8_t z;
};
const Fumaca FUMACAS[] = {
    {1, 0.7, 10, 1, 10},   // guard tower
    {1, 0.5, 15, -1, 40},  // guard tower
    {1, 0.3, -8, 1, 30},   // guard tower
    {2, 0.7, -15, 1, 20},  // farm
    {2, 0.5, 15, 1, 30},   // farm
    {2, 0.3, 5, 1, 3},     // farm
    {3, 0.7, -20, 1, 10},  // shop
    {3, 0.5, 15, 1, 20},   // shop
    {3, 0.3, 25, 1, 1},    // shop
    {4, 0.7, -20, 1, 30},  // barracks
    {4, 0.6, -10, 1, 5},   // barracks
    {4, 0.5, 25, -1, 45},  // barracks
    {4, 0.4, 5, 1, 60},    // barracks
    {4, 0.3, 30, 1, 5},    // barracks
    {5, 0.7, 10, 1, 20},   // witch's house
    {5, 0.6, -20, 1, 40},  // witch's house
    {5, 0.5, -10, 1, 3},   // witch's house
    {5, 0.4, 35, 1, 15},   // witch's house
    {5, 0.3, 20, 1, 55},   // witch's house
};
static_assert(sizeof(FUMACAS) / sizeof(FUMACAS[0]) == 19);

}  // namespace

void olharocioso(int32_t u) {
    Unidade& a = unidades[u];
    if (a.posicao == 1 && a.ciclo == 0 && a.paralisado == 0 && !pausa && Random(3) == 0)
        a.direcao = Random(62) / 10.0;
}

void rastrounidade(int32_t u) {
    const Unidade& a = unidades[u];
    if (!a.rastro || a.posicao != 2 || pausa || Random(20) >= 5) return;
    double ex = a.x - 1 + Random(3);
    double ey = a.y - 1 + Random(3);
    criaefeito(11, 0, ex, ey, Random(10));
}

void fumacaestrutura(int32_t u) {
    const Unidade& a = unidades[u];
    if (ciclotela % 12 != 0 || pausa || a.construcao != a.construcaomax) return;
    uint16_t t = a.tipo == 25 ? 1 : a.tipo;  // the enemy tower smokes like the guard tower
    for (const Fumaca& f : FUMACAS)
        if (f.tipo == t && a.hpmax * f.f > a.hp) criaefeito(10, 0, a.x + f.dx + Random(2), a.y + f.dy, f.z);
}

void queimaunidade(int32_t u) {
    Unidade& a = unidades[u];
    if (!a.organico || a.queimando == 0 || ciclotela % 3 != 0 || pausa) return;
    int32_t t = 1 + Random(2);
    double ex = a.x - 7 + Random(14);
    criaefeito(t, 0, ex, a.y + 1, Random(20) + a.altura / 3.0);
    a.queimando -= 1;
    a.hp -= a.hpmax * (a.inimigo ? 0.002 : 0.0005);
}
