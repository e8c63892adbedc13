// Straight into a mission, for testing and review (the runner's --mission N).
#pragma once
#include <cstdint>

// Reads every asset folder, starts a new game at mission n (1..12) and sets it up, so that the next
// tick is its first gameplay tick. A missing asset leaves the game on the error screen instead.
void iniciamissaodireta(int32_t n);
// Steps 2 to 4 alone, with the asset folders already read: a new game's hero at mission n, set up
// and started as "CONTINUAR ..." starts it.
void abremissao(int32_t n);
