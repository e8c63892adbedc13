// Training and research in a structure: progress by `ritmotrabalho` per tick; a finished training
// places the unit beside the structure, a finished research strengthens the units it concerns.
#include <algorithm>

#include "sim/regras.h"
#include "sim/sim.h"
#include "world/criaunidade.h"

namespace {

// 1..3: a worker, Fidelina or the witch, on the side of the rally point, walking to it.
void treinado(const Unidade& s) {
    static const int32_t TIPOS[4] = {0, 6, 7, 8};
    int32_t x = arredonda(s.x);
    int32_t y = arredonda(s.agrupamentoy > s.y ? s.y + 40 : s.y - 40);
    criaunidade(TIPOS[s.upgradenum], x, y, 0, s.agrupamentox, s.agrupamentoy, 0, 0);
}

// 4: every structure, portal and tower on the map, of either side, a quarter stronger.
void fortaleceestruturas() {
    pesquisa4 = 2;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& o = unidades[i];
        if (o.tipo == 0 || o.organico || o.bau) continue;
        int32_t m = arredonda(o.hpmax * 0.25);
        o.hp += m;
        o.hpmax += m;
        o.armadura = 5;
        if (o.hp > o.hpmax) o.hp = o.hpmax;
    }
}

// 5, 6: every Fidelina or every witch grows stronger and wiser.
void fortalecemagos(uint16_t tipo, uint16_t forca, uint16_t inteligencia) {
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& o = unidades[i];
        if (o.tipo != tipo) continue;
        o.forca = forca;
        o.inteligencia = inteligencia;
        calculaatributos(i);
        o.hp += 75;
        o.mp += 60;
        if (o.hp > o.hpmax) o.hp = o.hpmax;
    }
}

// 7: every skeleton grows stronger and lives longer.
void fortaleceesqueletos() {
    pesquisa7 = 2;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& o = unidades[i];
        if (o.tipo != 10) continue;
        o.forca = 12;
        o.agilidade = 12;
        o.tempovidamax = 2200;
        o.tempovida = uint16_t(std::min<int32_t>(o.tempovida + 700, 65535));
        calculaatributos(i);
        if (o.tipo == 0) continue;  // a life that ran out in the update leaves the slot free
        o.hp += 75;
        if (o.hp > o.hpmax) o.hp = o.hpmax;
        if (o.tempovida > o.tempovidamax) o.tempovida = o.tempovidamax;
    }
}

}  // namespace

void progressotreino(int32_t u) {
    Unidade& s = unidades[u];
    if (s.upgradeprgmax == 0 || s.construcaomax == 0 || pausa) return;
    s.upgradeprg = uint16_t(std::min<int32_t>(s.upgradeprg + ritmotrabalho, 65535));
    if (s.upgradeprg < s.upgradeprgmax) return;
    switch (s.upgradenum) {
    case 1: case 2: case 3: treinado(s); break;
    case 4: fortaleceestruturas(); break;
    case 5: pesquisa5 = 2; fortalecemagos(7, 11, 16); break;
    case 6: pesquisa6 = 2; fortalecemagos(8, 14, 18); break;
    case 7: fortaleceesqueletos(); break;
    default: break;
    }
    s.upgradenum = s.upgradeprg = s.upgradeprgmax = s.upgradecusto = s.upgradecomida = 0;
}
