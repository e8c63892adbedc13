// The draw list: what lies near the screen, sorted so that what stands lower covers what stands higher.
#include "render/mundo.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

namespace {

// The screen windows, all bounds strict: objects reach further down, their pictures being tall.
bool najanela(double x, double y, double baixo) {
    double sx = x - camerax, sy = y - cameray;
    return -50 < sx && sx < 850 && -50 < sy && sy < baixo;
}

void poe(EntradaDesenho* lista, int32_t& n, uint8_t tabela, int32_t numero, double chave) {
    lista[n++] = EntradaDesenho{tabela, int16_t(numero), chave};
}

}  // namespace

int32_t coletadesenho(EntradaDesenho* lista) {
    int32_t n = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && najanela(a.x, a.y, 550)) poe(lista, n, 1, u, a.y);
    }
    for (int32_t o = 1; o <= MAXOBJETOS; o++) {
        const Objeto& b = objetos[o];
        if (b.tipo != 0 && najanela(b.x, b.y, 590)) poe(lista, n, 2, o, b.y);
    }
    for (int32_t e = 1; e <= MAXEFEITOS; e++) {
        const Efeito& f = efeitos[e];
        if (f.tipo != 0 && najanela(f.x, f.y, 550)) poe(lista, n, 3, e, f.y);
    }
    return n;
}

void ordenadesenho(EntradaDesenho* lista, int32_t n) {
    // for i = 1 .. n - 1, for j = i .. n, in the game's 1-based numbering; j = i swaps with itself
    for (int32_t i = 0; i < n - 1; i++)
        for (int32_t j = i; j < n; j++)
            if (lista[i].chave >= lista[j].chave) {
                EntradaDesenho t = lista[i];
                lista[i] = lista[j];
                lista[j] = t;
            }
}
