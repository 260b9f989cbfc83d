// The tab control's pixels on each side: the page frame over the feet of the tabs, the edges
// of a tab lit from the top left, the selected tab covering the frame below it; owner-drawn
// tabs and the hot tab's text.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsTabs.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

uint32_t Rgb(TKsColor Pixel) {
    return Pixel & 0x00FFFFFFu;
}

int DepthOf(const RECT& Rect, TTabPosition Side) {
    const bool Vertical = Side == TTabPosition::tpLeft || Side == TTabPosition::tpRight;
    return Vertical ? RectWidth(Rect) : RectHeight(Rect);
}

int LengthOf(const RECT& Rect, TTabPosition Side) {
    const bool Vertical = Side == TTabPosition::tpLeft || Side == TTabPosition::tpRight;
    return Vertical ? RectHeight(Rect) : RectWidth(Rect);
}

class TabPaint : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = MakeHostForm(clWhite);
        Control = new TKsTabControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(0, 0, 220, 160);
        Control->Tabs()->SetText("One\r\nTwo\r\n截图\r\nFour\r\n");
        Control->SetTabIndex(1);
        Control->HandleNeeded();
    }

    void Render() {
        Control->Invalidate();
        Control->RenderSurface();
        ASSERT_FALSE(Control->Dirty());
    }
    uint32_t At(POINT Point) const {
        return Rgb(SurfacePixel(Control->Surface(), Point.x, Point.y));
    }
    int CountOf(const RECT& Rect, uint32_t Color) const {
        int Count = 0;
        for (int Y = Rect.top; Y < Rect.bottom; ++Y)
            for (int X = Rect.left; X < Rect.right; ++X)
                Count += At(POINT{X, Y}) == Color ? 1 : 0;
        return Count;
    }

    std::unique_ptr<TForm> Form;
    TKsTabControl* Control = nullptr;
};

TEST_F(TabPaint, TabsFrameAndSelectedTabOnEachSide) {
    const uint32_t Face = RgbOf(clBtnFace);
    const uint32_t Light = RgbOf(clBtnHighlight);
    const uint32_t Dark = RgbOf(cl3DDkShadow);
    const uint32_t Shadow = RgbOf(clBtnShadow);
    for (const TTabPosition Side : {TTabPosition::tpTop, TTabPosition::tpBottom,
                                    TTabPosition::tpLeft, TTabPosition::tpRight}) {
        SCOPED_TRACE(static_cast<int>(Side));
        Control->SetTabPosition(Side);
        Render();
        const TKsTabLayout Layout = Control->Layout();
        const bool LitOutside = Side == TTabPosition::tpTop || Side == TTabPosition::tpLeft;

        // The page frame: lit top and left, shaded bottom and right, a shadow inside.
        const RECT Page = Layout.PageRect();
        EXPECT_EQ(At(POINT{Page.left, Page.top}), Light);
        EXPECT_EQ(At(POINT{Page.right - 1, Page.bottom - 1}), Dark);
        EXPECT_EQ(At(POINT{Page.right - 2, Page.bottom - 2}), Shadow);
        EXPECT_EQ(At(POINT{(Page.left + Page.right) / 2, (Page.top + Page.bottom) / 2}), Face);

        // An unselected tab clear of the selected one: its start lit, its end shaded, its
        // outer edge lit when it faces up or left; its feet lie under the page frame.
        const RECT Tab = Layout.TabRect(3);
        const int Length = LengthOf(Tab, Side);
        const int Depth = DepthOf(Tab, Side);
        EXPECT_EQ(At(TabPlace(Tab, Side, 0, 6)), Light);
        EXPECT_EQ(At(TabPlace(Tab, Side, Length - 1, 6)), Dark);
        EXPECT_EQ(At(TabPlace(Tab, Side, Length - 2, 6)), Shadow);
        EXPECT_EQ(At(TabPlace(Tab, Side, 3, 6)), Face);
        EXPECT_EQ(At(TabPlace(Tab, Side, 5, 0)), LitOutside ? Light : Dark);
        EXPECT_EQ(At(TabPlace(Tab, Side, 5, 1)), LitOutside ? Face : Shadow);
        EXPECT_EQ(At(TabPlace(Tab, Side, 4, Depth - 2)), LitOutside ? Light : Dark);

        // The selected tab covers the frame below it and stands out beyond its row.
        const RECT Selected = Layout.SelectedTabRect(1);
        const int SelectedDepth = DepthOf(Selected, Side);
        EXPECT_EQ(At(TabPlace(Selected, Side, 4, SelectedDepth - 2)), Face);
        EXPECT_EQ(At(TabPlace(Selected, Side, 4, SelectedDepth - 1)), Face);
        EXPECT_EQ(At(TabPlace(Selected, Side, 0, SelectedDepth - 2)), Light);
        EXPECT_EQ(At(TabPlace(Selected, Side, 5, 0)), LitOutside ? Light : Dark);
        // Its text stands within it.
        EXPECT_GT(CountOf(InflateRectBy(Selected, -3), RgbOf(clWindowText)), 0);
    }
}

TEST_F(TabPaint, OwnerDrawnTabsAreDrawnByTheHandler) {
    struct TCall {
        int Tab;
        RECT Rect;
        bool Active;
    };
    struct TDrawer {
        TKsTabControl* Control;
        std::vector<TCall> Calls;
        void Draw(TWinControl*, int Tab, const RECT& Rect, bool Active) {
            Calls.push_back({Tab, Rect, Active});
            Control->Canvas()->Brush()->SetColor(clRed);
            Control->Canvas()->FillRect(InflateRectBy(Rect, -4));
        }
    } Drawer{Control, {}};
    Control->SetOwnerDraw(true);
    Control->OnDrawTab = TDrawTabEvent(&Drawer, &TDrawer::Draw);
    Render();
    ASSERT_EQ(Drawer.Calls.size(), 4u);
    // The selected tab is drawn last, as large as it shows.
    EXPECT_EQ(Drawer.Calls.back().Tab, 1);
    EXPECT_TRUE(Drawer.Calls.back().Active);
    EXPECT_FALSE(Drawer.Calls.front().Active);
    const RECT Selected = Control->Layout().SelectedTabRect(1);
    EXPECT_TRUE(EqualRect(Drawer.Calls.back().Rect, Selected));
    EXPECT_EQ(At(POINT{Selected.left + 6, Selected.top + 6}), RgbOf(clRed));
    EXPECT_EQ(CountOf(InflateRectBy(Selected, -3), RgbOf(clWindowText)), 0);
}

TEST_F(TabPaint, TheHotTabsTextTakesTheHighlightColour) {
    const RECT Tab = Control->GetTabRect(2);
    const POINT Over{(Tab.left + Tab.right) / 2, (Tab.top + Tab.bottom) / 2};
    Control->Perform(WM_MOUSEMOVE, 0, PointToLParam(Over));
    ASSERT_EQ(Control->HotTab(), 2);
    Render();
    EXPECT_EQ(CountOf(Tab, RgbOf(clHighlight)), 0) << "only with hot tracking";
    Control->SetHotTrack(true);
    Render();
    EXPECT_GT(CountOf(Tab, RgbOf(clHighlight)), 0);
    EXPECT_EQ(CountOf(Control->GetTabRect(0), RgbOf(clHighlight)), 0);
}

} // namespace
