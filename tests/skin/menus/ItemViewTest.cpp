// Item views without a loop: where items lie (stacked, in a row, scrolled), which item a
// point hits, how selection wraps, skips and scrolls, and a classic popup item's pixels.
#include "MenuTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/GraphicsObjects.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"

#include <gtest/gtest.h>

namespace {

class ItemViews : public ::testing::Test {
protected:
    void SetUp() override {
        Host.SetBounds(40, 40, 300, 400);
        Surface.SetSize(300, 400);
        Popup.SetControl(&Host);
        Popup.SetBitmap(&Surface);
        Popup.SetItem(&Root);
        Bar.SetControl(&Host);
        Bar.SetBitmap(&Surface);
        Bar.SetItem(&Root);
    }

    void AddItems(int Count) {
        for (int I = 0; I < Count; ++I)
            AddItem(Owner, Root, "Item " + std::to_string(I));
    }

    int HotIndex() const { return Root.IndexOf(Popup.HotItem()); }

    TComponent Owner{nullptr};
    TKsCustomItem Root{nullptr};
    TForm Host{nullptr};
    TKsBitmap Surface;
    TKsItemView Popup{nullptr, false, false};
    TKsItemView Bar{nullptr, true, true};
};

TEST_F(ItemViews, PopupItemsStackDownwardsAtTheWidestItemsWidth) {
    AddItems(2);
    AddItem(Owner, Root, "A much longer caption than the others");
    Popup.SetOffset(POINT{3, 3});
    const RECT First = Popup.GetItemRect(Root.Items(0));
    const RECT Second = Popup.GetItemRect(Root.Items(1));
    const RECT Third = Popup.GetItemRect(Root.Items(2));
    EXPECT_EQ(First.left, 3);
    EXPECT_EQ(First.top, 3);
    EXPECT_EQ(Second.top, First.bottom);
    EXPECT_EQ(Third.top, Second.bottom);
    EXPECT_EQ(First.right, Third.right);
    EXPECT_GT(Third.right - Third.left, 74);
    EXPECT_GE(First.bottom - First.top, 20);
}

TEST_F(ItemViews, BarItemsLieSideBySideEachAsWideAsItsCaption) {
    AddItem(Owner, Root, "&File");
    AddItem(Owner, Root, "&Edit and more");
    const RECT File = Bar.GetItemRect(Root.Items(0));
    const RECT Edit = Bar.GetItemRect(Root.Items(1));
    EXPECT_EQ(File.left, 0);
    EXPECT_EQ(Edit.left, File.right);
    EXPECT_EQ(Edit.top, File.top);
    EXPECT_GT(Edit.right - Edit.left, File.right - File.left);
}

TEST_F(ItemViews, HiddenAndScrolledOutItemsHaveNoRectangleAndCannotBeHit) {
    AddItems(8);
    Root.Items(1)->SetVisible(false);
    Root.SetScrolled(true);
    Root.SetScrollCount(5);
    Root.SetTopIndex(2);
    EXPECT_TRUE(IsRectEmpty(Popup.GetItemRect(Root.Items(0))));
    EXPECT_TRUE(IsRectEmpty(Popup.GetItemRect(Root.Items(1))));
    EXPECT_TRUE(IsRectEmpty(Popup.GetItemRect(Root.Items(7))));
    const RECT Top = Popup.GetItemRect(Root.Items(2));
    EXPECT_EQ(Top.top, 0);
    EXPECT_EQ(Popup.GetItemRect(Root.Items(6)).bottom, 5 * (Top.bottom - Top.top));
    EXPECT_TRUE(IsRectEmpty(Popup.GetItemRect(nullptr)));

    // A point above the window's first item hits none of the items scrolled out of view.
    Popup.HotTrack(Host.ClientToScreen(POINT{5, -3}));
    EXPECT_EQ(Popup.HotItem(), nullptr);
    Popup.HotTrack(Host.ClientToScreen(POINT{5, Top.bottom - 1}));
    EXPECT_EQ(Popup.HotItem(), Root.Items(2));
}

TEST_F(ItemViews, LayoutBringsAStaleTopIndexBackIntoRange) {
    AddItems(8);
    Root.SetScrolled(true);
    Root.SetScrollCount(5);
    Root.SetTopIndex(9);
    Popup.Layout();
    EXPECT_EQ(Root.TopIndex(), 3);
    Root.SetTopIndex(-4);
    Popup.Layout();
    EXPECT_EQ(Root.TopIndex(), 0);
}

TEST_F(ItemViews, SelectionSkipsSeparatorsAndHiddenItemsAndWraps) {
    AddItems(4);
    Root.Items(1)->SetCaption("-");
    Root.Items(2)->SetVisible(false);
    Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 0);
    Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 3);
    Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 0);
    Popup.SelectPrev();
    EXPECT_EQ(HotIndex(), 3);
}

