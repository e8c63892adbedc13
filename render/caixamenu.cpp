// A menu box built of nine border pieces around colunas x linhas inner cells of 48 x 48.
#include "assets/listas.h"
#include "render/interface.h"

namespace {
// pieces of DXImageListIcones
constexpr int32_t CANTOSE = 8, CANTOSD = 9, CANTOIE = 10, CANTOID = 11;  // corners
constexpr int32_t TOPO = 12, LADOD = 13, LADOE = 14, BASE = 15, MIOLO = 16;  // edges and inner cell
}  // namespace

void caixamenu(int32_t x, int32_t y, int32_t colunas, int32_t linhas) {
    int32_t r = x + 47 + 48 * colunas;  // left edge of the right-hand pieces
    int32_t b = y + 47 + 48 * linhas;   // top of the bottom pieces
    // 1. the top row
    DrawItem(DXImageListIcones, CANTOSE, x, y);
    DrawItem(DXImageListIcones, CANTOSD, r, y);
    for (int32_t i = 0; i < colunas; i++) DrawItem(DXImageListIcones, TOPO, x + 47 + 48 * i, y);
    // 2. the bottom row
    DrawItem(DXImageListIcones, CANTOIE, x, b);
    DrawItem(DXImageListIcones, CANTOID, r, b);
    for (int32_t i = 0; i < colunas; i++) DrawItem(DXImageListIcones, BASE, x + 47 + 48 * i, b);
    // 3. the sides, all left pieces first
    for (int32_t j = 0; j < linhas; j++) DrawItem(DXImageListIcones, LADOE, x, y + 47 + 48 * j);
    for (int32_t j = 0; j < linhas; j++) DrawItem(DXImageListIcones, LADOD, r, y + 47 + 48 * j);
    // 4. the inner cells, column by column
    for (int32_t i = 0; i < colunas; i++)
        for (int32_t j = 0; j < linhas; j++) DrawItem(DXImageListIcones, MIOLO, x + 47 + 48 * i, y + 47 + 48 * j);
}
