// The left button: every step has its own test, and one click can act on several of them.
#include "input/cliques.h"
#include "input/comandos.h"
#include "input/jogosalvo.h"
#include "input/mouse.h"
#include "render/botoes.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

int32_t mundox() { return mousex + camerax; }
int32_t mundoy() { return mousey + cameray; }

bool apontaitem(int32_t k) {
    static const int32_t cantos[6][2] = {{520, 480}, {560, 480}, {520, 520}, {560, 520}, {520, 560}, {560, 560}};
    return cantos[k][0] < mousex && mousex < cantos[k][0] + 40 && cantos[k][1] < mousey && mousey < cantos[k][1] + 40;
}

bool heroiativo(int32_t u) { return !pausa && u != 0 && unidades[u].tipo != 0 && unidades[u].heroi; }

namespace {

// The reason an item cannot be used now, or none.
const char* recusaitem(const Unidade& a, const Item& it) {
    const char* m = nullptr;
    if (it.recuperahp > 0 && it.recuperamp == 0 && a.hp >= a.hpmax) m = "Unidade com HP máximo !";
    if (it.recuperamp > 0 && it.recuperahp == 0 && a.mp >= a.mpmax) m = "Unidade com MP máximo !";
    if (it.recuperahp > 0 && it.recuperamp > 0 && a.hp >= a.hpmax && a.mp >= a.mpmax)
        m = "Unidade com HP e MP máximos !";
    if (it.experiencia > 0 && a.nivel >= 15) m = "Unidade com NÍVEL máximo !";
    return m;
}

// 2. The hero drinks or reads the item clicked; HP and MP may go past their maxima here.
void usaitens() {
    if (!heroiativo(select_)) return;
    Unidade& a = unidades[select_];
    for (int32_t k = 0; k < 6; k++) {
        if (a.itens[k] == 0 || a.itens[k] > MAXITENS || !apontaitem(k)) continue;
        const Item& it = itenstabela[a.itens[k]];
        if (const char* m = recusaitem(a, it)) {
            mostramensagem(m);
            continue;
        }
        if (!it.consumivel) continue;
        a.hp += it.recuperahp;
        a.mp += it.recuperamp;
        if (it.recuperahp > 0) {
            a.curaexibida = it.recuperahp;
            a.curatempo = 20;
        }
        if (a.forca < 255) a.forca += it.forcapermanente;
        if (a.agilidade < 255) a.agilidade += it.agilidadepermanente;
        if (a.inteligencia < 255) a.inteligencia += it.inteligenciapermanente;
        a.hp += it.forcapermanente * 25;
        a.mp += it.inteligenciapermanente * 15;
        a.experiencia += it.experiencia;
        if (it.forcapermanente || it.agilidadepermanente || it.inteligenciapermanente || it.experiencia) som = 44;
        if (it.recuperahp > 0 || it.recuperamp > 0) som = 45;
        a.itens[k] = 0;
    }
}

// 3. The hero's portrait in the corner selects the hero; a second click centres the view on it.
void cliqueemblema() {
    if (mousex < 5 || mousex > 43 || mousey < 5 || mousey > 43 || pausa || mousenum != 0) return;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (a.tipo == 0 || !a.heroi || a.hp <= 0) continue;
        if (a.selecionado) {
            camerax = arredonda(a.x - 400);
            cameray = arredonda(a.y - 250);
        }
        a.selecionado = true;
        select_ = uint8_t(u);
    }
}

// 4. A press on the map starts a selection box; without Shift the old selection goes.
void iniciacaixa() {
    if (mousey >= 460 || mousenum != 0 || pausa) return;
    arrastando = true;
    caixax1 = caixax2 = mundox();
    caixay1 = caixay2 = mundoy();
    notacliqueunidade();
    if (KeyHeld(VK_SHIFT)) return;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        unidades[u].selecionado = false;
        unidades[u].paginatecnicas = false;
    }
}

// 5. The menu tab opens the options menu, during play only; over the defeat box too.
void clicaaba() {
    if (mousex < 360 || mousex > 440 || mousey < 15 || mousey > 32 || menu != 0 || mousenum != 0) return;
    if (!menupermitido()) return;
    menu = 1;
    existesave = FileExists(ARQUIVOSAVE, Pasta::jogador);
}

// 6. The control under the pointer, menus included, so also while the game is frozen. Where
// controls overlap (a menu page over the defeat box) the click goes to the one drawn on top, the
// last one registered; one click runs one control.
void pressionabotoes() {
    int32_t topo = 0;
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        const Botao& r = botoes[b];
        if (r.comando == 0) continue;
        if (r.posx <= mousex && mousex <= r.posx + r.largurabotao + 1 && r.posy <= mousey &&
            mousey <= r.posy + r.alturabotao + 1)
            topo = b;
    }
    if (topo != 0) executacomando(topo);
}

}  // namespace

void cliqueesquerdo() {
    botaoesquerdo = true;                                             // 1.
    usaitens();                                                       // 2. items
    cliqueemblema();                                                  // 3. hero portrait
    iniciacaixa();                                                    // 4. selection box
    clicaaba();                                                       // 5. the menu tab
    pressionabotoes();                                                // 6. controls
    if (mousex >= 348 && mousex <= 389 && mousey >= 510 && mousey <= 551 && select_ != 0 && !pausa)
        cancelaupgrade(select_);                                      // 7. cancel production
    completapendente();                                               // 8. the pending command
}
