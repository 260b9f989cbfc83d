// The windowed skinned control's built-in scroll bars: made with the window, placed along
// the bottom and the right inside the border, and reporting their movements to the control.
#include "skin/controls/KsControls.h"

#include "skin/controls/KsScrollBars.h"
#include "skin/graphics/KsBitmap.h"

void TKsCustomControl::CreateWnd() {
    TKsSkinnedControl<TWinControl>::CreateWnd();
    RecreateScrollBars();
}

void TKsCustomControl::Notification(TComponent* AComponent, TOperation Operation) {
    TKsSkinnedControl<TWinControl>::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FHorzScrollBar)
        FHorzScrollBar = nullptr;
    if (AComponent == FVertScrollBar)
        FVertScrollBar = nullptr;
}

void TKsCustomControl::SetScrollBarStyle(TKsScrollBarStyle Value) {
    if (KsChangeValue(FScrollBarStyle, Value) && HandleAllocated())
        RecreateScrollBars();
}

TKsCustomScrollBar* TKsCustomControl::CreateScrollBar() {
    return new TKsScrollBar(this);
}

int TKsCustomControl::GetScrollBarSize() const {
    return GetSystemMetrics(SM_CYVTHUMB);
}

void TKsCustomControl::FreeScrollBars() {
    // Freeing an owned component clears the field through Notification.
    delete FHorzScrollBar;
    delete FVertScrollBar;
}

void TKsCustomControl::RecreateScrollBars() {
    FreeScrollBars();
    const bool Horizontal = FScrollBarStyle == TKsScrollBarStyle::kssHorizontal ||
                            FScrollBarStyle == TKsScrollBarStyle::kssBoth;
    const bool Vertical = FScrollBarStyle == TKsScrollBarStyle::kssVertical ||
                          FScrollBarStyle == TKsScrollBarStyle::kssBoth;
    if (Horizontal) {
        FHorzScrollBar = MakeScrollBar(false);
        FHorzScrollBar->OnScroll = MakeEvent(this, &TKsCustomControl::HorzScrollBarScroll);
    }
    if (Vertical) {
        FVertScrollBar = MakeScrollBar(true);
        FVertScrollBar->OnScroll = MakeEvent(this, &TKsCustomControl::VertScrollBarScroll);
    }
    PlaceScrollBars();
    Invalidate();
}

TKsCustomScrollBar* TKsCustomControl::MakeScrollBar(bool Vertical) {
    TKsCustomScrollBar* Bar = CreateScrollBar();
    Bar->SetBorderWidth(0);
    Bar->SetParent(this);
    Bar->SetKind(Vertical ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal);
    if (Vertical)
        Bar->SetWidth(GetScrollBarSize());
    else
        Bar->SetHeight(GetScrollBarSize());
    Bar->SetVisible(true);
    Bar->SetTransparent(false);
    return Bar;
}

int TKsCustomControl::HorzScrollBarHeight() const {
    return FHorzScrollBar ? FHorzScrollBar->Height() : 0;
}

int TKsCustomControl::VertScrollBarWidth() const {
    return FVertScrollBar ? FVertScrollBar->Width() : 0;
}

void TKsCustomControl::PlaceScrollBars() {
    const RECT Area = GetPaintRect();
    const int BarHeight = HorzScrollBarHeight();
    const int BarWidth = VertScrollBarWidth();
    if (FHorzScrollBar)
        FHorzScrollBar->SetBounds(Area.left, Area.bottom - BarHeight,
                                  Area.right - BarWidth - Area.left, BarHeight);
    if (FVertScrollBar)
        FVertScrollBar->SetBounds(Area.right - BarWidth, Area.top, BarWidth,
                                  Area.bottom - BarHeight - Area.top);
}

void TKsCustomControl::PaintScrollBarCorner() {
    if (!FHorzScrollBar || !FVertScrollBar)
        return;
    const RECT Area = GetPaintRect();
    Surface().FillRect(RECT{Area.right - VertScrollBarWidth(), Area.bottom - HorzScrollBarHeight(),
                            Area.right, Area.bottom},
                       ColorToKsColor(Color(), 255));
}

void TKsCustomControl::HorzScrollBarScroll(TObject*, TKsScrollCode ScrollCode, int& ScrollPos) {
    ForwardScroll(WM_HSCROLL, FHorzScrollBar, ScrollCode, ScrollPos);
}

void TKsCustomControl::VertScrollBarScroll(TObject*, TKsScrollCode ScrollCode, int& ScrollPos) {
    ForwardScroll(WM_VSCROLL, FVertScrollBar, ScrollCode, ScrollPos);
}

void TKsCustomControl::ForwardScroll(uint32_t Msg, const TKsCustomScrollBar* Bar,
                                     TKsScrollCode ScrollCode, int& ScrollPos) {
    if (FScrollLock || !Bar)
        return;
    const int Before = Bar->Position();
    Perform(Msg, static_cast<uintptr_t>(ScrollCode), ScrollPos);
    // The requested position stands, unless the control moved the bar itself meanwhile.
    if (Bar->Position() != Before)
        ScrollPos = Bar->Position();
}
