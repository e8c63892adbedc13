// Shared by both back ends: the frame timer's period, the request to leave the loop, and whether
// the player's own input reaches the game.
#include "media/plataforma.h"

static int32_t intervalo = 20;  // ms
static bool terminar = false;
static bool entradaviva = true;

void SetTimerInterval(int32_t ms) { intervalo = ms < 0 ? 0 : ms; }
int32_t TimerInterval() { return intervalo; }
void QuitLoop() { terminar = true; }
bool QuitRequested() { return terminar; }
void novolaco() { terminar = false; }
void SetLiveInput(bool on) { entradaviva = on; }
bool entradadojogador() { return entradaviva; }
