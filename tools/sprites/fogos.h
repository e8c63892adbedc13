// Effects painted pixel by pixel: fire, glows, smoke and twinkles as fields of heat or density,
// turned into keyed pictures whose colour ramps stand in for the see-through the colour key lacks.
#pragma once
#include <functional>

#include "boneco.h"

namespace boneco {

// A field gives the colour of a picture point, or false where the point stays see-through.
using Campo = std::function<bool(double x, double y, Tinta& cor)>;
// Paints a w x h picture from a field, a pixel kept where most of its s x s samples are covered
// (its colour their mean), so the inside is smooth and the edge stays crisp against the key.
Picture pinta_campo(int w, int h, const Campo& f, int s = 3);

// Colour ramps: fire from dark red through orange to a white-hot core (0..1), and any ramp of n stops.
Tinta rampa_fogo(double t);
Tinta rampa(const Tinta* cores, int n, double t);

// Heat of a flame tongue standing on (cx, base), half width l, height a, leaning `torce` pixels at its tip;
// `fase` picks the flicker (frames of one flame differ by it). 0 outside, up to about 1 in the core.
double lingua(double x, double y, double cx, double base, double l, double a, double torce, double fase);
// Heat of a round glow of radius r: 1 at the centre down to 0 at the edge, its edge frayed by noise.
double globo(double x, double y, double cx, double cy, double r, double fase, double franja = 0.25);
// Density of a billowing puff of radius r (0 outside), frayed and holed by noise.
double bolo(double x, double y, double cx, double cy, double r, double fase);

// A hash in 0..1 of a pixel and a seed: irregular stipples that never line up into a checkerboard.
double salpico(int x, int y, int semente);

}  // namespace boneco

namespace boneco {

// Lays the drawn pixels of `cima` over `base` at (x, y).
void sobrepoe(Picture& base, const Picture& cima, int x = 0, int y = 0);

// The pixel-painted pictures of the effect list (efeitos_pintados.cpp), numbered as in the list.
Picture sombra_chao();                      // 0 under every living unit and object: 30 x 10
Picture esfera_protetora();                 // 1 the protective sphere: 52 x 70
Picture chama_subindo(int quadro);          // 2-5 a rising flame dying to an ember
Picture fumaca_quadro(int w, int h, double idade, Tinta cor, int semente);  // smoke and dust clouds
Picture faisca();                           // 10
Picture brilho_cura(int quadro);            // 11-12: 40 x 25
Picture chama_pequena(int quadro);          // 18-19: 18 x 18
Picture poeira_magica(int quadro, int lado);  // 20-23
Picture cinzas(int quadro);                 // 24-26 a burnt heap cooling: 40 x 40
Picture bola_de_fogo(int quadro, int w, int h);  // 27-30 the falling fireball's flicker
Picture destroco(int quadro, int w, int h);  // 31-33 burning debris
Picture partida_demonio(const Picture& demonio);  // 34 the demon burning away
Picture brasa();                            // 38: 12 x 7
Picture feitico_bruxa(int quadro);          // 39-46 the witch's fire turning: 34 x 32
Picture raio_fidelina(int quadro);          // 47-48: 26 x 26
Picture cintila(int quadro);                // 49-50: 8 x 8
Picture marca_mapa(int lado, Tinta cor, bool losango);  // 60, 61, 67 mini-map marks
Picture raio_fogo(int lado, int quadro);    // 62-63 the hero's fire-staff bolt
Picture aura(Tinta cor);                    // 65-66 aura rings: 30 x 14
Picture brilho_invulneravel(int quadro);    // 69-70: 50 x 16
Picture morte_chefe();                      // 107 the boss's death: 40 x 90

}  // namespace boneco
