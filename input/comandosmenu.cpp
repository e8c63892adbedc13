// The commands of the options menu, the cheat page, and the main-menu, briefing and end-of-mission
// screens.
#include <algorithm>

#include "input/comandos.h"
#include "input/jogosalvo.h"
#include "input/mouse.h"
#include "media/media.h"
#include "render/tabelacomandos.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Moves to another screen state from the start of its cycle.
void vaipara(uint8_t estado) {
    tela = estado;
    ciclotela = 0;
}

// The cheat page acts on the selected unit.
void trapaca(uint8_t comando, Unidade& a) {
    switch (comando) {
        case RECUPERARHP: a.hp = a.hpmax; break;
        case RECUPERARMP: a.mp = a.mpmax; break;
        case CURARVENENO: a.envenenado = 0; break;
        case TORNARINVISIVEL: a.invisivel = 2250; break;
        case CRIARESFERA: a.esfera = 1500; break;
        case TORNARINVENCIVEL: a.imunidade = 1500; break;
        case GANHARITEM: {
            if (itenscheat == 0) break;
            int32_t k = 0;
            while (k < 6 && a.itens[k] != 0) k++;
            if (k == 6) break;  // no room: the item is not given and not counted
            a.itens[k] = uint8_t(1 + Random(34));
            itenscheat -= 1;
            break;
        }
        default: break;
    }
}

// Code 69: the hero goes on to the next mission, or to the ending after the twelfth.
void proximamissao() {
    missao += 1;
    vaipara(4);
    preparamissao = true;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].heroi) heroisalvo = unidades[u];
    if (missao > 12) {
        vaipara(6);
        cenafinal = 0;
        musicainiciar = true;
    }
}

}  // namespace

bool menupermitido() { return tela == 5; }

void comandomenu(uint8_t comando, int32_t c, int32_t posx, int32_t largura) {
    switch (comando) {
        // the options menu
        case MENUCARREGAR: menu = 2; break;
        case MUSICA:
            musicaligada = !musicaligada;
            if (musicaligada) musicainiciar = true;
            break;
        case EFEITOSSONOROS: efeitosligados = !efeitosligados; break;
        case VOZES: vozesligadas = !vozesligadas; break;
        case VELOCIDADE:  // the further right, the shorter the tick; the slider spans 0..100
            velocidadejogo = int16_t(std::clamp(posx + largura - mousex + 5, 0, 100));
            break;
        case DICAS: menu = 3; break;
        case VOLTARJOGO: menu = 0; break;
        case SAIRJOGO: menu = 4; break;
        case CARREGARSIM: carregajogo(); break;
        case CARREGARNAO: menu = 1; break;
        case ANTERIOR: if (dicaatual > 1) dicaatual -= 1; break;
        case PROXIMA: if (dicaatual < 15) dicaatual += 1; break;
        case MENUPRINCIPAL: menu = 1; break;
        case SAIRSIM: sair = true; break;
        case SAIRNAO: menu = 1; break;
        // the cheat page
        case RECUPERARHP: case RECUPERARMP: case CURARVENENO: case TORNARINVISIVEL: case CRIARESFERA:
        case TORNARINVENCIVEL: case GANHARITEM:
            if (c >= 1 && c <= MAXUNIDADES && unidades[c].tipo != 0) trapaca(comando, unidades[c]);
            break;
        case GANHADINHEIRO: dinheiro += 50; break;
        case SUPERVISAO: vertudo = !vertudo; break;
        // the main menu
        case INICIARJOGO:
            vaipara(4);
            missao = missaoinicial;
            preparamissao = true;
            novoheroisalvo();
            break;
        case CARREGARPRINCIPAL: carregajogo(); break;
        case SAIRPRINCIPAL: sair = true; break;
        case FINALDOJOGO:
            vaipara(6);
            cenafinal = 0;
            musicainiciar = true;
            break;
        // the briefing
        case SALVAR:
            if (FileExists(ARQUIVOSAVE, Pasta::jogador)) perguntasobrescrever = true;
            else salvajogo();
            break;
        case CONTINUAR:
            vaipara(5);
            musicainiciar = true;
            menu = 0;  // a mission starts running
            pausajogador = false;
            mensagem.clear();  // the briefing's note about the save stays on the briefing
            mensagemtempo = 0;
            break;
        case SOBRESCREVERSIM:
            perguntasobrescrever = false;
            salvajogo();
            break;
        case SOBRESCREVERNAO: perguntasobrescrever = false; break;
        // the end of a mission
        case FINALIZARMISSAO: proximamissao(); break;
        case TENTARDENOVO:
            vaipara(4);
            preparamissao = true;
            break;
        case DESISTIRMISSAO:
            vaipara(3);
            preparamissao = true;
            musicaparar = true;
            existesave = FileExists(ARQUIVOSAVE, Pasta::jogador);
            break;
        default: break;
    }
}
