// The built-in texts: line counts, block separators, and the lines the screens compute.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "assets/textos.h"

TEST(TextosInternos, CadaTextoTemSeuNumeroDeLinhas) {
    EXPECT_EQ(std::size(MemoMapa), 60u);
    EXPECT_EQ(std::size(MemoDicas), 106u);
    EXPECT_EQ(std::size(MemoJapao), 42u);
}

TEST(TextosInternos, BlocosComecamComSeparador) {
    for (int m = 1; m <= 12; m++) EXPECT_STREQ(MemoMapa[5 * (m - 1)], "-") << "capítulo " << m;
    for (int k = 0; k < 15; k++) EXPECT_STREQ(MemoDicas[7 * k], "-") << "dica " << k + 1;
    EXPECT_STREQ(MemoDicas[105], "-");
    for (int k = 0; k < 10; k++) EXPECT_STREQ(MemoJapao[4 * k], "-") << "página " << k + 1;
    EXPECT_STREQ(MemoJapao[40], "-");
    EXPECT_STREQ(MemoJapao[41], "");
    // no text line is a separator
    for (int m = 1; m <= 12; m++)
        for (int i = 1; i < 5; i++) EXPECT_STRNE(MemoMapa[5 * (m - 1) + i], "-");
}

TEST(TextosInternos, TitulosDosCapitulosNaLinhaDoBriefing) {
    // the briefing shows line 5(m - 1) + 1 as the title and the next three as the text
    EXPECT_STREQ(MemoMapa[1], "O INÍCIO");
    EXPECT_STREQ(MemoMapa[2], "Seu Vorlando inicia sua grande jornada em busca ");
    EXPECT_STREQ(MemoMapa[5 * 2 + 1], "BRUXA VEMOS , COSTUMES NÃO SABEMOS");
    EXPECT_STREQ(MemoMapa[5 * 2 + 4], "");
    EXPECT_STREQ(MemoMapa[5 * 9 + 1], "PRA QUE TE SERVEM OS OLHOS ?");
    EXPECT_STREQ(MemoMapa[5 * 9 + 4], "pontinhos vermelhos ...");
    EXPECT_STREQ(MemoMapa[5 * 11 + 1], "DUELO FINAL");
    EXPECT_STREQ(MemoMapa[5 * 11 + 2], "Quem vencer , ficará com o violão ...");
    EXPECT_STREQ(MemoMapa[5 * 11 + 3], "");
    EXPECT_STREQ(MemoMapa[59], "");
}

TEST(TextosInternos, DicaQuinzeOcupaAsLinhas99a104) {
    const char* esperado[6] = {"ALGUNS COMANDOS COMO CONSERTAR", "ESTRUTURAS E CURAR , PODEM SER",
                               "USADOS AUTOMATICAMENTE ... BASTA APERTAR", "O BOTÃO DIREITO SOBRE O ÍCONE DO COMANDO.",
                               "CLICANDO NOVAMENTE SOBRE O ÍCONE ,", "DESLIGA-SE A FUNÇÃO AUTOMÁTICA ."};
    for (int i = 0; i < 6; i++) EXPECT_STREQ(MemoDicas[99 + i], esperado[i]);
    // tip n shows lines 7(n - 1) + 1 .. + 6
    EXPECT_STREQ(MemoDicas[1], "PARA SELECIONAR UMA UNIDADE , APERTE");
    EXPECT_STREQ(MemoDicas[4], "");
    EXPECT_STREQ(MemoDicas[7 * 2 + 1], "- USE AS TECLAS DE ATALHO -");
    EXPECT_STREQ(MemoDicas[7 * 13 + 1], "A BOLA DE FOGO DA BRUXA MORGAVA PODE SER");
    EXPECT_STREQ(MemoDicas[7 * 13 + 6], "");
}

TEST(TextosInternos, PaginasDoJapaoNasLinhas4pMenos3a4pMenos1) {
    EXPECT_STREQ(MemoJapao[1], "O Japão é um arquipélago formado por 4 grandes ilhas : HONSHU ,");
    EXPECT_STREQ(MemoJapao[3], "de pessoas e seu território é de 377,800 km². A capital é TOKYO .");
    EXPECT_STREQ(MemoJapao[4 * 9 - 3], "Alguns pratos típicos do Japão são : SUSHI , TEMAKI , YAKISOBA , etc ...");
    EXPECT_STREQ(MemoJapao[4 * 9 - 2], "Antes de comer , os japoneses dizem \" ITADAKIMASSU \" em sinal de");
    EXPECT_STREQ(MemoJapao[4 * 9 - 1], "educação que significa : \" com licença , vou comer a comida \" .");
    EXPECT_STREQ(MemoJapao[4 * 10 - 1], "principalmente espadas . A palavra SAMURAI significa \"aquele que serve\".");
}
