// Checks the twelve built-in layouts with the game's own code and writes the hero's verified
// routes; the build stops, naming the mission and the place, when a check fails.
//   verifica_mapas <routes file> [review folder] [mission]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/picture.h"
#include "mapas/verificador/verificador.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "use: verifica_mapas <routes file> [review folder] [mission]\n");
        return 2;
    }
    std::string revisao = argc > 2 ? argv[2] : "";
    int so = argc > 3 ? std::atoi(argv[3]) : 0;
    std::vector<Rota> todas;
    bool bom = true;
    long total = 0;
    for (int n = 1; n <= 12; n++) {
        if (so && n != so) continue;
        std::vector<Rota> rotas;
        std::string why;
        if (!planejarotas(n, 8, rotas, why)) { std::fprintf(stderr, "%s", why.c_str()); bom = false; }
        for (const Rota& r : rotas) {
            std::vector<int> tiques;
            std::string porque;
            if (!caminharota(r, 1, tiques, porque)) { std::fprintf(stderr, "%s\n", porque.c_str()); bom = false; }
            for (int t : tiques) total += t;
        }
        std::vector<Soltura> solturas;
        std::string porque;
        if (!verificamonstros(n, 1, 3, solturas, porque)) { std::fprintf(stderr, "%s", porque.c_str()); bom = false; }
        if (!revisao.empty()) {
            char nome[64];
            std::snprintf(nome, sizeof nome, "/rotas%02d.png", n);
            desenharevisao(revisao + nome, n, rotas, solturas);
        }
        todas.insert(todas.end(), rotas.begin(), rotas.end());
    }
    std::printf("%zu routes, %ld ticks of walking\n", todas.size(), total);
    // rejected routes are kept beside the file for review, and the file itself is not written
    std::string texto = textorotas(todas);
    std::string destino = bom ? argv[1] : std::string(argv[1]) + ".rejeitadas";
    if (!write_file(destino, std::vector<uint8_t>(texto.begin(), texto.end()))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return bom ? 0 : 1;
}
