// The game's one random generator (PCG32). Random(n) maps 32 random bits onto 0..n-1.
#include "media/media.h"


static uint64_t estado = 0x853C49E6748FEA9Bull;
static const uint64_t incremento = 0xDA3E39CB94B95BDBull;

static uint32_t proximo() {
    uint64_t old = estado;
    estado = old * 6364136223846793005ull + incremento;
    uint32_t xorshifted = uint32_t(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = uint32_t(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

void RandSeed(uint64_t seed) {
    estado = 0;
    proximo();
    estado += seed;
    proximo();
}

int32_t Random(int32_t n) {
    if (n <= 0) return 0;
    return int32_t((uint64_t(proximo()) * uint64_t(n)) >> 32);
}
