// The one routine behind every button: price check, payment, effect.
#include "input/comandos.h"

#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "world/estado.h"
#include "world/unidades.h"

void mostramensagem(const std::string& texto) {
    mensagem = texto;
    mensagemtempo = 200;
}

bool inventariocheio(int32_t u) {
    if (u < 1 || u > MAXUNIDADES) return true;
    for (uint8_t item : unidades[u].itens)
        if (item == 0) return false;
    return true;
}

namespace {

// The list of controls stands as registered until the next tick, so a second press in the same
// tick (a double press at the slowest speed) reaches a command the panel no longer offers: the
// building is already training or researching, or a command already waits on the pointer. It is
// not charged again.
bool jadado(uint8_t comando, int32_t c) {
    if (comando >= TREINARDURBICO && comando <= FORTALECERESQUELETOS) return unidades[c].upgradenum != 0;
    switch (comando) {
        case CRIARTORRE: case CRIARFAZENDA: case CRIARTIENDA: case CONSERTAR: case PONTOAGRUPAMENTO:
        case CURAR: case INVISIBILIDADE: case ESFERAPROTETORA: case BOLADEFOGO: case BASTAODEFOGO:
            return mousenum != 0;
        default: return false;
    }
}

}  // namespace

void executacomando(int32_t n) {
    if (n < 1 || n > MAXBOTOES || botoes[n].comando == 0) return;
    const Botao r = botoes[n];  // a copy: the effect may change the list's owner screen
    const int32_t c = select_;
    const double mp = unidades[c].mp;  // slot 0 is an empty record: no unit has no MP
    const int32_t livre = int32_t(comidamax) - int32_t(comidausada);
    if (jadado(r.comando, c)) return;
    // 1. every price that cannot be paid says so; the last message written stays
    if (r.precodinheiro > dinheiro) {
        mostramensagem("Não há dinheiro suficiente !");
        som = 29;
    }
    if (r.precocomida > 0 && livre < r.precocomida) mostramensagem("Construa mais fazendas !");
    if (c != 0 && r.precomp > mp) mostramensagem("Não há MP suficiente !");
    // 2. a refused command changes nothing else
    if ((r.precodinheiro != 0 && r.precodinheiro > dinheiro) || (r.precocomida != 0 && livre < r.precocomida) ||
        (r.precomp != 0 && r.precomp > mp))
        return;
    // 3. the money is taken
    dinheiro -= r.precodinheiro;
    // 4. the effect
    if (r.comando <= REFRESCOTAMARINDOG) comandounidade(r.comando, c, r.precodinheiro, r.precomp);
    else comandomenu(r.comando, c, r.posx, r.largurabotao);
    // 5. a building remembers what its training or research cost, for a refund on cancel; only the
    //    command that started it does, so a rally point set meanwhile does not wipe the refund
    if (c != 0 && unidades[c].upgradenum != 0 && menu == 0 && r.comando >= TREINARDURBICO &&
        r.comando <= FORTALECERESQUELETOS) {
        unidades[c].upgradecusto = r.precodinheiro;
        unidades[c].upgradecomida = r.precocomida;
    }
}
