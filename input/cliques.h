// The mouse paths behind the handlers, one file each.
#pragma once
#include <cstdint>

// --- input/cliqueesquerdo.cpp: items, hero portrait, selection box, menu button, controls,
//     cancel production, then the pending map command
void cliqueesquerdo();
// --- input/comandopendente.cpp: a left click on the map completes the command in `mousenum`
void completapendente();
// --- input/cliquedireito.cpp: drop items, move and target orders, automatic modes, cancel
void cliquedireito();
// --- input/selecao.cpp: the release ends a drag: box selection, the main unit, its voice
void soltabotao();

// The map point under the pointer.
int32_t mundox();
int32_t mundoy();
// Whether the pointer is strictly inside the 40 x 40 item slot k (0..5) of the panel.
bool apontaitem(int32_t k);
// Whether unit u is the hero and the game runs: its items can be used or dropped.
bool heroiativo(int32_t u);
