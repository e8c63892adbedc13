// The mission inside the checking tool: set up as the briefing sets it up, advanced by the world's
// part of the gameplay tick, ordered through the game's own mouse and keyboard handlers.
#include "mapas/verificador/verificador.h"

#include <cmath>

#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "sim/jogo.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

void montamissao(int n, uint64_t semente) {
    static bool aberto = false;
    if (!aberto) {
        OpenHeadless();
        aberto = true;
    }
    RandSeed(semente);
    zeraestado();
    criaitens();
    ritmotrabalho = 1;
    velocidaderolagem = 20;
    novoheroisalvo();
    missao = uint8_t(n);
    preparamissao = true;
    criamapa(uint8_t(n));
    tela = 5;  // no music file here: the set-up ran all the same
    erro.clear();
    ciclotela = 0;
    FormKeyDown(VK_F1);  // the hero selected as a player selects him
    tiquemundo();
}

int32_t slotheroi() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].heroi) return u;
    return 0;
}

void tiquemundo() { simulamundo(); }

void cliquedireito(PontoMapa p) {
    // the point in the middle of the play field, where nothing of the interface lies
    camerax = p.x - 400;
    cameray = p.y - 230;
    DXDraw1MouseMove(400, 230);
    DXDraw1MouseDown(BOTAODIREITO, 400, 230);
    DXDraw1MouseUp(BOTAODIREITO, 400, 230);
}

double tempoemlinha(PontoMapa a, PontoMapa b, double velocidade) {
    return std::hypot(double(b.x - a.x), double(b.y - a.y)) / velocidade;
}
