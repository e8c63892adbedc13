// The headless runner end to end: ticks, scripted input, state dumps, screenshots, bad scripts.
#include <gtest/gtest.h>

#include "apoio.h"
#include "apoio_conteudo.h"

namespace {

struct Headless : ::testing::Test {
    PastaTemporaria pasta{"headless"};
    std::string dir() const { return pasta.caminho.string(); }
};

}  // namespace

TEST_F(Headless, TickTwentyFiveLeavesTheLoadingScreen) {
    criaconteudominimo(pasta.caminho);
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 25 --seed 1 --state 1=a.json --state 24=b.json --state 25=c.json"), 0);
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(dir() + "/b.json"),
                c = leituracompleta(dir() + "/c.json");
    EXPECT_EQ(campojson(a, "tick"), 1);
    EXPECT_EQ(campojson(a, "tela"), 0);
    EXPECT_EQ(campojson(a, "ciclotela"), 1);
    EXPECT_EQ(campojson(a, "ciclotelamax"), 25);
    EXPECT_EQ(campojson(a, "velocidadejogo"), 20);
    EXPECT_EQ(campojson(b, "tela"), 0);
    EXPECT_EQ(campojson(c, "tela"), 1);
}

TEST_F(Headless, FlagFilesReachTheDump) {
    criaconteudominimo(pasta.caminho);  // a game folder: its own flag files count
    pasta.escreve("Tokyo.dat", "");
    pasta.escreve("Msx.dat", "");
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 1 --state 1=s.json"), 0);
    std::string s = leituracompleta(dir() + "/s.json");
    EXPECT_EQ(campojson(s, "ritmotrabalho"), 5);
    EXPECT_EQ(campojson(s, "arquivomsx"), 1);
    EXPECT_EQ(campojson(s, "arquivoanselva"), 0);
}

TEST_F(Headless, ScriptedPointerAndKeysReachTheGame) {
    pasta.escreve("r.txt", "# speed keys and the pointer\n3 move 123 456\n4 press 189\n4 release 189\n5 press 187\n5 press 187\n");
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 6 --input r.txt --state 3=a.json --state 6=b.json"), 0);
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(dir() + "/b.json");
    EXPECT_EQ(campojson(a, "mousex"), 123);
    EXPECT_EQ(campojson(a, "mousey"), 456);
    EXPECT_EQ(campojson(b, "velocidadejogo"), 19);
}

TEST_F(Headless, BadScriptLineIsNamed) {
    pasta.escreve("r.txt", "1 move 1 2\n2 jump 3 4\n");
    std::string saida;
    EXPECT_NE(rodajogo(dir(), "--headless --ticks 3 --input r.txt", &saida), 0);
    EXPECT_NE(saida.find("linha 2"), std::string::npos) << saida;
}

TEST_F(Headless, UnknownOptionIsRefused) {
    std::string saida;
    EXPECT_EQ(rodajogo(dir(), "--headless --tickz 3", &saida), 2);
    EXPECT_NE(saida.find("--tickz"), std::string::npos);
}

TEST_F(Headless, ScreenshotsRepeatByteForByte) {
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 30 --seed 5 --shot 10=a.png --shot 30=c.png"), 0);
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 30 --seed 5 --shot 10=b.png --shot 30=d.png"), 0);
    std::string a = leituracompleta(dir() + "/a.png"), b = leituracompleta(dir() + "/b.png");
    ASSERT_GT(a.size(), 100u);
    EXPECT_EQ(a.substr(1, 3), "PNG");
    EXPECT_EQ(a, b);
    EXPECT_EQ(leituracompleta(dir() + "/c.png"), leituracompleta(dir() + "/d.png"));
}

TEST_F(Headless, SoundLogIsWrittenEvenWhenEmpty) {
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 2 --sounds s.txt"), 0);
    EXPECT_TRUE(std::filesystem::exists(dir() + "/s.txt"));
}

TEST_F(Headless, WindowWithoutADisplaySaysWhy) {
    std::string cmd = "cd '" + dir() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 10 '" VORLANDO_BIN "' 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string saida;
    char buf[512];
    while (fgets(buf, sizeof buf, p)) saida += buf;
    int st = pclose(p);
    if (WEXITSTATUS(st) == 124) GTEST_SKIP() << "this machine opened a screen without a display server";
    EXPECT_EQ(WEXITSTATUS(st), 1);
    EXPECT_NE(saida.find("nenhuma tela"), std::string::npos) << saida;
    EXPECT_NE(saida.find("--headless"), std::string::npos);
}

TEST_F(Headless, GameFolderWithoutPicturesStopsOnTheErrorScreenAndZEndsTheRun) {
    std::filesystem::create_directory(pasta.caminho / "Unidades");  // a game folder, emptied
    pasta.escreve("r.txt", "6 press 90\n");
    ASSERT_EQ(rodajogo(dir(), "--headless --ticks 20 --input r.txt --state 5=a.json --state 6=b.json --state 9=c.json --shot 5=e.png"), 0);
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(dir() + "/b.json");
    EXPECT_EQ(campojson(a, "tela"), 10);
    EXPECT_EQ(textojson(a, "erro"), "Arquivo  Unidades/Unid-001.gmb  não foi encontrado.");
    EXPECT_EQ(campojson(a, "sair"), 0);
    EXPECT_EQ(campojson(b, "sair"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir() + "/c.json"));  // the run ended with the tick that saw sair
    EXPECT_TRUE(std::filesystem::exists(dir() + "/e.png"));
}
