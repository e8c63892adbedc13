// The map objects modelled with the figures' machinery: the picture of each object around its base
// point, and the pieces several of them share (cut stones, flames, leaf clumps).
#pragma once
#include <functional>
#include <vector>

#include "figuras.h"
#include "obra.h"
#include "sprites.h"

namespace boneco {

// Object i modelled by `monta` with its base point on the model's ground point, lit, outlined and
// cut to the picture its anchors ask for.
Picture modela_objeto(int i, const std::function<void(Cena&)>& monta);

// How the camera foreshortens: screen pixels per model pixel toward the viewer and upward.
double encurta_fundo();
double encurta_altura();

// A cut stone: a raised slab on the rectangle about o (half sizes a along u, b along v), `alto` out
// along u x v, its edges bevelled back by `chanfro[k]` at each corner (worn stones differ). The
// pattern is laid from o, so copies of one stone look the same wherever they stand.
void almofada(Cena& c, V3 o, V3 u, V3 v, double a, double b, double alto, const double chanfro[4], int mat);

// A flame standing at `base`: glowing layers from red to a white core; `quadro` sways it.
void chama(Cena& c, V3 base, double raio, double alto, int quadro);

// A clump of leaves: a few overlapping balls of one part, so clumps are told apart by their lines.
void tufo(Cena& c, V3 centro, double r, int mat, uint64_t semente);

// The pictures by family, in list order.
void arvores(std::vector<Picture>& v);              // 0-3
void pedras_e_tumulos(std::vector<Picture>& v);     // 4-9
void luzes_e_ornatos(std::vector<Picture>& v);      // 10-16
void passagens_e_prisoes(std::vector<Picture>& v);  // 17-22
Picture muro();                                     // 18
Picture gaiola(int i, const Humano& preso, bool magica);
Picture arco_de_pedra();                            // 20
Picture buraco();                                   // 17
Picture arbusto();                                  // 13
Picture toco();                                     // 12
Picture pilar();                                    // 14

}  // namespace boneco
