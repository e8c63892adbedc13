// Writes the twelve mission layouts as the pack `mapas` and an enlarged review picture of each;
// stops the build when a layout breaks its mission's facts.
#include "mapas/mapas.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) { std::fprintf(stderr, "use: gera_mapas <pack> [review folder]\n"); return 2; }
    std::vector<Picture> mapas;
    bool bom = true;
    for (int n = 1; n <= 12; n++) {
        Picture p = geramapa(n);
        std::string why;
        if (!verificamapa(n, p, why)) { std::fprintf(stderr, "layout %d: %s\n", n, why.c_str()); bom = false; }
        if (argc > 2) {
            char nome[64];
            std::snprintf(nome, sizeof nome, "/ImageMapa%02d.png", n);
            write_png(argv[2] + std::string(nome), p, 8);
        }
        mapas.push_back(std::move(p));
    }
    if (!bom) return 1;
    if (!write_pack(argv[1], mapas)) { std::fprintf(stderr, "cannot write %s\n", argv[1]); return 1; }
    return 0;
}
