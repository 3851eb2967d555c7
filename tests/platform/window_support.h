// Helpers shared by the window, paint and shell tests: a window class whose procedure a
// test can hook, solid-coloured windows, a recorder of the messages sent with their
// parameters, and framebuffer inspection.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "support.h"

namespace wtest {

// A test may take over any message of a probe window: answer true and set the result.
using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

inline Hook& ProbeHook() {
    static Hook hook;
    return hook;
}

inline LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ProbeHook() && ProbeHook()(hwnd, msg, wParam, lParam, result)) return result;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

inline constexpr const char16_t* kProbe = u"Probe";

// Registers a probe class; the window system forgets classes between tests.
inline bool RegisterProbe(const char16_t* name = kProbe, HBRUSH background = nullptr) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

inline uint32_t Pixel(COLORREF c) { return platform::PixelFromColor(c); }

// A probe class whose default erase fills it with one colour, named after the colour.
inline std::u16string SolidClass(COLORREF colour) {
    std::u16string name = u"Solid";
    for (int shift = 20; shift >= 0; shift -= 4) name.push_back(u"0123456789ABCDEF"[(colour >> shift) & 0xF]);
    RegisterProbe(name.c_str(), CreateSolidBrush(colour));
    return name;
}

inline HWND Probe(const char16_t* title, RECT r, DWORD style, HWND parent = nullptr, int id = 0,
                  const char16_t* cls = kProbe) {
    return CreateWindowExW(0, cls, title, style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(uintptr_t(id)), GetModuleHandleW(nullptr), nullptr);
}

// A visible window painted in one colour: top-level (screen coordinates) without a
// parent, otherwise a child (parent client coordinates).
inline HWND SolidWindow(COLORREF colour, RECT r, HWND parent = nullptr) {
    return Probe(u"", r, WS_VISIBLE | (parent ? WS_CHILD : WS_POPUP), parent, 0, SolidClass(colour).c_str());
}

struct Sent {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message of the given kinds sent to any window, with its parameters.
class Recorder {
public:
    explicit Recorder(std::set<UINT> messages) : messages_(std::move(messages)) {
        platform::SetMessageObserver([this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (messages_.count(msg)) sent_.push_back(Sent{hwnd, msg, wParam, lParam});
        });
    }
    ~Recorder() { platform::SetMessageObserver(nullptr); }
    const std::vector<Sent>& All() const { return sent_; }
    std::vector<Sent> To(HWND hwnd, UINT msg) const {
        std::vector<Sent> out;
        std::copy_if(sent_.begin(), sent_.end(), std::back_inserter(out),
                     [&](const Sent& s) { return s.hwnd == hwnd && s.msg == msg; });
        return out;
    }
    void Clear() { sent_.clear(); }

private:
    std::set<UINT> messages_;
    std::vector<Sent> sent_;
};

// Framebuffer inspection over a screen rectangle.
inline int CountPixels(const RECT& r, uint32_t pixel) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += test::PixelAt(x, y) == pixel;
    return n;
}

inline int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

inline bool AllPixels(const RECT& r, uint32_t pixel) { return CountPixels(r, pixel) == Area(r); }

// Fixture: a fresh window system with the probe class registered and no hook.
class WindowTest : public test::PlatformTest {
protected:
    void SetUp() override {
        test::PlatformTest::SetUp();
        ProbeHook() = nullptr;
        RegisterProbe();
    }
    void TearDown() override {
        ProbeHook() = nullptr;
        test::PlatformTest::TearDown();
    }
};

}  // namespace wtest
