// The progress bar: its range, position and step, and how much of it is filled.
#include <commctrl.h>

#include "demo_resource.h"
#include "gdi/gdi.h"
#include "support.h"

namespace {

class ProgressTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        dlg = test::CreateDialogFromResource(IDD_CONTROLS, nullptr, test::PassiveDialogProc);
        ASSERT_NE(dlg, nullptr);
        MoveWindow(dlg, 0, 26, 210, 253, FALSE);
        ShowWindow(dlg, SW_SHOW);
        bar = GetDlgItem(dlg, IDC_PROGRESS);
        ASSERT_NE(bar, nullptr);
    }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(bar, msg, wParam, lParam); }

    struct Fill {
        int filled = 0;  // pixels in the highlight colour along the middle row
        int track = 0;   // pixels of the bar, filled or not
        bool fromTheLeft = false;
    };
    Fill Measure() {
        test::Pump();
        RECT r;
        GetWindowRect(bar, &r);
        int y = (r.top + r.bottom) / 2;
        uint32_t highlight = platform::PixelFromColor(GetSysColor(COLOR_HIGHLIGHT));
        uint32_t empty = platform::PixelFromColor(GetSysColor(COLOR_WINDOW));
        Fill f;
        int firstTrack = -1;
        for (int x = r.left; x < r.right; ++x) {
            uint32_t p = test::PixelAt(x, y);
            if (p != highlight && p != empty) continue;
            if (firstTrack < 0) firstTrack = x;
            ++f.track;
            if (p == highlight) f.filled++;
        }
        f.fromTheLeft = f.filled == 0 || test::PixelAt(firstTrack, y) == highlight;
        return f;
    }

    HWND dlg = nullptr, bar = nullptr;
};

TEST_F(ProgressTest, StartsEmptyWithRangeZeroToHundredAndStepTen) {
    EXPECT_EQ(Send(PBM_GETPOS), 0);
    EXPECT_EQ(Send(PBM_SETRANGE, 0, MAKELPARAM(0, 50)), MAKELONG(0, 100));
    EXPECT_EQ(Send(PBM_SETSTEP, 5), 10);
    EXPECT_EQ(Measure().filled, 0);
}

TEST_F(ProgressTest, SetStepAnswersTheStepBefore) {
    EXPECT_EQ(Send(PBM_SETSTEP, 5), 10);
    EXPECT_EQ(Send(PBM_SETSTEP, 7), 5);
    EXPECT_EQ(Send(PBM_STEPIT), 0);
    EXPECT_EQ(Send(PBM_GETPOS), 7);
}

TEST_F(ProgressTest, TwentyStepsOfFiveFillTheBar) {
    Send(PBM_SETSTEP, 5);
    Fill track = Measure();
    ASSERT_GT(track.track, 100) << "the bar is not on the screen";
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Send(PBM_STEPIT), 5 * i) << "each step answers the position before it";
        if (i == 9) {
            Fill half = Measure();
            EXPECT_NEAR(half.filled, track.track / 2, 1);
            EXPECT_TRUE(half.fromTheLeft);
        }
    }
    EXPECT_EQ(Send(PBM_GETPOS), 100);
    Fill full = Measure();
    EXPECT_EQ(full.filled, full.track);
}

TEST_F(ProgressTest, SteppingPastTheEndStartsOverFromTheLowEnd) {
    Send(PBM_SETRANGE, 0, MAKELPARAM(10, 60));
    Send(PBM_SETSTEP, 5);
    Send(PBM_SETPOS, 60);
    EXPECT_EQ(Measure().filled, Measure().track);
    EXPECT_EQ(Send(PBM_STEPIT), 60);
    EXPECT_EQ(Send(PBM_GETPOS), 10);
    EXPECT_EQ(Measure().filled, 0);
}

TEST_F(ProgressTest, PositionIsKeptWithinTheRange) {
    EXPECT_EQ(Send(PBM_SETRANGE, 0, MAKELPARAM(10, 20)), MAKELONG(0, 100));
    EXPECT_EQ(Send(PBM_SETRANGE, 0, MAKELPARAM(10, 20)), MAKELONG(10, 20));
    Send(PBM_SETPOS, 12);
    EXPECT_EQ(Send(PBM_SETPOS, 15), 12);
    EXPECT_EQ(Send(PBM_GETPOS), 15);
    Fill half = Measure();
    EXPECT_NEAR(half.filled, half.track / 2, 1) << "the fill is measured from the low end of the range";
    EXPECT_EQ(Send(PBM_SETPOS, 50), 15);
    EXPECT_EQ(Send(PBM_GETPOS), 20);
    EXPECT_EQ(Send(PBM_SETPOS, 3), 20);
    EXPECT_EQ(Send(PBM_GETPOS), 10);
    EXPECT_EQ(Send(PBM_DELTAPOS, 4), 10);
    EXPECT_EQ(Send(PBM_GETPOS), 14);
    EXPECT_EQ(Send(PBM_DELTAPOS, 40), 14);
    EXPECT_EQ(Send(PBM_GETPOS), 20);
}

}  // namespace
