// What a run writes besides the game: screenshots, state dumps and other text files.
#pragma once
#include <cstdint>
#include <string>

#include "shell/opcoes.h"

// Writes a text file whole or not at all (a temporary file, then a rename).
bool gravatexto(const std::string& caminho, const std::string& texto);
// After tick t: the screenshots and dumps the options ask for it; false (said on stderr) when one
// could not be written.
bool registros(const Opcoes& o, int32_t t);
