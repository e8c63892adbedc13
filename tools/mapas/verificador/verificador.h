// The layout checks that run the game's own code: a mission set up as the briefing sets it up, the
// world advanced by the simulation alone, the hero's routes planned on the real collision boxes and
// walked by the real movement, and every portal's monsters followed until they reach the player.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct PontoMapa {
    int32_t x, y;  // pixels do mapa
};

// What a route leads to.
enum class Destino { OBJETIVO, PORTAL, CHEFE, BAU };

// One written route: right clicks from the hero's start cell to a place the mission needs.
struct Rota {
    int missao = 0;
    Destino destino = Destino::OBJETIVO;
    int32_t alvox = 0, alvoy = 0;   // the objective area's centre, the portal, the boss or the chest
    int item = 0;                   // the chest's item, 0 for the others
    std::vector<PontoMapa> pontos;  // the clicked points in order; the last one is on the chest for a chest
};

// --- mundo.cpp: the mission in the tool
// Sets mission n up from a new game's hero, as "CONTINUAR ..." would start it, and runs one tick
// of the world so every box and picture is set.
void montamissao(int n, uint64_t semente);
int32_t slotheroi();
// The world without drawing, one tick.
void tiquemundo();
// A right click at map point p, through the game's mouse handlers, with the view moved onto it.
void cliquedireito(PontoMapa p);
// How long the hero needs for a straight leg at his speed, in ticks.
double tempoemlinha(PontoMapa a, PontoMapa b, double velocidade);

// --- folga.cpp: where a box of a given size can stand without touching anything solid
struct Folga {
    static constexpr int PASSO = 5;  // pixels per cell of the grid
    int x0 = 0, y0 = 0, nx = 0, ny = 0;
    std::vector<uint8_t> bloqueado;
    bool livre(double x, double y) const;
    bool segmentolivre(PontoMapa a, PontoMapa b) const;
    PontoMapa centro(int k) const { return {x0 + (k % nx) * PASSO + PASSO / 2, y0 + (k / nx) * PASSO + PASSO / 2}; }
    int celula(double x, double y) const;  // -1 outside the grid
};
// The grid for a box of half sizes (hx, hy) grown by `margem`: solid map objects, traps, and the
// solid units standing at the start (but `ignorar`) block it, and so do the map's edges.
Folga fazfolga(double hx, double hy, double margem, int32_t ignorar);
// The same with the units that block chosen by `conta`.
Folga fazfolga(double hx, double hy, double margem, const std::function<bool(int32_t)>& conta);

// --- rotas.cpp: the hero's routes on the real boxes
// Every route mission n needs (objective, portals, boss, chests), each at most `maxpernas` legs.
bool planejarotas(int n, int maxpernas, std::vector<Rota>& rotas, std::string& why);
// During play: a way for unit u from where it stands to within `raio` of p (p itself when raio is
// 0), around the map objects and the units standing still (the player's own walking units are left
// out: they move). The click points, or empty when there is none.
std::vector<PontoMapa> planejacaminho(int32_t u, PontoMapa p, double raio);
std::vector<PontoMapa> planejacaminho(int32_t u, PontoMapa p, double raio, double margem);
// How far (pixels, give or take the cost of keeping off obstacles) unit u has to walk to each point;
// a large number where it cannot get.
std::vector<double> distanciasdecaminho(int32_t u, const std::vector<PontoMapa>& pontos);
// The routes as text, one per line, and back.
std::string textorotas(const std::vector<Rota>& rotas);
bool lerotas(const std::string& texto, std::vector<Rota>& rotas, std::string& why);
const char* nomedestino(Destino d);

// --- caminhada.cpp: a route walked by the real movement
// Walks route r in a fresh mission, the hero invisible and invulnerable; every leg must arrive within
// 1.5 times its straight-line time. Ticks per leg in `tiques`.
bool caminharota(const Rota& r, uint64_t semente, std::vector<int>& tiques, std::string& why);

// --- monstros.cpp: the portals' monsters
struct Soltura {
    PontoMapa portal, saida, meta;  // the portal, where the monster came out, the goal it was sent to
    int tiques = -1;                // ticks until it reached a player unit, -1 never
    int limite = 0;                 // the bound it had
};
// Releases `porportal` monsters from every portal of mission n as the game does, the player's
// units kept alive; each must come within reach of a player unit within 1.5 times its straight-line
// time plus 300 ticks.
bool verificamonstros(int n, uint64_t semente, int porportal, std::vector<Soltura>& solturas, std::string& why);

// --- revisao.cpp: the review picture of a layout with its routes and its portals' lines
bool desenharevisao(const std::string& caminho, int n, const std::vector<Rota>& rotas, const std::vector<Soltura>& solturas);
