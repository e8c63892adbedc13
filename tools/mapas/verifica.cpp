// Checks a layout's facts: its size, exact counts by type, the key cells and stray colours. Whether
// units can cross it is checked with the game's own movement (verificador/).
#include "mapas/mapas.h"

#include <algorithm>
#include <map>

static int conteudoem(const Picture& p, int x, int y) {
    const uint8_t* c = p.at(x, y);
    return conteudocor(c[0], c[1], c[2]);
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
    return true;
}
