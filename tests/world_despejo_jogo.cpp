// What the gameplay adds to the state dump: each unit's selection and the mission record.
#include "missions/missoes.h"
#include "world_apoio.h"

using mundoteste::Mundo;

namespace {
struct DespejoJogo : Mundo {};
}  // namespace

TEST_F(DespejoJogo, UnitsCarryTheirSelection) {
    int32_t a = poeunidade(6, 100, 100);
    poeunidade(6, 200, 100);
    unidades[a].selecionado = true;
    std::string j = despejomundo();
    size_t p1 = j.find("\"slot\":1,"), p2 = j.find("\"slot\":2,");
    ASSERT_NE(p1, std::string::npos);
    ASSERT_NE(p2, std::string::npos);
    EXPECT_NE(j.substr(p1, p2 - p1).find("\"selecionado\":true"), std::string::npos);
    EXPECT_NE(j.substr(p2).find("\"selecionado\":false"), std::string::npos);
}

TEST_F(DespejoJogo, MissionRecordAndViewGlobals) {
    tarefa = Tarefa{2, -40, 40, -45, 45, "PORTAIS DESTRUIDOS.", true};
    camerax = -10;
    cameray = 1900;
    select_ = 7;
    std::string j = despejomundo();
    EXPECT_NE(j.find("\"tarefa\":{\"objetivo\":2,\"areax1\":-40,\"areay1\":-45,\"areax2\":40,\"areay2\":45,"
                     "\"avisotarefa\":\"PORTAIS DESTRUIDOS.\",\"cumprida\":true}"),
              std::string::npos) << j;
    EXPECT_NE(j.find("\"camerax\":-10,\"cameray\":1900"), std::string::npos);
    EXPECT_NE(j.find("\"select\":7,"), std::string::npos);
}
