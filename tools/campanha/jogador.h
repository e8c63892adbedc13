// The scripted player inside a mission: it reads the tables and acts only through the hands (input
// events to the game's own handlers), the way a person plays: the band kept together as group 1,
// sent along planned legs, turned on whatever attacks it, the hero's techniques, drinks and books
// used, chests picked up, portals and the boss attacked, the base given a guard tower.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "campanha/maos.h"

// What the band is after, in order.
struct Meta {
    enum Tipo { BAU, PORTAL, CHEFE, OBJETIVO, LOJA, BASE, PONTO } tipo = PONTO;
    PontoMapa ponto{0, 0};  // where it is
    int32_t slot = 0;       // the chest, portal or boss
    int item = 0;           // the chest's item
};

struct ResultadoMissao {
    bool vitoria = false;
    int32_t tiques = 0;       // gameplay ticks until "FINALIZAR" (or the defeat)
    int nivel = 0;            // the hero's level at the end
    int hp = 0, hpmax = 0;    // and his HP
    int perdas = 0;           // the player's units lost
    double gasto = 0;         // money spent
    std::string motivo;       // why it was lost
};

struct Jogador {
    Jogador(Maos& maos, const std::vector<Rota>& rotas);
    // Plays the mission already on its first gameplay tick until its objective is met and
    // "FINALIZAR" is clicked, the mission is lost, or `limite` ticks pass.
    ResultadoMissao joga(int32_t limite);

private:
    Maos& m;
    const std::vector<Rota>& rotas;  // the layouts' verified routes
    int32_t clicada = 0;             // the unit last clicked to select it,
    int64_t clicadaem = -1000000;    // and the game time of that press
    std::deque<Meta> metas;
    std::vector<PontoMapa> caminho;  // the legs toward the current goal
    size_t passo = 0;                // the next leg to order
    int32_t ordenadoem = -1000;      // tick of the last move order
    int32_t parado = 0;
    int32_t aospesdesde = 0;          // since when the hero stands idle on the chest he is after              // ticks the hero has stood without reaching his point
    int32_t atacouem = -1000;
    int32_t falhas = 0;              // plans that found no way to the current goal
    int32_t perseguido = 0;          // the enemy chased since `perseguidoem` without a blow landing
    int32_t perseguidoem = 0;
    double perseguidohp = 0;
    std::vector<std::pair<int32_t, int32_t>> ignorados;  // (enemy, until tick): chased in vain
    int32_t lutadesde = -1;          // tick the fight began without an enemy losing HP since
    double vidainimigos = 0;         // the threats' HP then
    bool recuando = false;           // the band falls back from a fight it would lose
    int32_t recuaate = 0;
    PontoMapa refugio{0, 0};
    std::vector<PontoMapa> fuga;     // the way out, and the leg being walked
    size_t fugapasso = 0;
    int32_t semrecuaate = 0;         // just done running: no new retreat before this tick
    int tentativasarea = 0;
    int torresmax = 0;               // the most towers the base has had          // tries at the last step into the target area
    std::vector<PontoMapa> volta;    // the way home when the hero is worn out far from it
    size_t voltapasso = 0;
    bool voltando = false;
    PontoMapa inicio{0, 0};          // where the hero began the mission
    int32_t lojadesde = 0, lojadepois = 0;  // when the band set out for the shop; not again before
    int32_t lancandoate = 0;         // the hero is casting: no order until then
    bool colhendo = false;           // the objective is met: the band takes the chests left
    int32_t colheudesde = 0;
    struct Deixado {
        PontoMapa onde;
        int item;
        bool volta;  // left by the shop for room for drinks: taken back once the mission is won
    };
    std::vector<Deixado> deixados;  // things the hero left on the ground
    bool deixado(int32_t bau) const;
    double gasto = 0;
    int perdas = 0;
    std::vector<int32_t> conhecidos;  // the player's units seen, to count losses

    void planeja();
    void pensa();
    bool luta();
    bool tecnicas();
    void anda();
    void cuida();
    void aprende();
    void cuidabase();
    bool poeobra(int32_t quartel, uint8_t pendente);
    void curasozinha(int32_t u);
    void formagrupo();
    void selecionagrupo();
    void selecionaheroi();
    void ordem(PontoMapa p, int32_t alvo = 0);
    double ultimox = 0, ultimoy = 0;  // where the hero was at the last look
    bool clicaunidade(int32_t u, bool somando);
    void usaitem(int k);
    void deixaitem(int k, bool parasempre, bool volta = false);
    bool usatecnica(uint8_t comando, int32_t alvo);
    void contaperdas();
    bool reanima();
    bool precisadeloja() const;
    void compra(int32_t loja);
    bool recua();
    bool voltaparacasa();
};
