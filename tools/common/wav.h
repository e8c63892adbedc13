// Writing generated sound: 16-bit PCM .wav files.
#pragma once
#include <string>
#include <vector>

// Samples in [-1, 1] are clipped and written as 16-bit PCM at `rate` samples a second; with two channels
// the samples are interleaved, left first.
bool write_wav(const std::string& path, const std::vector<float>& samples, int rate = 22050, int channels = 1);
// Reads a 16-bit PCM mono or stereo .wav back as floats (stereo mixed down); false if it is not one.
bool read_wav(const std::string& path, std::vector<float>& samples, int& rate);
