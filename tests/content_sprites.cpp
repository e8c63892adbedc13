// The world sprites: every file of the four folders, the ground tiles, facings and frames that differ,
// pictures that fit their anchors, and feet that stand on the map point when drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "apoio.h"
#include "media/media.h"
#include "render/ancoras.h"
#include "sprites.h"
#include "world/efeitos.h"
#include "world/objetos.h"

namespace {

const Unidades& unidades() {
    static const Unidades u = gera_unidades();
    return u;
}

// Pixels that differ between two pictures of the same size (all of them when the sizes differ).
int diferentes(const Picture& a, const Picture& b) {
    if (a.w != b.w || a.h != b.h) return std::max(a.w * a.h, b.w * b.h);
    int n = 0;
    for (size_t i = 0; i < a.rgb.size(); i += 3)
        n += a.rgb[i] != b.rgb[i] || a.rgb[i + 1] != b.rgb[i + 1] || a.rgb[i + 2] != b.rgb[i + 2];
    return n;
}

int opacos(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) n += !p.iswhite(x, y);
    return n;
}

// First frame of each character and its frames per facing.
struct Figura { const char* nome; int base, por_face; };
const Figura FIGURAS[] = {
    {"DURBICO", 17, 6}, {"FIDELINA", 41, 6}, {"BRUXA", 65, 5}, {"SEU VORLANDO", 85, 6}, {"ESQUELETO", 109, 6},
    {"SATANAS", 133, 6}, {"ARANHA", 159, 3}, {"CARNICAL", 171, 3}, {"MURLOC", 183, 3}, {"ORC", 195, 6},
    {"LOBO", 219, 6}, {"PEDRA", 243, 6}, {"OGRO", 267, 6}, {"ARVORE", 291, 6}, {"DONA QUITEVA", 318, 2},
};

size_t arquivos(const std::filesystem::path& pasta) {
    size_t n = 0;
    for (auto& e : std::filesystem::directory_iterator(pasta)) n += e.is_regular_file();
    return n;
}

}  // namespace

TEST(ContentSprites, GeneratorWritesEveryFileOfTheFourFoldersLoadable) {
    PastaTemporaria pasta("sprites_arquivos");
    ASSERT_TRUE(escreve_sprites(pasta.caminho.string(), (pasta.caminho / "gen").string(), ""));
    struct { const char* pasta; int n; std::string (*nome)(int); } listas[] = {
        {"Unidades", NUNIDADES, nome_unidade}, {"Efeitos", NEFEITOS, nome_efeito},
        {"Objetos", NOBJETOS, nome_objeto}, {"Cenario", NCENARIOS, nome_cenario}};
    for (auto& l : listas) {
        EXPECT_EQ(arquivos(pasta.caminho / l.pasta), size_t(l.n)) << l.pasta;
        for (int i = 0; i < l.n; i++) {
            std::string dados = leituracompleta((pasta.caminho / l.nome(i)).string());
            Bitmap b;
            std::string why;
            size_t usados = 0;
            ASSERT_TRUE(ParseGmb(reinterpret_cast<const uint8_t*>(dados.data()), dados.size(), b, why, &usados)) << l.nome(i) << ": " << why;
            EXPECT_EQ(usados, dados.size()) << l.nome(i);
        }
    }
    EXPECT_EQ(nome_unidade(0), "Unidades/Unid-001.gmb");
    EXPECT_EQ(nome_unidade(325), "Unidades/Unid-326.gmb");
    EXPECT_EQ(nome_efeito(107), "Efeitos/Efeito-108.gmb");
    EXPECT_EQ(nome_objeto(0), "Objetos/Objeto-01.gmb");
    EXPECT_EQ(nome_cenario(2), "Cenario/Cenario-03.gmb");
    EXPECT_TRUE(std::filesystem::exists(pasta.caminho / "gen" / "ancoras.inc"));
}

