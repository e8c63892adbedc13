// The world objects of a frame: collect what is near the screen, sort by y, draw each entry.
#include "render/mundo.h"

void desenhaunidades() {
    static EntradaDesenho lista[MAXDESENHO];
    // 1. what lies inside the screen windows
    int32_t n = coletadesenho(lista);
    // 2. lower on the map is drawn later, over what stands behind it
    ordenadesenho(lista, n);
    // 3. each entry by its table
    for (int32_t k = 0; k < n; k++) {
        if (lista[k].tabela == 1) desenhaunidade(lista[k].numero);
        else if (lista[k].tabela == 2) desenhaobjeto(lista[k].numero);
        else desenhaefeito(lista[k].numero);
    }
}
