// The generated sounds and music: every file the loader asks for exists as 16-bit PCM, lengths are sane,
// the music loops without a click, nothing clips, and the generator writes the same bytes every run.
#include "gerador.h"
#include "media/media.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

std::string caminho(const std::string& nome) { return std::string(VORLANDO_GAME_DIR) + "/" + nome; }

std::vector<uint8_t> bytesde(const std::string& arquivo) {
    std::ifstream f(arquivo, std::ios::binary | std::ios::ate);
    if (!f) return {};
    std::vector<uint8_t> b(size_t(f.tellg()));
    f.seekg(0);
    f.read(reinterpret_cast<char*>(b.data()), std::streamsize(b.size()));
    return b;
}

// Reads a generated file the way the game does (ParseWave), then its 16-bit samples: the effects and voices
// are mono at 22 050 Hz, the music stereo at 32 000 Hz (`amostras` is then the middle, `lado` the difference).
struct Lido {
    WaveItem item;
    std::vector<float> amostras, lado;
    int taxa = 0;
};
void ler(const std::string& nome, Lido& l) {
    std::string why;
    ASSERT_TRUE(ParseWave(bytesde(caminho(nome)), l.item, why)) << nome << ": " << why;
    const std::vector<uint8_t>& b = l.item.file;
    // the generator writes the plain 44-byte header: format at 20, bits at 34, the samples last
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(b[20] | b[21] << 8, 1) << nome << " is not PCM";
    ASSERT_EQ(b[34] | b[35] << 8, 16) << nome << " is not 16-bit";
    bool musica = nome.rfind("Musicas/", 0) == 0;
    const size_t canais = musica ? 2 : 1;
    ASSERT_EQ(size_t(l.item.channels), canais) << nome;
    l.taxa = l.item.rate;
    EXPECT_EQ(l.taxa, musica ? 32000 : 22050) << nome;
    ASSERT_EQ(b.size(), 44u + 2u * canais * l.item.samples) << nome;
    auto amostra = [&](size_t k) { return int16_t(b[44 + 2 * k] | b[45 + 2 * k] << 8) / 32768.0f; };
    l.amostras.resize(l.item.samples);
    l.lado.assign(l.item.samples, 0.0f);
    for (size_t i = 0; i < l.amostras.size(); i++) {
        float e = amostra(i * canais), d = amostra(i * canais + canais - 1);
        l.amostras[i] = (e + d) / 2;
        l.lado[i] = (e - d) / 2;
    }
}

double pico(const std::vector<float>& s) {
    double p = 0;
    for (float v : s) p = std::max(p, double(std::fabs(v)));
    return p;
}
double rms(const std::vector<float>& s) {
    double q = 0;
    for (float v : s) q += double(v) * v;
    return s.empty() ? 0 : std::sqrt(q / double(s.size()));
}

}  // namespace

TEST(ConteudoSons, NomesSeguemONumeroComDoisDigitos) {
    EXPECT_EQ(nomesom(7), "Sons/Som-07.wav");
    EXPECT_EQ(nomesom(46), "Sons/Som-46.wav");
    EXPECT_EQ(nomemusica(1), "Musicas/Musica-01.wav");
    EXPECT_EQ(nomemusica(7), "Musicas/Musica-07.wav");
}

TEST(ConteudoSons, NumerosForaDaListaNaoGeramNada) {
    std::string erro;
    EXPECT_FALSE(gerarsom(0, "/nonexistent", erro));
    EXPECT_FALSE(erro.empty());
    EXPECT_FALSE(gerarsom(47, "/nonexistent", erro));
    EXPECT_FALSE(gerarmusica(8, "/nonexistent", erro));
}

TEST(ConteudoSons, OsQuarentaESeisSonsSaoPcmCurtosESemCorte) {
    for (int n = 1; n <= NUMSONS; n++) {
        Lido l;
        ler(nomesom(n), l);
        double seg = double(l.amostras.size()) / l.taxa;
        EXPECT_GE(seg, 0.2) << nomesom(n);
        EXPECT_LE(seg, 6.0) << nomesom(n) << ": a game sound must be short";
        EXPECT_LT(pico(l.amostras), 0.98) << nomesom(n) << " clips";
        EXPECT_GT(pico(l.amostras), 0.5) << nomesom(n) << " is too quiet to sit with the others";
        // a sound starts and stops at rest, or the mixer clicks
        EXPECT_LT(std::fabs(l.amostras.front()), 0.02) << nomesom(n);
        EXPECT_LT(std::fabs(l.amostras.back()), 0.02) << nomesom(n);
    }
}

