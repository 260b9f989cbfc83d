// The list box's properties, its items and their states, the layout of the items and the
// scroll bar, scrolling, the current item and the selection.
#include "skin/controls/KsListBoxs.h"

#include "framework/core/Properties.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

const TEnumInfo KsListBoxStyleInfo{"TKsListBoxStyle",
                                   {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable",
                                    "lbFonts", "lbFontSamples", "lbColors", "lbColorNames"}};
const TEnumInfo KsFontDeviceInfo{"TKsFontDevice", {"fdScreen", "fdPrinter"}};
const TEnumInfo KsFontTypeInfo{"TKsFontType", {"ftAll", "ftTrueType", "ftFixedPitch"}};

namespace {

using P = TPublished<TKsCustomListBox>;
const TPropertyTable ListBoxProperties{
    P::Boolean("AllowGrayed", &TKsCustomListBox::AllowGrayed, &TKsCustomListBox::SetAllowGrayed),
    P::Boolean("AlwaysShowScrlBar", &TKsCustomListBox::AlwaysShowScrlBar,
               &TKsCustomListBox::SetAlwaysShowScrlBar),
    P::Enumeration("BorderStyle", BorderStyleInfo, &TKsCustomListBox::BorderStyle,
                   &TKsCustomListBox::SetBorderStyle, TBorderStyle::bsSingle),
    P::Integer("Columns", &TKsCustomListBox::Columns, &TKsCustomListBox::SetColumns),
    P::Boolean("Flat", &TKsCustomListBox::Flat, &TKsCustomListBox::SetFlat, true),
    P::Enumeration("FontDevice", KsFontDeviceInfo, &TKsCustomListBox::FontDevice,
                   &TKsCustomListBox::SetFontDevice),
    P::Enumeration("FontType", KsFontTypeInfo, &TKsCustomListBox::FontType,
                   &TKsCustomListBox::SetFontType),
    // The font and colour lists fill themselves when their style is read.
    P::Strings("Items", &TKsCustomListBox::Items,
               TStored::If<TKsCustomListBox>([](const TKsCustomListBox& Box) {
                   return Box.Count() > 0 && !Box.FillsItself();
               })),
    P::Integer("ItemHeight", &TKsCustomListBox::ItemHeight, &TKsCustomListBox::SetItemHeight, 16),
    P::Boolean("MultiSelect", &TKsCustomListBox::MultiSelect, &TKsCustomListBox::SetMultiSelect),
    P::Boolean("ShowCheckBoxes", &TKsCustomListBox::ShowCheckBoxes,
               &TKsCustomListBox::SetShowCheckBoxes),
    P::Boolean("Sorted", &TKsCustomListBox::Sorted, &TKsCustomListBox::SetSorted),
    P::Enumeration("ListStyle", KsListBoxStyleInfo, &TKsCustomListBox::ListStyle,
                   &TKsCustomListBox::SetListStyle),
    P::Boolean("TabStop", &TKsCustomListBox::TabStop, &TKsCustomListBox::SetTabStop, true),
    P::Boolean("WordWrap", &TKsCustomListBox::WordWrap, &TKsCustomListBox::SetWordWrap),
    P::Event("OnDrawItem", &TKsCustomListBox::OnDrawItem),
    P::Event("OnMeasureItem", &TKsCustomListBox::OnMeasureItem),
};

// Where an index the box keeps went after the list changed: deleted items keep their place
// (the next item takes it) when KeepPlace, else are forgotten.
int Remapped(int Index, const std::function<int(int)>& NewIndexOf, bool KeepPlace) {
    if (Index < 0)
        return Index;
    const int Moved = NewIndexOf(Index);
    return Moved >= 0 || !KeepPlace ? Moved : Index;
}

} // namespace

const TComponentClassOf<TKsCustomListBox> TKsCustomListBox::Class{
    "TKsCustomListBox", TKsCustomControl::Class, &ListBoxProperties};
const TComponentClassOf<TKsListBox> TKsListBox::Class{"TKsListBox", TKsCustomListBox::Class};

TKsCustomListBox::TKsCustomListBox(TComponent* AOwner)
    : TKsCustomControl(AOwner), FItems(std::make_unique<TEkListBoxItems>(this)) {
    SetColor(clWindow);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetTabStop(true);
    SetUpScrollBar();
    SetBounds(Left(), Top(), 121, 97);
}

