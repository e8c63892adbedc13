// Command-line options.
#include "shell/opcoes.h"


#include "shell/roteiro.h"

const char* const ajudaopcoes =
    "uso: vorlandocraft [--seed S] [--scale K] [--fullscreen] [--moldura] [--mission N] [--record ARQ]\n"
    "                   [--replay ARQ] [--ticks N] [--shot T=ARQ.png]... [--state T=ARQ.json]...\n"
    "     vorlandocraft --headless --ticks N [--seed S] [--input ARQ|-] [--shot T=ARQ.png]...\n"
    "                   [--state T=ARQ.json]... [--sounds ARQ] [--mission N] [--record ARQ] [--replay ARQ]\n"
    "     vorlandocraft --help | --version\n";

const char* const ajudacompleta =
    "\n"
    "Vorlandocraft: estratégia em tempo real com Seu Vorlando e seu bando, em doze missões.\n"
    "\n"
    "  --seed S          semeia o gerador aleatório (senão, o relógio)\n"
    "  --scale K         janela K vezes 800 x 600 (1 a 8; 0 a maior que cabe na tela); fica nos ajustes\n"
    "  --fullscreen      começa em tela cheia (Enter alterna); fica nos ajustes\n"
    "  --mission N       começa direto na missão N (1 a 12), sem menus\n"
    "  --record ARQ      grava a semente e cada evento de entrada em ARQ\n"
    "  --replay ARQ      repete uma partida gravada\n"
    "  --ticks N         termina depois do tique N\n"
    "  --shot T=ARQ      grava a tela depois do tique T (PNG 800 x 600)\n"
    "  --state T=ARQ     grava o estado do jogo depois do tique T (JSON)\n"
    "  --headless        sem janela nem som, tiques sem espera (testes e revisões)\n"
    "  --input ARQ|-     entrada roteirizada (com --headless, - lê comandos da entrada padrão)\n"
    "  --sounds ARQ      grava os sons pedidos (com --headless)\n"
    "  --help, --version esta ajuda; a versão\n"
    "\n"
    "Arquivos: o jogo salvo Vorlandocraft.sav e os arquivos-sinal Anselva.dat, Tokyo.dat e Msx.dat ficam em\n"
    "$XDG_DATA_HOME/vorlandocraft (~/.local/share/vorlandocraft), os ajustes em\n"
    "$XDG_CONFIG_HOME/vorlandocraft/ajustes.conf; uma cópia portátil (a pasta atual com as pastas do jogo)\n"
    "guarda tudo na própria pasta. Veja vorlandocraft(6).\n";

// "T=PATH": a tick and a file.
static bool tiqueearquivo(const std::string& s, std::pair<int32_t, std::string>& out) {
    size_t eq = s.find('=');
    int64_t t = 0;
    if (eq == std::string::npos || eq + 1 >= s.size() || !inteirolimitado(s.substr(0, eq), t, 0, MAXTIQUES)) return false;
    out = {int32_t(t), s.substr(eq + 1)};
    return true;
}

bool leopcoes(const std::vector<std::string>& args, Opcoes& o, std::string& porque) {
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& a = args[i];
        bool temvalor = i + 1 < args.size();
        std::string v = temvalor ? args[i + 1] : "";
        int64_t n = 0;
        auto falta = [&](const char* forma) {
            porque = "opção " + a + " espera " + forma;
            return false;
        };
        if (a == "--headless") o.headless = true;
        else if (a == "--fullscreen") o.telacheia = true;
        else if (a == "--moldura") o.moldura = true;
        else if (a == "--ticks") { if (!temvalor || !inteirolimitado(v, n, 0, MAXTIQUES)) return falta("um número de tiques"); o.ticks = int32_t(n); o.temticks = true; i++; }
        else if (a == "--seed") { if (!temvalor || !inteirolimitado(v, n, 0, INT64_MAX)) return falta("uma semente numérica"); o.semente = uint64_t(n); o.temsemente = true; i++; }
        else if (a == "--scale") { if (!temvalor || !inteirolimitado(v, n, 0, 8)) return falta("uma escala de 0 a 8"); o.escala = int32_t(n); o.temescala = true; i++; }
        else if (a == "--mission") { if (!temvalor || !inteirolimitado(v, n, 1, 12)) return falta("uma missão de 1 a 12"); o.missao = int32_t(n); i++; }
        else if (a == "--input") { if (!temvalor) return falta("um arquivo"); o.roteiro = v; i++; }
        else if (a == "--sounds") { if (!temvalor) return falta("um arquivo"); o.sons = v; i++; }
        else if (a == "--record") { if (!temvalor) return falta("um arquivo"); o.grava = v; i++; }
        else if (a == "--replay") { if (!temvalor) return falta("um arquivo"); o.reproduz = v; i++; }
        else if (a == "--shot" || a == "--state") {
            std::pair<int32_t, std::string> p;
            if (!temvalor || !tiqueearquivo(v, p)) return falta("TIQUE=ARQUIVO");
            (a == "--shot" ? o.fotos : o.estados).push_back(p);
            i++;
        } else {
            porque = "opção desconhecida: " + a;
            return false;
        }
    }
    // a recording brings its own seed, mission and input
    if (!o.reproduz.empty() && (o.temsemente || o.missao != 0 || !o.roteiro.empty())) {
        porque = "--replay já traz a semente, a missão e a entrada: sem --seed, --mission ou --input";
        return false;
    }
    if (o.roteiro == "-" && !o.headless) {
        porque = "--input - (comandos pela entrada padrão) só com --headless";
        return false;
    }
    return true;
}
