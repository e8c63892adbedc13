// The saved game: 19 decimal lines with a weighted check sum, written whole, and every bad file
// leading to the error screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio.h"
#include "input/jogosalvo.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world_apoio.h"

namespace {
struct Save : mundoteste::Mundo {
    PastaTemporaria pasta{"save"};
    void SetUp() override {
        Mundo::SetUp();
        tela = 3;
        missao = 2;
    }
    static std::string arquivo(const std::vector<std::string>& linhas) {
        std::string t;
        for (const std::string& l : linhas) t += l + "\r\n";
        return t;
    }
    const std::vector<std::string> novo{"2", "1", "0", "23", "18", "13", "0", "1", "0", "0",
                                        "0", "0", "0", "0", "0", "0", "0", "0", "84"};
};
}  // namespace

TEST_F(Save, NewHeroBeforeMissionTwoGivesTheKnownFile) {
    salvajogo();
    EXPECT_EQ(leituracompleta((pasta.caminho / ARQUIVOSAVE).string()), arquivo(novo));
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho / "Vorlandocraft.sav.tmp"));
}

TEST_F(Save, SavingTwiceWritesTheSameFile) {
    heroisalvo.itens[2] = 17;
    heroisalvo.experiencia = 420;
    salvajogo();
    std::string a = leituracompleta((pasta.caminho / ARQUIVOSAVE).string());
    salvajogo();
    EXPECT_EQ(leituracompleta((pasta.caminho / ARQUIVOSAVE).string()), a);
}

TEST_F(Save, LoadingReadsTheHeroAndGoesToTheBriefing) {
    heroisalvo.nivel = 5;
    heroisalvo.forca = 40;
    heroisalvo.tecnicas[2] = 3;
    heroisalvo.itens[5] = 34;
    heroisalvo.pontostecnica = 2;
    missao = 7;
    salvajogo();
    novoheroisalvo();
    missao = 1;
    menu = 3;
    carregajogo();
    EXPECT_EQ(tela, 4);
    EXPECT_EQ(ciclotela, 0);
    EXPECT_TRUE(preparamissao);
    EXPECT_EQ(menu, 0);
    EXPECT_EQ(missao, 7);
    EXPECT_EQ(heroisalvo.nivel, 5);
    EXPECT_EQ(heroisalvo.forca, 40);
    EXPECT_EQ(heroisalvo.tecnicas[2], 3);
    EXPECT_EQ(heroisalvo.itens[5], 34);
    EXPECT_EQ(heroisalvo.pontostecnica, 2);
    EXPECT_TRUE(erro.empty());
}

TEST_F(Save, NoFileLoadsNothing) {
    carregajogo();
    EXPECT_EQ(tela, 3);
    EXPECT_FALSE(preparamissao);
}

TEST_F(Save, AnySingleChangeWithoutFixingTheSumGivesTheErrorScreen) {
    for (int32_t i = 0; i < 18; i++) {
        std::vector<std::string> l = novo;
        l[size_t(i)] = std::to_string(std::stoi(l[size_t(i)]) + 1);
        pasta.escreve(ARQUIVOSAVE, arquivo(l));
        tela = 3;
        erro.clear();
        carregajogo();
        EXPECT_EQ(tela, 10) << "line " << i + 1;
        EXPECT_EQ(erro, "Arquivo  Vorlandocraft.sav  inválido.") << "line " << i + 1;
    }
}

TEST_F(Save, A256OnAByteLineIsStoredAsZeroAndChecksAsZero) {
    std::vector<std::string> l = novo;
    l[6] = "256";  // technique points: stored as 0, so the sum of the new hero still holds
    pasta.escreve(ARQUIVOSAVE, arquivo(l));
    carregajogo();
    EXPECT_EQ(tela, 4);
    EXPECT_EQ(heroisalvo.pontostecnica, 0);
    l[18] = std::to_string(84 + 5 * 256);  // a sum made from 256 does not match the stored 0
    pasta.escreve(ARQUIVOSAVE, arquivo(l));
    carregajogo();
    EXPECT_EQ(tela, 10);
}

TEST_F(Save, TruncatedOrGarbledFilesGiveTheErrorScreenAndStoreNothing) {
    std::vector<std::string> ruins = {
        "",                                            // empty
        arquivo(std::vector<std::string>(novo.begin(), novo.begin() + 18)),  // no check sum
        arquivo(novo).substr(0, 20),                   // cut in the middle
        "2\r\n1\r\nabc\r\n",                           // not a number
        arquivo({"-2", "1", "0", "23", "18", "13", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "78"}),
        arquivo({"2", "1", "0", "23", "18", "13", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                 "99999999999999999999"}),
        std::string("\0\0\0\xff", 4),
    };
    for (size_t i = 0; i < ruins.size(); i++) {
        pasta.escreve(ARQUIVOSAVE, ruins[i]);
        novoheroisalvo();
        missao = 2;
        tela = 3;
        erro.clear();
        carregajogo();
        EXPECT_EQ(tela, 10) << i;
        EXPECT_EQ(erro, "Arquivo  Vorlandocraft.sav  inválido.") << i;
        EXPECT_EQ(missao, 2) << i;
        EXPECT_EQ(heroisalvo.forca, 23) << i;
    }
}

TEST_F(Save, MatchingSumWithAnUnplayableMissionOrItemIsRefused) {
    // mission 13 with the sum fixed: 84 + 3 x 11
    std::vector<std::string> l = novo;
    l[0] = "13";
    l[18] = std::to_string(84 + 33);
    pasta.escreve(ARQUIVOSAVE, arquivo(l));
    carregajogo();
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(missao, 2);  // nothing out of range is kept
    // item 35 in slot 1
    l = novo;
    l[12] = "35";
    l[18] = std::to_string(84 + 3 * 35);
    pasta.escreve(ARQUIVOSAVE, arquivo(l));
    tela = 3;
    carregajogo();
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(heroisalvo.itens[0], 0);
}

TEST_F(Save, PlainLineFeedsAreReadToo) {
    std::string t;
    for (const std::string& l : novo) t += l + "\n";
    pasta.escreve(ARQUIVOSAVE, t);
    carregajogo();
    EXPECT_EQ(tela, 4);
}

TEST_F(Save, AFileThatCannotBeWrittenKeepsTheOldOneAndTheRunGoesOn) {
    salvajogo();
    std::string antigo = leituracompleta((pasta.caminho / ARQUIVOSAVE).string());
    std::filesystem::create_directory(pasta.caminho / "Vorlandocraft.sav.tmp");  // a folder in the way
    heroisalvo.experiencia = 999;
    EXPECT_FALSE(salvajogo());
    EXPECT_EQ(tela, 3);
    EXPECT_TRUE(erro.empty());
    EXPECT_NE(mensagem.find("NÃO PÔDE SER SALVO"), std::string::npos);
    EXPECT_EQ(mensagemtempo, 200);
    EXPECT_EQ(leituracompleta((pasta.caminho / ARQUIVOSAVE).string()), antigo);
}