TKsCustomListBox::~TKsCustomListBox() {
    // The bar is a child of this control: it goes while the box is still whole.
    delete FScrollBar;
}

void TKsCustomListBox::SetUpScrollBar() {
    delete FScrollBar;
    TKsCustomScrollBar* Bar = CreateScrollBar();
    Bar->SetBorderWidth(0);
    Bar->SetKind(TScrollBarKind::sbVertical);
    Bar->SetTransparent(false);
    Bar->SetParent(this);
    Bar->OnChange = MakeEvent(this, &TKsCustomListBox::ScrollBarChange);
    Bar->OnScroll = MakeEvent(this, &TKsCustomListBox::ScrollBarScroll);
    FScrollBar = Bar;
    UpdateScrollBar();
}

void TKsCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FScrollBar)
        FScrollBar = nullptr;
}

// ---- Properties ----

void TKsCustomListBox::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

void TKsCustomListBox::SetAllowGrayed(bool Value) {
    if (!KsChangeValue(FAllowGrayed, Value))
        return;
    if (!Value)
        for (int I = 0; I < Count(); ++I)
            if (CheckState(I) == TKsCheckBoxState::cbGrayed)
                SetCheckState(I, TKsCheckBoxState::cbChecked);
    Invalidate();
}

template <class T> void TKsCustomListBox::ChangeLayout(T& Field, T Value) {
    if (!KsChangeValue(Field, Value))
        return;
    UpdateScrollBar();
    Invalidate();
}

void TKsCustomListBox::SetAlwaysShowScrlBar(bool Value) {
    ChangeLayout(FAlwaysShowScrlBar, Value);
}

void TKsCustomListBox::SetColumns(int Value) {
    if (!KsChangeValue(FColumns, std::max(Value, 0)))
        return;
    // The scroll position counts items in one column and columns in several.
    SetScrollPosition(0);
    UpdateScrollBar();
    if (IsItem(FItemIndex))
        MoveCurrent(FItemIndex);
    Invalidate();
}

void TKsCustomListBox::SetFlat(bool Value) {
    if (KsChangeValue(FFlat, Value))
        Invalidate();
}

void TKsCustomListBox::SetFontDevice(TKsFontDevice Value) {
    if (KsChangeValue(FFontDevice, Value))
        FillForStyle();
}

void TKsCustomListBox::SetFontType(TKsFontType Value) {
    if (KsChangeValue(FFontType, Value))
        FillForStyle();
}

void TKsCustomListBox::SetItemHeight(int Value) {
    ChangeLayout(FItemHeight, Value);
}

void TKsCustomListBox::SetMultiSelect(bool Value) {
    if (!KsChangeValue(FMultiSelect, Value))
        return;
    ClearSelection();
}

void TKsCustomListBox::SetShowCheckBoxes(bool Value) {
    ChangeLayout(FShowCheckBoxes, Value);
}

void TKsCustomListBox::SetSorted(bool Value) {
    FSorted = Value;
    FItems->SetSorted(Value);
}

void TKsCustomListBox::SetListStyle(TKsListBoxStyle Value) {
    if (!KsChangeValue(FListStyle, Value))
        return;
    FillForStyle();
    UpdateScrollBar();
    Invalidate();
}

void TKsCustomListBox::SetWordWrap(bool Value) {
    ChangeLayout(FWordWrap, Value);
}

void TKsCustomListBox::SetBorderStyle(TBorderStyle Value) {
    TKsCustomControl::SetBorderStyle(Value);
    UpdateScrollBar();
}

void TKsCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TKsCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateScrollBar();
}

void TKsCustomListBox::Loaded() {
    TKsCustomControl::Loaded();
    UpdateScrollBar();
    Invalidate();
}

bool TKsCustomListBox::FillsItself() const {
    return FListStyle >= TKsListBoxStyle::lbFonts;
}

void TKsCustomListBox::FillForStyle() {
    switch (FListStyle) {
    case TKsListBoxStyle::lbFonts:
    case TKsListBoxStyle::lbFontSamples:
        FillFonts();
        break;
    case TKsListBoxStyle::lbColors:
    case TKsListBoxStyle::lbColorNames:
        FillColors();
        break;
    default:
        break;
    }
}

