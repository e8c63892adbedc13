// The scripted player inside a mission.
#include "campanha/jogador.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "campanha/olhos.h"
#include "input/mouse.h"
#include "world/efeitos.h"
#include "media/media.h"
#include "missions/missoes.h"
#include "render/botoes.h"
#include "render/tabelacomandos.h"
#include "shell/shell.h"
#include "world/estado.h"

namespace {

// The technique levels the hero learns, in this order, one per point.
const int ordemtecnicas[][2] = {
    {1, 1}, {3, 1}, {1, 2}, {0, 2}, {0, 3}, {1, 3}, {2, 1}, {4, 1}, {3, 2}, {3, 3}, {2, 2}, {2, 3}, {4, 2}, {4, 3},
};

const int bebidashp[] = {25, 29, 26, 30};  // the small ones first
const int livros[] = {19, 20, 21, 22, 23, 24};

constexpr int32_t VK_SHIFT_ = 16;

bool acabou() { return tela != 5 || derrotado; }

// The player's first complete unit of a type, 0 when none.
int32_t minha(uint8_t tipo) {
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == tipo && !unidades[u].inimigo && unidades[u].construcao == unidades[u].construcaomax) return u;
    return 0;
}

int bebidasnamochila() {
    int32_t h = slotdoheroi();
    int n = 0;
    for (int k = 0; k < 6; k++)
        n += std::find(std::begin(bebidashp), std::end(bebidashp), int(unidades[h].itens[k])) != std::end(bebidashp);
    return n;
}

}  // namespace

Jogador::Jogador(Maos& maos, const std::vector<Rota>& r) : m(maos), rotas(r) {}

// --- selection -------------------------------------------------------------------------------

bool Jogador::clicaunidade(int32_t u, bool somando) {
    const Unidade& a = unidades[u];
    if (a.tipo == 0) return false;
    // someone who means this one unit does not click it twice within a double-click's time
    if (u == clicada)
        while (GameTime() - clicadaem <= DUPLOCLIQUE) m.passa();
    clicada = u;
    m.centra(posicao(a));
    int32_t sx = int32_t(std::lround(a.x)) - camerax, sy = int32_t(std::lround(a.y)) - 6 - cameray;
    if (sx < 1 || sx > 798 || sy < 1 || sy > 455) return false;
    if (somando) {
        EventoRoteiro e;
        e.tipo = EventoRoteiro::PRESS;
        e.tecla = VK_SHIFT_;
        m.pendentes.push_back(e);
    }
    clicadaem = GameTime();  // what the press will see: it comes before the next tick
    m.clique(false, sx, sy);
    if (somando) {
        EventoRoteiro e;
        e.tipo = EventoRoteiro::RELEASE;
        e.tecla = VK_SHIFT_;
        m.pendentes.push_back(e);
    }
    m.passa();
    // something standing in front took the click: another spot of its picture
    static const double partes[][2] = {{0, 0.5}, {-0.6, 0.3}, {0.6, 0.3}, {0, 0.8}, {-0.8, 0.6}, {0.8, 0.6}};
    for (const auto& p : partes) {
        if (somando || select_ == u) break;
        int32_t px = sx + int32_t(p[0] * a.tamanhox), py = int32_t(std::lround(a.y)) - cameray - int32_t(p[1] * a.desenhoy);
        if (px < 1 || px > 798 || py < 1 || py > 455) continue;
        m.clique(false, px, py);
        m.passa();
    }
    return somando || select_ == u;
}

void Jogador::formagrupo() {
    int32_t h = slotdoheroi();
    if (h == 0) return;
    // the group as it is (or the hero alone), then every member of the band near him not yet in it
    bool temgrupo = false;
    for (int32_t u : bando()) temgrupo = temgrupo || unidades[u].grupo == 1;
    if (temgrupo) m.tecla('1');
    else m.tecla(VK_F1);
    m.passa();
    if (!unidades[h].selecionado) clicaunidade(h, true);
    for (int32_t u : bando())
        if (u != h && unidades[u].grupo != 1 && distancia(unidades[u], unidades[h]) < 500) clicaunidade(u, true);
    // Shift + 1 keeps them as group 1
    EventoRoteiro e;
    e.tipo = EventoRoteiro::PRESS;
    e.tecla = VK_SHIFT_;
    m.pendentes.push_back(e);
    m.tecla('1');
    e.tipo = EventoRoteiro::RELEASE;
    m.pendentes.push_back(e);
    m.passa();
}

void Jogador::selecionagrupo() {
    m.tecla('1');
    m.passa();
}

// A move order to p, moved aside a little when a unit's picture covers p (a click there would be an
// order to follow or attack that unit).
void Jogador::ordem(PontoMapa p, int32_t alvo) {
    auto livre = [alvo](PontoMapa q) {
        for (int32_t u = 1; u <= MAXUNIDADES; u++) {
            const Unidade& a = unidades[u];
            if (a.tipo != 0 && a.selecionado == false && u != alvo && q.x > a.x - a.tamanhox - 2 && q.x < a.x + a.tamanhox + 2 &&
                q.y > a.y - a.desenhoy - 2 && q.y < a.y + a.tamanhoy + 2)
                return false;
        }
        return true;
    };
    // a thing to click on (a chest): a spot of its own picture no other picture covers
    static const int sobre[][2] = {{0, -6}, {0, -18}, {-12, -14}, {12, -14}, {0, -28}, {-16, -4}, {16, -4}};
    if (alvo)
        for (const auto& d : sobre) {
            PontoMapa q{p.x + d[0], p.y + d[1]};
            if (livre(q)) {
                m.ordena(q);
                return;
            }
        }
    static const int desvios[][2] = {{0, 0}, {0, 30}, {30, 0}, {-30, 0}, {0, -30}, {40, 40}, {-40, 40}, {0, 60}, {60, 0}, {-60, 0}};
    for (const auto& d : desvios) {
        PontoMapa q{p.x + d[0], p.y + d[1]};
        if (livre(q)) {
            m.ordena(q);
            return;
        }
    }
    m.ordena(p);
}

void Jogador::selecionaheroi() {
    m.tecla(VK_F1);
    m.passa();
}

// --- the hero's things -----------------------------------------------------------------------

bool Jogador::deixado(int32_t bau) const {
    for (const Deixado& d : deixados)
        if (unidades[bau].item == d.item && distancia(unidades[bau], d.onde) < 80 && (!d.volta || !colhendo)) return true;
    return false;
}

