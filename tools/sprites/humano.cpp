// Two-legged puppets: the pose of each frame, the skeleton it gives, and the body, limbs and clothes
// laid over it (the head and the weapon have their own files).
#include <algorithm>
#include <array>
#include <cmath>

#include "corpo.h"

namespace boneco {

V3 frente(V3 v, double a) {
    double c = std::cos(a), s = std::sin(a);
    return {v.x, v.y * c + v.z * s, -v.y * s + v.z * c};
}

V3 vira(V3 v, double a) {
    double c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c, v.z};
}

V3 ladeia(V3 v, double a) {
    double c = std::cos(a), s = std::sin(a);
    return {v.x * c + v.z * s, v.y, -v.x * s + v.z * c};
}

Eixos gira_eixos(const Eixos& e, double incl, double torce, double lado) {
    auto f = [&](V3 v) {
        V3 l{dot(v, e.x), dot(v, e.y), dot(v, e.z)};  // in the frame's own terms
        l = vira(ladeia(frente(l, incl), lado), torce);
        return e.x * l.x + e.y * l.y + e.z * l.z;
    };
    Eixos r;
    r.o = e.o;
    r.x = f(e.x); r.y = f(e.y); r.z = f(e.z);
    return r;
}

V3 junta(V3 raiz, V3 ponta, double l1, double l2, V3 polo) {
    V3 d = ponta - raiz;
    double n = std::min(norma(d), (l1 + l2) * 0.999);
    V3 u = unit(d);
    double a = std::clamp((l1 * l1 + n * n - l2 * l2) / (2 * l1 * n), -1.0, 1.0);
    V3 w = polo - u * dot(polo, u);
    if (norma(w) < 1e-6) w = std::fabs(u.z) < 0.9 ? cross(u, V3{0, 0, 1}) : cross(u, V3{1, 0, 0});
    w = unit(w);
    return raiz + u * (l1 * a) + w * (l1 * std::sqrt(1 - a * a));
}

int mat_pele(Cena& c, const Humano& h) {
    Material m;
    m.cor = h.pele;
    m.textura = h.especie == MURLOC ? ESCAMAS : (h.especie == ROCHA ? PEDRA : (h.especie == ARVORE ? CASCA : PELE));
    m.escala = h.especie == ROCHA ? 1.4 : 1;
    m.brilho = h.especie == MURLOC ? 0.3 : (h.especie == ROCHA || h.especie == ARVORE ? 0.02 : 0.1);
    m.dureza = h.especie == MURLOC ? 24 : 10;
    return c.material(m);
}

