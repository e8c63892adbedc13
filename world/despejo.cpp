// The world's part of the state dump: units, counts and game globals as JSON members.
#include "world/despejo.h"

#include <cmath>
#include <cstdio>

#include "world/efeitos.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"
#include "missions/missoes.h"

namespace {

// A real with ten significant digits; JSON has no NaN or infinity.
std::string real(double v) {
    if (!std::isfinite(v)) return "null";
    char b[40];
    std::snprintf(b, sizeof b, "%.10g", v);
    return b;
}

std::string membro(const char* nome, const std::string& valor) { return std::string("\"") + nome + "\":" + valor; }
std::string membro(const char* nome, int64_t v) { return membro(nome, std::to_string(v)); }
std::string membro(const char* nome, double v) { return membro(nome, real(v)); }
std::string membro(const char* nome, bool v) { return membro(nome, std::string(v ? "true" : "false")); }

std::string unidade(int32_t u) {
    const Unidade& a = unidades[u];
    std::string s = "{" + membro("slot", int64_t(u));
    s += "," + membro("tipo", int64_t(a.tipo));
    s += "," + membro("nome", emjson(a.nome.str()));
    s += "," + membro("x", a.x) + "," + membro("y", a.y);
    s += "," + membro("hp", a.hp) + "," + membro("hpmax", a.hpmax) + "," + membro("mp", a.mp);
    s += "," + membro("inimigo", a.inimigo);
    s += "," + membro("posicao", int64_t(a.posicao)) + "," + membro("alvo", int64_t(a.alvo));
    s += "," + membro("nivel", int64_t(a.nivel)) + "," + membro("experiencia", int64_t(a.experiencia));
    s += "," + membro("recompensa", int64_t(a.recompensa)) + "," + membro("desenho", int64_t(a.desenho));
    s += "," + membro("selecionado", a.selecionado);
    return s + "}";
}

// Every map object in use: slot, type, base point, whether it blocks.
std::string mapadeobjetos() {
    std::string s = "[";
    bool primeiro = true;
    for (int32_t o = 1; o <= MAXOBJETOS; o++) {
        const Objeto& b = objetos[o];
        if (b.tipo == 0) continue;
        s += std::string(primeiro ? "" : ",") + "{" + membro("slot", int64_t(o)) + "," + membro("tipo", int64_t(b.tipo)) + "," +
             membro("x", b.x) + "," + membro("y", b.y) + "," + membro("solido", b.solido) + "}";
        primeiro = false;
    }
    return s + "]";
}

std::string lista(const uint8_t* v, int n) {
    std::string s = "[";
    for (int k = 0; k < n; k++) s += (k ? "," : "") + std::to_string(v[k]);
    return s + "]";
}

std::string heroi() {
    const Unidade& h = heroisalvo;
    std::string s = "{" + membro("nivel", int64_t(h.nivel)) + "," + membro("experiencia", int64_t(h.experiencia));
    s += "," + membro("forca", int64_t(h.forca)) + "," + membro("agilidade", int64_t(h.agilidade));
    s += "," + membro("inteligencia", int64_t(h.inteligencia)) + "," + membro("pontostecnica", int64_t(h.pontostecnica));
    s += "," + membro("tecnicas", lista(h.tecnicas, 5)) + "," + membro("itens", lista(h.itens, 6));
    return s + "}";
}

std::string globais() {
    std::string s = membro("dinheiro", dinheiro);
    s += "," + membro("comidausada", int64_t(comidausada)) + "," + membro("comidamax", int64_t(comidamax));
    s += "," + membro("recompensavalor", int64_t(recompensavalor)) + "," + membro("recompensatempo", int64_t(recompensatempo));
    s += "," + membro("pesquisa4", int64_t(pesquisa4)) + "," + membro("pesquisa5", int64_t(pesquisa5));
    s += "," + membro("pesquisa6", int64_t(pesquisa6)) + "," + membro("pesquisa7", int64_t(pesquisa7));
    s += "," + membro("camerax", int64_t(camerax)) + "," + membro("cameray", int64_t(cameray));
    s += "," + membro("tremor", int64_t(tremor)) + "," + membro("brilho", int64_t(brilho));
    s += "," + membro("mapalargura", int64_t(mapalargura)) + "," + membro("mapaaltura", int64_t(mapaaltura));
    s += "," + membro("velocidaderolagem", int64_t(velocidaderolagem));
    s += "," + membro("select", int64_t(select_)) + "," + membro("som", int64_t(som)) + "," + membro("voz", int64_t(voz));
    s += "," + membro("mensagem", emjson(mensagem)) + "," + membro("mensagemtempo", int64_t(mensagemtempo));
    s += "," + membro("mensagem2", emjson(mensagem2)) + "," + membro("mensagem2tempo", int64_t(mensagem2tempo));
    s += "," + membro("pausa", pausa) + "," + membro("pausajogador", pausajogador);
    s += "," + membro("derrotado", derrotado);
    s += "," + membro("missaoinicial", int64_t(missaoinicial));
    s += "," + membro("liberafidelina", liberafidelina) + "," + membro("liberafazenda", liberafazenda);
    s += "," + membro("liberaloja", liberaloja) + "," + membro("cenario", int64_t(cenario));
    s += "," + membro("itenscheat", int64_t(itenscheat)) + "," + membro("vertudo", vertudo);
    s += "," + membro("dicaatual", int64_t(dicaatual));
    return s;
}

// The mission record: the objective, its area and whether it was met.
std::string missaoatual() {
    std::string s = "{" + membro("objetivo", int64_t(tarefa.objetivo));
    s += "," + membro("areax1", int64_t(tarefa.areax1)) + "," + membro("areay1", int64_t(tarefa.areay1));
    s += "," + membro("areax2", int64_t(tarefa.areax2)) + "," + membro("areay2", int64_t(tarefa.areay2));
    s += "," + membro("avisotarefa", emjson(tarefa.avisotarefa)) + "," + membro("cumprida", tarefa.cumprida);
    return s + "}";
}


}  // namespace

// A text as a JSON string: quotes, backslashes and control characters escaped, UTF-8 kept.
std::string emjson(const std::string& s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '"') r += "\\\"";
        else if (c == '\\') r += "\\\\";
        else if (c == '\n') r += "\\n";
        else if (c == '\r') r += "\\r";
        else if (c == '\t') r += "\\t";
        else if (c < 0x20 || c == 0x7f) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            r += b;
        } else r += char(c);
    }
    return r + "\"";
}

std::string despejomundo() {
    std::string s = "\"unidades\":[";
    bool primeira = true;
    for (int32_t u = 1; u <= MAXUNIDADES; u++) {
        if (unidades[u].tipo == 0) continue;
        s += (primeira ? "" : ",") + unidade(u);
        primeira = false;
    }
    s += "]," + membro("efeitos", int64_t(contaefeitos())) + "," + membro("objetos", int64_t(contaobjetos()));
    s += "," + membro("listaobjetos", mapadeobjetos());
    s += "," + membro("heroisalvo", heroi());
    return s + "," + membro("tarefa", missaoatual()) + "," + globais();
}
