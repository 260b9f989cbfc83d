// Scopes of window painting: a paint cycle (BeginPaint/EndPaint, or the device context a
// paint message brought along) and a saved device-context state put back at scope end.
#pragma once

#include "framework/graphics/WinApi.h"

class TPaintCycle {
public:
    // Paints into GivenDC when it is set; otherwise begins a paint cycle of Window.
    TPaintCycle(HWND Window, HDC GivenDC) : FWindow(Window), FDC(GivenDC) {
        if (!FDC) {
            FDC = BeginPaint(FWindow, &FPaint);
            FBegun = true;
        }
    }
    TPaintCycle(const TPaintCycle&) = delete;
    TPaintCycle& operator=(const TPaintCycle&) = delete;
    ~TPaintCycle() {
        if (FBegun)
            EndPaint(FWindow, &FPaint);
    }
    HDC DC() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
    PAINTSTRUCT FPaint{};
    bool FBegun = false;
};

class TSavedDCState {
public:
    explicit TSavedDCState(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;
    ~TSavedDCState() {
        if (FSaved)
            RestoreDC(FDC, FSaved);
    }

private:
    HDC FDC;
    int FSaved;
};

// Moves DC's logical origin so that (DX, DY) of the current coordinates becomes (0, 0).
inline void MoveWindowOrg(HDC DC, int DX, int DY) {
    POINT Origin{};
    GetWindowOrgEx(DC, &Origin);
    SetWindowOrgEx(DC, Origin.x - DX, Origin.y - DY, nullptr);
}
