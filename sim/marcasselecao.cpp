// Step 14 of the gameplay tick: the ring under every selected unit, sized by its collision box.
#include "sim/jogo.h"

#include "assets/listas.h"
#include "media/media.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Offsets of the rings 99 to 103 of the effect pictures, from the unit's point to the corner.
const int32_t DESLOCAMENTO[5][2] = {
    {18, 7},   // 99 small
    {22, 9},   // 100 medium
    {27, 12},  // 101 wide
    {27, 15},  // 102 tall
    {45, 15},  // 103 large structure
};
static_assert(sizeof(DESLOCAMENTO) / sizeof(DESLOCAMENTO[0]) == 5);

// Later rules override earlier ones.
int32_t anel(const Unidade& a) {
    int32_t imagem = 99;
    if (a.tamanhox >= 15) imagem = 100;
    if (a.tamanhox >= 25) imagem = 101;
    if (a.tamanhoy >= 15) imagem = 102;
    if (a.tamanhox >= 40) imagem = 103;
    return imagem;
}

}  // namespace

void desenhamarcasselecao() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || !a.selecionado) continue;
        int32_t imagem = anel(a);
        if (imagem >= DXImageListEfeitos.Count()) continue;
        const int32_t* d = DESLOCAMENTO[imagem - 99];
        DrawItem(DXImageListEfeitos, imagem, arredonda(a.x) - d[0] - camerax, arredonda(a.y) - d[1] - cameray);
    }
}
