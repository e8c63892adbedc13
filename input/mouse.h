// The mouse: its record of position, buttons and pointer, and the three handlers of the display.
#pragma once
#include <cstdint>

#include "media/media.h"

extern int32_t mousex, mousey;                 // last pointer position, screen pixels
extern bool botaoesquerdo, botaodireito;       // buttons held
extern bool arrastando;                        // a selection box is being dragged
extern int32_t caixax1, caixay1, caixax2, caixay2;  // selection box corners, map pixels
extern uint8_t cursor;                         // pointer picture 0..6
extern int32_t cursordx, cursordy;             // the picture's hot spot
extern uint8_t marcax, marcay;                 // half size of the placement footprint
extern bool mouseflag;                         // the footprint is blocked
extern uint16_t custopendente;                 // money already paid for the structure being placed
extern Cor corcorrente;                        // placement marker colour
extern bool ponteirofora;                      // the pointer is outside the window: no edge scrolling
extern uint8_t selecaotipo;                    // the release selects every own unit of this type on screen, 0 none

void DXDraw1MouseMove(int32_t x, int32_t y);
void DXDraw1MouseDown(BotaoMouse botao, int32_t x, int32_t y);
void DXDraw1MouseUp(BotaoMouse botao, int32_t x, int32_t y);
void DXDraw1MouseInside(bool dentro);

// --- input/selecaotipo.cpp: a double-click (two presses on the same own unit within 400 ms of game
//     time) or a Ctrl+click on an own unit asks the release for every own unit of its type on screen
constexpr int64_t DUPLOCLIQUE = 400;  // ms
void notacliqueunidade();
// The box the release then uses: the whole play field in view.
void caixadatela();
