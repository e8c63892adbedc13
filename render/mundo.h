// Drawing the world part of a frame: the ground tiles, then every unit, map object and effect near
// the screen, lowest on the map last, with the marks that belong to a unit and the fog of sight.
#pragma once
#include <cstdint>

// --- render/cenario.cpp ---
// Fills the view with the mission's ground tile `cenario`, following the camera; nothing when the
// tile was not loaded.
void desenhacenario();

// --- render/desenhaunidades.cpp ---
// Draws the units, objects and effects near the screen sorted by their y; an enemy or a chest that
// no own unit sees is not drawn and leaves the selection.
void desenhaunidades();

// --- render/listadesenho.cpp: the draw list of desenhaunidades ---
struct EntradaDesenho {
    uint8_t tabela;   // 1 unit, 2 map object, 3 effect
    int16_t numero;   // slot in that table (1-based)
    double chave;     // the record's y: lower on the map is drawn later
};
constexpr int32_t MAXDESENHO = 3500;  // 250 units + 3000 objects + 250 effects
// Collects the live records whose screen position lies inside the window of their kind; returns
// how many.
int32_t coletadesenho(EntradaDesenho* lista);
// The exchange sort of the draw list (1..n in the game's numbering, 0..n-1 here): every pair with
// key(i) >= key(j) is swapped, equal keys included.
void ordenadesenho(EntradaDesenho* lista, int32_t n);

// --- render/visao.cpp: the fog of sight ---
// True when an own unit (live, not an enemy, not a chest, other than `exceto`) stands nearer to
// (x, y) than its own sight range.
bool vistoporaliado(double x, double y, int32_t exceto);
// Whether unit u is seen this frame: own units always, enemies and chests only within an own
// unit's sight; everything with `vertudo`.
bool unidadevisivel(int32_t u);

// --- render/desenhaunidade.cpp, desenhaobjeto.cpp: one entry of the list each ---
void desenhaunidade(int32_t u);
void desenhaobjeto(int32_t o);
void desenhaefeito(int32_t e);

// Even frames (`ciclotela` even) and odd frames: what blinks and alternates uses these.
bool quadropar();
