// The control bar's bands and their layout: every change makes the bands of the controls it
// concerns anew, then lays the rows out from the top, each from the left: bands overlapping
// their left neighbours push them aside as far as the gaps between them allow, and a row too
// wide for the bar closes its gaps, then narrows its bands down to their controls' minimum
// widths, then wraps its last band into a new row.
#include "skin/controls/KsControlBars.h"

#include "framework/core/Lists.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int ClampToInt(int64_t Value) {
    return static_cast<int>(std::clamp<int64_t>(Value, INT_MIN, INT_MAX));
}

// The band's own rectangle where the layout put it.
int BandRight(const TKsBand& Band) {
    return Band.TempPos.x + Band.TempWidth;
}

// A head band's place, which its continuation bands share.
void CopyPlaceToChain(TKsBand& Band) {
    for (TKsBand* Below = Band.Next; Below; Below = Below->Next) {
        Below->TempPos.x = Band.TempPos.x;
        Below->TempWidth = Band.TempWidth;
    }
}

} // namespace

RECT TKsCustomControlBar::DefaultBandInsets() const {
    return RECT{GetGrabSize(), 2, 2, 2};
}

const TKsBand& TKsCustomControlBar::Bands(int Index) const {
    if (Index < 0 || Index >= BandCount())
        throw EListError(ListIndexErrorMessage(Index));
    return *FBands[static_cast<size_t>(Index)];
}

TKsBand* TKsCustomControlBar::FindBand(const TControl* Control) const {
    for (const auto& Band : FBands)
        if (Band->Control == Control && !Band->Parent)
            return Band.get();
    return nullptr;
}

RECT TKsCustomControlBar::BandArea(const TKsBand& Band) {
    const RECT Bounds = Band.Control->BoundsRect();
    return RECT{Bounds.left - Band.Insets.left, Bounds.top - Band.Insets.top,
                Bounds.right + Band.Insets.right, Bounds.bottom + Band.Insets.bottom};
}

TKsBand* TKsCustomControlBar::BandAt(int X, int Y) const {
    const POINT Point{X, Y};
    for (const auto& Band : FBands) {
        if (!Band->Visible || Band->Parent)
            continue;
        const RECT Area = BandArea(*Band);
        if (PtInRect(&Area, Point))
            return Band.get();
    }
    return nullptr;
}

int TKsCustomControlBar::IndexOf(const TKsBand* Band) const {
    for (int I = 0; I < BandCount(); ++I)
        if (FBands[static_cast<size_t>(I)].get() == Band)
            return I;
    return -1;
}

int TKsCustomControlBar::RowEnd(int RowStart) const {
    int End = RowStart + 1;
    while (End < BandCount() && !FBands[static_cast<size_t>(End)]->TempBreak)
        ++End;
    return End;
}

void TKsCustomControlBar::DeleteBandChain(TKsBand* Band) {
    while (Band) {
        TKsBand* Below = Band->Next;
        const int Index = IndexOf(Band);
        if (Band->Break && Index + 1 < BandCount()) {
            TKsBand& After = *FBands[static_cast<size_t>(Index + 1)];
            After.Break = true;
            After.TempBreak = true;
        }
        FBands.erase(FBands.begin() + Index);
        Band = Below;
    }
}

void TKsCustomControlBar::RemoveBand(TControl* Control) {
    FLastBandControl = Control;
    DeleteBandChain(FindBand(Control));
}

void TKsCustomControlBar::ClearBands() {
    FBands.clear();
    FDragControl = nullptr;
    FLastBandControl = nullptr;
    DoAlignControl(nullptr);
}

void TKsCustomControlBar::StickControls() {
    // A continuation band follows its parent, which comes earlier in the list.
    for (const auto& Band : FBands) {
        const TControl& Control = *Band->Control;
        if (Band->Parent)
            Band->Pos = POINT{Band->Parent->Pos.x, Band->Parent->Pos.y + Band->Parent->Height};
        else
            Band->Pos = POINT{Control.Left() - Band->Insets.left, Control.Top() - Band->Insets.top};
        Band->Width = Control.Width() + Band->Insets.left + Band->Insets.right;
        Band->Break = Band->TempBreak;
    }
}

