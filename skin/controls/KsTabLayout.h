// Where the parts of a tab control lie, as pure functions of its state: the rows that tabs
// break into and how each row is widened to fill the whole length, the order of the rows
// outward from the page, the rectangles of tabs, page and scroll buttons on each of the four
// sides, which tab lies under a point, and how far a single row scrolls.
//
// Along the edge that carries the tabs, positions run from the start of that edge (left for
// tabs at the top or bottom, top for tabs at the left or right); across it, from the outer
// edge of the control towards the page.
#pragma once

#include "framework/graphics/WinApi.h"
#include "framework/windows/TabControls.h"

#include <vector>

// One row of tabs: its last tab, the pixels each of its tabs gains so that the row fills the
// whole length, and what that even share leaves over, given to the row's last tab.
struct TKsTabRow {
    int LastTab = -1;
    int Extra = 0;
    int Remainder = 0;
};

// Breaks tabs of the given widths into rows of Available pixels: a row closes when its next
// tab would reach the end. Every row takes at least one tab, so a tab longer than the whole
// edge has a row to itself (and is narrowed to the edge when rows are justified).
std::vector<TKsTabRow> LayoutRows(const std::vector<int>& Widths, int Available);

// The width of the page frame's border on each side; the tabs start one border in.
struct TKsTabBorders {
    int Left = 2;
    int Top = 2;
    int Right = 2;
    int Bottom = 2;
};

// What the layout depends on.
struct TKsTabState {
    TTabPosition Position = TTabPosition::tpTop;
    bool MultiLine = false;
    // Rows are widened to fill the whole length (not ragged, no fixed tab width).
    bool Justified = true;
    bool ScrollOpposite = false;
    int Width = 0;
    int Height = 0;
    // The thickness of a row.
    int Extent = 0;
    TKsTabBorders Borders;
    // The natural width of each tab.
    std::vector<int> Widths;
    int TabIndex = -1;
    // The first tab a single row shows.
    int FirstTab = 0;
    // The side of the two square scroll buttons.
    int ButtonSize = 0;
};

class TKsTabLayout {
public:
    explicit TKsTabLayout(TKsTabState State);

    const TKsTabState& State() const { return FState; }
    int Count() const { return static_cast<int>(FState.Widths.size()); }
    bool ValidTab(int Tab) const { return Tab >= 0 && Tab < Count(); }
    void SetFirstTab(int Tab) { FState.FirstTab = Tab; }

    // --- Rows ---
    // One row in single-line mode or without tabs.
    int RowCount() const { return static_cast<int>(FRows.size()); }
    const std::vector<TKsTabRow>& Rows() const { return FRows; }
    // The first row whose last tab is at or after Tab (row 0 for no tab).
    int RowOf(int Tab) const;
    int FirstTabOf(int Row) const;
    int SelectedRow() const { return RowOf(FState.TabIndex); }
    // How many rows out from the page a row lies (1 next to it), and whether it stands on the
    // opposite side of the page (ScrollOpposite, rows before the selected one).
    int RowDistance(int Row) const;
    bool IsOppositeRow(int Row) const;
    // The width a tab takes in its row.
    int TabWidth(int Tab) const;

    // --- Rectangles, in the control's coordinates ---
    // The depth of the rows on the tab side, with the border beyond them, and of the rows on
    // the opposite side.
    int TabArea() const;
    int OppositeArea() const;
    // The length along the edge that tabs may take.
    int Available() const;
    RECT PageRect() const;
    // Where child controls go: the page inside its frame.
    RECT DisplayRect() const;
    RECT TabRect(int Tab) const;
    // The selected tab as it is drawn: grown on every side but the page's, so it stands out
    // over its neighbours and covers the page frame below it.
    RECT SelectedTabRect(int Tab) const;
    // The side a tab is drawn on (its opposite rows on the opposite one).
    TTabPosition SideOf(int Tab) const;
    // Whether a tab is drawn: every tab of several rows, the tabs a single row shows.
    bool TabShown(int Tab) const;
    // The tabs drawn, in painting order (farthest row first), without the selected tab,
    // which is drawn last.
    std::vector<int> UnselectedTabsInPaintOrder() const;
    // The tab under a point: the selected tab first, then the others from the topmost
    // painted down; -1 over the page, the scroll buttons or nothing.
    int TabAtPos(POINT Point) const;

    // --- Scrolling a single row ---
    // Tabs at the top or bottom, in one row, at least two of them.
    bool CanScroll() const;
    // Scrolled away from the first tab, or the last tab ends beyond the control.
    bool NeedsScrollButtons() const;
    RECT ScrollButtonRect(bool Right) const;
    // The last tab shown from the first tab on: partly shown counts; with Exact, only a tab
    // that ends inside the control and clear of the scroll buttons (never before the first).
    int LastVisibleTab(bool Exact) const;
    // The farthest a row scrolls: from this tab on every tab fits before the buttons.
    int LastFirstTab() const;
    // FirstTab held where it is valid: 0 while nothing needs scrolling, else within the tabs
    // and short of scrolling past the last one.
    int ClampedFirstTab(int FirstTab) const;
    // The first tab that shows Tab completely, starting from the current first tab.
    int FirstTabShowing(int Tab) const;

private:
    bool Vertical() const;
    // The length of the edge that carries the tabs.
    int EdgeLength() const;
    int LeadBorder() const;
    int SideBorder(TTabPosition Side) const;
    // Along positions of a tab: where it starts and ends.
    int TabStart(int Tab) const;
    // Maps a span along the edge and a span across it, measured from Side's outer edge, to a
    // rectangle of the control.
    RECT MapSpans(TTabPosition Side, int AlongFrom, int AlongTo, int AcrossFrom,
                  int AcrossTo) const;
    bool InButtonStrip(POINT Point) const;

    TKsTabState FState;
    std::vector<TKsTabRow> FRows;
};

// The side across the page from Side.
TTabPosition OppositeSide(TTabPosition Side);
// The pixel of a tab's rectangle Along its edge from its start and Across it from its
// outer edge, for a tab standing on Side: every side is a mirror or a turn of the top.
POINT TabPlace(const RECT& Tab, TTabPosition Side, int Along, int Across);
