// Recording a run: its seed and mission, and every input event that reached the game stamped
// with the tick it came before, in the scripted-input format, so the file also serves as --input.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "shell/ajustes.h"
#include "shell/roteiro.h"

struct Gravacao {
    uint64_t semente = 0;
    int32_t missao = 0;        // 0: the run began on the loading screen
    bool telacheia = false;    // started in full screen (it shows in the state dump)
    std::string arquivos;      // the flag files and the saved game that were in the working folder
    int32_t fim = 0;           // the last tick run; 0 when the run did not end (the last event's tick then)
    std::string versao;        // the program's version that made it ("" in an older recording)
    bool temajustes = false;   // the settings the run started with (the sound switches and the speed)
    Ajustes ajustes;
    std::vector<EventoRoteiro> eventos;
};

// The flag files and the saved game in the working folder now, as a recording names them.
std::string arquivospresentes();

// Starts writing `caminho` with the header of `g`; every event delivered to the game's handlers
// from now on is written, stamped with the tick it comes before. False with a reason on failure.
bool iniciagravacao(const std::string& caminho, const Gravacao& g, std::string& porque);
void fimdotique();                  // the tick's events reach the disk (a crash keeps them)
void encerragravacao(int32_t fim);  // writes the last tick and closes the file

// Reads a recording; false with a reason when it is not one or an event line is bad.
bool legravacao(const std::string& texto, Gravacao& g, std::string& porque);
