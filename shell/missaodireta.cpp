// Straight into a mission (--mission N), for testing and review: the asset folders are read as
// the loading screen reads them, a new game starts at mission N and tick 1 is its first gameplay
// tick, as if "CONTINUAR ..." had been pressed on the briefing.
#include "shell/missaodireta.h"

#include "assets/listas.h"
#include "input/mouse.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "world/estado.h"
#include "world/unidades.h"

#if __has_include("shell/carregamento.h") && __has_include("assets/imagens.h") && __has_include("assets/sons.h")
#include "assets/imagens.h"
#include "assets/sons.h"
#include "shell/carregamento.h"
#define TEMCARREGADORES 1
#endif

namespace {

#ifdef TEMCARREGADORES
// The folders in loading order: the list each fills (none for the sounds) and its loader.
struct Pasta {
    ImageList* lista;
    void (*carregar)(const std::string& nome);
};
const Pasta PASTAS[] = {
    {&DXImageListUnidade, carregarbmpunidade},   // Unidades
    {&DXImageListEfeitos, carregarbmpefeito},    // Efeitos
    {&DXImageListObjetos, carregarbmpobjeto},    // Objetos
    {&DXImageListCenario, carregarbmpcenario},   // Cenario
    {&DXImageListFinal, carregarbmpfinal},       // Final
    {&DXImageListAbertura, carregarbmpabertura}, // Abertura
    {nullptr, carregareftsonoro},                // Sons
};
static_assert(sizeof(PASTAS) / sizeof(PASTAS[0]) == NUMPASTASCARGA);

// Every folder, each file only while no error has been met, as the loading screen does.
void carregapastas() {
    for (int p = 0; p < NUMPASTASCARGA; p++) {
        if (PASTAS[p].lista) PASTAS[p].lista->Clear();
        else {
            // sound file k is item k: item 0 is the empty "no sound"
            DXWaveListSnd.items.clear();
            DXWaveListSnd.Add().name = "-VAZIO-";
        }
        for (int32_t n = 1; n <= quantosarquivoscarga(p); n++)
            if (erro.empty()) PASTAS[p].carregar(nomearquivocarga(p, n));
        if (!PASTAS[p].lista) InitSound();
        if (!erro.empty()) return;  // the loading screen would be on the error screen by now
    }
}
#else
// PROVISIONAL: until the picture and sound loaders are in the game, nothing is read.
void carregapastas() {}
#endif

}  // namespace

void iniciamissaodireta(int32_t n) {
    // 1. the asset folders; a missing file leaves the game on the error screen
    carregapastas();
    if (!erro.empty() || tela == 10) return;
    // 2. a new game ("INICIAR O JOGO") at mission n: the new-game hero
    novoheroisalvo();
    missao = uint8_t(n);
    // 3. the briefing's set-up of the mission
    preparamissao = true;
    criamapa(missao);
    if (tela == 10) return;  // a missing music file stops here, as on the briefing
    // 4. "CONTINUAR ...": the next tick is the first gameplay tick; the pointer rests where the
    // button was clicked, away from the scrolling edges
    tela = 5;
    ciclotela = 0;
    musicainiciar = true;
    mousex = 625 + 80;
    mousey = 550 + 16;
}
