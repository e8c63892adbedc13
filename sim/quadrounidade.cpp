// The frame a unit shows: structures by construction progress, living units by facing and action,
// then the collision box of its type and the anchors of the chosen frame.
#include <cmath>

#include "render/ancoras.h"
#include "sim/sim.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Base frames of the living units, facing down, right, up and left.
struct BaseQuadros {
    uint16_t tipo;
    uint16_t base[4];
};
const BaseQuadros BASES[] = {
    {6, {17, 23, 29, 35}},      // 6 DURBICO
    {7, {41, 47, 53, 59}},      // 7 FIDELINA
    {8, {65, 70, 75, 80}},      // 8 BRUXA MORGAVA
    {9, {85, 91, 97, 103}},     // 9 SEU VORLANDO
    {10, {109, 115, 121, 127}}, // 10 ESQUELETO
    {11, {133, 139, 145, 151}}, // 11 SATANAS
    {13, {159, 162, 165, 168}}, // 13 ARANHA GIGANTE
    {14, {171, 174, 177, 180}}, // 14 CARNIÇAL
    {15, {183, 186, 189, 192}}, // 15 MURLOC
    {16, {195, 201, 207, 213}}, // 16 ORC
    {17, {219, 225, 231, 237}}, // 17 LOBO SELVAGEM
    {18, {243, 249, 255, 261}}, // 18 MONSTRO DE PEDRA
    {19, {267, 273, 279, 285}}, // 19 OGRO
    {20, {291, 297, 303, 309}}, // 20 ÁRVORE
    {26, {318, 320, 322, 324}}, // 26 DONA QUITEVA
};
static_assert(sizeof(BASES) / sizeof(BASES[0]) == 15);

// Collision box half sizes by type (0 for types that have none of their own).
const uint8_t CAIXA[27][2] = {
    {0, 0},   // 0 free slot
    {20, 15}, // 1 TORRE DE GUARDA
    {25, 15}, // 2 FAZENDA
    {25, 15}, // 3 TIENDA DEL DURBICO
    {40, 25}, // 4 QUARTEL
    {40, 25}, // 5 CASA DA BRUXA MORGAVA
    {12, 8},  // 6 DURBICO
    {12, 8},  // 7 FIDELINA
    {12, 8},  // 8 BRUXA MORGAVA
    {14, 10}, // 9 SEU VORLANDO
    {12, 8},  // 10 ESQUELETO
    {20, 10}, // 11 SATANAS
    {14, 12}, // 12 chest
    {10, 8},  // 13 ARANHA GIGANTE
    {15, 10}, // 14 CARNIÇAL
    {20, 14}, // 15 MURLOC
    {23, 12}, // 16 ORC
    {20, 12}, // 17 LOBO SELVAGEM
    {25, 14}, // 18 MONSTRO DE PEDRA
    {25, 14}, // 19 OGRO
    {25, 14}, // 20 ÁRVORE
    {30, 8},  // 21 PORTAL
    {0, 0},   // 22 (portals are stored as 21)
    {0, 0},   // 23 (portals are stored as 21)
    {0, 0},   // 24 (portals are stored as 21)
    {20, 15}, // 25 enemy TORRE DE GUARDA
    {12, 8},  // 26 DONA QUITEVA
};
static_assert(sizeof(CAIXA) / sizeof(CAIXA[0]) == 27);

// The step of a structure's construction picture: the first limit not yet reached.
int32_t etapa(uint16_t construcao, const uint16_t (&limites)[4]) {
    int32_t k = 0;
    while (k < 4 && construcao >= limites[k]) k++;
    return k;
}

// Structures, the chest and the portal: true when the type is one of them.
bool quadroestrutura(Unidade& a) {
    static const uint16_t TORRE[4] = {240, 480, 720, 1000}, FAZENDA[4] = {320, 640, 960, 1300},
                          LOJA[4] = {180, 360, 520, 650};
    switch (a.tipo) {
    case 1: a.desenho = uint16_t(0 + etapa(a.construcao, TORRE)); return true;
    case 2: a.desenho = uint16_t(5 + etapa(a.construcao, FAZENDA)); return true;
    case 3: a.desenho = uint16_t(10 + etapa(a.construcao, LOJA)); return true;
    case 4: a.desenho = 15; return true;
    case 5: a.desenho = 16; return true;
    case 12: a.desenho = a.ciclo < 5 ? 157 : 158; return true;
    case 21: a.desenho = std::fmod(std::floor(a.ciclo), 2.0) == 0 ? 315 : 316; return true;
    case 25: a.desenho = 317; return true;
    default: return false;
    }
}

// Facing from the heading; a later test wins at a shared border. 0 down, 1 right, 2 up, 3 left.
int32_t facing(Unidade& a) {
    double d = a.direcao;
    if (d >= 3.925 && d <= 5.495) a.direcaonome = "BAIXO";
    if (d >= 5.495 || d <= 0.785) a.direcaonome = "DIREITA";
    if (d >= 0.785 && d <= 2.355) a.direcaonome = "CIMA";
    if (d >= 2.355 && d <= 3.925) a.direcaonome = "ESQUERDA";
    if (a.direcaonome == "DIREITA") return 1;
    if (a.direcaonome == "CIMA") return 2;
    if (a.direcaonome == "ESQUERDA") return 3;
    return 0;
}

// The added frame of an attack or a spell by quarter of the cycle.
int32_t passoataque(const Unidade& a) {
    int32_t q = a.ciclo < 7 ? 0 : a.ciclo < 14 ? 1 : a.ciclo < 21 ? 2 : a.ciclo < 28 ? 3 : -1;
    if (q < 0 || a.tipo == 26) return 0;  // the final boss keeps its base frame
    static const int32_t COMUM[4] = {3, 4, 5, 4}, BRUXA[4] = {2, 3, 4, 3}, PEQUENOS[4] = {1, 2, 1, 2};
    if (a.tipo == 8) return BRUXA[q];
    if (a.tipo >= 13 && a.tipo <= 15) return PEQUENOS[q];
    return COMUM[q];
}

void quadroorganico(Unidade& a) {
    const BaseQuadros* b = nullptr;
    for (const BaseQuadros& l : BASES)
        if (l.tipo == a.tipo) b = &l;
    if (!b) return;
    int32_t quadro = b->base[facing(a)];
    // a four-step walk over 28 ticks; floating units hold one frame
    if (a.posicao == 2) {
        if (a.rastro) quadro += 1;
        else if (a.ciclo >= 7 && a.ciclo < 14) quadro += 1;
        else if (a.ciclo >= 21 && a.ciclo < 28) quadro += 2;
    }
    if (a.posicao == 3 || a.posicao == 4) {
        // agility makes the hero's blows faster
        if (a.heroi && !pausa) a.ciclo += (a.agilidade + a.agilidadebonus) / 100.0;
        quadro += passoataque(a);
    }
    a.desenho = uint16_t(quadro);
}

}  // namespace

void escolhequadro(int32_t u) {
    Unidade& a = unidades[u];
    if (!quadroestrutura(a)) quadroorganico(a);
    if (a.tipo < 27 && (CAIXA[a.tipo][0] != 0 || CAIXA[a.tipo][1] != 0)) {
        a.tamanhox = CAIXA[a.tipo][0];
        a.tamanhoy = CAIXA[a.tipo][1];
    }
    if (a.desenho < NQUADROSUNIDADE) {
        a.desenhox = uint8_t(desenhox[a.desenho]);
        a.desenhoy = uint8_t(desenhoy[a.desenho]);
    }
}
