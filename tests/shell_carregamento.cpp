// The loading screen: one folder a tick at 3, 6, ..., 21, the names it asks for, the bar and label,
// and the first missing or damaged file stopping everything on the error screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio.h"
#include "apoio_conteudo.h"
#include "assets/listas.h"
#include "media/media.h"
#include "shell/carregamento.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

struct Carregamento : ::testing::Test {
    PastaTemporaria pasta{"carregamento"};
    void SetUp() override {
        OpenHeadless();
        criaconteudominimo(pasta.caminho);
        FormCreate();
        // the lists outlive a test in this process; a run of the game starts with them empty
        for (ImageList* l : {&DXImageListUnidade, &DXImageListEfeitos, &DXImageListObjetos, &DXImageListCenario,
                             &DXImageListFinal, &DXImageListAbertura})
            l->Clear();
        DXWaveListSnd.items.clear();
    }
    void tiques(int n) {
        for (int i = 0; i < n; i++) DXTimer1Timer();
    }
    // Runs ticks until the error screen shows, at most n; returns the tick count or -1.
    int ateerro(int n) {
        for (int i = 1; i <= n; i++) {
            DXTimer1Timer();
            if (tela == 10) return i;
        }
        return -1;
    }
    void remove(const std::string& nome) { std::filesystem::remove(pasta.caminho / nome); }
    static bool igual(Cor a, Cor b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    // Pixels that are not black in the label's place under the bar.
    static int pixelsrotulo() {
        int n = 0;
        for (int y = 556; y < 590; y++)
            for (int x = 10; x < 200; x++) n += !igual(BackPixel(x, y), PRETO);
        return n;
    }
};

}  // namespace

TEST_F(Carregamento, NamesAreZeroFilledWithTheirMixedCase) {
    EXPECT_EQ(nomearquivocarga(0, 1), "Unidades/Unid-001.gmb");
    EXPECT_EQ(nomearquivocarga(0, 42), "Unidades/unid-042.gmb");  // this range is spelled with a small u
    EXPECT_EQ(nomearquivocarga(0, 326), "Unidades/Unid-326.gmb");
    EXPECT_EQ(nomearquivocarga(1, 9), "Efeitos/Efeito-009.gmb");
    EXPECT_EQ(nomearquivocarga(1, 50), "Efeitos/Efeito-050.gmb");
    EXPECT_EQ(nomearquivocarga(1, 108), "Efeitos/Efeito-108.gmb");
    EXPECT_EQ(nomearquivocarga(2, 9), "Objetos/Objeto-09.gmb");
    EXPECT_EQ(nomearquivocarga(2, 23), "Objetos/Objeto-23.gmb");
    EXPECT_EQ(nomearquivocarga(3, 1), "Cenario/Cenario-01.gmb");
    EXPECT_EQ(nomearquivocarga(4, 7), "Final/Final-07.gmb");
    EXPECT_EQ(nomearquivocarga(5, 22), "Abertura/Abertura-22.gmb");
    EXPECT_EQ(nomearquivocarga(6, 7), "Sons/Som-07.wav");
    EXPECT_EQ(nomearquivocarga(6, 46), "Sons/Som-46.wav");
    const int32_t contagens[NUMPASTASCARGA] = {326, 108, 23, 3, 7, 22, 46};
    for (int p = 0; p < NUMPASTASCARGA; p++) EXPECT_EQ(quantosarquivoscarga(p), contagens[p]);
}

TEST_F(Carregamento, WithEveryFileTheOpeningStartsAtTick25AndEveryListHoldsItsCount) {
    tiques(24);
    EXPECT_EQ(tela, 0);
    tiques(1);
    EXPECT_EQ(tela, 1);
    EXPECT_TRUE(erro.empty()) << erro;
    EXPECT_EQ(DXImageListUnidade.Count(), 326);  // Unid-042.gmb answered for unid-042.gmb
    EXPECT_EQ(DXImageListEfeitos.Count(), 108);
    EXPECT_EQ(DXImageListObjetos.Count(), 23);
    EXPECT_EQ(DXImageListCenario.Count(), 3);
    EXPECT_EQ(DXImageListFinal.Count(), 7);
    EXPECT_EQ(DXImageListAbertura.Count(), 22);
    ASSERT_EQ(DXWaveListSnd.Count(), 47);
    EXPECT_EQ(DXWaveListSnd.items[0].name, "-VAZIO-");
    EXPECT_TRUE(DXWaveListSnd.items[0].file.empty());
    EXPECT_EQ(DXWaveListSnd.items[46].name, "Sons/Som-46.wav");
    EXPECT_FALSE(DXWaveListSnd.items[46].file.empty());
}

TEST_F(Carregamento, EachFolderIsReadWholeOnItsOwnTick) {
    tiques(3);  // ciclotela was 0, 1, 2
    EXPECT_EQ(DXImageListUnidade.Count(), 0);
    tiques(1);  // ciclotela 3
    EXPECT_EQ(DXImageListUnidade.Count(), 326);
    EXPECT_EQ(DXImageListEfeitos.Count(), 0);
    tiques(3);
    EXPECT_EQ(DXImageListEfeitos.Count(), 108);
    tiques(14);  // ciclotela 20
    EXPECT_EQ(DXWaveListSnd.Count(), 0);
    tiques(1);   // ciclotela 21
    EXPECT_EQ(DXWaveListSnd.Count(), 47);
}