namespace {

enum Estilo { CORTE, ESTOCADA, MAGIA, DUPLO, PANCADA };

int estilo(const Humano& h) {
    switch (h.arma) {
    case CAJADOFOGO: case CAJADOCURA: return MAGIA;
    case LANCA: case TRIDENTE: return ESTOCADA;
    case GARRAS: return DUPLO;
    case PUNHOS: return PANCADA;
    default: return CORTE;
    }
}

// A frame's posture: hands as points from the shoulder in arm lengths (chest axes), feet as
// ground points in fractions of the height.
struct Postura {
    double baixa = 0, inclina = 0, torce = 0, lado = 0, olha = 0, vento = 0, abre = 0;
    bool de_lado = false;  // the weapon already stands clear of the body in every facing
    V3 pe[2];
    double ergue[2] = {0, 0};
    V3 mao[2];
    V3 arma{0, 0.5, 0.8}, corte{0, 1, 0};
};

Postura postura(const Humano& h, const Pose& p, double frontal) {
    Postura q;
    double pes = 0.07 * std::max(0.8, h.largura);
    // the ankles a little behind the ground point, so it lies under the middle of the feet
    q.pe[0] = {-pes, -0.035, 0};
    q.pe[1] = {pes, -0.02, 0};
    q.inclina = h.corcunda;
    q.olha = -h.corcunda * 0.6;  // a hunched figure still looks ahead
    int e = estilo(h);
    // At rest the weapon is held out beside the body, never across the face: blades forward and
    // out at the hip, ready, clear of the ground; staves and spears upright at arm's length.
    switch (e) {
    case CORTE:
        q.mao[0] = {-0.36, 0.36, -0.78}; q.arma = {-0.45, 0.62, 0.62}; q.corte = {0, 1, 0.2};
        q.mao[1] = {0.2, 0.14, -0.94};
        if (h.arma == CLAVA) {  // the club is too heavy to hold out: it rests on the shoulder
            q.mao[0] = {-0.3, 0.5, -0.3}; q.arma = {-0.22, -0.45, 0.86}; q.corte = {0, 1, 0};
        }
        break;
    case ESTOCADA:
        q.mao[0] = {-0.4, 0.58, -0.46}; q.arma = {-0.1, 0.1, 1}; q.corte = {0, 1, 0};
        q.mao[1] = {0.2, 0.14, -0.94};
        break;
    case MAGIA:
        q.mao[0] = {-0.42, 0.58, -0.42}; q.arma = {-0.1, 0.08, 1}; q.corte = {0, 1, 0};
        q.mao[1] = {0.2, 0.16, -0.94};
        break;
    case DUPLO:
        q.mao[0] = {-0.2, 0.3, -0.86}; q.mao[1] = {0.2, 0.3, -0.86}; q.arma = {0, 0.6, -0.8};
        if (h.feminino && h.velho) {  // the witch keeps her hands before her, clear of her cloak
            q.mao[0] = {-0.18, 0.66, -0.5}; q.mao[1] = {0.18, 0.66, -0.5};
        }
        if (h.especie == RAINHA) {  // the queen hovers with her hands spread wide, full of power
            q.mao[0] = {-0.78, 0.3, -0.12}; q.mao[1] = {0.78, 0.3, -0.12};
        }
        break;
    case PANCADA:
        q.mao[0] = {-0.22, 0.18, -0.9}; q.mao[1] = {0.22, 0.18, -0.9}; q.arma = {0, 0.3, -1};
        break;
    }
    if (p.passo != 0) {
        for (int l = 0; l < 2; l++) {
            double f = l == 1 ? p.passo : -p.passo;  // +1: this leg steps forward
            q.pe[l].y = f > 0 ? 0.1 : -0.14;
            q.ergue[l] = f > 0 ? 0 : 0.035 / std::max(1.0, h.grossura);  // heavy feet barely leave the ground
            // the arms swing against the legs; a hand holding a weapon swings less
            double giro = (l == 0 && (e == CORTE || e == ESTOCADA || e == MAGIA)) ? 0.18 : 0.5;
            V3 m = q.mao[l];
            q.mao[l] = frente(m, f * giro);
        }
        q.inclina += 0.07;
        q.torce = -p.passo * 0.1;
        q.vento = 1;
    }
    if (p.voo) {
        q.inclina += 0.22;
        q.vento = 1.6;
        q.mao[0] = frente(q.mao[0], 0.25);
        q.mao[1] = frente(q.mao[1], 0.35);
        if (h.especie == RAINHA) {  // gliding, she leans into the flight with her arms swept back
            q.inclina += 0.16;
            q.vento = 2.4;
            q.mao[0] = {-0.42, -0.55, -0.62}; q.mao[1] = {0.42, -0.55, -0.62};
        }
    }
    if (p.golpe) {
        int g = p.golpe;
        if (p.passo == 0) {  // a fighting stance, unless the frame is also a step
            q.pe[0] = {-pes * 1.1, -0.12, 0};
            q.pe[1] = {pes * 1.1, 0.07, 0};
            q.ergue[0] = g == 3 ? 0.02 : 0.01;
        }
        q.vento = 0.6 + 0.3 * g;
        q.abre = g == 3 ? 1 : 0.4;
        switch (e) {
        case CORTE: {
            static const double inc[4] = {0, -0.06, 0.12, 0.3}, tor[4] = {0, -0.4, 0.05, 0.38}, bx[4] = {0, 0, 0.01, 0.05};
            // raised high behind, swept level across the chest (below the face), followed through low
            static const V3 m0[4] = {{}, {-0.26, -0.1, 0.94}, {0.06, 0.86, -0.18}, {0.28, 0.8, -0.3}};
            static const V3 m1[4] = {{}, {0.15, 0.6, -0.3}, {0.2, 0.25, -0.8}, {0.25, -0.25, -0.85}};
            static const V3 ar[4] = {{}, {-0.1, -0.4, 0.92}, {0.6, 0.78, 0.14}, {0.55, 0.72, -0.42}};
            static const V3 co[4] = {{}, {0, 0.7, 0.6}, {0, 0.3, -1}, {-0.2, -0.5, -0.8}};
            q.inclina += inc[g]; q.torce = tor[g]; q.baixa = bx[g];
            q.mao[0] = m0[g]; q.mao[1] = m1[g]; q.arma = ar[g]; q.corte = co[g];
            break;
        }
        case ESTOCADA: {
            static const double inc[4] = {0, -0.04, 0.08, 0.22}, tor[4] = {0, -0.3, 0, 0.3}, bx[4] = {0, 0, 0.01, 0.05};
            static const V3 m0[4] = {{}, {-0.2, -0.3, -0.45}, {-0.05, 0.45, -0.45}, {0.05, 0.92, -0.2}};
            static const V3 m1[4] = {{}, {0.2, 0.5, -0.5}, {0.22, 0.6, -0.45}, {0.2, 0.2, -0.8}};
            static const V3 ar[4] = {{}, {0.22, 1, 0.2}, {0.22, 1, 0.1}, {0.2, 1, 0.02}};
            q.inclina += inc[g]; q.torce = tor[g]; q.baixa = bx[g];
            q.mao[0] = m0[g]; q.mao[1] = m1[g]; q.arma = ar[g]; q.corte = {0, 0, 1};
            if (p.passo && g == 1) {  // a step that also winds up: the spear raised overhand
                q.mao[0] = {-0.62, -0.25, 0.5}; q.arma = {-0.1, 1, -0.3};
                q.mao[1] = {0.35, 0.6, 0.05};
                q.inclina -= 0.1;
                q.de_lado = true;
            }
            if (p.passo && g == 3) {  // and the stab: a low lunge, the spear driven forward and down
                q.mao[0] = {-0.05, 1.0, -0.12}; q.arma = {0.12, 1, -0.25};
                q.inclina += 0.12;
                q.baixa = 0.05;
            }
            break;
        }
        case MAGIA: {
            static const double inc[4] = {0, -0.08, 0.06, 0.16}, tor[4] = {0, -0.2, 0, 0.22};
            // the staff is raised beside the head, swung out and down, then levelled at the foe
            static const V3 m0[4] = {{}, {-0.42, 0.15, 0.84}, {-0.36, 0.7, 0.22}, {0.05, 0.95, 0.05}};
            static const V3 m1[4] = {{}, {0.2, 0.35, -0.6}, {0.2, 0.55, -0.35}, {0.15, 0.9, 0.05}};
            static const V3 ar[4] = {{}, {-0.16, 0.1, 1}, {-0.45, 0.6, 0.66}, {0.5, 0.78, 0.4}};
            q.inclina += inc[g]; q.torce = tor[g];
            q.mao[0] = m0[g]; q.mao[1] = m1[g]; q.arma = ar[g];
            break;
        }
        case DUPLO: {
            static const double inc[4] = {0, -0.1, 0.1, 0.28}, bx[4] = {0, 0, 0.01, 0.04};
            static const V3 m[4] = {{}, {0.35, -0.1, 0.85}, {0.45, 0.8, 0.15}, {0.12, 0.95, -0.15}};
            static const V3 ar[4] = {{}, {0, -0.2, 1}, {0, 0.9, 0.4}, {0, 0.8, -0.6}};
            q.inclina += inc[g]; q.baixa = bx[g];
            q.mao[0] = {-m[g].x, m[g].y, m[g].z}; q.mao[1] = m[g]; q.arma = ar[g];
            if (h.feminino && h.velho && g == 1) {  // the witch gathers her spell with her hands drawn back, under her brim
                q.mao[0] = {-0.42, -0.5, -0.5}; q.mao[1] = {0.42, -0.5, -0.5};
                q.inclina += 0.14;
            }
            if (p.passo && g == 1) {  // a step that also raises the claws: high and wide, ready to rake
                q.mao[1] = {0.62, 0.05, 0.72};
                q.mao[0] = {-0.62, 0.05, 0.72};
                q.inclina -= 0.12;
            }
            if (p.passo && g == 3) {  // and the rake itself: a low lunge, both claws thrust forward
                q.mao[1] = {0.3, 1.0, 0.4};
                q.mao[0] = {-0.3, 0.9, -0.2};
                q.inclina += 0.06;
            }
            break;
        }
        case PANCADA: {
            static const double inc[4] = {0, -0.14, 0.14, 0.36}, bx[4] = {0, 0, 0.02, 0.06};
            static const V3 m[4] = {{}, {0.14, 0.05, 0.98}, {0.1, 0.9, 0.5}, {0.1, 1.0, -0.2}};
            q.inclina += inc[g]; q.baixa = bx[g];
            q.mao[0] = {-m[g].x, m[g].y, m[g].z}; q.mao[1] = m[g]; q.arma = {0, 0.5, -1};
            break;
        }
        }
    }
    // seen from the front or the back, a weapon held forward turns out across the body so it shows
    if (p.golpe && !q.de_lado && (e == CORTE || e == ESTOCADA || e == MAGIA)) {
        double k = -(e == MAGIA ? 0.3 : 0.65) * frontal;
        q.mao[0] = vira(q.mao[0], k);
        q.arma = vira(q.arma, k);
        q.corte = vira(q.corte, k);
    }
    return q;
}

}  // namespace

