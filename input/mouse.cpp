// The mouse record and the three handlers of the display: they change the tables and leave
// requests; the next tick draws the result.
#include "input/mouse.h"

#include <algorithm>

#include "input/cliques.h"
#include "media/media.h"

int32_t mousex, mousey;
bool botaoesquerdo, botaodireito, arrastando;
int32_t caixax1, caixay1, caixax2, caixay2;
uint8_t cursor;
int32_t cursordx, cursordy;
uint8_t marcax, marcay;
bool mouseflag;
uint16_t custopendente;
Cor corcorrente;
bool ponteirofora;
uint8_t selecaotipo;

namespace {
// The pointer is always on the screen, whoever hands the event in: the window delivers 0..799 x 0..599.
void guardaponteiro(int32_t x, int32_t y) {
    mousex = std::clamp(x, 0, LARGURATELA - 1);
    mousey = std::clamp(y, 0, ALTURATELA - 1);
}
}  // namespace

void DXDraw1MouseMove(int32_t x, int32_t y) { guardaponteiro(x, y); }

// A press comes where the pointer last moved; the position is kept first so that a press without
// a move before it (a scripted one) still lands where it says.
void DXDraw1MouseDown(BotaoMouse botao, int32_t x, int32_t y) {
    guardaponteiro(x, y);
    if (botao == BOTAOESQUERDO) cliqueesquerdo();
    else if (botao == BOTAODIREITO) cliquedireito();
}

void DXDraw1MouseUp(BotaoMouse, int32_t x, int32_t y) {
    guardaponteiro(x, y);
    soltabotao();
}

// The pointer's last position stays where it left; only the edge scrolling needs to know.
void DXDraw1MouseInside(bool dentro) { ponteirofora = !dentro; }
