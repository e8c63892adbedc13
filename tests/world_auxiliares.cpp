// The shared helpers: rounding halves to even, distance, the records' short strings.
#include "tests/world_apoio.h"

TEST(WorldAuxiliares, RoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(arredonda(0.5), 0);
    EXPECT_EQ(arredonda(1.5), 2);
    EXPECT_EQ(arredonda(2.5), 2);
    EXPECT_EQ(arredonda(-1.5), -2);
    EXPECT_EQ(arredonda(1.8), 2);
    EXPECT_EQ(arredonda(22.5), 22);
}

TEST(WorldAuxiliares, DistanceIsEuclidean) {
    EXPECT_DOUBLE_EQ(distancia(0, 0, 3, 4), 5);
    EXPECT_DOUBLE_EQ(distancia(10, 10, 10, 10), 0);
}

TEST(WorldAuxiliares, ShortStringsKeepWholeCharacters) {
    textocurto<8> t;
    t = "ESQUERDA";
    EXPECT_EQ(t.str(), "ESQUERDA");
    t = "ÁÁÁÁÁÁÁÁÁÁ";
    EXPECT_EQ(t.str(), "ÁÁÁÁÁÁÁÁ");
    t = "";
    EXPECT_TRUE(t.vazio());
}
