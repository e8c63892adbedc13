// The long texts built into the program: mission briefings, gameplay tips and trivia about Japan.
// Each is read by line number in fixed blocks that start with a "-" line, so every line counts.
#include "assets/textos.h"

#include <iterator>

const char* const MemoMapa[] = {
    // capítulo 1
    "-",
    "O INÍCIO",
    "Seu Vorlando inicia sua grande jornada em busca ",
    "de seu sagrado violão . Para isso , ele precisará da ajuda",
    "do garoto Durbico que foi capturado na floresta .",
    // capítulo 2
    "-",
    "GANHA AQUELE QUE NÃO PERDE",
    "Com a ajuda do pobre Durbico , Seu Vorlando precisa",
    "construir estruturas de defesa e destruir os portais ",
    "de onde surgem os monstros .",
    // capítulo 3
    "-",
    "BRUXA VEMOS , COSTUMES NÃO SABEMOS",
    "Antigas lendas dizem que uma bruxa muito poderosa",
    "estaria presa no subsolo de um cemitério ...",
    "",
    // capítulo 4
    "-",
    "UM CONTO DE BRUXAS",
    "Seu Vorlando precisa libertar a Bruxa Morgava",
    "para que ela o ajude em sua longa jornada .",
    "",
    // capítulo 5
    "-",
    "DEUS AJUDA QUEM É SEU VORLANDO",
    "Os monstros estão por toda parte .",
    "Use os poderes sobrenaturais da Bruxa Morgava",
    "e defenda seu território .",
    // capítulo 6
    "-",
    "O REGRESSO DA FIDELINA",
    "A filha do Seu Vorlando esta em perigo .",
    "Corra e salve-a antes que seja tarde .",
    "",
    // capítulo 7
    "-",
    "PREFIRO MORRER DO QUE PERDER A VIDA",
    "Não há como escapar ...",
    "Lute como um bravo ou morra como um molenga .",
    "",
    // capítulo 8
    "-",
    "PELAS BARBAS DO VORLANDO",
    "Sua cidade esta sendo atacada ...",
    "Atravesse a floresta rapidamente e reforçe as ",
    "suas defesas contra os invasores .",
    // capítulo 9
    "-",
    "NO MATO SEM CACHORRO",
    "Uma passagem subterrânea leva ao outro lado",
    "da floresta ... cuidado com as torres de vigilância",
    "espalhadas por toda parte .",
    // capítulo 10
    "-",
    "PRA QUE TE SERVEM OS OLHOS ?",
    "Ache a saída o mais rápido possível ... mas ,",
    "se eu fosse você , não pisaria nos ",
    "pontinhos vermelhos ...",
    // capítulo 11
    "-",
    "GUERRA É GUERRA !",
    "A batalha final esta próxima ...",
    "Não desista ainda ...",
    "",
    // capítulo 12
    "-",
    "DUELO FINAL",
    "Quem vencer , ficará com o violão ...",
    "",
    "",
};
static_assert(std::size(MemoMapa) == 60);

