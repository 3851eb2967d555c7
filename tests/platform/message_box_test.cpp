// The modal message box: which button answers, the keyboard, what a script is told,
// the owner and the focus around it, WM_QUIT inside its loop, and taps elsewhere.
//
// MessageBoxW runs its own loop; whenever that loop waits for input, the next action
// queued on the backend runs. The actions only inject input: the box's loop itself
// must take it from the queue and handle it.
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();

HWND OpenBox() { return platform::ModalStack().empty() ? nullptr : platform::ModalStack().back(); }

RECT RectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

void InjectTap(POINT screen) {
    platform::InjectStylusDown(screen);
    platform::InjectStylusUp(screen);
}

class MessageBoxTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        owner = test::CreateListeningWindow();
        ASSERT_NE(owner, nullptr);
        // Near the top of the screen, clear of the box in the middle.
        ownerEdit = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 4, 100, 20, owner,
                                    reinterpret_cast<HMENU>(uintptr_t(30)), nullptr, nullptr);
        test::Pump();
    }

    void TearDown() override {
        EXPECT_TRUE(backend->actions.empty()) << "the box closed before all its input had come";
        PlatformTest::TearDown();
    }

    // An action that taps the open box's button with the given id.
    void ThenTap(int id) {
        backend->actions.push_back([this, id] {
            HWND box = OpenBox();
            if (!box || !GetDlgItem(box, id)) {
                ADD_FAILURE() << "no open box with button " << id;
                return;
            }
            seenBox = box;
            InjectTap(test::CentreOf(GetDlgItem(box, id)));
        });
    }
    void ThenPress(UINT vk) {
        backend->actions.push_back([vk] {
            platform::InjectKey(vk, true);
            platform::InjectKey(vk, false);
        });
    }
    void Then(std::function<void()> check) { backend->actions.push_back(std::move(check)); }

    HWND owner = nullptr, ownerEdit = nullptr;
    HWND seenBox = nullptr;
};

// ---- the answer ----

struct TapCase {
    const char* name;
    UINT type;
    int tapped;
};

