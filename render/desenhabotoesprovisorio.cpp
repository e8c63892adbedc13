// Stand-in until the command table lands: draws nothing.
#include "render/botoes.h"
void desenhabotoes() {}
