// Speed of the per-tick walks over the world's tables: a full map of objects, a busy effect
// table, and the pointer's placement test, each of which runs every tick.
#include <benchmark/benchmark.h>

#include "media/media.h"
#include "world/world.h"

namespace {

// A mission-sized world: 2500 objects, 150 units, the effect table nearly full.
void mundocheio() {
    for (auto& u : unidades) u = Unidade{};
    for (auto& e : efeitos) e = Efeito{};
    for (auto& o : objetos) o = Objeto{};
    zeraestado();
    criaitens();
    novoheroisalvo();
    RandSeed(7);
    for (int32_t k = 0; k < 2500; k++) criaobjeto(1 + k % 20, (k % 50) * 50, (k / 50) * 50);
    for (int32_t k = 0; k < 150; k++) criaunidade(13 + k % 8, 100 + (k % 15) * 60, 100 + (k / 15) * 60, 1, 0, 0, 0, 0);
    for (int32_t k = 0; k < 240; k++) criaefeito(1 + k % 43, 0, 100 + k, 100, 20);
}

void BM_processaobjetos(benchmark::State& estado) {
    mundocheio();
    for (auto _ : estado) {
        ciclotela = int16_t((ciclotela + 1) % 30);
        processaobjetos();
    }
}
BENCHMARK(BM_processaobjetos);

void BM_processaefeitos(benchmark::State& estado) {
    mundocheio();
    for (auto _ : estado) {
        processaefeitos();
        if (contaefeitos() < 100) {
            estado.PauseTiming();
            for (int32_t k = 0; k < 150; k++) criaefeito(1 + k % 43, 0, 100 + k, 100, 20);
            estado.ResumeTiming();
        }
    }
}
BENCHMARK(BM_processaefeitos);

void BM_sobreposicaoponteiro(benchmark::State& estado) {
    mundocheio();
    processaobjetos();
    for (auto _ : estado) benchmark::DoNotOptimize(sobreposicaoponteiro(-500, -500, 25, 27));
}
BENCHMARK(BM_sobreposicaoponteiro);

}  // namespace
