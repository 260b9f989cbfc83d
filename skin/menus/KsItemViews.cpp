// Item views: layout, hit test, selection and painting of one item's sub-items.
#include "skin/menus/KsItemViews.h"

#include "framework/windows/Controls.h"
#include "framework/windows/WinControl.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"

#include <algorithm>

const TComponentClassOf<TKsItemView> TKsItemView::Class{"TKsItemView", TComponent::Class};

TKsItemView::TKsItemView(TComponent* AOwner, bool DropDown, bool Horizontal)
    : TComponent(AOwner), FDropDown(DropDown), FHorizontal(Horizontal),
      FAlive(std::make_shared<bool>(true)) {}

TKsItemView::~TKsItemView() {
    *FAlive = false;
    SetItem(nullptr);
    SetParentView(nullptr);
    SetChildView(nullptr);
}

void TKsItemView::SetItem(TKsCustomItem* Value) {
    ReplaceReference(*this, FItem, Value);
    FHotItem = nullptr;
}

void TKsItemView::SetParentView(TKsItemView* Value) {
    ReplaceReference(*this, FParentView, Value);
}

void TKsItemView::SetChildView(TKsItemView* Value) {
    ReplaceReference(*this, FChildView, Value);
}

void TKsItemView::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FItem) {
        // The items are gone under the open menu: the whole menu closes.
        FItem = nullptr;
        CloseAll();
    }
    if (AComponent == FParentView) {
        FParentView = nullptr;
        FTracking = false;
    }
    if (AComponent == FChildView)
        FChildView = nullptr;
}

void TKsItemView::SetContentSize(POINT) {}

void TKsItemView::MoveContentTo(POINT) {}

void TKsItemView::Invalidate() {}

// ---- Layout ----

void TKsItemView::ScrollWindow(int& First, int& Last) const {
    First = FItem ? FItem->TopIndex() : 0;
    const int Shown = FItem && FItem->Scrolled() && FItem->ScrollCount() > 0
                          ? FItem->ScrollCount()
                          : (FItem ? FItem->Count() : 0);
    Last = First + Shown - 1;
}

bool TKsItemView::InScrollWindow(int Index) const {
    int First = 0;
    int Last = 0;
    ScrollWindow(First, Last);
    return Index >= First && Index <= Last;
}

void TKsItemView::ClampTopIndex() {
    if (!FItem)
        return;
    const int Shown =
        FItem->Scrolled() && FItem->ScrollCount() > 0 ? FItem->ScrollCount() : FItem->Count();
    const int Highest = std::max(0, FItem->Count() - Shown);
    FItem->SetTopIndex(std::clamp(FItem->TopIndex(), 0, Highest));
}

void TKsItemView::Layout() {
    if (FItem)
        SetContentSize(ContentSize());
}

POINT TKsItemView::ContentSize() {
    if (!FItem)
        return {};
    ClampTopIndex();
    POINT Size{};
    for (int I = 0; I < FItem->Count(); ++I) {
        TKsCustomItem* Sub = FItem->Items(I);
        if (!Sub->Visible())
            continue;
        int W = 0;
        int H = 0;
        Sub->MeasureItem(FBitmap, *this, W, H);
        if (FHorizontal) {
            Size.y = std::max<LONG>(Size.y, H);
            Size.x += W;
        } else {
            Size.x = std::max<LONG>(Size.x, W);
            if (InScrollWindow(I))
                Size.y += H;
        }
    }
    return Size;
}

RECT TKsItemView::ButtonItemRect(TKsCustomItem& Item) {
    int W = 0;
    int H = 0;
    Item.MeasureItem(FBitmap, *this, W, H);
    const int SW = FSizeControl ? FSizeControl->Width() : 0;
    const int SH = FSizeControl ? FSizeControl->Height() : 0;
    switch (Item.ButtonKind()) {
    case TKsItemButtonKind::kibClose:
        return {SW - W, 0, SW, SH};
    case TKsItemButtonKind::kibRestore:
        return {SW - 2 * W, 0, SW - W, SH};
    case TKsItemButtonKind::kibMinimize:
        return {SW - 3 * W, 0, SW - 2 * W, SH};
    default:
        return {0, 0, W, H};
    }
}

std::vector<RECT> TKsItemView::ItemRects() {
    std::vector<RECT> Rects(FItem ? FItem->Count() : 0, RECT{});
    if (!FItem)
        return Rects;
    int MaxWidth = 0;
    int Along = 0;
    for (int I = 0; I < FItem->Count(); ++I) {
        TKsCustomItem* Sub = FItem->Items(I);
        if (!Sub->Visible())
            continue;
        if (Sub->ButtonKind() != TKsItemButtonKind::kibNone) {
            Rects[I] = ButtonItemRect(*Sub);
            // The child's icon leads the bar: the items follow it.
            if (FHorizontal && Sub->ButtonKind() == TKsItemButtonKind::kibSysMenu)
                Along += RectWidth(Rects[I]);
            continue;
        }
        int W = 0;
        int H = 0;
        Sub->MeasureItem(FBitmap, *this, W, H);
        MaxWidth = std::max(MaxWidth, W);
        if (FHorizontal) {
            Along += W;
            Rects[I] = {FOffset.x + Along - W, FOffset.y, FOffset.x + Along, FOffset.y + H};
        } else if (InScrollWindow(I)) {
            // Items outside the scroll window take no room and cannot be hit.
            Along += H;
            Rects[I] = {FOffset.x, FOffset.y + Along - H, FOffset.x, FOffset.y + Along};
        }
    }
    if (!FHorizontal)
        for (RECT& R : Rects)
            if (R.bottom > R.top)
                R.right = R.left + MaxWidth;
    return Rects;
}

