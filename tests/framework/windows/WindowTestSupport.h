// What the window tests share: pumping the message loop until something happened, the
// message boxes the application would have shown, a form that runs test steps from inside
// its own (modal) message loop, and a graphic control that records what reaches it.
#pragma once

#include "framework/windows/Application.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/Forms.h"

#include <functional>
#include <string>
#include <vector>

// Handles messages until Done() answers True; False when it never did within the steps.
bool PumpUntil(const std::function<bool()>& Done, int Steps = 300);

// Shows the form in front of every other window and waits until it has the focus.
void BringForward(TForm& Form);

// Replaces the application's message boxes for the length of a scope.
class TRecordedMessageBoxes {
public:
    struct TBox {
        std::string Text;
        std::string Caption;
        UINT Flags;
    };

    TRecordedMessageBoxes();
    TRecordedMessageBoxes(const TRecordedMessageBoxes&) = delete;
    TRecordedMessageBoxes& operator=(const TRecordedMessageBoxes&) = delete;
    ~TRecordedMessageBoxes();

    std::vector<TBox> Boxes;

private:
    TMessageBoxFunc FPrevious;
};

// A form that runs posted steps from whatever message loop is handling its messages.
class TScriptForm : public TForm {
public:
    using TForm::TForm;
    void Post(std::function<void()> Step);
    void Dispatch(TMessage& Message) override;

private:
    std::vector<std::function<void()>> FSteps;
};

// A graphic control that paints itself in one colour and counts what it is told.
class TProbeControl : public TGraphicControl {
public:
    explicit TProbeControl(TComponent* AOwner, TColor Fill = clRed);

    int Enters = 0;
    int Leaves = 0;
    int Clicks = 0;
    std::vector<POINT> Presses;

    void Dispatch(TMessage& Message) override;
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TColor FFill;
};

// A windowed control that counts mouse entries and exits.
class TProbeWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    int Enters = 0;
    int Leaves = 0;
    void Dispatch(TMessage& Message) override;
};

// A window's client rectangle.
RECT ClientRectOf(HWND Window);
// A rectangle as text, for comparisons whose failures show it.
std::string RectText(const RECT& Rect);

// The top-level windows this thread has, visible or not.
int ThreadWindowCount();

// GDI and USER objects the process holds now.
DWORD GdiObjectCount();
DWORD UserObjectCount();
// The table slot the host gives a GDI object made now. Slots of freed objects are handed
// out again, so the slot stays low while nothing leaks and climbs with every leaked object
// (the host's object counts are not available under Wine).
unsigned NextGdiSlot();

// A memory device context on a white 32-bit bitmap, for exact pixel checks.
class TPixelSurface {
public:
    TPixelSurface(int Width, int Height);
    TPixelSurface(const TPixelSurface&) = delete;
    TPixelSurface& operator=(const TPixelSurface&) = delete;
    ~TPixelSurface();

    HDC DC() const { return FDC; }
    // 0x00RRGGBB.
    uint32_t Pixel(int X, int Y) const;

private:
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FPrevious;
    uint32_t* FBits = nullptr;
    int FWidth;
};

// The 0x00RRGGBB form of a framework colour.
uint32_t RgbOf(TColor Color);
