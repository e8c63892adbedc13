// End to end through the headless runner on mission 5 (350 coins, a barracks and a worker on the
// opening view): what a command takes is what its cancel gives back, never more, and a command
// pressed twice before the next tick is paid once.
#include <gtest/gtest.h>

#include "apoio.h"

namespace {

struct Dinheiro : ::testing::Test {
    PastaTemporaria pasta{"roteirodinheiro"};
    std::string dir() const { return pasta.caminho.string(); }
    // Runs mission 5 with the script and returns the money after each tick 1..n.
    std::vector<long long> roda(const std::string& roteiro, int32_t n) {
        pasta.escreve("r.txt", roteiro);
        std::string estados;
        for (int32_t t = 1; t <= n; t++) estados += " --state " + std::to_string(t) + "=" + dir() + "/" + std::to_string(t) + ".json";
        std::string saida;
        EXPECT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --mission 5 --ticks " + std::to_string(n) + " --input " +
                                                  dir() + "/r.txt" + estados, &saida), 0) << saida;
        std::vector<long long> v(size_t(n) + 1, -1);
        for (int32_t t = 1; t <= n; t++) v[size_t(t)] = campojson(estado(t), "dinheiro");
        return v;
    }
    std::string estado(int32_t t) const { return leituracompleta(dir() + "/" + std::to_string(t) + ".json"); }
};

// A left or right click at a screen point before tick t.
std::string clique(int32_t t, const char* botao, int32_t x, int32_t y) {
    std::string p = std::to_string(t) + " ", c = " " + std::to_string(x) + " " + std::to_string(y) + "\n";
    return p + "move" + c + p + "down " + botao + c + p + "up " + botao + c;
}
std::string tecla(int32_t t, int32_t vk) {
    std::string p = std::to_string(t) + " ", k = " " + std::to_string(vk) + "\n";
    return p + "press" + k + p + "release" + k;
}

// Screen points of the opening view: the barracks, the worker, open ground clear of everything.
constexpr int32_t QUARTELX = 650, QUARTELY = 150, DURBICOX = 450, DURBICOY = 300, LIVREX = 250, LIVREY = 420;

// The worker places a tower, is sent away (the tower's price comes back with him), then takes the
// repair command and drops it: by a right click the first time, by Esc the second.
std::string torreabandonada(int32_t t, bool comesc) {
    std::string r = tecla(t, 'G') + std::to_string(t) + " move " + std::to_string(LIVREX) + " " + std::to_string(LIVREY) + "\n";
    r += clique(t + 2, "left", LIVREX, LIVREY);     // placed: the worker carries the price
    r += clique(t + 3, "right", 600, 300);          // sent elsewhere: the price comes back
    r += tecla(t + 4, 'C');                         // repair waits on the pointer
    r += comesc ? tecla(t + 5, 27) : clique(t + 5, "right", 700, 250);
    return r;
}

}  // namespace

TEST_F(Dinheiro, ARefundGivesBackOnlyWhatThePendingCommandTookAndADoublePressPaysOnce) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    std::string r = clique(2, "left", QUARTELX, QUARTELY);  // the barracks
    r += tecla(3, 'D') + tecla(3, 'D');                       // "TREINAR DURBICO" twice before one tick
    r += tecla(4, 27);                                        // Esc cancels the training
    r += clique(5, "left", DURBICOX, DURBICOY);               // the worker
    r += torreabandonada(6, false) + torreabandonada(12, true);
    std::vector<long long> d = roda(r, 18);
    ASSERT_EQ(d[1], 350);
    EXPECT_EQ(d[3], 250);  // one worker in training, paid once
    EXPECT_EQ(d[4], 350);  // and all of it back
    EXPECT_EQ(campojson(estado(5), "select"), campojson(estado(6), "select"));
    EXPECT_EQ(d[6], 200);  // the tower is paid
    EXPECT_EQ(campojson(estado(6), "mousenum"), 1);
    EXPECT_EQ(campojson(estado(8), "mousenum"), 0);  // and placed
    EXPECT_EQ(d[8], 200);
    EXPECT_EQ(d[9], 350);  // the worker walked off: nothing will be built
    EXPECT_EQ(campojson(estado(10), "mousenum"), 4);
    EXPECT_EQ(d[11], 350);  // a right click drops the repair, which cost nothing
    EXPECT_EQ(d[12], 200);
    EXPECT_EQ(d[15], 350);
    EXPECT_EQ(campojson(estado(16), "mousenum"), 4);
    EXPECT_EQ(d[17], 350);  // so does Esc
    EXPECT_EQ(campojson(estado(17), "mousenum"), 0);
}
