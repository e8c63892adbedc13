// Plays the campaign with the scripted player and prints the table of its missions.
//   joga_campanha --pasta DIR [--semente S] [--missoes A-B]
// DIR must hold the game's asset folders (or links to them) and rotas.txt; the saved game and the
// recordings (partidas/missaoNN.txt, with the save each one loads) are written there.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "campanha/campanha.h"

int main(int argc, char** argv) {
    OpcoesCampanha o;
    for (int k = 1; k < argc; k++) {
        std::string a = argv[k];
        if (a == "--pasta" && k + 1 < argc) o.pasta = argv[++k];
        else if (a == "--semente" && k + 1 < argc) o.semente = std::strtoull(argv[++k], nullptr, 10);
        else if (a == "--missoes" && k + 1 < argc) std::sscanf(argv[++k], "%d-%d", &o.primeira, &o.ultima);
        else {
            std::fprintf(stderr, "use: joga_campanha --pasta DIR [--semente S] [--missoes A-B]\n");
            return 2;
        }
    }
    if (o.pasta.empty()) {
        std::fprintf(stderr, "joga_campanha: falta --pasta\n");
        return 2;
    }
    std::filesystem::current_path(o.pasta);
    o.pasta = ".";
    std::vector<LinhaCampanha> tabela;
    std::string why;
    bool bom = jogacampanha(o, tabela, why);
    std::printf("Semente %llu\n%s", (unsigned long long)o.semente, textotabela(tabela).c_str());
    if (!bom) std::fprintf(stderr, "joga_campanha: %s\n", why.c_str());
    return bom ? 0 : 1;
}
