// The hero's routes, planned on the real collision boxes: the cheapest way on a five-pixel grid
// (dearer close to anything solid, so routes keep to the middle of the lanes), pulled taut into a
// few straight legs, each corner moved onto a cell point of the layout where the legs stay clear.
#include "mapas/verificador/verificador.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <queue>
#include <sstream>

#include "missions/missoes.h"
#include "sim/sim.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

namespace {

constexpr double MARGEMDURA = 6;    // the least room a leg keeps from anything solid
constexpr double MARGEMLARGA = 24;  // the room a leg keeps where the lane allows it

// The hero whose routes are being planned: his slot and his speed.
int32_t heroiplano = 0;
double velocidadeplano = 1;

// Whether a unit aimed from a at b by the game's own heading (with its 3.14 and 6.28) ends on b:
// on a long leg down and to the right the small error of that turn carries it past its point, and a
// unit that passes its point walks on.
bool chegaemlinha(PontoMapa a, PontoMapa b) {
    double dir = rumo(a.x, a.y, b.x, b.y), v = velocidadeplano, x = a.x, y = a.y;
    int passos = int(std::hypot(double(b.x - a.x), double(b.y - a.y)) / v) + 3;
    for (int k = 0; k <= passos; k++) {
        if (std::hypot(x - b.x, y - b.y) <= 0.7 * v) return true;  // with room to spare: the real steps go by axes
        x += std::cos(dir) * v;
        y -= std::sin(dir) * v;
    }
    return false;
}

// A point a click can give as a move order: on no unit's picture (a click there would be an order
// to follow or attack that unit).
bool clicavel(PontoMapa p) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo == 0 || u == heroiplano) continue;
        if (p.x > a.x - a.tamanhox - 3 && p.x < a.x + a.tamanhox + 3 && p.y > a.y - a.desenhoy - 3 && p.y < a.y + a.tamanhoy + 3) return false;
    }
    return true;
}

// A leg the hero walks as planned: clear in the grid, ending on its point, given by a plain click.
bool pernaboa(PontoMapa a, PontoMapa b, const Folga& f, bool ultimo) {
    return f.segmentolivre(a, b) && chegaemlinha(a, b) && (ultimo || clicavel(b));
}

// One step of the layout searches from cell (x, y) in direction d (0-3 straight, 4-7 diagonal):
// the cell it enters, or -1 off the map, into a cell shut in `dura` or across a shut corner; `preco`
// is its cost, four times dearer where `larga` is shut.
int passoda(const Folga& dura, const Folga& larga, int x, int y, int d, double& preco) {
    static const int dx[8] = {1, -1, 0, 0, 1, 1, -1, -1}, dy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    int nx = x + dx[d], ny = y + dy[d];
    if (nx < 0 || ny < 0 || nx >= dura.nx || ny >= dura.ny) return -1;
    int n = ny * dura.nx + nx;
    if (dura.bloqueado[size_t(n)]) return -1;
    if (d >= 4 && (dura.bloqueado[size_t(y * dura.nx + nx)] || dura.bloqueado[size_t(ny * dura.nx + x)])) return -1;
    preco = (d >= 4 ? 1.4142 : 1.0) * (larga.bloqueado[size_t(n)] ? 4.0 : 1.0);
    return n;
}

struct Busca {
    std::vector<double> custo;
    std::vector<int> veio;
};

// Cheapest ways from `inicio` over the cells free in `dura`; a step is four times dearer where the
// wide margin is not free.
Busca procura(const Folga& dura, const Folga& larga, int inicio) {
    Busca b;
    b.custo.assign(dura.bloqueado.size(), 1e18);
    b.veio.assign(dura.bloqueado.size(), -1);
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> fila;
    b.custo[size_t(inicio)] = 0;
    fila.push({0, inicio});
    while (!fila.empty()) {
        auto [c, k] = fila.top();
        fila.pop();
        if (c > b.custo[size_t(k)]) continue;
        int x = k % dura.nx, y = k / dura.nx;
        for (int d = 0; d < 8; d++) {
            double passo = 0;
            int n = passoda(dura, larga, x, y, d, passo);
            if (n < 0) continue;
            if (c + passo < b.custo[size_t(n)]) {
                b.custo[size_t(n)] = c + passo;
                b.veio[size_t(n)] = k;
                fila.push({c + passo, n});
            }
        }
    }
    return b;
}

