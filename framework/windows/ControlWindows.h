// The glue between framework controls and host windows: the creation parameters a windowed
// control describes its window with, the registration of its window class (a class of its
// own, or a copy of a host control's class such as "BUTTON" whose procedure stays the
// control's default handling), the one window procedure of every control window, and the
// lookup of the control that owns a window.
#pragma once

#include "framework/graphics/WinApi.h"

#include <string>

class TWinControl;

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    UINT ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    // The window class registered for the control (its class name by default).
    std::string WinClassName;
    // The host class the control's class copies; empty for a plain window.
    std::string HostClassName;
};

// The control that owns Window, or nullptr for a window that is not a framework control's.
TWinControl* FindControl(HWND Window);

// Creates Control's window as Params describe; the control is bound to it before the first
// message arrives. Answers the window and, in DefaultProc, the procedure of the host class
// the control's class is based on. Raises EOutOfResources when the host refuses.
HWND CreateControlWindow(TWinControl& Control, const TCreateParams& Params, WNDPROC& DefaultProc);

// Parts the window from its control (done when the window is destroyed).
void UnbindControlWindow(HWND Window);
