#include "mapas/missao.h"
Picture cemiterio() { return florestal(1); }
