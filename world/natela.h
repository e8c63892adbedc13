// Whether a map point is on or near the screen: sounds are requested only for such things.
#pragma once
#include "world/estado.h"

inline bool natela(double x, double y) {
    return camerax - 100 < x && x < camerax + 900 && cameray - 100 < y && y < cameray + 500;
}
