// The game set up for a benchmark: the text face, the headless back end, the build's asset folders
// and a mission started as the runner's --mission starts it.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>

// False (the benchmark skipped with the reason) when the text face cannot be opened; otherwise the
// mission has been started (tela is 10 when the generated content is missing).
bool iniciapartida(benchmark::State& estado, int32_t missao, uint64_t semente);
