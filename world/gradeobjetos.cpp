// The object grid: cells of 100 pixels, each with the slots whose base point falls in it.
#include "world/gradeobjetos.h"

#include <algorithm>
#include <cmath>

#include "world/objetos.h"

namespace {

constexpr double CELULA = 100;

struct Grade {
    uint32_t versao = ~0u;
    int32_t x0 = 0, y0 = 0, largura = 0, altura = 0;  // first cell and size, in cells
    std::vector<std::vector<int32_t>> celulas;
};

Grade grade;

int32_t celula(double v) { return int32_t(std::floor(v / CELULA)); }

void refaz() {
    grade.versao = versaoobjetos;
    int32_t cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
    bool algum = false;
    for (int32_t k = 1; k <= MAXOBJETOS; k++) {
        if (objetos[k].tipo == 0) continue;
        int32_t cx = celula(objetos[k].x), cy = celula(objetos[k].y);
        if (!algum) { cx1 = cx2 = cx; cy1 = cy2 = cy; algum = true; }
        cx1 = std::min(cx1, cx); cx2 = std::max(cx2, cx);
        cy1 = std::min(cy1, cy); cy2 = std::max(cy2, cy);
    }
    grade.x0 = cx1;
    grade.y0 = cy1;
    grade.largura = algum ? cx2 - cx1 + 1 : 0;
    grade.altura = algum ? cy2 - cy1 + 1 : 0;
    grade.celulas.assign(size_t(grade.largura) * size_t(grade.altura), {});
    for (int32_t k = 1; k <= MAXOBJETOS; k++) {  // ascending, so every cell's list is in slot order
        if (objetos[k].tipo == 0) continue;
        int32_t cx = celula(objetos[k].x) - grade.x0, cy = celula(objetos[k].y) - grade.y0;
        grade.celulas[size_t(cy) * size_t(grade.largura) + size_t(cx)].push_back(k);
    }
}

}  // namespace

void objetosnaarea(double x1, double y1, double x2, double y2, std::vector<int32_t>& saida) {
    saida.clear();
    if (grade.versao != versaoobjetos) refaz();
    int32_t cx1 = std::max(celula(x1) - grade.x0, 0), cx2 = std::min(celula(x2) - grade.x0, grade.largura - 1);
    int32_t cy1 = std::max(celula(y1) - grade.y0, 0), cy2 = std::min(celula(y2) - grade.y0, grade.altura - 1);
    for (int32_t cy = cy1; cy <= cy2; cy++)
        for (int32_t cx = cx1; cx <= cx2; cx++)
            for (int32_t k : grade.celulas[size_t(cy) * size_t(grade.largura) + size_t(cx)]) {
                const Objeto& o = objetos[k];
                if (o.x >= x1 && o.x <= x2 && o.y >= y1 && o.y <= y2) saida.push_back(k);
            }
    std::sort(saida.begin(), saida.end());
}