bool TKsCustomControlBar::UpdateBands(TControl* Control) {
    bool VisibilityChanged = false;
    bool ControlFound = false;
    bool ControlWasNew = false;
    RECT ControlRect{};
    RECT ControlInsets = DefaultBandInsets();
    std::vector<TControl*> NewControls;
    for (int I = 0; I < ControlCount(); ++I) {
        TControl* Child = Controls(I);
        const bool Shown = IsDesigning() || Child->Visible();
        TKsBand* Band = FindBand(Child);
        if (Band && Band->Visible != Shown) {
            for (TKsBand* Part = Band; Part; Part = Part->Next)
                Part->Visible = Shown;
            VisibilityChanged = true;
        }
        if (Child != Control) {
            if (!Band)
                NewControls.push_back(Child);
            continue;
        }
        ControlFound = true;
        ControlWasNew = !Band;
        ControlRect = Child->BoundsRect();
        if (!Band)
            continue;
        ControlInsets.top = Band->Insets.top;
        ControlInsets.bottom = Band->Insets.bottom;
        if (Child == FDragControl) {
            // Where the user holds the band, at the control's size.
            const POINT Wanted{Band->Pos.x + Band->Insets.left, Band->Pos.y + Band->Insets.top};
            ControlRect = RECT{Wanted.x, Wanted.y, Wanted.x + Child->Width(),
                               Wanted.y + Child->Height()};
        }
        DeleteBandChain(Band);
    }
    std::stable_sort(NewControls.begin(), NewControls.end(), [](TControl* A, TControl* B) {
        return A->Top() != B->Top() ? A->Top() < B->Top() : A->Left() < B->Left();
    });
    for (TControl* Child : NewControls)
        InsertBand(Child, Child->BoundsRect(), false, -1, 0, DefaultBandInsets(), nullptr);
    if (ControlFound)
        InsertBand(Control, ControlRect, true, -1, 0, ControlInsets, nullptr);
    if (VisibilityChanged)
        Invalidate();
    return ControlWasNew;
}

void TKsCustomControlBar::InsertBand(TControl* Control, RECT R, bool Moving, int RowCount,
                                     int PreferredSize, RECT Insets, TKsBand* Parent) {
    if (RowCount < 0) {
        PreferredSize = R.right - R.left;
        const int Height = R.bottom - R.top + Insets.top + Insets.bottom;
        RowCount = 1;
        if (FRowSnap) {
            RowCount = std::max(Height / FRowSize, 1);
            if (Moving && int64_t{FRowSize} * RowCount < Height)
                ++RowCount;
        }
        DoBandInfo(Control, Insets, PreferredSize, RowCount);
        if (FRowSnap && Moving && int64_t{FRowSize} * RowCount < Height)
            RowCount = Height / FRowSize + 1;
        R = RECT{R.left - Insets.left, R.top - Insets.top,
                 ClampToInt(int64_t{R.left} + PreferredSize + Insets.right),
                 R.bottom + Insets.bottom};
        if (FRowSnap)
            R.bottom = ClampToInt(R.top + int64_t{FRowSize} * RowCount);
    }
    // One band per row the control spans, each one row lower than the one before.
    for (int Row = 0; Row < RowCount; ++Row) {
        const int Top = ClampToInt(R.top + int64_t{FRowSize} * Row);
        const int Middle = ClampToInt(int64_t{Top} + FRowSize / 2);
        int Index = BandCount();
        bool StartsRow = true;
        for (int RowStart = 0; RowStart < BandCount(); RowStart = RowEnd(RowStart)) {
            const int End = RowEnd(RowStart);
            int Bottom = INT_MIN;
            for (int I = RowStart; I < End; ++I)
                if (const TKsBand& Band = *FBands[static_cast<size_t>(I)]; Band.Visible)
                    Bottom = std::max(Bottom, ClampToInt(int64_t{Band.TempPos.y} + Band.Height));
            if (Bottom <= Middle)
                continue;
            Index = RowStart;
            for (int I = RowStart; I < End; ++I)
                if (const TKsBand& Band = *FBands[static_cast<size_t>(I)];
                    Band.Visible && Band.TempPos.x < R.left && Band.TempPos.y < Middle)
                    Index = I + 1;
            StartsRow = Index == RowStart;
            break;
        }
        if (StartsRow && Index < BandCount()) {
            TKsBand& Displaced = *FBands[static_cast<size_t>(Index)];
            Displaced.Break = false;
            Displaced.TempBreak = false;
        }
        auto Band = std::make_unique<TKsBand>();
        Band->Control = Control;
        Band->Insets = Insets;
        Band->Visible = IsDesigning() || Control->Visible();
        Band->Break = StartsRow;
        Band->Pos = POINT{R.left, Top};
        Band->Width = R.right - R.left;
        Band->Height = FRowSnap ? FRowSize : std::max<int>(R.bottom - Top, 0);
        Band->RowCount = RowCount - Row;
        Band->Parent = Parent;
        Band->TempBreak = Band->Break;
        Band->TempPos = Band->Pos;
        Band->TempWidth = Band->Width;
        if (Parent)
            Parent->Next = Band.get();
        Parent = Band.get();
        FBands.insert(FBands.begin() + Index, std::move(Band));
    }
}