Corpo monta_corpo(const Humano& h, const Pose& p, const Cena& c) {
    Corpo b;
    b.pose = p;
    double A = b.A = h.altura;
    Postura q = postura(h, p, std::fabs(std::cos(c.giro)));
    b.rh = 0.1 * A * h.cabeca;
    b.vento = q.vento;
    b.abre = q.abre;
    double pescoco = 0.03 * A;
    double zpeito = A - 2 * b.rh - pescoco;
    double L = std::min(0.47 * A * h.perna, zpeito - 0.15 * A);
    double T = zpeito - L;
    double tornoz = 0.045 * A;
    b.rcoxa = 0.05 * A * h.grossura;
    b.rcanela = 0.04 * A * h.grossura;
    b.rbraco = 0.036 * A * h.grossura;
    b.rantebraco = 0.031 * A * h.grossura;
    b.rmao = 0.044 * A * std::max(1.0, h.grossura * 0.9);
    double hw = 0.06 * A * h.largura;
    double perna = L - tornoz - 0.02 * A;
    // the pelvis sinks as far as the feet need
    double zp = L * 0.99 - (q.baixa + h.agacha) * A;
    for (int l = 0; l < 2; l++) {
        V3 pe = q.pe[l] * A;
        double dx = pe.x - sinal(l) * hw, dy = pe.y;
        double alcance = perna * 0.995;
        double v = std::sqrt(std::max(0.0, alcance * alcance - dx * dx - dy * dy));
        zp = std::min(zp, v + tornoz + q.ergue[l] * A + 0.02 * A);
    }
    if (h.flutua) zp = L * 0.99 - (q.baixa + h.agacha) * A;
    b.pelve.o = {0, (q.pe[0].y + q.pe[1].y) * 0.25 * A, zp};
    b.pelve = gira_eixos(b.pelve, q.inclina * 0.3, -q.torce * 0.35, 0);
    Eixos e0;
    e0.o = b.pelve.o;
    b.peito = gira_eixos(e0, q.inclina, q.torce, q.lado);
    b.peito.o = b.pelve.o + b.peito.z * T;
    Eixos cab = gira_eixos(e0, q.inclina * 0.45 + q.olha, q.torce * 0.35, 0);
    cab.o = b.peito.o + b.peito.z * pescoco + cab.z * (b.rh * 0.95);
    b.cabeca = cab;
    // legs
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        b.quadril[l] = b.pelve.pt(s * hw, 0, -0.02 * A);
        V3 pe = q.pe[l] * A;
        V3 alvo{pe.x, pe.y, tornoz + q.ergue[l] * A};
        V3 polo = b.pelve.dir(s * 0.12, 1, 0);
        b.tornozelo[l] = alvo;
        b.joelho[l] = junta(b.quadril[l], alvo, perna * 0.5, perna * 0.5, polo);
        if (norma(alvo - b.quadril[l]) > perna * 0.999) b.tornozelo[l] = b.quadril[l] + unit(alvo - b.quadril[l]) * (perna * 0.999);
        V3 dir = unit(vira(b.pelve.y, -s * 0.12) * 1.0 + V3{0, 0, 0});
        dir.z = 0;
        dir = unit(dir);
        if (q.ergue[l] > 0.01) b.ponta[l] = V3{b.tornozelo[l].x, b.tornozelo[l].y, 0} + dir * (0.08 * A) + V3{0, 0, 0.012 * A};
        else b.ponta[l] = b.tornozelo[l] + dir * (0.085 * A) + V3{0, 0, -0.025 * A};
    }
    // arms
    double sw = 0.125 * A * h.largura * h.ombros;
    double la = 0.165 * A * h.braco, lf = 0.155 * A * h.braco;
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        b.ombro[l] = b.peito.pt(s * sw, -0.005 * A, -0.035 * A);
        V3 alvo = b.ombro[l] + b.peito.dir(q.mao[l].x, q.mao[l].y, q.mao[l].z) * ((la + lf) * 0.98);
        V3 polo = b.peito.dir(s * 0.55, -0.6, -0.5);
        b.cotovelo[l] = junta(b.ombro[l], alvo, la, lf, polo);
        V3 d = unit(alvo - b.cotovelo[l]);
        b.pulso[l] = b.cotovelo[l] + d * lf;
        b.mao[l] = b.pulso[l] + d * (b.rmao * 0.75);
    }
    b.arma = unit(b.peito.dir(q.arma.x, q.arma.y, q.arma.z));
    b.corte = unit(b.peito.dir(q.corte.x, q.corte.y, q.corte.z));
    // toward the viewer, in the model's terms (a fallen figure is not concerned)
    double cg = std::cos(c.giro), sg = std::sin(c.giro);
    b.olhar = unit({-sg * 0.894427191, cg * 0.894427191, 0.4472135955});
    return b;
}

