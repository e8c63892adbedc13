// Small sound pieces the effects are assembled from: metal rings, noise sweeps, thumps, crackles, growls.
#include "efeitos.h"

#include <algorithm>

Sinal metal(const double* parciais, int n, double base, double meia, double dur) {
    return gerar(dur, [&](double t) {
        double v = 0;
        for (int k = 0; k < n; k++)  // higher partials die faster, as in a struck bar
            v += onda_seno(base * parciais[k] * t) * decai(t, meia / (1 + 0.5 * k)) / (1 + 0.4 * k);
        return v * std::min(1.0, t * 2000);
    });
}

Sinal ruidovarrido(Rng& r, double dur, double f0, double f1, double q, double ataque, double meia) {
    Biquad f;
    Sinal s(size_t(amostras(dur)));
    for (size_t i = 0; i < s.size(); i++) {
        double t = double(i) / TAXA;
        if (i % 32 == 0) f.passabanda(f0 * std::pow(f1 / f0, t / dur), q);
        double env = (t < ataque ? t / ataque : decai(t - ataque, meia)) * std::min(1.0, (dur - t) / 0.005);
        s[i] = float(f(ruido(r)) * env);
    }
    return s;
}

Sinal baque(double f0, double f1, double meia, double dur) {
    double fase = 0;
    return gerar(dur, [&](double t) {
        fase += (f1 + (f0 - f1) * decai(t, 0.03)) / TAXA;
        return onda_seno(fase) * decai(t, meia) * std::min(1.0, t * 3000);
    });
}

Sinal estalos(Rng& r, double dur, int n, double brilho) {
    Sinal s(size_t(amostras(dur)), 0.0f);
    for (int k = 0; k < n; k++) {
        double t0 = r.range(0, dur * 0.95), g = r.range(0.2, 1.0);
        Biquad f;
        f.passabanda(r.range(brilho * 0.5, brilho * 1.5), 2.0);
        Sinal clique = gerar(0.012, [&](double t) { return f(ruido(r)) * decai(t, 0.002) * g; });
        misturar(s, clique, t0);
    }
    s.resize(size_t(amostras(dur)));
    return s;
}

Sinal rosnado(Rng& r, double dur, double base) {
    double fase = 0, desvio = 0;
    Biquad f1, f2;
    f1.passabaixa(700, 1.2);
    f2.passabanda(320, 2.0);
    return gerar(dur, [&](double t) {
        // an irregular pitch and a fast flutter make the voice rough
        desvio = desvio * 0.995 + ruido(r) * 0.05;
        fase += base * (1 + 0.25 * desvio + 0.1 * onda_seno(3 * t)) / TAXA;
        double v = onda_serra(fase) * (0.7 + 0.3 * onda_seno(27 * t));
        v = std::tanh(2.5 * v);
        double env = adsr(t, dur - 0.25, 0.12, 0.2, 0.8, 0.25);
        return (f1(v) + 0.8 * f2(v)) * env;
    });
}
