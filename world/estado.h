// The global game state: plain globals read and written directly by every routine on the one
// thread. Start values are set by FormCreate (shell); mission set-up resets the economy and the map.
#pragma once
#include <cstdint>
#include <string>

// --- screens and flow ---
extern uint8_t tela;               // screen state: 0 loading, 1 opening, 2 trivia, 3 menu, 4 briefing, 5 play, 6 ending, 10 error
extern int16_t ciclotela;          // the current state's cycle counter, em tiques
extern int16_t ciclotelamax;       // its period, set by each state every tick
extern int16_t velocidadejogo;     // timer period in ms, 0..100
extern bool sair;                  // exit request
extern std::string versao;         // "v1.2"
extern bool arquivoanselva;        // "Anselva.dat" found: cheats page on F3
extern uint8_t ritmotrabalho;      // work per tick on construction, repair and training (5 with "Tokyo.dat")
extern bool arquivomsx;            // "Msx.dat" found: "FINAL DO JOGO" on the main menu
extern bool existesave;            // "Vorlandocraft.sav" exists
extern uint8_t missaoinicial;      // mission a new game starts with
extern uint8_t missao;             // current mission 1..12
extern bool telacheia;             // display is full-screen
extern uint8_t cenafinal;          // ending slide 0..6
extern std::string erro;           // error text; while non-empty no further asset file is loaded
extern bool musicainiciar;         // request: start the music at the next gameplay or ending tick
extern bool musicaparar;           // request: stop the music at the next main-menu or briefing tick
extern bool perguntasobrescrever;  // the briefing shows the overwrite question
extern bool preparamissao;         // request: set up mission `missao` at the next briefing tick
extern uint8_t menu;               // options-menu page, 0 closed
extern bool pausa;                 // simulation frozen
extern bool pausajogador;          // the Pause key froze the game (a line says so)
extern uint8_t dicaatual;          // tip page 1..15
extern bool musicaligada, efeitosligados, vozesligadas;  // sound switches
extern uint8_t som;                // pending sound effect, 0 none
extern uint8_t voz;                // pending voice, 99 none
extern bool vertudo;               // cheat: everything counts as seen
extern uint8_t select_;            // `select`: slot of the main selected unit, 0 none (the C library owns the plain name)
extern uint8_t velocidaderolagem;  // camera scroll step, pixels per tick
extern uint8_t mousenum;           // pending map command of the pointer
extern bool derrotado;             // the hero or the barracks died
extern uint8_t paginajapao;        // trivia page 1..10 chosen when the opening ends

// --- economy and limits ---
extern double dinheiro;            // the player's money
extern uint16_t comidausada;       // food in use, recomputed every tick
extern uint16_t comidamax;         // food capacity, at most 99
extern uint16_t recompensavalor;   // money from the last kill, shown in the panel
extern uint16_t recompensatempo;   // ticks left to show it
extern uint8_t pesquisa4, pesquisa5, pesquisa6, pesquisa7;  // research: 0 no, 1 running, 2 done

// --- map and view ---
extern int32_t camerax, cameray;             // view origin, pixels do mapa
extern int32_t cameraxsalva, cameraysalva;   // camera kept while the screen shakes
extern int32_t tremor;                       // screen-shake ticks left
extern int32_t brilho;                       // screen-flash ticks left
extern int32_t mapalargura, mapaaltura;      // map size in 50-pixel cells

// --- messages ---
extern std::string mensagem, mensagem2;      // the two message lines
extern uint8_t mensagemtempo, mensagem2tempo;  // ticks each line stays

// --- unlocks, options and cheats ---
extern bool liberafidelina, liberafazenda, liberaloja;
extern uint8_t cenario;            // ground picture of the mission
extern uint8_t itenscheat;         // items the cheat page may still hand out
extern bool mostrahptodos;         // Alt shows every unit's bars

// Every global back to zero (empty, false); FormCreate then sets the start values.
void zeraestado();