TEST(ContentSprites, GroundTilesAreOpaqueAndSeamless) {
    std::vector<Picture> ce = gera_cenarios();
    ASSERT_EQ(ce.size(), size_t(NCENARIOS));
    for (const Picture& p : ce) {
        EXPECT_EQ(opacos(p), p.w * p.h) << "no pure white inside a ground tile";
        // the step across the wrap edge is no larger than the usual step between neighbours
        double borda = 0, dentro = 0;
        for (int y = 0; y < p.h; y++)
            for (int c = 0; c < 3; c++) {
                borda += std::abs(p.at(p.w - 1, y)[c] - p.at(0, y)[c]);
                dentro += std::abs(p.at(p.w / 2, y)[c] - p.at(p.w / 2 + 1, y)[c]);
            }
        EXPECT_LT(borda, dentro * 2 + 200);
        borda = dentro = 0;
        for (int x = 0; x < p.w; x++)
            for (int c = 0; c < 3; c++) {
                borda += std::abs(p.at(x, p.h - 1)[c] - p.at(x, 0)[c]);
                dentro += std::abs(p.at(x, p.h / 2)[c] - p.at(x, p.h / 2 + 1)[c]);
            }
        EXPECT_LT(borda, dentro * 2 + 200);
    }
}

TEST(ContentSprites, FourFacingsOfEveryCharacterDiffer) {
    const Unidades& u = unidades();
    ASSERT_EQ(u.quadros.size(), size_t(NUNIDADES));
    for (const Figura& f : FIGURAS) {
        const Picture* face[4];
        for (int k = 0; k < 4; k++) face[k] = &u.quadros[size_t(f.base + k * f.por_face)];
        for (int a = 0; a < 3; a++)
            for (int b = a + 1; b < 3; b++)
                EXPECT_GT(diferentes(*face[a], *face[b]), opacos(*face[a]) / 10) << f.nome << " facings " << a << ", " << b;
        // ESQUERDA has DIREITA's shape mirrored but is drawn anew, so the light still comes from the
        // upper left: the outline matches, the colours do not
        const Picture espelho = mirrored(*face[1]);
        ASSERT_TRUE(face[3]->w == espelho.w && face[3]->h == espelho.h) << f.nome;
        int forma = 0;
        for (int y = 0; y < espelho.h; y++)
            for (int x = 0; x < espelho.w; x++) forma += face[3]->iswhite(x, y) != espelho.iswhite(x, y);
        EXPECT_LT(forma, opacos(espelho) / 25) << f.nome << ": the left view has the right view's outline";
        EXPECT_GT(diferentes(*face[3], espelho), opacos(espelho) / 4) << f.nome << ": the left view is lit, not flipped";
    }
}

TEST(ContentSprites, WalkingAndAttackFramesDifferFromStanding) {
    const Unidades& u = unidades();
    for (const Figura& f : FIGURAS)
        for (int face = 0; face < 4; face++) {
            int base = f.base + face * f.por_face;
            const Picture& parado = u.quadros[size_t(base)];
            for (int k = 1; k < f.por_face; k++)
                EXPECT_GT(diferentes(parado, u.quadros[size_t(base + k)]), opacos(parado) / 20) << f.nome << " frame " << base + k;
            if (f.por_face == 6) {
                EXPECT_GT(diferentes(u.quadros[size_t(base + 1)], u.quadros[size_t(base + 2)]), opacos(parado) / 20)
                    << f.nome << ": the two steps swing opposite legs";
            }
        }
}

TEST(ContentSprites, StructureStagesGrowAndEveryFrameHasKeyAndPicture) {
    const Unidades& u = unidades();
    for (int familia : {0, 5, 10})  // tower, farm, shop: each stage stands taller than the one before
        for (int k = 0; k < 4; k++)
            EXPECT_LT(u.ancoray[size_t(familia + k)], u.ancoray[size_t(familia + k + 1)]) << "stage " << familia + k;
    for (size_t i = 0; i < u.quadros.size(); i++) {
        const Picture& p = u.quadros[i];
        EXPECT_GT(opacos(p), 100) << "frame " << i;
        EXPECT_LT(opacos(p), p.w * p.h) << "frame " << i << " keeps a transparent border";
    }
}

