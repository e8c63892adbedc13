#include "bench/partida.h"

#include <filesystem>
#include <string>

#include "media/media.h"
#include "shell/missaodireta.h"
#include "world/world.h"

bool iniciapartida(benchmark::State& estado, int32_t missao, uint64_t semente) {
    std::string porque;
    if (!InitText(porque)) {
        estado.SkipWithError(porque.c_str());
        return false;
    }
    OpenHeadless();
    std::filesystem::current_path(VORLANDO_GAME_DIR);
    zeraestado();
    criaitens();
    RandSeed(semente);
    musicaligada = efeitosligados = vozesligadas = true;
    velocidaderolagem = 20;
    iniciamissaodireta(missao);
    return true;
}
