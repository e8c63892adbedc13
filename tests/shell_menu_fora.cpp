// The options menu and the briefing's notes keep to their own screens, end to end through the
// headless runner from loading: F2 and the menu tab act during play only, a mission starts with the
// menu closed, and what the briefing says about the save is not carried into the mission.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio.h"

namespace fs = std::filesystem;

namespace {

struct ForaDoJogo : ::testing::Test {
    PastaTemporaria pasta{"menufora"};
    void SetUp() override {
        ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
        for (const auto& d : fs::directory_iterator(VORLANDO_GAME_DIR))
            if (d.is_directory()) fs::create_directory_symlink(d.path(), pasta.caminho / d.path().filename());
        fs::create_directories(revisao());
    }
    static fs::path revisao() { return fs::path(VORLANDO_GAME_DIR).parent_path() / "review" / "telas"; }
    std::string dir() const { return pasta.caminho.string(); }
    void roda(const std::string& roteiro, const std::string& argumentos) {
        pasta.escreve("roteiro.txt", roteiro);
        std::string saida;
        EXPECT_EQ(rodajogo(dir(), "--headless --seed 3 --input roteiro.txt " + argumentos, &saida), 0) << saida;
    }
    std::string estado(const std::string& nome) const { return leituracompleta(dir() + "/" + nome); }
};

std::string clique(int32_t t, int32_t x, int32_t y) {
    std::string p = std::to_string(t) + " ", c = " " + std::to_string(x) + " " + std::to_string(y) + "\n";
    return p + "move" + c + p + "down left" + c + p + "up left" + c;
}
std::string tecla(int32_t t, int32_t vk) {
    std::string p = std::to_string(t) + " ", k = " " + std::to_string(vk) + "\n";
    return p + "press" + k + p + "release" + k;
}

// Z leaves the trivia page at tick 260; "INICIAR O JOGO" before tick 296 makes it the first tick of
// the first briefing, whose buttons stand from its eleventh tick.
const std::string ATEBRIEFING = tecla(260, 'Z') + clique(296, 400, 345);
// "SALVAR" and "CONTINUAR ..." on the briefing.
constexpr int32_t SALVARX = 90, SALVARY = 566, CONTINUARX = 705, CONTINUARY = 566;

}  // namespace

TEST_F(ForaDoJogo, TheOptionsMenuOpensDuringPlayOnlyAndItsSliderStaysInRange) {
    std::string r = tecla(270, 113);                 // F2 on the main menu
    r += ATEBRIEFING + clique(300, 400, 20);         // the chapter heading, where the tab is in play
    r += clique(320, CONTINUARX, CONTINUARY);        // the mission starts
    r += tecla(335, 113);                            // F2 in play
    r += clique(340, 345, 265);                      // the speed slider's left end
    roda(r, "--ticks 342 --state 275=m.json --state 305=b.json --state 330=j.json --state 336=o.json "
            "--state 342=v.json");
    std::string m = estado("m.json"), b = estado("b.json"), j = estado("j.json");
    EXPECT_EQ(campojson(m, "tela"), 3);
    EXPECT_EQ(campojson(m, "menu"), 0);
    EXPECT_EQ(campojson(b, "tela"), 4);
    EXPECT_EQ(campojson(b, "menu"), 0);
    EXPECT_EQ(campojson(j, "tela"), 5);
    EXPECT_EQ(campojson(j, "menu"), 0);
    EXPECT_EQ(campojson(j, "pausa"), 0);  // the mission runs
    EXPECT_EQ(campojson(estado("o.json"), "menu"), 1);
    EXPECT_EQ(campojson(estado("v.json"), "velocidadejogo"), 100);  // the slowest, not beyond
}

TEST_F(ForaDoJogo, WhatTheBriefingSaysAboutTheSaveStaysOnTheBriefing) {
    // a save that fails (a folder stands where the file is first written)
    fs::create_directory(pasta.caminho / "Vorlandocraft.sav.tmp");
    std::string r = ATEBRIEFING + clique(310, SALVARX, SALVARY) + clique(320, CONTINUARX, CONTINUARY);
    roda(r, "--ticks 330 --state 312=b.json --state 330=j.json");
    std::string b = estado("b.json"), j = estado("j.json");
    EXPECT_EQ(campojson(b, "tela"), 4);
    EXPECT_EQ(textojson(b, "mensagem"), "O JOGO NÃO PÔDE SER SALVO NESTA PASTA.");
    EXPECT_EQ(campojson(j, "tela"), 5);
    EXPECT_EQ(textojson(j, "mensagem"), "");
    EXPECT_EQ(campojson(j, "mensagemtempo"), 0);
    // a save that works says so on the briefing for a moment, and not in the mission either
    fs::remove(pasta.caminho / "Vorlandocraft.sav.tmp");
    roda(r, "--ticks 330 --state 312=b.json --state 330=j.json --shot 312=" + (revisao() / "salvo.png").string());
    b = estado("b.json");
    j = estado("j.json");
    EXPECT_TRUE(fs::is_regular_file(pasta.caminho / "Vorlandocraft.sav"));
    EXPECT_EQ(textojson(b, "mensagem"), "JOGO SALVO.");
    EXPECT_GT(campojson(b, "mensagemtempo"), 0);
    EXPECT_EQ(textojson(j, "mensagem"), "");
    EXPECT_EQ(campojson(j, "mensagemtempo"), 0);
}
