// The control list: emptied every frame, then filled by whatever screen is showing.
// TODO(command buttons): the command table that gives each control its caption, style, hot key,
// picture, prices and tooltip, and desenhabotoes, which draws the list.
#include "render/botoes.h"

Botao botoes[MAXBOTOES + 1];

void limpabotoes() {
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        botoes[b].comando = 0;
        botoes[b].legenda.clear();
        botoes[b].atalho = 0;
    }
}

void criabotao(int32_t comando, int32_t x, int32_t y) {
    // 1. the first free record; none left means the control is dropped
    int32_t b = 1;
    while (b <= MAXBOTOES && botoes[b].comando != 0) b++;
    if (b > MAXBOTOES) return;
    // 2. the command and its place, everything else cleared
    Botao& r = botoes[b];
    r.comando = uint8_t(comando);
    r.posx = x;
    r.posy = y;
    r.precodinheiro = r.precocomida = r.precomp = 0;
    r.numero = r.estilo = r.imagem = r.automatico = r.destaque = r.teclaesc = 0;
    r.linha1.clear();
    r.linha2.clear();
    r.linha3.clear();
    r.linha4.clear();
}
