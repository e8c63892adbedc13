// The steps the mission styles share: the hero's base, chests in hidden corners, monster camps,
// and the thicket that fills the rest.
#pragma once
#include "mapas/grade.h"

#include <array>
#include <vector>

// Places the player's units of the table around the hero: structures on their plots, guard towers on
// a ring, people beside the hero.
void montabase(Grade& g, const Ficha& f, int raio);

// Every enemy of the table (not portals or the boss), strongest first.
std::vector<int> inimigosdaficha(const Ficha& f);
// Portal contents of the table in order (100 + 21..24).
std::vector<int> portaisdaficha(const Ficha& f);

// Picks a hidden corner `minimo` to `maximo` steps off the network, away from the given points;
// {-1, -1} when none.
Ponto recanto(Grade& g, int minimo, int maximo, const std::vector<Ponto>& longe, int afastamento);

// Joins a point to the network with a path and opens a clearing around it.
bool abreclareira(Grade& g, Ponto p, double raio);

// The whole dressing shared by forests: chests with guards, monsters in camps along the roads,
// exactly the blocking objects of the table in the thicket, then the floor marks and traps.
bool vestemapa(Grade& g, const Ficha& f, std::vector<Ponto> chaves, const std::vector<Ponto>& marcos, std::string& why);
// Types the thicket by the table: torches and braziers near the key points, rocks on the edges, the rest trees.
void tipificatudo(Grade& g, const Ficha& f, const std::vector<Ponto>& chaves);

// How many cells hold that content.
int contaconteudo(const Grade& g, int c);
// Total of the table's blocking objects (trees included, the target excluded).
int bloqueiosdaficha(const Ficha& f);

Picture florestal(int n);
Picture cemiterio();
Picture labirinto(int n);
Picture arena();
