// Acting on the windows of a program under test once they are ready for it: waiting until a
// window takes input, clicking it then, reading window texts and the focus, finding child
// windows by class and caption.
#pragma once

#include "framework/graphics/WinApi.h"

#include <string>

// Waits until the window is shown, enabled and not minimised; false after Timeout ms.
bool WaitUntilItTakesInput(HWND Window, DWORD TimeoutMs = 5000);
// Waits until the program that owns Window is between messages again, that is, has finished
// what it was doing; false after Timeout ms.
bool WaitUntilIdle(HWND Window, DWORD TimeoutMs = 5000);
// Clicks a point of Window, in its client coordinates, once the window takes input and its
// program has handled what came before.
void ClickClient(HWND Window, int X, int Y, int Button = VK_LBUTTON);
// Clicks the centre of a (child) window the same way.
void ClickCentre(HWND Window, int Button = VK_LBUTTON);
// A window's text, also of another process's window.
std::wstring WindowText(HWND Window);
// Waits until the focus of Dialog's thread is on a child of Dialog of that class; the child,
// or null after Timeout milliseconds.
HWND WaitForFocusIn(HWND Dialog, const std::wstring& ClassName, DWORD TimeoutMs = 30000);
// The first descendant of Parent with that class and text (an empty one matches any), or
// null.
HWND FindChild(HWND Parent, const std::wstring& ClassName, const std::wstring& Text);
