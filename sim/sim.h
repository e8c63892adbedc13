// The simulation: what happens to the world on each gameplay tick. Routines grouped by file.
#pragma once
#include <cstdint>

// --- sim/atributos.cpp ---
// Attribute update of one slot: derived values from strength, agility, intelligence, items and
// auras, the life of summoned units, regeneration. Only organic live units; frozen by `pausa`
// except for the derived values.
void calculaatributos(int32_t u);

// --- sim/apontar.cpp ---
// Turns unit u toward (px, py) and makes that point its destination; `posicao` is left alone.
void apontar(int32_t u, int32_t px, int32_t py);

// --- sim/causadano.cpp ---
// One normal blow of unit a against unit t: damage, armour, evasion, immunity, paralysis and
// poison; returns the damage dealt as the nearest integer.
int32_t causadano(int32_t a, int32_t t);
