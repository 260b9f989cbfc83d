#include "skin/graphics/KsUtils.h"

#include "framework/core/TextConv.h"
#include "framework/windows/Controls.h"
#include "framework/windows/WinControl.h"
#include "skin/graphics/KsBitmap.h"

#include <cmath>

namespace {

HWND CaptureWindow = nullptr;
int CaptureCount = 0;

int TextWidthIn(HDC DC, const std::wstring& Text) {
    SIZE Extent{};
    GetTextExtentPoint32W(DC, Text.c_str(), int(Text.size()), &Extent);
    return Extent.cx;
}

// Keeps the device context's state from the constructor until it goes out of scope.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC DC) : FDC(DC), FState(SaveDC(DC)) {}
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;
    ~TSavedDCState() {
        if (FState)
            RestoreDC(FDC, FState);
    }

private:
    HDC FDC;
    int FState;
};

} // namespace

int RectWidth(const RECT& Rect) {
    return Rect.right - Rect.left;
}

int RectHeight(const RECT& Rect) {
    return Rect.bottom - Rect.top;
}

bool IsRectEmpty(const RECT& Rect) {
    return RectWidth(Rect) < 1 || RectHeight(Rect) < 1;
}

bool EqualRect(const RECT& A, const RECT& B) {
    return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

RECT InflateRectBy(const RECT& Rect, int Amount) {
    return RECT{Rect.left - Amount, Rect.top - Amount, Rect.right + Amount, Rect.bottom + Amount};
}

RECT CenterRectVert(const RECT& Rect, const RECT& Bounds) {
    const int Top = Bounds.top + (RectHeight(Bounds) - RectHeight(Rect)) / 2;
    return RECT{Bounds.left, Top, Bounds.left + RectWidth(Rect), Top + RectHeight(Rect)};
}

RECT CenterRect(const RECT& Rect, const RECT& Bounds) {
    const int Left = Bounds.left + (RectWidth(Bounds) - RectWidth(Rect)) / 2;
    const int Top = Bounds.top + (RectHeight(Bounds) - RectHeight(Rect)) / 2;
    return RECT{Left, Top, Left + RectWidth(Rect), Top + RectHeight(Rect)};
}

void KsSetCapture(HWND Window) {
    if (CaptureCount == 0) {
        CaptureWindow = Window;
        SetCapture(Window);
    }
    ++CaptureCount;
}

void KsReleaseCapture() {
    --CaptureCount;
    if (CaptureCount == 0) {
        // Another window may have taken the capture meanwhile; it keeps it.
        if (GetCapture() == CaptureWindow)
            ReleaseCapture();
        CaptureWindow = nullptr;
    }
}

HWND KsCaptureWindow() {
    return CaptureWindow;
}

bool KsNonClientMetrics(NONCLIENTMETRICSW& Metrics) {
    Metrics = NONCLIENTMETRICSW{};
    Metrics.cbSize = sizeof(Metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
        return true;
    Metrics = NONCLIENTMETRICSW{};
    return false;
}

std::string ShortenText(HDC DC, const std::string& Text, int MaxWidth) {
    if (TextWidthIn(DC, Utf8ToWide(Text)) <= MaxWidth)
        return Text;
    std::string Result;
    size_t Pos = 0;
    while (Pos < Text.size()) {
        const size_t Start = Pos;
        DecodeUtf8(Text, Pos);
        const std::string Candidate = Result + Text.substr(Start, Pos - Start);
        if (TextWidthIn(DC, Utf8ToWide(Candidate + "...")) > MaxWidth)
            break;
        Result = Candidate;
    }
    return Result + "...";
}

std::string ShortenTextOnSurface(TKsBitmap& Surface, const std::string& Text, int MaxWidth) {
    const TKsSelectedFont Selected(Surface);
    return ShortenText(Surface.DC(), Text, MaxWidth);
}

void DrawParentBackground(TControl* Control, HDC DC) {
    if (!Control || !Control->Parent() || !Control->Parent()->HandleAllocated())
        return;
    DrawWindowBackground(Control->Parent()->Handle(), Control->ClientOrigin(), DC);
}

void DrawSheetBackground(TWinControl* Sheet, HDC DC) {
    if (!Sheet || !Sheet->Parent())
        return;
    DrawWindowBackground(Sheet->Parent()->Handle(), Sheet->ClientOrigin(), DC);
}

void DrawWindowBackground(HWND Parent, POINT ChildScreenOrigin, HDC DC) {
    if (!Parent || !DC)
        return;
    const TSavedDCState Saved(DC);
    POINT Origin = ChildScreenOrigin;
    ScreenToClient(Parent, &Origin);
    OffsetWindowOrgEx(DC, Origin.x, Origin.y, nullptr);
    SendMessageW(Parent, WM_ERASEBKGND, WPARAM(DC), 12);
}

int GetKeyboardDelayMs() {
    int Delay = 0;
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &Delay, 0);
    return (Delay + 1) * 200;
}

int GetKeyboardRepeatMs() {
    DWORD Speed = 0;
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &Speed, 0);
    return KeyboardRepeatMsForSpeed(int(Speed));
}

int KeyboardRepeatMsForSpeed(int Speed) {
    // Rounded to nearest, ties to even.
    return int(std::lrint(1000.0 / ((Speed + 1) * 2.3)));
}
