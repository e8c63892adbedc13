// The item names of the six built-in picture lists, in index order, and where each list comes from.
#include "assets/internas.h"

#include <iterator>

#include "assets/listas.h"

const char* const nomesicones[] = {
    "Icone-01-Borda-01",  // 0
    "Icone-02-Borda-02",  // 1
    "Icone-03-Borda-03",  // 2
    "Icone-04-Borda-04",  // 3
    "Icone-05-Menu",  // 4
    "Icone-06-Borda de botão",  // 5
    "Icone-07-Caixa de escolha-ativado",  // 6
    "Icone-08-Caixa de escolha-desativado",  // 7
    "Icone-09-Borda de menu-01",  // 8
    "Icone-10-Borda de menu-02",  // 9
    "Icone-11-Borda de menu-03",  // 10
    "Icone-12-Borda de menu-04",  // 11
    "Icone-13-Borda de menu-05",  // 12
    "Icone-14-Borda de menu-06",  // 13
    "Icone-15-Borda de menu-07",  // 14
    "Icone-16-Borda de menu-08",  // 15
    "Icone-17-Borda de menu-09",  // 16
    "Icone-18-Barra de rolagem",  // 17
    "Icone-19-Indicador",  // 18
    "Icone-20-Dinheiro",  // 19
    "Icone-21-Comida",  // 20
    "Icone-22-Mana",  // 21
    "Icone-23-Borda-Unidade",  // 22
    "Icone-24-Borda-Botões",  // 23
    "Icone-25-Lanca",  // 24
    "Icone-26-Armadura-Predios",  // 25
    "Icone-27-Comida",  // 26
    "Icone-28-Machado",  // 27
    "Icone-29-Chapeu do Durbico",  // 28
    "Icone-30-Bastão",  // 29
    "Icone-31-Vestido da Fidelina",  // 30
    "Icone-32-Garras de Bruxa",  // 31
    "Icone-33-Vestido de bruxa",  // 32
    "Icone-34-Bastão do Seu Vorlando",  // 33
    "Icone-35-Chapeu do Seu Vorlando",  // 34
    "Icone-36-Espada",  // 35
    "Icone-37-Osso",  // 36
    "Icone-38-Armadura Satanas",  // 37
    "Icone-39-Portal",  // 38
    "Icone-40-Botão selecionado",  // 39
    "Icone-41-Logo",  // 40
};
static_assert(std::size(nomesicones) == 41);

const char* const nomescursor[] = {
    "Cursor-01",  // 0
    "Cursor-02-Torre",  // 1
    "Cursor-03-Fazenda",  // 2
    "Cursor-04-Tienda",  // 3
    "Cursor-05-Servico",  // 4
    "Cursor-06-Ponto de agrupamento",  // 5
    "Cursor-07-Bola de Fogo",  // 6
};
static_assert(std::size(nomescursor) == 7);

const char* const nomesretrato[] = {
    "Retrato-01-Torre",  // 0
    "Retrato-02-Fazenda",  // 1
    "Retrato-03-Tienda",  // 2
    "Retrato-04-Quartel",  // 3
    "Retrato-05-Casa da Bruxa Morgava",  // 4
    "Retrato-06-Durbico-01",  // 5
    "Retrato-07-Durbico-02",  // 6
    "Retrato-08-Fidelina-01",  // 7
    "Retrato-09-Fidelina-02",  // 8
    "Retrato-10-Bruxa-01",  // 9
    "Retrato-11-Bruxa-02",  // 10
    "Retrato-12-Seu Vorlando-01",  // 11
    "Retrato-13-Seu Vorlando-02",  // 12
    "Retrato-14-Seu Vorlando-03",  // 13
    "Retrato-15-Esqueleto-01",  // 14
    "Retrato-16-Esqueleto-02",  // 15
    "Retrato-17-Satanas-01",  // 16
    "Retrato-18-Satanas-02",  // 17
    "Retrato-19-Bau-01",  // 18
    "Retrato-20-Bau-02",  // 19
    "Retrato-21-Aranha-01",  // 20
    "Retrato-22-Aranha-02",  // 21
    "Retrato-23-Carnical-01",  // 22
    "Retrato-24-Carnical-02",  // 23
    "Retrato-25-Murloc-01",  // 24
    "Retrato-26-Murloc-02",  // 25
    "Retrato-27-Orc-01",  // 26
    "Retrato-28-Orc-02",  // 27
    "Retrato-29-Lobo-01",  // 28
    "Retrato-30-Lobo-02",  // 29
    "Retrato-31-Monstro de pedra-01",  // 30
    "Retrato-32-Ogro-01",  // 31
    "Retrato-33-Ogro-02",  // 32
    "Retrato-34-Arvore-01",  // 33
    "Retrato-35-Arvore-02",  // 34
    "Retrato-36-Portal-01",  // 35
    "Retrato-37-Portal-02",  // 36
    "Retrato-38-Torre inimiga",  // 37
    "Retrato-39-Dona Quiteva-01",  // 38
    "Retrato-40-Dona Quiteva-02",  // 39
};
static_assert(std::size(nomesretrato) == 40);

