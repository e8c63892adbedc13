// Plays the campaign with the scripted player and prints the table of its missions.
//   joga_campanha --pasta DIR [--semente S] [--missoes A-B] [--conteudo GAMEDIR --rotas FILE]
// DIR must hold the game's asset folders (or links to them) and rotas.txt; with --conteudo and
// --rotas it is made (if need be) and given links to GAMEDIR's asset folders and to FILE. The saved
// game and the recordings (partidas/missaoNN.txt, with the save each one loads) are written there.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "campanha/campanha.h"

namespace fs = std::filesystem;

// The working folder with links to the asset folders and the routes.
static bool prepara(const fs::path& pasta, const fs::path& conteudo, const fs::path& rotas) {
    std::error_code ec;
    fs::create_directories(pasta, ec);
    for (const auto& e : fs::directory_iterator(conteudo, ec))
        if (e.is_directory() && !fs::exists(pasta / e.path().filename()))
            fs::create_directory_symlink(fs::absolute(e.path()), pasta / e.path().filename(), ec);
    if (!rotas.empty() && !fs::exists(pasta / "rotas.txt")) fs::create_symlink(fs::absolute(rotas), pasta / "rotas.txt", ec);
    if (ec) {
        std::fprintf(stderr, "joga_campanha: %s: %s\n", pasta.c_str(), ec.message().c_str());
        return false;
    }
    return true;
}

int main(int argc, char** argv) {
    OpcoesCampanha o;
    std::string conteudo, rotas;
    for (int k = 1; k < argc; k++) {
        std::string a = argv[k];
        if (a == "--pasta" && k + 1 < argc) o.pasta = argv[++k];
        else if (a == "--semente" && k + 1 < argc) o.semente = std::strtoull(argv[++k], nullptr, 10);
        else if (a == "--missoes" && k + 1 < argc) std::sscanf(argv[++k], "%d-%d", &o.primeira, &o.ultima);
        else if (a == "--conteudo" && k + 1 < argc) conteudo = argv[++k];
        else if (a == "--rotas" && k + 1 < argc) rotas = argv[++k];
        else {
            std::fprintf(stderr, "use: joga_campanha --pasta DIR [--semente S] [--missoes A-B] [--conteudo GAMEDIR --rotas FILE]\n");
            return 2;
        }
    }
    if (o.pasta.empty()) {
        std::fprintf(stderr, "joga_campanha: falta --pasta\n");
        return 2;
    }
    if (!conteudo.empty() && !prepara(o.pasta, conteudo, rotas)) return 2;
    std::filesystem::current_path(o.pasta);
    o.pasta = ".";
    std::vector<LinhaCampanha> tabela;
    std::string why;
    bool bom = jogacampanha(o, tabela, why);
    std::printf("Semente %llu\n%s", (unsigned long long)o.semente, textotabela(tabela).c_str());
    if (!bom) std::fprintf(stderr, "joga_campanha: %s\n", why.c_str());
    return bom ? 0 : 1;
}
