// The characters' voices: spoken lines from espeak-ng (Brazilian Portuguese), each character with its
// own pitch, speed and colour, read back and shaped into the game's sound.
#pragma once
#include "sintese.h"

#include <string>

enum Personagem : int {
    NINGUEM = -1,
    DURBICO = 0,   // the worker: a grumbling but willing handyman
    FIDELINA,      // the healer: sweet
    MORGAVA,       // the witch: cackling and sly
    VORLANDO,      // the hero: an old, proud, slightly grumpy countryman
    SATANAS,       // the summoned demon: deep and rough
    NUMPERSONAGENS
};

// True when the espeak-ng program can be run.
bool temespeak();
// Speaks `texto` as character `p`. `temporaria` is a scratch .wav path (removed afterwards).
// False with a reason in `erro` when espeak-ng fails or its output cannot be read.
bool falar(Personagem p, const std::string& texto, const std::string& temporaria, Sinal& saida, std::string& erro);
