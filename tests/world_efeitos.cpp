// The effect table: creation values, full table, falling, flight, projectiles and their damage,
// the falling fireball, pictures and anchors, and the frozen game.
#include "tests/world_apoio.h"

using WorldEfeitos = mundoteste::Mundo;

namespace {

void tiques(int n) {
    for (int k = 0; k < n; k++) processaefeitos();
}

}  // namespace

TEST_F(WorldEfeitos, The251stEffectIsSilentlyNotCreated) {
    for (int32_t k = 0; k < MAXEFEITOS; k++) criaefeito(12, 0, k, 0, 0);
    EXPECT_EQ(contaefeitos(), MAXEFEITOS);
    Efeito ultimo = efeitos[MAXEFEITOS];
    criaefeito(43, 0, 999, 999, 0);
    EXPECT_EQ(contaefeitos(), MAXEFEITOS);
    EXPECT_EQ(efeitosdotipo(43), 0);
    EXPECT_EQ(efeitos[MAXEFEITOS].x, ultimo.x);
}

TEST_F(WorldEfeitos, CreationValuesByType) {
    criaefeito(13, 0, 100, 100, 350);
    EXPECT_EQ(efeitos[1].duracao, 400);
    EXPECT_EQ(efeitos[1].animperiodo, 20);
    EXPECT_TRUE(efeitos[1].sombra);
    EXPECT_FALSE(efeitos[1].cai);
    criaefeito(5, 0, 100, 100, 40);
    EXPECT_EQ(efeitos[2].duracao, 38);
    EXPECT_TRUE(efeitos[2].cai);
    EXPECT_LE(efeitos[2].queda, -7);
    EXPECT_GE(efeitos[2].queda, -9);
    EXPECT_LT(efeitos[2].angulo, 15.0);
    EXPECT_LT(efeitos[2].velocidade, 5);
    criaefeito(17, 0, 100, 100, 0);
    EXPECT_TRUE(efeitos[3].treme);
    criaefeito(28, 0, 100, 100, 0);
    EXPECT_TRUE(efeitos[4].semprevisivel);
    EXPECT_LT(efeitos[4].animcontador, 140);
    criaefeito(35, 0, 100, 100, 0);
    EXPECT_TRUE(efeitos[5].cadaver);
    EXPECT_EQ(efeitos[5].duracao, 2000);
    criaefeito(42, 0, 100, 100, 10);
    EXPECT_LE(efeitos[6].queda, 0);
    EXPECT_GT(efeitos[6].queda, -8);
    EXPECT_LT(efeitos[6].velocidade, 8);
}

TEST_F(WorldEfeitos, ProjectilesTakeHeadingAndTargetFromTheirOwner) {
    int32_t bruxa = poeunidade(8, 100, 100);
    int32_t ogro = poeunidade(19, 400, 100);
    unidades[bruxa].alvo = uint16_t(ogro);
    unidades[bruxa].direcao = 0.25;
    criaefeito(22, bruxa, 100, 101, 45);
    EXPECT_EQ(efeitos[1].alvo, ogro);
    EXPECT_DOUBLE_EQ(efeitos[1].angulo, 0.25);
    EXPECT_DOUBLE_EQ(efeitos[1].velocidade, 6);
    EXPECT_EQ(efeitos[1].animperiodo, 32);
    EXPECT_EQ(efeitos[1].dano, 0);
    criaefeito(25, bruxa, 100, 101, 30);
    EXPECT_DOUBLE_EQ(efeitos[2].velocidade, 20);
    EXPECT_EQ(efeitos[2].duracao, 12);
}

TEST_F(WorldEfeitos, LevelThreeFireBoltDealsExactly300WhateverTheArmour) {
    int32_t h = poeunidade(9, 100, 300);
    unidades[h].tecnicas[0] = 3;
    for (uint8_t armadura : {0, 20, 200}) {
        int32_t alvo = poeunidade(20, 300, 300);
        unidades[alvo].armadura = armadura;
        unidades[alvo].hp = 1000;
        unidades[h].alvo = uint16_t(alvo);
        unidades[h].direcao = 0;  // straight at the target
        criaefeito(26, h, 100, 300, 0);
        ASSERT_EQ(efeitos[1].dano, 300);
        for (int k = 0; k < 40 && efeitos[1].tipo == 26; k++) processaefeitos();
        EXPECT_DOUBLE_EQ(unidades[alvo].hp, 700) << "armour " << int(armadura);
        EXPECT_EQ(unidades[alvo].danoexibido, 300);
        EXPECT_EQ(unidades[alvo].danotempo, 20);
        unidades[alvo].tipo = 0;
        limpaefeitos();
    }
}

