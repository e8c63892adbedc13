// The world's part of the state dump of the headless runner.
#pragma once
#include <string>

// JSON members without the outer braces: the live units, the effect and object counts, the hero
// carry-over record and the globals of the game state that the frame loop's dump does not write.
std::string despejomundo();
// A text as a JSON string: quotes, backslashes and control characters escaped, UTF-8 kept.
std::string emjson(const std::string& s);
