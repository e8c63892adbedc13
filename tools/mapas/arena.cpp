#include "mapas/missao.h"
Picture arena() { return florestal(1); }
