// The combo box without real input: its button and text geometry, the current item kept
// inside the items, the two styles and switching between them, completion of typed text,
// where the drop-down window goes, its opening and closing from code, the list given back
// silently when the combo is freed, and no windows or GDI objects left after many cycles.
#include "ComboBoxTestSupport.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/windows/Application.h"
#include "skin/controls/KsComboWindow.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/graphics/KsBitmap.h"
#include "tests/support/UserInput.h"

namespace {

TEST_F(ComboBoxTest, TheButtonTakesItsWidthFromTheTextOnEitherSide) {
    Combo->HandleNeeded();
    const RECT Text = Combo->GetTextRect();
    RECT Button = Combo->GetButtonRect();
    EXPECT_EQ(Button.left, Text.right + 2);
    EXPECT_EQ(Button.right - Button.left, Combo->GetButtonWidth());
    EXPECT_EQ(Text.right, Combo->Width() - 2 - 15 - 2);
    Combo->SetButtonAlign(TKsComboButtonAlign::cbaLeft);
    const RECT LeftText = Combo->GetTextRect();
    Button = Combo->GetButtonRect();
    EXPECT_EQ(LeftText.left, 2 + 15 + 2);
    EXPECT_EQ(Button.right, LeftText.left - 2);
    EXPECT_EQ(Button.left, 2);
}

TEST_F(ComboBoxTest, ItemIndexStaysInsideTheItemsWhateverHappensToThem) {
    Combo->SetItemIndex(3);
    EXPECT_EQ(Combo->Text(), "cherry");
    Combo->SetItemIndex(99);
    EXPECT_EQ(Combo->ItemIndex(), 4);
    Combo->SetItemIndex(-7);
    EXPECT_EQ(Combo->ItemIndex(), 0);
    Combo->SetItemIndex(4);
    Combo->Items()->Delete(4);
    EXPECT_EQ(Combo->ItemIndex(), 3);
    Combo->Items()->Clear();
    EXPECT_EQ(Combo->ItemIndex(), -1);
    Combo->SetItemIndex(2);
    EXPECT_EQ(Combo->ItemIndex(), -1);
}

TEST_F(ComboBoxTest, TheListStyleShowsTheCurrentItemAndFiresOnlyRealChanges) {
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(Combo->Text(), "apple");
    EXPECT_TRUE(Combo->ReadOnly());
    Combo->SetItemIndex(2);
    EXPECT_EQ(Combo->Text(), "banana");
    EXPECT_EQ(Changes, 1);
    Combo->SetItemIndex(2);
    EXPECT_EQ(Changes, 1);
    // The items going leaves no item to show, and nothing is painted for it.
    Combo->Items()->Clear();
    EXPECT_EQ(Combo->Text(), "");
    Combo->Repaint();
}

TEST_F(ComboBoxTest, SettingTheListStyleTwiceStillGivesTheEditBackItsReadOnly) {
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Combo->SetComboStyle(TKsComboStyle::kcsDropDown);
    EXPECT_FALSE(Combo->ReadOnly());
    Combo->SetReadOnly(true);
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Combo->SetComboStyle(TKsComboStyle::kcsDropDown);
    EXPECT_TRUE(Combo->ReadOnly());
}

TEST_F(ComboBoxTest, TypedTextIsCompletedAfterAPauseWithOnlyTheCompletedPartSelected) {
    Combo->SetAutoComplete(true);
    Combo->SetText("APR");
    EXPECT_EQ(Combo->Text(), "APR") << "nothing before the pause";
    ASSERT_TRUE(PumpUntil([&] { return Combo->Text() == "apricot"; })) << Combo->Text();
    EXPECT_EQ(Combo->SelStart(), 3);
    EXPECT_EQ(Combo->SelLength(), 4);
    EXPECT_EQ(Combo->SelText(), "icot");
    // Shorter text was deleted: it stays as it is.
    Combo->SetText("ap");
    PumpMessagesFor(3 * TKsCustomComboBox::CompleteDelay);
    EXPECT_EQ(Combo->Text(), "ap");
    // Text no item starts with stays too.
    Combo->SetText("apz");
    PumpMessagesFor(3 * TKsCustomComboBox::CompleteDelay);
    EXPECT_EQ(Combo->Text(), "apz");
}

TEST_F(ComboBoxTest, WithoutAutoCompleteNothingIsCompleted) {
    Combo->SetText("ban");
    PumpMessagesFor(3 * TKsCustomComboBox::CompleteDelay);
    EXPECT_EQ(Combo->Text(), "ban");
}

TEST(ComboBoxLayouts, ReadAStoredCurrentItemOfEitherStyleAndWriteItBack) {
    RegisterSkinControls();
    TForm Root(nullptr);
    Root.SetName("Holder");
    ReadLayout("object Holder: TForm\n"
               "  object Picker: TKsComboBox\n"
               "    ComboStyle = kcsDropDownList\n"
               "    ItemIndex = 1\n"
               "    Items.Strings = (\n      '截图'\n      'Snapvale')\n"
               "  end\n"
               "  object Typed: TKsComboBox\n"
               "    AutoComplete = True\n"
               "    ButtonAlign = cbaLeft\n"
               "    Text = 'free text'\n"
               "    ItemIndex = 7\n"
               "  end\n"
               "end\n",
               &Root);
    auto* Picker = dynamic_cast<TKsComboBox*>(Root.FindComponent("Picker"));
    auto* Typed = dynamic_cast<TKsComboBox*>(Root.FindComponent("Typed"));
    ASSERT_TRUE(Picker && Typed);
    // The index was read before the items and still finds its item.
    EXPECT_EQ(Picker->ItemIndex(), 1);
    EXPECT_EQ(Picker->Text(), "Snapvale");
    EXPECT_TRUE(Picker->ReadOnly());
    // An index beyond the items reads as none.
    EXPECT_EQ(Typed->ItemIndex(), -1);
    EXPECT_EQ(Typed->Text(), "free text");
    EXPECT_EQ(Typed->ButtonAlign(), TKsComboButtonAlign::cbaLeft);
    const std::string Written = WriteLayout(&Root);
    for (const char* Expected : {"ComboStyle = kcsDropDownList", "ItemIndex = 1", "'截图'",
                                 "AutoComplete = True", "ButtonAlign = cbaLeft"})
        EXPECT_NE(Written.find(Expected), std::string::npos) << Expected << "\n" << Written;
    // Neither the default style nor "no item" is written.
    EXPECT_EQ(Written.find("kcsDropDown\n"), std::string::npos) << Written;
    EXPECT_EQ(Written.find("ItemIndex = -1"), std::string::npos) << Written;
}

TEST(ComboDropDownPlacement, BelowAboveOrWhereThereIsMoreRoomInsideTheWorkArea) {
    const RECT Area{1000, 0, 2000, 700};
    // Room below.
    RECT Bounds = ComboDropDownBounds(RECT{1100, 100, 1300, 121}, 124, Area);
    EXPECT_EQ(Bounds.top, 121);
    EXPECT_EQ(Bounds.bottom, 245);
    EXPECT_EQ(Bounds.left, 1100);
    EXPECT_EQ(Bounds.right, 1300);
    // No room below: above.
    Bounds = ComboDropDownBounds(RECT{1100, 650, 1300, 671}, 124, Area);
    EXPECT_EQ(Bounds.bottom, 650);
    EXPECT_EQ(Bounds.top, 526);
    // Past the right edge of the area: pulled back inside it, and past the left too.
    Bounds = ComboDropDownBounds(RECT{1900, 100, 2100, 121}, 124, Area);
    EXPECT_EQ(Bounds.right, 2000);
    Bounds = ComboDropDownBounds(RECT{900, 100, 1100, 121}, 124, Area);
    EXPECT_EQ(Bounds.left, 1000);
    // Room on neither side: the roomier one, cut to fit.
    Bounds = ComboDropDownBounds(RECT{1100, 400, 1300, 421}, 600, Area);
    EXPECT_EQ(Bounds.top, 0);
    EXPECT_EQ(Bounds.bottom, 400);
}

TEST_F(ComboBoxTest, TheListDropsIntoItsWindowAndComesBackWhenItClosesUp) {
    BringForward(*Form);
    TKsCustomListBox* List = Combo->ListBox();
    Combo->SetItemIndex(2);
    Combo->OpenDropDown();
    ASSERT_TRUE(Combo->DroppedDown());
    TKsComboWindow* Window = Combo->DropWindow();
    EXPECT_EQ(List->Parent(), Window);
    EXPECT_TRUE(List->Visible());
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Window->Width(), Combo->Width());
    const LONG_PTR ExStyle = GetWindowLongPtrW(Window->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ExStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrW(Window->Handle(), GWL_STYLE) & WS_CAPTION);
    Combo->CloseUp();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(List->Parent(), Combo);
    EXPECT_FALSE(List->Visible());
    EXPECT_EQ(CloseUps, 1);
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, DropDownCountAndItemHeightBelowOneStillShowAnItem) {
    BringForward(*Form);
    Combo->SetDropDownCount(0);
    Combo->SetItemHeight(-5);
    Combo->OpenDropDown();
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_GT(Combo->DropWindow()->Height(), 0);
    Combo->CloseUp();
}

