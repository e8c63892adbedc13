// The game's emblem: Seu Vorlando's sacred guitar on a red shield with a golden rim.
#pragma once
#include "common/picture.h"

// Paints the emblem filling a canvas of n x n pixels; small sizes keep only the shield and the "V".
void pintaemblema(const Canvas& c);
