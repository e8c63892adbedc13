// One normal blow: every melee hit and every arriving projectile without fixed damage.
#include "media/media.h"
#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {

// Evasion percent of a hero: the sum over the items in its six slots.
int32_t evasaoheroi(const Unidade& h) {
    int32_t soma = 0;
    for (uint8_t n : h.itens)
        if (n >= 1 && n <= MAXITENS) soma += itenstabela[n].evasao;
    return soma;
}

}  // namespace

int32_t causadano(int32_t a, int32_t t) {
    const Unidade& atacante = unidades[a];
    Unidade& alvo = unidades[t];
    // 1. the roll: danomax itself is never rolled
    double dano = atacante.danomin + Random(atacante.danomax - atacante.danomin) + atacante.danobonus;
    // 2. each armour point takes 5%
    dano = dano - dano * 0.05 * (alvo.armadura + alvo.armadurabonus);
    // 3. every blow that gets through armour deals at least 1
    if (dano <= 0) dano = 1;
    // 4. the hero may dodge with the evasion of his items
    if (alvo.heroi && Random(1000) / 10.0 < evasaoheroi(alvo)) dano = 0;
    // 5. an invulnerable unit takes nothing
    if (alvo.imunidade != 0) dano = 0;
    // 6. paralysing hits: one in ten
    if (atacante.paralisa && dano > 0 && alvo.paralisado == 0 && Random(1000) / 10.0 < 10) alvo.paralisado = 50;
    // 7. poisonous hits: one in seven, living targets only
    if (atacante.envenena && dano > 0 && alvo.organico && Random(7) == 0) alvo.envenenado = 500;
    // 8. the damage itself, shown over the target
    alvo.hp -= dano;
    if (alvo.hp < 0) alvo.hp = 0;
    alvo.danoexibido = arredonda(dano);
    alvo.danotempo = 20;
    return arredonda(dano);
}
