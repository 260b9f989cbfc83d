#include "skin/controls/KsTabLayout.h"

#include "skin/graphics/KsUtils.h"

#include <algorithm>

namespace {

// How far the selected tab grows beyond its place.
constexpr int SelectedGrowth = 2;
// The scroll buttons keep this far from the page.
constexpr int ButtonGap = 2;

bool Contains(const RECT& Rect, POINT Point) {
    return Point.x >= Rect.left && Point.x < Rect.right && Point.y >= Rect.top &&
           Point.y < Rect.bottom;
}

} // namespace

std::vector<TKsTabRow> LayoutRows(const std::vector<int>& Widths, int Available) {
    std::vector<TKsTabRow> Rows;
    int Sum = 0;
    int InRow = 0;
    auto Close = [&](int LastTab) {
        TKsTabRow Row;
        Row.LastTab = LastTab;
        Row.Extra = (Available - Sum) / InRow;
        Row.Remainder = Available - Sum - Row.Extra * InRow;
        Rows.push_back(Row);
        Sum = 0;
        InRow = 0;
    };
    const int Count = static_cast<int>(Widths.size());
    for (int Tab = 0; Tab < Count; ++Tab) {
        const int Width = Widths[static_cast<size_t>(Tab)];
        if (InRow > 0 && Sum + Width >= Available)
            Close(Tab - 1);
        Sum += Width;
        ++InRow;
    }
    if (InRow > 0)
        Close(Count - 1);
    return Rows;
}

TTabPosition OppositeSide(TTabPosition Side) {
    switch (Side) {
    case TTabPosition::tpTop:
        return TTabPosition::tpBottom;
    case TTabPosition::tpBottom:
        return TTabPosition::tpTop;
    case TTabPosition::tpLeft:
        return TTabPosition::tpRight;
    case TTabPosition::tpRight:
        return TTabPosition::tpLeft;
    }
    return TTabPosition::tpTop;
}

POINT TabPlace(const RECT& Tab, TTabPosition Side, int Along, int Across) {
    switch (Side) {
    case TTabPosition::tpTop:
        return POINT{Tab.left + Along, Tab.top + Across};
    case TTabPosition::tpBottom:
        return POINT{Tab.left + Along, Tab.bottom - 1 - Across};
    case TTabPosition::tpLeft:
        return POINT{Tab.left + Across, Tab.top + Along};
    case TTabPosition::tpRight:
        return POINT{Tab.right - 1 - Across, Tab.top + Along};
    }
    return POINT{};
}

TKsTabLayout::TKsTabLayout(TKsTabState State) : FState(std::move(State)) {
    if (FState.MultiLine)
        FRows = LayoutRows(FState.Widths, Available());
    else if (Count() > 0)
        FRows.push_back(TKsTabRow{Count() - 1, 0, 0});
    // Without tabs there is still the one empty row the tabs will come into.
    if (FRows.empty())
        FRows.push_back(TKsTabRow{});
}

// ---- Rows ----

int TKsTabLayout::RowOf(int Tab) const {
    for (int Row = 0; Row < RowCount(); ++Row)
        if (FRows[static_cast<size_t>(Row)].LastTab >= Tab)
            return Row;
    return RowCount() - 1;
}

int TKsTabLayout::FirstTabOf(int Row) const {
    return Row <= 0 ? 0 : FRows[static_cast<size_t>(Row - 1)].LastTab + 1;
}

bool TKsTabLayout::IsOppositeRow(int Row) const {
    return FState.ScrollOpposite && Row < SelectedRow();
}

int TKsTabLayout::RowDistance(int Row) const {
    const int Selected = SelectedRow();
    if (Row >= Selected)
        return Row - Selected + 1;
    if (FState.ScrollOpposite)
        return Selected - Row;
    // The rows before the selected one wrap round behind the last row.
    return Row + RowCount() - Selected + 1;
}

int TKsTabLayout::TabWidth(int Tab) const {
    if (!ValidTab(Tab))
        return 0;
    int Width = FState.Widths[static_cast<size_t>(Tab)];
    if (FState.MultiLine && FState.Justified) {
        const TKsTabRow& Row = FRows[static_cast<size_t>(RowOf(Tab))];
        Width += Row.Extra;
        if (Tab == Row.LastTab)
            Width += Row.Remainder;
    }
    return Width;
}

// ---- Rectangles ----

bool TKsTabLayout::Vertical() const {
    return FState.Position == TTabPosition::tpLeft || FState.Position == TTabPosition::tpRight;
}

int TKsTabLayout::EdgeLength() const {
    return Vertical() ? FState.Height : FState.Width;
}

