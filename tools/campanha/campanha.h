// The whole campaign played by the scripted player, a mission at a time: each mission starts the
// game afresh from the loading screen, reaches the briefing through the main menu (a new game for
// the first, the saved game for the others), saves there, plays, clicks "FINALIZAR", saves at the
// next briefing; the twelfth ends on the ending's "FIM". Every mission is recorded for --replay.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "campanha/jogador.h"

struct OpcoesCampanha {
    uint64_t semente = 1;
    std::string pasta;          // working folder: the asset folders, the saved game, the replays
    int primeira = 1, ultima = 12;
    int32_t limite = 45000;     // gameplay ticks an attempt may take
    int tentativas = 3;         // attempts a mission may take ("TENTAR NOVAMENTE")
};

struct LinhaCampanha {
    int missao = 0;
    ResultadoMissao r;
    int tentativas = 0;
    int32_t tiquestotal = 0;    // every tick of the mission's run, screens included
};

// Plays the missions; one row per mission played. False with a reason when the game could not be
// set up (the folder, the routes) or a mission was not won.
bool jogacampanha(const OpcoesCampanha& o, std::vector<LinhaCampanha>& tabela, std::string& why);
// The table as text, for the terminal and the README.
std::string textotabela(const std::vector<LinhaCampanha>& tabela);
