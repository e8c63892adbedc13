// The hero badge in the top-left corner: portrait, technique points, blinking health and magic
// bars with the trails of what was just lost, and its tooltip.
#include <string>

#include "assets/listas.h"
#include "input/mouse.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Health: the part just lost flashes white; the bar goes from red to green, and black on every
// other tick once a third or less is left.
void vidadoemblema(const Unidade& h) {
    if (h.hpmax == 0) return;
    bool par = ciclotela % 2 == 0;
    if (par) pintaretangulo(7, 44, 7 + arredonda(h.hpexibido / h.hpmax * 33), 48, Cor{255, 255, 255});
    int32_t w = arredonda(h.hp / h.hpmax * 33);
    Cor cor{uint8_t(255 - 7 * w), uint8_t(7 * w), 0};  // channels wrap modulo 256
    if (par && h.hp <= h.hpmax / 3) cor = Cor{0, 0, 0};
    pintaretangulo(7, 44, 7 + w, 48, cor);
}

// Magic: the part just spent in red under the blue.
void magiadoemblema(const Unidade& h) {
    if (h.mpmax == 0) return;
    pintaretangulo(7, 50, 7 + arredonda(h.mpexibido / h.mpmax * 33), 52, Cor{255, 0, 0});
    pintaretangulo(7, 50, 7 + arredonda(h.mp / h.mpmax * 33), 52, Cor{100, 100, 255});
}

void emblema(const Unidade& h) {
    // 1. portrait and the bars' dark ground
    DrawItem(DXImageListRetrato, 13, 5, 5);
    pintaretangulo(5, 42, 42, 54, Cor{0, 0, 0});
    // 2. unspent technique points
    if (h.pontostecnica > 0) escrevetexto(37, 28, std::to_string(h.pontostecnica), "c", 8, Cor{255, 255, 255});
    // 3. and 4. the bars
    vidadoemblema(h);
    magiadoemblema(h);
    // 5. the tooltip while the pointer rests on the badge
    if (mousex >= 5 && mousex <= 43 && mousey >= 5 && mousey <= 43 && !pausa && mousenum == 0) {
        pintaretangulo(662, 440, 780, 457, Cor{0, 0, 0});
        desenharetangulo(662, 440, 780, 457, Cor{255, 255, 255});
        escrevetexto(665, 440, "SEU VORLANDO (F1)", "-", 8, Cor{255, 255, 255});
    }
}

}  // namespace

void desenhaemblemaheroi() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].heroi) emblema(unidades[u]);
}
