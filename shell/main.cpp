// Vorlandocraft: the program's entry point.
#include <cstdio>

#include "shell/executa.h"

int main(int argc, char** argv) {
    Opcoes o;
    std::string porque;
    if (!leopcoes(std::vector<std::string>(argv + 1, argv + argc), o, porque)) {
        std::fprintf(stderr, "vorlandocraft: %s\n%s", porque.c_str(), ajudaopcoes);
        return 2;
    }
    return executajogo(o);
}
