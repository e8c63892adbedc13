// The pointer step: picture and hot spot from the pending map command, the placement marker, the pointer.
#include "assets/listas.h"
#include "input/mouse.h"
#include "render/texto.h"
#include "shell/shell.h"
#include "world/estado.h"
#include "world/sobreposicao.h"

namespace {

// Per pointer picture: hot spot and half size of the placement footprint.
struct FormaPonteiro {
    int8_t dx, dy;
    uint8_t marcax, marcay;
};
const FormaPonteiro formas[] = {
    {3, 0, 0, 0},    // 0 ordinary pointer
    {28, 65, 25, 27},  // 1 guard tower outline
    {30, 50, 24, 20},  // 2 farm outline
    {38, 52, 30, 18},  // 3 shop outline
    {14, 14, 2, 2},    // 4 service target
    {5, 42, 0, 0},     // 5 rally point
    {43, 28, 0, 0},    // 6 fireball target
};
static_assert(sizeof(formas) / sizeof(formas[0]) == 7);

// Commands 0..5 show their own picture; 6, 7, 8 and 10 the service target; 9 the fireball target.
uint8_t imagemdocomando(uint8_t comando) {
    if (comando <= 5) return comando;
    if (comando == 9) return 6;
    return 4;
}

}  // namespace

void desenhaponteiro() {
    // 1-3. picture, hot spot and footprint
    cursor = imagemdocomando(mousenum);
    cursordx = formas[cursor].dx;
    cursordy = formas[cursor].dy;
    marcax = formas[cursor].marcax;
    marcay = formas[cursor].marcay;
    // 4. placement test over units and objects
    mouseflag = sobreposicaoponteiro(mousex, mousey, marcax, marcay);
    // 5. the marker blinks on even cycles and never over the interface strip
    corcorrente = mouseflag ? Cor{255, 0, 0} : Cor{0, 255, 0};
    if (mousey < 460 && ciclotela % 2 == 0)
        pintaretangulo(mousex - marcax, mousey - marcay, mousex + marcax, mousey + marcay, corcorrente);
    // 6. the pointer itself, except on the ending and error screens
    if (tela != 6 && tela != 10 && cursor < DXImageListCursor.Count())
        DrawItem(DXImageListCursor, cursor, mousex - cursordx, mousey - cursordy);
}
