// The mission table: objective, money, unlocks, ground, research and music of each mission.
#include "missions/missoes.h"

// linhaobjetivo, objetivo, aviso, dinheiro, fazenda, loja, fidelina, cenario, pesquisa4, pesquisa7, musica, areafixa
const LinhaMissao tabelamissoes[13] = {
    // 0 unused
    {"", 0, "", 0, false, false, false, 0, 0, 0, 1, false},
    // 1 the lost Durbiquinho
    {"MISSÃO - SALVAR O POBRE DURBIQUINHO.", 1, "DURBICO FOI ENCONTRADO.", 0, false, false, false, 0, 0, 0, 1, false},
    // 2 three portals
    {"MISSÃO - DESTRUIR 3 PORTAIS.", 2, "PORTAIS DESTRUIDOS.", 200, false, false, false, 0, 0, 0, 2, false},
    // 3 the cemetery
    {"MISSÃO - ENCONTRAR A PASSAGEM SUBTERRÂNEA.", 1, "PASSAGEM ENCONTRADA.", 0, false, false, false, 1, 0, 0, 3, false},
    // 4 the labyrinth and the witch
    {"MISSÃO - ENCONTRAR A BRUXA.", 1, "BRUXA FOI ENCONTRADA.", 0, false, false, false, 2, 0, 0, 1, false},
    // 5 four portals
    {"MISSÃO - DESTRUIR 4 PORTAIS.", 2, "PORTAIS DESTRUIDOS.", 350, true, true, false, 0, 0, 0, 5, false},
    // 6 Fidelina
    {"MISSÃO - SALVAR A FIDELINA.", 1, "FIDELINA FOI SALVA.", 0, false, true, false, 0, 0, 2, 1, false},
    // 7 four portals round the base
    {"MISSÃO - DESTRUIR 4 PORTAIS.", 2, "PORTAIS DESTRUIDOS.", 600, true, true, true, 0, 0, 0, 4, false},
    // 8 two great portals
    {"MISSÃO - DESTRUIR 2 PORTAIS.", 2, "PORTAIS DESTRUIDOS.", 350, true, true, true, 0, 0, 0, 2, false},
    // 9 the secret passage
    {"MISSÃO - ENCONTRAR A PASSAGEM SECRETA.", 1, "PASSAGEM SECRETA ENCONTRADA.", 0, false, false, false, 0, 0, 0, 4, false},
    // 10 the trapped labyrinth
    {"MISSÃO - ENCONTRAR A SAÍDA DO LABIRINTO.", 1, "SAÍDA ENCONTRADA.", 0, false, false, false, 2, 0, 0, 5, true},
    // 11 five portals
    {"MISSÃO - DESTRUIR 5 PORTAIS.", 2, "PORTAIS DESTRUIDOS.", 400, true, true, true, 0, 2, 0, 6, false},
    // 12 the final duel
    {"MISSÃO - DESTRUIR A DONA QUITEVA.", 3, "DONA QUITEVA DESTRUIDA.", 0, false, false, false, 0, 0, 0, 1, false},
};
static_assert(sizeof(tabelamissoes) / sizeof(tabelamissoes[0]) == 13, "twelve missions and the unused row 0");
