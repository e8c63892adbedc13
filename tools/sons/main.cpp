// Writes the game's sounds and music tracks into the working folder given as the only argument.
#include "gerador.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) { std::fprintf(stderr, "uso: %s PASTA-DO-JOGO\n", argv[0]); return 2; }
    std::string erro;
    if (!gerartudo(argv[1], erro)) { std::fprintf(stderr, "gen_sons: %s\n", erro.c_str()); return 1; }
    return 0;
}
