// The six .gmb loaders of the asset folders: one shared routine, six targets.
#include "assets/imagens.h"

#include <cstdint>
#include <vector>

#include "assets/listas.h"
#include "world/estado.h"

std::string erroarquivoausente(const std::string& nome) { return "Arquivo  " + nome + "  não foi encontrado."; }

std::string erroarquivocorrompido(const std::string& nome) { return "Arquivo  " + nome + "  está corrompido."; }

// Stops the run on the error screen with `mensagem`.
static void falhaarquivo(const std::string& mensagem) {
    tela = 10;
    erro = mensagem;
}

void carregarbmp(ImageList& lista, const std::string& nome, const char* nomeitem, bool transparente) {
    // 1. the file must be in the working folder
    if (FindFile(nome).empty()) return falhaarquivo(erroarquivoausente(nome));
    // 2. read it whole; the header and the pixels are checked before any picture is built
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(nome, bytes)) return falhaarquivo(erroarquivocorrompido(nome));
    std::string motivo;
    if (!ParseGmb(bytes.data(), bytes.size(), ImageBmp, motivo)) return falhaarquivo(erroarquivocorrompido(nome));
    // 3. a new item at the end of the list, keyed on white
    ImageItem& item = lista.Add();
    item.transparentcolor = BRANCO;
    item.systemmemory = false;
    SetItemPicture(item, ImageBmp, nomeitem, transparente);
}

void carregarbmpunidade(const std::string& nome) { carregarbmp(DXImageListUnidade, nome, "Unidade", true); }
void carregarbmpefeito(const std::string& nome) { carregarbmp(DXImageListEfeitos, nome, "Efeitos", true); }
void carregarbmpobjeto(const std::string& nome) { carregarbmp(DXImageListObjetos, nome, "Objetos", true); }
void carregarbmpcenario(const std::string& nome) { carregarbmp(DXImageListCenario, nome, "Cenario", false); }
void carregarbmpabertura(const std::string& nome) { carregarbmp(DXImageListAbertura, nome, "Abertura", true); }
void carregarbmpfinal(const std::string& nome) { carregarbmp(DXImageListFinal, nome, "Final", false); }
