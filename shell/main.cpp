// Vorlandocraft: the program's entry point.
#include <cstdio>
#include <cstring>

#include "shell/executa.h"

int main(int argc, char** argv) {
    // --help and --version answer whatever else the line holds
    for (int k = 1; k < argc; k++) {
        if (!std::strcmp(argv[k], "--help")) {
            std::printf("%s%s", ajudaopcoes, ajudacompleta);
            return 0;
        }
        if (!std::strcmp(argv[k], "--version")) {
            std::printf("vorlandocraft %s\n", versaoprograma);
            return 0;
        }
    }
    Opcoes o;
    std::string porque;
    if (!leopcoes(std::vector<std::string>(argv + 1, argv + argc), o, porque)) {
        std::fprintf(stderr, "vorlandocraft: %s\n%s", porque.c_str(), ajudaopcoes);
        return 2;
    }
    return executajogo(o);
}
