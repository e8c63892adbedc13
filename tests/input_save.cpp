// The saved game: 19 decimal lines with a weighted check sum, written whole, and every bad file
// leading to the error screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "apoio.h"
#include "input/comandos.h"
#include "input/jogosalvo.h"
#include "render/tabelacomandos.h"
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
    const std::string caminho = (pasta.caminho / ARQUIVOSAVE).string();
    ASSERT_TRUE(salvajogo());
    std::string a = leituracompleta(caminho);
    // the file holds this hero: experience on line 3, the item on line 15, and their weights in the sum
    std::vector<std::string> esperado = novo;
    esperado[2] = "420";
    esperado[14] = "17";
    esperado[18] = std::to_string(84 + 420 + 3 * 17);
    EXPECT_EQ(a, arquivo(esperado));
    // the second save writes the file again (it was taken away), byte for byte the same
    std::filesystem::remove(caminho);
    ASSERT_TRUE(salvajogo());
    EXPECT_EQ(leituracompleta(caminho), a);
}

TEST_F(Save, LoadingReadsTheHeroAndGoesToTheBriefing) {
    // a hero of level 6: five rises, five technique points of which three went into the tremor
    heroisalvo.nivel = 6;
    heroisalvo.forca = 40;
    heroisalvo.agilidade = 30;
    heroisalvo.inteligencia = 25;
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
    EXPECT_EQ(heroisalvo.nivel, 6);
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
        const ValoresSave antes = valoressalvos();
        carregajogo();
        EXPECT_EQ(tela, 10) << "line " << i + 1;
        EXPECT_EQ(erro, "Arquivo  Vorlandocraft.sav  inválido.") << "line " << i + 1;
        // a refused file leaves the hero and the mission as they were
        EXPECT_EQ(valoressalvos(), antes) << "line " << i + 1;
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

namespace {
// The file for these values with a check sum that agrees with them.
std::string comsoma(ValoresSave v) {
    std::string t;
    for (int64_t x : v) t += std::to_string(x) + "\r\n";
    return t + std::to_string(somaverificacao(v)) + "\r\n";
}
}  // namespace

TEST_F(Save, AMatchingSumOnAHeroNoPlayCanMakeIsRefused) {
    // lines: mission, level, experience, strength, agility, intelligence, points, 5 techniques, 6 items
    const ValoresSave novo{2, 1, 0, 23, 18, 13, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<std::pair<const char*, ValoresSave>> casos;
    auto caso = [&](const char* nome, size_t linha, int64_t valor) {
        ValoresSave v = novo;
        v[linha] = valor;
        casos.push_back({nome, v});
    };
    caso("level 255", 1, 255);
    caso("level 0", 1, 0);
    caso("level 16", 1, 16);
    caso("strength 65535", 3, 65535);
    caso("agility 65535", 4, 65535);
    caso("intelligence 65535", 5, 65535);
    caso("strength below the start", 3, 22);
    caso("a technique point never earned", 6, 1);
    caso("the fire staff unknown", 7, 0);
    caso("a technique at level 4", 9, 4);
    ValoresSave v = novo;  // level 3 with one of its two points
    v[1] = 3;
    v[3] = 29;
    v[4] = 22;
    v[5] = 17;
    v[6] = 1;
    casos.push_back({"level 3 with a point missing", v});
    for (const auto& [nome, valores] : casos) {
        pasta.escreve(ARQUIVOSAVE, comsoma(valores));
        novoheroisalvo();
        missao = 2;
        tela = 3;
        erro.clear();
        carregajogo();
        EXPECT_EQ(tela, 10) << nome;
        EXPECT_EQ(erro, "Arquivo  Vorlandocraft.sav  inválido.") << nome;
        EXPECT_EQ(heroisalvo.nivel, 1) << nome;  // nothing of it is kept
        EXPECT_EQ(heroisalvo.forca, 23) << nome;
    }
}

TEST_F(Save, AHeroRaisedByPlayToTheLevelCapLoads) {
    // the hero of a new game, strengthened by books to 250, rising level by level in the unit
    // update and spending three points on the tremor; at the cap one more rise in the pass that
    // caps him
    criaunidade(9, 500, 500, 1, 500, 500, 0, 0);
    Unidade& h = unidades[1];
    ASSERT_TRUE(h.heroi);
    h.forca = 250;
    for (int32_t k = 0; k < 15; k++) {
        calculaatributos(1);
        h.experiencia = h.nivel < 15 ? h.experienciaprox : 9000;
        atualizaunidades();
    }
    ASSERT_EQ(h.nivel, 15);
    ASSERT_EQ(h.pontostecnica, 15);
    for (int32_t k = 0; k < 3; k++) comandounidade(APRENDETREMOR, 1, 0, 0);
    ASSERT_EQ(h.tecnicas[2], 3);
    heroisalvo = h;
    missao = 9;
    ASSERT_TRUE(salvajogo());
    novoheroisalvo();
    carregajogo();
    EXPECT_EQ(tela, 4);
    EXPECT_TRUE(erro.empty()) << erro;
    EXPECT_EQ(heroisalvo.nivel, 15);
    EXPECT_EQ(heroisalvo.forca, 250 + 15 * 3);
    EXPECT_EQ(heroisalvo.pontostecnica, 12);
}

TEST_F(Save, ASaveThatCannotBeReadSaysSo) {
    salvajogo();
    std::filesystem::permissions(pasta.caminho / ARQUIVOSAVE, std::filesystem::perms::none);
    // the administrator reads everything: the load runs as an ordinary user meanwhile
    const bool administrador = ::geteuid() == 0;
    if (administrador) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    carregajogo();
    if (administrador) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(erro, "Arquivo  Vorlandocraft.sav  não pôde ser lido.");
}

TEST_F(Save, ALeftoverTemporaryFileIsReplacedNotWrittenThrough) {
    // an earlier write killed midway left its temporary file, here a link to another file
    pasta.escreve("outro.txt", "intacto");
    std::filesystem::create_symlink(pasta.caminho / "outro.txt", pasta.caminho / "Vorlandocraft.sav.tmp");
    ASSERT_TRUE(salvajogo());
    EXPECT_EQ(leituracompleta((pasta.caminho / "outro.txt").string()), "intacto");
    EXPECT_FALSE(std::filesystem::is_symlink(pasta.caminho / ARQUIVOSAVE));
    EXPECT_EQ(leituracompleta((pasta.caminho / ARQUIVOSAVE).string()), arquivo(novo));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(pasta.caminho / "Vorlandocraft.sav.tmp")));
    EXPECT_EQ(mensagem, "JOGO SALVO.");
}
