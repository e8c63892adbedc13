// The interface layers of a gameplay frame, drawn over the world: the panel, a unit's bars, the
// hero badge, the message lines and the options menu.
#pragma once
#include <cstdint>

// --- render/desenhaborda.cpp: the panel frame, counters, mini-map and side panel
void desenhaborda();
// --- render/emblemaheroi.cpp: the hero badge in the top-left corner, for every hero
void desenhaemblemaheroi();
// --- render/mostrahp.cpp: the small bars and caption over unit `u` (a live slot)
void mostrahp(int32_t u);
// --- render/caixamenu.cpp: a framed box at (x, y) of colunas x linhas inner cells of 48 x 48
void caixamenu(int32_t x, int32_t y, int32_t colunas, int32_t linhas);
// --- render/vermensagem.cpp: the two timed message lines
void vermensagem();
// --- render/desenhatelamenu.cpp: the menu tab or page of `menu`, then the whole control list
void desenhatelamenu();
