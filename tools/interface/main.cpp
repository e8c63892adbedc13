// interface_tool <gen folder> <game folder> <review folder>: paints the interface art.
#include <cstdio>

#include "interface/interface.h"
#include "interface/pintura.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: interface_tool <pasta gen> <pasta do jogo> <pasta de revisão>\n");
        return 2;
    }
    bool ok = geratudo(argv[1], argv[2], argv[3]);
    liberafontes();
    if (!ok) {
        std::fprintf(stderr, "interface_tool: não foi possível gravar os arquivos\n");
        return 1;
    }
    return 0;
}
