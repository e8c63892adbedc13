// The hero picks up the chest he was sent to: its item goes into his first empty item slot.
#include "sim/regras.h"
#include "sim/sim.h"

void pegabau(int32_t u) {
    Unidade& h = unidades[u];
    if (!vivo(h.alvo)) return;
    int32_t b = h.alvo;
    Unidade& c = unidades[b];
    if (!c.bau || distunidades(h, c) >= 45) return;
    for (uint8_t& s : h.itens) {
        if (s != 0) continue;
        s = c.item;
        c.tipo = 0;
        c.selecionado = false;  // the freed slot must not come back selected
        if (select_ == b) {
            select_ = 0;
            mousenum = 0;
        }
        return;
    }
    mensagem = "Não há mais espaço para itens.";
    mensagemtempo = 200;
}