// A tube through the body from the pelvis frame to the chest frame: rings (s, half width, half depth).
std::vector<Anel> ao_longo(const Corpo& b, std::initializer_list<std::array<double, 3>> aneis, double de, double ate) {
    std::vector<Anel> r;
    for (auto& a : aneis) {
        double s = de + (ate - de) * a[0];
        V3 x = unit(mistura(b.pelve.x, b.peito.x, std::clamp(s, 0.0, 1.0)));
        V3 y = unit(mistura(b.pelve.y, b.peito.y, std::clamp(s, 0.0, 1.0)));
        V3 o = mistura(b.pelve.o, b.peito.o, s);
        r.push_back({o, x * a[1], y * a[2]});
    }
    return r;
}

void perna(Cena& c, const Humano& h, const Corpo& b, int l, int calca, int pele, int bota) {
    c.novaparte();
    double A = b.A;
    bool nua = h.pernasnuas;
    int coxa = nua ? pele : calca;
    c.cone(b.quadril[l], b.joelho[l], b.rcoxa * 1.08, b.rcanela * 1.05, coxa);
    // the knee cap, and on bare legs the thigh's muscle in front
    V3 dc = unit(b.joelho[l] - b.quadril[l]);
    V3 fr = b.pelve.y - dc * dot(b.pelve.y, dc);
    fr = norma(fr) < 0.2 ? b.pelve.y : unit(fr);
    c.bola(b.joelho[l] + fr * (b.rcanela * 0.35), b.rcanela * 0.85, coxa);
    if (nua) {
        double lc = norma(b.joelho[l] - b.quadril[l]);
        c.elipsoide(mistura(b.quadril[l], b.joelho[l], 0.45) + fr * (b.rcoxa * 0.3), dc * (lc * 0.34), fr * (b.rcoxa * 0.85),
                    unit(cross(dc, fr)) * (b.rcoxa * 0.95), pele);
    }
    // the calf swells behind the shin
    V3 meio = mistura(b.joelho[l], b.tornozelo[l], 0.3);
    V3 atras = unit(cross(b.tornozelo[l] - b.joelho[l], b.pelve.x)) * (-b.rcanela * 0.25);
    c.cone(b.joelho[l], meio + atras, b.rcanela * 1.02, b.rcanela * 1.08, nua ? pele : calca);
    c.cone(meio + atras, b.tornozelo[l], b.rcanela * 1.05, b.rcanela * 0.72, nua ? pele : calca);
    // boot: shaft and foot
    if (!nua || h.especie == PESSOA) {
        V3 cano = mistura(b.tornozelo[l], b.joelho[l], 0.45);
        c.cone(b.tornozelo[l] + V3{0, 0, -0.01 * A}, cano, b.rcanela * 0.95, b.rcanela * 1.12, bota);
    }
    V3 pe = b.ponta[l] - b.tornozelo[l];
    V3 f = unit(V3{pe.x, pe.y, pe.z});
    V3 lado = unit(cross(f, V3{0, 0, 1})) * (0.032 * A * std::max(1.0, h.grossura * 0.9));
    V3 cima = unit(cross(lado, f)) * (0.03 * A);
    if (dot(cima, V3{0, 0, 1}) < 0) cima = -cima;
    V3 centro = mistura(b.tornozelo[l], b.ponta[l], 0.5) + V3{0, 0, -0.006 * A};
    c.elipsoide(centro, f * (norma(pe) * 0.62), lado, cima, nua && h.especie != PESSOA ? pele : bota);
}

