// The list box's geometry: scroll ranges and page sizes for items alike and unlike, the
// items shown from a top item (an item taller than the view included), where the list stands
// to show an item, columns, the scroll bar's visibility in a box, hit testing, and lines of
// Latin and Chinese text broken by characters.
#include "ListBoxTestSupport.h"

#include "skin/controls/KsListBoxGeometry.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsTextWrap.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TKsItemHeights HeightsOf(std::vector<int> Heights) {
    return TKsItemHeights::Measured(
        [Heights](int Index) { return Heights[static_cast<size_t>(Index)]; });
}

TEST(ListBoxGeometry, ItemsAlikeScrollByPagesOfWholeItems) {
    const TKsItemHeights Sixteen = TKsItemHeights::Fixed(16);
    const TKsListRange Range = SingleColumnRange(10, 90, Sixteen);
    EXPECT_EQ(Range.Max, 9);
    EXPECT_EQ(Range.PageSize, 5);
    EXPECT_EQ(SingleColumnRange(0, 90, Sixteen).PageSize, 0);
    // An item height of 0 or less counts as 1: no division by it.
    EXPECT_EQ(SingleColumnRange(3, 90, TKsItemHeights::Fixed(0)).PageSize, 90);
    EXPECT_EQ(SingleColumnRange(3, 90, TKsItemHeights::Fixed(-4)).PageSize, 90);
    EXPECT_EQ(LastShownItem(2, 10, 90, Sixteen), 6);
    EXPECT_EQ(LastShownItem(8, 10, 90, Sixteen), 9);
}

TEST(ListBoxGeometry, ItemsUnlikeEndTheRangeWhereTheRestFits) {
    const TKsItemHeights Heights = HeightsOf({30, 30, 30, 50, 20, 20});
    const TKsListRange Range = SingleColumnRange(6, 90, Heights);
    EXPECT_EQ(Range.PageSize, 0);
    EXPECT_EQ(Range.Max, 3); // 50 + 20 + 20 fits, 30 more does not
    EXPECT_EQ(LastShownItem(0, 6, 90, Heights), 2);
    EXPECT_EQ(LastShownItem(3, 6, 90, Heights), 5);
    EXPECT_EQ(TopShowing(4, 0, 6, 90, Heights), 3);
    EXPECT_EQ(TopShowing(1, 3, 6, 90, Heights), 1);
    EXPECT_EQ(TopShowing(2, 1, 6, 90, Heights), 1);
}

TEST(ListBoxGeometry, AnItemTallerThanTheViewIsShownAloneFromItsTop) {
    const TKsItemHeights Heights = HeightsOf({20, 200, 20});
    EXPECT_EQ(SingleColumnRange(3, 90, Heights).Max, 2);
    EXPECT_EQ(LastShownItem(1, 3, 90, Heights), 1);
    EXPECT_EQ(TopShowing(1, 0, 3, 90, Heights), 1);
    EXPECT_EQ(TopShowing(2, 0, 3, 90, Heights), 2);
}

TEST(ListBoxGeometry, ColumnsStackItemsAndGiveATallItemAColumnOfItsOwn) {
    EXPECT_EQ(ColumnStarts(10, 50, TKsItemHeights::Fixed(16)), (std::vector{0, 3, 6, 9}));
    EXPECT_EQ(ColumnStarts(3, 5, TKsItemHeights::Fixed(16)), (std::vector{0, 1, 2}));
    EXPECT_TRUE(ColumnStarts(0, 50, TKsItemHeights::Fixed(16)).empty());
    const std::vector<int> Starts = ColumnStarts(5, 50, HeightsOf({20, 20, 80, 10, 30}));
    EXPECT_EQ(Starts, (std::vector{0, 2, 3}));
    EXPECT_EQ(ColumnOf(Starts, 0), 0);
    EXPECT_EQ(ColumnOf(Starts, 2), 1);
    EXPECT_EQ(ColumnOf(Starts, 4), 2);
}

// Every character 10 pixels wide.
std::vector<int> EvenExtents(const std::u32string& Text) {
    std::vector<int> Extents;
    for (size_t I = 0; I <= Text.size(); ++I)
        Extents.push_back(static_cast<int>(I) * 10);
    return Extents;
}

