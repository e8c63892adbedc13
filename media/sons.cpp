// Wave lists and the PCM .wav check; playing goes to the current back end.
#include "media/plataforma.h"

#include <cstring>

WaveItem& WaveList::Add() {
    items.emplace_back();
    return items.back();
}

void WaveList::Delete(int32_t index) {
    if (index < 0 || index >= Count()) return;
    StopWave(*this, index);
    items.erase(items.begin() + index);
}

static uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
static uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool ParseWave(const std::vector<uint8_t>& bytes, WaveItem& item, std::string& why) {
    const uint8_t* b = bytes.data();
    size_t n = bytes.size();
    if (n < 12 || std::memcmp(b, "RIFF", 4) || std::memcmp(b + 8, "WAVE", 4)) {
        why = "não é um arquivo WAVE";
        return false;
    }
    size_t pos = 12;
    int32_t format = 0, channels = 0, rate = 0, bits = 0;
    bool temfmt = false;
    while (pos + 8 <= n) {
        uint32_t len = le32(b + pos + 4);
        size_t body = pos + 8;
        if (len > n - body) {
            why = "arquivo incompleto";
            return false;
        }
        if (!std::memcmp(b + pos, "fmt ", 4) && len >= 16) {
            format = le16(b + body);
            channels = le16(b + body + 2);
            rate = int32_t(le32(b + body + 4));
            bits = le16(b + body + 14);
            temfmt = true;
        } else if (!std::memcmp(b + pos, "data", 4)) {
            if (!temfmt || format != 1) {
                why = "não é PCM";
                return false;
            }
            if ((bits != 8 && bits != 16) || channels < 1 || channels > 2 || rate < 1000 || rate > 192000) {
                why = "formato de som não suportado";
                return false;
            }
            item.file = bytes;
            item.rate = rate;
            item.channels = channels;
            item.samples = len / uint32_t(channels * bits / 8);
            item.handle.reset();
            return true;
        }
        pos = body + len + (len & 1);
    }
    why = temfmt ? "sem dados de som" : "sem formato de som";
    return false;
}

void PlayWave(WaveList& list, int32_t index) {
    if (index < 0 || index >= list.Count()) return;
    plataforma().play(list, index);
}

void StopWave(WaveList& list, int32_t index) {
    if (index < 0 || index >= list.Count()) return;
    plataforma().stop(list, index);
}

void SetWaveLooped(WaveList& list, int32_t index, bool on) {
    if (index < 0 || index >= list.Count()) return;
    list.items[size_t(index)].looped = on;
}

void InitSound() { plataforma().initsound(); }
void Present() { plataforma().present(); }
void SetFullScreen(bool on) { plataforma().fullscreen(on); }
