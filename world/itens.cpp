// The item catalogue: names, description lines and effects of the 34 items.
#include "world/itens.h"

Item itenstabela[MAXITENS + 1];

namespace {

// Columns: name; description lines 1..3; carried bonuses strength, agility, intelligence, damage,
// armour; HP and MP regeneration per second; speed; permanent strength, agility, intelligence;
// HP and MP restored; evasion percent; experience; picture; consumed; raises skeletons.
struct LinhaItem {
    const char* nome;
    const char* linha1;
    const char* linha2;
    const char* linha3;
    uint8_t forca, agilidade, inteligencia, dano, armadura;
    double regenhp, regenmp, velocidade;
    uint8_t forcap, agilidadep, inteligenciap;
    uint16_t recuperahp, recuperamp;
    uint8_t evasao;
    uint16_t experiencia;
    uint8_t figura;
    bool consumivel, esqueletos;
};

constexpr const char* PARA = "para o Seu Vorlando";
constexpr const char* ATAQUE = "de ataque para o Seu Vorlando";
constexpr const char* SEGUNDO = "segundo para o Seu Vorlando";

constexpr LinhaItem TABELA[] = {
    // 1 Anel da proteção +1
    {"Anel da proteção +1", "Adiciona 1 ponto de armadura", PARA, "", 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, false, false},
    // 2 Anel da proteção +2
    {"Anel da proteção +2", "Adiciona 2 pontos de armadura", PARA, "", 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, false, false},
    // 3 Anel da proteção +3
    {"Anel da proteção +3", "Adiciona 3 pontos de armadura", PARA, "", 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, false, false},
    // 4 Garras de ataque +5
    {"Garras de ataque +5", "Adiciona 5 pontos de poder", ATAQUE, "", 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, false, false},
    // 5 Garras de ataque +10
    {"Garras de ataque +10", "Adiciona 10 pontos de poder", ATAQUE, "", 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, false, false},
    // 6 Garras de ataque +15
    {"Garras de ataque +15", "Adiciona 15 pontos de poder", ATAQUE, "", 0, 0, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, false, false},
    // 7 Anel da regeneração
    {"Anel da regeneração", "Regenera 1 ponto de HP por", SEGUNDO, "", 0, 0, 0, 0, 0, 1.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, false, false},
    // 8 Pedra de MANA
    {"Pedra de MANA", "Regenera 1 ponto de MP por", SEGUNDO, "", 0, 0, 0, 0, 0, 0, 1.0, 0, 0, 0, 0, 0, 0, 0, 0, 4, false, false},
    // 9 Botas da velocidade
    {"Botas da velocidade", "Aumenta a velocidade", "do Seu Vorlando", "", 0, 0, 0, 0, 0, 0, 0, 1.0, 0, 0, 0, 0, 0, 0, 0, 5, false, false},
    // 10 Anel da agilidade +5
    {"Anel da agilidade +5", "Adiciona 5 pontos de agilidade", PARA, "", 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, false, false},
    // 11 Anel da agilidade +10
    {"Anel da agilidade +10", "Adiciona 10 pontos de agilidade", PARA, "", 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, false, false},
    // 12 Anel da agilidade +15
    {"Anel da agilidade +15", "Adiciona 15 pontos de agilidade", PARA, "", 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, false, false},
    // 13 Manto da inteligência +3
    {"Manto da inteligência +3", "Adiciona 3 pontos de inteligência", PARA, "", 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, false, false},
    // 14 Manto da inteligência +6
    {"Manto da inteligência +6", "Adiciona 6 pontos de inteligência", PARA, "", 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, false, false},
    // 15 Manto da inteligência +9
    {"Manto da inteligência +9", "Adiciona 9 pontos de inteligência", PARA, "", 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, false, false},
    // 16 Medalhão da coragem
    {"Medalhão da coragem", "Adiciona 5 pontos de força e", "inteligência para o Seu Vorlando", "", 5, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, false, false},
    // 17 Elmo dos reis
    {"Elmo dos reis", "Adiciona 5 pontos de força ,", "agilidade e inteligência", PARA, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, false, false},
    // 18 Talismã da evasão
    {"Talismã da evasão", "Acrescenta 15% de chance", "de esquivar de um golpe inimigo", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 0, 10, false, false},
    // 19 Livro da força
    {"Livro da força", "Acrescenta 1 ponto permanente", "para a força do Seu Vorlando", "", 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 11, true, false},
    // 20 Livro da agilidade
    {"Livro da agilidade", "Acrescenta 1 ponto permanente", "para a agilidade do Seu Vorlando", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 12, true, false},
    // 21 Livro da inteligência
    {"Livro da inteligência", "Acrescenta 1 ponto permanente", "para a inteligência do Seu Vorlando", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 13, true, false},
    // 22 Livro da experiência +100
    {"Livro da experiência +100", "Adiciona 100 pontos de experiência", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 14, true, false},
    // 23 Livro da experiência +200
    {"Livro da experiência +200", "Adiciona 200 pontos de experiência", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 200, 14, true, false},
    // 24 Livro da experiência +300
    {"Livro da experiência +300", "Adiciona 300 pontos de experiência", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 14, true, false},
    // 25 Refresco de limão - peq.
    {"Refresco de limão - peq.", "Recupera 100 Hps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 15, true, false},
    // 26 Refresco de limão - gra.
    {"Refresco de limão - gra.", "Recupera 300 Hps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 0, 0, 16, true, false},
    // 27 Refresco de groselha - peq.
    {"Refresco de groselha - peq.", "Recupera 50 Mps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50, 0, 0, 17, true, false},
    // 28 Refresco de groselha - gra.
    {"Refresco de groselha - gra.", "Recupera 150 Mps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 150, 0, 0, 18, true, false},
    // 29 Refresco de tamarindo - peq.
    {"Refresco de tamarindo - peq.", "Recupera 100 Hps e 50 Mps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 50, 0, 0, 19, true, false},
    // 30 Refresco de tamarindo - gra.
    {"Refresco de tamarindo - gra.", "Recupera 300 Hps e 150 Mps", PARA, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 150, 0, 0, 20, true, false},
    // 31 Bandeira do JAPÃO
    {"Bandeira do JAPÃO", "Regenera 1 Hp e 1 Mp por", SEGUNDO, "", 0, 0, 0, 0, 0, 1.0, 1.0, 0, 0, 0, 0, 0, 0, 0, 0, 21, false, false},
    // 32 KATANA
    {"KATANA", "Adiciona 30 pontos de poder", ATAQUE, "", 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 22, false, false},
    // 33 Armadura SAMURAI
    {"Armadura SAMURAI", "Adiciona 5 pontos de armadura", PARA, "", 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 23, false, false},
    // 34 LUCIFER'S STAFF OF DEATH
    {"LUCIFER'S STAFF OF DEATH", "?", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, false, true},
};
static_assert(sizeof(TABELA) / sizeof(TABELA[0]) == MAXITENS, "one row per item");

}  // namespace

void criaitens() {
    itenstabela[0] = Item{};
    for (int32_t n = 1; n <= MAXITENS; n++) {
        const LinhaItem& l = TABELA[n - 1];
        Item& it = itenstabela[n];
        it = Item{};
        it.nome = l.nome;
        it.descricao[0] = l.linha1;
        it.descricao[1] = l.linha2;
        it.descricao[2] = l.linha3;
        it.forca = l.forca;
        it.agilidade = l.agilidade;
        it.inteligencia = l.inteligencia;
        it.dano = l.dano;
        it.armadura = l.armadura;
        it.regenhp = l.regenhp;
        it.regenmp = l.regenmp;
        it.velocidade = l.velocidade;
        it.forcapermanente = l.forcap;
        it.agilidadepermanente = l.agilidadep;
        it.inteligenciapermanente = l.inteligenciap;
        it.recuperahp = l.recuperahp;
        it.recuperamp = l.recuperamp;
        it.evasao = l.evasao;
        it.experiencia = l.experiencia;
        it.figura = l.figura;
        it.consumivel = l.consumivel;
        it.levantaesqueletos = l.esqueletos;
    }
}
