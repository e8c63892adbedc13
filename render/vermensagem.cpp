// The two timed message lines in the lower left of the play field, and their timers.
// TODO: still to be built; until then it draws nothing.
#include "render/interface.h"

void vermensagem() {}
