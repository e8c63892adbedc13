// Writing the world sprites: the asset folders, the anchor table source and the review sheets.
#include <cstdio>
#include <string>

#include "revisao.h"
#include "sprites.h"

static std::string numero(int n, int digitos) {
    char b[16];
    std::snprintf(b, sizeof b, "%0*d", digitos, n);
    return b;
}

std::string nome_unidade(int i) { return "Unidades/Unid-" + numero(i + 1, 3) + ".gmb"; }
std::string nome_efeito(int i) { return "Efeitos/Efeito-" + numero(i + 1, 3) + ".gmb"; }
std::string nome_objeto(int i) { return "Objetos/Objeto-" + numero(i + 1, 2) + ".gmb"; }
std::string nome_cenario(int i) { return "Cenario/Cenario-" + numero(i + 1, 2) + ".gmb"; }

// The frame groups of the unit list, in order.
static const struct Grupo { const char* nome; int de, ate, por_face; } GRUPOS[] = {
    {"estruturas", 0, 17, 0}, {"durbico", 17, 41, 6}, {"fidelina", 41, 65, 6}, {"bruxa", 65, 85, 5}, {"vorlando", 85, 109, 6},
    {"esqueleto", 109, 133, 6}, {"satanas", 133, 157, 6}, {"bau", 157, 159, 0}, {"aranha", 159, 171, 3}, {"carnical", 171, 183, 3},
    {"murloc", 183, 195, 3}, {"orc", 195, 219, 6}, {"lobo", 219, 243, 6}, {"pedra", 243, 267, 6}, {"ogro", 267, 291, 6},
    {"arvore", 291, 315, 6}, {"portal", 315, 317, 0}, {"torreinimiga", 317, 318, 0}, {"quiteva", 318, 326, 2},
};

std::string fonte_ancoras(const Unidades& u) {
    std::string s = "// Frame anchors of the unit pictures, written by gera_sprites: the point of frame k that stands\n"
                    "// on the unit's map position is (desenhox[k], desenhoy[k]) from the picture's top-left corner.\n"
                    "#include \"render/ancoras.h\"\n";
    for (int t = 0; t < 2; t++) {
        const std::vector<int16_t>& v = t ? u.ancoray : u.ancorax;
        std::string nome = t ? "desenhoy" : "desenhox";
        s += "\nconst int16_t " + nome + "[NQUADROSUNIDADE] = {\n";
        for (const Grupo& g : GRUPOS) {
            s += "    ";
            for (int i = g.de; i < g.ate; i++) s += std::to_string(v[size_t(i)]) + ",";
            s += "  // " + std::to_string(g.de) + "-" + std::to_string(g.ate - 1) + " " + g.nome + "\n";
        }
        s += "};\nstatic_assert(sizeof " + nome + " / sizeof " + nome + "[0] == NQUADROSUNIDADE);\n";
    }
    return s;
}

static bool escreve_lista(const std::string& jogo, const std::vector<Picture>& v, std::string (*nome)(int)) {
    for (size_t i = 0; i < v.size(); i++)
        if (!write_gmb(jogo + "/" + nome(int(i)), v[i])) return false;
    return true;
}

void escreve_cena(const std::string& caminho, const Unidades& u, const std::vector<Picture>& ef,
                  const std::vector<Picture>& ob, const std::vector<Picture>& ce);

bool escreve_sprites(const std::string& jogo, const std::string& gerados, const std::string& revisao) {
    Unidades u = gera_unidades();
    std::vector<Picture> ef = gera_efeitos(), ob = gera_objetos(), ce = gera_cenarios();
    bool ok = escreve_lista(jogo, u.quadros, nome_unidade) && escreve_lista(jogo, ef, nome_efeito) &&
              escreve_lista(jogo, ob, nome_objeto) && escreve_lista(jogo, ce, nome_cenario);
    std::string fonte = fonte_ancoras(u);
    ok = ok && write_file(gerados + "/ancoras.inc", std::vector<uint8_t>(fonte.begin(), fonte.end()));
    if (!ok || revisao.empty()) return ok;
    std::vector<Picture> parte;
    auto folha = [&](const char* nome, int de, int ate, int escala) {
        parte.assign(u.quadros.begin() + de, u.quadros.begin() + ate);
        write_sheet(revisao + "/" + nome + ".png", parte, std::string("Unidades ") + std::to_string(de) + "-" + std::to_string(ate - 1), escala);
    };
    for (const Grupo& g : GRUPOS) folha((std::string("unidades-") + g.nome).c_str(), g.de, g.ate, 2);
    for (const Grupo& g : GRUPOS)
        if (g.por_face > 0) folha_revisao(revisao + "/revisao-" + g.nome + ".png", u, g.de, g.por_face, (g.ate - g.de) / g.por_face, g.nome);
    // every unit standing facing down, and every building complete, on one ground line
    fila_revisao(revisao + "/escala.png", u, {4, 9, 14, 15, 16, 317, 315, 157, 17, 41, 65, 85, 109, 133, 159, 171, 183, 195, 219, 243, 267, 291, 318});
    write_sheet(revisao + "/unidades.png", u.quadros, "Unidades", 1);
    write_sheet(revisao + "/efeitos.png", ef, "Efeitos", 2);
    parte.assign(ef.begin() + 87, ef.begin() + 99);
    write_sheet(revisao + "/efeitos-cadaveres.png", parte, "Efeitos 87-98", 3);
    parte.clear();
    for (const Picture& p : ef)
        if (p.w <= 26 && p.h <= 26) parte.push_back(p);
    write_sheet(revisao + "/efeitos-pequenos.png", parte, "Efeitos pequenos (ordem da lista)", 4);
    write_sheet(revisao + "/objetos.png", ob, "Objetos", 2);
    write_sheet(revisao + "/cenarios.png", ce, "Cenario", 1);
    escreve_cena(revisao + "/cena.png", u, ef, ob, ce);
    return ok;
}
