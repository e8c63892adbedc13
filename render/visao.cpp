// The fog of sight: enemies, chests, hidden objects and effects show only where an own unit sees.
#include "render/mundo.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

bool vistoporaliado(double x, double y, int32_t exceto) {
    for (int32_t j = 1; j <= MAXUNIDADES; j++) {
        const Unidade& b = unidades[j];
        if (j == exceto || b.tipo == 0 || b.inimigo || b.bau) continue;
        if (distancia(x, y, b.x, b.y) < b.alcancevisao) return true;
    }
    return false;
}

bool unidadevisivel(int32_t u) {
    const Unidade& a = unidades[u];
    // own units are always seen; an enemy needs another own unit's sight
    bool visivel = true;
    if (a.inimigo) visivel = false;
    if (!visivel && vistoporaliado(a.x, a.y, u)) visivel = true;
    // a chest is tested afresh, whatever its side
    if (a.bau) visivel = vistoporaliado(a.x, a.y, u);
    if (vertudo) visivel = true;
    return visivel;
}

bool quadropar() { return ciclotela % 2 == 0; }
