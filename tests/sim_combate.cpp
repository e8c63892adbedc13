// One normal blow: damage range, armour, the minimum of 1, evasion, immunity, poison, paralysis.
#include "tests/world_apoio.h"

using SimCausadano = mundoteste::Mundo;

namespace {

int32_t atacante(int32_t dmin, int32_t dmax) {
    int32_t a = poeunidade(16, 100, 100);
    unidades[a].danomin = uint16_t(dmin);
    unidades[a].danomax = uint16_t(dmax);
    unidades[a].danobonus = 0;
    unidades[a].paralisa = unidades[a].envenena = false;
    return a;
}

int32_t defensor(int32_t tipo, uint8_t armadura) {
    int32_t t = poeunidade(tipo, 200, 100);
    unidades[t].armadura = armadura;
    unidades[t].armadurabonus = 0;
    return t;
}

}  // namespace

TEST_F(SimCausadano, FifteenToTwentyAgainstArmourThreeGives1275To1615) {
    int32_t a = atacante(15, 20);
    int32_t t = defensor(20, 3);
    double menor = 1e9, maior = 0;
    for (int k = 0; k < 2000; k++) {
        unidades[t].hp = 1000;
        int32_t r = causadano(a, t);
        double d = 1000 - unidades[t].hp;
        menor = std::min(menor, d);
        maior = std::max(maior, d);
        EXPECT_EQ(r, arredonda(d));
        EXPECT_EQ(unidades[t].danoexibido, r);
        EXPECT_EQ(unidades[t].danotempo, 20);
    }
    EXPECT_NEAR(menor, 12.75, 1e-9);
    EXPECT_NEAR(maior, 16.15, 1e-9);  // twenty itself is never rolled
}

TEST_F(SimCausadano, ArmourAndBonusBothCountAndTwentyLeavesOne) {
    int32_t a = atacante(15, 20);
    unidades[a].danobonus = 5;
    int32_t t = defensor(20, 10);
    unidades[t].armadurabonus = 10;
    for (int k = 0; k < 200; k++) {
        unidades[t].hp = 1000;
        EXPECT_EQ(causadano(a, t), 1);
        EXPECT_DOUBLE_EQ(unidades[t].hp, 999);
    }
    unidades[t].armadurabonus = 15;  // more than 100% still leaves 1
    unidades[t].hp = 1000;
    causadano(a, t);
    EXPECT_DOUBLE_EQ(unidades[t].hp, 999);
}

TEST_F(SimCausadano, HpNeverDropsBelowZero) {
    int32_t a = atacante(50, 60);
    int32_t t = defensor(13, 0);
    unidades[t].hp = 3;
    causadano(a, t);
    EXPECT_DOUBLE_EQ(unidades[t].hp, 0);
}

TEST_F(SimCausadano, ImmuneTargetTakesNothingAndIsNeitherPoisonedNorParalysed) {
    int32_t a = atacante(15, 20);
    unidades[a].paralisa = unidades[a].envenena = true;
    int32_t t = defensor(20, 0);
    unidades[t].imunidade = 50;
    for (int k = 0; k < 500; k++) {
        unidades[t].hp = 1000;
        EXPECT_EQ(causadano(a, t), 0);
        EXPECT_DOUBLE_EQ(unidades[t].hp, 1000);
    }
    EXPECT_EQ(unidades[t].paralisado, 0);
    EXPECT_EQ(unidades[t].envenenado, 0);
    EXPECT_EQ(unidades[t].danoexibido, 0);
}

TEST_F(SimCausadano, EvasionTalismanDodgesFifteenPercent) {
    heroisalvo.itens[3] = 18;
    int32_t a = atacante(15, 20);
    int32_t h = poeunidade(9, 200, 100);
    const int n = 100000;
    int esquivas = 0;
    for (int k = 0; k < n; k++) {
        unidades[h].hp = 1000;
        esquivas += causadano(a, h) == 0;
    }
    EXPECT_NEAR(esquivas / double(n), 0.15, 0.005);  // 150 of the 1000 values, not 160
}

TEST_F(SimCausadano, HeroWithoutEvasionItemsNeverDodges) {
    int32_t a = atacante(15, 20);
    int32_t h = poeunidade(9, 200, 100);
    for (int k = 0; k < 2000; k++) {
        unidades[h].hp = 1000;
        ASSERT_GT(causadano(a, h), 0);
    }
}

TEST_F(SimCausadano, OgreParalysesOneBlowInTenForFiftyTicks) {
    int32_t a = atacante(15, 20);
    unidades[a].paralisa = true;
    int32_t t = defensor(20, 0);
    const int n = 100000;
    int paralisias = 0;
    for (int k = 0; k < n; k++) {
        unidades[t].hp = 1000;
        unidades[t].paralisado = 0;
        causadano(a, t);
        if (unidades[t].paralisado != 0) {
            paralisias++;
            ASSERT_EQ(unidades[t].paralisado, 50);
        }
    }
    EXPECT_NEAR(paralisias / double(n), 0.10, 0.005);
}

TEST_F(SimCausadano, ParalysisIsNotRenewedWhileItLasts) {
    int32_t a = atacante(15, 20);
    unidades[a].paralisa = true;
    int32_t t = defensor(20, 0);
    unidades[t].paralisado = 7;
    for (int k = 0; k < 500; k++) {
        unidades[t].hp = 1000;
        causadano(a, t);
    }
    EXPECT_EQ(unidades[t].paralisado, 7);
}

TEST_F(SimCausadano, SpiderPoisonsOneLivingTargetInSeven) {
    int32_t a = atacante(15, 20);
    unidades[a].envenena = true;
    int32_t t = defensor(20, 0);
    const int n = 70000;
    int venenos = 0;
    for (int k = 0; k < n; k++) {
        unidades[t].hp = 1000;
        unidades[t].envenenado = 0;
        causadano(a, t);
        if (unidades[t].envenenado != 0) {
            venenos++;
            ASSERT_EQ(unidades[t].envenenado, 500);
        }
    }
    EXPECT_NEAR(venenos / double(n), 1.0 / 7, 0.006);
}

TEST_F(SimCausadano, StructuresAreNotPoisoned) {
    int32_t a = atacante(15, 20);
    unidades[a].envenena = true;
    int32_t t = poeunidade(2, 300, 300);
    for (int k = 0; k < 500; k++) {
        unidades[t].hp = 800;
        causadano(a, t);
    }
    EXPECT_EQ(unidades[t].envenenado, 0);
}

TEST_F(SimCausadano, EqualMinimumAndMaximumAlwaysDealTheMinimum) {
    int32_t a = atacante(10, 10);
    int32_t t = defensor(20, 0);
    unidades[t].hp = 1000;
    EXPECT_EQ(causadano(a, t), 10);
}
