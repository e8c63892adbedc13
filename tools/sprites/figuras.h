// The figures of the world: people and monsters described as puppets, posed for walking and fighting.
#pragma once
#include "boneco.h"

// The drawing machinery of the sprite generator keeps to its own namespace.
namespace boneco {

enum Chapeu { SEMCHAPEU, ABAS, BONE, PONTUDO, CHIFRES, COROA, COQUE, TOPETE };
enum Arma { SEMARMA, CAJADOFOGO, MARTELO, CAJADOCURA, GARRAS, ESPADA, TRIDENTE, MACHADO, CLAVA, LANCA, PUNHOS };
// Body plans that change more than colours and sizes.
enum Especie { PESSOA, OSSADA, DEMONIO, CARNICAL, MURLOC, ORC, ROCHA, OGRO, ARVORE, RAINHA };

// A two-legged figure (people, skeleton, demon, ghoul, murloc, orc, ogre, stone monster, tree monster).
struct Humano {
    int especie = PESSOA;
    double altura = 90;          // top of the head above the ground, pixels
    double largura = 1, cabeca = 1, braco = 1, perna = 1, grossura = 1, ombros = 1;
    Tinta pele, cabelo, roupa, calca, bota, chapeu, capa, detalhe, olho{0.1, 0.08, 0.08};
    int chapeu_tipo = SEMCHAPEU, arma = SEMARMA;
    bool barba = false, bigode = false, saia = false, flutua = false, manto = false, asas = false, cauda = false;
    bool cabelolongo = false, olhosbrilham = false, presas = false, escudo = false, avental = false, careca = false;
    bool bracosnus = false, pernasnuas = false, tanga = false, cinto = false, velho = false, feminino = false;
    Tinta corcinto, coravental;
    bool mangalarga = false;     // bell sleeves
    int magia = 0;               // glowing hands: 0 never, 1 while casting, 2 always
    Tinta cormagia;
    double corcunda = 0;         // forward lean of the body, radians
    double barriga = 0;          // belly, in fractions of the height
    double agacha = 0;           // a crouch: the hips held this much lower, in fractions of the height
    double traco = 1;            // weight of the outline: above 1 darker, for figures as grey as the floors
};

// What the figure is doing in one frame.
struct Pose {
    int passo = 0;   // -1, 0, +1: which leg swings forward
    int golpe = 0;   // 0 none, 1 wind-up, 2 swing, 3 blow or cast
    int voo = 0;     // floating figures: 1 gliding forward
};

void monta_humano(Cena& c, const Humano& h, const Pose& p);
void monta_aranha(Cena& c, double altura, const Pose& p);
void monta_lobo(Cena& c, double altura, const Pose& p);

// The figures of the units, also used for corpses, the demon's departure and the caged prisoners.
Humano figura_durbico();
Humano figura_fidelina();
Humano figura_bruxa();
Humano figura_vorlando();
Humano figura_satanas();
Humano figura_carnical();
Humano figura_murloc();
Humano figura_orc();
Humano figura_ogro();
Humano figura_esqueleto();
Humano figura_pedra();
Humano figura_arvore();
Humano figura_quiteva();

}  // namespace boneco
