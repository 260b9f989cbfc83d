// The tab control under real input (SendInput on the Wine desktop): a click on a tab of any
// row selects it and brings its row next to the page; a held scroll button steps at once and
// then repeats, only while it is held and the mouse is on it, and stops when the mouse is
// taken away; the arrow keys step through the tabs.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsTabs.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

POINT CentreOf(const RECT& Rect) {
    return POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

class TabInput : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 420, 300);
        Form->SetFormStyle(TFormStyle::fsStayOnTop);
        Control = new TKsTabControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(10, 10, 380, 240);
        for (int Tab = 0; Tab < 14; ++Tab) {
            std::string Caption = Tab % 3 == 1 ? "截图 number " : "Tab number ";
            Control->Tabs()->Add(Caption += std::to_string(Tab));
        }
        BringForward(*Form);
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        PumpMessagesFor(20);
        Form.reset();
    }

    void MoveTo(POINT Client) {
        const POINT Screen = Control->ClientToScreen(Client);
        MoveMouseTo(Screen.x, Screen.y);
        PumpMessagesFor(20);
    }
    void Click(POINT Client) {
        MoveTo(Client);
        PressMouse(VK_LBUTTON);
        ReleaseMouse(VK_LBUTTON);
    }
    // Lets the message loop run for a few repeat periods of the scroll buttons.
    static void PumpSeveralRepeats() {
        const DWORD Start = GetTickCount();
        PumpUntil([&] { return GetTickCount() - Start > 700; });
    }

    std::unique_ptr<TForm> Form;
    TKsTabControl* Control = nullptr;
};

TEST_F(TabInput, AClickInAnyRowSelectsTheTabAndBringsItsRowToThePage) {
    Control->SetMultiLine(true);
    ASSERT_GE(Control->RowCount(), 3);
    for (const int Wanted : {13, 0, 5, 12}) {
        SCOPED_TRACE(Wanted);
        const TKsTabLayout Before = Control->Layout();
        const RECT Tab = Before.TabRect(Wanted);
        // The part of the tab its row shows: one row thick from its outer edge.
        const POINT Inside{(Tab.left + Tab.right) / 2, Tab.top + Before.State().Extent / 2};
        ASSERT_EQ(Before.TabAtPos(Inside), Wanted);
        Click(Inside);
        ASSERT_TRUE(PumpUntil([&] { return Control->TabIndex() == Wanted; }));
        const TKsTabLayout After = Control->Layout();
        EXPECT_EQ(After.RowDistance(After.RowOf(Wanted)), 1);
        EXPECT_EQ(GetFocus(), Control->Handle());
    }
}

TEST_F(TabInput, AHeldScrollButtonStepsRepeatsAndStopsOnRelease) {
    ASSERT_TRUE(Control->NeedsScrollButtons());
    const RECT Right = Control->Layout().ScrollButtonRect(true);
    MoveTo(CentreOf(Right));
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Control->FirstTab() == 1; }));
    EXPECT_TRUE(Control->ScrollButtonPressed(true));
    EXPECT_TRUE(PumpUntil([&] { return Control->FirstTab() >= 3; }));

    // Off the button the held button waits; back on it, it goes on.
    MoveTo(POINT{20, 150});
    ASSERT_TRUE(PumpUntil([&] { return !Control->ScrollButtonPressed(true); }));
    const int Off = Control->FirstTab();
    ASSERT_LT(Off, Control->Layout().LastFirstTab());
    PumpSeveralRepeats();
    EXPECT_EQ(Control->FirstTab(), Off);
    MoveTo(CentreOf(Right));
    EXPECT_TRUE(PumpUntil([&] { return Control->FirstTab() > Off; }));

    ReleaseMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return !Control->Scrolling(); }));
    const int Released = Control->FirstTab();
    PumpSeveralRepeats();
    EXPECT_EQ(Control->FirstTab(), Released);

    // The left button scrolls back, no further than the first tab.
    const RECT Left = Control->Layout().ScrollButtonRect(false);
    MoveTo(CentreOf(Left));
    PressMouse(VK_LBUTTON);
    EXPECT_TRUE(PumpUntil([&] { return Control->FirstTab() == 0; }));
    PumpSeveralRepeats();
    EXPECT_EQ(Control->FirstTab(), 0);
    ReleaseMouse(VK_LBUTTON);
}

TEST_F(TabInput, LosingTheMouseWhileAButtonIsHeldStopsTheScrolling) {
    const RECT Right = Control->Layout().ScrollButtonRect(true);
    MoveTo(CentreOf(Right));
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Control->FirstTab() == 1; }));
    // Another window takes the mouse while the button is still held down.
    auto* Other = new TProbeWindow(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(0, 260, 40, 20);
    SetCapture(Other->Handle());
    ASSERT_TRUE(PumpUntil([&] { return !Control->Scrolling(); }));
    EXPECT_FALSE(Control->ScrollButtonPressed(true));
    const int Stopped = Control->FirstTab();
    PumpSeveralRepeats();
    EXPECT_EQ(Control->FirstTab(), Stopped);
    ReleaseCapture();
}

TEST_F(TabInput, ArrowKeysStepThroughTheTabs) {
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Control->Handle(); }));
    ASSERT_EQ(Control->TabIndex(), 0);
    PressKey(VK_LEFT); // nothing before the first tab
    PressKey(VK_RIGHT);
    PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return Control->TabIndex() == 2; }));
    PressKey(VK_UP);
    ASSERT_TRUE(PumpUntil([&] { return Control->TabIndex() == 1; }));
    Control->SetTabIndex(13);
    PressKey(VK_RIGHT); // nothing after the last
    PressKey(VK_LEFT);
    ASSERT_TRUE(PumpUntil([&] { return Control->TabIndex() == 12; }));
    // The selected tab is scrolled into view, clear of the buttons.
    EXPECT_GE(Control->LastVisibleTab(true), 12);
    EXPECT_EQ(GetFocus(), Control->Handle());
}

} // namespace
