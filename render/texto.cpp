// Text and rectangle drawing on the back buffer.
#include "render/texto.h"

#include "world/auxiliares.h"

void pintaretangulo(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor cor) { FillRect(cor, x1, y1, x2, y2); }

// The outline is the box between the two corners whichever corner comes first; the rubber-band
// selection box starts wherever the drag started.
void desenharetangulo(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Cor cor) {
    if (x1 < x2 && y1 < y2) FrameRect(cor, x1, y1, x2, y2);
    if (x1 > x2 && y1 < y2) FrameRect(cor, x2, y1, x1, y2);
    if (x1 > x2 && y1 > y2) FrameRect(cor, x2, y2, x1, y1);
    if (x1 < x2 && y1 > y2) FrameRect(cor, x1, y2, x2, y1);
}

void escrevetexto(int32_t x, int32_t y, const std::string& texto, const std::string& alinhamento, int32_t tamanho,
                  Cor cor, int32_t tecla) {
    // 1. width offset: half the width for centred text, halves going to the even neighbour
    int32_t d = 0;
    if (alinhamento == "c") d = arredonda(TextWidth(texto, tamanho) / 2.0);
    else if (alinhamento == "e") d = TextWidth(texto, tamanho);
    // 2. shadow, then the letters; the hot-key letter is the same letter of the same line in
    // orange-red, so it covers its white letter exactly and leaves no white edge around it (it gets
    // no shadow of its own: the line's shadow is already under it)
    TextOut(x - d + 1, y + 1, texto, tamanho, PRETO);
    if (tecla > 0 && tecla <= Utf8Length(texto)) TextOut(x - d, y, texto, tamanho, cor, tecla, CORTECLA);
    else TextOut(x - d, y, texto, tamanho, cor);
}
