// Screen state 0: the loading screen. One asset folder is read whole on each of the ticks 3, 6, ..., 21,
// while a progress bar grows and the next folder's name is already shown.
#include "assets/imagens.h"
#include "assets/listas.h"
#include "assets/sons.h"
#include "media/media.h"
#include "render/texto.h"
#include "shell/carregamento.h"
#include "shell/shell.h"
#include "world/estado.h"

// One asset folder. The file name is a prefix chosen by the number's size, then the number, then the
// extension: the prefixes carry the zero filling, and their letters' case is as the game spells them.
struct PastaCarga {
    int16_t ciclo;                  // the loading tick that reads it
    const char* rotulo;             // the label shown from the tick before until the tick after
    int32_t quantos;                // files numbered 1..quantos
    const char* prefixos[3];        // for 1..9, 10..99, 100 and up
    const char* extensao;
    ImageList* lista;               // emptied before the folder is read (null for the sounds)
    void (*carregar)(const std::string& nome);
};

static const PastaCarga PASTAS[] = {
    {3, "Unidades", 326, {"Unidades/Unid-00", "Unidades/unid-0", "Unidades/Unid-"}, ".gmb", &DXImageListUnidade, carregarbmpunidade},  // unit frames
    {6, "Efeitos", 108, {"Efeitos/Efeito-00", "Efeitos/Efeito-0", "Efeitos/Efeito-"}, ".gmb", &DXImageListEfeitos, carregarbmpefeito},  // effect frames
    {9, "Objetos", 23, {"Objetos/Objeto-0", "Objetos/Objeto-", "Objetos/Objeto-"}, ".gmb", &DXImageListObjetos, carregarbmpobjeto},       // map objects
    {12, "Cenários", 3, {"Cenario/Cenario-0", "Cenario/Cenario-", "Cenario/Cenario-"}, ".gmb", &DXImageListCenario, carregarbmpcenario},  // ground
    {15, "Final", 7, {"Final/Final-0", "Final/Final-", "Final/Final-"}, ".gmb", &DXImageListFinal, carregarbmpfinal},                   // ending slides
    {18, "Abertura", 22, {"Abertura/Abertura-0", "Abertura/Abertura-", "Abertura/Abertura-"}, ".gmb", &DXImageListAbertura, carregarbmpabertura},  // opening
    {21, "Sons", 46, {"Sons/Som-0", "Sons/Som-", "Sons/Som-"}, ".wav", nullptr, carregareftsonoro},                                     // sounds
};
static_assert(sizeof(PASTAS) / sizeof(PASTAS[0]) == NUMPASTASCARGA);

std::string nomearquivocarga(int pasta, int32_t numero) {
    const PastaCarga& p = PASTAS[pasta];
    const char* prefixo = p.prefixos[numero < 10 ? 0 : numero < 100 ? 1 : 2];
    return prefixo + std::to_string(numero) + p.extensao;
}

int32_t quantosarquivoscarga(int pasta) { return PASTAS[pasta].quantos; }

// Reads every file of one folder in increasing number; after the first failure nothing more is read.
void carregapasta(int pasta) {
    const PastaCarga& p = PASTAS[pasta];
    if (p.lista) p.lista->Clear();
    else {
        // the sound list opens with an empty item, so sound file k is item k and 0 means no sound
        DXWaveListSnd.items.clear();
        DXWaveListSnd.Add().name = "-VAZIO-";
    }
    for (int32_t n = 1; n <= p.quantos; n++)
        if (erro.empty()) p.carregar(nomearquivocarga(pasta, n));
    if (!p.lista) InitSound();
}

// The bar: a dark frame and three bands, the lighter ones thinner, reaching 10 x c + 10.
static void barraprogresso(int16_t c) {
    int32_t r = 10 * c + 10;
    pintaretangulo(10, 545, 260, 555, Cor{0, 0, 100});
    pintaretangulo(10, 545, r, 555, Cor{100, 100, 255});
    pintaretangulo(10, 547, r, 552, Cor{120, 120, 255});
    pintaretangulo(10, 549, r, 550, Cor{150, 150, 255});
}

void telacarregamento() {
    const Cor branco{255, 255, 255};
    int16_t c = ciclotela;
    // 1. a black screen
    pintaretangulo(0, 0, 800, 600, Cor{0, 0, 0});
    // 2. this tick's folder
    for (int i = 0; i < NUMPASTASCARGA; i++)
        if (c == PASTAS[i].ciclo) carregapasta(i);
    // 3. the logo, once the built-in icons hold it
    if (DXImageListIcones.Count() > 40) DrawItem(DXImageListIcones, 40, 460, 450);
    // 4. the version and the title
    escrevetexto(10, 10, versao, "-", 15, branco);
    escrevetexto(10, 500, "Carregando ...", "-", 25, branco);
    // 5. the progress bar
    barraprogresso(c);
    // 6. the folder's name, from the tick before its loading tick to the tick after
    for (const PastaCarga& p : PASTAS)
        if (c >= p.ciclo - 1 && c <= p.ciclo + 1) escrevetexto(10, 555, p.rotulo, "-", 15, branco);
    // 7. the cycle; the opening's first frame is drawn in this same tick
    if (avancaciclo(25)) {
        tela = 1;
        ciclotela = 0;
    }
}
