// The control list: emptied every frame, then filled by whatever screen is showing, each control
// taking its caption, hot key, picture, prices and tooltip from the command table.
#include "render/botoes.h"

#include "media/media.h"
#include "render/tabelacomandos.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

Botao botoes[MAXBOTOES + 1];

void limpabotoes() {
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        botoes[b].comando = 0;
        botoes[b].legenda.clear();
        botoes[b].atalho = 0;
    }
}

namespace {

// The parts of a control that depend on the game: technique levels, the refreshments' lines,
// the switches behind the check boxes and the cheat items left.
void completabotao(Botao& r) {
    const Unidade& s = unidades[select_];  // slot 0 is an empty record: no unit selected
    const uint8_t c = r.comando;
    if (c >= BASTAODEFOGO && c <= CHIMPANZE) {
        // the techniques in use show their current level and cost MP by it
        const int32_t nivel = s.tecnicas[c - BASTAODEFOGO];
        r.precomp = precotecnica(c, nivel);
        r.linha4 = linhanivel(c - BASTAODEFOGO, nivel);
    }
    if (c == ACRESCENTARTECNICAS) r.numero = s.pontostecnica;
    if (c >= APRENDEBASTAO && c <= APRENDECHIMPANZE) {
        // the learn buttons show the level the technique would reach
        const int32_t nivel = s.tecnicas[c - APRENDEBASTAO] + 1;
        r.numero = uint8_t(nivel);
        r.linha4 = linhanivel(c - APRENDEBASTAO, nivel);
    }
    if (c >= REFRESCOLIMAOP && c <= REFRESCOTAMARINDOG) {
        // the shop's drinks are items 25..30 of the catalogue
        const Item& it = itenstabela[25 + (c - REFRESCOLIMAOP)];
        r.linha1 = it.descricao[0].str();
        r.linha2 = it.descricao[1].str();
    }
    if (c == MUSICA) r.marcado = musicaligada ? 1 : 0;
    if (c == EFEITOSSONOROS) r.marcado = efeitosligados ? 1 : 0;
    if (c == VOZES) r.marcado = vozesligadas ? 1 : 0;
    if (c == SUPERVISAO) r.marcado = vertudo ? 1 : 0;
    if (c == GANHARITEM) r.legenda = Utf8Prefix(r.legenda + std::to_string(itenscheat), 40);
}

}  // namespace

void criabotao(int32_t comando, int32_t x, int32_t y) {
    // 1. the first free record; none left means the control is dropped
    int32_t b = 1;
    while (b <= MAXBOTOES && botoes[b].comando != 0) b++;
    if (b > MAXBOTOES) return;
    // 2. the command and its place, everything else cleared
    Botao& r = botoes[b];
    r.comando = uint8_t(comando);
    r.posx = x;
    r.posy = y;
    r.precodinheiro = r.precocomida = r.precomp = 0;
    r.numero = r.estilo = r.imagem = r.automatico = r.destaque = r.teclaesc = 0;
    r.linha1.clear();
    r.linha2.clear();
    r.linha3.clear();
    r.linha4.clear();
    // 3. the row of the command table; a number without a row stays an empty, undrawn control
    if (comando < 1 || comando > MAXCOMANDOS) return;
    const ComandoTabela& t = tabelacomandos[comando];
    r.legenda = t.legenda;
    r.estilo = t.estilo;
    r.atalho = t.atalho;
    r.imagem = t.imagem;
    r.precodinheiro = t.dinheiro;
    r.precocomida = t.comida;
    r.precomp = t.mp;
    r.automatico = t.automatico;
    r.teclaesc = t.teclaesc;
    r.linha1 = t.linha1;
    r.linha2 = t.linha2;
    r.linha3 = t.linha3;
    r.linha4 = t.linha4;
    completabotao(r);
}
