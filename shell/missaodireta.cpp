// Straight into a mission (--mission N), for testing and review: the asset folders are read as
// the loading screen reads them, a new game starts at mission N and tick 1 is its first gameplay
// tick, as if "CONTINUAR ..." had been pressed on the briefing.
#include "shell/missaodireta.h"

#include "input/mouse.h"
#include "missions/missoes.h"
#include "shell/carregamento.h"
#include "world/estado.h"
#include "world/unidades.h"

void iniciamissaodireta(int32_t n) {
    // 1. the asset folders in loading order; after a missing file no later folder is tried, the
    // loading screen being on the error screen by then
    for (int p = 0; p < NUMPASTASCARGA && erro.empty(); p++) carregapasta(p);
    if (!erro.empty() || tela == 10) return;
    abremissao(n);
}

void abremissao(int32_t n) {
    // 2. a new game ("INICIAR O JOGO") at mission n: the new-game hero
    novoheroisalvo();
    missao = uint8_t(n);
    // 3. the briefing's set-up of the mission
    preparamissao = true;
    criamapa(missao);
    if (tela == 10) return;  // a missing music file stops here, as on the briefing
    // 4. "CONTINUAR ...": the next tick is the first gameplay tick; the pointer rests where the
    // button was clicked, away from the scrolling edges
    tela = 5;
    ciclotela = 0;
    musicainiciar = true;
    pausajogador = false;
    mousex = 625 + 80;
    mousey = 550 + 16;
}
