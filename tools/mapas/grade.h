// A layout under construction: cell contents, the lanes and clearings that must stay open, the woods
// that must stay shut, and the forest that fills the rest. Lanes are straight stretches several
// cells wide, because units walk in straight lines: a unit aiming along a lane stays in it.
#pragma once
#include "common/rng.h"
#include "mapas/mapas.h"

#include <vector>

struct Ponto {
    int x, y;
};

// A straight stretch of lane between two cells; a clearing is a stretch of no length.
struct Trecho {
    double ax, ay, bx, by;  // its ends, in cells
    double raio;            // half width, cells
    bool principal;         // a main way (a portal's to the player, the road to the target): monsters camp well away
};

struct Grade {
    int w, h;
    std::vector<int> conteudo;      // see CONTEUDOUNIDADE; -1 marks a cell chosen for thicket before typing
    std::vector<uint8_t> aberto;    // must stay open: lanes and clearings
    std::vector<uint8_t> proibido;  // never opened: walls and woods the level's design keeps shut
    std::vector<Trecho> trechos;    // every lane and clearing, for the distance to the open ground
    double amplitude = 2.5;         // how far the noise moves the forest's edge, cells
    double escala = 8;              // how wide the noise's features are, cells
    Rng rng;
    Grade(int largura, int altura, uint64_t semente);
    bool dentro(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    int i(int x, int y) const { return y * w + x; }
    int& em(int x, int y) { return conteudo[i(x, y)]; }
};

// Smooth fractal noise in 0..1 with features about `escala` cells wide.
double ruido(uint64_t semente, double x, double y, double escala);

// Opens a straight lane of half width `raio` from a to b (cells marked proibido stay shut).
void trilha(Grade& g, Ponto a, Ponto b, double raio, bool principal = false);
// Opens a disc of radius r around a cell.
void clareira(Grade& g, Ponto c, double r);
// How far a cell lies beyond the edge of the nearest lane or clearing, in cells (negative inside).
double foradastrilhas(const Grade& g, double x, double y);
// The nearest point on the axis of any lane (not a clearing), rounded to a cell.
Ponto pontonatrilha(const Grade& g, Ponto p);
// Distance from a cell to the axis of the nearest main way, in cells (a large number when none).
double distanciaprincipal(const Grade& g, Ponto p);

// Puts units (contents) into free open cells of a clearing, nearest the centre first but not on it
// when `centro` is false. Returns how many were placed.
int povoa(Grade& g, int cx, int cy, const std::vector<int>& conteudos, bool centro, int raio);

// Fills exactly n closed cells with thicket (-1): the farther from the lanes (give or take the
// noise), the sooner; then smooths the edges, keeping the count. False when there is no room.
bool preenche(Grade& g, int n, std::string& why);
// Gives `qtd` thicket cells the object type `tipo`, preferring cells beside open ground (borda) near
// the given points (or anywhere when the list is empty).
void tipifica(Grade& g, int tipo, int qtd, bool borda, const std::vector<Ponto>& perto);
// Every remaining thicket cell becomes a tree; the four kinds grow in patches.
void arvoriza(Grade& g);
// Places `qtd` objects of a non-blocking type on free open cells away from the given points.
void espalha(Grade& g, int tipo, int qtd, const std::vector<Ponto>& longe, int distancia);

// The finished picture: each content in its colour, open ground elsewhere.
Picture pintagrade(const Grade& g);
