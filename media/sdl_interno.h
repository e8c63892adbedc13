// Inside the media layer: the SDL back end's sound half, used by its video half.
#pragma once
#include "media/plataforma.h"

bool sdlabresom();   // opens the audio device; false (and the game stays silent) when none opens
void sdlfechasom();
void sdltoca(WaveList& list, int32_t index);
void sdlpara(WaveList& list, int32_t index);
