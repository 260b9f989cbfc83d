#include "framework/windows/Caret.h"

#include "framework/core/Exceptions.h"

TWindowCaret::TWindowCaret(HWND Window, int Width, int Height) : FWindow(Window) {
    if (!CreateCaret(FWindow, nullptr, Width, Height))
        throw EOutOfResources("Out of system resources");
    SetCaretPos(0, 0);
}

TWindowCaret::~TWindowCaret() {
    // Another window that took the focus may have made its caret already: it stays.
    if (OwnedBy(FWindow))
        DestroyCaret();
}

void TWindowCaret::MoveTo(POINT Point) {
    // The host redraws a caret it moves: one already in place is left alone.
    if (Point.x == FPosition.x && Point.y == FPosition.y)
        return;
    FPosition = Point;
    if (OwnedBy(FWindow))
        SetCaretPos(Point.x, Point.y);
}

void TWindowCaret::Show() {
    if (!FVisible && ShowCaret(FWindow))
        FVisible = true;
}

void TWindowCaret::Hide() {
    if (FVisible && HideCaret(FWindow))
        FVisible = false;
}

bool TWindowCaret::OwnedBy(HWND Window) {
    GUITHREADINFO Info{};
    Info.cbSize = sizeof(Info);
    return Window && GetGUIThreadInfo(GetCurrentThreadId(), &Info) && Info.hwndCaret == Window;
}
