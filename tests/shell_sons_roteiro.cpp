// Sound requests seen through the runner's log: served once, held while the game is frozen.
#include <gtest/gtest.h>

#include <sstream>

#include "apoio.h"

TEST(SonsRoteiro, AVoiceIsHeldWhileTheMenuFreezesTheGameAndSoundsOnceAfter) {
    PastaTemporaria pasta("sonsroteiro");
    std::string dir = pasta.caminho.string();
    // select the hero and open the options menu before the same tick; Esc closes it at tick 30
    pasta.escreve("r.txt", "10 down left 210 230\n10 up left 210 230\n10 press 113\n11 release 113\n30 press 27\n31 release 27\n");
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --mission 1 --ticks 60 --input " + dir + "/r.txt --sounds " +
                                              dir + "/s.log --state 12=" + dir + "/a.json"),
              0);
    EXPECT_EQ(campojson(leituracompleta(dir + "/a.json"), "pausa"), 1);
    std::istringstream log(leituracompleta(dir + "/s.log"));
    int tique, indice, vozes = 0, tiquevoz = 0;
    std::string lista, acao;
    bool musica = false;
    while (log >> tique >> lista >> indice >> acao) {
        if (lista == "musica") musica = musica || (indice == 0 && acao == "loop");
        if (lista != "snd") continue;
        EXPECT_LT(indice, 47);  // nothing beyond the last sound is ever played
        if (indice >= 22 && indice <= 24) {
            vozes++;
            tiquevoz = tique;
        }
    }
    EXPECT_TRUE(musica);      // the mission's track loops from its first tick
    EXPECT_EQ(vozes, 1);      // the hero answers once
    EXPECT_EQ(tiquevoz, 30);  // not while the menu was open, but on the first tick after it closed
}
