// The screens outside play: their cycle counters and transitions.
#include "assets/sons.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

void telaabertura() {
    if (avancaciclo(150)) {
        tela = 2;
        ciclotela = 0;
        triviaatual = uint8_t(Random(10) + 1);  // a trivia page chosen at random
    }
}

void telatrivia() {
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    if (avancaciclo(150)) ciclotela = 50;
}

void telamenu() {
    pintaretangulo(0, 0, 800, 600, Cor{120, 0, 0});
    paramusicapedida();
    if (avancaciclo(15)) ciclotela = 0;
}

void telabriefing() {
    if (preparamissao) criamapa(missao);  // the mission is built on the first briefing tick
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    paramusicapedida();
    if (avancaciclo(110)) ciclotela = 100;
}

void telafinal() {
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    iniciamusicafinal();
    if (avancaciclo(400)) {
        ciclotela = 0;
        cenafinal = uint8_t(cenafinal + 1);
    }
}
