// Map objects: type defaults, burning trees, animation, boxes and anchors, a full table.
#include "tests/world_apoio.h"

using WorldObjetos = mundoteste::Mundo;

namespace {

// One gameplay tick as far as objects go: the cycle counter advances and wraps at 30 first.
void tique() {
    ciclotela = int16_t(ciclotela + 1 >= 30 ? 0 : ciclotela + 1);
    processaobjetos();
}

}  // namespace

TEST_F(WorldObjetos, TypeDefaultsAtCreation) {
    criaobjeto(7, 100, 100);
    criaobjeto(11, 200, 100);
    criaobjeto(19, 300, 100);
    criaobjeto(21, 400, 100);
    criaobjeto(1, 500, 100);
    EXPECT_FALSE(objetos[1].visivel);
    EXPECT_TRUE(objetos[1].solido);
    EXPECT_EQ(objetos[2].quadros, 6);
    EXPECT_TRUE(objetos[3].visivel);
    EXPECT_FALSE(objetos[3].solido);
    EXPECT_FALSE(objetos[4].visivel);
    EXPECT_FALSE(objetos[4].solido);
    EXPECT_TRUE(objetos[5].visivel);
    EXPECT_TRUE(objetos[5].solido);
    EXPECT_EQ(objetos[5].queimando, 0);
}

TEST_F(WorldObjetos, FirstTickGivesPictureBoxAndAnchors) {
    criaobjeto(6, 100, 100);
    criaobjeto(16, 200, 100);
    criaobjeto(19, 300, 100);
    tique();
    EXPECT_EQ(objetos[1].desenho, 5);
    EXPECT_EQ(objetos[1].tamanhox, 30);
    EXPECT_EQ(objetos[1].tamanhoy, 15);
    EXPECT_EQ(objetos[1].desenhox, 45);
    EXPECT_EQ(objetos[1].desenhoy, 40);
    EXPECT_EQ(objetos[2].desenho, 17);
    EXPECT_EQ(objetos[2].desenhox, 28);
    EXPECT_EQ(objetos[3].desenho, 20);
    EXPECT_EQ(objetos[3].tamanhox, 0);
    EXPECT_EQ(objetos[3].desenhoy, 130);
}

TEST_F(WorldObjetos, TreeBurningFromTenStepsIsGoneAfterThirtyTicksLeavingAshes) {
    criaobjeto(2, 300, 300);
    tique();
    ciclotela = 0;
    objetos[1].queimando = 10;
    for (int k = 0; k < 29; k++) tique();
    EXPECT_EQ(objetos[1].tipo, 2);
    EXPECT_EQ(objetos[1].queimando, 1);
    EXPECT_EQ(efeitosdotipo(12), 0);
    tique();
    EXPECT_EQ(objetos[1].tipo, 0);
    EXPECT_EQ(efeitosdotipo(12), 1);
    EXPECT_GE(efeitosdotipo(10), 1);
    EXPECT_FALSE(sobreposicaoponteiro(300, 300, 10, 10));  // the cell is free again
}

TEST_F(WorldObjetos, BurningMakesAFlameEveryThirdTickUpToThePictureHeight) {
    criaobjeto(1, 300, 300);
    tique();
    ciclotela = 0;
    objetos[1].queimando = 5;
    int32_t chamas = 0;
    for (int k = 0; k < 3; k++) {
        tique();
        for (int32_t s = 1; s <= MAXEFEITOS; s++)
            if (efeitos[s].tipo == 10) {
                chamas++;
                EXPECT_LT(efeitos[s].z, 90);
                EXPECT_DOUBLE_EQ(efeitos[s].y, 301);
                EXPECT_GE(efeitos[s].x, 290);
                EXPECT_LT(efeitos[s].x, 310);
            }
    }
    EXPECT_EQ(chamas, 1);
    EXPECT_EQ(objetos[1].queimando, 4);
}

TEST_F(WorldObjetos, NothingBurnsOrAnimatesWhilePaused) {
    criaobjeto(3, 300, 300);
    criaobjeto(15, 400, 300);
    tique();
    objetos[1].queimando = 10;
    uint8_t quadro = objetos[2].quadro;
    pausa = true;
    for (int k = 0; k < 90; k++) tique();
    EXPECT_EQ(objetos[1].queimando, 10);
    EXPECT_EQ(objetos[1].tipo, 3);
    EXPECT_EQ(objetos[2].quadro, quadro);
    EXPECT_EQ(contaefeitos(), 0);
    EXPECT_EQ(objetos[2].desenho, 15);  // pictures are still worked out
    EXPECT_EQ(objetos[2].tamanhox, 12);
}

TEST_F(WorldObjetos, AnimatedObjectShowsFirstFrameFourTicksAndSecondTwo) {
    criaobjeto(11, 300, 300);
    std::string visto;
    for (int k = 0; k < 12; k++) {
        tique();
        visto += objetos[1].desenho == 10 ? 'a' : objetos[1].desenho == 11 ? 'b' : '?';
    }
    EXPECT_EQ(visto, "aaaabbaaaabb");
    EXPECT_EQ(objetos[1].desenhox, 8);
    EXPECT_EQ(objetos[1].desenhoy, 65);
}

TEST_F(WorldObjetos, The3001stObjectIsSilentlyNotCreated) {
    for (int32_t k = 0; k < MAXOBJETOS; k++) criaobjeto(5, k, 0);
    EXPECT_EQ(contaobjetos(), MAXOBJETOS);
    criaobjeto(12, 99999, 99999);
    EXPECT_EQ(contaobjetos(), MAXOBJETOS);
    for (int32_t s = 1; s <= MAXOBJETOS; s++) ASSERT_EQ(objetos[s].tipo, 5);
}

TEST_F(WorldObjetos, UnknownTypesAreNotPlaced) {
    criaobjeto(0, 10, 10);
    criaobjeto(22, 10, 10);
    EXPECT_EQ(contaobjetos(), 0);
}
