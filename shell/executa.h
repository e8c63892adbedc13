// Running the game: in a window, or headless for tests and reviews.
#pragma once
#include "shell/opcoes.h"

// Sets up the game and runs it until it ends; returns the process exit code.
int executajogo(const Opcoes& o);
