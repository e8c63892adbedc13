// Review pictures of the unit frames: each figure's frames by facing on grass, at game size and at
// twice that, standing on their anchors; and a line-up of every unit and building at game size.
#include "revisao.h"

#include <algorithm>
#include <cstring>

namespace {

// A keyed picture as a Cairo surface (white becomes transparent), enlarged k times.
cairo_surface_t* superficie(const Picture& p, int k) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.w * k, p.h * k);
    unsigned char* d = cairo_image_surface_get_data(s);
    int passo = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.h * k; y++) {
        uint32_t* linha = reinterpret_cast<uint32_t*>(d + size_t(y) * size_t(passo));
        for (int x = 0; x < p.w * k; x++) {
            int px = x / k, py = y / k;
            const uint8_t* c = p.at(px, py);
            linha[x] = p.iswhite(px, py) ? 0u : (0xFF000000u | uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2]);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void grama(cairo_t* cr, int w, int h) {
    cairo_set_source_rgb(cr, 0.3, 0.46, 0.21);
    cairo_paint(cr);
    uint32_t r = 12345;
    for (int i = 0; i < w * h / 40; i++) {
        r = r * 1103515245u + 12345u;
        int x = int((r >> 8) % unsigned(w));
        r = r * 1103515245u + 12345u;
        int y = int((r >> 8) % unsigned(h));
        cairo_set_source_rgb(cr, 0.24 + (r & 7) * 0.01, 0.4 + (r & 15) * 0.006, 0.17);
        cairo_rectangle(cr, x, y, 2, 1);
        cairo_fill(cr);
    }
}

void texto(cairo_t* cr, double x, double y, const std::string& s, double tam) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, tam);
    cairo_set_source_rgb(cr, 1, 1, 0.75);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

void cola(cairo_t* cr, const Picture& p, double x, double y, int k) {
    cairo_surface_t* s = superficie(p, k);
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

}  // namespace

bool folha_revisao(const std::string& caminho, const Unidades& u, int de, int por_face, int faces, const std::string& titulo) {
    // each column as wide as its widest frame, measured from the anchors; rows as tall as the tallest
    std::vector<int> esq(size_t(por_face), 0), dir(size_t(por_face), 0);
    int cima = 0, baixo = 0;
    for (int f = 0; f < faces; f++)
        for (int k = 0; k < por_face; k++) {
            int i = de + f * por_face + k;
            const Picture& p = u.quadros[size_t(i)];
            esq[size_t(k)] = std::max(esq[size_t(k)], int(u.ancorax[size_t(i)]));
            dir[size_t(k)] = std::max(dir[size_t(k)], p.w - u.ancorax[size_t(i)]);
            cima = std::max(cima, int(u.ancoray[size_t(i)]));
            baixo = std::max(baixo, p.h - u.ancoray[size_t(i)]);
        }
    int larg = 0;
    for (int k = 0; k < por_face; k++) larg += esq[size_t(k)] + dir[size_t(k)] + 8;
    int ch = cima + baixo + 16;
    int W = std::max(2 * larg + 20, 700), H = 30 + ch * faces + 2 * ch * faces + 20;
    Canvas c(W, H);
    grama(c.cr, W, H);
    texto(c.cr, 6, 18, titulo + ": tamanho do jogo e 2x; linhas BAIXO, DIREITA, CIMA, ESQUERDA", 13);
    for (int esc = 1; esc <= 2; esc++) {
        double topo = esc == 1 ? 26 : 26 + ch * faces + 10;
        for (int f = 0; f < faces; f++) {
            double x0 = 10;
            for (int k = 0; k < por_face; k++) {
                int i = de + f * por_face + k;
                const Picture& p = u.quadros[size_t(i)];
                double gx = x0 + esq[size_t(k)] * esc, gy = topo + f * ch * esc + (cima + 8) * esc;
                cairo_set_source_rgba(c.cr, 0, 0, 0, 0.25);  // the ground point
                boneco::elipse(c.cr, gx, gy, 9 * esc, 3 * esc);
                cairo_fill(c.cr);
                cola(c.cr, p, gx - u.ancorax[size_t(i)] * esc, gy - u.ancoray[size_t(i)] * esc, esc);
                if (esc == 2) texto(c.cr, x0, gy - (cima + 2) * esc + 10, std::to_string(i), 10);
                x0 += (esq[size_t(k)] + dir[size_t(k)] + 8) * esc;
            }
        }
    }
    return cairo_surface_write_to_png(c.surface, caminho.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool fila_revisao(const std::string& caminho, const Unidades& u, const std::vector<int>& quadros) {
    int W = 40, cima = 0;
    for (int i : quadros) {
        W += u.quadros[size_t(i)].w + 10;
        cima = std::max(cima, int(u.ancoray[size_t(i)]));
    }
    int H1 = cima + 50, H2 = 2 * cima + 40;
    // rows of the enlarged line
    int linhas = 1;
    double x = 20;
    for (int i : quadros) {
        int w = u.quadros[size_t(i)].w * 2 + 10;
        if (x + w > W) { x = 20; linhas++; }
        x += w;
    }
    Canvas c(W, H1 + H2 * linhas);
    grama(c.cr, W, H1 + H2 * linhas);
    texto(c.cr, 6, 16, "Escala: unidades e estruturas no tamanho do jogo, na mesma linha de chao (e abaixo em 2x)", 12);
    x = 20;
    for (int i : quadros) {
        const Picture& p = u.quadros[size_t(i)];
        double gx = x + u.ancorax[size_t(i)], gy = H1 - 14;
        cairo_set_source_rgba(c.cr, 0, 0, 0, 0.25);
        boneco::elipse(c.cr, gx, gy, 10, 3.5);
        cairo_fill(c.cr);
        cola(c.cr, p, gx - u.ancorax[size_t(i)], gy - u.ancoray[size_t(i)], 1);
        x += p.w + 10;
    }
    x = 20;
    double chao = H1 + H2 - 16;
    for (int i : quadros) {
        const Picture& p = u.quadros[size_t(i)];
        if (x + p.w * 2 + 10 > W) { x = 20; chao += H2; }
        cola(c.cr, p, x, chao - u.ancoray[size_t(i)] * 2, 2);
        x += p.w * 2 + 10;
    }
    return cairo_surface_write_to_png(c.surface, caminho.c_str()) == CAIRO_STATUS_SUCCESS;
}
