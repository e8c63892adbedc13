// One unit of the draw list: its fog test, then its marks and its picture, in drawing order.
#include <cmath>
#include <string>

#include "assets/listas.h"
#include "media/media.h"
#include "render/mundo.h"
#include "render/texto.h"
#include "world/auxiliares.h"
#include "world/estado.h"
#include "world/unidades.h"

namespace {

// Pictures of the effect list used as unit marks.
enum : int32_t {
    SOMBRA = 0, ESFERA = 1, PLACALOJA = 59, MARCAPROTETORA = 65, MARCAGUERREIRA = 66,
    VENENO = 68, BRILHO1 = 69, BRILHO2 = 70, ESTRELA1 = 71, ESTRELA2 = 72, ESTRELA3 = 73,
};

// A mark at a map point offset by (dx, dy), rounded after the camera is taken off.
void marca(int32_t imagem, double x, double y) {
    if (imagem < DXImageListEfeitos.Count())
        DrawItem(DXImageListEfeitos, imagem, arredonda(x - camerax), arredonda(y - cameray));
}

// Marks under the figure: the auras alternate frames, the shadow of living units, the glow.
void marcasdebaixo(const Unidade& a) {
    if (a.auraprotetora != 0 && quadropar()) marca(MARCAPROTETORA, a.x - 15, a.y - 7);
    if (a.auraguerreira != 0 && !quadropar()) marca(MARCAGUERREIRA, a.x - 15, a.y - 7);
    if (a.organico) marca(SOMBRA, a.x - 14, a.y - 4);
    if (a.imunidade != 0) marca(quadropar() ? BRILHO1 : BRILHO2, a.x - 25, a.y - 8);
}

// Marks over the figure: sphere on odd frames, poison, the three paralysis stars in turn.
void marcasdecima(const Unidade& a) {
    if (a.esfera != 0 && !quadropar()) marca(ESFERA, a.x - 26, a.y - 65);
    if (a.envenenado != 0) marca(VENENO, a.x - 12, a.y - a.altura - 25);
    if (a.paralisado != 0) {
        if (ciclotela < 10) marca(ESTRELA1, a.x - 3, a.y - a.altura);
        else if (ciclotela < 20) marca(ESTRELA2, a.x - 6, a.y - a.altura - 3);
        else if (ciclotela < 30) marca(ESTRELA3, a.x - 9, a.y - a.altura - 6);
    }
}

// A finished shop shows its sign to every hero standing near it, bobbing with its cycle.
void placaloja(const Unidade& a) {
    if (a.tipo != 3 || a.construcao != a.construcaomax || PLACALOJA >= DXImageListEfeitos.Count()) return;
    for (int32_t j = 1; j <= MAXUNIDADES; j++) {
        const Unidade& h = unidades[j];
        if (h.tipo != 0 && h.heroi && distancia(a.x, a.y, h.x, h.y) < 200)
            DrawItem(DXImageListEfeitos, PLACALOJA, arredonda(a.x - 10) - camerax, arredonda(a.y - 90 + a.ciclo) - cameray);
    }
}

// Floating numbers: healing rises with its timer, damage sinks as its timer runs out.
void numeros(const Unidade& a) {
    int32_t sx = arredonda(a.x) - camerax, sy = arredonda(a.y) - a.altura - cameray;
    if (a.curatempo > 0)
        escrevetexto(sx, sy - a.curatempo, "+" + std::to_string(a.curaexibida), "c", 12, Cor{150, 150, 255});
    if (a.danotempo > 0)
        escrevetexto(sx, sy - 20 + a.danotempo, std::to_string(a.danoexibido), "c", 12,
                     a.inimigo ? Cor{255, 255, 255} : Cor{255, 100, 100});
}

}  // namespace

void desenhaunidade(int32_t u) {
    Unidade& a = unidades[u];
    if (a.tipo == 0) return;  // died while the list was being drawn
    // 1. the picture's corner from the frame's anchor
    int32_t px = arredonda(a.x - a.desenhox) - camerax;
    int32_t py = arredonda(a.y - a.desenhoy) - cameray;
    // 2. and 3. the fog: an unseen unit is not drawn and leaves the selection
    if (!unidadevisivel(u)) {
        a.selecionado = false;
        if (select_ == u) select_ = 0;
        return;
    }
    // 4. an invisible unit with a picture blinks: drawn on odd frames only
    bool imagemvalida = a.desenho < DXImageListUnidade.Count();
    if (imagemvalida && a.invisivel > 0 && quadropar()) return;
    // 5. floating units bob above the ground; the skeleton jitters while the game runs
    if (a.rastro) py -= arredonda(std::cos(a.ciclo / 4) * 4) + 5;
    if (a.esqueleto && !pausa) px += Random(2) - 1;
    marcasdebaixo(a);
    if (imagemvalida) DrawItem(DXImageListUnidade, a.desenho, px, py);
    marcasdecima(a);
    placaloja(a);
    numeros(a);
}
