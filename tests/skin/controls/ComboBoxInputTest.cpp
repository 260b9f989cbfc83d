// The combo box under real input (SendInput on the Wine desktop): the button opens the list
// below the combo, a click on an item or Enter takes it, Escape keeps the current item, a
// click elsewhere closes the list, Alt+Down and F4 open it, the drop-down-list style steps
// with keys and the wheel firing OnChange each time, typed text is completed but not after
// Backspace, and the owner form keeps its active caption while the list is open.
#include "ComboBoxTestSupport.h"

#include "framework/core/TextConv.h"
#include "skin/controls/KsComboWindow.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/forms/KsForms.h"
#include "tests/support/UserInput.h"

namespace {

class ComboBoxInput : public ComboBoxTest {
protected:
    void SetUp() override {
        ComboBoxTest::SetUp();
        FillNumbered(30);
        BringForward(*Form);
        Combo->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Combo->Handle(); }));
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        ComboBoxTest::TearDown();
    }
    POINT ButtonPoint() const {
        const RECT Button = Combo->GetButtonRect();
        return Combo->ClientToScreen(
            POINT{(Button.left + Button.right) / 2, (Button.top + Button.bottom) / 2});
    }
    void ClickButton() {
        const POINT At = ButtonPoint();
        ClickAt(At.x, At.y);
    }
    bool WaitDropped(bool Dropped) {
        return PumpUntil([&] { return Combo->DroppedDown() == Dropped; });
    }
    // The screen rectangles of the combo and of its open list's window.
    RECT ComboRect() const {
        RECT Rect{};
        GetWindowRect(Combo->Handle(), &Rect);
        return Rect;
    }
    RECT DropRect() const {
        RECT Rect{};
        GetWindowRect(Combo->DropWindow()->Handle(), &Rect);
        return Rect;
    }
    // The screen point in the middle of item Index in the open list.
    POINT ListItemPoint(int Index) const {
        TKsCustomListBox* List = Combo->ListBox();
        const RECT Row = List->GetItemRect(Index);
        EXPECT_FALSE(IsRectEmpty(&Row)) << Index;
        return List->ClientToScreen(POINT{(Row.left + Row.right) / 2, (Row.top + Row.bottom) / 2});
    }
};

TEST_F(ComboBoxInput, TheButtonOpensTheListBelowAndAClickedItemIsTaken) {
    ClickButton();
    ASSERT_TRUE(WaitDropped(true));
    EXPECT_EQ(DropRect().top, ComboRect().bottom);
    EXPECT_EQ(DropRect().left, ComboRect().left);
    EXPECT_TRUE(Combo->ButtonPressed());
    const POINT Item = ListItemPoint(3);
    ClickAt(Item.x, Item.y);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(Combo->ItemIndex(), 3);
    EXPECT_EQ(Combo->Text(), "item 3");
    EXPECT_FALSE(Combo->ButtonPressed());
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Combo->Handle(); }));
    EXPECT_EQ(CloseUps, 1);
}

TEST_F(ComboBoxInput, EscapeKeepsTheItemAndEnterTakesTheListsItem) {
    Combo->SetItemIndex(5);
    PressKeyWith(VK_MENU, VK_DOWN);
    ASSERT_TRUE(WaitDropped(true));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ListBox()->ItemIndex() == 7; }));
    EXPECT_TRUE(Combo->DroppedDown()) << "stepping through the list picks nothing";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(Combo->ItemIndex(), 5);

    PressKey(VK_F4);
    ASSERT_TRUE(WaitDropped(true));
    EXPECT_EQ(Combo->ListBox()->ItemIndex(), 5);
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(Combo->ItemIndex(), 4);
    EXPECT_EQ(Combo->Text(), "item 4");
}

TEST_F(ComboBoxInput, AClickElsewhereClosesTheListAndTheOwnerKeepsItsActiveCaption) {
    ClickButton();
    ASSERT_TRUE(WaitDropped(true));
    // The form's caption is drawn active although the list's window is the active one.
    EXPECT_EQ(GetActiveWindow(), Combo->DropWindow()->Handle());
    TForm Other(nullptr);
    Other.SetBounds(Form->Left() + Form->Width() + 20, Form->Top(), 200, 150);
    Other.Show();
    PumpMessagesFor(30);
    if (Combo->DroppedDown()) {
        const POINT At = Other.ClientToScreen(POINT{50, 50});
        ClickAt(At.x, At.y);
    }
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(CloseUps, 1);
    EXPECT_EQ(Combo->ListBox()->Parent(), Combo);
}

