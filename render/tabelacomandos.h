// The fixed table of the 72 commands: what a control of the list shows and what it costs.
#pragma once
#include <cstdint>
#include <string>

// Columns: caption, style (1 command button, 2 menu entry, 3 check box, 4 slider), hot-key position
// in the caption (0 none), button picture, money, free food and MP prices, right-click automatic
// mode, Esc activates it, and the four tooltip lines (the fourth only when the third is empty).
struct ComandoTabela {
    const char* legenda;
    uint8_t estilo, atalho, imagem;
    uint16_t dinheiro, comida, mp;
    uint8_t automatico, teclaesc;
    const char* linha1;
    const char* linha2;
    const char* linha3;
    const char* linha4;
};

constexpr int32_t MAXCOMANDOS = 72;
extern const ComandoTabela tabelacomandos[MAXCOMANDOS + 1];  // row 0 is no command

// Command numbers every part of the game names.
enum : uint8_t {
    TREINARDURBICO = 1, TREINARFIDELINA, TREINARBRUXA, FORTALECERESTRUTURAS, APRENDIZADOFIDELINA,
    APRENDIZADOBRUXAS, FORTALECERESQUELETOS, CRIARTORRE, CRIARFAZENDA, CRIARTIENDA, CONSERTAR,
    PONTOAGRUPAMENTO, CANCELARESTRUTURA, CURAR, INVISIBILIDADE, ESFERAPROTETORA, RESSUSCITAR,
    BOLADEFOGO, INVOCARSATANAS, BASTAODEFOGO, AURAPROTETORA, TREMOR, AURAGUERREIRA, CHIMPANZE,
    ACRESCENTARTECNICAS, APRENDEBASTAO, APRENDEAURAPROTETORA, APRENDETREMOR, APRENDEAURAGUERREIRA,
    APRENDECHIMPANZE, CANCELARTECNICAS, REFRESCOLIMAOP, REFRESCOLIMAOG, REFRESCOGROSELHAP,
    REFRESCOGROSELHAG, REFRESCOTAMARINDOP, REFRESCOTAMARINDOG, MENUCARREGAR, MUSICA, EFEITOSSONOROS,
    VOZES, VELOCIDADE, DICAS, VOLTARJOGO, SAIRJOGO, CARREGARSIM, CARREGARNAO, ANTERIOR, PROXIMA,
    MENUPRINCIPAL, SAIRSIM, SAIRNAO, RECUPERARHP, RECUPERARMP, CURARVENENO, TORNARINVISIVEL,
    CRIARESFERA, TORNARINVENCIVEL, GANHADINHEIRO, GANHARITEM, SUPERVISAO, INICIARJOGO,
    CARREGARPRINCIPAL, SAIRPRINCIPAL, SALVAR, CONTINUAR, SOBRESCREVERSIM, SOBRESCREVERNAO,
    FINALIZARMISSAO, TENTARDENOVO, DESISTIRMISSAO, FINALDOJOGO,
};
static_assert(FINALDOJOGO == MAXCOMANDOS);

// MP price of the hero's technique commands 20, 22 and 24 at technique level 1..3; 0 otherwise.
uint16_t precotecnica(uint8_t comando, int32_t nivel);
// The level line of hero technique t (0..4) at level v, e.g. "<Nível 2> 50 dano / 3 segundos.".
std::string linhanivel(int32_t t, int32_t v);
