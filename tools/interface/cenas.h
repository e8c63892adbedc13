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

enum Pessoa { VORLANDO, DURBICO, FIDELINA, MORGAVA, QUITEVA, SAMURAI };
// A dark silhouette with a thin warm rim light on the side of `luz` (-1 left, +1 right).
void silhueta(cairo_t* cr, Pessoa p, double x, double y, double alt, Tom c, double luz);
