// A complete but tiny set of asset folders for tests that run the loading screen.
#include "apoio_conteudo.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace fs = std::filesystem;

static void grava(const fs::path& p, const std::string& conteudo) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << conteudo;
}

static std::string zeros(int n, int largura) {
    std::string s = std::to_string(n);
    return std::string(size_t(std::max(0, largura - int(s.size()))), '0') + s;
}

std::string ondacurta() {
    auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    const uint32_t amostras = 64;
    return "RIFF" + u32(36 + 2 * amostras) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(22050) + u32(44100) + u16(2) +
           u16(16) + "data" + u32(2 * amostras) + std::string(2 * amostras, '\0');
}

void criaconteudominimo(const fs::path& pasta) {
    struct { const char* arquivo; int quantos, largura; } figuras[] = {
        {"Unidades/Unid-", 326, 3}, {"Efeitos/Efeito-", 108, 3}, {"Objetos/Objeto-", 23, 2},
        {"Cenario/Cenario-", 3, 2}, {"Final/Final-", 7, 2}, {"Abertura/Abertura-", 22, 2},
    };
    const std::string pixel = std::string("1\n1\n") + char(10) + char(13) + char(200);
    for (const auto& f : figuras)
        for (int n = 1; n <= f.quantos; n++) grava(pasta / (f.arquivo + zeros(n, f.largura) + ".gmb"), pixel);
    std::string onda = ondacurta();
    for (int n = 1; n <= 46; n++) grava(pasta / ("Sons/Som-" + zeros(n, 2) + ".wav"), onda);
}