TEST_F(WorldEfeitos, FireBoltCannotTakeHpBelowZero) {
    int32_t h = poeunidade(9, 100, 300);
    unidades[h].tecnicas[0] = 2;
    int32_t alvo = poeunidade(13, 110, 300);
    unidades[alvo].hp = 50;
    unidades[h].alvo = uint16_t(alvo);
    criaefeito(26, h, 100, 300, 0);
    processaefeitos();  // within 20: it hits on its first tick
    EXPECT_EQ(efeitos[1].tipo, 0);
    EXPECT_DOUBLE_EQ(unidades[alvo].hp, 0);
}

TEST_F(WorldEfeitos, ProjectileWhoseTargetDiedFliesOutItsLifeWithoutDamage) {
    int32_t torre = poeunidade(1, 100, 300);
    int32_t alvo = poeunidade(16, 300, 300);
    unidades[torre].alvo = uint16_t(alvo);
    unidades[torre].direcao = 0;
    criaefeito(25, torre, 100, 301, 30);
    unidades[alvo].tipo = 0;  // dies before the arrow arrives
    double hp = unidades[alvo].hp;
    for (int k = 0; k < 11; k++) processaefeitos();
    EXPECT_EQ(efeitos[1].tipo, 25);  // still flying, past where the target stood
    EXPECT_GT(efeitos[1].x, 300);
    processaefeitos();
    EXPECT_EQ(efeitos[1].tipo, 0);
    EXPECT_DOUBLE_EQ(unidades[alvo].hp, hp);
    EXPECT_EQ(som, 0);
}

TEST_F(WorldEfeitos, FireBoltSparesAFreedSlot) {
    int32_t h = poeunidade(9, 100, 300);
    unidades[h].tecnicas[0] = 1;
    int32_t alvo = poeunidade(16, 110, 300);
    unidades[h].alvo = uint16_t(alvo);
    criaefeito(26, h, 100, 300, 0);
    unidades[alvo].tipo = 0;
    double hp = unidades[alvo].hp;
    tiques(40);
    EXPECT_EQ(efeitos[1].tipo, 0);
    EXPECT_DOUBLE_EQ(unidades[alvo].hp, hp);
}

TEST_F(WorldEfeitos, ArrowArrivingDealsANormalBlowAndSounds) {
    int32_t torre = poeunidade(1, 100, 300);
    int32_t alvo = poeunidade(16, 200, 300);
    unidades[alvo].armadura = 0;
    unidades[torre].alvo = uint16_t(alvo);
    unidades[torre].direcao = 0;
    criaefeito(25, torre, 100, 301, 30);
    double hp = unidades[alvo].hp;
    tiques(5);  // 20 pixels a tick: within 20 after four
    EXPECT_EQ(efeitos[1].tipo, 0);
    EXPECT_GE(hp - unidades[alvo].hp, 15);
    EXPECT_LT(hp - unidades[alvo].hp, 20);
    EXPECT_EQ(som, 38);
}

TEST_F(WorldEfeitos, FallingPiecesLandAndStop) {
    criaefeito(42, 0, 100, 100, 10);  // a clod thrown up at most 8 a tick
    double menor = 1e9;
    for (int k = 0; k < 45; k++) {
        processaefeitos();
        menor = std::min(menor, efeitos[1].z);
    }
    EXPECT_DOUBLE_EQ(menor, 0);
    EXPECT_FALSE(efeitos[1].cai);
    EXPECT_DOUBLE_EQ(efeitos[1].velocidade, 0);
    EXPECT_DOUBLE_EQ(efeitos[1].queda, 0);
    EXPECT_EQ(efeitos[1].quadro, 106);
    EXPECT_TRUE(efeitos[1].pisca);  // its last ten ticks
    double x = efeitos[1].x;
    processaefeitos();
    EXPECT_DOUBLE_EQ(efeitos[1].x, x);
}

