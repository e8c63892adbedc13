// The six picture lists built into the program: their packs, item names and transparency.
#pragma once
#include <cstdint>
#include "media/media.h"

// One built-in list: the pack it comes from, how many pictures, their names, and which are opaque.
struct ListaInterna {
    const char* pacote;          // name of the pack compiled into the program
    ImageList* lista;            // the list it fills
    int32_t quantidade;          // pictures in the pack, in index order
    const char* const* nomes;    // item names, `quantidade` of them
    int32_t opacasate;           // items 0 .. opacasate - 1 are opaque; the rest white transparent
};

inline constexpr int32_t QTDICONES = 41, QTDCURSOR = 7, QTDRETRATO = 40, QTDBOTOES = 32, QTDSTATUS = 7, QTDITENS = 25;
inline constexpr int32_t QTDLISTASINTERNAS = 6;

extern const char* const nomesicones[QTDICONES];
extern const char* const nomescursor[QTDCURSOR];
extern const char* const nomesretrato[QTDRETRATO];
extern const char* const nomesbotoes[QTDBOTOES];
extern const char* const nomesstatus[QTDSTATUS];
extern const char* const nomesitens[QTDITENS];
extern const ListaInterna listasinternas[QTDLISTASINTERNAS];

// Fills one list from its pack; false (and the error screen) when the pack is missing or corrupt.
bool carregalistainterna(const ListaInterna& l);
