// The effect table `efeitos` (slots 1..250): smoke, flames, sparks, debris, projectiles, the
// falling fireball, corpses, leaves. Created by criaefeito, advanced by processaefeitos.
#pragma once
#include <cstdint>

struct Efeito {
    double x, y;           // position, pixels do mapa (y is the ground point)
    double z;              // height above the ground point
    uint8_t tipo;          // effect type 1..43; 0 = free slot
    uint8_t quadro;        // picture in the effect picture list; 255 = none
    uint16_t dono;         // unit that made it (0 = none)
    uint16_t alvo;         // target unit (0 = none)
    uint16_t dano;         // fixed damage on expiry (0 = a normal blow, if there is a target)
    uint16_t contador;     // age, em tiques
    uint16_t duracao;      // lifetime, em tiques
    uint8_t ancorax;       // half width of the current picture
    uint8_t ancoray;       // height of the current picture
    uint8_t animcontador;  // animation counter
    uint8_t animperiodo;   // the counter wraps to 0 on reaching this
    bool cai;              // falls under gravity
    bool pisca;            // drawn on alternate ticks only
    bool sombra;           // a shadow under it
    bool pousou;           // the falling fireball has landed
    bool treme;            // drawn shaking (type 17)
    bool cadaver;          // a corpse
    bool semprevisivel;    // drawn even where no own unit sees it
    double angulo;         // flight heading, radians
    double velocidade;     // flight speed, pixels per tick
    double queda;          // vertical speed while falling (negative = rising)
};

constexpr int32_t MAXEFEITOS = 250;
constexpr int32_t MAXTIPOSEFEITO = 43;
extern Efeito efeitos[MAXEFEITOS + 1];  // slot 0 is never used

// --- world/efeitos.cpp ---
// Creates an effect of type t made by unit `dono` at (x, y) and height z in the lowest free slot;
// with every slot in use nothing happens.
void criaefeito(int32_t t, int32_t dono, double x, double y, double z);
// Frees every effect slot.
void limpaefeitos();
// Number of live effects.
int32_t contaefeitos();

// --- world/processaefeitos.cpp ---
// Advances every live effect by one tick, in slot order (frozen by `pausa`, pictures still chosen).
void processaefeitos();

// --- world/quadrosefeito.cpp ---
// Picture of effect e for its type, age, animation and heading (255 = none), and its anchors.
uint8_t quadroefeito(const Efeito& e);
void ancoraefeito(Efeito& e);