int TKsTabLayout::LeadBorder() const {
    return Vertical() ? FState.Borders.Top : FState.Borders.Left;
}

int TKsTabLayout::SideBorder(TTabPosition Side) const {
    switch (Side) {
    case TTabPosition::tpTop:
        return FState.Borders.Top;
    case TTabPosition::tpBottom:
        return FState.Borders.Bottom;
    case TTabPosition::tpLeft:
        return FState.Borders.Left;
    case TTabPosition::tpRight:
        return FState.Borders.Right;
    }
    return 0;
}

int TKsTabLayout::Available() const {
    const int Trail = Vertical() ? FState.Borders.Bottom : FState.Borders.Right;
    return EdgeLength() - LeadBorder() - Trail;
}

int TKsTabLayout::TabArea() const {
    const int Rows = FState.ScrollOpposite ? RowCount() - SelectedRow() : RowCount();
    return FState.Extent * Rows + SideBorder(FState.Position);
}

int TKsTabLayout::OppositeArea() const {
    return FState.ScrollOpposite ? FState.Extent * SelectedRow() : 0;
}

RECT TKsTabLayout::MapSpans(TTabPosition Side, int AlongFrom, int AlongTo, int AcrossFrom,
                            int AcrossTo) const {
    switch (Side) {
    case TTabPosition::tpTop:
        return RECT{AlongFrom, AcrossFrom, AlongTo, AcrossTo};
    case TTabPosition::tpBottom:
        return RECT{AlongFrom, FState.Height - AcrossTo, AlongTo, FState.Height - AcrossFrom};
    case TTabPosition::tpLeft:
        return RECT{AcrossFrom, AlongFrom, AcrossTo, AlongTo};
    case TTabPosition::tpRight:
        return RECT{FState.Width - AcrossTo, AlongFrom, FState.Width - AcrossFrom, AlongTo};
    }
    return RECT{};
}

RECT TKsTabLayout::PageRect() const {
    // Across from the tab side, the opposite rows take their depth off the page's far side.
    const int Depth = Vertical() ? FState.Width : FState.Height;
    return MapSpans(FState.Position, 0, EdgeLength(), TabArea(), Depth - OppositeArea());
}

RECT TKsTabLayout::DisplayRect() const {
    const RECT Page = PageRect();
    const TKsTabBorders& B = FState.Borders;
    return RECT{Page.left + B.Left + 1, Page.top + B.Top + 1, Page.right - B.Right - 1,
                Page.bottom - B.Bottom - 1};
}

TTabPosition TKsTabLayout::SideOf(int Tab) const {
    return IsOppositeRow(RowOf(Tab)) ? OppositeSide(FState.Position) : FState.Position;
}

int TKsTabLayout::TabStart(int Tab) const {
    int Start = LeadBorder();
    if (FState.MultiLine) {
        for (int Earlier = FirstTabOf(RowOf(Tab)); Earlier < Tab; ++Earlier)
            Start += TabWidth(Earlier);
        return Start;
    }
    for (int Earlier = FState.FirstTab; Earlier < Tab; ++Earlier)
        Start += TabWidth(Earlier);
    for (int Before = Tab; Before < FState.FirstTab; ++Before)
        Start -= TabWidth(Before);
    return Start;
}

RECT TKsTabLayout::TabRect(int Tab) const {
    if (!ValidTab(Tab))
        return RECT{};
    const int Row = RowOf(Tab);
    const TTabPosition Side = SideOf(Tab);
    const int Area = IsOppositeRow(Row) ? OppositeArea() : TabArea();
    const int Start = TabStart(Tab);
    // Farther rows reach down behind the nearer ones to the page.
    return MapSpans(Side, Start, Start + TabWidth(Tab), Area - RowDistance(Row) * FState.Extent,
                    Area + SideBorder(Side));
}

RECT TKsTabLayout::SelectedTabRect(int Tab) const {
    const RECT Place = TabRect(Tab);
    RECT Grown = InflateRectBy(Place, SelectedGrowth);
    switch (SideOf(Tab)) {
    case TTabPosition::tpTop:
        Grown.bottom = Place.bottom;
        break;
    case TTabPosition::tpBottom:
        Grown.top = Place.top;
        break;
    case TTabPosition::tpLeft:
        Grown.right = Place.right;
        break;
    case TTabPosition::tpRight:
        Grown.left = Place.left;
        break;
    }
    return Grown;
}

bool TKsTabLayout::TabShown(int Tab) const {
    if (!ValidTab(Tab))
        return false;
    return FState.MultiLine || (Tab >= FState.FirstTab && Tab <= LastVisibleTab(false));
}

