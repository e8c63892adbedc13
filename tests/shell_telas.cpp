// The screens outside play: the opening, the trivia page, the main menu, the briefing and the ending.
#include <gtest/gtest.h>

#include "apoio.h"
#include "assets/listas.h"
#include "input/teclado.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/botoes.h"
#include "render_apoio.h"
#include "shell/shell.h"
#include "world/efeitos.h"
#include "world/estado.h"

namespace {

constexpr uint8_t MARCAABERTURA = 44, MARCAFINAL = 55;

struct Telas : ::testing::Test {
    PastaTemporaria pasta{"telas"};
    void SetUp() override {
        FormCreate();
        OpenHeadless();
        std::string porque;
        InitText(porque);
        // slides of 100 x 80 whose colour names them
        enchelista(DXImageListAbertura, 22, 100, 80, MARCAABERTURA);
        enchelista(DXImageListFinal, 7, 400, 300, MARCAFINAL);
        mousex = 700;  // the pointer away from the pixels looked at
        mousey = 20;
    }
    void TearDown() override {
        DXImageListAbertura.Clear();
        DXImageListFinal.Clear();
    }
    // the command numbers registered this tick, in record order
    static std::vector<int32_t> comandos() {
        std::vector<int32_t> v;
        for (int32_t b = 1; b <= MAXBOTOES; b++)
            if (botoes[b].comando != 0) v.push_back(botoes[b].comando);
        return v;
    }
    static bool botaoem(int32_t comando, int32_t x, int32_t y) {
        for (int32_t b = 1; b <= MAXBOTOES; b++)
            if (botoes[b].comando == comando) return botoes[b].posx == x && botoes[b].posy == y;
        return false;
    }
    void tique(uint8_t t, int16_t c) {
        tela = t;
        ciclotela = c;
        DXTimer1Timer();
    }
};

}  // namespace

// --- opening

TEST_F(Telas, TriviaPageIsOneToTenAndTenIsTheMostFrequent) {
    int32_t vezes[12] = {};
    for (int32_t r = 0; r < 100; r++) vezes[paginadosorteio(r)]++;
    EXPECT_EQ(vezes[0], 0);
    EXPECT_EQ(vezes[11], 0);
    EXPECT_EQ(vezes[1], 6);    // 0..5: halves go to the even neighbour
    EXPECT_EQ(vezes[10], 14);  // 86..94, and 95..99 held at 10
    for (int32_t p = 1; p <= 9; p++) EXPECT_LT(vezes[p], vezes[10]) << p;
    EXPECT_EQ(paginadosorteio(99), 10);
    EXPECT_EQ(paginadosorteio(25), 3);  // 2.5 goes to 2
}

TEST_F(Telas, OpeningFlashesPicturesTwoThreeAndFour) {
    EXPECT_EQ(quadroabertura(0), 1);
    EXPECT_EQ(quadroabertura(50), 2);
    EXPECT_EQ(quadroabertura(54), 2);
    EXPECT_EQ(quadroabertura(55), 3);
    EXPECT_EQ(quadroabertura(65), 4);
    EXPECT_EQ(quadroabertura(66), 1);
    EXPECT_EQ(quadroabertura(104), 2);
    EXPECT_EQ(quadroabertura(115), 4);
    EXPECT_EQ(quadroabertura(149), 1);
}

TEST_F(Telas, OpeningStretchesTheBackgroundAndCentresThePicture) {
    tique(1, 0);  // dx = 30, dy = 25 at c = 0
    EXPECT_TRUE(ehcor(0, 0, corde(0, MARCAABERTURA)));
    EXPECT_TRUE(ehcor(799, 599, corde(0, MARCAABERTURA)));
    EXPECT_TRUE(ehcor(400, 300, corde(1, MARCAABERTURA)));
    EXPECT_TRUE(ehcor(350, 260, corde(1, MARCAABERTURA)));  // top-left of a 100 x 80 picture
    EXPECT_TRUE(ehcor(349, 260, corde(0, MARCAABERTURA)));
    tique(1, 57);
    EXPECT_TRUE(ehcor(400, 300, corde(3, MARCAABERTURA)));
}

