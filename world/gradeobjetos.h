// A grid over the map objects' base points, so a moving unit looks only at the objects near it
// instead of the whole table. Object positions never change once placed: the grid is made again
// whenever an object is placed or the table cleared.
#pragma once
#include <cstdint>
#include <vector>

// The largest half size of any object's collision box.
constexpr double MEIAMAIOROBJETO = 30;

// Every object slot whose base point lies within the rectangle [x1, x2] x [y1, y2], in ascending slot
// order (free slots may be among them).
void objetosnaarea(double x1, double y1, double x2, double y2, std::vector<int32_t>& saida);
