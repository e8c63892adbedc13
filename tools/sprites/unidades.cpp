// Unit frames: structures, characters and monsters in four facings, and the anchor of every frame.
#include <algorithm>
#include <cmath>
#include <functional>

#include "corpo.h"
#include "estruturas.h"
#include "figuras.h"
#include "sprites.h"

namespace boneco {

// The people and monsters, each a puppet with its own proportions, palette and gear. `altura` is the
// top of the head: the worker a boy under the hero, the monsters by their menace.
Humano figura_durbico() {
    Humano h;
    h.altura = 64; h.largura = 1.05; h.cabeca = 1.28; h.perna = 0.92;
    h.pele = rgb(236, 190, 148); h.cabelo = rgb(168, 92, 40); h.roupa = rgb(228, 208, 164); h.calca = rgb(82, 100, 58);
    h.bota = rgb(92, 60, 36); h.chapeu = rgb(70, 92, 64); h.detalhe = rgb(214, 56, 40); h.coravental = rgb(150, 98, 56);
    h.chapeu_tipo = BONE; h.arma = MARTELO; h.cinto = true; h.corcinto = rgb(96, 62, 34);
    h.avental = true;
    return h;
}

Humano figura_fidelina() {
    Humano h;
    h.altura = 72; h.largura = 0.88; h.cabeca = 1.12; h.feminino = true;
    h.pele = rgb(244, 206, 178); h.cabelo = rgb(240, 196, 86); h.roupa = rgb(92, 150, 220); h.calca = rgb(70, 118, 200);
    h.bota = rgb(110, 70, 50); h.chapeu = h.cabelo; h.chapeu_tipo = COQUE; h.olho = rgb(40, 70, 120);
    h.arma = CAJADOCURA; h.saia = true; h.avental = true; h.cabelolongo = true;
    return h;
}

Humano figura_bruxa() {
    Humano h;
    h.altura = 78; h.feminino = true; h.velho = true;
    h.pele = rgb(150, 196, 112); h.cabelo = rgb(40, 32, 46); h.roupa = rgb(110, 52, 136); h.calca = rgb(62, 34, 84);
    h.bota = h.calca; h.chapeu = rgb(64, 32, 86); h.detalhe = rgb(140, 70, 40); h.chapeu_tipo = PONTUDO;
    h.capa = rgb(44, 36, 54); h.manto = true;
    h.arma = GARRAS; h.flutua = true; h.saia = true; h.cabelolongo = true; h.braco = 1.1; h.cabeca = 1.22;
    h.magia = 1; h.cormagia = rgb(150, 240, 90); h.mangalarga = true; h.cinto = true; h.corcinto = rgb(170, 110, 50);
    return h;
}

Humano figura_vorlando() {
    Humano h;
    h.altura = 86; h.velho = true; h.largura = 1.04; h.cabeca = 1.32;
    h.pele = rgb(236, 192, 156); h.cabelo = rgb(232, 230, 222); h.roupa = rgb(56, 82, 156); h.calca = rgb(96, 70, 48);
    h.bota = rgb(70, 46, 32); h.chapeu = rgb(112, 76, 46); h.capa = rgb(172, 34, 36); h.detalhe = rgb(176, 40, 30);
    h.chapeu_tipo = ABAS; h.arma = CAJADOFOGO; h.barba = true; h.bigode = true; h.manto = true;
    h.cinto = true; h.corcinto = rgb(110, 72, 36);
    return h;
}

Humano figura_esqueleto() {
    Humano h;
    h.especie = OSSADA;
    h.altura = 80; h.grossura = 0.6; h.largura = 0.9; h.cabeca = 1.12;
    // warm old ivory and a dark rag at the hips, so the bones stand out on grey stone
    h.pele = rgb(236, 218, 170); h.cabelo = h.pele; h.roupa = h.pele; h.calca = rgb(92, 46, 40); h.bota = h.pele.escura(0.9);
    h.arma = ESPADA; h.escudo = true; h.careca = true; h.tanga = true; h.traco = 1.6;
    return h;
}

Humano figura_satanas() {
    Humano h;
    h.especie = DEMONIO;
    h.altura = 104; h.largura = 1.15; h.grossura = 1.2; h.ombros = 1.1; h.cabeca = 1.08;
    h.pele = rgb(196, 46, 36); h.cabelo = rgb(50, 20, 20); h.roupa = rgb(60, 24, 26); h.calca = rgb(52, 30, 30);
    h.bota = rgb(40, 28, 28); h.capa = rgb(110, 24, 34); h.olho = rgb(255, 220, 60);
    h.arma = TRIDENTE; h.bracosnus = true; h.chapeu_tipo = CHIFRES; h.asas = true; h.cauda = true; h.olhosbrilham = true;
    h.careca = true; h.barba = true; h.tanga = true; h.pernasnuas = true;
    return h;
}

Humano figura_carnical() {
    Humano h;
    h.especie = CARNICAL;
    h.altura = 80; h.corcunda = 0.75; h.agacha = 0.08; h.braco = 1.45; h.grossura = 0.8; h.cabeca = 1.05; h.largura = 0.95;
    h.pele = rgb(158, 176, 146); h.cabelo = rgb(64, 62, 52); h.roupa = rgb(110, 96, 110); h.calca = rgb(84, 70, 78);
    h.bota = h.pele.escura(0.8); h.olho = rgb(255, 90, 60);
    h.arma = GARRAS; h.olhosbrilham = true; h.careca = true; h.bracosnus = true; h.pernasnuas = true; h.tanga = true;
    return h;
}

Humano figura_murloc() {
    Humano h;
    h.especie = MURLOC;
    h.altura = 60; h.cabeca = 1.6; h.perna = 0.8; h.largura = 1.1; h.grossura = 1.15;
    h.pele = rgb(62, 150, 138); h.cabelo = rgb(204, 62, 52); h.roupa = rgb(168, 206, 170); h.calca = rgb(58, 92, 62);
    h.bota = rgb(52, 112, 98);
    h.arma = LANCA; h.bracosnus = true; h.pernasnuas = true; h.careca = true; h.tanga = true;
    return h;
}

Humano figura_orc() {
    Humano h;
    h.especie = ORC;
    h.altura = 90; h.largura = 1.28; h.grossura = 1.35; h.ombros = 1.12; h.corcunda = 0.1; h.cabeca = 1.12;
    h.pele = rgb(100, 142, 66); h.cabelo = rgb(32, 30, 26); h.roupa = rgb(110, 74, 46); h.calca = rgb(74, 58, 46);
    h.bota = rgb(56, 40, 28); h.olho = rgb(240, 60, 30); h.detalhe = rgb(150, 130, 110);
    h.arma = MACHADO; h.presas = true; h.chapeu_tipo = TOPETE; h.careca = true; h.bracosnus = true;
    h.cinto = true; h.corcinto = rgb(70, 46, 30); h.tanga = true;
    return h;
}

Humano figura_pedra() {
    Humano h;
    h.especie = ROCHA;
    h.altura = 104; h.largura = 1.55; h.cabeca = 0.7; h.grossura = 1.6; h.braco = 1.25; h.ombros = 1.15; h.corcunda = 0.18;
    // a warm sandstone with glowing veins, so it does not sink into grey floors
    h.pele = rgb(156, 128, 98); h.cabelo = h.pele; h.roupa = rgb(118, 94, 76); h.calca = rgb(112, 90, 72);
    h.bota = rgb(100, 80, 64); h.olho = rgb(255, 200, 70);
    h.arma = PUNHOS; h.olhosbrilham = true; h.careca = true; h.bracosnus = true; h.pernasnuas = true; h.traco = 1.5;
    return h;
}

Humano figura_ogro() {
    Humano h;
    h.especie = OGRO;
    h.altura = 134; h.largura = 1.5; h.grossura = 1.7; h.cabeca = 0.72; h.ombros = 1.25; h.braco = 1.22; h.corcunda = 0.4; h.agacha = 0.03;
    h.pele = rgb(132, 138, 92); h.cabelo = rgb(52, 36, 26); h.roupa = rgb(120, 92, 60); h.calca = rgb(110, 84, 56);
    h.bota = rgb(80, 56, 36); h.olho = rgb(30, 20, 16); h.capa = rgb(96, 74, 52);
    h.arma = CLAVA; h.presas = true; h.careca = true; h.bracosnus = true; h.pernasnuas = true; h.tanga = true;
    h.cinto = true; h.corcinto = rgb(70, 48, 30);
    return h;
}

Humano figura_arvore() {
    Humano h;
    h.especie = ARVORE;
    h.altura = 118; h.largura = 1.35; h.grossura = 1.5; h.cabeca = 1.3; h.braco = 1.3; h.corcunda = 0.08;
    h.pele = rgb(112, 80, 50); h.cabelo = rgb(72, 140, 50); h.roupa = rgb(104, 74, 46); h.calca = rgb(92, 66, 40);
    h.bota = rgb(82, 58, 36); h.olho = rgb(250, 220, 70);
    h.arma = PUNHOS; h.careca = true; h.bracosnus = true; h.pernasnuas = true; h.olhosbrilham = true;
    return h;
}

Humano figura_quiteva() {
    Humano h;
    h.especie = RAINHA;
    h.altura = 128; h.largura = 1.2; h.cabeca = 0.95; h.ombros = 1.2; h.feminino = true;
    h.pele = rgb(226, 210, 206); h.cabelo = rgb(200, 200, 212); h.roupa = rgb(120, 18, 40); h.calca = rgb(50, 14, 40);
    h.bota = h.calca; h.capa = rgb(36, 12, 34); h.detalhe = rgb(214, 172, 60); h.olho = rgb(214, 120, 255);
    h.chapeu_tipo = COROA; h.arma = GARRAS; h.flutua = true; h.saia = true; h.manto = true; h.cabelolongo = true;
    h.olhosbrilham = true; h.magia = 2; h.cormagia = rgb(190, 80, 250); h.mangalarga = true;
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
void recorta(std::vector<Picture>& fig, int ox, int oy, Unidades& u, const std::vector<std::pair<double, double>>& cabecas = {}) {
    for (size_t i = 0; i < fig.size(); i++) {
        const Picture& p = fig[i];
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
        bool tem = i < cabecas.size() && cabecas[i].first >= 0;
        u.cabecax.push_back(tem ? int16_t(std::lround(cabecas[i].first) - x0) : int16_t(-1));
        u.cabecay.push_back(tem ? int16_t(std::lround(cabecas[i].second) - y0) : int16_t(-1));
    }
}

// Every frame of one figure: `por_face` poses in the four facings. The left view is the right view
// drawn mirrored, still lit from the upper left.
void figura(Unidades& u, double altura, int por_face, const std::function<void(Cena&, const Pose&)>& monta, const Humano* h = nullptr,
            double traco = 1) {
    int W = int(altura * 3.0 + 60) & ~1, H = int(altura * 2.2 + 60);
    int ox = W / 2, oy = H - int(altura * 0.3 + 16);
    std::vector<Picture> quadros;
    std::vector<std::pair<double, double>> cabecas;
    for (int f = 0; f < 4; f++)
        for (int k = 0; k < por_face; k++) {
            Canvas c(W, H);
            Cena cena;
            cena.giro = GIRO[f == 3 ? 1 : f];
            cena.espelho = f == 3;
            cena.ox = ox;
            cena.oy = oy;
            monta(cena, pose_de(por_face, k));
            double sx = -1, sy = -1;
            if (h) cena.projeta(monta_corpo(*h, pose_de(por_face, k), cena).cabeca.o, sx, sy);
            cabecas.push_back({sx, sy});
            cena.desenha(c.cr);
            Picture p = sprite_from_canvas(c, 128);
            contorna(p, traco);
            quadros.push_back(p);
        }
    recorta(quadros, ox, oy, u, cabecas);
}

void humano(Unidades& u, const Humano& h, int por_face) {
    figura(u, h.altura, por_face, [&](Cena& c, const Pose& p) { monta_humano(c, h, p); }, &h, h.traco);
}

// A structure's frames modelled by `monta(cena, frame)`, cropped together.
void estrutura(Unidades& u, int n, double altura, const std::function<void(Cena&, int)>& monta, double giro = GIRO_PREDIO, double escala = 1) {
    int W = int(altura * 2.4 + 80) & ~1, H = int(altura * 1.6 + 60);
    int ox = W / 2, oy = H - 40;
    std::vector<Picture> quadros;
    for (int k = 0; k < n; k++) {
        Canvas c(W, H);
        Cena cena;
        cena.giro = giro;
        cena.escala = escala;
        cena.ox = ox;
        cena.oy = oy;
        monta(cena, k);
        cena.desenha(c.cr);
        Picture p = sprite_from_canvas(c, 128);
        contorna(p);
        quadros.push_back(p);
    }
    recorta(quadros, ox, oy, u);
}

}  // namespace

Unidades gera_unidades() {
    Unidades u;
    estrutura(u, 5, 170, monta_torre, 0);                          // 0-4 guard tower
    estrutura(u, 5, 150, monta_fazenda, GIRO_PREDIO, 1.15);        // 5-9 farm
    estrutura(u, 5, 150, monta_loja, GIRO_PREDIO, 1.15);           // 10-14 shop
    estrutura(u, 1, 180, monta_quartel);                           // 15 barracks
    estrutura(u, 1, 170, monta_casabruxa);                         // 16 witch's house
    humano(u, figura_durbico(), 6);                                       // 17-40 worker
    humano(u, figura_fidelina(), 6);                                      // 41-64 Fidelina
    humano(u, figura_bruxa(), 5);                                         // 65-84 witch
    humano(u, figura_vorlando(), 6);                                      // 85-108 hero
    humano(u, figura_esqueleto(), 6);                                     // 109-132 skeleton
    humano(u, figura_satanas(), 6);                                       // 133-156 Satanas
    estrutura(u, 2, 40, monta_bau);                                // 157-158 chest
    figura(u, 54, 3, [](Cena& c, const Pose& p) { monta_aranha(c, 54, p); });  // 159-170 giant spider
    humano(u, figura_carnical(), 3);                                      // 171-182 ghoul
    humano(u, figura_murloc(), 3);                                        // 183-194 murloc
    humano(u, figura_orc(), 6);                                           // 195-218 orc
    figura(u, 70, 6, [](Cena& c, const Pose& p) { monta_lobo(c, 70, p); }, nullptr, 1.5);  // 219-242 wild wolf
    humano(u, figura_pedra(), 6);                                         // 243-266 stone monster
    humano(u, figura_ogro(), 6);                                          // 267-290 ogre
    humano(u, figura_arvore(), 6);                                        // 291-314 tree monster
    estrutura(u, 2, 110, monta_portal, 0);                         // 315-316 portal
    estrutura(u, 1, 170, monta_torreinimiga, 0);                   // 317 enemy guard tower
    humano(u, figura_quiteva(), 2);                                       // 318-325 Dona Quiteva
    return u;
}
