// Structures drawn flat with Cairo around their ground point (ox, oy): the frame k of each.
#pragma once
#include <cairo.h>

// The drawing machinery of the sprite generator keeps to its own namespace.
namespace boneco {

void desenha_torre(cairo_t* cr, double ox, double oy, int k);        // k = construction stage 0..4
void desenha_fazenda(cairo_t* cr, double ox, double oy, int k);
void desenha_loja(cairo_t* cr, double ox, double oy, int k);
void desenha_quartel(cairo_t* cr, double ox, double oy, int k);
void desenha_casabruxa(cairo_t* cr, double ox, double oy, int k);
void desenha_bau(cairo_t* cr, double ox, double oy, int k);          // k 1 = glinting
void desenha_portal(cairo_t* cr, double ox, double oy, int k);       // two swirl frames
void desenha_torreinimiga(cairo_t* cr, double ox, double oy, int k);

}  // namespace boneco
