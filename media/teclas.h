// Turning an SDL key code into the virtual-key code the game's keyboard handler expects.
#pragma once
#include <cstdint>

// Letters 65..90, digits 48..57 (keypad digits too), F1..F12 112..123, Esc 27, Enter and keypad
// Enter 13, either Alt 18, either Shift 16, either Ctrl 17, Pause 19, arrows 37..40, minus 189,
// equals/plus 187; 0 for keys the game does not use.
int32_t VirtualKeyOf(int32_t sdlkeycode);
