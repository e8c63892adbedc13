// Sharp scaling of the frame: repeated pixels at whole multiples, otherwise repetition to the next
// whole multiple and a linear reduction, worked out once per size as per-column and per-row tables.
#include "media/escala.h"

#include <algorithm>
#include <cstring>

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

}  // namespace

void Escalador::prepara(int32_t w, int32_t h) {
    if (w == largura && h == altura && !colunas.empty()) return;
    largura = w;
    altura = h;
    eixo(LARGURATELA, w, colunas, pesocoluna);
    eixo(ALTURATELA, h, linhas, pesolinha);
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
    for (int32_t i = 0; i < largura; i++) {
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
        uint32_t w = pesolinha[size_t(j)];
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
        for (int32_t i = 0; i < largura; i++) out[i] = mistura(p[i], q[i], w);
    }
}
