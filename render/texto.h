// The three routines that draw every rectangle and every line of text of the game.
#pragma once
#include <cstdint>
#include <string>

#include "media/media.h"

// Solid rectangle from (x1, y1) to (x2, y2); right and bottom edges exclusive.
void pintaretangulo(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor cor);
// One-pixel outline of the box between two corners given in any order; nothing when flat.
void desenharetangulo(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor cor);
// Shadowed text with its cell's top at y. alinhamento: "c" centred on x, "e" ends at x, else starts
// at x. tecla: 1-based character position of the hot-key letter, redrawn in orange-red; 0 for none.
void escrevetexto(int32_t x, int32_t y, const std::string& texto, const std::string& alinhamento, int32_t tamanho,
                  Cor cor, int32_t tecla = 0);

inline constexpr Cor CORTECLA{255, 100, 0};  // the hot-key letter
