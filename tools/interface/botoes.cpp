// The command buttons (41 x 40) and the status marks (17 x 17). A button is a bevelled gold
// frame around a coloured field showing its command; items 0..16 are opaque squares, 17..31 have
// rounded corners keyed on white.
#include <cmath>

#include "interface/interface.h"
#include "interface/retratos.h"
#include "interface/simbolos.h"

// Field colours by kind of command.
static const Tom UNIDADE = hex(0x2a4a7a), PESQUISA = hex(0x4a2a6a), OBRA = hex(0x3a5a2a), MAGIA = hex(0x6a2a1a),
                 TECNICA = hex(0x6a4a1a), LOJA = hex(0x1a5a5a);

static void moldura(cairo_t* cr, Tom campo, bool redondo) {
    double r = redondo ? 6 : 0;
    retarredondado(cr, 0, 0, 41, 40, r);
    chapado(cr, hex(0x2a1a0c), 0);
    retarredondado(cr, 1, 1, 39, 38, r);
    pinta(cr, hex(0xc89838), 0);
    retarredondado(cr, 4, 4, 33, 32, std::max(0.0, r - 2));
    cairo_pattern_t* g = cairo_pattern_create_radial(16, 14, 2, 20.5, 20, 24);
    Tom a = claro(campo, 0.3), b = escuro(campo, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    traco(cr, hex(0x2a1a0c), 1.2);
    cairo_new_path(cr);
}

// Light bevel drawn last, over the content.
static void bisel(cairo_t* cr, bool redondo) {
    double r = redondo ? 6 : 0;
    cairo_new_path(cr);
    retarredondado(cr, 1.5, 1.5, 38, 37, r);
    traco(cr, hex(0x5a3a14), 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, 2.5, 37);
    cairo_line_to(cr, 2.5, 2.5);
    cairo_line_to(cr, 38, 2.5);
    traco(cr, hex(0xf8e0a0), 0.8, 0.8);
    cairo_new_path(cr);
}

// A portrait shrunk into the field.
static void rostinho(cairo_t* cr, int retrato) {
    cairo_save(cr);
    cairo_rectangle(cr, 4, 4, 33, 32);
    cairo_clip(cr);
    cairo_translate(cr, 4, 3.5);
    cairo_scale(cr, 33.0 / 70, 33.0 / 70);
    pintaretrato(cr, retrato);
    cairo_restore(cr);
}

static void centro(cairo_t* cr, double escala = 1.0) {
    cairo_translate(cr, 20.5, 20);
    cairo_scale(cr, escala, escala);
}

// The content of button `i`.
static Tom campodo(int i) {
    if (i >= 1 && i <= 3) return UNIDADE;
    if (i >= 4 && i <= 7) return PESQUISA;
    if (i >= 8 && i <= 13) return OBRA;
    if (i >= 14 && i <= 19) return MAGIA;
    if (i >= 20 && i <= 25) return TECNICA;
    if (i >= 26) return LOJA;
    return hex(0x2a2430);
}

static void conteudo(cairo_t* cr, int i) {
    cairo_save(cr);
    switch (i) {
    case 1: rostinho(cr, RT_DURBICO); break;
    case 2: rostinho(cr, RT_FIDELINA); break;
    case 3: rostinho(cr, RT_BRUXA); break;
    case 4:  // strengthen structures: tower behind a shield
        rostinho(cr, RT_TORRE);
        cairo_translate(cr, 27, 26);
        cairo_scale(cr, 0.5, 0.5);
        sim_escudo(cr, hex(0x8a9ab8));
        break;
    case 5:  // Fidelina's training: her face and a book
    case 6:  // witches' training
        rostinho(cr, i == 5 ? RT_FIDELINA : RT_BRUXA);
        cairo_translate(cr, 28, 27);
        cairo_scale(cr, 0.45, 0.45);
        sim_livro(cr, hex(0x2a5ab0), hex(0xe8c040));
        break;
    case 7:  // strengthen skeletons
        rostinho(cr, RT_ESQUELETO);
        cairo_translate(cr, 28, 27);
        cairo_scale(cr, 0.7, 0.7);
        sim_setacima(cr);
        break;
    case 8: rostinho(cr, RT_TORRE); break;
    case 9: rostinho(cr, RT_FAZENDA); break;
    case 10: rostinho(cr, RT_TIENDA); break;
    case 11:  // repair: hammer over a wrench
        centro(cr);
        cairo_rotate(cr, -0.7);
        poligono(cr, {-1.8, -4, 1.8, -4, 1.8, 14, -1.8, 14});
        pinta(cr, hex(0x9a6a3a), 1.0);
        poligono(cr, {-9, -12, 9, -12, 9, -4, -9, -4});
        pinta(cr, hex(0xa8acb8), 1.2);
        cairo_rotate(cr, 1.4);
        poligono(cr, {-1.6, -3, 1.6, -3, 1.6, 13, -1.6, 13});
        pinta(cr, hex(0xb8bcc8), 1.0);
        cairo_new_path(cr);
        cairo_arc(cr, 0, -6, 5, M_PI * 0.65, M_PI * 2.35);
        traco(cr, hex(0x2a2a30), 4.2);
        traco(cr, hex(0xb8bcc8), 2.4);
        break;
    case 12:  // rally point: a blue flag
        centro(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, -8, 14);
        cairo_line_to(cr, -8, -13);
        traco(cr, hex(0x2a1a0a), 3);
        traco(cr, hex(0xa07040), 1.6);
        cairo_new_path(cr);
        cairo_move_to(cr, -7, -12);
        cairo_curve_to(cr, 0, -15, 5, -8, 13, -11);
        cairo_line_to(cr, 11, -3);
        cairo_line_to(cr, 13, 4);
        cairo_curve_to(cr, 5, 7, 0, 0, -7, 3);
        cairo_close_path(cr);
        pinta(cr, hex(0x3a7ae0), 1.2);
        elipse(cr, -4, 14, 8, 2.5);
        chapado(cr, hex(0x2a3a18), 0);
        break;
    case 13:  // cancel: red cross
        centro(cr);
        for (double s : {-1.0, 1.0}) {
            cairo_new_path(cr);
            cairo_move_to(cr, -10, -10 * s);
            cairo_line_to(cr, 10, 10 * s);
            traco(cr, hex(0x300808), 7);
            traco(cr, hex(0xe03028), 4.5);
        }
        break;
    case 14: centro(cr); sim_cruz(cr); break;
    case 15:  // invisibility: a fading figure and a crossed eye
        centro(cr);
        elipse(cr, 0, -6, 6, 6);
        cor(cr, hex(0xc0d0f0), 0.45);
        cairo_fill(cr);
        poligono(cr, {-9, 14, -6, 1, 6, 1, 9, 14});
        cor(cr, hex(0xc0d0f0), 0.45);
        cairo_fill(cr);
        cairo_translate(cr, 4, 7);
        cairo_scale(cr, 0.6, 0.6);
        sim_olho(cr, true);
        break;
    case 16: centro(cr); sim_esfera(cr); break;
    case 17:  // raise skeletons: a skull rising from a grave with green light
        centro(cr);
        brilho(cr, 0, -2, 16, hex(0x70ff60), 0.7);
        elipse(cr, 0, 12, 14, 4);
        pinta(cr, hex(0x4a3a28), 1.0);
        cairo_translate(cr, 0, -3);
        cairo_scale(cr, 0.85, 0.85);
        sim_caveira(cr, hex(0xe4d8b8));
        break;
    case 18:  // fireball falling from the sky
        centro(cr);
        for (double k = 0; k < 3; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, -13 + k * 4, -14);
            cairo_line_to(cr, -2 + k * 4, -2);
            traco(cr, hex(0xf8b030), 2 - k * 0.4, 0.7);
        }
        cairo_translate(cr, 3, 3);
        cairo_rotate(cr, -0.8);
        sim_chama(cr, 0.85);
        break;
    case 19:  // summon Satanas
        rostinho(cr, RT_SATANAS);
        break;
    case 20:  // fire staff
        centro(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, -10, 14);
        cairo_line_to(cr, 6, -6);
        traco(cr, hex(0x2a1408), 4.4);
        traco(cr, hex(0x8a5a2a), 2.6);
        cairo_translate(cr, 7, -8);
        sim_chama(cr, 0.55);
        break;
    case 21:  // protective aura: a shield in a golden ring
        centro(cr);
        elipse(cr, 0, 0, 15, 15);
        traco(cr, hex(0xf8e060), 2, 0.8);
        cairo_new_path(cr);
        cairo_scale(cr, 0.85, 0.85);
        sim_escudo(cr, hex(0x6a8ad0));
        break;
    case 22:  // tremor: cracked ground and rocks
        centro(cr);
        poligono(cr, {-16, 4, 16, 2, 16, 16, -16, 16});
        pinta(cr, hex(0x7a5a3a), 1.0);
        cairo_new_path(cr);
        cairo_move_to(cr, -2, 4);
        cairo_line_to(cr, 2, 9);
        cairo_line_to(cr, -3, 12);
        cairo_line_to(cr, 1, 16);
        traco(cr, hex(0x1a0e06), 2);
        for (double k = 0; k < 3; k++) {
            poligono(cr, {-12 + k * 10.0, -2 - k * 3, -8 + k * 10.0, -6 - k * 3, -4 + k * 10.0, -1 - k * 3});
            pinta(cr, hex(0x9a8a7a), 0.9);
        }
        for (int k = -1; k <= 1; k++) {
            cairo_new_path(cr);
            cairo_move_to(cr, k * 9 - 3, -10);
            cairo_curve_to(cr, k * 9 - 1, -12, k * 9 + 1, -8, k * 9 + 3, -10);
            traco(cr, hex(0xf0e0a0), 1.2);
        }
        break;
    case 23:  // warrior aura: crossed swords in red light
        centro(cr);
        brilho(cr, 0, 0, 17, hex(0xff4020), 0.8);
        cairo_rotate(cr, -0.6);
        sim_espada(cr);
        cairo_rotate(cr, 1.2);
        sim_espada(cr);
        break;
    case 24:  // raging chimpanzee
        centro(cr);
        elipse(cr, 0, 0, 14, 13);
        pinta(cr, hex(0x5a3a22), 1.3);
        for (double s : {-1.0, 1.0}) {
            elipse(cr, s * 13, -1, 4, 4.5);
            pinta(cr, hex(0x5a3a22), 1.0);
        }
        elipse(cr, 0, 3, 10, 9);
        pinta(cr, hex(0xd8a880), 1.0);
        for (double s : {-1.0, 1.0}) {
            poligono(cr, {s * 1, -4, s * 8, -7, s * 8, -5, s * 2, -2});
            chapado(cr, hex(0x1a0e06), 0);
            elipse(cr, s * 4.5, -1.5, 1.6, 1.6);
            chapado(cr, hex(0xe02010), 0);
        }
        elipse(cr, 0, 7, 5.5, 3.5);
        chapado(cr, hex(0x3a0a08), 0.8);
        poligono(cr, {-4, 4.5, 4, 4.5, 3.6, 6, -3.6, 6});
        chapado(cr, hex(0xf0e8d8), 0);
        break;
    case 25:  // learn techniques: a book with a golden plus
        centro(cr);
        sim_livro(cr, hex(0x8a2a2a), hex(0xe8c040));
        cairo_translate(cr, 8, 8);
        poligono(cr, {-2, -7, 2, -7, 2, -2, 7, -2, 7, 2, 2, 2, 2, 7, -2, 7, -2, 2, -7, 2, -7, -2, -2, -2});
        pinta(cr, hex(0x60e050), 1.0);
        break;
    case 26: case 27: centro(cr); sim_refresco(cr, hex(0xd8e040), i == 27); break;
    case 28: case 29: centro(cr); sim_refresco(cr, hex(0xd02848), i == 29); break;
    case 30: case 31: centro(cr); sim_refresco(cr, hex(0x9a5a20), i == 31); break;
    default: break;  // 0: the empty button
    }
    cairo_restore(cr);
}

