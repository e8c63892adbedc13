// Unit frames: structures, characters and monsters in four facings, and the anchor of every frame.
#include <algorithm>
#include <cmath>
#include <functional>

#include "estruturas.h"
#include "figuras.h"
#include "sprites.h"

namespace boneco {

// The people and monsters, each a puppet with its own proportions, palette and gear.
Humano figura_durbico() {
    Humano h;
    h.altura = 84; h.largura = 1.18; h.cabeca = 1.08;
    h.pele = rgb(232, 184, 140); h.cabelo = rgb(120, 72, 38); h.roupa = rgb(214, 120, 48); h.calca = rgb(58, 86, 150);
    h.bota = rgb(78, 50, 32); h.chapeu = rgb(236, 196, 52);
    h.chapeu_tipo = CAPACETE; h.arma = MARTELO; h.bigode = true; h.cinto = true; h.corcinto = rgb(96, 62, 34);
    return h;
}

Humano figura_fidelina() {
    Humano h;
    h.altura = 76; h.largura = 0.9;
    h.pele = rgb(242, 204, 176); h.cabelo = rgb(238, 198, 84); h.roupa = rgb(110, 168, 228); h.calca = rgb(80, 130, 205);
    h.bota = rgb(110, 70, 50); h.chapeu = h.cabelo; h.chapeu_tipo = COQUE;
    h.arma = CAJADOCURA; h.saia = true; h.avental = true; h.cabelolongo = true;
    return h;
}

Humano figura_bruxa() {
    Humano h;
    h.altura = 90;
    h.pele = rgb(160, 200, 120); h.cabelo = rgb(60, 44, 70); h.roupa = rgb(100, 44, 124); h.calca = rgb(66, 28, 88);
    h.bota = h.calca; h.chapeu = rgb(70, 34, 92); h.chapeu_tipo = PONTUDO;
    h.arma = GARRAS; h.flutua = true; h.saia = true; h.cabelolongo = true; h.braco = 1.1;
    h.magia = 1; h.cormagia = rgb(150, 240, 90);
    return h;
}

Humano figura_vorlando() {
    Humano h;
    h.altura = 94;
    h.pele = rgb(236, 190, 152); h.cabelo = rgb(214, 212, 204); h.roupa = rgb(58, 84, 150); h.calca = rgb(86, 64, 46);
    h.bota = rgb(62, 42, 30); h.chapeu = rgb(102, 70, 42); h.capa = rgb(160, 36, 36); h.chapeu_tipo = ABAS;
    h.arma = CAJADOFOGO; h.barba = true; h.bigode = true; h.manto = true; h.cinto = true; h.corcinto = rgb(110, 72, 36);
    return h;
}

Humano figura_esqueleto() {
    Humano h;
    h.altura = 76; h.grossura = 0.55; h.largura = 0.85;
    h.pele = rgb(226, 220, 192); h.cabelo = h.pele; h.roupa = h.pele; h.calca = h.pele; h.bota = h.pele.escura(0.9);
    h.arma = ESPADA; h.caveira = true; h.escudo = true;
    return h;
}

Humano figura_satanas() {
    Humano h;
    h.altura = 104; h.largura = 1.2; h.grossura = 1.15;
    h.pele = rgb(196, 46, 36); h.cabelo = rgb(50, 20, 20); h.roupa = rgb(176, 40, 32); h.calca = rgb(52, 30, 30);
    h.bota = rgb(40, 28, 28); h.capa = rgb(96, 22, 30);
    h.arma = TRIDENTE; h.bracosnus = true; h.chapeu_tipo = CHIFRES; h.asas = true; h.cauda = true; h.olhosbrilham = true;
    return h;
}

Humano figura_carnical() {
    Humano h;
    h.altura = 50; h.corcunda = 0.55; h.braco = 1.35; h.grossura = 0.9; h.cabeca = 1.2; h.largura = 1.1;
    h.pele = rgb(176, 196, 150); h.cabelo = rgb(64, 62, 52); h.roupa = rgb(118, 104, 128); h.calca = rgb(96, 84, 102);
    h.bota = h.pele.escura(0.8);
    h.arma = GARRAS; h.olhosbrilham = true; h.careca = true; h.bracosnus = true;
    return h;
}

Humano figura_murloc() {
    Humano h;
    h.altura = 45; h.cabeca = 1.55; h.perna = 0.8; h.largura = 1.1; h.grossura = 1.1;
    h.pele = rgb(74, 156, 136); h.cabelo = h.pele; h.roupa = rgb(96, 176, 150); h.calca = rgb(62, 132, 116);
    h.bota = rgb(52, 112, 98);
    h.arma = LANCA; h.nadadeira = true; h.bracosnus = true;
    return h;
}

Humano figura_orc() {
    Humano h;
    h.altura = 66; h.largura = 1.35; h.grossura = 1.3;
    h.pele = rgb(104, 146, 70); h.cabelo = rgb(32, 30, 26); h.roupa = rgb(124, 82, 50); h.calca = rgb(72, 56, 46);
    h.bota = rgb(52, 36, 26);
    h.arma = MACHADO; h.presas = true; h.chapeu_tipo = TOPETE; h.careca = true; h.bracosnus = true;
    h.cinto = true; h.corcinto = rgb(70, 46, 30);
    return h;
}

Humano figura_pedra() {
    Humano h;
    h.altura = 66; h.largura = 1.5; h.cabeca = 0.72; h.grossura = 1.5; h.braco = 1.15;
    h.pele = rgb(138, 132, 124); h.cabelo = h.pele; h.roupa = rgb(122, 116, 110); h.calca = rgb(112, 106, 100);
    h.bota = rgb(100, 96, 90);
    h.arma = PUNHOS; h.pedra = true; h.olhosbrilham = true;
    return h;
}

Humano figura_ogro() {
    Humano h;
    h.altura = 78; h.largura = 1.55; h.grossura = 1.6; h.cabeca = 0.95; h.barriga = 0.14;
    h.pele = rgb(200, 150, 128); h.cabelo = rgb(62, 42, 30); h.roupa = rgb(186, 138, 116); h.calca = rgb(84, 60, 40);
    h.bota = rgb(80, 56, 36);
    h.arma = CLAVA; h.presas = true; h.careca = true; h.bracosnus = true;
    return h;
}

Humano figura_arvore() {
    Humano h;
    h.altura = 92; h.largura = 1.35; h.grossura = 1.45; h.cabeca = 1.25; h.braco = 1.2;
    h.pele = rgb(118, 82, 50); h.cabelo = rgb(74, 142, 52); h.roupa = rgb(108, 76, 46); h.calca = rgb(92, 66, 40);
    h.bota = rgb(82, 58, 36);
    h.arma = PUNHOS; h.arvore = true;
    return h;
}

Humano figura_quiteva() {
    Humano h;
    h.altura = 96; h.largura = 1.3; h.cabeca = 1.05;
    h.pele = rgb(228, 206, 196); h.cabelo = rgb(172, 172, 184); h.roupa = rgb(140, 22, 44); h.calca = rgb(56, 16, 44);
    h.bota = h.calca; h.capa = rgb(40, 12, 34); h.chapeu_tipo = COROA;
    h.arma = GARRAS; h.flutua = true; h.saia = true; h.manto = true; h.cabelolongo = true; h.olhosbrilham = true;
    h.magia = 2; h.cormagia = rgb(190, 80, 250);
    return h;
}

}  // namespace boneco

