// The synthesised sound effects, one routine each, and the small sound pieces they are built from.
#pragma once
#include "sintese.h"

// Pieces: a struck metal partial set, a noise band sweeping between two centres, a dropping thump.
Sinal metal(const double* parciais, int n, double base, double meia, double dur);
Sinal ruidovarrido(Rng& r, double dur, double f0, double f1, double q, double ataque, double meia);
Sinal baque(double f0, double f1, double meia, double dur);
// A crackle: `n` short random clicks of noise spread over `dur` seconds.
Sinal estalos(Rng& r, double dur, int n, double brilho);
// A low, rough monster growl.
Sinal rosnado(Rng& r, double dur, double base);

// Buildings (the parts that are not voices).
Sinal som_fazenda();        // 1: a cow's moo and a cowbell
Sinal som_loja();           // 2: the till: clicks, drawer, bell, coins
Sinal som_quartel();        // 3: a brass horn call
Sinal som_caldeirao();      // 4: the witch's cauldron bubbling (the cackle is a voice)
// Fight and work.
Sinal som_terremoto();      // 27
Sinal som_esqueleto();      // 30
Sinal som_martelo(int k);   // 32, 33
Sinal som_golpe(int k);     // 34, 35, 36
Sinal som_flecha();         // 37
Sinal som_flechada();       // 38
Sinal som_explosao();       // 39
Sinal som_chamas();         // the fire under the hero's cry (28)
// Magic and items.
Sinal som_nivel();          // 40
Sinal som_cura();           // 41
Sinal som_invisivel();      // 42
Sinal som_esfera();         // 43
Sinal som_livro();          // 44
Sinal som_goles();          // 45 (the gulps; the sigh is a voice)
Sinal som_partida();        // 46
Sinal som_rosnado();        // the demon clearing its throat before it speaks (31)
Sinal som_magia();          // the swell under the witch's summoning (21)
Sinal som_semdinheiro();    // the empty purse under 29
