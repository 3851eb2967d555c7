// The Morse encoder run whole (the sounds themselves are decoded by morse.decoded): a
// full field plays to its last character, the key on the screen pixel for pixel while it plays, blank after.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "gdi/gdi.h"
#include "kernel/kernel.h"
#include "resources/resource.h"
#include "shell/shell.h"
#include "steps_backend.h"

namespace {

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
