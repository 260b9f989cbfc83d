// The list box's items and the states kept beside them: check marks, disabled items and
// selections stay with their strings through inserts, deletes, exchanges, sorted additions,
// sorting and clearing; the current item, the anchor and the hot item stay inside the list;
// the selection follows the current item and the anchor; check boxes cycle through their
// states.
#include "ListBoxTestSupport.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "skin/controls/KsScrollBars.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using enum TKsCheckBoxState;

class ListBoxItems : public ListBoxTest {
protected:
    void SetUp() override { SetUpBox(150, 100); }

    // Marks the item holding Text checked, disabled or selected.
    void Mark(const std::string& Text, TKsCheckBoxState Check, bool Enabled, bool Selected) {
        const int Index = Box->Items()->IndexOf(Text);
        ASSERT_GE(Index, 0) << Text;
        Box->SetCheckState(Index, Check);
        Box->SetItemEnabled(Index, Enabled);
        Box->SetSelected(Index, Selected);
    }
    // Where each mark of Mark's is found now, by text.
    void ExpectMarks(const std::string& Text, TKsCheckBoxState Check, bool Enabled, bool Selected) {
        const int Index = Box->Items()->IndexOf(Text);
        ASSERT_GE(Index, 0) << Text;
        EXPECT_EQ(Box->CheckState(Index), Check) << Text;
        EXPECT_EQ(Box->ItemEnabled(Index), Enabled) << Text;
        EXPECT_EQ(Box->Selected(Index), Selected) << Text;
    }
    void MarkThree() {
        Mark("b", cbChecked, true, false);
        Mark("c", cbUnchecked, false, false);
        Mark("d", cbGrayed, true, true);
    }
    void ExpectThree() {
        ExpectMarks("a", cbUnchecked, true, false);
        ExpectMarks("b", cbChecked, true, false);
        ExpectMarks("c", cbUnchecked, false, false);
        ExpectMarks("d", cbGrayed, true, true);
    }
};

TEST_F(ListBoxItems, StatesStayWithTheirStringsThroughEveryChange) {
    Fill({"d", "c", "b", "a"});
    MarkThree();

    Box->Items()->Insert(0, "new");
    ExpectThree();
    ExpectMarks("new", cbUnchecked, true, false);
    Box->Items()->Delete(Box->Items()->IndexOf("new"));
    ExpectThree();
    Box->Items()->Exchange(0, 3);
    ExpectThree();
    Box->Items()->Exchange(1, 2);
    ExpectThree();

    Box->SetSorted(true);
    EXPECT_EQ(Box->Items()->Strings(0), "a");
    ExpectThree();
    // A sorted addition goes where it belongs; the others keep their marks.
    Box->Items()->Add("bb");
    EXPECT_EQ(Box->Items()->IndexOf("bb"), 2);
    ExpectThree();
    ExpectMarks("bb", cbUnchecked, true, false);
    // A duplicate that the sorted list ignores adds no state either.
    Box->Items()->Add("b");
    EXPECT_EQ(Box->Count(), 5);
    ExpectThree();

    Box->Items()->Delete(0);
    ExpectMarks("d", cbGrayed, true, true);
    Box->Items()->Clear();
    Box->Items()->Add("d");
    ExpectMarks("d", cbUnchecked, true, false);
}

TEST_F(ListBoxItems, IndexesStayInsideTheListAfterDeletions) {
    Fill({"a", "b", "c", "d"});
    Box->SetMultiSelect(true);
    Box->SetItemIndex(1);
    Box->SetItemIndex(3);
    ASSERT_EQ(Box->AnchorIndex(), 1);
    Box->HitTestItems(5, 2 + 16 * 3 + 8);
    ASSERT_EQ(Box->HotIndex(), 3);

    Box->Items()->Delete(3);
    EXPECT_EQ(Box->ItemIndex(), 2);
    EXPECT_EQ(Box->HotIndex(), -1);
    EXPECT_EQ(Box->AnchorIndex(), 1);
    // The anchor followed its string.
    Box->Items()->Delete(0);
    EXPECT_EQ(Box->AnchorIndex(), 0);
    EXPECT_EQ(Box->ItemIndex(), 1);
    Box->Items()->Delete(0);
    EXPECT_EQ(Box->AnchorIndex(), -1);
    EXPECT_EQ(Box->ItemIndex(), 0);
    Box->Items()->Delete(0);
    EXPECT_EQ(Box->ItemIndex(), -1);
    EXPECT_EQ(Box->Count(), 0);

    // Nothing to act on: nothing happens and nothing is read outside the list.
    Box->SetItemIndex(5);
    EXPECT_EQ(Box->ItemIndex(), -1);
    Box->ToggleCheck(-1);
    Box->SetSelected(-1, true);
    Box->SetCheckState(3, cbChecked);
    EXPECT_EQ(Box->SelCount(), 0);
    EXPECT_EQ(Box->CheckState(3), cbUnchecked);
}

