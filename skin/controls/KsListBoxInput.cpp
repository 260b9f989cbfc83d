// The list box's input: keys, the mouse (clicks on items and check boxes, Shift and Ctrl
// selection, drag selection with automatic scrolling past the edges), the wheel, and the
// messages that end a drag.
#include "skin/controls/KsListBoxs.h"

#include "skin/controls/KsScrollBars.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsArrowKey(uintptr_t Key) {
    return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

// ---- Keys ----

void TKsCustomListBox::KeyDown(TKey& Key, TShiftState Shift) {
    TKsCustomControl::KeyDown(Key, Shift);
    if (Key == 0 || Count() == 0)
        return;
    if (Key == VK_RETURN || Key == VK_SPACE) {
        // Only check boxes that show can be switched from the keyboard.
        if (FShowCheckBoxes && IsItem(FItemIndex)) {
            ToggleCheck(FItemIndex);
            Key = 0;
        }
        return;
    }
    const int Current = std::max(FItemIndex, 0);
    // A page steps one item less than it shows, so that one item stays in view; at least
    // one item, and the items shown when the items differ in height.
    const int Page = FScrollBar && FScrollBar->PageSize() > 0 ? FScrollBar->PageSize() - 1
                                                              : FLastShown - FFirstShown + 1;
    const int PageStep = std::max(Page, 1);
    int Target = Current;
    switch (Key) {
    case VK_PRIOR:
        Target = Current - PageStep;
        break;
    case VK_NEXT:
        Target = Current + PageStep;
        break;
    case VK_END:
        Target = Count() - 1;
        break;
    case VK_HOME:
        Target = 0;
        break;
    case VK_LEFT:
    case VK_UP:
        Target = Current - 1;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Target = Current + 1;
        break;
    default:
        return;
    }
    Key = 0;
    const int Before = FItemIndex;
    MoveCurrent(std::clamp(Target, 0, Count() - 1));
    if (FItemIndex != Before && FClickOnKey)
        Click();
    if (!Shift.Contains(TShiftStateFlag::ssShift) || !IsItem(FAnchorIndex))
        FAnchorIndex = FItemIndex;
    UpdateSelection();
}

// ---- Mouse ----

bool TKsCustomListBox::Dragging() const {
    return FMouseDown && GetCaptureControl() == this;
}

void TKsCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused())
        SetFocus();
    if (Button == TMouseButton::mbLeft) {
        FMouseDown = true;
        FMousePos = POINT{X, Y};
        HitTestItems(X, Y);
        if (FHotCheck >= 0) {
            MoveCurrent(FHotCheck);
            ToggleCheck(FHotCheck);
        } else if (FHotIndex >= 0) {
            MoveCurrent(FHotIndex);
        }
        if (!Shift.Contains(TShiftStateFlag::ssShift) || !IsItem(FAnchorIndex))
            FAnchorIndex = FItemIndex;
        if (Shift.Contains(TShiftStateFlag::ssCtrl) && FMultiSelect) {
            // Ctrl toggles the item clicked and leaves the others as they are.
            if (IsItem(FItemIndex) && (FHotCheck >= 0 || FHotIndex >= 0))
                SetSelected(FItemIndex, !Selected(FItemIndex));
        } else {
            UpdateSelection();
        }
    }
    TKsCustomControl::MouseDown(Button, Shift, X, Y);
}

void TKsCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    FMousePos = POINT{X, Y};
    const int HotIndex = FHotIndex;
    const int HotCheck = FHotCheck;
    HitTestItems(X, Y);
    if (FHotIndex != HotIndex || FHotCheck != HotCheck) {
        Invalidate();
        Update();
    }
    if (!Dragging()) {
        StopAutoScroll();
        return;
    }
    const RECT Content = ContentRect();
    const bool Before = FColumns > 0 ? X < Content.left : Y < Content.top;
    const bool After = FColumns > 0 ? X >= Content.right : Y >= Content.bottom;
    if (Before || After) {
        AutoScrollTowards(Before);
        return;
    }
    StopAutoScroll();
    const int Over = FHotIndex >= 0 ? FHotIndex : FHotCheck;
    if (!Shift.Contains(TShiftStateFlag::ssCtrl) && Over >= 0 && Over != FItemIndex) {
        MoveCurrent(Over);
        UpdateSelection();
    }
}

void TKsCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        FMouseDown = false;
        StopAutoScroll();
    }
    TKsCustomControl::MouseUp(Button, Shift, X, Y);
}

void TKsCustomListBox::DoMouseLeave() {
    TKsCustomControl::DoMouseLeave();
    // A drag goes on outside the box: past its edges is where it scrolls.
    if (Dragging())
        return;
    StopAutoScroll();
    FMousePos = POINT{-1, -1};
    if (FHotIndex < 0 && FHotCheck < 0)
        return;
    FHotIndex = -1;
    FHotCheck = -1;
    Invalidate();
}

void TKsCustomListBox::DoFocusExit() {
    TKsCustomControl::DoFocusExit();
    FMouseDown = false;
    StopAutoScroll();
}

void TKsCustomListBox::WMCaptureChanged(TMessage& Message) {
    // Another window took the mouse (a menu, a message box): the drag is over.
    if (HandleAllocated() && reinterpret_cast<HWND>(Message.LParam) != Handle()) {
        FMouseDown = false;
        StopAutoScroll();
    }
}

// ---- Automatic scrolling ----

void TKsCustomListBox::AutoScrollTowards(bool Up) {
    if (!FScrollBar)
        return;
    const bool AtEnd = Up ? TopIndex() <= 0 : TopIndex() >= TopLimit();
    if (!AtEnd) {
        if (Up)
            FScrollBar->SetAutoScrollUp(true);
        else
            FScrollBar->SetAutoScrollDown(true);
        return;
    }
    StopAutoScroll();
    const int Edge = Up ? FFirstShown : FLastShown;
    if (IsItem(Edge) && Edge != FItemIndex) {
        MoveCurrent(Edge);
        UpdateSelection();
    }
}

void TKsCustomListBox::StopAutoScroll() {
    if (!FScrollBar)
        return;
    FScrollBar->SetAutoScrollUp(false);
    FScrollBar->SetAutoScrollDown(false);
}

// ---- Wheel ----

int TKsCustomListBox::WheelSteps(int Delta) const {
    UINT Lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
    int64_t PerNotch = Lines;
    // "One screen at a time": a notch turns a page of what the box shows.
    if (Lines == WHEEL_PAGESCROLL) {
        const int Shown = FColumns > 0 ? FColumns : FLastShown - FFirstShown + 1;
        PerNotch = std::max(Shown, 1);
    }
    PerNotch = std::clamp<int64_t>(PerNotch, 1, 1 << 20);
    return static_cast<int>(int64_t{Delta} * PerNotch / WHEEL_DELTA);
}

void TKsCustomListBox::WMMouseWheel(TMessage& Message) {
    const auto Delta = static_cast<int16_t>(HIWORD(Message.WParam));
    if (const int Steps = WheelSteps(Delta); Steps != 0)
        SetScrollPosition(
            static_cast<int>(std::clamp<int64_t>(int64_t{TopIndex()} - Steps, 0, TopLimit())));
    Message.Result = 0;
}

// ---- Messages ----

void TKsCustomListBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TKsCustomControl::Dispatch(Message);
        Message.Result = DLGC_WANTARROWS;
        break;
    case CM_WANTSPECIALKEY:
        Message.Result = IsArrowKey(Message.WParam) ? 1 : 0;
        break;
    case WM_MOUSEWHEEL:
        WMMouseWheel(Message);
        break;
    case WM_CAPTURECHANGED:
        TKsCustomControl::Dispatch(Message);
        WMCaptureChanged(Message);
        break;
    case CM_ENABLEDCHANGED:
        TKsCustomControl::Dispatch(Message);
        Invalidate();
        break;
    case CM_FONTCHANGED:
        TKsCustomControl::Dispatch(Message);
        UpdateScrollBar();
        Invalidate();
        break;
    default:
        TKsCustomControl::Dispatch(Message);
        break;
    }
}