const char* const nomesbotoes[] = {
    "<VAZIO>",  // 0
    "Botão-01-Durbico",  // 1
    "Botão-02-Fidelina",  // 2
    "Botão-03-Bruxa Morgava",  // 3
    "Botão-04-Fortalecer Estruturas",  // 4
    "Botão-05-Treinamento Fidelina",  // 5
    "Botão-06-Treinamento de Bruxa",  // 6
    "Botão-07-Fortalecimento de Esqueletos",  // 7
    "Botão-08-Criar Torre de Guarda",  // 8
    "Botão-09-Criar Fazenda",  // 9
    "Botão-10-Criar Tienda del Durbico",  // 10
    "Botão-11-Consertar Estruturas",  // 11
    "Botão-12-Ponto de agrupamento",  // 12
    "Botão-13-Cancelar Estrutura",  // 13
    "Botão-14-Curar",  // 14
    "Botão-15-Invisibilidade",  // 15
    "Botão-16-Esfera Protetora",  // 16
    "Botão-17-Ressuscitar esqueletos",  // 17
    "Botão-18-Bola de Fogo",  // 18
    "Botão-19-Invocar o SATANAS",  // 19
    "Botão-20-Bastão de Fogo",  // 20
    "Botão-21-Aura Protetora",  // 21
    "Botão-22-Tremor",  // 22
    "Botão-23-Aura Guerreira",  // 23
    "Botão-24-Chimpanzé Raivoso",  // 24
    "Botão-25-Acrescentar Tecnicas",  // 25
    "Botão-26-Refresco de limão-pequeno",  // 26
    "Botão-27-Refresco de limão-grande",  // 27
    "Botão-28-Refresco de groselha-pequeno",  // 28
    "Botão-29-Refresco de groselha-grande",  // 29
    "Botão-30-Refresco de tamarindo-pequeno",  // 30
    "Botão-31-Refresco de tamarindo-grande",  // 31
};
static_assert(std::size(nomesbotoes) == 32);

const char* const nomesstatus[] = {
    "Status-01-Invisivel",  // 0
    "Status-02-Esfera Protetora",  // 1
    "Status-03-Aura Portetora",  // 2
    "Status-04-Aura Guerreira",  // 3
    "Status-05-Paralizado",  // 4
    "Status-06-Envenenado",  // 5
    "Status-07-Invencivel",  // 6
};
static_assert(std::size(nomesstatus) == 7);

const char* const nomesitens[] = {
    "Vazio",  // 0
    "Item-01-Anel da protecao",  // 1
    "Item-02-Garras de ataque",  // 2
    "Item-03-Anel da regeneração ",  // 3
    "Item-04-Pedra de MANA",  // 4
    "Item-05-Botas da velocidade",  // 5
    "Item-06-Anel da agilidade",  // 6
    "Item-07-Manto da inteligencia",  // 7
    "Item-08-Medalhao da coragem",  // 8
    "Item-09-Elmo dos reis",  // 9
    "Item-10-Talisma da evasao",  // 10
    "Item-11-Livro da forca",  // 11
    "Item-12-Livro da agilidade",  // 12
    "Item-13-Livro da inteligencia",  // 13
    "Item-14-Livro da experiencia",  // 14
    "Item-15-Refresco de limao - pequeno",  // 15
    "Item-16-Refresco de limao - grande",  // 16
    "Item-17-Refresco de groselha - pequeno",  // 17
    "Item-18-Refresco de groselha - grande",  // 18
    "Item-19-Refresco de tamarindo - pequeno",  // 19
    "Item-20-Refresco de tamarindo - grande",  // 20
    "Item-21-Bandeira do JAPAO",  // 21
    "Item-22-KATANA",  // 22
    "Item-23-Armadura SAMURAI",  // 23
    "Item-24-Lucifer's staff of death",  // 24
};
static_assert(std::size(nomesitens) == 25);
// pack, list, count, names, opaque items at the front
const ListaInterna listasinternas[] = {
    {"icones", &DXImageListIcones, QTDICONES, nomesicones, 0},     // interface pieces and icons
    {"cursor", &DXImageListCursor, QTDCURSOR, nomescursor, 0},     // pointer shapes
    {"retrato", &DXImageListRetrato, QTDRETRATO, nomesretrato, 0}, // portraits
    {"botoes", &DXImageListBotoes, QTDBOTOES, nomesbotoes, 17},    // command buttons, 0..16 opaque
    {"status", &DXImageListStatus, QTDSTATUS, nomesstatus, 7},     // status marks, all opaque
    {"itens", &DXImageListItens, QTDITENS, nomesitens, 0},         // item icons
};
static_assert(std::size(listasinternas) == QTDLISTASINTERNAS);
