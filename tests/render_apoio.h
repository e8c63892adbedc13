// Shared set-up of the gameplay-tick and world-drawing tests: an empty world on a known map, the
// pointer at rest, and picture lists of plain coloured rectangles whose colour names the item.
#pragma once
#include <gtest/gtest.h>

#include "assets/listas.h"
#include "input/mouse.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/botoes.h"
#include "world_apoio.h"

// The colour of item k of a list marked `marca`: never white, different for every item and list.
inline Cor corde(int32_t k, uint8_t marca) { return Cor{uint8_t(k & 255), uint8_t(k >> 8), marca}; }
inline bool ehcor(int32_t x, int32_t y, Cor c) {
    Cor p = BackPixel(x, y);
    return p.r == c.r && p.g == c.g && p.b == c.b;
}

constexpr uint8_t MARCAUNIDADE = 11, MARCAEFEITO = 22, MARCAOBJETO = 33;

// n opaque pictures of w x h, item k painted in corde(k, marca).
inline void enchelista(ImageList& l, int32_t n, int32_t w, int32_t h, uint8_t marca) {
    l.Clear();
    for (int32_t k = 0; k < n; k++) {
        Bitmap b;
        b.SetSize(w, h);
        for (int32_t y = 0; y < h; y++)
            for (int32_t x = 0; x < w; x++) b.SetPixel(x, y, corde(k, marca));
        SetItemPicture(l.Add(), b, "teste", true);
    }
}

// A ground tile whose pixel (x, y) is coloured (x, y, 250): the tile's column and row can be read back.
inline void poecenario(int32_t w, int32_t h) {
    DXImageListCenario.Clear();
    Bitmap b;
    b.SetSize(w, h);
    for (int32_t y = 0; y < h; y++)
        for (int32_t x = 0; x < w; x++) b.SetPixel(x, y, Cor{uint8_t(x), uint8_t(y), 250});
    SetItemPicture(DXImageListCenario.Add(), b, "Cenario", false);
}

inline void limpalistas() {
    for (ImageList* l : {&DXImageListUnidade, &DXImageListEfeitos, &DXImageListObjetos, &DXImageListCenario})
        l->Clear();
    DXWaveListSnd.items.clear();
    DXWaveListMusica.items.clear();
}

namespace jogoteste {
// A 40 x 50 cell map, the camera at (1000, 1000), the pointer resting mid-screen, no lists.
class Jogo : public ::testing::Test {
protected:
    void SetUp() override {
        mundolimpo();
        limpalistas();
        OpenHeadless();
        std::string porque;
        InitText(porque);  // the floating numbers are text
        tela = 5;
        velocidaderolagem = 20;
        musicaligada = efeitosligados = vozesligadas = true;
        mapalargura = 40;
        mapaaltura = 50;
        camerax = cameray = 1000;
        mousex = 400;
        mousey = 300;
        botaoesquerdo = botaodireito = arrastando = false;
        marcax = marcay = 0;
        tarefa = Tarefa{};
        limpabotoes();
        for (int32_t vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) SetKeyHeld(vk, false);
        FillRect(PRETO, 0, 0, 800, 600);
    }
    void TearDown() override {
        limpalistas();
        for (int32_t vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) SetKeyHeld(vk, false);
    }
};
}  // namespace jogoteste
