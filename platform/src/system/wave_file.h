// A mono PCM RIFF WAVE file around its sample bytes: what the sound generator writes at
// build time and what a recording of the sounds played is written as.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

inline std::vector<uint8_t> WaveFile(const std::vector<uint8_t>& samples, uint32_t rate, uint32_t bits) {
    std::vector<uint8_t> file;
    file.reserve(44 + samples.size() + 1);
    auto put = [&file](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) file.push_back(uint8_t(v >> (8 * i)));
    };
    // Byte by byte: GCC 12's optimiser takes an insert of the four letters for an overflow.
    auto tag = [&file](const char* t) {
        for (int i = 0; i < 4; ++i) file.push_back(uint8_t(t[i]));
    };
    uint32_t pad = samples.size() & 1;  // chunks are padded to an even length
    uint32_t block = bits / 8;
    tag("RIFF"), put(uint32_t(36 + samples.size() + pad), 4), tag("WAVE");
    tag("fmt "), put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * block, 4), put(block, 2), put(bits, 2);
    tag("data"), put(uint32_t(samples.size()), 4);
    file.insert(file.end(), samples.begin(), samples.end());
    if (pad) file.push_back(0);
    return file;
}

}  // namespace platform
