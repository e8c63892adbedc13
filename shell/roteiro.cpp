// Reading, writing and delivering scripted input.
#include "shell/roteiro.h"

#include <algorithm>
#include <sstream>

#include "media/media.h"

bool leevento(const std::string& l, EventoRoteiro& e) {
    std::istringstream in(l);
    std::string verbo, botao, sobra;
    if (!(in >> e.tique >> verbo) || e.tique < 1) return false;
    if (verbo == "move") {
        e.tipo = EventoRoteiro::MOVE;
        if (!(in >> e.x >> e.y)) return false;
    } else if (verbo == "down" || verbo == "up") {
        e.tipo = verbo == "down" ? EventoRoteiro::DOWN : EventoRoteiro::UP;
        if (!(in >> botao >> e.x >> e.y) || (botao != "left" && botao != "right")) return false;
        e.direito = botao == "right";
    } else if (verbo == "close" || verbo == "leave" || verbo == "enter") {
        e.tipo = verbo == "close"   ? EventoRoteiro::CLOSE
                 : verbo == "leave" ? EventoRoteiro::LEAVE
                                    : EventoRoteiro::ENTER;
    } else if (verbo == "press" || verbo == "release") {
        e.tipo = verbo == "press" ? EventoRoteiro::PRESS : EventoRoteiro::RELEASE;
        if (!(in >> e.tecla) || e.tecla < 1 || e.tecla > 255) return false;
    } else {
        return false;
    }
    return !(in >> sobra);  // nothing may follow
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
            porque = "linha " + std::to_string(n) + " do roteiro inválida: " + l;
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