std::vector<int> TKsTabLayout::UnselectedTabsInPaintOrder() const {
    std::vector<int> Tabs;
    auto AddUnselected = [&](int From, int To) {
        for (int Tab = From; Tab <= To; ++Tab)
            if (Tab != FState.TabIndex)
                Tabs.push_back(Tab);
    };
    if (!FState.MultiLine) {
        AddUnselected(FState.FirstTab, LastVisibleTab(false));
        return Tabs;
    }
    std::vector<int> Order(static_cast<size_t>(RowCount()));
    for (int Row = 0; Row < RowCount(); ++Row)
        Order[static_cast<size_t>(Row)] = Row;
    std::stable_sort(Order.begin(), Order.end(),
                     [&](int A, int B) { return RowDistance(A) > RowDistance(B); });
    for (const int Row : Order)
        AddUnselected(FirstTabOf(Row), FRows[static_cast<size_t>(Row)].LastTab);
    return Tabs;
}

int TKsTabLayout::TabAtPos(POINT Point) const {
    if (Count() == 0 || Contains(PageRect(), Point))
        return -1;
    if (NeedsScrollButtons() && InButtonStrip(Point))
        return -1;
    const int Selected = FState.TabIndex;
    if (TabShown(Selected) && Contains(SelectedTabRect(Selected), Point))
        return Selected;
    // Farther rows reach behind nearer ones: what is painted last lies on top.
    const std::vector<int> Tabs = UnselectedTabsInPaintOrder();
    for (auto Tab = Tabs.rbegin(); Tab != Tabs.rend(); ++Tab)
        if (Contains(TabRect(*Tab), Point))
            return *Tab;
    return -1;
}

// ---- Scrolling a single row ----

bool TKsTabLayout::CanScroll() const {
    return !FState.MultiLine && !Vertical() && Count() >= 2;
}

bool TKsTabLayout::NeedsScrollButtons() const {
    if (!CanScroll())
        return false;
    return FState.FirstTab >= 1 || TabStart(Count() - 1) + TabWidth(Count() - 1) > EdgeLength();
}

RECT TKsTabLayout::ScrollButtonRect(bool Right) const {
    const int Size = FState.ButtonSize;
    const int End = EdgeLength() - (Right ? 0 : Size);
    const int Bottom = TabArea() - ButtonGap;
    return MapSpans(FState.Position, End - Size, End, Bottom - Size, Bottom);
}

bool TKsTabLayout::InButtonStrip(POINT Point) const {
    const int Length = EdgeLength();
    return Contains(MapSpans(FState.Position, Length - 2 * FState.ButtonSize, Length, 0, TabArea()),
                    Point);
}

int TKsTabLayout::LastVisibleTab(bool Exact) const {
    if (Count() == 0)
        return -1;
    const int First = FState.FirstTab;
    int Sum = 0;
    int Tab = First;
    while (Tab < Count() && Sum + TabWidth(Tab) <= Available()) {
        Sum += TabWidth(Tab);
        ++Tab;
    }
    int Last = std::min(Tab, Count() - 1);
    if (Exact) {
        const int Limit = EdgeLength() - (NeedsScrollButtons() ? 2 * FState.ButtonSize : 0);
        while (Last > First && TabStart(Last) + TabWidth(Last) > Limit)
            --Last;
    }
    return Last;
}

int TKsTabLayout::LastFirstTab() const {
    if (Count() == 0)
        return 0;
    const int Room = EdgeLength() - LeadBorder() - 2 * FState.ButtonSize;
    int First = Count() - 1;
    int Sum = TabWidth(First);
    while (First > 0 && Sum + TabWidth(First - 1) <= Room) {
        --First;
        Sum += TabWidth(First);
    }
    return First;
}

int TKsTabLayout::ClampedFirstTab(int FirstTab) const {
    if (!CanScroll())
        return 0;
    TKsTabLayout FromStart = *this;
    FromStart.SetFirstTab(0);
    if (!FromStart.NeedsScrollButtons())
        return 0;
    return std::clamp(FirstTab, 0, LastFirstTab());
}

int TKsTabLayout::FirstTabShowing(int Tab) const {
    int First = FState.FirstTab;
    if (!CanScroll() || !ValidTab(Tab))
        return First;
    if (Tab < First)
        return Tab;
    TKsTabLayout Scrolled = *this;
    while (First < Tab) {
        Scrolled.SetFirstTab(First);
        if (Scrolled.LastVisibleTab(true) >= Tab)
            break;
        ++First;
    }
    return First;
}
