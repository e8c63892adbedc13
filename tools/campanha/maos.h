// The scripted player's hands: every action becomes an input event of the runner's script format,
// delivered to the game's own mouse and keyboard handlers before the next tick, as a player's would
// be (a recording started with iniciagravacao writes them down for --replay).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "mapas/verificador/verificador.h"
#include "shell/roteiro.h"

struct Maos {
    std::vector<EventoRoteiro> pendentes;   // events for the next tick

    Maos();                                  // the game's handlers take the events
    void move(int32_t x, int32_t y);
    void clique(bool direito, int32_t x, int32_t y);  // press and release at one point
    void aperta(bool direito, int32_t x, int32_t y);
    void solta(bool direito, int32_t x, int32_t y);
    void tecla(int32_t vk);                  // a key pressed and let go
    // Delivers what is pending and runs one frame tick of the game.
    void passa();
    void passa(int32_t n);

    // The view onto map point p by a held click on the mini-map cell nearest it: one tick, the
    // release left pending.
    void centra(PontoMapa p);
    // The selected units sent to map point p by a right click in the view (centred on it first).
    // The click itself is delivered with the next tick.
    void ordena(PontoMapa p);
    // A click on the control of command c as the last frame drew it; false when it is not shown.
    bool aperta_comando(uint8_t c);
};
