// The modal menu loop of an item view: it holds the mouse capture, takes every message of
// the thread while the menu is open, turns keys and mouse into selection, opening and
// closing, and hands everything else to its window.
#include "framework/windows/Controls.h"
#include "framework/windows/Screen.h"
#include "framework/windows/WinControl.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsItems.h"

namespace {

// The last screen position a loop's mouse-move step handled, shared by all loops: a move
// to the same place (the host repeats moves when windows appear) changes nothing.
POINT LastMousePos{};

TKsItemView* InnermostTrackingView = nullptr;

bool InRange(UINT Msg, UINT First, UINT Last) {
    return Msg >= First && Msg <= Last;
}

} // namespace

TKsItemView* TKsItemView::TrackingView() {
    return InnermostTrackingView;
}

HWND TKsItemView::ControlWindow() const {
    auto* Windowed = dynamic_cast<TWinControl*>(FControl);
    return Windowed && Windowed->HandleAllocated() ? Windowed->Handle() : nullptr;
}

void TKsItemView::PostKey(WPARAM Key) const {
    if (const HWND Window = ControlWindow())
        PostMessageW(Window, WM_KEYDOWN, Key, 0);
}

POINT TKsItemView::MessageScreenPoint(const MSG& Message) {
    POINT P{static_cast<int16_t>(LOWORD(Message.lParam)),
            static_cast<int16_t>(HIWORD(Message.lParam))};
    if (Message.hwnd)
        ClientToScreen(Message.hwnd, &P);
    return P;
}

RECT TKsItemView::HotScreenRect() {
    if (!FItem || FItem->IndexOf(FHotItem) < 0)
        return {};
    const RECT R = GetItemRect(FHotItem);
    if (!FControl)
        return R;
    const POINT TopLeft = FControl->ClientToScreen(POINT{R.left, R.top});
    const POINT BottomRight = FControl->ClientToScreen(POINT{R.right, R.bottom});
    return {TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y};
}

bool TKsItemView::ScreenPointInHotItem(POINT Point) {
    const RECT R = HotScreenRect();
    return PtInRect(&R, Point) != FALSE;
}

bool TKsItemView::ScreenPointInChainHotItem(POINT Point) {
    TKsItemView* const Top = TopLevelUnder(Point);
    for (TKsItemView* View = Top ? Top : this; View; View = View->FParentView)
        if (View->ScreenPointInHotItem(Point))
            return true;
    return false;
}

bool TKsItemView::ScreenPointOnMenu(POINT Point) {
    const TKsItemView* const Top = TopLevelUnder(Point);
    return (Top && !Top->FDropDown) || ScreenPointInChainHotItem(Point);
}

TKsItemView* TKsItemView::TopLevelUnder(POINT Point) {
    for (TKsItemView* View = this; View; View = View->FParentView) {
        RECT Window{};
        if (const HWND Handle = View->ControlWindow();
            Handle && GetWindowRect(Handle, &Window) && PtInRect(&Window, Point))
            return View;
    }
    return nullptr;
}

bool TKsItemView::Track() {
    const std::shared_ptr<bool> Alive = FAlive;
    TKsItemView* const Outer = InnermostTrackingView;
    FTracking = true;
    FLeaveLoop = false;
    InnermostTrackingView = this;
    const HWND CaptureFor = ControlWindow();
    if (CaptureFor)
        KsSetCapture(CaptureFor);
    // Whatever ends the loop, even an exception from a dispatched message, the view stops
    // tracking and gives its level of the capture back.
    struct TLoopEnd {
        const std::shared_ptr<bool>& Alive;
        TKsItemView& View;
        TKsItemView* Outer;
        bool Captured;
        ~TLoopEnd() {
            if (*Alive)
                View.FTracking = false;
            InnermostTrackingView = Outer;
            if (Captured)
                KsReleaseCapture();
        }
    } End{Alive, *this, Outer, CaptureFor != nullptr};

    if (Screen)
        SetCursor(Screen->Cursors(crDefault));
    if (FItem && FItem->Count() > 0) {
        FHotItem = FItem->Items(FItem->Count() - 1);
        SelectNext();
        if (!*Alive)
            return true;
        // Where the pointer was when the message that opened the menu came: a press on an
        // item makes that item hot even when the pointer has moved on since. A menu opened
        // by the keyboard keeps its first item, whatever lies under a resting pointer.
        const DWORD Position = GetMessagePos();
        const POINT Opened{static_cast<int16_t>(LOWORD(Position)),
                           static_cast<int16_t>(HIWORD(Position))};
        if (GetKeyState(VK_LBUTTON) < 0)
            HotTrack(Opened);
        // The host reports a pointer that has not moved when the popup appears under it: that
        // report must not take the item chosen by the keyboard.
        LastMousePos = Opened;
    }
    Invalidate();

    const auto Running = [&] {
        return *Alive && FTracking && !FLeaveLoop && KsCaptureWindow() &&
               GetCapture() == KsCaptureWindow();
    };
    bool First = true;
    while (Running()) {
        if (!First)
            WaitMessage();
        First = false;
        MSG Message{};
        while (Running() && PeekMessageW(&Message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!PeekStep(Message))
                break;
            if (!PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD))
                break;
            HandleMessage(Message);
        }
    }
    return true;
}