// ---- Item states ----

template <class T>
void TKsCustomListBox::ChangeItemState(int Index, T TKsListItemState::*Field, T Value) {
    if (!IsItem(Index))
        return;
    TKsListItemState State = FItems->ItemState(Index);
    if (!KsChangeValue(State.*Field, Value))
        return;
    FItems->SetItemState(Index, State);
    Invalidate();
}

bool TKsCustomListBox::Selected(int Index) const {
    return IsItem(Index) && FItems->ItemState(Index).Selected;
}

void TKsCustomListBox::SetSelected(int Index, bool Value) {
    ChangeItemState(Index, &TKsListItemState::Selected, Value);
}

TKsCheckBoxState TKsCustomListBox::CheckState(int Index) const {
    return IsItem(Index) ? FItems->ItemState(Index).Check : TKsCheckBoxState::cbUnchecked;
}

void TKsCustomListBox::SetCheckState(int Index, TKsCheckBoxState Value) {
    ChangeItemState(Index, &TKsListItemState::Check, Value);
}

bool TKsCustomListBox::ItemEnabled(int Index) const {
    return !IsItem(Index) || FItems->ItemState(Index).Enabled;
}

void TKsCustomListBox::SetItemEnabled(int Index, bool Value) {
    ChangeItemState(Index, &TKsListItemState::Enabled, Value);
}

int TKsCustomListBox::SelCount() const {
    int Result = 0;
    for (int I = 0; I < Count(); ++I)
        Result += Selected(I) ? 1 : 0;
    return Result;
}

void TKsCustomListBox::ClearSelection() {
    for (int I = 0; I < Count(); ++I)
        SetSelected(I, false);
    Invalidate();
}

void TKsCustomListBox::ToggleCheck(int Index) {
    if (!IsItem(Index) || !ItemEnabled(Index))
        return;
    switch (CheckState(Index)) {
    case TKsCheckBoxState::cbUnchecked:
        SetCheckState(Index, TKsCheckBoxState::cbChecked);
        break;
    case TKsCheckBoxState::cbChecked:
        SetCheckState(Index,
                      FAllowGrayed ? TKsCheckBoxState::cbGrayed : TKsCheckBoxState::cbUnchecked);
        break;
    case TKsCheckBoxState::cbGrayed:
        SetCheckState(Index, TKsCheckBoxState::cbUnchecked);
        break;
    }
}

// ---- Told by the item list ----

void TKsCustomListBox::ItemsMoved(const std::function<int(int)>& NewIndexOf) {
    FItemIndex = Remapped(FItemIndex, NewIndexOf, true);
    FAnchorIndex = Remapped(FAnchorIndex, NewIndexOf, false);
    FHotIndex = Remapped(FHotIndex, NewIndexOf, false);
    FHotCheck = Remapped(FHotCheck, NewIndexOf, false);
}

void TKsCustomListBox::ItemsChanged() {
    if (Count() == 0)
        FItemIndex = -1;
    else
        FItemIndex = std::clamp(FItemIndex, 0, Count() - 1);
    for (int* Index : {&FAnchorIndex, &FHotIndex, &FHotCheck})
        if (!IsItem(*Index))
            *Index = -1;
    if (FUpdating)
        return;
    UpdateScrollBar();
    Invalidate();
}

void TKsCustomListBox::SetUpdating(bool Value) {
    FUpdating = Value;
    if (!Value)
        ItemsChanged();
}

// ---- Layout ----

bool TKsCustomListBox::VariableHeights() const {
    return FWordWrap || (FListStyle == TKsListBoxStyle::lbOwnerDrawVariable && OnMeasureItem);
}

TKsItemHeights TKsCustomListBox::Heights() const {
    if (VariableHeights())
        return TKsItemHeights::Measured([this](int Index) { return GetItemHeight(Index); });
    return TKsItemHeights::Fixed(GetItemHeight(0));
}

int TKsCustomListBox::GetItemWidth() const {
    const RECT Content = ContentRect();
    int Width = RectWidth(Content);
    if (FColumns > 0)
        Width /= FColumns;
    else if (FScrollBar && FScrollBar->Visible() &&
             (FScrollBarShown || IsDesigning() || FAlwaysShowScrlBar))
        Width -= FScrollBar->Width();
    if (FShowCheckBoxes)
        Width -= GetCheckColumnWidth();
    return std::max(Width, 0);
}

