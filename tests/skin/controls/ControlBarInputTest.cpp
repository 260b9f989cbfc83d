// The control bar under real input (SendInput on the Wine desktop): bands moved by their grips
// within a row and into a new one, a double click tearing a band's control off into a
// floating window (unless OnBandDrag vetoes it), and a floating control dragged by its
// window's caption back over the bar docking as a band.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "framework/windows/DockHost.h"
#include "skin/controls/KsControlBars.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsSpeedButtons.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int Inset = 2;
constexpr int RowHeight = 22 + 2 * Inset;

class ControlBarInput : public ::testing::Test {
public:
    void Veto(TObject*, TControl*, bool& Drag) { Drag = false; }

protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(150, 120, 520, 240);
        Bar = new TKsCustomControlBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetAlign(TAlign::alTop);
        A = Add("Tools", 20);
        B = Add("Edit", 200);
        BringForward(*Form);
        MoveMouseTo(Form->Left() + Form->Width() + 40, Form->Top() + Form->Height() + 40);
    }
    void TearDown() override { Form.reset(); }

    TControl* Add(const char* Caption, int X) {
        auto* Control = new TKsSpeedContainer(Form.get());
        Control->SetCaption(Caption);
        Control->SetDragKind(TDragKind::dkDock);
        Control->SetBounds(X, Inset, 100, 22);
        Control->SetParent(Bar);
        return Control;
    }
    // The middle of a band's grip, on the screen.
    POINT GripOf(const TControl* Control) const {
        return Bar->ClientToScreen(POINT{Control->Left() - 6, Control->Top() + 11});
    }
    POINT BarPoint(int X, int Y) const { return Bar->ClientToScreen(POINT{X, Y}); }
    void DoubleClick(POINT At) {
        ClickAt(At.x, At.y);
        ClickAt(At.x, At.y);
    }
    // The caption bar of a floating control's window, on the screen.
    static POINT CaptionOf(const TControl* Control) {
        RECT Window{};
        GetWindowRect(Control->Parent()->Handle(), &Window);
        const POINT Client = Control->Parent()->ClientOrigin();
        return POINT{(Window.left + Window.right) / 2, (Window.top + Client.y) / 2};
    }

    std::unique_ptr<TForm> Form;
    TKsCustomControlBar* Bar = nullptr;
    TControl* A = nullptr;
    TControl* B = nullptr;
};

TEST_F(ControlBarInput, ABandDraggedByItsGripMovesWithinItsRowAndIntoANewRow) {
    DragMouse(GripOf(B), BarPoint(5, 12));
    ASSERT_TRUE(PumpUntil([&] { return B->Left() < A->Left(); }));
    EXPECT_EQ(A->Top(), Inset);
    EXPECT_EQ(B->Top(), Inset);
    EXPECT_EQ(Bar->MovingControl(), nullptr);

    DragMouse(GripOf(A), BarPoint(A->Left() - 6, RowHeight + 14));
    ASSERT_TRUE(PumpUntil([&] { return A->Top() == RowHeight + Inset; }));
    EXPECT_EQ(Bar->Height(), 2 * RowHeight);
    EXPECT_EQ(B->Top(), Inset);
}

TEST_F(ControlBarInput, ADoubleClickTearsTheControlOffUnlessOnBandDragVetoesIt) {
    Bar->OnBandDrag = MakeEvent(this, &ControlBarInput::Veto);
    DoubleClick(GripOf(A));
    PumpMessagesFor(100);
    EXPECT_EQ(A->Parent(), Bar);
    EXPECT_FALSE(A->Floating());

    Bar->OnBandDrag = {};
    DoubleClick(GripOf(A));
    ASSERT_TRUE(PumpUntil([&] { return A->Floating(); }));
    EXPECT_TRUE(IsWindowVisible(A->Parent()->Handle()));
    EXPECT_EQ(Bar->FindBand(A), nullptr);
    EXPECT_EQ(B->Left(), 200); // the band left behind keeps its place
}

TEST_F(ControlBarInput, AFloatingControlDraggedOverTheBarDocksAndMovesOnAsABand) {
    DoubleClick(GripOf(A));
    ASSERT_TRUE(PumpUntil([&] { return A->Floating(); }));
    auto* Host = dynamic_cast<TFloatingDockHost*>(A->Parent());
    ASSERT_NE(Host, nullptr);
    // Move the window up and away from the bar first, then bring the control back by its
    // window's caption.
    DragMouse(CaptionOf(A), BarPoint(600, -80));
    ASSERT_TRUE(PumpUntil([&] {
        return A->Floating() && A->ClientOrigin().y < Bar->ClientOrigin().y - 40;
    }));

    DragMouse(CaptionOf(A), BarPoint(330, 10), VK_LBUTTON, 16);
    ASSERT_TRUE(PumpUntil([&] { return A->Parent() == Bar && !Bar->MovingControl(); }));
    EXPECT_NE(Bar->FindBand(A), nullptr);
    EXPECT_EQ(A->Top(), Inset);
    EXPECT_GT(A->Left(), B->Left()); // let go right of B
    EXPECT_TRUE(PumpUntil([&] { return Form->ComponentCount() == 3; })); // the window went
}

TEST_F(ControlBarInput, CtrlPressedOrHeldWhileABandMovesTearsItOffWhereTheMouseIsLetGo) {
    // Pressed while the band already moves.
    const POINT Grip = GripOf(A);
    MoveMouseTo(Grip.x, Grip.y);
    PressMouse(VK_LBUTTON);
    MoveMouseTo(Grip.x + 8, Grip.y);
    ASSERT_TRUE(PumpUntil([&] { return Bar->MovingControl() == A; }));
    HoldKey(VK_CONTROL);
    PumpMessagesFor(50);
    MoveMouseTo(Grip.x + 12, Grip.y + 60);
    MoveMouseTo(Grip.x + 16, Grip.y + 120);
    PumpMessagesFor(50);
    ReleaseMouse(VK_LBUTTON);
    LetGoKey(VK_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return A->Floating(); }));
    EXPECT_EQ(Bar->FindBand(A), nullptr);
    EXPECT_GT(A->ClientOrigin().y, Bar->ClientOrigin().y + 60) << "floats where it was let go";

    // Held as the band starts to move.
    const POINT Other = GripOf(B);
    HoldKey(VK_CONTROL);
    DragMouse(Other, POINT{Other.x + 10, Other.y + 120});
    LetGoKey(VK_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return B->Floating(); }));
    EXPECT_TRUE(A->Floating());
}

} // namespace
