// The control list `botoes`: every clickable thing on the screen, registered anew each frame.
#pragma once
#include <cstdint>
#include <string>

struct Botao {
    uint8_t comando;                 // command number 1..72; 0 = free record
    uint8_t numero;                  // small number in the lower right corner; 0 = none
    uint8_t imagem;                  // picture in DXImageListBotoes (style 1)
    uint8_t estilo;                  // 1 command button, 2 menu entry, 3 check box, 4 slider
    int32_t posx, posy;              // top-left corner, screen pixels
    int32_t largurabotao, alturabotao;  // size, set when drawn
    std::string legenda;             // caption, at most 41 characters
    uint16_t precodinheiro;          // money price
    uint16_t precocomida;            // free food needed
    uint16_t precomp;                // MP price
    uint8_t automatico;              // a right click toggles an automatic mode
    uint8_t destaque;                // drawn with a blinking yellow frame
    uint8_t marcado;                 // check box state
    uint8_t teclaesc;                // the Esc key activates it
    uint8_t atalho;                  // 1-based position of the hot-key letter; 0 = none
    std::string linha1, linha2, linha3, linha4;  // tooltip lines
};

constexpr int32_t MAXBOTOES = 15;
extern Botao botoes[MAXBOTOES + 1];  // records 1..15; 0 is never used

// --- render/botoes.cpp
// Empties the list: every record gets command 0, no caption and no hot key.
void limpabotoes();
// Registers control `comando` at (x, y) in the first free record; a 16th control is dropped.
void criabotao(int32_t comando, int32_t x, int32_t y);

// --- render/desenhabotoes.cpp: every registered control, and the tooltip of the one under the pointer
void desenhabotoes();
// Whether the pointer (mousex, mousey) is over record b as drawn (edges included).
bool apontabotao(int32_t b);
