// The twelve mission layouts kept inside the program, read from the pack `mapas`.
#include "assets/pacotes.h"
#include "missions/missoes.h"

Bitmap ImageMapa01, ImageMapa02, ImageMapa03, ImageMapa04, ImageMapa05, ImageMapa06, ImageMapa07, ImageMapa08,
    ImageMapa09, ImageMapa10, ImageMapa11, ImageMapa12;

static Bitmap* const layouts[12] = {
    &ImageMapa01, &ImageMapa02, &ImageMapa03, &ImageMapa04, &ImageMapa05, &ImageMapa06,
    &ImageMapa07, &ImageMapa08, &ImageMapa09, &ImageMapa10, &ImageMapa11, &ImageMapa12,
};
static_assert(sizeof(layouts) / sizeof(layouts[0]) == 12, "one layout per mission");

static bool lidos = false;

Bitmap* layoutmissao(int32_t n) { return n >= 1 && n <= 12 ? layouts[n - 1] : nullptr; }

bool carregalayouts(std::string& why) {
    if (lidos) return true;
    const uint8_t* dados;
    size_t tamanho;
    if (!pacoteembutido("mapas", dados, tamanho)) { why = "o programa não tem os mapas das missões"; return false; }
    size_t pos = 0;
    for (int32_t n = 0; n < 12; n++) {
        size_t usados = 0;
        std::string motivo;
        if (!ParseGmb(dados + pos, tamanho - pos, *layouts[n], motivo, &usados)) {
            why = "mapa da missão " + std::to_string(n + 1) + " danificado: " + motivo;
            return false;
        }
        pos += usados;
    }
    lidos = true;
    return true;
}
