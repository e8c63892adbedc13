// The keyboard handler: every key press of the window as a virtual-key code.
#pragma once
#include <cstdint>
#include <string>

// --- input/teclado.cpp: the tests run one after another; one key can trigger several of them
void FormKeyDown(int32_t key);
// The code of character p (1-based) of a caption, as the key that selects it.
int32_t codigoletra(const std::string& legenda, int32_t p);

// --- input/grupos.cpp
// Whether the main selected unit, if any, may take part in a group (neither enemy nor chest).
bool principalpodeagrupar();
// Shift+digit: the living selected units form group d; the group's other living members leave it.
void guardagrupo(uint8_t d);
// The digit: group d is selected again, the view centred on a member already selected.
void chamagrupo(uint8_t d);
// F1: every other unit is deselected and the living hero selected (a second press centres on it).
void selecionaheroi();
