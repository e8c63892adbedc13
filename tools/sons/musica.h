// The music composer's inner parts: notes, instruments, a track's style and the composition steps.
#pragma once
#include "sintese.h"

#include <vector>

enum Instrumento : int {
    CORDA,     // a plucked string (lute, harp)
    CORDAS,    // bowed strings, a pad
    BAIXO,     // the bass
    FLAUTA,    // a wooden flute, the usual lead
    SINO,      // a small bell, celesta-like
    METAIS,    // brass
    CORAL,     // a choir singing "ah"
    BUMBO, CAIXA, CHIMBAL, TAMBOR, PRATO,  // drums
    NUMINSTRUMENTOS
};

struct Nota {
    int inicio;       // in samples from the track's start
    int dur;          // gate in samples
    double midi;      // pitch
    double vel;       // 0..1
    Instrumento instr;
};

// Renders one note into a fresh signal (it may ring past its gate).
Sinal tocarnota(const Nota& n, Rng& r);

inline constexpr int COMPASSOSFRASE = 8;  // a section is eight bars

struct Estilo {
    const char* nome;
    double bpm;
    int tempos;             // beats a bar (4 or 3)
    int tonica;             // midi note of the key
    int escala[7];          // semitones of the mode
    int secaoa[COMPASSOSFRASE], secaob[COMPASSOSFRASE];  // chord degrees (0-based) per bar
    const char* forma;      // sections in order, e.g. "AABABA"
    Instrumento melodia, melodia2;  // lead, and the lead of the repeated sections
    int oitavamelodia;      // octave shift of the lead from the key's octave
    int acompanhamento;     // 0 sustained pad, 1 arpeggios, 2 pad and arpeggios, 3 stabs
    Instrumento harmonia;   // pad instrument
    int arpejo;             // which broken-chord figure the plucked strings play (see ARPEJOS)
    int baixo;              // 0 roots, 1 root-fifth, 2 driving eighths
    int bateria;            // drum pattern, 0 none
    double densidade;       // share of short notes in the melody, 0..1
    double reverb;          // wet share
};

// Composition: every note of a track from its style (deterministic for the seed).
std::vector<Nota> compor(const Estilo& e, uint64_t semente, int& passo, int& total);
