// The side panel of the selected unit, lower half: hit and magic points, and for an idle complete
// unit its attack, armour, food, research badge, attributes and status marks.
#include <string>

#include "assets/listas.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

constexpr Cor AMARELO{255, 255, 0}, VERDEBONUS{50, 255, 50};

// attack icon of DXImageListIcones by `iconeataque`; -1 = no icon
constexpr int32_t ICONEATAQUE[7] = {
    -1,  // 0 none
    24,  // 1 spear
    27,  // 2 axe
    29,  // 3 staff
    31,  // 4 witch's claws
    33,  // 5 Seu Vorlando's staff
    35,  // 6 sword
};
static_assert(sizeof(ICONEATAQUE) / sizeof(ICONEATAQUE[0]) == 7);

// armour icon of DXImageListIcones by `iconedefesa`; -1 = no icon
constexpr int32_t ICONEDEFESA[8] = {
    -1,  // 0 none
    25,  // 1 structures' armour
    28,  // 2 Durbico's cap
    30,  // 3 Fidelina's dress
    32,  // 4 witch's dress
    34,  // 5 Seu Vorlando's hat
    36,  // 6 bone
    37,  // 7 Satanas' armour
};
static_assert(sizeof(ICONEDEFESA) / sizeof(ICONEDEFESA[0]) == 8);

void icone(const int32_t* tabela, int32_t n, int32_t k, int32_t x, int32_t y) {
    if (k < n && tabela[k] >= 0) DrawItem(DXImageListIcones, tabela[k], x, y);
}

// A label, its value at yv below it, and a bonus beside the value when there is one.
void leitura(int32_t x, int32_t y, int32_t yv, const char* rotulo, int32_t valor, int32_t bonus, int32_t xbonus) {
    escrevetexto(x, y, rotulo, "-", 7, AMARELO);
    escrevetexto(x, yv, std::to_string(valor), "-", 8, BRANCO);
    if (bonus != 0) escrevetexto(xbonus, yv, "+" + std::to_string(bonus), "-", 8, VERDEBONUS);
}

// 10. and 11. hit points, green to red, blinking black at a third or less once complete; magic points
void pontos(const Unidade& a) {
    if (a.hpmax > 0) {
        int32_t d = arredonda(a.hp / a.hpmax * 60);
        Cor cor{uint8_t(255 - 4 * d), uint8_t(4 * d), 0};  // channels wrap modulo 256
        if (ciclotela % 2 == 0 && a.hp <= a.hpmax / 3 && a.construcao == a.construcaomax) cor = PRETO;
        escrevetexto(260, 554, std::to_string(arredonda(a.hp)) + "/" + std::to_string(arredonda(a.hpmax)), "c", 11, cor);
    }
    if (a.mpmax > 0)
        escrevetexto(260, 573, std::to_string(arredonda(a.mp)) + "/" + std::to_string(arredonda(a.mpmax)), "c", 11,
                     Cor{200, 200, 255});
}

// attack, armour and food supplied
void combate(const Unidade& a) {
    if (a.danomin > 0 && a.danomax > 0 && !a.bau) {
        icone(ICONEATAQUE, 7, a.iconeataque, 325, 510);
        escrevetexto(360, 510, "DANO", "-", 7, AMARELO);
        escrevetexto(360, 520, std::to_string(a.danomin) + "-" + std::to_string(a.danomax), "-", 8, BRANCO);
        if (a.danobonus != 0) escrevetexto(403, 520, "+" + std::to_string(a.danobonus), "-", 8, VERDEBONUS);
    }
    if (a.armadura != 0 && !a.bau) {
        icone(ICONEDEFESA, 8, a.iconedefesa, 325, 540);
        leitura(360, 540, 550, "ARMADURA", a.armadura, a.armadurabonus, 375);
    }
    if (a.fornececomida != 0) {
        DrawItem(DXImageListIcones, 26, 425, 540);
        leitura(460, 540, 550, "COMIDA", a.fornececomida, 0, 0);
    }
}

// the badge of a finished research, on the unit it improved
void pesquisafeita(const Unidade& a) {
    if (a.tipo == 7 && pesquisa5 == 2) DrawItem(DXImageListBotoes, 5, 435, 520);
    if (a.tipo == 8 && pesquisa6 == 2) DrawItem(DXImageListBotoes, 6, 435, 520);
    if (a.tipo == 10 && pesquisa7 == 2) DrawItem(DXImageListBotoes, 7, 435, 520);
}

// A status timer line under its mark: green, red below the threshold, and then blinking black.
void linhatempo(int32_t x, int32_t resto, int32_t divisor, int32_t limite) {
    Cor cor = VERDEBONUS;
    if (resto < limite) cor = ciclotela % 2 == 0 ? PRETO : Cor{255, 0, 0};
    pintaretangulo(x, 595, x + arredonda(double(resto) / divisor), 596, cor);
}

// the marks of what acts on a living unit, right to left
void estados(const Unidade& a) {
    if (a.invisivel != 0) {
        DrawItem(DXImageListStatus, 0, 480, 575);
        linhatempo(480, a.invisivel, 130, 800);
    }
    if (a.esfera != 0) {
        DrawItem(DXImageListStatus, 1, 460, 575);
        linhatempo(460, a.esfera, 90, 500);
    }
    if (a.auraprotetora != 0) DrawItem(DXImageListStatus, 2, 440, 575);
    if (a.auraguerreira != 0) DrawItem(DXImageListStatus, 3, 420, 575);
    if (a.paralisado != 0) DrawItem(DXImageListStatus, 4, 400, 575);
    if (a.envenenado != 0) DrawItem(DXImageListStatus, 5, 380, 575);
    if (a.imunidade != 0) DrawItem(DXImageListStatus, 6, 360, 575);
}

}  // namespace

void desenhaleituras(const Unidade& a) {
    pontos(a);
    // 12. only a complete unit that is not training
    if (a.construcao != a.construcaomax || a.upgradeprg != a.upgradeprgmax) return;
    combate(a);
    pesquisafeita(a);
    if (a.heroi) {
        leitura(430, 510, 518, "FORÇA", a.forca, a.forcabonus, 455);
        leitura(430, 530, 538, "AGILIDADE", a.agilidade, a.agilidadebonus, 455);
        leitura(430, 550, 558, "INTELIGÊNCIA", a.inteligencia, a.inteligenciabonus, 455);
    }
    if (a.organico) estados(a);
}