int TKsCustomListBox::ColumnHeight() const {
    const int Height = RectHeight(ContentRect());
    if (FColumns > 0 && FScrollBar && FScrollBar->Visible())
        return std::max(Height - FScrollBar->Height(), 0);
    return std::max(Height, 0);
}

int TKsCustomListBox::ItemsHeight() const {
    return FColumns > 0 ? ColumnHeight() : std::max(RectHeight(ContentRect()), 0);
}

void TKsCustomListBox::UpdateScrollBar() {
    if (!FScrollBar)
        return;
    // Wrapped items are as high as the width the bar leaves them: a second pass settles
    // them when the bar came or went.
    if (LayOutScrollBar() && FWordWrap)
        LayOutScrollBar();
    UpdateShownRange();
}

bool TKsCustomListBox::LayOutScrollBar() {
    TKsCustomScrollBar& Bar = *FScrollBar;
    const RECT Content = ContentRect();
    const int Width = std::max(RectWidth(Content), 0);
    const int Height = std::max(RectHeight(Content), 0);
    const int Thickness = GetScrollBarSize();
    const bool ShowAlways = FAlwaysShowScrlBar || IsDesigning();
    TKsListRange Range;
    if (FColumns > 0) {
        Bar.SetKind(TScrollBarKind::sbHorizontal);
        Bar.SetBounds(Content.left, Content.bottom - Thickness, Width, Thickness);
        const TKsItemHeights ItemHeights = Heights();
        const int Available = Height - (ShowAlways ? Thickness : 0);
        FColumnStarts = ColumnStarts(Count(), Available, ItemHeights);
        // Too many columns for the view: the bar will show, and the columns go above it.
        if (!ShowAlways && static_cast<int>(FColumnStarts.size()) > FColumns)
            FColumnStarts = ColumnStarts(Count(), Available - Thickness, ItemHeights);
        Range = TKsListRange{std::max(static_cast<int>(FColumnStarts.size()) - 1, 0), FColumns};
    } else {
        FColumnStarts.clear();
        Bar.SetKind(TScrollBarKind::sbVertical);
        Bar.SetBounds(Content.right - Thickness, Content.top, Thickness, Height);
        Range = SingleColumnRange(Count(), Height, Heights());
    }
    // Each change repaints the bar: only what differs is set (a list filled item by item
    // changes Max alone).
    if (Bar.Min() != 0)
        Bar.SetMin(0);
    if (Bar.Max() != Range.Max)
        Bar.SetMax(Range.Max);
    if (Bar.PageSize() != Range.PageSize)
        Bar.SetPageSize(Range.PageSize);
    const bool Scrolls = Range.PageSize < Range.Max + 1 && Range.Max != 0;
    Bar.SetEnabled(Scrolls);
    Bar.SetVisible(ShowAlways || Scrolls);
    const bool Changed = KsChangeValue(FScrollBarShown, Bar.Visible());
    // Fewer items or more room: the last page ends at the bottom again.
    if (TopIndex() > TopLimit())
        SetScrollPosition(TopLimit());
    return Changed;
}

int TKsCustomListBox::TopIndex() const {
    return FScrollBar ? FScrollBar->Position() : 0;
}

void TKsCustomListBox::SetTopIndex(int Value) {
    SetScrollPosition(Value);
}

int TKsCustomListBox::TopLimit() const {
    if (!FScrollBar)
        return 0;
    const int Page = FScrollBar->PageSize();
    return std::max(Page > 0 ? FScrollBar->Max() - Page + 1 : FScrollBar->Max(), 0);
}

void TKsCustomListBox::SetScrollPosition(int Value) {
    if (FScrollBar)
        FScrollBar->SetPosition(std::clamp(Value, 0, TopLimit()));
}

