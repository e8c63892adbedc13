// Start-up: every start value, the presence-flag files and the saved game.
#include "assets/listas.h"
#include "input/jogosalvo.h"
#include "input/mouse.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"
#include "world/itens.h"

#include <cstdio>

int32_t tiques;

bool presencaarquivos() {
    arquivoanselva = false;
    ritmotrabalho = 1;
    arquivomsx = false;
    if (FileExists("Anselva.dat", Pasta::jogador)) arquivoanselva = true;  // cheats page on F3
    if (FileExists("Tokyo.dat", Pasta::jogador)) ritmotrabalho = 5;        // five times faster building and training
    if (FileExists("Msx.dat", Pasta::jogador)) arquivomsx = true;          // "FINAL DO JOGO" on the main menu
    return arquivoanselva || ritmotrabalho == 5 || arquivomsx;
}

void FormCreate() {
    // 1. the random generator is seeded by the caller (from the clock, or --seed)
    zeraestado();
    tiques = 0;
    // 2. the item catalogue
    criaitens();
    // 3. the presence-flag files
    presencaarquivos();
    // 4. start values
    versao = "v1.2";
    missaoinicial = 1;
    telacheia = false;
    tela = 0;
    cenafinal = 0;
    som = 0;
    voz = 0;
    musicainiciar = false;
    musicaparar = false;
    vertudo = false;
    erro.clear();
    perguntasobrescrever = false;
    preparamissao = false;
    camerax = 0;
    cameray = 0;
    menu = 0;
    dicaatual = 1;
    musicaligada = efeitosligados = vozesligadas = true;
    pausa = false;
    select_ = 0;
    velocidaderolagem = 20;
    velocidadejogo = 20;
    ciclotela = 0;
    mousenum = 0;
    mousex = mousey = 0;
    // 6. the saved game
    existesave = FileExists(ARQUIVOSAVE, Pasta::jogador);
    // 5, 7, 8. the window, the hidden pointer and the display mode belong to the back end
    // the pictures built into the program; a damaged pack shows the error screen
    carregaimagensinternas();
    SetTimerInterval(velocidadejogo);
    std::string porque;
    if (!InitText(porque)) {
        std::fprintf(stderr, "Vorlandocraft: %s\n", porque.c_str());
        mostraerro(porque);
    }
}
