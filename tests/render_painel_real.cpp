// The panel, a menu box and the defeat box drawn with the game's own built-in pictures; the frames
// go to the review folder.
#include <filesystem>
#include <vector>

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
    a.experiencia = 120;
    a.experienciaprox = 300;
    a.invisivel = 900;
    a.forcabonus = 5;
    dinheiro = 1234;
    comidausada = 7;
    comidamax = 12;
    // the same panel drawn over the same ground, with the pointer at (x, y)
    auto desenha = [](int32_t x, int32_t y) {
        mousex = x;
        mousey = y;
        FillRect(Cor{40, 90, 40}, 0, 0, 800, 600);
        limpabotoes();
        desenhaborda();
        desenhaemblemaheroi();
        return std::vector<uint32_t>(&backbuffer[0][0], &backbuffer[0][0] + LARGURATELA * ALTURATELA);
    };
    auto mesmo = [](const std::vector<uint32_t>& p, const std::vector<uint32_t>& q, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        for (int32_t y = y0; y < y1; y++)
            for (int32_t x = x0; x < x1; x++)
                if (p[size_t(y * LARGURATELA + x)] != q[size_t(y * LARGURATELA + x)]) return false;
        return true;
    };
    const std::vector<uint32_t> vazio = desenha(540, 500);  // no item: the pointer over an empty slot 1
    a.itens[0] = 25;
    a.itens[1] = 9;
    a.itens[4] = 17;
    const std::vector<uint32_t> longe = desenha(300, 200);  // items, the pointer on the play field
    const std::vector<uint32_t> dica = desenha(540, 500);   // items, the pointer over slot 1
    // the carried items show in their own slots, and only there (the middle of each slot)
    for (int32_t i = 0; i < 6; i++) {
        bool tem = a.itens[i] != 0;
        const int32_t x = CELULAITEM[i][0], y = CELULAITEM[i][1];
        EXPECT_EQ(mesmo(vazio, longe, x + 6, y + 6, x + 30, y + 30), !tem) << "slot " << i + 1;
    }
    // the tooltip of the item under the pointer, above the panel; none with the pointer elsewhere
    EXPECT_TRUE(mesmo(vazio, longe, 560, 360, 800, 460));
    EXPECT_FALSE(mesmo(longe, dica, 570, 368, 800, 450));
    EXPECT_GT(botoes[1].comando, 0);
    guarda("heroi.png");
}
