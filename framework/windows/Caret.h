// TWindowCaret: the system caret of a window, for a control that shows where typing goes.
// The host keeps one caret per thread: a control makes it when it gains the keyboard focus
// and the object destroys it again, unless another window has made its own caret meanwhile.
#pragma once

#include "framework/graphics/WinApi.h"

class TWindowCaret {
public:
    // A caret Width x Height (Width 0: the system's caret width) in Window, hidden until
    // Show. Raises EOutOfResources "Out of system resources" when the host refuses.
    TWindowCaret(HWND Window, int Width, int Height);
    TWindowCaret(const TWindowCaret&) = delete;
    TWindowCaret& operator=(const TWindowCaret&) = delete;
    ~TWindowCaret();

    // Moves the caret to a client point of the window; nothing when it is there already.
    void MoveTo(POINT Point);
    POINT Position() const { return FPosition; }
    // Shows and hides it; the host counts hides, these calls do not pile up.
    void Show();
    void Hide();
    bool Visible() const { return FVisible; }

    // Whether the thread's caret belongs to Window now.
    static bool OwnedBy(HWND Window);

private:
    HWND FWindow;
    POINT FPosition{0, 0};
    bool FVisible = false;
};
