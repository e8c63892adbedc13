// The picture lists built into the program: counts, order, names, transparency and sizes, and
// the error screen when a pack is missing or damaged.
#include <gtest/gtest.h>

#include <string>

#include "assets/internas.h"
#include "assets/listas.h"
#include "world/estado.h"

class ImagensInternas : public ::testing::Test {
protected:
    void SetUp() override {
        tela = 0;
        erro.clear();
        carregaimagensinternas();
        ASSERT_TRUE(erro.empty()) << erro;
    }
    void TearDown() override {
        tela = 0;
        erro.clear();
    }
    static bool temBranco(const Bitmap& b) {
        for (uint32_t p : b.pixels)
            if (p == corpixel(BRANCO)) return true;
        return false;
    }
};

TEST_F(ImagensInternas, CadaListaTemSuaQuantidade) {
    EXPECT_EQ(DXImageListIcones.Count(), 41);
    EXPECT_EQ(DXImageListCursor.Count(), 7);
    EXPECT_EQ(DXImageListRetrato.Count(), 40);
    EXPECT_EQ(DXImageListBotoes.Count(), 32);
    EXPECT_EQ(DXImageListStatus.Count(), 7);
    EXPECT_EQ(DXImageListItens.Count(), 25);
    EXPECT_EQ(tela, 0);
}

TEST_F(ImagensInternas, NomesNaOrdemDosIndices) {
    EXPECT_EQ(DXImageListIcones.items[0].name, "Icone-01-Borda-01");
    EXPECT_EQ(DXImageListIcones.items[23].name, "Icone-24-Borda-Botões");
    EXPECT_EQ(DXImageListIcones.items[40].name, "Icone-41-Logo");
    EXPECT_EQ(DXImageListCursor.items[3].name, "Cursor-04-Tienda");
    EXPECT_EQ(DXImageListCursor.items[6].name, "Cursor-07-Bola de Fogo");
    EXPECT_EQ(DXImageListRetrato.items[13].name, "Retrato-14-Seu Vorlando-03");
    EXPECT_EQ(DXImageListRetrato.items[39].name, "Retrato-40-Dona Quiteva-02");
    EXPECT_EQ(DXImageListBotoes.items[0].name, "<VAZIO>");
    EXPECT_EQ(DXImageListBotoes.items[24].name, "Botão-24-Chimpanzé Raivoso");
    EXPECT_EQ(DXImageListStatus.items[2].name, "Status-03-Aura Portetora");
    EXPECT_EQ(DXImageListItens.items[0].name, "Vazio");
    EXPECT_EQ(DXImageListItens.items[3].name, "Item-03-Anel da regeneração ");
    EXPECT_EQ(DXImageListItens.items[24].name, "Item-24-Lucifer's staff of death");
    for (const ListaInterna& l : listasinternas)
        for (int32_t i = 0; i < l.quantidade; i++) EXPECT_EQ(l.lista->items[i].name, l.nomes[i]) << l.pacote << " " << i;
}

TEST_F(ImagensInternas, TransparenciaPorItem) {
    for (int i = 0; i < 32; i++) EXPECT_EQ(DXImageListBotoes.items[i].transparent, i >= 17) << "botão " << i;
    for (const ImageItem& item : DXImageListStatus.items) EXPECT_FALSE(item.transparent);
    for (ImageList* l : {&DXImageListIcones, &DXImageListCursor, &DXImageListRetrato, &DXImageListItens})
        for (const ImageItem& item : l->items) EXPECT_TRUE(item.transparent) << item.name;
    for (const ListaInterna& l : listasinternas)
        for (const ImageItem& item : l.lista->items) EXPECT_EQ(corpixel(item.transparentcolor), corpixel(BRANCO));
}

TEST_F(ImagensInternas, FigurasOpacasNaoTemBrancoPuro) {
    for (int i = 0; i <= 16; i++) EXPECT_FALSE(temBranco(DXImageListBotoes.items[i].picture)) << "botão " << i;
    for (const ImageItem& item : DXImageListStatus.items) EXPECT_FALSE(temBranco(item.picture)) << item.name;
    // portraits fill their whole square, so the side panel never shows holes in them
    for (const ImageItem& item : DXImageListRetrato.items) EXPECT_FALSE(temBranco(item.picture)) << item.name;
}

