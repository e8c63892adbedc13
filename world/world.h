// The world model: the fixed tables that hold a game and the routines that create their entries.
// One public header; the tables and routines are declared in the headers below, grouped by file.
#pragma once

// --- world/auxiliares.h: arredonda (nearest, halves to even), distancia (Euclidean, pixels)
#include "world/auxiliares.h"
// --- world/estado.h, estado.cpp: the global game state (screens, economy, map, messages)
#include "world/estado.h"
// --- world/unidades.h, unidades.cpp: Unidade, unidades[1..250], heroisalvo, limpaunidades,
//     novoheroisalvo
#include "world/unidades.h"
// --- world/catalogo.h, catalogo.cpp: tiposunidade, numerosunidade, apresentacaounidade
#include "world/catalogo.h"
// --- world/criaunidade.h, criaunidade.cpp: criaunidade
#include "world/criaunidade.h"
// --- world/itens.h, itens.cpp: Item, itenstabela[1..34], criaitens
#include "world/itens.h"
// --- world/efeitos.h: Efeito, efeitos[1..250]; efeitos.cpp: criaefeito, limpaefeitos,
//     contaefeitos; processaefeitos.cpp: processaefeitos; quadrosefeito.cpp: quadroefeito,
//     ancoraefeito
#include "world/efeitos.h"
// --- world/objetos.h, objetos.cpp: Objeto, objetos[1..3000], criaobjeto, processaobjetos,
//     limpaobjetos, contaobjetos
#include "world/objetos.h"
// --- world/sobreposicao.h, sobreposicao.cpp: sobreposicaoponteiro (the pointer's placement test)
#include "world/sobreposicao.h"
// --- world/despejo.h, despejo.cpp: despejomundo
#include "world/despejo.h"
// --- world/natela.h: natela (a point on or near the screen)
#include "world/natela.h"
// --- world/textocurto.h: textocurto<N>, the records' short strings
#include "world/textocurto.h"
