// Recording and replaying a run: 3,000 ticks of mission 5 played by a script (selections, orders,
// scrolling, the menu, a group) are recorded, and the recording alone gives the same frames and state.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "apoio.h"

namespace {

struct Gravacao : ::testing::Test {
    PastaTemporaria pasta{"gravacao"};
    std::string em(const std::string& arquivo) const { return pasta.caminho.string() + "/" + arquivo; }
    std::string registros(const std::string& prefixo) const {
        std::string r;
        for (int t : {1, 1000, 2000, 3000}) r += " --shot " + std::to_string(t) + "=" + em(prefixo + std::to_string(t) + ".png");
        return r + " --state 1=" + em(prefixo + "1.json") + " --state 3000=" + em(prefixo + "3000.json");
    }
};

}  // namespace

TEST_F(Gravacao, AScriptedMissionReplaysToTheSameFrames) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    pasta.escreve("r.txt",
                  "# a box around the band, then an order to walk\n"
                  "20 move 300 140\n20 down left 300 140\n21 move 480 320\n22 up left 480 320\n"
                  "25 move 620 380\n25 down right 620 380\n25 up right 620 380\n"
                  "# the left arrow held for a second\n200 press 37\n250 release 37\n"
                  "# the witch alone, sent up the map\n400 move 350 240\n400 down left 350 240\n400 up left 350 240\n"
                  "420 down right 200 120\n420 up right 200 120\n"
                  "# slower, then the options menu opened and closed\n800 press 189\n800 release 189\n"
                  "1000 press 113\n1000 release 113\n1100 press 27\n1100 release 27\n"
                  "# the pointer at the right edge scrolls\n1500 move 799 200\n1600 move 400 300\n"
                  "# the hero again, sent back down, and stored as group 1\n2000 press 112\n2000 release 112\n"
                  "2001 down right 300 400\n2001 up right 300 400\n"
                  "2500 press 16\n2500 press 49\n2500 release 49\n2500 release 16\n2700 press 49\n2700 release 49\n");
    std::string saida;
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --mission 5 --seed 5 --ticks 3000 --input " + em("r.txt") +
                                              " --record " + em("g.txt") + registros("a"), &saida), 0) << saida;
    std::string g = leituracompleta(em("g.txt"));
    EXPECT_NE(g.find("# semente 5\n"), std::string::npos) << g.substr(0, 300);
    EXPECT_NE(g.find("# missao 5\n"), std::string::npos);
    EXPECT_NE(g.find("\n2001 down right 300 400\n"), std::string::npos);
    EXPECT_NE(g.find("\n250 release 37\n"), std::string::npos);
    EXPECT_EQ(g.substr(g.size() - 11), "# fim 3000\n");
    // the script changed the game: the view moved and the group holds the hero
    std::string a1 = leituracompleta(em("a1.json")), a3 = leituracompleta(em("a3000.json"));
    EXPECT_NE(campojson(a1, "camerax"), campojson(a3, "camerax"));
    EXPECT_EQ(campojson(a3, "velocidadejogo"), 21);

    // the recording alone, without a seed, a mission or a script
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --replay " + em("g.txt") + registros("b"), &saida), 0) << saida;
    for (int t : {1, 1000, 2000, 3000}) {
        std::string a = leituracompleta(em("a" + std::to_string(t) + ".png")), b = leituracompleta(em("b" + std::to_string(t) + ".png"));
        ASSERT_GT(a.size(), 1000u) << t;
        EXPECT_TRUE(a == b) << "frame " << t << " differs in the replay";
    }
    EXPECT_EQ(leituracompleta(em("b3000.json")), a3);
    // the frames did change along the way, so equal frames mean something
    EXPECT_NE(leituracompleta(em("a1.png")), leituracompleta(em("a3000.png")));
}

TEST_F(Gravacao, AReplayRefusesASeedAndABadFile) {
    pasta.escreve("g.txt", "# semente 3\n5 move 1 2\n");
    pasta.escreve("ruim.txt", "5 move 1 2\n");
    std::string saida;
    EXPECT_EQ(rodajogo(pasta.caminho.string(), "--headless --replay g.txt --seed 4", &saida), 2);
    EXPECT_NE(saida.find("--replay"), std::string::npos) << saida;
    EXPECT_EQ(rodajogo(pasta.caminho.string(), "--headless --replay ruim.txt", &saida), 2);
    EXPECT_NE(saida.find("# semente"), std::string::npos) << saida;
}

// Recordings come attached to bug reports and scripts from other programs: whatever they hold, the
// run stops before its first tick with exit code 2 and one short, printable line naming the fault.
TEST_F(Gravacao, HostileRecordingsAndScriptsGetOneShortLineAndExitTwo) {
    const std::string lixo = "7 \x01\x02\xff muito lixo " + std::string(5000, 'x') + "\n";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"5 move 0 -2147483648\n", "linha 1"},
        {"# semente 1\n3 down left 10 10\n4 move 2147483647 5\n5 up left 10 10\n", "linha 3"},
        {"# semente 1\n1 move 800 10\n", "linha 2"},
        {"# semente 1\n# fim 2147483648\n", "# fim"},
        {"# semente 1\n2147483647 press 65\n", "linha 2"},
        {"# semente -1\n1 press 65\n", "# semente"},
        {"# semente abc\n", "# semente"},
        {"# semente 1\n" + lixo, "linha 2"},
    };
    for (size_t i = 0; i < casos.size(); i++) {
        const std::string arquivo = "h" + std::to_string(i) + ".txt";
        pasta.escreve(arquivo, casos[i].first);
        for (const std::string& modo : {"--replay ", "--ticks 3 --input "}) {
            // the script reader takes no header: its cases are the event lines
            if (modo[2] == 't' && casos[i].second[0] == '#') continue;
            std::string saida;
            EXPECT_EQ(rodajogo(pasta.caminho.string(), "--headless " + modo + arquivo, &saida), 2) << i << modo << saida;
            EXPECT_NE(saida.find(casos[i].second), std::string::npos) << i << modo << saida;
            EXPECT_EQ(saida.find('\n'), saida.size() - 1) << i << modo << "one line: " << saida;
            EXPECT_LT(saida.size(), 200u) << i << modo << saida;
            for (unsigned char c : saida) EXPECT_TRUE(c >= 32 || c == '\n') << i << modo << saida;
        }
    }
    // a folder, and a file past the size bound (sparse: nothing is written to make it)
    std::filesystem::create_directory(pasta.caminho / "pasta.txt");
    std::filesystem::resize_file(pasta.caminho / "h0.txt", (64u << 20) + 1);
    for (const std::string& arquivo : {"pasta.txt", "h0.txt"}) {
        std::string saida;
        EXPECT_EQ(rodajogo(pasta.caminho.string(), "--headless --replay " + arquivo, &saida), 2) << saida;
        EXPECT_EQ(saida.find("# semente"), std::string::npos) << saida;
        EXPECT_EQ(saida.find('\n'), saida.size() - 1) << saida;
    }
}
