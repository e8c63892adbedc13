// Captions as the player reads them: every hot-key letter lies exactly on its letter, and every
// caption of the 72 commands stays inside the picture of its control, drawn with the game's own
// built-in pictures.
#include <algorithm>
#include <filesystem>

#include "render/interface.h"
#include "render/tabelacomandos.h"
#include "render/texto.h"
#include "render_apoio.h"
#include "sim/jogo.h"
#include "world/estado.h"

namespace {

constexpr Cor BRANCO_{255, 255, 255};

// Columns of the control pictures that may carry letters (from the pictures' own drawing): the
// menu entry plate leaves 12..148 between its rivets; the tooltip box is 217 wide at x 570 with a
// rim of 4; the menu boxes' gold inner line stands 15 pixels inside their outer edge.
constexpr int32_t ENTRADAESQ = 12, ENTRADADIR = 148;
constexpr int32_t DICAESQ = 570 + 4, DICADIR = 570 + 217 - 4;
constexpr int32_t MOLDURA = 15;

struct Legendas : jogoteste::Jogo {
    int32_t heroi = 0;
    void SetUp() override {
        Jogo::SetUp();
        carregaimagensinternas();
        heroi = poeunidade(9, 1300, 1300);
        select_ = uint8_t(heroi);
        for (auto& t : unidades[heroi].tecnicas) t = 3;  // the longest level lines
        unidades[heroi].mp = unidades[heroi].mpmax = 500;
        itenscheat = 3;
        mousex = mousey = 2;  // away from every control
    }
    static std::vector<uint32_t> quadro() { return std::vector<uint32_t>(backbuffer[0], backbuffer[0] + 800 * 600); }
    // Columns [first, last] where two frames differ inside rows [y0, y1); {9999, -1} when they don't.
    static std::pair<int32_t, int32_t> diferenca(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                                                 int32_t y0, int32_t y1) {
        int32_t p = 9999, u = -1;
        for (int32_t y = std::max(0, y0); y < std::min(600, y1); y++)
            for (int32_t x = 0; x < 800; x++)
                if (a[size_t(y) * 800 + x] != b[size_t(y) * 800 + x]) { p = std::min(p, x); u = std::max(u, x); }
        return {p, u};
    }
    // The control alone on a black screen, drawn by the game's own routine.
    static std::vector<uint32_t> controle(const Botao& r) {
        FillRect(PRETO, 0, 0, 800, 600);
        limpabotoes();
        botoes[1] = r;
        desenhabotoes();
        return quadro();
    }
    // The same control without its caption (the slider's label is fixed: without the slider).
    static std::vector<uint32_t> semlegenda(Botao r) {
        r.legenda.clear();
        r.atalho = 0;
        if (r.estilo == 4) r.comando = 0;
        return controle(r);
    }
    static Botao registra(int32_t c, int32_t x, int32_t y) {
        limpabotoes();
        criabotao(c, x, y);
        return botoes[1];
    }
};

}  // namespace

TEST_F(Legendas, HotKeyLetterCoversItsWhiteLetterExactly) {
    int32_t vistos = 0, esperados = 0;
    for (int32_t c = 1; c <= MAXCOMANDOS; c++) {
        esperados += tabelacomandos[c].atalho > 0;
        const Botao r = registra(c, 320, 300);
        if (r.atalho == 0) continue;
        vistos++;
        // as the controls write them, at their size: centred on a menu entry, from the left elsewhere
        const std::string alin = r.estilo == 2 ? "c" : "-";
        const int32_t y = 300, w = TextWidth(r.legenda, 10);
        const int32_t x0 = alin == "c" ? 400 - (w / 2 + ((w % 2) && ((w / 2) % 2))) : 400;  // the line's left end
        auto escreve = [&](Cor cor, int32_t tecla) {
            FillRect(PRETO, 0, 0, 800, 600);
            escrevetexto(400, y, r.legenda, alin, 10, cor, tecla);
            return quadro();
        };
        const auto comtecla = escreve(BRANCO_, r.atalho), branca = escreve(BRANCO_, 0), laranja = escreve(CORTECLA, 0);
        // the hot-key letter by itself where the letters before it end, and the rest of the line
        // without it
        const std::string antes = Utf8Prefix(r.legenda, r.atalho - 1), letra = Utf8Char(r.legenda, r.atalho);
        const std::string depois = r.legenda.substr(antes.size() + letra.size());
        const int32_t xl = x0 + TextWidth(antes, 10);
        FillRect(PRETO, 0, 0, 800, 600);
        escrevetexto(xl, y, letra, "-", 10, CORTECLA);
        const auto sozinha = quadro();
        FillRect(PRETO, 0, 0, 800, 600);
        escrevetexto(x0, y, antes, "-", 10, BRANCO_);
        escrevetexto(xl + TextWidth(letra, 10), y, depois, "-", 10, BRANCO_);
        const auto resto = quadro();
        int32_t laranjas = 0, brancas = 0, foradolugar = 0, juntas = 0;
        for (size_t i = 0; i < comtecla.size(); i++) {
            if (sozinha[i] == 0) {
                foradolugar += comtecla[i] != branca[i];  // orange where its letter has no ink
            } else if (resto[i] == 0) {
                // only the hot-key letter has ink here: all of it orange, no white edge
                brancas += comtecla[i] != sozinha[i] || laranja[i] != sozinha[i];
                laranjas++;
            } else {
                juntas++;  // two letters share the pixel
            }
        }
        EXPECT_EQ(foradolugar, 0) << r.legenda << ": orange beside its letter";
        EXPECT_EQ(brancas, 0) << r.legenda << ": white showing under the orange letter";
        EXPECT_GT(laranjas, 10) << r.legenda;
        EXPECT_LE(juntas * 10, laranjas) << r.legenda;
    }
    EXPECT_EQ(vistos, esperados);
    EXPECT_GT(vistos, 40);
}

