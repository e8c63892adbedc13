// Helpers every part of the game uses: rounding and distance.
#pragma once
#include <cmath>
#include <cstdint>

// A real becomes an integer by the nearest integer, halves going to the even neighbour
// (0.5 gives 0, 1.5 gives 2, 2.5 gives 2). The one rounding helper of the game.
inline int32_t arredonda(double v) {
    double r = std::nearbyint(v);  // the default rounding mode rounds halves to even
    if (!(r == r)) return 0;
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return -2147483647 - 1;
    return int32_t(r);
}

// Euclidean distance between two map points, in pixels.
inline double distancia(double x1, double y1, double x2, double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}
