// The characters' voices: espeak-ng speaks the line, then each character gets its own colour.
#include "vozes.h"
#include "common/wav.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

struct Timbre {
    const char* variante;   // espeak-ng voice variant
    int pitch, velocidade;  // espeak-ng -p (0..99) and -s (words a minute)
    double razao;           // played back this much faster (below 1: lower and slower)
    double vibrato;         // depth of a slow wobble in milliseconds, 0 for none
    double passaalta, passabaixa;
    double aspereza;        // drive into a soft clipper, 0 for a clean voice
};

static const Timbre TIMBRES[] = {
    {"m3", 38, 175, 1.00, 0.0, 110, 6000, 0.0},       // DURBICO
    {"f2", 72, 165, 1.00, 0.15, 160, 7000, 0.0},      // FIDELINA
    {"grandma", 70, 150, 1.04, 0.5, 180, 6500, 0.3},  // MORGAVA
    {"grandpa", 35, 145, 0.97, 0.1, 90, 5500, 0.15},  // VORLANDO
    {"m7", 20, 150, 0.78, 0.3, 60, 3500, 1.5},        // SATANAS
};
static_assert(sizeof(TIMBRES) / sizeof(TIMBRES[0]) == NUMPERSONAGENS);

bool temespeak() { return std::system("espeak-ng --version > /dev/null 2>&1") == 0; }

// A shell word: single quotes, with any single quote inside closed, escaped and reopened.
static std::string citar(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// The slow wobble of an old or magical voice: a delay line swinging a few milliseconds.
static Sinal vibrar(const Sinal& s, double ms) {
    Sinal r(s.size());
    double d = ms * TAXA / 1000.0;
    for (size_t i = 0; i < s.size(); i++) {
        double t = double(i) / TAXA;
        r[i] = float(ler(s, double(i) - d * (1 + onda_seno(5.5 * t))));
    }
    return r;
}

static void colorir(const Timbre& tm, Sinal& s) {
    if (tm.razao != 1.0) s = reamostrar(s, tm.razao);
    if (tm.vibrato > 0) s = vibrar(s, tm.vibrato);
    filtrar_passaalta(s, tm.passaalta);
    filtrar_passabaixa(s, tm.passabaixa);
    if (tm.aspereza > 0) {
        normalizar(s, 1.0);
        for (float& v : s) v = float(std::tanh((1 + tm.aspereza) * v) / std::tanh(1 + tm.aspereza));
    }
    aparar(s, 0.01);
    normalizar(s, 0.9);
    suavizarpontas(s, 0.005, 0.03);
}

bool falar(Personagem p, const std::string& texto, const std::string& temporaria, Sinal& saida, std::string& erro) {
    const Timbre& tm = TIMBRES[p];
    std::string cmd = std::string("espeak-ng -v pt-br+") + tm.variante + " -p " + std::to_string(tm.pitch) + " -s " +
                      std::to_string(tm.velocidade) + " -w " + citar(temporaria) + " " + citar(texto) + " 2>&1";
    if (std::system(cmd.c_str()) != 0) {
        erro = "espeak-ng falhou ao falar \"" + texto + "\" (o pacote espeak-ng está instalado?)";
        return false;
    }
    int taxa = 0;
    bool lido = read_wav(temporaria, saida, taxa);
    std::remove(temporaria.c_str());
    if (!lido || taxa <= 0 || saida.empty()) {
        erro = "a saída do espeak-ng para \"" + texto + "\" não é um .wav PCM legível";
        return false;
    }
    if (taxa != TAXA) saida = reamostrar(saida, double(taxa) / TAXA);
    colorir(tm, saida);
    return true;
}