TEST(ContentSprites, AnchorTableIsTheOneComputedFromThePictures) {
    const Unidades& u = unidades();
    ASSERT_EQ(u.ancorax.size(), size_t(NQUADROSUNIDADE));
    ASSERT_EQ(u.ancoray.size(), size_t(NQUADROSUNIDADE));
    for (int i = 0; i < NQUADROSUNIDADE; i++) {
        EXPECT_EQ(desenhox[i], u.ancorax[size_t(i)]) << "frame " << i << ": regenerate render/ancoras.cpp";
        EXPECT_EQ(desenhoy[i], u.ancoray[size_t(i)]) << "frame " << i;
        EXPECT_TRUE(desenhox[i] > 0 && desenhox[i] <= u.quadros[size_t(i)].w && desenhox[i] < 256) << "frame " << i;
        EXPECT_TRUE(desenhoy[i] > 0 && desenhoy[i] <= u.quadros[size_t(i)].h && desenhoy[i] < 256) << "frame " << i;
    }
}

TEST(ContentSprites, FeetStandOnTheMapPointWhenDrawn) {
    const Unidades& u = unidades();
    const Cor fundo{0, 90, 0};
    for (int frame : {17, 41, 85, 109, 195, 243, 267, 23, 91, 97}) {
        std::vector<uint8_t> dados = gmb_bytes(u.quadros[size_t(frame)]);
        ImageList lista;
        Bitmap b;
        std::string why;
        ASSERT_TRUE(ParseGmb(dados.data(), dados.size(), b, why)) << why;
        SetItemPicture(lista.Add(), b, "quadro", true);
        const int x = 400, y = 400;
        FillRect(fundo, 0, 0, LARGURATELA, ALTURATELA);
        DrawItem(lista, 0, x - desenhox[frame], y - desenhoy[frame]);
        int baixo = -1;
        for (int py = 0; py < ALTURATELA && baixo < 0; py++)
            for (int px = 0; px < LARGURATELA; px++) {
                Cor c = BackPixel(px, ALTURATELA - 1 - py);
                if (c.r != fundo.r || c.g != fundo.g || c.b != fundo.b) { baixo = ALTURATELA - 1 - py; break; }
            }
        // the toes reach a little below the point, more on the big figures
        EXPECT_NEAR(baixo, y, std::max(5, u.quadros[size_t(frame)].h / 18)) << "lowest row of frame " << frame;
        long soma = 0, n = 0;
        for (int py = baixo - 3; py <= baixo; py++)
            for (int px = 0; px < LARGURATELA; px++) {
                Cor c = BackPixel(px, py);
                if (c.r != fundo.r || c.g != fundo.g || c.b != fundo.b) { soma += px; n++; }
            }
        ASSERT_GT(n, 0);
        EXPECT_NEAR(double(soma) / n, x, 9) << "feet centre of frame " << frame;
    }
}

TEST(ContentSprites, EffectAndObjectPicturesFitTheirAnchors) {
    std::vector<Picture> ef = gera_efeitos(), ob = gera_objetos();
    ASSERT_EQ(ef.size(), size_t(NEFEITOS));
    ASSERT_EQ(ob.size(), size_t(NOBJETOS));
    for (int i = 0; i < NEFEITOS; i++) {
        if (efeito_ancorax[i] > 0) {
            EXPECT_EQ(ef[size_t(i)].w, 2 * efeito_ancorax[i]) << "effect " << i;
        }
        EXPECT_GE(ef[size_t(i)].h, efeito_ancoray[i]) << "effect " << i;
        EXPECT_GT(opacos(ef[size_t(i)]), 0) << "effect " << i;
    }
    EXPECT_EQ(ef[0].w, 30);  // the shadow the drawing code puts at (x - 14, y - 4)
    EXPECT_EQ(ef[1].w, 52);  // the sphere at (x - 26, y - 65)
    for (int i = 0; i < NOBJETOS; i++) {
        EXPECT_EQ(ob[size_t(i)].w, 2 * objeto_ancorax[i]) << "object " << i;
        EXPECT_GT(ob[size_t(i)].h, objeto_ancoray[i]) << "object " << i;
    }
    // a tree's trunk base is at the object's base point: opaque there, bark below the crown
    for (int arvore = 0; arvore < 4; arvore++) {
        const Picture& p = ob[size_t(arvore)];
        EXPECT_FALSE(p.iswhite(objeto_ancorax[arvore], objeto_ancoray[arvore] - 2)) << "tree " << arvore;
        EXPECT_TRUE(p.iswhite(objeto_ancorax[arvore], objeto_ancoray[arvore] + 6)) << "tree " << arvore;
    }
}

