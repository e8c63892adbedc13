// Reading the saved game's text: nineteen whole numbers, a weighted check sum and a hero that play
// can have made. Nothing here touches the game's tables, so a refused file changes nothing.
#include "input/jogosalvo.h"
#include "world/itens.h"

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

// Whether one attribute is what the level-ups and books can make of its start value: every
// level-up adds `ganho`, a book adds 1 only while the attribute is below 255.
bool atributoalcancavel(int64_t v, int32_t inicial, int32_t ganho, int32_t subidas) {
    return v >= inicial + ganho * subidas && v <= 255 + ganho * subidas;
}
}  // namespace

int32_t somaverificacao(const ValoresSave& v) {
    int32_t s = 0;
    for (size_t i = 0; i < v.size(); i++) s = int32_t(s + PESOS[i] * int32_t(v[i]));
    return s;
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

ValoresSave comoguardados(const ValoresSave& v) {
    ValoresSave g = v;
    for (size_t i = 0; i < g.size(); i++) {
        // experience and the three attributes are 16-bit fields, the rest 8-bit
        bool largo = i >= 2 && i <= 5;
        g[i] = largo ? int64_t(uint16_t(v[i])) : int64_t(uint8_t(v[i]));
    }
    return g;
}

// Whether play can have made this hero. He starts at level 1 knowing the fire staff (1 point in
// it) with 23, 18 and 13 in the attributes; each level-up gives one technique point and 3, 2 and 2
// attribute points, and a point spent becomes one technique level (3 at most). So below the level
// cap points and technique levels add up to the level; at the cap a rise in the pass that caps it
// may have given one more, so there they may add up to more.
bool savejogavel(const ValoresSave& v) {
    const int64_t missao = v[0], nivel = v[1];
    if (missao < 1 || missao > 12) return false;
    for (size_t k = 12; k < 18; k++)
        if (v[k] < 0 || v[k] > MAXITENS) return false;
    if (nivel < 1 || nivel > 15 || v[7] < 1) return false;
    int64_t pontos = v[6];
    for (size_t k = 7; k < 12; k++) {
        if (v[k] > 3) return false;
        pontos += v[k];
    }
    if (nivel < 15 ? pontos != nivel : pontos < 15) return false;
    const int32_t subidas = int32_t(pontos - 1);
    return atributoalcancavel(v[3], 23, 3, subidas) && atributoalcancavel(v[4], 18, 2, subidas) &&
           atributoalcancavel(v[5], 13, 2, subidas);
}

bool lesave(const std::string& texto, ValoresSave& v) {
    ValoresSave lidos{};
    int64_t soma = 0;
    if (!lelinhassave(texto, lidos, soma)) return false;
    ValoresSave g = comoguardados(lidos);
    if (soma != somaverificacao(g) || !savejogavel(g)) return false;
    v = g;
    return true;
}
