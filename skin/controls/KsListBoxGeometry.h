// The list box's geometry as pure functions of its items' heights: the scroll range of one
// scrolling column, which items a column shows, where the list must stand to show an item,
// and how items stack into several columns. Every function takes the heights through
// TKsItemHeights, which answers one height for every item without asking each one when the
// list's items are all alike, so that lists of a hundred thousand items lay out at once.
#pragma once

#include <functional>
#include <vector>

class TKsItemHeights {
public:
    // Every item Height pixels high (at least 1).
    static TKsItemHeights Fixed(int Height);
    // Each item as high as HeightOf answers (at least 1).
    static TKsItemHeights Measured(std::function<int(int)> HeightOf);

    bool IsFixed() const { return !FHeightOf; }
    int operator()(int Index) const;

private:
    int FFixed = 1;
    std::function<int(int)> FHeightOf;
};

// A scroll bar's range for a list: Max, and PageSize (0 when the items differ in height).
struct TKsListRange {
    int Max = 0;
    int PageSize = 0;
};

// One column ContentHeight high. Items alike: Max is the last item and PageSize the items
// that fit whole. Items that differ: Max is the first top item from which the rest of the
// list fits, so that the last item can be scrolled to the bottom but no further.
TKsListRange SingleColumnRange(int Count, int ContentHeight, const TKsItemHeights& Heights);

// The last item shown whole below the top item First; First itself when it is taller than
// the column (it is shown cut). -1 for an empty list.
int LastShownItem(int First, int Count, int ContentHeight, const TKsItemHeights& Heights);

// The top item nearest to First that shows Index whole (Index itself when it is taller than
// the column): First when Index is shown already.
int TopShowing(int Index, int First, int Count, int ContentHeight, const TKsItemHeights& Heights);

// The first item of each column when items stack top to bottom into columns ColumnHeight
// high: an item that does not fit below the others starts a new column, and an item taller
// than a column has one to itself. None for an empty list.
std::vector<int> ColumnStarts(int Count, int ColumnHeight, const TKsItemHeights& Heights);

// The column of Starts that Index lies in.
int ColumnOf(const std::vector<int>& Starts, int Index);