using namespace boneco;

namespace {

// Poses by frame offset, for figures with 6, 5, 3 or 2 frames a facing.
Pose pose_de(int por_face, int k) {
    Pose p;
    if (por_face == 6) {
        static const int passo[6] = {0, 1, -1, 0, 0, 0}, golpe[6] = {0, 0, 0, 1, 2, 3};
        p.passo = passo[k]; p.golpe = golpe[k];
    } else if (por_face == 5) {
        static const int golpe[5] = {0, 0, 1, 2, 3};
        p.voo = k == 1; p.golpe = golpe[k];
    } else if (por_face == 3) {
        p.passo = k == 0 ? 0 : (k == 1 ? 1 : -1);
        p.golpe = k == 0 ? 0 : (k == 1 ? 1 : 3);
    } else {
        p.voo = k == 1;
    }
    return p;
}

const double GIRO[3] = {0, M_PI / 2, M_PI};  // BAIXO, DIREITA, CIMA

// Crops each canvas to its drawn part (keeping the column of the ground point) and appends the
// frame with its anchor: the ground point measured from the cropped picture's top-left corner.
// Tight pictures keep the unit's box (x - tamanhox .. , y - desenhoy ..) the size of the figure.
void recorta(std::vector<Picture>& fig, int ox, int oy, Unidades& u) {
    for (const Picture& p : fig) {
        int x0 = ox - 1, x1 = ox + 1, y0 = oy - 1, y1 = oy;
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++)
                if (!p.iswhite(x, y)) {
                    x0 = std::min(x0, x); x1 = std::max(x1, x + 1);
                    y0 = std::min(y0, y); y1 = std::max(y1, y + 1);
                }
        Picture q(x1 - x0, y1 - y0);
        for (int y = 0; y < q.h; y++)
            for (int x = 0; x < q.w; x++) {
                const uint8_t* c = p.at(x0 + x, y0 + y);
                q.set(x, y, c[0], c[1], c[2]);
            }
        u.quadros.push_back(q);
        u.ancorax.push_back(int16_t(ox - x0));
        u.ancoray.push_back(int16_t(oy - y0));
    }
}

