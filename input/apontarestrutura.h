// Whether the pointer is over a unit.
#pragma once
#include <cstdint>

// True when unit u exists, the pointer is above the panel (y < 460) and the pointer's footprint
// touches the unit's screen box, from the top of its figure to the bottom of its collision box.
bool apontarestrutura(int32_t u);
