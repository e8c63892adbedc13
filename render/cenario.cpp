// The ground: the mission's tile repeated over the whole view, shifted with the camera.
#include "assets/listas.h"
#include "render/mundo.h"
#include "world/auxiliares.h"
#include "world/estado.h"

void desenhacenario() {
    // 1. only a loaded tile is drawn; without it the ground stays as it was
    if (cenario >= DXImageListCenario.Count()) return;
    int32_t w = ItemWidth(DXImageListCenario, cenario);
    int32_t h = ItemHeight(DXImageListCenario, cenario);
    if (w <= 0 || h <= 0) return;
    // 2. enough tiles to cover the screen with a spare ring around it
    int32_t colunas = arredonda(800.0 / w) + 3;
    int32_t linhas = arredonda(600.0 / h) + 3;
    // 3. rem is the remainder of truncating division, so the tiles follow negative cameras too
    for (int32_t d = 0; d < colunas; d++)
        for (int32_t e = 0; e < linhas; e++)
            DrawItem(DXImageListCenario, cenario, w * d - (camerax % w) - w, h * e - (cameray % h) - h);
}
