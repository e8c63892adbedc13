// The small bars over one unit and the caption of the hero and of chests, within the player's sight.
// TODO: still to be built; until then it draws nothing.
#include "render/interface.h"

void mostrahp(int32_t u) {}
