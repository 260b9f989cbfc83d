#include "tests/gallery/GalleryDriver.h"

#include <algorithm>

namespace {

LRESULT HitTestAt(HWND Window, int X, int Y) {
    DWORD_PTR Answer = HTNOWHERE;
    SendMessageTimeoutW(Window, WM_NCHITTEST, 0, MAKELPARAM(X, Y), SMTO_NORMAL, 5000, &Answer);
    return static_cast<LRESULT>(Answer);
}

// The screen row through the middle of the close button, found near the window's top right
// corner; -1 when there is none.
int CaptionButtonRow(HWND Window) {
    const RECT Bounds = ScreenRectOf(Window);
    const int Height = Bounds.bottom - Bounds.top;
    for (int X = Bounds.right - 1; X > Bounds.right - 120 && X > Bounds.left; --X)
        for (int Y = Bounds.top; Y < Bounds.top + 60 && Y < Bounds.bottom; ++Y) {
            if (HitTestAt(Window, X, Y) != HTCLOSE)
                continue;
            int Bottom = Y;
            while (Bottom + 1 < Bounds.top + Height && HitTestAt(Window, X, Bottom + 1) == HTCLOSE)
                ++Bottom;
            return (Y + Bottom) / 2;
        }
    return -1;
}

struct TPopupSearch {
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectPopup(HWND Window, LPARAM Param) {
    auto& Search = *reinterpret_cast<TPopupSearch*>(Param);
    DWORD Owner = 0;
    GetWindowThreadProcessId(Window, &Owner);
    constexpr LONG_PTR PopupStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (Owner == Search.ProcessId && IsWindowVisible(Window) &&
        (GetWindowLongPtrW(Window, GWL_EXSTYLE) & PopupStyle) == PopupStyle)
        Search.Found.push_back(Window);
    return TRUE;
}

} // namespace

TSkinGallery::TSkinGallery() : FProcess(std::make_unique<TTestProcess>(SKIN_GALLERY_EXE)) {
    if (FProcess->Started())
        FMain = WaitForWindow(MainClass, Title, 30000, FProcess->ProcessId());
    if (FMain) {
        FProcess->WaitForInputIdle();
        WaitUntilItTakesInput(FMain);
        SetForegroundWindow(FMain);
        WaitUntilIdle(FMain);
        PumpMessagesFor(200);
    }
}

HWND TSkinGallery::Control(const std::wstring& ClassName, const std::wstring& Caption) const {
    return FindChild(FMain, ClassName, Caption);
}

POINT TSkinGallery::CaptionButton(LRESULT HitCode, int Index) const {
    WaitUntilIdle(FMain);
    return CaptionButtonOf(FMain, HitCode, Index);
}

POINT CaptionButtonOf(HWND Window, LRESULT HitCode, int Index) {
    const int Row = CaptionButtonRow(Window);
    if (Row < 0)
        return POINT{-1, -1};
    const RECT Bounds = ScreenRectOf(Window);
    // Runs of one answer along the row, from the right: each run is one button.
    int Found = 0;
    for (int X = Bounds.right - 1; X >= Bounds.left;) {
        if (HitTestAt(Window, X, Row) != HitCode) {
            --X;
            continue;
        }
        const int Right = X;
        while (X - 1 >= Bounds.left && HitTestAt(Window, X - 1, Row) == HitCode)
            --X;
        if (Found++ == Index)
            return POINT{(X + Right) / 2, Row};
        --X;
    }
    return POINT{-1, -1};
}

HWND TSkinGallery::OpenFromMenu(WORD MenuKey, WORD Key, const std::wstring& ClassName) const {
    WaitUntilItTakesInput(FMain);
    WaitUntilIdle(FMain);
    PressKeyWith(VK_MENU, MenuKey);
    if (WaitForPopupCount(ProcessId(), 1).size() != 1)
        return nullptr;
    WaitUntilIdle(FMain);
    PressKey(Key);
    const HWND Window = WaitForWindow(ClassName, L"", 10000, ProcessId());
    if (Window) {
        WaitUntilItTakesInput(Window);
        WaitUntilIdle(Window);
    }
    return Window;
}

RECT ScreenRectOf(HWND Window) {
    RECT Rect{};
    GetWindowRect(Window, &Rect);
    return Rect;
}

RECT CaptionBand(HWND Window) {
    const RECT Bounds = ScreenRectOf(Window);
    POINT ClientTop{0, 0};
    ClientToScreen(Window, &ClientTop);
    return RECT{Bounds.left, Bounds.top, Bounds.right, ClientTop.y};
}

RECT DesktopBeside(HWND Window) {
    // Clear of the window and of the shadow it may throw.
    constexpr int Gap = 16, Depth = 24;
    const RECT Bounds = ScreenRectOf(Window);
    const int ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (Bounds.bottom + Gap + Depth <= ScreenHeight)
        return RECT{Bounds.left, Bounds.bottom + Gap, Bounds.right, Bounds.bottom + Gap + Depth};
    return RECT{Bounds.left, Bounds.top - Gap - Depth, Bounds.right, Bounds.top - Gap};
}

RECT WaitForWindowRect(HWND Window, const RECT& Wanted, bool Differ, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    for (;;) {
        const RECT Now = ScreenRectOf(Window);
        if ((EqualRect(&Now, &Wanted) != FALSE) != Differ || GetTickCount() - Start >= TimeoutMs)
            return Now;
        PumpMessagesFor(20);
    }
}

bool WaitForText(HWND Window, const std::wstring& Wanted, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    while (WindowText(Window) != Wanted) {
        if (GetTickCount() - Start >= TimeoutMs)
            return false;
        PumpMessagesFor(20);
    }
    return true;
}

std::vector<HWND> PopupWindowsOf(DWORD ProcessId) {
    TPopupSearch Search{ProcessId, {}};
    EnumWindows(&CollectPopup, reinterpret_cast<LPARAM>(&Search));
    return Search.Found;
}

std::vector<HWND> WaitForPopupCount(DWORD ProcessId, size_t Count, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    for (;;) {
        std::vector<HWND> Popups = PopupWindowsOf(ProcessId);
        if (Popups.size() == Count || GetTickCount() - Start >= TimeoutMs)
            return Popups;
        PumpMessagesFor(20);
    }
}

HWND NewPopup(const std::vector<HWND>& Popups, const std::vector<HWND>& Earlier) {
    for (HWND Popup : Popups)
        if (std::find(Earlier.begin(), Earlier.end(), Popup) == Earlier.end())
            return Popup;
    return nullptr;
}

bool WaitForPixelsToChange(const RECT& Area, const std::vector<uint32_t>& Before, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    while (GrabScreenPixels(Area) == Before) {
        if (GetTickCount() - Start >= TimeoutMs)
            return false;
        PumpMessagesFor(20);
    }
    return true;
}
