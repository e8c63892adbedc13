// The state dump of the headless runner: a JSON object of the globals and tables a test checks.
#pragma once
#include <string>

std::string despejoestado();
// A JSON string literal of UTF-8 text (quotes, backslashes and control characters escaped).
std::string jsontexto(const std::string& s);