// The hand: a palm, four fingers and a thumb. A hand holding a weapon or making a fist curls its
// fingers round; the others hang half open. The palm faces the body's middle.
void mao(Cena& c, const Humano& h, const Corpo& b, int l, int pele) {
    double r = b.rmao;
    V3 d = unit(b.mao[l] - b.pulso[l]);
    V3 n = b.peito.x * (-sinal(l));  // toward the body's middle
    n = n - d * dot(n, d);
    if (norma(n) < 0.2) n = b.peito.y - d * dot(b.peito.y, d);
    n = unit(n);
    V3 lado = unit(cross(d, n));  // across the knuckles, toward the thumb
    if (dot(lado, b.peito.y + b.peito.z * 0.3) < 0) lado = -lado;
    bool empunha = (l == 0 && h.arma != SEMARMA && h.arma != GARRAS) || h.arma == PUNHOS;
    bool aberta = h.arma == GARRAS || h.magia == 2;
    V3 palma = b.mao[l] - d * (0.12 * r);
    c.elipsoide(palma, d * (0.62 * r), lado * (0.7 * r), n * (0.46 * r), pele);
    for (int i = 0; i < 4; i++) {
        double k = (1.5 - i) * 0.34;  // the index finger beside the thumb
        V3 raiz = palma + d * (0.42 * r) + lado * (k * r) - n * (0.05 * r);
        double dedo = (i == 3 ? 0.15 : 0.19) * r;
        if (empunha) {  // curled round the grip
            V3 meio = raiz + d * (0.28 * r) + n * (0.26 * r);
            c.cone(raiz, meio, dedo * 1.05, dedo, pele);
            c.cone(meio, meio + n * (0.3 * r) - d * (0.12 * r), dedo, dedo * 0.85, pele);
        } else {
            double curva = aberta ? 0.1 : 0.35;
            V3 meio = raiz + d * ((0.45 - 0.06 * std::abs(i - 1.5)) * r) + lado * (k * (aberta ? 0.35 : 0.1) * r) + n * (curva * 0.4 * r);
            c.cone(raiz, meio, dedo, dedo * 0.9, pele);
            c.cone(meio, meio + d * (0.28 * r) + n * (curva * 0.6 * r), dedo * 0.9, dedo * 0.7, pele);
        }
    }
    V3 raiz = palma + lado * (0.5 * r) + n * (0.2 * r) - d * (0.1 * r);
    V3 ponta = raiz + d * (0.42 * r) + lado * (0.22 * r) + n * ((empunha ? 0.38 : 0.18) * r);
    c.cone(raiz, ponta, 0.24 * r, 0.16 * r, pele);
}

void braco(Cena& c, const Humano& h, const Corpo& b, int l, int manga, int pele, bool curta) {
    c.novaparte();
    V3 o = b.ombro[l], e = b.cotovelo[l], w = b.pulso[l];
    c.bola(o + (b.peito.z * (-0.004 * b.A)), b.rbraco * 1.4, manga);
    c.cone(o, e, b.rbraco * 1.15, b.rbraco * 0.92, manga);
    // the forearm swells below the elbow
    V3 m = mistura(e, w, 0.3);
    if (h.mangalarga) {  // a bell sleeve, open over the wrist
        c.cone(e, m, b.rbraco * 0.95, b.rantebraco * 1.3, manga);
        c.cone(m, w + unit(w - e) * (0.01 * b.A), b.rantebraco * 1.3, b.rantebraco * 2.1, manga);
    } else {
        c.cone(e, m, b.rbraco * 0.9, b.rantebraco * 1.08, curta ? pele : manga);
        c.cone(m, w, b.rantebraco * 1.08, b.rantebraco * 0.75, curta ? pele : manga);
    }
    if (curta) {  // bare arms show their muscles: the biceps in front, the point of the elbow behind
        V3 da = unit(e - o);
        V3 fr = b.peito.y - da * dot(b.peito.y, da);
        fr = norma(fr) < 0.2 ? b.peito.z : unit(fr);
        double la = norma(e - o);
        c.elipsoide(mistura(o, e, 0.5) + fr * (b.rbraco * 0.35), da * (la * 0.3), fr * (b.rbraco * 0.78),
                    unit(cross(da, fr)) * (b.rbraco * 0.9), pele);
        V3 df = unit(w - e);
        V3 atras = unit(da - df * 0.5);
        c.bola(e + atras * (b.rbraco * 0.35), b.rantebraco * 0.88, pele);
    }
    if (!curta && !h.mangalarga && h.especie == PESSOA) {  // a cuff at the wrist
        V3 d = unit(w - e);
        c.cone(w - d * (0.018 * b.A), w - d * (0.004 * b.A), b.rantebraco * 1.05, b.rantebraco * 1.05, manga);
    }
    mao(c, h, b, l, pele);
}

