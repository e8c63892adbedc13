// What the scripted player reads of the game.
#include "campanha/olhos.h"

#include <algorithm>
#include <cmath>

#include "world/objetos.h"

int32_t slotdoheroi() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo != 0 && unidades[u].heroi) return u;
    return 0;
}

PontoMapa posicao(const Unidade& a) { return {int32_t(std::lround(a.x)), int32_t(std::lround(a.y))}; }

double distancia(const Unidade& a, const Unidade& b) { return std::hypot(a.x - b.x, a.y - b.y); }
double distancia(const Unidade& a, PontoMapa p) { return std::hypot(a.x - p.x, a.y - p.y); }

std::vector<int32_t> bando() {
    std::vector<int32_t> v;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 0 && !a.inimigo && !a.bau && a.organico && a.velocidade > 0 && a.tipo != 6) v.push_back(u);
    }
    return v;
}

std::vector<int32_t> inimigosperto(PontoMapa p, double raio, bool estruturas) {
    std::vector<int32_t> v;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || !a.inimigo || a.bau || a.hp <= 0) continue;
        if (!estruturas && !a.organico) continue;
        if (distancia(a, p) <= raio) v.push_back(u);
    }
    return v;
}

bool avista(PontoMapa a, PontoMapa b) {
    double d = std::hypot(double(b.x - a.x), double(b.y - a.y));
    // the objects near the segment only
    double x0 = std::min(a.x, b.x) - 30, x1 = std::max(a.x, b.x) + 30, y0 = std::min(a.y, b.y) - 30, y1 = std::max(a.y, b.y) + 30;
    int n = std::max(1, int(d / 8));
    for (int32_t k = 1; k <= MAXOBJETOS; k++) {
        const Objeto& o = objetos[k];
        if (o.tipo == 0 || !o.solido || o.x < x0 || o.x > x1 || o.y < y0 || o.y > y1) continue;
        for (int i = 1; i < n; i++) {
            double t = double(i) / n, x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
            if (std::fabs(x - o.x) < o.tamanhox && std::fabs(y - o.y) < o.tamanhoy) return false;
        }
    }
    return true;
}

std::vector<int32_t> ameacas(double raio) {
    std::vector<int32_t> v;
    for (int32_t m : bando())
        for (int32_t e : inimigosperto(posicao(unidades[m]), raio, false)) {
            // awake: after one of the player's, or close by
            const Unidade& a = unidades[e];
            bool acordado = (a.alvo != 0 && unidades[a.alvo].tipo != 0 && !unidades[a.alvo].inimigo) || distancia(a, unidades[m]) < 170;
            bool alcanca = distancia(a, unidades[m]) < 110 || avista(posicao(a), posicao(unidades[m]));
            if (acordado && alcanca && std::find(v.begin(), v.end(), e) == v.end()) v.push_back(e);
        }
    return v;
}

int slotdeitem(const std::vector<int>& itens) {
    int32_t h = slotdoheroi();
    if (h == 0) return -1;
    for (int i : itens)
        for (int k = 0; k < 6; k++)
            if (unidades[h].itens[k] == i) return k;
    return -1;
}

int itenslivres() {
    int32_t h = slotdoheroi();
    int n = 0;
    if (h != 0)
        for (int k = 0; k < 6; k++) n += unidades[h].itens[k] == 0;
    return n;
}

bool ehbebida(int item) { return item >= 19 && item <= 30; }

double custoluta(const std::vector<int32_t>& inimigos) {
    int32_t h = slotdoheroi();
    if (h == 0 || inimigos.empty()) return 0;
    const Unidade& heroi = unidades[h];
    double armadura = heroi.armadura + heroi.armadurabonus;
    double vida = 0, golpe = 0, meu = 0;
    for (int32_t e : inimigos) {
        const Unidade& a = unidades[e];
        vida += a.hp / std::max(0.05, 1 - 0.05 * (a.armadura + a.armadurabonus));
        golpe += std::max(1.0, (a.danomin + a.danomax) / 2.0 * (1 - 0.05 * armadura)) / std::max<double>(a.ciclomax, 20);
    }
    for (int32_t b : bando()) {
        const Unidade& a = unidades[b];
        if (b != h && distancia(a, heroi) > 400) continue;  // too far behind to strike in this fight
        meu += (a.danomin + a.danomax + 2.0 * a.danobonus) / 2.0 / std::max<double>(a.ciclomax, 20);
    }
    return vida / std::max(0.1, meu) * golpe * (inimigos.size() > 1 ? 0.6 : 1.0);
}

double vidadisponivel() {
    int32_t h = slotdoheroi();
    if (h == 0) return 0;
    double v = unidades[h].hp;
    for (int k = 0; k < 6; k++) {
        int i = unidades[h].itens[k];
        if (i == 25 || i == 29) v += 100;
        if (i == 26 || i == 30) v += 300;
    }
    return v;
}

int valoritem(int item) {
    switch (item) {
    case 33: return 50;               // Armadura SAMURAI: +5 armour
    case 3: return 30;                // Anel da proteção +3
    case 12: return 28;               // Anel da agilidade +15: +3 armour
    case 32: return 26;               // KATANA
    case 2: return 20;                // Anel da proteção +2
    case 11: return 18;               // Anel da agilidade +10
    case 17: return 17;               // Elmo dos reis
    case 18: return 15;               // Talismã da evasão
    case 6: return 14;                // Garras +15
    case 31: return 13;               // Bandeira do JAPÃO
    case 1: return 12;                // Anel da proteção +1
    case 7: return 11;                // Anel da regeneração
    case 10: return 10;               // Anel da agilidade +5
    case 34: return 10;               // the staff that raises skeletons
    case 16: return 9;                // Medalhão da coragem
    case 5: return 9;                 // Garras +10
    case 9: return 7;                 // Botas da velocidade
    case 15: return 6;                // Manto +9
    case 4: return 5;                 // Garras +5
    case 8: return 5;                 // Pedra de MANA
    case 14: return 4;                // Manto +6
    case 13: return 3;                // Manto +3
    case 26: case 30: return 8;       // the big drinks
    case 25: case 29: return 4;       // the small ones
    case 27: case 28: return 2;       // MP only
    case 19: case 20: case 21: case 22: case 23: case 24: return 9;  // books are read at once: worth a slot for a moment
    default: return 0;
    }
}
