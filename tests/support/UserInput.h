// Drives the Wine desktop as a user would, for tests that need real input: the mouse and
// keyboard through SendInput, windows found by class and caption, pictures of the screen.
#pragma once

#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <string>
#include <vector>

// Moves the pointer to a screen position.
void MoveMouseTo(int X, int Y);
// Presses or releases a mouse button (VK_LBUTTON, VK_RBUTTON or VK_MBUTTON) where the
// pointer is.
void PressMouse(int Button);
void ReleaseMouse(int Button);
void ClickAt(int X, int Y, int Button = VK_LBUTTON);
// The same, leaving the messages to the caller's own message loop (a menu's, say).
void QueueClickAt(int X, int Y, int Button = VK_LBUTTON);
// A left click at a screen position with Modifier (VK_SHIFT, VK_CONTROL; 0 for none) held. The
// pointer gets there before the key goes down: the desktop reads the keyboard's state anew
// when the pointer moves over another window.
void ClickWith(WORD Modifier, int X, int Y);
// Presses at From, moves to To in Steps moves with the button held, releases at To.
void DragMouse(POINT From, POINT To, int Button = VK_LBUTTON, int Steps = 8);

// Turns the wheel under the pointer by Delta (WHEEL_DELTA a notch, negative towards the user).
void TurnWheel(int Delta);

// Types text as characters (any Unicode text) and presses single keys.
void TypeText(const std::wstring& Text);
void PressKey(WORD VirtualKey);
// Presses Key while Modifier (VK_MENU, VK_CONTROL, VK_SHIFT) is held.
void PressKeyWith(WORD Modifier, WORD VirtualKey);
// Holds a key (a modifier while the mouse clicks) down, and lets it go.
void HoldKey(WORD VirtualKey);
void LetGoKey(WORD VirtualKey);
// The same, leaving the messages to the caller's own message loop (one that translates keys
// the plain loop would not).
void QueueKeyWith(WORD Modifier, WORD VirtualKey);

// Lets the input reach its windows: handles this thread's messages for a while.
void PumpMessagesFor(DWORD Milliseconds);

// Waits until a visible top-level window with the class and caption exists (an empty class
// or caption matches any), of the process ProcessId when it is not 0; null after Timeout
// milliseconds.
HWND WaitForWindow(const std::wstring& ClassName, const std::wstring& Caption,
                   DWORD TimeoutMs = 10000, DWORD ProcessId = 0);
// Waits until Window is gone or hidden; false after Timeout milliseconds.
bool WaitForWindowGone(HWND Window, DWORD TimeoutMs = 10000);

// The visible top-level windows, one line each (handle, class, caption, process, whether it
// is enabled and which is in front), and the pointer's position: what a failed wait saw.
std::string DescribeDesktop();

// The header of a 32 bits per pixel, top-down device-independent bitmap.
BITMAPINFO TopDown32BitInfo(int Width, int Height);

// The pixels of a screen rectangle, 0x00RRGGBB, top-down rows.
std::vector<uint32_t> GrabScreenPixels(const RECT& Area);

// A program started for a test; terminated when the test ends without it having exited.
class TTestProcess {
public:
    TTestProcess(const std::wstring& Program, const std::wstring& Arguments = L"");
    TTestProcess(const TTestProcess&) = delete;
    TTestProcess& operator=(const TTestProcess&) = delete;
    ~TTestProcess();

    bool Started() const { return FInfo.hProcess != nullptr; }
    DWORD ProcessId() const { return FInfo.dwProcessId; }
    // The exit code once the process has ended, or STILL_ACTIVE after Timeout milliseconds.
    DWORD WaitForExit(DWORD TimeoutMs = 10000);
    // True once the process waits for input with nothing queued, false after Timeout ms.
    bool WaitForInputIdle(DWORD TimeoutMs = 10000);

private:
    PROCESS_INFORMATION FInfo{};
};
