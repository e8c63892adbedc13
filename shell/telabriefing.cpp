// The mission briefing (screen state 4): the chapter, its text, "SALVAR" and "CONTINUAR ...", and
// the question before a saved game is overwritten. The mission is built behind it on its first tick.
#include <string>

#include "assets/sons.h"
#include "assets/textos.h"
#include "input/jogosalvo.h"
#include "missions/missoes.h"
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

const char* linhamapa(int32_t n) { return n >= 0 && n < LINHASMAPA ? MemoMapa[n] : ""; }

// The chapter number and the mission's block of the briefing text.
void textobriefing(int32_t m) {
    escrevetexto(400, 20, "CAPÍTULO " + std::to_string(m), "c", 30, BRANCO);
    int32_t b = 5 * (m - 1);
    escrevetexto(400, 60, linhamapa(b + 1), "c", 25, BRANCO);
    escrevetexto(400, 400, linhamapa(b + 2), "c", 18, BRANCO);
    escrevetexto(400, 420, linhamapa(b + 3), "c", 18, BRANCO);
    escrevetexto(400, 440, linhamapa(b + 4), "c", 18, BRANCO);
}

// "Nesta pasta já existe ...": asked when "SALVAR" finds a saved game.
void perguntasobrescrita() {
    pintaretangulo(50, 250, 750, 380, Cor{10, 20, 30});
    desenharetangulo(50, 250, 750, 380, BRANCO);
    escrevetexto(400, 250, "Nesta pasta já existe um arquivo chamado VORLANDOCRAFT.SAV", "c", 15, BRANCO);
    escrevetexto(400, 270, "Deseja substituir o arquivo existente ?", "c", 15, BRANCO);
    criabotao(SOBRESCREVERSIM, 320, 300);
    criabotao(SOBRESCREVERNAO, 320, 340);
}
}  // namespace

void telabriefing() {
    int32_t c = ciclotela;
    // 1. black
    pintaretangulo(0, 0, 800, 600, PRETO);
    // 2. the pending mission is built now, on the first tick
    if (preparamissao) criamapa(missao);
    // 3. the music stops when asked
    paramusicapedida();
    // 4. and 5. the chapter and its text
    textobriefing(missao);
    // 6. the buttons appear after 10 ticks; the counter then cycles 100..109
    limpabotoes();
    if (c >= 10 && !perguntasobrescrever) {
        criabotao(SALVAR, 10, 550);
        criabotao(CONTINUAR, 625, 550);
    }
    // 7. the overwrite question hides them meanwhile
    if (perguntasobrescrever) perguntasobrescrita();
    // 8.
    desenhabotoes();
    // what became of the save, for a while: a failure in red, a success in green
    if (mensagemtempo > 0) {
        const Cor cor = mensagem == JOGOSALVO ? Cor{120, 230, 120} : Cor{255, 80, 60};
        escrevetexto(400, 510, mensagem, "c", 15, cor);
        mensagemtempo--;
    }
    if (avancaciclo(110)) ciclotela = 100;
}
