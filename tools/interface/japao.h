// The trivia pages about Japan, 440 x 320 each, painted by the files japao*.cpp; the frame and the
// grain are laid on them by gerajapao.
#pragma once
#include <cairo.h>

#include "interface/cenas.h"
#include "interface/tecnica.h"

namespace japao {

inline constexpr int W = 440, H = 320;
inline const Tom CREME = hex(0xf4ecdc), VERMELHO = hex(0xc81830), TINTA = hex(0x1a1410);

// Wood over a rectangle: a base with long wavy grain lines running along (`deitada`) or across.
void madeira(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Tom c, bool deitada = true);

void mapa(cairo_t* cr);         // 1: the four big islands and Tokyo
void fuji(cairo_t* cr);         // 2: Mount Fuji at dawn
void iene(cairo_t* cr);         // 3: yen notes and coins
void escrita(cairo_t* cr);      // 4: calligraphy of "Japan" on a scroll
void longevidade(cairo_t* cr);  // 5: an old couple under the cherry tree
void cidade(cairo_t* cr);       // 6: Tokyo by night
void aviao(cairo_t* cr);        // 7: an old fighter plane over the sea at sunset
void artes(cairo_t* cr);        // 8: a bonsai and a paper crane
void comida(cairo_t* cr);       // 9: sushi on a board, chopsticks
void samurai(cairo_t* cr);      // 10: a samurai under the moon among bamboo

}  // namespace japao
