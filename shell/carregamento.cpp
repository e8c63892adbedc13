// Screen state 0: the loading screen.
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

void telacarregamento() {
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    escrevetexto(10, 10, versao, "-", 15, Cor{255, 255, 255});
    escrevetexto(10, 500, "Carregando ...", "-", 25, Cor{255, 255, 255});
    if (avancaciclo(25)) {
        tela = 1;
        ciclotela = 0;
    }
}
