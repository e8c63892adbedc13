// Sharp scaling of the frame: repeated pixels at whole multiples, otherwise repetition to the next
// whole multiple and a linear reduction, worked out once per size as per-column and per-row tables.
// The mixing runs over the bytes of whole rows with 16-bit sums, which the compiler turns into
// vector code: a frame costs little more than writing its output.
#include "media/escala.h"

#include <algorithm>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "media/media.h"

Encaixe encaixe43(int32_t w, int32_t h) {
    int32_t k = std::max(1, std::min(w / 4, h / 3));
    Encaixe e;
    e.w = 4 * k;
    e.h = 3 * k;
    e.x = (w - e.w) / 2;
    e.y = (h - e.h) / 2;
    return e;
}

namespace {

// One axis: frame size s to output size d. The frame is first repeated n times (the whole multiple
// at or above d), then sampled linearly at each output pixel's centre. Two neighbouring samples of
// the repeated picture come from the same frame pixel except across an edge, so only there does an
// output pixel mix two frame pixels.
void eixo(int32_t s, int32_t d, std::vector<int32_t>& indice, std::vector<uint16_t>& peso) {
    const int64_t n = std::max<int64_t>(1, (int64_t(d) + s - 1) / s), m = int64_t(s) * n, dd = 2 * int64_t(d);
    indice.assign(size_t(d), 0);
    peso.assign(size_t(d), 0);
    for (int32_t i = 0; i < d; i++) {
        // the centre of output pixel i in the repeated picture, less half a pixel: ((2i + 1) m - d) / 2d
        int64_t num = std::max<int64_t>(0, (2 * int64_t(i) + 1) * m - d);
        int64_t k = num / dd, resto = num % dd;
        int64_t a = k / n, b = std::min(k + 1, m - 1) / n;
        indice[size_t(i)] = int32_t(a);
        peso[size_t(i)] = a == b ? 0 : uint16_t((resto * 256 + d) / dd);
    }
}

// p and q mixed, q weighing w/256; red and blue worked out together, green apart.
inline uint32_t mistura(uint32_t p, uint32_t q, uint32_t w) {
    uint32_t v = 256 - w;
    uint32_t rb = (((p & 0xFF00FFu) * v + (q & 0xFF00FFu) * w) >> 8) & 0xFF00FFu;
    uint32_t g = (((p & 0x00FF00u) * v + (q & 0x00FF00u) * w) >> 8) & 0x00FF00u;
    return rb | g;
}

// Every byte (channel) of p and q mixed, q weighing w/256 (0..256): the sum of the two products
// is at most 255 * 256, so 16 bits hold it and each channel comes out as floor((p v + q w) / 256).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void misturalinha(const uint8_t* __restrict p, const uint8_t* __restrict q, uint16_t w, uint8_t* __restrict o,
                  size_t n) {
    const uint16_t v = uint16_t(256 - w);
    for (size_t k = 0; k < n; k++) o[k] = uint8_t(uint16_t(uint16_t(p[k] * v) + uint16_t(q[k] * w)) >> 8);
}

#if defined(__x86_64__)
// A frame row scaled across, eight output pixels at a time: each block takes its first pixels from
// the eight frame pixels starting at its first column and its second pixels from the eight after
// the next one, both picked by one permutation, and mixes them in 16-bit lanes as mistura does.
__attribute__((target("avx2"))) void faixablocos(const uint32_t* linha, const Escalador::Bloco* blocos, size_t n,
                                                 uint32_t* out) {
    const __m256i zero = _mm256_setzero_si256(), cheio = _mm256_set1_epi16(256);
    for (size_t b = 0; b < n; b++) {
        const Escalador::Bloco& k = blocos[b];
        const uint32_t* s = linha + k.inicio;
        __m256i p = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s)),
                                                _mm256_load_si256(reinterpret_cast<const __m256i*>(k.coluna)));
        __m256i q = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 1)),
                                                _mm256_load_si256(reinterpret_cast<const __m256i*>(k.coluna)));
        __m256i wb = _mm256_load_si256(reinterpret_cast<const __m256i*>(k.pesobaixo));
        __m256i wa = _mm256_load_si256(reinterpret_cast<const __m256i*>(k.pesoalto));
        __m256i baixo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(p, zero), _mm256_sub_epi16(cheio, wb)),
                                         _mm256_mullo_epi16(_mm256_unpacklo_epi8(q, zero), wb));
        __m256i alto = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(p, zero), _mm256_sub_epi16(cheio, wa)),
                                        _mm256_mullo_epi16(_mm256_unpackhi_epi8(q, zero), wa));
        __m256i r = _mm256_packus_epi16(_mm256_srli_epi16(baixo, 8), _mm256_srli_epi16(alto, 8));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 8 * b), r);
    }
}

