// Review pictures of the unit frames (written beside the contact sheets, never read by the game).
#pragma once
#include <string>
#include <vector>

#include "boneco.h"
#include "sprites.h"

// The frames de .. de + por_face * faces - 1 of one figure: a row per facing, at game size and at 2x.
bool folha_revisao(const std::string& caminho, const Unidades& u, int de, int por_face, int faces, const std::string& titulo);
// The given frames side by side on one ground line, to judge their sizes against each other.
bool fila_revisao(const std::string& caminho, const Unidades& u, const std::vector<int>& quadros);
