// The panel, a menu box and the defeat box drawn with the game's own built-in pictures; the frames
// go to the review folder.
#include <filesystem>

#include "render/interface.h"
#include "render_apoio.h"
#include "sim/jogo.h"

namespace {
struct PainelReal : jogoteste::Jogo {
    static void guarda(const std::string& nome) {
        std::string pasta = std::string(VORLANDO_GAME_DIR) + "/../review/painel";
        std::filesystem::create_directories(pasta);
        std::string porque;
        EXPECT_TRUE(SaveScreenshot(pasta + "/" + nome, porque)) << porque;
    }
};
}  // namespace

TEST_F(PainelReal, DefeatBoxIsClosedAndOffersBothAnswers) {
    carregaimagensinternas();
    FillRect(Cor{40, 90, 40}, 0, 0, 800, 600);
    derrotado = true;
    caixaderrota();
    desenhabotoes();
    // the inner cells of the 4 x 3 box cover the grass between its edges
    int32_t grama = 0;
    for (int32_t y = 177; y < 321; y += 3)
        for (int32_t x = 304; x < 496; x += 3) grama += ehcor(x, y, Cor{40, 90, 40});
    EXPECT_EQ(grama, 0);
    EXPECT_EQ(botoes[1].comando, 70);
    EXPECT_EQ(botoes[2].comando, 71);
    guarda("derrota.png");
}

TEST_F(PainelReal, HeroPanelWithItemsAndATooltip) {
    carregaimagensinternas();
    enchelista(DXImageListEfeitos, 110, 3, 3, 22);
    int32_t h = poeunidade(9, 1300, 1300);
    select_ = uint8_t(h);
    Unidade& a = unidades[h];
    a.itens[0] = 25;
    a.itens[1] = 9;
    a.itens[4] = 17;
    a.experiencia = 120;
    a.experienciaprox = 300;
    a.invisivel = 900;
    a.forcabonus = 5;
    mousex = 540;
    mousey = 500;
    dinheiro = 1234;
    comidausada = 7;
    comidamax = 12;
    limpabotoes();
    desenhaborda();
    desenhaemblemaheroi();
    EXPECT_GT(botoes[1].comando, 0);
    guarda("heroi.png");
}
