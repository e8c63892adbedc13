// The mouse record and the three handlers of the display: they change the tables and leave
// requests; the next tick draws the result.
#include "input/mouse.h"

#include "input/cliques.h"

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

void DXDraw1MouseMove(int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
}

// A press comes where the pointer last moved; the position is kept first so that a press without
// a move before it (a scripted one) still lands where it says.
void DXDraw1MouseDown(BotaoMouse botao, int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
    if (botao == BOTAOESQUERDO) cliqueesquerdo();
    else if (botao == BOTAODIREITO) cliquedireito();
}

void DXDraw1MouseUp(BotaoMouse, int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
    soltabotao();
}

// The pointer's last position stays where it left; only the edge scrolling needs to know.
void DXDraw1MouseInside(bool dentro) { ponteirofora = !dentro; }
