// The interactive runner: "step N", "dump PATH", "shot PATH", "shot T=PATH", "quit", and event
// lines in the scripted-input format, each delivered before the first tick not yet run that is at
// or after its own.
#include "shell/interativo.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "media/media.h"
#include "shell/despejo.h"
#include "shell/gravacao.h"
#include "shell/registros.h"
#include "shell/roteiro.h"
#include "shell/shell.h"

namespace {

// events queued and not yet run: a bound as a script file has one
constexpr size_t MAXPENDENTES = 1000000;

void responde(const std::string& s) {
    std::fputs((s + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string apara(const std::string& s) {
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

struct Sessao {
    Sessao(const Opcoes& opcoes, int32_t& tiquesrodados) : o(opcoes), t(tiquesrodados) {}
    const Opcoes& o;
    int32_t& t;
    std::vector<EventoRoteiro> pendentes;                 // arrived, not yet delivered, in order of arrival
    std::vector<std::pair<int32_t, std::string>> fotos;   // "shot T=PATH" still to come
    bool ok = true;                                       // every file the options asked for was written

    bool acabou() const { return QuitRequested() || (o.temticks && t >= o.ticks); }

    // One tick; "" or what could not be written.
    std::string tique() {
        t++;
        std::vector<EventoRoteiro> devidos, resto;
        for (const EventoRoteiro& e : pendentes) (e.tique <= t ? devidos : resto).push_back(e);
        pendentes.swap(resto);
        std::stable_sort(devidos.begin(), devidos.end(), [](const EventoRoteiro& a, const EventoRoteiro& b) { return a.tique < b.tique; });
        for (const EventoRoteiro& e : devidos) entregaevento(e);
        SetHeadlessTick(t);
        DXTimer1Timer();
        fimdotique();
        std::string falha;
        if (!registros(o, t)) {
            ok = false;
            falha = "tique " + std::to_string(t) + ": um arquivo de --shot ou --state não pôde ser gravado";
        }
        for (auto it = fotos.begin(); it != fotos.end();) {
            if (it->first != t) { ++it; continue; }
            std::string porque;
            if (!SaveScreenshot(it->second, porque)) falha = "tique " + std::to_string(t) + ": não foi possível gravar " + it->second;
            it = fotos.erase(it);
        }
        return falha;
    }

    void passo(const std::string& arg) {
        int64_t n = 0;
        if (!inteirolimitado(arg, n, 0, MAXTIQUES)) return responde("erro step espera um número de tiques: " + trechodalinha(arg));
        std::string falha;
        for (int64_t k = 0; k < n && !acabou(); k++) {
            std::string f = tique();
            if (!f.empty()) falha = f;
        }
        responde(falha.empty() ? "ok " + std::to_string(t) : "erro " + falha);
    }

    void foto(const std::string& arg) {
        size_t eq = arg.find('=');
        int64_t quando = 0;
        if (arg.empty()) return responde("erro shot espera um arquivo");
        if (eq != std::string::npos) {
            // "T=PATH", or a bad one: a file named after a mistyped line is never written
            if (eq == 0 || eq + 1 >= arg.size() || !inteirolimitado(arg.substr(0, eq), quando, 0, MAXTIQUES))
                return responde("erro shot espera ARQUIVO ou TIQUE=ARQUIVO: " + trechodalinha(arg));
            if (quando <= t) return responde("erro o tique " + std::to_string(quando) + " já passou");
            fotos.emplace_back(int32_t(quando), arg.substr(eq + 1));
            return responde("ok");
        }
        std::string porque;
        responde(SaveScreenshot(arg, porque) ? "ok" : "erro não foi possível gravar " + arg + ": " + porque);
    }

    void despeja(const std::string& arg) {
        if (arg.empty()) return responde("erro dump espera um arquivo");
        responde(gravatexto(arg, despejoestado()) ? "ok" : "erro não foi possível gravar " + arg);
    }
};

}  // namespace

int rodainterativo(const Opcoes& o, int32_t& t) {
    Sessao s(o, t);
    std::string l;
    while (std::getline(std::cin, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        // a line no person or program would write: the rest cannot be trusted either
        if (l.size() > 65536 || l.find('\0') != std::string::npos) {
            responde("erro entrada ilegível");
            return 2;
        }
        std::string linha = apara(l);
        if (linha.empty() || linha[0] == '#') continue;
        size_t esp = linha.find_first_of(" \t");
        std::string comando = linha.substr(0, esp), arg = esp == std::string::npos ? "" : apara(linha.substr(esp));
        if (comando[0] >= '0' && comando[0] <= '9') {
            EventoRoteiro e;
            if (s.pendentes.size() >= MAXPENDENTES) responde("erro eventos pendentes demais: rode step");
            else if (leevento(linha, e)) s.pendentes.push_back(e);
            else responde("erro evento inválido: " + trechodalinha(linha));
        } else if (comando == "step") {
            s.passo(arg);
        } else if (comando == "dump") {
            s.despeja(arg);
        } else if (comando == "shot") {
            s.foto(arg);
        } else if (comando == "quit") {
            break;
        } else {
            responde("erro comando desconhecido: " + trechodalinha(comando));
        }
        if (s.acabou()) {
            responde("fim " + std::to_string(t));  // the game ended (its exit request, or --ticks)
            break;
        }
    }
    return s.ok ? 0 : 1;
}
