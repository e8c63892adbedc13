// The unit catalogue: names, flags, starting numbers and presentation of the 26 unit types,
// as criaunidade lays them over the common starting values.
#pragma once
#include <cstdint>

constexpr int32_t MAXTIPOS = 26;

// Flags of a type (bits of TipoUnidade::marcas).
enum : uint32_t {
    INIMIGO = 1u << 0,       // enemy side
    NAOORGANICO = 1u << 1,   // structure, portal, chest: no attributes, no regeneration
    ADISTANCIA = 1u << 2,    // ranged attacker
    ENVENENA = 1u << 3,      // its hits may poison
    PARALISA = 1u << 4,      // its hits may paralyse
    COMECADAVER = 1u << 5,   // eats corpses when hurt
    RASTRO = 1u << 6,        // floats and leaves a trail
    ESQUELETO = 1u << 7,     // jitters when drawn
    HEROI = 1u << 8,         // the hero
    BAU = 1u << 9,           // chest
    NAOSOLIDO = 1u << 10,    // does not block
    NAOATACA = 1u << 11,     // does not pick targets by itself
    NAOPERSEGUE = 1u << 12,  // does not walk after its target
    AGRUPAMENTO = 1u << 13,  // trains units and has a rally point
    PARADO = 1u << 14,       // starts idle (`posicao` 1)
};

struct TipoUnidade {
    const char* nome;   // `nome` (the chest takes its item's name instead)
    uint32_t marcas;    // flags above
};

// Numbers of a type; organic units get hpmax, mpmax, damage and armour from their attributes.
struct NumerosUnidade {
    uint16_t forca, agilidade, inteligencia;
    uint16_t hpmax;          // structures and portals; 0 for organic units and the chest
    uint16_t hpobra;         // `hp` of a construction site (types 1..3 with pronto 0)
    uint16_t danomin, danomax;
    uint8_t armadura;
    uint8_t distataque;      // pixels
    uint16_t ciclomax;       // ticks
    double velocidade;       // pixels per tick
    uint8_t nivel;
    uint16_t experiencia, recompensa;
    uint8_t consomecomida, fornececomida;
    uint16_t construcaomax, custo;
    uint8_t qtdinimigos;     // portals: enemies to release
    uint16_t tempovida;      // summoned units: life in ticks
};

// Presentation of a type: figure height, portraits, panel icons, sight and chase ranges.
struct ApresentacaoUnidade {
    uint8_t altura;
    uint8_t retrato, retrato2;
    uint8_t retratoa, retratob;
    uint8_t iconeataque, iconedefesa;
    uint16_t alcancevisao, distpersegue;
};

extern const TipoUnidade tiposunidade[MAXTIPOS + 1];            // row 0 unused
extern const NumerosUnidade numerosunidade[MAXTIPOS + 1];
extern const ApresentacaoUnidade apresentacaounidade[MAXTIPOS + 1];