TEST_F(Telas, OpeningEndsOnATriviaPageWhoseFirstFrameIsDrawnAtOnce) {
    tique(1, 149);
    EXPECT_EQ(tela, 2);
    EXPECT_GE(paginajapao, 1);
    EXPECT_LE(paginajapao, 10);
    EXPECT_EQ(ciclotela, 1);  // the trivia block ran in the same tick
    EXPECT_TRUE(ehcor(400, 300, corde(paginajapao + 11, MARCAABERTURA)));
}

// --- trivia page

TEST_F(Telas, TriviaDriftsTheBackgroundAndDropsALeafEvery15Ticks) {
    for (auto& e : efeitos) e = Efeito{};
    paginajapao = 4;
    camerax = 300;
    tique(2, 30);
    EXPECT_EQ(camerax, 0);
    EXPECT_EQ(contaefeitos(), 1);
    EXPECT_TRUE(ehcor(400, 300, corde(15, MARCAABERTURA)));  // page 4's picture
    EXPECT_TRUE(ehcor(5, 25, corde(7, MARCAABERTURA)));      // the border strip at the top
    // a tile half as wide: the gaps between the tiles show where they stand
    Bitmap b;
    b.SetSize(50, 80);
    for (int32_t y = 0; y < 80; y++)
        for (int32_t x = 0; x < 50; x++) b.SetPixel(x, y, corde(6, MARCAABERTURA));
    SetItemPicture(*DXImageListAbertura.Item(6), b, "ladrilho", true);
    tique(2, 31);
    EXPECT_EQ(contaefeitos(), 1);  // no new leaf off the multiple of 15
    // at c = 31 the tiles stand at x = 100 i - 31
    EXPECT_TRUE(ehcor(18, 250, corde(6, MARCAABERTURA)));
    EXPECT_TRUE(ehcor(19, 250, PRETO));
    EXPECT_TRUE(ehcor(68, 250, PRETO));
    EXPECT_TRUE(ehcor(69, 250, corde(6, MARCAABERTURA)));
}

TEST_F(Telas, ZLeavesTheTriviaPageOnlyAfterFiftyTicks) {
    tique(2, 0);
    for (int i = 0; i < 48; i++) DXTimer1Timer();
    EXPECT_EQ(ciclotela, 49);
    FormKeyDown('Z');
    EXPECT_EQ(tela, 2);
    DXTimer1Timer();
    FormKeyDown('Z');
    EXPECT_EQ(tela, 3);
    EXPECT_EQ(ciclotela, 0);
}

// --- main menu

TEST_F(Telas, MainMenuWithoutSaveHasTwoEntriesAndAGapBetween) {
    existesave = arquivomsx = false;
    tique(3, 0);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{62, 64}));
    EXPECT_TRUE(botaoem(62, 320, 330));
    EXPECT_TRUE(botaoem(64, 320, 400));
}

TEST_F(Telas, MainMenuOffersLoadingWithASaveAndTheEndingWithMsx) {
    existesave = true;
    tique(3, 0);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{62, 63, 64}));
    EXPECT_TRUE(botaoem(63, 320, 365));
    arquivomsx = true;
    tique(3, 0);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{62, 63, 64, 72}));
    EXPECT_TRUE(botaoem(72, 320, 450));
}

TEST_F(Telas, MainMenuRedBrightensWithItsCounter) {
    tique(3, 0);
    EXPECT_TRUE(ehcor(5, 5, Cor{50, 0, 0}));
    tique(3, 14);
    EXPECT_TRUE(ehcor(5, 5, Cor{64, 0, 0}));
    EXPECT_EQ(ciclotela, 0);
    EXPECT_TRUE(ehcor(50, 390, corde(10, MARCAABERTURA)));  // the strip's third frame at c = 14
}

// --- briefing

TEST_F(Telas, BriefingBuildsThePendingMissionOnItsFirstTick) {
    missao = 2;
    preparamissao = true;
    tique(4, 0);
    EXPECT_FALSE(preparamissao);
    EXPECT_EQ(tarefa.objetivo, 2);  // mission 2: destroy the portals
    EXPECT_TRUE(comandos().empty());
}

