// Stand-in picture loaders so the loading screen runs on its own; assets/carregarbmp.cpp replaces this
// file (delete it when the real loaders arrive).
#include "assets/listas.h"
#include "assets/sons.h"
#include "shell/shell.h"

static void carregarbmpprovisorio(ImageList& lista, const std::string& nome, const char* nomeitem, bool transparente) {
    if (!FileExists(nome)) {
        mostraerro(mensagemarquivoausente(nome));
        return;
    }
    std::vector<uint8_t> bytes;
    std::string porque;
    Bitmap b;
    if (!ReadWholeFile(nome, bytes) || !ParseGmb(bytes.data(), bytes.size(), b, porque)) {
        mostraerro("Arquivo  " + nome + "  está corrompido.");
        return;
    }
    SetItemPicture(lista.Add(), b, nomeitem, transparente);
}

void carregarbmpunidade(const std::string& nome) { carregarbmpprovisorio(DXImageListUnidade, nome, "Unidade", true); }
void carregarbmpefeito(const std::string& nome) { carregarbmpprovisorio(DXImageListEfeitos, nome, "Efeitos", true); }
void carregarbmpobjeto(const std::string& nome) { carregarbmpprovisorio(DXImageListObjetos, nome, "Objetos", true); }
void carregarbmpcenario(const std::string& nome) { carregarbmpprovisorio(DXImageListCenario, nome, "Cenario", false); }
void carregarbmpabertura(const std::string& nome) { carregarbmpprovisorio(DXImageListAbertura, nome, "Abertura", true); }
void carregarbmpfinal(const std::string& nome) { carregarbmpprovisorio(DXImageListFinal, nome, "Final", false); }