TEST_F(ComboBoxInput, TheButtonLightsUnderThePointerAndSpacePicksTheSameItemAgain) {
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    const POINT At = ButtonPoint();
    MoveMouseTo(At.x, At.y);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ButtonHot(); }));
    const POINT Text = Combo->ClientToScreen(POINT{20, 8});
    MoveMouseTo(Text.x, Text.y);
    ASSERT_TRUE(PumpUntil([&] { return !Combo->ButtonHot(); }));
    // A pick of the item shown is a pick all the same: one change, then closed.
    Changes = 0;
    PressKey(VK_F4);
    ASSERT_TRUE(WaitDropped(true));
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(ComboBoxInput, TheSkinnedFrameOfTheFormStaysActiveWhileTheListIsOpen) {
    // The frame takes the form over while it is hidden, and sees it activated.
    Form->Hide();
    auto* Frame = new TKsCustomForm(Form.get());
    Frame->Loaded();
    BringForward(*Form);
    Combo->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Frame->CaptionActive(); }));
    ClickButton();
    ASSERT_TRUE(WaitDropped(true));
    PumpMessagesFor(30);
    EXPECT_TRUE(Frame->CaptionActive());
    EXPECT_NE(GetActiveWindow(), Form->Handle());
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == Form->Handle(); }));
    EXPECT_TRUE(Frame->CaptionActive());
}

TEST_F(ComboBoxInput, AClickOnTheButtonOfAnOpenListClosesIt) {
    ClickButton();
    ASSERT_TRUE(WaitDropped(true));
    ClickButton();
    ASSERT_TRUE(WaitDropped(false));
    PumpMessagesFor(50);
    EXPECT_FALSE(Combo->DroppedDown());
}

TEST_F(ComboBoxInput, TheListStyleStepsWithKeysAndTheWheelFiringOnChangeEachTime) {
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Changes = 0;
    PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 1; }));
    EXPECT_EQ(Changes, 1);
    PressKey(VK_NEXT);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 4; }));
    PressKey(VK_END);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 29; }));
    PressKey(VK_HOME);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 0; }));
    EXPECT_EQ(Changes, 4);
    // Typing changes nothing in this style.
    TypeText(L"xyz");
    PumpMessagesFor(50);
    EXPECT_EQ(Combo->Text(), "item 0");
    const POINT Inside = Combo->ClientToScreen(POINT{20, 8});
    MoveMouseTo(Inside.x, Inside.y);
    TurnWheel(-WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 1; }));
    TurnWheel(-2 * WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 3; }));
    TurnWheel(WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 2; }));
    EXPECT_EQ(Changes, 7);
}

TEST_F(ComboBoxInput, AClickOnTheTextOfTheListStyleOpensTheList) {
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    const POINT Inside = Combo->ClientToScreen(POINT{20, 8});
    ClickAt(Inside.x, Inside.y);
    ASSERT_TRUE(WaitDropped(true));
    const POINT Item = ListItemPoint(2);
    Changes = 0;
    ClickAt(Item.x, Item.y);
    ASSERT_TRUE(WaitDropped(false));
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Changes, 1);
}

TEST_F(ComboBoxInput, TypingIsCompletedButBackspaceIsNot) {
    Fill({"Snapvale", "Snow", "Sun"});
    Combo->SetAutoComplete(true);
    Combo->SetText("");
    TypeText(L"sna");
    ASSERT_TRUE(PumpUntil([&] { return Combo->Text() == "Snapvale"; })) << Combo->Text();
    EXPECT_EQ(Combo->SelText(), "pvale");
    PressKey(VK_BACK);
    PumpMessagesFor(3 * TKsCustomComboBox::CompleteDelay);
    EXPECT_EQ(Combo->Text(), "Sna");
    // Typing on over the completed part completes again.
    TypeText(L"p");
    ASSERT_TRUE(PumpUntil([&] { return Combo->Text() == "Snapvale"; })) << Combo->Text();
}

TEST_F(ComboBoxInput, AComboNearTheBottomOfItsWorkAreaOpensItsListAbove) {
    RECT WorkArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
    Form->SetBounds(Form->Left(), WorkArea.bottom - 80, Form->Width(), 80);
    PumpMessagesFor(30);
    ClickButton();
    ASSERT_TRUE(WaitDropped(true));
    EXPECT_EQ(DropRect().bottom, ComboRect().top);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitDropped(false));
}

TEST_F(ComboBoxInput, PressesOnTheButtonNeverReachTheHostsMinimiseHandling) {
    for (int I = 0; I < 2; ++I) {
        const POINT At = ButtonPoint();
        MoveMouseTo(At.x, At.y);
        PressMouse(VK_LBUTTON);
        ReleaseMouse(VK_LBUTTON);
        PumpMessagesFor(30);
        Combo->CloseUp();
    }
    PumpMessagesFor(30);
    EXPECT_FALSE(IsIconic(Combo->Handle()));
    EXPECT_FALSE(IsIconic(Form->Handle()));
    EXPECT_TRUE(IsWindowVisible(Combo->Handle()));
}

} // namespace
