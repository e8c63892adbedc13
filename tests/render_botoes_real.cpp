// The control list drawn with the game's own built-in pictures: a worker's side panel with a
// tooltip, the options page controls. The frame goes to the review folder.
#include <filesystem>

#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "render_apoio.h"

namespace {
struct ControlesReais : jogoteste::Jogo {};
}  // namespace

TEST_F(ControlesReais, ControlsWithTheBuiltInPicturesShowButtonsTooltipAndMenu) {
    carregaimagensinternas();
    ASSERT_GE(DXImageListIcones.Count(), 41);
    ASSERT_GE(DXImageListBotoes.Count(), 32);
    FillRect(Cor{40, 30, 20}, 0, 460, 800, 600);
    int32_t w = poeunidade(6, 1200, 1200);
    select_ = uint8_t(w);
    unidades[w].consertoautomatico = true;
    ciclotela = 0;
    // the worker's commands in the panel, the pointer on the farm
    criabotao(CRIARTORRE, 610, 480);
    criabotao(CRIARFAZENDA, 655, 480);
    criabotao(CRIARTIENDA, 700, 480);
    criabotao(CONSERTAR, 610, 525);
    // the options page
    musicaligada = true;
    criabotao(MUSICA, 300, 120);
    criabotao(EFEITOSSONOROS, 300, 150);
    criabotao(VELOCIDADE, 300, 220);
    criabotao(DICAS, 300, 260);
    criabotao(VOLTARJOGO, 300, 300);
    mousex = 670;
    mousey = 500;
    desenhabotoes();
    // the tooltip box stands out from the panel, the farm picture is drawn, the frame blinks
    int32_t diferentes = 0;
    for (int32_t y = 372; y < 450; y += 4)
        for (int32_t x = 575; x < 790; x += 4) diferentes += !ehcor(x, y, PRETO);
    EXPECT_GT(diferentes, 100);
    EXPECT_FALSE(ehcor(675, 500, Cor{40, 30, 20}));
    EXPECT_TRUE(ehcor(608, 523, Cor{255, 255, 0}));
    std::string porque;
    std::filesystem::create_directories(std::string(VORLANDO_GAME_DIR) + "/../review/botoes");
    EXPECT_TRUE(SaveScreenshot(std::string(VORLANDO_GAME_DIR) + "/../review/botoes/controles.png", porque)) << porque;
}
