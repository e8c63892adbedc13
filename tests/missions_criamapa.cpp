// Mission set-up: every mission's objects, units, portals, chests, hero point, objective, money,
// unlocks and music, and the fixed cases of missions 1, 2 and 10.
#include <gtest/gtest.h>

#include <map>

#include "apoio.h"
#include "assets/listas.h"
#include "common/wav.h"
#include "mapas/mapas.h"
#include "missions/missoes.h"
#include "world/world.h"

namespace {

// A working folder with the seven music tracks, track m being m x 100 samples long.
struct Missao : ::testing::Test {
    PastaTemporaria pasta{"missoes"};
    void SetUp() override {
        OpenHeadless();
        zeraestado();
        criaitens();
        novoheroisalvo();
        for (int m = 1; m <= 7; m++)
            write_wav((pasta.caminho / ("Musicas/Musica-0" + std::to_string(m) + ".wav")).string(),
                      std::vector<float>(size_t(m) * 100, 0.0f));
    }
    static int contaobjetostipo(int t) {
        int n = 0;
        for (int o = 1; o <= MAXOBJETOS; o++) n += objetos[o].tipo == t;
        return n;
    }
    static int contaunidades(int t, bool inimigo) {
        int n = 0;
        for (int u = 1; u <= MAXUNIDADES; u++) n += unidades[u].tipo == t && bool(unidades[u].inimigo) == inimigo;
        return n;
    }
    static int heroi() {
        for (int u = 1; u <= MAXUNIDADES; u++)
            if (unidades[u].tipo != 0 && unidades[u].heroi) return u;
        return 0;
    }
};

// What each mission's row and layout must give.
struct Esperado {
    int missao;
    double dinheiro;
    bool fazenda, loja, fidelina;
    int cenario, pesquisa4, pesquisa7, musica, objetivo;
};
const Esperado esperados[] = {
    {1, 0, false, false, false, 0, 0, 0, 1, 1},   {2, 200, false, false, false, 0, 0, 0, 2, 2},
    {3, 0, false, false, false, 1, 0, 0, 3, 1},   {4, 0, false, false, false, 2, 0, 0, 1, 1},
    {5, 350, true, true, false, 0, 0, 0, 5, 2},   {6, 0, false, true, false, 0, 0, 2, 1, 1},
    {7, 600, true, true, true, 0, 0, 0, 4, 2},    {8, 350, true, true, true, 0, 0, 0, 2, 2},
    {9, 0, false, false, false, 0, 0, 0, 4, 1},   {10, 0, false, false, false, 2, 0, 0, 5, 1},
    {11, 400, true, true, true, 0, 2, 0, 6, 2},   {12, 0, false, false, false, 0, 0, 0, 1, 3},
};

}  // namespace

