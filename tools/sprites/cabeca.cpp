// Heads: skull, face (eyes, brows, nose, mouth, ears), hair and beard, and the headgear, built
// as volumes so that every facing shows the face or the back of the head it really has.
#include <algorithm>
#include <cmath>

#include "corpo.h"

namespace boneco {

namespace {

Material liso(Tinta cor, double brilho = 0.1, bool forte = false) {
    Material m;
    m.cor = cor;
    m.brilho = brilho;
    m.forte = forte;
    return m;
}

// An eye on the face at (x, y, z) in head radii: a dark eye with its white on large faces, or a glow.
void olho(Cena& c, const Humano& h, const Corpo& b, double x, double y, double z, double tam) {
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    V3 centro = k.pt(x * rh, y * rh, z * rh);
    if (h.olhosbrilham) {
        Material m = liso(h.olho, 0, true);
        m.emite = true;
        m.linha = 0.4;
        c.elipsoide(centro, k.x * (0.17 * rh * tam), k.y * (0.13 * rh * tam), k.z * (0.12 * rh * tam), c.material(m));
        return;
    }
    bool grande = rh * tam > 7.5;  // the eye's white reads from a head of about 15 pixels
    if (grande) {
        Material branco = liso(rgb(240, 236, 226), 0.3, true);
        branco.linha = 0.5;
        c.elipsoide(centro, k.x * (0.2 * rh * tam), k.y * (0.1 * rh * tam), k.z * (0.15 * rh * tam), c.material(branco));
    }
    Material pupila = liso(h.olho, 0.6, true);
    pupila.linha = 0;
    pupila.dureza = 40;
    double s = x > 0 ? 1 : -1;
    c.elipsoide(centro + k.y * (grande ? 0.06 * rh : 0) + k.x * (-s * 0.02 * rh), k.x * (0.13 * rh * tam), k.y * (0.09 * rh * tam),
                k.z * (0.16 * rh * tam), c.material(pupila));
}

void sobrancelha(Cena& c, const Corpo& b, double x, double grosso, int mat, double bravo) {
    const Eixos& k = b.cabeca;
    double rh = b.rh, s = x > 0 ? 1 : -1;
    V3 a = k.pt(s * 0.12 * rh, 0.9 * rh, (0.3 - 0.08 * bravo) * rh), z = k.pt(s * 0.56 * rh, 0.78 * rh, (0.36 + 0.06 * bravo) * rh);
    c.cone(a, z, grosso * rh, grosso * 0.7 * rh, mat);
}

// The headgear.
void chapeu(Cena& c, const Humano& h, const Corpo& b) {
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    Material m;
    m.cor = h.chapeu;
    m.textura = TECIDO;
    m.verso = h.chapeu.escura(0.5);
    switch (h.chapeu_tipo) {
    case ABAS: {  // a wide-brimmed felt hat with a band
        c.novaparte();
        Eixos e = gira_eixos(k, -0.3, 0, 0);
        int mat = c.material(m);
        V3 base = e.pt(0, -0.12 * rh, 0.62 * rh);
        c.tubo({{base + e.z * (0.05 * rh), e.x * (0.96 * rh), e.y * (1.0 * rh)},
                {base - e.z * (0.04 * rh), e.x * (1.3 * rh), e.y * (1.34 * rh)},
                {base - e.z * (0.18 * rh), e.x * (1.5 * rh), e.y * (1.54 * rh)}},
               24, mat, 0, 2 * M_PI, false, false, [](double s, double a) { return 1 + 0.04 * s * std::sin(3 * a); });
        c.tubo({{base, e.x * (0.92 * rh), e.y * (0.96 * rh)},
                {base + e.z * (0.55 * rh), e.x * (0.86 * rh), e.y * (0.9 * rh)},
                {base + e.z * (0.95 * rh), e.x * (0.72 * rh), e.y * (0.78 * rh)}},
               18, mat, 0, 2 * M_PI, false, true, [](double s, double a) { return 1 - 0.08 * s * s * std::pow(std::sin(a), 2); });
        c.novaparte();
        Material fita = liso(h.detalhe, 0.15);
        c.tubo({{base + e.z * (0.02 * rh), e.x * (0.95 * rh), e.y * (0.99 * rh)}, {base + e.z * (0.26 * rh), e.x * (0.93 * rh), e.y * (0.97 * rh)}},
               18, c.material(fita));
        break;
    }
    case BONE: {  // a builder's felt cap with a rolled brim and a feather
        c.novaparte();
        int mat = c.material(m);
        Eixos e = gira_eixos(k, -0.1, 0, 0.08);
        c.elipsoide(e.pt(0, -0.08 * rh, 0.42 * rh), e.x * (1.02 * rh), e.y * (1.06 * rh), e.z * (0.82 * rh), mat);
        c.novaparte();
        Material aba = m;
        aba.cor = h.chapeu.escura(0.78);
        c.tubo({{e.pt(0, -0.08 * rh, 0.22 * rh), e.x * (1.06 * rh), e.y * (1.1 * rh)},
                {e.pt(0, -0.08 * rh, 0.36 * rh), e.x * (1.16 * rh), e.y * (1.2 * rh)},
                {e.pt(0, -0.08 * rh, 0.5 * rh), e.x * (1.1 * rh), e.y * (1.14 * rh)}},
               20, c.material(aba));
        c.novaparte();
        Material pena = liso(h.detalhe, 0.2);
        V3 raiz = e.pt(0.95 * rh, -0.3 * rh, 0.45 * rh);
        V3 d = unit(e.dir(0.35, -0.75, 0.55));
        V3 lado = unit(cross(d, b.olhar));
        c.placa(raiz + d * (0.6 * rh), d, lado, {{-0.7 * rh, 0}, {-0.2 * rh, 0.22 * rh}, {0.7 * rh, 0.05 * rh}, {-0.2 * rh, -0.18 * rh}}, 0.06 * rh,
                c.material(pena));
        break;
    }
    case PONTUDO: {  // the witch's hat: a wide brim and a crooked cone
        c.novaparte();
        int mat = c.material(m);
        Eixos e = gira_eixos(k, -0.3, 0, 0);
        V3 base = e.pt(0, -0.12 * rh, 0.6 * rh);
        c.tubo({{base + e.z * (0.05 * rh), e.x * (0.95 * rh), e.y * (0.98 * rh)},
                {base - e.z * (0.04 * rh), e.x * (1.45 * rh), e.y * (1.5 * rh)},
                {base - e.z * (0.18 * rh), e.x * (1.78 * rh), e.y * (1.82 * rh)}},
               26, mat, 0, 2 * M_PI, false, false, [](double s, double a) { return 1 + 0.06 * s * std::sin(5 * a + 1); });
        std::vector<Anel> cone;
        V3 p = base;
        V3 dir = e.z;
        double r = 0.92 * rh;
        for (int i = 0; i <= 7; i++) {
            double t = i / 7.0;
            cone.push_back({p, e.x * (r * (1 - t) + 0.03 * rh), e.y * (r * (1 - t) + 0.03 * rh)});
            p = p + dir * (0.42 * rh);
            dir = unit(dir + e.y * (-0.07 - 0.06 * t) + e.x * (0.04 + 0.12 * t) + e.z * (-0.06 * t * t));
        }
        c.tubo(cone, 16, mat, 0, 2 * M_PI, false, true);
        c.novaparte();
        Material fita = liso(h.detalhe, 0.2);
        c.tubo({{base + e.z * (0.04 * rh), e.x * (0.93 * rh), e.y * (0.96 * rh)}, {base + e.z * (0.3 * rh), e.x * (0.86 * rh), e.y * (0.89 * rh)}},
               18, c.material(fita));
        Material ou = liso(rgb(226, 190, 80), 0.6);
        ou.textura = OURO;
        c.elipsoide(e.pt(0, 0.86 * rh, 0.67 * rh), e.x * (0.22 * rh), e.y * (0.05 * rh), e.z * (0.16 * rh), c.material(ou));
        break;
    }
    case CHIFRES: {
        c.novaparte();
        Material ch = liso(rgb(232, 214, 176), 0.25);
        ch.textura = OSSO;
        int mat = c.material(ch);
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            V3 p = k.pt(s * 0.55 * rh, 0.25 * rh, 0.55 * rh);
            V3 dir = unit(k.dir(s * 0.8, 0.15, 0.6));
            double r = 0.3 * rh;
            std::vector<Anel> an;
            for (int i = 0; i <= 6; i++) {
                V3 lado = unit(cross(dir, k.y)), cima = unit(cross(lado, dir));
                an.push_back({p, lado * r, cima * r});
                p = p + dir * (0.32 * rh);
                dir = unit(dir + k.z * 0.35 + k.x * (-s * 0.22) + k.y * (-0.05));
                r *= 0.78;
            }
            c.tubo(an, 10, mat, 0, 2 * M_PI, false, true);
        }
        break;
    }
    case COROA: {  // a tall crown of points with gems
        c.novaparte();
        Material ou = liso(rgb(214, 172, 60), 0.7);
        ou.textura = OURO;
        ou.dureza = 26;
        int mat = c.material(ou);
        Eixos e = gira_eixos(k, -0.08, 0, 0);
        V3 base = e.pt(0, -0.02 * rh, 0.55 * rh);
        c.tubo({{base, e.x * (0.84 * rh), e.y * (0.88 * rh)}, {base + e.z * (0.42 * rh), e.x * (0.92 * rh), e.y * (0.96 * rh)}}, 20, mat);
        for (int i = 0; i < 9; i++) {
            double a = M_PI / 2 + (i - 4) * 2 * M_PI / 9;
            double alto = (i == 4 ? 1.5 : (i == 3 || i == 5 ? 1.05 : 0.8)) * rh;
            V3 d = e.x * std::cos(a) + e.y * std::sin(a);
            V3 raiz = base + d * (0.9 * rh) + e.z * (0.35 * rh);
            V3 ponta = raiz + e.z * alto + d * (0.22 * rh);
            c.cone(raiz, ponta, 0.2 * rh, 0.02 * rh, mat);
        }
        Material gema = liso(h.cormagia, 0.8, true);
        gema.emite = true;
        c.elipsoide(e.pt(0, 0.98 * rh, 0.95 * rh), e.x * (0.2 * rh), e.y * (0.1 * rh), e.z * (0.26 * rh), c.material(gema));
        break;
    }
    case COQUE:
        break;
    case TOPETE: {
        c.novaparte();
        Material ca = liso(h.cabelo, 0.15);
        ca.textura = CABELO;
        int mat = c.material(ca);
        V3 n = k.pt(0, -0.35 * rh, 1.0 * rh);
        c.bola(n, 0.32 * rh, mat);
        c.cone(n, k.pt(0, -1.2 * rh, 1.15 * rh), 0.26 * rh, 0.1 * rh, mat);
        c.cone(k.pt(0, -1.2 * rh, 1.15 * rh), k.pt(0, -1.55 * rh, 0.3 * rh), 0.12 * rh, 0.05 * rh, mat);
        break;
    }
    default: break;
    }
}

}  // namespace

