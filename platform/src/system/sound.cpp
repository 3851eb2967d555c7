// PlaySound for wave resources: the RIFF/WAVE data is read (8- or 16-bit PCM, mono or
// stereo) and handed to the backend, which returns when the sound has played.
#include <mmsystem.h>

#include <cstring>
#include <vector>

#include "backend/backend.h"
#include "kernel/kernel.h"
#include "resources/resources.h"

namespace platform {
namespace {

struct Wave {
    int rate = 0;
    std::vector<int16_t> samples;
};

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool ParseWave(const uint8_t* data, size_t size, Wave& out) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) || std::memcmp(data + 8, "WAVE", 4)) return false;
    int channels = 0, bits = 0;
    for (size_t at = 12; at + 8 <= size;) {
        uint32_t length = Le32(data + at + 4);
        const uint8_t* body = data + at + 8;
        if (length > size - at - 8) return false;
        if (!std::memcmp(data + at, "fmt ", 4) && length >= 16) {
            if (Le16(body) != 1) return false;  // only plain PCM
            channels = Le16(body + 2);
            out.rate = int(Le32(body + 4));
            bits = Le16(body + 14);
        } else if (!std::memcmp(data + at, "data", 4)) {
            if (channels < 1 || (bits != 8 && bits != 16) || out.rate <= 0) return false;
            size_t frame = size_t(channels) * size_t(bits / 8);
            for (size_t i = 0; i + frame <= length; i += frame)
                out.samples.push_back(bits == 16 ? int16_t(Le16(body + i)) : int16_t((int(body[i]) - 128) << 8));
            return true;
        }
        at += 8 + length + (length & 1);
    }
    return false;
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags) {
    // Only what the programs ask for: a resource played to the end.
    if ((flags & SND_RESOURCE) != SND_RESOURCE || (flags & SND_ASYNC) || !sound) return FALSE;
    HRSRC res = FindResourceW(module, sound, u"WAVE");
    if (!res) return FALSE;
    Wave wave;
    if (!ParseWave(static_cast<const uint8_t*>(LockResource(LoadResource(module, res))), SizeofResource(module, res), wave))
        return FALSE;
    DWORD ms = DWORD(wave.samples.size() * 1000 / size_t(wave.rate));
    if (Events().sound) Events().sound(IS_INTRESOURCE(sound) ? int(reinterpret_cast<uintptr_t>(sound)) : -1, ms);
    CurrentBackend().PlaySamples(wave.samples, wave.rate);
    return TRUE;
}
