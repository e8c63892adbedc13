// Loading every .gmb picture of the game's folders, as the loading screen does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "assets/imagens.h"
#include "media/media.h"
#include "world/estado.h"

namespace fs = std::filesystem;

// Every .gmb under the game folder, as paths relative to it.
static std::vector<std::string> todasasfiguras() {
    std::vector<std::string> v;
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(VORLANDO_GAME_DIR, ec))
        if (e.is_regular_file() && e.path().extension() == ".gmb")
            v.push_back(fs::relative(e.path(), VORLANDO_GAME_DIR).generic_string());
    return v;
}

static void BM_CarregaTodasAsFiguras(benchmark::State& state) {
    fs::path antes = fs::current_path();
    fs::current_path(VORLANDO_GAME_DIR);
    std::vector<std::string> nomes = todasasfiguras();
    for (auto _ : state) {
        ImageList lista;
        erro.clear();
        for (const std::string& n : nomes) carregarbmp(lista, n, "Bench", true);
        if (!erro.empty()) state.SkipWithError(erro.c_str());
        benchmark::DoNotOptimize(lista.items.data());
    }
    state.counters["figuras"] = double(nomes.size());
    fs::current_path(antes);
}
BENCHMARK(BM_CarregaTodasAsFiguras)->Unit(benchmark::kMillisecond);
