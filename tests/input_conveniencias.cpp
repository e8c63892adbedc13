// End to end through the headless runner: what players of the genre reach for. A double-click or a
// Ctrl+click on a farm of mission eleven selects every own farm in view, Ctrl+digit stores a group,
// Pause freezes the world under a line that says so, a close request from outside asks first, and
// the screen edges scroll only while the pointer is over the window.
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "apoio.h"
#include "render/interface.h"

namespace {

struct Unid {
    long long slot = 0, tipo = 0, x = 0, y = 0;
    bool inimigo = false, selecionado = false;
};

// The live units of a state dump (the map objects carry no name).
std::vector<Unid> unidadesdo(const std::string& json) {
    std::vector<Unid> v;
    for (size_t p = json.find("{\"slot\":"); p != std::string::npos; p = json.find("{\"slot\":", p + 1)) {
        const std::string u = json.substr(p, json.find('}', p) - p + 1);
        if (u.find("\"nome\"") == std::string::npos) continue;
        v.push_back({campojson(u, "slot"), campojson(u, "tipo"), campojson(u, "x"), campojson(u, "y"),
                     campojson(u, "inimigo") == 1, campojson(u, "selecionado") == 1});
    }
    return v;
}

std::set<long long> selecionados(const std::string& json) {
    std::set<long long> s;
    for (const Unid& u : unidadesdo(json))
        if (u.selecionado) s.insert(u.slot);
    return s;
}

// Pixels of exactly colour c in rows [y0, y1) of a screenshot; -1 when it cannot be read.
long long pixelsdacor(const std::string& png, Cor c, int32_t y0, int32_t y1) {
    SDL_Surface* lida = IMG_Load(png.c_str());
    if (!lida) return -1;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(lida, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(lida);
    if (!s) return -1;
    long long n = 0;
    for (int32_t y = y0; y < y1 && y < s->h; y++) {
        const uint8_t* inicio = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
        const uint32_t* linha = reinterpret_cast<const uint32_t*>(inicio);
        for (int32_t x = 0; x < s->w; x++) n += (linha[x] & 0xFFFFFFu) == corpixel(c);
    }
    SDL_FreeSurface(s);
    return n;
}

struct Conveniencias : ::testing::Test {
    PastaTemporaria pasta{"conveniencias"};
    std::string dir() const { return pasta.caminho.string(); }
    std::string arquivo(const std::string& nome) const { return dir() + "/" + nome; }
    // Mission n with the script; `registros` names the dumps and shots; the runner's exit code.
    int roda(int32_t n, const std::string& roteiro, int32_t tiques, const std::string& registros) {
        pasta.escreve("r.txt", roteiro);
        std::string saida;
        const std::string args = "--headless --seed 7 --mission " + std::to_string(n) + " --ticks " +
                                 std::to_string(tiques) + " --input " + arquivo("r.txt") + " " + registros;
        int r = rodajogo(VORLANDO_GAME_DIR, args, &saida);
        EXPECT_EQ(r, 0) << saida;
        return r;
    }
    std::string estado(int32_t t) const { return leituracompleta(arquivo(std::to_string(t) + ".json")); }
    std::string registro(int32_t t) const {
        return "--state " + std::to_string(t) + "=" + arquivo(std::to_string(t) + ".json");
    }
};

// Mission eleven opens on the base with its four farms in view; the right arrow held for 20 ticks
// leaves one of them far to the left. Which own farms are in view then, and one to click.
const std::string ROLA = "2 press 39\n22 release 39\n";

struct FazendasDaMissao11 : Conveniencias {
    long long cx = 0, cy = 0;
    Unid alvo;                      // the farm clicked
    std::set<long long> navisao;    // own farms whose base point lies in the play field
    std::set<long long> fora;       // own farms far out of it
    void SetUp() override {
        ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
        ASSERT_EQ(roda(11, ROLA, 24, registro(24)), 0);
        const std::string a = estado(24);
        cx = campojson(a, "camerax");
        cy = campojson(a, "cameray");
        size_t fazendas = 0;
        for (const Unid& u : unidadesdo(a)) {
            if (u.tipo != 2 || u.inimigo) continue;
            fazendas++;
            if (u.x >= cx && u.x < cx + 800 && u.y >= cy && u.y < cy + 460) navisao.insert(u.slot);
            if (u.x < cx - 150 || u.x > cx + 950 || u.y < cy - 150 || u.y > cy + 610) fora.insert(u.slot);
            if (u.x >= cx + 100 && u.x < cx + 700 && u.y >= cy + 100 && u.y < cy + 400) alvo = u;
        }
        ASSERT_GE(navisao.size(), 2u) << "several farms in view";
        ASSERT_GE(fora.size(), 1u) << "a farm out of view";
        ASSERT_EQ(navisao.size() + fora.size(), fazendas) << "no farm half in view";
        ASSERT_NE(alvo.slot, 0);
    }
    std::string clique(int32_t t) const {
        const std::string p = std::to_string(alvo.x - cx) + " " + std::to_string(alvo.y - cy - 5);
        const std::string s = std::to_string(t);
        return s + " move " + p + "\n" + s + " down left " + p + "\n" + s + " up left " + p + "\n";
    }
};

}  // namespace

TEST_F(FazendasDaMissao11, ADoubleClickOnAFarmSelectsEveryOwnFarmInView) {
    // two clicks 3 ticks (60 ms) apart
    ASSERT_EQ(roda(11, ROLA + clique(25) + clique(28), 28, registro(25) + " " + registro(28)), 0);
    EXPECT_EQ(selecionados(estado(25)), std::set<long long>{alvo.slot});  // the first click: that farm alone
    EXPECT_EQ(selecionados(estado(28)), navisao);
    EXPECT_TRUE(navisao.count(campojson(estado(28), "select"))) << "a farm leads";
}

TEST_F(FazendasDaMissao11, TwoClicksMoreThan400msApartSelectOneFarm) {
    // 21 ticks of 20 ms: 420 ms
    ASSERT_EQ(roda(11, ROLA + clique(25) + clique(46), 46, registro(46)), 0);
    EXPECT_EQ(selecionados(estado(46)), std::set<long long>{alvo.slot});
}

TEST_F(FazendasDaMissao11, CtrlClickSelectsEveryOwnFarmInViewAndCtrlDigitStoresThemAsAGroup) {
    // tick 25: Ctrl+click on the farm; tick 26: Ctrl+1; tick 27: F1 takes the hero alone; tick 28: 1
    const std::string r = ROLA + "25 press 17\n" + clique(25) + "25 release 17\n" +
                          "26 press 17\n26 press 49\n26 release 49\n26 release 17\n"
                          "27 press 112\n27 release 112\n28 press 49\n28 release 49\n";
    ASSERT_EQ(roda(11, r, 28, registro(25) + " " + registro(27) + " " + registro(28)), 0);
    EXPECT_EQ(selecionados(estado(25)), navisao);
    const std::set<long long> heroi = selecionados(estado(27));
    ASSERT_EQ(heroi.size(), 1u);
    EXPECT_EQ(heroi.count(alvo.slot), 0u);
    EXPECT_EQ(selecionados(estado(28)), navisao);
}

TEST_F(Conveniencias, PauseFreezesTheWorldUnderItsLineAndPauseAgainLetsItRun) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // tick 2: the hero is sent walking; tick 5: Pause; tick 106: Pause again
    const std::string r = "2 move 300 300\n2 down right 300 300\n2 up right 300 300\n5 press 19\n5 release 19\n"
                          "106 press 19\n106 release 19\n";
    ASSERT_EQ(roda(1, r, 120, registro(4) + " " + registro(5) + " " + registro(105) + " " + registro(120) +
                                  " --shot 50=" + arquivo("pausa.png") + " --shot 120=" + arquivo("segue.png")),
              0);
    const std::string antes = estado(4), congelado = estado(5), depois = estado(105), solto = estado(120);
    EXPECT_EQ(campojson(congelado, "pausajogador"), 1);
    EXPECT_EQ(campojson(congelado, "pausa"), 1);
    EXPECT_EQ(campojson(solto, "pausajogador"), 0);
    EXPECT_EQ(campojson(solto, "pausa"), 0);
    // 100 ticks and no unit moved, appeared or went
    const std::vector<Unid> a = unidadesdo(congelado), b = unidadesdo(depois);
    ASSERT_EQ(a.size(), b.size());
    for (size_t k = 0; k < a.size(); k++) {
        EXPECT_EQ(a[k].slot, b[k].slot);
        EXPECT_EQ(a[k].x, b[k].x) << "unit " << a[k].slot;
        EXPECT_EQ(a[k].y, b[k].y) << "unit " << a[k].slot;
    }
    // the hero was walking before and walks again after
    const long long h = campojson(antes, "select");
    auto heroi = [&](const std::string& j) {
        for (const Unid& u : unidadesdo(j))
            if (u.slot == h) return u;
        return Unid{};
    };
    EXPECT_NE(heroi(solto).x, heroi(depois).x);
    // the line stands over the frozen game and goes with the pause
    const long long linha = pixelsdacor(arquivo("pausa.png"), CORPAUSA, 190, 232);
    EXPECT_GE(linha, 300);
    const long long sem = pixelsdacor(arquivo("segue.png"), CORPAUSA, 190, 232);
    ASSERT_GE(sem, 0);
    EXPECT_LT(sem, linha / 10);
}

