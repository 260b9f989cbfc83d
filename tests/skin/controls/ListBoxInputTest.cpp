// The list box under real input (SendInput on the Wine desktop): clicks, Shift+clicks and
// Ctrl+clicks, check boxes clicked and switched with Space, the keys (never past either
// end, by at least an item a page), a drag past the bottom edge that scrolls and selects
// until the button is released or the list ends, a pointer over the border that scrolls
// nothing, the wheel with every system setting, and a list of a hundred thousand items.
#include "ListBoxTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsScrollBars.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class ListBoxInput : public ListBoxTest {
protected:
    void SetUp() override {
        RegisterSkinControls();
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &SavedWheelLines, 0);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 360, 420);
        Box = new TKsListBox(Form.get());
        Box->SetParent(Form.get());
        // 196 x 198 inside the border: twelve whole items of 16 pixels.
        Box->SetBounds(20, 20, 200, 202);
        Box->OnClick = MakeEvent(this, &ListBoxInput::Clicked);
        FillNumbered(100);
        BringForward(*Form);
        Box->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Box->Handle(); }));
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        SetWheelLines(SavedWheelLines);
        Form.reset();
    }

    void Clicked(TObject*) { ++Clicks; }
    static void SetWheelLines(UINT Lines) {
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, Lines, nullptr, 0);
    }
    // The screen point in the middle of item Index's text, which must be in view.
    POINT ItemPoint(int Index) const {
        const RECT Row = Box->GetItemRect(Index);
        EXPECT_FALSE(IsRectEmpty(Row)) << Index;
        return Box->ClientToScreen(POINT{Row.right - 40, (Row.top + Row.bottom) / 2});
    }
    void ClickItem(int Index, WORD Modifier = 0) {
        const POINT At = ItemPoint(Index);
        ClickWith(Modifier, At.x, At.y);
        EXPECT_TRUE(PumpUntil([&] { return Box->ItemIndex() == Index; })) << Index;
    }
    void Key(WORD VirtualKey, int WantedIndex) {
        PressKey(VirtualKey);
        EXPECT_TRUE(PumpUntil([&] { return Box->ItemIndex() == WantedIndex; }))
            << VirtualKey << ": " << Box->ItemIndex() << " instead of " << WantedIndex;
    }

    UINT SavedWheelLines = 3;
    int Clicks = 0;
};

TEST_F(ListBoxInput, ClicksShiftClicksAndCtrlClicksSelectAsAUserExpects) {
    Box->SetMultiSelect(true);
    ClickItem(2);
    EXPECT_EQ(Box->SelCount(), 1);
    EXPECT_TRUE(Box->Selected(2));
    EXPECT_GE(Clicks, 1);
    ClickItem(5, VK_SHIFT);
    EXPECT_EQ(Box->SelCount(), 4);
    EXPECT_TRUE(Box->Selected(2) && Box->Selected(5));
    // Ctrl takes one item out and puts another in, leaving the rest selected.
    ClickItem(3, VK_CONTROL);
    EXPECT_FALSE(Box->Selected(3));
    EXPECT_EQ(Box->SelCount(), 3);
    ClickItem(8, VK_CONTROL);
    EXPECT_TRUE(Box->Selected(8));
    EXPECT_EQ(Box->SelCount(), 4);
    // Shift extends from the item Ctrl last clicked.
    ClickItem(10, VK_SHIFT);
    EXPECT_EQ(Box->SelCount(), 3);
    EXPECT_TRUE(Box->Selected(9));
    ClickItem(1);
    EXPECT_EQ(Box->SelCount(), 1);
}

TEST_F(ListBoxInput, ClickedCheckBoxesAndSpaceSwitchCheckMarks) {
    Box->SetShowCheckBoxes(true);
    Box->SetAllowGrayed(true);
    const RECT Row = Box->GetItemRect(4);
    const POINT Check = Box->ClientToScreen(POINT{Row.left + 7, (Row.top + Row.bottom) / 2});
    ClickAt(Check.x, Check.y);
    ASSERT_TRUE(PumpUntil([&] { return Box->CheckState(4) == TKsCheckBoxState::cbChecked; }));
    EXPECT_EQ(Box->ItemIndex(), 4);
    PressKey(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return Box->CheckState(4) == TKsCheckBoxState::cbGrayed; }));
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return Box->CheckState(4) == TKsCheckBoxState::cbUnchecked; }));
    // Clicking the text selects without switching the box.
    ClickItem(6);
    EXPECT_EQ(Box->CheckState(6), TKsCheckBoxState::cbUnchecked);
}

TEST_F(ListBoxInput, KeysMoveTheCurrentItemWithinTheListByAtLeastOneItemAPage) {
    Key(VK_DOWN, 1);
    Key(VK_UP, 0);
    Key(VK_UP, 0);
    EXPECT_EQ(Box->SelCount(), 1);
    EXPECT_TRUE(Box->Selected(0));
    Key(VK_NEXT, 11);
    Key(VK_END, 99);
    EXPECT_EQ(Box->TopIndex(), 88);
    EXPECT_EQ(Box->LastShown(), 99);
    Key(VK_DOWN, 99);
    Key(VK_PRIOR, 88);
    Key(VK_HOME, 0);
    EXPECT_EQ(Box->TopIndex(), 0);

    // A page of one item still moves by one.
    Box->SetItemHeight(150);
    EXPECT_EQ(Box->ScrollBar()->PageSize(), 1);
    Key(VK_NEXT, 1);
    Key(VK_PRIOR, 0);

    // Shift extends the selection in a MultiSelect list.
    Box->SetItemHeight(16);
    Box->SetMultiSelect(true);
    PressKeyWith(VK_SHIFT, VK_DOWN);
    PressKeyWith(VK_SHIFT, VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return Box->SelCount() == 3; })) << Box->SelCount();
}