std::vector<std::u32string> Wrapped(const std::u32string& Text, int Width) {
    std::vector<std::u32string> Lines;
    for (const TKsTextLine& Line : KsWrapText(Text, EvenExtents(Text), Width))
        Lines.push_back(Text.substr(static_cast<size_t>(Line.Start),
                                    static_cast<size_t>(Line.End - Line.Start)));
    return Lines;
}

TEST(ListBoxGeometry, TextBreaksBetweenWordsAndBetweenChineseCharacters) {
    using Lines = std::vector<std::u32string>;
    EXPECT_EQ(Wrapped(U"one two three", 70), (Lines{U"one two", U"three"}));
    EXPECT_EQ(Wrapped(U"截图工具很好用", 30), (Lines{U"截图工", U"具很好", U"用"}));
    // Closing punctuation stays with the character before it.
    EXPECT_EQ(Wrapped(U"截图，好", 20), (Lines{U"截", U"图，", U"好"}));
    // A word wider than the line is cut by characters, never inside a character.
    EXPECT_EQ(Wrapped(U"abcdefg", 30), (Lines{U"abc", U"def", U"g"}));
    EXPECT_EQ(Wrapped(U"\U0001F600\U0001F600\U0001F600", 20),
              (Lines{U"\U0001F600\U0001F600", U"\U0001F600"}));
    EXPECT_EQ(Wrapped(U"line\r\nnext", 200), (Lines{U"line", U"next"}));
    EXPECT_EQ(Wrapped(U"", 50), (Lines{U""}));
    // Even a line too narrow for one character holds one.
    EXPECT_EQ(Wrapped(U"ab", 3), (Lines{U"a", U"b"}));
}

class ListBoxLayout : public ListBoxTest {
protected:
    // 90 pixels inside the two-pixel border.
    void SetUp() override { SetUpBox(150, 94); }

public:
    void MeasureTwentyOrForty(TWinControl*, int Index, int& Height) {
        Height = Index % 2 == 0 ? 20 : 40;
    }
    void MeasureTallThird(TWinControl*, int Index, int& Height) { Height = Index == 2 ? 300 : 20; }
};

TEST_F(ListBoxLayout, TheBarShowsFromTheSixthItemOfHeightSixteen) {
    FillNumbered(5);
    EXPECT_EQ(Box->ScrollBar()->PageSize(), 5);
    EXPECT_FALSE(Box->ScrollBarShown());
    EXPECT_EQ(Box->GetItemWidth(), 146);
    Box->Items()->Add("sixth");
    EXPECT_TRUE(Box->ScrollBarShown());
    EXPECT_TRUE(Box->ScrollBar()->Enabled());
    EXPECT_EQ(Box->GetItemWidth(), 146 - Box->ScrollBar()->Width());
    EXPECT_TRUE(EqualRect(Box->ScrollBar()->BoundsRect(),
                          RECT{148 - Box->ScrollBar()->Width(), 2, 148, 92}));
    Box->Items()->Delete(5);
    EXPECT_FALSE(Box->ScrollBarShown());
    Box->SetAlwaysShowScrlBar(true);
    EXPECT_TRUE(Box->ScrollBarShown());
    EXPECT_FALSE(Box->ScrollBar()->Enabled());
}

TEST_F(ListBoxLayout, AScrolledListComesBackWhenItemsGo) {
    FillNumbered(30);
    Box->SetTopIndex(100);
    EXPECT_EQ(Box->TopIndex(), 25);
    EXPECT_EQ(Box->FirstShown(), 25);
    EXPECT_EQ(Box->LastShown(), 29);
    for (int I = 0; I < 10; ++I)
        Box->Items()->Delete(0);
    EXPECT_EQ(Box->TopIndex(), 15);
    EXPECT_EQ(Box->LastShown(), 19);
}