TEST_F(Missao, EveryMissionGetsItsTableRowAndLayoutContents) {
    for (const Esperado& e : esperados) {
        SCOPED_TRACE("mission " + std::to_string(e.missao));
        preparamissao = true;
        criamapa(uint8_t(e.missao));
        const Ficha& f = fichamapa(e.missao);
        EXPECT_FALSE(preparamissao);
        EXPECT_EQ(tela, 0);
        EXPECT_EQ(mapalargura, f.w);
        EXPECT_EQ(mapaaltura, f.h);
        EXPECT_EQ(dinheiro, e.dinheiro);
        EXPECT_EQ(liberafazenda, e.fazenda);
        EXPECT_EQ(liberaloja, e.loja);
        EXPECT_EQ(liberafidelina, e.fidelina);
        EXPECT_EQ(cenario, e.cenario);
        EXPECT_EQ(pesquisa4, e.pesquisa4);
        EXPECT_EQ(pesquisa7, e.pesquisa7);
        EXPECT_EQ(tarefa.objetivo, e.objetivo);
        EXPECT_FALSE(tarefa.cumprida);
        EXPECT_EQ(mensagem2tempo, 250);
        EXPECT_TRUE(musicainiciar);
        ASSERT_EQ(DXWaveListMusica.Count(), 1);
        EXPECT_EQ(DXWaveListMusica.items[0].samples, uint32_t(e.musica * 100));
        // objects by type, trees together
        int arvores = contaobjetostipo(1) + contaobjetostipo(2) + contaobjetostipo(3) + contaobjetostipo(4);
        EXPECT_EQ(arvores, f.arvores);
        for (Contagem o : f.objetos) EXPECT_EQ(contaobjetostipo(o.tipo), o.qtd) << "object " << int(o.tipo);
        if (f.alvotipo) {
            EXPECT_EQ(contaobjetostipo(f.alvotipo), 1);
        }
        // units by type and side; portals all stored as 21, told apart by level
        std::map<int, int> portais;
        for (int u = 1; u <= MAXUNIDADES; u++)
            if (unidades[u].tipo == 21) portais[unidades[u].nivel]++;
        for (Contagem u : f.unidades) {
            if (u.tipo >= 21 && u.tipo <= 24) {
                EXPECT_EQ(portais[u.tipo - 20], u.qtd) << "portal level " << u.tipo - 20;
            } else {
                EXPECT_EQ(contaunidades(u.tipo, u.tipo >= 13), u.qtd) << "unit " << int(u.tipo);
            }
        }
        EXPECT_EQ(contaunidades(9, false), 1);
        // chests by item
        std::map<int, int> baus, esperados;
        for (int u = 1; u <= MAXUNIDADES; u++)
            if (unidades[u].tipo == 12) baus[unidades[u].item]++;
        for (int i : f.baus) esperados[i]++;
        EXPECT_EQ(baus, esperados);
        // the hero's map point, selected, with the view round it
        int h = heroi();
        ASSERT_NE(h, 0);
        EXPECT_EQ(unidades[h].x, f.herox * 50);
        EXPECT_EQ(unidades[h].y, f.heroy * 50);
        EXPECT_EQ(select_, h);
        EXPECT_EQ(camerax, f.herox * 50 - 400);
        EXPECT_EQ(cameray, f.heroy * 50 - 250);
        // the objective area round the target object
        if (f.alvotipo) {
            EXPECT_EQ(tarefa.areax1, f.alvox * 50 - 40);
            EXPECT_EQ(tarefa.areay1, f.alvoy * 50 - 45);
            EXPECT_EQ(tarefa.areax2, f.alvox * 50 + 40);
            EXPECT_EQ(tarefa.areay2, f.alvoy * 50 + 45);
        }
        if (f.chefex >= 0) {
            EXPECT_EQ(contaunidades(26, true), 1);
        }
    }
}

TEST_F(Missao, MissionOneStartsWithItsTreesHeroAndCamera) {
    criamapa(1);
    int arvores = 0;
    for (int o = 1; o <= MAXOBJETOS; o++) arvores += objetos[o].tipo >= 1 && objetos[o].tipo <= 4;
    EXPECT_EQ(arvores, 828);
    EXPECT_EQ(mapalargura, 40);
    EXPECT_EQ(mapaaltura, 50);
    int h = heroi();
    EXPECT_EQ(unidades[h].x, 200);
    EXPECT_EQ(unidades[h].y, 2150);
    EXPECT_EQ(camerax, -200);
    EXPECT_EQ(cameray, 1900);
    EXPECT_EQ(mensagem2, "MISSÃO - SALVAR O POBRE DURBIQUINHO.");
    EXPECT_EQ(tarefa.avisotarefa, "DURBICO FOI ENCONTRADO.");
    EXPECT_EQ(tarefa.areax1, 21 * 50 - 40);
    EXPECT_EQ(tarefa.areay2, 45 * 50 + 45);
}

