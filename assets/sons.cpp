// Loading the wave files and serving the sound requests of the tick.
#include "assets/sons.h"
#include "assets/listas.h"
#include "shell/shell.h"
#include "world/estado.h"
#include "world/unidades.h"

std::string mensagemarquivoausente(const std::string& nome) { return "Arquivo  " + nome + "  não foi encontrado."; }

// Reads a wave file into an item; a damaged or non-PCM file is a failure with the reason shown.
static void carregaonda(WaveItem& item, const std::string& nome) {
    std::vector<uint8_t> bytes;
    std::string porque;
    if (!ReadWholeFile(nome, bytes)) porque = "não pôde ser lido";
    else if (ParseWave(bytes, item, porque)) return;
    item.file.clear();
    item.samples = 0;
    mostraerro("Arquivo  " + nome + "  está corrompido (" + porque + ").");
}

void carregareftsonoro(const std::string& nome) {
    bool existe = FileExists(nome);
    if (!existe) mostraerro(mensagemarquivoausente(nome));
    // the item is added either way: sound n stays item n
    WaveItem& item = DXWaveListSnd.Add();
    item.name = nome;
    item.looped = false;
    if (existe) carregaonda(item, nome);
}

void carregarmusica(const std::string& nome) {
    bool existe = FileExists(nome);
    if (!existe) mostraerro(mensagemarquivoausente(nome));
    // the old track goes first; a playing track stops with it
    if (DXWaveListMusica.Count() > 0) DXWaveListMusica.Delete(0);
    WaveItem& item = DXWaveListMusica.Add();
    item.name = nome;
    if (existe) carregaonda(item, nome);
}

bool servevoz() {
    // a request made while frozen, switched off or out of range waits for a tick that can play it
    if (!vozesligadas || voz == 0 || pausa || voz >= DXWaveListSnd.Count()) return false;
    PlayWave(DXWaveListSnd, voz);
    if (select_ > 0 && select_ <= MAXUNIDADES) unidades[select_].falatempo = 60;  // it keeps quiet a while
    voz = 0;
    return true;
}

void serveefeito() {
    if (!efeitosligados || som == 0 || pausa || som >= DXWaveListSnd.Count()) return;
    PlayWave(DXWaveListSnd, som);
    som = 0;
}

// Loops the track from its start.
static void tocamusica() {
    SetWaveLooped(DXWaveListMusica, 0, true);
    PlayWave(DXWaveListMusica, 0);
    musicainiciar = false;
}

void servemusica() {
    if (musicaligada && musicainiciar && DXWaveListMusica.Count() > 0) tocamusica();
    // switched off, the track is stopped on every tick
    if (!musicaligada && DXWaveListMusica.Count() > 0) StopWave(DXWaveListMusica, 0);
}

void servepedidossom() {
    servevoz();
    serveefeito();
    servemusica();
}

void paramusicapedida() {
    if (DXWaveListMusica.Count() > 0 && musicaparar) {
        StopWave(DXWaveListMusica, 0);
        musicaparar = false;
    }
}

void iniciamusicafinal() {
    if (!musicaligada || !musicainiciar) return;
    carregarmusica("Musicas/Musica-07.wav");
    InitSound();
    if (DXWaveListMusica.Count() > 0) tocamusica();
}
