// The saved game. TODO(saved game): writing and reading "Vorlandocraft.sav"; until then saving
// and loading do nothing.
#include "input/jogosalvo.h"

void salvajogo() {}
void carregajogo() {}
