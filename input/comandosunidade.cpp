// The side-panel commands: training and research, targeting modes, techniques cast at once,
// learning techniques and the shop's drinks.
#include <cmath>

#include "input/comandos.h"
#include "input/mouse.h"
#include "media/media.h"
#include "render/tabelacomandos.h"
#include "world/auxiliares.h"
#include "world/criaunidade.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Training and research: what a building produces, and for how many ticks.
struct Producao {
    uint16_t tiques;
    uint8_t* pesquisa;  // the research state it starts, or none
};

void produz(Unidade& a, uint8_t comando) {
    static const Producao producoes[8] = {
        {0, nullptr},          // 0 none
        {500, nullptr},        // 1 Durbico
        {700, nullptr},        // 2 Fidelina
        {800, nullptr},        // 3 witch
        {1800, &pesquisa4},    // 4 stronger structures
        {1300, &pesquisa5},    // 5 Fidelina's learning
        {1400, &pesquisa6},    // 6 witches' learning
        {1200, &pesquisa7},    // 7 stronger skeletons
    };
    static_assert(sizeof(producoes) / sizeof(producoes[0]) == 8);
    a.upgradenum = comando;
    a.upgradeprg = 0;
    a.upgradeprgmax = producoes[comando].tiques;
    if (producoes[comando].pesquisa != nullptr) *producoes[comando].pesquisa = 1;
}

// Code 13: the site crumbles into dust and debris and 80 % of its price comes back.
void cancelaestrutura(int32_t c) {
    Unidade& a = unidades[c];
    som = 39;
    for (int32_t k = 0; k < 30; k++) {
        const int32_t t = 1 + Random(2), r = Random(40), s = Random(40);
        criaefeito(t, 0, a.x + r - 20, a.y + s - 20, 0);
    }
    for (int32_t k = 0; k < 10; k++) {
        const int32_t r = Random(40), s = Random(40);
        criaefeito(3, 0, a.x + r - 20, a.y + s - 20, 0);
    }
    dinheiro += arredonda(a.custo * 0.8);
    a.tipo = 0;
    select_ = 0;
}

// The caster stops to cast: state 4 from the start of its cycle, seen again, no target.
void conjura(Unidade& a, uint16_t precomp) {
    a.posicao = 4;
    a.ciclo = 0;
    a.mp -= precomp;
    a.alvo = 0;
    a.invisivel = 0;
}

// Code 17: a skeleton rises from the nearest corpse within 350 pixels.
void ressuscita(int32_t c, uint16_t precomp) {
    Unidade& a = unidades[c];
    int32_t melhor = 0;
    double menor = 350;
    for (int32_t e = 1; e <= MAXEFEITOS; e++) {
        const Efeito& f = efeitos[e];
        if (f.tipo == 0 || !f.cadaver) continue;
        const double d = distancia(a.x, a.y, f.x, f.y);
        if (d < menor) {  // ties keep the lower record
            menor = d;
            melhor = e;
        }
    }
    if (melhor == 0) {
        mostramensagem("Não há nenhum cadáver perto.");
        return;
    }
    const double x = efeitos[melhor].x, y = efeitos[melhor].y;
    const int32_t ex = arredonda(x), ey = arredonda(y) + 40;
    criaunidade(10, ex, ey, 1, ex, ey, 0, 0);
    efeitos[melhor].tipo = 0;
    conjura(a, precomp);
    criaefeito(41, 0, x, y + 15, 0);
    for (int32_t k = 0; k < 20; k++) criaefeito(42, 0, x, y + 15, 10);
}

// Code 19: the demon comes up just below the witch.
void invoca(int32_t c, uint16_t precomp) {
    Unidade& a = unidades[c];
    conjura(a, precomp);
    som = 21;
    brilho = 15;
    const int32_t x = arredonda(a.x), y = arredonda(a.y + 20);
    criaunidade(11, x, y, 1, x, y, 0, 0);
}

