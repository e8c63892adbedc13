// Composing a track: a melody made of motifs over the chord progression, the accompaniment, the bass and
// the drums, all as notes on a grid of sixteenth steps.
#include "musica.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <string>

namespace {

struct Grade {
    const Estilo& e;
    int passo;      // samples a sixteenth
    int porcomp;    // sixteenths a bar
};

// A scale degree (any integer) as a midi note, `oitava` octaves from the key's.
double graumidi(const Estilo& e, int grau, int oitava) {
    int o = grau >= 0 ? grau / 7 : -((6 - grau) / 7);
    int i = grau - 7 * o;
    return e.tonica + 12 * (o + oitava) + e.escala[i];
}

// Rhythm cells of one bar, in sixteenths (first eight for four beats, the rest for three).
const std::vector<std::vector<int>> CELULAS4 = {
    {4, 4, 4, 4}, {6, 2, 4, 4}, {4, 2, 2, 8}, {8, 4, 4}, {2, 2, 4, 8}, {4, 4, 8}, {12, 4}, {2, 2, 2, 2, 4, 4}, {4, 2, 2, 4, 4},
};
const std::vector<std::vector<int>> CELULAS3 = {
    {4, 4, 4}, {6, 2, 4}, {8, 4}, {4, 2, 2, 4}, {2, 2, 4, 4}, {4, 8},
};

struct NotaFrase { int passo, dur, grau; };

// The chord tone nearest to `alvo` for a chord on degree `d`.
int tomdeacorde(int d, int alvo) {
    int melhor = d, dist = 1000;
    for (int o = -14; o <= 14; o += 7)
        for (int k : {0, 2, 4}) {
            int g = d + k + o;
            if (std::abs(g - alvo) < dist) { dist = std::abs(g - alvo); melhor = g; }
        }
    return melhor;
}

// The root of a chord on degree `d` nearest to `alvo`.
int raizproxima(int d, int alvo) {
    int g = d;
    while (g + 7 <= alvo + 3) g += 7;
    while (g - 7 >= alvo - 3) g -= 7;
    return g;
}

std::vector<int> celula(Rng& r, const Grade& g, double densidade) {
    const auto& cs = g.porcomp == 16 ? CELULAS4 : CELULAS3;
    // denser styles pick among cells with more notes
    int i = r.below(int(cs.size()));
    int j = r.below(int(cs.size()));
    bool maisnotas = r.uniform() < densidade;
    return (cs[size_t(i)].size() >= cs[size_t(j)].size()) == maisnotas ? cs[size_t(i)] : cs[size_t(j)];
}

// One bar of melody: each note steps from the last; notes on strong beats land on chord tones.
void compasso(Rng& r, const Grade& g, int d, const std::vector<int>& ritmo, int bar, int& grau, std::vector<NotaFrase>& out) {
    int p = 0;
    for (int dur : ritmo) {
        bool forte = p == 0 || (g.porcomp == 16 && p == 8);
        int passo = std::array<int, 8>{-1, 1, -1, 1, -2, 2, 0, 3}[size_t(r.below(8))];
        if (grau > 7) passo = -std::abs(passo);
        if (grau < 0) passo = std::abs(passo);
        grau += passo;
        if (forte) grau = tomdeacorde(d, grau);
        bool pausa = !forte && dur <= 4 && r.uniform() < 0.08;
        if (!pausa) out.push_back({bar * g.porcomp + p, dur, grau});
        p += dur;
    }
}

// Eight bars: a two-bar motif, a reply, a half close, the motif again over the new chords, and a full close.
std::vector<NotaFrase> frase(Rng& r, const Grade& g, const int* prog) {
    std::vector<NotaFrase> out;
    int grau = 4;
    std::vector<int> ritmos[3];
    for (auto& rt : ritmos) rt = celula(r, g, g.e.densidade);
    for (int b = 0; b < 3; b++) compasso(r, g, prog[b], ritmos[b], b, grau, out);
    std::vector<int> meia = g.porcomp == 16 ? std::vector<int>{4, 4, 8} : std::vector<int>{4, 8};
    compasso(r, g, prog[3], meia, 3, grau, out);
    // bars 4 and 5 repeat the motif moved by the step between the chords
    size_t motivo = out.size();
    int desloca = prog[4] - prog[0];
    for (size_t i = 0; i < motivo; i++) {
        if (out[i].passo >= 2 * g.porcomp) break;
        NotaFrase n = out[i];
        n.passo += 4 * g.porcomp;
        n.grau += desloca;
        if (n.passo % g.porcomp == 0) n.grau = tomdeacorde(prog[n.passo / g.porcomp], n.grau);
        while (n.grau > 9) n.grau -= 7;
        while (n.grau < -2) n.grau += 7;
        out.push_back(n);
        grau = n.grau;
    }
    compasso(r, g, prog[6], ritmos[1], 6, grau, out);
    out.push_back({7 * g.porcomp, g.porcomp - 2, raizproxima(prog[7], grau)});
    return out;
}

void acrescentar(std::vector<Nota>& v, const Grade& g, int passo, int dur, double midi, double vel, Instrumento i, Rng& r) {
    int folga = r.below(amostras(0.006));  // a player is never exactly on the grid
    v.push_back({passo * g.passo + folga, dur * g.passo, midi, vel * r.range(0.88, 1.0), i});
}

// Broken-chord figures: the step between notes in sixteenths, and the chord degrees over the root.
struct Arpejo { int passo, n; int graus[16]; };
const Arpejo ARPEJOS[] = {
    {2, 12, {0, 2, 4, 7, 4, 2, 0, 4, 2, 4, 7, 9}},                    // 0 up and down, a lute
    {2, 4, {0, 4, 7, 4}},                                            // 1 a folk strum: root, fifth, octave
    {2, 8, {0, 2, 4, 7, 9, 11, 14, 11}},                             // 2 a harp climbing two octaves
    {1, 16, {0, 0, 7, 0, 0, 7, 0, 4, 0, 0, 7, 0, 0, 7, 4, 7}},       // 3 a driving pulse
};
static_assert(sizeof(ARPEJOS) / sizeof(ARPEJOS[0]) == 4);

void acompanhar(std::vector<Nota>& v, const Grade& g, int bar, int d, bool leve, Rng& r) {
    const Estilo& e = g.e;
    int base = bar * g.porcomp;
    if (leve) {  // a quiet section: the chord held, nothing moving under the tune
        for (int k : {0, 2, 4}) acrescentar(v, g, base, g.porcomp - 1, graumidi(e, d + k, 0) - (d + k > 4 ? 12 : 0), 0.4, e.harmonia, r);
        return;
    }
    if (e.acompanhamento == 0 || e.acompanhamento == 2)
        for (int k : {0, 2, 4}) acrescentar(v, g, base, g.porcomp - 1, graumidi(e, d + k, 0) - (d + k > 4 ? 12 : 0), 0.5, e.harmonia, r);
    if (e.acompanhamento == 1 || e.acompanhamento == 2) {
        const Arpejo& a = ARPEJOS[e.arpejo];
        for (int s = 0; s < g.porcomp / a.passo; s++)
            acrescentar(v, g, base + a.passo * s, a.passo + 1, graumidi(e, d + a.graus[s % a.n], 0), s == 0 ? 0.75 : 0.55, CORDA, r);
    }
    if (e.acompanhamento == 3)
        for (int s : {0, 6, 12}) {
            if (s >= g.porcomp) break;
            for (int k : {0, 2, 4}) acrescentar(v, g, base + s, 2, graumidi(e, d + k, 0), 0.6, e.harmonia, r);
        }
}

void baixar(std::vector<Nota>& v, const Grade& g, int bar, int d, bool leve, Rng& r) {
    const Estilo& e = g.e;
    int base = bar * g.porcomp;
    double raiz = graumidi(e, d, -2), quinta = graumidi(e, d + 4, -2);
    if (raiz > e.tonica - 17) { raiz -= 12; quinta -= 12; }
    if (leve) {
        acrescentar(v, g, base, g.porcomp - 1, raiz, 0.6, BAIXO, r);
        return;
    }
    if (e.baixo == 0) acrescentar(v, g, base, g.porcomp - 1, raiz, 0.8, BAIXO, r);
    if (e.baixo == 1) {
        int meio = g.porcomp == 16 ? 8 : 8;
        acrescentar(v, g, base, meio - 1, raiz, 0.85, BAIXO, r);
        acrescentar(v, g, base + meio, g.porcomp - meio - 1, quinta, 0.7, BAIXO, r);
    }
    if (e.baixo == 2)
        for (int s = 0; s < g.porcomp; s += 2) acrescentar(v, g, base + s, 1, s == 6 || s == 14 ? raiz + 12 : raiz, s % 4 ? 0.6 : 0.85, BAIXO, r);
}

// Drum patterns: for each instrument, the sixteenths it plays and how hard.
struct Golpe { Instrumento i; int passo; double vel; };
const std::map<int, std::vector<Golpe>> BATERIAS = {
    {1, {{BUMBO, 0, 0.9}, {BUMBO, 8, 0.8}, {BUMBO, 10, 0.6}, {CAIXA, 4, 0.7}, {CAIXA, 12, 0.7}, {CHIMBAL, 0, 0.6}, {CHIMBAL, 2, 0.35},
         {CHIMBAL, 4, 0.5}, {CHIMBAL, 6, 0.35}, {CHIMBAL, 8, 0.6}, {CHIMBAL, 10, 0.35}, {CHIMBAL, 12, 0.5}, {CHIMBAL, 14, 0.35}}},  // adventure
    {2, {{BUMBO, 0, 0.9}, {BUMBO, 6, 0.6}, {BUMBO, 8, 0.8}, {TAMBOR, 10, 0.5}, {TAMBOR, 14, 0.6}, {CAIXA, 12, 0.5},
         {CHIMBAL, 0, 0.5}, {CHIMBAL, 1, 0.2}, {CHIMBAL, 2, 0.35}, {CHIMBAL, 3, 0.2}, {CHIMBAL, 4, 0.5}, {CHIMBAL, 5, 0.2}, {CHIMBAL, 6, 0.35},
         {CHIMBAL, 7, 0.2}, {CHIMBAL, 8, 0.5}, {CHIMBAL, 9, 0.2}, {CHIMBAL, 10, 0.35}, {CHIMBAL, 11, 0.2}, {CHIMBAL, 12, 0.5},
         {CHIMBAL, 13, 0.2}, {CHIMBAL, 14, 0.35}, {CHIMBAL, 15, 0.2}}},  // tense defence
    {3, {{TAMBOR, 0, 0.35}}},  // the cemetery: a distant drum on each bar
    {4, {{BUMBO, 0, 0.8}, {BUMBO, 8, 0.7}, {CAIXA, 0, 0.6}, {CAIXA, 4, 0.45}, {CAIXA, 6, 0.3}, {CAIXA, 7, 0.3}, {CAIXA, 8, 0.6},
         {CAIXA, 12, 0.45}, {CAIXA, 13, 0.25}, {CAIXA, 14, 0.3}, {CAIXA, 15, 0.3}}},  // forest march
    {5, {{TAMBOR, 0, 0.9}, {TAMBOR, 3, 0.5}, {TAMBOR, 6, 0.6}, {TAMBOR, 8, 0.8}, {TAMBOR, 10, 0.5}, {TAMBOR, 12, 0.6}, {TAMBOR, 14, 0.5},
         {BUMBO, 0, 0.8}, {BUMBO, 8, 0.8}, {CHIMBAL, 2, 0.4}, {CHIMBAL, 6, 0.4}, {CHIMBAL, 10, 0.4}, {CHIMBAL, 14, 0.4}}},  // danger
    {6, {{TAMBOR, 0, 1.0}, {TAMBOR, 6, 0.7}, {TAMBOR, 8, 0.9}, {TAMBOR, 14, 0.6}, {BUMBO, 0, 0.9}, {BUMBO, 3, 0.6}, {BUMBO, 8, 0.9},
         {BUMBO, 11, 0.6}, {CAIXA, 4, 0.8}, {CAIXA, 12, 0.8}, {CHIMBAL, 0, 0.4}, {CHIMBAL, 2, 0.3}, {CHIMBAL, 4, 0.4}, {CHIMBAL, 6, 0.3},
         {CHIMBAL, 8, 0.4}, {CHIMBAL, 10, 0.3}, {CHIMBAL, 12, 0.4}, {CHIMBAL, 14, 0.3}}},  // the final war
};

void percutir(std::vector<Nota>& v, const Grade& g, int bar, bool fimdesecao, bool iniciodesecao, bool leve, Rng& r) {
    auto it = BATERIAS.find(g.e.bateria);
    if (it == BATERIAS.end()) return;
    int base = bar * g.porcomp;
    // a quiet section keeps the drums out; only its last bar's roll brings them back
    if (!leve)
        for (const Golpe& gp : it->second)
            if (gp.passo < g.porcomp && !(fimdesecao && gp.passo >= 12 && gp.i == CAIXA))
                acrescentar(v, g, base + gp.passo, 1, 60, gp.vel, gp.i, r);
    if (fimdesecao && g.e.bateria != 3)  // a roll into the next section
        for (int s = 12; s < 16 && s < g.porcomp; s++) acrescentar(v, g, base + s, 1, 60, 0.4 + 0.1 * (s - 12), CAIXA, r);
    if (iniciodesecao && !leve && g.e.bateria != 3 && g.e.bateria != 4) acrescentar(v, g, base, 1, 60, 0.7, PRATO, r);
}

// The tune of one section. From its second time on a loud section gets a second voice a third below
// on the long notes; the first section holds the tune back four bars so the track can open.
void melodia(std::vector<Nota>& v, const Grade& g, const std::vector<NotaFrase>& frase, int secao, int vez, bool leve,
             Instrumento lead, Rng& r) {
    int primeiro = secao * COMPASSOSFRASE * g.porcomp;
    for (const NotaFrase& n : frase) {
        if (secao == 0 && n.passo < 4 * g.porcomp) continue;
        int dur = std::max(1, n.dur - 1);
        acrescentar(v, g, primeiro + n.passo, dur, graumidi(g.e, n.grau, g.e.oitavamelodia), leve ? 0.65 : 0.8, lead, r);
        if (vez > 0 && !leve && n.dur >= 4)
            acrescentar(v, g, primeiro + n.passo, dur, graumidi(g.e, n.grau - 2, g.e.oitavamelodia), 0.4, CORDAS, r);
    }
}

}  // namespace

