// Cancelling what a building trains or researches: the research can be started again and the
// whole price comes back.
#include "input/comandos.h"

#include "world/estado.h"
#include "world/unidades.h"

void cancelaupgrade(int32_t u) {
    if (u < 1 || u > MAXUNIDADES) return;
    Unidade& a = unidades[u];
    // 1. a research goes back to not started
    if (a.upgradenum == 4) pesquisa4 = 0;
    if (a.upgradenum == 5) pesquisa5 = 0;
    if (a.upgradenum == 6) pesquisa6 = 0;
    if (a.upgradenum == 7) pesquisa7 = 0;
    // 2. nothing in progress any more, the money back
    a.upgradenum = a.upgradeprg = a.upgradeprgmax = a.upgradecomida = 0;
    dinheiro += a.upgradecusto;
    a.upgradecusto = 0;
}
