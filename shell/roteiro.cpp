// Reading, writing and delivering scripted input.
#include "shell/roteiro.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "media/media.h"

namespace {

// The next word of the line as a whole number within [minimo, maximo].
bool numero(std::istringstream& in, int32_t& v, int32_t minimo, int32_t maximo) {
    std::string w;
    int64_t n = 0;
    if (!(in >> w) || !inteirolimitado(w, n, minimo, maximo)) return false;
    v = int32_t(n);
    return true;
}

// A point the window can deliver: on the 800 x 600 screen.
bool ponto(std::istringstream& in, EventoRoteiro& e) {
    return numero(in, e.x, 0, LARGURATELA - 1) && numero(in, e.y, 0, ALTURATELA - 1);
}

}  // namespace

bool inteirolimitado(const std::string& s, int64_t& v, int64_t minimo, int64_t maximo) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size() && v >= minimo && v <= maximo;
}

bool leevento(const std::string& l, EventoRoteiro& e) {
    std::istringstream in(l);
    std::string verbo, botao, sobra;
    if (!numero(in, e.tique, 1, MAXTIQUES) || !(in >> verbo)) return false;
    if (verbo == "move") {
        e.tipo = EventoRoteiro::MOVE;
        if (!ponto(in, e)) return false;
    } else if (verbo == "down" || verbo == "up") {
        e.tipo = verbo == "down" ? EventoRoteiro::DOWN : EventoRoteiro::UP;
        if (!(in >> botao) || (botao != "left" && botao != "right") || !ponto(in, e)) return false;
        e.direito = botao == "right";
    } else if (verbo == "close" || verbo == "leave" || verbo == "enter") {
        e.tipo = verbo == "close"   ? EventoRoteiro::CLOSE
                 : verbo == "leave" ? EventoRoteiro::LEAVE
                                    : EventoRoteiro::ENTER;
    } else if (verbo == "press" || verbo == "release") {
        e.tipo = verbo == "press" ? EventoRoteiro::PRESS : EventoRoteiro::RELEASE;
        if (!numero(in, e.tecla, 1, 255)) return false;
    } else {
        return false;
    }
    return !(in >> sobra);  // nothing may follow
}

std::string trechodalinha(const std::string& l, size_t n) {
    std::string s;
    for (size_t i = 0; i < l.size() && i < n; i++) s += l[i] >= 32 && l[i] < 127 ? l[i] : '?';
    if (l.size() > n) s += "...";
    return s;
}

bool learquivoroteiro(const std::string& caminho, std::string& texto, std::string& porque) {
    struct stat st {};
    if (stat(caminho.c_str(), &st) != 0) {
        porque = "não encontrado";
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        porque = "não é um arquivo";
        return false;
    }
    if (uint64_t(st.st_size) > MAXROTEIRO) {
        porque = "grande demais (mais de " + std::to_string(MAXROTEIRO >> 20) + " MB)";
        return false;
    }
    std::ifstream f(caminho, std::ios::binary);
    if (!f) {
        porque = "não pôde ser lido";
        return false;
    }
    // read in pieces up to one byte past the bound: a file that grew since it was measured is still refused
    texto.clear();
    std::string pedaco(1u << 20, '\0');
    while (texto.size() <= MAXROTEIRO && f.read(pedaco.data(), std::streamsize(pedaco.size())).gcount() > 0)
        texto.append(pedaco.data(), size_t(f.gcount()));
    if (f.bad()) {
        porque = "não pôde ser lido";
        return false;
    }
    if (texto.size() > MAXROTEIRO) {
        porque = "grande demais (mais de " + std::to_string(MAXROTEIRO >> 20) + " MB)";
        return false;
    }
    return true;
}

std::string linhaevento(const EventoRoteiro& e) {
    std::string t = std::to_string(e.tique) + " ";
    std::string onde = std::to_string(e.x) + " " + std::to_string(e.y);
    const char* botao = e.direito ? "right " : "left ";
    switch (e.tipo) {
        case EventoRoteiro::MOVE: return t + "move " + onde;
        case EventoRoteiro::DOWN: return t + "down " + botao + onde;
        case EventoRoteiro::UP: return t + "up " + botao + onde;
        case EventoRoteiro::PRESS: return t + "press " + std::to_string(e.tecla);
        case EventoRoteiro::RELEASE: return t + "release " + std::to_string(e.tecla);
        case EventoRoteiro::CLOSE: return t + "close";
        case EventoRoteiro::LEAVE: return t + "leave";
        case EventoRoteiro::ENTER: return t + "enter";
    }
    return t;
}

bool leroteiro(const std::string& texto, std::vector<EventoRoteiro>& eventos, std::string& porque) {
    std::istringstream in(texto);
    std::string l;
    for (int32_t n = 1; std::getline(in, l); n++) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        size_t p = l.find_first_not_of(" \t");
        if (p == std::string::npos || l[p] == '#') continue;
        EventoRoteiro e;
        if (!leevento(l, e)) {
            porque = "linha " + std::to_string(n) + " do roteiro inválida: " + trechodalinha(l);
            return false;
        }
        eventos.push_back(e);
    }
    std::stable_sort(eventos.begin(), eventos.end(), [](const EventoRoteiro& a, const EventoRoteiro& b) { return a.tique < b.tique; });
    return true;
}

void entregaevento(const EventoRoteiro& e) {
    BotaoMouse b = e.direito ? BOTAODIREITO : BOTAOESQUERDO;
    switch (e.tipo) {
        case EventoRoteiro::MOVE: if (manipuladores.mousemove) manipuladores.mousemove(e.x, e.y); break;
        case EventoRoteiro::DOWN: if (manipuladores.mousedown) manipuladores.mousedown(b, e.x, e.y); break;
        case EventoRoteiro::UP: if (manipuladores.mouseup) manipuladores.mouseup(b, e.x, e.y); break;
        case EventoRoteiro::PRESS:
            SetKeyHeld(e.tecla, true);
            if (manipuladores.keydown) manipuladores.keydown(e.tecla);
            break;
        case EventoRoteiro::RELEASE:
            SetKeyHeld(e.tecla, false);
            if (manipuladores.keyup) manipuladores.keyup(e.tecla);
            break;
        case EventoRoteiro::CLOSE:
            if (manipuladores.close) manipuladores.close();
            else QuitLoop();
            break;
        case EventoRoteiro::LEAVE:
        case EventoRoteiro::ENTER:
            if (manipuladores.pointerinside) manipuladores.pointerinside(e.tipo == EventoRoteiro::ENTER);
            break;
    }
}

void entregaeventos(const std::vector<EventoRoteiro>& eventos, size_t& proximo, int32_t tique) {
    while (proximo < eventos.size() && eventos[proximo].tique <= tique) entregaevento(eventos[proximo++]);
}
