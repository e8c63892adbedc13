// A sample scene for review: ground, trees, graves, units of many kinds and a few effects, drawn
// with the same anchors and the same back-to-front order the game uses.
#include <algorithm>

#include "sprites.h"

namespace {

void cola(Picture& tela, const Picture& p, int x0, int y0, bool chave) {
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            if (chave && p.iswhite(x, y)) continue;
            const uint8_t* c = p.at(x, y);
            tela.set(x0 + x, y0 + y, c[0], c[1], c[2]);
        }
}

struct Item {
    int lista, indice, x, y;  // lista 1 unit frame, 2 object, 3 effect
};

}  // namespace

void escreve_cena(const std::string& caminho, const Unidades& u, const std::vector<Picture>& ef,
                  const std::vector<Picture>& ob, const std::vector<Picture>& ce) {
    for (int t = 0; t < 3; t++) {
        Picture tela(800, 460);
        const Picture& chao = ce[t];
        for (int y = 0; y < tela.h; y += chao.h)
            for (int x = 0; x < tela.w; x += chao.w) cola(tela, chao, x, y, false);
        std::vector<Item> itens = {
            {2, 0, 60, 80}, {2, 1, 130, 60}, {2, 2, 700, 90}, {2, 3, 760, 200}, {2, 4, 600, 400}, {2, 5, 420, 80},
            {2, 7, 250, 60}, {2, 8, 300, 70}, {2, 9, 350, 60}, {2, 10, 520, 60}, {2, 14, 40, 300}, {2, 15, 760, 320},
            {2, 13, 120, 420}, {2, 12, 680, 430},
            {1, 4, 180, 200}, {1, 15, 560, 190}, {1, 85, 320, 250}, {1, 17 + 6, 260, 300}, {1, 41 + 12, 380, 320},
            {1, 65, 440, 250}, {1, 109 + 18, 500, 330}, {1, 133 + 3, 620, 300}, {1, 159 + 1, 700, 260},
            {1, 171, 200, 380}, {1, 183 + 3, 260, 420}, {1, 195 + 9, 340, 400}, {1, 219 + 6, 430, 420},
            {1, 243, 540, 420}, {1, 267 + 12, 640, 400}, {1, 291 + 3, 740, 400}, {1, 318, 90, 200},
            {1, 157, 150, 330}, {1, 315, 470, 150},
            {3, 2, 470, 110}, {3, 6, 480, 100}, {3, 53, 560, 280}, {3, 39, 400, 280}, {3, 62, 300, 230},
        };
        std::stable_sort(itens.begin(), itens.end(), [](const Item& a, const Item& b) { return a.y < b.y; });
        for (const Item& i : itens) {
            if (i.lista == 1) {
                cola(tela, ef[0], i.x - 14, i.y - 4, true);
                cola(tela, u.quadros[i.indice], i.x - u.ancorax[i.indice], i.y - u.ancoray[i.indice], true);
            } else if (i.lista == 2) {
                cola(tela, ob[i.indice], i.x - objeto_ancorax[i.indice], i.y - objeto_ancoray[i.indice], true);
            } else {
                cola(tela, ef[i.indice], i.x - efeito_ancorax[i.indice], i.y - efeito_ancoray[i.indice] - 20, true);
            }
        }
        cola(tela, ef[99 + 1], 320 - 22, 250 - 9, true);
        write_png(caminho.substr(0, caminho.size() - 4) + std::to_string(t + 1) + ".png", tela, 1);
    }
}
