// The seven music tracks: each one's style, and how a composed track is played, mixed and made to loop.
#include "gerador.h"
#include "musica.h"
#include "common/wav.h"

#include <algorithm>
#include <filesystem>

#define MAIOR {0, 2, 4, 5, 7, 9, 11}
#define MENOR {0, 2, 3, 5, 7, 8, 10}
#define HARMONICA {0, 2, 3, 5, 7, 8, 11}
#define DORICO {0, 2, 3, 5, 7, 9, 10}
#define FRIGIO {0, 1, 3, 5, 7, 8, 10}

// columns: name, bpm, beats, key, mode, chords of A, chords of B, form (a small letter: the section
//          played quietly), lead A, lead B, lead octave,
//          accompaniment, pad, broken-chord figure, bass, drums, melody density, reverb
static const Estilo ESTILOS[NUMMUSICAS] = {
    {"aventura", 116, 4, 62, MAIOR, {0, 4, 5, 3, 0, 4, 3, 4}, {5, 3, 0, 4, 5, 3, 4, 4}, "AABaBA",
     FLAUTA, METAIS, 1, 2, CORDAS, 0, 1, 1, 0.5, 0.25},                                    // 1 adventure
    {"defesa", 128, 4, 64, HARMONICA, {0, 0, 5, 5, 3, 3, 4, 4}, {5, 6, 0, 0, 5, 3, 4, 4}, "AABaBA",
     METAIS, CORDAS, 0, 3, CORDAS, 0, 2, 2, 0.6, 0.2},                                     // 2 tense defence
    {"cemiterio", 72, 3, 57, MENOR, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 0, 3, 4, 5, 3, 1, 4}, "ABaB",
     SINO, CORAL, 1, 0, CORAL, 0, 0, 3, 0.2, 0.45},                                        // 3 the cemetery
    {"floresta", 100, 4, 55, DORICO, {0, 3, 0, 6, 0, 3, 6, 0}, {2, 3, 0, 6, 2, 3, 4, 0}, "AAbAB",
     FLAUTA, METAIS, 1, 2, CORDAS, 1, 1, 4, 0.45, 0.3},                                    // 4 forest march
    {"perigo", 140, 4, 60, FRIGIO, {0, 0, 1, 0, 0, 0, 5, 1}, {5, 5, 1, 1, 3, 3, 1, 0}, "AABaBA",
     METAIS, CORDAS, 0, 3, CORDAS, 3, 2, 5, 0.7, 0.2},                                     // 5 danger
    {"guerra", 120, 4, 62, MENOR, {0, 5, 2, 6, 0, 5, 3, 4}, {3, 0, 6, 2, 5, 3, 4, 4}, "AABaBA",
     METAIS, CORAL, 0, 2, CORAL, 3, 2, 6, 0.5, 0.3},                                       // 6 the final war
    {"final", 84, 4, 65, MAIOR, {0, 3, 4, 0, 5, 3, 4, 0}, {3, 4, 2, 5, 3, 0, 4, 4}, "ABaB",
     FLAUTA, SINO, 0, 2, CORDAS, 2, 0, 0, 0.3, 0.4},                                       // 7 the ending
};
static_assert(sizeof(ESTILOS) / sizeof(ESTILOS[0]) == NUMMUSICAS);

// How loud each instrument sits in the mix.
static const double GANHOS[NUMINSTRUMENTOS] = {
    0.45,  // CORDA
    0.40,  // CORDAS
    0.28,  // BAIXO
    0.65,  // FLAUTA
    0.45,  // SINO
    0.60,  // METAIS
    0.35,  // CORAL
    0.55,  // BUMBO
    0.40,  // CAIXA
    0.22,  // CHIMBAL
    0.36,  // TAMBOR
    0.25,  // PRATO
};
static_assert(sizeof(GANHOS) / sizeof(GANHOS[0]) == NUMINSTRUMENTOS);

