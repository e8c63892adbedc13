// The item catalogue: names, description lines and effects of the 34 items.
#include "world/itens.h"

Item itenstabela[MAXITENS + 1];

namespace {

// One row per item: name; description lines; carried bonuses (strength, agility, intelligence,
// damage, armour, HP and MP regeneration per second, speed); permanent gains when used; HP and MP
// restored; evasion percent; experience given; picture; consumed when used; raises skeletons.
// Fields left out are 0.
struct LinhaItem {
    const char* nome;
    const char* linha1;
    const char* linha2 = "";
    const char* linha3 = "";
    uint8_t forca = 0, agilidade = 0, inteligencia = 0, dano = 0, armadura = 0;
    double regenhp = 0, regenmp = 0, velocidade = 0;
    uint8_t forcap = 0, agilidadep = 0, inteligenciap = 0;
    uint16_t recuperahp = 0, recuperamp = 0;
    uint8_t evasao = 0;
    uint16_t experiencia = 0;
    uint8_t figura = 0;
    bool consumivel = false, esqueletos = false;
};

constexpr const char* PARA = "para o Seu Vorlando";
constexpr const char* ATAQUE = "de ataque para o Seu Vorlando";
constexpr const char* SEGUNDO = "segundo para o Seu Vorlando";

constexpr LinhaItem TABELA[] = {
    // 1 Anel da proteção +1
    {.nome = "Anel da proteção +1", .linha1 = "Adiciona 1 ponto de armadura", .linha2 = PARA,
     .armadura = 1, .figura = 1},
    // 2 Anel da proteção +2
    {.nome = "Anel da proteção +2", .linha1 = "Adiciona 2 pontos de armadura", .linha2 = PARA,
     .armadura = 2, .figura = 1},
    // 3 Anel da proteção +3
    {.nome = "Anel da proteção +3", .linha1 = "Adiciona 3 pontos de armadura", .linha2 = PARA,
     .armadura = 3, .figura = 1},
    // 4 Garras de ataque +5
    {.nome = "Garras de ataque +5", .linha1 = "Adiciona 5 pontos de poder", .linha2 = ATAQUE,
     .dano = 5, .figura = 2},
    // 5 Garras de ataque +10
    {.nome = "Garras de ataque +10", .linha1 = "Adiciona 10 pontos de poder", .linha2 = ATAQUE,
     .dano = 10, .figura = 2},
    // 6 Garras de ataque +15
    {.nome = "Garras de ataque +15", .linha1 = "Adiciona 15 pontos de poder", .linha2 = ATAQUE,
     .dano = 15, .figura = 2},
    // 7 Anel da regeneração
    {.nome = "Anel da regeneração", .linha1 = "Regenera 1 ponto de HP por", .linha2 = SEGUNDO,
     .regenhp = 1.0, .figura = 3},
    // 8 Pedra de MANA
    {.nome = "Pedra de MANA", .linha1 = "Regenera 1 ponto de MP por", .linha2 = SEGUNDO,
     .regenmp = 1.0, .figura = 4},
    // 9 Botas da velocidade
    {.nome = "Botas da velocidade", .linha1 = "Aumenta a velocidade", .linha2 = "do Seu Vorlando",
     .velocidade = 1.0, .figura = 5},
    // 10 Anel da agilidade +5
    {.nome = "Anel da agilidade +5", .linha1 = "Adiciona 5 pontos de agilidade", .linha2 = PARA,
     .agilidade = 5, .figura = 6},
    // 11 Anel da agilidade +10
    {.nome = "Anel da agilidade +10", .linha1 = "Adiciona 10 pontos de agilidade", .linha2 = PARA,
     .agilidade = 10, .figura = 6},
    // 12 Anel da agilidade +15
    {.nome = "Anel da agilidade +15", .linha1 = "Adiciona 15 pontos de agilidade", .linha2 = PARA,
     .agilidade = 15, .figura = 6},
    // 13 Manto da inteligência +3
    {.nome = "Manto da inteligência +3", .linha1 = "Adiciona 3 pontos de inteligência", .linha2 = PARA,
     .inteligencia = 3, .figura = 7},
    // 14 Manto da inteligência +6
    {.nome = "Manto da inteligência +6", .linha1 = "Adiciona 6 pontos de inteligência", .linha2 = PARA,
     .inteligencia = 6, .figura = 7},
    // 15 Manto da inteligência +9
    {.nome = "Manto da inteligência +9", .linha1 = "Adiciona 9 pontos de inteligência", .linha2 = PARA,
     .inteligencia = 9, .figura = 7},
    // 16 Medalhão da coragem
    {.nome = "Medalhão da coragem", .linha1 = "Adiciona 5 pontos de força e", .linha2 = "inteligência para o Seu Vorlando",
     .forca = 5, .inteligencia = 5, .figura = 8},
    // 17 Elmo dos reis
    {.nome = "Elmo dos reis", .linha1 = "Adiciona 5 pontos de força ,", .linha2 = "agilidade e inteligência", .linha3 = PARA,
     .forca = 5, .agilidade = 5, .inteligencia = 5, .figura = 9},
    // 18 Talismã da evasão
    {.nome = "Talismã da evasão", .linha1 = "Acrescenta 15% de chance", .linha2 = "de esquivar de um golpe inimigo",
     .evasao = 15, .figura = 10},
    // 19 Livro da força
    {.nome = "Livro da força", .linha1 = "Acrescenta 1 ponto permanente", .linha2 = "para a força do Seu Vorlando",
     .forcap = 1, .figura = 11, .consumivel = true},
    // 20 Livro da agilidade
    {.nome = "Livro da agilidade", .linha1 = "Acrescenta 1 ponto permanente", .linha2 = "para a agilidade do Seu Vorlando",
     .agilidadep = 1, .figura = 12, .consumivel = true},
    // 21 Livro da inteligência
    {.nome = "Livro da inteligência", .linha1 = "Acrescenta 1 ponto permanente", .linha2 = "para a inteligência do Seu Vorlando",
     .inteligenciap = 1, .figura = 13, .consumivel = true},
    // 22 Livro da experiência +100
    {.nome = "Livro da experiência +100", .linha1 = "Adiciona 100 pontos de experiência", .linha2 = PARA,
     .experiencia = 100, .figura = 14, .consumivel = true},
    // 23 Livro da experiência +200
    {.nome = "Livro da experiência +200", .linha1 = "Adiciona 200 pontos de experiência", .linha2 = PARA,
     .experiencia = 200, .figura = 14, .consumivel = true},
    // 24 Livro da experiência +300
    {.nome = "Livro da experiência +300", .linha1 = "Adiciona 300 pontos de experiência", .linha2 = PARA,
     .experiencia = 300, .figura = 14, .consumivel = true},
    // 25 Refresco de limão - peq.
    {.nome = "Refresco de limão - peq.", .linha1 = "Recupera 100 Hps", .linha2 = PARA,
     .recuperahp = 100, .figura = 15, .consumivel = true},
    // 26 Refresco de limão - gra.
    {.nome = "Refresco de limão - gra.", .linha1 = "Recupera 300 Hps", .linha2 = PARA,
     .recuperahp = 300, .figura = 16, .consumivel = true},
    // 27 Refresco de groselha - peq.
    {.nome = "Refresco de groselha - peq.", .linha1 = "Recupera 50 Mps", .linha2 = PARA,
     .recuperamp = 50, .figura = 17, .consumivel = true},
    // 28 Refresco de groselha - gra.
    {.nome = "Refresco de groselha - gra.", .linha1 = "Recupera 150 Mps", .linha2 = PARA,
     .recuperamp = 150, .figura = 18, .consumivel = true},
    // 29 Refresco de tamarindo - peq.
    {.nome = "Refresco de tamarindo - peq.", .linha1 = "Recupera 100 Hps e 50 Mps", .linha2 = PARA,
     .recuperahp = 100, .recuperamp = 50, .figura = 19, .consumivel = true},
    // 30 Refresco de tamarindo - gra.
    {.nome = "Refresco de tamarindo - gra.", .linha1 = "Recupera 300 Hps e 150 Mps", .linha2 = PARA,
     .recuperahp = 300, .recuperamp = 150, .figura = 20, .consumivel = true},
    // 31 Bandeira do JAPÃO
    {.nome = "Bandeira do JAPÃO", .linha1 = "Regenera 1 Hp e 1 Mp por", .linha2 = SEGUNDO,
     .regenhp = 1.0, .regenmp = 1.0, .figura = 21},
    // 32 KATANA
    {.nome = "KATANA", .linha1 = "Adiciona 30 pontos de poder", .linha2 = ATAQUE, .dano = 30, .figura = 22},
    // 33 Armadura SAMURAI
    {.nome = "Armadura SAMURAI", .linha1 = "Adiciona 5 pontos de armadura", .linha2 = PARA,
     .armadura = 5, .figura = 23},
    // 34 LUCIFER'S STAFF OF DEATH
    {.nome = "LUCIFER'S STAFF OF DEATH", .linha1 = "?", .figura = 24, .esqueletos = true},
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