TEST_F(ListBoxLayout, ItemsOfOwnHeightsScrollByItemsAndTheLastEndsAtTheBottom) {
    Box->SetListStyle(TKsListBoxStyle::lbOwnerDrawVariable);
    Box->OnMeasureItem = MakeEvent(this, &ListBoxLayout::MeasureTwentyOrForty);
    FillNumbered(8); // 20, 40, 20, 40, ...
    EXPECT_EQ(Box->ScrollBar()->PageSize(), 0);
    EXPECT_EQ(Box->ScrollBar()->Max(), 6); // 20 + 40 fit into 90, 40 + 20 + 40 do not
    Box->SetItemIndex(7);
    EXPECT_EQ(Box->TopIndex(), 6);
    EXPECT_EQ(Box->LastShown(), 7);
    EXPECT_EQ(Box->GetItemTop(7), 2 + 20);
    EXPECT_EQ(Box->GetItemTop(3), -1);
}

TEST_F(ListBoxLayout, ATallItemMadeCurrentIsScrolledToWithoutEndlessSteps) {
    Box->SetListStyle(TKsListBoxStyle::lbOwnerDrawVariable);
    Box->OnMeasureItem = MakeEvent(this, &ListBoxLayout::MeasureTallThird);
    FillNumbered(5);
    Box->SetItemIndex(2);
    EXPECT_EQ(Box->TopIndex(), 2);
    EXPECT_EQ(Box->FirstShown(), 2);
    EXPECT_EQ(Box->LastShown(), 2);
    // The first item in view is painted, cut, even though it does not fit.
    const std::vector<TKsItemCell> Cells = Box->ItemsInView(false);
    ASSERT_EQ(Cells.size(), 1u);
    EXPECT_EQ(Cells[0].Index, 2);
    EXPECT_FALSE(Cells[0].Whole);
}

TEST_F(ListBoxLayout, ColumnsScrollSidewaysAndTheBarTakesItsHeightFromTheColumns) {
    Box->SetColumns(3);
    FillNumbered(15); // five of 16 pixels fit into 90: three columns, no bar
    EXPECT_FALSE(Box->ScrollBarShown());
    EXPECT_EQ(Box->ColumnHeight(), 90);
    EXPECT_EQ(Box->LastShown(), 14);
    Box->Items()->Add("one more");
    ASSERT_TRUE(Box->ScrollBarShown());
    EXPECT_EQ(Box->ScrollBar()->Kind(), TScrollBarKind::sbHorizontal);
    const int BarHeight = Box->ScrollBar()->Height();
    EXPECT_EQ(Box->ColumnHeight(), 90 - BarHeight);
    const int PerColumn = (90 - BarHeight) / 16;
    EXPECT_EQ(Box->ScrollBar()->Max(), (16 + PerColumn - 1) / PerColumn - 1);
    EXPECT_EQ(Box->ScrollBar()->PageSize(), 3);
    EXPECT_EQ(Box->GetItemWidth(), 146 / 3);

    Box->SetItemIndex(15);
    EXPECT_EQ(Box->TopIndex(), Box->ScrollBar()->Max() - 2);
    EXPECT_EQ(Box->LastShown(), 15);
    const RECT Last = Box->GetItemRect(15);
    EXPECT_EQ(Last.left, 2 + 2 * (146 / 3));
}

TEST_F(ListBoxLayout, HitTestsFindCheckBoxesTextsAndThePartlyShownLastItem) {
    Box->SetShowCheckBoxes(true);
    FillNumbered(10);
    // Row 1 is 18..34; its 13-pixel box is centred in the 15-pixel check column.
    Box->HitTestItems(2 + 1 + 6, 18 + 8);
    EXPECT_EQ(Box->HotCheck(), 1);
    EXPECT_EQ(Box->HotIndex(), -1);
    Box->HitTestItems(2 + 15 + 20, 18 + 8);
    EXPECT_EQ(Box->HotIndex(), 1);
    // The column's margin beside the box is neither.
    Box->HitTestItems(2, 18 + 8);
    EXPECT_EQ(Box->HotIndex(), -1);
    EXPECT_EQ(Box->HotCheck(), -1);
    // Item 5 starts at 82 and is cut at 92: not painted, but it can be pointed at.
    Box->HitTestItems(60, 88);
    EXPECT_EQ(Box->HotIndex(), 5);
    EXPECT_EQ(Box->ItemAtPos(POINT{60, 88}), 5);
    EXPECT_EQ(Box->ItemsInView(false).back().Index, 4);
    // The border is no item.
    Box->HitTestItems(60, 1);
    EXPECT_EQ(Box->HotIndex(), -1);
}

} // namespace
