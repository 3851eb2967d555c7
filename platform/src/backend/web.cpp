// The browser backend: the handheld screen on the page's canvas, pointer events as the
// stylus, the keyboard, Web Audio, the browser's history as the ok button and the
// clipboard. The page (platform/web/page.js) owns the browser side; this file asks it for
// what has happened and tells it what to show. Waiting for input suspends the program
// (ASYNCIFY) until the page has something, so an idle or hidden page costs nothing.
#include <emscripten.h>

#include "backend/backend.h"
#include "automation/driver.h"
#include "controls/controls.h"
#include "gdi/gdi.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "shell/shell.h"

namespace platform {
namespace {

// What the page queued, one event at a time: a kind and two numbers.
enum EventKind { kNone, kStylusDown, kStylusMove, kStylusUp, kKey, kCharacter, kClose, kBack, kPaste };

EM_JS(int, web_next_event, (int* event), {
    const e = Module.zephtorPage.nextEvent();
    if (!e) return 0;
    HEAP32.set(e.slice(0, 3), event >> 2);
    return 1;
});

EM_ASYNC_JS(void, web_wait_for_event, (int briefly), { await Module.zephtorPage.waitForEvent(briefly); });

EM_ASYNC_JS(int, web_play, (const int16_t* samples, int count, int rate), {
    return await Module.zephtorPage.play(HEAP16.slice(samples >> 1, (samples >> 1) + count), rate);
});

EM_JS(void, web_present, (const uint32_t* pixels, int width, int height, int okShown, int atHome), {
    Module.zephtorPage.present(HEAPU8.subarray(pixels, pixels + width * height * 4), width, height, okShown, atHome);
});

EM_JS(void, web_keep_history_entry, (), { Module.zephtorPage.keepHistoryEntry(); });

EM_JS(void, web_copy, (const char* text), { Module.zephtorPage.copy(UTF8ToString(text)); });

EM_JS(char*, web_pasted_text, (), {
    const text = Module.zephtorPage.pastedText();
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
});

EM_JS(int, web_open_help, (const char* fileAndAnchor), { return Module.zephtorPage.openHelp(UTF8ToString(fileAndAnchor)); });

// Once the program has waited, nothing of the runtime's own follows its end: the page is
// told here.
EM_JS(void, web_ended, (int code), { Module.zephtorPage.ended(code); });

EM_JS(int, web_has_page, (), { return !!(Module.zephtorPage && Module.zephtorPage.canvas); });

class WebBackend : public Backend {
public:
    explicit WebBackend(ScriptDriver* driver) : driver_(driver) {}

    bool WaitForInput() override {
        for (;;) {
            PresentPending();
            if (driver_) {
                auto result = driver_->Run(false);
                if (result == ScriptDriver::Result::Input) return true;
                if (result == ScriptDriver::Result::Ended) return false;
            }
            if (TakeEvents()) return true;
            web_wait_for_event(driver_ != nullptr);
        }
    }

    // The browser shows the canvas only when the program waits, so the screen goes to the
    // canvas then: start-up's many steps cost one copy, and every tap's repaint is seen.
    void Present(const Surface&) override { presentPending_ = true; }

    // The page drops taps and typing while a sound plays, as the windowed program does; a
    // close stops the sound and is passed on.
    void PlaySamples(const std::vector<int16_t>& samples, int rate) override {
        if (rate <= 0 || samples.empty()) return;
        PresentPending();
        if (web_play(samples.data(), int(samples.size()), rate)) RequestHostClose();
    }

    // A page has one copy of the program: there is no other to bring forward.
    void BringToFront() override {}
    bool IsHeadless() const override { return false; }
    bool OpenHelp(const std::string& fileAndAnchor) override { return web_open_help(fileAndAnchor.c_str()); }
    void Ended(int code) override { web_ended(code); }

private:
    void PresentPending() {
        if (!presentPending_) return;
        presentPending_ = false;
        SyncClipboard();
        const Surface& screen = Framebuffer();
        HWND foreground = ForegroundScreen();
        web_present(screen.pixels.data(), screen.width, screen.height, DoneButtonTapPoint().has_value(),
                    !foreground || foreground == ApplicationMainWindow());
    }

    bool TakeEvents() {
        bool injected = false;
        int e[3];
        while (web_next_event(e)) injected = Handle(e[0], e[1], e[2]) || injected;
        return injected;
    }

    bool Handle(int kind, int a, int b) {
        switch (kind) {
        case kStylusDown: InjectStylusDown(POINT{a, b}); return true;
        case kStylusMove: InjectStylusMove(POINT{a, b}); return true;
        case kStylusUp: InjectStylusUp(POINT{a, b}); return true;
        case kKey: InjectKey(UINT(a), b != 0); return true;
        case kCharacter: InjectCharacter(WCHAR(a)); return true;
        case kClose: RequestHostClose(); return true;
        case kBack: return Back();
        case kPaste: Paste(); return true;
        default: return false;
        }
    }

    // The browser's Back is the ok button of the screen shown. Where there is none to press
    // (a message box is open) the page keeps its history entry, so Back never leaves it.
    bool Back() {
        auto ok = DoneButtonTapPoint();
        if (!ok) {
            web_keep_history_entry();
            return false;
        }
        InjectStylusDown(*ok);
        InjectStylusUp(*ok);
        return true;
    }

    // What the browser pasted becomes the clipboard's text, then Ctrl+V pastes it where
    // the program's own Ctrl+V would.
    void Paste() {
        char* text = web_pasted_text();
        ClipboardText() = FromUtf8(text);
        free(text);
        copied_ = ClipboardText();
        InjectKey(VK_CONTROL, true);
        InjectKey('V', true);
        InjectKey('V', false);
        InjectKey(VK_CONTROL, false);
    }

    // Text cut or copied in a field goes to the browser's clipboard too, where it lets us.
    void SyncClipboard() {
        if (ClipboardText() == copied_) return;
        copied_ = ClipboardText();
        web_copy(ToUtf8(copied_).c_str());
    }

    ScriptDriver* driver_;
    bool presentPending_ = false;
    std::u16string copied_;
};

}  // namespace

std::unique_ptr<Backend> OpenWindow(const std::string&, int, ScriptDriver* driver, std::string& why) {
    if (!web_has_page()) {
        why = "this program's page is not loaded (run it in a browser, or headless)";
        return nullptr;
    }
    return std::make_unique<WebBackend>(driver);
}

}  // namespace platform
