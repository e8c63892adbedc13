// The attribute update: combat values derived each tick from the attributes, the hero's items and
// the auras, plus regeneration and the running out of summoned units' lives.
#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {

// A summoned unit whose life has run out leaves its remains and frees its slot.
void expiravida(int32_t u) {
    Unidade& a = unidades[u];
    if (a.tipo == 10) {  // the skeleton falls apart into bones
        criaefeito(5, 0, a.x, a.y, 40);
        criaefeito(6, 0, a.x, a.y, 30);
        const uint8_t ossos[] = {7, 8, 9, 8, 9, 8, 9};
        for (uint8_t e : ossos) criaefeito(e, 0, a.x - 20, a.y, 30);
    } else if (a.tipo == 11) {  // the demon departs
        criaefeito(17, 0, a.x, a.y, 0);
    }
    a.tempovida = 0;
    a.hp = 0;
    a.tipo = 0;
    a.selecionado = false;
    if (select_ == u) select_ = 0;
}

// The hero's items: bonuses while carried, and regeneration unless paused.
void bonusitens(Unidade& a) {
    for (uint8_t n : a.itens) {
        if (n == 0 || n > MAXITENS) continue;
        const Item& it = itenstabela[n];
        a.forcabonus += it.forca;
        a.agilidadebonus += it.agilidade;
        a.inteligenciabonus += it.inteligencia;
        a.danobonus += it.dano;
        a.armadurabonus += it.armadura;
        a.velocidadebonus += it.velocidade;
        if (!pausa && a.hp > 0) {
            a.hp += 0.025 * it.regenhp;
            a.mp += 0.025 * it.regenmp;
        }
    }
}

// Natural regeneration, and the extra of finished research; then the caps.
void regenera(Unidade& a) {
    if (a.hp > 0) {
        a.hp += 0.003 + (a.forca + a.forcabonus) * 0.0003;
        if (a.heroi) a.hp += 0.003;
        a.mp += 0.005 + (a.inteligencia + a.inteligenciabonus) * 0.0005;
        if (a.tipo == 7 && pesquisa5 == 2) a.mp += 0.007;
        if (a.tipo == 8 && pesquisa6 == 2) a.mp += 0.007;
        if (a.tipo == 10 && pesquisa7 == 2) a.hp += 0.008;
    }
    if (a.hp > a.hpmax) a.hp = a.hpmax;
    if (a.mp > a.mpmax) a.mp = a.mpmax;
}

}  // namespace

void calculaatributos(int32_t u) {
    Unidade& a = unidades[u];
    // a free slot keeps stale values: it must not regenerate nor count down a dead unit's life
    if (a.tipo == 0 || !a.organico) return;
    // 1. experience for the next level
    if (a.heroi) a.experienciaprox = uint16_t(30 * a.nivel * a.nivel + 120 * a.nivel);
    // 2. summoned units live out their time (a life of 0 or less ends now)
    if (a.tempovidamax != 0 && !pausa) {
        if (a.tempovida <= 1) {
            expiravida(u);
            return;
        }
        a.tempovida -= 1;
    }
    // 3. bonuses are rebuilt from zero
    a.danobonus = a.armadurabonus = a.forcabonus = a.agilidadebonus = a.inteligenciabonus = 0;
    a.velocidadebonus = 0;
    // 4. the hero's items
    if (a.heroi) bonusitens(a);
    // 5.-10. damage and armour bonuses
    a.danobonus += a.forcabonus;
    a.armadura = uint8_t(arredonda(a.agilidade / 5.0));
    if (a.agilidadebonus > 4) a.armadurabonus += arredonda(a.agilidadebonus / 5.0);
    a.armadurabonus += a.auraprotetora;
    a.danobonus += arredonda(a.danomax * (a.auraguerreira * 0.1));  // last update's danomax
    if (a.esfera != 0) a.armadurabonus += 5;
    // 11. maxima
    a.hpmax = (a.forca + a.forcabonus) * 25 + 100;
    a.mpmax = (a.inteligencia + a.inteligenciabonus) * 15;
    // 12. damage range
    a.danomin = uint16_t(a.forca + 3);
    a.danomax = uint16_t(arredonda(a.danomin * 1.5));
    // 13. regeneration
    if (pausa) return;
    regenera(a);
}
