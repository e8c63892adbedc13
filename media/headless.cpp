// The headless back end: no window and no audio device; every sound action is written to a log.
#include "media/plataforma.h"

namespace {

int32_t tiqueatual = 0;
std::vector<std::string> registro;

struct Headless : Plataforma {
    void anota(const WaveList& list, int32_t index, const char* acao) {
        registro.push_back(std::to_string(tiqueatual) + " " + list.tag + " " + std::to_string(index) + " " + acao);
    }
    void play(WaveList& list, int32_t index) override { anota(list, index, list.items[size_t(index)].looped ? "loop" : "play"); }
    void stop(WaveList& list, int32_t index) override { anota(list, index, "stop"); }
    bool headless() const override { return true; }
};

Headless semtela;
Plataforma* atual = &semtela;

}  // namespace

Plataforma& plataforma() { return *atual; }
void usaplataforma(Plataforma* p) { atual = p ? p : &semtela; }

void OpenHeadless() { usaplataforma(nullptr); }
bool Headless() { return plataforma().headless(); }
void SetHeadlessTick(int32_t tick) { tiqueatual = tick; }
std::vector<std::string>& SoundLog() { return registro; }
