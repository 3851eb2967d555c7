// Common connectors: a drawing chosen by name, centred across the screen and within the
// band of 200 pixels that starts 65 pixels down.
#include "reference/picture_tables.h"
#include "reference/reference.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

void ShowConnector(HWND screen, int position) {
    const PictureRecord& connector = ConnectorTable[position];
    SetPictureBitmap(screen, IDC_PICTURE, connector.bitmap);
    MoveWindow(GetDlgItem(screen, IDC_PICTURE), (240 - connector.width) / 2, (200 - connector.height) / 2 + 65,
               connector.width, connector.height, TRUE);
}

const PictureScreen kConnectors{IDC_CONNECTORS, ConnectorCount, [](int i) -> LPCWSTR { return ConnectorTable[i].name; },
                                ShowConnector};

}  // namespace

INT_PTR CALLBACK ConnectorsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PictureScreenMessage(dlg, msg, wParam, lParam, kConnectors);
}
