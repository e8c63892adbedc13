// Mouse handlers: they keep the pointer record; orders and selection come with the commands.
#include "input/mouse.h"

int32_t mousex, mousey;
bool botaoesquerdo, botaodireito, arrastando;
int32_t caixax1, caixay1, caixax2, caixay2;
uint8_t cursor;
int32_t cursordx, cursordy;
uint8_t marcax, marcay;
bool mouseflag;
uint16_t custopendente;
Cor corcorrente;

void DXDraw1MouseMove(int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
}

void DXDraw1MouseDown(BotaoMouse botao, int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
    if (botao == BOTAOESQUERDO) botaoesquerdo = true;
    else botaodireito = true;
}

void DXDraw1MouseUp(BotaoMouse botao, int32_t x, int32_t y) {
    mousex = x;
    mousey = y;
    if (botao == BOTAOESQUERDO) botaoesquerdo = false;
    else botaodireito = false;
}
