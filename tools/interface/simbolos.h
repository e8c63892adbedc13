// Small symbols shared by the command buttons, the status marks and the item icons, each drawn
// centred on the origin of the current transformation at a size of about 30 pixels.
#pragma once
#include <cairo.h>

#include "interface/pintura.h"

void sim_refresco(cairo_t* cr, Tom suco, bool grande);  // a glass (small) or a jug (large)
void sim_escudo(cairo_t* cr, Tom metal);                 // kite shield
void sim_espada(cairo_t* cr);                            // upright sword
void sim_esfera(cairo_t* cr);                            // blue protective bubble
void sim_olho(cairo_t* cr, bool riscado);                // an eye, crossed out for invisibility
void sim_cruz(cairo_t* cr);                              // green healing cross
void sim_chama(cairo_t* cr, double escala);              // fire
void sim_caveira(cairo_t* cr, Tom osso);                 // skull
void sim_raio(cairo_t* cr);                              // lightning bolt
void sim_gota(cairo_t* cr, Tom c);                       // drop
void sim_estrela(cairo_t* cr, Tom c);                    // five-point star
void sim_setacima(cairo_t* cr);                          // green "upgrade" arrow
void sim_livro(cairo_t* cr, Tom capa, Tom emblema);      // closed book
void sim_anel(cairo_t* cr, Tom gema);                    // gold ring with a gem
