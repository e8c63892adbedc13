// Start-up values, the flag files, the screen states' periods and wraps, and the pointer step.
#include <gtest/gtest.h>

#include "apoio.h"
#include "apoio_conteudo.h"
#include "assets/listas.h"
#include "input/mouse.h"
#include "input/teclado.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

struct Estados : ::testing::Test {
    PastaTemporaria pasta{"estados"};
    void SetUp() override { FormCreate(); }
    // Runs ticks until `tela` changes or n ticks have passed; returns the ticks run.
    int ate_mudar(int n) {
        uint8_t t = tela;
        for (int i = 1; i <= n; i++) {
            DXTimer1Timer();
            if (tela != t) return i;
        }
        return -1;
    }
};

}  // namespace

TEST_F(Estados, StartValues) {
    EXPECT_EQ(tela, 0);
    EXPECT_EQ(velocidadejogo, 20);
    EXPECT_EQ(velocidaderolagem, 20);
    EXPECT_EQ(versao, "v1.2");
    EXPECT_EQ(missaoinicial, 1);
    EXPECT_EQ(dicaatual, 1);
    EXPECT_TRUE(musicaligada && efeitosligados && vozesligadas);
    EXPECT_EQ(voz, 0);
    EXPECT_FALSE(existesave);
    EXPECT_EQ(TimerInterval(), 20);
}

TEST_F(Estados, NoFlagFilesGiveTheDefaults) {
    EXPECT_FALSE(presencaarquivos());
    EXPECT_FALSE(arquivoanselva);
    EXPECT_FALSE(arquivomsx);
    EXPECT_EQ(ritmotrabalho, 1);
}

TEST_F(Estados, EachFlagFileSetsItsSwitchByPresenceAlone) {
    pasta.escreve("tokyo.DAT", "");  // names are matched without regard to case
    pasta.escreve("Anselva.dat", "qualquer coisa");
    pasta.escreve("Msx.dat", "");
    pasta.escreve("Vorlandocraft.sav", "");
    FormCreate();
    EXPECT_EQ(ritmotrabalho, 5);
    EXPECT_TRUE(arquivoanselva);
    EXPECT_TRUE(arquivomsx);
    EXPECT_TRUE(existesave);
}

TEST_F(Estados, LoadingEndsOnTheTwentyFifthTick) {
    criaconteudominimo(pasta.caminho);
    EXPECT_EQ(ate_mudar(100), 25);
    EXPECT_EQ(tela, 1);
    EXPECT_EQ(ciclotela, 1);  // the opening's first frame ran in the same tick
}

TEST_F(Estados, OpeningWrapsToTriviaAndTriviaWrapsTo50) {
    tela = 1;
    ciclotela = 0;
    EXPECT_EQ(ate_mudar(400), 150);
    EXPECT_EQ(tela, 2);
    EXPECT_GE(triviaatual, 1);
    EXPECT_LE(triviaatual, 10);
    for (int i = 0; i < 200; i++) DXTimer1Timer();
    EXPECT_GE(ciclotela, 50);  // the trivia page never goes below 50 once read
    EXPECT_EQ(ciclotelamax, 150);
}

TEST_F(Estados, PeriodsOfTheOtherStates) {
    struct { uint8_t t; int16_t periodo, volta; } casos[] = {{3, 15, 0}, {4, 110, 100}, {5, 30, 0}};
    for (auto c : casos) {
        tela = c.t;
        ciclotela = 0;
        for (int i = 0; i < c.periodo - 1; i++) DXTimer1Timer();
        EXPECT_EQ(ciclotela, c.periodo - 1) << int(c.t);
        DXTimer1Timer();
        EXPECT_EQ(ciclotela, c.volta) << int(c.t);
        EXPECT_EQ(ciclotelamax, c.periodo);
    }
}

TEST_F(Estados, EndingAdvancesTheSlideEvery400Ticks) {
    tela = 6;
    ciclotela = 0;
    for (int i = 0; i < 800; i++) DXTimer1Timer();
    EXPECT_EQ(cenafinal, 2);
    EXPECT_EQ(ciclotela, 0);
}

TEST_F(Estados, ErrorScreenLeavesTheCounterAloneAndZEnds) {
    tela = 10;
    erro = "Arquivo  X  não foi encontrado.";
    ciclotela = 7;
    DXTimer1Timer();
    EXPECT_EQ(ciclotela, 7);
    FormKeyDown('X');
    EXPECT_FALSE(sair);
    FormKeyDown('Z');
    EXPECT_TRUE(sair);
}