namespace {

// A skull: cranium, dark sockets with a red glint, the nose hole and a grin of teeth.
void caveira(Cena& c, const Humano& h, const Corpo& b) {
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    Material om = liso(h.pele, 0.2);
    om.textura = OSSO;
    int osso = c.material(om);
    c.novaparte();
    c.elipsoide(k.pt(0, -0.05 * rh, 0.12 * rh), k.x * (0.92 * rh), k.y * (1.0 * rh), k.z * (0.95 * rh), osso);
    c.elipsoide(k.pt(0, 0.32 * rh, -0.25 * rh), k.x * (0.72 * rh), k.y * (0.62 * rh), k.z * (0.48 * rh), osso);
    c.elipsoide(k.pt(0, 0.33 * rh, -(0.66 + 0.1 * b.abre) * rh), k.x * (0.56 * rh), k.y * (0.5 * rh), k.z * (0.26 * rh), osso);
    Material esc = liso(rgb(28, 20, 22), 0, true);
    esc.linha = 0;
    int escuro = c.material(esc);
    for (int l = 0; l < 2; l++) {
        V3 o = k.pt(sinal(l) * 0.36 * rh, 0.8 * rh, 0.02 * rh);
        c.elipsoide(o, k.x * (0.25 * rh), k.y * (0.16 * rh), k.z * (0.24 * rh), escuro);
        c.brilho(o + k.y * (0.1 * rh), 0.2 * rh, rgb(255, 60, 40), 0.9);
    }
    c.elipsoide(k.pt(0, 0.92 * rh, -0.26 * rh), k.x * (0.1 * rh), k.y * (0.08 * rh), k.z * (0.14 * rh), escuro);
    Material dm = liso(h.pele.clara(0.3), 0.3, true);
    c.elipsoide(k.pt(0, 0.78 * rh, -0.52 * rh), k.x * (0.4 * rh), k.y * (0.1 * rh), k.z * (0.11 * rh), c.material(dm));
    c.elipsoide(k.pt(0, 0.86 * rh, -0.52 * rh), k.x * (0.34 * rh), k.y * (0.04 * rh), k.z * ((0.025 + 0.05 * b.abre) * rh), escuro);
}

// The fish-man's head: wide mouth with teeth, eyes bulging on top, a fan of red spines and frills.
void cabeca_murloc(Cena& c, const Humano& h, const Corpo& b) {
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    int pele = mat_pele(c, h);
    c.novaparte();
    c.elipsoide(k.pt(0, 0, 0.05 * rh), k.x * (1.0 * rh), k.y * (0.95 * rh), k.z * (0.85 * rh), pele);
    Material bm = liso(h.roupa, 0.25);
    bm.textura = ESCAMAS;
    c.elipsoide(k.pt(0, 0.25 * rh, -(0.5 + 0.08 * b.abre) * rh), k.x * (0.92 * rh), k.y * (0.78 * rh), k.z * (0.42 * rh), c.material(bm));
    Material boca = liso(rgb(70, 18, 30), 0.1, true);
    boca.linha = 0;
    c.elipsoide(k.pt(0, 0.9 * rh, -0.38 * rh), k.x * (0.72 * rh), k.y * (0.14 * rh), k.z * ((0.07 + 0.12 * b.abre) * rh), c.material(boca));
    Material dente = liso(rgb(246, 240, 220), 0.4, true);
    int md = c.material(dente);
    for (int i = -2; i <= 2; i++) {
        if (i == 0) continue;
        V3 raiz = k.pt(i * 0.2 * rh, 0.96 * rh - std::abs(i) * 0.06 * rh, -0.3 * rh);
        c.cone(raiz, raiz + k.z * (-0.2 * rh), 0.07 * rh, 0.01 * rh, md);
    }
    // bulging eyes
    Material am = liso(rgb(250, 226, 80), 0.5, true);
    int amarelo = c.material(am);
    Material pm = liso(rgb(16, 12, 10), 0.6, true);
    pm.linha = 0;
    int preto = c.material(pm);
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        V3 o = k.pt(s * 0.55 * rh, 0.5 * rh, 0.42 * rh);
        c.bola(o, 0.3 * rh, amarelo);
        c.elipsoide(o + k.dir(s * 0.06, 0.22, 0.02) * rh, k.x * (0.12 * rh), k.y * (0.1 * rh), k.z * (0.16 * rh), preto);
    }
    // the crest: red spines fanned over the crown, a web between them, frills at the cheeks
    c.novaparte();
    Material cm = liso(h.cabelo, 0.25);
    cm.verso = h.cabelo.escura(0.7);
    int crista = c.material(cm);
    for (int i = 0; i < 5; i++) {
        double t = i / 4.0;
        V3 raiz = k.pt(0, (0.35 - 1.0 * t) * rh, (0.78 - 0.15 * t) * rh);
        double leque = (t - 0.5) * 1.6;
        V3 dir = unit(k.dir(std::sin(leque) * 0.75, -0.35 - 0.4 * t, 1.0));
        c.cone(raiz, raiz + dir * ((0.75 + 0.35 * (1 - std::fabs(t - 0.4))) * rh), 0.09 * rh, 0.025 * rh, crista);
    }
    c.placa(k.pt(0, 0.3 * rh, 0.7 * rh), k.y * (-1.0), k.z,
            {{0, 0}, {0.1 * rh, 0.85 * rh}, {0.55 * rh, 0.9 * rh}, {1.0 * rh, 0.75 * rh}, {1.35 * rh, 0.35 * rh}, {1.3 * rh, -0.1 * rh}}, 0.06 * rh, crista);
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        V3 o = k.pt(s * 0.88 * rh, -0.05 * rh, -0.15 * rh);
        c.placa(o, unit(k.dir(s * 0.5, -1, 0.2)), unit(k.dir(0, 0.1, 1)),
                {{0, -0.2 * rh}, {0.55 * rh, -0.25 * rh}, {0.75 * rh, 0.05 * rh}, {0.5 * rh, 0.35 * rh}, {0, 0.25 * rh}}, 0.05 * rh, crista);
    }
}

