// The command line of the game and of its headless runner.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct Opcoes {
    bool headless = false;
    int32_t ticks = 0;                      // --ticks N: ticks the run lasts (0 in a window: no end)
    bool temticks = false;
    bool temsemente = false;
    uint64_t semente = 0;                   // --seed S
    std::string roteiro;                    // --input FILE: scripted input; "-" reads commands too
    std::string grava;                      // --record FILE
    std::string reproduz;                   // --replay FILE
    std::vector<std::pair<int32_t, std::string>> fotos;   // --shot T=PATH
    std::vector<std::pair<int32_t, std::string>> estados; // --state T=PATH
    std::string sons;                       // --sounds PATH
    int32_t escala = 0;                     // --scale K (window), 0 fits the desktop
    bool temescala = false;
    bool telacheia = false;                 // --fullscreen
    bool moldura = false;                   // --moldura: the window manager's frame around the window
    int32_t missao = 0;                     // --mission N: straight into a mission
};

// Reads the arguments; false with a reason for an unknown or malformed one, or for options that
// do not go together.
bool leopcoes(const std::vector<std::string>& args, Opcoes& o, std::string& porque);
extern const char* const ajudaopcoes;    // the usage text
extern const char* const ajudacompleta;  // what --help adds to it
extern const char* const versaoprograma;  // "1.2.0": the build's version
