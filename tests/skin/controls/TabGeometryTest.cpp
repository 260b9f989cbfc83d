// The tab control's geometry without a window: rows and their justification, the order of
// rows outward from the page with and without ScrollOpposite, tab and page rectangles on
// each side, the tab under a point where rows overlap, the scroll buttons and how far a row
// scrolls; and the control's own measures: the row thickness and tab widths from its font.
#include "ControlTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsTabLayout.h"
#include "skin/controls/KsTabs.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Rectangles compared and printed by the test framework; found beside RECT itself.
static bool operator==(const RECT& A, const RECT& B) {
    return EqualRect(A, B);
}

static void PrintTo(const RECT& Rect, std::ostream* Out) {
    *Out << "{" << Rect.left << ", " << Rect.top << ", " << Rect.right << ", " << Rect.bottom
         << "}";
}

namespace {

// Nine tabs of 60 pixels in a 200 x 200 control break into three rows of three (the edge
// leaves 196 pixels, each row gains 16: 5 for each tab and 1 more for its last).
TKsTabState ThreeRows(int TabIndex, bool ScrollOpposite = false,
                      TTabPosition Position = TTabPosition::tpTop) {
    TKsTabState State;
    State.Position = Position;
    State.MultiLine = true;
    State.ScrollOpposite = ScrollOpposite;
    State.Width = 200;
    State.Height = 200;
    State.Extent = 20;
    State.Widths.assign(9, 60);
    State.TabIndex = TabIndex;
    State.ButtonSize = 16;
    return State;
}

// Six tabs of 60 pixels in one row of a 200 x 100 control: more than fit.
TKsTabState OneLongRow(TTabPosition Position = TTabPosition::tpTop, int FirstTab = 0) {
    TKsTabState State;
    State.Position = Position;
    State.Width = 200;
    State.Height = 100;
    State.Extent = 20;
    State.Widths.assign(6, 60);
    State.TabIndex = 0;
    State.FirstTab = FirstTab;
    State.ButtonSize = 16;
    return State;
}

TEST(TabRows, RowsFillTheWholeLengthWithTheRemainderOnTheirLastTab) {
    const std::vector<TKsTabRow> Rows = LayoutRows({50, 50, 50, 50, 50}, 196);
    ASSERT_EQ(Rows.size(), 2u);
    EXPECT_EQ(Rows[0].LastTab, 2);
    EXPECT_EQ(Rows[0].Extra, 15); // 46 left over, 15 for each of three
    EXPECT_EQ(Rows[0].Remainder, 1);
    EXPECT_EQ(Rows[1].LastTab, 4);
    EXPECT_EQ(Rows[1].Extra, 48);
    EXPECT_EQ(Rows[1].Remainder, 0);

    TKsTabState State = ThreeRows(0);
    State.Widths = {50, 50, 50, 50, 50};
    const TKsTabLayout Layout(State);
    EXPECT_EQ(Layout.TabWidth(0), 65);
    EXPECT_EQ(Layout.TabWidth(2), 66);
    EXPECT_EQ(Layout.TabRect(2).right, 198); // the row ends one border in from the end
    EXPECT_EQ(Layout.TabRect(4).right, 198);
}

TEST(TabRows, RaggedRowsKeepTheNaturalWidths) {
    TKsTabState State = ThreeRows(0);
    State.Justified = false;
    const TKsTabLayout Layout(State);
    EXPECT_EQ(Layout.RowCount(), 3);
    EXPECT_EQ(Layout.TabWidth(2), 60);
    EXPECT_EQ(Layout.TabRect(2).right, 182);
}

TEST(TabRows, ATabLongerThanTheEdgeTakesARowOfItsOwn) {
    // The first tab alone is longer than the edge: no row may close empty before it.
    std::vector<TKsTabRow> Rows = LayoutRows({300, 50}, 196);
    ASSERT_EQ(Rows.size(), 2u);
    EXPECT_EQ(Rows[0].LastTab, 0);
    EXPECT_EQ(Rows[0].Extra, -104); // narrowed to the edge
    EXPECT_EQ(Rows[1].LastTab, 1);

    Rows = LayoutRows({50, 300, 50}, 196);
    ASSERT_EQ(Rows.size(), 3u);
    EXPECT_EQ(Rows[1].LastTab, 1);
    EXPECT_EQ(Rows[1].Extra, -104);

    Rows = LayoutRows({400, 400}, 196);
    ASSERT_EQ(Rows.size(), 2u);
    EXPECT_TRUE(LayoutRows({}, 196).empty());
}

TEST(TabRows, TheSelectedRowMovesNextToThePageAndEarlierRowsWrapBehind) {
    const TKsTabLayout First(ThreeRows(0));
    EXPECT_EQ(First.RowDistance(0), 1);
    EXPECT_EQ(First.RowDistance(2), 3);

    // A tab of the middle row: that row comes next to the page, the first row goes out.
    const TKsTabLayout Middle(ThreeRows(4));
    EXPECT_EQ(Middle.SelectedRow(), 1);
    EXPECT_EQ(Middle.RowDistance(1), 1);
    EXPECT_EQ(Middle.RowDistance(2), 2);
    EXPECT_EQ(Middle.RowDistance(0), 3);
    EXPECT_EQ(Middle.TabArea(), 62);
    EXPECT_EQ(Middle.TabRect(4), (RECT{67, 42, 132, 64}));
    EXPECT_EQ(Middle.TabRect(7), (RECT{67, 22, 132, 64})); // reaches behind the nearer row
    EXPECT_EQ(Middle.TabRect(1), (RECT{67, 2, 132, 64}));
    EXPECT_EQ(Middle.PageRect(), (RECT{0, 62, 200, 200}));
    EXPECT_EQ(Middle.DisplayRect(), (RECT{3, 65, 197, 197}));
    EXPECT_EQ(Middle.UnselectedTabsInPaintOrder(), (std::vector<int>{0, 1, 2, 6, 7, 8, 3, 5}));
}

TEST(TabRows, ScrollOppositePutsTheEarlierRowsAcrossThePage) {
    const TKsTabLayout Layout(ThreeRows(7, true));
    EXPECT_EQ(Layout.SelectedRow(), 2);
    EXPECT_TRUE(Layout.IsOppositeRow(0));
    EXPECT_TRUE(Layout.IsOppositeRow(1));
    EXPECT_FALSE(Layout.IsOppositeRow(2));
    EXPECT_EQ(Layout.RowDistance(1), 1);
    EXPECT_EQ(Layout.RowDistance(0), 2);
    EXPECT_EQ(Layout.TabArea(), 22);
    EXPECT_EQ(Layout.OppositeArea(), 40);
    EXPECT_EQ(Layout.PageRect(), (RECT{0, 22, 200, 160}));
    EXPECT_EQ(Layout.SideOf(1), TTabPosition::tpBottom);
    EXPECT_EQ(Layout.TabRect(4), (RECT{67, 158, 132, 180}));
    EXPECT_EQ(Layout.TabRect(1), (RECT{67, 158, 132, 200})); // the outer row to the edge
    EXPECT_EQ(Layout.TabRect(7), (RECT{67, 2, 132, 24}));
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 190}), 1);
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 170}), 4);
}