const char* const MemoDicas[] = {
    // dica 1
    "-",
    "PARA SELECIONAR UMA UNIDADE , APERTE",
    "O BOTÃO ESQUERDO DO MOUSE ENQUANTO",
    "APONTA PARA A UNIDADE.",
    "",
    "",
    "",
    // dica 2
    "-",
    "PARA MOVER UMA UNIDADE OU ATACAR UM",
    "INIMIGO , SELECIONE UMA UNIDADE E ENTÃO",
    "APERTE O BOTÃO DIREITO DO MOUSE ENQUANTO",
    "APONTA PARA UMA ÁREA OU INIMIGO.",
    "",
    "",
    // dica 3
    "-",
    "- USE AS TECLAS DE ATALHO -",
    "TODOS OS BOTÕES DO JOGO PODEM SER ATIVADOS",
    "POR TECLAS DE ATALHO . TECLAS DE ATALHO SÃO",
    "LETRAS QUE EXECUTAM UM COMANDO . A TECLA",
    "APARECE EM VERMELHO NO NOME DO BOTÃO .",
    "",
    // dica 4
    "-",
    "CADA UNIDADE PODE SER SELECIONADA",
    "USANDO UM HOTKEY .",
    "DEFINA O HOTKEY DA UNIDADE APERTANDO",
    "SHIFT + UM NÚMERO DE 1 - 9 .",
    "PARA SELECIONAR A UNIDADE , APERTE",
    "O NÚMERO ESCOLHIDO .",
    // dica 5
    "-",
    "PARA SELECIONAR RAPIDAMENTE O SEU",
    "VORLANDO , CLIQUE SOBRE O RETRATO QUE",
    "APARECE NO CANTO SUPERIOR ESQUERDO",
    "DA TELA OU TECLE F1 .",
    "",
    "",
    // dica 6
    "-",
    "ESTRUTURAS COMO TORRES DE GUARDA ,",
    "FAZENDAS E OUTRAS PODEM SER REPARADAS",
    "COM A AJUDA DO DURBICO ... PARA ISSO ,",
    "SELECIONE A OPÇÃO CONSERTAR ESTRUTURAS",
    "E ENTÃO SELECIONE A ESTRUTURA QUE",
    "DESEJA REPARAR .",
    // dica 7
    "-",
    "CADA VEZ QUE O SEU VORLANDO DERROTA UM",
    "INIMIGO , ELE GANHA PONTOS DE EXPERIÊNCIA .",
    "AO ALCANÇAR UMA CERTA QUANTIDADE DE",
    "PONTOS , SEU VORLANDO FICARÁ MAIS FORTE",
    "E GANHARÁ UM PONTO DE TÉCNICA .",
    "",
    // dica 8
    "-",
    "PONTOS DE TÉCNICAS SERVEM PARA ADICIONAR",
    "OU MELHORAR UMA TÉCNICA DE COMBATE PARA",
    "O SEU VORLANDO .",
    "CADA TÉCNICA PODE SER MELHORADA ATÉ O",
    "NÍVEL 3 .",
    "",
    // dica 9
    "-",
    "CADA UNIDADE (MÓVEL) DO JOGO POSSUI TRÊS",
    "ATRIBUTOS BÁSICOS :",
    "FORÇA , AGILIDADE E INTELIGÊNCIA .",
    "",
    "",
    "",
    // dica 10
    "-",
    "FORÇA - DETERMINA A QUANTIDADE E",
    "REGENERAÇÃO DE HP.",
    "AGILIDADE - DETERMINA VELOCIDADE DE UM",
    "GOLPE E DEFESA.",
    "INTELIGÊNCIA - DETERMINA A QUANTIDADE E",
    "REGENERAÇÃO DE MP.",
    // dica 11
    "-",
    "SEU VORLANDO É O UNICO PERSONAGEM QUE",
    "PODE PEGAR E UTILIZAR ITENS COMO : LIVROS ,",
    "REFRESCOS , ANÉIS , MANTOS , ETC ...",
    "",
    "",
    "",
    // dica 12
    "-",
    "ALGUNS ITENS SÃO USADOS AUTOMATICAMENTE",
    "COMO : ANÉIS , MANTOS E MEDALHÕES ...",
    "ESSES ITENS GERALMENTE PROPORCIONAM",
    "BONUS PARA OS ATRIBUTOS :",
    "(FORÇA , AGILIDADE E INTELIGÊNCIA) .",
    "",
    // dica 13
    "-",
    "PARA UTILIZAR UM ITEM ( LIVROS/REFRESCOS) ,",
    "APONTE PARA O ITEM ESCOLHIDO E APERTE O",
    "BOTÃO ESQUERDO DO MOUSE ...",
    "PARA DEIXAR UM ITEM NO CHÃO , APERTE",
    "O BOTÃO DIREITO DO MOUSE .",
    "",
    // dica 14
    "-",
    "A BOLA DE FOGO DA BRUXA MORGAVA PODE SER",
    "USADA PARA QUEIMAR ÁRVORES .",
    "",
    "",
    "",
    "",
    // dica 15
    "-",
    "ALGUNS COMANDOS COMO CONSERTAR",
    "ESTRUTURAS E CURAR , PODEM SER",
    "USADOS AUTOMATICAMENTE ... BASTA APERTAR",
    "O BOTÃO DIREITO SOBRE O ÍCONE DO COMANDO.",
    "CLICANDO NOVAMENTE SOBRE O ÍCONE ,",
    "DESLIGA-SE A FUNÇÃO AUTOMÁTICA .",
    "-",
};
static_assert(std::size(MemoDicas) == 106);

const char* const MemoJapao[] = {
    // página 1
    "-",
    "O Japão é um arquipélago formado por 4 grandes ilhas : HONSHU ,",
    "HOKKAIDO , KYUSHU e SHIKOKU . Sua população é de 127,3 milhões",
    "de pessoas e seu território é de 377,800 km². A capital é TOKYO .",
    // página 2
    "-",
    "O MONTE FUJI é o cartão postal do Japão . possui uma altura de",
    "3.776 m e esta localizado na província de SHIZUOKA . É o ponto",
    "mais alto do arquipélago japonês .",
    // página 3
    "-",
    "O dinheiro utilizado no Japão é o YEN .",
    "O PIB em 2002 foi de 532,96 trilhões de yens .",
    "A renda per capita do Japão é de 24.038 dólares (2002) .",
    // página 4
    "-",
    "O idioma japonês é composto por 3 sistemas de escrita : HIRAGANA ,",
    "KANJI e KATAKANA . Apesar de parecer complicado este idioma ,",
    "o índice de alfabetização do Japão é de 99% (o maior índice do mundo) .",
    // página 5
    "-",
    "A expectativa de vida no Japão é de 82 anos para as mulheres",
    "e de 76 anos para os homens . A mortalidade infantil é de 3,2",
    "por 1000 (o menor índice do mundo) .",
    // página 6
    "-",
    "O Japão esta na lista dos 10 melhores países para se viver , segundo a",
    "ONU que mede o índice de desenvolvimento humano levando em conta",
    "indicadores como expectativa de vida , alfabetização , escolarização e PIB.",
    // página 7
    "-",
    "Os KAMIKAZES (Vento dos Deuses) foram jovens pilotos japoneses",
    "que deram suas vidas em nome da pátria e do imperador",
    "na segunda guerra (1939-1945) .",
    // página 8
    "-",
    "O Japão possui várias artes tradicionais conhecidas no mundo inteiro como :",
    "BONSAI (árvores anãs) , SHODO (arte caligráfica) , MANGA ,",
    "ORIGAMI (arte de dobradura de papel) e muitas outras ...",
    // página 9
    "-",
    "Alguns pratos típicos do Japão são : SUSHI , TEMAKI , YAKISOBA , etc ...",
    "Antes de comer , os japoneses dizem \" ITADAKIMASSU \" em sinal de",
    "educação que significa : \" com licença , vou comer a comida \" .",
    // página 10
    "-",
    "Os SAMURAIS eram guerreiros do antigo Japão feudal com habilidade e",
    "força sobrenaturais . Utilizavam várias armas como : arco e flecha , lanças e",
    "principalmente espadas . A palavra SAMURAI significa \"aquele que serve\".",
    "-",
    "",
};
static_assert(std::size(MemoJapao) == 42);
