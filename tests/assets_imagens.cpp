// The .gmb loaders: pixels column by column, raw bytes, list, name and transparency, and the
// error screen for missing or damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "assets/imagens.h"
#include "assets/listas.h"
#include "world/estado.h"

namespace fs = std::filesystem;

// Every case runs in a fresh temporary working folder, with clean lists and no error.
class ImagensGmb : public ::testing::Test {
protected:
    fs::path antes, pasta;
    void SetUp() override {
        antes = fs::current_path();
        pasta = fs::temp_directory_path() / ("vorlando_gmb_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        fs::current_path(pasta);
        tela = 0;
        erro.clear();
        for (ImageList* l : {&DXImageListUnidade, &DXImageListEfeitos, &DXImageListObjetos, &DXImageListCenario,
                             &DXImageListAbertura, &DXImageListFinal})
            l->Clear();
    }
    void TearDown() override {
        fs::current_path(antes);
        fs::remove_all(pasta);
        tela = 0;
        erro.clear();
    }
    static void grava(const std::string& nome, const std::string& cabecalho, const std::vector<uint8_t>& pixels) {
        fs::path p(nome);
        if (p.has_parent_path()) fs::create_directories(p.parent_path());
        std::ofstream f(nome, std::ios::binary);
        f << cabecalho;
        f.write(reinterpret_cast<const char*>(pixels.data()), std::streamsize(pixels.size()));
    }
};

TEST_F(ImagensGmb, UmPixelBrancoCarregaComoUmPixelBranco) {
    grava("Unidades/Unid-001.gmb", "1\r\n1\r\n", {255, 255, 255});
    carregarbmpunidade("Unidades/Unid-001.gmb");
    ASSERT_EQ(DXImageListUnidade.Count(), 1);
    const ImageItem& item = DXImageListUnidade.items[0];
    EXPECT_EQ(item.picture.width, 1);
    EXPECT_EQ(item.picture.height, 1);
    Cor c = item.picture.Pixel(0, 0);
    EXPECT_EQ(c.r, 255);
    EXPECT_EQ(c.g, 255);
    EXPECT_EQ(c.b, 255);
    EXPECT_TRUE(item.transparent);
    EXPECT_EQ(item.name, "Unidade");
    EXPECT_TRUE(erro.empty());
    EXPECT_EQ(tela, 0);
}

TEST_F(ImagensGmb, PixelsVemColunaPorColunaEBytes13e10SaoCores) {
    // 2 x 2: column 0 top, column 0 bottom, column 1 top, column 1 bottom
    grava("Objetos/Objeto-01.gmb", "2\r\n2\r\n", {13, 10, 13, 10, 13, 10, 1, 2, 3, 250, 13, 10});
    carregarbmpobjeto("Objetos/Objeto-01.gmb");
    ASSERT_EQ(DXImageListObjetos.Count(), 1);
    const Bitmap& b = DXImageListObjetos.items[0].picture;
    ASSERT_EQ(b.width, 2);
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(corpixel(b.Pixel(0, 0)), corpixel(Cor{13, 10, 13}));
    EXPECT_EQ(corpixel(b.Pixel(0, 1)), corpixel(Cor{10, 13, 10}));
    EXPECT_EQ(corpixel(b.Pixel(1, 0)), corpixel(Cor{1, 2, 3}));
    EXPECT_EQ(corpixel(b.Pixel(1, 1)), corpixel(Cor{250, 13, 10}));
    EXPECT_TRUE(erro.empty());
}

// loader, list, item name, white transparent
struct Carregador {
    void (*carrega)(const std::string&);
    ImageList* lista;
    const char* nome;
    bool transparente;
};
static const Carregador carregadores[] = {
    {carregarbmpunidade, &DXImageListUnidade, "Unidade", true},    // unit frames
    {carregarbmpefeito, &DXImageListEfeitos, "Efeitos", true},     // effect frames
    {carregarbmpobjeto, &DXImageListObjetos, "Objetos", true},     // map objects
    {carregarbmpcenario, &DXImageListCenario, "Cenario", false},   // ground, opaque
    {carregarbmpabertura, &DXImageListAbertura, "Abertura", true}, // opening slides
    {carregarbmpfinal, &DXImageListFinal, "Final", false},         // ending slides, opaque
};

TEST_F(ImagensGmb, CadaCarregadorAcrescentaNaSuaListaComNomeETransparencia) {
    grava("a.gmb", "1\r\n2\r\n", {9, 8, 7, 6, 5, 4});
    for (const Carregador& c : carregadores) {
        c.carrega("a.gmb");
        c.carrega("a.gmb");
        ASSERT_EQ(c.lista->Count(), 2) << c.nome;
        for (const ImageItem& item : c.lista->items) {
            EXPECT_EQ(item.name, c.nome);
            EXPECT_EQ(item.transparent, c.transparente) << c.nome;
            EXPECT_EQ(corpixel(item.transparentcolor), corpixel(BRANCO));
            EXPECT_FALSE(item.systemmemory);
            EXPECT_EQ(corpixel(item.picture.Pixel(0, 1)), corpixel(Cor{6, 5, 4}));
        }
    }
    EXPECT_TRUE(erro.empty());
}

TEST_F(ImagensGmb, ArquivoAusenteLevaATelaDeErroComONome) {
    carregarbmpefeito("Efeitos/Efeito-050.gmb");
    EXPECT_EQ(tela, 10);
    EXPECT_EQ(erro, "Arquivo  Efeitos/Efeito-050.gmb  não foi encontrado.");
    EXPECT_EQ(DXImageListEfeitos.Count(), 0);
}

TEST_F(ImagensGmb, NomeEncontradoSemDiferencaDeMaiusculas) {
    grava("Unidades/Unid-042.gmb", "1\r\n1\r\n", {1, 2, 3});
    carregarbmpunidade("Unidades/unid-042.gmb");
    EXPECT_EQ(DXImageListUnidade.Count(), 1);
    EXPECT_TRUE(erro.empty());
}

// header and pixel bytes of a damaged file
struct Estragado {
    const char* caso;
    std::string cabecalho;
    size_t bytes;
};

TEST_F(ImagensGmb, ArquivoEstragadoEhRecusadoComONome) {
    const Estragado casos[] = {
        {"truncado", "4\r\n4\r\n", 10},           // ends before its 48 pixel bytes
        {"sem pixels", "2\r\n2\r\n", 0},          // header only
        {"largura nao numerica", "abc\r\n4\r\n", 48},
        {"altura nao numerica", "4\r\n4x\r\n", 48},
        {"largura zero", "0\r\n5\r\n", 15},
        {"largura absurda", "5000\r\n1\r\n", 15000},
        {"altura absurda", "1\r\n99999999\r\n", 30},
        {"vazio", "", 0},
    };
    for (const Estragado& e : casos) {
        tela = 0;
        erro.clear();
        DXImageListCenario.Clear();
        grava("Cenario/Cenario-01.gmb", e.cabecalho, std::vector<uint8_t>(e.bytes, 77));
        carregarbmpcenario("Cenario/Cenario-01.gmb");
        EXPECT_EQ(tela, 10) << e.caso;
        EXPECT_EQ(erro, "Arquivo  Cenario/Cenario-01.gmb  está corrompido.") << e.caso;
        EXPECT_EQ(DXImageListCenario.Count(), 0) << e.caso;
    }
}

TEST_F(ImagensGmb, MensagensDeErroNomeiamOArquivoEntreDoisEspacos) {
    EXPECT_EQ(erroarquivoausente("Final/Final-07.gmb"), "Arquivo  Final/Final-07.gmb  não foi encontrado.");
    EXPECT_EQ(erroarquivocorrompido("Abertura/Abertura-22.gmb"), "Arquivo  Abertura/Abertura-22.gmb  está corrompido.");
}
