// The twelve mission layouts: what each one must hold, how the generator makes it and how it is
// checked (exact counts, one thing per cell; the game's own movement checks that it can be crossed).
#pragma once
#include "common/picture.h"

#include <cstdint>
#include <string>
#include <vector>

// What stands in one cell of a layout, as the generator keeps it:
// 0 open ground, 1..21 a map object of that type, 100 + t a unit of type t, 200 + i a chest with item i.
inline constexpr int CONTEUDOUNIDADE = 100;
inline constexpr int CONTEUDOBAU = 200;

// The layout colour of a cell content, and back (0 for a colour that matches nothing).
void corconteudo(int conteudo, uint8_t& r, uint8_t& g, uint8_t& b);
int conteudocor(uint8_t r, uint8_t g, uint8_t b);
// Map objects that stop a walking unit (everything but the floor marks 19 and the traps 21).
bool objetobloqueia(int tipo);

struct Contagem {
    uint8_t tipo;
    uint16_t qtd;
};

// The facts one mission's layout must hold.
struct Ficha {
    int w, h;                          // size in cells
    int herox, heroy;                  // the hero's cell
    int alvotipo, alvox, alvoy;        // hidden target object and its cell; 0 when there is none
    std::vector<Contagem> unidades;    // every unit but the hero: player side, portals 21-24, enemies
    std::vector<int> baus;             // items of the chests
    int arvores;                       // trees of types 1 to 4 together
    std::vector<Contagem> objetos;     // the other object types (the target excluded)
    int chefex, chefey;                // the final boss's cell, -1 when the mission has none
};

// Mission 1..12.
const Ficha& fichamapa(int n);

// Builds layout n (1..12); the same picture on every run.
Picture geramapa(int n);

// Checks a layout against mission n's facts: size, counts by type, cells of the hero, the target and
// the boss, no stray colour. False with the first fault in `why`.
bool verificamapa(int n, const Picture& p, std::string& why);
