// The tab control under the mouse and the keyboard: a click selects the tab under it, the
// arrow keys the neighbouring tab, hot tracking follows the mouse, and the two scroll
// buttons of a single row scroll it once when pressed and on, after a pause, while held.
#include "skin/controls/KsTabs.h"

#include "framework/windows/Timer.h"
#include "skin/graphics/KsUtils.h"

namespace {

// The first step of a held scroll button comes at once, the next after this pause, the
// others at the repeat interval.
constexpr uint32_t ScrollDelayMs = 300;
constexpr uint32_t ScrollRepeatMs = 100;

bool IsArrowKey(uintptr_t Key) {
    return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

bool TKsCustomTabControl::ScrollButtonPressed(bool Right) const {
    return Right ? FRightButtonPressed && FRightButtonHot : FLeftButtonPressed && FLeftButtonHot;
}

bool TKsCustomTabControl::Scrolling() const {
    return FScrollTimer && FScrollTimer->Enabled();
}

bool TKsCustomTabControl::UpdateHover(POINT Point) {
    const TKsTabLayout Tabs = Layout();
    const bool Buttons = Tabs.NeedsScrollButtons();
    const RECT Left = Tabs.ScrollButtonRect(false);
    const RECT Right = Tabs.ScrollButtonRect(true);
    bool Changed = KsChangeValue(FLeftButtonHot, Buttons && PtInRect(&Left, Point) != 0);
    Changed |= KsChangeValue(FRightButtonHot, Buttons && PtInRect(&Right, Point) != 0);
    // The hot tab shows only while hot tracking.
    Changed |= KsChangeValue(FHotTab, Tabs.TabAtPos(Point)) && FHotTrack;
    return Changed;
}

void TKsCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    UpdateHover(POINT{X, Y});
    if (FLeftButtonHot || FRightButtonHot) {
        PressScrollButton(FRightButtonHot);
        return;
    }
    const int Tab = TabAtPos(X, Y);
    if (Tab < 0)
        return;
    if (!IsDesigning() && CanFocus())
        SetFocus();
    SetTabIndex(Tab);
}

void TKsCustomTabControl::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    if (UpdateHover(POINT{X, Y}))
        Invalidate();
}

void TKsCustomTabControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft)
        ReleaseScrollButtons();
}

void TKsCustomTabControl::DoMouseLeave() {
    TKsCustomControl::DoMouseLeave();
    ReleaseScrollButtons();
    const bool WasHot = FLeftButtonHot || FRightButtonHot || (FHotTrack && FHotTab >= 0);
    FLeftButtonHot = false;
    FRightButtonHot = false;
    FHotTab = -1;
    if (WasHot)
        Invalidate();
}

void TKsCustomTabControl::KeyDown(TKey& Key, TShiftState Shift) {
    TKsCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        SetTabIndex(FTabIndex - 1);
        Key = 0;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetTabIndex(FTabIndex + 1);
        Key = 0;
        break;
    default:
        break;
    }
}

// ---- Scroll buttons ----

void TKsCustomTabControl::PressScrollButton(bool Right) {
    FLeftButtonPressed = !Right;
    FRightButtonPressed = Right;
    Invalidate();
    ScrollTabs(Right ? 1 : -1);
    if (!FScrollTimer) {
        FScrollTimer = std::make_unique<TTimer>(nullptr);
        FScrollTimer->SetEnabled(false);
        FScrollTimer->SetOnTimer(MakeEvent(this, &TKsCustomTabControl::ScrollTimerTick));
    }
    FScrollTimer->SetInterval(ScrollDelayMs);
    FScrollTimer->SetEnabled(true);
}

void TKsCustomTabControl::ScrollTimerTick(TObject*) {
    if (GetCaptureControl() != this) {
        // The release happened where this control could not see it, or another window
        // took the mouse (an error box, a menu): nothing is held any more.
        ReleaseScrollButtons();
        return;
    }
    FScrollTimer->SetInterval(ScrollRepeatMs);
    // A held button scrolls only while the mouse is over it.
    if (ScrollButtonPressed(false))
        ScrollTabs(-1);
    else if (ScrollButtonPressed(true))
        ScrollTabs(1);
}

void TKsCustomTabControl::ReleaseScrollButtons() {
    if (FScrollTimer)
        FScrollTimer->SetEnabled(false);
    if (!FLeftButtonPressed && !FRightButtonPressed)
        return;
    FLeftButtonPressed = false;
    FRightButtonPressed = false;
    Invalidate();
}

// ---- Messages ----

void TKsCustomTabControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TKsCustomControl::Dispatch(Message);
        Message.Result |= DLGC_WANTARROWS;
        break;
    case CM_WANTSPECIALKEY:
        Message.Result = IsArrowKey(Message.WParam) ? 1 : 0;
        break;
    case WM_CAPTURECHANGED:
        TKsCustomControl::Dispatch(Message);
        if (GetCaptureControl() != this)
            ReleaseScrollButtons();
        break;
    case CM_FONTCHANGED:
        TKsCustomControl::Dispatch(Message);
        LayoutChanged();
        break;
    default:
        TKsCustomControl::Dispatch(Message);
        break;
    }
}
