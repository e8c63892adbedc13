// Command execution: the one routine behind every button, its helpers, and cancelling production.
#pragma once
#include <cstdint>
#include <string>

// --- input/executacomando.cpp
// Carries out control n (1..15) of the list `botoes`: the price check with its refusal messages,
// the money, then the command's effect.
void executacomando(int32_t n);
// True when all six item slots of unit u are taken.
bool inventariocheio(int32_t u);
// Writes a line to the message line for 200 ticks.
void mostramensagem(const std::string& texto);

// --- input/comandosunidade.cpp: what the side-panel commands do to the selected unit `c`
void comandounidade(uint8_t comando, int32_t c, uint16_t precodinheiro, uint16_t precomp);

// --- input/comandosmenu.cpp: the options menu, the cheat page and the screens outside play
void comandomenu(uint8_t comando, int32_t c, int32_t posx, int32_t largura);
// Whether the options menu may open now: during play only (its page would otherwise still be open,
// freezing the game, when the mission starts); over the defeat box too.
bool menupermitido();

// --- input/fechar.cpp
// The window was asked to close from outside: during play the quit question opens (a pending map
// command is dropped and refunded, as Esc does); outside play, or with the question already open,
// the program ends at once.
void pedidodefechar();

// --- input/cancelaupgrade.cpp
// Cancels what building u trains or researches and gives its price back in full.
void cancelaupgrade(int32_t u);
