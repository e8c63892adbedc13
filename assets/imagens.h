// The .gmb picture loaders: each reads one file of the asset folders and appends it to its list.
#pragma once
#include <string>
#include "media/media.h"

// Reads `nome` (a path in the working folder) and appends it to `lista` with the item name and
// transparency given. A missing file or a corrupt one sends the game to the error screen naming it.
void carregarbmp(ImageList& lista, const std::string& nome, const char* nomeitem, bool transparente);

void carregarbmpunidade(const std::string& nome);   // DXImageListUnidade, "Unidade", white transparent
void carregarbmpefeito(const std::string& nome);    // DXImageListEfeitos, "Efeitos", white transparent
void carregarbmpobjeto(const std::string& nome);    // DXImageListObjetos, "Objetos", white transparent
void carregarbmpcenario(const std::string& nome);   // DXImageListCenario, "Cenario", opaque
void carregarbmpabertura(const std::string& nome);  // DXImageListAbertura, "Abertura", white transparent
void carregarbmpfinal(const std::string& nome);     // DXImageListFinal, "Final", opaque

// The error texts of the picture files.
std::string erroarquivoausente(const std::string& nome);   // "Arquivo  X  não foi encontrado."
std::string erroarquivocorrompido(const std::string& nome); // "Arquivo  X  está corrompido."
