// Recordings and scripts: any bytes are refused with a short printable reason, or give events that
// the window could have delivered and that write back to the same lines.
#include <cstdlib>
#include <string>

#include "media/media.h"
#include "shell/gravacao.h"

namespace {
void confere(const std::vector<EventoRoteiro>& eventos) {
    int32_t ultimo = 0;
    for (const EventoRoteiro& e : eventos) {
        if (e.tique < 1 || e.tique > MAXTIQUES || e.tique < ultimo) std::abort();
        if (e.x < 0 || e.x >= LARGURATELA || e.y < 0 || e.y >= ALTURATELA) std::abort();
        EventoRoteiro de_novo;
        if (!leevento(linhaevento(e), de_novo) || linhaevento(de_novo) != linhaevento(e)) std::abort();
        ultimo = e.tique;
    }
}

void motivocurto(const std::string& porque) {
    if (porque.empty() || porque.size() > 300) std::abort();
    for (unsigned char c : porque)
        if (c < 32 && c != '\t') std::abort();  // no control byte of the file reaches the message
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    std::string porque;
    std::vector<EventoRoteiro> eventos;
    if (leroteiro(texto, eventos, porque)) confere(eventos);
    else motivocurto(porque);
    Gravacao g;
    porque.clear();
    if (legravacao(texto, g, porque)) {
        confere(g.eventos);
        if (g.missao < 0 || g.missao > 12 || g.fim < 0 || g.fim > MAXTIQUES || int64_t(g.semente) < 0) std::abort();
    } else {
        motivocurto(porque);
    }
    return 0;
}
