// Painting the tab control: the tabs from the farthest row in, the page frame over their
// feet, the selected tab over the frame, and the scroll buttons. Light falls from the top
// left: edges that face up or left are highlighted, edges that face down or right shaded.
#include "skin/controls/KsTabs.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

namespace {

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

// Places within a tab, as offsets along its edge from its start and across it from its
// outer edge, mapped to the surface for the side the tab stands on; a tab is drawn once,
// as a tab at the top, and every side is a mirror or a turn of it.
class TTabFrame {
public:
    TTabFrame(const RECT& Rect, TTabPosition Side) : FRect(Rect), FSide(Side) {}

    bool Vertical() const {
        return FSide == TTabPosition::tpLeft || FSide == TTabPosition::tpRight;
    }
    int Length() const { return Vertical() ? RectHeight(FRect) : RectWidth(FRect); }
    int Depth() const { return Vertical() ? RectWidth(FRect) : RectHeight(FRect); }

    POINT At(int Along, int Across) const { return TabPlace(FRect, FSide, Along, Across); }

    // The area from (AlongFrom, AcrossFrom) up to, not including, (AlongTo, AcrossTo).
    RECT Span(int AlongFrom, int AlongTo, int AcrossFrom, int AcrossTo) const {
        switch (FSide) {
        case TTabPosition::tpTop:
            return RECT{FRect.left + AlongFrom, FRect.top + AcrossFrom, FRect.left + AlongTo,
                        FRect.top + AcrossTo};
        case TTabPosition::tpBottom:
            return RECT{FRect.left + AlongFrom, FRect.bottom - AcrossTo, FRect.left + AlongTo,
                        FRect.bottom - AcrossFrom};
        case TTabPosition::tpLeft:
            return RECT{FRect.left + AcrossFrom, FRect.top + AlongFrom, FRect.left + AcrossTo,
                        FRect.top + AlongTo};
        case TTabPosition::tpRight:
            return RECT{FRect.right - AcrossTo, FRect.top + AlongFrom, FRect.right - AcrossFrom,
                        FRect.top + AlongTo};
        }
        return RECT{};
    }

    // A line from the first place up to, not including, the second.
    void Line(TKsBitmap& Image, int AlongFrom, int AcrossFrom, int AlongTo, int AcrossTo,
              TKsColor Pixel) const {
        const POINT From = At(AlongFrom, AcrossFrom);
        const POINT To = At(AlongTo, AcrossTo);
        Image.MoveTo(From.x, From.y);
        Image.LineTo(To.x, To.y, Pixel);
    }

private:
    RECT FRect;
    TTabPosition FSide;
};

// The outer edge of a tab faces up or left.
bool OuterEdgeLit(TTabPosition Side) {
    return Side == TTabPosition::tpTop || Side == TTabPosition::tpLeft;
}

} // namespace

void TKsCustomTabControl::PaintControl() {
    TKsCustomControl::PaintControl();
    TKsBitmap& Image = Surface();
    if (FTabs->Count() == 0 || Image.Empty())
        return;
    const TKsTabLayout Tabs = Layout();
    for (const int Tab : Tabs.UnselectedTabsInPaintOrder())
        PaintTab(Tabs, Tab, false);
    PaintPageFrame(Tabs.PageRect());
    if (Tabs.TabShown(FTabIndex))
        PaintTab(Tabs, FTabIndex, true);
    if (Tabs.NeedsScrollButtons())
        PaintScrollButtons(Tabs);
}

void TKsCustomTabControl::PaintPageFrame(const RECT& Page) {
    TKsBitmap& Image = Surface();
    Image.FillRect(Page, Opaque(clBtnFace));
    Image.FrameRect3D(Page, Opaque(clBtnHighlight), Opaque(cl3DDkShadow));
    Image.FrameRect3D(InflateRectBy(Page, -1), Opaque(clBtnFace), Opaque(clBtnShadow));
}

