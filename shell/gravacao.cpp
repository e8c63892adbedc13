// Recording a run and reading a recording back.
#include "shell/gravacao.h"

#include <cstdio>
#include <sstream>

#include "media/media.h"
#include "shell/opcoes.h"
#include "shell/shell.h"

namespace {

std::FILE* arquivo = nullptr;

void anota(EventoRoteiro e) {
    if (!arquivo) return;
    e.tique = tiques + 1;  // handlers run between ticks: the event comes before the next one
    std::fprintf(arquivo, "%s\n", linhaevento(e).c_str());
}

// "musica 1 efeitos 1 vozes 1 velocidade 20"
bool leajustesgravados(std::istream& c, Ajustes& a) {
    std::string nome;
    int v = 0;
    while (c >> nome >> v) {
        if (nome == "musica") a.musica = v != 0;
        else if (nome == "efeitos") a.efeitos = v != 0;
        else if (nome == "vozes") a.vozes = v != 0;
        else if (nome == "velocidade" && v >= 0 && v <= 100) a.velocidade = v;
        else return false;
    }
    return true;
}

}  // namespace

std::string arquivospresentes() {
    std::string s;
    for (const char* a : {"Anselva.dat", "Tokyo.dat", "Msx.dat", "Vorlandocraft.sav"})
        if (FileExists(a, Pasta::jogador)) s += std::string(s.empty() ? "" : " ") + a;
    return s.empty() ? "-" : s;
}

bool iniciagravacao(const std::string& caminho, const Gravacao& g, std::string& porque) {
    arquivo = std::fopen(caminho.c_str(), "wb");
    if (!arquivo) {
        porque = "não foi possível gravar " + caminho;
        return false;
    }
    std::fprintf(arquivo, "# Vorlandocraft: partida gravada; vorlandocraft --replay ARQUIVO a repete\n");
    std::fprintf(arquivo, "# versao %s\n", versaoprograma);
    std::fprintf(arquivo, "# semente %llu\n# missao %d\n# telacheia %d\n# arquivos %s\n", (unsigned long long)g.semente,
                 int(g.missao), g.telacheia ? 1 : 0, g.arquivos.c_str());
    const Ajustes& a = g.ajustes;
    std::fprintf(arquivo, "# ajustes musica %d efeitos %d vozes %d velocidade %d\n", a.musica ? 1 : 0, a.efeitos ? 1 : 0,
                 a.vozes ? 1 : 0, int(a.velocidade));
    std::fflush(arquivo);
    // every handler the game has is wrapped: the event is written first, then handled
    Manipuladores m = manipuladores;
    manipuladores.mousemove = [m](int32_t x, int32_t y) {
        anota({EventoRoteiro::MOVE, 0, false, x, y, 0});
        if (m.mousemove) m.mousemove(x, y);
    };
    manipuladores.mousedown = [m](BotaoMouse b, int32_t x, int32_t y) {
        anota({EventoRoteiro::DOWN, 0, b == BOTAODIREITO, x, y, 0});
        if (m.mousedown) m.mousedown(b, x, y);
    };
    manipuladores.mouseup = [m](BotaoMouse b, int32_t x, int32_t y) {
        anota({EventoRoteiro::UP, 0, b == BOTAODIREITO, x, y, 0});
        if (m.mouseup) m.mouseup(b, x, y);
    };
    manipuladores.keydown = [m](int32_t vk) {
        anota({EventoRoteiro::PRESS, 0, false, 0, 0, vk});
        if (m.keydown) m.keydown(vk);
    };
    manipuladores.keyup = [m](int32_t vk) {
        anota({EventoRoteiro::RELEASE, 0, false, 0, 0, vk});
        if (m.keyup) m.keyup(vk);
    };
    return true;
}

void fimdotique() {
    if (arquivo) std::fflush(arquivo);
}

void encerragravacao(int32_t fim) {
    if (!arquivo) return;
    std::fprintf(arquivo, "# fim %d\n", int(fim));
    std::fclose(arquivo);
    arquivo = nullptr;
}

bool legravacao(const std::string& texto, Gravacao& g, std::string& porque) {
    if (!leroteiro(texto, g.eventos, porque)) return false;
    std::istringstream in(texto);
    std::string l;
    bool temsemente = false;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        std::istringstream c(l);
        std::string cerquilha, chave;
        if (!(c >> cerquilha >> chave) || cerquilha != "#") continue;
        if (chave == "semente") temsemente = bool(c >> g.semente);
        else if (chave == "missao") c >> g.missao;
        else if (chave == "telacheia") { int v = 0; c >> v; g.telacheia = v != 0; }
        else if (chave == "arquivos") std::getline(c >> std::ws, g.arquivos);
        else if (chave == "fim") c >> g.fim;
        else if (chave == "versao") c >> g.versao;
        else if (chave == "ajustes") g.temajustes = leajustesgravados(c, g.ajustes);
    }
    if (!temsemente) {
        porque = "não é uma partida gravada (falta a linha \"# semente\")";
        return false;
    }
    if (g.missao < 0 || g.missao > 12) {
        porque = "missão " + std::to_string(g.missao) + " fora de 1..12";
        return false;
    }
    if (g.fim <= 0) g.fim = g.eventos.empty() ? 0 : g.eventos.back().tique;
    return true;
}