// Codes 32..37: the drink goes to the hero's first empty slot, or the money goes back.
void dabebida(uint8_t comando, uint16_t precodinheiro) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (a.tipo == 0 || !a.heroi) continue;
        if (inventariocheio(u)) {
            mostramensagem("Não há mais espaço para itens.");
            dinheiro += precodinheiro;
            continue;
        }
        int32_t k = 0;
        while (a.itens[k] != 0) k++;
        a.itens[k] = uint8_t(25 + (comando - REFRESCOLIMAOP));
    }
}

// Codes 26..30: one technique point buys one level, up to 3.
void aprende(Unidade& a, uint8_t comando) {
    uint8_t& nivel = a.tecnicas[comando - APRENDEBASTAO];
    if (nivel >= 3) return;
    if (a.pontostecnica == 0) {
        mostramensagem("Não há pontos de técnicas.");
        return;
    }
    nivel += 1;
    a.pontostecnica -= 1;
}

// The pointer waits for a click on the map; a cancel gives back exactly what this command took.
void esperaclique(uint8_t pendente, uint16_t precodinheiro) {
    mousenum = pendente;
    custopendente = precodinheiro;
}

// Spells that wait for the map: the pointer changes, the MP is taken when the spell fires.
void esperamapa(Unidade& a, uint8_t pendente, uint16_t precomp) {
    if (a.posicao == 4) return;  // busy casting
    esperaclique(pendente, 0);
    a.customp = precomp;
}

}  // namespace

void comandounidade(uint8_t comando, int32_t c, uint16_t precodinheiro, uint16_t precomp) {
    // the drinks go to the hero wherever the shop is; everything else needs a selected unit
    if (comando >= REFRESCOLIMAOP && comando <= REFRESCOTAMARINDOG) return dabebida(comando, precodinheiro);
    if (c < 1 || c > MAXUNIDADES || unidades[c].tipo == 0) return;
    Unidade& a = unidades[c];
    switch (comando) {
        case TREINARDURBICO: case TREINARFIDELINA: case TREINARBRUXA: case FORTALECERESTRUTURAS:
        case APRENDIZADOFIDELINA: case APRENDIZADOBRUXAS: case FORTALECERESQUELETOS: produz(a, comando); break;
        case CRIARTORRE: case CRIARFAZENDA: case CRIARTIENDA:
            esperaclique(uint8_t(comando - CRIARTORRE + 1), precodinheiro);  // tower 1, farm 2, shop 3
            break;
        case CONSERTAR: esperaclique(4, 0); break;
        case PONTOAGRUPAMENTO: esperaclique(5, 0); break;
        case CANCELARESTRUTURA: cancelaestrutura(c); break;
        case CURAR:
            if (a.posicao != 4) som = 15;
            esperamapa(a, 6, precomp);
            break;
        case INVISIBILIDADE: esperamapa(a, 7, precomp); break;
        case ESFERAPROTETORA: esperamapa(a, 8, precomp); break;
        case RESSUSCITAR: if (a.posicao != 4) ressuscita(c, precomp); break;
        case BOLADEFOGO: esperamapa(a, 9, precomp); break;
        case INVOCARSATANAS: if (a.posicao != 4) invoca(c, precomp); break;
        case BASTAODEFOGO: esperamapa(a, 10, precomp); break;
        case TREMOR:
            if (a.posicao == 4) break;
            a.posicao = 4;
            a.ciclo = 0;
            a.customp = precomp;
            a.servico = 9;  // the tick makes the ground shake
            a.invisivel = 0;
            break;
        case CHIMPANZE:
            if (a.imunidade != 0) break;
            a.imunidade = uint16_t(a.tecnicas[4] * 250 + 250);
            a.mp -= precomp;
            brilho = 5;
            som = 43;
            break;
        case ACRESCENTARTECNICAS: a.paginatecnicas = true; break;
        case APRENDEBASTAO: case APRENDEAURAPROTETORA: case APRENDETREMOR: case APRENDEAURAGUERREIRA:
        case APRENDECHIMPANZE: aprende(a, comando); break;
        case CANCELARTECNICAS: a.paginatecnicas = false; break;
        default: break;  // the auras work by themselves
    }
}
