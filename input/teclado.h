// The keyboard handler: every key press of the window as a virtual-key code.
#pragma once
#include <cstdint>

void FormKeyDown(int32_t key);
