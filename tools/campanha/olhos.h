// What the scripted player reads of the game: the tables, as a player reads them off the screen.
#pragma once
#include <cstdint>
#include <vector>

#include "mapas/verificador/verificador.h"
#include "world/unidades.h"

// The hero's slot, 0 when he is gone.
int32_t slotdoheroi();
PontoMapa posicao(const Unidade& a);
double distancia(const Unidade& a, const Unidade& b);
double distancia(const Unidade& a, PontoMapa p);
// The player's fighting band: the hero and every organic, mobile unit of the player but the worker.
std::vector<int32_t> bando();
// Live enemies within `raio` of p; portals and enemy towers only when asked for.
std::vector<int32_t> inimigosperto(PontoMapa p, double raio, bool estruturas);
// Whether nothing solid of the map stands between two points (walls and trees hide, units do not).
bool avista(PontoMapa a, PontoMapa b);
// Enemies awake near the band (after one of the player's units, or close by): within `raio` of any
// member, structures left out.
std::vector<int32_t> ameacas(double raio);
// The hero's item slot (0..5) holding the first of `itens`, -1 when none.
int slotdeitem(const std::vector<int>& itens);
int itenslivres();  // empty slots of the hero
// The HP the band would likely lose killing these enemies: their HP over the band's damage per
// tick, times their damage per tick (half of them striking at a time, on average).
double custoluta(const std::vector<int32_t>& inimigos);
// The HP the hero can count on: his own and his drinks'.
double vidadisponivel();
bool ehbebida(int item);  // drinks and books: used at once or when needed, never worth a slot
// What an item is worth carried into the last fight, where armour is everything: 0 for books.
int valoritem(int item);
