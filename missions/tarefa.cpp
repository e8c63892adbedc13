// The objective record of the current mission.
#include "missions/missoes.h"

Tarefa tarefa;
