// One game per player's folder: an advisory lock on the folder itself, held for the whole run.
#pragma once
#include <string>

// Takes the lock on `pasta`; false when another copy of the game holds it. A folder that cannot be
// locked at all (a file system without locks) counts as free.
bool travapasta(const std::string& pasta);
// Whether another copy holds this run's player's folder: then nothing is saved.
bool pastaocupada();
// What the player is told when that is so.
inline constexpr const char* OUTRACOPIA = "OUTRA CÓPIA DO JOGO USA ESTA PASTA: NADA SERÁ SALVO.";
