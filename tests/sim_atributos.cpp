// The attribute update: derived values, the hero's items and auras, regeneration, summoned units'
// lives, the frozen game and freed slots.
#include "tests/world_apoio.h"

using SimAtributos = mundoteste::Mundo;

TEST_F(SimAtributos, HeroValuesFromCarriedRecordAndItems) {
    heroisalvo.itens[0] = 32;  // KATANA: damage +30
    heroisalvo.itens[1] = 3;   // armour +3
    heroisalvo.itens[2] = 12;  // agility +15
    heroisalvo.itens[3] = 14;  // intelligence +6
    heroisalvo.itens[5] = 9;   // speed +1
    int32_t h = poeunidade(9, 300, 300);
    calculaatributos(h);
    const Unidade& v = unidades[h];
    EXPECT_DOUBLE_EQ(v.hpmax, 23 * 25 + 100);
    EXPECT_DOUBLE_EQ(v.mpmax, (13 + 6) * 15);
    EXPECT_EQ(v.danomin, 26);
    EXPECT_EQ(v.danomax, 39);
    EXPECT_EQ(v.danobonus, 30);
    EXPECT_EQ(v.armadura, 4);
    EXPECT_EQ(v.armadurabonus, 3 + 3);  // the ring, and 15 agility / 5
    EXPECT_EQ(v.agilidadebonus, 15);
    EXPECT_DOUBLE_EQ(v.velocidadebonus, 1.0);
    EXPECT_EQ(v.experienciaprox, 150);
}

TEST_F(SimAtributos, SmallAgilityBonusGivesNoArmour) {
    heroisalvo.itens[0] = 10;  // agility +5: exactly 5 counts
    int32_t h = poeunidade(9, 300, 300);
    EXPECT_EQ(unidades[h].armadurabonus, 1);
    unidades[h].agilidadebonus = 0;
    unidades[h].itens[0] = 0;
    unidades[h].forca = 24;
    calculaatributos(h);
    EXPECT_EQ(unidades[h].armadurabonus, 0);
    EXPECT_DOUBLE_EQ(unidades[h].hpmax, 24 * 25 + 100);
}

TEST_F(SimAtributos, ItemsOnlyCountForTheHero) {
    int32_t d = poeunidade(6, 100, 100);
    unidades[d].itens[0] = 32;
    calculaatributos(d);
    EXPECT_EQ(unidades[d].danobonus, 0);
}

TEST_F(SimAtributos, AurasSphereAndWarriorBonusUseLastDamage) {
    int32_t o = poeunidade(16, 100, 100);  // 18 strength: 21-32
    unidades[o].auraprotetora = 2;
    unidades[o].auraguerreira = 3;
    unidades[o].esfera = 10;
    calculaatributos(o);
    EXPECT_EQ(unidades[o].armadurabonus, 2 + 5);
    EXPECT_EQ(unidades[o].danobonus, 10);  // 32 * 0.3 = 9.6
    EXPECT_EQ(unidades[o].danomin, 21);
    EXPECT_EQ(unidades[o].danomax, 32);    // 31.5 goes to the even 32
}

TEST_F(SimAtributos, RegenerationPerTickAndCaps) {
    int32_t d = poeunidade(6, 100, 100);  // 4 strength, 0 intelligence
    unidades[d].hp = 100;
    unidades[d].mp = 0;
    calculaatributos(d);
    EXPECT_NEAR(unidades[d].hp, 100 + 0.003 + 4 * 0.0003, 1e-12);
    EXPECT_DOUBLE_EQ(unidades[d].mp, 0);  // no MP to hold
    unidades[d].hp = 200;
    calculaatributos(d);
    EXPECT_DOUBLE_EQ(unidades[d].hp, 200);
    int32_t h = poeunidade(9, 200, 100);
    unidades[h].hp = 300;
    unidades[h].mp = 10;
    calculaatributos(h);
    EXPECT_NEAR(unidades[h].hp, 300 + 0.006 + 23 * 0.0003, 1e-12);
    EXPECT_NEAR(unidades[h].mp, 10 + 0.005 + 13 * 0.0005, 1e-12);
}

