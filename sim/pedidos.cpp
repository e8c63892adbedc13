// Steps 3 to 5 of the gameplay tick: the requests the simulation and the handlers left behind.
// A request made while the game is frozen or its kind is switched off waits for a tick that can play it.
#include "sim/jogo.h"

#include "world/estado.h"
#include "world/unidades.h"

#if __has_include("assets/sons.h")
#include "assets/sons.h"
#else
// Until the sound routines arrive: the same rules, written here.
#include "assets/listas.h"
#include "media/media.h"
static bool servevoz() {
    if (!vozesligadas || voz == 0 || pausa || voz >= DXWaveListSnd.Count()) return false;
    PlayWave(DXWaveListSnd, voz);
    voz = 0;
    return true;
}
static void serveefeito() {
    if (!efeitosligados || som == 0 || pausa || som >= DXWaveListSnd.Count()) return;
    PlayWave(DXWaveListSnd, som);
    som = 0;
}
static void servemusica() {
    if (musicaligada && musicainiciar && DXWaveListMusica.Count() > 0) {
        SetWaveLooped(DXWaveListMusica, 0, true);
        PlayWave(DXWaveListMusica, 0);
        musicainiciar = false;
    }
    if (!musicaligada && DXWaveListMusica.Count() > 0) StopWave(DXWaveListMusica, 0);
}
#endif

void servepedidos() {
    // 3. a voice that sounds gives the selected unit its cool-down
    if (servevoz()) unidades[select_].falatempo = 60;
    // 4. the sound effect
    serveefeito();
    // 5. the music
    servemusica();
}
