// Scripted input for the headless runner: one event per line, delivered before the tick it names.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct EventoRoteiro {
    enum Tipo { MOVE, DOWN, UP, PRESS, RELEASE, CLOSE, LEAVE, ENTER } tipo = MOVE;
    int32_t tique = 0;
    bool direito = false;  // DOWN/UP: right button
    int32_t x = 0, y = 0;  // MOVE/DOWN/UP
    int32_t tecla = 0;     // PRESS/RELEASE: virtual-key code
};

// The longest run a script, a recording or --ticks may name, and the largest script or recording
// read (a day of play at the most hurried hands is a few megabytes).
constexpr int32_t MAXTIQUES = 100000000;
constexpr size_t MAXROTEIRO = 64u << 20;

// Lines: "T move X Y", "T down left|right X Y", "T up left|right X Y", "T press VK", "T release VK",
// "T close" (a close request from outside), "T leave" and "T enter" (the pointer leaves the window
// and comes back); blank lines and lines starting with '#' are skipped. A bad line fails naming its number.
// The events come out in tick order, those of one tick in the order of their lines.
bool leroteiro(const std::string& texto, std::vector<EventoRoteiro>& eventos, std::string& porque);
// One event line (no comment, no blank); false when it is not one: a tick outside 1..MAXTIQUES, a
// point off the 800 x 600 screen, a key outside 1..255 or anything after the event.
bool leevento(const std::string& linha, EventoRoteiro& e);
// A whole decimal number within [minimo, maximo], the whole of `s` (no sign but '-', no spaces).
bool inteirolimitado(const std::string& s, int64_t& v, int64_t minimo, int64_t maximo);
// At most `n` characters of a line for a message, every byte that is not printable ASCII shown as '?'.
std::string trechodalinha(const std::string& linha, size_t n = 40);
// Reads a script or recording file whole, refusing a folder, an unreadable file and one larger than
// MAXROTEIRO; false with the reason.
bool learquivoroteiro(const std::string& caminho, std::string& texto, std::string& porque);
// The line that reads back as `e`.
std::string linhaevento(const EventoRoteiro& e);
// Hands the game's handlers every event from `proximo` on whose tick is `tique` or earlier, in
// order, and moves `proximo` past them.
void entregaeventos(const std::vector<EventoRoteiro>& eventos, size_t& proximo, int32_t tique);
// One event to the handlers, as the window would give it.
void entregaevento(const EventoRoteiro& e);
