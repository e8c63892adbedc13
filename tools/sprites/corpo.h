// The skeleton of a two-legged figure in one frame, shared by the body, head and weapon builders.
#pragma once
#include <array>
#include <initializer_list>
#include <vector>

#include "figuras.h"

namespace boneco {

// Three axes at a point: x to the part's left, y its front, z its top.
struct Eixos {
    V3 o, x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    V3 pt(double a, double b, double c) const { return o + x * a + y * b + z * c; }
    V3 dir(double a, double b, double c) const { return x * a + y * b + z * c; }
};

// Turns about the figure's own axes: `frente` tips up toward the front, `vira` turns the front
// toward the figure's right, `ladeia` tips up toward the figure's left.
V3 frente(V3 v, double a);
V3 vira(V3 v, double a);
V3 ladeia(V3 v, double a);
Eixos gira_eixos(const Eixos& e, double incl, double torce, double lado);

// The joint of a two-bone limb from root to tip, bent toward `polo`.
V3 junta(V3 raiz, V3 ponta, double l1, double l2, V3 polo);

// Side 0 is the figure's right (x < 0, the weapon hand), side 1 its left.
inline double sinal(int lado) { return lado == 0 ? -1 : 1; }

struct Corpo {
    double A = 90;      // height of the head's top
    double rh = 9;      // head radius
    Eixos pelve, peito, cabeca;
    V3 quadril[2], joelho[2], tornozelo[2], ponta[2];  // ponta: the toe
    V3 ombro[2], cotovelo[2], pulso[2], mao[2];
    double rcoxa = 4, rcanela = 3, rbraco = 3, rantebraco = 2.6, rmao = 3;
    V3 arma{0, 1, 0};     // the weapon's direction from the hand
    V3 corte{0, 0, 1};    // the way its edge travels
    V3 olhar{0, 1, 0};    // toward the viewer, in the model
    double vento = 0;     // how far capes, skirts and hair blow back
    double abre = 0;      // how wide the mouth opens
    Pose pose;
};

Corpo monta_corpo(const Humano& h, const Pose& p, const Cena& c);
void cabeca(Cena& c, const Humano& h, const Corpo& b);
void arma(Cena& c, const Humano& h, const Corpo& b);

// Shared materials of a figure.
int mat_pele(Cena& c, const Humano& h);

// Body parts shared by the figures.
std::vector<Anel> ao_longo(const Corpo& b, std::initializer_list<std::array<double, 3>> aneis, double de = 0, double ate = 1);
void perna(Cena& c, const Humano& h, const Corpo& b, int l, int calca, int pele, int bota);
void braco(Cena& c, const Humano& h, const Corpo& b, int l, int manga, int pele, bool curta);
void mao(Cena& c, const Humano& h, const Corpo& b, int l, int pele);
void tronco(Cena& c, const Humano& h, const Corpo& b, int roupa, int pele);
void cinto(Cena& c, const Humano& h, const Corpo& b);
void saia(Cena& c, const Humano& h, const Corpo& b, int mat, double baixo, double largo, double dobras, bool rasgada);
void capa(Cena& c, const Humano& h, const Corpo& b, double baixo);
void avental(Cena& c, const Humano& h, const Corpo& b, Tinta cor, double baixo, double largo);
void asas(Cena& c, const Humano& h, const Corpo& b);
void cauda(Cena& c, const Humano& h, const Corpo& b);
void escudo(Cena& c, const Humano& h, const Corpo& b);

// The bodies of their own (skeleton, stone monster, tree monster) and the parts that set the
// other kinds apart (muscles, fins, ribs, fur, the queen's armour), and loincloths.
void ossada(Cena& c, const Humano& h, const Corpo& b);
void rocha(Cena& c, const Humano& h, const Corpo& b);
void arvore(Cena& c, const Humano& h, const Corpo& b);
void extras(Cena& c, const Humano& h, const Corpo& b);
void tanga(Cena& c, const Humano& h, const Corpo& b);

// A ring of limb pieces along an arc (ribs, straps): centre, half axes, angles, thickness.
void arco(Cena& c, V3 centro, V3 ex, V3 ey, double a0, double a1, double r, int mat, int pedacos = 6);

}  // namespace boneco
