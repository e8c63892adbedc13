// The hero's six item slots on the panel, with the tooltip of the item under the pointer.
#include "assets/listas.h"
#include "input/mouse.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

// top-left corner of slots 1..6: two columns, three rows
const int32_t CELULAITEM[6][2] = {
    {520, 480},  // slot 1
    {560, 480},  // slot 2
    {520, 520},  // slot 3
    {560, 520},  // slot 4
    {520, 560},  // slot 5
    {560, 560},  // slot 6
};
static_assert(sizeof(CELULAITEM) / sizeof(CELULAITEM[0]) == 6);

namespace {
void dicaitem(const Item& it) {
    DrawItem(DXImageListIcones, 23, 570, 368);
    escrevetexto(575, 370, it.nome.str(), "-", 10, BRANCO);
    if (it.consumivel) escrevetexto(575, 385, "<Botão esquerdo para usar>", "-", 10, Cor{180, 180, 255});
    for (int32_t i = 0; i < 3; i++) escrevetexto(575, 408 + 12 * i, it.descricao[i].str(), "-", 10, BRANCO);
}
}  // namespace

void desenhaitens(int32_t u) {
    const Unidade& a = unidades[u];
    if (!a.heroi) return;
    for (int32_t i = 0; i < 6; i++) {
        int32_t e = a.itens[i], sx = CELULAITEM[i][0], sy = CELULAITEM[i][1];
        if (e == 0 || e > MAXITENS) continue;
        const Item& it = itenstabela[e];
        DrawItem(DXImageListItens, it.figura, sx, sy);
        // a consumable carries a "1" in its corner
        if (it.consumivel) escrevetexto(sx + 34, sy + 24, "1", "c", 8, BRANCO);
        if (sx < mousex && mousex < sx + 40 && sy < mousey && mousey < sy + 40 && !pausa) dicaitem(it);
    }
}