TEST_F(ImagensInternas, TamanhosQueOPainelEspera) {
    struct Tamanho { int indice, w, h; };
    const Tamanho icones[] = {
        {0, 75, 20}, {1, 20, 133}, {2, 86, 24}, {3, 41, 40}, {4, 80, 17}, {5, 160, 33}, {6, 21, 21}, {7, 21, 21},
        {8, 47, 47}, {9, 47, 47}, {10, 47, 41}, {11, 47, 41}, {12, 48, 47}, {13, 47, 48}, {14, 47, 48}, {15, 48, 41},
        {16, 48, 48}, {17, 110, 10}, {19, 17, 17}, {20, 17, 17}, {21, 17, 17}, {22, 76, 114}, {23, 217, 90},
    };
    for (const Tamanho& t : icones) {
        EXPECT_EQ(ItemWidth(DXImageListIcones, t.indice), t.w) << "ícone " << t.indice;
        EXPECT_EQ(ItemHeight(DXImageListIcones, t.indice), t.h) << "ícone " << t.indice;
    }
    for (int i = 24; i <= 38; i++) {
        EXPECT_NEAR(ItemWidth(DXImageListIcones, i), 29, 3);
        EXPECT_NEAR(ItemHeight(DXImageListIcones, i), 29, 3);
    }
    // the logo fits the loading screen from (460, 450)
    EXPECT_LE(460 + ItemWidth(DXImageListIcones, 40), 800);
    EXPECT_LE(450 + ItemHeight(DXImageListIcones, 40), 600);
    for (int i = 0; i < 40; i++) {
        int lado = i == 13 ? 38 : 70;  // item 13 is the hero's badge of the top-left corner
        EXPECT_EQ(ItemWidth(DXImageListRetrato, i), lado);
        EXPECT_EQ(ItemHeight(DXImageListRetrato, i), i == 13 ? 37 : 70);
    }
    for (int i = 0; i < 32; i++) EXPECT_EQ(ItemWidth(DXImageListBotoes, i) * 100 + ItemHeight(DXImageListBotoes, i), 4140);
    for (int i = 0; i < 25; i++) EXPECT_EQ(ItemWidth(DXImageListItens, i) * 100 + ItemHeight(DXImageListItens, i), 4140);
    for (int i = 0; i < 7; i++) EXPECT_EQ(ItemWidth(DXImageListStatus, i) * 100 + ItemHeight(DXImageListStatus, i), 1717);
}

TEST_F(ImagensInternas, BordasDasFigurasRecortadasNaoTemHaloClaro) {
    // a keyed picture's edge pixels next to the white key must not be near-white, or the cut shows
    for (ImageList* l : {&DXImageListIcones, &DXImageListCursor, &DXImageListBotoes, &DXImageListItens})
        for (const ImageItem& item : l->items) {
            if (!item.transparent) continue;
            const Bitmap& b = item.picture;
            int halos = 0;
            for (int32_t y = 0; y < b.height; y++)
                for (int32_t x = 0; x < b.width; x++) {
                    Cor c = b.Pixel(x, y);
                    if (corpixel(c) == corpixel(BRANCO) || c.r < 225 || c.g < 225 || c.b < 225) continue;
                    for (int d = 0; d < 4; d++) {
                        int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
                        if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height && corpixel(b.Pixel(nx, ny)) == corpixel(BRANCO)) {
                            halos++;
                            break;
                        }
                    }
                }
            EXPECT_EQ(halos, 0) << item.name;
        }
}

TEST_F(ImagensInternas, PontoQuenteDoCursorCaiSobreODesenho) {
    // (cursordx, cursordy) of each pointer picture: the mouse position lands on the drawing
    const int quente[7][2] = {{3, 0}, {28, 65}, {30, 50}, {38, 52}, {14, 14}, {5, 42}, {43, 28}};
    for (int i = 0; i < 7; i++) {
        const Bitmap& b = DXImageListCursor.items[i].picture;
        bool perto = false;
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++) {
                int x = quente[i][0] + dx, y = quente[i][1] + dy;
                if (x >= 0 && y >= 0 && x < b.width && y < b.height && corpixel(b.Pixel(x, y)) != corpixel(BRANCO)) perto = true;
            }
        EXPECT_TRUE(perto) << "cursor " << i;
    }
}

TEST_F(ImagensInternas, PacoteAusenteLevaATelaDeErro) {
    ImageList lista;
    const ListaInterna falsa{"pacote-que-nao-existe", &lista, 3, nomescursor, 0};
    EXPECT_FALSE(carregalistainterna(falsa));
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(erro, "Pacote interno  pacote-que-nao-existe  não foi encontrado.");
    EXPECT_EQ(lista.Count(), 0);
}

TEST_F(ImagensInternas, PacoteComFigurasDeMaisOuDeMenosEhCorrompido) {
    for (int32_t quantidade : {6, 8}) {
        tela = 0;
        erro.clear();
        ImageList lista;
        const char* const nomes[8] = {"a", "b", "c", "d", "e", "f", "g", "h"};
        const ListaInterna errada{"status", &lista, quantidade, nomes, 0};
        EXPECT_FALSE(carregalistainterna(errada)) << quantidade;
        EXPECT_EQ(tela, 10);
        EXPECT_EQ(erro, "Pacote interno  status  está corrompido.");
        EXPECT_EQ(lista.Count(), 0);
    }
}
