// The unit update: every live unit, in slot order, once per gameplay tick. Each step uses what
// the steps before it left; units created during the pass are updated in it when their slot comes.
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/posicoesunidades.h"

namespace {

// 1.-4. what only the hero does, and the level cap of every unit
void passosheroi(int32_t j) {
    if (unidades[j].heroi) {
        aurasheroi(j);
        cajadoesqueletos(j);
        subirnivel(j);
    }
    Unidade& a = unidades[j];
    if (a.nivel >= 15) {  // a unit of level 15 awards no experience
        a.nivel = 15;
        a.experiencia = 0;
    }
}

// 16.-18. orders carried out once the unit is close enough, then the tower's arrow
void passosservico(int32_t j) {
    if (unidades[j].heroi) pegabau(j);
    progressotreino(j);
    iniciaobra(j);
    constroi(j);
    procuraconserto(j);
    conserta(j);
    procuracura(j);
    servicos(j);
    disparotorre(j);
}

}  // namespace

void atualizaunidades() {
    abreposicoes();
    for (int32_t j = 1; j <= MAXUNIDADES; j++) {
        if (unidades[j].tipo == 0) continue;
        passosheroi(j);            // 1.-4. auras, the staff, levels, the cap
        if (morreunidade(j)) continue;  // 5. death frees the slot
        olharocioso(j);            // 6. an idle unit looks around
        rastrounidade(j);          // 7. the trail of floating units
        fumacaestrutura(j);        // 8. smoke from damaged structures
        queimaunidade(j);          // 9. burning
        liberaportal(j);           // 10. portals release monsters
        temporizadores(j);         // 11. labels, bars and status counters
        cicloacao(j);              // 12. the action cycle and the melee blow
        escolhealvo(j);            // 13. target, chase, start of attack
        comecadaveres(j);          // 14. corpse eating
        passomovimento(j);         // 15. walking
        passosservico(j);          // 16.-18. chest, training, building, repair, spells, tower
        Unidade& a = unidades[j];
        if (a.posicao == 1 && !pausa) a.alvo = 0;  // 19. an idle unit keeps no target
        escolhequadro(j);          // 20. the frame, the collision box and the anchors,
        golpetremor(j);            //     and what the attack animation releases
        disparoadistancia(j);
    }
    fechaposicoes();
}
