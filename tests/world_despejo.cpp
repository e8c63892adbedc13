// The world's part of the state dump.
#include "tests/world_apoio.h"

using WorldDespejo = mundoteste::Mundo;

TEST_F(WorldDespejo, ListsLiveUnitsCountsAndGlobals) {
    poeunidade(13, 100, 200, 0);
    int32_t morto = poeunidade(6, 50, 50);
    poeunidade(23, 300, 400);
    unidades[morto].tipo = 0;
    criaefeito(12, 0, 0, 0, 0);
    criaobjeto(1, 0, 0);
    criaobjeto(19, 125, 50);
    dinheiro = 12.5;
    std::string j = despejomundo();
    EXPECT_EQ(j.rfind("\"unidades\":[{\"slot\":1,\"tipo\":13,\"nome\":\"ARANHA GIGANTE\",\"x\":100,\"y\":200,", 0), 0u) << j;
    EXPECT_NE(j.find("\"experiencia\":2,\"recompensa\":10,"), std::string::npos);
    EXPECT_EQ(j.find("\"slot\":2,\"tipo\":6,"), std::string::npos);  // the dead unit is left out
    EXPECT_NE(j.find("{\"slot\":3,\"tipo\":21,\"nome\":\"PORTAL\""), std::string::npos);
    EXPECT_NE(j.find("\"efeitos\":1,\"objetos\":2"), std::string::npos);
    // the map objects, a floor mark among them that does not block
    EXPECT_NE(j.find("\"listaobjetos\":[{\"slot\":1,\"tipo\":1,\"x\":0,\"y\":0,\"solido\":true},"
                     "{\"slot\":2,\"tipo\":19,\"x\":125,\"y\":50,\"solido\":false}]"), std::string::npos) << j;
    EXPECT_NE(j.find("\"dinheiro\":12.5"), std::string::npos);
    EXPECT_NE(j.find("\"heroisalvo\":{\"nivel\":1,\"experiencia\":0,\"forca\":23,"), std::string::npos);
    EXPECT_NE(j.find("\"tecnicas\":[1,0,0,0,0],\"itens\":[0,0,0,0,0,0]"), std::string::npos);
    EXPECT_NE(j.front(), '{');
    EXPECT_NE(j.back(), '}');
    // members only: wrapped in braces the text must balance
    int fundo = 0;
    for (char c : j) {
        if (c == '{' || c == '[') fundo++;
        if (c == '}' || c == ']') fundo--;
        ASSERT_GE(fundo, 0);
    }
    EXPECT_EQ(fundo, 0);
}

TEST_F(WorldDespejo, EscapesTextsAndKeepsUtf8) {
    mensagem = "Diz \"oi\"\\ já\n\x01";
    std::string j = despejomundo();
    EXPECT_NE(j.find("\"mensagem\":\"Diz \\\"oi\\\"\\\\ já\\n\\u0001\""), std::string::npos) << j;
    poeunidade(14, 10, 10);
    EXPECT_NE(despejomundo().find("\"nome\":\"CARNIÇAL\""), std::string::npos);
}

TEST_F(WorldDespejo, NonFiniteRealsBecomeNull) {
    int32_t u = poeunidade(13, 10, 10);
    unidades[u].hp = std::nan("");
    EXPECT_NE(despejomundo().find("\"hp\":null"), std::string::npos);
}
