// The steps the mission styles share: the hero's base, chests at the ends of branches off the lanes,
// monster camps beside the lanes, and the forest that fills the rest.
#pragma once
#include "mapas/grade.h"

#include <vector>

// Places the player's units of the table around the hero: structures on their plots, guard towers on
// a ring, people beside the hero.
void montabase(Grade& g, const Ficha& f, int raio);

// Every enemy of the table (not portals or the boss), strongest first.
std::vector<int> inimigosdaficha(const Ficha& f);
// Portal contents of the table in order (100 + 21..24).
std::vector<int> portaisdaficha(const Ficha& f);
// The cells of the player's units (the hero among them).
std::vector<Ponto> unidadesdojogador(Grade& g);

// Chests hidden in the wood, each at the end of a straight branch off the nearest lane, two guards
// from the pool beyond it. `chaves` are the places they keep away from; each chest joins them.
bool escondebaus(Grade& g, const Ficha& f, std::vector<Ponto>& chaves, std::vector<int>& pool, std::string& why);
// The rest of the pool in camps of three or four, in clearings beside the lanes, away from the
// player, the chests and the portals' ways.
bool acampa(Grade& g, std::vector<int>& pool, const std::vector<Ponto>& chaves, std::string& why);

// The whole dressing shared by forests: chests with guards, camps, exactly the blocking objects of
// the table in the thicket, then the floor marks and traps.
bool vestemapa(Grade& g, const Ficha& f, std::vector<Ponto> chaves, std::string& why);
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
