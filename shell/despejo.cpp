// Writing the state dump.
#include "shell/despejo.h"

#include <cstdio>
#include <type_traits>

#include "input/mouse.h"
#include "shell/shell.h"
#include "world/despejo.h"
#include "world/estado.h"

template <typename T>
static void campo(std::string& j, const char* nome, T v) {
    if constexpr (std::is_same_v<T, bool>) j += ",\"" + std::string(nome) + "\":" + (v ? "true" : "false");
    else j += ",\"" + std::string(nome) + "\":" + std::to_string(static_cast<long long>(v));
}

std::string despejoestado() {
    std::string j = "{\"tick\":" + std::to_string(tiques);
    campo(j, "tela", tela);
    campo(j, "ciclotela", ciclotela);
    campo(j, "ciclotelamax", ciclotelamax);
    campo(j, "velocidadejogo", velocidadejogo);
    j += ",\"erro\":" + emjson(erro);
    campo(j, "sair", sair);
    campo(j, "missao", missao);
    campo(j, "ritmotrabalho", ritmotrabalho);
    campo(j, "existesave", existesave);
    campo(j, "arquivoanselva", arquivoanselva);
    campo(j, "arquivomsx", arquivomsx);
    campo(j, "mousex", mousex);
    campo(j, "mousey", mousey);
    campo(j, "mousenum", mousenum);
    campo(j, "cursor", cursor);
    campo(j, "mouseflag", mouseflag);
    campo(j, "menu", menu);
    campo(j, "cenafinal", cenafinal);
    campo(j, "telacheia", telacheia);
    campo(j, "mostrahptodos", mostrahptodos);
    std::string mundo = despejomundo();
    if (!mundo.empty()) j += "," + mundo;
    return j + "}\n";
}
