// A close request from outside the game (the window's frame, Alt+F4, the task bar): during play it
// asks first, with the menu's own quit question.
#include "input/comandos.h"
#include "input/mouse.h"
#include "media/media.h"
#include "world/estado.h"
#include "world/unidades.h"

void pedidodefechar() {
    if (tela != 5 || menu == 4) {
        QuitLoop();  // nothing to lose, or asked twice: the window goes now
        return;
    }
    // a command waiting for the map goes, with its price back
    if (mousenum != 0) {
        if (select_ != 0 && unidades[select_].tipo != 0) unidades[select_].servico = 0;
        mousenum = 0;
        dinheiro += custopendente;
        custopendente = 0;
    }
    menu = 4;
}
