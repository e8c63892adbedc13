// Shared by both back ends: the frame timer's period, the game time it adds up to, the request to
// leave the loop, and whether the player's own input reaches the game.
#include "media/plataforma.h"

static int32_t intervalo = 20;  // ms
static int64_t tempo = 0;       // game time, ms
static bool terminar = false;
static bool entradaviva = true;

void SetTimerInterval(int32_t ms) { intervalo = ms < 0 ? 0 : ms; }
int32_t TimerInterval() { return intervalo; }
void TickClock() { tempo += intervalo > 0 ? intervalo : 1; }  // back-to-back ticks count 1 ms each
int64_t GameTime() { return tempo; }
void QuitLoop() { terminar = true; }
bool QuitRequested() { return terminar; }
void novolaco() { terminar = false; }
void SetLiveInput(bool on) { entradaviva = on; }
bool entradadojogador() { return entradaviva; }
