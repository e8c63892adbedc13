// The loading screen's folders and file names.
#pragma once
#include <cstdint>
#include <string>

inline constexpr int NUMPASTASCARGA = 7;  // Unidades, Efeitos, Objetos, Cenario, Final, Abertura, Sons
// The name the loading screen asks for: file `numero` of folder `pasta` (0..6, in loading order).
std::string nomearquivocarga(int pasta, int32_t numero);
// How many files that folder has.
int32_t quantosarquivoscarga(int pasta);
// Reads every file of folder `pasta` (0..6) into its list, in increasing number; after the first
// failure nothing more is read.
void carregapasta(int pasta);
