// A .gmb picture as an asset folder may hold it: parsed, made ready to draw and drawn at the edges
// of the screen and far beyond them.
#include <climits>
#include <cstdlib>
#include <string>

#include "media/media.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static ImageList lista;
    Bitmap b;
    std::string porque;
    size_t usados = 0;
    if (!ParseGmb(dados, tamanho, b, porque, &usados)) {
        if (porque.empty()) std::abort();
        return 0;
    }
    if (b.width < 1 || b.height < 1 || usados > tamanho) std::abort();
    lista.Clear();
    ImageItem& item = lista.Add();
    item.transparentcolor = Cor{255, 255, 255};
    SetItemPicture(item, b, "fuzz", tamanho % 2 == 0);
    const int32_t lugares[][2] = {{0, 0}, {-b.width + 1, -b.height + 1}, {799, 599}, {INT_MIN, INT_MIN},
                                  {INT_MAX, INT_MAX}, {-b.width / 2, 300}, {400, -b.height / 2}};
    for (const auto& l : lugares) DrawItem(lista, 0, l[0], l[1]);
    return 0;
}
