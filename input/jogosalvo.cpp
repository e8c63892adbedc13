// The saved game: written whole or not at all, read back only when the whole file is sound.
#include "input/jogosalvo.h"

#include "media/media.h"
#include "shell/shell.h"
#include "shell/trava.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {
const char* const INVALIDO = "Arquivo  Vorlandocraft.sav  inválido.";
const char* const ILEGIVEL = "Arquivo  Vorlandocraft.sav  não pôde ser lido.";
}  // namespace

ValoresSave valoressalvos() {
    const Unidade& h = heroisalvo;
    ValoresSave v{missao, h.nivel, h.experiencia, h.forca, h.agilidade, h.inteligencia, h.pontostecnica};
    for (int32_t k = 0; k < 5; k++) v[size_t(7 + k)] = h.tecnicas[k];
    for (int32_t k = 0; k < 6; k++) v[size_t(12 + k)] = h.itens[k];
    return v;
}

std::vector<std::string> linhassave() {
    ValoresSave v = valoressalvos();
    std::vector<std::string> linhas;
    for (int64_t x : v) linhas.push_back(std::to_string(x));
    linhas.push_back(std::to_string(somaverificacao(v)));
    return linhas;
}

void guardavalores(const ValoresSave& v) {
    Unidade& h = heroisalvo;
    missao = uint8_t(v[0]);
    h.nivel = uint8_t(v[1]);
    h.experiencia = uint16_t(v[2]);
    h.forca = uint16_t(v[3]);
    h.agilidade = uint16_t(v[4]);
    h.inteligencia = uint16_t(v[5]);
    h.pontostecnica = uint8_t(v[6]);
    for (int32_t k = 0; k < 5; k++) h.tecnicas[k] = uint8_t(v[size_t(7 + k)]);
    for (int32_t k = 0; k < 6; k++) h.itens[k] = uint8_t(v[size_t(12 + k)]);
}

// A save that cannot be written (a read-only folder, a full disk) leaves the old file as it was and
// says so on the briefing; the run goes on, so the hero's progress is not lost with it.
bool salvajogo() {
    // another copy of the game on the same folder would overwrite this one's save, or be overwritten
    if (pastaocupada()) {
        mensagem = OUTRACOPIA;
        mensagemtempo = 200;
        return false;
    }
    if (WriteTextLines(ARQUIVOSAVE, linhassave(), Pasta::jogador)) {
        mensagem = JOGOSALVO;  // for a moment, so the player knows it worked
        mensagemtempo = 100;
        return true;
    }
    mensagem = "O JOGO NÃO PÔDE SER SALVO NESTA PASTA.";
    mensagemtempo = 200;
    return false;
}

void carregajogo() {
    // 1. no file, nothing to do
    std::vector<uint8_t> bytes;
    if (!FileExists(ARQUIVOSAVE, Pasta::jogador)) return;
    // 2. on to the briefing, which builds the mission
    tela = 4;
    ciclotela = 0;
    preparamissao = true;
    menu = 0;
    // 3.-5. nineteen whole numbers, the check sum of the values as stored, a hero play can have
    // made; a refused file stores nothing
    ValoresSave v{};
    if (!ReadWholeFile(ARQUIVOSAVE, bytes, Pasta::jogador)) {  // there, but closed to the game (permissions)
        mostraerro(ILEGIVEL);
        return;
    }
    if (!lesave(std::string(bytes.begin(), bytes.end()), v)) {
        mostraerro(INVALIDO);
        return;
    }
    guardavalores(v);
}
