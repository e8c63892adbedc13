// The pointer's placement test: footprint against unit and object boxes, edges included.
#include "tests/world_apoio.h"

using WorldSobreposicao = mundoteste::Mundo;

TEST_F(WorldSobreposicao, EmptyMapIsFree) { EXPECT_FALSE(sobreposicaoponteiro(400, 200, 25, 27)); }

TEST_F(WorldSobreposicao, UnitBoxEdgesCountAndCameraShiftsTheBox) {
    int32_t u = poeunidade(6, 500, 300);
    unidades[u].tamanhox = 12;
    unidades[u].tamanhoy = 8;
    camerax = 100;
    cameray = 50;
    // the box on screen is [388, 412] x [242, 258]
    EXPECT_TRUE(sobreposicaoponteiro(388 - 24, 250, 24, 20));   // right edge of the footprint on its left edge
    EXPECT_FALSE(sobreposicaoponteiro(388 - 25, 250, 24, 20));
    EXPECT_TRUE(sobreposicaoponteiro(400, 258 + 20, 24, 20));   // top edge on its bottom edge
    EXPECT_FALSE(sobreposicaoponteiro(400, 259 + 20, 24, 20));
    EXPECT_FALSE(sobreposicaoponteiro(500, 300, 0, 0));         // map coordinates are not screen ones
}

TEST_F(WorldSobreposicao, DeadUnitsDoNotBlock) {
    int32_t u = poeunidade(6, 400, 200);
    unidades[u].tamanhox = 12;
    unidades[u].tamanhoy = 8;
    EXPECT_TRUE(sobreposicaoponteiro(400, 200, 0, 0));
    unidades[u].tipo = 0;
    EXPECT_FALSE(sobreposicaoponteiro(400, 200, 0, 0));
}

TEST_F(WorldSobreposicao, ObjectsCountAndAWalkableOneOnlyAtItsBasePoint) {
    criaobjeto(19, 300, 200);
    processaobjetos();
    EXPECT_TRUE(sobreposicaoponteiro(300, 200, 0, 0));
    EXPECT_TRUE(sobreposicaoponteiro(324, 220, 24, 20));
    EXPECT_FALSE(sobreposicaoponteiro(325, 220, 24, 20));
    criaobjeto(1, 600, 200);
    processaobjetos();
    EXPECT_TRUE(sobreposicaoponteiro(600 + 17 + 24, 200, 24, 20));
    EXPECT_FALSE(sobreposicaoponteiro(600 + 17 + 25, 200, 24, 20));
}

TEST_F(WorldSobreposicao, HiddenTrapsAndTargetsBlockPlacementToo) {
    criaobjeto(21, 300, 200);
    processaobjetos();
    EXPECT_TRUE(sobreposicaoponteiro(300, 200, 2, 2));
}
