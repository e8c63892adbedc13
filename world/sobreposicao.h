// The pointer's placement test.
#pragma once
#include <cstdint>

// True when the footprint of half sizes (marcax, marcay) around the pointer (mousex, mousey), in
// screen pixels, touches the box of any live unit or any object in use (edges included).
bool sobreposicaoponteiro(int32_t mousex, int32_t mousey, int32_t marcax, int32_t marcay);
