// Screenshots and dumps after the ticks the options name.
#include "shell/registros.h"

#include <cstdio>
#include <fstream>

#include "media/media.h"
#include "shell/despejo.h"

bool gravatexto(const std::string& caminho, const std::string& texto) {
    std::string tmp = caminho + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!(f << texto)) return false;
    }
    return std::rename(tmp.c_str(), caminho.c_str()) == 0;
}

bool registros(const Opcoes& o, int32_t t) {
    bool ok = true;
    for (const auto& [tique, caminho] : o.fotos) {
        std::string porque;
        if (tique == t && !SaveScreenshot(caminho, porque)) {
            std::fprintf(stderr, "vorlandocraft: não foi possível gravar %s: %s\n", caminho.c_str(), porque.c_str());
            ok = false;
        }
    }
    for (const auto& [tique, caminho] : o.estados)
        if (tique == t && !gravatexto(caminho, despejoestado())) {
            std::fprintf(stderr, "vorlandocraft: não foi possível gravar %s\n", caminho.c_str());
            ok = false;
        }
    return ok;
}
