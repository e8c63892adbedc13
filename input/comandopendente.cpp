// A left click on the map completes the command waiting in `mousenum`: placing a structure,
// repairing, the rally point, Fidelina's spells, the fireball and the fire staff.
#include "input/apontarestrutura.h"
#include "input/cliques.h"
#include "input/comandos.h"
#include "input/mouse.h"
#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// The caster sets off toward a point for service s, aimed at unit alvo (0 for a place).
void enviaservico(uint8_t s, int32_t alvo, int32_t px, int32_t py) {
    Unidade& c = unidades[select_];
    c.servico = s;
    c.alvo = uint16_t(alvo);
    c.posicao = 2;
    apontar(select_, px, py);
}

// 1-3. The worker goes to build where the footprint is free; it carries the price already paid.
void colocaestrutura() {
    if (mouseflag) {
        if (cursor >= 1 && cursor <= 3) mostramensagem("Não é possivel construir neste lugar !");
        return;
    }
    const uint8_t s = mousenum;  // tower 1, farm 2, shop 3
    mousenum = 0;
    enviaservico(s, 0, mundox(), mundoy());
    // the price goes with the worker (a move order gives it back); nothing stays pending to refund
    unidades[select_].custo = custopendente;
    custopendente = 0;
}

// 4. Only a damaged structure can be repaired; the click becomes a right click on it.
bool escolheconserto() {
    bool aceito = false;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        if (!apontarestrutura(u)) continue;
        const Unidade& a = unidades[u];
        if (!a.organico && a.hp >= a.hpmax) mostramensagem("A estrutura não esta danificada.");
        if (a.organico) mostramensagem("Somente estruturas danificadas.");
        if (!a.organico && a.hp < a.hpmax) {
            mousenum = 0;
            aceito = true;
        }
    }
    return aceito;
}

// 6-8. Fidelina's spells go to a living ally; healing also needs a wound.
void escolhealiado(uint8_t servico, bool precisaferida) {
    int32_t alvo = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        if (!apontarestrutura(u)) continue;
        const Unidade& a = unidades[u];
        if (precisaferida && a.organico && a.hp >= a.hpmax) mostramensagem("Unidade com HP máximo.");
        if (a.organico && a.inimigo) mostramensagem("Somente unidades aliadas.");
        if (!a.organico) mostramensagem("Somente unidades organicas.");
        if (a.organico && !a.inimigo && (!precisaferida || a.hp < a.hpmax)) alvo = u;  // the last one wins
    }
    if (alvo == 0) return;
    mousenum = 0;
    enviaservico(servico, alvo, arredonda(unidades[alvo].x), arredonda(unidades[alvo].y));
}

// 10. The fire staff strikes an enemy only.
void escolheinimigo() {
    int32_t alvo = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        if (!apontarestrutura(u)) continue;
        const Unidade& a = unidades[u];
        if (!a.inimigo && !a.bau) mostramensagem("Não pode ser usado em suas tropas.");
        if (a.inimigo) alvo = u;
    }
    if (alvo == 0) return;
    mousenum = 0;
    enviaservico(8, alvo, arredonda(unidades[alvo].x), arredonda(unidades[alvo].y));
}

}  // namespace

void completapendente() {
    if (mousenum == 0 || mousey >= 460 || pausa) return;
    // the caster died since the command was given: the command goes, and what was paid comes back
    if (select_ == 0 || unidades[select_].tipo == 0) {
        mousenum = 0;
        dinheiro += custopendente;
        custopendente = 0;
        return;
    }
    switch (mousenum) {
        case 1: case 2: case 3: colocaestrutura(); break;
        case 4: if (escolheconserto()) cliquedireito(); break;
        case 5:
            unidades[select_].agrupamentox = mundox();
            unidades[select_].agrupamentoy = mundoy();
            mousenum = 0;
            break;
        case 6: escolhealiado(4, true); break;
        case 7: escolhealiado(5, false); break;
        case 8: escolhealiado(6, false); break;
        case 9:
            mousenum = 0;
            enviaservico(7, 0, mundox(), mundoy());
            break;
        case 10: escolheinimigo(); break;
        default: break;
    }
}
