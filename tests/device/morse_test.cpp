// The Morse sounds as embedded, and the encoder run whole: a full field plays to its
// last character, the key on the screen pixel for pixel while it plays, blank after.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "calculators/morse_table.h"
#include "gdi/gdi.h"
#include "kernel/kernel.h"
#include "resources/resource.h"
#include "shell/shell.h"
#include "steps_backend.h"

namespace {

// A character's samples, once its header says: PCM, mono, 8000 samples a second, 8 bits.
std::vector<uint8_t> SamplesOf(char16_t character) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, MAKEINTRESOURCE(MorseFor(character)->sound), u"WAVE");
    const auto* b = static_cast<const uint8_t*>(LockResource(LoadResource(module, res)));
    uint32_t size = b[40] | b[41] << 8 | b[42] << 16, riff = 36 + size + (size & 1);
    const uint8_t head[] = {'R', 'I', 'F', 'F', uint8_t(riff), uint8_t(riff >> 8), uint8_t(riff >> 16), 0,
                            'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,
                            0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0, 'd', 'a', 't', 'a'};
    EXPECT_EQ(std::memcmp(b, head, sizeof head), 0) << char(character);
    return std::vector<uint8_t>(b + 44, b + 44 + size);
}

TEST(MorseSounds, AreWholeTonePeriodsAndUnitsOfSilence) {
    for (const MorseCharacter& row : kMorseTable) SamplesOf(row.character);
    // A: a dot (samples 0-639), a unit of gap, a dash (1280-3199), three units of gap.
    const uint8_t period[8] = {39, 1, 39, 128, 217, 255, 217, 128};
    std::vector<uint8_t> a = SamplesOf(u'A');
    ASSERT_EQ(a.size(), 640u * 8);
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], i < 640 || (i >= 1280 && i < 3200) ? period[i % 8] : 128) << i;
    EXPECT_EQ(SamplesOf(u' '), std::vector<uint8_t>(640 * 6, 128));
}

// The picture's size, and whether the screen shows its bitmap, pixel for pixel, there.
std::string Picture() {
    HWND picture = GetDlgItem(MorseScreen, IDC_KEY_PICTURE);
    auto* image = platform::BitmapSurface(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    RECT r;
    GetWindowRect(picture, &r);
    bool shown = image && image->width == r.right - r.left && image->height == r.bottom - r.top;
    for (int y = 0; shown && y < image->height; ++y)
        for (int x = 0; shown && x < image->width; ++x)
            shown = platform::Framebuffer().pixels[size_t(r.top + y) * platform::kScreenWidth + size_t(r.left + x)] ==
                    image->pixels[size_t(y) * size_t(image->width) + size_t(x)];
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + (shown ? " shown" : "");
}

struct PictureAtEachSound : test::StepsBackend {
    std::vector<std::string> pictures;
    void PlaySamples(const std::vector<int16_t>&, int) override { pictures.push_back(Picture()); }
};

TEST(MorseScreen, FullFieldPlaysToItsLastCharacterWithTheKeyShown) {
    platform::ResetWindowSystem();
    auto* backend = new PictureAtEachSound;
    platform::SetBackend(std::unique_ptr<platform::Backend>(backend));
    std::vector<int> sounds;
    platform::Events().sound = [&](int id, DWORD) { sounds.push_back(id); };
    // 252 characters typed: the field keeps 250, and the 250th (T) is played too.
    backend->actions = {[] { PostMessageW(MainWindow, WM_COMMAND, IDM_MORSE, 0); },
                        [] {
                            SetFocus(GetDlgItem(MorseScreen, IDC_MORSE_TEXT));
                            for (char16_t c : std::u16string(249, u'E') + u"TXY") platform::InjectCharacter(c);
                        },
                        [] { PostMessageW(MorseScreen, WM_COMMAND, IDC_ENCODE, 0); },
                        [&] { platform::PaintAll(), backend->pictures.push_back(Picture()); }};
    StartUp(GetModuleHandleW(nullptr));
    std::vector<int> played(249, 221);
    played.push_back(236);
    EXPECT_EQ(sounds, played);
    std::vector<std::string> pictures(250, "201x84 shown");
    pictures.push_back("1x1 shown");
    EXPECT_EQ(backend->pictures, pictures);
    platform::Events() = platform::AutomationEvents{};
    platform::SetBackend(nullptr);
}

}  // namespace
