// Reading and delivering scripted input.
#include "shell/roteiro.h"

#include <sstream>

#include "media/media.h"

static bool linha(const std::string& l, EventoRoteiro& e) {
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
    } else if (verbo == "press" || verbo == "release") {
        e.tipo = verbo == "press" ? EventoRoteiro::PRESS : EventoRoteiro::RELEASE;
        if (!(in >> e.tecla) || e.tecla < 1 || e.tecla > 255) return false;
    } else {
        return false;
    }
    return !(in >> sobra);  // nothing may follow
}

bool leroteiro(const std::string& texto, std::vector<EventoRoteiro>& eventos, std::string& porque) {
    std::istringstream in(texto);
    std::string l;
    for (int32_t n = 1; std::getline(in, l); n++) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        size_t p = l.find_first_not_of(" \t");
        if (p == std::string::npos || l[p] == '#') continue;
        EventoRoteiro e;
        if (!linha(l, e)) {
            porque = "linha " + std::to_string(n) + " do roteiro inválida: " + l;
            return false;
        }
        eventos.push_back(e);
    }
    return true;
}

void entregaeventos(const std::vector<EventoRoteiro>& eventos, int32_t tique) {
    for (const EventoRoteiro& e : eventos) {
        if (e.tique != tique) continue;
        BotaoMouse b = e.direito ? BOTAODIREITO : BOTAOESQUERDO;
        switch (e.tipo) {
            case EventoRoteiro::MOVE: if (manipuladores.mousemove) manipuladores.mousemove(e.x, e.y); break;
            case EventoRoteiro::DOWN: if (manipuladores.mousedown) manipuladores.mousedown(b, e.x, e.y); break;
            case EventoRoteiro::UP: if (manipuladores.mouseup) manipuladores.mouseup(b, e.x, e.y); break;
            case EventoRoteiro::PRESS:
                SetKeyHeld(e.tecla, true);
                if (manipuladores.keydown) manipuladores.keydown(e.tecla);
                break;
            case EventoRoteiro::RELEASE: SetKeyHeld(e.tecla, false); break;
        }
    }
}