TEST(TabSides, TabsAndPageMirrorOnEachSide) {
    struct TCase {
        TTabPosition Position;
        RECT Tab;
        RECT Selected;
        RECT Page;
    };
    const TCase Cases[] = {
        {TTabPosition::tpTop, {67, 42, 132, 64}, {65, 40, 134, 64}, {0, 62, 200, 200}},
        {TTabPosition::tpBottom, {67, 136, 132, 158}, {65, 136, 134, 160}, {0, 0, 200, 138}},
        {TTabPosition::tpLeft, {42, 67, 64, 132}, {40, 65, 64, 134}, {62, 0, 200, 200}},
        {TTabPosition::tpRight, {136, 67, 158, 132}, {136, 65, 160, 134}, {0, 0, 138, 200}},
    };
    for (const TCase& Case : Cases) {
        const TKsTabLayout Layout(ThreeRows(4, false, Case.Position));
        const int Side = static_cast<int>(Case.Position);
        EXPECT_EQ(Layout.TabRect(4), Case.Tab) << Side;
        EXPECT_EQ(Layout.SelectedTabRect(4), Case.Selected) << Side;
        EXPECT_EQ(Layout.PageRect(), Case.Page) << Side;
        EXPECT_EQ(Layout.SideOf(4), Case.Position);
    }
}

