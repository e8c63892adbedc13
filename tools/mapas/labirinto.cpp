#include "mapas/missao.h"
Picture labirinto(int n) { return florestal(1); }
