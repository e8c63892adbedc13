// Death of a unit without hit points: the remains it leaves, the money and experience it gives,
// and the defeat when the hero or the barracks falls.
#include <algorithm>

#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/efeitos.h"

namespace {

// Corpse effect and its height offset by unit type (effect 0 = no corpse).
struct Restos {
    uint8_t efeito;
    int8_t dy;
};
const Restos RESTOS[27] = {
    {0, 0},    // 0 free
    {0, 0},    // 1 guard tower
    {0, 0},    // 2 farm
    {0, 0},    // 3 shop
    {0, 0},    // 4 barracks
    {0, 0},    // 5 witch's house
    {29, -35}, // 6 worker
    {30, -35}, // 7 Fidelina
    {31, -35}, // 8 witch
    {32, -35}, // 9 hero
    {0, 0},    // 10 skeleton
    {0, 0},    // 11 Satanas
    {0, 0},    // 12 chest
    {33, -20}, // 13 giant spider
    {34, -35}, // 14
    {35, -35}, // 15
    {36, -35}, // 16
    {37, -20}, // 17
    {38, -30}, // 18
    {39, -40}, // 19
    {40, -35}, // 20
    {0, 0},    // 21 portal
    {0, 0},    // 22
    {0, 0},    // 23
    {0, 0},    // 24
    {0, 0},    // 25 enemy tower
    {43, 0},   // 26 final boss
};
static_assert(sizeof(RESTOS) / sizeof(RESTOS[0]) == 27);

// A structure or a portal bursts into flames, smoke and debris.
void explode(const Unidade& a) {
    for (int32_t k = 0; k < 30; k++) {
        int32_t t = 1 + Random(2);
        double ex = a.x - 20 + Random(40);
        criaefeito(t, 0, ex, a.y - 20 + Random(40), 0);
    }
    for (int32_t k = 0; k < 10; k++) {
        double ex = a.x - 20 + Random(40);
        criaefeito(3, 0, ex, a.y - 20 + Random(40), 0);
    }
}

// Every other hero within 400 gains the unit's experience (a word: it stops at 65535).
void daexperiencia(int32_t u) {
    const Unidade& a = unidades[u];
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& h = unidades[i];
        if (i == u || h.tipo == 0 || !h.heroi || distunidades(h, a) >= 400) continue;
        h.experiencia = uint16_t(std::min<int32_t>(65535, h.experiencia + a.experiencia));
    }
}

}  // namespace

bool morreunidade(int32_t u) {
    Unidade& a = unidades[u];
    if (a.hp > 0 || a.bau) return false;
    if (a.tempovidamax != 0) {  // a summoned unit vanishes on the next attribute update
        a.tempovida = 0;
        a.hp = 0;
        return false;
    }
    if (a.heroi || a.tipo == 4) derrotado = true;
    if (!a.organico) explode(a);
    if (a.tipo < 27 && RESTOS[a.tipo].efeito != 0)
        criaefeito(RESTOS[a.tipo].efeito, 0, a.x, a.y + RESTOS[a.tipo].dy, 0);
    if (a.recompensa != 0) {
        dinheiro += a.recompensa;
        recompensavalor = a.recompensa;
        recompensatempo = 60;
    }
    daexperiencia(u);
    a.tipo = 0;
    a.hp = a.hpexibido = a.mp = a.mpexibido = 0;
    a.selecionado = false;  // a unit created later in this slot must not start selected
    if (select_ == u) {
        select_ = 0;
        mousenum = 0;
    }
    return true;
}
