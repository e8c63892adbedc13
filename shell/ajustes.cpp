// The settings file: "nome = valor" lines, "#" comments; read at start, written when a setting changes.
#include "shell/ajustes.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "media/media.h"
#include "shell/registros.h"
#include "world/estado.h"

namespace {

std::string aparado(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool simnao(const std::string& v, bool& out) {
    if (v == "sim" || v == "1") out = true;
    else if (v == "nao" || v == "não" || v == "0") out = false;
    else return false;
    return true;
}

bool inteiro(const std::string& v, int32_t& out, int32_t minimo, int32_t maximo) {
    int32_t n = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || p != v.data() + v.size() || n < minimo || n > maximo) return false;
    out = n;
    return true;
}

const char* simounao(bool b) { return b ? "sim" : "não"; }

}  // namespace

std::string textoajustes(const Ajustes& a) {
    std::ostringstream s;
    s << "# Vorlandocraft: ajustes. O jogo reescreve este arquivo quando um deles muda;\n"
         "# uma opção da linha de comando vale mais que ele.\n"
      << "musica = " << simounao(a.musica) << "\n"
      << "efeitos = " << simounao(a.efeitos) << "\n"
      << "vozes = " << simounao(a.vozes) << "\n"
      << "# duração do tique em milissegundos, de 0 (mais rápido) a 100; normal 20\n"
      << "velocidade = " << a.velocidade << "\n"
      << "telacheia = " << simounao(a.telacheia) << "\n"
      << "# a janela K vezes 800 x 600 (1 a 8); 0 a maior que cabe na tela\n"
      << "escala = " << a.escala << "\n"
      << "# a moldura do gerenciador de janelas em volta da janela\n"
      << "moldura = " << simounao(a.moldura) << "\n";
    return s.str();
}

bool interpretaajustes(const std::string& texto, Ajustes& a, std::string& porque) {
    Ajustes lido;
    std::istringstream in(texto);
    std::string linha;
    for (int32_t n = 1; std::getline(in, linha); n++) {
        linha = aparado(linha);
        if (linha.empty() || linha[0] == '#') continue;
        size_t igual = linha.find('=');
        std::string nome = igual == std::string::npos ? linha : aparado(linha.substr(0, igual));
        std::string valor = igual == std::string::npos ? "" : aparado(linha.substr(igual + 1));
        bool certo = false;
        if (igual == std::string::npos) certo = false;
        else if (nome == "musica") certo = simnao(valor, lido.musica);
        else if (nome == "efeitos") certo = simnao(valor, lido.efeitos);
        else if (nome == "vozes") certo = simnao(valor, lido.vozes);
        else if (nome == "velocidade") certo = inteiro(valor, lido.velocidade, 0, 100);
        else if (nome == "telacheia") certo = simnao(valor, lido.telacheia);
        else if (nome == "escala") certo = inteiro(valor, lido.escala, 0, 8);
        else if (nome == "moldura") certo = simnao(valor, lido.moldura);
        else certo = false;
        if (!certo) {
            porque = "linha " + std::to_string(n) + " inválida: " + linha;
            a = Ajustes{};
            return false;
        }
    }
    a = lido;
    return true;
}

Ajustes leajustes(const std::string& caminho, std::string& aviso) {
    Ajustes a;
    std::error_code ec;
    if (!std::filesystem::exists(caminho, ec)) return a;
    std::ifstream f(caminho, std::ios::binary);
    std::string texto;
    // a settings file is a few lines: anything large is not one
    bool legivel = false;
    auto tamanho = std::filesystem::file_size(caminho, ec);
    if (f && !ec && tamanho <= 65536) {
        texto.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        legivel = !f.bad() && texto.size() == tamanho;
    }
    if (!legivel) {
        aviso = caminho + " não pôde ser lido; valem os ajustes normais";
        return a;
    }
    std::string porque;
    if (!interpretaajustes(texto, a, porque))
        aviso = caminho + ": " + porque + "; valem os ajustes normais";
    return a;
}

bool gravaajustes(const std::string& caminho, const Ajustes& a) {
    std::error_code ec;
    std::filesystem::path pasta = std::filesystem::path(caminho).parent_path();
    if (!pasta.empty()) std::filesystem::create_directories(pasta, ec);
    return gravatexto(caminho, textoajustes(a));
}

Ajustes ajustesdojogo() {
    Ajustes a;
    a.musica = musicaligada;
    a.efeitos = efeitosligados;
    a.vozes = vozesligadas;
    a.velocidade = velocidadejogo;
    a.telacheia = telacheia;
    a.escala = 0;       // the window's, kept by the caller
    a.moldura = false;  // the same
    return a;
}

void aplicaajustes(const Ajustes& a) {
    musicaligada = a.musica;
    efeitosligados = a.efeitos;
    vozesligadas = a.vozes;
    velocidadejogo = int16_t(a.velocidade);
    SetTimerInterval(velocidadejogo);
}
