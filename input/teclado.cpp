// Key presses. The tests run one after another; one key can trigger several of them.
#include "input/teclado.h"

#include "input/comandos.h"
#include "input/jogosalvo.h"
#include "input/mouse.h"
#include "media/media.h"
#include "render/botoes.h"
#include "world/estado.h"
#include "world/unidades.h"

int32_t codigoletra(const std::string& legenda, int32_t p) {
    const std::string c = Utf8Char(legenda, p);
    if (c.empty()) return -1;
    const auto b = [&](size_t k) { return int32_t(static_cast<unsigned char>(c[k])); };
    if (c.size() == 1) return b(0);
    if (c.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);  // accented capitals
    return -1;
}

namespace {

// 9-11, 15. Esc cancels production, a pending command, the controls it belongs to, a menu page.
void esc() {
    if (select_ != 0 && menu == 0) cancelaupgrade(select_);
    if (select_ != 0 && mousenum != 0 && !pausa) {
        unidades[select_].servico = 0;
        mousenum = 0;
        dinheiro += custopendente;
        custopendente = 0;
    }
    for (int32_t b = 1; b <= MAXBOTOES; b++)
        if (botoes[b].comando != 0 && botoes[b].teclaesc == 1) executacomando(b);
    // one page back per press: the tests run in this order
    if (menu == 1) menu = 0;
    if (menu == 2) menu = 1;
    if (menu == 3) menu = 1;
    if (menu == 4) menu = 1;
    if (menu == 5) menu = 0;
}

// 17. Every control whose hot-key letter is this key.
void atalhos(int32_t key) {
    for (int32_t b = 1; b <= MAXBOTOES; b++) {
        const Botao& r = botoes[b];
        if (r.comando != 0 && r.atalho != 0 && codigoletra(r.legenda, r.atalho) == key) executacomando(b);
    }
}

}  // namespace

void FormKeyDown(int32_t key) {
    // 1. Esc on the last ending scene ends the game
    if (key == VK_ESCAPE && cenafinal == 6 && ciclotela >= 200) sair = true;
    // 2. Enter switches between window and full screen
    if (key == VK_RETURN) {
        telacheia = !telacheia;
        SetFullScreen(telacheia);
    }
    // 3, 4. digits: Shift (or Ctrl, as other games have it) stores the group first, then the group
    // is recalled
    if (key >= '1' && key <= '9' && principalpodeagrupar()) {
        if ((KeyHeld(VK_SHIFT) || KeyHeld(VK_CONTROL)) && !pausa) guardagrupo(uint8_t(key - '0'));
        chamagrupo(uint8_t(key - '0'));
    }
    // 5. Z leaves the trivia page for the main menu once it has been read a while
    if (key == 'Z' && tela == 2 && ciclotela > 49) {
        tela = 3;
        ciclotela = 0;
    }
    // 6. Z is the only way out of the error screen
    if (key == 'Z' && tela == 10) sair = true;
    // 7, 8. minus slows the game down (a longer tick), plus speeds it up
    if (key == VK_OEM_MINUS && velocidadejogo < 100) velocidadejogo += 1;
    if (key == VK_OEM_PLUS && velocidadejogo > 0) velocidadejogo -= 1;
    // 9-11, 15. Esc
    if (key == VK_ESCAPE) esc();
    // 12-14. F1 the hero, F2 the options menu, F3 the cheat page
    if (key == VK_F1 && menu == 0 && mousenum == 0) selecionaheroi();
    if (key == VK_F1 + 1 && menu == 0 && mousenum == 0 && menupermitido()) {
        menu = 1;
        existesave = FileExists(ARQUIVOSAVE, Pasta::jogador);
    }
    if (key == VK_F1 + 2 && menu == 0 && mousenum == 0 && arquivoanselva && menupermitido() && !derrotado) menu = 5;
    // 16. Alt shows every unit's bars, when no menu page is open
    if (key == VK_MENU && menu == 0) mostrahptodos = !mostrahptodos;
    // 17. hot keys
    atalhos(key);
    // 18. Pause freezes the game in play and lets it go again; not over a menu page or a defeat
    if (key == VK_PAUSE && tela == 5 && menu == 0 && !derrotado) pausajogador = !pausajogador;
}