std::vector<PontoMapa> caminho(const Busca& b, const Folga& f, int fim) {
    std::vector<PontoMapa> p;
    for (int k = fim; k != -1; k = b.veio[size_t(k)]) p.push_back(f.centro(k));
    std::reverse(p.begin(), p.end());
    return p;
}

// The farthest point of the path after i that a good leg from i reaches in grid f: the path is
// searched point by point while legs keep working, then more sparsely to its end.
size_t alcance(const std::vector<PontoMapa>& cam, size_t i, const Folga& f) {
    size_t melhor = i;
    int falhas = 0;
    for (size_t j = i + 1; j < cam.size(); j += falhas < 60 ? 1 : 8) {
        if (pernaboa(cam[i], cam[j], f, j + 1 == cam.size())) {
            melhor = j;
            falhas = 0;
        } else {
            falhas++;
        }
    }
    if (melhor + 1 < cam.size() && pernaboa(cam[i], cam.back(), f, true)) melhor = cam.size() - 1;
    return melhor;
}

// The path pulled taut: from each corner to the farthest point a leg reaches, keeping the wide
// margin unless the narrow one gets more than twice as far.
std::vector<PontoMapa> estica(const std::vector<PontoMapa>& cam, const Folga& dura, const Folga& larga) {
    std::vector<PontoMapa> cantos;
    size_t i = 0;
    while (i + 1 < cam.size()) {
        size_t jl = larga.livre(cam[i].x, cam[i].y) ? alcance(cam, i, larga) : i;
        size_t jd = alcance(cam, i, dura);
        size_t j = jl > i && (jl - i) * 2 >= (jd - i) ? jl : jd;
        if (j == i) j = i + 1;  // neighbouring cells of the path always join
        cantos.push_back(cam[j]);
        i = j;
    }
    return cantos;
}

// Corners onto the nearest cell point (a multiple of 50) where both legs stay clear, so a player can
// give them on the mini-map as well.
void arredondacantos(std::vector<PontoMapa>& p, PontoMapa inicio, const Folga& dura, const Folga& larga) {
    for (size_t k = 0; k + 1 < p.size(); k++) {
        PontoMapa antes = k == 0 ? inicio : p[k - 1];
        PontoMapa c{int32_t(std::lround(p[k].x / 50.0) * 50), int32_t(std::lround(p[k].y / 50.0) * 50)};
        bool ultimo = k + 2 == p.size();
        const Folga& f = larga.segmentolivre(antes, p[k]) && larga.segmentolivre(p[k], p[k + 1]) ? larga : dura;
        if (pernaboa(antes, c, f, false) && pernaboa(c, p[k + 1], f, ultimo)) p[k] = c;
    }
}

// The cheapest way from `inicio` to a cell within `raio` cells of `alvo`, searched toward it (A*);
// the cells of the way, or empty.
std::vector<int> procuraate(const Folga& dura, const Folga& larga, const std::vector<uint8_t>& perigo, int inicio, int alvo,
                            double raio) {
    std::vector<double> custo(dura.bloqueado.size(), 1e18);
    std::vector<int> veio(dura.bloqueado.size(), -1);
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> fila;
    int ax = alvo % dura.nx, ay = alvo / dura.nx;
    auto falta = [&](int k) { return std::max(0.0, std::hypot(double(k % dura.nx - ax), double(k / dura.nx - ay)) - raio); };
    custo[size_t(inicio)] = 0;
    fila.push({falta(inicio), inicio});
    while (!fila.empty()) {
        auto [f, k] = fila.top();
        fila.pop();
        int x = k % dura.nx, y = k / dura.nx;
        if (f > custo[size_t(k)] + falta(k) + 1e-9) continue;
        if (falta(k) <= 0) {
            std::vector<int> r;
            for (int c = k; c != -1; c = veio[size_t(c)]) r.push_back(c);
            std::reverse(r.begin(), r.end());
            return r;
        }
        for (int d = 0; d < 8; d++) {
            double passo = 0;
            int n = passoda(dura, larga, x, y, d, passo);
            if (n < 0) continue;
            double c = custo[size_t(k)] + passo * (perigo[size_t(n)] ? 6.0 : 1.0);
            if (c < custo[size_t(n)]) {
                custo[size_t(n)] = c;
                veio[size_t(n)] = k;
                fila.push({c + falta(n), n});
            }
        }
    }
    return {};
}

