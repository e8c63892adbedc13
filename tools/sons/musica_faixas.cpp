// The seven music tracks: each one's style, and how a composed track is played, mixed and made to loop.
#include "gerador.h"
#include "musica.h"
#include "common/wav.h"

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

// Plays every note into one long signal, adds the room, then folds everything that rang past the end back
// onto the start: the track becomes one turn of a loop and its seam cannot click.
static Sinal tocar(const Estilo& e, uint64_t semente) {
    int passo = 0, total = 0;
    std::vector<Nota> notas = compor(e, semente, passo, total);
    Rng r(semente ^ 0x5eed);
    Sinal seco(size_t(total) + size_t(amostras(3.0)), 0.0f), grave(seco.size(), 0.0f);
    for (const Nota& n : notas) {
        Sinal s = tocarnota(n, r);
        Sinal& alvo = n.instr == BAIXO || n.instr == BUMBO ? grave : seco;  // the low end stays dry
        for (size_t i = 0; i < s.size() && size_t(n.inicio) + i < alvo.size(); i++) alvo[size_t(n.inicio) + i] += float(s[i] * GANHOS[n.instr]);
    }
    Sinal sala = reverberar(seco, 0.8, e.reverb, 0.0);
    Sinal volta(size_t(total), 0.0f);
    for (size_t i = 0; i < sala.size(); i++) volta[i % size_t(total)] += sala[i] + grave[i];
    nivelar(volta, 0.12, 0.6);
    return volta;
}

bool gerarmusica(int m, const std::string& pasta, std::string& erro) {
    if (m < 1 || m > NUMMUSICAS) { erro = "não existe a música " + std::to_string(m); return false; }
    Sinal s = tocar(ESTILOS[m - 1], 0x6d75736963ull + uint64_t(m) * 1000003);
    std::error_code ec;
    std::filesystem::create_directories(pasta + "/Musicas", ec);
    if (!write_wav(pasta + "/" + nomemusica(m), s, TAXA)) { erro = "não consegui escrever " + pasta + "/" + nomemusica(m); return false; }
    return true;
}
