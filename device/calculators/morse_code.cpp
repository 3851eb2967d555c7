// Morse code encoder: a typed text is checked against the Morse table and played, one
// sound per character, with the telegraph key shown while it plays.
#include <windows.h>
#include <mmsystem.h>

#include "calculators/calculators.h"
#include "calculators/morse_table.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

constexpr int kTextLimit = 250;

void SetKeyPicture(HWND dlg, WORD bitmap) { SetPictureBitmap(dlg, IDC_KEY_PICTURE, bitmap); }

// The field holds up to 250 characters and every one of them is played.
void Encode(HWND dlg) {
    WCHAR text[kTextLimit + 1];
    int length = int(GetDlgItemTextW(dlg, IDC_MORSE_TEXT, text, kTextLimit + 1));
    for (int i = 0; i < length; ++i) {
        if (MorseFor(text[i])) continue;
        MessageBoxW(dlg, TEXT("Only the characters 0-9, A-Z, space and the following are allowed:\n\" ' : , - ( ) . ?"),
                    TEXT("Entry Error"), MB_OK);
        break;
    }
    // Characters that are not allowed were reported once; the rest is still played.
    SetKeyPicture(dlg, IDB_MORSE_KEY);
    for (int i = 0; i < length; ++i)
        if (const MorseCharacter* c = MorseFor(text[i]))
            PlaySoundW(MAKEINTRESOURCE(c->sound), Instance, SND_RESOURCE | SND_SYNC);
    SetKeyPicture(dlg, IDB_MORSE_BLANK);
}

}  // namespace

INT_PTR CALLBACK MorseCodeProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, kFlagsDone);
        SendDlgItemMessageW(dlg, IDC_MORSE_TEXT, EM_LIMITTEXT, kTextLimit, 0);
        return TRUE;
    case WM_COMMAND:
        RaiseInputPanelOnFieldFocus(wParam);
        if (LOWORD(wParam) == IDC_ENCODE) {
            Encode(dlg);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_CLEAR) {
            SetDlgItemTextW(dlg, IDC_MORSE_TEXT, TEXT(""));
            return TRUE;
        }
        break;
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}
