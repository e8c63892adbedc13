// The 46 numbered sounds: which are synthesised, which are spoken and by whom, and how they are put together.
#include "gerador.h"
#include "efeitos.h"
#include "vozes.h"
#include "common/wav.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

// One sound: an effect, a spoken line, or both (the voice starting `atraso` seconds after the effect).
struct ItemSom {
    Sinal (*efeito)();
    Personagem quem;
    const char* fala;
    double atraso;
    double ganhoefeito;  // the effect's level under a voice
};

static const ItemSom SONS[NUMSONS] = {
    {som_fazenda, NINGUEM, nullptr, 0, 1},                                          // 1 farm: cow and cowbell
    {som_loja, NINGUEM, nullptr, 0, 1},                                             // 2 shop: the till
    {som_quartel, NINGUEM, nullptr, 0, 1},                                          // 3 barracks: horn
    {som_caldeirao, MORGAVA, "Rí rí rí rí rí rí!", 0.3, 0.7},                          // 4 witch's house: cauldron and cackle
    {nullptr, DURBICO, "Pois não, chefe?", 0, 0},                                   // 5 worker selected
    {nullptr, DURBICO, "Fala logo, que o serviço não espera.", 0, 0},               // 6
    {nullptr, DURBICO, "Durbico na área. O que quebrou agora?", 0, 0},              // 7
    {nullptr, DURBICO, "De novo? Me deixa trabalhar, pô!", 0, 0},                // 8 worker annoyed
    {nullptr, DURBICO, "Tá bom, tá bom, vou no martelo mesmo!", 0, 0},              // 9 worker attack order
    {nullptr, FIDELINA, "Oi! Posso ajudar?", 0, 0},                                 // 10 Fidelina selected
    {nullptr, FIDELINA, "Estou aqui, querido.", 0, 0},                              // 11
    {nullptr, FIDELINA, "Alguém se machucou?", 0, 0},                               // 12
    {nullptr, FIDELINA, "Ai, para de me cutucar, assim eu fico tonta!", 0, 0},      // 13 Fidelina annoyed
    {nullptr, FIDELINA, "Com todo o carinho, lá vou eu!", 0, 0},                    // 14 Fidelina attack order
    {nullptr, FIDELINA, "Calma, já vai passar.", 0, 0},                             // 15 Fidelina starts a heal
    {nullptr, MORGAVA, "Rá rá! O que deseja, meu bem?", 0, 0},                      // 16 witch selected
    {nullptr, MORGAVA, "A bruxa Morgava escuta...", 0, 0},                          // 17
    {nullptr, MORGAVA, "Feitiços fresquinhos! Rá rá!", 0, 0},                       // 18
    {nullptr, MORGAVA, "Mais um clique e eu te transformo em sapo!", 0, 0},         // 19 witch annoyed
    {nullptr, MORGAVA, "Rá rá rá! Vai virar picadinho!", 0, 0},                     // 20 witch attack order
    {som_magia, MORGAVA, "Venha, Satanás! Rá rá rá!", 0.2, 0.8},                    // 21 witch summons the demon
    {nullptr, VORLANDO, "Que foi, rapaz?", 0, 0},                                   // 22 hero selected
    {nullptr, VORLANDO, "Seu Vorlando, às suas ordens.", 0, 0},                     // 23
    {nullptr, VORLANDO, "Fala, que eu não tenho o dia todo.", 0, 0},                // 24
    {nullptr, VORLANDO, "Ora, diacho! Para de me cutucar, sô!", 0, 0},                 // 25 hero annoyed
    {nullptr, VORLANDO, "Segura essa, assombração!", 0, 0},                         // 26 hero attack order
    {som_terremoto, NINGUEM, nullptr, 0, 1},                                        // 27 tremor's quake
    {som_chamas, VORLANDO, "Ai, ai, ai! Tô pegando fogo!", 0.05, 0.5},              // 28 hero burning
    {som_semdinheiro, DURBICO, "Sem dinheiro não dá, chefe!", 0.3, 0.6},            // 29 not enough money
    {som_esqueleto, NINGUEM, nullptr, 0, 1},                                        // 30 skeleton rattle
    {som_rosnado, SATANAS, "Às ordens, mestra!", 0.45, 0.9},                        // 31 demon growl
    {[] { return som_martelo(0); }, NINGUEM, nullptr, 0, 1},                        // 32 hammering
    {[] { return som_martelo(1); }, NINGUEM, nullptr, 0, 1},                        // 33 hammering
    {[] { return som_golpe(0); }, NINGUEM, nullptr, 0, 1},                          // 34 melee: blade
    {[] { return som_golpe(1); }, NINGUEM, nullptr, 0, 1},                          // 35 melee: club
    {[] { return som_golpe(2); }, NINGUEM, nullptr, 0, 1},                          // 36 melee: slash, bolt arrival
    {som_flecha, NINGUEM, nullptr, 0, 1},                                           // 37 arrow shot
    {som_flechada, NINGUEM, nullptr, 0, 1},                                         // 38 arrow hit
    {som_explosao, NINGUEM, nullptr, 0, 1},                                         // 39 fire and explosion
    {som_nivel, NINGUEM, nullptr, 0, 1},                                            // 40 level up
    {som_cura, NINGUEM, nullptr, 0, 1},                                             // 41 healing
    {som_invisivel, NINGUEM, nullptr, 0, 1},                                        // 42 invisibility
    {som_esfera, NINGUEM, nullptr, 0, 1},                                           // 43 sphere, invulnerability
    {som_livro, NINGUEM, nullptr, 0, 1},                                            // 44 reading a book
    {som_goles, VORLANDO, "Aaah! Que delícia!", 0.85, 0.8},                         // 45 drinking a refreshment
    {som_partida, NINGUEM, nullptr, 0, 1},                                          // 46 the demon departs
};
static_assert(sizeof(SONS) / sizeof(SONS[0]) == NUMSONS);

