// Scene pieces for the slides: skies, hills, trees, houses, and the silhouettes of the heroes,
// each drawn at a foot point (x, ground y) and a height in pixels.
#pragma once
#include <cairo.h>

#include "interface/pintura.h"

void ceu(cairo_t* cr, double w, double h, Tom topo, Tom horizonte, double yhorizonte);
void estrelas(cairo_t* cr, Rng& rng, double w, double h, int quantas);
void astro(cairo_t* cr, double x, double y, double r, Tom c, double halo);
// A ridge of hills across the whole width: base height y, amplitude a, filled down to h.
void colinas(cairo_t* cr, double w, double h, double y, double a, double fase, Tom c, Tom borda);
void pinheiro(cairo_t* cr, double x, double y, double alt, Tom c);
void arvoreredonda(cairo_t* cr, double x, double y, double alt, Tom tronco, Tom copa);
void casinha(cairo_t* cr, double x, double y, double larg, Tom parede, Tom telhado, bool luz);
void castelo(cairo_t* cr, double x, double y, double larg, Tom c, bool janelas);
void violao(cairo_t* cr, double x, double y, double comp, double angulo);  // centre of the body, length
void moldurapintura(cairo_t* cr, double w, double h);                     // gold frame around a slide

enum Pessoa { VORLANDO, DURBICO, FIDELINA, MORGAVA, QUITEVA, SAMURAI, VELHA, VELHO };
// A person modelled and lit like the units (personagens.cpp), `alt` pixels tall with the feet at (x, y),
// turned a little toward the side of `luz` (-1 left, +1 right) and toned by `c`, the scene's shadow:
// the figure takes the dusk or the night of its slide and keeps a rim of light on that side.
void silhueta(cairo_t* cr, Pessoa p, double x, double y, double alt, Tom c, double luz);