TEST_F(Missao, TreesOnOddRowsStandHalfACellToTheRight) {
    criamapa(1);
    bool linha3 = false, linha4 = false;
    for (int o = 1; o <= MAXOBJETOS; o++) {
        if (objetos[o].tipo < 1 || objetos[o].tipo > 4) continue;
        linha3 = linha3 || (objetos[o].x == 525 && objetos[o].y == 150);
        linha4 = linha4 || (objetos[o].x == 500 && objetos[o].y == 200);
        if (int(objetos[o].y) / 50 % 2 == 1) {
            EXPECT_EQ(int(objetos[o].x) % 50, 25);
        } else {
            EXPECT_EQ(int(objetos[o].x) % 50, 0);
        }
    }
    EXPECT_TRUE(linha3);  // the tree pixel of row 3, column 10
    EXPECT_TRUE(linha4);  // and of row 4
    for (int o = 1; o <= MAXOBJETOS; o++)  // other objects sit on the cell corner
        if (objetos[o].tipo > 4) {
            EXPECT_EQ(int(objetos[o].x) % 50, 0);
        }
}

TEST_F(Missao, LabyrinthTenHasTheFixedWayOutArea) {
    criamapa(10);
    EXPECT_EQ(tarefa.objetivo, 1);
    EXPECT_EQ(tarefa.areax1, 270);
    EXPECT_EQ(tarefa.areay1, -60);
    EXPECT_EQ(tarefa.areax2, 470);
    EXPECT_EQ(tarefa.areay2, 30);
    EXPECT_EQ(contaobjetostipo(21), 73);
    for (int o = 1; o <= MAXOBJETOS; o++)  // the traps are hidden and can be walked into
        if (objetos[o].tipo == 21) { EXPECT_FALSE(objetos[o].visivel); EXPECT_FALSE(objetos[o].solido); }
}

TEST_F(Missao, RetryGivesTheTableMoneyAndEmptiesTheWorldAgain) {
    criamapa(2);
    dinheiro = 13.5;
    pesquisa5 = 2;
    liberafidelina = true;
    itenscheat = 0;
    derrotado = true;
    criaefeito(1, 0, 100, 100, 0);
    int unidadesantes = 0;
    for (int u = 1; u <= MAXUNIDADES; u++) unidadesantes += unidades[u].tipo != 0;
    criamapa(2);
    EXPECT_EQ(dinheiro, 200);
    EXPECT_EQ(pesquisa5, 0);
    EXPECT_FALSE(liberafidelina);
    EXPECT_EQ(itenscheat, 3);
    EXPECT_FALSE(derrotado);
    EXPECT_EQ(contaefeitos(), 0);
    int unidadesdepois = 0;
    for (int u = 1; u <= MAXUNIDADES; u++) unidadesdepois += unidades[u].tipo != 0;
    EXPECT_EQ(unidadesdepois, unidadesantes);
    EXPECT_EQ(contaobjetos(), 1416 + 13 + 7);
}

TEST_F(Missao, AMissionStartsWithTheHeroAloneSelected) {
    for (auto& u : unidades) u = Unidade{};
    criamapa(1);
    ASSERT_NE(heroi(), 0);
    EXPECT_EQ(select_, heroi());
    EXPECT_TRUE(unidades[heroi()].selecionado);  // as a click on him would leave him
    // everything of this mission selected, then the next one set up over the same slots, whose
    // chests, monsters and buildings must not come up marked
    for (int u = 1; u <= MAXUNIDADES; u++) unidades[u].selecionado = unidades[u].tipo != 0;
    criamapa(2);
    int marcados = 0;
    for (int u = 1; u <= MAXUNIDADES; u++) marcados += unidades[u].tipo != 0 && unidades[u].selecionado;
    EXPECT_EQ(marcados, 1);
    EXPECT_TRUE(unidades[heroi()].selecionado);
    EXPECT_GT(contaunidades(12, false), 0);  // mission 2 has chests
}

TEST_F(Missao, UnitSlotsFollowTheColumnByColumnScan) {
    criamapa(5);
    for (int u = 2; u <= MAXUNIDADES && unidades[u].tipo != 0; u++) {
        bool emordem = unidades[u].x > unidades[u - 1].x ||
                       (unidades[u].x == unidades[u - 1].x && unidades[u].y > unidades[u - 1].y);
        EXPECT_TRUE(emordem) << "slot " << u;
    }
}

