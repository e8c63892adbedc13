// The portraits of the side panel: every character, monster and structure, 70 x 70 each, two
// frames where the panel animates them (blinking, talking, breathing).
#pragma once
#include <cairo.h>
#include <vector>

#include "common/picture.h"

inline constexpr int QTDRETRATOS = 40;
// Paints portrait `indice` in a 70 x 70 square at the origin of the current transformation.
void pintaretrato(cairo_t* cr, int indice);
// The 40 portraits in list order (item 13 is the hero's small badge).
std::vector<Picture> geraretratos();

// Portrait indices the other pictures reuse.
enum : int {
    RT_TORRE = 0, RT_FAZENDA = 1, RT_TIENDA = 2, RT_QUARTEL = 3, RT_CASABRUXA = 4, RT_DURBICO = 5,
    RT_FIDELINA = 7, RT_BRUXA = 9, RT_VORLANDO = 11, RT_ESQUELETO = 14, RT_SATANAS = 16, RT_BAU = 18,
    RT_ARANHA = 20, RT_CARNICAL = 22, RT_MURLOC = 24, RT_ORC = 26, RT_LOBO = 28, RT_PEDRA = 30,
    RT_OGRO = 31, RT_ARVORE = 33, RT_PORTAL = 35, RT_TORREINIMIGA = 37, RT_QUITEVA = 38,
};
