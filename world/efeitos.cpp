// The effect table and the creation of effects: each type's lifetime, flags and starting motion.
#include "world/efeitos.h"

#include "media/media.h"
#include "world/unidades.h"

Efeito efeitos[MAXEFEITOS + 1];

namespace {

// Flags of a type at creation.
enum : uint8_t { CAI = 1, PISCA = 2, SOMBRA = 4, TREME = 8, CADAVER = 16, SEMPREVISIVEL = 32 };

struct CriacaoEfeito {
    uint16_t duracao;     // lifetime, em tiques
    uint8_t animperiodo;  // animation period (0 = none)
    uint8_t marcas;       // flags above
};

constexpr CriacaoEfeito CRIACAO[] = {
    {0, 0, 0},                     // 0 (free)
    {50, 0, 0},                    // 1 rising flame
    {50, 0, 0},                    // 2 rising smoke
    {40, 0, CAI | PISCA},          // 3 spark
    {45, 0, 0},                    // 4 healing glow
    {38, 0, CAI | SOMBRA},         // 5 bone
    {38, 0, CAI | SOMBRA},         // 6 bone
    {38, 0, CAI | SOMBRA},         // 7 bone
    {38, 0, CAI | SOMBRA},         // 8 bone
    {38, 0, CAI | SOMBRA},         // 9 bone
    {20, 0, 0},                    // 10 small flame
    {50, 0, 0},                    // 11 dust
    {240, 0, 0},                   // 12 ashes of a burnt object
    {400, 20, SOMBRA},             // 13 falling fireball
    {50, 0, CAI | SOMBRA | PISCA}, // 14 debris
    {50, 0, CAI | SOMBRA | PISCA}, // 15 debris
    {50, 0, CAI | SOMBRA | PISCA}, // 16 debris
    {50, 0, SOMBRA | TREME},       // 17 the demon's departure
    {50, 0, CAI | SOMBRA | PISCA}, // 18 demon piece
    {50, 0, CAI | SOMBRA | PISCA}, // 19 demon piece
    {50, 0, CAI | SOMBRA | PISCA}, // 20 demon piece
    {50, 0, CAI | SOMBRA | PISCA}, // 21 demon piece
    {40, 32, SOMBRA},              // 22 magic bolt
    {40, 2, SOMBRA},               // 23 Fidelina's bolt
    {20, 2, 0},                    // 24 bolt sparkle
    {12, 2, 0},                    // 25 arrow
    {40, 2, 0},                    // 26 fire bolt
    {15, 0, SEMPREVISIVEL},        // 27 order marker
    {250, 140, SEMPREVISIVEL},     // 28 falling leaf
    {2000, 0, CADAVER},            // 29 corpse of DURBICO
    {2000, 0, CADAVER},            // 30 corpse of FIDELINA
    {2000, 0, CADAVER},            // 31 corpse of BRUXA MORGAVA
    {2000, 0, CADAVER},            // 32 corpse of SEU VORLANDO
    {2000, 0, CADAVER},            // 33 corpse of ARANHA GIGANTE
    {2000, 0, CADAVER},            // 34 corpse of CARNIÇAL
    {2000, 0, CADAVER},            // 35 corpse of MURLOC
    {2000, 0, CADAVER},            // 36 corpse of ORC
    {2000, 0, CADAVER},            // 37 corpse of LOBO SELVAGEM
    {2000, 0, CADAVER},            // 38 corpse of MONSTRO DE PEDRA
    {2000, 0, CADAVER},            // 39 corpse of OGRO
    {2000, 0, CADAVER},            // 40 corpse of ÁRVORE
    {80, 0, 0},                    // 41 raised grave
    {50, 0, CAI},                  // 42 clod of earth
    {250, 0, 0},                   // 43 the final boss's death
};
static_assert(sizeof(CRIACAO) / sizeof(CRIACAO[0]) == MAXTIPOSEFEITO + 1, "one row per effect type");

// Scattering: a random heading and a speed below n.
void espalha(Efeito& e, int32_t n) {
    e.angulo = Random(1500) * 0.01;
    e.velocidade = Random(n);
}

// The random and owner-dependent starting motion of a type.
void movimentoinicial(Efeito& e, int32_t t) {
    const Unidade& dono = unidades[e.dono];
    if (t == 3) {
        e.queda = -(Random(3) + 8);
        e.angulo = Random(104) * 0.05;
        e.velocidade = Random(5);
    } else if (t >= 5 && t <= 9) {
        e.queda = -(Random(3) + 7);
        espalha(e, 5);
    } else if (t >= 14 && t <= 16) {
        e.queda = -(Random(5) + 10);
        espalha(e, 5);
    } else if (t >= 18 && t <= 21) {
        e.queda = -(Random(5) + 10);
        espalha(e, 6);
    } else if (t == 22 || t == 23 || t == 25 || t == 26) {  // projectiles fly along the owner's heading
        e.angulo = dono.direcao;
        e.alvo = dono.alvo;
        e.velocidade = t == 25 ? 20 : 6;
        if (t == 26) e.dano = uint16_t(100 * dono.tecnicas[0]);
    } else if (t == 28) {
        e.animcontador = uint8_t(Random(140));
    } else if (t == 42) {
        espalha(e, 8);
        e.queda = -Random(8);
    }
}

}  // namespace

void criaefeito(int32_t t, int32_t dono, double x, double y, double z) {
    if (t < 1 || t > MAXTIPOSEFEITO) return;
    if (dono < 0 || dono > MAXUNIDADES) dono = 0;  // no such unit: nobody made it
    int32_t s = 1;
    while (s <= MAXEFEITOS && efeitos[s].tipo != 0) s++;
    if (s > MAXEFEITOS) return;  // the table is full: the effect is simply not made
    Efeito& e = efeitos[s];
    e.x = x;
    e.y = y;
    e.z = z;
    e.tipo = uint8_t(t);
    e.dono = uint16_t(dono);
    e.contador = 0;
    e.cai = e.pisca = e.sombra = e.pousou = e.treme = e.cadaver = e.semprevisivel = false;
    e.queda = e.angulo = e.velocidade = 0;
    e.animcontador = 0;
    e.alvo = 0;
    e.dano = 0;
    const CriacaoEfeito& c = CRIACAO[t];
    e.duracao = c.duracao;
    e.animperiodo = c.animperiodo;
    e.cai = (c.marcas & CAI) != 0;
    e.pisca = (c.marcas & PISCA) != 0;
    e.sombra = (c.marcas & SOMBRA) != 0;
    e.treme = (c.marcas & TREME) != 0;
    e.cadaver = (c.marcas & CADAVER) != 0;
    e.semprevisivel = (c.marcas & SEMPREVISIVEL) != 0;
    movimentoinicial(e, t);
    // the first picture, so a new effect never shows the picture of the slot's last occupant
    e.quadro = quadroefeito(e);
    ancoraefeito(e);
}

void limpaefeitos() {
    for (int32_t s = 1; s <= MAXEFEITOS; s++) efeitos[s].tipo = 0;
}

int32_t contaefeitos() {
    int32_t n = 0;
    for (int32_t s = 1; s <= MAXEFEITOS; s++)
        if (efeitos[s].tipo != 0) n++;
    return n;
}