// Every frame of one figure: `por_face` poses in the four facings (ESQUERDA mirrors DIREITA).
void figura(Unidades& u, double altura, int por_face, const std::function<void(Cena&, const Pose&)>& monta) {
    int W = int(altura * 2.2 + 40) & ~1, H = int(altura * 1.9 + 40);
    int ox = W / 2, oy = H - int(altura * 0.3 + 12);
    std::vector<Picture> quadros;
    for (int f = 0; f < 3; f++)
        for (int k = 0; k < por_face; k++) {
            Canvas c(W, H);
            Cena cena;
            cena.giro = GIRO[f];
            cena.ox = ox;
            cena.oy = oy;
            monta(cena, pose_de(por_face, k));
            cena.desenha(c.cr);
            Picture p = sprite_from_canvas(c, 128);
            outline_sprite(p, 34, 22, 18);
            quadros.push_back(p);
        }
    for (int k = 0; k < por_face; k++) quadros.push_back(mirrored(quadros[por_face + k]));
    recorta(quadros, ox, oy, u);
}

void humano(Unidades& u, const Humano& h, int por_face) {
    figura(u, h.altura, por_face, [&](Cena& c, const Pose& p) { monta_humano(c, h, p); });
}

// A structure's frames drawn by `pinta(cr, ox, oy, frame)`, cropped together.
void estrutura(Unidades& u, int n, int W, int H, const std::function<void(cairo_t*, double, double, int)>& pinta) {
    int ox = W / 2, oy = H - 30;
    std::vector<Picture> quadros;
    for (int k = 0; k < n; k++) {
        Canvas c(W, H);
        pinta(c.cr, ox, oy, k);
        Picture p = sprite_from_canvas(c, 128);
        outline_sprite(p, 34, 22, 18);
        quadros.push_back(p);
    }
    recorta(quadros, ox, oy, u);
}

}  // namespace

Unidades gera_unidades() {
    Unidades u;
    estrutura(u, 5, 120, 150, desenha_torre);                      // 0-4 guard tower
    estrutura(u, 5, 140, 140, desenha_fazenda);                    // 5-9 farm
    estrutura(u, 5, 140, 150, desenha_loja);                       // 10-14 shop
    estrutura(u, 1, 180, 170, desenha_quartel);                    // 15 barracks
    estrutura(u, 1, 180, 170, desenha_casabruxa);                  // 16 witch's house
    humano(u, figura_durbico(), 6);                                       // 17-40 worker
    humano(u, figura_fidelina(), 6);                                      // 41-64 Fidelina
    humano(u, figura_bruxa(), 5);                                         // 65-84 witch
    humano(u, figura_vorlando(), 6);                                      // 85-108 hero
    humano(u, figura_esqueleto(), 6);                                     // 109-132 skeleton
    humano(u, figura_satanas(), 6);                                       // 133-156 Satanas
    estrutura(u, 2, 90, 90, desenha_bau);                          // 157-158 chest
    figura(u, 30, 3, [](Cena& c, const Pose& p) { monta_aranha(c, 30, p); });  // 159-170 giant spider
    humano(u, figura_carnical(), 3);                                      // 171-182 ghoul
    humano(u, figura_murloc(), 3);                                        // 183-194 murloc
    humano(u, figura_orc(), 6);                                           // 195-218 orc
    figura(u, 55, 6, [](Cena& c, const Pose& p) { monta_lobo(c, 55, p); });    // 219-242 wild wolf
    humano(u, figura_pedra(), 6);                                         // 243-266 stone monster
    humano(u, figura_ogro(), 6);                                          // 267-290 ogre
    humano(u, figura_arvore(), 6);                                        // 291-314 tree monster
    estrutura(u, 2, 160, 150, desenha_portal);                     // 315-316 portal
    estrutura(u, 1, 120, 160, desenha_torreinimiga);               // 317 enemy guard tower
    humano(u, figura_quiteva(), 2);                                       // 318-325 Dona Quiteva
    return u;
}
