#include "framework/windows/MouseTracking.h"

#include "framework/windows/ControlWindows.h"
#include "framework/windows/WinControl.h"

namespace {

// Constant-initialised and without a destructor, so that controls freed while the program
// ends can still sign off.
constinit TMouseTracker Tracker;

} // namespace

TMouseTracker& MouseTracker() {
    return Tracker;
}

TControl* FindControlAtScreenPoint(POINT ScreenPoint) {
    TWinControl* Windowed = nullptr;
    for (HWND Window = WindowFromPoint(ScreenPoint); Window && !Windowed;
         Window = GetParent(Window))
        Windowed = FindControl(Window);
    if (!Windowed)
        return nullptr;
    POINT Client = ScreenPoint;
    ScreenToClient(Windowed->Handle(), &Client);
    if (TControl* Graphic = Windowed->ControlAtPos(Client, true))
        return Graphic;
    return Windowed;
}

void TMouseTracker::Refresh() {
    POINT Cursor{};
    TControl* Target = GetCursorPos(&Cursor) ? FindControlAtScreenPoint(Cursor) : nullptr;
    if (Target == FMouseControl)
        return;
    TControl* Previous = FMouseControl;
    FMouseControl = Target;
    if (Previous)
        Previous->Perform(CM_MOUSELEAVE);
    // A leave handler may have destroyed the control entered; ControlDestroyed cleared it.
    if (FMouseControl == Target && Target) {
        TrackLeaveOf(Target);
        Target->Perform(CM_MOUSEENTER);
    }
}

void TMouseTracker::ControlDestroyed(TControl* Control) {
    if (FMouseControl == Control)
        FMouseControl = nullptr;
}

void TMouseTracker::TrackLeaveOf(TControl* Control) {
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (!Windowed)
        Windowed = Control->Parent();
    if (!Windowed || !Windowed->HandleAllocated())
        return;
    TRACKMOUSEEVENT Request{};
    Request.cbSize = sizeof(Request);
    Request.dwFlags = TME_LEAVE;
    Request.hwndTrack = Windowed->Handle();
    TrackMouseEvent(&Request);
}
