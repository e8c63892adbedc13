// Spells and techniques cast at a target or a point: the healer looks for wounded allies by
// herself, and every caster performs its pending service once close enough.
#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/efeitos.h"

namespace {

// The end of every cast: the price in MP, visible again, standing, the casting animation.
void termina(Unidade& c) {
    c.mp -= c.customp;
    c.invisivel = 0;
    c.destinox = arredonda(c.x);
    c.destinoy = arredonda(c.y);
    c.posicao = 4;
    c.ciclo = 0;
}

// A live, organic unit of the caster's own side.
bool aliadoorganico(const Unidade& c, int32_t t) {
    return vivo(t) && unidades[t].organico && !ladooposto(c, unidades[t]);
}

// Heal: walk to the wounded ally, then 15 HP a cast until it is whole or the MP runs out.
void cura(int32_t u) {
    Unidade& c = unidades[u];
    if (c.customp > c.mp) {
        c.servico = 0;
        return;
    }
    if (!aliadoorganico(c, c.alvo)) return;
    Unidade& t = unidades[c.alvo];
    double d = distunidades(c, t);
    if (d > 150 && c.posicao == 1) {
        apontar(u, arredonda(t.x), arredonda(t.y));
        c.posicao = 2;
    }
    if (d >= 150) return;
    t.hp += 15;
    t.curaexibida = 15;
    t.curatempo = 20;
    criaefeito(4, 0, t.x, t.y + 1, 55);
    somnatela(c, 41);
    if (c.curaautomatica) c.servico = 0;
    if (t.hp > t.hpmax) {
        t.hp = t.hpmax;
        c.alvo = 0;
        c.servico = 0;
    }
    termina(c);
}

// Invisibility or the protective sphere on an ally within 150.
void protege(int32_t u) {
    Unidade& c = unidades[u];
    if (!aliadoorganico(c, c.alvo)) return;
    Unidade& t = unidades[c.alvo];
    if (distunidades(c, t) >= 150) return;
    if (c.servico == 5) {
        t.invisivel = 2250;
        t.alvo = 0;
        somnatela(c, 42);
    } else {
        t.esfera = 1500;
        somnatela(c, 43);
    }
    c.servico = 0;
    termina(c);
}

// The fireball falls on the chosen point once it is within 250.
void boladefogo(int32_t u) {
    Unidade& c = unidades[u];
    if (distancia(c.x, c.y, c.destinox, c.destinoy) >= 250) return;
    criaefeito(13, u, c.destinox, c.destinoy, 350);
    c.servico = 0;
    termina(c);
}

// The hero's fire bolt flies along his heading toward his target once it is within 300.
void bastaodefogo(int32_t u) {
    Unidade& c = unidades[u];
    if (distancia(c.x, c.y, c.destinox, c.destinoy) >= 300) return;
    criaefeito(26, u, c.x, c.y, 0);
    c.servico = 0;
    som = 39;
    termina(c);
}

}  // namespace

void procuracura(int32_t u) {
    Unidade& c = unidades[u];
    if (!c.curaautomatica || c.mp < 5 || c.posicao != 1 || pausa) return;
    int32_t escolhido = 0;  // only a wounded ally found here counts, never a target of a fight
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& o = unidades[i];
        if (o.tipo == 0 || !o.organico || o.inimigo || o.hp >= o.hpmax) continue;
        if (Random(3) == 0) escolhido = i;
    }
    if (escolhido == 0 || distunidades(c, unidades[escolhido]) > 300) return;
    c.alvo = uint16_t(escolhido);
    apontar(u, arredonda(unidades[escolhido].x), arredonda(unidades[escolhido].y));
    c.posicao = 2;
    c.servico = 4;
    c.customp = 5;
}

void servicos(int32_t u) {
    Unidade& c = unidades[u];
    if (c.posicao == 4 || pausa) return;
    switch (c.servico) {
    case 4: cura(u); break;
    case 5: case 6: protege(u); break;
    case 7: boladefogo(u); break;
    case 8: bastaodefogo(u); break;
    default: break;
    }
}