TEST_F(Telas, BriefingButtonsAppearOnTheEleventhTickAndStay) {
    missao = 1;
    tique(4, 0);
    for (int i = 0; i < 9; i++) DXTimer1Timer();
    EXPECT_TRUE(comandos().empty());  // ten ticks drawn, no buttons yet
    DXTimer1Timer();
    EXPECT_EQ(comandos(), (std::vector<int32_t>{65, 66}));
    EXPECT_TRUE(botaoem(65, 10, 550));
    EXPECT_TRUE(botaoem(66, 625, 550));
    for (int i = 0; i < 300; i++) DXTimer1Timer();
    EXPECT_GE(ciclotela, 100);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{65, 66}));
}

TEST_F(Telas, OverwriteQuestionHidesSaveAndContinue) {
    missao = 1;
    perguntasobrescrever = true;
    tique(4, 50);
    EXPECT_EQ(comandos(), (std::vector<int32_t>{67, 68}));
    EXPECT_TRUE(botaoem(67, 320, 300));
    EXPECT_TRUE(botaoem(68, 320, 340));
    EXPECT_TRUE(ehcor(60, 260, Cor{10, 20, 30}));
    EXPECT_TRUE(ehcor(50, 300, BRANCO));
}

// --- ending

TEST_F(Telas, EndingSlideFadesInStandsAndFadesOut) {
    EXPECT_EQ(opacidadefinal(0), 0);
    EXPECT_EQ(opacidadefinal(19), 228);
    EXPECT_EQ(opacidadefinal(20), 255);
    EXPECT_EQ(opacidadefinal(379), 255);
    EXPECT_EQ(opacidadefinal(380), 240);
    EXPECT_EQ(opacidadefinal(399), 12);
}

TEST_F(Telas, EndingShowsOneBlackFrameBetweenSlides) {
    musicaligada = false;
    cenafinal = 1;
    tique(6, 0);
    EXPECT_TRUE(ehcor(500, 350, PRETO));  // slide 1 stands at (300, 200)
    tique(6, 100);
    EXPECT_TRUE(ehcor(500, 350, corde(1, MARCAFINAL)));
    tique(6, 10);  // opacity 120 over black
    Cor c = corde(1, MARCAFINAL);
    EXPECT_TRUE(ehcor(500, 350, Cor{uint8_t(c.r * 120 / 255), uint8_t(c.g * 120 / 255), uint8_t(c.b * 120 / 255)}));
}

TEST_F(Telas, LastSlideHoldsAndFimRisesToGrey254) {
    musicaligada = false;
    cenafinal = 6;
    tique(6, 200);
    EXPECT_EQ(ciclotela, 201);
    for (int i = 0; i < 500; i++) DXTimer1Timer();
    EXPECT_EQ(cenafinal, 6);
    EXPECT_EQ(ciclotela, 328);  // held at 327, then counted once more
    // "FIM" in grey 254 ends at x 750: some pixel left of 750 on its row has that grey
    bool cinza = false;
    for (int32_t x = 600; x < 750 && !cinza; x++)
        for (int32_t y = 500; y < 560 && !cinza; y++) cinza = ehcor(x, y, Cor{254, 254, 254});
    EXPECT_TRUE(cinza);
    FormKeyDown(VK_ESCAPE);
    EXPECT_TRUE(sair);
}

TEST_F(Telas, PointerIsNotDrawnOnTheEnding) {
    musicaligada = false;
    enchelista(DXImageListCursor, 7, 10, 10, 66);
    mousex = 500;
    mousey = 100;
    cenafinal = 0;
    tique(6, 0);
    EXPECT_FALSE(ehcor(500, 100, corde(0, 66)));
    DXImageListCursor.Clear();
}

TEST_F(Telas, TriviaPromptShowsBetween51And119) {
    paginajapao = 1;
    auto prompt = [] {
        for (int32_t x = 330; x < 470; x++)
            for (int32_t y = 575; y < 595; y++)
                if (ehcor(x, y, BRANCO)) return true;
        return false;
    };
    // a black tile so the white letters stand out
    Bitmap b;
    b.SetSize(100, 80);
    SetItemPicture(*DXImageListAbertura.Item(6), b, "ladrilho", false);
    tique(2, 50);
    EXPECT_FALSE(prompt());
    tique(2, 51);
    EXPECT_TRUE(prompt());
    tique(2, 119);
    EXPECT_TRUE(prompt());
    tique(2, 120);
    EXPECT_FALSE(prompt());
}