TEST_F(Estados, TimerTakesTheSpeedAtEveryTick) {
    velocidadejogo = 0;
    DXTimer1Timer();
    EXPECT_EQ(TimerInterval(), 0);
    for (int i = 0; i < 200; i++) FormKeyDown(VK_OEM_MINUS);
    EXPECT_EQ(velocidadejogo, 100);
    DXTimer1Timer();
    EXPECT_EQ(TimerInterval(), 100);
}

TEST_F(Estados, PointerPictureAndHotSpotFollowThePendingCommand) {
    struct { uint8_t comando, imagem; int dx, dy, mx, my; } casos[] = {
        {0, 0, 3, 0, 0, 0}, {1, 1, 28, 65, 25, 27}, {2, 2, 30, 50, 24, 20}, {3, 3, 38, 52, 30, 18},
        {4, 4, 14, 14, 2, 2}, {5, 5, 5, 42, 0, 0}, {6, 4, 14, 14, 2, 2}, {8, 4, 14, 14, 2, 2},
        {9, 6, 43, 28, 0, 0}, {10, 4, 14, 14, 2, 2}};
    tela = 3;
    for (auto c : casos) {
        mousenum = c.comando;
        DXTimer1Timer();
        EXPECT_EQ(cursor, c.imagem) << int(c.comando);
        EXPECT_EQ(cursordx, c.dx);
        EXPECT_EQ(cursordy, c.dy);
        EXPECT_EQ(marcax, c.mx);
        EXPECT_EQ(marcay, c.my);
    }
}

TEST_F(Estados, PlacementMarkerBlinksAndStaysAboveTheInterface) {
    auto verde = [](int x, int y) { Cor c = BackPixel(x, y); return c.r == 0 && c.g == 255 && c.b == 0; };
    tela = 5;
    mousenum = 1;
    mousex = 400;
    mousey = 300;
    ciclotela = 1;  // the gameplay block makes it 2: even
    DXTimer1Timer();
    EXPECT_TRUE(verde(400 - 25, 300 - 27));
    EXPECT_TRUE(verde(400 + 24, 300 + 26));
    FillRect(PRETO, 0, 0, 800, 600);
    DXTimer1Timer();  // odd cycle: no marker
    EXPECT_FALSE(verde(400 - 25, 300 - 27));
    mousey = 470;  // over the interface strip
    ciclotela = 1;
    DXTimer1Timer();
    EXPECT_FALSE(verde(400 - 25, 470 - 27));
}

TEST_F(Estados, ErrorScreenDrawsItsBoxTitleAndMessage) {
    tela = 10;
    erro = "Arquivo  Sons/Som-07.wav  não foi encontrado.";
    mousex = 400;
    mousey = 250;
    DXTimer1Timer();
    auto cor = [](int x, int y) { return corpixel(BackPixel(x, y)); };
    EXPECT_EQ(cor(5, 5), corpixel(PRETO));
    EXPECT_EQ(cor(80, 200), corpixel(BRANCO));   // outline
    EXPECT_EQ(cor(719, 299), corpixel(BRANCO));  // exclusive right and bottom edges
    EXPECT_EQ(cor(720, 299), corpixel(PRETO));
    EXPECT_EQ(cor(90, 290), corpixel(Cor{120, 90, 0}));
    int vermelho = 0, branco = 0;
    for (int y = 205; y < 300; y++)
        for (int x = 100; x < 700; x++) {
            vermelho += cor(x, y) == corpixel(Cor{200, 0, 0}) && y < 240;
            branco += cor(x, y) == corpixel(BRANCO) && y > 238;
        }
    EXPECT_GT(vermelho, 20);   // "- ERRO -"
    EXPECT_GT(branco, 200);    // the message and "APERTE Z PARA FINALIZAR."
}

TEST_F(Estados, PointerIsNotDrawnOnTheEndingAndErrorScreens) {
    ImageList guardada = DXImageListCursor;
    DXImageListCursor.Clear();
    Bitmap b;
    b.SetSize(4, 4);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 4; x++) b.SetPixel(x, y, Cor{250, 1, 250});
    SetItemPicture(DXImageListCursor.Add(), b, "Cursor-01", true);
    mousex = 200;
    mousey = 300;
    auto desenhado = [] { return corpixel(BackPixel(200 - 3 + 1, 300 + 1)) == corpixel(Cor{250, 1, 250}); };
    for (uint8_t t : {3, 6, 10}) {
        tela = t;
        FillRect(PRETO, 0, 0, 800, 600);
        DXTimer1Timer();
        EXPECT_EQ(desenhado(), t == 3) << int(t);
    }
    DXImageListCursor = guardada;
}
