// Steps 3 to 5 of the gameplay tick: the requests the simulation and the handlers left behind.
// A request made while the game is frozen or its kind is switched off waits for a tick that can play it.
#include "sim/jogo.h"

#include "assets/sons.h"
#include "world/estado.h"
#include "world/unidades.h"

void servepedidos() {
    // 3. a voice that sounds gives the selected unit its cool-down
    if (servevoz()) unidades[select_].falatempo = 60;
    // 4. the sound effect
    serveefeito();
    // 5. the music
    servemusica();
}