TEST(TabHitTest, TheTopmostTabAnswersWhereRowsOverlap) {
    const TKsTabLayout Layout(ThreeRows(4));
    // Row 2 lies over row 0, which reaches down behind it.
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 30}), 7);
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 10}), 1);
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 50}), 4);
    // The selected tab answers where it has grown over its neighbours.
    EXPECT_EQ(Layout.TabAtPos(POINT{133, 50}), 4);
    EXPECT_EQ(Layout.TabAtPos(POINT{65, 41}), 4);
    // The page, where the tabs' feet lie under its frame, is no tab.
    EXPECT_EQ(Layout.TabAtPos(POINT{70, 63}), -1);
    EXPECT_EQ(Layout.TabAtPos(POINT{100, 150}), -1);
    EXPECT_EQ(Layout.TabAtPos(POINT{199, 10}), -1);

    TKsTabState None = ThreeRows(-1);
    None.Widths.clear();
    EXPECT_EQ(TKsTabLayout(None).TabAtPos(POINT{10, 10}), -1);
    EXPECT_EQ(TKsTabLayout(None).RowCount(), 1);
}

TEST(TabScrolling, ButtonsStandAtTheEndOfTheTabRow) {
    const TKsTabLayout Top(OneLongRow());
    ASSERT_TRUE(Top.NeedsScrollButtons());
    EXPECT_EQ(Top.ScrollButtonRect(false), (RECT{168, 4, 184, 20}));
    EXPECT_EQ(Top.ScrollButtonRect(true), (RECT{184, 4, 200, 20}));
    const TKsTabLayout Bottom(OneLongRow(TTabPosition::tpBottom));
    EXPECT_EQ(Bottom.ScrollButtonRect(true), (RECT{184, 80, 200, 96}));
    // The tab partly under the buttons cannot be clicked there.
    EXPECT_EQ(Top.TabAtPos(POINT{170, 10}), -1);
    EXPECT_EQ(Top.TabAtPos(POINT{150, 10}), 2);

    TKsTabState Fitting = OneLongRow();
    Fitting.Widths.assign(3, 60);
    EXPECT_FALSE(TKsTabLayout(Fitting).NeedsScrollButtons());
    TKsTabState Sides = OneLongRow(TTabPosition::tpLeft);
    Sides.Height = 200;
    Sides.Width = 100;
    Sides.Widths.assign(6, 60);
    EXPECT_FALSE(TKsTabLayout(Sides).NeedsScrollButtons());
    TKsTabState Single = OneLongRow();
    Single.Widths = {400};
    EXPECT_FALSE(TKsTabLayout(Single).NeedsScrollButtons());
}

TEST(TabScrolling, VisibleTabsAndHowFarTheRowScrolls) {
    const TKsTabLayout Start(OneLongRow());
    EXPECT_EQ(Start.LastVisibleTab(false), 3); // partly shown counts
    EXPECT_EQ(Start.LastVisibleTab(true), 1);  // tab 2 reaches under the buttons
    EXPECT_EQ(Start.LastFirstTab(), 4);
    EXPECT_EQ(Start.ClampedFirstTab(5), 4);
    EXPECT_EQ(Start.ClampedFirstTab(-1), 0);
    EXPECT_EQ(Start.FirstTabShowing(3), 2);
    EXPECT_EQ(Start.FirstTabShowing(5), 4);

    const TKsTabLayout Scrolled(OneLongRow(TTabPosition::tpTop, 3));
    EXPECT_EQ(Scrolled.TabRect(3).left, 2);
    EXPECT_EQ(Scrolled.TabRect(1), (RECT{-118, 2, -58, 24}));
    EXPECT_EQ(Scrolled.FirstTabShowing(1), 1);
    EXPECT_EQ(Scrolled.UnselectedTabsInPaintOrder(), (std::vector<int>{3, 4, 5}));

    // Once everything fits, the row does not stay scrolled.
    TKsTabState Wide = OneLongRow(TTabPosition::tpTop, 3);
    Wide.Width = 400;
    EXPECT_EQ(TKsTabLayout(Wide).ClampedFirstTab(3), 0);
}

std::string Numbered(int Tab) {
    std::string Caption = "Tab number ";
    return Caption += std::to_string(Tab);
}