// The cheapest goal cell that `aceita` takes; -1 when none is reached.
template <class F>
int melhorfim(const Busca& b, const Folga& f, F aceita) {
    int fim = -1;
    for (size_t k = 0; k < b.custo.size(); k++)
        if (b.custo[k] < 1e17 && aceita(f.centro(int(k))) && (fim < 0 || b.custo[k] < b.custo[size_t(fim)])) fim = int(k);
    return fim;
}

// A mission's hidden target stands in its own objective area, and it is solid: the hero walks at it
// straight along one axis and stops when he bumps into it, inside the area. `fim` is the cheapest
// cell from which that last leg is clear, `partida` the point on the axis in it, `alvo` the
// target's point; false when the mission's area has no target object.
bool alvodamissao(PontoMapa& alvo, PontoMapa& partida, const Busca& b, const Folga& dura, int& fim) {
    const Objeto* o = nullptr;
    for (int32_t k = 1; k <= MAXOBJETOS && !o; k++)
        if (objetos[k].tipo == 7 || objetos[k].tipo == 16 || objetos[k].tipo == 18 || objetos[k].tipo == 20) o = &objetos[k];
    if (!o) return false;
    const Unidade& h = unidades[heroiplano];
    alvo = {int32_t(std::lround(o->x)), int32_t(std::lround(o->y))};
    fim = -1;
    double melhor = 1e18;
    static const int ex[4] = {0, 0, 1, -1}, ey[4] = {1, -1, 0, 0};
    for (int d = 0; d < 4; d++) {
        double toque = ex[d] ? o->tamanhox + h.tamanhox : o->tamanhoy + h.tamanhoy;  // where the bump stops him
        PontoMapa para{alvo.x + int32_t(ex[d] * (toque + 4.5)), alvo.y + int32_t(ey[d] * (toque + 4.5))};
        if (para.x < tarefa.areax1 || para.x > tarefa.areax2 || para.y < tarefa.areay1 || para.y > tarefa.areay2) continue;
        PontoMapa livre{alvo.x + int32_t(ex[d] * (toque + 12)), alvo.y + int32_t(ey[d] * (toque + 12))};
        for (int dist = 60; dist <= 400; dist += 5) {
            PontoMapa a{alvo.x + ex[d] * dist, alvo.y + ey[d] * dist};
            int k = dura.celula(a.x, a.y);
            if (k < 0 || b.custo[size_t(k)] > 1e17 || !dura.segmentolivre(a, livre) || !clicavel(a)) continue;
            if (b.custo[size_t(k)] + dist < melhor) { melhor = b.custo[size_t(k)] + dist; fim = k; partida = a; }
        }
    }
    return true;
}

std::string lugar(int32_t x, int32_t y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + "), cell (" + std::to_string(x / 50) + ", " + std::to_string(y / 50) + ")";
}

}  // namespace

const char* nomedestino(Destino d) {
    switch (d) {
    case Destino::OBJETIVO: return "objetivo";
    case Destino::PORTAL: return "portal";
    case Destino::CHEFE: return "chefe";
    case Destino::BAU: return "bau";
    }
    return "?";
}

