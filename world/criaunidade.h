// Unit creation: the only way a unit comes into the table.
#pragma once
#include <cstdint>

// Creates a unit of type `tipo` (1..26) at (x, y) in the lowest free slot; with every slot in use
// nothing happens. `pronto` 1: a structure starts complete (mission set-up); 0: a construction
// site, and an enemy made with 0 (released by a portal) gives half the money and a fifth of the
// experience. (destinox, destinoy): the first destination. `criador`: a unit whose `alvo` becomes
// the new one (0 = none). `item`: the chest's content.
void criaunidade(int32_t tipo, int32_t x, int32_t y, int32_t pronto, int32_t destinox, int32_t destinoy,
                 int32_t criador, int32_t item);