void Jogador::deixaitem(int k, bool parasempre, bool volta) {
    static const int cantos[6][2] = {{520, 480}, {560, 480}, {520, 520}, {560, 520}, {520, 560}, {560, 560}};
    int32_t h = slotdoheroi();
    if (parasempre || volta) deixados.push_back({posicao(unidades[h]), unidades[h].itens[k], volta});
    selecionaheroi();
    m.clique(true, cantos[k][0] + 20, cantos[k][1] + 20);
    m.passa();
    selecionagrupo();
}

void Jogador::usaitem(int k) {
    static const int cantos[6][2] = {{520, 480}, {560, 480}, {520, 520}, {560, 520}, {520, 560}, {560, 560}};
    selecionaheroi();
    m.clique(false, cantos[k][0] + 20, cantos[k][1] + 20);
    m.passa();
    selecionagrupo();
}

bool Jogador::usatecnica(uint8_t comando, int32_t inimigo) {
    selecionaheroi();
    m.passa();  // the hero's panel registers its buttons on this frame
    if (!m.aperta_comando(comando)) {
        selecionagrupo();
        return false;
    }
    m.passa();
    if (comando == BASTAODEFOGO && mousenum == 10 && inimigo != 0) {
        const Unidade& e = unidades[inimigo];
        m.centra(posicao(e));
        m.clique(false, int32_t(std::lround(e.x)) - camerax, int32_t(std::lround(e.y)) - 6 - cameray);
        m.passa();
    }
    if (mousenum != 0) {  // nothing to aim at after all
        m.tecla(VK_ESCAPE);
        m.passa();
    }
    selecionagrupo();
    return true;
}

void Jogador::cuida() {
    int32_t h = slotdoheroi();
    const Unidade& heroi = unidades[h];
    // books at once (experience only while the hero can still rise)
    for (int k = 0; k < 6; k++) {
        int i = heroi.itens[k];
        if (std::find(std::begin(livros), std::end(livros), i) == std::end(livros)) continue;
        if (i >= 22 && heroi.nivel >= 15) continue;
        usaitem(k);
        return;
    }
    // a drink when badly hurt, or between fights to go on whole, the smallest that helps
    bool calmo = ameacas(330).empty();
    if (heroi.hp < 0.45 * heroi.hpmax || (calmo && heroi.hp < 0.65 * heroi.hpmax)) {
        int k = slotdeitem(std::vector<int>(std::begin(bebidashp), std::end(bebidashp)));
        if (k >= 0) usaitem(k);
        return;
    }
    // and one for the magic when the techniques are short of it
    if (heroi.mp < 0.3 * heroi.mpmax && heroi.hp > 0.6 * heroi.hpmax) {
        int k = slotdeitem({27, 28});
        if (k >= 0) usaitem(k);
    }
}

void Jogador::aprende() {
    int32_t h = slotdoheroi();
    if (unidades[h].pontostecnica == 0) return;
    int t = -1;
    for (const auto& o : ordemtecnicas)
        if (unidades[h].tecnicas[o[0]] < o[1]) {
            t = o[0];
            break;
        }
    if (t < 0) return;
    selecionaheroi();
    m.passa();
    if (m.aperta_comando(ACRESCENTARTECNICAS)) {
        m.passa(2);
        m.aperta_comando(uint8_t(APRENDEBASTAO + t));
        m.passa(2);
        m.aperta_comando(CANCELARTECNICAS);
        m.passa();
    }
    selecionagrupo();
}

// --- the base ---------------------------------------------------------------------------------

// A place beside the barracks where the pointer's footprint for a pending building is free, on the
// side the portals lie; the building command must be pending already.
bool Jogador::poeobra(int32_t quartel, uint8_t pendente) {
    const Unidade& q = unidades[quartel];
    std::vector<std::pair<double, PontoMapa>> lugares;
    for (int anel = 0; anel < 3; anel++)
        for (int k = 0; k < 12; k++) {
            double a = k * 0.5236 + anel * 0.26, r = 150 + 50 * anel;
            PontoMapa p{int32_t(q.x + r * std::cos(a)), int32_t(q.y + r * std::sin(a))};
            double portal = 1e9;
            for (int32_t u = 1; u <= MAXUNIDADES; u++)
                if (unidades[u].tipo == 21) portal = std::min(portal, distancia(unidades[u], p));
            lugares.push_back({portal + 60 * anel, p});
        }
    std::sort(lugares.begin(), lugares.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [n, p] : lugares) {
        m.centra(p);
        m.move(p.x - camerax, p.y - cameray);
        m.passa();  // the placement test runs on the frame
        if (mousenum == pendente && !mouseflag && p.y - cameray < 450) {
            m.clique(false, p.x - camerax, p.y - cameray);
            m.passa();
            return true;
        }
    }
    return false;
}

// A right click on Fidelina's heal button: she heals the wounded near her by herself.
void Jogador::curasozinha(int32_t u) {
    if (!clicaunidade(u, false)) return;
    m.passa();
    for (int32_t b = 1; b <= MAXBOTOES; b++)
        if (botoes[b].comando == CURAR) {
            m.clique(true, botoes[b].posx + botoes[b].largurabotao / 2, botoes[b].posy + botoes[b].alturabotao / 2);
            m.passa();
            break;
        }
    selecionagrupo();
}

