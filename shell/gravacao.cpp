// Recording a run and reading a recording back.
#include "shell/gravacao.h"

#include <cstdio>

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
    manipuladores.close = [m]() {
        anota({EventoRoteiro::CLOSE, 0, false, 0, 0, 0});
        if (m.close) m.close();
        else QuitLoop();
    };
    manipuladores.pointerinside = [m](bool dentro) {
        anota({dentro ? EventoRoteiro::ENTER : EventoRoteiro::LEAVE, 0, false, 0, 0, 0});
        if (m.pointerinside) m.pointerinside(dentro);
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