TEST_F(ListBoxInput, KeysOnAnEmptyListDoNothing) {
    FillNumbered(0);
    Box->SetShowCheckBoxes(true);
    for (const WORD VirtualKey : {VK_UP, VK_DOWN, VK_SPACE, VK_RETURN, VK_PRIOR, VK_END})
        PressKey(VirtualKey);
    PumpMessagesFor(50);
    EXPECT_EQ(Box->ItemIndex(), -1);
    EXPECT_EQ(Box->Count(), 0);
}

TEST_F(ListBoxInput, ADragPastTheBottomScrollsAndSelectsUntilTheButtonIsReleased) {
    Box->SetMultiSelect(true);
    const POINT From = ItemPoint(1);
    MoveMouseTo(From.x, From.y);
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Box->ItemIndex() == 1; }));
    const POINT Below = Box->ClientToScreen(POINT{100, Box->Height() + 30});
    MoveMouseTo(Below.x, Below.y);
    ASSERT_TRUE(PumpUntil([&] { return Box->TopIndex() >= 5; })) << Box->TopIndex();
    EXPECT_EQ(Box->ItemIndex(), Box->LastShown());
    EXPECT_EQ(Box->SelCount(), Box->ItemIndex());
    ReleaseMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return !Box->ScrollBar()->Repeating(); }));
    const int Stopped = Box->TopIndex();
    PumpMessagesFor(100);
    EXPECT_EQ(Box->TopIndex(), Stopped);
}

TEST_F(ListBoxInput, ADragPastTheBottomStopsAtTheLastItem) {
    FillNumbered(20);
    const POINT From = ItemPoint(0);
    MoveMouseTo(From.x, From.y);
    PressMouse(VK_LBUTTON);
    const POINT Below = Box->ClientToScreen(POINT{100, Box->Height() + 30});
    MoveMouseTo(Below.x, Below.y);
    // With the button still held the list stops at its end, the last item current.
    EXPECT_TRUE(PumpUntil([&] {
        return Box->TopIndex() == 8 && Box->ItemIndex() == 19 && !Box->ScrollBar()->Repeating();
    })) << Box->TopIndex()
        << " " << Box->ItemIndex();
    ReleaseMouse(VK_LBUTTON);
}

TEST_F(ListBoxInput, APointerOverTheBorderWithoutAButtonScrollsNothing) {
    Box->SetTopIndex(10);
    const POINT Top = Box->ClientToScreen(POINT{100, 1});
    const POINT Bottom = Box->ClientToScreen(POINT{100, Box->Height() - 1});
    MoveMouseTo(Top.x, Top.y);
    MoveMouseTo(Bottom.x, Bottom.y);
    MoveMouseTo(Top.x, Top.y);
    PumpMessagesFor(50);
    EXPECT_FALSE(Box->ScrollBar()->Repeating());
    EXPECT_EQ(Box->TopIndex(), 10);
    EXPECT_EQ(Box->ItemIndex(), 0);
}

TEST_F(ListBoxInput, TheWheelScrollsByTheSystemsLinesAPageOrToTheEnd) {
    const POINT Inside = ItemPoint(3);
    MoveMouseTo(Inside.x, Inside.y);
    SetWheelLines(3);
    TurnWheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return Box->TopIndex() == 3; })) << Box->TopIndex();
    TurnWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return Box->TopIndex() == 0; })) << Box->TopIndex();
    // "One screen at a time" turns a page of what the box shows.
    SetWheelLines(WHEEL_PAGESCROLL);
    TurnWheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return Box->TopIndex() == 12; })) << Box->TopIndex();
    // More lines than a notch has units scroll, never divide by zero.
    SetWheelLines(500);
    TurnWheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return Box->TopIndex() == 88; })) << Box->TopIndex();
}

TEST_F(ListBoxInput, AHundredThousandItemsScrollAndPaint) {
    FillNumbered(100000);
    EXPECT_EQ(Box->ScrollBar()->Max(), 99999);
    Key(VK_END, 99999);
    EXPECT_EQ(Box->TopIndex(), 100000 - 12);
    Box->Repaint();
    const RECT Last = Box->GetItemRect(99999);
    EXPECT_EQ(SurfacePixel(Box->Surface(), Last.right - 2, Last.top + 2) & 0xFFFFFFu,
              ColorToKsColor(clHighlight, 255) & 0xFFFFFFu);
    const POINT Inside = ItemPoint(99995);
    MoveMouseTo(Inside.x, Inside.y);
    SetWheelLines(3);
    TurnWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return Box->TopIndex() == 100000 - 15; })) << Box->TopIndex();
    Key(VK_HOME, 0);
    Box->Items()->Delete(0);
    EXPECT_EQ(Box->Count(), 99999);
}

} // namespace
