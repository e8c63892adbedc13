// Packs compiled into the program: the .gmb records of a built-in list one after another.
#pragma once
#include <cstddef>
#include <cstdint>

// Finds the pack of that name ("icones", "mapas", ...); false when the program has none.
bool pacoteembutido(const char* nome, const uint8_t*& dados, size_t& tamanho);