TEST_F(WorldEfeitos, FallingFireballLandsShakesAndBurnsBothSidesAndTrees) {
    int32_t amigo = poeunidade(6, 140, 100);
    int32_t inimigo = poeunidade(13, 100, 140);
    int32_t longe = poeunidade(13, 170, 100);
    criaobjeto(2, 100, 60);   // a tree within 65
    criaobjeto(5, 110, 100);  // a rock: does not burn
    criaobjeto(3, 200, 200);  // a tree too far
    criaefeito(13, 0, 100, 100, 350);
    tiques(43);
    EXPECT_FALSE(efeitos[1].pousou);
    EXPECT_EQ(tremor, 0);
    processaefeitos();  // 44 falls of 8 reach the ground
    EXPECT_TRUE(efeitos[1].pousou);
    EXPECT_DOUBLE_EQ(efeitos[1].z, 0);
    EXPECT_EQ(tremor, 30);
    EXPECT_EQ(som, 39);
    EXPECT_EQ(efeitosdotipo(14) + efeitosdotipo(15) + efeitosdotipo(16), 5);
    EXPECT_GE(unidades[amigo].queimando, 100);
    EXPECT_LT(unidades[amigo].queimando, 110);
    EXPECT_GE(unidades[inimigo].queimando, 100);
    EXPECT_EQ(unidades[longe].queimando, 0);
    EXPECT_GE(objetos[1].queimando, 10);
    EXPECT_LT(objetos[1].queimando, 30);
    EXPECT_EQ(objetos[2].queimando, 0);
    EXPECT_EQ(objetos[3].queimando, 0);
    unidades[amigo].queimando = 0;
    processaefeitos();  // the burning goes on while it lies there
    EXPECT_GE(unidades[amigo].queimando, 100);
}

TEST_F(WorldEfeitos, DemonDepartureBurstsOnItsLastTick) {
    criaefeito(17, 0, 400, 300, 0);
    tiques(49);
    EXPECT_EQ(efeitosdotipo(21), 0);
    EXPECT_EQ(efeitosdotipo(17), 1);
    processaefeitos();  // the 50th tick is its last
    EXPECT_EQ(efeitosdotipo(17), 0);
    EXPECT_EQ(efeitosdotipo(18), 1);
    EXPECT_EQ(efeitosdotipo(19), 1);
    EXPECT_EQ(efeitosdotipo(20), 1);
    EXPECT_EQ(efeitosdotipo(21), 10);
    EXPECT_EQ(som, 46);
}

TEST_F(WorldEfeitos, SmallFlameMakesFlameOrSmokeAtFive) {
    criaefeito(10, 0, 100, 100, 5);
    tiques(5);
    EXPECT_EQ(contaefeitos(), 1);
    processaefeitos();  // the sixth tick sees an age of 5
    EXPECT_EQ(efeitosdotipo(1) + efeitosdotipo(2), 1);
}

TEST_F(WorldEfeitos, CorpsesFadeInTheirLast200Ticks) {
    criaefeito(33, 0, 100, 100, 0);
    efeitos[1].contador = 1800;
    processaefeitos();
    EXPECT_FALSE(efeitos[1].pisca);
    processaefeitos();
    EXPECT_TRUE(efeitos[1].pisca);
    EXPECT_EQ(efeitos[1].quadro, 91);
    EXPECT_EQ(efeitos[1].ancorax, 23);
}

TEST_F(WorldEfeitos, PausedEffectsStandStillButKeepTheirPicture) {
    criaefeito(22, 0, 100, 100, 45);
    efeitos[1].velocidade = 6;
    criaefeito(1, 0, 200, 100, 0);
    pausa = true;
    Efeito a = efeitos[1], b = efeitos[2];
    tiques(30);
    EXPECT_DOUBLE_EQ(efeitos[1].x, a.x);
    EXPECT_EQ(efeitos[1].contador, a.contador);
    EXPECT_EQ(efeitos[1].animcontador, a.animcontador);
    EXPECT_DOUBLE_EQ(efeitos[2].z, b.z);
    EXPECT_EQ(contaefeitos(), 2);
    EXPECT_EQ(efeitos[1].quadro, 39);
    EXPECT_EQ(efeitos[2].quadro, 2);
    pausa = false;
    processaefeitos();
    EXPECT_GT(efeitos[1].x, a.x);
}

TEST_F(WorldEfeitos, FlameAgesThroughFourPictures) {
    criaefeito(1, 0, 100, 100, 0);
    EXPECT_EQ(efeitos[1].quadro, 2);
    EXPECT_EQ(efeitos[1].ancorax, 7);
    tiques(14);
    EXPECT_EQ(efeitos[1].quadro, 2);
    processaefeitos();
    EXPECT_EQ(efeitos[1].quadro, 3);
    tiques(15);
    EXPECT_EQ(efeitos[1].quadro, 4);
    tiques(15);
    EXPECT_EQ(efeitos[1].quadro, 5);
    EXPECT_EQ(efeitos[1].ancoray, 4);
    EXPECT_DOUBLE_EQ(efeitos[1].z, 45);  // a flame rises a pixel a tick
    tiques(5);
    EXPECT_EQ(efeitos[1].tipo, 0);
}

