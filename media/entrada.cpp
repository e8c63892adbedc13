// Input as the game sees it: handlers for events and the polled state of a few keys.
#include "media/media.h"

#include <bitset>

Manipuladores manipuladores;
EstadoEntrada entrada;

static std::bitset<256> seguradas;  // keys held down, by virtual-key code

void SetKeyHeld(int32_t vk, bool held) {
    if (vk >= 0 && vk < 256) seguradas[size_t(vk)] = held;
}

bool KeyHeld(int32_t vk) { return vk >= 0 && vk < 256 && seguradas[size_t(vk)]; }

void UpdateInput() {
    entrada.up = KeyHeld(VK_UP);
    entrada.down = KeyHeld(VK_DOWN);
    entrada.left = KeyHeld(VK_LEFT);
    entrada.right = KeyHeld(VK_RIGHT);
    entrada.button1 = KeyHeld('Z');
    entrada.button2 = KeyHeld('X');
    entrada.button3 = KeyHeld(VK_SHIFT);
}