void TKsCustomControlBar::AlignControls(TControl* AControl, RECT& Rect) {
    if (FAligning)
        return;
    FAligning = true;
    try {
        UpdateBands(AControl);
        if (!FBands.empty()) {
            for (const auto& Band : FBands) {
                Band->TempBreak = Band->Break;
                Band->Replaced = false;
            }
            if (LayOutRows(Rect))
                LayOutRows(Rect);
            if (ApplyBands() || AControl)
                Invalidate();
            AdjustSize();
        }
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
}

bool TKsCustomControlBar::LayOutRows(const RECT& Rect) {
    bool Restart = false;
    int Top = Rect.top;
    int RowStart = 0;
    while (RowStart < BandCount()) {
        const int Bottom = LayOutRow(RowStart, Top, Rect, Restart);
        // A wrapped row is laid out again without the band it gave up.
        if (Bottom < 0)
            continue;
        Top = std::max(Top, Bottom);
        RowStart = RowEnd(RowStart);
    }
    return Restart;
}

int TKsCustomControlBar::LayOutRow(int RowStart, int RowTop, const RECT& Rect, bool& Restart) {
    const int End = RowEnd(RowStart);
    int X = Rect.left;
    int Slack = 0;
    int Bottom = RowTop;
    for (int I = RowStart; I < End; ++I) {
        TKsBand& Band = *FBands[static_cast<size_t>(I)];
        if (!Band.Visible)
            continue;
        int Left = 0;
        if (const TKsBand* Parent = Band.Parent) {
            Band.Pos = POINT{Parent->Pos.x, Parent->Pos.y + Parent->Height};
            Band.Width = Parent->Width;
            Band.TempWidth = Parent->TempWidth;
            // A continuation band is pushed right by its row, never left.
            Left = std::max<int>(Parent->TempPos.x, X);
        } else {
            int Width = Band.Width - Band.Insets.left - Band.Insets.right;
            int Rows = Band.RowCount;
            DoBandInfo(Band.Control, Band.Insets, Width, Rows);
            Band.Width = Band.Insets.left + Width + Band.Insets.right;
            RECT R = Band.Replaced ? RECT{Band.TempPos.x, Band.Pos.y, BandRight(Band),
                                          Band.Pos.y + Band.Height}
                                   : RECT{Band.Pos.x, Band.Pos.y, Band.Pos.x + Band.Width,
                                          Band.Pos.y + Band.Height};
            DoBandMove(Band.Control, R);
            Band.TempWidth = std::max<int>(R.right - R.left, 0);
            Band.Pos = POINT{R.left, R.top};
            Left = R.left;
            if (Left < X && Slack > 0) {
                const int Wanted = X - std::min(X - Left, Slack);
                const int Packed = PushLeftNeighbours(RowStart, I, Wanted, Rect.left);
                Slack -= X - Packed;
                X = Packed;
            }
            Left = std::max(Left, X);
        }
        Slack += Left - X;
        Band.TempPos = POINT{Left, RowTop};
        Bottom = std::max(Bottom, ClampToInt(int64_t{RowTop} + Band.Height));
        X = BandRight(Band);
        CopyPlaceToChain(Band);
        if (Band.Parent &&
            (Left != Band.Parent->TempPos.x || Band.TempWidth != Band.Parent->TempWidth)) {
            for (TKsBand* Above = Band.Parent; Above; Above = Above->Parent) {
                Above->TempPos.x = Left;
                Above->TempWidth = Band.TempWidth;
                Above->Replaced = true;
            }
            Restart = true;
        }
    }
    if (X > Rect.right && SqueezeRow(RowStart, End, Rect) < Rect.left &&
        ShrinkRow(RowStart, End, Rect) < Rect.left && WrapLastBand(RowStart, End, Rect))
        return -1;
    return Bottom;
}

namespace {

// The visible bands of a row between two indexes and how far left each can go: a head band
// as far as the bands left of it allow when packed, a continuation band not at all.
struct TRowSpan {
    std::vector<TKsBand*> Bands;
    std::vector<int> Floors;
};

TRowSpan VisibleSpan(const std::vector<std::unique_ptr<TKsBand>>& List, int First, int End,
                     int Left) {
    TRowSpan Span;
    int Wall = Left;
    for (int I = First; I < End; ++I) {
        TKsBand* Band = List[static_cast<size_t>(I)].get();
        if (!Band->Visible)
            continue;
        if (Band->Parent)
            Wall = Band->TempPos.x;
        Span.Bands.push_back(Band);
        Span.Floors.push_back(Wall);
        Wall += Band->TempWidth;
    }
    return Span;
}

} // namespace

int TKsCustomControlBar::PushLeftNeighbours(int RowStart, int Index, int Limit, int RowLeft) {
    const TRowSpan Span = VisibleSpan(FBands, RowStart, Index, RowLeft);
    for (size_t K = Span.Bands.size(); K-- > 0;) {
        TKsBand& Band = *Span.Bands[K];
        if (Band.Parent || BandRight(Band) <= Limit)
            break;
        Band.TempPos.x = std::max(Limit - Band.TempWidth, Span.Floors[K]);
        CopyPlaceToChain(Band);
        Limit = Band.TempPos.x;
    }
    return Span.Bands.empty() ? RowLeft : BandRight(*Span.Bands.back());
}

int TKsCustomControlBar::SqueezeRow(int RowStart, int RowEnd, const RECT& Rect) {
    const TRowSpan Span = VisibleSpan(FBands, RowStart, RowEnd, Rect.left);
    int Limit = Rect.right;
    for (size_t K = Span.Bands.size(); K-- > 0;) {
        TKsBand& Band = *Span.Bands[K];
        if (!Band.Parent && BandRight(Band) > Limit) {
            Band.TempPos.x = std::max(Limit - Band.TempWidth, Span.Floors[K]);
            CopyPlaceToChain(Band);
        }
        Limit -= Band.TempWidth;
    }
    return Limit;
}

int TKsCustomControlBar::ShrinkRow(int RowStart, int RowEnd, const RECT& Rect) {
    int Limit = Rect.right;
    for (int I = RowEnd; I-- > RowStart;) {
        TKsBand& Band = *FBands[static_cast<size_t>(I)];
        if (!Band.Visible)
            continue;
        if (!Band.Parent && BandRight(Band) > Limit) {
            const int Smallest = Band.Control->Constraints()->MinWidth() + Band.Insets.left +
                                 Band.Insets.right;
            Band.TempWidth =
                std::max<int>(Limit - Band.TempPos.x, std::min(Smallest, Band.TempWidth));
            Band.TempPos.x = std::max(Limit - Band.TempWidth, static_cast<int>(Rect.left));
            CopyPlaceToChain(Band);
        }
        Limit -= Band.TempWidth;
    }
    return Limit;
}

bool TKsCustomControlBar::WrapLastBand(int RowStart, int RowEnd, const RECT& Rect) {
    TKsBand* Last = nullptr;
    int Visible = 0;
    for (int I = RowStart; I < RowEnd; ++I) {
        TKsBand* Band = FBands[static_cast<size_t>(I)].get();
        if (!Band->Visible)
            continue;
        ++Visible;
        // A continuation band keeps to the row below its parent.
        if (!Band->Parent && I != RowStart)
            Last = Band;
    }
    if (Visible < 2 || !Last)
        return false;
    Last->TempPos.x = Rect.left;
    Last->TempWidth = Last->Width;
    Last->TempBreak = true;
    Last->Replaced = true;
    return true;
}

bool TKsCustomControlBar::ApplyBands() {
    bool Moved = false;
    for (const auto& Band : FBands) {
        if (!Band->Visible || Band->Parent)
            continue;
        const RECT& Insets = Band->Insets;
        int64_t Bottom = int64_t{Band->TempPos.y} + Band->Height - Insets.bottom;
        for (const TKsBand* Below = Band->Next; Below; Below = Below->Next)
            Bottom += Below->Height;
        RECT Bounds{Band->TempPos.x + Insets.left, Band->TempPos.y + Insets.top,
                    BandRight(*Band) - Insets.right, ClampToInt(Bottom)};
        Bounds.right = std::max(Bounds.right, Bounds.left);
        Bounds.bottom = std::max(Bounds.bottom, Bounds.top);
        const RECT Current = Band->Control->BoundsRect();
        if (EqualRect(&Bounds, &Current))
            continue;
        Band->Control->SetBoundsRect(Bounds);
        Moved = true;
    }
    return Moved;
}
