// The campaign, mission by mission, through the game's own screens.
#include "campanha/campanha.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "campanha/olhos.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "shell/gravacao.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace fs = std::filesystem;

namespace {

// Ticks until `pronto` holds, at most `n`.
template <class F>
bool espera(Maos& m, int32_t n, F pronto) {
    for (int32_t k = 0; k < n; k++) {
        if (pronto()) return true;
        m.passa();
    }
    return pronto();
}

bool temcomando(uint8_t c) {
    for (int32_t b = 1; b <= MAXBOTOES; b++)
        if (botoes[b].comando == c) return true;
    return false;
}

// Clicks command c once it is on the screen.
bool aperta(Maos& m, uint8_t c, int32_t n = 400) {
    if (!espera(m, n, [c] { return temcomando(c); })) return false;
    m.aperta_comando(c);
    m.passa();
    return true;
}

// From the loading screen through the opening and the trivia page to the main menu.
bool atemenu(Maos& m) {
    if (!espera(m, 2000, [] { return (tela == 2 && ciclotela > 55) || tela == 10; }) || tela == 10) return false;
    m.tecla('Z');
    m.passa();
    return espera(m, 50, [] { return tela == 3; });
}

// On the briefing: save (saying yes to replacing the old save), then, when asked, go on.
bool salvanobriefing(Maos& m) {
    if (!espera(m, 400, [] { return tela == 4 && temcomando(SALVAR); })) return false;
    m.aperta_comando(SALVAR);
    m.passa(2);
    if (perguntasobrescrever && !aperta(m, SOBRESCREVERSIM)) return false;
    return espera(m, 100, [] { return temcomando(CONTINUAR); });
}

bool copia(const fs::path& de, const fs::path& para) {
    std::error_code e;
    fs::copy_file(de, para, fs::copy_options::overwrite_existing, e);
    return !e;
}

}  // namespace

bool jogacampanha(const OpcoesCampanha& o, std::vector<LinhaCampanha>& tabela, std::string& why) {
    std::vector<Rota> rotas;
    std::ifstream fr(fs::path(o.pasta) / "rotas.txt");
    std::stringstream ss;
    ss << fr.rdbuf();
    if (!lerotas(ss.str(), rotas, why)) return false;
    fs::create_directories(fs::path(o.pasta) / "partidas");
    OpenHeadless();
    for (int n = o.primeira; n <= o.ultima; n++) {
        LinhaCampanha linha;
        linha.missao = n;
        // 1. the game starts afresh, recorded; the save it will load goes beside the recording
        char nome[32];
        std::snprintf(nome, sizeof nome, "missao%02d", n);
        fs::path partida = fs::path(o.pasta) / "partidas" / nome;
        if (n > 1 && !copia(fs::path(o.pasta) / "Vorlandocraft.sav", partida.string() + ".sav")) {
            why = "missão " + std::to_string(n) + ": não há jogo salvo da anterior";
            return false;
        }
        if (n == 1) fs::remove(fs::path(o.pasta) / "Vorlandocraft.sav");
        RandSeed(o.semente);
        FormCreate();
        Maos m;
        Gravacao g;
        g.semente = o.semente;
        g.arquivos = arquivospresentes();
        if (!iniciagravacao(partida.string() + ".txt", g, why)) return false;
        // 2. the main menu, a new game or the saved one, the briefing
        bool ok = atemenu(m) && aperta(m, n == 1 ? INICIARJOGO : CARREGARPRINCIPAL) &&
                  espera(m, 50, [n] { return tela == 4 && missao == n; });
        // 3. attempts: save, play; after a defeat "TENTAR NOVAMENTE" sets the mission up again
        for (int t = 1; ok && t <= o.tentativas && !linha.r.vitoria; t++) {
            linha.tentativas = t;
            if (!salvanobriefing(m) || !aperta(m, CONTINUAR) || !espera(m, 20, [] { return tela == 5; })) {
                ok = false;
                break;
            }
            Jogador j(m, rotas);
            linha.r = j.joga(o.limite);
            if (linha.r.vitoria || !derrotado) break;
            if (t < o.tentativas) aperta(m, TENTARDENOVO);
        }
        // 4. after the last mission the ending, to its "FIM"; otherwise the next briefing's save
        if (ok && linha.r.vitoria) {
            if (n == 12) ok = espera(m, 4000, [] { return tela == 6 && cenafinal == 6 && ciclotela >= 327; });
            else ok = salvanobriefing(m);
        }
        linha.tiquestotal = tiques;
        encerragravacao(tiques);
        tabela.push_back(linha);
        // the recording must be one the game replays: read it back as --replay does
        std::ifstream f(partida.string() + ".txt", std::ios::binary);
        std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>()), porque;
        Gravacao lida;
        if (!legravacao(texto, lida, porque)) {
            why = "missão " + std::to_string(n) + ": a gravação seria recusada: " + porque;
            return false;
        }
        if (!ok || !linha.r.vitoria) {
            if (why.empty()) why = "missão " + std::to_string(n) + ": " + (linha.r.motivo.empty() ? "as telas não responderam" : linha.r.motivo);
            return false;
        }
    }
    return true;
}

std::string textotabela(const std::vector<LinhaCampanha>& tabela) {
    std::string t = "| Missão | Resultado | Tentativas | Tiques | Nível | HP | Perdas | Gasto |\n|---|---|---|---|---|---|---|---|\n";
    for (const LinhaCampanha& l : tabela) {
        char b[200];
        std::snprintf(b, sizeof b, "| %d | %s | %d | %d | %d | %d/%d | %d | %.0f |\n", l.missao, l.r.vitoria ? "vitória" : ("derrota: " + l.r.motivo).c_str(),
                      l.tentativas, int(l.r.tiques), l.r.nivel, l.r.hp, l.r.hpmax, l.r.perdas, l.r.gasto);
        t += b;
    }
    return t;
}