// Where each instrument stands between the speakers, -1 left to 1 right: the low end and the snare in the
// middle, the lead and the hats a little to one side, the strings and the choir spread wide.
static const double LUGARES[NUMINSTRUMENTOS] = {
    -0.35,  // CORDA
    0.0,    // CORDAS (each note of the chord placed apart)
    0.0,    // BAIXO
    0.2,    // FLAUTA
    -0.4,   // SINO
    0.15,   // METAIS
    0.0,    // CORAL (each voice placed apart)
    0.0,    // BUMBO
    0.05,   // CAIXA
    0.45,   // CHIMBAL
    -0.3,   // TAMBOR
    -0.35,  // PRATO
};
static_assert(sizeof(LUGARES) / sizeof(LUGARES[0]) == NUMINSTRUMENTOS);

static double lugarda(const Nota& n) {
    double p = LUGARES[n.instr];
    if (n.instr == CORDAS || n.instr == CORAL) {  // a fixed scatter from the note itself, the same every run
        uint32_t h = uint32_t(n.inicio) * 2654435761u ^ uint32_t(n.midi * 97);
        p += (double((h >> 12) & 1023) / 1023.0 - 0.5) * 1.1;
    }
    return std::clamp(p, -1.0, 1.0);
}

// Plays every note into two long signals, adds each side its own room, then folds everything that rang past
// the end back onto the start: the track becomes one turn of a loop and its seam cannot click. The result
// is interleaved, left first.
static Sinal tocar(const Estilo& e, uint64_t semente) {
    int passo = 0, total = 0;
    std::vector<Nota> notas = compor(e, semente, passo, total);
    Rng r(semente ^ 0x5eed);
    size_t n = size_t(total) + size_t(amostras(3.0));
    Sinal seco[2] = {Sinal(n, 0.0f), Sinal(n, 0.0f)}, grave(n, 0.0f);
    for (const Nota& nota : notas) {
        Sinal s = tocarnota(nota, r);
        size_t ini = size_t(nota.inicio);
        if (nota.instr == BAIXO || nota.instr == BUMBO) {  // the low end stays dry and in the middle
            for (size_t i = 0; i < s.size() && ini + i < n; i++) grave[ini + i] += float(s[i] * GANHOS[nota.instr]);
            continue;
        }
        // equal power: a sound in the middle is as loud on each side as it was in one channel
        double a = (lugarda(nota) + 1) * DOISPI / 8, g[2] = {std::cos(a) * std::sqrt(2.0), std::sin(a) * std::sqrt(2.0)};
        for (int c = 0; c < 2; c++)
            for (size_t i = 0; i < s.size() && ini + i < n; i++) seco[c][ini + i] += float(s[i] * GANHOS[nota.instr] * g[c]);
    }
    Sinal sala[2] = {reverberar(seco[0], 0.8, e.reverb, 0.0), reverberar(seco[1], 0.8, e.reverb, 0.0, 23)};
    Sinal volta(size_t(total) * 2, 0.0f);
    for (int c = 0; c < 2; c++)
        for (size_t i = 0; i < sala[c].size(); i++) volta[(i % size_t(total)) * 2 + size_t(c)] += sala[c][i] + grave[i];
    nivelar(volta, 0.12, 0.6);
    return volta;
}

bool gerarmusica(int m, const std::string& pasta, std::string& erro) {
    if (m < 1 || m > NUMMUSICAS) { erro = "não existe a música " + std::to_string(m); return false; }
    NaTaxa taxa(TAXAMUSICA);
    Sinal s = tocar(ESTILOS[m - 1], 0x6d75736963ull + uint64_t(m) * 1000003);
    std::error_code ec;
    std::filesystem::create_directories(pasta + "/Musicas", ec);
    if (!write_wav(pasta + "/" + nomemusica(m), s, TAXA, 2)) { erro = "não consegui escrever " + pasta + "/" + nomemusica(m); return false; }
    return true;
}
