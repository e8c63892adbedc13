// Loading every asset folder: the loading screen's seven loading ticks, start to finish.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "assets/listas.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"

// The whole loading screen in the game's working folder (25 ticks, seven of them loading a folder).
static void BM_CarregamentoCompleto(benchmark::State& state) {
    auto antes = std::filesystem::current_path();
    std::filesystem::current_path(VORLANDO_GAME_DIR);
    OpenHeadless();
    for (auto _ : state) {
        FormCreate();
        for (int i = 0; i < 25 && tela == 0; i++) DXTimer1Timer();
        benchmark::DoNotOptimize(DXWaveListSnd.Count());
    }
    state.counters["erro"] = erro.empty() ? 0 : 1;
    state.counters["unidades"] = DXImageListUnidade.Count();
    state.counters["sons"] = DXWaveListSnd.Count();
    std::filesystem::current_path(antes);
}
BENCHMARK(BM_CarregamentoCompleto)->Unit(benchmark::kMillisecond);