// The stone monster's head: a rough block under a jutting brow, two embers for eyes.
void cabeca_rocha(Cena& c, const Humano& h, const Corpo& b) {
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    Material pm = liso(h.pele, 0.03);
    pm.textura = PEDRA;
    pm.escala = 1.2;
    int pedra = c.material(pm);
    c.novaparte();
    c.pedregulho(k.pt(0, 0, 0), k.x * (1.1 * rh), k.y * (1.0 * rh), k.z * (0.95 * rh), pedra, 80);
    c.pedregulho(k.pt(0, 0.3 * rh, -0.55 * rh), k.x * (0.9 * rh), k.y * (0.75 * rh), k.z * (0.5 * rh), pedra, 81);
    c.pedregulho(k.pt(0, 0.45 * rh, 0.45 * rh), k.x * (1.25 * rh), k.y * (0.6 * rh), k.z * (0.35 * rh), pedra, 82);
    Material em = liso(h.olho, 0, true);
    em.emite = true;
    int brasa = c.material(em);
    for (int l = 0; l < 2; l++) {
        V3 o = k.pt(sinal(l) * 0.4 * rh, 0.8 * rh, 0.08 * rh);
        c.elipsoide(o, k.x * (0.26 * rh), k.y * (0.12 * rh), k.z * (0.13 * rh), brasa);
        c.brilho(o + k.y * (0.1 * rh), 0.45 * rh, h.olho, 0.7);
    }
}

}  // namespace

