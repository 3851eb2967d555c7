// The modal message box: its buttons and which answers, the keyboard, and the focus
// around it.
// MessageBoxW runs its own loop; each action queued on the backend runs when it waits for
// input, and only injects input that the box's loop must take and handle.
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();

HWND OpenBox() { return platform::ModalStack().empty() ? nullptr : platform::ModalStack().back(); }

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
    void Then(std::function<void()> action) { backend->actions.push_back(std::move(action)); }
    // An action that taps the open box's button with the given id.
    void ThenTap(int id) {
        Then([id] {
            ASSERT_TRUE(OpenBox() && GetDlgItem(OpenBox(), id)) << "no open box with button " << id;
            InjectTap(test::CentreOf(GetDlgItem(OpenBox(), id)));
        });
    }
    HWND owner = nullptr, ownerEdit = nullptr;
};

// Each type shows its buttons and answers the one tapped. Enter and the space bar press the
// default button, which has the focus; Escape is Cancel, or OK when that is the only
// button, and nothing in a Yes/No box.
TEST_F(MessageBoxTest, ButtonsOfEachTypeAndTheAnswersToTapsAndKeys) {
    const std::vector<int> ok{IDOK}, yesNo{IDYES, IDNO}, okCancel{IDOK, IDCANCEL};
    struct Case {
        UINT type;
        const std::vector<int>& buttons;
        UINT vk;  // 0: the expected answer's button is tapped
        int expected;
    } cases[] = {{MB_OK, ok, 0, IDOK},
                 {MB_YESNO, yesNo, 0, IDYES},
                 {MB_YESNO | MB_ICONQUESTION, yesNo, 0, IDNO},
                 {MB_OKCANCEL, okCancel, 0, IDCANCEL},
                 {MB_OK, ok, VK_RETURN, IDOK},
                 {MB_YESNO, yesNo, VK_RETURN, IDYES},
                 {MB_YESNO | MB_DEFBUTTON2, yesNo, VK_RETURN, IDNO},
                 {MB_OKCANCEL | MB_DEFBUTTON2, okCancel, VK_RETURN, IDCANCEL},
                 {MB_OK, ok, VK_ESCAPE, IDOK},
                 {MB_OKCANCEL, okCancel, VK_ESCAPE, IDCANCEL},
                 {MB_YESNO, yesNo, VK_SPACE, IDYES},
                 {MB_YESNO | MB_DEFBUTTON2, yesNo, VK_SPACE, IDNO}};
    // The second round opens the same boxes again: nothing drawn may stay allocated.
    size_t live = 0;
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            SCOPED_TRACE("type " + std::to_string(c.type) + ", key " + std::to_string(c.vk));
            std::vector<int> present;
            HWND box = nullptr;
            Then([&] {
                box = OpenBox();
                for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
                    if (GetDlgItem(box, id)) present.push_back(id);
            });
            if (c.vk) {
                Then([vk = c.vk] {
                    platform::InjectKey(vk, true);
                    platform::InjectKey(vk, false);
                });
            } else {
                ThenTap(c.expected);
            }
            EXPECT_EQ(MessageBoxW(owner, u"Overwrite?", u"Ohms", c.type), c.expected);
            EXPECT_EQ(present, c.buttons);
            EXPECT_TRUE(platform::ModalStack().empty());
            EXPECT_FALSE(IsWindow(box));
        }
        if (round == 0) live = platform::LiveGdiObjects();
    }
    EXPECT_EQ(platform::LiveGdiObjects(), live) << "a box left drawing objects behind";
    EXPECT_TRUE(commands.empty()) << "the answers were for the box alone";
    Then([] { platform::InjectKey(VK_ESCAPE, true); });
    ThenTap(IDYES);
    EXPECT_EQ(MessageBoxW(owner, u"Save?", u"Ohms", MB_YESNO), IDYES);
}

// The keyboard goes to the box and comes back to the control that had it. (The owner's
// disabling, in the loop the box shares with DialogBox, the dialog tests check.)
TEST_F(MessageBoxTest, OwnerAndFocus) {
    test::Tap(ownerEdit);
    ASSERT_EQ(GetFocus(), ownerEdit);
    bool focusInBox = false;
    Then([&] { focusInBox = GetFocus() == OpenBox() || platform::IsDescendant(OpenBox(), GetFocus()); });
    ThenTap(IDOK);
    MessageBoxW(owner, u"Done", u"Ohms", MB_OK);
    EXPECT_TRUE(focusInBox);
    EXPECT_TRUE(IsWindowEnabled(owner));
    test::Type(u"1");
    EXPECT_EQ(test::TextOf(ownerEdit), u"1");
}

}  // namespace