void Jogador::cuidabase() {
    int32_t quartel = minha(4);
    if (!quartel) return;
    int lojas = 0, torres = 0, obreiros = 0, fidelinas = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        if (unidades[u].inimigo || unidades[u].tipo == 0) continue;
        lojas += unidades[u].tipo == 3;
        torres += unidades[u].tipo == 1;
        obreiros += unidades[u].tipo == 6;
        fidelinas += unidades[u].tipo == 7;
    }
    bool portais = tarefa.objetivo == 2;
    // Fidelinas for the band once the first towers stand: their heals keep it fighting at the
    // portals; a farm first when there is no food for one
    // (the workers that mend the towers come first, and keep their food)
    bool fazenda = false;
    int querobreiros = torres >= 8 ? 6 : 2;
    int faltamobreiros = std::max(0, querobreiros - obreiros);
    if (portais && liberafidelina && fidelinas < 3 && torres >= 3 && (lojas > 0 || !liberaloja) && unidades[quartel].upgradeprgmax == 0 &&
        obreiros >= std::min(querobreiros, 2)) {
        if (comidausada + 2 + faltamobreiros > comidamax) fazenda = liberafazenda;
        else if (dinheiro >= 250 && clicaunidade(quartel, false)) {
            m.passa();
            m.aperta_comando(TREINARFIDELINA);
            m.passa();
            selecionagrupo();
        }
    }
    // a Fidelina come from the barracks heals by herself
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 7 && !unidades[u].inimigo && !unidades[u].curaautomatica && unidades[u].posicao == 1) {
            curasozinha(u);
            break;
        }
    // workers where there are portals to hold off: they mend the towers as the monsters strike them
    // (a few mending one tower outlast any monster), and keep a shop's price back for drinks
    if (portais && obreiros < querobreiros && dinheiro >= 100 + (lojas || !liberaloja ? 0 : 150) + (obreiros >= 2 ? 100 : 0) &&
        unidades[quartel].upgradeprgmax == 0 && comidausada + 1 <= comidamax && clicaunidade(quartel, false)) {
        m.passa();
        m.aperta_comando(TREINARDURBICO);
        m.passa();
        selecionagrupo();
    }
    // the towers' middle, where idle workers wait to mend them
    double tx = 0, ty = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 1 && !unidades[u].inimigo) { tx += unidades[u].x; ty += unidades[u].y; }
    PontoMapa meio{int32_t(tx / std::max(1, torres)), int32_t(ty / std::max(1, torres))};
    for (int32_t w = 1; w <= MAXUNIDADES; w++) {
        Unidade& o = unidades[w];
        if (o.tipo != 6 || o.inimigo || o.posicao != 1 || o.servico != 0 || o.alvo != 0) continue;
        if (portais && torres >= 8 && distancia(o, meio) > 260 && o.consertoautomatico) {
            if (clicaunidade(w, false)) {
                std::vector<PontoMapa> ida = planejacaminho(w, meio, 60);
                if (!ida.empty()) ordem(ida.back());
                m.passa();
                selecionagrupo();
            }
            continue;
        }
        // the worker mends the base by himself
        if (!o.consertoautomatico && clicaunidade(w, false)) {
            m.passa();
            for (int32_t b = 1; b <= MAXBOTOES; b++)
                if (botoes[b].comando == CONSERTAR && botoes[b].automatico) {
                    m.clique(true, botoes[b].posx + botoes[b].largurabotao / 2, botoes[b].posy + botoes[b].alturabotao / 2);
                    m.passa();
                    break;
                }
        }
        // guard towers first where portals send their monsters, then a shop where drinks can be
        // had, then more towers, keeping money for drinks
        uint8_t obra = 0, pendente = 0;
        bool torrefirst = portais && (torres < 3 || (lojas > 0 && torres < 4));
        if (torrefirst && dinheiro >= 150) { obra = CRIARTORRE; pendente = 1; }
        else if (liberaloja && lojas == 0 && dinheiro >= 150) { obra = CRIARTIENDA; pendente = 3; }
        else if (fazenda && dinheiro >= 200) { obra = CRIARFAZENDA; pendente = 2; fazenda = false; }
        else if (torres < (portais ? 18 : 8) && dinheiro >= 150 + (lojas ? 150 : 0)) { obra = CRIARTORRE; pendente = 1; }
        if (!obra || !clicaunidade(w, false)) break;
        m.passa();
        if (m.aperta_comando(obra)) {
            m.passa();
            poeobra(quartel, pendente);
            if (pendente == 1) torres++;
            else lojas++;
        }
        if (mousenum != 0) {
            m.tecla(VK_ESCAPE);
            m.passa();
        }
        selecionagrupo();
    }
}

// --- goals --------------------------------------------------------------------------------------

// A chest the band can take on its way: near the hero and with no monster by it.
template <class F>
int32_t bauacaminho(const Unidade& heroi, F deixado) {
    int32_t melhor = 0;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        if (a.tipo != 12 || !a.bau || distancia(a, heroi) > 450 || deixado(u)) continue;
        if (!inimigosperto(posicao(a), 380, true).empty()) continue;
        if (!melhor || distancia(a, heroi) < distancia(unidades[melhor], heroi)) melhor = u;
    }
    return melhor;
}

void Jogador::planeja() {
    metas.clear();
    int32_t h = slotdoheroi();
    if (h == 0) return;
    // the mission's objective: its portals nearest first, its boss, its target area; chests are
    // taken on the way when nothing guards them
    std::vector<Meta> todas;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        Meta g;
        g.slot = u;
        g.ponto = posicao(a);
        if (a.tipo == 21 && tarefa.objetivo != 1) g.tipo = Meta::PORTAL;  // before the boss too: their monsters never stop
        else if (a.tipo == 26) g.tipo = Meta::CHEFE;
        else continue;
        todas.push_back(g);
    }
    PontoMapa de = posicao(unidades[h]);
    // where the objective is a place, every chest first, nearest next; where it is to destroy, the
    // portals and the boss first and the chests once the objective is met (the band then harvests
    // what it can before "FINALIZAR")
    std::vector<int32_t> baus;
    for (int32_t u = 1; u <= MAXUNIDADES; u++)
        if (unidades[u].tipo == 12 && unidades[u].bau && !deixado(u) &&
            (tarefa.objetivo == 1 || tarefa.cumprida ||
             (valoritem(unidades[u].item) >= 12 && distancia(unidades[u], unidades[h]) < 900)))  // the things worth carrying near by first
            baus.push_back(u);
    // the nearest by the way there, not as the crow flies (a wall may stand between): the first goes by
    // the real way, the rest after it as the crow flies from each other
    std::vector<PontoMapa> pontos;
    for (int32_t b : baus) pontos.push_back(posicao(unidades[b]));
    std::vector<double> longe = distanciasdecaminho(h, pontos);
    bool primeiro = true;
    while (!baus.empty()) {
        size_t k = 0;
        for (size_t j = 1; j < baus.size(); j++) {
            double dj = primeiro ? longe[j] : distancia(unidades[baus[j]], de), dk = primeiro ? longe[k] : distancia(unidades[baus[k]], de);
            if (dj < dk) k = j;
        }
        if (primeiro) longe.erase(longe.begin() + long(k));
        primeiro = false;
        Meta g;
        g.tipo = Meta::BAU;
        g.slot = baus[k];
        g.item = unidades[baus[k]].item;
        g.ponto = posicao(unidades[baus[k]]);
        metas.push_back(g);
        de = g.ponto;
        baus.erase(baus.begin() + long(k));
    }
    // the portals nearest the base first: their monsters are the ones that reach it; the boss last
    int32_t base = minha(4);
    std::vector<Meta> chefe;
    for (size_t k = 0; k < todas.size();)
        if (todas[k].tipo == Meta::CHEFE) {
            chefe.push_back(todas[k]);
            todas.erase(todas.begin() + long(k));
        } else {
            k++;
        }
    while (!todas.empty()) {
        size_t k = 0;
        if (base) de = posicao(unidades[base]);
        for (size_t j = 1; j < todas.size(); j++)
            if (std::hypot(todas[j].ponto.x - de.x, todas[j].ponto.y - de.y) < std::hypot(todas[k].ponto.x - de.x, todas[k].ponto.y - de.y)) k = j;
        de = todas[k].ponto;
        metas.push_back(todas[k]);
        todas.erase(todas.begin() + long(k));
    }
    for (const Meta& g : chefe) metas.push_back(g);
    if (tarefa.objetivo == 1 && !tarefa.cumprida) {
        Meta g;
        g.tipo = Meta::OBJETIVO;
        g.ponto = {(tarefa.areax1 + tarefa.areax2) / 2, (tarefa.areay1 + tarefa.areay2) / 2};
        metas.push_back(g);
    }
}

