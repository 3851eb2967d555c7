// PlaySound for wave resources: the RIFF/WAVE data is read (8- or 16-bit PCM, mono or
// stereo) and handed to the backend, which returns when the sound has played.
#include "system/sound.h"
#include "system/wave_file.h"

#include <mmsystem.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "backend/backend.h"
#include "gdi/gdi.h"
#include "kernel/kernel.h"
#include "resources/resources.h"

namespace platform {
namespace {

struct Wave {
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;  // the first channel
};

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool ParseWave(const uint8_t* data, size_t size, Wave& out) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) || std::memcmp(data + 8, "WAVE", 4)) return false;
    int channels = 0;
    for (size_t at = 12; at + 8 <= size;) {
        uint32_t length = Le32(data + at + 4);
        const uint8_t* body = data + at + 8;
        if (length > size - at - 8) return false;
        if (!std::memcmp(data + at, "fmt ", 4) && length >= 16) {
            if (Le16(body) != 1) return false;  // only plain PCM
            channels = Le16(body + 2);
            out.rate = int(Le32(body + 4));
            out.bits = Le16(body + 14);
        } else if (!std::memcmp(data + at, "data", 4)) {
            if (channels < 1 || (out.bits != 8 && out.bits != 16) || out.rate <= 0) return false;
            size_t frame = size_t(channels) * size_t(out.bits / 8);
            for (size_t i = 0; i + frame <= length; i += frame)
                out.samples.push_back(out.bits == 16 ? int16_t(Le16(body + i)) : int16_t((int(body[i]) - 128) << 8));
            return true;
        }
        at += 8 + length + (length & 1);
    }
    return false;
}

// The recording takes the rate and sample size of the first sound; a later sound in
// another format is converted to it, so the file stays one plain mono PCM stream.
struct Recording {
    FILE* file = nullptr;
    std::string name;
    int rate = 0;
    int bits = 0;
    std::vector<uint8_t> data;
};

Recording& TheRecording() {
    static Recording recording;
    return recording;
}

void Record(const Wave& wave) {
    Recording& r = TheRecording();
    if (!r.file) return;
    if (!r.rate) r.rate = wave.rate, r.bits = wave.bits;
    size_t count = wave.samples.size() * size_t(r.rate) / size_t(wave.rate);
    for (size_t i = 0; i < count; ++i) {
        int16_t s = wave.samples[i * size_t(wave.rate) / size_t(r.rate)];
        if (r.bits == 8) {
            r.data.push_back(uint8_t((s >> 8) + 128));
        } else {
            r.data.push_back(uint8_t(s));
            r.data.push_back(uint8_t(uint16_t(s) >> 8));
        }
    }
}

}  // namespace

std::string StartSoundRecording(const std::string& file) {
    Recording& r = TheRecording();
    r.file = std::fopen(file.c_str(), "wb");
    if (!r.file) return std::strerror(errno);
    r.name = file;
    return {};
}

std::string FinishSoundRecording() {
    Recording& r = TheRecording();
    if (!r.file) return {};
    // Nothing played: still a valid, empty wave file.
    if (!r.rate) r.rate = 8000, r.bits = 8;
    std::vector<uint8_t> file = WaveFile(r.data, uint32_t(r.rate), uint32_t(r.bits));
    bool ok = std::fwrite(file.data(), 1, file.size(), r.file) == file.size();
    ok = std::fclose(r.file) == 0 && ok;
    r.file = nullptr;
    return ok ? std::string() : "cannot write " + r.name;
}

}  // namespace platform

using namespace platform;

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags) {
    // Only what the programs ask for: a resource played to the end.
    if ((flags & SND_RESOURCE) != SND_RESOURCE || (flags & SND_ASYNC) || !sound) return FALSE;
    // Once the person has asked to close, nothing more is played: the program is ending.
    if (CloseAsked()) return FALSE;
    HRSRC res = FindResourceW(module, sound, u"WAVE");
    if (!res) return FALSE;
    Wave wave;
    if (!ParseWave(static_cast<const uint8_t*>(LockResource(LoadResource(module, res))), SizeofResource(module, res), wave))
        return FALSE;
    // The caller is busy until the sound ends: what it changed before playing is shown
    // now, so the person never looks at a stale or half-painted screen meanwhile.
    PaintAll();
    CurrentBackend().Present(Framebuffer());
    DWORD ms = DWORD(wave.samples.size() * 1000 / size_t(wave.rate));
    if (Events().sound) Events().sound(IS_INTRESOURCE(sound) ? int(reinterpret_cast<uintptr_t>(sound)) : -1, ms);
    Record(wave);
    CurrentBackend().PlaySamples(wave.samples, wave.rate);
    return TRUE;
}
