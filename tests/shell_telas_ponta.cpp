// The screens outside play end to end: the headless runner from loading through the opening, the
// trivia page and the main menu to the briefing and the first mission, with a saved game and the
// ending's flag file, leaving screenshots for review.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "apoio.h"

namespace fs = std::filesystem;

namespace {

struct Ponta : ::testing::Test {
    PastaTemporaria pasta{"telasponta"};
    void SetUp() override {
        ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
        for (const auto& d : fs::directory_iterator(VORLANDO_GAME_DIR))
            if (d.is_directory()) fs::create_directory_symlink(d.path(), pasta.caminho / d.path().filename());
        fs::create_directories(revisao());
    }
    static fs::path revisao() { return fs::path(VORLANDO_GAME_DIR).parent_path() / "review" / "telas"; }
    std::string dir() const { return pasta.caminho.string(); }
    std::string roda(const std::string& roteiro, const std::string& argumentos) {
        pasta.escreve("roteiro.txt", roteiro);
        std::string saida;
        EXPECT_EQ(rodajogo(dir(), "--headless --seed 3 --input roteiro.txt " + argumentos, &saida), 0) << saida;
        return saida;
    }
    std::string estado(const std::string& nome) const { return leituracompleta(dir() + "/" + nome); }
    static std::string foto(const std::string& nome) { return (revisao() / nome).string(); }
};

// Z on the trivia page at tick 260, then a click on the main-menu entry at (400, y) at tick 296.
std::string atemenu(int32_t y) {
    std::string c = std::to_string(y);
    return "260 press 90\n295 move 400 " + c + "\n296 down left 400 " + c + "\n297 up left 400 " + c + "\n";
}

const char* const SAVENOVO = "2\r\n1\r\n0\r\n23\r\n18\r\n13\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n84\r\n";

}  // namespace

TEST_F(Ponta, OpeningTriviaAndMenuThenANewGameIntoMissionOne) {
    std::string r = atemenu(345) + "340 move 700 566\n341 down left 700 566\n342 up left 700 566\n360 move 300 250\n";
    roda(r, "--ticks 400 --shot 100=" + foto("abertura.png") + " --shot 230=" + foto("trivia.png") +
                " --shot 290=" + foto("menu.png") + " --shot 330=" + foto("briefing.png") + " --shot 400=" +
                foto("missao1.png") + " --state 100=a.json --state 230=t.json --state 290=m.json --state 330=b.json" +
                " --state 400=j.json");
    EXPECT_EQ(campojson(estado("a.json"), "tela"), 1);
    EXPECT_EQ(campojson(estado("t.json"), "tela"), 2);
    EXPECT_EQ(campojson(estado("m.json"), "tela"), 3);
    std::string b = estado("b.json");
    EXPECT_EQ(campojson(b, "tela"), 4);
    EXPECT_EQ(campojson(b, "missao"), 1);
    EXPECT_EQ(campojson(estado("j.json"), "tela"), 5);
    EXPECT_FALSE(fs::exists(pasta.caminho / "Vorlandocraft.sav"));
}

TEST_F(Ponta, WithoutASaveTheLoadPlaceIsEmpty) {
    // a click where "CARREGAR" would stand does nothing
    roda(atemenu(380), "--ticks 320 --state 320=m.json");
    EXPECT_EQ(campojson(estado("m.json"), "tela"), 3);
}

TEST_F(Ponta, LoadingASaveOpensItsBriefingAndSavingAsksFirst) {
    pasta.escreve("Vorlandocraft.sav", SAVENOVO);
    pasta.escreve("Msx.dat", "");
    std::string r = atemenu(380) + "340 move 90 566\n341 down left 90 566\n342 up left 90 566\n" +
                    "350 move 400 316\n351 down left 400 316\n352 up left 400 316\n";
    roda(r, "--ticks 360 --shot 290=" + foto("menu4.png") + " --shot 345=" + foto("pergunta.png") +
                " --state 330=b.json --state 360=s.json");
    std::string b = estado("b.json");
    EXPECT_EQ(campojson(b, "tela"), 4);
    EXPECT_EQ(campojson(b, "missao"), 2);
    EXPECT_EQ(campojson(estado("s.json"), "tela"), 4);
    // "SIM" wrote the same hero back
    EXPECT_EQ(leituracompleta(dir() + "/Vorlandocraft.sav"), SAVENOVO);
}

TEST_F(Ponta, ABadSaveEndsOnTheErrorScreen) {
    pasta.escreve("Vorlandocraft.sav", "2\r\n1\r\n0\r\n");
    roda(atemenu(380), "--ticks 320 --shot 320=" + foto("erro.png") + " --state 320=e.json");
    std::string e = estado("e.json");
    EXPECT_EQ(campojson(e, "tela"), 10);
    EXPECT_EQ(textojson(e, "erro"), "Arquivo  Vorlandocraft.sav  inválido.");
}

TEST_F(Ponta, TheEndingHoldsItsLastSlideAndEscEnds) {
    pasta.escreve("Msx.dat", "");
    std::string r = atemenu(466) + "3090 press 27\n";
    roda(r, "--ticks 3100 --shot 310=" + foto("final0.png") + " --shot 3080=" + foto("final6.png") +
                " --state 3080=f.json --state 3090=g.json");
    std::string f = estado("f.json");
    EXPECT_EQ(campojson(f, "tela"), 6);
    EXPECT_EQ(campojson(f, "cenafinal"), 6);
    EXPECT_EQ(campojson(f, "ciclotela"), 328);
    EXPECT_EQ(campojson(f, "sair"), 0);
    EXPECT_EQ(campojson(estado("g.json"), "sair"), 1);  // Esc on the last slide
}
