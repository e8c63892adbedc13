// Shared set-up of the input tests: an empty world with the camera at (1000, 1000), no key held,
// and helpers that press a control or place a unit with a known box.
#pragma once
#include "input/cliques.h"
#include "input/comandos.h"
#include "input/mouse.h"
#include "input/teclado.h"
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "render_apoio.h"

namespace entradateste {
class Entrada : public jogoteste::Jogo {
protected:
    void SetUp() override {
        Jogo::SetUp();
        SetKeyHeld(VK_SHIFT, false);
        voz = 99;
        som = 0;
    }
    void TearDown() override {
        SetKeyHeld(VK_SHIFT, false);
        Jogo::TearDown();
    }
    // Registers command c as the only control and runs it as a click would.
    static void aperta(int32_t c, int32_t x = 100, int32_t y = 480) {
        limpabotoes();
        criabotao(c, x, y);
        desenhabotoes();
        executacomando(1);
    }
    // A unit of type t at map point (x, y), standing, with a 20 x 20 box and its figure 30 high.
    static int32_t poe(int32_t t, int32_t x, int32_t y) {
        int32_t u = poeunidade(t, x, y);
        Unidade& a = unidades[u];
        a.tamanhox = a.tamanhoy = 10;
        a.desenhoy = 30;
        a.posicao = 1;
        return u;
    }
    // Mouse events at a screen point.
    static void esquerdo(int32_t x, int32_t y) {
        DXDraw1MouseMove(x, y);
        DXDraw1MouseDown(BOTAOESQUERDO, x, y);
        DXDraw1MouseUp(BOTAOESQUERDO, x, y);
    }
    static void direito(int32_t x, int32_t y) {
        DXDraw1MouseMove(x, y);
        DXDraw1MouseDown(BOTAODIREITO, x, y);
        DXDraw1MouseUp(BOTAODIREITO, x, y);
    }
};
}  // namespace entradateste