TEST(ConteudoSons, AsSeteMusicasTemDeUmADoisMinutosETocamAbaixoDosEfeitos) {
    double somaefeitos = 0;
    for (int n = 1; n <= NUMSONS; n++) {
        Lido l;
        ler(nomesom(n), l);
        somaefeitos += rms(l.amostras);
    }
    for (int m = 1; m <= NUMMUSICAS; m++) {
        Lido l;
        ler(nomemusica(m), l);
        double seg = double(l.amostras.size()) / l.taxa;
        EXPECT_GE(seg, 60.0) << nomemusica(m);
        EXPECT_LE(seg, 120.0) << nomemusica(m);
        double p = 0;  // the louder side's peak
        for (size_t i = 0; i < l.amostras.size(); i++) p = std::max(p, double(std::fabs(l.amostras[i]) + std::fabs(l.lado[i])));
        EXPECT_LT(p, 0.98) << nomemusica(m) << " clips";
        EXPECT_LT(p, 0.8) << nomemusica(m) << " is louder than the effects";
        EXPECT_GT(rms(l.amostras), 0.03) << nomemusica(m) << " is nearly silent";
        // the instruments stand apart and the two rooms differ: the sides are far from the same signal
        EXPECT_GT(rms(l.lado), 0.15 * rms(l.amostras)) << nomemusica(m) << " is mono in two channels";
    }
    EXPECT_GT(somaefeitos / NUMSONS, 0.05);
}

TEST(ConteudoSons, AMusicaVoltaAoComecoSemClique) {
    for (int m = 1; m <= NUMMUSICAS; m++) {
        Lido l;
        ler(nomemusica(m), l);
        const auto& s = l.amostras;
        ASSERT_GT(s.size(), 1000u);
        // the jump from the last sample to the first must look like any jump inside the track
        std::vector<float> saltos;
        for (size_t i = 0; i + 1 < s.size(); i += 5) saltos.push_back(std::fabs(s[i + 1] - s[i]));
        auto quantil = saltos.begin() + long(saltos.size() * 999 / 1000);
        std::nth_element(saltos.begin(), quantil, saltos.end());
        float normal = *quantil;
        EXPECT_LE(std::fabs(s.front() - s.back()), normal) << nomemusica(m);
        // and the last second is as alive as the first (no fade-out or fade-in around the seam)
        std::vector<float> fim(s.end() - l.taxa, s.end()), inicio(s.begin(), s.begin() + l.taxa);
        EXPECT_GT(rms(fim), rms(inicio) * 0.25) << nomemusica(m);
        EXPECT_GT(rms(inicio), rms(fim) * 0.25) << nomemusica(m);
    }
}

TEST(ConteudoSons, AGeracaoEscreveSempreOsMesmosBytes) {
    auto base = std::filesystem::temp_directory_path() / ("sons-" + std::to_string(getpid()));
    std::string a = (base / "a").string(), b = (base / "b").string(), erro;
    // an effect, a spoken line, a line over an effect, and a whole track
    for (const std::string& pasta : {a, b}) {
        for (int n : {5, 32, 45}) ASSERT_TRUE(gerarsom(n, pasta, erro)) << erro;
        ASSERT_TRUE(gerarmusica(3, pasta, erro)) << erro;
    }
    for (int n : {5, 32, 45}) {
        auto x = bytesde(a + "/" + nomesom(n));
        EXPECT_FALSE(x.empty());
        EXPECT_EQ(x, bytesde(b + "/" + nomesom(n))) << nomesom(n);
        EXPECT_EQ(x, bytesde(caminho(nomesom(n)))) << nomesom(n) << " differs from the build's copy";
    }
    EXPECT_EQ(bytesde(a + "/" + nomemusica(3)), bytesde(b + "/" + nomemusica(3)));
    // no scratch file of the voices is left behind
    for (auto& e : std::filesystem::directory_iterator(a + "/Sons")) EXPECT_EQ(e.path().extension(), ".wav") << e.path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(a + "/Sons"), {}), 3);
    std::filesystem::remove_all(base);
}
