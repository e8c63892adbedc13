// The two timed message lines in the lower left of the play field: each stands at full colour and
// darkens over its last 50 ticks; both stay put while the game is frozen.
#include "render/interface.h"
#include "render/texto.h"
#include "world/estado.h"

// Colour of a line with k ticks left: full, or fading over the last 50.
Cor cormensagem(int32_t k, bool segunda) {
    if (k >= 50) return segunda ? BRANCO : Cor{255, 255, 100};
    uint8_t v = uint8_t(105 + 3 * k);
    return Cor{v, v, segunda ? v : uint8_t(2 * k)};
}

void vermensagem() {
    // 1. the first line: refusals and the like
    if (mensagemtempo > 0) {
        escrevetexto(30, 430, mensagem, "-", 12, cormensagem(mensagemtempo, false));
        if (!pausa) mensagemtempo--;
    }
    // 2. the second line: the objective and its completion
    if (mensagem2tempo > 0) {
        escrevetexto(30, 410, mensagem2, "-", 13, cormensagem(mensagem2tempo, true));
        if (!pausa) mensagem2tempo--;
    }
}