void cabeca(Cena& c, const Humano& h, const Corpo& b) {
    if (h.especie == ARVORE) return;  // the tree's face is in its trunk
    if (h.especie == OSSADA) { caveira(c, h, b); chapeu(c, h, b); return; }
    if (h.especie == MURLOC) { cabeca_murloc(c, h, b); return; }
    if (h.especie == ROCHA) { cabeca_rocha(c, h, b); return; }
    const Eixos& k = b.cabeca;
    double rh = b.rh;
    int e = h.especie;
    bool bruto = e == ORC || e == OGRO;
    bool bruxa = h.velho && h.feminino;
    int pele = mat_pele(c, h);
    Material cm = liso(h.cabelo, 0.18);
    cm.textura = CABELO;
    int cabelo = c.material(cm);
    c.novaparte();
    // skull, cheeks and chin
    c.elipsoide(k.pt(0, -0.04 * rh, 0.06 * rh), k.x * (0.93 * rh), k.y * (1.0 * rh), k.z * (1.0 * rh), pele);
    double queixo = h.feminino ? 0.6 : (bruto ? 0.9 : 0.74);
    if (bruto) c.elipsoide(k.pt(0, 0.42 * rh, -0.5 * rh), k.x * (queixo * rh), k.y * (0.72 * rh), k.z * (0.58 * rh), pele);
    else c.elipsoide(k.pt(0, 0.3 * rh, -0.42 * rh), k.x * (queixo * rh), k.y * (0.66 * rh), k.z * (0.56 * rh), pele);
    if (h.feminino && (bruxa || e == RAINHA))  // a pointed chin
        c.elipsoide(k.pt(0, 0.58 * rh, -0.82 * rh), k.x * (0.26 * rh), k.y * (0.26 * rh), k.z * (0.28 * rh), pele);
    // ears: pointed for demons, ghouls and orcs
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        if (e == DEMONIO || e == CARNICAL || e == ORC) {
            double tam = e == CARNICAL ? 1.5 : 1.0;
            c.cone(k.pt(s * 0.82 * rh, -0.05 * rh, 0.0), k.pt(s * (0.82 + 0.75 * tam) * rh, -0.45 * tam * rh, 0.45 * tam * rh), 0.26 * rh, 0.03 * rh, pele);
        } else {
            double tam = e == OGRO ? 1.5 : 1.0;
            c.elipsoide(k.pt(s * 0.9 * rh, -0.05 * rh, -0.02 * rh), k.x * (0.14 * rh * tam), k.y * (0.22 * rh * tam), k.z * (0.3 * rh * tam), pele);
        }
    }
    // nose
    if (bruxa) {
        c.cone(k.pt(0, 0.9 * rh, 0.05 * rh), k.pt(0, 1.5 * rh, -0.45 * rh), 0.16 * rh, 0.07 * rh, pele);
        c.bola(k.pt(0, 1.45 * rh, -0.42 * rh), 0.1 * rh, pele);
    } else if (bruto) {
        c.elipsoide(k.pt(0, 0.98 * rh, -0.1 * rh), k.x * (0.3 * rh), k.y * (0.22 * rh), k.z * (0.24 * rh), pele);
    } else if (e == CARNICAL) {
        c.elipsoide(k.pt(0, 0.95 * rh, -0.12 * rh), k.x * (0.14 * rh), k.y * (0.15 * rh), k.z * (0.16 * rh), pele);
    } else {
        double nariz = h.velho ? 1.25 : (e == RAINHA ? 0.85 : 1.0);
        c.elipsoide(k.pt(0, 0.95 * rh, -0.12 * rh), k.x * (0.17 * rh * nariz), k.y * (0.24 * rh * nariz), k.z * (0.27 * rh * nariz), pele);
    }
    // a heavy brow for the brutes and the demon
    if (bruto || e == DEMONIO)
        c.elipsoide(k.pt(0, 0.62 * rh, 0.38 * rh), k.x * (0.88 * rh), k.y * (0.42 * rh), k.z * (0.22 * rh), pele);
    if (e == RAINHA) {  // dark paint round the eyes
        Material sm = liso(rgb(70, 30, 80), 0.1);
        int sombra = c.material(sm);
        for (int l = 0; l < 2; l++)
            c.elipsoide(k.pt(sinal(l) * 0.36 * rh, 0.8 * rh, 0.14 * rh), k.x * (0.26 * rh), k.y * (0.12 * rh), k.z * (0.2 * rh), sombra);
    }
    // eyes and brows
    double tam = bruto ? 0.95 : 1.25;
    double ey = bruto || e == DEMONIO ? 0.9 : 0.85;
    for (int l = 0; l < 2; l++) olho(c, h, b, sinal(l) * 0.36, ey, 0.12, tam);
    Material sm = liso(h.velho && !bruxa ? h.cabelo : h.cabelo.escura(0.8), 0.05, true);
    if (e == DEMONIO || bruto) sm.cor = h.pele.escura(0.45);
    int sob = c.material(sm);
    double bravo = e == RAINHA || bruxa || e == DEMONIO || bruto ? 1.2 : 0.2;
    if (e != CARNICAL)
        for (int l = 0; l < 2; l++) sobrancelha(c, b, sinal(l), h.velho && !bruxa ? 0.12 : 0.075, sob, bravo);
    // mouth
    Material bm = liso(e == RAINHA ? rgb(90, 20, 50) : rgb(110, 44, 40), 0.2, true);
    bm.linha = 0;
    int boca = c.material(bm);
    if (e == CARNICAL || e == DEMONIO) {
        double aberta = 0.12 + 0.1 * b.abre + (e == CARNICAL ? 0.08 : 0);
        Material fm = liso(rgb(60, 14, 20), 0.1, true);
        fm.linha = 0;
        c.elipsoide(k.pt(0, 0.85 * rh, -0.5 * rh), k.x * (0.36 * rh), k.y * (0.12 * rh), k.z * (aberta * rh), c.material(fm));
        Material dm = liso(rgb(246, 240, 220), 0.4, true);
        int dente = c.material(dm);
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            c.cone(k.pt(s * 0.2 * rh, 0.92 * rh, -0.38 * rh), k.pt(s * 0.18 * rh, 0.95 * rh, -0.62 * rh), 0.07 * rh, 0.01 * rh, dente);
            if (e == CARNICAL) c.cone(k.pt(s * 0.08 * rh, 0.93 * rh, -0.68 * rh), k.pt(s * 0.08 * rh, 0.96 * rh, -0.5 * rh), 0.06 * rh, 0.01 * rh, dente);
        }
    } else if (e == RAINHA || bruxa) {  // a thin, cruel mouth
        c.elipsoide(k.pt(0, 0.84 * rh, -0.5 * rh), k.x * (0.22 * rh), k.y * (0.1 * rh), k.z * (0.045 * rh), boca);
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            c.cone(k.pt(s * 0.18 * rh, 0.8 * rh, -0.5 * rh), k.pt(s * 0.3 * rh, 0.74 * rh, -0.6 * rh), 0.045 * rh, 0.03 * rh, boca);
        }
    } else {
        double larg = bruto ? 0.4 : 0.26;
        c.elipsoide(k.pt(0, (bruto ? 1.02 : 0.84) * rh, (bruto ? -0.55 : -0.48) * rh), k.x * (larg * rh), k.y * (0.1 * rh),
                    k.z * ((0.05 + 0.08 * b.abre) * rh), boca);
    }
    if (h.presas) {  // tusks from the lower jaw
        Material dm = liso(rgb(240, 232, 206), 0.35);
        dm.textura = OSSO;
        int dente = c.material(dm);
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            c.cone(k.pt(s * 0.34 * rh, 1.0 * rh, -0.62 * rh), k.pt(s * 0.42 * rh, 1.08 * rh, -0.08 * rh), 0.11 * rh, 0.02 * rh, dente);
        }
    }
    // hair: a cap over the crown and the back of the head, and long hair down the back
    if (!h.careca) {
        c.novaparte();
        c.elipsoide(k.pt(0, -0.22 * rh, 0.22 * rh), k.x * (1.0 * rh), k.y * (1.03 * rh), k.z * (0.95 * rh), cabelo);
        if (h.cabelolongo) {
            double comp = e == RAINHA ? 1.5 : 1.0;
            V3 sopro = b.pelve.y * (-b.vento * 0.2 * rh);
            c.elipsoide(k.pt(0, -0.55 * rh, -0.75 * rh * comp) + sopro, k.x * (0.92 * rh), k.y * (0.55 * rh), k.z * (1.35 * rh * comp), cabelo);
            for (int l = 0; l < 2; l++)
                c.elipsoide(k.pt(sinal(l) * 0.78 * rh, 0.05 * rh, -0.45 * rh * comp), k.x * (0.3 * rh), k.y * (0.45 * rh), k.z * (0.85 * rh * comp), cabelo);
        }
        if (h.chapeu_tipo == COQUE) {
            c.bola(k.pt(0, -0.75 * rh, 0.6 * rh), 0.52 * rh, cabelo);
            c.cone(k.pt(0, -0.75 * rh, 0.6 * rh), k.pt(0, -0.95 * rh, -0.6 * rh), 0.3 * rh, 0.18 * rh, cabelo);
        }
    } else if (e == OGRO) {  // a few tufts on a bald head
        c.novaparte();
        for (int i = -1; i <= 1; i++)
            c.cone(k.pt(i * 0.3 * rh, -0.1 * rh, 0.9 * rh), k.pt(i * 0.45 * rh, -0.5 * rh, 1.35 * rh), 0.14 * rh, 0.03 * rh, cabelo);
    }
    if (h.barba) {
        c.novaparte();
        if (e == DEMONIO) {
            c.cone(k.pt(0, 0.6 * rh, -0.75 * rh), k.pt(0, 0.75 * rh, -1.45 * rh), 0.25 * rh, 0.03 * rh, cabelo);
        } else {
            c.elipsoide(k.pt(0, 0.5 * rh, -0.68 * rh), k.x * (0.8 * rh), k.y * (0.56 * rh), k.z * (0.66 * rh), cabelo);
            c.elipsoide(k.pt(0, 0.56 * rh, -1.35 * rh), k.x * (0.52 * rh), k.y * (0.4 * rh), k.z * (0.62 * rh), cabelo);
            c.elipsoide(k.pt(0, 0.5 * rh, -1.95 * rh), k.x * (0.25 * rh), k.y * (0.22 * rh), k.z * (0.35 * rh), cabelo);
        }
    }
    if (h.bigode) {
        c.novaparte();
        for (int l = 0; l < 2; l++) {
            double s = sinal(l);
            c.cone(k.pt(s * 0.05 * rh, 1.02 * rh, -0.3 * rh), k.pt(s * 0.5 * rh, 0.86 * rh, -0.5 * rh), 0.15 * rh, 0.08 * rh, cabelo);
        }
    }
    chapeu(c, h, b);
}

}  // namespace boneco
