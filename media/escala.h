// Fitting the 800 x 600 frame into a window or a screen, and scaling it so that it stays sharp.
// No SDL here: the window back end and the tests share it.
#pragma once
#include <cstdint>
#include <vector>

// Where the frame lands inside a target area.
struct Encaixe {
    int32_t x = 0, y = 0, w = 0, h = 0;
};

// The largest 4:3 rectangle (a whole multiple of 4 x 3, so both axes scale alike) that fits w x h,
// centred in it; never smaller than 4 x 3.
Encaixe encaixe43(int32_t w, int32_t h);

// Scales the frame to any size. At whole multiples every pixel is repeated (nearest neighbour); at
// other sizes the frame is taken to the next whole multiple by repetition and then reduced
// linearly to the size asked for, so every edge between two pixels is soft over one output pixel
// at most and every other output pixel is exactly one frame pixel.
struct Escalador {
    int32_t largura = 0, altura = 0;  // output size
    // Sizes the tables for an output of w x h (no work when unchanged).
    void prepara(int32_t w, int32_t h);
    // Writes the scaled frame `origem` (800 x 600, 0x00RRGGBB) to `destino`, `passo` pixels per row.
    void escala(const uint32_t* origem, uint32_t* destino, int32_t passo);

    // Per output column and row: the first frame pixel and the weight (0..256) of the one after it.
    std::vector<int32_t> colunas, linhas;
    std::vector<uint16_t> pesocoluna, pesolinha;

    // Eight output columns scaled across at once: where their frame pixels start, each column's
    // first and second pixel from there, and the weights as the vector code lays them out.
    struct alignas(32) Bloco {
        int32_t coluna[8];  // from the first pixel, and from the one after for the second
        uint16_t pesobaixo[16], pesoalto[16];
        int32_t inicio;
    };

   private:
    std::vector<Bloco> blocos;
    std::vector<uint32_t> linhalarga;  // a frame row with room after it
    std::vector<uint32_t> faixas[2];  // two frame rows already scaled across
    int32_t linhafaixa[2] = {-1, -1};
    const uint32_t* faixa(const uint32_t* origem, int32_t linha);
};
