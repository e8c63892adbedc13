// The gameplay tick (screen state 5) and the steps it runs between the world routines.
#pragma once
#include <cstdint>

// --- sim/jogo.cpp: the schedule of one gameplay tick
void telajogo();
// The world's part of that tick, in three steps the tick runs between its sounds and its drawing:
// the cycle and the freeze, then food and attributes, then auras, units, objects and effects.
void iniciatique();
void preparamundo();
void avancamundo();
// Those three steps alone, in the tick's order, with no sound, drawing or input: what the layout
// checks, the simulation tests and the benchmarks run.
void simulamundo();

// --- sim/pedidos.cpp: the voice, sound and music requests left since the last tick
void servepedidos();

// --- sim/comida.cpp: food supplied by complete structures (at most 99) and food in use
void calculacomida();
// every slot loses its auras; the hero's update sets them again where they reach
void zeraauras();

// --- sim/camera.cpp: the view and its limits
constexpr int32_t RDESENHO = 825;  // right margin while the world is drawn
constexpr int32_t RTIQUES = 810;   // right margin between ticks
// The camera limits, each test against the value the one before left.
void limitacamera(int32_t r);
// The shake moves the camera for the world layer only; the undo puts it back.
void iniciatremor();
void terminatremor();
// A held click on the mini-map or on the selected unit's portrait moves the view.
void cliqueminimapa();
void cliqueretrato();
// The screen edges and the arrow keys scroll; both add up in the same tick.
void rolagemborda();
void rolagemteclado();

// --- sim/marcasselecao.cpp: the mark under every selected unit, sized by its box
void desenhamarcasselecao();

// --- sim/informacao.cpp: a unit's bars under the pointer, or every unit's near the view
void informacaoapontada();
void informacaotodos();

// --- sim/caixaselecao.cpp: the box being dragged, and the screen flash
void desenhacaixaselecao();
void desenhabrilho();

// --- sim/fimdemissao.cpp: the defeat box, and the mission check with "FINALIZAR"
void caixaderrota();
void verificamissao();

// --- sim/verificatarefa.cpp: the objective check of the current mission
void verificatarefa();
