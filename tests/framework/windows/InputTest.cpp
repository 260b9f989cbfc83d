// Real input (SendInput on the Wine desktop): the keyboard moves the focus and presses
// buttons, the mouse is reported entering and leaving windowed and graphic controls.
#include "WindowTestSupport.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/MouseTracking.h"
#include "framework/windows/StdCtrls.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

POINT ScreenCentreOf(const TControl& Control) {
    return Control.ClientToScreen(POINT{Control.Width() / 2, Control.Height() / 2});
}

class KeyboardRouting : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(300, 200, 320, 200);
        for (const char* Name : {"Third", "First", "Second", "Escape"}) {
            auto* Button = new TButton(Form.get());
            Button->SetName(Name);
            Button->SetParent(Form.get());
            Button->OnClick = MakeEvent(this, &KeyboardRouting::ButtonClick);
        }
        Third = Find("Third");
        First = Find("First");
        Second = Find("Second");
        Escape = Find("Escape");
        Third->SetCaption("Third");
        First->SetCaption("First");
        Second->SetCaption("E&xit");
        Escape->SetCaption("Cancel");
        Escape->SetCancel(true);
        Escape->SetTabStop(false);
        First->SetDefault(true);
        First->SetTabOrder(0);
        Second->SetTabOrder(1);
        Third->SetTabOrder(2);
        Escape->SetTabOrder(3);
        int Top = 8;
        for (TButton* Button : {First, Second, Third, Escape}) {
            Button->SetBounds(8, Top, 75, 25);
            Top += 32;
        }
        Label = new TLabel(Form.get());
        Label->SetParent(Form.get());
        Label->SetBounds(120, 8, 80, 16);
        Label->SetCaption("&Second");
        Label->SetFocusControl(Second);
        BringForward(*Form);
    }
    void TearDown() override { Form.reset(); }

    TButton* Find(const char* Name) { return dynamic_cast<TButton*>(Form->FindComponent(Name)); }
    void ButtonClick(TObject* Sender) {
        Clicked.push_back(dynamic_cast<TComponent*>(Sender)->Name());
    }
    bool FocusReaches(TWinControl* Control) {
        return PumpUntil([&] { return Control->Focused(); }, 100);
    }
    bool ClickReaches(const std::string& Name) {
        return PumpUntil([&] { return !Clicked.empty() && Clicked.back() == Name; }, 100);
    }

    std::unique_ptr<TForm> Form;
    TButton* First = nullptr;
    TButton* Second = nullptr;
    TButton* Third = nullptr;
    TButton* Escape = nullptr;
    TLabel* Label = nullptr;
    std::vector<std::string> Clicked;
};