bool planejarotas(int n, int maxpernas, std::vector<Rota>& rotas, std::string& why) {
    montamissao(n, 1);
    int32_t h = slotheroi();
    if (h == 0) { why = "mission " + std::to_string(n) + ": no hero"; return false; }
    const Unidade& heroi = unidades[h];
    heroiplano = h;
    velocidadeplano = heroi.velocidade;
    Folga dura = fazfolga(heroi.tamanhox, heroi.tamanhoy, MARGEMDURA, h);
    Folga larga = fazfolga(heroi.tamanhox, heroi.tamanhoy, MARGEMLARGA, h);
    PontoMapa inicio{int32_t(std::lround(heroi.x)), int32_t(std::lround(heroi.y))};
    int k0 = dura.celula(inicio.x, inicio.y);
    if (k0 < 0 || dura.bloqueado[size_t(k0)]) { why = "mission " + std::to_string(n) + ": the hero has no room at " + lugar(inicio.x, inicio.y); return false; }
    Busca b = procura(dura, larga, k0);
    // what the mission needs: its objective area, its portals and boss, its chests
    std::vector<Rota> pedidas;
    if (tarefa.objetivo == 1) {
        Rota r;
        r.destino = Destino::OBJETIVO;
        r.alvox = (tarefa.areax1 + tarefa.areax2) / 2;
        r.alvoy = (tarefa.areay1 + tarefa.areay2) / 2;
        pedidas.push_back(r);
    }
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        Rota r;
        r.alvox = int32_t(std::lround(a.x));
        r.alvoy = int32_t(std::lround(a.y));
        if (a.tipo == 21) r.destino = Destino::PORTAL;
        else if (a.tipo == 26) r.destino = Destino::CHEFE;
        else if (a.tipo == 12 && a.bau) { r.destino = Destino::BAU; r.item = a.item; }
        else continue;
        pedidas.push_back(r);
    }
    bool bom = true;
    for (Rota& r : pedidas) {
        r.missao = n;
        int fim = -1;
        PontoMapa aproximacao{0, 0}, partida{0, 0};
        bool comalvo = r.destino == Destino::OBJETIVO && alvodamissao(aproximacao, partida, b, dura, fim);
        if (r.destino == Destino::OBJETIVO && !comalvo) {
            fim = melhorfim(b, dura, [](PontoMapa p) {
                return p.x >= tarefa.areax1 + 3 && p.x <= tarefa.areax2 - 3 && p.y >= tarefa.areay1 + 3 && p.y <= tarefa.areay2 - 3;
            });
        } else if (comalvo) {
        } else if (r.destino == Destino::BAU) {
            fim = dura.celula(r.alvox, r.alvoy);
            if (fim >= 0 && b.custo[size_t(fim)] > 1e17) fim = -1;
        } else {
            fim = melhorfim(b, dura, [&](PontoMapa p) { return std::hypot(double(p.x - r.alvox), double(p.y - r.alvoy)) <= 90; });
        }
        std::string nome = std::string(nomedestino(r.destino)) + (r.item ? " " + std::to_string(r.item) : "");
        if (fim < 0) {
            why += "mission " + std::to_string(n) + ": the " + nome + " at " + lugar(r.alvox, r.alvoy) + " cannot be reached from the hero\n";
            bom = false;
            continue;
        }
        std::vector<PontoMapa> cam = caminho(b, dura, fim);
        if (comalvo) cam.back() = partida;
        r.pontos = estica(cam, dura, larga);
        if (r.destino == Destino::BAU) r.pontos.back() = {r.alvox, r.alvoy};
        if (comalvo) r.pontos.push_back(aproximacao);
        arredondacantos(r.pontos, inicio, dura, larga);
        if (int(r.pontos.size()) > maxpernas) {
            why += "mission " + std::to_string(n) + ": the route to the " + nome + " at " + lugar(r.alvox, r.alvoy) + " needs " +
                   std::to_string(r.pontos.size()) + " legs\n";
            bom = false;
        }
        rotas.push_back(r);
    }
    return bom;
}

std::vector<PontoMapa> planejacaminho(int32_t u, PontoMapa p, double raio) {
    // with the usual room first; a unit standing close to something is let out with less
    for (double margem : {MARGEMDURA, 1.0}) {
        std::vector<PontoMapa> r = planejacaminho(u, p, raio, margem);
        if (!r.empty()) return r;
    }
    return {};
}