TEST_F(ComboBoxTest, FreedWhileDroppedDownTheComboFiresNothingAndTakesNoFocus) {
    BringForward(*Form);
    Combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Combo->OpenDropDown();
    ASSERT_TRUE(Combo->DroppedDown());
    Changes = 0;
    delete Combo;
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(CloseUps, 0);
    PumpMessagesFor(50);
}

TEST_F(ComboBoxTest, ClosingUpInAHiddenFormDoesNotTryToFocusTheCombo) {
    BringForward(*Form);
    Combo->OpenDropDown();
    ASSERT_TRUE(Combo->DroppedDown());
    Form->Hide();
    Combo->CloseUp();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_NE(GetFocus(), Combo->Handle());
    // Closed already: closing again takes the focus from nobody.
    Form->Show();
    const HWND Other = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 100, 50, 20,
                                       Form->Handle(), nullptr, nullptr, nullptr);
    ::SetFocus(Other);
    Combo->CloseUp();
    EXPECT_EQ(GetFocus(), Other);
    EXPECT_EQ(CloseUps, 2);
    DestroyWindow(Other);
}

TEST_F(ComboBoxTest, TwoHundredOpeningsLeaveNoWindowsOrGdiObjectsBehind) {
    BringForward(*Form);
    FillNumbered(1000);
    const auto Cycle = [&] {
        Combo->OpenDropDown();
        Combo->ListBox()->Repaint();
        Combo->CloseUp();
        Application->ProcessMessages();
    };
    for (int I = 0; I < 3; ++I)
        Cycle();
    PumpMessagesFor(20);
    const int WindowsBefore = ThreadWindowCount();
    const unsigned SlotBefore = NextGdiSlot();
    for (int I = 0; I < 200; ++I)
        Cycle();
    PumpMessagesFor(20);
    EXPECT_EQ(ThreadWindowCount(), WindowsBefore);
    EXPECT_LT(NextGdiSlot(), SlotBefore + 50);
    EXPECT_EQ(CloseUps, 203);
}

} // namespace
