// The music's instruments: each renders one note from its pitch, length and strength.
#include "musica.h"

#include <algorithm>

// Karplus-Strong: a burst of noise circulating in a tuned delay line, softened on every pass.
// The loop is the line (n samples), the two-point average (half a sample) and an all-pass for the fraction.
static Sinal corda(double f, double gate, double vel, Rng& r) {
    double d = TAXA / f - 0.5;
    int n = int(d);
    double frac = d - n;
    if (frac < 0.1 && n > 2) { n -= 1; frac += 1; }
    double c = (1 - frac) / (1 + frac);
    double perda = std::pow(0.001, 1.0 / (f * 1.8));  // every string rings about 1.8 s
    std::vector<float> linha(static_cast<size_t>(n));
    Suave brilho;
    for (float& v : linha) v = float(brilho(ruido(r), 1500 + 4000 * vel));
    Sinal s(size_t(amostras(gate + 0.6)));
    size_t k = 0;
    double anterior = 0, apx = 0, apy = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double atual = linha[k];
        double media = 0.5 * (atual + anterior);
        anterior = atual;
        double ap = c * media + apx - c * apy;
        apx = media; apy = ap;
        linha[k] = float(ap * perda);
        k = (k + 1) % linha.size();
        double t = double(i) / TAXA;
        double env = t > gate ? decai(t - gate, 0.08) : 1.0;
        s[i] = float(atual * env * vel * 0.8);
    }
    return s;
}

static Sinal cordas(double f, double gate, double vel, Rng& r) {
    double fases[3] = {r.uniform(), r.uniform(), r.uniform()};
    const double desafina[3] = {1.0, 1.004, 0.9965};
    Suave f1, f2;
    return gerar(gate + 0.6, [&](double t) {
        double env = adsr(t, gate, 0.35, 0.3, 0.85, 0.5), v = 0;
        for (int k = 0; k < 3; k++) {
            fases[k] += f * desafina[k] * (1 + 0.002 * onda_seno(5 * t + k)) / TAXA;
            v += onda_serra(fases[k]);
        }
        return f2(f1(v, 1400 + 600 * env), 2400) * env * vel * 0.35;
    });
}

static Sinal baixo(double f, double gate, double vel, Rng&) {
    Suave filtro;
    return gerar(gate + 0.15, [&](double t) {
        double env = adsr(t, gate, 0.008, 0.25, 0.6, 0.1);
        // the octave above keeps the line audible on small speakers
        double v = onda_seno(f * t) + 0.3 * onda_seno(2 * f * t) + 0.35 * onda_triangulo(2 * f * t) * decai(t, 0.15);
        return filtro(v, 900) * env * vel;
    });
}

static Sinal flauta(double f, double gate, double vel, Rng& r) {
    Biquad sopro;
    sopro.passabanda(f * 2, 4.0);
    double fase = 0;
    return gerar(gate + 0.2, [&](double t) {
        double vib = 1 + 0.005 * onda_seno(5.0 * t) * std::clamp((t - 0.25) * 3, 0.0, 1.0);
        fase += f * vib / TAXA;
        double env = adsr(t, gate, 0.06, 0.1, 0.8, 0.12);
        double v = onda_seno(fase) + 0.18 * onda_seno(2 * fase) + 0.06 * onda_seno(3 * fase);
        return (v + sopro(ruido(r)) * 0.25 * (0.3 + decai(t, 0.05))) * env * vel * 0.8;
    });
}

static Sinal sino(double f, double gate, double vel, Rng&) {
    // two-operator FM with a ratio that makes the partials bell-like; the brightness dies first
    return gerar(std::max(gate, 0.1) + 1.6, [&](double t) {
        double indice = 2.5 * decai(t, 0.25);
        double v = onda_seno(f * t + indice * onda_seno(3.5 * f * t) / DOISPI);
        return v * decai(t, 0.5) * std::min(1.0, t * 800) * vel * 0.6;
    });
}

static Sinal metais(double f, double gate, double vel, Rng&) {
    double fase = 0;
    Suave filtro, filtro2;
    return gerar(gate + 0.25, [&](double t) {
        double vib = 1 + 0.005 * onda_seno(5.2 * t) * std::min(1.0, t / 0.4);
        fase += f * vib * (1 - 0.03 * decai(t, 0.025)) / TAXA;
        double env = adsr(t, gate, 0.04, 0.2, 0.7, 0.18);
        double corte = 250 + 1600 * env * vel;
        return filtro2(filtro(onda_serra(fase) + 0.3 * onda_serra(fase * 0.5), corte), corte) * env * vel * 0.8;
    });
}

static Sinal coral(double f, double gate, double vel, Rng& r) {
    // two slightly different voices through the formants of "ah"
    double fases[2] = {r.uniform(), r.uniform()};
    Biquad f1, f2, f3;
    f1.passabanda(750, 5.0);
    f2.passabanda(1150, 6.0);
    f3.passabanda(2600, 8.0);
    return gerar(gate + 0.7, [&](double t) {
        double env = adsr(t, gate, 0.4, 0.3, 0.9, 0.6), v = 0;
        for (int k = 0; k < 2; k++) {
            fases[k] += f * (1 + (k ? 0.005 : -0.004) + 0.006 * onda_seno((4.8 + k * 0.7) * t)) / TAXA;
            v += onda_serra(fases[k]);
        }
        return (f1(v) * 1.0 + f2(v) * 0.6 + f3(v) * 0.25) * env * vel * 0.9;
    });
}

static Sinal bateria(Instrumento i, double vel, Rng& r) {
    Biquad f;
    Suave s;
    double fase = 0;
    switch (i) {
    case BUMBO:
        return gerar(0.4, [&](double t) {
            fase += (45 + 80 * decai(t, 0.02)) / TAXA;
            return (onda_seno(fase) * decai(t, 0.09) + 0.2 * ruido(r) * decai(t, 0.003)) * vel;
        });
    case CAIXA:
        f.passaalta(1200);
        return gerar(0.3, [&](double t) {
            return (f(ruido(r)) * decai(t, 0.045) * 0.8 + onda_seno(190 * t) * decai(t, 0.03) * 0.6) * vel;
        });
    case CHIMBAL:
        f.passaalta(6500);
        return gerar(0.12, [&](double t) { return f(ruido(r)) * decai(t, 0.015) * vel * 0.6; });
    case TAMBOR:
        return gerar(0.9, [&](double t) {
            fase += (58 + 40 * decai(t, 0.03)) / TAXA;
            return (onda_seno(fase) * decai(t, 0.16) + s(ruido(r), 400) * decai(t, 0.05) * 1.5) * vel;
        });
    case PRATO:
        f.passaalta(3500);
        return gerar(2.0, [&](double t) { return f(ruido(r)) * decai(t, 0.35) * vel * 0.35 * std::min(1.0, t * 2000); });
    default:
        return {};
    }
}

Sinal tocarnota(const Nota& n, Rng& r) {
    double f = midifreq(n.midi), gate = double(n.dur) / TAXA;
    switch (n.instr) {
    case CORDA: return corda(f, gate, n.vel, r);
    case CORDAS: return cordas(f, gate, n.vel, r);
    case BAIXO: return baixo(f, gate, n.vel, r);
    case FLAUTA: return flauta(f, gate, n.vel, r);
    case SINO: return sino(f, gate, n.vel, r);
    case METAIS: return metais(f, gate, n.vel, r);
    case CORAL: return coral(f, gate, n.vel, r);
    default: return bateria(n.instr, n.vel, r);
    }
}
