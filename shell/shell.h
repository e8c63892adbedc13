// The game shell: start-up, the frame tick and its screen states.
#pragma once
#include <cstdint>
#include <string>

// start-up (inicio.cpp)
void FormCreate();
bool presencaarquivos();  // reads the three flag files; true if any was found

// the frame tick (tique.cpp)
void DXTimer1Timer();
// Advances the state's cycle counter with its period; true when it reached the period.
bool avancaciclo(int16_t periodo);

// screen-state bodies, one file each
void telacarregamento();  // 0 loading (carregamento.cpp)
void telaabertura();      // 1 opening (telas.cpp)
void telatrivia();        // 2 trivia page
void telamenu();          // 3 main menu
void telabriefing();      // 4 mission briefing
void telajogo();          // 5 gameplay
void telafinal();         // 6 ending
void telaerro();          // 10 error (erro.cpp)

// Error screen: stores the message and switches to state 10.
void mostraerro(const std::string& mensagemerro);

// the pointer step (ponteiro.cpp)
void desenhaponteiro();

// the number of frame ticks run since start-up
extern int32_t tiques;
