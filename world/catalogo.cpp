// The unit catalogue: one row per unit type in each of the three tables.
#include "world/catalogo.h"

#define LINHAS(t) (sizeof(t) / sizeof((t)[0]))

const TipoUnidade tiposunidade[] = {
    {"", 0},                                                  // 0 (no unit)
    {"TORRE DE GUARDA", NAOORGANICO | ADISTANCIA | PARADO},   // 1 TORRE DE GUARDA
    {"FAZENDA", NAOORGANICO},                                 // 2 FAZENDA
    {"TIENDA DEL DURBICO", NAOORGANICO},                      // 3 TIENDA DEL DURBICO
    {"QUARTEL", NAOORGANICO | AGRUPAMENTO},                   // 4 QUARTEL
    {"CASA DA BRUXA MORGAVA", NAOORGANICO | AGRUPAMENTO},     // 5 CASA DA BRUXA MORGAVA
    {"DURBICO", NAOATACA | NAOPERSEGUE},                      // 6 DURBICO
    {"FIDELINA", NAOPERSEGUE | ADISTANCIA},                   // 7 FIDELINA
    {"BRUXA MORGAVA", NAOPERSEGUE | ADISTANCIA | RASTRO},     // 8 BRUXA MORGAVA
    {"SEU VORLANDO", HEROI},                                  // 9 SEU VORLANDO
    {"ESQUELETO", ESQUELETO},                                 // 10 ESQUELETO
    {"SATANAS", ADISTANCIA},                                  // 11 SATANAS
    {"", BAU | NAOSOLIDO | NAOORGANICO},                      // 12 chest (named after its item)
    {"ARANHA GIGANTE", INIMIGO | ENVENENA},                   // 13 ARANHA GIGANTE
    {"CARNIÇAL", INIMIGO | COMECADAVER},                      // 14 CARNIÇAL
    {"MURLOC", INIMIGO},                                      // 15 MURLOC
    {"ORC", INIMIGO},                                         // 16 ORC
    {"LOBO SELVAGEM", INIMIGO | COMECADAVER},                 // 17 LOBO SELVAGEM
    {"MONSTRO DE PEDRA", INIMIGO},                            // 18 MONSTRO DE PEDRA
    {"OGRO", INIMIGO | PARALISA},                             // 19 OGRO
    {"ÁRVORE", INIMIGO},                                      // 20 ÁRVORE
    {"PORTAL", INIMIGO | NAOORGANICO},                        // 21 PORTAL level 1
    {"PORTAL", INIMIGO | NAOORGANICO},                        // 22 PORTAL level 2
    {"PORTAL", INIMIGO | NAOORGANICO},                        // 23 PORTAL level 3
    {"PORTAL", INIMIGO | NAOORGANICO},                        // 24 PORTAL level 4
    {"TORRE DE GUARDA", INIMIGO | NAOORGANICO | ADISTANCIA | PARADO},  // 25 enemy TORRE DE GUARDA
    {"DONA QUITEVA", INIMIGO | ADISTANCIA | RASTRO},          // 26 DONA QUITEVA
};
static_assert(LINHAS(tiposunidade) == MAXTIPOS + 1, "one row per unit type");