TEST(ContentSprites, DrawingIsDeterministic) {
    std::vector<Picture> a = gera_efeitos(), b = gera_efeitos();
    for (size_t i = 0; i < a.size(); i++) EXPECT_EQ(gmb_bytes(a[i]), gmb_bytes(b[i])) << "effect " << i;
    std::vector<Picture> c = gera_objetos(), d = gera_objetos();
    for (size_t i = 0; i < c.size(); i++) EXPECT_EQ(gmb_bytes(c[i]), gmb_bytes(d[i])) << "object " << i;
}

namespace {

ImageList lista_de(const std::vector<Picture>& v, bool transparente) {
    ImageList l;
    for (const Picture& p : v) {
        std::vector<uint8_t> dados = gmb_bytes(p);
        Bitmap b;
        std::string why;
        if (ParseGmb(dados.data(), dados.size(), b, why)) SetItemPicture(l.Add(), b, "quadro", transparente);
    }
    return l;
}

}  // namespace

// A play field drawn the way the game draws it: tiled ground, then units, objects and effects from
// the top of the map down, each at its anchor. The screenshot goes to the review folder.
TEST(ContentSprites, SceneDrawnThroughTheMediaLayerCoversTheFieldAndStandsUnitsOnTheirPoints) {
    const Unidades& u = unidades();
    ImageList un = lista_de(u.quadros, true), ef = lista_de(gera_efeitos(), true), ob = lista_de(gera_objetos(), true);
    ImageList ce = lista_de(gera_cenarios(), false);
    FillRect(PRETO, 0, 0, LARGURATELA, ALTURATELA);
    int w = ItemWidth(ce, 0), h = ItemHeight(ce, 0);
    for (int d = 0; d < 800 / w + 3; d++)
        for (int e = 0; e < 600 / h + 3; e++) DrawItem(ce, 0, w * d - w, h * e - h);
    for (int y = 0; y < ALTURATELA; y += 7)
        for (int x = 0; x < LARGURATELA; x += 7) {
            Cor c = BackPixel(x, y);
            ASSERT_FALSE(c.r == 0 && c.g == 0 && c.b == 0) << "ground missing at " << x << "," << y;
        }
    struct Coisa { int lista, indice, x, y; };
    std::vector<Coisa> cena = {
        {2, 0, 60, 90}, {2, 1, 140, 70}, {2, 2, 700, 100}, {2, 3, 760, 230}, {2, 7, 260, 60}, {2, 9, 330, 60},
        {2, 13, 110, 440}, {2, 15, 600, 120}, {2, 5, 420, 90}, {2, 18, 25, 300}, {2, 18, 25, 350},
        {1, 4, 190, 200}, {1, 15, 560, 220}, {1, 85, 320, 260}, {1, 23, 260, 310}, {1, 53, 380, 330}, {1, 65, 450, 260},
        {1, 127, 500, 340}, {1, 136, 630, 330}, {1, 160, 710, 290}, {1, 171, 200, 390}, {1, 186, 270, 430},
        {1, 204, 350, 410}, {1, 225, 440, 430}, {1, 243, 540, 430}, {1, 279, 640, 420}, {1, 294, 740, 420},
        {1, 318, 100, 230}, {1, 157, 150, 340}, {1, 315, 470, 160},
        {3, 39, 400, 290}, {3, 53, 560, 300}, {3, 62, 300, 240},
    };
    std::stable_sort(cena.begin(), cena.end(), [](const Coisa& a, const Coisa& b) { return a.y < b.y; });
    for (const Coisa& c : cena) {
        if (c.lista == 1) {
            if (c.indice > 16 && c.indice != 157 && c.indice != 315) DrawItem(ef, 0, c.x - 14, c.y - 4);
            Cor antes = BackPixel(c.x, c.y - 3);
            DrawItem(un, c.indice, c.x - desenhox[c.indice], c.y - desenhoy[c.indice]);
            int mudou = 0;
            for (int dy = 1; dy <= 8; dy++)
                for (int dx = -4; dx <= 4; dx++) {
                    Cor p = BackPixel(c.x + dx, c.y - dy);
                    mudou += p.r != antes.r || p.g != antes.g || p.b != antes.b;
                }
            EXPECT_GT(mudou, 4) << "frame " << c.indice << " has nothing standing on its point";
        } else if (c.lista == 2) {
            DrawItem(ob, c.indice, c.x - objeto_ancorax[c.indice], c.y - objeto_ancoray[c.indice]);
        } else {
            DrawItem(ef, c.indice, c.x - efeito_ancorax[c.indice], c.y - efeito_ancoray[c.indice] - 30);
        }
    }
    std::string why;
    std::filesystem::create_directories(std::string(VORLANDO_GAME_DIR) + "/../review/sprites");
    EXPECT_TRUE(SaveScreenshot(std::string(VORLANDO_GAME_DIR) + "/../review/sprites/cena-jogo.png", why)) << why;
}