static std::string doisdigitos(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
std::string nomesom(int n) { return "Sons/Som-" + doisdigitos(n) + ".wav"; }
std::string nomemusica(int m) { return "Musicas/Musica-" + doisdigitos(m) + ".wav"; }

// The demon speaks through a growl of its own.
static void endemoninhar(Sinal& voz, int n) {
    Rng r(uint64_t(n) * 7919);
    Sinal g = rosnado(r, double(voz.size()) / TAXA + 0.3, 48);
    normalizar(g, 0.5);
    misturar(voz, g, 0.0);
}

bool gerarsom(int n, const std::string& pasta, std::string& erro) {
    if (n < 1 || n > NUMSONS) { erro = "não existe o som " + std::to_string(n); return false; }
    const ItemSom& it = SONS[n - 1];
    Sinal s;
    if (it.efeito) s = it.efeito();
    if (it.fala) {
        Sinal voz;
        std::string tmp = pasta + "/Sons/.voz-" + std::to_string(getpid()) + "-" + doisdigitos(n) + ".wav";
        std::filesystem::create_directories(pasta + "/Sons");
        if (!falar(it.quem, it.fala, tmp, voz, erro)) return false;
        if (it.quem == SATANAS) endemoninhar(voz, n);
        for (float& v : s) v = float(v * it.ganhoefeito);
        misturar(s, voz, it.atraso);
    }
    filtrar_passaalta(s, 25);  // no sound carries a standing offset into the mixer
    normalizar(s, it.fala ? 0.9 : 0.85);
    suavizarpontas(s, 0.002, 0.02);
    std::error_code ec;
    std::filesystem::create_directories(pasta + "/Sons", ec);
    if (!write_wav(pasta + "/" + nomesom(n), s, TAXA)) { erro = "não consegui escrever " + pasta + "/" + nomesom(n); return false; }
    return true;
}

bool gerartudo(const std::string& pasta, std::string& erro) {
    if (!temespeak()) {
        erro = "espeak-ng não encontrado: as vozes do jogo precisam dele (instale o pacote espeak-ng, ou rode make play)";
        return false;
    }
    for (int n = 1; n <= NUMSONS; n++)
        if (!gerarsom(n, pasta, erro)) return false;
    for (int m = 1; m <= NUMMUSICAS; m++)
        if (!gerarmusica(m, pasta, erro)) return false;
    return true;
}
