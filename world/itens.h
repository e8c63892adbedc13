// The item catalogue `itenstabela` (items 1..34, 0 = no item), filled once at start-up.
#pragma once
#include <cstdint>

#include "world/textocurto.h"

struct Item {
    textocurto<50> nome;           // item name
    textocurto<50> descricao[3];   // description lines (the third only for item 17)
    uint8_t forca;                 // strength bonus while carried
    uint8_t agilidade;             // agility bonus while carried
    uint8_t inteligencia;          // intelligence bonus while carried
    uint8_t dano;                  // damage bonus while carried
    uint8_t armadura;              // armour bonus while carried
    double regenhp;                // HP regenerated per second (0.025 per tick) while carried
    double regenmp;                // MP regenerated per second while carried
    double velocidade;             // speed bonus while carried
    uint8_t forcapermanente;       // strength gained for good when used
    uint8_t agilidadepermanente;   // agility gained for good when used
    uint8_t inteligenciapermanente;  // intelligence gained for good when used
    uint16_t recuperahp;           // HP restored when used
    uint16_t recuperamp;           // MP restored when used
    uint8_t evasao;                // percent chance to avoid a blow while carried
    uint16_t experiencia;          // experience given when used
    uint8_t figura;                // picture 1..24 in the item picture list
    bool consumivel;               // used by clicking, then gone
    bool levantaesqueletos;        // raises skeletons from nearby corpses
};

constexpr int32_t MAXITENS = 34;
extern Item itenstabela[MAXITENS + 1];  // item 0 stays empty

// Fills the catalogue with the game's 34 items.
void criaitens();
