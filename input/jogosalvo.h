// The saved game "Vorlandocraft.sav": the mission to be played and the hero carried into it, as 19
// decimal lines (18 values and a weighted check sum).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* ARQUIVOSAVE = "Vorlandocraft.sav";
inline constexpr int32_t LINHASSAVE = 19;
using ValoresSave = std::array<int64_t, LINHASSAVE - 1>;  // lines 1..18

// The 18 values from `missao` and `heroisalvo`, each widened to a whole number.
ValoresSave valoressalvos();
// The weighted sum of the 18 values, as a signed 32-bit sum.
int32_t somaverificacao(const ValoresSave& v);
// The 19 lines of the file, values then the check sum.
std::vector<std::string> linhassave();
// Reads 19 lines of whole numbers (CR LF or LF); false for a missing, empty, signed, non-numeric or
// absurdly long line, or fewer than 19 lines. `soma` receives line 19.
bool lelinhassave(const std::string& texto, ValoresSave& v, int64_t& soma);
// The values as the hero's record keeps them: the low 8 or 16 bits of each field.
ValoresSave comoguardados(const ValoresSave& v);
// Whether values as stored are what play can produce: a mission 1..12, items 0..34, and a hero
// whose level (1..15), technique points and levels and attributes fit together.
bool savejogavel(const ValoresSave& v);
// The whole check of a save's text: 19 whole numbers, the check sum of the values as stored, a hero
// play can have made. The values as stored in `v` when all of it holds; `v` untouched otherwise.
bool lesave(const std::string& texto, ValoresSave& v);
// Stores the values into `missao` and `heroisalvo`, keeping the low 8 or 16 bits of each field.
void guardavalores(const ValoresSave& v);

// What the briefing shows for a moment after a save that worked.
inline constexpr const char* JOGOSALVO = "JOGO SALVO.";
// Writes the whole file, or nothing, and says on the briefing's message line which it was; a
// failure keeps the old file.
bool salvajogo();
// Reads the file into `missao` and `heroisalvo` and goes to the briefing; a bad file goes to the
// error screen with "Arquivo  Vorlandocraft.sav  inválido.", a file that cannot be opened with
// "Arquivo  Vorlandocraft.sav  não pôde ser lido.". No file: nothing happens.
void carregajogo();
