// The program's version, from the project's version in the build files.
#include "shell/opcoes.h"

#ifndef VORLANDO_VERSAO
#define VORLANDO_VERSAO "0"
#endif

const char* const versaoprograma = VORLANDO_VERSAO;
