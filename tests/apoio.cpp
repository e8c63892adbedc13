// Shared helpers of the tests.
#include "apoio.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

PastaTemporaria::PastaTemporaria(const std::string& nome) {
    antes = fs::current_path();
    caminho = fs::temp_directory_path() / ("vorlando-" + nome + "-" + std::to_string(::getpid()));
    fs::remove_all(caminho);
    fs::create_directories(caminho);
    fs::current_path(caminho);
}

PastaTemporaria::~PastaTemporaria() {
    fs::current_path(antes);
    std::error_code ec;
    fs::remove_all(caminho, ec);
}

void PastaTemporaria::escreve(const std::string& arquivo, const std::string& conteudo) const {
    fs::path p = caminho / arquivo;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << conteudo;
}

int rodajogo(const std::string& pasta, const std::string& argumentos, std::string* saida) {
    std::string cmd = "cd '" + pasta + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" VORLANDO_BIN "' " + argumentos + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    std::string out;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int st = pclose(p);
    if (saida) *saida = out;
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string leituracompleta(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

long long campojson(const std::string& json, const std::string& nome) {
    std::string chave = "\"" + nome + "\":";
    size_t p = json.find(chave);
    if (p == std::string::npos) return -999999;
    p += chave.size();
    if (json.compare(p, 4, "true") == 0) return 1;
    if (json.compare(p, 5, "false") == 0) return 0;
    return std::stoll(json.substr(p));
}

std::string textojson(const std::string& json, const std::string& nome) {
    std::string chave = "\"" + nome + "\":\"";
    size_t p = json.find(chave);
    if (p == std::string::npos) return "<ausente>";
    p += chave.size();
    std::string out;
    while (p < json.size() && json[p] != '"') {
        if (json[p] == '\\' && p + 1 < json.size()) p++;
        out += json[p++];
    }
    return out;
}

bool temconteudo() {
    for (const char* p : {"Unidades", "Efeitos", "Objetos", "Cenario", "Final", "Abertura", "Sons", "Musicas"})
        if (!fs::is_directory(fs::path(VORLANDO_GAME_DIR) / p)) return false;
    return true;
}
