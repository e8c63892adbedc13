// The settings file: what is written reads back the same; a line that is not a setting in its range
// leaves every setting at its default.
#include <gtest/gtest.h>

#include "shell/ajustes.h"

TEST(Ajustes, WhatIsWrittenReadsBack) {
    Ajustes a;
    a.musica = false;
    a.vozes = false;
    a.velocidade = 37;
    a.telacheia = true;
    a.escala = 2;
    a.moldura = true;
    Ajustes b;
    std::string porque;
    ASSERT_TRUE(interpretaajustes(textoajustes(a), b, porque)) << porque;
    EXPECT_EQ(a, b);
    // a person's edit: spaces, comments, "não", another order, a setting left out
    ASSERT_TRUE(interpretaajustes("# meu\n  escala=3\r\nefeitos = não\n", b, porque)) << porque;
    EXPECT_EQ(b.escala, 3);
    EXPECT_FALSE(b.efeitos);
    EXPECT_TRUE(b.musica);
    EXPECT_EQ(b.velocidade, 20);
}

TEST(Ajustes, AnyBadLineGivesTheDefaults) {
    for (const char* ruim : {"velocidade = 101\n", "velocidade = -1\n", "escala = 9\n", "musica = talvez\n",
                             "volume = 3\n", "velocidade 30\n", "velocidade = 30x\n", "escala =\n"}) {
        Ajustes b;
        b.velocidade = 55;
        std::string porque;
        EXPECT_FALSE(interpretaajustes(std::string("musica = não\n") + ruim, b, porque)) << ruim;
        EXPECT_EQ(b, Ajustes{}) << ruim;
        EXPECT_NE(porque.find("linha 2"), std::string::npos) << porque;
    }
}
