// The ways to run: the SDL window with its timer, the headless runner's ticks back to back, or the
// runner driven through standard input; each can record its input or play a recording back.
#include "shell/executa.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "input/comandos.h"
#include "assets/pacotes.h"
#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "shell/ajustes.h"
#include "shell/gravacao.h"
#include "shell/interativo.h"
#include "shell/missaodireta.h"
#include "shell/pastas.h"
#include "shell/registros.h"
#include "shell/roteiro.h"
#include "shell/shell.h"
#include "shell/trava.h"
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
    // the settings: kept in the file only by a window run that plays no recording (a headless run
    // starts from the defaults, the same on every machine; a replay from the recording's)
    bool guardaajustes = false;
    std::string arquivoajustes;
    Ajustes gravados;      // what the file holds now
    int32_t escala = 0;    // the window's scale as opened
    bool moldura = false;  // and whether it has the window manager's frame
};

// The player's folder for a relative name given in a window (a recording); as it is otherwise.
std::string dojogador(const std::string& caminho) {
    if (caminho.empty() || caminho[0] == '/' || Folder(Pasta::jogador) == ".") return caminho;
    return Folder(Pasta::jogador) + "/" + caminho;
}

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
        // a recording made from the window is in the player's folder
        std::error_code ec;
        std::string caminho = o.reproduz;
        if (!std::filesystem::exists(caminho, ec) && std::filesystem::exists(dojogador(caminho), ec)) caminho = dojogador(caminho);
        if (!learquivoroteiro(caminho, texto, porque)) {
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
        if (!p.g.versao.empty() && p.g.versao != versaoprograma)
            std::fprintf(stderr, "vorlandocraft: aviso: a partida foi gravada pela versão %s, esta é a %s; "
                                 "a repetição pode divergir\n", p.g.versao.c_str(), versaoprograma);
        if (!p.g.temajustes) p.g.ajustes = Ajustes{};
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

// A setting changed since the file was written: the file again, whole.
void guardaajustes(Partida& p) {
    if (!p.guardaajustes) return;
    Ajustes a = ajustesdojogo();
    a.escala = p.escala;
    a.moldura = p.moldura;
    if (a == p.gravados) return;
    if (!gravaajustes(p.arquivoajustes, a)) {
        std::fprintf(stderr, "vorlandocraft: aviso: não foi possível gravar os ajustes em %s\n", p.arquivoajustes.c_str());
        p.guardaajustes = false;  // said once
        return;
    }
    p.gravados = a;
}

int comjanela(const Opcoes& o, Partida& p, int32_t& t) {
    bool ok = true;
    // while a recording plays the player's own input waits; after its last tick it is the player's turn
    if (p.reproducao) SetLiveInput(false);
    manipuladores.tick = [&]() {
        t++;
        ok = umtique(o, p, t) && ok;
        if (p.reproducao && t >= p.g.fim) SetLiveInput(true);
        guardaajustes(p);
        if (p.tiques > 0 && t >= p.tiques) QuitLoop();
    };
    RunSdlLoop();
    SetLiveInput(true);
    return ok ? 0 : 1;
}

// The content and the player's folders, the lock on the latter, and the settings the run starts
// from; warnings on stderr.
void preparapastas(const Opcoes& o, Partida& p) {
    std::string aviso;
    Pastas pastas = escolhepastas(aviso);
    if (!aviso.empty()) std::fprintf(stderr, "vorlandocraft: aviso: %s\n", aviso.c_str());
    SetFolder(Pasta::conteudo, pastas.conteudo);
    SetFolder(Pasta::jogador, pastas.jogador);
    if (!travapasta(pastas.jogador))
        std::fprintf(stderr, "vorlandocraft: outra cópia do jogo já usa a pasta %s; esta não salvará o jogo\n",
                     pastas.jogador.c_str());
    if (o.headless || !o.reproduz.empty()) return;
    p.guardaajustes = true;
    p.arquivoajustes = pastas.ajustes;
    aviso.clear();
    // a bad file gives the defaults, and the next change writes a good one over it
    p.gravados = leajustes(pastas.ajustes, aviso);
    if (!aviso.empty()) std::fprintf(stderr, "vorlandocraft: aviso: %s\n", aviso.c_str());
}

// Opens the window; the exit code when it cannot be opened, else 0. A scale from the settings that
// no longer fits the desktop gives way to the largest that does.
int abrejanela(const Opcoes& o, Partida& p, const Ajustes& inicio) {
    std::string porque;
    OpcoesVideo v;
    // the game's emblem on the window, from the program itself
    Bitmap emblema;
    const uint8_t* dados = nullptr;
    size_t tamanho = 0;
    if (pacoteembutido("emblema", dados, tamanho) && ParseGmb(dados, tamanho, emblema, porque)) v.icon = &emblema;
    v.fullscreen = p.g.telacheia;
    v.framed = p.moldura = o.moldura || inicio.moldura;
    v.scale = p.escala = o.temescala ? o.escala : inicio.escala;
    AberturaTela a = OpenSdl(v, porque);
    if (a == AberturaTela::escalagrande && !o.temescala) {
        std::fprintf(stderr, "vorlandocraft: aviso: %s\n", porque.c_str());
        v.scale = p.escala = 0;
        a = OpenSdl(v, porque);
    }
    if (a == AberturaTela::escalagrande) {
        std::fprintf(stderr, "vorlandocraft: %s\n", porque.c_str());
        return 2;
    }
    if (a != AberturaTela::ok) {
        std::fprintf(stderr, "Vorlandocraft: %s\n", porque.c_str());
        std::fprintf(stderr, "Sem tela disponível: rode com --headless para testes.\n");
        return 1;
    }
    return 0;
}

}  // namespace

int executajogo(const Opcoes& o) {
    Partida p;
    preparapastas(o, p);
    // the settings the run starts from: the file's in a window, the recording's in a replay
    Ajustes inicio = p.guardaajustes ? p.gravados : Ajustes{};
    p.g.ajustes = inicio;
    if (!preparapartida(o, p)) return 2;
    if (p.reproducao) inicio = p.g.ajustes;
    else if (!o.telacheia && p.guardaajustes) p.g.telacheia = inicio.telacheia;
    RandSeed(p.g.semente);
    ligamanipuladores();
    if (!o.headless) {
        if (int r = abrejanela(o, p, inicio)) return r;
    } else {
        OpenHeadless();
    }
    FormCreate();
    telacheia = p.g.telacheia;  // the window opened in that mode; the dump says so in both runs
    aplicaajustes(inicio);
    if (p.g.missao != 0) iniciamissaodireta(p.g.missao);
    if (!o.grava.empty()) {
        std::string porque;
        if (!iniciagravacao(o.headless ? o.grava : dojogador(o.grava), p.g, porque)) {
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
