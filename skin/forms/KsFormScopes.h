// Scope guards that the form controller's sources share: the window's whole device context
// and a flag set for the length of a scope, both put back on every path.
#pragma once

#include "framework/graphics/WinApi.h"

// The window's whole device context, for the length of a scope; none without a window.
class TWindowDC {
public:
    explicit TWindowDC(HWND Window)
        : FWindow(Window), FDC(Window ? GetWindowDC(Window) : nullptr) {}
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC() {
        if (FDC)
            ReleaseDC(FWindow, FDC);
    }
    HDC DC() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// Sets a flag for the length of a scope and clears it again on every path.
class TFlagScope {
public:
    TFlagScope(bool& Flag, bool Value) : FFlag(Flag), FSaved(Flag) { FFlag = Value; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
    ~TFlagScope() { FFlag = FSaved; }

private:
    bool& FFlag;
    bool FSaved;
};
