// The output limiter: a short look-ahead, a gliding gain and a final clamp that cannot be passed.
#include "media/limitador.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void limitainicia(Limitador& l, int32_t taxa) {
    l = Limitador{};
    l.taxa = taxa > 0 ? taxa : 44100;
    std::fill(std::begin(l.necessario), std::end(l.necessario), 1.0f);
}

void limita(Limitador& l, float* amostras, int32_t quadros, int32_t canais) {
    if (canais < 1 || canais > LIMITADORCANAIS) return;
    // the gain falls to what the coming peak needs within the look-ahead and rises back slowly
    const float ataque = 1.0f - std::exp(-6.0f / LIMITADORATRASO);
    const float soltura = 1.0f - std::exp(-1.0f / (0.2f * float(l.taxa)));
    for (int32_t q = 0; q < quadros; q++) {
        float* s = amostras + size_t(q) * size_t(canais);
        float pico = 0.0f;
        for (int32_t c = 0; c < canais; c++) pico = std::max(pico, std::fabs(s[c]));
        // NaN or infinity from a broken sound is silence, never a stuck gain
        if (!std::isfinite(pico)) {
            for (int32_t c = 0; c < canais; c++) s[c] = 0.0f;
            pico = 0.0f;
        }
        // the frame that comes in waits; the one that waited its turn goes out
        float sai[LIMITADORCANAIS];
        float precisa = l.necessario[l.pos];
        for (int32_t c = 0; c < canais; c++) {
            sai[c] = l.atraso[l.pos][c];
            l.atraso[l.pos][c] = s[c];
        }
        l.necessario[l.pos] = pico > LIMITADORTETO ? LIMITADORTETO / pico : 1.0f;
        l.pos = (l.pos + 1) % LIMITADORATRASO;
        float alvo = *std::min_element(std::begin(l.necessario), std::end(l.necessario));
        alvo = std::min(alvo, precisa);
        l.ganho += (alvo - l.ganho) * (alvo < l.ganho ? ataque : soltura);
        float g = std::min(l.ganho, precisa);  // whatever the glide, the frame going out stays under the ceiling
        for (int32_t c = 0; c < canais; c++) s[c] = sai[c] * g;
    }
}
