// One step of a unit along one axis, kept inside the map: a bump into a solid unit or map object
// undoes the step and turns the unit aside for a while; a hidden trap goes off under it.
#include <cmath>
#include <vector>

#include "media/media.h"
#include "sim/regras.h"
#include "sim/sim.h"
#include "world/posicoesunidades.h"
#include "world/efeitos.h"
#include "world/gradeobjetos.h"
#include "world/objetos.h"

namespace {

// Strict overlap of two boxes given by their centres and half sizes.
bool sobrepoe(double x1, double y1, double tx1, double ty1, double x2, double y2, double tx2, double ty2) {
    return x1 + tx1 > x2 - tx2 && x1 - tx1 < x2 + tx2 && y1 + ty1 > y2 - ty2 && y1 - ty1 < y2 + ty2;
}

// A sidestep: turn by 1.8 radians either way and walk so for 20 ticks.
void desvia(Unidade& a) {
    a.direcao += Random(100) > 49 ? -1.8 : 1.8;
    a.correcaorota = 20;
}

// Blocked near the goal: the unit stops there and gives up its target.
void paraperto(Unidade& a) {
    if (distancia(a.x, a.y, a.destinox, a.destinoy) < 50 && a.posicao != 1) {
        paraunidade(a);
        a.correcaorota = 0;
        a.alvo = 0;
    }
}

// An enemy within reach after a bump: the unit stops to fight (unless it has a service to do).
void parainimigo(Unidade& a, bool vendoinvisiveis) {
    if (a.servico != 0) return;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& o = unidades[i];
        // (farther along one axis is farther: the root is not needed to tell)
        if (o.tipo == 0 || !ladooposto(a, o) || std::fabs(a.x - o.x) >= a.distataque || distunidades(a, o) >= a.distataque) continue;
        if (!vendoinvisiveis && (a.invisivel != 0 || o.invisivel != 0)) continue;
        paraunidade(a);
        a.correcaorota = 0;
        a.alvo = 0;
        return;  // stopping again for another enemy changes nothing
    }
}

// A solid unit whose box overlaps the unit's where it stands now.
bool batenela(const Unidade& a, const Unidade& o) {
    return o.tipo != 0 && o.solido && sobrepoe(a.x, a.y, a.tamanhox, a.tamanhoy, o.x, o.y, o.tamanhox, o.tamanhoy);
}

// The next unit, from slot `de` on, the unit bumps into; 0 when none. During the units' pass the small
// table of positions leaves out every unit farther than the two largest half boxes (and a pixel for
// the rounding), which cannot touch it: the same units are found in the same order, with far fewer of
// the large records read.
int32_t proximabatida(int32_t u, int32_t de) {
    const Unidade& a = unidades[u];
    if (posicoesabertas) {
        const double lx = a.tamanhox + maiorcaixax + 1.0, ly = a.tamanhoy + maiorcaixay + 1.0;
        for (int32_t i = de; i <= MAXUNIDADES; i++) {
            const PosicaoUnidade& p = posicoesunidades[i];
            if ((std::fabs(p.x - a.x) >= lx) | (std::fabs(p.y - a.y) >= ly)) continue;
            if (i != u && batenela(a, unidades[i])) return i;
        }
        return 0;
    }
    for (int32_t i = de; i <= MAXUNIDADES; i++)
        if (i != u && batenela(a, unidades[i])) return i;
    return 0;
}

// 2.-3. bumps into other units, then the push out of any box still overlapped
void colideunidades(int32_t u, double dx, double dy) {
    Unidade& a = unidades[u];
    bool bateu = false;
    for (int32_t i = proximabatida(u, 1); i != 0; i = proximabatida(u, i + 1)) {
        const Unidade& o = unidades[i];
        bateu = true;
        a.x -= dx;
        a.y -= dy;
        if (i != a.alvo) desvia(a);
        parainimigo(a, false);
        if (i == a.alvo) {
            paraunidade(a);
            if (o.hp == o.hpmax && o.construcao == o.construcaomax) a.alvo = 0;
        }
        paraperto(a);
    }
    if (!bateu) return;  // it stands where every box was just found clear
    for (int32_t i = proximabatida(u, 1); i != 0; i = proximabatida(u, i + 1)) {
        const Unidade& o = unidades[i];
        a.y = o.y + o.tamanhoy + a.tamanhoy;
    }
}

// 4a. a hidden trap goes off
void armadilha(Unidade& a, Objeto& o) {
    som = 39;
    tremor = 30;
    for (int32_t k = 0; k < 40; k++) {
        int32_t t = 1 + Random(2);
        double ex = o.x - 50 + Random(100);
        double ey = o.y - 50 + Random(100);
        criaefeito(t, 0, ex, ey, Random(20));
    }
    a.hp -= 250;
    if (a.hp < 0) a.hp = 0;
    a.queimando = 50;
    o.tipo = 0;
}

// 4a. one object against the unit where it stands now
void colideobjeto(Unidade& a, Objeto& o, double dx, double dy) {
    if (o.tipo == 0 || !sobrepoe(a.x, a.y, a.tamanhox, a.tamanhoy, o.x, o.y, o.tamanhox, o.tamanhoy)) return;
    if (o.tipo == 21) {
        armadilha(a, o);
    } else if (o.solido) {
        a.x -= dx;
        a.y -= dy;
        desvia(a);
        paraperto(a);
        parainimigo(a, true);
    }
}

// 4. map objects in slot order: traps go off, solid ones block. Only the objects near the unit can
// touch it; should the bumps push it farther than the margin looked at, the rest of the table is
// gone through as well, so the outcome is the same as going through every slot.
void colideobjetos(int32_t u, double dx, double dy) {
    static std::vector<int32_t> perto;
    Unidade& a = unidades[u];
    constexpr double MARGEM = 24;
    const double qx = a.x, qy = a.y;
    const double rx = a.tamanhox + MEIAMAIOROBJETO + MARGEM, ry = a.tamanhoy + MEIAMAIOROBJETO + MARGEM;
    objetosnaarea(qx - rx, qy - ry, qx + rx, qy + ry, perto);
    int32_t feito = 0;  // every slot up to this one has been gone through
    for (int32_t k : perto) {
        if (std::fabs(a.x - qx) > MARGEM || std::fabs(a.y - qy) > MARGEM) break;
        colideobjeto(a, objetos[k], dx, dy);
        feito = k;
    }
    if (std::fabs(a.x - qx) > MARGEM || std::fabs(a.y - qy) > MARGEM)
        for (int32_t k = feito + 1; k <= MAXOBJETOS; k++) colideobjeto(a, objetos[k], dx, dy);
}

}  // namespace

void moverunidade(int32_t u, double dx, double dy) {
    Unidade& a = unidades[u];
    // 1. the step, inside the map
    a.x += dx;
    a.y += dy;
    if (a.x < 10) a.x = 10;
    if (a.y < -20) a.y = -20;
    if (a.x > mapalargura * 50 - 40) a.x = mapalargura * 50 - 40;
    if (a.y > mapaaltura * 50 - 60) a.y = mapaaltura * 50 - 60;
    colideunidades(u, dx, dy);
    colideobjetos(u, dx, dy);
    anotaposicao(u);
}
