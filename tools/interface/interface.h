// The interface art generator: every built-in picture list and the slides, in list order.
#pragma once
#include <string>
#include <vector>

#include "common/picture.h"

std::vector<Picture> geraicones();   // 41 interface pieces, counters, menu box, equipment icons, logo
std::vector<Picture> geracursores(); // 7 pointer shapes
std::vector<Picture> geraretratos(); // 40 portraits
std::vector<Picture> gerabotoes();   // 32 command buttons (0 the empty one)
std::vector<Picture> gerastatus();   // 7 status marks
std::vector<Picture> geraitens();    // 25 item icons (0 the empty slot)
std::vector<Picture> geraabertura(); // 22 opening, trivia and menu slides
std::vector<Picture> gerafinal();    // 7 ending slides, 400 x 300

// Writes the six packs into `gen`, the slide folders into `jogo` and contact sheets into `revisao`.
// False when a file could not be written.
bool geratudo(const std::string& gen, const std::string& jogo, const std::string& revisao);