void PrintTo(const TapCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxTapTest : public MessageBoxTest, public ::testing::WithParamInterface<TapCase> {};

TEST_P(MessageBoxTapTest, AnswersTheButtonTappedAndCloses) {
    ThenTap(GetParam().tapped);
    EXPECT_EQ(MessageBoxW(owner, u"Overwrite?", u"Ohms", GetParam().type), GetParam().tapped);
    EXPECT_TRUE(platform::ModalStack().empty());
    EXPECT_FALSE(IsWindow(seenBox));
    EXPECT_TRUE(commands.empty()) << "the tap was for the box alone";
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxTapTest,
                         ::testing::Values(TapCase{"Ok", MB_OK, IDOK}, TapCase{"Yes", MB_YESNO, IDYES},
                                           TapCase{"No", MB_YESNO, IDNO}, TapCase{"OkOfTwo", MB_OKCANCEL, IDOK},
                                           TapCase{"Cancel", MB_OKCANCEL, IDCANCEL},
                                           TapCase{"NoBesideAQuestionIcon", MB_YESNO | MB_ICONQUESTION, IDNO}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MessageBoxTest, LeavesNoDrawingObjectsBehind) {
    ThenTap(IDOK);
    MessageBoxW(owner, u"Warm up", u"Ohms", MB_OK | MB_ICONQUESTION);
    size_t before = platform::LiveGdiObjects();
    for (int i = 0; i < 20; ++i) {
        ThenTap(IDOK);
        MessageBoxW(owner, u"Again", u"Ohms", MB_OK | MB_ICONQUESTION);
    }
    EXPECT_EQ(platform::LiveGdiObjects(), before);
}

TEST_F(MessageBoxTest, ShowsOnlyTheButtonsOfItsType) {
    std::vector<int> present;
    Then([&] {
        for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
            if (GetDlgItem(OpenBox(), id)) present.push_back(id);
    });
    ThenTap(IDNO);
    MessageBoxW(owner, u"Save?", u"Ohms", MB_YESNO);
    EXPECT_EQ(present, (std::vector<int>{IDYES, IDNO}));
}

struct KeyCase {
    const char* name;
    UINT type;
    UINT vk;
    int expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxKeyTest : public MessageBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MessageBoxKeyTest, KeyboardAnswers) {
    ThenPress(GetParam().vk);
    EXPECT_EQ(MessageBoxW(owner, u"Overwrite?", u"Ohms", GetParam().type), GetParam().expected);
    EXPECT_TRUE(platform::ModalStack().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageBoxKeyTest,
    ::testing::Values(KeyCase{"EnterIsOk", MB_OK, VK_RETURN, IDOK}, KeyCase{"EnterIsYes", MB_YESNO, VK_RETURN, IDYES},
                      KeyCase{"EnterIsTheSecondButtonWhenItIsDefault", MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
                      KeyCase{"EnterIsCancelWhenItIsDefault", MB_OKCANCEL | MB_DEFBUTTON2, VK_RETURN, IDCANCEL},
                      KeyCase{"EscapeClosesAnOkBoxWithOk", MB_OK, VK_ESCAPE, IDOK},
                      KeyCase{"EscapeIsCancel", MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
                      // The default button has the focus, so the space bar presses it.
                      KeyCase{"SpacePressesTheDefault", MB_YESNO, VK_SPACE, IDYES},
                      KeyCase{"SpacePressesTheSecondWhenItIsDefault", MB_YESNO | MB_DEFBUTTON2, VK_SPACE, IDNO}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MessageBoxTest, EscapeDoesNotCloseABoxWithoutCancel) {
    ThenPress(VK_ESCAPE);
    ThenTap(IDYES);
    EXPECT_EQ(MessageBoxW(owner, u"Save?", u"Ohms", MB_YESNO), IDYES);
}

// ---- what a script is told ----

TEST_F(MessageBoxTest, HookSeesCaptionAndTextAsTheBoxOpens) {
    std::vector<std::pair<std::u16string, std::u16string>> seen;
    platform::Events().messageBox = [&](const std::u16string& caption, const std::u16string& text) {
        seen.push_back({caption, text});
    };
    ThenTap(IDOK);
    MessageBoxW(owner, u"Enter two values.", u"Ohm's Law", MB_OK | MB_ICONEXCLAMATION);
    ThenTap(IDOK);
    // Without a caption the box is titled "Error".
    MessageBoxW(owner, u"Division by zero", nullptr, MB_OK);
    EXPECT_EQ(seen, (std::vector<std::pair<std::u16string, std::u16string>>{
                        {u"Ohm's Law", u"Enter two values."}, {u"Error", u"Division by zero"}}));
}

// ---- the owner and the focus ----

TEST_F(MessageBoxTest, OwnerIsDisabledOnlyWhileTheBoxIsOpen) {
    bool enabledDuring = true;
    Then([&] { enabledDuring = IsWindowEnabled(owner); });
    ThenTap(IDOK);
    MessageBoxW(owner, u"Done", u"Ohms", MB_OK);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(MessageBoxTest, FocusGoesToTheBoxAndComesBackToTheControlThatHadIt) {
    test::Tap(ownerEdit);
    ASSERT_EQ(GetFocus(), ownerEdit);
    bool focusInBox = false;
    Then([&] { focusInBox = GetFocus() == OpenBox() || platform::IsDescendant(OpenBox(), GetFocus()); });
    ThenTap(IDOK);
    MessageBoxW(owner, u"Done", u"Ohms", MB_OK);
    EXPECT_TRUE(focusInBox) << "the keyboard stayed with the owner";
    EXPECT_EQ(GetFocus(), ownerEdit);
    // Typing goes to the field again.
    test::Type(u"1");
    EXPECT_EQ(test::TextOf(ownerEdit), u"1");
}

// ---- the loop ----

TEST_F(MessageBoxTest, QuitInsideTheLoopEndsItAndIsPostedAgain) {
    Then([] { PostQuitMessage(3); });
    EXPECT_EQ(MessageBoxW(owner, u"Working", u"Ohms", MB_OK), 0);
    EXPECT_TRUE(platform::ModalStack().empty());
    EXPECT_TRUE(IsWindowEnabled(owner));
    // The program's own loop sees the WM_QUIT next.
    MSG msg{};
    int guard = 0;
    while (GetMessageW(&msg, nullptr, 0, 0) && ++guard < 1000) DispatchMessageW(&msg);
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageBoxTest, TapsOutsideTheBoxReachNothingWhileItIsOpen) {
    // A second program window, not the box's owner and so not disabled.
    HWND other = CreateWindowExW(0, u"ListeningWindow", u"", WS_POPUP | WS_VISIBLE, 0, 26, 240, 40, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    HWND otherButton = CreateWindowExW(0, u"Button", u"Other", WS_CHILD | WS_VISIBLE, 10, 4, 80, 20, other,
                                       reinterpret_cast<HMENU>(uintptr_t(40)), nullptr, nullptr);
    test::Pump();
    ASSERT_EQ(platform::WindowAtPoint(test::CentreOf(otherButton)), otherButton);
    bool outside = false;
    Then([&] {
        RECT box = RectOf(OpenBox());
        outside = !PtInRect(&box, test::CentreOf(otherButton));
        InjectTap(test::CentreOf(otherButton));
        InjectTap(POINT{box.left + 2, box.bottom + 10});
    });
    Then([&] { EXPECT_NE(GetFocus(), otherButton); });
    ThenTap(IDOK);
    EXPECT_EQ(MessageBoxW(owner, u"Done", u"Ohms", MB_OK), IDOK);
    EXPECT_TRUE(outside);
    EXPECT_TRUE(commands.empty());
}

}  // namespace
