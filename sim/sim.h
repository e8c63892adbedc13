// The simulation: what happens to the world on each gameplay tick. Routines grouped by file.
#pragma once
#include <cstdint>

// --- sim/atributos.cpp ---
// Attribute update of one slot: derived values from strength, agility, intelligence, items and
// auras, the life of summoned units, regeneration. Only organic live units; frozen by `pausa`
// except for the derived values.
void calculaatributos(int32_t u);

// --- sim/apontar.cpp ---
// The heading from (x, y) toward (px, py), as a unit standing there would be turned.
double rumo(double x, double y, int32_t px, int32_t py);
// Turns unit u toward (px, py) and makes that point its destination; `posicao` is left alone.
void apontar(int32_t u, int32_t px, int32_t py);

// --- sim/causadano.cpp ---
// One normal blow of unit a against unit t: damage, armour, evasion, immunity, paralysis and
// poison; returns the damage dealt as the nearest integer.
int32_t causadano(int32_t a, int32_t t);

// --- sim/atualizaunidades.cpp ---
// The unit update: every live slot in order, after the gameplay tick has cleared the auras.
void atualizaunidades();

// --- sim/heroi.cpp ---
// The hero's auras reach the organic player units within 300.
void aurasheroi(int32_t u);
// A carried staff raises a skeleton from every corpse within 250 of the hero.
void cajadoesqueletos(int32_t u);
// One level per tick for the hero with enough experience; every unit stops at level 15.
void subirnivel(int32_t u);

// --- sim/morte.cpp ---
// A unit without hit points dies: remains, rewards, experience, defeat. Returns true when the
// slot was freed (a summoned unit only runs out of life and vanishes on the next attribute update).
bool morreunidade(int32_t u);

// --- sim/aparencia.cpp ---
// The idle glance, the trail of floating units, the smoke of damaged structures, burning.
void olharocioso(int32_t u);
void rastrounidade(int32_t u);
void fumacaestrutura(int32_t u);
void queimaunidade(int32_t u);

// --- sim/temporizadores.cpp ---
// Damage and healing labels, the lagging bars, and the status counters (sphere, invisibility,
// paralysis, poison, immunity).
void temporizadores(int32_t u);

// --- sim/portal.cpp ---
// A portal releases one monster toward the nearest visible player unit, ten ticks before its
// cycle ends.
void liberaportal(int32_t u);

// --- sim/ciclo.cpp ---
// The action cycle; a melee blow lands at its end.
void cicloacao(int32_t u);

// --- sim/alvos.cpp ---
// The nearest visible enemy, the chase and the start of an attack.
void escolhealvo(int32_t u);

// --- sim/cadaveres.cpp ---
// Hurt corpse eaters walk to corpses and eat them.
void comecadaveres(int32_t u);

// --- sim/movimento.cpp ---
// One tick of walking toward the destination, with the route correction after a sidestep.
void passomovimento(int32_t u);

// --- sim/moverunidade.cpp ---
// Moves unit u by (dx, dy) inside the map and resolves bumps into units and map objects.
void moverunidade(int32_t u, double dx, double dy);

// --- sim/bau.cpp ---
// The hero picks up the chest he was sent to, if a slot of his items is free.
void pegabau(int32_t u);

// --- sim/treinamento.cpp ---
// Training and research advance by `ritmotrabalho`; a finished one creates the unit or applies.
void progressotreino(int32_t u);

// --- sim/construcao.cpp ---
// A worker near the place starts the building, works on a site, looks for damage to repair by
// itself, and repairs.
void iniciaobra(int32_t u);
void constroi(int32_t u);
void procuraconserto(int32_t u);
void conserta(int32_t u);

// --- sim/magias.cpp ---
// Automatic healing search, then the services with a target or a point: heal, invisibility,
// protective sphere, fireball and fire bolt.
void procuracura(int32_t u);
void servicos(int32_t u);

// --- sim/disparos.cpp ---
// Shots from the attack animation: a ranged unit's projectile at cycle 15, a tower's arrow at
// cycle 5, and the hero's tremor.
void disparoadistancia(int32_t u);
void disparotorre(int32_t u);
void golpetremor(int32_t u);

// --- sim/quadrounidade.cpp ---
// Frame choice of unit u: structures by construction, living units by facing and action (the
// hero's attack cycle runs faster with agility), then the type's collision box and the anchors.
void escolhequadro(int32_t u);