// The hero's techniques in a fight: the raging chimpanzee when he is about to fall, the tremor among
// many, the fire staff at a strong one; a cast is let finish (another order would cancel it).
bool Jogador::tecnicas() {
    int32_t h = slotdoheroi();
    const Unidade& heroi = unidades[h];
    if (tiques < lancandoate) return true;
    std::vector<int32_t> t = ameacas(330);
    // a portal or the boss the band is after counts as the strong one to burn
    if (!metas.empty() && (metas.front().tipo == Meta::PORTAL || metas.front().tipo == Meta::CHEFE) &&
        unidades[metas.front().slot].tipo != 0 && distancia(unidades[metas.front().slot], heroi) < 280)
        t.insert(t.begin(), metas.front().slot);
    if (t.empty()) return false;
    int32_t perto = t[0];
    for (int32_t e : t)
        if (distancia(unidades[e], heroi) < distancia(unidades[perto], heroi) && unidades[perto].organico) perto = e;
    int perto220 = int(inimigosperto(posicao(heroi), 220, false).size());
    bool lancou = false;
    if (heroi.hp < 0.35 * heroi.hpmax && heroi.tecnicas[4] > 0 && heroi.imunidade == 0 &&
        heroi.mp >= precotecnica(CHIMPANZE, heroi.tecnicas[4]))
        lancou = usatecnica(CHIMPANZE, 0);
    else if (heroi.tecnicas[2] > 0 && perto220 >= 3 && heroi.mp >= precotecnica(TREMOR, heroi.tecnicas[2]) + 10)
        lancou = usatecnica(TREMOR, 0);
    else if (heroi.tecnicas[0] > 0 && unidades[perto].hpmax >= 800 && distancia(unidades[perto], heroi) < 280 &&
             heroi.mp >= precotecnica(BASTAODEFOGO, heroi.tecnicas[0]) + (heroi.tecnicas[4] > 0 ? precotecnica(CHIMPANZE, heroi.tecnicas[4]) : 20))
        lancou = usatecnica(BASTAODEFOGO, perto);
    else if (heroi.tecnicas[0] > 0 && perto == t[0] && !unidades[perto].organico && heroi.mp >= precotecnica(BASTAODEFOGO, heroi.tecnicas[0]))
        lancou = usatecnica(BASTAODEFOGO, perto);  // the portal: all the magic there is goes into it
    else if (heroi.tecnicas[0] > 0 && perto == t[0] && !unidades[perto].organico && heroi.hp > 0.5 * heroi.hpmax) {
        int k = slotdeitem({28, 27});
        if (k >= 0) usaitem(k);  // and a drink for more
    }
    if (lancou) lancandoate = tiques + 45;
    return lancou;
}

bool Jogador::luta() {
    int32_t h = slotdoheroi();
    const Unidade& heroi = unidades[h];
    std::vector<int32_t> t = ameacas(330);
    // an enemy tower is taken on only when the band near the hero can pull it down: otherwise it is
    // walked past, out of its reach the sooner
    for (int32_t e : inimigosperto(posicao(heroi), 300, true))
        if (unidades[e].tipo == 25 && std::find(t.begin(), t.end(), e) == t.end() && custoluta({e}) < 0.5 * vidadisponivel())
            t.push_back(e);
    // an enemy chased a long while without a blow landing is let be for a while (it cannot be reached)
    ignorados.erase(std::remove_if(ignorados.begin(), ignorados.end(), [](auto& p) { return p.second < tiques; }), ignorados.end());
    t.erase(std::remove_if(t.begin(), t.end(), [&](int32_t e) {
                return std::any_of(ignorados.begin(), ignorados.end(), [e](auto& p) { return p.first == e; });
            }), t.end());
    // what cannot hurt the hero (his armour turns every blow into one point) does not keep him from a
    // portal he is after
    if (!metas.empty() && (metas.front().tipo == Meta::PORTAL || metas.front().tipo == Meta::CHEFE)) {
        double armadura = heroi.armadura + heroi.armadurabonus;
        t.erase(std::remove_if(t.begin(), t.end(), [&](int32_t e) {
                    const Unidade& a = unidades[e];
                    return a.danomax * (1 - 0.05 * armadura) <= 2;
                }), t.end());
    }
    // at a portal, while the hero is whole enough, the portal first: its monsters never stop coming,
    // and the band fights them by itself meanwhile
    if (!metas.empty() && metas.front().tipo == Meta::PORTAL && unidades[metas.front().slot].tipo == 21 &&
        distancia(unidades[metas.front().slot], heroi) < 380 && heroi.hp > 0.45 * heroi.hpmax)
        t.clear();
    if (t.empty()) {
        lutadesde = -1;
        return false;
    }
    // a fight where nobody gets hurt for long is with enemies out of reach (behind a hedge, a wall):
    // they are let be for a while
    double vida = 0;
    for (int32_t e : t) vida += unidades[e].hp;
    if (lutadesde < 0 || vida < vidainimigos - 0.5) {
        lutadesde = tiques;
        vidainimigos = vida;
    } else if (tiques - lutadesde > 600) {
        for (int32_t e : t) ignorados.push_back({e, tiques + 2000});
        lutadesde = -1;
        return false;
    }
    int32_t perto = t[0];
    for (int32_t e : t)
        if (distancia(unidades[e], heroi) < distancia(unidades[perto], heroi)) perto = e;
    // the band goes for the nearest, unless the hero is already at an enemy (an order breaks his blow)
    bool ocupado = heroi.alvo != 0 && unidades[heroi.alvo].tipo != 0 && unidades[heroi.alvo].inimigo &&
                   (heroi.posicao == 3 || heroi.posicao == 4 || (heroi.posicao == 2 && tiques - atacouem < 90));
    if (heroi.alvo != perseguido || unidades[perseguido].hp < perseguidohp || heroi.posicao == 3) {
        perseguido = heroi.alvo;
        perseguidoem = tiques;
        perseguidohp = perseguido ? unidades[perseguido].hp : 0;
    } else if (perseguido && tiques - perseguidoem > 500) {
        ignorados.push_back({perseguido, tiques + 1500});
        perseguido = 0;
        return false;
    }
    if (!ocupado) {
        const Unidade& e = unidades[perto];
        selecionagrupo();
        m.centra(posicao(e));
        m.clique(true, int32_t(std::lround(e.x)) - camerax, int32_t(std::lround(e.y)) - 6 - cameray);
        m.passa();
        atacouem = tiques;
    }
    caminho.clear();
    return true;
}

