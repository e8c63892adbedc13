// A complete but tiny set of asset folders for tests that run the loading screen.
#pragma once
#include <filesystem>
#include <string>

// Writes every file the loading screen reads into `pasta`: one-pixel pictures and short silent sounds,
// named as the asset folders name them (Unid-042.gmb, Som-07.wav, ...).
void criaconteudominimo(const std::filesystem::path& pasta);
// A short 16-bit PCM mono wave of silence.
std::string ondacurta();
