// Build-time sound generator.
//
//   tone OUT.wav FREQUENCY_HZ LENGTH_MS [RATE]
//       one 16-bit tone, or silence when the frequency is 0, with short ramps so that
//       it starts and stops without a click
//   tone --morse OUTDIR
//       one 8-bit sound per Morse character, morse_ID.wav, and morse_sounds.rc that
//       lists them as wave resources under their ids
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "calculators/morse_table.h"
#include "system/wave_file.h"

namespace {

using platform::WaveFile;

bool WriteFile(const std::string& path, const void* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(data, 1, size, f) == size;
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "tone: cannot write %s\n", path.c_str());
    return ok;
}

int Tone(int argc, char** argv) {
    double frequency = std::atof(argv[2]);
    long ms = std::atol(argv[3]);
    long rate = argc == 5 ? std::atol(argv[4]) : 11025;
    if (frequency < 0 || ms <= 0 || ms > 60000 || rate < 4000 || rate > 96000)
        return std::fprintf(stderr, "tone: frequency >= 0, 1..60000 ms, rate 4000..96000\n"), 2;
    size_t count = size_t(rate * ms / 1000), ramp = size_t(rate / 200);
    std::vector<uint8_t> samples;
    const double pi = std::acos(-1.0);
    for (size_t i = 0; i < count; ++i) {
        double gain = std::min({1.0, double(i) / double(ramp), double(count - 1 - i) / double(ramp)});
        double v = frequency > 0 ? std::sin(2 * pi * frequency * double(i) / double(rate)) * gain * 0.6 : 0;
        auto sample = uint16_t(int16_t(std::lround(v * 32767)));
        samples.insert(samples.end(), {uint8_t(sample), uint8_t(sample >> 8)});
    }
    std::vector<uint8_t> file = WaveFile(samples, uint32_t(rate), 16);
    return WriteFile(argv[1], file.data(), file.size()) ? 0 : 1;
}

// Morse timing at 8000 samples a second, 8-bit unsigned: a unit is 640 samples (80 ms),
// the tone a full-scale 1000 Hz sine of eight samples a period.
constexpr uint32_t kMorseRate = 8000;
constexpr size_t kUnit = 640;
constexpr uint8_t kTonePeriod[8] = {39, 1, 39, 128, 217, 255, 217, 128};
constexpr uint8_t kSilence = 128;
constexpr int kBlankUnits = 6;

bool MorseSamples(const MorseCharacter& c, std::vector<uint8_t>& out) {
    auto silence = [&](size_t units) { out.insert(out.end(), units * kUnit, kSilence); };
    if (!c.pattern[0]) {
        silence(kBlankUnits);
        return true;
    }
    for (const char* p = c.pattern; *p; ++p) {
        if (*p != '.' && *p != '-') return false;
        if (p != c.pattern) silence(1);
        for (size_t i = 0; i < (*p == '-' ? 3 : 1) * kUnit; ++i) out.push_back(kTonePeriod[i % 8]);
    }
    silence(c.endsShort ? 1 : 3);
    return true;
}

int Morse(const std::string& dir) {
    std::string list = "// The Morse sounds, written by the sound generator from the Morse table.\n";
    std::set<uint16_t> written;
    for (const MorseCharacter& c : kMorseTable) {
        if (!written.insert(c.sound).second) continue;  // a sound shared by two characters
        std::vector<uint8_t> samples;
        if (!MorseSamples(c, samples))
            return std::fprintf(stderr, "tone: the pattern of sound %u is not dots and dashes\n", c.sound), 1;
        std::string name = "morse_" + std::to_string(c.sound) + ".wav";
        std::vector<uint8_t> file = WaveFile(samples, kMorseRate, 8);
        if (!WriteFile(dir + "/" + name, file.data(), file.size())) return 1;
        list += std::to_string(c.sound) + " WAVE \"" + name + "\"\n";
    }
    // Written last: the resource compiler waits for this list, so it sees every sound.
    return WriteFile(dir + "/morse_sounds.rc", list.data(), list.size()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !std::strcmp(argv[1], "--morse")) return Morse(argv[2]);
    if (argc < 4 || argc > 5)
        return std::fprintf(stderr, "usage: tone OUT.wav FREQUENCY_HZ LENGTH_MS [RATE]\n       tone --morse OUTDIR\n"), 2;
    return Tone(argc, argv);
}
