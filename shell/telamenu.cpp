// The main menu (screen state 3): a pulsing red, the animated strip, the title and the entries.
#include "assets/listas.h"
#include "assets/sons.h"
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

void faixa(int32_t c) {
    int32_t k = c < 5 ? 8 : (c < 10 ? 9 : 10);
    if (k >= DXImageListAbertura.Count()) return;
    for (int32_t x : {0, 380, 760}) DrawItem(DXImageListAbertura, k, x, 380);
}
}  // namespace

void telamenu() {
    int32_t c = ciclotela;
    // 1. a red that brightens over 15 ticks and drops back
    pintaretangulo(0, 0, 800, 600, Cor{uint8_t(50 + c), 0, 0});
    // 2. the music stops when asked
    paramusicapedida();
    // 3. the animated strip
    faixa(c);
    // 4. the title
    if (11 < DXImageListAbertura.Count()) DrawItem(DXImageListAbertura, 11, 88, 50);
    // 5. the entries; "CARREGAR" only with a saved game, "FINAL DO JOGO" only with Msx.dat
    limpabotoes();
    criabotao(INICIARJOGO, 320, 330);
    if (existesave) criabotao(CARREGARPRINCIPAL, 320, 365);
    criabotao(SAIRPRINCIPAL, 320, 400);
    if (arquivomsx) criabotao(FINALDOJOGO, 320, 450);
    desenhabotoes();
    if (avancaciclo(15)) ciclotela = 0;
}
