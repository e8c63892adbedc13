// The units' positions beside their records, for the bump search of the units' pass.
#include "world/posicoesunidades.h"

#include <algorithm>

#include "world/unidades.h"

PosicaoUnidade posicoesunidades[MAXUNIDADES + 1];
bool posicoesabertas = false;
int32_t maiorcaixax = 0, maiorcaixay = 0;

// the largest half box the frame step gives any kind (the barracks and the witch's house)
constexpr int32_t CAIXAMAIORX = 40, CAIXAMAIORY = 25;

void abreposicoes() {
    maiorcaixax = CAIXAMAIORX;
    maiorcaixay = CAIXAMAIORY;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& a = unidades[i];
        posicoesunidades[i] = {a.x, a.y};
        maiorcaixax = std::max<int32_t>(maiorcaixax, a.tamanhox);  // a saved game may hold any size
        maiorcaixay = std::max<int32_t>(maiorcaixay, a.tamanhoy);
    }
    posicoesabertas = true;
}

void fechaposicoes() { posicoesabertas = false; }

void anotaposicao(int32_t u) {
    if (!posicoesabertas || u < 1 || u > MAXUNIDADES) return;
    const Unidade& a = unidades[u];
    posicoesunidades[u] = {a.x, a.y};
    maiorcaixax = std::max<int32_t>(maiorcaixax, a.tamanhox);
    maiorcaixay = std::max<int32_t>(maiorcaixay, a.tamanhoy);
}
