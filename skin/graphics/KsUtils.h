// Helpers the skinned controls share: rectangle arithmetic, nested mouse capture, text
// shortened with an ellipsis, a parent's background painted behind a child, and the user's
// keyboard repeat timing.
#pragma once

#include "framework/graphics/WinApi.h"

#include <string>

class TControl;
class TKsBitmap;
class TWinControl;

// Stores Value and answers true when it differs from what Field held: the first step of
// every property setter that repaints only on change.
template <class T> bool KsChangeValue(T& Field, T Value) {
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

int RectWidth(const RECT& Rect);
int RectHeight(const RECT& Rect);
// True when the width or the height is below 1.
bool IsRectEmpty(const RECT& Rect);
bool EqualRect(const RECT& A, const RECT& B);
RECT InflateRectBy(const RECT& Rect, int Amount);
// Moves Rect (size kept) to the left of Bounds, centred vertically in it.
RECT CenterRectVert(const RECT& Rect, const RECT& Bounds);
// Moves Rect (size kept) to the centre of Bounds; an odd difference leaves the extra pixel
// to the right and below.
RECT CenterRect(const RECT& Rect, const RECT& Bounds);

// Nested mouse capture: the first call captures for Window; each call must be matched by
// one KsReleaseCapture, and the last one releases the capture if Window still holds it.
void KsSetCapture(HWND Window);
void KsReleaseCapture();
// The window the nested capture was taken for; nullptr while none is held.
HWND KsCaptureWindow();

// The host's non-client metrics (fonts and sizes of captions and menus), read with the
// record size the wide call expects; False and a zeroed record when the host refuses.
bool KsNonClientMetrics(NONCLIENTMETRICSW& Metrics);

// Text cut so that it fits MaxWidth pixels in the device context's font, ending in "..."
// when cut; "..." alone when not even one character fits.
std::string ShortenText(HDC DC, const std::string& Text, int MaxWidth);
// The same in the surface's font.
std::string ShortenTextOnSurface(TKsBitmap& Surface, const std::string& Text, int MaxWidth);

// Paints the background of a non-windowed control's parent behind the control into DC;
// nothing when the control has no parent or the parent no window yet.
void DrawParentBackground(TControl* Control, HDC DC);
// The same for a windowed tab sheet, whose parent is asked for its window in any case.
void DrawSheetBackground(TWinControl* Sheet, HDC DC);

// Paints Parent's background into DC as if DC were a child placed at ChildScreenOrigin: the
// parent is sent WM_ERASEBKGND with DC's origin moved to the child's place. The context's
// state is restored afterwards.
void DrawWindowBackground(HWND Parent, POINT ChildScreenOrigin, HDC DC);

// The pause before keys repeat and the interval between repeats, in milliseconds, from the
// user's keyboard settings.
int GetKeyboardDelayMs();
int GetKeyboardRepeatMs();
// The repeat interval for a keyboard speed setting (0 slowest .. 31 fastest).
int KeyboardRepeatMsForSpeed(int Speed);
