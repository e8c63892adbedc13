// The small bars over one unit (hit points, magic points, life left of a summoned unit) and the
// floating caption of the hero and of chests; enemies and chests only within the player's sight.
#include <string>

#include "input/mouse.h"
#include "render/interface.h"
#include "render/mundo.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {

// A fill given in map terms: each corner rounded, then moved by the camera.
void faixa(double x1, double y1, double x2, double y2, Cor cor) {
    pintaretangulo(arredonda(x1) - camerax, arredonda(y1) - cameray, arredonda(x2) - camerax,
                   arredonda(y2) - cameray, cor);
}

// A text anchor given in map terms: the camera first, then the rounding.
void legenda(double x, double y, const std::string& texto, int32_t tamanho, Cor cor) {
    escrevetexto(arredonda(x - camerax), arredonda(y - cameray), texto, "c", tamanho, cor);
}

// 2. hit points: the part just lost flashes white; the bar blinks black at a third or less once complete
void barravida(const Unidade& a, bool par) {
    double x = a.x, y = a.y - a.altura;
    faixa(x - 32, y, x + 32, y + 10, PRETO);
    if (par) faixa(x - 30, y + 2, x - 30 + arredonda(a.hpexibido / a.hpmax * 60), y + 8, BRANCO);
    int32_t w = arredonda(a.hp / a.hpmax * 60);
    corcorrente = Cor{uint8_t(255 - 4 * w), uint8_t(4 * w), 0};  // channels wrap modulo 256
    if (par && a.hp <= a.hpmax / 3 && a.construcao == a.construcaomax) corcorrente = PRETO;
    faixa(x - 30, y + 2, x - 30 + w, y + 8, corcorrente);
}

// 3. magic points, for units with intelligence; with no maximum only the dark box is drawn
void barramagia(const Unidade& a) {
    double x = a.x, y = a.y - (a.altura - 10);
    faixa(x - 32, y, x + 32, y + 3, PRETO);
    if (a.mpmax == 0) return;
    faixa(x - 30, y + 1, x - 30 + arredonda(a.mpexibido / a.mpmax * 60), y + 2, Cor{255, 0, 0});
    faixa(x - 30, y + 1, x - 30 + arredonda(a.mp / a.mpmax * 60), y + 2, Cor{100, 100, 255});
}

// 4. life left of a summoned unit, blinking in its last quarter
void barratempovida(const Unidade& a, bool par) {
    double x = a.x, y = a.y - (a.altura - 10);
    faixa(x - 32, y, x + 32, y + 3, PRETO);
    int32_t l = arredonda(double(a.tempovida) / a.tempovidamax * 60);
    corcorrente = par && a.tempovida < a.tempovidamax * 0.25 ? PRETO : BRANCO;
    faixa(x - 30, y + 1, x - 30 + l, y + 2, corcorrente);
}

}  // namespace

void mostrahp(int32_t u) {
    const Unidade& a = unidades[u];
    // 1. enemies and chests only within an own unit's sight, everything with "SUPER VISÃO"
    if (!unidadevisivel(u)) return;
    bool par = ciclotela % 2 == 0;
    if (a.hpmax > 0) barravida(a, par);
    if (a.inteligencia > 0) barramagia(a);
    if (a.tempovidamax != 0) barratempovida(a, par);
    // 5. and 6. captions pulse slowly between white and light grey
    uint8_t g = uint8_t(255 - ciclotela);
    Cor cor{g, g, g};
    if (a.heroi) {
        legenda(a.x, a.y - (a.altura + 25), a.nome.str(), 10, cor);
        legenda(a.x, a.y - (a.altura + 25) + 10, "Nível " + std::to_string(a.nivel), 8, cor);
    }
    if (a.bau && a.item <= MAXITENS) legenda(a.x, a.y - (a.altura - 10), itenstabela[a.item].nome.str(), 10, cor);
}
