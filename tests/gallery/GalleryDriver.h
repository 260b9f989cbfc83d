// Runs the real SkinGallery.exe for end-to-end tests and finds its parts as a user sees
// them: the main window by class and caption, its controls by class and caption, and the
// caption buttons of its skinned frame by asking the window what lies under each point.
#pragma once

#include "tests/support/ProgramWindows.h"
#include "tests/support/UserInput.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSkinGallery {
public:
    static constexpr const wchar_t* MainClass = L"TGalleryFrm";
    static constexpr const wchar_t* Title = L"Skin Gallery";

    TSkinGallery();
    // True when the program started and its main window is shown.
    bool Running() const { return FMain != nullptr; }
    HWND MainWindow() const { return FMain; }
    DWORD ProcessId() const { return FProcess->ProcessId(); }

    // A control of the main window; null when there is none.
    HWND Control(const std::wstring& ClassName, const std::wstring& Caption) const;
    // The screen point at the middle of the Index-th caption button (counted from the right)
    // that answers the hit-test code HitCode (HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP);
    // {-1, -1} when there is none.
    POINT CaptionButton(LRESULT HitCode, int Index = 0) const;
    // Opens a window from a menu of the main window's bar (Alt with MenuKey) by its item's
    // accelerator key; the window of that class once it takes input, or null.
    HWND OpenFromMenu(WORD MenuKey, WORD Key, const std::wstring& ClassName) const;
    // The same from the Controls menu.
    HWND OpenFromControlsMenu(WORD Key, const std::wstring& ClassName) const {
        return OpenFromMenu('C', Key, ClassName);
    }

private:
    std::unique_ptr<TTestProcess> FProcess;
    HWND FMain = nullptr;
};

RECT ScreenRectOf(HWND Window);
// TSkinGallery::CaptionButton for any skinned window of the gallery.
POINT CaptionButtonOf(HWND Window, LRESULT HitCode, int Index = 0);
// The band of the main window above its client area: the caption and the top border.
RECT CaptionBand(HWND Window);
// A strip of the desktop beside Window that it does not cover (below it, else above it).
RECT DesktopBeside(HWND Window);
// Waits until the window's rectangle is Wanted (or, with Differ, anything but Wanted);
// the rectangle it had last.
RECT WaitForWindowRect(HWND Window, const RECT& Wanted, bool Differ, DWORD TimeoutMs = 10000);
// Waits until the window's text is Wanted; whether it became so within Timeout ms.
bool WaitForText(HWND Window, const std::wstring& Wanted, DWORD TimeoutMs = 10000);

// The open skinned popups (menu levels) of a process: its visible top-level windows that
// are topmost tool windows, in no particular order.
std::vector<HWND> PopupWindowsOf(DWORD ProcessId);
// Waits until the process shows Count popups; the popups it showed last.
std::vector<HWND> WaitForPopupCount(DWORD ProcessId, size_t Count, DWORD TimeoutMs = 10000);
// Of popups (one more than Earlier), the one that is not in Earlier; null when none.
HWND NewPopup(const std::vector<HWND>& Popups, const std::vector<HWND>& Earlier);

// Waits until the pixels of Area differ from Before; whether they did within Timeout ms.
bool WaitForPixelsToChange(const RECT& Area, const std::vector<uint32_t>& Before,
                           DWORD TimeoutMs = 10000);
