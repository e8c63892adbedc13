// The unit table and the hero carry-over record.
#include "world/unidades.h"

Unidade unidades[MAXUNIDADES + 1];
Unidade heroisalvo;

void limpaunidades() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        unidades[u].tipo = 0;
        unidades[u].heroi = false;  // no stale hero is carried into the next mission
    }
}

void novoheroisalvo() {
    heroisalvo.nivel = 1;
    heroisalvo.experiencia = 0;
    heroisalvo.forca = 23;
    heroisalvo.agilidade = 18;
    heroisalvo.inteligencia = 13;
    heroisalvo.pontostecnica = 0;
    const uint8_t tecnicas[5] = {1, 0, 0, 0, 0};
    for (int k = 0; k < 5; k++) heroisalvo.tecnicas[k] = tecnicas[k];
    for (int k = 0; k < 6; k++) heroisalvo.itens[k] = 0;
}
