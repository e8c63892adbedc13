// Steps 17 and 20 of the gameplay tick: which units get their bars drawn.
#include "sim/jogo.h"

#include "input/apontarestrutura.h"
#include "render/interface.h"
#include "world/estado.h"
#include "world/unidades.h"

void informacaoapontada() {
    // not while every bar is shown, a menu is open, the game is frozen or a building outline is
    // on the pointer
    if (mostrahptodos || menu != 0 || pausa || mousenum == 1 || mousenum == 2 || mousenum == 3) return;
    // only the first unit in slot order under the pointer
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (apontarestrutura(u)) {
            mostrahp(u);
            return;
        }
}

void informacaotodos() {
    if (!mostrahptodos || menu != 0) return;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && camerax - 200 < a.x && a.x < camerax + 1000 && cameray - 200 < a.y && a.y < cameray + 800)
            mostrahp(u);
    }
}
