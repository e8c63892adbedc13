// Hot-key groups (Shift+digit stores the selection, the digit recalls it) and F1's hero selection.
#include "input/teclado.h"

#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {
void centra(const Unidade& a) {
    camerax = arredonda(a.x - 400);
    cameray = arredonda(a.y - 250);
}
bool vivo(const Unidade& a) { return a.tipo != 0 && a.hp > 0; }
}  // namespace

bool principalpodeagrupar() {
    if (select_ == 0) return true;
    const Unidade& s = unidades[select_];
    return !s.inimigo && !s.bau;
}

void guardagrupo(uint8_t d) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (!vivo(a)) continue;  // the dead keep no group
        if (a.selecionado) a.grupo = d;
        else if (a.grupo == d) a.grupo = 0;
    }
}

void chamagrupo(uint8_t d) {
    if (pausa) return;
    // 1. every living member is selected; one already selected brings the view to it
    int32_t primeiro = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (!vivo(a) || a.grupo != d) continue;
        if (a.selecionado) centra(a);
        a.selecionado = true;
        select_ = uint8_t(u);
        if (primeiro == 0) primeiro = u;
    }
    if (primeiro == 0) return;
    // 2. the rest is deselected, and the member with most HP leads (the first one on ties)
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].grupo != d) unidades[u].selecionado = false;
    select_ = uint8_t(primeiro);
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (vivo(a) && a.grupo == d && a.hpmax > unidades[select_].hpmax) select_ = uint8_t(u);
    }
}

void selecionaheroi() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        Unidade& a = unidades[u];
        if (!a.heroi) {
            a.selecionado = false;
            continue;
        }
        if (a.tipo == 0 || a.hp <= 0) continue;
        if (a.selecionado) centra(a);
        a.selecionado = true;
        select_ = uint8_t(u);
    }
}
