// The saved game: written whole or not at all, read back only when every line is a whole number and
// the check sum agrees.
#include "input/jogosalvo.h"

#include "media/media.h"
#include "shell/shell.h"
#include "shell/trava.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {
// weight of lines 1..18 in the check sum
constexpr int32_t PESOS[LINHASSAVE - 1] = {
    3,              // mission
    4,              // level
    1, 1, 2, 1,     // experience, strength, agility, intelligence
    5,              // unspent technique points
    2, 2, 2, 2, 2,  // technique levels 1..5
    3, 3, 3, 3, 3, 3,  // item slots 1..6
};
static_assert(sizeof(PESOS) / sizeof(PESOS[0]) == LINHASSAVE - 1);

const char* const INVALIDO = "Arquivo  Vorlandocraft.sav  inválido.";
const char* const ILEGIVEL = "Arquivo  Vorlandocraft.sav  não pôde ser lido.";

// One line: digits only, at most 10 of them.
bool numero(const std::string& l, int64_t& v) {
    if (l.empty() || l.size() > 10) return false;
    v = 0;
    for (char c : l) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    return true;
}
}  // namespace

ValoresSave valoressalvos() {
    const Unidade& h = heroisalvo;
    ValoresSave v{missao, h.nivel, h.experiencia, h.forca, h.agilidade, h.inteligencia, h.pontostecnica};
    for (int32_t k = 0; k < 5; k++) v[size_t(7 + k)] = h.tecnicas[k];
    for (int32_t k = 0; k < 6; k++) v[size_t(12 + k)] = h.itens[k];
    return v;
}

int32_t somaverificacao(const ValoresSave& v) {
    int32_t s = 0;
    for (size_t i = 0; i < v.size(); i++) s = int32_t(s + PESOS[i] * int32_t(v[i]));
    return s;
}

std::vector<std::string> linhassave() {
    ValoresSave v = valoressalvos();
    std::vector<std::string> linhas;
    for (int64_t x : v) linhas.push_back(std::to_string(x));
    linhas.push_back(std::to_string(somaverificacao(v)));
    return linhas;
}

bool lelinhassave(const std::string& texto, ValoresSave& v, int64_t& soma) {
    size_t p = 0;
    for (int32_t i = 0; i < LINHASSAVE; i++) {
        if (p >= texto.size()) return false;  // fewer than 19 lines
        size_t f = texto.find('\n', p);
        std::string l = texto.substr(p, f == std::string::npos ? std::string::npos : f - p);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        int64_t x;
        if (!numero(l, x)) return false;
        if (i < LINHASSAVE - 1) v[size_t(i)] = x;
        else soma = x;
        p = f == std::string::npos ? texto.size() : f + 1;
    }
    return true;
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

namespace {

// Whether one attribute is what the level-ups and books can make of its start value: every
// level-up adds `ganho`, a book adds 1 only while the attribute is below 255.
bool atributoalcancavel(uint16_t v, int32_t inicial, int32_t ganho, int32_t subidas) {
    return v >= inicial + ganho * subidas && v <= 255 + ganho * subidas;
}

// Whether play can have made this hero. He starts at level 1 knowing the fire staff (1 point in
// it) with 23, 18 and 13 in the attributes; each level-up gives one technique point and 3, 2 and 2
// attribute points, and a point spent becomes one technique level (3 at most). So below the level
// cap points and technique levels add up to the level; at the cap a rise in the pass that caps it
// may have given one more, so there they may add up to more.
bool heroialcancavel(const Unidade& h) {
    if (h.nivel < 1 || h.nivel > 15 || h.tecnicas[0] < 1) return false;
    int32_t pontos = h.pontostecnica;
    for (uint8_t t : h.tecnicas) {
        if (t > 3) return false;
        pontos += t;
    }
    if (h.nivel < 15 ? pontos != h.nivel : pontos < 15) return false;
    const int32_t subidas = pontos - 1;
    return atributoalcancavel(h.forca, 23, 3, subidas) && atributoalcancavel(h.agilidade, 18, 2, subidas) &&
           atributoalcancavel(h.inteligencia, 13, 2, subidas);
}

}  // namespace

bool valoresjogaveis() {
    if (missao < 1 || missao > 12) return false;
    for (uint8_t e : heroisalvo.itens)
        if (e > MAXITENS) return false;
    return heroialcancavel(heroisalvo);
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
    // 3. and 4. nineteen whole numbers; a short or garbled file stores nothing
    ValoresSave v{};
    int64_t soma = 0;
    if (!ReadWholeFile(ARQUIVOSAVE, bytes, Pasta::jogador)) {  // there, but closed to the game (permissions)
        mostraerro(ILEGIVEL);
        return;
    }
    if (!lelinhassave(std::string(bytes.begin(), bytes.end()), v, soma)) {
        mostraerro(INVALIDO);
        return;
    }
    // 5. the sum of the values as stored, then whether play can have made them
    ValoresSave antes = valoressalvos();
    guardavalores(v);
    if (soma != somaverificacao(valoressalvos())) {
        mostraerro(INVALIDO);
        return;
    }
    if (!valoresjogaveis()) {
        guardavalores(antes);
        mostraerro(INVALIDO);
    }
}
