// gera_emblema <gen folder> <hicolor folder>: the emblem as desktop icons (NxN/apps/vorlandocraft.png)
// and as the window's icon (the pack "emblema": one 64 x 64 picture, white transparent).
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "emblema.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: gera_emblema <pasta gen> <pasta hicolor>\n");
        return 2;
    }
    bool ok = true;
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        Canvas c(n, n);
        pintaemblema(c);
        std::string pasta = std::string(argv[2]) + "/" + std::to_string(n) + "x" + std::to_string(n) + "/apps";
        std::error_code ec;
        std::filesystem::create_directories(pasta, ec);
        ok = cairo_surface_write_to_png(c.surface, (pasta + "/vorlandocraft.png").c_str()) == CAIRO_STATUS_SUCCESS && ok;
    }
    Canvas janela(64, 64);
    pintaemblema(janela);
    ok = write_pack(std::string(argv[1]) + "/emblema.pack", {sprite_from_canvas(janela, 128)}) && ok;
    if (!ok) std::fprintf(stderr, "gera_emblema: não foi possível gravar os ícones\n");
    return ok ? 0 : 1;
}
