// The error screen: the message of the first failure and the only way out, Z.
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

void mostraerro(const std::string& mensagemerro) {
    if (erro.empty()) erro = mensagemerro;  // the first failure is the one shown
    tela = 10;
}

void telaerro() {
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    pintaretangulo(80, 200, 720, 300, Cor{120, 90, 0});
    desenharetangulo(80, 200, 720, 300, Cor{255, 255, 255});
    escrevetexto(400, 210, "- ERRO -", "c", 20, Cor{200, 0, 0});
    escrevetexto(400, 240, erro, "c", 15, Cor{255, 255, 255});
    escrevetexto(400, 270, "APERTE Z PARA FINALIZAR.", "c", 15, Cor{255, 255, 255});
}