namespace {

// Bounding box of the opaque pixels of a picture.
struct Caixa { int x0, y0, x1, y1; };
Caixa caixa(const Picture& p) {
    Caixa c{p.w, p.h, -1, -1};
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++)
            if (!p.iswhite(x, y)) c = {std::min(c.x0, x), std::min(c.y0, y), std::max(c.x1, x), std::max(c.y1, y)};
    return c;
}

// Width of the opaque part of the lowest `n` rows (how far apart the feet are).
int passada(const Picture& p, int n) {
    Caixa c = caixa(p);
    int x0 = p.w, x1 = -1;
    for (int y = c.y1 - n + 1; y <= c.y1; y++)
        for (int x = 0; x < p.w; x++)
            if (!p.iswhite(x, y)) { x0 = std::min(x0, x); x1 = std::max(x1, x); }
    return x1 - x0;
}

// Pixels near a colour (any shade of it within `tol` on each channel).
int tons(const Picture& p, int r, int g, int b, int tol) {
    int n = 0;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            const uint8_t* c = p.at(x, y);
            n += std::abs(c[0] - r) <= tol && std::abs(c[1] - g) <= tol && std::abs(c[2] - b) <= tol;
        }
    return n;
}

}  // namespace

TEST(ContentSprites, BackViewShowsTheHerosCloakAndSideStepsSpreadTheFeet) {
    const Unidades& u = unidades();
    // the hero's red cloak hangs at his back: far more of it from behind (CIMA) than from the front
    EXPECT_GT(tons(u.quadros[97], 160, 36, 36, 40), 2 * tons(u.quadros[85], 160, 36, 36, 40));
    // seen from the side, a step puts the feet apart
    for (int direita : {23, 47, 91, 115, 201, 249, 273}) {
        int pe = u.quadros[size_t(direita)].h / 6;  // both feet, the far one drawn higher up the picture
        int parado = passada(u.quadros[size_t(direita)], pe);
        EXPECT_GT(passada(u.quadros[size_t(direita + 1)], pe), parado + 6) << "frame " << direita + 1;
        EXPECT_GT(passada(u.quadros[size_t(direita + 2)], pe), parado + 6) << "frame " << direita + 2;
    }
    // the wind-up lifts the weapon above the standing figure
    for (int base : {17, 85, 109, 195}) EXPECT_GT(u.ancoray[size_t(base + 3)], u.ancoray[size_t(base)] + 8) << "frame " << base + 3;
    // the pictures are cropped to the figure, so the box above the feet is about the figure's height
    EXPECT_NEAR(u.ancoray[85], 92, 12);  // the hero, his hat near his `altura` of 100
}

