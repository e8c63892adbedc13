// Which style makes which mission's layout.
#include "mapas/missao.h"

Picture geramapa(int n) {
    switch (n) {
    case 3: return cemiterio();
    case 4:
    case 10: return labirinto(n);
    case 12: return arena();
    default: return florestal(n);
    }
}