// Columns: forca, agilidade, inteligencia; hpmax, site hp; danomin, danomax; armadura; distataque;
// ciclomax; velocidade; nivel; experiencia, recompensa; consomecomida, fornececomida;
// construcaomax, custo; qtdinimigos; tempovida.
const NumerosUnidade numerosunidade[] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 50, 0, 0.0, 0, 0, 0, 0, 0, 0, 0, 0, 0},              // 0 (no unit)
    {0, 0, 0, 500, 120, 15, 20, 3, 250, 20, 0.0, 0, 0, 0, 0, 0, 1000, 150, 0, 0},  // 1 TORRE DE GUARDA
    {0, 0, 0, 800, 300, 0, 0, 3, 50, 0, 0.0, 0, 0, 0, 0, 6, 1300, 200, 0, 0},      // 2 FAZENDA
    {0, 0, 0, 300, 40, 0, 0, 3, 50, 20, 0.0, 0, 0, 0, 0, 0, 650, 150, 0, 0},       // 3 TIENDA DEL DURBICO
    {0, 0, 0, 2000, 2000, 0, 0, 3, 50, 0, 0.0, 0, 0, 0, 0, 2, 1000, 0, 0, 0},      // 4 QUARTEL
    {0, 0, 0, 1000, 1000, 0, 0, 3, 50, 0, 0.0, 0, 0, 0, 0, 0, 1000, 0, 0, 0},      // 5 CASA DA BRUXA MORGAVA
    {4, 5, 0, 0, 0, 0, 0, 0, 50, 28, 4.0, 0, 0, 0, 1, 0, 100, 0, 0, 0},            // 6 DURBICO
    {8, 5, 12, 0, 0, 0, 0, 0, 200, 28, 4.0, 0, 0, 0, 2, 0, 100, 0, 0, 0},          // 7 FIDELINA
    {11, 5, 14, 0, 0, 0, 0, 0, 200, 28, 4.2, 0, 0, 0, 2, 0, 100, 0, 0, 0},         // 8 BRUXA MORGAVA
    {0, 0, 0, 0, 0, 0, 0, 0, 60, 28, 4.5, 0, 0, 0, 5, 0, 100, 0, 0, 0},            // 9 SEU VORLANDO (carried)
    {9, 7, 0, 0, 0, 0, 0, 0, 60, 28, 4.0, 0, 0, 0, 0, 0, 100, 0, 0, 1500},         // 10 ESQUELETO
    {27, 18, 0, 0, 0, 0, 0, 0, 200, 28, 4.5, 0, 0, 0, 0, 0, 100, 0, 0, 4500},      // 11 SATANAS
    {0, 0, 0, 0, 0, 0, 0, 0, 50, 10, 0.0, 0, 0, 0, 0, 0, 100, 0, 0, 0},            // 12 chest
    {3, 0, 0, 0, 0, 0, 0, 0, 50, 28, 2.7, 1, 9, 20, 0, 0, 100, 0, 0, 0},           // 13 ARANHA GIGANTE
    {10, 4, 0, 0, 0, 0, 0, 0, 50, 28, 3.2, 2, 18, 30, 0, 0, 100, 0, 0, 0},         // 14 CARNIÇAL
    {15, 8, 0, 0, 0, 0, 0, 0, 50, 28, 3.5, 2, 30, 45, 0, 0, 100, 0, 0, 0},         // 15 MURLOC
    {18, 8, 0, 0, 0, 0, 0, 0, 60, 28, 3.3, 4, 55, 50, 0, 0, 100, 0, 0, 0},         // 16 ORC
    {20, 8, 0, 0, 0, 0, 0, 0, 60, 28, 3.5, 4, 70, 60, 0, 0, 100, 0, 0, 0},         // 17 LOBO SELVAGEM
    {30, 22, 0, 0, 0, 0, 0, 0, 70, 28, 2.8, 6, 120, 90, 0, 0, 100, 0, 0, 0},       // 18 MONSTRO DE PEDRA
    {35, 15, 0, 0, 0, 0, 0, 0, 60, 28, 3.0, 7, 140, 130, 0, 0, 100, 0, 0, 0},      // 19 OGRO
    {45, 25, 0, 0, 0, 0, 0, 0, 65, 28, 2.7, 7, 180, 150, 0, 0, 100, 0, 0, 0},      // 20 ÁRVORE
    {0, 0, 0, 500, 500, 0, 0, 3, 50, 700, 0.0, 1, 50, 0, 0, 0, 100, 0, 60, 0},     // 21 PORTAL level 1
    {0, 0, 0, 700, 700, 0, 0, 5, 50, 700, 0.0, 2, 80, 0, 0, 0, 100, 0, 70, 0},     // 22 PORTAL level 2
    {0, 0, 0, 1000, 1000, 0, 0, 7, 50, 700, 0.0, 3, 150, 0, 0, 0, 100, 0, 80, 0},  // 23 PORTAL level 3
    {0, 0, 0, 1300, 1300, 0, 0, 10, 50, 700, 0.0, 4, 300, 0, 0, 0, 100, 0, 100, 0},  // 24 PORTAL level 4
    {0, 0, 0, 1200, 1200, 22, 38, 8, 250, 20, 0.0, 1, 200, 0, 0, 0, 1000, 0, 0, 0},  // 25 enemy TORRE DE GUARDA
    {260, 80, 0, 0, 0, 0, 0, 0, 250, 28, 4.8, 15, 1000, 0, 0, 0, 100, 0, 0, 0},    // 26 DONA QUITEVA
};
static_assert(LINHAS(numerosunidade) == MAXTIPOS + 1, "one row per unit type");

