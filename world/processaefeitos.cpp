// The per-tick life of the effects: type behaviour, falling, flight, animation, arrival of
// projectiles, expiry damage, picture and anchors.
#include <cmath>

#include "media/media.h"
#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/natela.h"
#include "world/objetos.h"
#include "world/unidades.h"

namespace {

// Flame or smoke at random.
int32_t chamaoufumaca() { return 1 + Random(2); }

// A trail puff around a flying bolt: effect t near (x, y) at about the bolt's height.
void rastrobolt(const Efeito& e, int32_t t, int32_t alturas) {
    double x = e.x - 12 + Random(24);
    double y = e.y - 1 + Random(3);
    double z = e.z - 12 + Random(alturas);
    criaefeito(t, 0, x, y, z);
}

// The landed fireball sets fire to every unit and every tree within 65.
void queimaarredores(const Efeito& e) {
    double fx = e.x - 65 + Random(130);
    double fy = e.y - 50 + Random(100);
    criaefeito(10, 0, fx, fy, 0);
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && distancia(e.x, e.y, unidades[u].x, unidades[u].y) < 65)
            unidades[u].queimando = uint16_t(100 + Random(10));
    for (int32_t o = 1; o <= MAXOBJETOS; o++)
        if (objetos[o].tipo >= 1 && objetos[o].tipo <= 4 && distancia(e.x, e.y, objetos[o].x, objetos[o].y) < 65)
            objetos[o].queimando = uint16_t(10 + Random(20));
}

// 13: the fireball falls 8 pixels a tick, lands with a quake, then burns what is near.
void boladefogo(Efeito& e) {
    if (e.z > 0) {
        e.z -= 8;
        if (e.z <= 0) {
            e.pousou = true;
            e.z = 0;
            tremor = 30;
            som = 39;
            for (int k = 0; k < 5; k++) {
                int32_t t = 14 + Random(3);
                double x = e.x - 20 + Random(20);
                double y = e.y - 5 + Random(10);
                criaefeito(t, 0, x, y, 0);
            }
        }
    }
    if (e.z == 0) queimaarredores(e);
}

// 17: the demon bursts into pieces on its last tick.
void partidademonio(const Efeito& e) {
    if (e.duracao != e.contador + 1) return;
    criaefeito(18, 0, e.x, e.y - 15, 70);
    criaefeito(19, 0, e.x, e.y + 30, 60);
    criaefeito(20, 0, e.x, e.y + 5, 50);
    if (natela(e.x, e.y)) som = 46;
    for (int k = 0; k < 10; k++) {
        double x = e.x - 10 + Random(20);
        double y = e.y - 2 + Random(4);
        double z = Random(40);
        criaefeito(21, 0, x, y, z);
    }
}

// 43: the final boss burns away and ends in a cloud of flames.
void mortechefe(const Efeito& e) {
    double x = e.x - 30 + Random(60);
    double y = e.y - 5 + Random(10);
    double z = Random(40);
    criaefeito(10, 0, x, y, z);
    if (e.contador + 5 != e.duracao) return;
    for (int k = 0; k < 50; k++) {
        double cx = e.x - 50 + Random(100);
        double cy = e.y - 30 + Random(60);
        double cz = Random(80);
        criaefeito(1, 0, cx, cy, cz);
    }
}

// Step 1: what each type does on its own.
void comportamento(Efeito& e) {
    const int32_t t = e.tipo;
    if (t == 1 || t == 2) { e.x += Random(7) * 0.1; e.z += 1; }
    else if (t == 11) { e.x += Random(3) * 0.1; e.z += 1; }
    else if (t == 4) { e.z -= 0.8; if (e.contador > 15) e.pisca = true; }
    else if ((t >= 5 && t <= 9) || (t >= 18 && t <= 21)) {
        if (e.duracao == e.contador + 1) criaefeito(10, 0, e.x, e.y, e.z);  // the piece catches fire as it ends
    }
    else if (t == 10) { if (e.contador == 5) criaefeito(chamaoufumaca(), 0, e.x, e.y, e.z); }
    else if (t == 13) boladefogo(e);
    else if (t == 17) partidademonio(e);
    else if (t == 22) { if (e.animcontador % 3 == 0) rastrobolt(e, chamaoufumaca(), 24); }
    else if (t == 23) { if (e.animcontador % 3 == 0) rastrobolt(e, 24, 27); }
    else if (t == 26) rastrobolt(e, chamaoufumaca(), 24);
    else if (t == 24) e.z -= 1;
    else if (t == 27) e.z -= 2;
    else if (t == 28) { e.y += 1 + Random(4); e.x -= Random(3); }
    else if (t == 41 || t == 42) { if (e.contador > e.duracao - 10) e.pisca = true; }
    else if (t == 43) mortechefe(e);
    if (e.cadaver && e.contador > e.duracao - 200) e.pisca = true;  // an old corpse fades
}

// Steps 2 and 3: falling under gravity, then flight.
void movimento(Efeito& e) {
    if (e.cai) {
        e.queda += 0.5;
        if (e.queda > 8) e.queda = 8;
        e.z -= e.queda;
        if (e.z < 0) { e.z = 0; e.cai = false; e.queda = 0; e.velocidade = 0; }
    }
    if (e.velocidade != 0) {
        e.x += std::cos(e.angulo) * e.velocidade;
        e.y -= std::sin(e.angulo) * e.velocidade;
    }
}

// The target of a projectile is live while its slot holds a unit.
bool alvovivo(const Efeito& e) { return e.alvo != 0 && e.alvo <= MAXUNIDADES && unidades[e.alvo].tipo != 0; }

// Step 7: the effect ends; a projectile deals its blow.
void expira(Efeito& e) {
    bool vivo = alvovivo(e);
    Unidade& alvo = unidades[vivo ? e.alvo : 0];
    if (e.dano > 0) {
        // fixed damage (the fire bolt): no armour, no evasion, no immunity; a freed slot is spared
        if (vivo) {
            alvo.hp -= e.dano;
            if (alvo.hp < 0) alvo.hp = 0;
            alvo.danoexibido = e.dano;
            alvo.danotempo = 20;
        }
    } else if (vivo) {
        causadano(e.dono, e.alvo);
        if (natela(e.x, e.y)) {
            if (e.tipo == 22 || e.tipo == 23) som = 36;
            if (e.tipo == 25) som = 38;
        }
    }
    e.tipo = 0;
}

}  // namespace

void processaefeitos() {
    for (int32_t s = 1; s <= MAXEFEITOS; s++) {
        Efeito& e = efeitos[s];
        if (e.tipo == 0) continue;
        if (!pausa) {
            comportamento(e);
            movimento(e);
            // 4. animation
            e.animcontador += 1;
            if (e.animcontador >= e.animperiodo) e.animcontador = 0;
        }
        // 5. a projectile close to its target hits now
        if (alvovivo(e) && distancia(e.x, e.y, unidades[e.alvo].x, unidades[e.alvo].y) < 20)
            e.contador = e.duracao;
        // 6. age
        if (!pausa) e.contador += 1;
        // 7. expiry
        if (e.contador >= e.duracao) {
            expira(e);
            continue;
        }
        // 8., 9. picture and anchors
        e.quadro = quadroefeito(e);
        ancoraefeito(e);
    }
}