void TKsCustomListBox::UpdateShownRange() {
    if (FColumns > 0) {
        const int Columns = static_cast<int>(FColumnStarts.size());
        if (Columns == 0) {
            FFirstShown = 0;
            FLastShown = -1;
            return;
        }
        const int First = std::clamp(TopIndex(), 0, Columns - 1);
        const int Last = std::min(First + FColumns - 1, Columns - 1);
        FFirstShown = FColumnStarts[static_cast<size_t>(First)];
        FLastShown =
            Last + 1 < Columns ? FColumnStarts[static_cast<size_t>(Last + 1)] - 1 : Count() - 1;
        return;
    }
    FFirstShown = Count() > 0 ? std::clamp(TopIndex(), 0, Count() - 1) : 0;
    FLastShown = LastShownItem(FFirstShown, Count(), ItemsHeight(), Heights());
}

std::vector<TKsItemCell> TKsCustomListBox::ItemsInView(bool Partial) const {
    std::vector<TKsItemCell> Cells;
    const RECT Content = ContentRect();
    const int CheckWidth = FShowCheckBoxes ? GetCheckColumnWidth() : 0;
    const int TextWidth = GetItemWidth();
    const auto Add = [&](int Index, int Left, int Top, int Height, bool Whole) {
        TKsItemCell Cell;
        Cell.Index = Index;
        Cell.Check = RECT{Left, Top, Left + CheckWidth, Top + Height};
        Cell.Text = RECT{Left + CheckWidth, Top, Left + CheckWidth + TextWidth, Top + Height};
        Cell.Whole = Whole;
        Cells.push_back(Cell);
    };
    if (FColumns > 0) {
        const int Columns = static_cast<int>(FColumnStarts.size());
        const int Bottom = Content.top + ColumnHeight();
        for (int C = 0; C < FColumns && TopIndex() + C < Columns; ++C) {
            const int Column = TopIndex() + C;
            const int End =
                Column + 1 < Columns ? FColumnStarts[static_cast<size_t>(Column + 1)] : Count();
            const int Left = Content.left + C * (TextWidth + CheckWidth);
            int Top = Content.top;
            for (int I = FColumnStarts[static_cast<size_t>(Column)]; I < End; ++I) {
                const int Height = GetItemHeight(I);
                Add(I, Left, Top, Height, Top + Height <= Bottom);
                Top += Height;
            }
        }
        return Cells;
    }
    int Top = Content.top;
    for (int I = TopIndex(); I < Count() && Top < Content.bottom; ++I) {
        const int Height = GetItemHeight(I);
        const bool Whole = Top + Height <= Content.bottom;
        // Only whole items are painted, but the first in view always is, cut if need be.
        if (!Whole && !Partial && I != TopIndex())
            break;
        Add(I, Content.left, Top, Height, Whole);
        Top += Height;
    }
    return Cells;
}

int TKsCustomListBox::GetItemTop(int Index) const {
    if (!IsItem(Index) || Index < FFirstShown)
        return -1;
    if (FColumns > 0) {
        const RECT Row = GetItemRect(Index);
        return IsRectEmpty(Row) ? -1 : Row.top;
    }
    const TKsItemHeights ItemHeights = Heights();
    int Top = ContentRect().top;
    if (ItemHeights.IsFixed())
        return Top + (Index - FFirstShown) * ItemHeights(0);
    for (int I = FFirstShown; I < Index; ++I)
        Top += ItemHeights(I);
    return Top;
}

RECT TKsCustomListBox::GetItemRect(int Index) const {
    for (const TKsItemCell& Cell : ItemsInView(true))
        if (Cell.Index == Index)
            return RECT{Cell.Check.left, Cell.Text.top, Cell.Text.right, Cell.Text.bottom};
    return RECT{};
}

int TKsCustomListBox::GetCheckColumnWidth() const {
    return 15;
}

SIZE TKsCustomListBox::GetCheckGlyphSize() const {
    return SIZE{13, 13};
}

bool TKsCustomListBox::IsPointInItem(int X, int Y, const RECT& Rect, int) const {
    return PtInRect(&Rect, POINT{X, Y}) != FALSE;
}

bool TKsCustomListBox::IsPointInCheck(int X, int Y, const RECT& Rect, int) const {
    return PtInRect(&Rect, POINT{X, Y}) != FALSE;
}

