// The 8-bit (...A) functions a desktop program calls. Their text is UTF-8; windows keep
// their text as UTF-16, so these convert at the call and hand over to the wide forms.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/utf.h"

namespace platform {
namespace {

// A name may be a resource ordinal (MAKEINTRESOURCEA) rather than text.
struct WideName {
    std::u16string text;
    LPCWSTR ordinal = nullptr;
    explicit WideName(LPCSTR name) {
        if (name && IS_INTRESOURCE(name)) ordinal = reinterpret_cast<LPCWSTR>(name);
        else if (name) text = FromUtf8(name);
    }
    LPCWSTR get() const { return ordinal ? ordinal : text.c_str(); }
};

std::u16string Wide(LPCSTR text) { return text ? FromUtf8(text) : std::u16string(); }
LPCWSTR OrNull(LPCSTR original, const std::u16string& wide) { return original ? wide.c_str() : nullptr; }

// Copies what fits of the UTF-8 text, never cutting a character in two, and answers the
// number of bytes copied.
int CopyUtf8(const std::string& text, LPSTR buffer, int bufferMax) {
    size_t n = std::min(text.size(), size_t(bufferMax - 1));
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return int(n);
}

}  // namespace
}  // namespace platform

using namespace platform;

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName) return 0;
    WideName name(wc->lpszClassName);
    WNDCLASSW wide{wc->style,        wc->lpfnWndProc, wc->cbClsExtra,    wc->cbWndExtra, wc->hInstance,
                   wc->hIcon,        wc->hCursor,     wc->hbrBackground, nullptr,        name.get()};
    return RegisterClassW(&wide);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    WideName cls(className);
    std::u16string title = Wide(windowName);
    return CreateWindowExW(exStyle, cls.get(), OrNull(windowName, title), style, x, y, width, height, parent, menu,
                           instance, param);
}

// Our windows keep wide text whatever created them, so the default handling is the same.
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    std::u16string cls = Wide(className), title = Wide(windowName);
    return FindWindowW(OrNull(className, cls), OrNull(windowName, title));
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    std::u16string wide = Wide(text);
    return SetWindowTextW(hwnd, wide.c_str());
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    std::u16string wide = Wide(text);
    return SetDlgItemTextW(dialog, id, wide.c_str());
}

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    if (!buffer || bufferMax <= 0) return 0;
    buffer[0] = 0;
    // A string resource holds at most 65535 characters.
    std::u16string wide(65536, u'\0');
    int n = LoadStringW(instance, id, wide.data(), int(wide.size()));
    wide.resize(size_t(n));
    return CopyUtf8(ToUtf8(wide), buffer, bufferMax);
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) { return LoadIconW(instance, WideName(name).get()); }

HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name) { return LoadBitmapW(instance, WideName(name).get()); }

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    std::u16string body = Wide(text), title = Wide(caption);
    return MessageBoxW(owner, body.c_str(), OrNull(caption, title), type);
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) return nullptr;
    LOGFONTW lf{logFont->lfHeight,        logFont->lfWidth,          logFont->lfEscapement,   logFont->lfOrientation,
                logFont->lfWeight,        logFont->lfItalic,         logFont->lfUnderline,    logFont->lfStrikeOut,
                logFont->lfCharSet,       logFont->lfOutPrecision,   logFont->lfClipPrecision, logFont->lfQuality,
                logFont->lfPitchAndFamily, {}};
    std::u16string face = Wide(std::string(logFont->lfFaceName, strnlen(logFont->lfFaceName, 32)).c_str()).substr(0, 31);
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR face) {
    LOGFONTA lf{height,        width,         escapement,         orientation,    weight,
                BYTE(italic),  BYTE(underline), BYTE(strikeOut),  BYTE(charSet),  BYTE(outPrecision),
                BYTE(clipPrecision), BYTE(quality), BYTE(pitchAndFamily), {}};
    if (face) std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
    return CreateFontIndirectA(&lf);
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    if (!text || count < 0) return FALSE;
    std::u16string wide = FromUtf8(std::string(text, size_t(count)));
    return ExtTextOutW(hdc, x, y, 0, nullptr, wide.c_str(), UINT(wide.size()), nullptr);
}

int DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
    if (!text) return 0;
    std::u16string wide = FromUtf8(count < 0 ? std::string(text) : std::string(text, size_t(count)));
    return DrawTextW(hdc, wide.c_str(), int(wide.size()), rect, format);
}

// As Win32: the length without the terminator when the directory fits, else the size of
// buffer it needs, terminator included; 0 when it cannot be found.
DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer) {
    std::string dir(PATH_MAX, '\0');
    while (!getcwd(dir.data(), dir.size())) {
        if (errno != ERANGE) return 0;
        dir.resize(dir.size() * 2);
    }
    dir.resize(std::strlen(dir.c_str()));
    if (!buffer || bufferLength <= dir.size()) return DWORD(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return DWORD(dir.size());
}
