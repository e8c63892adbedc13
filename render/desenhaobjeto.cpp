// Map objects and effects of the draw list: hidden ones only where an own unit sees them.
#include "assets/listas.h"
#include "media/media.h"
#include "render/mundo.h"
#include "world/auxiliares.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/objetos.h"

void desenhaobjeto(int32_t o) {
    const Objeto& b = objetos[o];
    if (b.tipo == 0) return;
    // trees and rocks are always drawn; mission targets wait for a unit to come near
    bool visivel = b.visivel || vertudo || vistoporaliado(b.x, b.y, 0);
    if (visivel && b.desenho < DXImageListObjetos.Count())
        DrawItem(DXImageListObjetos, b.desenho, arredonda(b.x - b.desenhox) - camerax, arredonda(b.y - b.desenhoy) - cameray);
}

void desenhaefeito(int32_t e) {
    const Efeito& f = efeitos[e];
    if (f.tipo == 0) return;  // ended while the list was being drawn
    // 1. the picture's corner, lifted by the height
    int32_t px = arredonda(f.x - f.ancorax) - camerax;
    int32_t py = arredonda(f.y - f.ancoray) - cameray - arredonda(f.z);
    // 2. seen by an own unit, or always visible
    bool visivel = f.semprevisivel || vertudo || vistoporaliado(f.x, f.y, 0);
    // 3. shaking effects tremble while the game runs
    if (f.treme && !pausa) px += Random(5) - 2;
    // 4. a landed fireball is no longer drawn; the shadow stays on the ground, a fading effect blinks
    if (!visivel || f.quadro >= DXImageListEfeitos.Count() || f.pousou) return;
    if (f.sombra) DrawItem(DXImageListEfeitos, 0, arredonda(f.x) - camerax - 15, arredonda(f.y) - cameray - 5);
    if (!f.pisca || quadropar()) DrawItem(DXImageListEfeitos, f.quadro, px, py);
}
