// The output limiter: however many sounds play at once, the mix stays below full scale.
#pragma once
#include <cstdint>

// Interleaved float frames are mixed without clipping; the limiter then turns the mix down just before a
// peak would pass the ceiling (it looks a millisecond and a half ahead, so the gain glides rather than
// jumps) and lets it back up over a fifth of a second. The output lags the input by LIMITADORATRASO frames.
inline constexpr float LIMITADORTETO = 0.891f;  // -1 dB below full scale
inline constexpr int32_t LIMITADORATRASO = 64;
inline constexpr int32_t LIMITADORCANAIS = 2;

struct Limitador {
    int32_t taxa = 44100;
    float ganho = 1.0f;
    float atraso[LIMITADORATRASO][LIMITADORCANAIS] = {};
    float necessario[LIMITADORATRASO] = {};  // the gain each waiting frame needs, 1 when it needs none
    int32_t pos = 0;
};

void limitainicia(Limitador& l, int32_t taxa);
// Limits `quadros` frames of `canais` (1 or 2) interleaved samples in place.
void limita(Limitador& l, float* amostras, int32_t quadros, int32_t canais);
