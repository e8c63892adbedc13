// SDL back end, sound: SDL_mixer channels; a wave becomes a chunk the first time it is played.
// The channels are mixed in floating point, where a sum above full scale is kept rather than clipped,
// and the limiter brings the mix under the ceiling before SDL hands it to the device.
#include "media/limitador.h"
#include "media/sdl_interno.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

static bool somaberto = false;
static Limitador limitador;  // touched only by the audio thread once the device is open

static void limitasaida(void*, Uint8* fluxo, int bytes) {
    limita(limitador, reinterpret_cast<float*>(fluxo), bytes / int(sizeof(float) * LIMITADORCANAIS), LIMITADORCANAIS);
}

bool sdlabresom() {
    if (somaberto) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudioDevice(44100, AUDIO_F32SYS, LIMITADORCANAIS, 1024, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int taxa = 44100, canais = LIMITADORCANAIS;
    Uint16 formato = AUDIO_F32SYS;
    Mix_QuerySpec(&taxa, &formato, &canais);
    limitainicia(limitador, taxa);
    Mix_SetPostMix(limitasaida, nullptr);
    Mix_AllocateChannels(32);
    somaberto = true;
    return true;
}

void sdlfechasom() {
    if (!somaberto) return;
    Mix_HaltChannel(-1);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    somaberto = false;
}

static Mix_Chunk* pedaco(WaveItem& w) {
    if (w.file.empty()) return nullptr;
    if (!w.handle) {
        SDL_RWops* rw = SDL_RWFromConstMem(w.file.data(), int(w.file.size()));
        Mix_Chunk* c = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        if (!c) return nullptr;
        w.handle = std::shared_ptr<void>(c, [](void* p) {
            if (somaberto)
                for (int ch = 0; ch < Mix_AllocateChannels(-1); ch++)
                    if (Mix_GetChunk(ch) == p) Mix_HaltChannel(ch);
            // also once the device is closed: the lists outlive it when the program ends
            Mix_FreeChunk(static_cast<Mix_Chunk*>(p));
        });
    }
    return static_cast<Mix_Chunk*>(w.handle.get());
}

void sdltoca(WaveList& list, int32_t index) {
    if (!somaberto) return;
    WaveItem& w = list.items[size_t(index)];
    if (Mix_Chunk* c = pedaco(w)) Mix_PlayChannel(-1, c, w.looped ? -1 : 0);
}

void sdlpara(WaveList& list, int32_t index) {
    if (!somaberto) return;
    WaveItem& w = list.items[size_t(index)];
    if (!w.handle) return;
    for (int ch = 0; ch < Mix_AllocateChannels(-1); ch++)
        if (Mix_Playing(ch) && Mix_GetChunk(ch) == w.handle.get()) Mix_HaltChannel(ch);
}
