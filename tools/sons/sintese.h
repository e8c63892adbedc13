// The sound generator's building blocks: signals, oscillators, envelopes, filters, noise and a small reverb.
// Everything is plain arithmetic on float samples (22 050 Hz for the effects and voices, 32 000 Hz for the
// music), so the same input gives the same bytes.
#pragma once
#include "common/rng.h"

#include <cmath>
#include <cstdint>
#include <vector>

inline constexpr int TAXAEFEITOS = 22050;          // samples a second of the effects and voices
inline constexpr int TAXAMUSICA = 32000;           // and of the music, whose cymbals and strings want the top
inline int TAXA = TAXAEFEITOS;                     // the rate being synthesised now
// Synthesises at another rate while it lives.
struct NaTaxa {
    int antes;
    explicit NaTaxa(int t) : antes(TAXA) { TAXA = t; }
    ~NaTaxa() { TAXA = antes; }
};
inline constexpr double DOISPI = 6.283185307179586;
using Sinal = std::vector<float>;

inline int amostras(double segundos) { return int(std::lround(segundos * TAXA)); }
inline double midifreq(double nota) { return 440.0 * std::pow(2.0, (nota - 69.0) / 12.0); }

// Fills `dur` seconds by calling f(t) for every sample time t; the last 5 ms fade out so a piece
// cut short never ends in a click.
template <class F>
Sinal gerar(double dur, F f) {
    Sinal s(size_t(amostras(dur)));
    size_t fim = size_t(amostras(0.005));
    for (size_t i = 0; i < s.size(); i++) {
        double v = f(double(i) / TAXA);
        size_t resta = s.size() - i;
        s[i] = float(resta < fim ? v * double(resta) / double(fim) : v);
    }
    return s;
}

// Adds `fonte` times `ganho` into `destino` starting at `inicio` seconds, growing it when needed.
void misturar(Sinal& destino, const Sinal& fonte, double inicio, double ganho = 1.0);
// Scales so the loudest sample is `pico`; silence stays silence.
void normalizar(Sinal& s, double pico);
// Scales so the root mean square is `rms`, then pulls peaks above `teto` down with a soft knee.
void nivelar(Sinal& s, double rms, double teto);
double picode(const Sinal& s);
double rmsde(const Sinal& s);
// Short fades at both ends so a sound never starts or stops with a click.
void suavizarpontas(Sinal& s, double entrada = 0.004, double saida = 0.02);
// Cuts leading and trailing samples quieter than `limiar`.
void aparar(Sinal& s, double limiar);

// Oscillator shapes over a phase in cycles (any real number).
double onda_seno(double fase);
double onda_triangulo(double fase);
double onda_serra(double fase);
double onda_quadrada(double fase, double ciclo = 0.5);

// Attack / decay / sustain / release envelope, times in seconds; `t` from the note start, `dur` = gate length.
double adsr(double t, double dur, double a, double d, double s, double r);
// Exponential decay from 1 with `meia` seconds to half.
inline double decai(double t, double meia) { return t < 0 ? 0.0 : std::exp2(-t / meia); }

// Biquad filter (RBJ cookbook), direct form I.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void passabaixa(double freq, double q = 0.707);
    void passaalta(double freq, double q = 0.707);
    void passabanda(double freq, double q);
    float operator()(double x);
};
// One-pole smoothing low-pass, cheap enough to retune every sample.
struct Suave {
    double y = 0;
    float operator()(double x, double freq) {
        double k = 1.0 - std::exp(-DOISPI * freq / TAXA);
        y += k * (x - y);
        return float(y);
    }
};
void filtrar_passaalta(Sinal& s, double freq);
void filtrar_passabaixa(Sinal& s, double freq);

// White noise in [-1, 1) from the generator's own random numbers.
inline double ruido(Rng& r) { return r.uniform() * 2.0 - 1.0; }

// Schroeder reverb: four combs and two all-passes. `mistura` is the wet share.
// `espalha` lengthens every delay by that many samples: the right channel's room, so the two sides differ.
Sinal reverberar(const Sinal& s, double sala, double mistura, double caudaseg, int espalha = 0);
// Reads a signal at a fractional position (linear), 0 outside.
double ler(const Sinal& s, double pos);
// Plays `s` at `razao` times its speed (2 = an octave up and half as long).
Sinal reamostrar(const Sinal& s, double razao);
