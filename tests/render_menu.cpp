// The message lines, the menu box and the in-game menu pages with their entries.
#include "assets/textos.h"
#include "render/interface.h"
#include "render_apoio.h"

using jogoteste::Jogo;

namespace {
constexpr uint8_t MARCA = 88;

struct Menu : Jogo {
    void SetUp() override {
        Jogo::SetUp();
        enchelista(DXImageListIcones, 41, 48, 48, MARCA);
        mousex = 5;  // the pointer off every entry
        mousey = 590;
    }
    void TearDown() override {
        DXImageListIcones.Clear();
        Jogo::TearDown();
    }
    static std::vector<int32_t> comandos() {
        std::vector<int32_t> v;
        for (int32_t b = 1; b <= MAXBOTOES; b++)
            if (botoes[b].comando != 0) v.push_back(botoes[b].comando);
        return v;
    }
    static void pagina(uint8_t m) {
        limpabotoes();
        menu = m;
        pausa = m != 0;
        desenhatelamenu();
    }
};
}  // namespace

// --- message lines

TEST_F(Menu, MessageStandsFor150TicksThenFadesOver50) {
    EXPECT_EQ(cormensagem(200, false).r, 255);
    EXPECT_EQ(cormensagem(50, false).b, 100);
    Cor c = cormensagem(49, false);
    EXPECT_EQ(c.r, 252);
    EXPECT_EQ(c.b, 98);
    c = cormensagem(0, true);
    EXPECT_EQ(c.r, 105);
    EXPECT_EQ(c.b, 105);
    mensagem = "Não há dinheiro suficiente !";
    mensagemtempo = 200;
    for (int i = 0; i < 150; i++) vermensagem();
    EXPECT_EQ(mensagemtempo, 50);
}

TEST_F(Menu, MessagesStayPutWhileFrozen) {
    mensagem = "a";
    mensagem2 = "b";
    mensagemtempo = 30;
    mensagem2tempo = 40;
    pausa = true;
    vermensagem();
    EXPECT_EQ(mensagemtempo, 30);
    EXPECT_EQ(mensagem2tempo, 40);
    pausa = false;
    vermensagem();
    EXPECT_EQ(mensagemtempo, 29);
    EXPECT_EQ(mensagem2tempo, 39);
}

// --- the menu box

TEST_F(Menu, BoxOfThreeBySixSpans281To519And50To426) {
    caixamenu(281, 50, 3, 6);
    EXPECT_TRUE(ehcor(281, 50, corde(8, MARCA)));    // top-left corner
    EXPECT_TRUE(ehcor(328, 50, corde(12, MARCA)));   // top edge
    EXPECT_TRUE(ehcor(472, 50, corde(9, MARCA)));    // top-right corner at 281 + 47 + 144
    EXPECT_TRUE(ehcor(518, 425, corde(11, MARCA)));  // its last pixel, within the 47 x 41 corner
    EXPECT_TRUE(ehcor(281, 97, corde(14, MARCA)));   // left edge
    EXPECT_TRUE(ehcor(472, 97, corde(13, MARCA)));   // right edge
    EXPECT_TRUE(ehcor(328, 97, corde(16, MARCA)));   // inner cell
    EXPECT_TRUE(ehcor(281, 385, corde(10, MARCA)));  // bottom-left corner at 50 + 47 + 288
}

TEST_F(Menu, BoxWithNoRowsHasOnlyCornersAndTopAndBottom) {
    caixamenu(100, 100, 2, 0);
    EXPECT_TRUE(ehcor(100, 147, corde(10, MARCA)));  // the bottom row right under the top row
    EXPECT_TRUE(ehcor(147, 147, corde(15, MARCA)));
}

// --- the pages

TEST_F(Menu, ClosedMenuShowsOnlyTheTab) {
    pagina(0);
    EXPECT_TRUE(comandos().empty());
    EXPECT_TRUE(ehcor(360, 15, corde(4, MARCA)));
}

TEST_F(Menu, OptionsPageWithoutASaveHasNoLoadEntry) {
    existesave = false;
    pagina(1);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{39, 40, 41, 42, 43, 44, 45}));
    existesave = true;
    pagina(1);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{38, 39, 40, 41, 42, 43, 44, 45}));
    EXPECT_EQ(botoes[5].posx, 345);  // the slider, 25 pixels to the right
    EXPECT_EQ(botoes[5].posy, 260);
}

TEST_F(Menu, QuestionsAndTipsOfferTheirEntries) {
    pagina(2);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{46, 47}));
    pagina(4);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{51, 52}));
    EXPECT_EQ(botoes[2].posy, 289);
    pagina(3);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{48, 49, 50}));
    EXPECT_EQ(botoes[2].posx, 410);
}

TEST_F(Menu, TipFifteenReadsLines99To104) {
    // the last tip's first line is drawn at (240, 200): something white appears in that row
    dicaatual = 15;
    ASSERT_GT(std::string(MemoDicas[99]).size(), 0u);
    pagina(3);
    bool branco = false;
    for (int32_t x = 240; x < 500 && !branco; x++)
        for (int32_t y = 200; y < 212 && !branco; y++) branco = ehcor(x, y, BRANCO);
    EXPECT_TRUE(branco);
}

TEST_F(Menu, CheatsWithoutAUnitOrWithAnEnemyOfferOnlyMoneyVisionAndBack) {
    select_ = 0;
    pagina(5);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{59, 61, 44}));
    int32_t e = poeunidade(13, 1200, 1200);
    select_ = uint8_t(e);
    pagina(5);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{59, 61, 44}));
}

TEST_F(Menu, CheatsForTheHeroWithItemsLeft) {
    int32_t h = poeunidade(9, 1200, 1200);
    select_ = uint8_t(h);
    itenscheat = 2;
    pagina(5);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{53, 54, 55, 56, 57, 58, 59, 60, 61, 44}));
    itenscheat = 0;
    pagina(5);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{53, 54, 55, 56, 57, 58, 59, 61, 44}));
}
