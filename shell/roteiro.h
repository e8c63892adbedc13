// Scripted input for the headless runner: one event per line, delivered before the tick it names.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct EventoRoteiro {
    enum Tipo { MOVE, DOWN, UP, PRESS, RELEASE } tipo = MOVE;
    int32_t tique = 0;
    bool direito = false;  // DOWN/UP: right button
    int32_t x = 0, y = 0;  // MOVE/DOWN/UP
    int32_t tecla = 0;     // PRESS/RELEASE: virtual-key code
};

// Lines: "T move X Y", "T down left|right X Y", "T up left|right X Y", "T press VK", "T release VK";
// blank lines and lines starting with '#' are skipped. A bad line fails naming its number.
bool leroteiro(const std::string& texto, std::vector<EventoRoteiro>& eventos, std::string& porque);
// Hands the events of tick `tique` to the game's handlers.
void entregaeventos(const std::vector<EventoRoteiro>& eventos, int32_t tique);