// Every frame of an animation shows the whole figure: none draws much less than the standing frame of
// its facing, none is much shorter, and the head is drawn where the figure's skeleton puts it (a
// head lost behind the body or a part cut off by the picture's edge fails here).
TEST(ContentSprites, EveryFrameShowsTheWholeFigure) {
    const Unidades& u = unidades();
    ASSERT_EQ(u.cabecax.size(), size_t(NUNIDADES));
    for (const Figura& f : FIGURAS)
        for (int face = 0; face < 4; face++) {
            int base = f.base + face * f.por_face;
            int area = opacos(u.quadros[size_t(base)]);
            for (int k = 0; k < f.por_face; k++) {
                size_t i = size_t(base + k);
                const Picture& p = u.quadros[i];
                EXPECT_GT(opacos(p), area * 7 / 10) << f.nome << " frame " << i << " draws much less than it stands";
                EXPECT_GT(u.ancoray[i], u.ancoray[size_t(base)] * 3 / 4) << f.nome << " frame " << i << " lost its top";
                if (u.cabecax[i] < 0) continue;  // the spider and the wolf
                int x = u.cabecax[i], y = u.cabecay[i], cheios = 0;
                for (int dy = -2; dy <= 2; dy++)
                    for (int dx = -2; dx <= 2; dx++) {
                        int px = x + dx, py = y + dy;
                        cheios += px >= 0 && py >= 0 && px < p.w && py < p.h && !p.iswhite(px, py);
                    }
                EXPECT_GE(cheios, 20) << f.nome << " frame " << i << " has no head where its neck ends";
            }
        }
    // the figures that have a head record where it is
    for (int i : {17, 41, 65, 85, 109, 133, 171, 183, 195, 243, 267, 291, 318}) EXPECT_GE(u.cabecax[size_t(i)], 0) << "frame " << i;
    EXPECT_LT(u.cabecax[4], 0);
}

// Sizes against each other as the player sees them: buildings stand clearly above people, the
// worker is a boy beside the hero, the ogre towers over him, the small monsters are not tiny.
TEST(ContentSprites, BuildingsStandAbovePeopleAndMonstersByTheirMenace) {
    const Unidades& u = unidades();
    auto alto = [&](int i) { return u.ancoray[size_t(i)]; };
    const int heroi = alto(85);
    // the complete tower, farm, shop, barracks, witch's house, the portal and the enemy tower
    for (int i : {4, 9, 14, 15, 16, 315, 316, 317}) {
        EXPECT_GT(u.quadros[size_t(i)].h, u.quadros[85].h) << "structure frame " << i;
        EXPECT_GT(alto(i), heroi) << "structure frame " << i;
    }
    for (int i : {4, 9, 14, 15, 16, 317}) EXPECT_GT(alto(i), heroi * 6 / 5) << "building frame " << i;
    EXPECT_LT(alto(17), heroi * 17 / 20) << "the worker";
    EXPECT_GT(alto(267), heroi * 6 / 5) << "the ogre";
    EXPECT_GT(alto(318), heroi * 11 / 10) << "the final boss";
    for (int i : {171, 183}) EXPECT_GT(alto(i), heroi * 3 / 5) << "frame " << i;
}

