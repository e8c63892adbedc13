// The painting kit of the interface art: colours, shapes, soft-shaded fills with dark outlines,
// and the conversions to game pictures. Every routine draws on a Cairo context.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "common/picture.h"
#include "common/rng.h"

struct Tom {
    double r = 0, g = 0, b = 0;  // 0..1
};
Tom hex(uint32_t rgb);
Tom mistura(Tom a, Tom b, double t);       // a toward b by t
Tom claro(Tom c, double t);                // toward a warm light by t
Tom escuro(Tom c, double t);               // toward a warm dark by t
void cor(cairo_t* cr, Tom c, double alfa = 1.0);

// Paths (the current path is replaced unless said otherwise).
void elipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void retarredondado(cairo_t* cr, double x, double y, double w, double h, double r);
void poligono(cairo_t* cr, std::initializer_list<double> xy);  // x0, y0, x1, y1, ... closed
void curva(cairo_t* cr, std::initializer_list<double> xy);     // move, then curve_to triples; open

// Fills the current path with soft shading (light from the upper left) and outlines it darker.
void pinta(cairo_t* cr, Tom base, double contorno = 1.2);
// The three stops of a lit volume: the light at 0, the base colour at `meio`, the shade at 1.
void paradasdeluz(cairo_pattern_t* g, Tom luz, double meio, Tom base, Tom sombra);
// Fills the current path flat and outlines it.
void chapado(cairo_t* cr, Tom base, double contorno = 1.2);
// Strokes the current path in a colour.
void traco(cairo_t* cr, Tom c, double largura, double alfa = 1.0);
// A soft light spot (highlight) or a soft shadow.
void brilho(cairo_t* cr, double cx, double cy, double r, Tom c, double alfa);
// Fills the whole surface with a vertical gradient.
void degrade(cairo_t* cr, double w, double h, Tom topo, Tom base);
// Painterly texture: short translucent strokes over a rectangle.
void pinceladas(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Tom c, int quantas, double alfa);

// Text with a dark outline (serif face of the game), centred on (cx, baseline y); shrunk to fit
// `largmax` pixels when that is not 0.
void letreiro(cairo_t* cr, const std::string& texto, double cx, double y, double tamanho, Tom dentro, Tom fora,
              double contorno, bool negrito = true, double largmax = 0);

// Eyes, the commonest face part: two eyes at (cx +- dx, cy); closed draws lids.
void olhos(cairo_t* cr, double cx, double cy, double dx, double r, Tom iris, bool fechados);

// Releases the font caches of Cairo and fontconfig once painting is over (keeps leak checks quiet).
void liberafontes();

// Turning canvases into pictures.
Picture figura(const Canvas& c);    // keyed sprite with a dark one-pixel outline
Picture opaca(const Canvas& c);     // opaque, never pure white
