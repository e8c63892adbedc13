// Steps 6, 7 and 12 of the gameplay tick: the food totals and the aura reset, over every slot.
#include "sim/jogo.h"

#include "world/estado.h"
#include "world/unidades.h"

void calculacomida() {
    // 6. only complete structures supply food, at most 99 in all
    int32_t fornecida = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && a.construcao == a.construcaomax) fornecida += a.fornececomida;
    }
    comidamax = uint16_t(fornecida > 99 ? 99 : fornecida);
    // 7. every unit eats, and a unit in training already counts through its structure
    int32_t usada = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0) usada += a.consomecomida + a.upgradecomida;
    }
    comidausada = uint16_t(usada);
}

void zeraauras() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        unidades[u].auraprotetora = 0;
        unidades[u].auraguerreira = 0;
    }
}
