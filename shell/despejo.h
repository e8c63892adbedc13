// The state dump of the headless runner: a JSON object of the globals and tables a test checks.
#pragma once
#include <string>

std::string despejoestado();
