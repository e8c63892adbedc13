// One full-screen frame of typical drawing work on the headless back end.
#include <benchmark/benchmark.h>

#include "media/media.h"
#include "render/texto.h"

// A 40 x 60 sprite: a body with a white surround, like a unit frame.
static ImageList sprites() {
    ImageList l;
    for (int k = 0; k < 8; k++) {
        Bitmap b;
        b.SetSize(40, 60);
        for (int y = 0; y < 60; y++)
            for (int x = 0; x < 40; x++) {
                int dx = x - 20, dy = y - 30;
                bool corpo = dx * dx * 9 + dy * dy * 4 < 3600;
                b.SetPixel(x, y, corpo ? Cor{uint8_t(60 + k * 20), uint8_t(x * 4), uint8_t(y * 3)} : BRANCO);
            }
        SetItemPicture(l.Add(), b, "Unidade", true);
    }
    return l;
}

static void BM_QuadroTipico(benchmark::State& state) {
    std::string porque;
    if (!InitText(porque)) {
        state.SkipWithError(porque.c_str());
        return;
    }
    OpenHeadless();
    ImageList l = sprites();
    const char* textos[] = {"DINHEIRO: 1500", "COMIDA: 12/40", "TREINAR DURBICO", "Seu Vorlando", "HP 120/120",
                            "Nível 3", "ATAQUE: 15 - 20", "ARMADURA: 3"};
    for (auto _ : state) {
        FillRect(PRETO, 0, 0, 800, 600);
        for (int i = 0; i < 200; i++) DrawItem(l, i % 8, (i * 37) % 780 - 10, (i * 53) % 560 - 10);
        for (int i = 0; i < 300; i++)
            escrevetexto((i * 29) % 760, (i * 17) % 580, textos[i % 8], i % 3 == 0 ? "c" : "-", 7 + i % 9, Cor{255, 255, 255}, i % 5);
        Present();
        benchmark::DoNotOptimize(backbuffer[300][400]);
    }
}
BENCHMARK(BM_QuadroTipico)->Unit(benchmark::kMillisecond);
