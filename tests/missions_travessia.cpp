// The layouts crossed the way the game moves units, in the real game: with nobody touching it but to
// keep the hero invulnerable, the portals' monsters reach the player's units; and the hero, made
// invisible and invulnerable on the cheats page and sent by right clicks along every written route,
// gets where the route goes in time.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "apoio.h"
#include "campanha/maos.h"
#include "mapas/verificador/verificador.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/tabelacomandos.h"
#include "shell/carregamento.h"
#include "shell/missaodireta.h"
#include "shell/shell.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace fs = std::filesystem;

namespace {

// A working folder that sees the build's asset folders, with the cheats page switched on.
struct PastaDeJogo {
    PastaTemporaria pasta{"travessia"};
    PastaDeJogo() {
        for (const auto& e : fs::directory_iterator(VORLANDO_GAME_DIR))
            if (e.is_directory()) fs::create_directory_symlink(e.path(), pasta.caminho / e.path().filename());
        pasta.escreve("Anselva.dat", "");
    }
};

// The game started and every asset folder read, as at the end of the loading screen.
void ligajogo(uint64_t semente) {
    OpenHeadless();
    RandSeed(semente);
    FormCreate();
    iniciamissaodireta(1);
    ASSERT_EQ(tela, 5) << erro;
}

bool monstro(const Unidade& a) { return a.tipo >= 13 && a.tipo <= 20 && a.inimigo; }

// The nearest player unit (chests left out), in pixels.
double jogadormaisperto(const Unidade& m) {
    double d = 1e9;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && !a.inimigo && !a.bau) d = std::min(d, std::hypot(a.x - m.x, a.y - m.y));
    }
    return d;
}

}  // namespace

class Monstros : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(Monstros, MostReleasedMonstersReachThePlayerWithNoInput) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    auto [n, semente] = GetParam();
    PastaDeJogo pasta;
    ligajogo(uint64_t(semente));
    abremissao(n);
    Maos maos;
    std::vector<uint8_t> conhecido(MAXUNIDADES + 1, 0), seguido(MAXUNIDADES + 1, 0);
    std::vector<int> solto(MAXUNIDADES + 1, 0);  // the tick each followed monster came out
    for (int32_t u = 1; u <= MAXUNIDADES; u++) conhecido[size_t(u)] = unidades[u].tipo != 0;
    int soltos = 0, chegaram = 0;
    int t = 1;
    for (; t <= 6000 && !derrotado; t++) {
        // the hero kept invulnerable through the cheats page, so a strong mission is not lost to the first
        // monsters that reach him before the later ones are out
        int32_t h = slotheroi();
        if (h != 0 && unidades[h].imunidade < 600) {
            maos.tecla(VK_F1 + 2);
            maos.passa(2);
            ASSERT_EQ(menu, 5) << "the cheats page did not open";
            ASSERT_TRUE(maos.aperta_comando(TORNARINVENCIVEL));
            maos.passa(2);
            maos.tecla(VK_ESCAPE);
            t += 4;
        }
        maos.passa();
        for (int32_t u = 1; u <= MAXUNIDADES; u++) {
            const Unidade& a = unidades[u];
            if (a.tipo == 0) {
                if (seguido[size_t(u)]) chegaram++;  // it died on the way: the defences reached it
                conhecido[size_t(u)] = seguido[size_t(u)] = 0;
                continue;
            }
            if (!conhecido[size_t(u)]) {
                conhecido[size_t(u)] = 1;
                if (monstro(a)) { seguido[size_t(u)] = 1; solto[size_t(u)] = t; soltos++; }
            }
            if (seguido[size_t(u)] && jogadormaisperto(a) <= 200) { chegaram++; seguido[size_t(u)] = 0; }
        }
    }
    // a lost mission freezes the world, and the last monsters out are still on their way: the ones
    // caught walking then had no time and are not judged
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (seguido[size_t(u)] && (derrotado || solto[size_t(u)] > t - 1500)) soltos--;
    ASSERT_GE(soltos, 8) << "mission " << n << " judged too few monsters by tick " << t << (derrotado ? ", lost" : "");
    EXPECT_GE(chegaram * 10, soltos * 8) << "mission " << n << " seed " << semente << ": " << chegaram << " of " << soltos
                                         << " monsters reached the player";
}

INSTANTIATE_TEST_SUITE_P(Portais, Monstros, ::testing::Combine(::testing::Values(2, 5, 7, 8, 11), ::testing::Values(1, 2, 3)));

class Rotas : public ::testing::TestWithParam<int> {};

TEST_P(Rotas, TheHeroSentAlongEveryWrittenRouteGetsThereInTime) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    int n = GetParam();
    std::vector<Rota> todas, rotas;
    std::string why;
    ASSERT_TRUE(lerotas(leituracompleta(std::string(VORLANDO_GEN_DIR) + "/rotas.txt"), todas, why)) << why;
    for (const Rota& r : todas)
        if (r.missao == n) rotas.push_back(r);
    ASSERT_FALSE(rotas.empty());
    PastaDeJogo pasta;
    ligajogo(1);
    for (const Rota& r : rotas) {
        abremissao(n);
        Maos maos;
        int32_t h = slotheroi();
        ASSERT_NE(h, 0);
        std::string nome = std::string(nomedestino(r.destino)) + " at (" + std::to_string(r.alvox) + ", " + std::to_string(r.alvoy) + ")";
        PontoMapa de{int32_t(std::lround(unidades[h].x)), int32_t(std::lround(unidades[h].y))};
        for (size_t k = 0; k < r.pontos.size(); k++) {
            // invisible and invulnerable again whenever it wears thin, through the cheats page
            if (unidades[h].invisivel < 600 || unidades[h].imunidade < 600) {
                maos.tecla(VK_F1 + 2);
                maos.passa(2);
                ASSERT_EQ(menu, 5) << "the cheats page did not open";
                ASSERT_TRUE(maos.aperta_comando(TORNARINVISIVEL));
                maos.passa(2);
                ASSERT_TRUE(maos.aperta_comando(TORNARINVENCIVEL));
                maos.passa(2);
                maos.tecla(VK_ESCAPE);
                maos.passa(2);
                ASSERT_EQ(menu, 0);
            }
            PontoMapa p = r.pontos[k];
            bool ultimo = k + 1 == r.pontos.size();
            int limite = int(std::ceil(1.5 * tempoemlinha(de, p, unidades[h].velocidade + unidades[h].velocidadebonus))) + 5;
            maos.ordena(p);
            int t = 0;
            for (; t < limite + 2; t++) {  // the view's tick and the click's tick come first
                maos.passa();
                const Unidade& heroi = unidades[h];
                bool feito = false;
                if (!ultimo) feito = heroi.posicao == 1 && std::hypot(heroi.x - p.x, heroi.y - p.y) <= 50 && t > 0;
                else if (r.destino == Destino::OBJETIVO) feito = tarefa.cumprida;
                else if (r.destino == Destino::BAU) feito = std::find(heroi.itens, heroi.itens + 6, r.item) != heroi.itens + 6;
                else feito = std::hypot(heroi.x - r.alvox, heroi.y - r.alvoy) <= 100;
                if (feito) break;
            }
            ASSERT_LT(t, limite + 2) << "mission " << n << ", route to the " << nome << ": leg " << k + 1 << " to (" << p.x << ", "
                                     << p.y << ") not done in " << limite << " ticks; the hero is at (" << unidades[h].x << ", "
                                     << unidades[h].y << ")";
            de = {int32_t(std::lround(unidades[h].x)), int32_t(std::lround(unidades[h].y))};
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Missoes, Rotas, ::testing::Range(1, 13));
