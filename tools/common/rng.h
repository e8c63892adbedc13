// The generators' own random numbers: splitmix64, the same bytes on every machine and compiler.
#pragma once
#include <cstdint>

struct Rng {
    uint64_t state;
    explicit Rng(uint64_t seed) : state(seed) {}
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // uniform in [0, 1)
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // uniform in [a, b)
    double range(double a, double b) { return a + (b - a) * uniform(); }
    // uniform integer in [0, n), 0 for n <= 0
    int below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }
};
