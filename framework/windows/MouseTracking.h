// Reports CM_MOUSEENTER and CM_MOUSELEAVE to the control under the mouse, windowed or
// graphic. The tracker asks where the cursor is whenever a window sees the mouse move or
// leave (the host's leave notification is requested for the window concerned, so a quick
// move out of every window is noticed too) and when the application is idle, and tells the
// control it left and the control it entered.
#pragma once

#include "framework/graphics/WinApi.h"

class TControl;

class TMouseTracker {
public:
    // Finds the control under the cursor and reports the change, if any.
    void Refresh();
    // Forgets a control that is being destroyed, without reporting anything to it.
    void ControlDestroyed(TControl* Control);
    // The control the mouse was last reported over, or nullptr.
    TControl* MouseControl() const { return FMouseControl; }

private:
    void TrackLeaveOf(TControl* Control);

    TControl* FMouseControl = nullptr;
};

TMouseTracker& MouseTracker();

// The framework control under a screen point: the innermost of the window there and its
// graphic children, or nullptr when no framework window lies there.
TControl* FindControlAtScreenPoint(POINT ScreenPoint);
