// The sound generator: the 46 numbered sounds of "Sons" and the seven tracks of "Musicas".
#pragma once
#include <string>

inline constexpr int NUMSONS = 46;
inline constexpr int NUMMUSICAS = 7;

// "Sons/Som-07.wav", "Musicas/Musica-03.wav": names relative to the game's working folder.
std::string nomesom(int n);
std::string nomemusica(int m);

// Each writes one file under `pasta` (creating its folder); false with a reason in `erro`.
bool gerarsom(int n, const std::string& pasta, std::string& erro);
bool gerarmusica(int m, const std::string& pasta, std::string& erro);
// Everything, stopping at the first failure.
bool gerartudo(const std::string& pasta, std::string& erro);
