// Basic op-amp circuits: a diagram chosen by name, shown at its own size where the
// layout puts the picture. The list sorts its names as the table is stored, so a list
// position is a table index.
#include "reference/picture_tables.h"
#include "reference/reference.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

const PictureScreen kCircuits{IDC_CIRCUITS, CircuitCount, [](int i) -> LPCWSTR { return CircuitTable[i].name; },
                              [](HWND screen, int i) { SetPictureBitmap(screen, IDC_PICTURE, CircuitTable[i].bitmap); }};

}  // namespace

INT_PTR CALLBACK OpAmpCircuitsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PictureScreenMessage(dlg, msg, wParam, lParam, kCircuits);
}
