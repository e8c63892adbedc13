// The game shell: start-up, the frame tick and its screen states.
#pragma once
#include <cstdint>
#include <string>

#include "media/media.h"

// start-up (inicio.cpp)
void FormCreate();
bool presencaarquivos();  // reads the three flag files; true if any was found

// the frame tick (tique.cpp)
void DXTimer1Timer();
// Advances the state's cycle counter with its period; true when it reached the period.
bool avancaciclo(int16_t periodo);

// screen-state bodies, one file each
void telacarregamento();  // 0 loading (carregamento.cpp)
void telaabertura();      // 1 opening (telaabertura.cpp, and so on)
void telatrivia();        // 2 trivia page
void telamenu();          // 3 main menu
void telabriefing();      // 4 mission briefing
void telajogo();          // 5 gameplay (sim/jogo.cpp)
void telafinal();         // 6 ending
void telaerro();          // 10 error (erro.cpp)

// helpers of the screens outside play
void desenhacentrado(const ImageList& lista, int32_t k);  // item k centred on (400, 300)
int32_t quadroabertura(int32_t c);   // the opening's foreground picture for the counter c
uint8_t paginadosorteio(int32_t r);  // the trivia page 1..10 for a draw r of Random(100)
uint8_t sorteiapagina();             // the trivia page drawn when the opening ends
int32_t opacidadefinal(int32_t c);   // an ending slide's opacity for the counter c

// Error screen: stores the message and switches to state 10.
void mostraerro(const std::string& mensagemerro);

// the pointer step (ponteiro.cpp)
void desenhaponteiro();

// the number of frame ticks run since start-up
extern int32_t tiques;
