// Start-up: the interface, pointer, portrait, button, status and item pictures come out of the
// packs compiled into the program.
#include <string>

#include "assets/internas.h"
#include "assets/listas.h"
#include "assets/pacotes.h"
#include "world/estado.h"

// A built-in pack that is missing or damaged stops the game on the error screen.
static bool falhapacote(const ListaInterna& l, const char* problema) {
    l.lista->Clear();
    tela = 10;
    erro = std::string("Pacote interno  ") + l.pacote + "  " + problema;
    return false;
}

bool carregalistainterna(const ListaInterna& l) {
    const uint8_t* dados = nullptr;
    size_t tamanho = 0;
    if (!pacoteembutido(l.pacote, dados, tamanho)) return falhapacote(l, "não foi encontrado.");
    l.lista->Clear();
    size_t pos = 0;
    for (int32_t i = 0; i < l.quantidade; i++) {
        // each record is a whole .gmb picture; `usados` says where the next one starts
        Bitmap b;
        std::string motivo;
        size_t usados = 0;
        if (pos >= tamanho || !ParseGmb(dados + pos, tamanho - pos, b, motivo, &usados) || usados == 0)
            return falhapacote(l, "está corrompido.");
        pos += usados;
        ImageItem& item = l.lista->Add();
        item.transparentcolor = BRANCO;
        item.systemmemory = false;
        SetItemPicture(item, b, l.nomes[i], i >= l.opacasate);
    }
    if (pos != tamanho) return falhapacote(l, "está corrompido.");  // more pictures than the list holds
    return true;
}

void carregaimagensinternas() {
    for (const ListaInterna& l : listasinternas)
        if (!carregalistainterna(l)) return;
}
