// The line over a game frozen by the Pause key, on a dark strip across the middle of the play field.
#include "render/interface.h"
#include "render/texto.h"
#include "world/estado.h"

const char* const TEXTOPAUSA = "JOGO PAUSADO - PRESSIONE PAUSE PARA CONTINUAR";

void avisopausa() {
    if (!pausajogador || menu != 0) return;  // an open page covers it
    const int32_t meia = TextWidth(TEXTOPAUSA, 14) / 2 + 16;
    pintaretangulo(400 - meia, 196, 400 + meia, 226, Cor{20, 16, 8});
    desenharetangulo(400 - meia, 196, 400 + meia - 1, 225, Cor{190, 150, 60});
    escrevetexto(400, 201, TEXTOPAUSA, "c", 14, CORPAUSA);
}
