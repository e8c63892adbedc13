// The unit record and the unit table `unidades` (slots 1..250, 0 = no unit), plus the hero
// carry-over record `heroisalvo`, which has the same layout.
#pragma once
#include <cstdint>

#include "world/textocurto.h"

// Who writes what in a unit record.
//
// Every thing on the map with hit points or that can be selected is a unit: structures, the
// player's characters, summoned units, chests, monsters, portals and the final boss. A slot is
// live while its `tipo` is not 0; a unit dies by setting `tipo` to 0 and nothing else is cleared,
// so a stale `alvo` must always re-check `tipo` and side before using the slot it names.
//
// - criaunidade (world) writes every field when the unit is created (a new unit is never
//   selected, and its first frame is chosen at once), except `auraprotetora`, `auraguerreira`,
//   and `itens`/`tecnicas` of units other than the hero, which keep what the slot held.
// - Mouse and keyboard commands (input) write the orders: `grupo`, `selecionado`, `falar`,
//   `falacontagem`, `paginatecnicas`, `consertoautomatico`, `curaautomatica`, the rally point,
//   `destinox`/`destinoy`, `alvo`, `servico`, `customp`, `custo`, `posicao`, and start or cancel
//   the `upgrade...` fields.
// - The unit update (sim) moves the unit and writes position, heading, `posicao`, `ciclo`,
//   `correcaorota`, the frame (`desenho`, `direcaonome`, anchors, collision box), the status
//   counters, `hp`, `mp`, the displayed values, training progress, and frees the slot on death.
// - The attribute update `calculaatributos` (sim) rebuilds the derived values every tick:
//   `hpmax`, `mpmax`, `danomin`, `danomax`, `armadura`, the bonus fields, `experienciaprox`, and
//   applies regeneration and the life of summoned units.
// - The side panel (render) animates the portrait: `retratotempo`, `retratoa`, `retratob`.
// - Projectiles and the falling fireball (world effects) and `causadano` (sim) take `hp` and set
//   `danoexibido`, `danotempo`, `paralisado`, `envenenado`, `queimando`.
struct Unidade {
    uint8_t grupo;                 // hot-key group 1..9 (0 = none)
    textocurto<30> nome;           // name shown in the panel
    uint8_t itens[6];              // item numbers 1..34 (0 = empty); only the hero fills them
    uint8_t qtdinimigos;           // portal: enemies still to be released
    uint8_t tecnicas[5];           // hero technique levels 0..3: fire bolt, protective aura, tremor, warrior aura, chimpanzee
    uint8_t auraprotetora;         // protective aura level reaching this unit this tick
    uint8_t auraguerreira;         // warrior aura level reaching this unit this tick
    bool paginatecnicas;           // the hero's panel shows the learn-technique buttons
    uint16_t desenho;              // current frame, index into the unit frame list
    bool inimigo;                  // side: true = enemy
    bool bau;                      // chest: never a target, picked up by the hero
    bool solido;                   // blocks other units
    bool adistancia;               // ranged: its damage travels as a projectile
    bool envenena;                 // its hits may poison
    bool paralisa;                 // its hits may paralyse
    bool comecadaver;              // when hurt, walks to corpses and eats them
    uint16_t tipo;                 // unit type 1..26; 0 = free slot
    uint16_t alvo;                 // target slot (0 = none)
    uint16_t experiencia;          // hero: experience; others: experience awarded on death
    uint16_t experienciaprox;      // hero: experience needed for the next level
    uint16_t recompensa;           // money awarded on death
    uint8_t nivel;                 // level
    uint8_t item;                  // item given at creation (a chest's content)
    uint8_t pontostecnica;         // hero: unspent technique points
    uint16_t tempovida;            // summoned unit: life ticks left
    uint16_t tempovidamax;         // summoned unit: full life; 0 = not summoned
    uint8_t tamanhox, tamanhoy;    // half sizes of the collision box (beside the position: every step reads both)
    double x, y;                   // map position, pixels do mapa
    int32_t destinox, destinoy;    // destination, pixels do mapa
    bool organico;                 // living unit: stats, regeneration, healing, poison, fire
    bool rastro;                   // floats, leaves a smoke trail
    bool esqueleto;                // drawn with a one-pixel jitter (the skeleton)
    bool heroi;                    // the hero
    bool atacaauto;                // an idle unit picks the nearest visible enemy
    bool persegue;                 // walks after its target within `distpersegue`
    bool consertoautomatico;       // worker repairs damaged structures by itself
    bool curaautomatica;           // Fidelina heals wounded allies by herself
    bool selecionado;              // part of the player's selection
    bool temagrupamento;           // trains units and has a rally point
    int32_t agrupamentox, agrupamentoy;  // rally point, pixels do mapa
    uint16_t construcao;           // construction progress
    uint16_t construcaomax;        // construction total (complete when equal)
    uint16_t custo;                // cost of the structure a worker is on its way to build
    uint16_t customp;              // MP cost of the pending service
    uint8_t servico;               // pending service 0..9
    uint16_t upgradenum;           // what a structure trains or researches (0 = nothing)
    uint16_t upgradeprg;           // its progress
    uint16_t upgradeprgmax;        // its total
    uint16_t upgradecusto;         // money paid for it
    uint16_t upgradecomida;        // food it reserves
    uint8_t posicao;               // 1 idle, 2 walking, 3 attacking or working, 4 casting or eating
    double ciclo;                  // action cycle counter, em tiques
    double ciclomax;               // cycle length; 0 = no cycle
    double hp, hpmax, hpexibido;   // hit points, maximum, shown by the bar
    double mp, mpmax, mpexibido;   // magic points, maximum, shown by the bar
    uint8_t distataque;            // attack range, pixels
    uint8_t iconeataque;           // attack icon in the panel (0 = none)
    uint8_t iconedefesa;           // defence icon in the panel (0 = none)
    uint8_t armadura;              // base armour
    uint16_t danomin, danomax;     // damage range (the maximum itself is never rolled)
    uint16_t alcancevisao;         // sight range, pixels
    uint16_t distpersegue;         // chase range, pixels
    uint8_t danobonus;             // bonus damage
    uint8_t armadurabonus;         // bonus armour
    uint16_t forca, agilidade, inteligencia;              // attributes
    uint8_t forcabonus, agilidadebonus, inteligenciabonus;  // attributes from items
    double velocidade;             // speed, pixels per tick
    double velocidadebonus;        // speed from items
    uint16_t invisivel;            // ticks of invisibility left
    uint16_t esfera;               // ticks of protective sphere left
    uint16_t queimando;            // burning steps left
    uint16_t paralisado;           // ticks of paralysis left
    uint16_t envenenado;           // ticks of poison left
    uint16_t imunidade;            // ticks of invulnerability left
    int32_t danoexibido;           // last damage taken, shown over the unit
    int32_t danotempo;             // ticks left to show it
    int32_t curaexibida;           // last healing received, shown over the unit
    int32_t curatempo;             // ticks left to show it
    double direcao;                // heading, radians 0..6.28, y pointing up the screen
    uint8_t desenhox, desenhoy;    // anchor of the current frame
    uint8_t altura;                // height of the figure, pixels
    uint8_t fornececomida;         // food supplied once complete
    uint8_t consomecomida;         // food consumed
    uint8_t retrato, retrato2;     // portrait frames (0-based)
    uint8_t retratotempo;          // portrait animation counter
    uint8_t retratoa, retratob;    // portrait animation parameters
    bool falar;                    // just selected, should speak
    uint8_t falatempo;             // voice cooldown ticks
    uint8_t falacontagem;          // consecutive selections
    uint8_t correcaorota;          // ticks before re-aiming after a sidestep
    textocurto<8> direcaonome;     // facing: "BAIXO", "DIREITA", "CIMA", "ESQUERDA"
};

constexpr int32_t MAXUNIDADES = 250;
extern Unidade unidades[MAXUNIDADES + 1];  // slot 0 is never used: 0 means no unit
extern Unidade heroisalvo;                 // the hero carried from mission to mission

// Empties the table for a new mission: every slot gets `tipo` 0 and loses the hero flag; the
// other fields keep their values, as when a unit dies.
void limpaunidades();
// The new-game hero: level 1, 23/18/13, fire bolt at level 1, no items.
void novoheroisalvo();
