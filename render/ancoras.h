// Frame anchors of the unit pictures: frame k is drawn with its top-left corner at
// (x - desenhox[k], y - desenhoy[k]), so the figure's feet stand on the unit's map point (x, y).
#pragma once
#include <cstdint>

inline constexpr int NQUADROSUNIDADE = 326;  // frames in "Unidades"

extern const int16_t desenhox[NQUADROSUNIDADE];  // pixels from the picture's left edge
extern const int16_t desenhoy[NQUADROSUNIDADE];  // pixels from the picture's top edge
