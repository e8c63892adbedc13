// The sound generator's building blocks: mixing, levels, oscillators, envelopes, filters and reverb.
#include "sintese.h"

#include <algorithm>

void misturar(Sinal& destino, const Sinal& fonte, double inicio, double ganho) {
    size_t o = size_t(std::max(0, amostras(inicio)));
    if (destino.size() < o + fonte.size()) destino.resize(o + fonte.size(), 0.0f);
    for (size_t i = 0; i < fonte.size(); i++) destino[o + i] += float(fonte[i] * ganho);
}

double picode(const Sinal& s) {
    double p = 0;
    for (float v : s) p = std::max(p, double(std::fabs(v)));
    return p;
}

double rmsde(const Sinal& s) {
    if (s.empty()) return 0;
    double q = 0;
    for (float v : s) q += double(v) * v;
    return std::sqrt(q / double(s.size()));
}

void normalizar(Sinal& s, double pico) {
    double p = picode(s);
    if (p <= 1e-9) return;
    for (float& v : s) v = float(v * pico / p);
}

void nivelar(Sinal& s, double rms, double teto) {
    double r = rmsde(s);
    if (r <= 1e-9) return;
    // a soft knee above 70 % of the ceiling: tanh keeps loud peaks round instead of clipped
    double joelho = teto * 0.7;
    for (float& v : s) {
        double x = v * rms / r, a = std::fabs(x);
        if (a > joelho) a = joelho + (teto - joelho) * std::tanh((a - joelho) / (teto - joelho));
        v = float(x < 0 ? -a : a);
    }
}

void suavizarpontas(Sinal& s, double entrada, double saida) {
    size_t n = s.size(), a = std::min(n, size_t(amostras(entrada))), b = std::min(n, size_t(amostras(saida)));
    for (size_t i = 0; i < a; i++) s[i] *= float(double(i) / a);
    for (size_t i = 0; i < b; i++) s[n - 1 - i] *= float(double(i) / b);
}

void aparar(Sinal& s, double limiar) {
    size_t ini = 0, fim = s.size();
    while (ini < fim && std::fabs(s[ini]) < limiar) ini++;
    while (fim > ini && std::fabs(s[fim - 1]) < limiar) fim--;
    // keep a breath of the quiet edges so consonants are not cut
    ini = ini > 200 ? ini - 200 : 0;
    fim = std::min(s.size(), fim + 400);
    s = Sinal(s.begin() + long(ini), s.begin() + long(fim));
}

double onda_seno(double fase) { return std::sin(DOISPI * fase); }
double onda_triangulo(double fase) {
    double f = fase - std::floor(fase);
    return f < 0.5 ? 4 * f - 1 : 3 - 4 * f;
}
double onda_serra(double fase) { return 2 * (fase - std::floor(fase)) - 1; }
double onda_quadrada(double fase, double ciclo) { return fase - std::floor(fase) < ciclo ? 1.0 : -1.0; }

double adsr(double t, double dur, double a, double d, double s, double r) {
    if (t < 0) return 0;
    auto nivel = [&](double u) {
        if (u < a) return u / a;
        if (u < a + d) return 1.0 - (1.0 - s) * (u - a) / d;
        return s;
    };
    if (t < dur) return nivel(t);
    double fim = nivel(dur), u = t - dur;
    return u >= r ? 0.0 : fim * (1.0 - u / r);
}

// RBJ cookbook coefficients, normalised by a0.
static void ajustar(Biquad& f, double b0, double b1, double b2, double a0, double a1, double a2) {
    f.b0 = b0 / a0; f.b1 = b1 / a0; f.b2 = b2 / a0; f.a1 = a1 / a0; f.a2 = a2 / a0;
}
void Biquad::passabaixa(double freq, double q) {
    double w = DOISPI * std::min(freq, TAXA * 0.45) / TAXA, al = std::sin(w) / (2 * q), c = std::cos(w);
    ajustar(*this, (1 - c) / 2, 1 - c, (1 - c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::passaalta(double freq, double q) {
    double w = DOISPI * std::min(freq, TAXA * 0.45) / TAXA, al = std::sin(w) / (2 * q), c = std::cos(w);
    ajustar(*this, (1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::passabanda(double freq, double q) {
    double w = DOISPI * std::min(freq, TAXA * 0.45) / TAXA, al = std::sin(w) / (2 * q), c = std::cos(w);
    ajustar(*this, al, 0, -al, 1 + al, -2 * c, 1 - al);
}
float Biquad::operator()(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1; x1 = x; y2 = y1; y1 = y;
    return float(y);
}

void filtrar_passaalta(Sinal& s, double freq) {
    Biquad f; f.passaalta(freq);
    for (float& v : s) v = f(v);
}
void filtrar_passabaixa(Sinal& s, double freq) {
    Biquad f; f.passabaixa(freq);
    for (float& v : s) v = f(v);
}

// Comb and all-pass lengths in samples at 22 050 Hz (mutually prime, the classic proportions).
static const int COMBS[4] = {1116 / 2 + 3, 1188 / 2 + 1, 1277 / 2, 1356 / 2 + 1};
static const int ALLPASS[2] = {556 / 2 + 1, 441 / 2};

Sinal reverberar(const Sinal& s, double sala, double mistura, double caudaseg, int espalha) {
    const double escala = double(TAXA) / TAXAEFEITOS;  // the same room at any rate
    size_t n = s.size() + size_t(amostras(caudaseg));
    Sinal molhado(n, 0.0f);
    for (int c = 0; c < 4; c++) {
        int len = int(COMBS[c] * (0.6 + sala) * escala) + espalha;
        std::vector<float> buf(size_t(len), 0.0f);
        double amortece = 0.0;
        double ganho = 0.72 + 0.12 * sala;
        for (size_t i = 0; i < n; i++) {
            float x = i < s.size() ? s[i] : 0.0f;
            size_t k = i % size_t(len);
            float y = buf[k];
            amortece = y * 0.6 + amortece * 0.4;  // highs die first, like a real room
            buf[k] = float(x + amortece * ganho);
            molhado[i] += y * 0.25f;
        }
    }
    for (int a = 0; a < 2; a++) {
        std::vector<float> buf(size_t(ALLPASS[a] * escala) + size_t(espalha / 2), 0.0f);
        for (size_t i = 0; i < n; i++) {
            size_t k = i % buf.size();
            float b = buf[k], x = molhado[i];
            buf[k] = x + b * 0.5f;
            molhado[i] = b - x * 0.5f;
        }
    }
    Sinal saida(n, 0.0f);
    for (size_t i = 0; i < n; i++) saida[i] = float((i < s.size() ? s[i] : 0.0f) * (1 - mistura) + molhado[i] * mistura);
    return saida;
}

double ler(const Sinal& s, double pos) {
    if (pos < 0 || s.empty()) return 0;
    size_t i = size_t(pos);
    if (i + 1 >= s.size()) return i < s.size() ? s[i] : 0.0;
    double f = pos - double(i);
    return s[i] * (1 - f) + s[i + 1] * f;
}

Sinal reamostrar(const Sinal& s, double razao) {
    size_t n = size_t(double(s.size()) / razao);
    Sinal r(n);
    for (size_t i = 0; i < n; i++) r[i] = float(ler(s, double(i) * razao));
    return r;
}
