// Straight into a mission from the command line: assets first, then the mission's first gameplay tick.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio.h"

namespace {

struct MissaoDireta : ::testing::Test {
    PastaTemporaria pasta{"missaodireta"};
    std::string dir() const { return pasta.caminho.string(); }
};

}  // namespace

TEST_F(MissaoDireta, MissingAssetsLeaveTheGameOnTheErrorScreen) {
    std::filesystem::create_directory(pasta.caminho / "Sons");  // a game folder without most of its files
    ASSERT_EQ(rodajogo(dir(), "--headless --mission 1 --ticks 1 --state 1=s.json"), 0);
    std::string s = leituracompleta(dir() + "/s.json");
    EXPECT_EQ(campojson(s, "tela"), 10);
    EXPECT_NE(textojson(s, "erro").find("não foi encontrado."), std::string::npos) << textojson(s, "erro");
}

TEST_F(MissaoDireta, MissionOneStartsOnTheHeroWithTheViewClamped) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    std::string s1 = dir() + "/s1.json", s2 = dir() + "/s2.json", foto = dir() + "/m1.png";
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --mission 1 --ticks 2 --state 1=" + s1 +
                                              " --state 2=" + s2 + " --shot 2=" + foto), 0);
    std::string a = leituracompleta(s1), b = leituracompleta(s2);
    EXPECT_EQ(campojson(a, "tela"), 5);
    EXPECT_EQ(campojson(a, "ciclotela"), 1);  // tick 1 was the first gameplay tick
    EXPECT_EQ(campojson(a, "missao"), 1);
    // the hero at (200, 2150), the view from (-200, 1900) clamped to (-10, 1900)
    EXPECT_EQ(campojson(b, "camerax"), -10);
    EXPECT_EQ(campojson(b, "cameray"), 1900);
    EXPECT_EQ(campojson(b, "mapalargura"), 40);
    EXPECT_EQ(campojson(b, "mapaaltura"), 50);
    EXPECT_NE(campojson(b, "select"), 0);
    EXPECT_EQ(campojson(b, "objetivo"), 1);
    EXPECT_EQ(campojson(b, "cumprida"), 0);
    EXPECT_TRUE(std::filesystem::exists(foto));
}

TEST_F(MissaoDireta, ArrowKeysAndTheScreenEdgeScrollTheMission) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // mission 2 starts at camera (600, 2200); the arrow up and the top edge add up
    pasta.escreve("r.txt", "2 press 38\n2 move 400 0\n3 release 38\n3 move 400 300\n");
    std::string s = dir() + "/s.json", r = dir() + "/r.txt";
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --mission 2 --ticks 3 --input " + r + " --state 1=" + dir() +
                                              "/a.json --state 2=" + s), 0);
    std::string a = leituracompleta(dir() + "/a.json"), b = leituracompleta(s);
    EXPECT_EQ(campojson(b, "cameray"), campojson(a, "cameray") - 40);
    EXPECT_EQ(campojson(b, "camerax"), campojson(a, "camerax"));
}
