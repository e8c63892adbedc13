// The mission objective: a unit of the player in the target area, every portal destroyed, the final
// boss and its death gone; the success line, "FINALIZAR" and the defeat box.
#include "render/interface.h"
#include "render_apoio.h"
#include "sim/jogo.h"
#include "world/efeitos.h"

using jogoteste::Jogo;

namespace {
struct Tarefas : Jogo {
    void SetUp() override {
        Jogo::SetUp();
        enchelista(DXImageListIcones, 41, 10, 10, 77);
        tarefa.avisotarefa = "Missão cumprida !";
    }
    void TearDown() override {
        DXImageListIcones.Clear();
        Jogo::TearDown();
    }
    // the mission-1 box around the cell (10, 20)
    void areamissao1() {
        tarefa.objetivo = 1;
        tarefa.areax1 = 460;
        tarefa.areax2 = 540;
        tarefa.areay1 = 955;
        tarefa.areay2 = 1045;
    }
};
}  // namespace

TEST_F(Tarefas, AnyOwnUnitOnTheAreaEdgeCompletesIt) {
    areamissao1();
    int32_t w = poeunidade(6, 300, 300);  // a worker, not the hero
    verificatarefa();
    EXPECT_FALSE(tarefa.cumprida);
    unidades[w].x = 540;
    unidades[w].y = 955;
    verificatarefa();
    EXPECT_TRUE(tarefa.cumprida);
    EXPECT_EQ(mensagem2, "Missão cumprida !");
    EXPECT_EQ(mensagem2tempo, 250);
}

TEST_F(Tarefas, NeitherAChestNorAnEnemyInTheAreaCompletesIt) {
    areamissao1();
    int32_t b = poeunidade(12, 500, 1000);  // a chest
    ASSERT_TRUE(unidades[b].bau);
    int32_t e = poeunidade(13, 500, 1000);
    unidades[e].inimigo = true;
    verificatarefa();
    EXPECT_FALSE(tarefa.cumprida);
    EXPECT_EQ(mensagem2tempo, 0);
}

TEST_F(Tarefas, PortalCounterShowsWhatIsLeftAndZeroOnce) {
    tarefa.objetivo = 2;
    int32_t p[3];
    for (int32_t& s : p) s = poeunidade(21, 2000, 2000);
    verificatarefa();
    EXPECT_FALSE(tarefa.cumprida);
    EXPECT_TRUE(ehcor(711, 76, corde(2, 77)));   // the counter's ground
    EXPECT_TRUE(ehcor(718, 79, corde(38, 77)));  // the portal icon
    for (int32_t s : p) unidades[s].tipo = 0;
    FillRect(PRETO, 0, 0, 800, 600);
    verificatarefa();
    EXPECT_TRUE(tarefa.cumprida);
    EXPECT_TRUE(ehcor(718, 79, corde(38, 77)));  // drawn once more, with 0
    // from the next tick the check no longer runs, and the counter is gone
    FillRect(PRETO, 0, 0, 800, 600);
    verificamissao();
    EXPECT_TRUE(ehcor(718, 79, PRETO));
}

TEST_F(Tarefas, BossObjectiveWaitsForItsDeathEffectToEnd) {
    tarefa.objetivo = 3;
    int32_t b = poeunidade(26, 2000, 2000);
    verificatarefa();
    EXPECT_FALSE(tarefa.cumprida);
    unidades[b].tipo = 0;
    criaefeito(43, 0, 2000, 2000, 0);
    verificatarefa();
    EXPECT_FALSE(tarefa.cumprida);
    limpaefeitos();
    verificatarefa();
    EXPECT_TRUE(tarefa.cumprida);
}

TEST_F(Tarefas, FinalizarStandsOnlyWhileMetWithNoMenuAndNoDefeat) {
    tarefa.objetivo = 1;
    tarefa.cumprida = true;
    verificamissao();
    EXPECT_EQ(botoes[1].comando, 69);
    EXPECT_EQ(botoes[1].posx, 10);
    EXPECT_EQ(botoes[1].posy, 370);
    limpabotoes();
    menu = 1;
    verificamissao();
    EXPECT_EQ(botoes[1].comando, 0);
    // a hero dying after the objective was met still loses the mission
    limpabotoes();
    menu = 0;
    derrotado = true;
    caixaderrota();
    verificamissao();
    EXPECT_EQ(botoes[1].comando, 70);
    EXPECT_EQ(botoes[2].comando, 71);
    EXPECT_EQ(botoes[3].comando, 0);
}

TEST_F(Tarefas, DefeatBoxDropsAPendingMapCommand) {
    derrotado = true;
    mousenum = 9;
    caixaderrota();
    EXPECT_EQ(mousenum, 0);
    EXPECT_TRUE(ehcor(258, 131, corde(8, 77)));  // the box's top-left corner
}
