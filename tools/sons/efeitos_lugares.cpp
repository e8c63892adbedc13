// The buildings' sounds: the farm's cow, the shop's till, the barracks' horn, the witch's cauldron,
// and the empty purse under "not enough money".
#include "efeitos.h"

#include <algorithm>

Sinal som_fazenda() {
    Rng r(101);
    // the moo: a buzzing voice whose mouth opens from "m" to "oo" to "ow" while the pitch rises and falls
    double fase = 0;
    Biquad f1, f2, pb;
    Sinal moo = gerar(1.6, [&](double t) {
        double u = t / 1.6;
        double f0 = 92 + 38 * std::sin(3.14159 * std::min(1.0, u * 1.3)) - 12 * u + 1.5 * onda_seno(5.5 * t);
        fase += f0 / TAXA;
        double pulso = onda_serra(fase) + 0.4 * onda_quadrada(fase, 0.3) + 0.05 * ruido(r);
        double abre = std::clamp((u - 0.08) * 3.0, 0.0, 1.0);
        if (int(t * TAXA) % 16 == 0) {
            f1.passabanda(280 + 420 * abre, 3.0);
            f2.passabanda(750 + 350 * abre, 4.0);
            pb.passabaixa(400 + 1600 * abre, 0.8);
        }
        double v = pb(f1(pulso) * 1.4 + f2(pulso) * 0.7 * abre);
        return v * adsr(t, 1.25, 0.18, 0.2, 0.85, 0.35);
    });
    // a cowbell clonk before the moo
    const double sino[] = {1.0, 1.48, 2.03, 2.97};
    Sinal s = metal(sino, 4, 560, 0.09, 0.5);
    misturar(s, metal(sino, 4, 560, 0.07, 0.4), 0.22, 0.6);
    misturar(s, moo, 0.35, 2.2);
    Sinal sala = reverberar(s, 0.3, 0.12, 0.4);
    normalizar(sala, 0.85);
    suavizarpontas(sala);
    return sala;
}

Sinal som_loja() {
    Rng r(202);
    Sinal s;
    // two key clicks and the lever
    for (int k = 0; k < 3; k++) misturar(s, ruidovarrido(r, 0.03, 3200, 2600, 3.0, 0.001, 0.006), 0.07 * k, 0.9);
    // the drawer sliding out, then its thump
    misturar(s, ruidovarrido(r, 0.22, 700, 1400, 1.5, 0.05, 0.08), 0.22, 0.6);
    misturar(s, baque(180, 90, 0.04, 0.15), 0.42, 0.8);
    // the bell: the bright "ching" of a till
    const double sino[] = {1.0, 2.76, 5.40};
    misturar(s, metal(sino, 3, 1568, 0.35, 1.2), 0.40, 0.9);
    misturar(s, metal(sino, 3, 2093, 0.30, 1.0), 0.43, 0.6);
    // a few coins settling
    const double moeda[] = {1.0, 1.63, 2.41};
    for (int k = 0; k < 5; k++)
        misturar(s, metal(moeda, 3, r.range(2800, 3800), 0.03, 0.12), 0.55 + 0.06 * k + r.range(0, 0.03), 0.35);
    Sinal sala = reverberar(s, 0.2, 0.15, 0.3);
    normalizar(sala, 0.85);
    suavizarpontas(sala);
    return sala;
}

// One brass note: a sawtooth whose filter opens with the breath, a scoop into pitch and a late vibrato.
static Sinal corneta(double freq, double dur) {
    double fase = 0;
    Suave filtro, filtro2;
    return gerar(dur + 0.25, [&](double t) {
        double vib = 1 + 0.006 * onda_seno(5.2 * t) * std::min(1.0, t / 0.4);
        double scoop = 1 - 0.04 * decai(t, 0.03);
        fase += freq * vib * scoop / TAXA;
        double env = adsr(t, dur, 0.04, 0.15, 0.75, 0.2);
        double v = onda_serra(fase) + 0.3 * onda_serra(fase * 0.5);
        double corte = 250 + 1500 * env;  // two gentle poles: a round brass, not a buzz
        return filtro2(filtro(v, corte), corte) * env;
    });
}

Sinal som_quartel() {
    Sinal s;
    misturar(s, corneta(196.0, 0.16), 0.0);    // G3
    misturar(s, corneta(261.6, 0.16), 0.2);    // C4
    misturar(s, corneta(329.6, 0.85), 0.4);    // E4, held
    misturar(s, corneta(164.8, 0.85), 0.4, 0.5);
    Sinal sala = reverberar(s, 0.7, 0.25, 0.8);
    normalizar(sala, 0.85);
    suavizarpontas(sala);
    return sala;
}

Sinal som_caldeirao() {
    Rng r(404);
    // a low simmer with bubbles rising and popping
    Biquad pb;
    pb.passabaixa(300, 0.9);
    Sinal s = gerar(1.8, [&](double t) { return pb(ruido(r)) * 0.5 * adsr(t, 1.5, 0.2, 0.1, 1.0, 0.3); });
    for (int k = 0; k < 22; k++) {
        double f0 = r.range(180, 420), dur = r.range(0.03, 0.07), g = r.range(0.3, 0.8);
        double fase = 0;
        Sinal bolha = gerar(dur, [&](double t) {
            fase += f0 * (1 + 2.5 * t / dur) / TAXA;  // a bubble rises in pitch as it opens
            return onda_seno(fase) * std::sin(3.14159 * t / dur) * g;
        });
        misturar(s, bolha, r.range(0.05, 1.65));
    }
    normalizar(s, 0.6);
    suavizarpontas(s);
    return s;
}

Sinal som_semdinheiro() {
    // two dull falling notes: the purse is empty
    Sinal s;
    for (int k = 0; k < 2; k++) {
        double f = k == 0 ? 392.0 : 311.1;
        Suave filtro;
        misturar(s, gerar(0.22, [&](double t) { return filtro(onda_triangulo(f * t), 1200) * adsr(t, 0.12, 0.005, 0.05, 0.7, 0.09); }),
                 0.15 * k);
    }
    normalizar(s, 0.5);
    return s;
}