// Columns: altura; retrato, retrato2; retratoa, retratob; iconeataque, iconedefesa;
// alcancevisao, distpersegue.
const ApresentacaoUnidade apresentacaounidade[] = {
    {0, 0, 0, 0, 0, 0, 0, 320, 300},       // 0 (no unit)
    {80, 0, 0, 0, 0, 1, 1, 450, 300},      // 1 TORRE DE GUARDA
    {60, 1, 1, 0, 0, 0, 1, 320, 300},      // 2 FAZENDA
    {70, 2, 2, 0, 0, 0, 1, 320, 300},      // 3 TIENDA DEL DURBICO
    {100, 3, 3, 0, 0, 0, 1, 320, 300},     // 4 QUARTEL
    {80, 4, 4, 0, 0, 0, 1, 320, 300},      // 5 CASA DA BRUXA MORGAVA
    {90, 5, 6, 90, 80, 2, 2, 320, 300},    // 6 DURBICO
    {80, 7, 8, 90, 80, 3, 3, 320, 300},    // 7 FIDELINA
    {95, 9, 10, 90, 80, 4, 4, 320, 300},   // 8 BRUXA MORGAVA
    {100, 11, 12, 90, 80, 5, 5, 380, 300}, // 9 SEU VORLANDO
    {80, 14, 15, 30, 20, 6, 6, 320, 200},  // 10 ESQUELETO
    {110, 16, 17, 2, 1, 4, 7, 320, 300},   // 11 SATANAS
    {70, 18, 19, 6, 3, 0, 0, 320, 300},    // 12 chest
    {30, 20, 21, 20, 10, 0, 0, 320, 300},  // 13 ARANHA GIGANTE
    {50, 22, 23, 30, 15, 0, 0, 320, 300},  // 14 CARNIÇAL
    {45, 24, 25, 50, 10, 0, 0, 320, 300},  // 15 MURLOC
    {68, 26, 27, 30, 15, 0, 0, 320, 300},  // 16 ORC
    {55, 28, 29, 60, 50, 0, 0, 320, 300},  // 17 LOBO SELVAGEM
    {68, 30, 30, 0, 0, 0, 0, 320, 300},    // 18 MONSTRO DE PEDRA
    {80, 31, 32, 40, 20, 0, 0, 320, 300},  // 19 OGRO
    {95, 33, 34, 40, 20, 0, 0, 320, 300},  // 20 ÁRVORE
    {75, 35, 36, 2, 1, 0, 0, 320, 300},    // 21 PORTAL level 1
    {75, 35, 36, 2, 1, 0, 0, 320, 300},    // 22 PORTAL level 2
    {75, 35, 36, 2, 1, 0, 0, 320, 300},    // 23 PORTAL level 3
    {75, 35, 36, 2, 1, 0, 0, 320, 300},    // 24 PORTAL level 4
    {80, 37, 37, 0, 0, 1, 1, 450, 300},    // 25 enemy TORRE DE GUARDA
    {95, 38, 39, 2, 1, 0, 0, 320, 1000},   // 26 DONA QUITEVA
};
static_assert(LINHAS(apresentacaounidade) == MAXTIPOS + 1, "one row per unit type");
