// The interface over the world: the rally-point flag, the panel frame, the money and food counters,
// the mini-map, and the side panel of the selected unit with its command buttons.
#include <string>

#include "assets/listas.h"
#include "render/botoes.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// 1. the selected structure's rally point, blinking slowly
void bandeiraagrupamento() {
    if (select_ == 0) return;
    const Unidade& s = unidades[select_];
    if (s.temagrupamento && piscalento())
        DrawItem(DXImageListCursor, 5, s.agrupamentox - camerax - 5, s.agrupamentoy - cameray - 42);
}

// 2. and 3. the black panel and its frame
void moldura() {
    pintaretangulo(0, 470, 800, 600, PRETO);
    for (int32_t i = 0; i <= 10; i++) DrawItem(DXImageListIcones, 0, 75 * i, 460);
    for (int32_t x : {0, 200, 300, 500, 600}) DrawItem(DXImageListIcones, 1, x, 480);
    DrawItem(DXImageListIcones, 22, 222, 482);
}

// 4. to 7. the money gained from the last kill, the money and the food
void contadores() {
    if (recompensatempo > 0) {
        escrevetexto(705, 8, "+" + std::to_string(recompensavalor), "e", 12, Cor{255, 255, 100});
        recompensatempo--;
    }
    if (dinheiro < 0) dinheiro = 0;
    if (dinheiro > 999999) dinheiro = 999999;
    DrawItem(DXImageListIcones, 2, 710, 5);
    DrawItem(DXImageListIcones, 19, 717, 8);
    escrevetexto(780, 9, std::to_string(arredonda(dinheiro)), "e", 10, BRANCO);
    DrawItem(DXImageListIcones, 2, 710, 30);
    DrawItem(DXImageListIcones, 20, 717, 33);
    Cor cor = comidausada <= comidamax ? BRANCO : Cor{255, 50, 50};
    escrevetexto(780, 34, std::to_string(comidausada) + "/" + std::to_string(comidamax), "e", 10, cor);
}

// 9. the side panel only for a live unit, or a chest
bool temselecionado() {
    if (select_ == 0) return false;
    const Unidade& s = unidades[select_];
    return s.tipo != 0 && (s.hp > 0 || s.bau);
}

}  // namespace

bool piscalento() { return ciclotela < 25; }

void desenhaborda() {
    bandeiraagrupamento();
    moldura();
    contadores();
    desenhaminimapa();                                 // 8.
    if (!temselecionado()) return;
    desenhapainel(select_);                            // side panel, steps 1 to 12
    desenhaitens(select_);                             // 13. the hero's item slots
    gradecomandos(select_);                            // 14. and 15. the command grid
    desenhabotoes();                                   // 16.
}
