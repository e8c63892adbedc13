// Drawing the control list: command buttons with their tooltip, menu entries, check boxes and the
// speed slider, in record order.
#include <algorithm>

#include "assets/listas.h"
#include "input/mouse.h"
#include "render/botoes.h"
#include "render/texto.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

constexpr Cor BRANCO_{255, 255, 255};
constexpr Cor CINZA{180, 180, 180};      // tooltip of a button the unit cannot pay in MP
constexpr Cor LILAS{200, 200, 255};      // caption under the pointer
constexpr Cor AZULCLARO{180, 180, 255};  // the tooltip's highlighted last line
constexpr Cor AMARELOAUTOMATICO{255, 255, 0};      // frame of a control whose automatic mode is on

// Size of a control by its style: button, menu entry, check box, slider.
void medebotao(Botao& r) {
    static const int32_t largura[5] = {0, 40, 160, 21, 110}, altura[5] = {0, 40, 33, 21, 10};
    if (r.estilo < 1 || r.estilo > 4) return;
    r.largurabotao = largura[r.estilo];
    r.alturabotao = altura[r.estilo];
}

// The tooltip box of a command button, over the right of the panel.
void dica(const Botao& r, Cor t) {
    DrawItem(DXImageListIcones, 23, 570, 368);
    escrevetexto(575, 370, r.legenda, "", 10, t, r.atalho);
    if (r.precodinheiro > 0) {
        DrawItem(DXImageListIcones, 19, 575, 384);
        escrevetexto(595, 385, std::to_string(r.precodinheiro), "", 10, BRANCO_);
    }
    if (r.precocomida > 0) {
        DrawItem(DXImageListIcones, 20, 635, 384);
        escrevetexto(655, 385, std::to_string(r.precocomida), "", 10, BRANCO_);
    }
    if (r.precomp > 0) {
        DrawItem(DXImageListIcones, 21, 575, 384);
        escrevetexto(595, 385, std::to_string(r.precomp), "", 10, t);
    }
    escrevetexto(575, 408, r.linha1, "", 10, t);
    escrevetexto(575, 420, r.linha2, "", 10, t);
    escrevetexto(575, 432, r.linha3, "", 10, t);
    escrevetexto(575, 438, r.linha4, "", 10, AZULCLARO);
}

// Style 1: picture, number, unaffordable look, blinking frame, tooltip.
void desenhacomando(Botao& r, bool sobre) {
    const Unidade& s = unidades[select_];  // slot 0 is an empty record: no unit selected
    const bool semmp = r.precomp > s.mp;
    DrawItem(DXImageListBotoes, r.imagem, r.posx, r.posy);
    if (r.numero > 0) escrevetexto(r.posx + 34, r.posy + 24, std::to_string(r.numero), "c", 8, BRANCO_);
    if (semmp) DrawItem(DXImageListIcones, 3, r.posx, r.posy);
    // a worker repairing or a healer healing by herself shows it on her button
    if ((s.consertoautomatico && r.comando == 11) || (s.curaautomatica && r.comando == 14)) r.destaque = 1;
    if (r.destaque == 1 && ciclotela < 25) desenharetangulo(r.posx - 2, r.posy - 2, r.posx + 43, r.posy + 42, AMARELOAUTOMATICO);
    if (sobre) dica(r, semmp ? CINZA : BRANCO_);
}

// Style 2: a menu entry with its caption, and the selection bar under the pointer.
void desenhaentrada(const Botao& r, bool sobre) {
    DrawItem(DXImageListIcones, 5, r.posx, r.posy);
    escrevetexto(r.posx + 80, r.posy + 10, r.legenda, "c", 10, BRANCO_, r.atalho);
    if (!sobre) return;
    DrawItem(DXImageListIcones, 39, r.posx + 10, r.posy + 7);
    escrevetexto(r.posx + 80, r.posy + 10, r.legenda, "c", 10, LILAS, r.atalho);
}

// Style 3: a check box showing its switch.
void desenhacaixa(const Botao& r, bool sobre) {
    DrawItem(DXImageListIcones, r.marcado == 1 ? 6 : 7, r.posx, r.posy);
    escrevetexto(r.posx + 30, r.posy, r.legenda, "", 10, BRANCO_, r.atalho);
    if (sobre) escrevetexto(r.posx + 30, r.posy, r.legenda, "", 10, LILAS, r.atalho);
}

// Style 4: the speed slider; a longer timer interval puts the knob further left. The knob stays
// on the bar: near the fastest speeds it rests against the bar's right end.
void desenhadeslizante(const Botao& r, bool sobre) {
    escrevetexto(r.posx + 55, r.posy - 20, "VELOCIDADE DO JOGO", "c", 10, BRANCO_);
    DrawItem(DXImageListIcones, 17, r.posx, r.posy);
    const int32_t indicador = ItemWidth(DXImageListIcones, 18);
    DrawItem(DXImageListIcones, 18, std::min(r.posx + 110 - velocidadejogo, r.posx + 110 - indicador), r.posy - 1);
    if (sobre) escrevetexto(r.posx + 55, r.posy - 20, "VELOCIDADE DO JOGO", "c", 10, LILAS);
}

}  // namespace

bool apontabotao(int32_t b) {
    const Botao& r = botoes[b];
    return r.posx <= mousex && mousex <= r.posx + r.largurabotao && r.posy <= mousey &&
           mousey <= r.posy + r.alturabotao;
}

void desenhabotoes() {
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        Botao& r = botoes[b];
        if (r.comando == 0) continue;
        medebotao(r);
        const bool sobre = apontabotao(b);
        switch (r.estilo) {
            case 1: desenhacomando(r, sobre); break;
            case 2: desenhaentrada(r, sobre); break;
            case 3: desenhacaixa(r, sobre); break;
            case 4: desenhadeslizante(r, sobre); break;
            default: break;  // a number without a row is not drawn
        }
    }
}
