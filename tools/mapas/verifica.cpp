// Checks a layout: its size, exact counts by type, the key cells, stray colours and that a walking
// unit can reach everything from the hero's cell.
#include "mapas/mapas.h"

#include <algorithm>
#include <map>
#include <queue>

static int conteudoem(const Picture& p, int x, int y) {
    const uint8_t* c = p.at(x, y);
    return conteudocor(c[0], c[1], c[2]);
}

static bool ehalvo(int c) { return c == 7 || c == 16 || c == 18 || c == 20; }

// Cells a walking unit can stand on: no blocking object (units and chests are passed by).
static bool livre(const Picture& p, int x, int y) {
    int c = conteudoem(p, x, y);
    return !(c >= 1 && c <= 21 && objetobloqueia(c));
}

bool mapaalcancavel(const Picture& p, std::string& why) {
    int hx = -1, hy = -1;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++)
            if (conteudoem(p, x, y) == CONTEUDOUNIDADE + 9) { hx = x; hy = y; }
    if (hx < 0) { why = "no hero"; return false; }
    std::vector<uint8_t> visto(size_t(p.w) * p.h, 0);
    std::queue<std::pair<int, int>> fila;
    visto[size_t(hy) * p.w + hx] = 1;
    fila.push({hx, hy});
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    while (!fila.empty()) {
        auto [x, y] = fila.front();
        fila.pop();
        for (int d = 0; d < 4; d++) {
            int nx = x + dx[d], ny = y + dy[d];
            if (nx < 0 || ny < 0 || nx >= p.w || ny >= p.h || visto[size_t(ny) * p.w + nx] || !livre(p, nx, ny)) continue;
            visto[size_t(ny) * p.w + nx] = 1;
            fila.push({nx, ny});
        }
    }
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            int c = conteudoem(p, x, y);
            bool alcancado = visto[size_t(y) * p.w + x];
            if (ehalvo(c))
                for (int d = 0; d < 4; d++) {
                    int nx = x + dx[d], ny = y + dy[d];
                    alcancado = alcancado || (nx >= 0 && ny >= 0 && nx < p.w && ny < p.h && visto[size_t(ny) * p.w + nx]);
                }
            if ((c >= CONTEUDOUNIDADE || ehalvo(c)) && !alcancado) {
                why = "content " + std::to_string(c) + " at cell (" + std::to_string(x) + ", " + std::to_string(y) +
                      ") cannot be reached from the hero";
                return false;
            }
        }
    return true;
}

// Counts of one kind of content compared with the table; false with a message on a difference.
static bool confere(const std::map<int, int>& contado, int chave, int esperado, const std::string& nome, std::string& why) {
    auto it = contado.find(chave);
    int tem = it == contado.end() ? 0 : it->second;
    if (tem == esperado) return true;
    why = nome + " " + std::to_string(chave) + ": " + std::to_string(tem) + " instead of " + std::to_string(esperado);
    return false;
}

bool verificamapa(int n, const Picture& p, std::string& why) {
    const Ficha& f = fichamapa(n);
    if (p.w != f.w || p.h != f.h) { why = "size differs"; return false; }
    std::map<int, int> contado;  // content -> cells
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            const uint8_t* c = p.at(x, y);
            int k = conteudoem(p, x, y);
            if (k == 0 && !(c[0] == 100 && c[1] == 150 && c[2] == 100)) { why = "stray colour"; return false; }
            contado[k]++;
        }
    // the hero, the target and the boss stand in their cells
    if (conteudoem(p, f.herox, f.heroy) != CONTEUDOUNIDADE + 9) { why = "hero not in its cell"; return false; }
    if (f.alvotipo && conteudoem(p, f.alvox, f.alvoy) != f.alvotipo) { why = "target not in its cell"; return false; }
    if (f.chefex >= 0 && conteudoem(p, f.chefex, f.chefey) != CONTEUDOUNIDADE + 26) { why = "boss not in its cell"; return false; }
    // exact counts by type
    std::map<int, int> esperado;
    esperado[CONTEUDOUNIDADE + 9] = 1;
    if (f.alvotipo) esperado[f.alvotipo] = 1;
    for (Contagem u : f.unidades) esperado[CONTEUDOUNIDADE + u.tipo] += u.qtd;
    for (int i : f.baus) esperado[CONTEUDOBAU + i]++;
    for (Contagem o : f.objetos) esperado[o.tipo] += o.qtd;
    int arvores = contado[1] + contado[2] + contado[3] + contado[4];
    if (arvores != f.arvores) { why = "trees: " + std::to_string(arvores) + " instead of " + std::to_string(f.arvores); return false; }
    for (auto& [k, q] : contado)
        if (k > 4 && !confere(contado, k, esperado[k], "content", why)) return false;
    for (auto& [k, q] : esperado)
        if (!confere(contado, k, q, "content", why)) return false;
    return mapaalcancavel(p, why);
}
