// A menu box built of nine border pieces around colunas x linhas cells.
// TODO: still to be built; until then it draws nothing.
#include "render/interface.h"

void caixamenu(int32_t x, int32_t y, int32_t colunas, int32_t linhas) {}