RECT TKsItemView::GetItemRect(TKsCustomItem* Item) {
    if (!Item || !Item->Visible() || !FItem)
        return {};
    if (Item->ButtonKind() != TKsItemButtonKind::kibNone)
        return ButtonItemRect(*Item);
    const int Index = FItem->IndexOf(Item);
    return Index < 0 ? RECT{} : ItemRects()[Index];
}

// ---- Hot item and selection ----

void TKsItemView::HotTrack(POINT ScreenPoint) {
    if (!FControl || !FItem)
        return;
    const POINT P = FControl->ScreenToClient(ScreenPoint);
    if (!FTracking)
        FHotItem = nullptr;
    const std::vector<RECT> Rects = ItemRects();
    for (int I = 0; I < FItem->Count(); ++I) {
        if (FItem->Items(I)->Visible() && PtInRect(&Rects[I], P)) {
            FHotItem = FItem->Items(I);
            break;
        }
    }
    Invalidate();
}

void TKsItemView::SelectIndex(int Index, bool Forward) {
    FHotItem = FItem->Items(Index);
    if (FItem->Scrolled() && FItem->ScrollCount() > 0) {
        const int Shown = FItem->ScrollCount();
        int Top = FItem->TopIndex();
        if (Forward) {
            if (Index == 0)
                Top = 0;
            else if (Index >= Top + Shown)
                Top = Index - Shown + 1;
        } else {
            if (Index < Top)
                Top = Index;
            else if (Index == FItem->Count() - 1)
                Top = FItem->Count() - Shown;
        }
        FItem->SetTopIndex(Top);
        ClampTopIndex();
    }
    Invalidate();
    if (FDroppedDown)
        OpenSubMenu();
}

namespace {

bool Selectable(const TKsCustomItem& Item) {
    return Item.Visible() && !Item.IsSeparator();
}

} // namespace

void TKsItemView::SelectNext() {
    if (!FItem || FItem->Count() == 0)
        return;
    const int Count = FItem->Count();
    int Index = FItem->IndexOf(FHotItem);
    // One full cycle at most: a list with nothing selectable keeps its hot item.
    for (int Step = 0; Step < Count; ++Step) {
        Index = Index >= Count - 1 ? 0 : Index + 1;
        if (Selectable(*FItem->Items(Index))) {
            SelectIndex(Index, true);
            return;
        }
    }
}

void TKsItemView::SelectPrev() {
    if (!FItem || FItem->Count() == 0)
        return;
    const int Count = FItem->Count();
    int Index = FItem->IndexOf(FHotItem);
    for (int Step = 0; Step < Count; ++Step) {
        Index = Index <= 0 ? Count - 1 : Index - 1;
        if (Selectable(*FItem->Items(Index))) {
            SelectIndex(Index, false);
            return;
        }
    }
}

// ---- Sub-menus and the chain ----

bool TKsItemView::OpenSubMenu() {
    if (!FItem || FItem->IndexOf(FHotItem) < 0)
        return false;
    TKsCustomItem* Hot = FHotItem;
    if (!Hot->Enabled() || Hot->Count() == 0)
        return false;
    const RECT R = GetItemRect(Hot);
    POINT Anchor = FDropDown ? POINT{R.left, R.bottom} : POINT{R.right, R.top};
    POINT TopLeft{R.left, R.top};
    POINT BottomRight{R.right, R.bottom};
    if (FControl) {
        Anchor = FControl->ClientToScreen(Anchor);
        TopLeft = FControl->ClientToScreen(TopLeft);
        BottomRight = FControl->ClientToScreen(BottomRight);
    }
    FDroppedDown = true;
    Hot->DropDown(this, Anchor.x, Anchor.y,
                  RECT{TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y});
    return true;
}

void TKsItemView::CloseAll() {
    for (TKsItemView* View = this; View; View = View->FParentView) {
        View->FTracking = false;
        View->FHotItem = nullptr;
        View->FDroppedDown = false;
        View->Invalidate();
    }
}

// ---- Painting ----

void TKsItemView::Paint(TKsBitmap& Bitmap) {
    if (!FItem || !FControl)
        return;
    int First = 0;
    int Last = 0;
    ScrollWindow(First, Last);
    const std::vector<RECT> Rects = ItemRects();
    for (int I = std::max(First, 0); I <= Last && I < FItem->Count(); ++I) {
        TKsCustomItem* Sub = FItem->Items(I);
        if (Sub->Visible())
            Sub->DrawItem(Bitmap, *this, Rects[I], Sub == FHotItem, !FTracking);
    }
}
