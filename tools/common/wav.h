// Writing generated sound: 16-bit PCM mono .wav files.
#pragma once
#include <string>
#include <vector>

// Samples in [-1, 1] are clipped and written as 16-bit PCM, mono, at `rate` samples a second.
bool write_wav(const std::string& path, const std::vector<float>& samples, int rate = 22050);
// Reads a 16-bit PCM mono or stereo .wav back as floats (stereo mixed down); false if it is not one.
bool read_wav(const std::string& path, std::vector<float>& samples, int& rate);
