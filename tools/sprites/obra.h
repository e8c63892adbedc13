// Building pieces for the structures: walls, roofs, towers, doors, windows, banners, barrels,
// scaffolding and building sites, all in the model's pixels around the ground point.
#pragma once
#include "boneco.h"

namespace boneco {

Material material(Tinta cor, int textura = LISO, double escala = 1, double brilho = 0.05);

// A flat four-sided face a, b, c, d (its outer side where b - a turns toward d - a), the pattern
// laid from `origem` along u (across) and v (up).
void face(Cena& c, V3 a, V3 b, V3 cc, V3 d, int mat, V3 origem, V3 u, V3 v);
// A box standing on the centre of its base o: half sizes hx, hy, height `alto`; top in `topo`.
void bloco(Cena& c, V3 o, double hx, double hy, double alto, int lados, int topo = -1);
// A gable roof over walls whose top centre is o: ridge along x, `alto` above, eaves `beiral` out.
void telhado(Cena& c, V3 o, double hx, double hy, double alto, double beiral, int mat, int empena, double espessura = 4);
// A round tower piece from height z0 (radius r0) to z1 (radius r1), or a cone when r1 is 0.
void cilindro(Cena& c, V3 o, double z0, double r0, double z1, double r1, int mat, int lados = 20, bool tampa = true);
// Pieces on a wall facing n (outward, horizontal) at point p.
void porta(Cena& c, V3 p, V3 n, double larg, double alto, int madeira, int ferro);
void janela(Cena& c, V3 p, V3 n, double larg, double alto, int moldura, int vidro);
void bandeira(Cena& c, V3 topo, V3 n, double larg, double alto, int pano, int emblema);
void barril(Cena& c, V3 o, double r, double alto, int madeira, int aro);
// A dirt patch under a building.
void chao(Cena& c, double rx, double ry, int mat, double x = 0, double y = 0);
// Poles and boards round a building going up to `alto`, and a site with stones and planks.
void andaime(Cena& c, double hx, double hy, double alto, double x = 0, double y = 0);
void alicerce(Cena& c, double rx, double ry, double x = 0, double y = 0);

}  // namespace boneco
