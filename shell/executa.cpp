// The ways to run: the SDL window with its timer, the headless runner's ticks back to back, or the
// runner driven through standard input; each can record its input or play a recording back.
#include "shell/executa.h"

#include <chrono>
#include <cstdio>

#include "input/comandos.h"
#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "shell/gravacao.h"
#include "shell/interativo.h"
#include "shell/missaodireta.h"
#include "shell/registros.h"
#include "shell/roteiro.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

void ligamanipuladores() {
    manipuladores = {};
    manipuladores.keydown = FormKeyDown;
    manipuladores.mousedown = DXDraw1MouseDown;
    manipuladores.mouseup = DXDraw1MouseUp;
    manipuladores.mousemove = DXDraw1MouseMove;
    manipuladores.pointerinside = DXDraw1MouseInside;
    manipuladores.close = pedidodefechar;
}

// What a run starts from and the input it is given.
struct Partida {
    Gravacao g;            // seed, mission, full screen, files: the recording's, or this run's own
    std::vector<EventoRoteiro> eventos;  // scripted or recorded input
    size_t proximo = 0;
    bool reproducao = false;
    int32_t tiques = 0;    // ticks to run (0 in a window: no end)
};

// Reads --input or --replay; false (said on stderr) when the file is missing or bad.
bool preparapartida(const Opcoes& o, Partida& p) {
    p.tiques = o.ticks;
    p.g.missao = o.missao;
    p.g.telacheia = o.telacheia;
    p.g.arquivos = arquivospresentes();
    // the seed is always a number that can be written down, so that every run can be recorded
    p.g.semente = o.temsemente ? o.semente
                               : uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) & INT64_MAX;
    std::string texto, porque;
    if (!o.reproduz.empty()) {
        if (!learquivoroteiro(o.reproduz, texto, porque)) {
            std::fprintf(stderr, "vorlandocraft: gravação %s: %s\n", o.reproduz.c_str(), porque.c_str());
            return false;
        }
        if (!legravacao(texto, p.g, porque)) {
            std::fprintf(stderr, "vorlandocraft: %s: %s\n", o.reproduz.c_str(), porque.c_str());
            return false;
        }
        p.eventos = p.g.eventos;
        p.reproducao = true;
        if (!o.temticks) p.tiques = p.g.fim;
        // the menus depend on these files: a different folder plays a different game
        std::string aqui = arquivospresentes();
        if (aqui != p.g.arquivos)
            std::fprintf(stderr, "vorlandocraft: aviso: a partida foi gravada com [%s] na pasta, aqui há [%s]; "
                                 "a repetição pode divergir\n", p.g.arquivos.c_str(), aqui.c_str());
    } else if (!o.roteiro.empty() && o.roteiro != "-") {
        if (!learquivoroteiro(o.roteiro, texto, porque)) {
            std::fprintf(stderr, "vorlandocraft: roteiro %s: %s\n", o.roteiro.c_str(), porque.c_str());
            return false;
        }
        if (!leroteiro(texto, p.eventos, porque)) {
            std::fprintf(stderr, "vorlandocraft: %s: %s\n", o.roteiro.c_str(), porque.c_str());
            return false;
        }
    }
    return true;
}

// One tick of either loop: the input due, the tick, what the options ask for after it.
bool umtique(const Opcoes& o, Partida& p, int32_t t) {
    SetHeadlessTick(t);
    entregaeventos(p.eventos, p.proximo, t);
    DXTimer1Timer();
    fimdotique();
    return registros(o, t);
}

int semtela(const Opcoes& o, Partida& p, int32_t& t) {
    if (o.roteiro == "-") return rodainterativo(o, t);
    bool ok = true;
    while (t < p.tiques && !QuitRequested()) {
        t++;
        ok = umtique(o, p, t) && ok;
    }
    return ok ? 0 : 1;
}

int comjanela(const Opcoes& o, Partida& p, int32_t& t) {
    bool ok = true;
    // while a recording plays the player's own input waits; after its last tick it is the player's turn
    if (p.reproducao) SetLiveInput(false);
    manipuladores.tick = [&]() {
        t++;
        ok = umtique(o, p, t) && ok;
        if (p.reproducao && t >= p.g.fim) SetLiveInput(true);
        if (p.tiques > 0 && t >= p.tiques) QuitLoop();
    };
    RunSdlLoop();
    SetLiveInput(true);
    return ok ? 0 : 1;
}

}  // namespace

int executajogo(const Opcoes& o) {
    Partida p;
    if (!preparapartida(o, p)) return 2;
    RandSeed(p.g.semente);
    ligamanipuladores();
    if (!o.headless) {
        std::string porque;
        OpcoesVideo v;
        v.fullscreen = p.g.telacheia;
        v.scale = o.escala;
        v.framed = o.moldura;  // a kept setting would give this its default
        AberturaTela a = OpenSdl(v, porque);
        if (a == AberturaTela::escalagrande) {
            std::fprintf(stderr, "vorlandocraft: %s\n", porque.c_str());
            return 2;
        }
        if (a != AberturaTela::ok) {
            std::fprintf(stderr, "Vorlandocraft: %s\n", porque.c_str());
            std::fprintf(stderr, "Sem tela disponível: rode com --headless para testes.\n");
            return 1;
        }
    } else {
        OpenHeadless();
    }
    FormCreate();
    telacheia = p.g.telacheia;  // the window opened in that mode; the dump says so in both runs
    if (p.g.missao != 0) iniciamissaodireta(p.g.missao);
    if (!o.grava.empty()) {
        std::string porque;
        if (!iniciagravacao(o.grava, p.g, porque)) {
            std::fprintf(stderr, "vorlandocraft: %s\n", porque.c_str());
            return 1;
        }
    }
    int32_t t = 0;
    int r = o.headless ? semtela(o, p, t) : comjanela(o, p, t);
    encerragravacao(t);
    if (o.headless && !o.sons.empty()) {
        std::string texto;
        for (const std::string& l : SoundLog()) texto += l + "\n";
        if (!gravatexto(o.sons, texto) && r == 0) r = 1;
    }
    return r;
}
