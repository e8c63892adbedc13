// The in-game menu: the closed-menu tab, or one of the five pages (options, load question, tips,
// quit question, cheats) with its entries; then the whole control list of the frame.
#include <string>

#include "assets/listas.h"
#include "assets/textos.h"
#include "render/botoes.h"
#include "render/interface.h"
#include "render/tabelacomandos.h"
#include "render/texto.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

void titulo(int32_t y, const char* texto) { escrevetexto(400, y, texto, "c", 12, BRANCO); }

// 1: sound switches, the speed slider, tips and quitting; "CARREGAR" only with a saved game
void paginaopcoes() {
    caixamenu(281, 50, 3, 6);
    titulo(70, "MENU DE OPÇÕES");
    if (existesave) criabotao(MENUCARREGAR, 320, 109);
    criabotao(MUSICA, 320, 150);
    criabotao(EFEITOSSONOROS, 320, 175);
    criabotao(VOZES, 320, 200);
    criabotao(VELOCIDADE, 345, 260);  // the slider is narrower, its label 20 pixels above it
    criabotao(DICAS, 320, 285);
    criabotao(VOLTARJOGO, 320, 325);
    criabotao(SAIRJOGO, 320, 365);
}

// 2 and 4: a yes-or-no question
void pergunta(const char* texto, int32_t sim, int32_t nao) {
    caixamenu(281, 170, 3, 2);
    titulo(190, texto);
    criabotao(sim, 320, 239);
    criabotao(nao, 320, 289);
}

// 3: tip n of 15, six lines from the tips text
void paginadicas() {
    caixamenu(209, 120, 6, 4);
    titulo(140, "DICAS DE VORLANDOCRAFT");
    escrevetexto(400, 170, std::to_string(dicaatual) + "/15", "c", 8, BRANCO);
    for (int32_t i = 0; i < 6; i++) {
        int32_t n = 7 * (dicaatual - 1) + 1 + i;
        if (n >= 0 && n < LINHASDICAS) escrevetexto(240, 200 + 15 * i, MemoDicas[n], "-", 10, BRANCO);
    }
    criabotao(ANTERIOR, 230, 315);
    criabotao(PROXIMA, 410, 315);
    criabotao(MENUPRINCIPAL, 320, 349);
}

// 5: the cheats, those for a unit only when one of the player's is selected
void paginacheats() {
    caixamenu(281, 30, 3, 7);
    titulo(50, "CHEATS");
    const Unidade* s = select_ != 0 && unidades[select_].tipo != 0 ? &unidades[select_] : nullptr;
    if (s && !s->inimigo) {
        if (s->hpmax > 0 && s->hp > 0) criabotao(RECUPERARHP, 320, 80);
        if (s->mpmax > 0) criabotao(RECUPERARMP, 320, 115);
        if (s->organico) {
            criabotao(CURARVENENO, 320, 150);
            criabotao(TORNARINVISIVEL, 320, 185);
            criabotao(CRIARESFERA, 320, 220);
            criabotao(TORNARINVENCIVEL, 320, 255);
        }
    }
    criabotao(GANHADINHEIRO, 320, 290);
    if (s && s->heroi && itenscheat > 0) criabotao(GANHARITEM, 320, 325);
    criabotao(SUPERVISAO, 320, 365);
    criabotao(VOLTARJOGO, 320, 400);
}

}  // namespace

void desenhatelamenu() {
    switch (menu) {
        case 0: DrawItem(DXImageListIcones, 4, 360, 15); break;  // the closed-menu tab
        case 1: paginaopcoes(); break;
        case 2: pergunta("CARREGAR O JOGO ?", CARREGARSIM, CARREGARNAO); break;
        case 3: paginadicas(); break;
        case 4: pergunta("SAIR DO JOGO ?", SAIRSIM, SAIRNAO); break;
        case 5: paginacheats(); break;
        default: break;
    }
    desenhabotoes();
}
