// The world's pictures: unit frames and their anchors, effects, map objects and ground tiles.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/picture.h"

inline constexpr int NUNIDADES = 326, NEFEITOS = 108, NOBJETOS = 23, NCENARIOS = 3;

// Unit frames (index = frame number) and the point of each frame that stands on the unit's map
// position: the picture is drawn with its top-left corner at (x - ancorax, y - ancoray).
struct Unidades {
    std::vector<Picture> quadros;
    std::vector<int16_t> ancorax, ancoray;
    // Where the two-legged figures' heads are drawn in each frame, from the picture's top-left
    // corner (-1 for frames without such a head: buildings, chest, spider, wolf). For review and tests.
    std::vector<int16_t> cabecax, cabecay;
};
Unidades gera_unidades();
std::vector<Picture> gera_efeitos();
std::vector<Picture> gera_objetos();
std::vector<Picture> gera_cenarios();

// The effect and object anchors the drawing code uses (fixed by the game's tables).
extern const uint8_t efeito_ancorax[NEFEITOS], efeito_ancoray[NEFEITOS];
extern const uint8_t objeto_ancorax[NOBJETOS], objeto_ancoray[NOBJETOS];

// File names inside the game folder.
std::string nome_unidade(int indice);
std::string nome_efeito(int indice);
std::string nome_objeto(int indice);
std::string nome_cenario(int indice);

// The C++ source of the frame anchor table.
std::string fonte_ancoras(const Unidades& u);

// Writes every picture into `jogo`, the anchor table into `gerados`, contact sheets and a sample
// scene into `revisao` (skipped when empty). False when a file could not be written.
bool escreve_sprites(const std::string& jogo, const std::string& gerados, const std::string& revisao);