TEST(ContentSprites, MarksHaveTheSizesTheirDrawingOffsetsExpect) {
    std::vector<Picture> ef = gera_efeitos();
    struct { int indice, w, h; } marcas[] = {
        {0, 30, 10}, {1, 52, 70}, {60, 9, 9}, {61, 5, 5}, {67, 9, 9}, {65, 30, 14}, {66, 30, 14}, {69, 50, 16}, {70, 50, 16},
        {99, 36, 14}, {100, 44, 18}, {101, 54, 24}, {102, 54, 30}, {103, 90, 30},  // twice the offsets (18, 7) ... (45, 15)
        {27, 70, 110}, {34, 84, 98},
    };
    for (auto& m : marcas) {
        EXPECT_EQ(ef[size_t(m.indice)].w, m.w) << "effect " << m.indice;
        EXPECT_EQ(ef[size_t(m.indice)].h, m.h) << "effect " << m.indice;
    }
    // paralysis stars grow as their offsets do (3, 6, 9 pixels left of the unit)
    EXPECT_LT(ef[71].w, ef[72].w);
    EXPECT_LT(ef[72].w, ef[73].w);
    EXPECT_NEAR(ef[73].w, 18, 2);
}

// The shadow under every living thing is one dark shape: no see-through pixel in its middle (a
// checkerboard there reads as a grid on the grass), and nothing in it lighter than a shadow.
TEST(ContentSprites, GroundShadowIsSolidAndDarkInItsMiddle) {
    const Picture p = gera_efeitos()[0];
    int dentro = 0;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            double d = std::hypot((x + 0.5 - p.w / 2.0) / (p.w / 2.0), (y + 0.5 - p.h / 2.0) / (p.h / 2.0));
            if (p.iswhite(x, y)) {
                EXPECT_GT(d, 0.75) << "hole at " << x << "," << y;
                continue;
            }
            const uint8_t* c = p.at(x, y);
            EXPECT_LT(c[0] + c[1] + c[2], 3 * 70) << x << "," << y;
            dentro++;
        }
    EXPECT_GT(dentro, p.w * p.h / 2);
}

TEST(ContentSprites, ArrowsPointTheirWayAndTheFireballFallsHeadFirst) {
    std::vector<Picture> ef = gera_efeitos();
    // the grey arrowhead lies toward the direction of flight: 51 up, 53 right, 55 down, 57 left
    struct { int indice, dx, dy; } setas[] = {{51, 0, -1}, {53, 1, 0}, {55, 0, 1}, {57, -1, 0}, {52, 1, -1}, {56, -1, 1}};
    for (auto& s : setas) {
        const Picture& p = ef[size_t(s.indice)];
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++) {
                const uint8_t* c = p.at(x, y);
                if (std::abs(c[0] - 170) < 30 && std::abs(c[2] - 180) < 30 && std::abs(c[1] - 170) < 30) { sx += x; sy += y; n++; }
            }
        ASSERT_GT(n, 0) << "arrow " << s.indice;
        EXPECT_GT((sx / n - p.w / 2.0) * s.dx + (sy / n - p.h / 2.0) * s.dy, 3) << "arrow " << s.indice;
    }
    // the falling fireball: the ball at the bottom (the point), the trail above it
    Caixa baixo = caixa(ef[27]);
    EXPECT_GE(baixo.y1, ef[27].h - 10);
    EXPECT_LT(baixo.y0, 20);
}

TEST(ContentSprites, WallBlocksJoinAndTrapsStayLow) {
    std::vector<Picture> ob = gera_objetos();
    const Picture& muro = ob[18];  // fills its 50 x 50 cell: every column opaque from the top down to the cell's lower edge
    ASSERT_EQ(muro.w, 50);
    for (int x = 0; x < muro.w; x++)
        for (int y = 0; y < objeto_ancoray[18] + 25; y += 5) EXPECT_FALSE(muro.iswhite(x, y)) << x << "," << y;
    // the trap is only small dots on the ground
    EXPECT_LT(opacos(ob[22]), ob[22].w * ob[22].h / 5);
    // all ground tiles have one size, so any of them tiles the same way
    std::vector<Picture> ce = gera_cenarios();
    for (const Picture& p : ce) EXPECT_TRUE(p.w == ce[0].w && p.h == ce[0].h);
}