void TKsCustomListBox::HitTestItems(int X, int Y) {
    FHotIndex = -1;
    FHotCheck = -1;
    const RECT Content = ContentRect();
    if (!PtInRect(&Content, POINT{X, Y}))
        return;
    for (const TKsItemCell& Cell : ItemsInView(true)) {
        if (FShowCheckBoxes && IsPointInCheck(X, Y, CheckGlyphRect(Cell.Check), Cell.Index)) {
            FHotCheck = Cell.Index;
            return;
        }
        if (IsPointInItem(X, Y, Cell.Text, Cell.Index)) {
            FHotIndex = Cell.Index;
            return;
        }
    }
}

int TKsCustomListBox::ItemAtPos(POINT Point) const {
    const RECT Content = ContentRect();
    if (!PtInRect(&Content, Point))
        return -1;
    for (const TKsItemCell& Cell : ItemsInView(true))
        if ((FShowCheckBoxes && PtInRect(&Cell.Check, Point)) || PtInRect(&Cell.Text, Point))
            return Cell.Index;
    return -1;
}

RECT TKsCustomListBox::CheckGlyphRect(const RECT& CheckCell) const {
    const SIZE Glyph = GetCheckGlyphSize();
    const int Left = CheckCell.left + (RectWidth(CheckCell) - Glyph.cx) / 2;
    const int Top = CheckCell.top + (RectHeight(CheckCell) - Glyph.cy) / 2;
    return RECT{Left, Top, Left + Glyph.cx, Top + Glyph.cy};
}

// ---- Scrolling ----

void TKsCustomListBox::ScrollBarChange(TObject*) {
    UpdateShownRange();
    // Dragged past an edge: the current item follows the edge the list scrolls past.
    if (FScrollBar->AutoScrollUp() || FScrollBar->AutoScrollDown()) {
        MoveCurrent(FScrollBar->AutoScrollUp() ? FFirstShown : FLastShown);
        UpdateSelection();
        if (FScrollBar->AutoScrollUp() && TopIndex() <= 0)
            FScrollBar->SetAutoScrollUp(false);
        if (FScrollBar->AutoScrollDown() && TopIndex() >= TopLimit())
            FScrollBar->SetAutoScrollDown(false);
    }
    HitTestItems(FMousePos.x, FMousePos.y);
    Invalidate();
}

void TKsCustomListBox::ScrollBarScroll(TObject*, TKsScrollCode ScrollCode, int& ScrollPos) {
    ScrollPos = std::min(ScrollPos, TopLimit());
    // Automatic scrolling that cannot go on stops here, not when the bar reaches its Max,
    // which the last page never does.
    if (ScrollCode == TKsScrollCode::kscLineDown && FScrollBar->AutoScrollDown() &&
        ScrollPos <= TopIndex())
        FScrollBar->SetAutoScrollDown(false);
}

// ---- Current item and selection ----

void TKsCustomListBox::MoveCurrent(int Index) {
    FItemIndex = Count() > 0 ? std::clamp(Index, -1, Count() - 1) : -1;
    if (FItemIndex >= 0) {
        if (FColumns > 0) {
            const int Column = ColumnOf(FColumnStarts, FItemIndex);
            int Top = TopIndex();
            if (Column < Top)
                Top = Column;
            else if (Column > Top + FColumns - 1)
                Top = Column - FColumns + 1;
            SetScrollPosition(Top);
        } else {
            SetScrollPosition(
                TopShowing(FItemIndex, TopIndex(), Count(), ItemsHeight(), Heights()));
        }
    }
    Invalidate();
}

void TKsCustomListBox::SetItemIndex(int Value) {
    if (Value < -1)
        Value = 0;
    if (Value == -1 || Count() == 0) {
        MoveCurrent(-1);
        FAnchorIndex = -1;
        ClearSelection();
        return;
    }
    Value = std::min(Value, Count() - 1);
    if (Value != FItemIndex)
        MoveCurrent(Value);
    if (FAnchorIndex < 0)
        FAnchorIndex = FItemIndex;
    UpdateSelection();
}

void TKsCustomListBox::UpdateSelection() {
    if (!IsItem(FAnchorIndex) || !IsItem(FItemIndex))
        return;
    const int From = FMultiSelect ? std::min(FAnchorIndex, FItemIndex) : FItemIndex;
    const int To = FMultiSelect ? std::max(FAnchorIndex, FItemIndex) : FItemIndex;
    for (int I = 0; I < Count(); ++I)
        SetSelected(I, I >= From && I <= To);
    Invalidate();
}
