// Loading every asset folder: the loading screen's 25 ticks, seven of them reading a whole folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "assets/listas.h"
#include "media/media.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace fs = std::filesystem;

// A picture of w x h as a .gmb file: two header lines, then the pixels column by column.
static void gravagmb(const fs::path& p, int w, int h) {
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f << w << "\n" << h << "\n";
    std::string pixels(size_t(w) * size_t(h) * 3, char(180));
    f.write(pixels.data(), std::streamsize(pixels.size()));
}

static std::string zeros(int n, int largura) {
    std::string s = std::to_string(n);
    return std::string(size_t(largura) - s.size(), '0') + s;
}

// The working folder to load: the build's own when its pictures are there, otherwise a stand-in with
// pictures of game-like sizes and the build's real sounds.
static fs::path pastadecarga() {
    fs::path jogo = VORLANDO_GAME_DIR;
    if (fs::exists(jogo / "Unidades") && fs::exists(jogo / "Abertura")) return jogo;
    fs::path p = fs::temp_directory_path() / "vorlando-bench-carregamento";
    if (fs::exists(p / "Sons")) return p;
    struct { const char* arquivo; int quantos, largura, w, h; } figuras[] = {
        {"Unidades/Unid-", 326, 3, 70, 70}, {"Efeitos/Efeito-", 108, 3, 50, 50}, {"Objetos/Objeto-", 23, 2, 100, 120},
        {"Cenario/Cenario-", 3, 2, 200, 200}, {"Final/Final-", 7, 2, 800, 600}, {"Abertura/Abertura-", 22, 2, 800, 460},
    };
    for (const auto& f : figuras)
        for (int n = 1; n <= f.quantos; n++) gravagmb(p / (f.arquivo + zeros(n, f.largura) + ".gmb"), f.w, f.h);
    fs::copy(jogo / "Sons", p / "Sons", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return p;
}

static void BM_CarregamentoCompleto(benchmark::State& state) {
    auto antes = fs::current_path();
    fs::current_path(pastadecarga());
    OpenHeadless();
    for (auto _ : state) {
        for (ImageList* l : {&DXImageListUnidade, &DXImageListEfeitos, &DXImageListObjetos, &DXImageListCenario,
                             &DXImageListFinal, &DXImageListAbertura})
            l->Clear();
        FormCreate();
        for (int i = 0; i < 25 && tela == 0; i++) DXTimer1Timer();
        benchmark::DoNotOptimize(DXWaveListSnd.Count());
    }
    if (!erro.empty()) state.SkipWithError(erro.c_str());
    state.counters["unidades"] = DXImageListUnidade.Count();
    state.counters["sons"] = DXWaveListSnd.Count();
    fs::current_path(antes);
}
BENCHMARK(BM_CarregamentoCompleto)->Unit(benchmark::kMillisecond);
