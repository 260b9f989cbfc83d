// The scroll bar under real input (SendInput on the Wine desktop): held arrow buttons repeat
// until released or until the mouse is taken away, the thumb follows a drag, a skinned
// windowed control's built-in bar reports the dragged position; and many bars made, painted
// and freed leave no host objects behind.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsThemeScrollBars.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeEngine.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

POINT ScreenPoint(const TControl& Control, POINT Client) {
    return Control.ClientToScreen(Client);
}

POINT CentreOf(const RECT& Rect) {
    return POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

// A skinned windowed control that records the scroll messages its built-in bars send.
class TScrollRecorder : public TKsCustomControl {
public:
    using TKsCustomControl::TKsCustomControl;

    struct TScrollMessage {
        uint32_t Msg;
        uintptr_t Code;
        intptr_t Position;
    };
    std::vector<TScrollMessage> Messages;

    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL)
            Messages.push_back({Message.Msg, Message.WParam, Message.LParam});
        TKsCustomControl::Dispatch(Message);
    }
};

class ScrollBarInput : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 360, 420);
        Bar = new TKsScrollBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetKind(TScrollBarKind::sbVertical);
        Bar->SetBounds(10, 10, 20, 360);
        Bar->OnScroll = MakeEvent(this, &ScrollBarInput::Scrolled);
        Form->SetFormStyle(TFormStyle::fsStayOnTop);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 100);
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        PumpMessagesFor(20);
        Form.reset();
    }

    void Scrolled(TObject*, TKsScrollCode Code, int&) { Codes.push_back(Code); }
    int Count(TKsScrollCode Code) const {
        return static_cast<int>(std::count(Codes.begin(), Codes.end(), Code));
    }
    void PressOn(const TControl& Control, POINT Client) {
        const POINT Screen = ScreenPoint(Control, Client);
        MoveMouseTo(Screen.x, Screen.y);
        PumpMessagesFor(20);
        PressMouse(VK_LBUTTON);
    }
    // Lets the message loop run long enough for several repeat periods.
    void PumpSeveralRepeats() {
        const DWORD Start = GetTickCount();
        const DWORD Span = static_cast<DWORD>(GetKeyboardRepeatMs()) * 5 + 100;
        PumpUntil([&] { return GetTickCount() - Start > Span; });
    }

    std::unique_ptr<TForm> Form;
    TKsScrollBar* Bar = nullptr;
    std::vector<TKsScrollCode> Codes;
};

TEST_F(ScrollBarInput, HeldArrowStepsAtOnceRepeatsAndStopsOnRelease) {
    PressOn(*Bar, CentreOf(Bar->GetSecondButtonRect()));
    ASSERT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscLineDown) >= 1; }));
    EXPECT_TRUE(Bar->SecondButtonPressed());
    EXPECT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscLineDown) >= 3; }));
    ReleaseMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscEndScroll) == 1; }));
    EXPECT_FALSE(Bar->Repeating());
    const int Steps = Count(TKsScrollCode::kscLineDown);
    EXPECT_EQ(Bar->Position(), Steps);
    PumpSeveralRepeats();
    EXPECT_EQ(Count(TKsScrollCode::kscLineDown), Steps);
    EXPECT_EQ(Codes.back(), TKsScrollCode::kscEndScroll);
}

TEST_F(ScrollBarInput, LosingTheMouseDuringAHoldStopsTheRepeat) {
    PressOn(*Bar, CentreOf(Bar->GetSecondButtonRect()));
    ASSERT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscLineDown) >= 1; }));
    ASSERT_TRUE(Bar->Repeating());
    // Another window takes the mouse while the button is still held, as an error box would.
    TForm Other(nullptr);
    Other.SetBounds(0, 0, 100, 100);
    Other.Show();
    SetCapture(Other.Handle());
    EXPECT_TRUE(PumpUntil([&] { return !Bar->Repeating(); }));
    EXPECT_FALSE(Bar->SecondButtonPressed());
    const int Steps = Count(TKsScrollCode::kscLineDown);
    PumpSeveralRepeats();
    EXPECT_EQ(Count(TKsScrollCode::kscLineDown), Steps);
    ReleaseCapture();
}

