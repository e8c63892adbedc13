// The command grid of the selected unit: which commands its type offers and in which of the six
// cells, registered only while the unit is free to take an order.
#include "input/mouse.h"
#include "render/botoes.h"
#include "render/interface.h"
#include "render/tabelacomandos.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// The cell's top-left corner: rows 1..2, columns 1..3.
void celula(int32_t comando, int32_t linha, int32_t coluna) {
    criabotao(comando, 630 + 45 * (coluna - 1), 493 + 50 * (linha - 1));
}

// the shop's six drinks, once for every hero standing within 200 pixels
void loja(const Unidade& s) {
    for (int32_t h = 1; h <= MAXUNIDADES; h++) {
        const Unidade& v = unidades[h];
        if (v.tipo == 0 || !v.heroi || distancia(v.x, v.y, s.x, s.y) >= 200) continue;
        celula(REFRESCOLIMAOP, 1, 1); celula(REFRESCOLIMAOG, 2, 1); celula(REFRESCOGROSELHAP, 1, 2);
        celula(REFRESCOGROSELHAG, 2, 2); celula(REFRESCOTAMARINDOP, 1, 3); celula(REFRESCOTAMARINDOG, 2, 3);
    }
}

// the hero: his techniques, or the page where technique points are spent
void heroi(const Unidade& s) {
    if (!s.paginatecnicas) {
        if (s.tecnicas[0] > 0) celula(BASTAODEFOGO, 1, 1);
        if (s.tecnicas[1] > 0) celula(AURAPROTETORA, 1, 2);
        if (s.tecnicas[2] > 0) celula(TREMOR, 1, 3);
        if (s.tecnicas[3] > 0) celula(AURAGUERREIRA, 2, 1);
        if (s.tecnicas[4] > 0 && s.imunidade == 0) celula(CHIMPANZE, 2, 2);
        celula(ACRESCENTARTECNICAS, 2, 3);
        return;
    }
    for (int32_t t = 0; t < 5; t++)
        if (s.tecnicas[t] < 3) celula(APRENDEBASTAO + t, 1 + t / 3, 1 + t % 3);
    celula(CANCELARTECNICAS, 2, 3);
}

void portipo(const Unidade& s) {
    switch (s.tipo) {
        case 3:  // shop, once it stands
            if (s.construcao == s.construcaomax) loja(s);
            break;
        case 4:  // barracks
            celula(TREINARDURBICO, 1, 1);
            if (liberafidelina) celula(TREINARFIDELINA, 1, 2);
            if (pesquisa4 == 0) celula(FORTALECERESTRUTURAS, 2, 1);
            if (liberafidelina && pesquisa5 == 0) celula(APRENDIZADOFIDELINA, 2, 2);
            celula(PONTOAGRUPAMENTO, 1, 3);
            break;
        case 5:  // witch's house
            celula(TREINARBRUXA, 1, 1);
            if (pesquisa6 == 0) celula(APRENDIZADOBRUXAS, 2, 1);
            if (pesquisa7 == 0) celula(FORTALECERESQUELETOS, 2, 2);
            celula(PONTOAGRUPAMENTO, 1, 3);
            break;
        case 6:  // worker
            celula(CRIARTORRE, 1, 1);
            if (liberafazenda) celula(CRIARFAZENDA, 1, 2);
            if (liberaloja) celula(CRIARTIENDA, 1, 3);
            celula(CONSERTAR, 2, 1);
            break;
        case 7:  // Fidelina
            celula(CURAR, 1, 1); celula(INVISIBILIDADE, 1, 2);
            if (pesquisa5 == 2) celula(ESFERAPROTETORA, 1, 3);
            break;
        case 8:  // the witch
            celula(RESSUSCITAR, 1, 1); celula(BOLADEFOGO, 1, 2);
            if (pesquisa6 == 2) celula(INVOCARSATANAS, 1, 3);
            break;
        case 9: heroi(s); break;
        default: break;  // other types offer no commands
    }
}

}  // namespace

void gradecomandos(int32_t u) {
    const Unidade& s = unidades[u];
    // 14. only a unit that is free: not training, no pending service, not paralysed, nothing on the
    // pointer, the game running
    if (s.upgradeprg == s.upgradeprgmax && s.servico == 0 && s.paralisado == 0 && mousenum == 0 && !pausa)
        portipo(s);
    // 15. a structure under construction can be given up
    if (s.construcao < s.construcaomax && cursor == 0 && !pausa) celula(CANCELARESTRUTURA, 2, 3);
}