// The step between two lines of pixels, summed over their length.
static double passo(const Picture& p, int x0, int y0, int x1, int y1, int dx, int dy, int n) {
    double s = 0;
    for (int k = 0; k < n; k++)
        for (int c = 0; c < 3; c++) s += std::abs(p.at(x0 + k * dx, y0 + k * dy)[c] - p.at(x1 + k * dx, y1 + k * dy)[c]);
    return s;
}

TEST(ContentSprites, WallBlocksTileWithoutSeamsAndTheDungeonFloorIsNoBrickWall) {
    std::vector<Picture> ob = gera_objetos();
    const Picture& muro = ob[18];
    // side by side: the right edge runs on into the left edge as any column runs into the next
    double borda = passo(muro, muro.w - 1, 0, 0, 0, 0, 1, muro.h), dentro = 0;
    for (int x = 10; x < 40; x += 10) dentro += passo(muro, x, 0, x + 1, 0, 0, 1, muro.h) / 3;
    EXPECT_LT(borda, dentro * 1.5 + 200);
    // one above the other: the top 50 rows are all a wall shows under the next one; where they meet
    // runs a joint between capstones, no harsher than the joints between the rows of one wall's top
    borda = passo(muro, 0, 49, 0, 0, 1, 0, muro.w);
    double junta = 0;
    for (int y = 0; y < 48; y++) junta = std::max(junta, passo(muro, 0, y, 0, y + 1, 1, 0, muro.w));
    EXPECT_LT(borda, junta * 1.2);
    // flagstones: no mortar line runs straight across the whole floor tile as the courses of a wall do
    const std::vector<Picture> cenarios = gera_cenarios();
    const Picture& chao = cenarios[2];
    int pior = 0;
    for (int y = 0; y < chao.h; y++) {
        int escuros = 0;
        for (int x = 0; x < chao.w; x++) escuros += chao.at(x, y)[0] + chao.at(x, y)[1] + chao.at(x, y)[2] < 150;
        pior = std::max(pior, escuros);
    }
    EXPECT_LT(pior, chao.w * 95 / 100);
}

TEST(ContentSprites, AnchorSourceHoldsBothTablesWhole) {
    std::string fonte = fonte_ancoras(unidades());
    EXPECT_NE(fonte.find("const int16_t desenhox[NQUADROSUNIDADE]"), std::string::npos);
    EXPECT_NE(fonte.find("const int16_t desenhoy[NQUADROSUNIDADE]"), std::string::npos);
    size_t numeros = 0;  // each entry is a number followed by a comma
    for (size_t i = 1; i < fonte.size(); i++) numeros += fonte[i] == ',' && std::isdigit(static_cast<unsigned char>(fonte[i - 1]));
    EXPECT_EQ(numeros, size_t(2 * NQUADROSUNIDADE));
    // the committed table is this very source
    EXPECT_EQ(leituracompleta(std::string(VORLANDO_SOURCE_DIR) + "/render/ancoras.cpp"), fonte);
}

TEST(ContentSprites, PicturesFitTheAnchorsTheWorldTablesUse) {
    for (int q = 0; q < NEFEITOS; q++) {
        Efeito e{};
        e.quadro = uint8_t(q);
        ancoraefeito(e);
        EXPECT_EQ(e.ancorax, efeito_ancorax[q]) << "effect picture " << q;
        EXPECT_EQ(e.ancoray, efeito_ancoray[q]) << "effect picture " << q;
    }
    limpaobjetos();
    for (int t = 1; t <= 21; t++) criaobjeto(t, 100 + 50 * t, 100);
    processaobjetos();
    int vistos = 0;
    for (int i = 1; i <= MAXOBJETOS; i++) {
        const Objeto& o = objetos[i];
        if (o.tipo == 0) continue;
        ASSERT_LT(o.desenho, NOBJETOS);
        EXPECT_EQ(o.desenhox, objeto_ancorax[o.desenho]) << "object picture " << int(o.desenho);
        EXPECT_EQ(o.desenhoy, objeto_ancoray[o.desenho]) << "object picture " << int(o.desenho);
        vistos++;
    }
    EXPECT_EQ(vistos, 21);
    limpaobjetos();
}
