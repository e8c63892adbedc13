// A .wav file as the sound folders may hold it: refused with a reason, or a PCM wave whose
// counts fit the bytes it holds.
#include <cstdlib>
#include <string>
#include <vector>

#include "media/media.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    std::vector<uint8_t> bytes(dados, dados + tamanho);
    WaveItem w;
    std::string porque;
    if (!ParseWave(bytes, w, porque)) {
        if (porque.empty()) std::abort();
        return 0;
    }
    if (w.channels < 1 || w.channels > 2 || w.rate <= 0) std::abort();
    if (uint64_t(w.samples) * uint64_t(w.channels) > tamanho) std::abort();
    return 0;
}