void Jogador::anda() {
    int32_t h = slotdoheroi();
    const Unidade& heroi = unidades[h];
    // new members (a raised skeleton, a trained unit come by) join; stragglers are waited for
    for (int32_t u : bando())
        if (unidades[u].grupo != 1 && distancia(unidades[u], heroi) < 400) {
            formagrupo();
            return;
        }
    for (int32_t u : bando())
        if (unidades[u].grupo == 1 && distancia(unidades[u], heroi) > 600 && tiques - ordenadoem > 150 && heroi.posicao == 1) {
            selecionagrupo();
            ordem(posicao(heroi));
            m.passa();
            ordenadoem = tiques;
            caminho.clear();
            return;
        }
    if (metas.empty()) planeja();
    if (metas.empty()) return;
    // the barracks under attack and losing: the band goes home to save the mission
    if (int32_t q = minha(4)) {
        bool atacado = unidades[q].hp < 0.6 * unidades[q].hpmax && !inimigosperto(posicao(unidades[q]), 350, false).empty();
        // or the towers round it falling one after another to a crowd: the band fights there, with
        // the towers left, before they are all gone
        int torres = 0;
        double tx = 0, ty = 0;
        for (int32_t u = 1; u <= MAXUNIDADES; u++)
            if (unidades[u].tipo == 1 && !unidades[u].inimigo) { torres++; tx += unidades[u].x; ty += unidades[u].y; }
        torresmax = std::max(torresmax, torres);
        if (torres > 0 && torresmax >= 6 && torres <= torresmax * 2 / 3 &&
            inimigosperto({int32_t(tx / torres), int32_t(ty / torres)}, 450, false).size() >= 3)
            atacado = true;
        // a portal half pulled down is finished first: the monsters at the base stop with it
        const Meta& f = metas.front();
        bool quasela = f.tipo == Meta::PORTAL && unidades[f.slot].tipo == 21 && unidades[f.slot].hp < 0.5 * unidades[f.slot].hpmax &&
                       distancia(unidades[f.slot], heroi) < 400;
        if (atacado && f.tipo != Meta::BASE && !quasela) {
            Meta b;
            b.tipo = Meta::BASE;
            b.slot = q;
            b.ponto = posicao(unidades[q]);
            metas.push_front(b);
            caminho.clear();
        }
    }
    if (metas.front().tipo == Meta::BASE) {
        int32_t q = metas.front().slot;
        if (unidades[q].tipo != 4 || (inimigosperto(posicao(unidades[q]), 400, false).empty() && distancia(unidades[q], heroi) < 400)) {
            metas.pop_front();
            caminho.clear();
            if (metas.empty()) return;
        }
    }
    if (!metas.empty() && metas.front().tipo == Meta::LOJA && tiques - lojadesde > 900) {  // the shop cannot be got at now
        lojadepois = tiques + 3000;
        metas.pop_front();
        caminho.clear();
        if (metas.empty()) return;
    }
    if (metas.front().tipo != Meta::LOJA && precisadeloja() && tiques > lojadepois) {
        lojadesde = tiques;
        Meta l;
        l.tipo = Meta::LOJA;
        l.slot = minha(3);
        l.ponto = posicao(unidades[l.slot]);
        metas.push_front(l);
        caminho.clear();
    }
    if (metas.front().tipo != Meta::BAU && metas.front().tipo != Meta::LOJA && itenslivres() > 0)
        if (int32_t b = bauacaminho(heroi, [this](int32_t u) { return deixado(u); })) {
            Meta c;
            c.tipo = Meta::BAU;
            c.slot = b;
            c.item = unidades[b].item;
            c.ponto = posicao(unidades[b]);
            metas.push_front(c);
            caminho.clear();
        }
    Meta& g = metas.front();
    auto proxima = [&]() {
        metas.pop_front();
        caminho.clear();
        falhas = 0;
        // of the chests still ahead, the nearest by the way there goes first
        size_t n = 0;
        while (n < metas.size() && metas[n].tipo == Meta::BAU) n++;
        if (n > 1) {
            std::vector<PontoMapa> pontos;
            for (size_t k = 0; k < n; k++) pontos.push_back(metas[k].ponto);
            std::vector<double> longe = distanciasdecaminho(h, pontos);
            size_t melhor = size_t(std::min_element(longe.begin(), longe.end()) - longe.begin());
            std::swap(metas[0], metas[melhor]);
        }
    };
    // done, or no longer possible
    if (g.tipo == Meta::BAU && (unidades[g.slot].tipo != 12 || unidades[g.slot].item != g.item)) return proxima();
    if (g.tipo == Meta::BAU && itenslivres() == 0) {  // room for a better thing: the least one is left on the ground
        int pior = -1;
        for (int k = 0; k < 6; k++)
            if (pior < 0 || valoritem(heroi.itens[k]) < valoritem(heroi.itens[pior])) pior = k;
        bool livro = g.item >= 19 && g.item <= 24;  // read at once: what is left for it is picked up again after
        if (pior < 0 || (!livro && valoritem(heroi.itens[pior]) >= valoritem(g.item)) || (livro && valoritem(heroi.itens[pior]) > 10))
            return proxima();  // no room to carry it
        deixaitem(pior, !livro);
        caminho.clear();  // and the chest is clicked again
        return;
    }
    if (g.tipo == Meta::BAU && caminho.empty()) {  // worth its guards?
        // the monsters that can come at the band there (a wall between them does not count), and the
        // enemy towers whose arrows reach it
        std::vector<int32_t> guardas;
        for (int32_t e : inimigosperto(g.ponto, 350, false)) {
            double reta = distancia(unidades[e], g.ponto);
            std::vector<PontoMapa> ida = reta < 120 ? std::vector<PontoMapa>{g.ponto} : planejacaminho(e, g.ponto, 60);
            double longo = 0;
            PontoMapa de = posicao(unidades[e]);
            for (PontoMapa p : ida) {
                longo += std::hypot(double(p.x - de.x), double(p.y - de.y));
                de = p;
            }
            if (!ida.empty() && longo <= 1.6 * reta + 150) guardas.push_back(e);
        }
        for (int32_t e : inimigosperto(g.ponto, 300, true))
            if (unidades[e].tipo == 25) guardas.push_back(e);
        double ousadia = valoritem(g.item) >= 12 ? 0.75 : 0.4;  // the things worth carrying are worth a fight
        if (colhendo && valoritem(g.item) < 12) ousadia *= 0.5;   // but not the mission, once it is won
        // once the mission is won a thing of great worth is fought for even by a worn hero: the
        // mission is finished the moment he is in danger
        bool fraco = vidadisponivel() < 0.5 * unidades[h].hpmax && !(colhendo && valoritem(g.item) >= 20);
        if (custoluta(guardas) > ousadia * vidadisponivel() || (fraco && !guardas.empty()))
            return proxima();  // guarded beyond what the band can take
    }
    if (g.tipo == Meta::PORTAL && unidades[g.slot].tipo != 21) return proxima();
    if (g.tipo == Meta::CHEFE && unidades[g.slot].tipo != 26) return proxima();
    if (g.tipo == Meta::LOJA && (unidades[g.slot].tipo != 3 || unidades[g.slot].inimigo)) return proxima();
    if (g.tipo == Meta::LOJA && distancia(unidades[g.slot], heroi) < 190) {  // the shop sells within 200
        compra(g.slot);
        return proxima();
    }
    // a portal or the boss close enough is attacked
    if ((g.tipo == Meta::PORTAL || g.tipo == Meta::CHEFE) && distancia(unidades[g.slot], heroi) < 260) {
        // a monster standing between him and the portal is fought first (each new order would break his blow)
        bool luta = heroi.alvo != 0 && unidades[heroi.alvo].tipo != 0 && unidades[heroi.alvo].inimigo && (heroi.posicao == 3 || heroi.posicao == 4);
        bool ocupado = (heroi.alvo == g.slot && (heroi.posicao == 3 || heroi.posicao == 4)) || tiques - atacouem < 90 ||
                       (luta && tiques - atacouem < 400);
        if (!ocupado) {
            const Unidade& e = unidades[g.slot];
            selecionagrupo();
            m.centra(posicao(e));
            m.clique(true, int32_t(std::lround(e.x)) - camerax, int32_t(std::lround(e.y)) - 6 - cameray);
            m.passa();
            atacouem = tiques;
        }
        return;
    }
    // a chest at his very feet (a thing he left there) is under his own picture: a step aside first
    bool aospes = g.tipo == Meta::BAU && distancia(heroi, g.ponto) < 70 && heroi.posicao == 1;
    if (!aospes) aospesdesde = tiques;

    if (aospes && tiques - aospesdesde > 150) {
        aospesdesde = tiques;
        static const int lados[4][2] = {{0, 110}, {110, 0}, {-110, 0}, {0, -110}};
        const int* d = lados[(tiques / 150) % 4];
        selecionagrupo();
        ordem({g.ponto.x + d[0], g.ponto.y + d[1]});
        m.passa();
        ordenadoem = tiques;
        caminho.clear();
        parado = 0;
        return;
    }
    if (caminho.empty()) {
        double raio = g.tipo == Meta::BAU || g.tipo == Meta::OBJETIVO ? 0 : 150;
        PontoMapa para = g.ponto, fim{0, 0};
        bool aproxima = false;
        if (g.tipo == Meta::OBJETIVO)  // the written route's last leg walks at the hidden target along an axis
            for (const Rota& r : rotas)
                if (r.missao == missao && r.destino == Destino::OBJETIVO) {
                    aproxima = r.pontos.size() >= 2 && r.pontos.back().x == (tarefa.areax1 + tarefa.areax2) / 2 &&
                               r.pontos.back().y == (tarefa.areay1 + tarefa.areay2) / 2;
                    para = aproxima ? r.pontos[r.pontos.size() - 2] : r.pontos.back();
                    fim = r.pontos.back();
                }
        caminho = planejacaminho(h, para, raio);
        if (aproxima && !caminho.empty()) caminho.push_back(fim);
        passo = 0;
        ordenadoem = -1000;
        if (caminho.empty() && ++falhas > 20 && (g.tipo == Meta::PORTAL || g.tipo == Meta::CHEFE) && metas.size() > 1) {
            // the objective is never given up: tried again after the others
            Meta adiada = g;
            metas.pop_front();
            metas.push_back(adiada);
            falhas = 0;
            return;
        }
        if (caminho.empty() && falhas > 20 && g.tipo != Meta::PORTAL && g.tipo != Meta::CHEFE) return proxima();  // no way there
        if (caminho.empty()) return;
    }
    // the next leg once the hero has done the last one
    bool livre = heroi.posicao == 1;
    // a leg is done when the hero stands close to its point; a little farther also does when he stands
    // still a while (something of the band or the way stood there)
    double falta = passo == 0 ? 0 : std::hypot(heroi.x - caminho[passo - 1].x, heroi.y - caminho[passo - 1].y);
    bool feito = passo == 0 || falta <= 50 || (falta <= 160 && parado >= 40);
    if (passo < caminho.size() && (tiques - ordenadoem > 6) && (passo == 0 || (livre && feito))) {
        bool nobau = g.tipo == Meta::BAU && passo + 1 == caminho.size();  // the last click is on the chest itself
        // the last step into the target area is the hero's alone, to a spot of the area that changes
        // at every try: the band's people crowding round it must not stand in his way
        bool naarea = g.tipo == Meta::OBJETIVO && passo + 1 == caminho.size();
        PontoMapa p = caminho[passo];
        if (naarea) {
            static const int cantos[5][2] = {{0, 0}, {-28, -30}, {28, -30}, {-28, 30}, {28, 30}};
            const int* c = cantos[tentativasarea++ % 5];
            p = {(tarefa.areax1 + tarefa.areax2) / 2 + c[0], (tarefa.areay1 + tarefa.areay2) / 2 + c[1]};
            selecionaheroi();
        } else {
            selecionagrupo();
        }
        ordem(p, nobau ? g.slot : 0);
        m.passa();
        passo++;
        ordenadoem = tiques;
        parado = 0;
        return;
    }
    if (livre && tiques - ordenadoem > 20) parado += 4;
    if (livre && passo == caminho.size() && tiques - ordenadoem > 60) parado = 1000;  // done with the way, not with the goal
    // walking without getting anywhere (following a unit by mistake, sidestepping in a corner)
    if (tiques % 200 < 4) {
        if (!livre && std::hypot(heroi.x - ultimox, heroi.y - ultimoy) < 40 && tiques - ordenadoem > 200) parado = 1000;
        ultimox = heroi.x;
        ultimoy = heroi.y;
    }
    if (heroi.alvo != 0 && unidades[heroi.alvo].tipo != 0 && !unidades[heroi.alvo].inimigo && !unidades[heroi.alvo].bau) parado = 1000;
    if (parado > 80) {  // stuck, or the goal moved: a new way from here
        caminho.clear();
        parado = 0;
    }
}

