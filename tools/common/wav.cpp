// 16-bit PCM .wav writing and reading for the sound generators.
#include "common/wav.h"
#include "common/picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

static void put32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; i++) b.push_back(uint8_t(v >> (8 * i))); }
static void put16(std::vector<uint8_t>& b, uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }

bool write_wav(const std::string& path, const std::vector<float>& samples, int rate, int channels) {
    std::vector<uint8_t> b;
    uint32_t datalen = uint32_t(samples.size() * 2);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put32(b, 36 + datalen);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, uint16_t(channels));
    put32(b, uint32_t(rate));
    put32(b, uint32_t(rate) * 2 * uint32_t(channels));
    put16(b, uint16_t(2 * channels));
    put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, datalen);
    for (float s : samples) {
        float c = std::clamp(s, -1.0f, 1.0f);
        put16(b, uint16_t(int16_t(std::lround(c * 32767.0f))));
    }
    return write_file(path, b);
}

bool read_wav(const std::string& path, std::vector<float>& samples, int& rate) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) return false;
    auto rd32 = [&](size_t o) { return uint32_t(b[o]) | uint32_t(b[o + 1]) << 8 | uint32_t(b[o + 2]) << 16 | uint32_t(b[o + 3]) << 24; };
    auto rd16 = [&](size_t o) { return uint16_t(b[o] | b[o + 1] << 8); };
    size_t pos = 12;
    int channels = 0, bits = 0, format = 0;
    samples.clear();
    while (pos + 8 <= b.size()) {
        uint32_t len = rd32(pos + 4);
        size_t body = pos + 8;
        if (len > b.size() - body) return false;
        if (!std::memcmp(&b[pos], "fmt ", 4) && len >= 16) {
            format = rd16(body); channels = rd16(body + 2); rate = int(rd32(body + 4)); bits = rd16(body + 14);
        } else if (!std::memcmp(&b[pos], "data", 4)) {
            if (format != 1 || bits != 16 || channels < 1 || channels > 2) return false;
            size_t frames = len / (2 * channels);
            samples.resize(frames);
            for (size_t i = 0; i < frames; i++) {
                float s = 0;
                for (int ch = 0; ch < channels; ch++) s += int16_t(rd16(body + (i * channels + ch) * 2)) / 32768.0f;
                samples[i] = s / channels;
            }
            return true;
        }
        pos = body + len + (len & 1);
    }
    return false;
}
