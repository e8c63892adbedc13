// Sound effects and music: loading the wave files and serving the requests `som`, `voz`,
// `musicainiciar` and `musicaparar` that the rest of the game leaves for the tick.
#pragma once
#include <string>

// Appends one item to DXWaveListSnd and loads the file into it. A missing file still adds its (empty)
// item, so sound numbers keep their places, and sends the game to the error screen naming the file;
// so does a file that is not a PCM wave.
void carregareftsonoro(const std::string& nome);
// Replaces the music track (item 0 of DXWaveListMusica) by the file; same failures as above.
// The caller reinitialises the sound device afterwards.
void carregarmusica(const std::string& nome);

// The gameplay tick's three sound steps, in order: the voice, the effect, the music.
void servepedidossom();
// plays the pending voice and gives the selected unit its voice cool-down; true when it sounded.
bool servevoz();
// plays the pending sound effect.
void serveefeito();
// starts the track looping when asked, and keeps it stopped while music is switched off.
void servemusica();
// Main menu and briefing ticks: a stop request stops the track.
void paramusicapedida();
// Ending tick: when asked, loads the ending's track, reopens the sound device and starts it looping.
void iniciamusicafinal();

// "Arquivo  Sons/Som-07.wav  não foi encontrado."
std::string mensagemarquivoausente(const std::string& nome);