// Things of least worth the hero may leave by the shop where portals or the boss make drinks worth more.
static int sobraparabebidas() {
    if (tarefa.objetivo == 1) return 0;
    int32_t h = slotdoheroi();
    int n = 0;
    for (int k = 0; k < 6; k++)
        if (unidades[h].itens[k] != 0 && valoritem(unidades[h].itens[k]) <= 12 &&
            std::find(std::begin(bebidashp), std::end(bebidashp), int(unidades[h].itens[k])) == std::end(bebidashp))
            n++;
    return n;
}

bool Jogador::precisadeloja() const {
    int32_t h = slotdoheroi();
    if (!minha(3) || dinheiro < 50) return false;
    if (itenslivres() < 2 && !(dinheiro >= 250 && itenslivres() + sobraparabebidas() >= 2 && bebidasnamochila() < 2)) return false;
    // a portal being pulled down is not left for the shop while the hero holds out
    if (!metas.empty() && metas.front().tipo == Meta::PORTAL && unidades[metas.front().slot].tipo == 21 &&
        distancia(unidades[metas.front().slot], unidades[h]) < 500 && unidades[h].hp >= 0.4 * unidades[h].hpmax)
        return false;
    bool fogo = tarefa.objetivo != 1 && unidades[h].tecnicas[0] >= 2 && slotdeitem({27, 28}) < 0 && dinheiro >= 250;
    return (unidades[h].hp < 0.6 * unidades[h].hpmax && dinheiro >= 100) || (bebidasnamochila() < 2 && dinheiro >= 150) || fogo;
}

