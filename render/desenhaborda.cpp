// The panel frame, the money and food counters, the mini-map and the side panel of the selected unit.
// TODO: still to be built; until then it draws nothing.
#include "render/interface.h"

void desenhaborda() {}
