// Writes the packs compiled into the program, the slide folders and the review sheets.
#include <cstdio>

#include "interface/interface.h"

// pack name, painter, sheet scale
struct Pacote {
    const char* nome;
    std::vector<Picture> (*gera)();
    int escala;
};
static const Pacote pacotes[] = {
    {"icones", geraicones, 1},     // interface pieces and icons
    {"cursor", geracursores, 2},   // pointer shapes
    {"retrato", geraretratos, 2},  // portraits
    {"botoes", gerabotoes, 2},     // command buttons
    {"status", gerastatus, 3},     // status marks
    {"itens", geraitens, 2},       // item icons
};
static_assert(sizeof pacotes / sizeof pacotes[0] == 6);

// "pasta/prefixo-NN" + extension, the numbering of the slide folders.
static std::string numerado(const std::string& pasta, const std::string& prefixo, int n, const char* ext = ".gmb") {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return pasta + "/" + prefixo + "-" + buf + ext;
}

bool geratudo(const std::string& gen, const std::string& jogo, const std::string& revisao) {
    bool ok = true;
    for (const Pacote& p : pacotes) {
        std::vector<Picture> v = p.gera();
        ok = write_pack(gen + "/" + p.nome + ".pack", v) && ok;
        write_sheet(revisao + "/" + p.nome + ".png", v, p.nome, p.escala);
        // the small pieces of a list of mixed sizes get a sheet of their own, enlarged
        std::vector<Picture> pequenas;
        for (const Picture& f : v)
            if (f.w <= 48 && f.h <= 48) pequenas.push_back(f);
        if (!pequenas.empty() && pequenas.size() < v.size())
            write_sheet(revisao + "/" + p.nome + "-pequenas.png", pequenas, std::string(p.nome) + ": peças pequenas ampliadas (numeração desta folha)", 3);
    }
    std::vector<Picture> abertura = geraabertura();
    for (size_t i = 0; i < abertura.size(); i++) {
        ok = write_gmb(numerado(jogo + "/Abertura", "Abertura", int(i) + 1), abertura[i]) && ok;
        write_png(revisao + "/" + numerado("abertura", "Abertura", int(i) + 1, ".png"), abertura[i]);
    }
    write_sheet(revisao + "/abertura.png", abertura, "Abertura", 1);
    std::vector<Picture> final = gerafinal();
    for (size_t i = 0; i < final.size(); i++) {
        ok = write_gmb(numerado(jogo + "/Final", "Final", int(i) + 1), final[i]) && ok;
        write_png(revisao + "/" + numerado("final", "Final", int(i) + 1, ".png"), final[i]);
    }
    write_sheet(revisao + "/final.png", final, "Final", 1);
    return ok;
}