TEST_F(Carregamento, MissingEffect50StopsOnTheErrorScreenWith49EffectsAndNothingLater) {
    remove("Efeitos/Efeito-050.gmb");
    EXPECT_EQ(ateerro(40), 7);  // the effects' tick
    EXPECT_EQ(erro, "Arquivo  Efeitos/Efeito-050.gmb  não foi encontrado.");
    EXPECT_EQ(DXImageListEfeitos.Count(), 49);
    // the error screen was drawn over the loading frame in the same tick
    EXPECT_TRUE(igual(BackPixel(100, 290), Cor{120, 90, 0}));
    tiques(30);
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(DXImageListUnidade.Count(), 326);
    EXPECT_EQ(DXImageListObjetos.Count(), 0);
    EXPECT_EQ(DXImageListCenario.Count(), 0);
    EXPECT_EQ(DXImageListFinal.Count(), 0);
    EXPECT_EQ(DXImageListAbertura.Count(), 0);
    EXPECT_EQ(DXWaveListSnd.Count(), 0);
}

TEST_F(Carregamento, MissingSoundNamesItAndStillTakesItsPlace) {
    remove("Sons/Som-07.wav");
    EXPECT_EQ(ateerro(40), 22);
    EXPECT_EQ(erro, "Arquivo  Sons/Som-07.wav  não foi encontrado.");
    // item 0, sounds 1 to 6, and the empty place of sound 7; nothing after it
    ASSERT_EQ(DXWaveListSnd.Count(), 8);
    EXPECT_TRUE(DXWaveListSnd.items[7].file.empty());
    EXPECT_FALSE(DXWaveListSnd.items[6].file.empty());
}

TEST_F(Carregamento, ADamagedOrNonPcmSoundGivesTheErrorScreenNamingIt) {
    std::string onda = ondacurta();
    onda[20] = 3;  // IEEE float instead of PCM
    pasta.escreve("Sons/Som-03.wav", onda);
    EXPECT_EQ(ateerro(40), 22);
    EXPECT_NE(erro.find("Sons/Som-03.wav"), std::string::npos) << erro;
    EXPECT_NE(erro.find("PCM"), std::string::npos) << erro;
    EXPECT_EQ(DXWaveListSnd.Count(), 4);
}

TEST_F(Carregamento, ATruncatedSoundGivesTheErrorScreen) {
    pasta.escreve("Sons/Som-12.wav", ondacurta().substr(0, 60));
    EXPECT_EQ(ateerro(40), 22);
    EXPECT_NE(erro.find("Sons/Som-12.wav"), std::string::npos) << erro;
}

TEST_F(Carregamento, TheBarGrowsTenPixelsATickAndStopsShortOfTheFrame) {
    tiques(1);  // drawn with ciclotela 0: an empty bar
    EXPECT_TRUE(igual(BackPixel(10, 546), Cor{0, 0, 100}));
    tiques(5);  // ciclotela 5: R = 60
    EXPECT_TRUE(igual(BackPixel(59, 545), Cor{100, 100, 255}));
    EXPECT_TRUE(igual(BackPixel(59, 548), Cor{120, 120, 255}));
    EXPECT_TRUE(igual(BackPixel(59, 549), Cor{150, 150, 255}));
    EXPECT_TRUE(igual(BackPixel(60, 549), Cor{0, 0, 100}));
    tiques(18);
    DXImageListAbertura.Clear();  // the 25th tick draws the opening over the bar: here with no slides
    tiques(1);  // ciclotela 24: R = 250
    EXPECT_TRUE(igual(BackPixel(249, 546), Cor{100, 100, 255}));
    EXPECT_TRUE(igual(BackPixel(250, 546), Cor{0, 0, 100}));
}

TEST_F(Carregamento, TheFolderLabelShowsFromTheTickBeforeItsLoading) {
    tiques(2);  // ciclotela 1: no folder yet
    EXPECT_EQ(pixelsrotulo(), 0);
    tiques(1);  // ciclotela 2: "Unidades", one tick before they load
    EXPECT_GT(pixelsrotulo(), 0);
    EXPECT_EQ(DXImageListUnidade.Count(), 0);
    tiques(21);  // ciclotela 23: after "Sons", nothing
    EXPECT_EQ(pixelsrotulo(), 0);
}

TEST_F(Carregamento, TheRunnerInACopyWithoutEffect50EndsOnTheErrorScreenNamingIt) {
    remove("Efeitos/Efeito-050.gmb");
    std::string dir = pasta.caminho.string();
    ASSERT_EQ(rodajogo(dir, "--headless --ticks 30 --seed 1 --state 6=a.json --state 7=b.json --state 30=c.json --sounds s.log"), 0);
    std::string a = leituracompleta(dir + "/a.json"), b = leituracompleta(dir + "/b.json"), c = leituracompleta(dir + "/c.json");
    EXPECT_EQ(campojson(a, "tela"), 0);
    EXPECT_EQ(campojson(b, "tela"), 10);
    EXPECT_EQ(textojson(b, "erro"), "Arquivo  Efeitos/Efeito-050.gmb  não foi encontrado.");
    EXPECT_EQ(campojson(c, "tela"), 10);
    EXPECT_TRUE(leituracompleta(dir + "/s.log").empty());  // nothing sounds while loading
}
