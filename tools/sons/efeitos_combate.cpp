// Sounds of fighting and work: the quake, the skeleton, hammering, blows, arrows and the explosion.
#include "efeitos.h"

#include <algorithm>

// Every effect ends the same way: a touch of room, a common peak level and soft edges.
static Sinal acabar(Sinal s, double sala, double mistura, double pico = 0.85) {
    Sinal r = reverberar(s, sala, mistura, 0.3);
    normalizar(r, pico);
    suavizarpontas(r, 0.002, 0.03);
    return r;
}

Sinal som_terremoto() {
    Rng r(2701);
    Biquad pb1, pb2;
    pb1.passabaixa(90, 1.0);
    pb2.passabaixa(140, 0.7);
    // deep shaking rumble
    Sinal s = gerar(1.8, [&](double t) {
        double treme = 0.6 + 0.4 * onda_seno(7 * t + 0.3 * onda_seno(2.1 * t));
        return (pb1(ruido(r)) * 3 + pb2(ruido(r))) * treme * adsr(t, 1.2, 0.08, 0.3, 0.7, 0.6);
    });
    // heavy thumps of the ground and stones falling
    for (int k = 0; k < 4; k++) misturar(s, baque(70 - 8 * k, 32, 0.12, 0.5), 0.02 + 0.28 * k, 0.9 - 0.15 * k);
    misturar(s, estalos(r, 1.4, 40, 1300), 0.15, 0.35);
    return acabar(s, 0.5, 0.15);
}

Sinal som_esqueleto() {
    Rng r(3001);
    Sinal s;
    double t = 0;
    // bones knocking together, faster and faster, like a jaw chattering
    for (int k = 0; k < 16; k++) {
        Biquad f;
        f.passabanda(r.range(1100, 2600), 9.0);
        double g = r.range(0.5, 1.0);
        Sinal clac = gerar(0.05, [&](double u) { return f(ruido(r) * decai(u, 0.0015)) * decai(u, 0.012) * g; });
        misturar(s, clac, t);
        t += std::max(0.03, 0.075 - 0.003 * k) + r.range(0, 0.02);
    }
    // a hollow knock of the skull at the end
    misturar(s, baque(420, 300, 0.03, 0.12), t, 0.5);
    return acabar(s, 0.3, 0.12);
}

Sinal som_martelo(int k) {
    Rng r(3200 + uint64_t(k));
    // the nail rings, the wood answers with a dull knock
    const double prego[] = {1.0, 1.61, 2.47, 3.11};
    double base = k == 0 ? 1650 : 1900;
    Sinal s = metal(prego, 4, base, 0.035, 0.3);
    misturar(s, baque(k == 0 ? 210 : 240, 140, 0.04, 0.2), 0.0, 0.9);
    misturar(s, ruidovarrido(r, 0.05, 2500, 1800, 1.0, 0.0005, 0.006), 0.0, 0.8);
    return acabar(s, 0.3, 0.12);
}

Sinal som_golpe(int k) {
    Rng r(3400 + uint64_t(k));
    Sinal s;
    if (k == 0) {
        // a sword swung and striking a blade: swish, then clang
        misturar(s, ruidovarrido(r, 0.16, 1200, 3500, 2.0, 0.1, 0.02), 0.0, 0.6);
        const double lamina[] = {1.0, 1.52, 2.37, 3.41, 4.3};
        misturar(s, metal(lamina, 5, 1180, 0.09, 0.5), 0.12);
        misturar(s, ruidovarrido(r, 0.04, 4000, 3000, 0.8, 0.0005, 0.005), 0.12, 0.7);
    } else if (k == 1) {
        // a club on a body: a low thud with a slap on top
        misturar(s, ruidovarrido(r, 0.14, 600, 1500, 1.5, 0.09, 0.02), 0.0, 0.5);
        misturar(s, baque(160, 55, 0.06, 0.3), 0.1, 1.0);
        misturar(s, ruidovarrido(r, 0.06, 900, 500, 1.2, 0.0005, 0.012), 0.1, 0.9);
    } else {
        // a fast slash that bites: a whistling swish and a sharp thwack
        misturar(s, ruidovarrido(r, 0.12, 4000, 1500, 3.0, 0.07, 0.02), 0.0, 0.7);
        misturar(s, ruidovarrido(r, 0.07, 1800, 700, 1.3, 0.0005, 0.01), 0.09, 1.0);
        misturar(s, baque(220, 90, 0.035, 0.2), 0.09, 0.7);
    }
    return acabar(s, 0.2, 0.1);
}

Sinal som_flecha() {
    Rng r(3701);
    // the bowstring: a plucked low note that buzzes and dies, then the arrow's whoosh moving away
    double fase = 0;
    Sinal corda = gerar(0.3, [&](double t) {
        fase += (150 - 40 * std::min(1.0, t * 8)) / TAXA;
        return (onda_triangulo(fase) + 0.3 * onda_serra(2 * fase)) * decai(t, 0.04) * std::min(1.0, t * 4000);
    });
    Sinal s;
    misturar(s, corda, 0.0, 0.9);
    misturar(s, ruidovarrido(r, 0.35, 3000, 900, 2.5, 0.03, 0.08), 0.02, 0.8);
    return acabar(s, 0.3, 0.1);
}

Sinal som_flechada() {
    Rng r(3801);
    // a thunk into wood or hide, the shaft still quivering a moment
    Sinal s = ruidovarrido(r, 0.04, 2500, 1500, 1.0, 0.0005, 0.004);
    misturar(s, baque(300, 180, 0.03, 0.2), 0.0, 1.0);
    double fase = 0;
    misturar(s, gerar(0.2, [&](double t) {
        fase += (95 + 10 * onda_seno(30 * t)) / TAXA;
        return onda_triangulo(fase) * decai(t, 0.05) * 0.4;
    }), 0.005);
    return acabar(s, 0.25, 0.1);
}

Sinal som_explosao() {
    Rng r(3901);
    Sinal s;
    // the fire's whoosh, then the blast: noise whose filter closes as the boom fades
    misturar(s, ruidovarrido(r, 0.25, 500, 2500, 1.0, 0.2, 0.05), 0.0, 0.5);
    Suave filtro;
    Sinal boom = gerar(1.6, [&](double t) {
        double env = decai(t, 0.18) * std::min(1.0, t * 1500);
        return filtro(ruido(r), 200 + 3500 * decai(t, 0.08)) * env * 2.5;
    });
    misturar(s, boom, 0.2);
    misturar(s, baque(90, 30, 0.2, 1.0), 0.2, 1.0);
    // burning crackle in the tail
    misturar(s, estalos(r, 1.4, 45, 2500), 0.35, 0.35);
    return acabar(s, 0.6, 0.2);
}

Sinal som_chamas() {
    Rng r(2801);
    // a roaring flame: low noise breathing under a busy crackle
    Suave filtro;
    Sinal s = gerar(1.5, [&](double t) {
        return filtro(ruido(r), 500 + 300 * onda_seno(3 * t)) * 1.5 * adsr(t, 1.1, 0.1, 0.2, 0.8, 0.4);
    });
    misturar(s, estalos(r, 1.4, 60, 2200), 0.0, 0.6);
    return acabar(s, 0.3, 0.1, 0.6);
}
