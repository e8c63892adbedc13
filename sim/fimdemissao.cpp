// Steps 25 and 26 of the gameplay tick: the defeat box, and the objective check that offers
// "FINALIZAR" once the mission is accomplished.
#include "sim/jogo.h"

#include "missions/missoes.h"
#include "render/botoes.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/estado.h"

namespace {
// command numbers of the controls offered here
constexpr int32_t FINALIZAR = 69, TENTARNOVAMENTE = 70, DESISTIR = 71;
}  // namespace

void caixaderrota() {
    if (!derrotado) return;
    mousenum = 0;  // a pending map command is dropped
    caixamenu(257, 130, 4, 3);
    escrevetexto(400, 150, "Você foi derrotado.", "c", 15, Cor{255, 255, 255});
    if (menu != 0) return;  // the buttons wait under an open menu page, out of reach of clicks and keys
    criabotao(TENTARNOVAMENTE, 320, 221);
    criabotao(DESISTIR, 320, 281);
}

void verificamissao() {
    // the check runs only until the objective is met; then it stays met
    if (!tarefa.cumprida) verificatarefa();
    if (tarefa.cumprida && menu == 0 && !derrotado) criabotao(FINALIZAR, 10, 370);
}