// The form's letters name the sections: A and B loud, a and b the same music played quietly.
std::vector<Nota> compor(const Estilo& e, uint64_t semente, int& passo, int& total) {
    Rng r(semente);
    passo = int(std::lround(TAXA * 60.0 / e.bpm / 4));
    Grade g{e, passo, e.tempos * 4};
    std::map<char, std::vector<NotaFrase>> frases;
    for (const char* c = e.forma; *c; c++) {
        char letra = char(std::toupper(*c));
        if (!frases.count(letra)) frases[letra] = frase(r, g, letra == 'A' ? e.secaoa : e.secaob);
    }
    std::vector<Nota> v;
    std::map<char, int> vezes;
    int secao = 0;
    for (const char* c = e.forma; *c; c++, secao++) {
        char letra = char(std::toupper(*c));
        bool leve = letra != *c;
        const int* prog = letra == 'A' ? e.secaoa : e.secaob;
        melodia(v, g, frases[letra], secao, vezes[letra]++, leve, letra == 'A' ? e.melodia : e.melodia2, r);
        for (int b = 0; b < COMPASSOSFRASE; b++) {
            int bar = secao * COMPASSOSFRASE + b;
            acompanhar(v, g, bar, prog[b], leve, r);
            baixar(v, g, bar, prog[b], leve, r);
            percutir(v, g, bar, b == COMPASSOSFRASE - 1, b == 0, leve, r);
        }
    }
    total = int(std::string(e.forma).size()) * COMPASSOSFRASE * g.porcomp * passo;
    return v;
}
