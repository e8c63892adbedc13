// Inside the SDL back end: how one SDL event reaches the game (kept apart so tests can feed events).
#pragma once
#include <SDL2/SDL_events.h>

void SdlEvent(const SDL_Event& e);
bool SdlWindowActive();  // the frame timer fires only while this holds
