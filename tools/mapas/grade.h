// A layout under construction: cell contents, the cells that must stay open, noise, and the
// digging of clearings and paths that every mission style shares.
#pragma once
#include "common/rng.h"
#include "mapas/mapas.h"

#include <vector>

struct Ponto {
    int x, y;
};

struct Grade {
    int w, h;
    std::vector<int> conteudo;      // see CONTEUDOUNIDADE; -1 marks a cell chosen for thicket before typing
    std::vector<uint8_t> aberto;    // must stay open: clearings and paths
    std::vector<uint8_t> rede;      // open and already joined to the hero's cell
    std::vector<uint8_t> proibido;  // never dug: walls and thickets the level's design keeps shut
    std::vector<double> densidade;  // how thick the forest is here, 0..1
    std::vector<double> sinuoso;    // cost noise that makes paths wander
    double pesofundo = 0.08;        // how much distance from the roads thickens the forest
    double trilhas = 0.85;          // share of the open ground the trails and glades should take
    Rng rng;
    Grade(int largura, int altura, uint64_t semente);
    bool dentro(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    int i(int x, int y) const { return y * w + x; }
    int& em(int x, int y) { return conteudo[i(x, y)]; }
};

// Smooth fractal noise in 0..1 with features about `escala` cells wide.
double ruido(uint64_t semente, double x, double y, double escala);

// Opens a disc of radius r around a cell (cells marked proibido stay shut).
void clareira(Grade& g, int cx, int cy, double r);
// Digs a path two cells wide from (x, y) to the nearest cell of the network and joins everything
// open on the way to the network. False when no way exists.
bool ligarede(Grade& g, int x, int y);
// Digs a path from a to b (both ends may be off the network).
bool cavacaminho(Grade& g, Ponto a, Ponto b);
// Marks every open cell as joined (after the caller has connected them).
void juntarede(Grade& g);
// Cells (of the network) by distance in steps from the nearest network cell; -1 when unreachable.
std::vector<int> distanciarede(const Grade& g);

// Puts units (contents) into free open cells of a clearing, nearest the centre first but not on it
// when `centro` is false. Returns how many were placed.
int povoa(Grade& g, int cx, int cy, const std::vector<int>& conteudos, bool centro, int raio);

// Fills exactly n closed cells with thicket (-1), the thickest first. False when there are fewer.
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