TEST_F(Conveniencias, PauseWaitsWhileAMenuPageIsOpen) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // tick 2: F2; tick 3: Pause on the open page; tick 4: Esc closes the page
    ASSERT_EQ(roda(1, "2 press 113\n2 release 113\n3 press 19\n3 release 19\n4 press 27\n4 release 27\n", 4,
                   registro(3) + " " + registro(4)),
              0);
    EXPECT_EQ(campojson(estado(3), "menu"), 1);
    EXPECT_EQ(campojson(estado(3), "pausajogador"), 0);
    EXPECT_EQ(campojson(estado(4), "pausa"), 0);
}

TEST_F(Conveniencias, ACloseRequestDuringPlayAsksFirstAndASecondEndsTheGame) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    ASSERT_EQ(roda(1, "3 close\n12 close\n", 30, registro(3) + " " + registro(11) + " " + registro(13)), 0);
    EXPECT_EQ(campojson(estado(3), "menu"), 4);  // "SAIR DO JOGO ?"
    EXPECT_EQ(campojson(estado(11), "menu"), 4);
    EXPECT_EQ(estado(13), "") << "the run goes on after the second request";
}

TEST_F(Conveniencias, ACloseRequestOutsidePlayEndsTheGameAtOnce) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    pasta.escreve("r.txt", "3 close\n");
    std::string saida;
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --seed 7 --ticks 30 --input " + arquivo("r.txt") + " " +
                                              registro(2) + " " + registro(4),
                       &saida),
              0)
        << saida;
    EXPECT_EQ(campojson(estado(2), "tela"), 0);  // the loading screen
    EXPECT_EQ(estado(4), "");
}

TEST_F(Conveniencias, TheScreenEdgeScrollsOnlyWhileThePointerIsOverTheWindow) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    // the pointer at the right edge; it leaves the window at tick 10 and comes back at tick 20
    ASSERT_EQ(roda(1, "2 move 797 200\n10 leave\n20 enter\n", 30,
                   registro(1) + " " + registro(10) + " " + registro(19) + " " + registro(30)),
              0);
    const long long x1 = campojson(estado(1), "camerax"), x10 = campojson(estado(10), "camerax");
    const long long x19 = campojson(estado(19), "camerax"), x30 = campojson(estado(30), "camerax");
    ASSERT_GT(x10, x1) << "the first mission's opening view has room to its right";
    EXPECT_EQ(x19, x10) << "no scrolling while the pointer is outside";
    EXPECT_GT(x30, x19);
}
