// End to end through the headless runner: scripted clicks and keys on mission 1 reach the handlers
// and change the game as a player's would.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio.h"

namespace {

struct RoteiroMissao : ::testing::Test {
    PastaTemporaria pasta{"roteirocomandos"};
    std::string dir() const { return pasta.caminho.string(); }
    std::string roda(const std::string& roteiro, int32_t tiques, const std::string& estados) {
        pasta.escreve("r.txt", roteiro);
        std::string saida;
        EXPECT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --mission 1 --ticks " + std::to_string(tiques) +
                                                  " --input " + dir() + "/r.txt " + estados, &saida), 0) << saida;
        return saida;
    }
};

// A field of the unit in slot u of a state dump.
long long campounidade(const std::string& json, long long u, const std::string& nome) {
    size_t p = json.find("{\"slot\":" + std::to_string(u) + ",");
    return p == std::string::npos ? -999999 : campojson(json.substr(p), nome);
}

}  // namespace

TEST_F(RoteiroMissao, TheMenuButtonEscAndTheSpeedKeys) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // tick 2: a click on the menu button; tick 3: Esc closes it; tick 4: minus slows the game
    roda("2 move 400 20\n2 down left 400 20\n2 up left 400 20\n3 press 27\n3 release 27\n4 press 189\n4 release 189\n",
         4, "--state 1=" + dir() + "/a.json --state 2=" + dir() + "/b.json --state 3=" + dir() + "/c.json --state 4=" +
                dir() + "/d.json");
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(dir() + "/b.json");
    std::string c = leituracompleta(dir() + "/c.json"), d = leituracompleta(dir() + "/d.json");
    EXPECT_EQ(campojson(a, "menu"), 0);
    EXPECT_EQ(campojson(b, "menu"), 1);
    EXPECT_EQ(campojson(c, "menu"), 0);
    EXPECT_EQ(campojson(d, "velocidadejogo"), campojson(a, "velocidadejogo") + 1);
}

TEST_F(RoteiroMissao, AClickOnEmptyGroundKeepsTheHeroAsTheMainUnit) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // the hero is the main unit at the start; a click far from everyone leaves it the main unit,
    // still marked as selected, and a right click then sends it walking
    roda("2 move 700 60\n2 down left 700 60\n2 up left 700 60\n"
         "3 move 300 300\n3 down right 300 300\n4 up right 300 300\n",
         4, "--state 1=" + dir() + "/a.json --state 3=" + dir() + "/c.json");
    std::string a = leituracompleta(dir() + "/a.json"), c = leituracompleta(dir() + "/c.json");
    EXPECT_NE(campojson(a, "select"), 0);
    EXPECT_EQ(campojson(c, "select"), campojson(a, "select"));
    EXPECT_EQ(campojson(c, "mousenum"), 0);
    EXPECT_EQ(campounidade(a, campojson(a, "select"), "selecionado"), 1);
    EXPECT_EQ(campounidade(c, campojson(c, "select"), "selecionado"), 1);
    EXPECT_EQ(campounidade(c, campojson(c, "select"), "posicao"), 2);  // walking to the clicked point
}

TEST_F(RoteiroMissao, TheHeroStartsSelectedAloneAndTheFirstRightClickSendsHim) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // no left click at all: the right click before tick 2 is the player's first order
    roda("2 move 300 300\n2 down right 300 300\n2 up right 300 300\n", 6,
         "--state 1=" + dir() + "/a.json --state 2=" + dir() + "/b.json --state 6=" + dir() + "/f.json");
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(dir() + "/b.json");
    std::string f = leituracompleta(dir() + "/f.json");
    const long long h = campojson(a, "select");
    ASSERT_GT(h, 0);
    EXPECT_EQ(campounidade(a, h, "selecionado"), 1);
    // the hero is the only unit marked
    size_t marcados = 0;
    for (size_t p = a.find("\"selecionado\":true"); p != std::string::npos; p = a.find("\"selecionado\":true", p + 1))
        marcados++;
    EXPECT_EQ(marcados, 1u);
    EXPECT_EQ(campounidade(a, h, "posicao"), 1);  // standing
    EXPECT_EQ(campounidade(b, h, "posicao"), 2);  // walking
    // and he has left the spot he started on
    EXPECT_NE(campounidade(f, h, "x"), campounidade(a, h, "x"));
}

TEST_F(RoteiroMissao, TheHotKeyOfThePanelsFireStaffWaitsForATargetUntilEsc) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // tick 2: F1 selects the hero, whose panel offers "BASTÃO DE FOGO"; tick 3: its F; tick 5: Esc
    roda("2 press 112\n2 release 112\n3 press 70\n3 release 70\n5 press 27\n5 release 27\n", 5,
         "--state 3=" + dir() + "/c.json --state 5=" + dir() + "/e.json");
    std::string c = leituracompleta(dir() + "/c.json"), e = leituracompleta(dir() + "/e.json");
    EXPECT_EQ(campojson(c, "mousenum"), 10);
    EXPECT_EQ(campojson(c, "cursor"), 4);  // the service target
    EXPECT_EQ(campojson(e, "mousenum"), 0);
    EXPECT_EQ(campojson(e, "cursor"), 0);
}