void Jogador::compra(int32_t loja) {
    // room for two drinks: the things of least worth wait by the shop
    while (itenslivres() < 2 && dinheiro >= 250 && sobraparabebidas() > 0) {
        int32_t h = slotdoheroi();
        int pior = -1;
        for (int k = 0; k < 6; k++) {
            int i = unidades[h].itens[k];
            if (i == 0 || valoritem(i) > 12 || std::find(std::begin(bebidashp), std::end(bebidashp), i) != std::end(bebidashp)) continue;
            if (pior < 0 || valoritem(i) < valoritem(unidades[h].itens[pior])) pior = k;
        }
        if (pior < 0) break;
        int antes = itenslivres();
        deixaitem(pior, false, true);
        m.passa(2);
        if (itenslivres() == antes) break;
    }
    if (!clicaunidade(loja, false)) return;
    m.passa();
    // big lemons while the money lasts, a small one with what is left; one slot stays free for chests
    // where the mission is a place to reach; where it is to destroy, two lemons and the rest big
    // currant drinks for the fire staff, which burns a portal through its armour
    bool fogo = tarefa.objetivo != 1 && unidades[slotdoheroi()].tecnicas[0] >= 2;
    for (int k = 0; k < 6 && itenslivres() > (tarefa.objetivo == 1 ? 1 : 0); k++) {
        uint8_t c = dinheiro >= 100 ? REFRESCOLIMAOG : dinheiro >= 50 ? REFRESCOLIMAOP : 0;
        if (fogo && bebidasnamochila() >= 2) c = dinheiro >= 100 ? REFRESCOGROSELHAG : 0;
        if (c == 0 || !m.aperta_comando(c)) break;
        m.passa(2);
    }
    selecionagrupo();
}

// A fight the band would lose is not taken: it falls back the way it came (toward the base, or the
// mission's start) far enough that the monsters give up their chase (300), drinks, and comes back
// to take them one at a time.
bool Jogador::recua() {
    int32_t h = slotdoheroi();
    const Unidade& heroi = unidades[h];
    if (recuando && tiques < recuaate) {
        // along the way out a leg at a time, the order given again and again while the band runs
        // (a hero standing still takes on whatever comes near)
        bool chegou = std::hypot(refugio.x - heroi.x, refugio.y - heroi.y) < 70;
        if (chegou && fugapasso + 1 >= fuga.size()) {  // nowhere further to run: the band fights here
            recuando = false;
            semrecuaate = tiques + 300;
            return false;
        }
        if (chegou) refugio = fuga[++fugapasso];
        if (tiques - ordenadoem > 50 || chegou) {
            selecionagrupo();
            ordem(refugio);
            m.passa();
            ordenadoem = tiques;
        }
        return true;
    }
    recuando = false;
    if (tiques < semrecuaate) return false;
    std::vector<int32_t> t = ameacas(330);
    // what runs faster than the hero is not run from: it would strike his back all the way
    t.erase(std::remove_if(t.begin(), t.end(), [&](int32_t e) {
                return unidades[e].velocidade + unidades[e].velocidadebonus >= heroi.velocidade + heroi.velocidadebonus;
            }), t.end());
    for (int32_t e : inimigosperto(posicao(heroi), 320, true))  // enemy towers shoot too
        if (unidades[e].tipo == 25 && std::find(t.begin(), t.end(), e) == t.end()) t.push_back(e);
    if (t.empty() || custoluta(t) < 0.75 * vidadisponivel() || heroi.imunidade > 0) return false;
    // where to: the base, or where the mission began, unless that is where the threats are
    int32_t base = minha(4);
    PontoMapa p = base ? posicao(unidades[base]) : inicio;
    double cx = 0, cy = 0;
    for (int32_t e : t) { cx += unidades[e].x; cy += unidades[e].y; }
    cx /= double(t.size());
    cy /= double(t.size());
    // the rest of the band left behind, away from the threats: back to them (Fidelina heals)
    double bx = 0, by = 0;
    int nb = 0;
    for (int32_t b : bando())
        if (b != h && distancia(unidades[b], heroi) > 300) { bx += unidades[b].x; by += unidades[b].y; nb++; }
    if (nb > 0) {
        bx /= nb;
        by /= nb;
        if (std::hypot(bx - cx, by - cy) > std::hypot(heroi.x - cx, heroi.y - cy)) p = {int32_t(bx), int32_t(by)};
    }
    if (std::hypot(p.x - cx, p.y - cy) < std::hypot(heroi.x - cx, heroi.y - cy)) {
        double dx = heroi.x - cx, dy = heroi.y - cy, l = std::max(1.0, std::hypot(dx, dy));
        p = {int32_t(heroi.x + 500 * dx / l), int32_t(heroi.y + 500 * dy / l)};
        p.x = std::clamp(p.x, 60, mapalargura * 50 - 90);
        p.y = std::clamp(p.y, 40, mapaaltura * 50 - 110);
    }
    std::vector<PontoMapa> ida = planejacaminho(h, p, 200);
    if (ida.empty()) return false;
    fuga = ida;
    fugapasso = 0;
    if (std::hypot(fuga[0].x - heroi.x, fuga[0].y - heroi.y) < 250 && fuga.size() > 1) fugapasso = 1;
    refugio = fuga[fugapasso];
    recuando = true;
    recuaate = tiques + 260;
    caminho.clear();
    selecionagrupo();
    ordem(refugio);
    m.passa();
    ordenadoem = tiques;
    return true;
}