TEST_F(ListBoxItems, TheCurrentItemFollowsItsStringAndTheFirstAdditionMakesOne) {
    EXPECT_EQ(Box->ItemIndex(), -1);
    Box->Items()->Add("first");
    EXPECT_EQ(Box->ItemIndex(), 0);
    Fill({"b", "c"});
    Box->SetItemIndex(2);
    Box->Items()->Insert(0, "before");
    EXPECT_EQ(Box->ItemIndex(), 3);
    EXPECT_EQ(Box->Items()->Strings(Box->ItemIndex()), "c");
    Box->Items()->Exchange(3, 0);
    EXPECT_EQ(Box->ItemIndex(), 0);
    Box->SetSorted(true);
    EXPECT_EQ(Box->Items()->Strings(Box->ItemIndex()), "c");
    // Past the end means the last item; below -1 the first.
    Box->SetItemIndex(99);
    EXPECT_EQ(Box->ItemIndex(), 3);
    Box->SetItemIndex(-7);
    EXPECT_EQ(Box->ItemIndex(), 0);
}

TEST_F(ListBoxItems, SelectionIsTheCurrentItemOrTheRangeFromTheAnchor) {
    Fill({"a", "b", "c", "d", "e"});
    Box->SetItemIndex(1);
    Box->SetItemIndex(3);
    EXPECT_EQ(Box->SelCount(), 1);
    EXPECT_TRUE(Box->Selected(3));

    Box->SetMultiSelect(true);
    EXPECT_EQ(Box->SelCount(), 0);
    Box->SetItemIndex(4);
    // The anchor stayed at the first item made current.
    EXPECT_EQ(Box->SelCount(), 4);
    EXPECT_FALSE(Box->Selected(0));
    Box->SetItemIndex(-1);
    EXPECT_EQ(Box->SelCount(), 0);
    EXPECT_EQ(Box->AnchorIndex(), -1);
}

TEST_F(ListBoxItems, CheckBoxesCycleThroughTwoOrThreeStates) {
    Fill({"a", "b"});
    Box->ToggleCheck(0);
    EXPECT_EQ(Box->CheckState(0), cbChecked);
    Box->ToggleCheck(0);
    EXPECT_EQ(Box->CheckState(0), cbUnchecked);

    Box->SetAllowGrayed(true);
    std::vector<TKsCheckBoxState> Seen;
    for (int I = 0; I < 3; ++I) {
        Box->ToggleCheck(0);
        Seen.push_back(Box->CheckState(0));
    }
    EXPECT_EQ(Seen, (std::vector{cbChecked, cbGrayed, cbUnchecked}));

    Box->SetCheckState(1, cbGrayed);
    Box->SetAllowGrayed(false);
    EXPECT_EQ(Box->CheckState(1), cbChecked);

    // A disabled item's box does not change.
    Box->SetItemEnabled(1, false);
    Box->ToggleCheck(1);
    EXPECT_EQ(Box->CheckState(1), cbChecked);
}

TEST_F(ListBoxItems, AssignedAndReadItemsLoseNoEntry) {
    TStringList Source;
    Source.Add("截图");
    Source.Add("Snapvale");
    Box->SetItems(&Source);
    ASSERT_EQ(Box->Count(), 2);
    EXPECT_EQ(Box->Items()->Strings(0), "截图");
    EXPECT_EQ(Box->ItemIndex(), 0);
    EXPECT_EQ(Box->CheckState(1), cbUnchecked);
}

TEST_F(ListBoxItems, UpdatesWaitForTheLastEndUpdate) {
    Box->Items()->BeginUpdate();
    for (int I = 0; I < 50; ++I)
        Box->Items()->Add(std::to_string(I));
    EXPECT_EQ(Box->ScrollBar()->Max(), 0);
    Box->Items()->EndUpdate();
    EXPECT_EQ(Box->ScrollBar()->Max(), 49);
    EXPECT_TRUE(Box->ScrollBarShown());
}

TEST(ListBoxLayouts, ItemsAreReadBackButFilledListsAreNotWritten) {
    RegisterSkinControls();
    TForm Root(nullptr);
    Root.SetName("Holder");
    ReadLayout("object Holder: TForm\n"
               "  object Plain: TKsListBox\n"
               "    Sorted = True\n"
               "    Items.Strings = (\n      '截图'\n      'b'\n      'a')\n"
               "  end\n"
               "  object Colours: TKsListBox\n"
               "    ListStyle = lbColorNames\n"
               "  end\n"
               "end\n",
               &Root);
    auto* Plain = dynamic_cast<TKsListBox*>(Root.FindComponent("Plain"));
    auto* Colours = dynamic_cast<TKsListBox*>(Root.FindComponent("Colours"));
    ASSERT_TRUE(Plain && Colours);
    ASSERT_EQ(Plain->Count(), 3);
    EXPECT_EQ(Plain->Items()->Strings(0), "a");
    EXPECT_GT(Colours->Count(), 40);
    const std::string Written = WriteLayout(&Root);
    EXPECT_NE(Written.find("'截图'"), std::string::npos) << Written;
    EXPECT_EQ(Written.find("clMaroon"), std::string::npos) << Written;
}

} // namespace
