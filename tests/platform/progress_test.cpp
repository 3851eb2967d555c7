// The progress bar as the programs drive it: by steps, and how much of it is filled.
#include <commctrl.h>

#include "demo_resource.h"
#include "gdi/gdi.h"
#include "support.h"

namespace {

class ProgressTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        HWND dlg = test::CreateDialogFromResource(IDD_CONTROLS, nullptr, test::PassiveDialogProc);
        ASSERT_NE(dlg, nullptr);
        MoveWindow(dlg, 0, 26, 210, 253, FALSE);
        ShowWindow(dlg, SW_SHOW);
        bar = GetDlgItem(dlg, IDC_PROGRESS);
    }
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(bar, msg, wParam, lParam); }
    // The filled share of the middle row's track, which must fill from the left.
    double Filled() {
        test::Pump();
        RECT r;
        GetWindowRect(bar, &r);
        uint32_t highlight = platform::PixelFromColor(GetSysColor(COLOR_HIGHLIGHT));
        uint32_t empty = platform::PixelFromColor(GetSysColor(COLOR_WINDOW));
        std::string track;
        for (int x = r.left; x < r.right; ++x) {
            uint32_t p = test::PixelAt(x, (r.top + r.bottom) / 2);
            if (p == highlight || p == empty) track += p == highlight ? '#' : '.';
        }
        EXPECT_GT(track.size(), 100u) << "the bar is not on the screen";
        EXPECT_EQ(track.find('#', track.find('.')), std::string::npos) << track;
        return double(std::count(track.begin(), track.end(), '#')) / double(track.size());
    }
    HWND bar = nullptr;
};

TEST_F(ProgressTest, StepsFillTheBarAndAnswerThePositionBefore) {
    EXPECT_EQ(Filled(), 0);
    EXPECT_EQ(Send(PBM_SETSTEP, 5), 10) << "the step starts at ten";
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Send(PBM_STEPIT), 5 * i);
    EXPECT_EQ(Filled(), 1) << "the default range ends at 100";
    EXPECT_EQ(Send(PBM_STEPIT), 100);
    EXPECT_EQ(Send(PBM_GETPOS), 0) << "past the end it starts over";
}

}  // namespace
