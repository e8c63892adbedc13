// Reading a recording back: its header of "#" lines and its events. Recordings come attached to bug
// reports, so nothing in them is trusted: every header value is checked as the command line checks it.
#include <sstream>

#include "shell/gravacao.h"

namespace {

// "musica 1 efeitos 1 vozes 1 velocidade 20": the settings the run started with
bool leajustesgravados(std::istringstream& c, Ajustes& a) {
    std::string nome, valor;
    int64_t v = 0;
    while (c >> nome) {
        if (!(c >> valor)) return false;
        if (nome == "velocidade") {
            if (!inteirolimitado(valor, v, 0, 100)) return false;
            a.velocidade = int32_t(v);
            continue;
        }
        bool* chave = nome == "musica" ? &a.musica : nome == "efeitos" ? &a.efeitos : nome == "vozes" ? &a.vozes : nullptr;
        if (!chave || !inteirolimitado(valor, v, 0, 1)) return false;
        *chave = v != 0;
    }
    return true;
}

}  // namespace

bool legravacao(const std::string& texto, Gravacao& g, std::string& porque) {
    if (!leroteiro(texto, g.eventos, porque)) return false;
    std::istringstream in(texto);
    std::string l;
    bool temsemente = false;
    for (int32_t n = 1; std::getline(in, l); n++) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        std::istringstream c(l);
        std::string cerquilha, chave, valor, sobra;
        if (!(c >> cerquilha >> chave) || cerquilha != "#") continue;
        auto ruim = [&](const std::string& forma) {
            porque = "linha " + std::to_string(n) + ": \"# " + chave + "\" espera " + forma + ": " + trechodalinha(l);
            return false;
        };
        int64_t v = 0;
        bool umvalor = bool(c >> valor) && !(c >> sobra);
        if (chave == "semente") {
            if (!umvalor || !inteirolimitado(valor, v, 0, INT64_MAX)) return ruim("uma semente de 0 a 9223372036854775807");
            g.semente = uint64_t(v);
            temsemente = true;
        } else if (chave == "missao") {
            if (!umvalor || !inteirolimitado(valor, v, 0, 12)) return ruim("uma missão de 0 a 12");
            g.missao = int32_t(v);
        } else if (chave == "telacheia") {
            if (!umvalor || !inteirolimitado(valor, v, 0, 1)) return ruim("0 ou 1");
            g.telacheia = v != 0;
        } else if (chave == "fim") {
            if (!umvalor || !inteirolimitado(valor, v, 0, MAXTIQUES)) return ruim("um tique de 0 a " + std::to_string(MAXTIQUES));
            g.fim = int32_t(v);
        } else if (chave == "versao") {
            if (!umvalor) return ruim("a versão do programa");
            g.versao = trechodalinha(valor, 40);
        } else if (chave == "ajustes") {
            std::istringstream resto(l.substr(l.find("ajustes") + 7));
            if (!leajustesgravados(resto, g.ajustes)) return ruim("musica, efeitos e vozes 0 ou 1 e velocidade de 0 a 100");
            g.temajustes = true;
        } else if (chave == "arquivos") {
            std::string resto = l.substr(l.find("arquivos") + 8);
            size_t a = resto.find_first_not_of(" \t");
            g.arquivos = a == std::string::npos ? "" : trechodalinha(resto.substr(a), 200);
        }
    }
    if (!temsemente) {
        porque = "não é uma partida gravada (falta a linha \"# semente\")";
        return false;
    }
    if (g.fim <= 0) g.fim = g.eventos.empty() ? 0 : g.eventos.back().tique;
    return true;
}
