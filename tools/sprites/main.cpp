// Draws the world sprites: gera_sprites <game folder> <generated sources folder> [<review folder>].
#include <cstdio>

#include "sprites.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: gera_sprites <pasta do jogo> <pasta de gerados> [<pasta de revisão>]\n");
        return 2;
    }
    if (!escreve_sprites(argv[1], argv[2], argc > 3 ? argv[3] : "")) {
        std::fprintf(stderr, "gera_sprites: não foi possível gravar os desenhos\n");
        return 1;
    }
    return 0;
}
