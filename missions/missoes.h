// Missions: the objective record, the mission table, the twelve built-in layouts and `criamapa`,
// which builds a mission from scratch.
#pragma once
#include "media/media.h"

#include <cstdint>
#include <string>

// The objective of the current mission (filled by criamapa, checked every gameplay tick).
struct Tarefa {
    uint8_t objetivo;         // 1 reach the area, 2 destroy every portal, 3 destroy the final boss
    int32_t areax1, areax2;   // target area, pixels do mapa (only for objetivo 1)
    int32_t areay1, areay2;
    std::string avisotarefa;  // line shown when the objective is met
    bool cumprida;            // the objective has been met
};
extern Tarefa tarefa;

// --- missions/tabelamissoes.cpp: one row per mission, what step 6 of criamapa writes
struct LinhaMissao {
    const char* linhaobjetivo;  // `mensagem2` at the start
    uint8_t objetivo;
    const char* aviso;          // `avisotarefa`
    double dinheiro;
    bool fazenda, loja, fidelina;  // unlocks
    uint8_t cenario;
    uint8_t pesquisa4, pesquisa7;
    uint8_t musica;             // "Musicas/Musica-0" + musica + ".wav"
    bool areafixa;              // mission 10: the way out at the top
};
extern const LinhaMissao tabelamissoes[13];  // row 0 unused
constexpr int32_t AREAFIXAX1 = 270, AREAFIXAY1 = -60, AREAFIXAX2 = 470, AREAFIXAY2 = 30;

// --- missions/layouts.cpp: the twelve layouts kept inside the program
extern Bitmap ImageMapa01, ImageMapa02, ImageMapa03, ImageMapa04, ImageMapa05, ImageMapa06,
    ImageMapa07, ImageMapa08, ImageMapa09, ImageMapa10, ImageMapa11, ImageMapa12;
// Layout n (1..12), or null outside.
Bitmap* layoutmissao(int32_t n);
// Reads the twelve layouts from the built-in pack `mapas`; false with a reason when it is missing,
// short or damaged. Runs once; later calls answer at once.
bool carregalayouts(std::string& why);

// --- missions/cores.cpp: the colour code of the layouts
int32_t objetodacor(Cor c);   // map object type 1..21, 0 none
int32_t unidadedacor(Cor c);  // unit type 1..26, 0 none
int32_t itemdacor(Cor c);     // chest item 1..34, 0 none
inline constexpr Cor CHAO{100, 150, 100};  // open ground

// --- missions/criamapa.cpp
// Builds mission n (1..12) from scratch: tables, research, layout, table row, music, objects and
// units, objective area, mini-map, camera.
void criamapa(uint8_t n);

