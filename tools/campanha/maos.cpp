// The scripted player's hands: input events through the runner's delivery into the game's handlers.
#include "campanha/maos.h"

#include <algorithm>
#include <cmath>

#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "render/botoes.h"
#include "shell/shell.h"
#include "world/auxiliares.h"
#include "world/estado.h"

Maos::Maos() {
    manipuladores = {};
    manipuladores.keydown = FormKeyDown;
    manipuladores.mousedown = DXDraw1MouseDown;
    manipuladores.mouseup = DXDraw1MouseUp;
    manipuladores.mousemove = DXDraw1MouseMove;
}

// The window delivers the pointer on the screen only, so the hands never point off it (the game would
// clamp the point the same way, but a recording with it would be refused).
static int32_t natelax(int32_t x) { return std::clamp(x, 0, LARGURATELA - 1); }
static int32_t natelay(int32_t y) { return std::clamp(y, 0, ALTURATELA - 1); }

void Maos::move(int32_t x, int32_t y) {
    x = natelax(x);
    y = natelay(y);
    EventoRoteiro e;
    e.tipo = EventoRoteiro::MOVE;
    e.x = x;
    e.y = y;
    pendentes.push_back(e);
}

void Maos::aperta(bool direito, int32_t x, int32_t y) {
    x = natelax(x);
    y = natelay(y);
    move(x, y);
    EventoRoteiro e;
    e.tipo = EventoRoteiro::DOWN;
    e.direito = direito;
    e.x = x;
    e.y = y;
    pendentes.push_back(e);
}

void Maos::solta(bool direito, int32_t x, int32_t y) {
    x = natelax(x);
    y = natelay(y);
    EventoRoteiro e;
    e.tipo = EventoRoteiro::UP;
    e.direito = direito;
    e.x = x;
    e.y = y;
    pendentes.push_back(e);
}

void Maos::clique(bool direito, int32_t x, int32_t y) {
    aperta(direito, x, y);
    solta(direito, x, y);
}

void Maos::tecla(int32_t vk) {
    EventoRoteiro e;
    e.tipo = EventoRoteiro::PRESS;
    e.tecla = vk;
    pendentes.push_back(e);
    e.tipo = EventoRoteiro::RELEASE;
    pendentes.push_back(e);
}

void Maos::passa() {
    for (EventoRoteiro& e : pendentes) {
        e.tique = tiques + 1;
        entregaevento(e);
    }
    pendentes.clear();
    SetHeadlessTick(tiques + 1);
    DXTimer1Timer();
}

void Maos::passa(int32_t n) {
    for (int32_t k = 0; k < n; k++) passa();
}

void Maos::centra(PontoMapa p) {
    int32_t w = arredonda(mapalargura / 2.0), h = arredonda(mapaaltura / 2.0);
    int32_t c = std::clamp(arredonda(p.x / 50.0), 0, mapalargura - 1), r = std::clamp(arredonda(p.y / 50.0), 0, mapaaltura - 1);
    int32_t x = 110 - w + c, y = 540 - h + r;
    aperta(false, x, y);
    passa();
    solta(false, x, y);
}

void Maos::ordena(PontoMapa p) {
    centra(p);
    // the view after that tick's limits: the click goes where p then is on the screen
    clique(true, p.x - camerax, p.y - cameray);
}

bool Maos::aperta_comando(uint8_t c) {
    for (int32_t b = 1; b <= MAXBOTOES; b++)
        if (botoes[b].comando == c) {
            clique(false, botoes[b].posx + botoes[b].largurabotao / 2, botoes[b].posy + botoes[b].alturabotao / 2);
            return true;
        }
    return false;
}
