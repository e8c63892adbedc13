// Unit creation, in its fixed order of steps: common values, the type's values, construction
// state, rally point, the carried hero, chests, portals, reduced rewards, attributes and research,
// the creator's target, the target at the destination and the first picture.
#include "world/criaunidade.h"

#include "sim/sim.h"
#include "world/auxiliares.h"
#include "world/posicoesunidades.h"
#include "world/catalogo.h"
#include "world/estado.h"
#include "world/itens.h"
#include "world/unidades.h"

namespace {

// Step 2: the common values. A new record starts from zero but keeps the auras, the items and the
// techniques that the slot held. It never starts selected: a slot freed while selected (a mission
// set up over the last one, a site given up) would otherwise come back marked.
void valorescomuns(Unidade& a, int32_t tipo, int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t u, int32_t item) {
    Unidade velha = a;
    a = Unidade{};
    a.auraprotetora = velha.auraprotetora;
    a.auraguerreira = velha.auraguerreira;
    for (int k = 0; k < 6; k++) a.itens[k] = velha.itens[k];
    for (int k = 0; k < 5; k++) a.tecnicas[k] = velha.tecnicas[k];
    a.tipo = uint16_t(tipo);
    a.x = x;
    a.y = y;
    a.atacaauto = a.persegue = a.organico = a.solido = true;
    a.direcao = 4.71;
    a.agrupamentox = arredonda(a.x);
    a.agrupamentoy = arredonda(a.y);
    a.distataque = 50;
    apontar(u, dx, dy);  // also stores the destination
    a.posicao = 2;
    a.alcancevisao = 320;
    a.distpersegue = 300;
    a.item = uint8_t(item);
}

// Step 3: the type's flags and numbers.
void valoresdotipo(Unidade& a, int32_t tipo) {
    const TipoUnidade& t = tiposunidade[tipo];
    const NumerosUnidade& n = numerosunidade[tipo];
    const ApresentacaoUnidade& p = apresentacaounidade[tipo];
    a.nome = t.nome;
    a.inimigo = t.marcas & INIMIGO;
    a.organico = !(t.marcas & NAOORGANICO);
    a.adistancia = t.marcas & ADISTANCIA;
    a.envenena = t.marcas & ENVENENA;
    a.paralisa = t.marcas & PARALISA;
    a.comecadaver = t.marcas & COMECADAVER;
    a.rastro = t.marcas & RASTRO;
    a.esqueleto = t.marcas & ESQUELETO;
    a.heroi = t.marcas & HEROI;
    a.bau = t.marcas & BAU;
    a.solido = !(t.marcas & NAOSOLIDO);
    a.atacaauto = !(t.marcas & NAOATACA);
    a.persegue = !(t.marcas & NAOPERSEGUE);
    a.temagrupamento = t.marcas & AGRUPAMENTO;
    if (t.marcas & PARADO) a.posicao = 1;
    a.forca = n.forca;
    a.agilidade = n.agilidade;
    a.inteligencia = n.inteligencia;
    a.hpmax = n.hpmax;
    a.hp = n.hpmax;
    a.danomin = n.danomin;
    a.danomax = n.danomax;
    a.armadura = n.armadura;
    a.distataque = n.distataque;
    a.ciclomax = n.ciclomax;
    a.velocidade = n.velocidade;
    a.nivel = n.nivel;
    a.experiencia = n.experiencia;
    a.recompensa = n.recompensa;
    a.consomecomida = n.consomecomida;
    a.fornececomida = n.fornececomida;
    a.construcaomax = n.construcaomax;
    a.construcao = n.construcaomax;
    a.custo = n.custo;
    a.qtdinimigos = n.qtdinimigos;
    a.tempovida = a.tempovidamax = n.tempovida;
    a.altura = p.altura;
    a.retrato = p.retrato;
    a.retrato2 = p.retrato2;
    a.retratoa = p.retratoa;
    a.retratob = p.retratob;
    a.iconeataque = p.iconeataque;
    a.iconedefesa = p.iconedefesa;
    a.alcancevisao = p.alcancevisao;
    a.distpersegue = p.distpersegue;
}

// Step 6: the hero comes back as he left the last mission.
void heroicarregado(Unidade& a) {
    a.nivel = heroisalvo.nivel;
    a.experiencia = heroisalvo.experiencia;
    a.forca = heroisalvo.forca;
    a.agilidade = heroisalvo.agilidade;
    a.inteligencia = heroisalvo.inteligencia;
    a.pontostecnica = heroisalvo.pontostecnica;
    for (int k = 0; k < 5; k++) a.tecnicas[k] = heroisalvo.tecnicas[k];
    for (int k = 0; k < 6; k++) a.itens[k] = heroisalvo.itens[k];
}

// Step 10: organic units start whole; finished research strengthens some of them.
void atributosiniciais(Unidade& a, int32_t u) {
    calculaatributos(u);
    a.hp = a.hpmax;
    a.mp = a.mpmax;
    if (a.tipo == 7 && pesquisa5 == 2) {
        a.forca = 11; a.inteligencia = 16;
        calculaatributos(u);
        a.hp += 75; a.mp += 60;
    }
    if (a.tipo == 8 && pesquisa6 == 2) {
        a.forca = 14; a.inteligencia = 18;
        calculaatributos(u);
        a.hp += 75; a.mp += 60;
    }
    if (a.tipo == 10 && pesquisa7 == 2) {
        a.forca = 12; a.agilidade = 12;
        a.tempovidamax = 2200;
        a.tempovida = uint16_t(a.tempovida + 700 > a.tempovidamax ? a.tempovidamax : a.tempovida + 700);
        calculaatributos(u);
        a.hp += 75;
    }
}

// Step 13: a destination inside a unit's box makes that unit the target (the last one found).
void alvonodestino(int32_t u) {
    Unidade& a = unidades[u];
    for (int32_t j = 1; j <= MAXUNIDADES; j++) {
        const Unidade& b = unidades[j];
        if (j == u || b.tipo == 0) continue;
        if (b.x - b.tamanhox < a.destinox && a.destinox < b.x + b.tamanhox &&
            b.y - b.desenhoy < a.destinoy && a.destinoy < b.y + b.tamanhoy)
            a.alvo = uint16_t(j);
    }
}

}  // namespace

