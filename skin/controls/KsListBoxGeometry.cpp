#include "skin/controls/KsListBoxGeometry.h"

#include <algorithm>

TKsItemHeights TKsItemHeights::Fixed(int Height) {
    TKsItemHeights Result;
    Result.FFixed = std::max(Height, 1);
    return Result;
}

TKsItemHeights TKsItemHeights::Measured(std::function<int(int)> HeightOf) {
    TKsItemHeights Result;
    Result.FHeightOf = std::move(HeightOf);
    return Result;
}

int TKsItemHeights::operator()(int Index) const {
    return FHeightOf ? std::max(FHeightOf(Index), 1) : FFixed;
}

TKsListRange SingleColumnRange(int Count, int ContentHeight, const TKsItemHeights& Heights) {
    if (Count <= 0)
        return TKsListRange{0, 0};
    if (Heights.IsFixed())
        return TKsListRange{Count - 1, std::max(ContentHeight, 0) / Heights(0)};
    int First = Count - 1;
    int Used = Heights(First);
    while (First > 0 && Used + Heights(First - 1) <= ContentHeight)
        Used += Heights(--First);
    return TKsListRange{First, 0};
}

int LastShownItem(int First, int Count, int ContentHeight, const TKsItemHeights& Heights) {
    if (Count <= 0)
        return -1;
    First = std::clamp(First, 0, Count - 1);
    if (Heights.IsFixed())
        return std::clamp(First + std::max(ContentHeight, 0) / Heights(0) - 1, First, Count - 1);
    int Last = First;
    int Used = Heights(First);
    while (Last + 1 < Count && Used + Heights(Last + 1) <= ContentHeight)
        Used += Heights(++Last);
    return Last;
}

int TopShowing(int Index, int First, int Count, int ContentHeight, const TKsItemHeights& Heights) {
    if (Count <= 0)
        return 0;
    Index = std::clamp(Index, 0, Count - 1);
    if (Index <= First)
        return Index;
    if (Index <= LastShownItem(First, Count, ContentHeight, Heights))
        return First;
    if (Heights.IsFixed())
        return std::max(Index - std::max(ContentHeight, 0) / Heights(0) + 1, 0);
    int Top = Index;
    int Used = Heights(Index);
    while (Top > 0 && Used + Heights(Top - 1) <= ContentHeight)
        Used += Heights(--Top);
    return Top;
}

std::vector<int> ColumnStarts(int Count, int ColumnHeight, const TKsItemHeights& Heights) {
    std::vector<int> Starts;
    if (Count <= 0)
        return Starts;
    if (Heights.IsFixed()) {
        const int PerColumn = std::max(std::max(ColumnHeight, 0) / Heights(0), 1);
        Starts.reserve(static_cast<size_t>((Count + PerColumn - 1) / PerColumn));
        for (int Start = 0; Start < Count; Start += PerColumn)
            Starts.push_back(Start);
        return Starts;
    }
    int Used = 0;
    for (int I = 0; I < Count; ++I) {
        const int Height = Heights(I);
        if (Starts.empty() || (Used > 0 && Used + Height > ColumnHeight)) {
            Starts.push_back(I);
            Used = 0;
        }
        Used += Height;
    }
    return Starts;
}

int ColumnOf(const std::vector<int>& Starts, int Index) {
    const auto After = std::upper_bound(Starts.begin(), Starts.end(), Index);
    return std::max(static_cast<int>(After - Starts.begin()) - 1, 0);
}
