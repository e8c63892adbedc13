// Serving the sound requests: once per request, held while frozen or switched off, out-of-range numbers
// never played; the music loops, stops while off and restarts when asked; loading a track replaces the old.
#include <gtest/gtest.h>

#include "apoio.h"
#include "apoio_conteudo.h"
#include "assets/listas.h"
#include "assets/sons.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

struct Pedidos : ::testing::Test {
    PastaTemporaria pasta{"pedidos"};
    int32_t tique = 0;
    void SetUp() override {
        OpenHeadless();
        FormCreate();
        SoundLog().clear();
        DXWaveListSnd.items.clear();
        DXWaveListSnd.Add().name = "-VAZIO-";
        for (int n = 1; n <= 46; n++) DXWaveListSnd.Add().name = "som";
        DXWaveListMusica.items.clear();
    }
    // One gameplay tick's sound steps, as the tick runs them.
    void serve() {
        SetHeadlessTick(++tique);
        servepedidossom();
    }
    std::vector<std::string> log() const { return SoundLog(); }
};

}  // namespace

TEST_F(Pedidos, AnEffectRequestSoundsOnceAndIsCleared) {
    som = 34;
    serve();
    serve();
    EXPECT_EQ(log(), std::vector<std::string>{"1 snd 34 play"});
    EXPECT_EQ(som, 0);
}

TEST_F(Pedidos, AVoiceRequestSoundsOnceAndReportsIt) {
    voz = 22;
    SetHeadlessTick(1);
    EXPECT_TRUE(servevoz());
    EXPECT_FALSE(servevoz());
    EXPECT_EQ(log(), std::vector<std::string>{"1 snd 22 play"});
    EXPECT_EQ(voz, 0);
}

TEST_F(Pedidos, AVoiceGivesTheSelectedUnitItsCoolDown) {
    select_ = 3;
    unidades[3].falatempo = 0;
    voz = 10;
    serve();
    EXPECT_EQ(unidades[3].falatempo, 60);
    unidades[3].falatempo = 0;
    som = 30;  // an effect is not a voice
    serve();
    EXPECT_EQ(unidades[3].falatempo, 0);
}

TEST_F(Pedidos, VoiceAndEffectOfOneTickBothSound) {
    voz = 5;
    som = 32;
    serve();
    EXPECT_EQ(log(), (std::vector<std::string>{"1 snd 5 play", "1 snd 32 play"}));
}

TEST_F(Pedidos, RequestsWaitWhileFrozen) {
    pausa = true;
    som = 39;
    voz = 10;
    serve();
    serve();
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(som, 39);
    EXPECT_EQ(voz, 10);
    pausa = false;
    serve();
    EXPECT_EQ(log(), (std::vector<std::string>{"3 snd 10 play", "3 snd 39 play"}));
}

TEST_F(Pedidos, Sound47IsNeverPlayedAndStaysPending) {
    som = 47;
    voz = 99;  // the voice's "none"
    for (int i = 0; i < 5; i++) serve();
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(som, 47);
    EXPECT_EQ(voz, 99);
    som = 46;  // only a new request replaces it
    serve();
    EXPECT_EQ(log(), std::vector<std::string>{"6 snd 46 play"});
}

TEST_F(Pedidos, ASwitchedOffKindKeepsItsRequestUntilSwitchedOn) {
    efeitosligados = false;
    vozesligadas = false;
    som = 3;
    voz = 16;
    serve();
    EXPECT_TRUE(log().empty());
    efeitosligados = true;
    serve();
    EXPECT_EQ(log(), std::vector<std::string>{"2 snd 3 play"});
    vozesligadas = true;
    serve();
    EXPECT_EQ(log().back(), "3 snd 16 play");
}

TEST_F(Pedidos, MusicLoopsOnRequestStopsWhileOffAndRestartsFromTheStart) {
    musicainiciar = true;
    serve();  // no track yet: the request waits
    EXPECT_TRUE(log().empty());
    EXPECT_TRUE(musicainiciar);
    DXWaveListMusica.Add().name = "Musicas/Musica-01.wav";
    serve();
    EXPECT_EQ(log(), std::vector<std::string>{"2 musica 0 loop"});
    EXPECT_FALSE(musicainiciar);
    EXPECT_TRUE(DXWaveListMusica.items[0].looped);
    musicaligada = false;  // the "MÚSICA" box off: stopped on every tick
    serve();
    serve();
    EXPECT_EQ(log().size(), 3u + 0u + 0u);
    EXPECT_EQ(log()[1], "3 musica 0 stop");
    EXPECT_EQ(log()[2], "4 musica 0 stop");
    musicaligada = true;  // on again: the box asks for a restart
    musicainiciar = true;
    serve();
    EXPECT_EQ(log().back(), "5 musica 0 loop");
}

TEST_F(Pedidos, TheMenuStopsTheTrackOnlyWhenAsked) {
    DXWaveListMusica.Add();
    SetHeadlessTick(1);
    paramusicapedida();
    EXPECT_TRUE(log().empty());
    musicaparar = true;
    paramusicapedida();
    EXPECT_EQ(log(), std::vector<std::string>{"1 musica 0 stop"});
    EXPECT_FALSE(musicaparar);
    DXWaveListMusica.items.clear();  // no track: the request stays
    musicaparar = true;
    paramusicapedida();
    EXPECT_TRUE(musicaparar);
}

TEST_F(Pedidos, LoadingATrackReplacesTheOldOne) {
    pasta.escreve("Musicas/Musica-01.wav", ondacurta());
    pasta.escreve("Musicas/Musica-02.wav", ondacurta());
    carregarmusica("Musicas/Musica-01.wav");
    carregarmusica("Musicas/Musica-02.wav");
    ASSERT_EQ(DXWaveListMusica.Count(), 1);
    EXPECT_EQ(DXWaveListMusica.items[0].name, "Musicas/Musica-02.wav");
    EXPECT_FALSE(DXWaveListMusica.items[0].file.empty());
    EXPECT_TRUE(erro.empty());
}

TEST_F(Pedidos, AMissingTrackGivesTheErrorScreenAndAnEmptyItem) {
    carregarmusica("Musicas/Musica-05.wav");
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(erro, "Arquivo  Musicas/Musica-05.wav  não foi encontrado.");
    ASSERT_EQ(DXWaveListMusica.Count(), 1);
    EXPECT_TRUE(DXWaveListMusica.items[0].file.empty());
}

TEST_F(Pedidos, TheEndingLoadsItsTrackAndLoopsIt) {
    pasta.escreve("Musicas/Musica-07.wav", ondacurta());
    SetHeadlessTick(1);
    iniciamusicafinal();  // not asked: nothing
    EXPECT_EQ(DXWaveListMusica.Count(), 0);
    musicainiciar = true;
    iniciamusicafinal();
    ASSERT_EQ(DXWaveListMusica.Count(), 1);
    EXPECT_EQ(DXWaveListMusica.items[0].name, "Musicas/Musica-07.wav");
    EXPECT_EQ(log(), std::vector<std::string>{"1 musica 0 loop"});
    EXPECT_FALSE(musicainiciar);
}

TEST_F(Pedidos, AMissingSoundStillAddsItsItem) {
    carregareftsonoro("Sons/Som-07.wav");
    EXPECT_EQ(DXWaveListSnd.Count(), 48);
    EXPECT_EQ(erro, "Arquivo  Sons/Som-07.wav  não foi encontrado.");
    EXPECT_EQ(tela, 10);
}