TEST_F(KeyboardRouting, TabAndShiftTabFollowTheTabOrderSkippingNonStops) {
    ASSERT_TRUE(FocusReaches(First));
    EXPECT_EQ(Form->ActiveControl(), First);
    PressKey(VK_TAB);
    EXPECT_TRUE(FocusReaches(Second));
    PressKey(VK_TAB);
    EXPECT_TRUE(FocusReaches(Third));
    PressKey(VK_TAB); // Escape is no tab stop: back to the first
    EXPECT_TRUE(FocusReaches(First));
    PressKeyWith(VK_SHIFT, VK_TAB);
    EXPECT_TRUE(FocusReaches(Third));
    Second->SetEnabled(false);
    PressKeyWith(VK_SHIFT, VK_TAB); // a disabled control is passed over
    EXPECT_TRUE(FocusReaches(First));
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(KeyboardRouting, ReturnPressesTheFocusedOrDefaultButtonEscapeTheCancelOne) {
    ASSERT_TRUE(FocusReaches(First));
    EXPECT_TRUE(First->Active());
    Third->SetFocus();
    ASSERT_TRUE(FocusReaches(Third));
    EXPECT_TRUE(Third->Active());
    EXPECT_FALSE(First->Active()); // a focused button takes over from the default one
    PressKey(VK_RETURN);
    EXPECT_TRUE(ClickReaches("Third"));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(ClickReaches("Escape"));
    EXPECT_EQ(Clicked, (std::vector<std::string>{"Third", "Escape"}));
}

TEST_F(KeyboardRouting, AltLetterPressesTheButtonOrFocusesTheLabelsControl) {
    ASSERT_TRUE(FocusReaches(First));
    PressKeyWith(VK_MENU, 'X');
    EXPECT_TRUE(ClickReaches("Second"));
    EXPECT_TRUE(FocusReaches(Second));
    First->SetFocus();
    ASSERT_TRUE(FocusReaches(First));
    PressKeyWith(VK_MENU, 'S'); // the label's accelerator: focus only
    EXPECT_TRUE(FocusReaches(Second));
    EXPECT_EQ(Clicked, std::vector<std::string>{"Second"});
}

TEST_F(KeyboardRouting, EnterAndExitFollowTheFocus) {
    ASSERT_TRUE(FocusReaches(First));
    struct TTrail {
        std::vector<std::string> Events;
        void Enter(TObject* Sender) {
            Events.push_back("enter " + dynamic_cast<TComponent*>(Sender)->Name());
        }
        void Exit(TObject* Sender) {
            Events.push_back("exit " + dynamic_cast<TComponent*>(Sender)->Name());
        }
    } Trail;
    for (TButton* Button : {First, Second}) {
        Button->OnEnter = MakeEvent(&Trail, &TTrail::Enter);
        Button->OnExit = MakeEvent(&Trail, &TTrail::Exit);
    }
    PressKey(VK_TAB);
    ASSERT_TRUE(FocusReaches(Second));
    EXPECT_EQ(Trail.Events, (std::vector<std::string>{"exit First", "enter Second"}));
}

// Inside a control it has had one more entry than exits; outside as many of each.
template <class T> int Balance(const T& Probe) {
    return Probe.Enters - Probe.Leaves;
}

// A borderless form at (200, 200) holding a graphic probe at (20, 20), 100 x 60.
TProbeControl* PlaceGraphicProbe(TForm& Form) {
    Form.SetBorderStyle(TFormBorderStyle::bsNone);
    Form.SetBounds(200, 200, 400, 200);
    auto* Graphic = new TProbeControl(&Form);
    Graphic->SetBounds(20, 20, 100, 60);
    Graphic->SetParent(&Form);
    return Graphic;
}

TEST(MouseTracking, EnterAndLeaveReachWindowedAndGraphicControls) {
    MoveMouseTo(1270, 1010);
    TForm Form(nullptr);
    TProbeControl* Graphic = PlaceGraphicProbe(Form);
    auto* Windowed = new TProbeWindow(&Form);
    Windowed->SetBounds(200, 20, 100, 60);
    Windowed->SetParent(&Form);
    BringForward(Form);
    auto Over = [](TControl* Expected) {
        return PumpUntil([=] { return MouseTracker().MouseControl() == Expected; });
    };

    const POINT OverGraphic = ScreenCentreOf(*Graphic);
    const POINT OverWindowed = ScreenCentreOf(*Windowed);
    MoveMouseTo(OverGraphic.x, OverGraphic.y);
    ASSERT_TRUE(Over(Graphic));
    EXPECT_EQ(Balance(*Graphic), 1);

    MoveMouseTo(OverWindowed.x, OverWindowed.y);
    EXPECT_TRUE(Over(Windowed));
    EXPECT_EQ(Balance(*Graphic), 0);
    EXPECT_EQ(Balance(*Windowed), 1);

    // Straight from a control to far outside every window of the program.
    MoveMouseTo(1270, 1010);
    EXPECT_TRUE(Over(nullptr));
    EXPECT_EQ(Balance(*Windowed), 0);

    MoveMouseTo(OverGraphic.x, OverGraphic.y);
    ASSERT_TRUE(Over(Graphic));
    MoveMouseTo(1270, 1010);
    EXPECT_TRUE(Over(nullptr));
    EXPECT_EQ(Balance(*Graphic), 0);
    EXPECT_GE(Graphic->Enters, 2);
    EXPECT_GE(Windowed->Enters, 1);
}

TEST(MouseTracking, AHiddenOrDestroyedControlIsLeftWithoutReports) {
    TForm Form(nullptr);
    TProbeControl* Graphic = PlaceGraphicProbe(Form);
    BringForward(Form);
    const POINT Over = ScreenCentreOf(*Graphic);
    MoveMouseTo(Over.x, Over.y);
    ASSERT_TRUE(PumpUntil([&] { return Graphic->Enters == 1; }));
    Graphic->Hide();
    EXPECT_EQ(Graphic->Leaves, 1);
    delete Graphic;
    MoveMouseTo(1270, 1010);
    PumpUntil([] { return false; }, 10);
}

} // namespace