static Picture botao(int i) {
    bool redondo = i >= 17;
    Canvas c(41, 40);
    moldura(c.cr, campodo(i), redondo);
    cairo_save(c.cr);
    retarredondado(c.cr, 4, 4, 33, 32, redondo ? 4 : 0);
    cairo_clip(c.cr);
    conteudo(c.cr, i);
    cairo_restore(c.cr);
    bisel(c.cr, redondo);
    return redondo ? sprite_from_canvas(c, 128) : opaca(c);
}

std::vector<Picture> gerabotoes() {
    std::vector<Picture> v;
    for (int i = 0; i < 32; i++) v.push_back(botao(i));
    return v;
}

// ---------------------------------------------------------------------------------------------
// status marks, 17 x 17, opaque
// ---------------------------------------------------------------------------------------------

static void marca(cairo_t* cr, int i) {
    Tom fundos[7] = {hex(0x3a3a5a), hex(0x1a2a5a), hex(0x5a4a1a), hex(0x5a1a10), hex(0x4a4a10), hex(0x1a4a1a), hex(0x5a4a0a)};
    degrade(cr, 17, 17, claro(fundos[i], 0.2), escuro(fundos[i], 0.4));
    cairo_save(cr);
    cairo_translate(cr, 8.5, 8.5);
    cairo_scale(cr, 0.5, 0.5);
    switch (i) {
    case 0: sim_olho(cr, true); break;                 // invisible
    case 1: sim_esfera(cr); break;                     // protective sphere
    case 2: sim_escudo(cr, hex(0xe0b840)); break;      // protective aura
    case 3: sim_espada(cr); break;                     // warrior aura
    case 4: sim_raio(cr); break;                       // paralysed
    case 5: sim_gota(cr, hex(0x60d030)); break;        // poisoned
    case 6: sim_estrela(cr, hex(0xf8d040)); break;     // invincible
    default: break;
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 0.5, 16, 16);
    traco(cr, hex(0x1a100a), 1);
}

std::vector<Picture> gerastatus() {
    std::vector<Picture> v;
    for (int i = 0; i < 7; i++) {
        Canvas c(17, 17);
        marca(c.cr, i);
        v.push_back(opaca(c));
    }
    return v;
}
