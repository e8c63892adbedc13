// The saved game's text: any bytes are refused or give values a hero can have.
#include <cstdlib>
#include <string>

#include "input/jogosalvo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    ValoresSave v{};
    v.fill(-7);
    const ValoresSave antes = v;
    if (!lesave(std::string(reinterpret_cast<const char*>(dados), tamanho), v)) {
        if (v != antes) std::abort();  // a refused file leaves the values as they were
        return 0;
    }
    // what was taken is what the record can hold and what play can make
    if (comoguardados(v) != v || !savejogavel(v)) std::abort();
    return 0;
}
