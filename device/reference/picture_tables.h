// The picture references: connector drawings and op-amp circuits, chosen by name.
#pragma once

#include <windows.h>

struct PictureRecord {
    WCHAR name[64];
    WORD bitmap;  // bitmap resource id
    LONG width, height;  // the bitmap's size in pixels
};
extern const int ConnectorCount;
extern const PictureRecord ConnectorTable[];

struct CircuitRecord {
    WCHAR name[64];
    WORD bitmap;
};
extern const int CircuitCount;
extern const CircuitRecord CircuitTable[];

// What differs between the screens that show the picture chosen from a combo box.
struct PictureScreen {
    int comboId;
    const int& count;
    LPCWSTR (*name)(int position);
    void (*show)(HWND screen, int position);
};
// Their whole handling: the names put in the combo box at initialisation, a choice
// shown, and the common rules of a screen.
INT_PTR PictureScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const PictureScreen& screen);
