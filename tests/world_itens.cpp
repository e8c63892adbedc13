// The item catalogue: names, description lines, effects and pictures of the 34 items.
#include "tests/world_apoio.h"

using WorldItens = mundoteste::Mundo;

TEST_F(WorldItens, AllNamesExactly) {
    const char* nomes[] = {
        "Anel da proteção +1", "Anel da proteção +2", "Anel da proteção +3", "Garras de ataque +5",
        "Garras de ataque +10", "Garras de ataque +15", "Anel da regeneração", "Pedra de MANA",
        "Botas da velocidade", "Anel da agilidade +5", "Anel da agilidade +10", "Anel da agilidade +15",
        "Manto da inteligência +3", "Manto da inteligência +6", "Manto da inteligência +9",
        "Medalhão da coragem", "Elmo dos reis", "Talismã da evasão", "Livro da força", "Livro da agilidade",
        "Livro da inteligência", "Livro da experiência +100", "Livro da experiência +200",
        "Livro da experiência +300", "Refresco de limão - peq.", "Refresco de limão - gra.",
        "Refresco de groselha - peq.", "Refresco de groselha - gra.", "Refresco de tamarindo - peq.",
        "Refresco de tamarindo - gra.", "Bandeira do JAPÃO", "KATANA", "Armadura SAMURAI",
        "LUCIFER'S STAFF OF DEATH"};
    static_assert(sizeof(nomes) / sizeof(nomes[0]) == MAXITENS);
    for (int32_t n = 1; n <= MAXITENS; n++) EXPECT_EQ(itenstabela[n].nome.str(), nomes[n - 1]) << "item " << n;
    EXPECT_TRUE(itenstabela[0].nome.vazio());
}

TEST_F(WorldItens, DescriptionLinesAndTheThirdLineOfTheHelmOnly) {
    EXPECT_EQ(itenstabela[1].descricao[0].str(), "Adiciona 1 ponto de armadura");
    EXPECT_EQ(itenstabela[2].descricao[0].str(), "Adiciona 2 pontos de armadura");
    EXPECT_EQ(itenstabela[4].descricao[1].str(), "de ataque para o Seu Vorlando");
    EXPECT_EQ(itenstabela[7].descricao[1].str(), "segundo para o Seu Vorlando");
    EXPECT_EQ(itenstabela[16].descricao[1].str(), "inteligência para o Seu Vorlando");
    EXPECT_EQ(itenstabela[17].descricao[0].str(), "Adiciona 5 pontos de força ,");
    EXPECT_EQ(itenstabela[17].descricao[1].str(), "agilidade e inteligência");
    EXPECT_EQ(itenstabela[17].descricao[2].str(), "para o Seu Vorlando");
    EXPECT_EQ(itenstabela[18].descricao[0].str(), "Acrescenta 15% de chance");
    EXPECT_EQ(itenstabela[21].descricao[1].str(), "para a inteligência do Seu Vorlando");
    EXPECT_EQ(itenstabela[30].descricao[0].str(), "Recupera 300 Hps e 150 Mps");
    EXPECT_EQ(itenstabela[31].descricao[0].str(), "Regenera 1 Hp e 1 Mp por");
    EXPECT_EQ(itenstabela[34].descricao[0].str(), "?");
    EXPECT_TRUE(itenstabela[34].descricao[1].vazio());
    for (int32_t n = 1; n <= MAXITENS; n++) {
        EXPECT_FALSE(itenstabela[n].descricao[0].vazio()) << "item " << n;
        if (n != 17) {
            EXPECT_TRUE(itenstabela[n].descricao[2].vazio()) << "item " << n;
        }
        if (n != 34) {
            EXPECT_FALSE(itenstabela[n].descricao[1].vazio()) << "item " << n;
        }
    }
}

TEST_F(WorldItens, CarriedBonuses) {
    EXPECT_EQ(itenstabela[3].armadura, 3);
    EXPECT_EQ(itenstabela[6].dano, 15);
    EXPECT_DOUBLE_EQ(itenstabela[7].regenhp, 1.0);
    EXPECT_DOUBLE_EQ(itenstabela[7].regenmp, 0.0);
    EXPECT_DOUBLE_EQ(itenstabela[8].regenmp, 1.0);
    EXPECT_DOUBLE_EQ(itenstabela[9].velocidade, 1.0);
    EXPECT_EQ(itenstabela[12].agilidade, 15);
    EXPECT_EQ(itenstabela[15].inteligencia, 9);
    EXPECT_EQ(itenstabela[16].forca, 5);
    EXPECT_EQ(itenstabela[16].inteligencia, 5);
    EXPECT_EQ(itenstabela[16].agilidade, 0);
    EXPECT_EQ(itenstabela[17].forca + itenstabela[17].agilidade + itenstabela[17].inteligencia, 15);
    EXPECT_EQ(itenstabela[18].evasao, 15);
    EXPECT_DOUBLE_EQ(itenstabela[31].regenhp, 1.0);
    EXPECT_DOUBLE_EQ(itenstabela[31].regenmp, 1.0);
    EXPECT_EQ(itenstabela[32].dano, 30);
    EXPECT_EQ(itenstabela[33].armadura, 5);
    EXPECT_TRUE(itenstabela[34].levantaesqueletos);
    int evasivos = 0, levantam = 0;
    for (int32_t n = 1; n <= MAXITENS; n++) {
        evasivos += itenstabela[n].evasao != 0;
        levantam += itenstabela[n].levantaesqueletos;
    }
    EXPECT_EQ(evasivos, 1);
    EXPECT_EQ(levantam, 1);
}

TEST_F(WorldItens, ConsumablesAndWhatTheyGive) {
    for (int32_t n = 1; n <= MAXITENS; n++) EXPECT_EQ(itenstabela[n].consumivel, n >= 19 && n <= 30) << "item " << n;
    EXPECT_EQ(itenstabela[19].forcapermanente, 1);
    EXPECT_EQ(itenstabela[20].agilidadepermanente, 1);
    EXPECT_EQ(itenstabela[21].inteligenciapermanente, 1);
    EXPECT_EQ(itenstabela[22].experiencia, 100);
    EXPECT_EQ(itenstabela[24].experiencia, 300);
    EXPECT_EQ(itenstabela[25].recuperahp, 100);
    EXPECT_EQ(itenstabela[26].recuperahp, 300);
    EXPECT_EQ(itenstabela[27].recuperamp, 50);
    EXPECT_EQ(itenstabela[28].recuperamp, 150);
    EXPECT_EQ(itenstabela[29].recuperahp, 100);
    EXPECT_EQ(itenstabela[29].recuperamp, 50);
    EXPECT_EQ(itenstabela[30].recuperahp, 300);
    EXPECT_EQ(itenstabela[30].recuperamp, 150);
}

TEST_F(WorldItens, Pictures) {
    const uint8_t figuras[] = {1, 1, 1, 2, 2, 2, 3, 4, 5, 6, 6, 6, 7, 7, 7, 8, 9,
                               10, 11, 12, 13, 14, 14, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    static_assert(sizeof(figuras) == MAXITENS);
    for (int32_t n = 1; n <= MAXITENS; n++) EXPECT_EQ(itenstabela[n].figura, figuras[n - 1]) << "item " << n;
}
