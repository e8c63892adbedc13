// The closed-menu tab or the open page of the options menu, its entries, then the whole control list.
// TODO: still to be built; until then it draws nothing.
#include "render/interface.h"

void desenhatelamenu() {}