void tronco(Cena& c, const Humano& h, const Corpo& b, int roupa, int pele) {
    double A = b.A, L = h.largura, O = h.ombros;
    c.novaparte();
    // hips
    c.elipsoide(b.pelve.pt(0, -0.005 * A, -0.01 * A), b.pelve.x * ((0.06 * L + 0.045) * A), b.pelve.y * (0.068 * A * std::max(1.0, L * 0.9)),
                b.pelve.z * (0.07 * A), h.tanga || h.saia ? roupa : c.material(h.calca, TECIDO));
    // the torso from the waist up
    int m = roupa;
    c.tubo(ao_longo(b, {{0.05, 0.095 * L * A, 0.066 * A},
                        {0.3, 0.09 * L * A, 0.062 * A},
                        {0.62, 0.112 * L * O * A, 0.074 * A},
                        {0.86, 0.122 * L * O * A, 0.072 * A},
                        {0.98, 0.1 * L * O * A, 0.058 * A},
                        {1.05, 0.05 * A, 0.042 * A}}),
           14, m, 0, 2 * M_PI, true, true);
    if (h.barriga > 0) {
        V3 cb = mistura(b.pelve.o, b.peito.o, 0.32) + b.pelve.y * (0.045 * A);
        c.elipsoide(cb, b.peito.x * (h.barriga * A * 1.05), b.peito.y * (h.barriga * A * 0.9), b.peito.z * (h.barriga * A), m);
    }
    (void)pele;
}

void cinto(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A, L = h.largura;
    c.novaparte();
    Material cm;
    cm.cor = h.corcinto;
    cm.textura = COURO;
    int m = c.material(cm);
    std::vector<Anel> aneis = ao_longo(b, {{0.17, 0.1 * L * A, 0.07 * A}, {0.3, 0.097 * L * A, 0.068 * A}});
    c.tubo(aneis, 16, m, 0, 2 * M_PI);
    Material ou;
    ou.cor = rgb(222, 182, 70);
    ou.textura = OURO;
    ou.brilho = 0.6;
    ou.dureza = 30;
    V3 fivela = mistura(aneis[0].c, aneis[1].c, 0.5) + b.pelve.y * (0.07 * A);
    c.elipsoide(fivela, b.pelve.x * (0.022 * A), b.pelve.y * (0.008 * A), b.pelve.z * (0.018 * A), c.material(ou));
}

// A skirt or robe from the waist to `baixo` (height of the hem), its folds and hem swinging back.
void saia(Cena& c, const Humano& h, const Corpo& b, int mat, double baixo, double largo, double dobras, bool rasgada) {
    double A = b.A, L = h.largura;
    c.novaparte();
    Anel cintura = ao_longo(b, {{0.3, 0.095 * L * A, 0.068 * A}})[0];
    std::vector<Anel> aneis{cintura};
    V3 base = b.pelve.o;
    int n = 5;
    for (int i = 1; i <= n; i++) {
        double t = double(i) / n;
        double z = cintura.c.z + (baixo - cintura.c.z) * t;
        double r = (0.1 * L + (largo - 0.1 * L) * std::pow(t, 1.3)) * A;
        V3 o{base.x, base.y - b.vento * 0.06 * A * t * t, z};
        aneis.push_back({o, V3{1, 0, 0} * r, V3{0, 1, 0} * (r * 0.86)});
    }
    double fase = b.pose.passo * 0.7 + b.pose.golpe * 0.4;
    c.tubo(aneis, 28, mat, 0, 2 * M_PI, false, false,
           [=](double s, double a) { return 1 + dobras * s * (0.6 * std::sin(9 * a + fase) + 0.4 * std::sin(5 * a - fase)); },
           [=](double s, double a) {
               if (!rasgada) return 0.0;
               double v = std::fabs(std::sin(6.5 * a + 0.3)) * 0.06 * A;
               return s * s * (v - 0.02 * A);
           });
}

