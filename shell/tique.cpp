// The frame tick: one complete frame of the current screen state, then the pointer, then present.
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"

bool avancaciclo(int16_t periodo) {
    ciclotelamax = periodo;
    ciclotela = int16_t(ciclotela + 1);
    return ciclotela >= ciclotelamax;
}

void DXTimer1Timer() {
    tiques++;
    // game time moves on by the period that has just gone by
    TickClock();
    // the speed setting takes effect from the next call
    SetTimerInterval(velocidadejogo);
    // an exit request still lets this tick run; the loop ends when it returns
    if (sair) QuitLoop();
    // the state blocks in this order: a state a block enters is drawn by the next block in the same tick
    if (tela == 0) telacarregamento();
    if (tela == 1) telaabertura();
    if (tela == 2) telatrivia();
    if (tela == 3) telamenu();
    if (tela == 4) telabriefing();
    if (tela == 5) telajogo();
    if (tela == 6) telafinal();
    if (tela == 10) telaerro();
    desenhaponteiro();
    Present();
}
