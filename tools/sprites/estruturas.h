// Structures modelled in 3D around their ground point, seen by the same camera and light as the
// figures: frame k of each.
#pragma once
#include "boneco.h"

// The drawing machinery of the sprite generator keeps to its own namespace.
namespace boneco {

// The turn buildings are seen at: the front lit, the left side in shade.
inline constexpr double GIRO_PREDIO = -0.45;

void monta_torre(Cena& c, int k);          // k = construction stage 0..4
void monta_fazenda(Cena& c, int k);
void monta_loja(Cena& c, int k);
void monta_quartel(Cena& c, int k);
void monta_casabruxa(Cena& c, int k);
void monta_bau(Cena& c, int k);             // k 1 = glinting
void monta_portal(Cena& c, int k);          // two swirl frames
void monta_torreinimiga(Cena& c, int k);

}  // namespace boneco
