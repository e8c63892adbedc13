// The interface layers of a gameplay frame, drawn over the world: the panel, a unit's bars, the
// hero badge, the message lines and the options menu.
#pragma once
#include <cstdint>

#include "media/media.h"

struct Unidade;

// --- render/desenhaborda.cpp: the panel frame, counters, mini-map and side panel
void desenhaborda();
// slow blink of the panel: visible while `ciclotela` < 25 (hidden 5 ticks of every 30)
bool piscalento();
// --- render/minimapa.cpp: the overview picture, the view's box and the unit marks
void desenhaminimapa();
// --- render/painellateral.cpp: progress, name, chest, level, experience, summoned life, portrait
void desenhapainel(int32_t u);
// --- render/leituras.cpp: hit and magic points, attack, armour, food, attributes, status marks
void desenhaleituras(const Unidade& a);
// --- render/itensheroi.cpp: the hero's item slots and the tooltip of the one pointed at
extern const int32_t CELULAITEM[6][2];  // top-left corner of slots 1..6
void desenhaitens(int32_t u);
// --- render/gradecomandos.cpp: the commands the selected unit offers, and the cancel button
void gradecomandos(int32_t u);
// --- render/emblemaheroi.cpp: the hero badge in the top-left corner, for every hero
void desenhaemblemaheroi();
// --- render/mostrahp.cpp: the small bars and caption over unit `u` (a live slot)
void mostrahp(int32_t u);
// --- render/caixamenu.cpp: a framed box at (x, y) of colunas x linhas inner cells of 48 x 48
void caixamenu(int32_t x, int32_t y, int32_t colunas, int32_t linhas);
// --- render/vermensagem.cpp: the two timed message lines
void vermensagem();
// colour of a message line with k ticks left (the second line is white, the first yellow)
Cor cormensagem(int32_t k, bool segunda);
// --- render/avisopausa.cpp: the line that says the Pause key froze the game, while no page is open
extern const char* const TEXTOPAUSA;
inline constexpr Cor CORPAUSA{255, 255, 100};
void avisopausa();
// --- render/desenhatelamenu.cpp: the menu tab or page of `menu`, then the whole control list
void desenhatelamenu();