// A cape hanging from the shoulders down the back, blown back by the walk.
void capa(Cena& c, const Humano& h, const Corpo& b, double baixo) {
    double A = b.A, L = h.largura;
    c.novaparte();
    Material m;
    m.cor = h.capa;
    m.verso = h.capa.escura(0.55).mistura(rgb(60, 20, 30), 0.2);
    m.textura = TECIDO;
    int mat = c.material(m);
    std::vector<Anel> aneis;
    V3 topo = b.peito.pt(0, -0.005 * A, -0.02 * A);
    aneis.push_back({topo, b.peito.x * (0.115 * L * h.ombros * A), b.peito.y * (0.07 * A)});
    aneis.push_back({b.peito.pt(0, -0.02 * A, -0.07 * A), b.peito.x * (0.135 * L * h.ombros * A), b.peito.y * (0.09 * A)});
    int n = 4;
    for (int i = 1; i <= n; i++) {
        double t = double(i) / n;
        double z = topo.z - 0.07 * A + (baixo - topo.z + 0.07 * A) * t;
        V3 o = mistura(b.peito.o, b.pelve.o, std::min(1.0, t * 1.2));
        o.z = z;
        o.y -= (0.02 + b.vento * 0.09 * t * t) * A;
        double r = (0.14 * L + 0.07 * t) * A;
        aneis.push_back({o, V3{1, 0, 0} * r, V3{0, 1, 0} * (0.1 + 0.05 * t) * A});
    }
    double fase = b.pose.passo * 0.9;
    c.tubo(aneis, 20, mat, M_PI - 0.25, 2 * M_PI + 0.25, false, false,
           [=](double s, double a) { return 1 + 0.09 * s * std::sin(7 * a + fase); });
    // the clasp at the throat
    Material ou;
    ou.cor = rgb(222, 182, 70);
    ou.brilho = 0.6;
    ou.dureza = 30;
    int o = c.material(ou);
    for (int l = 0; l < 2; l++) c.bola(b.peito.pt(sinal(l) * 0.07 * A, 0.055 * A, -0.005 * A), 0.016 * A, o);
}

void avental(Cena& c, const Humano& h, const Corpo& b, Tinta cor, double baixo, double largo) {
    double A = b.A, L = h.largura;
    c.novaparte();
    Material m;
    m.cor = cor;
    m.textura = h.especie == PESSOA && h.saia ? TECIDO : COURO;
    int mat = c.material(m);
    Anel cint = ao_longo(b, {{0.28, 0.104 * L * A, 0.074 * A}})[0];
    Anel peito = ao_longo(b, {{0.7, 0.118 * L * A, 0.082 * A}})[0];
    std::vector<Anel> aneis{peito, cint};
    for (int i = 1; i <= 3; i++) {
        double t = i / 3.0;
        double r = (0.105 * L + (largo - 0.105 * L) * t) * A;
        V3 o{b.pelve.o.x, b.pelve.o.y + 0.005 * A, cint.c.z + (baixo - cint.c.z) * t};
        aneis.push_back({o, V3{1, 0, 0} * r, V3{0, 1, 0} * (r * 0.9)});
    }
    double fase = b.pose.passo * 0.5;
    c.tubo(aneis, 12, mat, M_PI / 2 - 0.75, M_PI / 2 + 0.75, false, false,
           [=](double s, double a) { return 1.0 + 0.03 * s * std::sin(6 * a + fase); });
}

void asas(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    c.novaparte();
    Material mem;
    mem.cor = h.capa;
    mem.verso = h.capa.escura(0.7);
    mem.textura = COURO;
    int m = c.material(mem);
    int osso = mat_pele(c, h);
    double bate = b.pose.golpe ? 0.18 * (b.pose.golpe == 1 ? 1.4 : 0.6) : (b.pose.passo ? 0.08 : 0);
    for (int l = 0; l < 2; l++) {
        double s = sinal(l);
        V3 o = b.peito.pt(s * 0.05 * A, -0.07 * A, -0.04 * A);
        V3 cot = o + b.peito.dir(s * 0.25, -0.22, 0.22 + bate) * A;
        V3 ponta = cot + b.peito.dir(s * 0.28, -0.12, 0.18 + bate) * A;
        V3 d1 = cot + b.peito.dir(s * 0.3, -0.2, -0.12) * A;
        V3 d2 = cot + b.peito.dir(s * 0.12, -0.18, -0.32) * A;
        V3 baixo = o + b.peito.dir(s * 0.04, -0.12, -0.38) * A;
        c.cone(o, cot, 0.022 * A, 0.018 * A, osso);
        c.cone(cot, ponta, 0.018 * A, 0.006 * A, osso);
        c.cone(cot, d1, 0.012 * A, 0.005 * A, osso);
        c.cone(cot, d2, 0.012 * A, 0.005 * A, osso);
        // the membrane between the fingers, scalloped
        std::vector<Vertice> v;
        std::vector<int> t;
        V3 pts[6] = {o, cot, ponta, d1, d2, baixo};
        V3 centro = (o + cot + ponta + d1 + d2 + baixo) * (1.0 / 6);
        V3 n = unit(cross(ponta - o, baixo - o)) * (-1);
        if (dot(n, b.peito.y) > 0) n = -n;  // the outer side faces back
        v.push_back({centro, n, {}});
        for (int i = 0; i < 6; i++) {
            V3 a = pts[i], z = pts[(i + 1) % 6];
            // the trailing edges sag between the finger tips
            V3 meio = mistura(a, z, 0.5);
            if (i >= 2) meio = mistura(meio, centro, 0.22);
            v.push_back({a, n, {}});
            v.push_back({meio, n, {}});
        }
        for (int i = 0; i < 12; i++) t.insert(t.end(), {0, 1 + i, 1 + (i + 1) % 12});
        c.malha(v, t, m);
    }
}

