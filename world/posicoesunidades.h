// Where every unit stands, in a small table beside the unit records: while the units' pass runs, a
// walking unit looks for bumps only among the units this table puts near it (the records are large and
// a crowd has 250 of them). Every write of a unit's position during the pass is noted here.
#pragma once
#include <cstdint>

struct PosicaoUnidade {
    double x, y;
};

extern PosicaoUnidade posicoesunidades[];  // by slot, valid while `posicoesabertas`
extern bool posicoesabertas;
extern int32_t maiorcaixax, maiorcaixay;   // no unit's half box is larger while the table is open

void abreposicoes();              // the pass begins: every slot's place and the largest box
void fechaposicoes();             // the pass ends: the table is not kept outside it
void anotaposicao(int32_t u);     // a unit stepped or was made