// Worn out far from home with nothing left to drink, the hero runs for the base: the monsters that
// follow him meet its towers, the shop there sells drinks, and he sets out again once whole.
bool Jogador::voltaparacasa() {
    int32_t h = slotdoheroi(), q = minha(4);
    const Unidade& heroi = unidades[h];
    if (!q) return voltando = false;
    double longe = distancia(unidades[q], heroi);
    if (voltando) {
        if (longe < 280 || heroi.hp > 0.8 * heroi.hpmax) {
            voltando = false;
            caminho.clear();
            return false;
        }
        bool perto = voltapasso > 0 && std::hypot(heroi.x - volta[voltapasso - 1].x, heroi.y - volta[voltapasso - 1].y) < 60;
        if ((perto && voltapasso < volta.size()) || tiques - ordenadoem > 120) {
            if (perto && voltapasso < volta.size()) voltapasso++;
            selecionagrupo();
            ordem(volta[std::min(voltapasso, volta.size()) - 1]);
            m.passa();
            ordenadoem = tiques;
        }
        return true;
    }
    bool bebida = slotdeitem(std::vector<int>(std::begin(bebidashp), std::end(bebidashp))) >= 0;
    if (heroi.hp >= 0.4 * heroi.hpmax || bebida || longe < 500 || heroi.imunidade > 0) return false;
    volta = planejacaminho(h, posicao(unidades[q]), 200);
    if (volta.empty()) return false;
    voltando = true;
    voltapasso = 1;
    caminho.clear();
    selecionagrupo();
    ordem(volta[0]);
    m.passa();
    ordenadoem = tiques;
    return true;
}

// The witch raises a skeleton from a corpse nearby once the fight is over.
bool Jogador::reanima() {
    for (int32_t b : bando()) {
        const Unidade& w = unidades[b];
        if (w.tipo != 8 || w.mp < 30 || w.posicao == 4) continue;
        bool cadaver = false;
        for (int32_t e = 1; e <= MAXEFEITOS; e++)
            if (efeitos[e].tipo != 0 && efeitos[e].cadaver && std::hypot(efeitos[e].x - w.x, efeitos[e].y - w.y) < 300) cadaver = true;
        if (!cadaver || !clicaunidade(b, false)) continue;
        m.passa();
        m.aperta_comando(RESSUSCITAR);
        m.passa();
        selecionagrupo();
        return true;
    }
    return false;
}

void Jogador::contaperdas() {
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        const Unidade& a = unidades[u];
        bool meu = a.tipo != 0 && !a.inimigo && !a.bau;
        bool sabia = std::find(conhecidos.begin(), conhecidos.end(), u) != conhecidos.end();
        if (meu && !sabia) conhecidos.push_back(u);
        if (!meu && sabia) {
            conhecidos.erase(std::find(conhecidos.begin(), conhecidos.end(), u));
            if (a.tipo == 0 || a.inimigo) perdas++;
        }
    }
}

void Jogador::pensa() {
    contaperdas();
    if (slotdoheroi() == 0) return;
    cuida();
    if (acabou() || tecnicas() || voltaparacasa() || recua() || luta()) return;
    if (reanima()) return;
    if (tiques % 200 < 4) cuidabase();
    aprende();
    anda();
}

ResultadoMissao Jogador::joga(int32_t limite) {
    ResultadoMissao r;
    int32_t inicio = tiques;
    double antes = dinheiro;
    if (int32_t h = slotdoheroi()) this->inicio = posicao(unidades[h]);
    formagrupo();
    cuidabase();
    for (int32_t u : bando())
        if (unidades[u].tipo == 7 && !unidades[u].curaautomatica) curasozinha(u);  // Fidelina heals by herself
    formagrupo();
    planeja();
    while (tiques - inicio < limite) {
        if (dinheiro < antes) gasto += antes - dinheiro;
        antes = dinheiro;
        if (tela != 5) break;
        if (derrotado) {
            r.motivo = "o herói caiu";
            for (int32_t u = 1; u <= MAXUNIDADES; u++)
                if (unidades[u].heroi && unidades[u].tipo != 0 && unidades[u].hp > 0) r.motivo = "o quartel caiu";
            break;
        }
        if (tarefa.cumprida && !colhendo) {  // the objective is met: the chests left, then "FINALIZAR"
            colhendo = true;
            colheudesde = tiques;
            planeja();
        }
        // the harvest ends with the chests, after a while, or as soon as it turns dangerous: the
        // mission is won already and only a defeat can take it away
        int32_t hs = slotdoheroi();
        bool perigo = hs && (unidades[hs].hp < 0.3 * unidades[hs].hpmax || ameacas(330).size() >= 4);
        bool pordevolver = false;  // the things left by the shop come back first
        for (int32_t u = 1; u <= MAXUNIDADES; u++)
            if (unidades[u].tipo == 12 && unidades[u].bau)
                for (const Deixado& d : deixados)
                    if (d.volta && d.item == unidades[u].item && distancia(unidades[u], d.onde) < 80) pordevolver = true;
        if (pordevolver) perigo = false;
        if (tarefa.cumprida && colhendo && (metas.empty() || perigo || (tiques - colheudesde > 12000 && !pordevolver) || tiques - inicio > limite - 3000) &&
            m.aperta_comando(FINALIZARMISSAO)) {
            int32_t h = slotdoheroi();
            r.vitoria = true;
            r.nivel = unidades[h].nivel;
            r.hp = int(unidades[h].hp);
            r.hpmax = int(unidades[h].hpmax);
            r.tiques = tiques - inicio;
            m.passa();
            break;
        }
        if ((tiques - inicio) % 4 == 0) pensa();
        m.passa();
    }
    if (!r.vitoria) {
        int32_t h = slotdoheroi();
        r.tiques = tiques - inicio;
        if (h) {
            r.nivel = unidades[h].nivel;
            r.hp = int(unidades[h].hp);
            r.hpmax = int(unidades[h].hpmax);
        }
        if (r.motivo.empty()) r.motivo = "tempo esgotado";
    }
    r.perdas = perdas;
    r.gasto = gasto;
    return r;
}