void cauda(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    c.novaparte();
    int m = mat_pele(c, h);
    double bal = b.pose.passo * 0.06 * A;
    V3 a = b.pelve.pt(0, -0.06 * A, -0.02 * A);
    V3 p1 = a + V3{bal, -0.14 * A, -0.12 * A}, p2 = p1 + V3{-bal, -0.14 * A, 0.02 * A}, p3 = p2 + V3{bal * 0.5, -0.06 * A, 0.12 * A};
    c.cone(a, p1, 0.022 * A, 0.018 * A, m);
    c.cone(p1, p2, 0.018 * A, 0.013 * A, m);
    c.cone(p2, p3, 0.013 * A, 0.008 * A, m);
    // the arrow tip, turned to the viewer
    V3 d = unit(p3 - p2);
    V3 lado = unit(cross(d, b.olhar));
    Material pm;
    pm.cor = h.pele.escura(0.6);
    c.placa(p3, lado, d, {{0, 0.05 * A}, {0.035 * A, -0.01 * A}, {0.0, 0.005 * A}, {-0.035 * A, -0.01 * A}}, 0.008 * A, c.material(pm));
}

void escudo(Cena& c, const Humano& h, const Corpo& b) {
    double A = b.A;
    c.novaparte();
    Material mad;
    mad.cor = rgb(120, 84, 50);
    mad.textura = TABUAS;
    mad.escala = 0.7;
    Material fe;
    fe.cor = rgb(150, 150, 160);
    fe.textura = METAL;
    fe.brilho = 0.5;
    fe.dureza = 20;
    int mm = c.material(mad), mf = c.material(fe);
    V3 d = unit(b.pulso[1] - b.cotovelo[1]);
    V3 centro = mistura(b.cotovelo[1], b.pulso[1], 0.55) + b.peito.x * (0.035 * A) + b.peito.y * (0.01 * A);
    // the round shield faces out from the arm, a little toward the front
    V3 n = unit(b.peito.x * 1.0 + b.peito.y * 0.8);
    V3 u = unit(cross(n, d)), w = unit(cross(n, u));
    std::vector<Anel> aneis{{centro - n * (0.012 * A), u * (0.13 * A), w * (0.13 * A)}, {centro + n * (0.012 * A), u * (0.13 * A), w * (0.13 * A)},
                            {centro + n * (0.02 * A), u * (0.11 * A), w * (0.11 * A)}};
    c.tubo(aneis, 20, mm, 0, 2 * M_PI, true, true);
    c.tubo({{centro + n * (0.012 * A), u * (0.135 * A), w * (0.135 * A)}, {centro + n * (0.02 * A), u * (0.135 * A), w * (0.135 * A)}}, 20, mf);
    c.elipsoide(centro + n * (0.022 * A), u * (0.035 * A), w * (0.035 * A), n * (0.025 * A), mf);
}

namespace {

void magia(Cena& c, const Humano& h, const Corpo& b) {
    if (!(h.magia == 2 || (h.magia == 1 && b.pose.golpe >= 2))) return;
    for (int l = 0; l < 2; l++) {
        double r = 0.05 * b.A * (b.pose.golpe == 3 ? 1.7 : 1.25);
        c.brilho(b.mao[l], r * 1.6, h.cormagia);
    }
}

}  // namespace

void monta_humano(Cena& c, const Humano& h, const Pose& p) {
    Corpo b = monta_corpo(h, p, c);
    if (h.especie == OSSADA) {
        ossada(c, h, b);
    } else if (h.especie == ROCHA) {
        rocha(c, h, b);
    } else if (h.especie == ARVORE) {
        arvore(c, h, b);
    } else {
        double A = b.A;
        int pele = mat_pele(c, h);
        Material rm;
        rm.cor = h.roupa;
        rm.textura = TECIDO;
        int roupa = c.material(rm);
        int calca = c.material(h.calca, TECIDO);
        Material bm;
        bm.cor = h.bota;
        bm.textura = COURO;
        bm.brilho = 0.15;
        int bota = c.material(bm);
        if (!h.flutua)
            for (int l = 0; l < 2; l++) perna(c, h, b, l, calca, pele, bota);
        tronco(c, h, b, h.bracosnus ? pele : roupa, pele);
        if (h.cinto) cinto(c, h, b);
        if (h.tanga) tanga(c, h, b);
        if (h.saia || h.flutua) {
            Material sm;
            sm.cor = h.calca;
            sm.textura = TECIDO;
            sm.verso = h.calca.escura(0.45);
            saia(c, h, b, c.material(sm), h.flutua ? 0.05 * A : 0.035 * A, h.flutua ? 0.2 : 0.17, 0.07, h.flutua);
        }
        if (h.avental) avental(c, h, b, h.saia ? rgb(240, 236, 222) : h.coravental, h.saia ? 0.2 * A : 0.26 * A, h.saia ? 0.16 : 0.12);
        if (h.manto) capa(c, h, b, h.flutua ? 0.06 * A : 0.13 * A);
        if (h.asas) asas(c, h, b);
        if (h.cauda) cauda(c, h, b);
        extras(c, h, b);
        // the neck
        c.novaparte();
        c.cone(b.peito.pt(0, 0.0, -0.01 * A), b.cabeca.pt(0, -0.1 * b.rh, -0.55 * b.rh), 0.045 * A * h.grossura, 0.04 * A * h.grossura, pele);
        for (int l = 0; l < 2; l++) braco(c, h, b, l, h.bracosnus ? pele : roupa, pele, h.bracosnus);
        if (h.escudo) escudo(c, h, b);
        arma(c, h, b);
        cabeca(c, h, b);
    }
    magia(c, h, b);
}

}  // namespace boneco
