// criamapa: builds a mission from scratch, in eleven steps, from its table row and its layout.
#include "assets/listas.h"
#include "assets/sons.h"
#include "missions/missoes.h"
#include "world/world.h"

// Step 6: the row of the mission table.
static uint8_t aplicalinha(uint8_t n) {
    const LinhaMissao& l = tabelamissoes[n];
    mensagem2 = l.linhaobjetivo;
    tarefa.objetivo = l.objetivo;
    tarefa.avisotarefa = l.aviso;
    dinheiro = l.dinheiro;
    liberafazenda = l.fazenda;
    liberaloja = l.loja;
    liberafidelina = l.fidelina;
    cenario = l.cenario;
    if (l.pesquisa4) pesquisa4 = l.pesquisa4;
    if (l.pesquisa7) pesquisa7 = l.pesquisa7;
    if (l.areafixa) {  // the way out of the labyrinth, at the top of the map
        tarefa.areax1 = AREAFIXAX1;
        tarefa.areay1 = AREAFIXAY1;
        tarefa.areax2 = AREAFIXAX2;
        tarefa.areay2 = AREAFIXAY2;
    }
    return l.musica;
}

// Step 9: one pixel of the layout becomes an object, a unit or a chest.
static void lepixel(int32_t c, int32_t r) {
    Cor p = ImageMapa.Pixel(c, r);
    int32_t k = objetodacor(p);
    if (k == 7 || k == 16 || k == 18 || k == 20) {  // a hidden target: the objective area around it
        tarefa.areax1 = c * 50 - 40;
        tarefa.areay1 = r * 50 - 45;
        tarefa.areax2 = c * 50 + 40;
        tarefa.areay2 = r * 50 + 45;
    }
    if (k != 0) criaobjeto(k, k <= 4 && r % 2 == 1 ? c * 50 + 25 : c * 50, r * 50);  // trees staggered on odd rows
    if (int32_t t = unidadedacor(p)) criaunidade(t, c * 50, r * 50, 1, c * 50, r * 50, 0, 0);
    if (int32_t i = itemdacor(p)) criaunidade(12, c * 50, r * 50, 0, c * 50, r * 50, 0, i);
    // the mini-map keeps the visible scenery only
    if (k == 0 || k == 7 || k == 16 || k == 18 || k == 20 || k == 21) ImageMapa.SetPixel(c, r, CHAO);
}

// Step 10: the repainted layout becomes the mini-map picture.
static void poeminimapa() {
    if (DXImageListMapa.Count() > 0) DXImageListMapa.Delete(0);
    ImageItem& item = DXImageListMapa.Add();
    item.systemmemory = false;
    item.transparentcolor = BRANCO;
    SetItemPicture(item, ImageMapa, "Mapa", true);
}

// Steps 2 and 3: an empty world (of the units only `tipo` and `heroi` are cleared), no research,
// nothing unlocked.
static void esvaziamundo() {
    limpaunidades();
    for (int32_t u = 1; u <= MAXUNIDADES; u++) unidades[u].heroi = false;
    limpaobjetos();
    limpaefeitos();
    pesquisa4 = pesquisa5 = pesquisa6 = pesquisa7 = 0;
    liberafidelina = liberafazenda = liberaloja = false;
    itenscheat = 3;
}

void criamapa(uint8_t n) {
    // 1. The request is served; no defeat yet.
    preparamissao = false;
    derrotado = false;
    // 2. and 3. Empty the world; research and unlocks start over.
    esvaziamundo();
    // 4. The layout.
    std::string why;
    Bitmap* layout = layoutmissao(n);
    if (!layout || !carregalayouts(why)) {
        erro = why.empty() ? "missão inexistente" : why;
        tela = 10;
        return;
    }
    ImageMapa = *layout;
    mapalargura = ImageMapa.width;
    mapaaltura = ImageMapa.height;
    // 5. and 6. Defaults, then the mission's row.
    tarefa.cumprida = false;
    dinheiro = 0;
    cenario = 0;
    uint8_t musica = aplicalinha(n);
    // 7. Messages and screen effects.
    mensagem2tempo = 250;
    mensagem = "";
    mensagemtempo = 0;
    brilho = 0;
    tremor = 0;
    // 8. The mission's music, starting at the first gameplay tick.
    carregarmusica("Musicas/Musica-0" + std::to_string(musica) + ".wav");
    InitSound();
    musicainiciar = true;
    // 9. Column by column, top to bottom: the scan order fixes the unit slots.
    for (int32_t c = 0; c < mapalargura; c++)
        for (int32_t r = 0; r < mapaaltura; r++) lepixel(c, r);
    // 10. The mini-map.
    poeminimapa();
    // 11. The view starts on the hero, selected as a click on him would select him, so that the
    // first right click already sends him.
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].heroi) {
            camerax = arredonda(unidades[u].x) - 400;
            cameray = arredonda(unidades[u].y) - 250;
            select_ = uint8_t(u);
            unidades[u].selecionado = true;
        }
}
