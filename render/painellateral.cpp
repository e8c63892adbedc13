// The side panel of the selected unit, upper half: progress bars, name, chest content, level,
// experience or summoned life, and the animated portrait.
#include <cstdio>
#include <string>

#include "assets/listas.h"
#include "input/mouse.h"
#include "render/interface.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {

constexpr Cor AMARELOESCURO{150, 150, 0}, BARRA{200, 200, 80};

// A progress bar of 120 pixels with its frame and percentage below it, at the frame's top y.
void barraprogresso(int32_t y, double feito, double total) {
    double f = total > 0 ? feito / total : 0;
    desenharetangulo(348, y, 472, y + 8, AMARELOESCURO);
    pintaretangulo(350, y + 2, 350 + arredonda(f * 120), y + 6, BARRA);
    escrevetexto(348, y + 6, std::to_string(arredonda(f * 100)) + " %", "-", 8, BRANCO);
}

// 1. and 2. a structure being built, or a unit being trained or researched
void progresso(const Unidade& a) {
    if (a.construcao < a.construcaomax) {
        escrevetexto(410, 515, "CONSTRUINDO", "c", 8, BRANCO);
        barraprogresso(538, a.construcao, a.construcaomax);
    }
    if (a.upgradeprg < a.upgradeprgmax) {
        DrawItem(DXImageListBotoes, a.upgradenum, 348, 510);
        if (mousex >= 348 && mousex <= 389 && mousey >= 510 && mousey <= 551 && !pausa)
            escrevetexto(330, 580, "CANCELAR (ESC)", "-", 8, Cor{255, 100, 100});
        escrevetexto(390, 535, a.upgradenum == 4 ? "FORTALECENDO" : "TREINANDO", "-", 8, BRANCO);
        barraprogresso(556, a.upgradeprg, a.upgradeprgmax);
    }
}

// 3. the name turns red, slowly blinking, at a third of its hit points or less
void nome(const Unidade& a) {
    bool fraco = a.hpmax > 0 && a.hp <= a.hpmax / 3 && a.construcao == a.construcaomax && piscalento();
    escrevetexto(410, 478, a.nome.str(), "c", 10, fraco ? Cor{255, 0, 0} : BRANCO);
}

// 4. what a chest holds
void conteudobau(const Unidade& a) {
    if (a.item > MAXITENS) return;
    const Item& it = itenstabela[a.item];
    for (int32_t i = 0; i < 3; i++) escrevetexto(410, 500 + 10 * i, it.descricao[i].str(), "c", 8, Cor{255, 255, 100});
    DrawItem(DXImageListItens, it.figura, 330, 540);
}

// Five digits, zero-padded: experience 42 of 150 reads 00042/00150.
std::string cincodigitos(uint16_t v) {
    char b[8];
    std::snprintf(b, sizeof b, "%05u", unsigned(v));
    return b;
}

// A bar of 166 pixels in the band (325,493)-(495,507): light, lighter line, base colour.
void barralarga(double f, Cor claro, Cor linha, Cor base) {
    desenharetangulo(325, 493, 495, 507, Cor{255, 255, 180});
    int32_t w = arredonda(f * 166);
    pintaretangulo(327, 495, 327 + w, 500, claro);
    pintaretangulo(327, 497, 327 + w, 498, linha);
    pintaretangulo(327, 500, 327 + w, 505, base);
}

// 6. the hero's experience, pulsing with the cycle counter, and its tooltip
void experiencia(const Unidade& a) {
    int32_t k = ciclotela;
    auto b = [k](int32_t d) { return Cor{uint8_t(100 + k + d), uint8_t(20 + k + d), uint8_t(100 + k + d)}; };
    double f = a.experienciaprox > 0 ? double(a.experiencia) / a.experienciaprox : 0;
    barralarga(f, b(30), b(50), b(0));  // the base colour B, B + 30 and B + 50 per channel
    escrevetexto(410, 493, "NÍVEL " + std::to_string(a.nivel), "c", 7, BRANCO);
    if (mousex >= 325 && mousex <= 495 && mousey >= 495 && mousey <= 508 && !pausa) {
        pintaretangulo(500, 440, 597, 457, PRETO);
        desenharetangulo(500, 440, 597, 457, BRANCO);
        std::string t = "Exp " + cincodigitos(a.experiencia) + "/" + cincodigitos(a.experienciaprox);
        escrevetexto(503, 440, t, "-", 8, Cor{180, 180, 255});
    }
}

// 7. the life left of a summoned unit
void tempodevida(const Unidade& a) {
    double f = double(a.tempovida) / a.tempovidamax;
    barralarga(f, Cor{70, 70, 150}, Cor{90, 90, 170}, Cor{40, 40, 120});
    Cor cor = a.tempovida <= a.tempovidamax * 0.25 ? Cor{255, 80, 80} : Cor{180, 180, 255};
    escrevetexto(410, 492, std::to_string(arredonda(f * 100)) + " %", "c", 8, cor);
}

// 8. and 9. the portrait alternates between its two pictures; it flickers while invisible
void retrato(Unidade& a) {
    if (!pausa) a.retratotempo++;
    if (a.retratotempo > a.retratoa) a.retratotempo = 0;
    if (a.invisivel != 0 && ciclotela % 2 != 0) return;
    DrawItem(DXImageListRetrato, a.retratotempo < a.retratob ? a.retrato : a.retrato2, 225, 485);
    if (a.grupo != 0 && piscalento()) escrevetexto(230, 482, std::to_string(a.grupo), "c", 12, Cor{255, 0, 0});
}

}  // namespace

void desenhapainel(int32_t u) {
    Unidade& a = unidades[u];
    progresso(a);
    nome(a);
    if (a.bau) conteudobau(a);
    if (a.inimigo) escrevetexto(410, 493, "NÍVEL " + std::to_string(a.nivel), "c", 7, BRANCO);  // 5.
    if (a.heroi) experiencia(a);
    if (a.tempovidamax != 0) tempodevida(a);
    retrato(a);
    desenhaleituras(a);  // 10. to 12.
}