TEST_F(ScrollBarInput, DraggedThumbFollowsTheMouseAndEndsWithItsPosition) {
    const RECT Thumb = Bar->GetThumbRect();
    const POINT From = ScreenPoint(*Bar, CentreOf(Thumb));
    DragMouse(From, POINT{From.x, From.y + 100});
    ASSERT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscEndScroll) == 1; }));
    EXPECT_GT(Count(TKsScrollCode::kscTrack), 1);
    EXPECT_NEAR(Bar->PositionToPixel(), Thumb.top + 100, 1);
    ASSERT_GE(Codes.size(), 2u);
    EXPECT_EQ(Codes[Codes.size() - 2], TKsScrollCode::kscPosition);
    EXPECT_FALSE(Bar->ThumbDragged());

    // Dragged far past the end it stops at the last position.
    const POINT Again = ScreenPoint(*Bar, CentreOf(Bar->GetThumbRect()));
    DragMouse(Again, POINT{Again.x, Again.y + 1000});
    ASSERT_TRUE(PumpUntil([&] { return Count(TKsScrollCode::kscEndScroll) == 2; }));
    EXPECT_EQ(Bar->Position(), Bar->Max());
}

TEST_F(ScrollBarInput, BuiltInBarReportsTheDraggedPositionToItsControl) {
    auto* Control = new TScrollRecorder(Form.get());
    Control->SetScrollBarStyle(TKsScrollBarStyle::kssBoth);
    Control->SetParent(Form.get());
    Control->SetBounds(60, 10, 250, 300);
    Control->SetBorderStyle(TBorderStyle::bsSingle);
    Form->Repaint();
    ASSERT_TRUE(PumpUntil([&] { return Control->VertScrollBar() != nullptr; }));
    TKsCustomScrollBar& Vertical = *Control->VertScrollBar();
    const int Size = GetSystemMetrics(SM_CYVTHUMB);
    EXPECT_TRUE(EqualRect(Vertical.BoundsRect(), RECT{248 - Size, 2, 248, 298 - Size}));
    EXPECT_TRUE(
        EqualRect(Control->HorzScrollBar()->BoundsRect(), RECT{2, 298 - Size, 248 - Size, 298}));
    EXPECT_TRUE(EqualRect(Control->ClientRect(), RECT{2, 2, 248 - Size, 298 - Size}));
    // The corner between the bars shows the control's colour.
    Control->Repaint();
    EXPECT_EQ(Control->Surface().Pixels(247, 297), ColorToKsColor(Control->Color(), 255));

    const POINT From = ScreenPoint(Vertical, CentreOf(Vertical.GetThumbRect()));
    DragMouse(From, POINT{From.x, From.y + 80});
    ASSERT_TRUE(PumpUntil([&] {
        return !Control->Messages.empty() && Control->Messages.back().Code == SB_ENDSCROLL;
    }));
    ASSERT_GT(Vertical.Position(), 0);
    intptr_t LastTracked = -1;
    for (const auto& Message : Control->Messages) {
        EXPECT_EQ(Message.Msg, static_cast<uint32_t>(WM_VSCROLL));
        if (Message.Code == SB_THUMBTRACK)
            LastTracked = Message.Position;
    }
    EXPECT_EQ(LastTracked, Vertical.Position());

    // Locked, the control hears nothing, and the bar still moves.
    Control->Messages.clear();
    Control->SetScrollLock(true);
    Vertical.ScrollStep(VK_DOWN);
    EXPECT_TRUE(Control->Messages.empty());
    EXPECT_EQ(Vertical.Position(), LastTracked + 1);
}

void PaintCycle(TTeThemeEngine& Engine) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 300, 240);
    auto* Control = new TKsCustomControl(Form.get());
    Control->SetScrollBarStyle(TKsScrollBarStyle::kssBoth);
    Control->SetParent(Form.get());
    Control->SetBounds(10, 10, 150, 150);
    auto* Themed = new TTeThemeScrollBar(Form.get());
    Themed->SetThemeEngine(&Engine);
    Themed->SetParent(Form.get());
    Themed->SetBounds(170, 10, 100, 17);
    auto* Plain = new TKsScrollBar(Form.get());
    Plain->SetParent(Form.get());
    Plain->SetBounds(170, 40, 100, 17);
    Plain->SetBlend(true);
    Form->Show();
    Form->Repaint();
    Application->ProcessMessages();
    Form->Close();
    Application->ProcessMessages();
}

TEST(ScrollBarResources, CyclesLeaveNoHostObjectsBehind) {
    RegisterSkinControls();
    TTeThemeEngine Engine(nullptr);
    for (int I = 0; I < 3; ++I)
        PaintCycle(Engine);
    const unsigned SlotBefore = NextGdiSlot();
    for (int I = 0; I < 200; ++I)
        PaintCycle(Engine);
    // A leak of one object per cycle would move the slot by 200.
    EXPECT_LT(NextGdiSlot(), SlotBefore + 50);
}

} // namespace