std::vector<PontoMapa> planejacaminho(int32_t u, PontoMapa p, double raio, double margem) {
    const Unidade& a = unidades[u];
    heroiplano = u;
    velocidadeplano = a.velocidade;
    auto parado = [u](int32_t v) {  // the player's own walkers move out of the way
        const Unidade& b = unidades[v];
        return v != u && (b.inimigo || !b.organico || b.velocidade == 0);
    };
    Folga dura = fazfolga(a.tamanhox, a.tamanhoy, margem, parado);
    Folga larga = fazfolga(a.tamanhox, a.tamanhoy, MARGEMLARGA, parado);
    PontoMapa de{int32_t(std::lround(a.x)), int32_t(std::lround(a.y))};
    int k0 = dura.celula(de.x, de.y), k1 = dura.celula(p.x, p.y);
    if (k0 < 0 || k1 < 0) return {};
    dura.bloqueado[size_t(k0)] = 0;  // where it stands, it stands
    // the ground an enemy watches (its chase reaches 300) is dear: the way goes round camps and towers
    std::vector<uint8_t> perigo(dura.bloqueado.size(), 0);
    for (int32_t v = 1; v <= MAXUNIDADES; v++) {
        const Unidade& e = unidades[v];
        if (e.tipo == 0 || !e.inimigo || e.bau || (e.organico == 0 && e.tipo != 25)) continue;
        int r = 300 / Folga::PASSO, cx = int((e.x - dura.x0) / Folga::PASSO), cy = int((e.y - dura.y0) / Folga::PASSO);
        for (int y = std::max(0, cy - r); y <= std::min(dura.ny - 1, cy + r); y++)
            for (int x = std::max(0, cx - r); x <= std::min(dura.nx - 1, cx + r); x++)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) perigo[size_t(y) * dura.nx + x] = 1;
    }
    std::vector<int> cel = procuraate(dura, larga, perigo, k0, k1, raio / Folga::PASSO);
    if (cel.empty()) return {};
    std::vector<PontoMapa> cam;
    for (int k : cel) cam.push_back(dura.centro(k));
    cam.front() = de;
    if (raio == 0) cam.back() = p;
    if (cam.size() < 2) return {p};
    std::vector<PontoMapa> r = estica(cam, dura, larga);
    arredondacantos(r, de, dura, larga);
    return r;
}

std::vector<double> distanciasdecaminho(int32_t u, const std::vector<PontoMapa>& pontos) {
    const Unidade& a = unidades[u];
    auto parado = [u](int32_t v) {
        const Unidade& b = unidades[v];
        return v != u && (b.inimigo || !b.organico || b.velocidade == 0);
    };
    Folga dura = fazfolga(a.tamanhox, a.tamanhoy, 1.0, parado);
    Folga larga = fazfolga(a.tamanhox, a.tamanhoy, MARGEMLARGA, parado);
    int k0 = dura.celula(a.x, a.y);
    std::vector<double> r(pontos.size(), 1e18);
    if (k0 < 0) return r;
    dura.bloqueado[size_t(k0)] = 0;
    Busca b = procura(dura, larga, k0);
    for (size_t i = 0; i < pontos.size(); i++) {
        int k = dura.celula(pontos[i].x, pontos[i].y);
        if (k >= 0) r[i] = b.custo[size_t(k)] * Folga::PASSO;
    }
    return r;
}

std::string textorotas(const std::vector<Rota>& rotas) {
    std::string t = "# The hero's verified routes: mission, destination, its x and y, the chest's item, then the\n"
                    "# right-click points in map pixels (the first leg starts at the hero's cell).\n";
    for (const Rota& r : rotas) {
        t += std::to_string(r.missao) + " " + nomedestino(r.destino) + " " + std::to_string(r.alvox) + " " + std::to_string(r.alvoy) +
             " " + std::to_string(r.item) + " :";
        for (PontoMapa p : r.pontos) t += " " + std::to_string(p.x) + " " + std::to_string(p.y);
        t += "\n";
    }
    return t;
}

bool lerotas(const std::string& texto, std::vector<Rota>& rotas, std::string& why) {
    std::istringstream in(texto);
    std::string linha;
    for (int num = 1; std::getline(in, linha); num++) {
        if (linha.empty() || linha[0] == '#') continue;
        std::istringstream l(linha);
        Rota r;
        std::string destino, doispontos;
        if (!(l >> r.missao >> destino >> r.alvox >> r.alvoy >> r.item >> doispontos) || doispontos != ":") {
            why = "line " + std::to_string(num) + " is not a route";
            return false;
        }
        bool achou = false;
        for (Destino d : {Destino::OBJETIVO, Destino::PORTAL, Destino::CHEFE, Destino::BAU})
            if (destino == nomedestino(d)) { r.destino = d; achou = true; }
        std::vector<int32_t> numeros;
        int32_t v;
        while (l >> v) numeros.push_back(v);
        for (size_t k = 0; k + 1 < numeros.size(); k += 2) r.pontos.push_back({numeros[k], numeros[k + 1]});
        if (!achou || r.pontos.empty() || numeros.size() % 2 != 0 || !l.eof()) {
            why = "line " + std::to_string(num) + " is not a route";
            return false;
        }
        rotas.push_back(r);
    }
    return true;
}
