// The item icons of the hero's slots, 41 x 40 on a dark round tile; item 0 is the empty slot.
#include <cmath>

#include "interface/interface.h"
#include "interface/simbolos.h"

static void ladrilho(cairo_t* cr) {
    retarredondado(cr, 1, 1, 39, 38, 7);
    cairo_pattern_t* g = cairo_pattern_create_radial(18, 16, 2, 20.5, 20, 26);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.26, 0.22, 0.30);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.06, 0.10);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    traco(cr, hex(0x8a6a30), 1.4);
    cairo_new_path(cr);
}

static void livro(cairo_t* cr, Tom capa, Tom emblema) { sim_livro(cr, capa, emblema); }

static void desenhaitem(cairo_t* cr, int i) {
    cairo_translate(cr, 20.5, 20);
    switch (i) {
    case 1: sim_anel(cr, hex(0x3a70e0)); break;   // ring of protection: sapphire
    case 2:                                        // attack claws
        for (double k = 0; k < 3; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, -9 + k * 7, 13);
            cairo_curve_to(cr, -9 + k * 7, 2, -5 + k * 7, -6, 0 + k * 6, -13);
            traco(cr, hex(0x1a1a20), 4.4);
            traco(cr, hex(0xc8ccd8), 2.6);
        }
        poligono(cr, {-13, 9, 12, 9, 12, 15, -13, 15});
        pinta(cr, hex(0x6a4020), 1.0);
        break;
    case 3: sim_anel(cr, hex(0xd02838)); break;   // ring of regeneration: ruby
    case 4:                                        // mana stone
        poligono(cr, {0, -14, 9, -4, 6, 12, -6, 12, -9, -4});
        pinta(cr, hex(0x3a60e8), 1.3);
        poligono(cr, {0, -14, 3, -4, 0, 12, -3, -4});
        chapado(cr, hex(0x90b0ff), 0);
        brilho(cr, 0, 0, 12, hex(0x80a0ff), 0.5);
        break;
    case 5:                                        // boots of speed, with wings
        poligono(cr, {-8, -12, 2, -12, 2, 6, 12, 8, 12, 14, -8, 14});
        pinta(cr, hex(0x8a4a24), 1.3);
        poligono(cr, {-8, -12, 2, -12, 2, -8, -8, -8});
        pinta(cr, hex(0xd0a040), 0.8);
        for (double k = 0; k < 3; k++) {
            poligono(cr, {-8, -6 + k * 4, -16, -10 + k * 4, -15, -6 + k * 4});
            pinta(cr, hex(0xf0ecd8), 0.8);
        }
        break;
    case 6: sim_anel(cr, hex(0x30c060)); break;   // ring of agility: emerald
    case 7:                                        // cloak of intelligence
        poligono(cr, {-5, -13, 5, -13, 14, 14, 0, 11, -14, 14});
        pinta(cr, hex(0x4a2a8a), 1.3);
        poligono(cr, {-5, -13, 5, -13, 3, -8, -3, -8});
        pinta(cr, hex(0xe0b030), 0.8);
        sim_estrela(cr, hex(0xe0c050));
        break;
    case 8:                                        // medallion of courage
        cairo_new_path(cr);
        cairo_move_to(cr, -8, -14);
        cairo_line_to(cr, 0, -4);
        cairo_line_to(cr, 8, -14);
        traco(cr, hex(0xb02828), 3);
        elipse(cr, 0, 4, 10, 10);
        pinta(cr, hex(0xe0b030), 1.3);
        cairo_translate(cr, 0, 4);
        cairo_scale(cr, 0.5, 0.5);
        sim_estrela(cr, hex(0xd02828));
        break;
    case 9:                                        // helm of kings: steel helm under a gold crown
        cairo_new_path(cr);
        cairo_move_to(cr, -11, 14);
        cairo_line_to(cr, -11, 0);
        cairo_curve_to(cr, -11, -11, 11, -11, 11, 0);
        cairo_line_to(cr, 11, 14);
        cairo_curve_to(cr, 4, 11, -4, 11, -11, 14);
        cairo_close_path(cr);
        pinta(cr, hex(0xa8b0c0), 1.3);
        poligono(cr, {-8, 2, 8, 2, 8, 4.5, -8, 4.5});
        chapado(cr, hex(0x141418), 0);
        poligono(cr, {-1.3, 4.5, 1.3, 4.5, 1.3, 11, -1.3, 11});
        chapado(cr, hex(0x141418), 0);
        for (int k = 0; k < 5; k++) {
            elipse(cr, -6 + k * 3, 8.5 + (k % 2), 0.6, 0.6);
            chapado(cr, hex(0x141418), 0);
        }
        poligono(cr, {-10, -5, -11, -15, -6, -10, -2.5, -16, 0, -10, 2.5, -16, 6, -10, 11, -15, 10, -5});
        pinta(cr, hex(0xe8c040), 1.1);
        elipse(cr, 0, -8, 1.8, 1.8);
        pinta(cr, hex(0xd02040), 0.6);
        break;
    case 10:                                       // talisman of evasion: a feather charm
        elipse(cr, 0, 3, 9, 11);
        pinta(cr, hex(0x2a8a8a), 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 12);
        cairo_curve_to(cr, -6, 4, -4, -6, 2, -10);
        cairo_curve_to(cr, 5, -2, 3, 6, 0, 12);
        cairo_close_path(cr);
        pinta(cr, hex(0xf0ecd8), 0.8);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -8);
        cairo_line_to(cr, 0, -15);
        traco(cr, hex(0xc8a040), 1.5);
        break;
    case 11: livro(cr, hex(0xb02828), hex(0xe8c040)); break;  // book of strength
    case 12: livro(cr, hex(0x2a8a3a), hex(0xe8c040)); break;  // book of agility
    case 13: livro(cr, hex(0x2a4ab0), hex(0xe8c040)); break;  // book of intelligence
    case 14: livro(cr, hex(0x6a3a8a), hex(0x60e0f0)); break;  // book of experience
    case 15: case 16: sim_refresco(cr, hex(0xd8e040), i == 16); break;
    case 17: case 18: sim_refresco(cr, hex(0xd02848), i == 18); break;
    case 19: case 20: sim_refresco(cr, hex(0x9a5a20), i == 20); break;
    case 21:                                       // flag of Japan (cream instead of pure white)
        cairo_new_path(cr);
        cairo_move_to(cr, -13, 15);
        cairo_line_to(cr, -13, -15);
        traco(cr, hex(0x2a1a0a), 3);
        traco(cr, hex(0xa07040), 1.6);
        poligono(cr, {-12, -14, 15, -14, 15, 5, -12, 5});
        pinta(cr, hex(0xf4f0e8), 1.2);
        elipse(cr, 1.5, -4.5, 5.5, 5.5);
        chapado(cr, hex(0xc81830), 0);
        break;
    case 22:                                       // katana, drawn diagonally
        cairo_rotate(cr, -0.8);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 6);
        cairo_curve_to(cr, 0, -6, 1, -12, 3, -19);
        traco(cr, hex(0x2a2a30), 4.2);
        traco(cr, hex(0xe0e4f0), 2.4);
        elipse(cr, 0, 7, 4, 1.6);
        pinta(cr, hex(0xc8a040), 0.8);
        poligono(cr, {-1.6, 8, 1.6, 8, 1.6, 18, -1.6, 18});
        pinta(cr, hex(0x2a2040), 0.8);
        for (int k = 0; k < 4; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, -1.6, 9 + k * 2.5);
            cairo_line_to(cr, 1.6, 10.5 + k * 2.5);
            traco(cr, hex(0xe0d0b0), 0.7);
        }
        break;
    case 23:                                       // samurai armour: laced lacquer plates
        for (double sx : {-1.0, 1.0}) {
            poligono(cr, {sx * 9, -12, sx * 17, -9, sx * 16, 4, sx * 9, 2});
            pinta(cr, hex(0x8a1a1a), 1.1);
            for (int k = 0; k < 3; k++) {
                cairo_new_path(cr);
                cairo_move_to(cr, sx * 9.5, -7 + k * 4);
                cairo_line_to(cr, sx * 16.3, -4.5 + k * 4);
                traco(cr, hex(0xe0b040), 0.8);
            }
        }
        poligono(cr, {-10, -13, 10, -13, 11, 13, -11, 13});
        pinta(cr, hex(0x9a2020), 1.3);
        for (int k = 0; k < 5; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, -10.5, -8 + k * 4.5);
            cairo_line_to(cr, 10.5, -8 + k * 4.5);
            traco(cr, hex(0x3a0808), 1.0);
        }
        for (int k = 0; k < 4; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, -6 + k * 4, -12);
            cairo_line_to(cr, -6 + k * 4, 12);
            traco(cr, hex(0xe0b040), 0.8, 0.8);
        }
        poligono(cr, {-5, -15, 5, -15, 3, -12, -3, -12});
        pinta(cr, hex(0x2a2a30), 0.8);
        elipse(cr, 0, -3, 2.6, 2.6);
        pinta(cr, hex(0xe0b040), 0.7);
        break;
    case 24:                                       // Lucifer's staff of death
        cairo_new_path(cr);
        cairo_move_to(cr, -9, 15);
        cairo_line_to(cr, 5, -4);
        traco(cr, hex(0x100808), 4.2);
        traco(cr, hex(0x3a2a3a), 2.4);
        brilho(cr, 6, -7, 12, hex(0xa020ff), 0.8);
        cairo_translate(cr, 6, -7);
        cairo_scale(cr, 0.6, 0.6);
        sim_caveira(cr, hex(0xd8ccb0));
        for (double s : {-1.0, 1.0}) {
            elipse(cr, s * 4.5, -1, 1.6, 1.8);
            chapado(cr, hex(0x60ff40), 0);
        }
        break;
    default: break;
    }
}

std::vector<Picture> geraitens() {
    std::vector<Picture> v;
    for (int i = 0; i < 25; i++) {
        Canvas c(41, 40);
        ladrilho(c.cr);
        cairo_save(c.cr);
        desenhaitem(c.cr, i);
        cairo_restore(c.cr);
        v.push_back(sprite_from_canvas(c, 128));
    }
    return v;
}