TEST_F(WorldEfeitos, ArrowPictureFollowsItsHeadingInEighths) {
    struct Caso { double angulo; uint8_t quadro; };
    const Caso casos[] = {{0.0, 53}, {0.39, 53}, {0.40, 52}, {1.57, 51}, {2.0, 58}, {3.14, 57},
                          {4.0, 56}, {4.71, 55}, {5.5, 54}, {6.0, 53}, {-0.2, 53}};
    for (const Caso& c : casos) {
        Efeito e{};
        e.tipo = 25;
        e.angulo = c.angulo;
        EXPECT_EQ(quadroefeito(e), c.quadro) << c.angulo;
    }
}

TEST_F(WorldEfeitos, PicturesAndAnchorsOfOtherTypes) {
    Efeito e{};
    e.tipo = 13;
    e.animcontador = 5; EXPECT_EQ(quadroefeito(e), 27);
    e.animcontador = 6; EXPECT_EQ(quadroefeito(e), 28);
    e.animcontador = 15; EXPECT_EQ(quadroefeito(e), 29);
    e.animcontador = 16; EXPECT_EQ(quadroefeito(e), 30);
    e.tipo = 28;
    e.animcontador = 75; EXPECT_EQ(quadroefeito(e), 74);
    e.animcontador = 139; EXPECT_EQ(quadroefeito(e), 86);
    e.tipo = 22; e.animcontador = 31; EXPECT_EQ(quadroefeito(e), 46);
    e.tipo = 42; e.z = 3; EXPECT_EQ(quadroefeito(e), 105);
    e.z = 0; EXPECT_EQ(quadroefeito(e), 106);
    e.tipo = 12; e.contador = 160; EXPECT_EQ(quadroefeito(e), 26);
    e.tipo = 40; EXPECT_EQ(quadroefeito(e), 98);
    e.quadro = 27; ancoraefeito(e); EXPECT_EQ(e.ancorax, 35); EXPECT_EQ(e.ancoray, 110);
    e.quadro = 107; ancoraefeito(e); EXPECT_EQ(e.ancoray, 90);
    e.quadro = 60; ancoraefeito(e); EXPECT_EQ(e.ancorax, 0);
    e.quadro = 255; ancoraefeito(e); EXPECT_EQ(e.ancorax, 0); EXPECT_EQ(e.ancoray, 0);
}

TEST_F(WorldEfeitos, BossDeathEndsInFiftyFlames) {
    camerax = cameray = 0;
    criaefeito(43, 0, 300, 200, 0);
    tiques(245);
    int32_t antes = efeitosdotipo(1);
    processaefeitos();  // sees an age of 245: five before the end
    EXPECT_GE(efeitosdotipo(1), antes + 48);  // fifty new flames, give or take the small ones ageing
    EXPECT_LE(efeitosdotipo(1), antes + 51);
    tiques(4);
    EXPECT_EQ(efeitosdotipo(43), 0);
}

TEST_F(WorldEfeitos, LeavesDriftDownAndLeftAndBoltsLeaveTrails) {
    criaefeito(28, 0, 300, 100, 50);
    for (int k = 0; k < 20; k++) {
        double x = efeitos[1].x, y = efeitos[1].y;
        processaefeitos();
        EXPECT_GE(efeitos[1].y - y, 1);
        EXPECT_LE(efeitos[1].y - y, 4);
        EXPECT_GE(x - efeitos[1].x, 0);
        EXPECT_LE(x - efeitos[1].x, 2);
    }
    limpaefeitos();
    criaefeito(23, 0, 300, 100, 45);  // Fidelina's bolt: a sparkle every third animation tick
    efeitos[1].velocidade = 0;
    tiques(6);
    EXPECT_GE(efeitosdotipo(24), 1);
    for (int32_t s = 1; s <= MAXEFEITOS; s++)
        if (efeitos[s].tipo == 24) {
            EXPECT_GE(efeitos[s].z, 45 - 12 - 6);  // sparkles sink a pixel a tick
            EXPECT_LT(efeitos[s].z, 45 + 15);
        }
}

TEST_F(WorldEfeitos, LandedFireballBurnsUntilItsTimeIsUp) {
    int32_t u = poeunidade(13, 100, 110);
    criaefeito(13, 0, 100, 100, 350);
    tiques(399);
    EXPECT_EQ(efeitos[1].tipo, 13);
    unidades[u].queimando = 0;
    processaefeitos();
    EXPECT_EQ(efeitosdotipo(13), 0);
    EXPECT_GE(unidades[u].queimando, 100);  // its last tick still burns
}
