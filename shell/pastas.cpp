// Choosing the content folder and the player's folders (see pastas.h).
#include "shell/pastas.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const pastasconteudo[] = {"Unidades", "Efeitos", "Objetos", "Cenario", "Final", "Abertura", "Sons", "Musicas"};

bool mesmonome(std::string a, std::string b) {
    for (char& c : a) c = char(std::tolower(uint8_t(c)));
    for (char& c : b) c = char(std::tolower(uint8_t(c)));
    return a == b;
}

// An XDG base folder: the variable when it holds an absolute path, else HOME's default.
std::string basexdg(const char* variavel, const char* padrao) {
    const char* v = std::getenv(variavel);
    if (v && v[0] == '/') return v;
    const char* casa = std::getenv("HOME");
    if (!casa || casa[0] != '/') return {};
    return std::string(casa) + "/" + padrao;
}

// `base`/vorlandocraft, made if need be; "" when it cannot be.
std::string pastapropria(const std::string& base) {
    if (base.empty()) return {};
    fs::path p = fs::path(base) / "vorlandocraft";
    std::error_code ec;
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec) ? p.string() : std::string();
}

}  // namespace

bool pastadejogo(const std::string& pasta) {
    std::error_code ec;
    for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
        if (!it->is_directory(ec)) continue;
        for (const char* nome : pastasconteudo)
            if (mesmonome(it->path().filename().string(), nome)) return true;
    }
    return false;
}

std::string pastadoprograma() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

Pastas escolhepastas(std::string& aviso) {
    Pastas p;
    // 1. a portable copy: everything in the working folder, as the game has always run; a folder the
    // player cannot write to (the installed data, a copy on a read-only disk) lends only its content
    if (pastadejogo(".")) {
        p.conteudo = ".";
        if (::access(".", W_OK) == 0) {
            p.jogador = ".";
            p.ajustes = "ajustes.conf";
            p.portatil = true;
            return p;
        }
    } else {
        // 2. the content: the build tree's game/ beside the program, or the installed data folder
        std::string programa = pastadoprograma();
        p.conteudo = ".";  // nowhere: the loading screen names the first missing file
        for (const char* relativo : {"game", "../share/games/vorlandocraft"})
            if (!programa.empty() && pastadejogo(programa + "/" + relativo)) {
                p.conteudo = (fs::path(programa) / relativo).lexically_normal().string();
                break;
            }
    }
    // 3. the player's folders
    p.jogador = pastapropria(basexdg("XDG_DATA_HOME", ".local/share"));
    std::string config = pastapropria(basexdg("XDG_CONFIG_HOME", ".config"));
    if (p.jogador.empty()) {
        aviso = "não foi possível criar a pasta do jogador (XDG_DATA_HOME ou HOME); o jogo salva na pasta atual";
        p.jogador = ".";
    }
    p.ajustes = (config.empty() ? p.jogador : config) + "/ajustes.conf";
    return p;
}
