// The heaviest tick of the campaign: mission eleven's fortified base besieged with every unit slot
// in use, the fight going on (arrows, spells, corpses), the view over the towers. Each iteration
// starts from the same moment of the fight. Target: under 1 ms per tick, simulation and drawing,
// on one core; reported with its ratio to a bare frame (clear and present) timed in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "bench/partida.h"
#include "input/mouse.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "shell/missaodireta.h"
#include "shell/shell.h"
#include "sim/jogo.h"
#include "world/criaunidade.h"
#include "world/world.h"

namespace {

using Relogio = std::chrono::steady_clock;

double segundosde(Relogio::duration d) { return std::chrono::duration<double>(d).count(); }

// The mean time of a frame that only clears the back buffer and presents it.
double quadronu(int vezes) {
    auto t0 = Relogio::now();
    for (int k = 0; k < vezes; k++) {
        FillRect(PRETO, 0, 0, 800, 600);
        Present();
    }
    return segundosde(Relogio::now() - t0) / vezes;
}

int32_t ocupadas() {
    int32_t n = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) n += unidades[u].tipo != 0;
    return n;
}

void BM_TiqueCercoMissao11(benchmark::State& estado) {
    if (!iniciapartida(estado, 11, 11)) return;
    if (tela != 5) {
        estado.SkipWithError("mission eleven did not start: the generated content is missing");
        return;
    }
    // the middle of the player's towers
    double cx = 0, cy = 0;
    int32_t torres = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 1 && !unidades[u].inimigo) {
            cx += unidades[u].x;
            cy += unidades[u].y;
            torres++;
        }
    if (torres == 0) {
        estado.SkipWithError("mission eleven has no towers");
        return;
    }
    cx /= torres;
    cy /= torres;
    // every free slot a monster on a ring round the fort, every kind in turn, heading for its middle
    for (int32_t k = 0; ocupadas() < MAXUNIDADES; k++) {
        double a = k * 2.399963, r = 330 + (k % 5) * 40;
        criaunidade(13 + k % 8, int32_t(cx + r * std::cos(a)), int32_t(cy + r * std::sin(a)), 0, int32_t(cx), int32_t(cy), 0, 0);
    }
    camerax = int32_t(cx) - 400;
    cameray = int32_t(cy) - 300;
    mousex = 400;
    mousey = 300;
    // into the fight, then the moment every iteration starts from
    for (int k = 0; k < 120; k++) DXTimer1Timer();
    if (derrotado || tela != 5) {
        estado.SkipWithError("the base fell before the measured moment");
        return;
    }
    std::vector<Unidade> unidadesguardadas(unidades, unidades + MAXUNIDADES + 1);
    std::vector<Efeito> efeitosguardados(efeitos, efeitos + MAXEFEITOS + 1);
    int32_t cameraxguardada = camerax, camerayguardada = cameray;
    int32_t vivas = ocupadas(), efeitosvivos = 0;
    for (int32_t e = 1; e <= MAXEFEITOS; e++) efeitosvivos += efeitos[e].tipo != 0;

    double nu = quadronu(2000);
    Relogio::duration gasto{};
    int64_t tiques = 0;
    for (auto _ : estado) {
        std::copy(unidadesguardadas.begin(), unidadesguardadas.end(), unidades);
        std::copy(efeitosguardados.begin(), efeitosguardados.end(), efeitos);
        camerax = cameraxguardada;
        cameray = camerayguardada;
        tela = 5;
        auto t0 = Relogio::now();
        DXTimer1Timer();
        gasto += Relogio::now() - t0;
        tiques++;
        benchmark::DoNotOptimize(backbuffer[300][400]);
    }
    double tique = tiques ? segundosde(gasto) / double(tiques) : 0;
    estado.counters["unidades"] = vivas;
    estado.counters["efeitos"] = efeitosvivos;
    estado.counters["tique_us"] = tique * 1e6;
    estado.counters["quadronu_us"] = nu * 1e6;
    estado.counters["razao"] = nu > 0 ? tique / nu : 0;
}
BENCHMARK(BM_TiqueCercoMissao11)->Unit(benchmark::kMicrosecond);

}  // namespace