TEST_F(ItemViews, SelectionInAMenuWithNothingSelectableEndsAndChangesNothing) {
    Popup.SelectNext();
    Popup.SelectPrev();
    EXPECT_EQ(Popup.HotItem(), nullptr);
    AddItems(3);
    for (int I = 0; I < 3; ++I)
        Root.Items(I)->SetCaption("-");
    Popup.SelectNext();
    Popup.SelectPrev();
    EXPECT_EQ(Popup.HotItem(), nullptr);
}

TEST_F(ItemViews, SelectionScrollsTheWindowOneStepAtATime) {
    AddItems(8);
    Root.SetScrolled(true);
    Root.SetScrollCount(5);
    for (int I = 0; I < 5; ++I)
        Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 4);
    EXPECT_EQ(Root.TopIndex(), 0);
    Popup.SelectNext();
    EXPECT_EQ(Root.TopIndex(), 1);
    Popup.SelectNext();
    Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 7);
    EXPECT_EQ(Root.TopIndex(), 3);
    Popup.SelectNext();
    EXPECT_EQ(HotIndex(), 0);
    EXPECT_EQ(Root.TopIndex(), 0);
    Popup.SelectPrev();
    EXPECT_EQ(HotIndex(), 7);
    EXPECT_EQ(Root.TopIndex(), 3);
}

TEST_F(ItemViews, OutsideTheLoopAPointOverNoItemClearsTheHotItem) {
    AddItems(2);
    const RECT Second = Popup.GetItemRect(Root.Items(1));
    Popup.HotTrack(Host.ClientToScreen(POINT{Second.left + 2, Second.top + 2}));
    EXPECT_EQ(Popup.HotItem(), Root.Items(1));
    Popup.HotTrack(Host.ClientToScreen(POINT{Second.left + 2, Second.bottom + 50}));
    EXPECT_EQ(Popup.HotItem(), nullptr);
}

TEST_F(ItemViews, OpeningASubMenuNeedsAnEnabledHotItemWithSubItems) {
    AddItems(2);
    EXPECT_FALSE(Popup.OpenSubMenu());
    Popup.SetHotItem(Root.Items(0));
    EXPECT_FALSE(Popup.OpenSubMenu());
    AddItem(Owner, *Root.Items(1), "Below");
    Root.Items(1)->SetEnabled(false);
    Popup.SetHotItem(Root.Items(1));
    EXPECT_FALSE(Popup.OpenSubMenu());
    EXPECT_FALSE(Popup.DroppedDown());
}

TEST_F(ItemViews, ClassicPopupPaintsTheHotItemInTheHighlightAndSeparatorsAsAnEtchedLine) {
    AddItems(1);
    AddItem(Owner, Root, "-");
    AddItems(1);
    Popup.SetHotItem(Root.Items(0));
    Surface.Fill(KsTransparent);
    Popup.Paint(Surface);
    const RECT Hot = Popup.GetItemRect(Root.Items(0));
    const RECT Separator = Popup.GetItemRect(Root.Items(1));
    const RECT Plain = Popup.GetItemRect(Root.Items(2));
    EXPECT_EQ(Separator.bottom - Separator.top, 15);
    EXPECT_EQ(Surface.Pixels(Hot.right - 3, Hot.top + 1), ColorToKsColor(clHighlight, 255));
    EXPECT_EQ(Surface.Pixels(Plain.right - 3, Plain.top + 1), ColorToKsColor(clMenu, 255));
    const int X = (Separator.left + Separator.right) / 2;
    EXPECT_EQ(Surface.Pixels(X, Separator.top + 6), ColorToKsColor(clMenu, 255));
    EXPECT_EQ(Surface.Pixels(X, Separator.top + 7), ColorToKsColor(clBtnShadow, 255));
    EXPECT_EQ(Surface.Pixels(X, Separator.top + 8), ColorToKsColor(clBtnHighlight, 255));
    EXPECT_EQ(Surface.Pixels(X, Separator.top + 9), ColorToKsColor(clMenu, 255));
    EXPECT_EQ(Surface.Pixels(Separator.left + 1, Separator.top + 7), ColorToKsColor(clMenu, 255));
}

} // namespace

namespace {

TEST(ItemFont, ItemsUseTheHostsMenuFont) {
    NONCLIENTMETRICSW Metrics{};
    ASSERT_TRUE(KsNonClientMetrics(Metrics));
    EXPECT_EQ(KsItemFont().Name(), WideToUtf8(Metrics.lfMenuFont.lfFaceName));
    EXPECT_GT(Metrics.iMenuHeight, 0);
}

} // namespace