void criaunidade(int32_t tipo, int32_t x, int32_t y, int32_t pronto, int32_t destinox, int32_t destinoy,
                 int32_t criador, int32_t item) {
    if (tipo < 1 || tipo > MAXTIPOS) return;
    // 1. the lowest free slot
    int32_t u = 1;
    while (u <= MAXUNIDADES && unidades[u].tipo != 0) u++;
    if (u > MAXUNIDADES) return;  // the table is full: nothing is made and nothing is said
    Unidade& a = unidades[u];
    // 2., 3. common values, then the type's
    valorescomuns(a, tipo, x, y, destinox, destinoy, u, item);
    valoresdotipo(a, tipo);
    // 4. towers, farms and shops started by a worker are construction sites
    if (tipo <= 3) {
        a.organico = false;
        a.hp = pronto == 0 ? numerosunidade[tipo].hpobra : a.hpmax;
        a.construcao = pronto == 0 ? 0 : a.construcaomax;
    }
    // 5. the barracks and the witch's house gather their units below and to the left
    if (tipo == 4 || tipo == 5) {
        a.temagrupamento = true;
        a.agrupamentox = arredonda(a.x) - 20;
        a.agrupamentoy = arredonda(a.y) + 40;
    }
    // 6. the hero
    if (tipo == 9) heroicarregado(a);
    // 7. a chest is named after what it holds
    if (tipo == 12) a.nome = item >= 1 && item <= MAXITENS ? itenstabela[item].nome.str() : std::string();
    // 8. every portal is type 21; only its level values tell them apart
    if (tipo >= 22 && tipo <= 24) a.tipo = 21;
    // 9. monsters released by a portal are worth less
    if (a.inimigo && pronto == 0) {
        a.experiencia = uint16_t(arredonda(a.experiencia / 5.0));
        a.recompensa = uint16_t(arredonda(a.recompensa / 2.0));
    }
    // 10. attributes and research
    if (a.organico) atributosiniciais(a, u);
    // 11. strengthened structures
    if (!a.organico && !a.inimigo && pesquisa4 == 2) {
        int32_t m = arredonda(a.hpmax * 0.25);
        a.hp += m;
        a.hpmax += m;
        a.armadura = 5;
    }
    // 12. the creator works on (or looks after) the new unit
    if (criador >= 1 && criador <= MAXUNIDADES) unidades[criador].alvo = uint16_t(u);
    // 13. a destination on a unit makes it the target
    alvonodestino(u);
    // 14. its first picture, box and anchors now: a unit made during the unit update into a slot
    // already passed is drawn before its own update comes round
    escolhequadro(u);
    anotaposicao(u);
}
