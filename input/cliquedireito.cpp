// The right button: drop an item, move and target orders (also from the mini-map), the automatic
// modes, cancelling a pending command and the rally point.
#include <cmath>

#include "input/apontarestrutura.h"
#include "input/cliques.h"
#include "input/comandos.h"
#include "input/mouse.h"
#include "render/botoes.h"
#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/criaunidade.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Whether unit u takes orders: it exists, is selected and is not an enemy.
bool ordenavel(int32_t u) {
    const Unidade& a = unidades[u];
    return a.tipo != 0 && a.selecionado && !a.inimigo;
}

// 2. A right click on an item slot drops it in a chest beside the hero.
void largaitens() {
    if (!heroiativo(select_)) return;
    Unidade& h = unidades[select_];
    for (int32_t k = 0; k < 6; k++) {
        if (h.itens[k] == 0 || !apontaitem(k)) continue;
        const double a = Random(50);  // a whole angle in radians
        const int32_t x = arredonda(h.x + std::cos(a) * 30), y = arredonda(h.y - std::sin(a) * 30);
        criaunidade(12, x, y, 1, x, y, 0, h.itens[k]);
        h.itens[k] = 0;
    }
}

// 3-4. Every selected unit that can walk goes to the point; whatever it was to build is refunded.
void ordenamovimento(int32_t px, int32_t py, bool domapa) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (!ordenavel(u) || a.velocidade == 0) continue;
        apontar(u, px, py);
        a.posicao = 2;
        a.servico = 0;
        if (domapa) {
            a.paginatecnicas = false;
            a.falacontagem = 0;
        }
        if (a.heroi && a.queimando != 0 && a.falatempo == 0) {
            som = 28;  // the burning hero complains
            unidades[select_].falar = false;
            unidades[select_].falatempo = 60;
        }
        criaefeito(27, 0, px, py, 0);
        dinheiro += a.custo;
        a.custo = 0;
    }
}

// Whether the pointer is on the mini-map, one pixel per map cell centred on (110, 540).
bool apontaminimapa() {
    const int32_t w = arredonda(mapalargura / 2.0), h = arredonda(mapaaltura / 2.0);
    return 110 - w < mousex && mousex < 110 + w && 540 - h < mousey && mousey < 540 + h;
}
int32_t minimapax() { return (mousex + arredonda(mapalargura / 2.0) - 110) * 50; }
int32_t minimapay() { return (mousey + arredonda(mapaaltura / 2.0) - 540) * 50; }

// 5. A right click on the repair or heal button switches its automatic mode.
void alternaautomatico() {
    if (pausa || select_ == 0) return;
    Unidade& a = unidades[select_];
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        const Botao& r = botoes[b];
        if (r.comando == 0 || r.automatico != 1) continue;
        if (!(r.posx <= mousex && mousex <= r.posx + r.largurabotao + 1 && r.posy <= mousey &&
              mousey <= r.posy + r.alturabotao + 1))
            continue;
        if (r.comando == 11) a.consertoautomatico = !a.consertoautomatico;
        if (r.comando == 14) a.curaautomatica = !a.curaautomatica;
    }
}

// The battle cry of the main unit when it is sent against an enemy, by its type 6..11.
void gritodeataque() {
    static const uint8_t vozes[6] = {9, 14, 20, 26, 30, 31};
    Unidade& s = unidades[select_];
    if (s.falatempo != 0 || s.alvo == 0 || s.alvo > MAXUNIDADES) return;
    const Unidade& t = unidades[s.alvo];
    if (t.tipo == 0 || !t.inimigo) return;
    if (s.tipo >= 6 && s.tipo <= 11) voz = vozes[s.tipo - 6];
    s.falacontagem = 0;
}

// 7. Every other selected unit takes the unit under the pointer as its target.
void ordenaalvo() {
    if (select_ == 0 || pausa) return;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        if (!apontarestrutura(i)) continue;
        const int32_t ix = arredonda(unidades[i].x), iy = arredonda(unidades[i].y);
        for (int32_t j = 1; j <= MAXUNIDADES; j++) {
            if (j == i || !ordenavel(j)) continue;
            Unidade& a = unidades[j];
            a.alvo = uint16_t(i);
            apontar(j, ix, iy);  // the destination is the target's rounded position
            if (!a.heroi && unidades[i].bau) mostramensagem("Somente o Seu Vorlando pode pegar itens.");
        }
        gritodeataque();
    }
}

}  // namespace

void cliquedireito() {
    botaodireito = true;                                                   // 1.
    largaitens();                                                          // 2. drop items
    if (mousey <= 470 && mousenum == 0 && !pausa) ordenamovimento(mundox(), mundoy(), true);  // 3.
    const bool minimapa = apontaminimapa();
    if (minimapa && mousenum == 0 && !pausa) ordenamovimento(minimapax(), minimapay(), false);  // 4.
    alternaautomatico();                                                   // 5. automatic modes
    if (mousey <= 470 && !pausa)                                           // 6. old targets go
        for (int32_t u = 1; u <= MAXUNIDADES; u++)
            if (ordenavel(u)) unidades[u].alvo = 0;
    ordenaalvo();                                                          // 7. the new target
    Unidade& s = unidades[select_];
    if (select_ != 0 && mousenum != 0 && !s.inimigo && !pausa) {           // 8. cancel the pending
        s.servico = 0;
        mousenum = 0;
        dinheiro += custopendente;
        custopendente = 0;
    }
    // 9. a building that trains units gets its rally point, on the map or through the mini-map
    if (select_ != 0 && s.tipo != 0 && cursor == 0 && s.temagrupamento && !pausa && (mousey <= 470 || minimapa)) {
        s.agrupamentox = minimapa && mousey > 470 ? minimapax() : mundox();
        s.agrupamentoy = minimapa && mousey > 470 ? minimapay() : mundoy();
    }
}