// Looks at the next message before taking it: answers false to leave it queued (the loop
// then ends or re-checks its condition).
bool TKsItemView::PeekStep(const MSG& Message) {
    if (Message.message == WM_QUIT ||
        InRange(Message.message, WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK)) {
        CloseAll();
        return false;
    }
    if (Message.message == WM_WINDOWPOSCHANGING) {
        CloseAll();
        FLeaveLoop = true;
        return false;
    }
    // A press on the menu only takes it out of the queue: an item acts on the release.
    if (Message.message == WM_LBUTTONDOWN && !ScreenPointOnMenu(MessageScreenPoint(Message))) {
        // Outside the menu: every level closes and the press goes to the window under it.
        CloseAll();
        FLeaveLoop = true;
        return false;
    }
    return true;
}

void TKsItemView::HandleMessage(const MSG& Message) {
    const UINT Msg = Message.message;
    if (Msg == WM_CONTEXTMENU)
        return;
    if (InRange(Msg, WM_KEYFIRST, WM_KEYLAST)) {
        // Keys typed while the button is down are dropped: an item acts on the release. Keys
        // posted to a level that has closed meanwhile are not for any open level.
        if (GetKeyState(VK_LBUTTON) < 0 || (Message.hwnd && !IsWindow(Message.hwnd)))
            return;
        if (Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN)
            HandleKey(Message.wParam, Message);
        else if (Msg == WM_CHAR || Msg == WM_SYSCHAR)
            HandleAccelerator(static_cast<wchar_t>(Message.wParam));
        return;
    }
    if (InRange(Msg, WM_MOUSEFIRST, WM_MOUSEWHEEL)) {
        if (Msg == WM_MOUSEMOVE)
            HandleMouseMove(MessageScreenPoint(Message));
        else if (Msg == WM_LBUTTONUP)
            HandleButtonUp(MessageScreenPoint(Message));
        return;
    }
    if (Msg == KM_OPENSUBMENU) {
        OpenSubMenu();
        return;
    }
    DispatchMessageW(&Message);
}

void TKsItemView::HandleAccelerator(wchar_t Char) {
    if (!FItem)
        return;
    if (TKsCustomItem* Found = FItem->FindItemByAccel(Char)) {
        FHotItem = Found;
        Invalidate();
        PostKey(VK_RETURN);
    }
}

void TKsItemView::HandleKey(WPARAM Key, const MSG& Message) {
    const std::shared_ptr<bool> Alive = FAlive;
    switch (Key) {
    case VK_TAB:
    case VK_SPACE:
        break;
    case VK_RETURN: {
        TKsCustomItem* Hot = FItem && FItem->IndexOf(FHotItem) >= 0 ? FHotItem : nullptr;
        // A menu with nothing selectable has no hot item: Return does nothing.
        if (!Hot)
            break;
        Hot->Click();
        // A command run at once (no click handler yet) may have freed the menu's items.
        if (!*Alive || !FItem || FItem->IndexOf(Hot) < 0)
            break;
        if (!OpenSubMenu() && *Alive && !Hot->IsSeparator() && Hot->Enabled())
            CloseAll();
        break;
    }
    case VK_ESCAPE:
        if (FParentView)
            FParentView->FDroppedDown = false;
        FHotItem = nullptr;
        Invalidate();
        FLeaveLoop = true;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        // Right on a popup item with a sub-menu opens it, as every menu does.
        if (Key == VK_RIGHT && !FDropDown && OpenSubMenu())
            break;
        if (FDropDown) {
            if (Key == VK_LEFT)
                SelectPrev();
            else
                SelectNext();
        } else if (FParentView && FParentView->FDropDown) {
            // In the first popup under a menu bar: the bar moves to its neighbour.
            if (const HWND Window = FParentView->ControlWindow())
                PostMessageW(Window, WM_KEYDOWN, Key, 0);
            FLeaveLoop = true;
        } else if (FParentView) {
            PostKey(VK_ESCAPE);
        }
        break;
    case VK_UP:
        if (!FDropDown)
            SelectPrev();
        break;
    case VK_DOWN:
        if (FDropDown)
            OpenSubMenu();
        else
            SelectNext();
        break;
    case VK_MENU:
    case VK_F10:
        CloseAll();
        break;
    default:
        TranslateMessage(&Message);
        break;
    }
}

void TKsItemView::HandleMouseMove(POINT ScreenPoint) {
    if (ScreenPoint.x == LastMousePos.x && ScreenPoint.y == LastMousePos.y)
        return;
    // A level whose window lies over the point hides the items of the levels beneath it.
    TKsItemView* Outermost = TopLevelUnder(ScreenPoint);
    if (!Outermost)
        for (Outermost = this; Outermost->FParentView;)
            Outermost = Outermost->FParentView;
    for (TKsItemView* View = Outermost; View; View = View->FChildView) {
        TKsCustomItem* WasHot = View->FHotItem;
        View->HotTrack(ScreenPoint);
        if (View == this || View->FHotItem == WasHot)
            continue;
        // The pointer moved onto another item of an outer level: the levels below it close
        // and that level opens the new item's sub-menu.
        for (TKsItemView* Closing = this; Closing && Closing != View;
             Closing = Closing->FParentView)
            Closing->PostKey(VK_ESCAPE);
        if (const HWND Window = View->ControlWindow())
            PostMessageW(Window, KM_OPENSUBMENU, 0, 0);
        LastMousePos = ScreenPoint;
        FLeaveLoop = true;
        return;
    }
    LastMousePos = ScreenPoint;
    // Hovering an item of a popup opens its sub-menu, but only while the pointer is over it.
    if (!FDropDown && ScreenPointInHotItem(ScreenPoint))
        OpenSubMenu();
}

void TKsItemView::HandleButtonUp(POINT ScreenPoint) {
    if (ScreenPointInHotItem(ScreenPoint))
        PostKey(VK_RETURN);
    else if (!ScreenPointOnMenu(ScreenPoint))
        CloseAll();
}
