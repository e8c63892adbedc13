// Magic and items: level up, healing, invisibility, the sphere, the book, the drink, the demon's departure.
#include "efeitos.h"

#include <algorithm>

static Sinal acabar(Sinal s, double sala, double mistura, double pico = 0.8) {
    Sinal r = reverberar(s, sala, mistura, 0.6);
    normalizar(r, pico);
    suavizarpontas(r, 0.003, 0.05);
    return r;
}

// A soft bell: a sine with a quieter octave and twelfth, slow to die.
static Sinal sininho(double f, double meia, double dur) {
    return gerar(dur, [&](double t) {
        double v = onda_seno(f * t) + 0.3 * onda_seno(2 * f * t) * decai(t, meia * 0.5) + 0.15 * onda_seno(3.01 * f * t) * decai(t, meia * 0.3);
        return v * decai(t, meia) * std::min(1.0, t * 400);
    });
}

// A chip-style note: a narrow pulse, softened.
static Sinal pulso(double f, double dur) {
    Suave filtro;
    return gerar(dur + 0.08, [&](double t) { return filtro(onda_quadrada(f * t, 0.25), 3500) * adsr(t, dur, 0.004, 0.04, 0.6, 0.08); });
}

Sinal som_nivel() {
    Sinal s;
    const double notas[] = {72, 76, 79, 84, 88};  // C major, climbing
    for (int k = 0; k < 5; k++) misturar(s, pulso(midifreq(notas[k]), 0.07), 0.075 * k, 0.5);
    for (double n : {84.0, 88.0, 91.0, 96.0}) misturar(s, sininho(midifreq(n), 0.35, 1.3), 0.38, 0.35);
    return acabar(s, 0.6, 0.3);
}

Sinal som_cura() {
    Rng r(4101);
    Sinal s;
    // a warm rising breath and chimes of an open major chord going up
    misturar(s, ruidovarrido(r, 1.0, 800, 4000, 3.0, 0.4, 0.25), 0.0, 0.25);
    const double notas[] = {67, 71, 74, 79, 81, 86, 91};
    for (int k = 0; k < 7; k++) misturar(s, sininho(midifreq(notas[k]), 0.3, 1.0), 0.09 * k, 0.4);
    return acabar(s, 0.8, 0.35);
}

Sinal som_invisivel() {
    Rng r(4201);
    // a glassy chord sliding down and thinning out into air
    Sinal s = gerar(1.3, [&](double t) {
        double cai = std::pow(0.35, t / 1.3), v = 0;
        for (double f : {1320.0, 1660.0, 1980.0, 2640.0}) v += onda_seno(f * cai * t * (1 + 0.003 * onda_seno(6 * t)));
        return v * 0.25 * adsr(t, 0.9, 0.05, 0.2, 0.7, 0.4) * (0.7 + 0.3 * onda_seno(9 * t));
    });
    misturar(s, ruidovarrido(r, 1.2, 5000, 1500, 2.0, 0.1, 0.35), 0.0, 0.4);
    return acabar(s, 0.8, 0.35);
}

Sinal som_esfera() {
    // a humming swell that closes around the unit, sealed by a bright ting
    double fase1 = 0, fase2 = 0;
    Suave filtro;
    Sinal s = gerar(1.4, [&](double t) {
        double env = adsr(t, 0.9, 0.5, 0.2, 0.8, 0.5);
        fase1 += 110 * (1 + 0.01 * onda_seno(6 * t)) / TAXA;
        fase2 += 165.4 / TAXA;
        double v = onda_serra(fase1) + 0.7 * onda_serra(fase2) + 0.5 * onda_seno(4 * fase1);
        return filtro(v, 200 + 1800 * env) * env * 0.5;
    });
    misturar(s, sininho(midifreq(93), 0.3, 0.9), 0.5, 0.5);
    misturar(s, sininho(midifreq(88), 0.3, 0.9), 0.5, 0.3);
    return acabar(s, 0.7, 0.3);
}

Sinal som_livro() {
    Rng r(4401);
    Sinal s;
    // pages turning: short rustles that flutter
    for (int k = 0; k < 3; k++) {
        Sinal folha = ruidovarrido(r, 0.16, 2500, 4500, 1.2, 0.03, 0.04);
        for (size_t i = 0; i < folha.size(); i++) folha[i] *= float(0.6 + 0.4 * onda_seno(60.0 * double(i) / TAXA));
        misturar(s, folha, 0.17 * k, 0.7);
    }
    // the idea: two bell notes going up
    misturar(s, sininho(midifreq(79), 0.25, 0.8), 0.55, 0.5);
    misturar(s, sininho(midifreq(86), 0.3, 0.9), 0.68, 0.5);
    return acabar(s, 0.5, 0.25);
}

Sinal som_goles() {
    Rng r(4501);
    Sinal s;
    // three gulps: a throat closing on a rising pitch, then a little pop
    for (int k = 0; k < 3; k++) {
        double fase = 0, f0 = 150 + 15 * k;
        Biquad bp;
        bp.passabanda(700, 2.0);
        Sinal gole = gerar(0.12, [&](double t) {
            fase += f0 * (1 + 2.0 * t / 0.12) / TAXA;
            double v = onda_seno(fase) + 0.4 * bp(onda_serra(fase));
            return v * std::sin(3.14159 * t / 0.12);
        });
        misturar(s, gole, 0.28 * k);
        misturar(s, baque(500, 300, 0.01, 0.04), 0.28 * k + 0.1, 0.3);
    }
    // the fizz of a refreshment
    misturar(s, estalos(r, 0.9, 50, 6000), 0.0, 0.15);
    normalizar(s, 0.8);
    suavizarpontas(s);
    return s;
}

Sinal som_partida() {
    Rng r(4601);
    Sinal s;
    // a reversed rush pulling in, a dark poof and the growl sinking away, sparks fizzling
    Sinal puxa = ruidovarrido(r, 0.6, 300, 3000, 1.5, 0.55, 0.02);
    misturar(s, puxa, 0.0, 0.8);
    misturar(s, baque(80, 35, 0.15, 0.8), 0.55, 1.0);
    Sinal garganta = rosnado(r, 0.9, 60);
    Sinal grave = reamostrar(garganta, 0.8);
    misturar(s, grave, 0.55, 0.5);
    misturar(s, estalos(r, 0.8, 40, 5000), 0.6, 0.3);
    return acabar(s, 0.8, 0.3);
}

Sinal som_magia() {
    Rng r(2101);
    // the air thickens: a low swell and a rising howl under the witch's words
    double fase = 0;
    Suave filtro;
    Sinal s = gerar(2.2, [&](double t) {
        double env = adsr(t, 1.7, 0.9, 0.3, 0.9, 0.5);
        fase += (55 + 25 * t) / TAXA;
        return filtro(onda_serra(fase) + 0.6 * onda_serra(fase * 1.5), 150 + 1000 * env) * env;
    });
    misturar(s, ruidovarrido(r, 2.0, 300, 3000, 4.0, 1.2, 0.3), 0.0, 0.6);
    misturar(s, baque(70, 30, 0.2, 0.8), 1.3, 0.9);
    return acabar(s, 0.7, 0.3, 0.7);
}

Sinal som_rosnado() {
    Rng r(3101);
    Sinal s = rosnado(r, 0.9, 52);
    misturar(s, baque(60, 35, 0.2, 0.6), 0.0, 0.6);
    return acabar(s, 0.5, 0.2);
}