TEST_F(Missao, MiniMapShowsSceneryOnlyAndIsTheOneListItem) {
    criamapa(1);
    criamapa(1);
    ASSERT_EQ(DXImageListMapa.Count(), 1);
    const ImageItem& item = DXImageListMapa.items[0];
    EXPECT_TRUE(item.transparent);
    EXPECT_FALSE(item.systemmemory);
    EXPECT_EQ(item.picture.width, 40);
    Cor heroi = item.picture.Pixel(4, 43), alvo = item.picture.Pixel(21, 45), arvore = item.picture.Pixel(10, 3);
    EXPECT_EQ(corpixel(heroi), corpixel(CHAO));
    EXPECT_EQ(corpixel(alvo), corpixel(CHAO));  // the hidden target vanishes from it
    EXPECT_EQ(arvore.g, 128);                   // a tree keeps its colour
    EXPECT_EQ(corpixel(ImageMapa.Pixel(4, 43)), corpixel(CHAO));
    // the built-in layout itself is untouched
    EXPECT_EQ(ImageMapa01.Pixel(4, 43).b, 255);
}

TEST_F(Missao, MissingMusicShowsTheErrorAndTheRestStillRuns) {
    std::filesystem::remove(pasta.caminho / "Musicas/Musica-03.wav");
    criamapa(3);
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(erro, "Arquivo  Musicas/Musica-03.wav  não foi encontrado.");
    EXPECT_NE(heroi(), 0);
    EXPECT_EQ(contaobjetostipo(5), 226);
}

TEST_F(Missao, ColourCodeMatchesOnlyExactColours) {
    EXPECT_EQ(objetodacor({0, 128, 0}), 1);
    EXPECT_EQ(objetodacor({30, 128, 30}), 4);
    EXPECT_EQ(objetodacor({250, 250, 250}), 20);
    EXPECT_EQ(objetodacor({255, 0, 255}), 21);
    EXPECT_EQ(objetodacor({101, 101, 101}), 0);
    EXPECT_EQ(objetodacor({100, 150, 100}), 0);
    EXPECT_EQ(unidadedacor({0, 0, 255}), 9);
    EXPECT_EQ(unidadedacor({160, 160, 255}), 4);
    EXPECT_EQ(unidadedacor({190, 190, 255}), 11);
    EXPECT_EQ(unidadedacor({255, 0, 0}), 13);
    EXPECT_EQ(unidadedacor({255, 240, 240}), 25);
    EXPECT_EQ(unidadedacor({0, 0, 0}), 26);
    EXPECT_EQ(unidadedacor({255, 10, 10}), 0);
    EXPECT_EQ(itemdacor({255, 255, 5}), 1);
    EXPECT_EQ(itemdacor({255, 255, 170}), 34);
    EXPECT_EQ(itemdacor({255, 255, 175}), 0);
    EXPECT_EQ(itemdacor({255, 255, 255}), 0);
}

TEST_F(Missao, BuiltInLayoutsAreTheGeneratorsInMissionOrder) {
    std::string why;
    ASSERT_TRUE(carregalayouts(why)) << why;
    for (int n = 1; n <= 12; n++) {
        Picture p = geramapa(n);
        const Bitmap* b = layoutmissao(n);
        ASSERT_NE(b, nullptr);
        ASSERT_EQ(b->width, p.w) << n;
        ASSERT_EQ(b->height, p.h) << n;
        int diferentes = 0;
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++) {
                Cor c = b->Pixel(x, y);
                diferentes += c.r != p.at(x, y)[0] || c.g != p.at(x, y)[1] || c.b != p.at(x, y)[2];
            }
        EXPECT_EQ(diferentes, 0) << "layout " << n;
    }
    EXPECT_EQ(layoutmissao(0), nullptr);
    EXPECT_EQ(layoutmissao(13), nullptr);
}
