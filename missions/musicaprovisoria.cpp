// Stand-in for the music loader until the sounds provide theirs (a weak symbol: theirs wins).
#include "assets/listas.h"
#include "missions/missoes.h"
#include "world/estado.h"

__attribute__((weak)) void carregarmusica(const std::string& nome) {
    std::string caminho = FindFile(nome);
    if (caminho.empty()) {
        tela = 10;
        erro = "Arquivo  " + nome + "  não foi encontrado.";
    }
    if (DXWaveListMusica.Count() > 0) DXWaveListMusica.Delete(0);
    WaveItem& item = DXWaveListMusica.Add();
    std::vector<uint8_t> bytes;
    std::string why;
    if (!caminho.empty() && ReadWholeFile(nome, bytes)) ParseWave(bytes, item, why);
}
