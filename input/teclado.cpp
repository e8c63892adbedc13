// Key presses. The tests run one after another; one key can trigger several of them.
#include "input/teclado.h"

#include "media/media.h"
#include "world/estado.h"

void FormKeyDown(int32_t key) {
    // 1. Esc on the last ending scene ends the game
    if (key == VK_ESCAPE && cenafinal == 6 && ciclotela >= 200) sair = true;
    // 2. Enter switches between window and full screen
    if (key == VK_RETURN) {
        telacheia = !telacheia;
        SetFullScreen(telacheia);
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
    // 16. Alt shows every unit's bars, when no menu page is open
    if (key == VK_MENU && menu == 0) mostrahptodos = !mostrahptodos;
}
