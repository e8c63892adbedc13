// The objective check of the current mission: a unit of the player in the target area, every portal
// destroyed, or the final boss and its death gone. Runs every gameplay tick until the objective is met.
#include <string>

#include "assets/listas.h"
#include "missions/missoes.h"
#include "render/texto.h"
#include "sim/jogo.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {
constexpr uint16_t TIPOPORTAL = 21;    // every portal level is stored as 21
constexpr uint16_t TIPOCHEFE = 26;     // the final boss
constexpr uint8_t EFEITOMORTECHEFE = 43;  // the boss's death, which must be over too

// 1. any unit of the player, structures included, inside the area (edges count); chests and enemies do not
bool alguemnaarea() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& n = unidades[u];
        if (n.tipo == 0 || n.inimigo || n.bau) continue;
        if (tarefa.areax1 <= n.x && n.x <= tarefa.areax2 && tarefa.areay1 <= n.y && n.y <= tarefa.areay2) return true;
    }
    return false;
}

int32_t contatipo(uint16_t tipo) {
    int32_t n = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == tipo) n++;
    return n;
}

// 2. the portal counter in the top-right corner, under the food counter
void contadorportais(int32_t n) {
    DrawItem(DXImageListIcones, 2, 710, 75);
    DrawItem(DXImageListIcones, 38, 717, 78);
    escrevetexto(765, 77, std::to_string(n), "-", 12, BRANCO);
}

bool chefemorto() {
    if (contatipo(TIPOCHEFE) > 0) return false;
    for (int32_t e = 1; e <= MAXEFEITOS; e++)
        if (efeitos[e].tipo == EFEITOMORTECHEFE) return false;
    return true;
}
}  // namespace

void verificatarefa() {
    if (tarefa.objetivo == 1 && alguemnaarea()) tarefa.cumprida = true;
    if (tarefa.objetivo == 2) {
        int32_t portais = contatipo(TIPOPORTAL);
        if (portais == 0) tarefa.cumprida = true;
        contadorportais(portais);
    }
    if (tarefa.objetivo == 3 && chefemorto()) tarefa.cumprida = true;
    // 4. the success line replaces whatever the second line showed
    if (tarefa.cumprida) {
        mensagem2 = tarefa.avisotarefa;
        mensagem2tempo = 250;
    }
}
