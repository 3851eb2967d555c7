// Build-time sound generator: writes a 16-bit mono PCM wave file of one tone, or of
// silence when the frequency is 0, with short ramps so that it starts and stops
// without a click.   tone OUT.wav FREQUENCY_HZ LENGTH_MS [RATE]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) return std::fprintf(stderr, "usage: tone OUT.wav FREQUENCY_HZ LENGTH_MS [RATE]\n"), 2;
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
        Put16(samples, uint32_t(int16_t(std::lround(v * 32767))));
    }
    std::vector<uint8_t> file{'R', 'I', 'F', 'F'};
    Put32(file, uint32_t(36 + samples.size()));
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) file.push_back(uint8_t(c));
    Put32(file, 16), Put16(file, 1), Put16(file, 1), Put32(file, uint32_t(rate)), Put32(file, uint32_t(rate * 2));
    Put16(file, 2), Put16(file, 16);
    for (char c : {'d', 'a', 't', 'a'}) file.push_back(uint8_t(c));
    Put32(file, uint32_t(samples.size()));
    file.insert(file.end(), samples.begin(), samples.end());
    FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size() || std::fclose(f) != 0)
        return std::fprintf(stderr, "tone: cannot write %s\n", argv[1]), 1;
    return 0;
}
