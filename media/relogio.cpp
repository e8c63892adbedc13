// The frame timer's period and the request to leave the loop, shared by both back ends.
#include "media/media.h"

static int32_t intervalo = 20;  // ms
static bool terminar = false;

void SetTimerInterval(int32_t ms) { intervalo = ms < 0 ? 0 : ms; }
int32_t TimerInterval() { return intervalo; }
void QuitLoop() { terminar = true; }
bool QuitRequested() { return terminar; }
