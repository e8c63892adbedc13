// The command table: caption, style, hot key, picture, prices and tooltip of every command, and the
// level lines of the hero's techniques.
#include "render/tabelacomandos.h"

#include <string>

namespace {
constexpr const char* AUTOMATICO = "< Botão direito - Automático >";
constexpr const char* BASTAO1 = "Cria uma bola de fogo que atinge";
constexpr const char* BASTAO2 = "um inimigo a uma certa distância.";
constexpr const char* AURAP1 = "Acrescenta pontos de armadura";
constexpr const char* AURAP2 = "para unidades próximas.";
constexpr const char* TREMOR1 = "Treme o chão , danificando e ";
constexpr const char* TREMOR2 = "paralizando inimigos próximos.";
constexpr const char* AURAG1 = "Acrescenta pontos para o poder";
constexpr const char* AURAG2 = "de ataque de unidades próximas.";
constexpr const char* CHIMP1 = "Torna o Seu Vorladno invencível";
constexpr const char* CHIMP2 = "por alguns segundos.";
}  // namespace

// Refreshment rows take their lines from the item catalogue, the technique rows their MP price and
// level line from the hero's levels, the check boxes their state from the switches: see criabotao.
const ComandoTabela tabelacomandos[MAXCOMANDOS + 1] = {
    {"", 0, 0, 0, 0, 0, 0, 0, 0, "", "", "", ""},  // 0 no command
    {"TREINAR DURBICO", 1, 9, 1, 100, 1, 0, 0, 0, "Menino de rua que faz favores",
     "para o Seu Vorlando. Pode criar", "e consertar estruturas.", ""},  // 1 TREINAR DURBICO
    {"TREINAR FIDELINA", 1, 10, 2, 250, 2, 0, 0, 0, "Filha do Seu Vorlando. Pode curar",
     "os feridos , tornar unidades", "invisíveis e criar esferas protetoras.", ""},  // 2 TREINAR FIDELINA
    {"TREINAR BRUXA MORGAVA", 1, 9, 3, 250, 2, 0, 0, 0, "Bruxa com poderes sobrenaturais.",
     "Pode reviver esqueletos , criar bolas", "de fogo e invocar o SATANAS.", ""},  // 3 TREINAR BRUXA MORGAVA
    {"FORTALECER ESTRUTURAS", 1, 1, 4, 300, 0, 0, 0, 0, "Aumenta o poder de defesa e o HP",
     "de todas as estrutuas.", "", ""},  // 4 FORTALECER ESTRUTURAS
    {"APRENDIZADO DA FIDELINA", 1, 1, 5, 250, 0, 0, 0, 0, "Aumenta a capacidade máxima de",
     "HP , MP , regeneração , ataque", "e possibilita criar esfera protetora.", ""},  // 5 APRENDIZADO DA FIDELINA
    {"APRENDIZADO DE BRUXAS", 1, 1, 6, 250, 0, 0, 0, 0, "Aumenta a capacidade máxima de",
     "HP , MP , regeneração , ataque", "e possibilita invocar o SATANAS.", ""},  // 6 APRENDIZADO DE BRUXAS
    {"FORTALECER ESQUELETOS", 1, 1, 7, 200, 0, 0, 0, 0, "Aumenta o poder de ataque ,",
     "armadura , HP , regeneração e", "tempo de vida dos esqueletos.", ""},  // 7 FORTALECER ESQUELETOS
    {"CRIAR TORRE DE GUARDA", 1, 16, 8, 150, 0, 0, 0, 0, "Estrutura utilizada para defender",
     "territórios.", "", ""},  // 8 CRIAR TORRE DE GUARDA
    {"CRIAR FAZENDA", 1, 7, 9, 200, 0, 0, 0, 0, "Produz comida , que permite",
     "aumentar o número de unidades", "utilizadas.", ""},  // 9 CRIAR FAZENDA
    {"CRIAR TIENDA DEL DURBICO", 1, 7, 10, 150, 0, 0, 0, 0, "Seu Vorlando pode comprar",
     "refrescos de vários sabores :", "Limão , Groselha e Tamarindo.", ""},  // 10 CRIAR TIENDA DEL DURBICO
    {"CONSERTAR ESTRUTURAS", 1, 1, 11, 0, 0, 0, 1, 0, "Conserta uma estrutura danificada",
     "com o uso de recursos.", "", AUTOMATICO},  // 11 CONSERTAR ESTRUTURAS
    {"PONTO DE AGRUPAMENTO", 1, 1, 12, 0, 0, 0, 0, 0, "Ordena que suas tropas sigam até",
     "um ponto fixo estabelecido após", "serem treinadas.", ""},  // 12 PONTO DE AGRUPAMENTO
    {"CANCELAR ESTRUTURA (ESC)", 1, 0, 13, 0, 0, 0, 0, 1, "Cancela a construção de uma",
     "estrutura e retorna 80% do custo", "total.", ""},  // 13 CANCELAR ESTRUTURA (ESC)
    {"CURAR", 1, 1, 14, 0, 0, 5, 1, 0, "Cura uma unidade que esta ferida ,", "regenerando 15 HPs.", "",
     AUTOMATICO},  // 14 CURAR
    {"INVISIBILIDADE", 1, 1, 15, 0, 0, 50, 0, 0, "Torna uma unidade invisível por",
     "45 segundos . Se a unidade atacar", "ou usar magias , o efeito se acaba.", ""},  // 15 INVISIBILIDADE
    {"ESFERA PROTETORA", 1, 1, 16, 0, 0, 25, 0, 0, "Cria uma esfera ao redor de uma",
     "unidade , aumentando 5 pontos", "de defesa durante 30 segundos.", ""},  // 16 ESFERA PROTETORA
    {"RESSUSCITAR ESQUELETOS", 1, 13, 17, 0, 0, 30, 0, 0, "Ressuscita um esqueleto guerreiro",
     "de um cadaver de um difunto morto", "falecido que já morreu.", ""},  // 17 RESSUSCITAR ESQUELETOS
    {"BOLA DE FOGO", 1, 9, 18, 0, 0, 50, 0, 0, "Cria uma bola de fogo que cai do",
     "céu e atinge os inimigos em uma", "pequena area.", ""},  // 18 BOLA DE FOGO
    {"INVOCAR O SATANAS", 1, 11, 19, 0, 0, 120, 0, 0, "Invoca um gigantesco e destruidor",
     "dêmonio sobrenatural capaz de", "aniquilar todos os inimigos.", ""},  // 19 INVOCAR O SATANAS
    {"BASTÃO DE FOGO", 1, 11, 20, 0, 0, 0, 0, 0, BASTAO1, BASTAO2, "", ""},  // 20 BASTÃO DE FOGO
    {"AURA PROTETORA", 1, 0, 21, 0, 0, 0, 0, 0, AURAP1, AURAP2, "", ""},  // 21 AURA PROTETORA
    {"TREMOR", 1, 1, 22, 0, 0, 0, 0, 0, TREMOR1, TREMOR2, "", ""},  // 22 TREMOR
    {"AURA GUERREIRA", 1, 0, 23, 0, 0, 0, 0, 0, AURAG1, AURAG2, "", ""},  // 23 AURA GUERREIRA
    {"CHIMPANZÉ RAIVOSO", 1, 1, 24, 0, 0, 0, 0, 0, CHIMP1, CHIMP2, "", ""},  // 24 CHIMPANZÉ RAIVOSO
    {"ACRESCENTAR TÉCNICAS", 1, 1, 25, 0, 0, 0, 0, 0, "Possibilita acrescentar ou melhorar",
     "técnicas para o Seu Vorlando.", "", ""},  // 25 ACRESCENTAR TÉCNICAS
    {"BASTÃO DE FOGO", 1, 11, 20, 0, 0, 0, 0, 0, BASTAO1, BASTAO2, "", ""},  // 26 learn BASTÃO DE FOGO
    {"AURA PROTETORA", 1, 6, 21, 0, 0, 0, 0, 0, AURAP1, AURAP2, "", ""},  // 27 learn AURA PROTETORA
    {"TREMOR", 1, 1, 22, 0, 0, 0, 0, 0, TREMOR1, TREMOR2, "", ""},  // 28 learn TREMOR
    {"AURA GUERREIRA", 1, 6, 23, 0, 0, 0, 0, 0, AURAG1, AURAG2, "", ""},  // 29 learn AURA GUERREIRA
    {"CHIMPANZÉ RAIVOSO", 1, 1, 24, 0, 0, 0, 0, 0, CHIMP1, CHIMP2, "", ""},  // 30 learn CHIMPANZÉ RAIVOSO
    {"CANCELAR (ESC)", 1, 0, 13, 0, 0, 0, 0, 1, "", "", "", ""},  // 31 CANCELAR (ESC)
    {"REFRESCO DE LIMÃO PEQ.", 1, 0, 26, 50, 0, 0, 0, 0, "", "", "", ""},  // 32 REFRESCO DE LIMÃO PEQ.
    {"REFRESCO DE LIMÃO GRA.", 1, 0, 27, 100, 0, 0, 0, 0, "", "", "", ""},  // 33 REFRESCO DE LIMÃO GRA.
    {"REFRESCO DE GROSELHA PEQ.", 1, 0, 28, 50, 0, 0, 0, 0, "", "", "", ""},  // 34 REFRESCO DE GROSELHA PEQ.
    {"REFRESCO DE GROSELHA GRA.", 1, 0, 29, 100, 0, 0, 0, 0, "", "", "", ""},  // 35 REFRESCO DE GROSELHA GRA.
    {"REFRESCO DE TAMARINDO P.", 1, 0, 30, 80, 0, 0, 0, 0, "", "", "", ""},  // 36 REFRESCO DE TAMARINDO P.
    {"REFRESCO DE TAMARINDO G.", 1, 0, 31, 160, 0, 0, 0, 0, "", "", "", ""},  // 37 REFRESCO DE TAMARINDO G.
    {"CARREGAR", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                   // 38 options: load page
    {"MÚSICA", 3, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                     // 39 music switch
    {"EFEITOS SONOROS", 3, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},            // 40 sound effects switch
    {"VOZES", 3, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                      // 41 voices switch
    {"VELOCIDADE DO JOGO", 4, 0, 0, 0, 0, 0, 0, 0, "", "", "", ""},         // 42 speed slider
    {"DICAS", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                      // 43 tips page
    {"VOLTAR PARA O JOGO", 2, 2, 0, 0, 0, 0, 0, 0, "", "", "", ""},         // 44 back to the game
    {"SAIR DO JOGO", 2, 2, 0, 0, 0, 0, 0, 0, "", "", "", ""},               // 45 quit question
    {"SIM", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 46 load: yes
    {"NÃO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 47 load: no
    {"ANTERIOR", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                   // 48 previous tip
    {"PRÓXIMA", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                    // 49 next tip
    {"MENU PRINCIPAL", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},             // 50 back to the options page
    {"SIM", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 51 quit: yes
    {"NÃO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 52 quit: no
    {"RECUPERAR HP", 2, 11, 0, 0, 0, 0, 0, 0, "", "", "", ""},              // 53 cheat: HP
    {"RECUPERAR MP", 2, 11, 0, 0, 0, 0, 0, 0, "", "", "", ""},              // 54 cheat: MP
    {"CURAR VENENO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},               // 55 cheat: poison
    {"TORNAR INVISÍVEL", 2, 8, 0, 0, 0, 0, 0, 0, "", "", "", ""},           // 56 cheat: invisible
    {"CRIAR ESFERA", 2, 7, 0, 0, 0, 0, 0, 0, "", "", "", ""},               // 57 cheat: sphere
    {"TORNAR INVENCÍVEL", 2, 10, 0, 0, 0, 0, 0, 0, "", "", "", ""},         // 58 cheat: invulnerable
    {"$ DINHEIRO $", 2, 3, 0, 0, 0, 0, 0, 0, "", "", "", ""},               // 59 cheat: money
    {"GANHAR ITEM x", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},              // 60 cheat: an item
    {"SUPER VISÃO", 3, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                // 61 cheat: see everything
    {"INICIAR O JOGO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},             // 62 main menu: new game
    {"CARREGAR", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                   // 63 main menu: load
    {"SAIR DO JOGO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},               // 64 main menu: quit
    {"SALVAR", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                     // 65 briefing: save
    {"CONTINUAR ...", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},              // 66 briefing: play
    {"SIM", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 67 overwrite: yes
    {"NÃO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                        // 68 overwrite: no
    {"FINALIZAR", 2, 0, 0, 0, 0, 0, 0, 0, "", "", "", ""},                  // 69 mission accomplished
    {"TENTAR NOVAMENTE", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},           // 70 defeat: retry
    {"DESISTIR", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},                   // 71 defeat: give up
    {"FINAL DO JOGO", 2, 1, 0, 0, 0, 0, 0, 0, "", "", "", ""},              // 72 main menu: the ending
};
static_assert(sizeof(tabelacomandos) / sizeof(tabelacomandos[0]) == MAXCOMANDOS + 1);

uint16_t precotecnica(uint8_t comando, int32_t nivel) {
    // MP at technique levels 1, 2, 3 of the fire staff, the tremor and the raging chimpanzee
    static const uint16_t bastao[3] = {50, 60, 70}, tremor[3] = {40, 45, 50}, chimpanze[3] = {100, 120, 140};
    if (nivel < 1 || nivel > 3) return 0;
    if (comando == BASTAODEFOGO) return bastao[nivel - 1];
    if (comando == TREMOR) return tremor[nivel - 1];
    if (comando == CHIMPANZE) return chimpanze[nivel - 1];
    return 0;
}

std::string linhanivel(int32_t t, int32_t v) {
    const std::string n = "<Nível " + std::to_string(v) + "> ";
    switch (t) {
        case 0: return n + std::to_string(100 * v) + " pontos de dano.";  // fire staff
        case 1: return n + "+" + std::to_string(v) + " ponto(s).";         // protective aura
        case 2: return n + std::to_string(25 * v) + " dano / " + std::to_string(v + 1) + " segundos.";  // tremor
        case 3: return n + "+" + std::to_string(10 * v) + "% de acréscimo.";  // warrior aura
        case 4: return n + std::to_string(5 * v + 5) + " segundos.";          // raging chimpanzee
    }
    return "";
}
