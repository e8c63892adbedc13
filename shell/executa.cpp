// The two ways to run: the SDL window with its timer, or the headless runner's ticks back to back.
#include "shell/executa.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "shell/despejo.h"
#include "shell/roteiro.h"
#include "shell/shell.h"
#include "world/estado.h"

static void ligamanipuladores() {
    manipuladores.keydown = FormKeyDown;
    manipuladores.mousedown = DXDraw1MouseDown;
    manipuladores.mouseup = DXDraw1MouseUp;
    manipuladores.mousemove = DXDraw1MouseMove;
    manipuladores.tick = DXTimer1Timer;
}

static bool gravatexto(const std::string& caminho, const std::string& texto) {
    std::string tmp = caminho + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!(f << texto)) return false;
    }
    return std::rename(tmp.c_str(), caminho.c_str()) == 0;
}

// After tick t: the screenshots and dumps asked for it.
static bool registros(const Opcoes& o, int32_t t) {
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

static int semtela(const Opcoes& o) {
    std::vector<EventoRoteiro> eventos;
    if (!o.roteiro.empty()) {
        std::ifstream f(o.roteiro, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "vorlandocraft: roteiro %s não encontrado\n", o.roteiro.c_str());
            return 2;
        }
        std::stringstream ss;
        ss << f.rdbuf();
        std::string porque;
        if (!leroteiro(ss.str(), eventos, porque)) {
            std::fprintf(stderr, "vorlandocraft: %s: %s\n", o.roteiro.c_str(), porque.c_str());
            return 2;
        }
    }
    bool ok = true;
    for (int32_t t = 1; t <= o.ticks && !QuitRequested(); t++) {
        SetHeadlessTick(t);
        entregaeventos(eventos, t);
        DXTimer1Timer();
        ok = registros(o, t) && ok;
    }
    if (!o.sons.empty()) {
        std::string texto;
        for (const std::string& l : SoundLog()) texto += l + "\n";
        ok = gravatexto(o.sons, texto) && ok;
    }
    return ok ? 0 : 1;
}

int executajogo(const Opcoes& o) {
    if (o.temsemente) RandSeed(o.semente);
    else Randomize();
    ligamanipuladores();
    if (o.headless) {
        OpenHeadless();
        FormCreate();
        return semtela(o);
    }
    std::string porque;
    OpcoesVideo v;
    v.fullscreen = o.telacheia;
    v.scale = o.escala;
    if (!OpenSdl(v, porque)) {
        std::fprintf(stderr, "Vorlandocraft: %s\n", porque.c_str());
        std::fprintf(stderr, "Sem tela disponível: rode com --headless para testes.\n");
        return 1;
    }
    FormCreate();
    telacheia = o.telacheia;
    RunSdlLoop();
    return 0;
}
