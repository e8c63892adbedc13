// Structures: guard towers, farm, shop, barracks, the witch's house, chest and portal, by stage.
// Each stands on its ground point and is taller than any person, the barracks the tallest.
#include "estruturas.h"

#include <cmath>

#include "obra.h"

namespace boneco {

namespace {

const V3 FRENTE{0, 1, 0}, LADO{1, 0, 0}, CIMA{0, 0, 1};

// A building going up: stage k of 4 shows the site, then the walls to a third, two thirds and
// nearly full height in scaffolding, then the finished building.
void etapa(Cena& c, int k, double alto, double hx, double hy, double rx, double ry, double x = 0) {
    if (k == 0 || k >= 4) return;
    c.corte = alto * (k == 1 ? 0.25 : (k == 2 ? 0.48 : 0.7));
    andaime(c, hx, hy, c.corte, x, 0);
    (void)rx; (void)ry;
}

void torre(Cena& c, bool inimiga) {
    Tinta pedra = inimiga ? rgb(92, 84, 104) : rgb(176, 166, 148);
    int terra = c.material(material(inimiga ? rgb(84, 72, 70) : rgb(140, 112, 78), TERRA));
    int muro = c.material(material(pedra, BLOCOS, 1.0));
    int base = c.material(material(pedra.escura(0.82), BLOCOS, 1.2));
    int telha = c.material(material(inimiga ? rgb(52, 44, 60) : rgb(184, 70, 46), TELHAS, 1.0, 0.12));
    int madeira = c.material(material(rgb(112, 74, 42), TABUAS, 0.8));
    int ferro = c.material(material(rgb(60, 58, 62), METAL, 1, 0.4));
    Material vm = material(inimiga ? rgb(255, 90, 40) : rgb(36, 32, 40));
    vm.emite = inimiga;
    vm.forte = true;
    int vidro = c.material(vm);
    int pano = c.material(material(inimiga ? rgb(160, 30, 34) : rgb(46, 78, 176), TECIDO, 1, 0.1));
    Material om = material(rgb(232, 190, 70), OURO, 1, 0.6);
    int ouro = c.material(om);
    chao(c, 33, 30, terra);
    c.novaparte();
    cilindro(c, {}, 0, 22, 9, 21.5, base, 22);
    cilindro(c, {}, 9, 19, 96, 17.5, muro, 22);
    c.novaparte();
    cilindro(c, {}, 92, 17.8, 101, 23, base, 22, false);
    cilindro(c, {}, 101, 23, 110, 23, muro, 22);
    for (int i = 0; i < 10; i++) {  // battlements
        double a = (i + 0.5) * 2 * M_PI / 10;
        V3 p{std::cos(a) * 21, std::sin(a) * 21, 110};
        c.pedregulho(p + V3{0, 0, 4}, V3{std::cos(a) * 3, std::sin(a) * 3, 0}, V3{-std::sin(a) * 4.2, std::cos(a) * 4.2, 0}, V3{0, 0, 4.6}, muro, 200 + i);
    }
    c.novaparte();
    cilindro(c, {}, 106, 25, 152, 0.5, telha, 22);
    if (inimiga) {
        for (int i = 0; i < 6; i++) {  // iron spikes along the roof
            double a = i * 2 * M_PI / 6 + 0.3, t = 0.35;
            V3 r{std::cos(a) * 25 * (1 - t), std::sin(a) * 25 * (1 - t), 106 + 46 * t};
            c.cone(r, r + V3{std::cos(a) * 9, std::sin(a) * 9, 5}, 1.8, 0.2, ferro);
        }
        c.cone({0, 0, 150}, {0, 0, 166}, 1.4, 0.2, ferro);
    } else {
        c.cone({0, 0, 150}, {0, 0, 162}, 0.8, 0.8, madeira);
        c.bola({0, 0, 150}, 2.2, ouro);
        c.placa({0, 0, 161}, LADO, CIMA, {{0, -2.5}, {9, -1.5}, {6, -3.5}, {9, -5.5}, {0, -5}}, 0.6, pano);
    }
    porta(c, V3{0, 18.6, 9}, FRENTE, 11, 21, madeira, ferro);
    for (double z : {48.0, 74.0}) janela(c, V3{0, 17.9, z}, FRENTE, 4, 9, base, vidro);
    V3 lado = unit(V3{0.8, 0.6, 0});
    janela(c, lado * 18 + V3{0, 0, 60}, lado, 4, 9, base, vidro);
    V3 n = unit(V3{-0.55, 0.83, 0});
    bandeira(c, n * 22.5 + V3{0, 0, 100}, n, 10, 26, pano, ouro);
}

}  // namespace

void monta_torre(Cena& c, int k) {
    if (k == 0) { alicerce(c, 30, 26); return; }
    if (k < 4) alicerce(c, 30, 26);
    etapa(c, k, 152, 20, 20, 30, 26);
    torre(c, false);
}

void monta_torreinimiga(Cena& c, int) { torre(c, true); }

void monta_fazenda(Cena& c, int k) {
    if (k == 0) { alicerce(c, 44, 30, -12); return; }
    int terra = c.material(material(rgb(138, 108, 72), TERRA));
    int reboco = c.material(material(rgb(230, 212, 170), REBOCO));
    int pedra = c.material(material(rgb(150, 142, 128), BLOCOS, 0.9));
    int viga = c.material(material(rgb(96, 64, 40), MADEIRA, 0.6));
    int palha = c.material(material(rgb(212, 174, 92), PALHA, 1.0));
    int madeira = c.material(material(rgb(126, 84, 48), TABUAS, 0.8));
    int ferro = c.material(material(rgb(60, 58, 62), METAL, 1, 0.4));
    int vidro = c.material(material(rgb(50, 60, 80), LISO, 1, 0.5));
    int solo = c.material(material(rgb(110, 78, 50), TERRA, 0.8));
    Material fm = material(rgb(96, 166, 58), FOLHAS, 0.5);
    int folha = c.material(fm);
    int trigo = c.material(material(rgb(222, 192, 92), PALHA, 0.5));
    int cerca = c.material(material(rgb(160, 118, 72), MADEIRA, 0.6));
    if (k < 4) alicerce(c, 44, 30, -12);
    else chao(c, 62, 40, terra, 6, 2);
    double X = -16;  // the cottage stands left of the ground point, the field to its right
    etapa(c, k, 96, 32, 22, 44, 30, X);
    c.novaparte();
    bloco(c, {X, 0, 0}, 33, 23, 6, pedra);
    bloco(c, {X, 0, 6}, 32, 22, 42, reboco);
    // the timber frame
    c.novaparte();
    for (int sx = -1; sx <= 1; sx++)
        for (int sy : {-1, 1}) c.cone({X + sx * 31.5, sy * 22.3, 6}, {X + sx * 31.5, sy * 22.3, 48}, 1.5, 1.5, viga);
    c.cone({X - 32, 22.4, 27}, {X + 32, 22.4, 27}, 1.3, 1.3, viga);
    c.cone({X + 32.4, -22, 27}, {X + 32.4, 22, 27}, 1.3, 1.3, viga);
    c.cone({X - 31.5, 22.4, 8}, {X - 10, 22.4, 26}, 1.1, 1.1, viga);
    c.cone({X + 31.5, 22.4, 29}, {X + 12, 22.4, 46}, 1.1, 1.1, viga);
    c.novaparte();
    telhado(c, {X, 0, 48}, 32, 22, 40, 7, palha, reboco, 6);
    c.novaparte();
    bloco(c, {X + 18, -10, 62}, 5, 5, 32, pedra);
    porta(c, V3{X - 4, 22.6, 6}, FRENTE, 12, 22, madeira, ferro);
    janela(c, V3{X + 19, 22.4, 30}, FRENTE, 8, 9, viga, vidro);
    janela(c, V3{X - 22, 22.4, 30}, FRENTE, 8, 9, viga, vidro);
    janela(c, V3{X + 32.6, 2, 30}, LADO, 9, 9, viga, vidro);
    if (k < 4) return;
    // the field: furrows of cabbages and a row of wheat, in a rail fence
    c.novaparte();
    bloco(c, {40, 4, 0}, 20, 26, 2.5, solo);
    c.novaparte();
    for (int r = 0; r < 4; r++)
        for (int i = 0; i < 5; i++) {
            V3 p{26.0 + i * 7, -16.0 + r * 10, 4};
            if (r == 0) c.cone(p, p + V3{0, 0, 9}, 2.2, 0.8, trigo);
            else c.elipsoide(p + V3{0, 0, 1}, V3{3.2, 0, 0}, V3{0, 3, 0}, V3{0, 0, 2.6}, folha);
        }
    c.novaparte();
    for (int i = 0; i <= 4; i++) {
        c.cone({20.0 + i * 10, 31, 0}, {20.0 + i * 10, 31, 10}, 1.1, 1.0, cerca);
        c.cone({61, -22.0 + i * 13, 0}, {61, -22.0 + i * 13, 10}, 1.1, 1.0, cerca);
    }
    for (double z : {4.0, 8.5}) {
        c.cone({19, 31, z}, {61, 31, z}, 0.8, 0.8, cerca);
        c.cone({61, -23, z}, {61, 31, z}, 0.8, 0.8, cerca);
    }
    // a haystack by the wall
    c.novaparte();
    c.elipsoide({X - 40, 8, 6}, V3{10, 0, 0}, V3{0, 10, 0}, V3{0, 0, 14}, palha);
}

void monta_loja(Cena& c, int k) {
    if (k == 0) { alicerce(c, 40, 28); return; }
    int terra = c.material(material(rgb(140, 112, 78), TERRA));
    int pedra = c.material(material(rgb(160, 150, 132), BLOCOS, 0.9));
    int reboco = c.material(material(rgb(236, 220, 186), REBOCO));
    int viga = c.material(material(rgb(104, 68, 40), MADEIRA, 0.6));
    int telha = c.material(material(rgb(176, 84, 52), TELHAS, 0.9, 0.1));
    int tabua = c.material(material(rgb(150, 104, 60), TABUAS, 0.8));
    int escuro = c.material(material(rgb(52, 36, 28), LISO));
    int ferro = c.material(material(rgb(60, 58, 62), METAL, 1, 0.4));
    int vidro = c.material(material(rgb(50, 60, 80), LISO, 1, 0.5));
    int vermelho = c.material(material(rgb(200, 46, 42), TECIDO, 1, 0.05));
    int creme = c.material(material(rgb(242, 228, 198), TECIDO, 1, 0.05));
    int ouro = c.material(material(rgb(236, 196, 70), OURO, 1, 0.7));
    if (k < 4) alicerce(c, 40, 28);
    else chao(c, 46, 32, terra);
    etapa(c, k, 104, 30, 20, 40, 28);
    c.novaparte();
    bloco(c, {0, 0, 0}, 30, 20, 18, pedra);
    bloco(c, {0, 0, 18}, 30, 20, 34, reboco);
    c.novaparte();
    for (int sx = -1; sx <= 1; sx += 2)
        for (int sy : {-1, 1}) c.cone({sx * 29.6, sy * 19.6, 18}, {sx * 29.6, sy * 19.6, 52}, 1.4, 1.4, viga);
    c.cone({-30.5, 20.4, 18.5}, {30.5, 20.4, 18.5}, 1.4, 1.4, viga);
    c.cone({-30.5, 20.4, 51}, {30.5, 20.4, 51}, 1.4, 1.4, viga);
    c.novaparte();
    telhado(c, {0, 0, 52}, 30, 20, 34, 6, telha, reboco, 4.5);
    c.novaparte();
    bloco(c, {-16, -6, 70}, 4.5, 4.5, 26, pedra);
    // the shop front: a dark opening over a counter of goods, under a striped awning
    c.novaparte();
    face(c, {16, 20.6, 14}, {-16, 20.6, 14}, {-16, 20.6, 36}, {16, 20.6, 36}, escuro, {}, LADO, CIMA);
    bloco(c, {0, 24, 0}, 18, 4, 15, tabua);
    Tinta cores[3] = {rgb(190, 60, 44), rgb(224, 190, 90), rgb(120, 160, 60)};
    for (int i = 0; i < 6; i++) {
        c.novaparte();
        int m = c.material(material(cores[i % 3], LISO, 1, 0.3));
        c.bola({-14.0 + i * 5.6, 24.5, 17.5}, 2.7, m);
    }
    c.novaparte();
    for (int i = 0; i < 8; i++) {  // the awning slopes out from the wall over the counter
        double x0 = -19 + i * 4.75;
        c.placa({0, 20.8, 39}, V3{1, 0, 0}, unit(V3{0, 0.85, -0.5}), {{x0 + 2.4, 6}, {x0, 0}, {x0, 13}, {x0 + 4.75, 13}, {x0 + 4.75, 0}}, 0.8,
                i % 2 ? creme : vermelho);
    }
    (void)vidro;
    // barrels and the sign on its bracket
    barril(c, {-37, 14, 0}, 5.5, 13, tabua, ferro);
    barril(c, {36, 16, 0}, 5.5, 13, tabua, ferro);
    c.novaparte();
    c.cone({30, 20.5, 48}, {30, 34, 48}, 0.9, 0.9, ferro);
    c.placa({30, 31, 40}, FRENTE, CIMA, {{0, 0}, {-5, -5}, {5, -5}, {5, 6}, {-5, 6}, {-5, -5}}, 1.2, tabua);
    c.placa({31, 31, 40.5}, FRENTE, CIMA, {{0, 0}, {-3, -3}, {3, -3}, {3, 3}, {-3, 3}, {-3, -3}}, 0.6, ouro);
}

void monta_quartel(Cena& c, int) {
    int terra = c.material(material(rgb(136, 110, 78), TERRA));
    int pedra = c.material(material(rgb(166, 156, 138), BLOCOS, 1.1));
    int reboco = c.material(material(rgb(232, 214, 176), REBOCO));
    int viga = c.material(material(rgb(100, 66, 40), MADEIRA, 0.6));
    int telha = c.material(material(rgb(72, 90, 140), TELHAS, 1.0, 0.14));
    int madeira = c.material(material(rgb(120, 80, 46), TABUAS, 0.8));
    int ferro = c.material(material(rgb(60, 58, 62), METAL, 1, 0.4));
    int vidro = c.material(material(rgb(46, 56, 80), LISO, 1, 0.5));
    int pano = c.material(material(rgb(46, 78, 176), TECIDO, 1, 0.1));
    int ouro = c.material(material(rgb(236, 196, 70), OURO, 1, 0.7));
    chao(c, 66, 40, terra);
    c.novaparte();
    bloco(c, {0, 0, 0}, 52, 28, 36, pedra);
    c.novaparte();
    bloco(c, {0, 0, 36}, 50, 27, 32, reboco);
    for (int i = 0; i <= 4; i++) c.cone({-49.5 + i * 24.75, 27.4, 36}, {-49.5 + i * 24.75, 27.4, 68}, 1.6, 1.6, viga);
    c.cone({-51, 27.5, 37}, {51, 27.5, 37}, 1.7, 1.7, viga);
    c.cone({50.4, -27, 37}, {50.4, 27, 37}, 1.7, 1.7, viga);
    c.cone({50.4, -27, 67}, {50.4, 27, 67}, 1.5, 1.5, viga);
    c.cone({-51, 27.5, 67}, {51, 27.5, 67}, 1.5, 1.5, viga);
    c.novaparte();
    telhado(c, {0, 0, 68}, 50, 27, 46, 8, telha, reboco, 6);
    // a turret on the ridge with the kingdom's flag
    c.novaparte();
    bloco(c, {22, 0, 100}, 7, 7, 24, reboco);
    cilindro(c, {22, 0, 0}, 124, 10.5, 146, 0.4, telha, 4, false);
    c.cone({22, 0, 144}, {22, 0, 168}, 0.8, 0.8, viga);
    c.placa({22, 0, 167}, LADO, CIMA, {{0, -3}, {16, -1.5}, {11, -5.5}, {16, -9.5}, {0, -8}}, 0.7, pano);
    porta(c, V3{0, 28.4, 0}, FRENTE, 22, 30, madeira, ferro);
    for (double x : {-38.0, -14.0, 14.0, 38.0}) janela(c, V3{x, 27.6, 46}, FRENTE, 9, 11, viga, vidro);
    for (double y : {-10.0, 10.0}) janela(c, V3{50.6, y, 46}, LADO, 9, 11, viga, vidro);
    for (double x : {-28.0, 28.0}) bandeira(c, V3{x, 28.4, 34}, FRENTE, 11, 26, pano, ouro);
}

void monta_casabruxa(Cena& c, int) {
    int terra = c.material(material(rgb(92, 76, 70), TERRA));
    int pedra = c.material(material(rgb(112, 96, 122), BLOCOS, 1.0));
    int telha = c.material(material(rgb(66, 44, 80), TELHAS, 0.8, 0.12));
    int madeira = c.material(material(rgb(78, 56, 44), TABUAS, 0.8));
    int ferro = c.material(material(rgb(50, 48, 54), METAL, 1, 0.4));
    Material vm = material(rgb(140, 240, 110));
    vm.emite = true;
    vm.forte = true;
    int verde = c.material(vm);
    int tijolo = c.material(material(rgb(96, 86, 90), BLOCOS, 0.8));
    chao(c, 60, 40, terra);
    // crooked stone walls: the top leans a little to one side
    c.novaparte();
    V3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
    double hx = 40, hy = 26, alto = 44, torto = 4;
    auto p = [&](double sx, double sy, double sz) { return V3{sx * hx + sz * torto, sy * hy, sz * alto}; };
    face(c, p(1, 1, 0), p(-1, 1, 0), p(-1, 1, 1), p(1, 1, 1), pedra, p(1, 1, 0), -X, Z);
    face(c, p(-1, -1, 0), p(1, -1, 0), p(1, -1, 1), p(-1, -1, 1), pedra, p(-1, -1, 0), X, Z);
    face(c, p(1, -1, 0), p(1, 1, 0), p(1, 1, 1), p(1, -1, 1), pedra, p(1, -1, 0), Y, Z);
    face(c, p(-1, 1, 0), p(-1, -1, 0), p(-1, -1, 1), p(-1, 1, 1), pedra, p(-1, 1, 0), -Y, Z);
    // a steep roof and a twisted spire
    c.novaparte();
    telhado(c, {torto, 0, alto}, hx, hy, 44, 9, telha, pedra, 6);
    c.novaparte();
    std::vector<Anel> torre;
    V3 q{torto - 6, 2, alto + 30};
    V3 d = unit(V3{0.05, 0, 1});
    for (int i = 0; i <= 8; i++) {
        double t = i / 8.0, r = 13 * (1 - t) + 0.4;
        torre.push_back({q, V3{r, 0, 0}, V3{0, r, 0}});
        q = q + d * 9;
        d = unit(d + V3{0.12 + 0.1 * t, 0.02, -0.05 * t});
    }
    c.tubo(torre, 14, telha, 0, 2 * M_PI, true, true);
    // the chimney with green smoke
    c.novaparte();
    bloco(c, {-22, -8, 66}, 6, 6, 36, tijolo);
    for (int i = 0; i < 4; i++) {
        Material fm = material(rgb(130, 214, 120).clara(0.12 * i));
        fm.emite = true;
        fm.linha = 0.4;
        c.bola({-22.0 + i * 3 - 1, -8, 108.0 + i * 9}, 4.0 + i * 1.3, c.material(fm));
    }
    // a round window glowing green, a crooked door, the cauldron outside
    c.novaparte();
    V3 jan{-22, 26.8, 20};
    c.tubo({{jan, X * 8, Z * 8}, {jan + Y * 1.5, X * 8, Z * 8}}, 18, madeira, 0, 2 * M_PI, false, true);
    c.tubo({{jan + Y * 1.6, X * 6, Z * 6}, {jan + Y * 2, X * 6, Z * 6}}, 18, verde, 0, 2 * M_PI, false, true);
    porta(c, V3{6, 26.4, 0}, FRENTE, 14, 26, madeira, ferro);
    c.novaparte();
    int pote = c.material(material(rgb(46, 42, 48), METAL, 1, 0.5));
    c.tubo({{V3{34, 42, 1}, X * 6, Y * 6}, {V3{34, 42, 6}, X * 10, Y * 10}, {V3{34, 42, 12}, X * 9, Y * 9}}, 16, pote, 0, 2 * M_PI, true, false);
    c.tubo({{V3{34, 42, 11.2}, X * 8.6, Y * 8.6}, {V3{34, 42, 11.6}, X * 8.6, Y * 8.6}}, 16, verde, 0, 2 * M_PI, false, true);
    for (int i = 0; i < 3; i++) c.bola({31.0 + i * 3, 41.0 + (i % 2) * 3, 12.5}, 1.6, verde);
}

void monta_bau(Cena& c, int k) {
    int madeira = c.material(material(rgb(150, 96, 48), TABUAS, 0.7));
    Material om = material(rgb(232, 186, 62), OURO, 1, 0.7);
    om.dureza = 26;
    int ouro = c.material(om);
    c.novaparte();
    bloco(c, {0, 0, 0}, 14, 9, 12, madeira);
    // the rounded lid
    c.novaparte();
    std::vector<Anel> tampa{{V3{-14, 0, 12}, V3{0, 9, 0}, V3{0, 0, 7}}, {V3{14, 0, 12}, V3{0, 9, 0}, V3{0, 0, 7}}};
    c.tubo(tampa, 12, madeira, 0, M_PI, false, false);
    for (int s = -1; s <= 1; s += 2)
        c.placa({s * 14.0, 0, 12}, V3{0, 1, 0}, V3{0, 0, 1}, {{0, 3}, {9, 0}, {7, 4.5}, {0, 7}, {-7, 4.5}, {-9, 0}}, 0.5, madeira);
    c.novaparte();
    for (double x : {-10.0, 10.0}) {
        c.tubo({{V3{x - 1.2, 0, 12}, V3{0, 9.4, 0}, V3{0, 0, 7.4}}, {V3{x + 1.2, 0, 12}, V3{0, 9.4, 0}, V3{0, 0, 7.4}}}, 12, ouro, 0, M_PI);
        bloco(c, {x, 9.2, 0}, 1.2, 0.5, 12, ouro);
    }
    bloco(c, {0, 9.4, 6}, 3, 0.8, 6, ouro);
    if (k == 1)  // a glint on the lid
        c.livre({10, 4, 19}, [](cairo_t* cr, double sx, double sy) {
            usa(cr, rgb(255, 250, 210));
            for (int i = 0; i < 4; i++) {
                double a = i * M_PI / 2;
                cairo_move_to(cr, sx, sy);
                cairo_line_to(cr, sx + std::cos(a + 0.3) * 2, sy + std::sin(a + 0.3) * 2);
                cairo_line_to(cr, sx + std::cos(a) * 9, sy + std::sin(a) * 9);
                cairo_line_to(cr, sx + std::cos(a - 0.3) * 2, sy + std::sin(a - 0.3) * 2);
                cairo_close_path(cr);
            }
            cairo_fill(cr);
        }, 6);
}

void monta_portal(Cena& c, int k) {
    int terra = c.material(material(rgb(70, 58, 66), TERRA));
    int pedra = c.material(material(rgb(108, 100, 116), PEDRA, 1.2));
    int degrau = c.material(material(rgb(92, 86, 98), BLOCOS, 1.0));
    Material rm = material(rgb(232, 140, 255));
    rm.emite = true;
    rm.forte = true;
    int runa = c.material(rm);
    // the portal pulses: it gathers (frame 0, dim and drawn in) and bursts (frame 1, bright and wide)
    Material sm = material(k ? rgb(196, 96, 240) : rgb(112, 36, 160), REDEMOINHO, 1.0);
    sm.emite = true;
    sm.linha = 0.2;
    sm.fase = k * 2.1;
    int giro = c.material(sm);
    chao(c, 50, 26, terra);
    // a stepped base the ring stands in
    c.novaparte();
    bloco(c, {0, 0, 0}, 44, 16, 5, degrau);
    bloco(c, {0, 0, 5}, 36, 12, 5, degrau);
    // the ring of carved stones, each overlapping the next so the ring has no gaps
    double R = 36, cz = 50;
    c.novaparte();
    for (int i = 0; i < 14; i++) {
        double a = (i + 0.5) * 2 * M_PI / 14;
        V3 centro{std::cos(a) * R, 0, cz + std::sin(a) * R * 1.08};
        V3 tang{-std::sin(a), 0, std::cos(a)}, rad{std::cos(a), 0, std::sin(a)};
        c.pedregulho(centro, tang * 10.5, rad * 8, V3{0, 7.5, 0}, pedra, 300 + i);
        if (k || i % 2 == 0) c.bola(centro + V3{0, 7.2, 0} + rad * 1.0, k ? 2.6 : 1.8, runa);
    }
    // two great feet where the ring meets the steps
    for (int s = -1; s <= 1; s += 2)
        c.pedregulho({s * 26.0, 0, 14}, V3{9, 0, 0}, V3{0, 10, 0}, V3{0, 0, 9}, pedra, 320 + s);
    // the swirl, a disc inside the ring
    c.novaparte();
    std::vector<Vertice> v{{V3{0, 0.5, cz}, V3{0, 1, 0}, V3{0, 0, 0}}};
    std::vector<int> tri;
    double r = R - 5;
    for (int i = 0; i <= 40; i++) {
        double a = i * 2 * M_PI / 40;
        V3 q{std::cos(a) * r, 0.5, cz + std::sin(a) * r * 1.08};
        v.push_back({q, V3{0, 1, 0}, V3{q.x, q.z - cz, 0}});
        if (i > 0) tri.insert(tri.end(), {0, i + 1, i});
    }
    c.malha(v, tri, giro);
    c.brilho({0, 2, cz}, k ? 24 : 9, rgb(240, 200, 255), k ? 0.95 : 0.6);
    if (k)  // sparks thrown off the rim
        for (int i = 0; i < 8; i++) {
            double a = (i + 0.25) * 2 * M_PI / 8;
            c.brilho({std::cos(a) * (R - 9), 4, cz + std::sin(a) * (R - 9) * 1.08}, 3.5, rgb(250, 220, 255), 0.9);
        }
}

}  // namespace boneco