TEST_F(SimAtributos, RegenerationItemsAddAFortiethPerTick) {
    heroisalvo.itens[0] = 31;  // HP and MP regeneration 1.0
    int32_t h = poeunidade(9, 200, 100);
    unidades[h].hp = 300;
    unidades[h].mp = 10;
    calculaatributos(h);
    EXPECT_NEAR(unidades[h].hp, 300 + 0.025 + 0.006 + 23 * 0.0003, 1e-12);
    EXPECT_NEAR(unidades[h].mp, 10 + 0.025 + 0.005 + 13 * 0.0005, 1e-12);
}

TEST_F(SimAtributos, DeadUnitsDoNotRegenerate) {
    int32_t d = poeunidade(6, 100, 100);
    unidades[d].hp = 0;
    calculaatributos(d);
    EXPECT_DOUBLE_EQ(unidades[d].hp, 0);
}

TEST_F(SimAtributos, ResearchAddsExtraRegeneration) {
    pesquisa5 = 2;
    int32_t f = poeunidade(7, 100, 100);
    unidades[f].mp = 10;
    calculaatributos(f);
    EXPECT_NEAR(unidades[f].mp, 10 + 0.005 + 16 * 0.0005 + 0.007, 1e-12);
}

TEST_F(SimAtributos, PausedKeepsValuesButWorksOutMaxima) {
    int32_t d = poeunidade(6, 100, 100);
    unidades[d].hp = 100;
    unidades[d].forca = 10;
    pausa = true;
    calculaatributos(d);
    EXPECT_DOUBLE_EQ(unidades[d].hp, 100);
    EXPECT_DOUBLE_EQ(unidades[d].hpmax, 350);
    int32_t e = poeunidade(10, 200, 100);
    uint16_t vida = unidades[e].tempovida;
    calculaatributos(e);
    EXPECT_EQ(unidades[e].tempovida, vida);
}

TEST_F(SimAtributos, SkeletonRunsOutIntoBonesAndLeavesTheSelection) {
    int32_t e = poeunidade(10, 200, 100);
    unidades[e].tempovida = 2;
    unidades[e].selecionado = true;
    select_ = uint8_t(e);
    calculaatributos(e);
    EXPECT_EQ(unidades[e].tipo, 10);
    EXPECT_EQ(unidades[e].tempovida, 1);
    calculaatributos(e);
    EXPECT_EQ(unidades[e].tipo, 0);
    EXPECT_EQ(unidades[e].tempovida, 0);
    EXPECT_DOUBLE_EQ(unidades[e].hp, 0);
    EXPECT_FALSE(unidades[e].selecionado);
    EXPECT_EQ(select_, 0);
    EXPECT_EQ(contaefeitos(), 9);
    EXPECT_EQ(efeitos[1].tipo, 5);
    EXPECT_DOUBLE_EQ(efeitos[1].z, 40);
    EXPECT_EQ(efeitos[3].tipo, 7);
    EXPECT_DOUBLE_EQ(efeitos[3].x, 180);
}

TEST_F(SimAtributos, SummonedUnitKilledVanishesAtTheNextUpdate) {
    int32_t s = poeunidade(11, 200, 100);
    unidades[s].tempovida = 0;  // the death step only empties its life
    unidades[s].hp = 0;
    calculaatributos(s);
    EXPECT_EQ(unidades[s].tipo, 0);
    EXPECT_EQ(efeitos[1].tipo, 17);
}

TEST_F(SimAtributos, FreedSlotsAreLeftAlone) {
    int32_t e = poeunidade(10, 200, 100);
    unidades[e].tipo = 0;
    unidades[e].tempovida = 0;
    unidades[e].hp = 10;
    for (int k = 0; k < 3; k++) calculaatributos(e);
    EXPECT_EQ(unidades[e].tempovida, 0);
    EXPECT_DOUBLE_EQ(unidades[e].hp, 10);
    EXPECT_EQ(contaefeitos(), 0);
}

TEST_F(SimAtributos, StructuresAreNotTouched) {
    int32_t t = poeunidade(1, 100, 100, 0);
    calculaatributos(t);
    EXPECT_DOUBLE_EQ(unidades[t].hpmax, 500);
    EXPECT_DOUBLE_EQ(unidades[t].hp, 120);
    EXPECT_EQ(unidades[t].danomax, 20);
}