bool temavx2() {
    static const bool tem = __builtin_cpu_supports("avx2");
    return tem;
}
#endif

}  // namespace

void Escalador::prepara(int32_t w, int32_t h) {
    if (w == largura && h == altura && !colunas.empty()) return;
    largura = w;
    altura = h;
    eixo(LARGURATELA, w, colunas, pesocoluna);
    eixo(ALTURATELA, h, linhas, pesolinha);
    // blocks of eight columns whose pixels lie within eight frame pixels of the first
    blocos.clear();
    for (int32_t i = 0; i + 8 <= w && colunas[size_t(i) + 7] - colunas[size_t(i)] <= 7; i += 8) {
        Bloco k;
        k.inicio = colunas[size_t(i)];
        for (int32_t j = 0; j < 8; j++) {
            int32_t c = colunas[size_t(i + j)] - k.inicio;
            uint16_t p = pesocoluna[size_t(i + j)];
            k.coluna[j] = c;  // a weight of 0 takes nothing from the second pixel
            // the 16-bit lanes as the bytes unpack: pixels 0, 1, 4, 5 low, 2, 3, 6, 7 high
            uint16_t* alvo = (j & 2) ? k.pesoalto : k.pesobaixo;
            int32_t lugar = (j & 1) * 4 + (j & 4) * 2;
            for (int b = 0; b < 4; b++) alvo[lugar + b] = p;
        }
        blocos.push_back(k);
    }
    linhalarga.assign(LARGURATELA + 16, 0);
    for (auto& f : faixas) f.assign(size_t(w), 0);
}

const uint32_t* Escalador::faixa(const uint32_t* origem, int32_t linha) {
    for (int k = 0; k < 2; k++)
        if (linhafaixa[k] == linha) return faixas[k].data();
    // rows are asked for in increasing order: the older row goes
    int k = linhafaixa[0] < linhafaixa[1] ? 0 : 1;
    linhafaixa[k] = linha;
    const uint32_t* s = origem + size_t(linha) * LARGURATELA;
    uint32_t* out = faixas[k].data();
    int32_t i = 0;
#if defined(__x86_64__)
    if (!blocos.empty() && temavx2()) {
        // the row padded, so the last block's second load stays inside
        std::memcpy(linhalarga.data(), s, LARGURATELA * 4);
        faixablocos(linhalarga.data(), blocos.data(), blocos.size(), out);
        i = int32_t(blocos.size()) * 8;
    }
#endif
    for (; i < largura; i++) {
        uint32_t w = pesocoluna[size_t(i)];
        int32_t c = colunas[size_t(i)];
        out[i] = w == 0 ? s[c] : mistura(s[c], s[c + 1], w);
    }
    return out;
}

void Escalador::escala(const uint32_t* origem, uint32_t* destino, int32_t passo) {
    linhafaixa[0] = linhafaixa[1] = -1;  // a new frame
    const size_t bytes = size_t(largura) * 4;
    for (int32_t j = 0; j < altura; j++) {
        uint32_t* out = destino + size_t(j) * size_t(passo);
        int32_t a = linhas[size_t(j)];
        uint16_t w = pesolinha[size_t(j)];
        if (j > 0 && a == linhas[size_t(j) - 1] && w == pesolinha[size_t(j) - 1]) {
            std::memcpy(out, out - passo, bytes);  // a repeated row
            continue;
        }
        const uint32_t* p = faixa(origem, a);
        if (w == 0) {
            std::memcpy(out, p, bytes);
            continue;
        }
        const uint32_t* q = faixa(origem, a + 1);
        misturalinha(reinterpret_cast<const uint8_t*>(p), reinterpret_cast<const uint8_t*>(q), w,
                     reinterpret_cast<uint8_t*>(out), bytes);
    }
}