class TabControlMeasures : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Tabs = std::make_unique<TKsTabControl>(nullptr);
    }

    // The width of a text in the control's font, asked of the host.
    int TextWidth(const std::string& Text) const {
        TKsBitmap Measure;
        Measure.SetSize(10, 10);
        Measure.SetFont(Tabs->Font());
        return Measure.TextWidth(Text, DT_SINGLELINE);
    }

    std::unique_ptr<TKsTabControl> Tabs;
};

TEST_F(TabControlMeasures, RowThicknessComesFromTheFontSize) {
    Tabs->Font()->SetSize(10);
    ASSERT_EQ(Tabs->Font()->Size(), 10);
    EXPECT_EQ(Tabs->GetTabExtent(), 21);
    EXPECT_EQ(Tabs->ScrollButtonSize(), 20);
    // A font given by its pixel height has a negative size: the same thickness.
    Tabs->Font()->SetHeight(-Tabs->Font()->Height());
    ASSERT_LT(Tabs->Font()->Size(), 0);
    EXPECT_EQ(Tabs->GetTabExtent(), 21);
    EXPECT_EQ(Tabs->ScrollButtonSize(), 20);
    Tabs->SetTabHeight(30);
    EXPECT_EQ(Tabs->GetTabExtent(), 30);
    Tabs->SetTabHeight(-4); // automatic again
    EXPECT_EQ(Tabs->TabHeight(), 0);
    EXPECT_EQ(Tabs->GetTabExtent(), 21);
}

TEST_F(TabControlMeasures, TabWidthsFollowTheCaptionsWithAMinimum) {
    Tabs->Font()->SetSize(10);
    Tabs->Tabs()->Add("A");
    Tabs->Tabs()->Add("A much longer caption, 截图");
    EXPECT_EQ(Tabs->GetTabWidth(0), 2 * (21 + 2));
    EXPECT_EQ(Tabs->GetTabWidth(1), TextWidth("A much longer caption, 截图") + 12);
    EXPECT_EQ(Tabs->GetTabWidth(2), 0);
    EXPECT_EQ(Tabs->GetTabWidth(-1), 0);
    Tabs->SetTabWidth(70);
    EXPECT_EQ(Tabs->GetTabWidth(1), 70);
    Tabs->SetTabWidth(-3);
    EXPECT_EQ(Tabs->TabWidth(), 0);
    EXPECT_EQ(Tabs->GetTabWidth(1), TextWidth("A much longer caption, 截图") + 12);
    // A new font is measured anew.
    Tabs->Font()->SetSize(20);
    EXPECT_EQ(Tabs->GetTabWidth(1), TextWidth("A much longer caption, 截图") + 12);
}

TEST_F(TabControlMeasures, TheFirstTabShownStaysOnTheTabs) {
    Tabs->SetBounds(0, 0, 200, 100);
    for (int Tab = 0; Tab < 12; ++Tab)
        Tabs->Tabs()->Add(Numbered(Tab));
    Tabs->ScrollTabs(100);
    const int Last = Tabs->FirstTab();
    EXPECT_GT(Last, 6);
    EXPECT_EQ(Tabs->LastVisibleTab(true), 11);
    Tabs->ScrollTabs(-2);
    EXPECT_EQ(Tabs->FirstTab(), Last - 2);

    // Fewer tabs than the first tab shown: the row starts at the first again.
    while (Tabs->Tabs()->Count() > 2)
        Tabs->Tabs()->Delete(Tabs->Tabs()->Count() - 1);
    EXPECT_EQ(Tabs->FirstTab(), 0);
    Tabs->Tabs()->Clear();
    Tabs->ScrollTabs(-1);
    EXPECT_EQ(Tabs->FirstTab(), 0);
    Tabs->Tabs()->Add("Back");
    EXPECT_EQ(Tabs->GetTabRect(0).left, 2);
    EXPECT_EQ(Tabs->TabIndex(), 0);

    // Selecting a tab beyond the row scrolls it into view, clear of the buttons.
    for (int Tab = 1; Tab < 12; ++Tab)
        Tabs->Tabs()->Add(Numbered(Tab));
    Tabs->SetTabIndex(8);
    EXPECT_GE(Tabs->LastVisibleTab(true), 8);
    EXPECT_LE(Tabs->GetTabRect(8).right, 200 - 2 * Tabs->ScrollButtonSize());
    Tabs->SetTabIndex(1);
    EXPECT_EQ(Tabs->FirstTab(), 1);
}

} // namespace
