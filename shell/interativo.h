// The headless runner driven through standard input (--input -): event lines and commands
// interleaved, one answer per command on standard output, so another program can play tick by tick.
#pragma once
#include <cstdint>

#include "shell/opcoes.h"

// Reads until "quit" or the end of the input; `t` holds the ticks run. Returns the exit code:
// 0, 1 when a file the options asked for could not be written, 2 for unreadable input.
int rodainterativo(const Opcoes& o, int32_t& t);