void TKsCustomTabControl::PaintTab(const TKsTabLayout& Tabs, int Tab, bool Selected) {
    TKsBitmap& Image = Surface();
    const RECT Rect = Selected ? Tabs.SelectedTabRect(Tab) : Tabs.TabRect(Tab);
    const TTabFrame Frame(Rect, Tabs.SideOf(Tab));
    const int Length = Frame.Length();
    const int Depth = Frame.Depth();
    const TKsColor Face = Opaque(clBtnFace);
    const TKsColor Light = Opaque(clBtnHighlight);
    const TKsColor Dark = Opaque(cl3DDkShadow);
    const TKsColor Shadow = Opaque(clBtnShadow);

    Image.FillRoundRect(Frame.Span(1, Length - 1, 1, Depth), 4, Face);
    Image.FillRect(Frame.Span(1, Length - 1, 2, Depth), Face);
    if (Selected && HasFocus())
        Image.DrawFocusRect(InflateRectBy(Rect, -3));
    if (FOwnerDraw && OnDrawTab) {
        Canvas()->Font()->Assign(DrawFont());
        Canvas()->Brush()->SetColor(clBtnFace);
        OnDrawTab(this, Tab, Rect, Selected);
    } else {
        PaintTabText(Tabs, Tab, Rect, Selected);
    }

    // The side the tab starts from always faces up or left, its far side down or right.
    Frame.Line(Image, 0, 3, 0, Depth - 1, Light);
    Frame.Line(Image, Length - 2, 2, Length - 2, Depth - 1, Shadow);
    Frame.Line(Image, Length - 1, 3, Length - 1, Depth - 1, Dark);
    Frame.Line(Image, Length - 2, 1, Length, 3, Dark);
    if (OuterEdgeLit(Tabs.SideOf(Tab))) {
        Frame.Line(Image, 3, 0, Length - 2, 0, Light);
        Frame.Line(Image, 0, 3, 3, 0, Light);
    } else {
        Frame.Line(Image, 3, 0, Length - 2, 0, Dark);
        Frame.Line(Image, 2, 1, Length - 2, 1, Shadow);
        Frame.Line(Image, 0, 3, 3, 0, Dark);
    }
}

void TKsCustomTabControl::PaintTabText(const TKsTabLayout& Tabs, int Tab, const RECT& Rect,
                                       bool Selected) {
    TKsBitmap& Image = Surface();
    const TTabPosition Side = Tabs.SideOf(Tab);
    const TTabFrame Frame(Rect, Side);
    const int Extent = Tabs.State().Extent;
    // The text takes one row's thickness from the outer edge; the selected tab, raised
    // above its row, keeps its text a pixel in from its grown edges, and the other tabs at
    // the top sit a pixel lower.
    RECT Box = Selected ? Frame.Span(1, Frame.Length() - 1, 1, Extent - 1)
                        : Frame.Span(0, Frame.Length(), 0, Extent);
    if (!Selected && Side == TTabPosition::tpTop)
        OffsetRect(&Box, 0, 1);
    Image.SetFont(DrawFont());
    if (FHotTrack && Tab == FHotTab)
        Image.Font()->SetColor(clHighlight);
    const std::string Caption = FTabs->Strings(Tab);
    const UINT Format = DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Frame.Vertical())
        Image.DrawVerticalText(Caption, Box, Side == TTabPosition::tpRight, Format);
    else
        Image.DrawText(Caption, Box, Format);
}

void TKsCustomTabControl::PaintScrollButtons(const TKsTabLayout& Tabs) {
    const HDC DC = Surface().DC();
    for (const bool Right : {false, true}) {
        RECT Button = Tabs.ScrollButtonRect(Right);
        UINT State = Right ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT;
        if (ScrollButtonPressed(Right))
            State |= DFCS_PUSHED;
        DrawFrameControl(DC, &Button, DFC_SCROLL, State);
    }
}