TEST_F(Legendas, EveryCaptionFitsItsControl) {
    for (int32_t c = 1; c <= MAXCOMANDOS; c++) {
        const int32_t estilo = tabelacomandos[c].estilo;
        // each style where the game places it: the panel's grid under the pointer, a menu entry,
        // a check box and the slider in the 3-column menu boxes at x 281
        const int32_t x = estilo == 1 ? 630 : estilo == 4 ? 345 : 320, y = estilo == 1 ? 493 : 260;
        mousex = estilo == 1 ? 640 : 2;
        mousey = estilo == 1 ? 503 : 2;
        const Botao r = registra(c, x, y);
        const auto com = controle(r), sem = semlegenda(r);
        const std::string nome = std::to_string(c) + " " + r.legenda;
        if (estilo == 1) {
            // the caption heads the tooltip box, the lines under it stay inside it too
            auto l = diferenca(com, sem, 368, 384);
            ASSERT_GE(l.second, 0) << nome;
            EXPECT_GE(l.first, DICAESQ) << nome;
            EXPECT_LE(l.second, DICADIR) << nome;
            Botao semlinhas = r;
            semlinhas.linha1 = semlinhas.linha2 = semlinhas.linha3 = semlinhas.linha4 = "";
            auto linhas = diferenca(com, controle(semlinhas), 400, 458);
            EXPECT_LE(linhas.second, DICADIR) << nome << ": " << r.linha1 << " / " << r.linha2 << " / " << r.linha3;
        } else if (estilo == 2) {
            auto l = diferenca(com, sem, y, y + 33);
            ASSERT_GE(l.second, 0) << nome;
            EXPECT_GE(l.first, x + ENTRADAESQ) << nome;
            EXPECT_LE(l.second, x + ENTRADADIR) << nome;
        } else if (estilo == 3) {
            auto l = diferenca(com, sem, y, y + 21);
            ASSERT_GE(l.second, 0) << nome;
            EXPECT_LE(l.second, 281 + 238 - MOLDURA) << nome;
        } else if (estilo == 4) {
            auto l = diferenca(com, sem, y - 20, y - 3);
            ASSERT_GE(l.second, 0) << nome;
            EXPECT_GE(l.first, 281 + MOLDURA) << nome;
            EXPECT_LE(l.second, 281 + 238 - MOLDURA) << nome;
        }
    }
}

TEST_F(Legendas, MenuPagesAndTheDefeatBoxKeepTheirTextsInsideTheirBoxes) {
    // each page with its box (x, y, columns, rows) and the rows that hold its title and texts
    struct Pagina {
        int32_t menu, x, y, colunas, linhas, y0, y1;
        const char* nome;
    };
    const Pagina paginas[] = {{1, 281, 50, 3, 6, 62, 92, "opcoes"},   {2, 281, 170, 3, 2, 182, 212, "carregar"},
                              {3, 209, 120, 6, 4, 132, 300, "dicas"}, {4, 281, 170, 3, 2, 182, 212, "sair"},
                              {5, 281, 30, 3, 7, 42, 72, "cheats"},   {0, 257, 130, 4, 3, 142, 180, "derrota"}};
    const std::string pasta = std::string(VORLANDO_GAME_DIR) + "/../review/texto";
    std::filesystem::create_directories(pasta);
    existesave = true;
    for (const Pagina& p : paginas) {
        for (dicaatual = 1; dicaatual <= (p.menu == 3 ? 15 : 1); dicaatual++) {
            const std::string nome = std::string(p.nome) + " " + std::to_string(dicaatual);
            FillRect(Cor{40, 90, 40}, 0, 0, 800, 600);
            caixamenu(p.x, p.y, p.colunas, p.linhas);
            const auto caixa = quadro();
            FillRect(Cor{40, 90, 40}, 0, 0, 800, 600);
            limpabotoes();
            menu = p.menu;
            derrotado = p.menu == 0;
            if (derrotado) caixaderrota();
            desenhatelamenu();
            const auto pagina = quadro();
            const int32_t esq = p.x + MOLDURA, dir = p.x + 94 + 48 * p.colunas - MOLDURA;
            // the title and the page's texts lie inside the box's gold line
            auto l = diferenca(pagina, caixa, p.y0, p.y1);
            ASSERT_GE(l.second, 0) << nome;
            EXPECT_GE(l.first, esq) << nome;
            EXPECT_LE(l.second, dir) << nome;
            // and so does every control
            int32_t controles = 0;
            for (int32_t b = 1; b <= MAXBOTOES; b++) {
                const Botao& r = botoes[b];
                if (r.comando == 0) continue;
                controles++;
                EXPECT_GE(r.posx, esq) << nome << ": " << r.legenda;
                EXPECT_LE(r.posx + r.largurabotao, dir) << nome << ": " << r.legenda;
            }
            EXPECT_GE(controles, 2) << nome;
            std::string porque;
            const std::string arquivo = pasta + "/" + p.nome + (p.menu == 3 ? "-" + std::to_string(dicaatual) : "") + ".png";
            if (dicaatual <= 2) {
                EXPECT_TRUE(SaveScreenshot(arquivo, porque)) << porque;
            }
        }
    }
    derrotado = false;
    menu = 0;
    dicaatual = 1;
}
