// The map-object table `objetos` (slots 1..3000): trees, rocks, walls, hidden mission targets and
// traps. Placed by mission set-up with criaobjeto, advanced by processaobjetos.
#pragma once
#include <cstdint>

struct Objeto {
    double x, y;         // base point, pixels do mapa
    uint8_t tipo;        // object type 1..21; 0 = free slot
    uint8_t desenho;     // picture in the object picture list (0..22)
    uint8_t quadro;      // animation counter
    uint8_t quadros;     // animation length; 0 = not animated
    uint16_t queimando;  // burning steps left (three ticks each); 0 = not burning
    bool visivel;        // drawn whether or not a unit of the player sees it
    bool solido;         // blocks units
    uint8_t tamanhox;    // half width of the collision box
    uint8_t tamanhoy;    // half height of the collision box
    uint8_t desenhox;    // the picture's left edge is at x - desenhox
    uint8_t desenhoy;    // the picture's top edge is at y - desenhoy
};

constexpr int32_t MAXOBJETOS = 3000;
constexpr int32_t MAXTIPOSOBJETO = 21;
extern Objeto objetos[MAXOBJETOS + 1];  // slot 0 is never used
extern uint32_t versaoobjetos;           // changes whenever an object is placed or the table cleared

// --- world/objetos.cpp ---
// Places an object of type t (1..21) at (x, y) in the lowest free slot; with every slot in use,
// nothing happens.
void criaobjeto(int32_t t, int32_t x, int32_t y);
// Advances every object by one tick: burning, picture, animation, box and anchors.
void processaobjetos();
// Frees every object slot.
void limpaobjetos();
// Number of objects in use.
int32_t contaobjetos();
