// Releasing a button ends a drag: the units in the box are selected, living and own units win,
// the main unit is chosen and it answers with its voice.
#include <utility>

#include "input/cliques.h"
#include "input/mouse.h"
#include "media/media.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

bool propria(const Unidade& a) { return a.tipo != 0 && !a.inimigo && !a.bau; }

// An own unit, or one that some own unit sees, or anything with the cheat on.
bool selecionavel(int32_t i) {
    const Unidade& a = unidades[i];
    if (propria(a) || vertudo) return true;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& o = unidades[u];
        if (propria(o) && distancia(o.x, o.y, a.x, a.y) < o.alcancevisao) return true;
    }
    return false;
}

// 2. Every unit whose box touches the drag box and that may be selected.
void selecionacaixa() {
    if (mousenum != 0 || !arrastando || pausa) return;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        Unidade& a = unidades[i];
        if (a.tipo == 0 || a.y >= cameray + 550) continue;
        if (a.x + a.tamanhox < caixax1 || a.x - a.tamanhox > caixax2) continue;
        if (a.y + a.tamanhoy < caixay1 || a.y - a.desenhoy > caixay2) continue;
        if (!selecionavel(i)) continue;
        if (selecaotipo != 0 && (a.tipo != selecaotipo || !propria(a))) continue;  // a double-click's kind only
        a.selecionado = true;
        a.falar = true;
        select_ = uint8_t(i);
    }
}

// 3-4. Living units push structures out of a selection; then, of what is left, own units push
// enemies out. The second rule looks at what the first one left: a box over an own tower and a
// monster keeps the monster.
bool algumselecionado(bool (*teste)(const Unidade&)) {
    for (int32_t i = 1; i <= MAXUNIDADES; i++)
        if (unidades[i].tipo != 0 && unidades[i].selecionado && teste(unidades[i])) return true;
    return false;
}
void descarta(bool (*teste)(const Unidade&)) {
    for (int32_t i = 1; i <= MAXUNIDADES; i++)
        if (unidades[i].tipo != 0 && teste(unidades[i])) unidades[i].selecionado = false;
}
bool organismo(const Unidade& a) { return a.organico; }
bool estrutura(const Unidade& a) { return !a.organico; }
bool aliado(const Unidade& a) { return !a.inimigo; }
bool inimigo(const Unidade& a) { return a.inimigo; }

void filtraselecao() {
    if (pausa) return;
    if (algumselecionado(organismo)) descarta(estrutura);
    if (algumselecionado(aliado)) descarta(inimigo);
}

// 5. The main unit: the one with most HP, living before structures, own before enemies.
void escolheprincipal() {
    if (mousenum != 0 || pausa) return;
    for (int32_t i = 1; i <= MAXUNIDADES; i++) {
        const Unidade& a = unidades[i];
        if (a.tipo == 0 || !a.selecionado) continue;
        const Unidade& s = unidades[select_];
        if (select_ == 0 || a.hpmax > s.hpmax || (a.organico && !s.organico) || (!a.inimigo && s.inimigo))
            select_ = uint8_t(i);
    }
}

// 7. The main unit answers: twice its greeting, then its weary line.
void vozdeselecao() {
    if (select_ == 0) return;
    Unidade& s = unidades[select_];
    if (!s.falar || s.falatempo != 0 || s.construcao != s.construcaomax) return;
    static const uint8_t primeira[6] = {5, 10, 16, 22, 30, 31};  // types 6..11: first of three
    static const uint8_t cansada[6] = {8, 13, 19, 25, 30, 31};   // types 6..11
    if (s.falacontagem < 2) {
        if (s.tipo >= 2 && s.tipo <= 5) voz = uint8_t(s.tipo - 1);
        if (s.tipo >= 6 && s.tipo <= 9) voz = uint8_t(primeira[s.tipo - 6] + Random(3));
        if (s.tipo == 10 || s.tipo == 11) voz = primeira[s.tipo - 6];
        s.falacontagem += 1;
    } else {
        if (s.tipo >= 6 && s.tipo <= 11) voz = cansada[s.tipo - 6];
        s.falacontagem = 0;
    }
    s.falar = false;
    s.falatempo = 60;
}

}  // namespace

void soltabotao() {
    // 1. buttons up; the box is kept with its smaller corner first
    botaoesquerdo = botaodireito = false;
    if (arrastando && mousenum == 0 && !pausa) {  // the release point is the box's last corner
        caixax2 = mundox();
        caixay2 = mundoy();
        if (selecaotipo != 0) caixadatela();       // a double-click: the box is the view
    }
    if (caixax1 > caixax2) std::swap(caixax1, caixax2);
    if (caixay1 > caixay2) std::swap(caixay1, caixay2);
    selecionacaixa();                              // 2.
    filtraselecao();                               // 3.-4.
    escolheprincipal();                            // 5.
    if (select_ != 0) unidades[select_].selecionado = true;  // 6. the old main unit stays
    arrastando = false;
    selecaotipo = 0;
    voz = 99;
    vozdeselecao();                                // 7.
}
