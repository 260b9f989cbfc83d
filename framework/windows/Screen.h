// TScreen and TMonitor: what the program knows of the displays (the primary display's
// size, its work area, every monitor's bounds) and of its forms (in creation order), and
// the mouse cursor shown over every window of the program.
#pragma once

#include "framework/core/Components.h"
#include "framework/graphics/WinApi.h"
#include "framework/windows/Controls.h"

#include <memory>
#include <vector>

class TCustomForm;

class TMonitor : public TObject {
public:
    static const TClassOf<TMonitor> Class;
    const TClass& ClassType() const override { return Class; }

    TMonitor(HMONITOR Handle, int MonitorNum) : FHandle(Handle), FMonitorNum(MonitorNum) {}

    HMONITOR Handle() const { return FHandle; }
    int MonitorNum() const { return FMonitorNum; }
    bool Primary() const;
    RECT BoundsRect() const;
    RECT WorkareaRect() const;
    int Left() const { return BoundsRect().left; }
    int Top() const { return BoundsRect().top; }
    int Width() const;
    int Height() const;

private:
    HMONITOR FHandle;
    int FMonitorNum;
};

class TScreen : public TComponent {
public:
    static const TComponentClassOf<TScreen> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    // The primary display in pixels.
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    // The primary display without the task bar and other docked bars.
    RECT WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().left; }
    int WorkAreaTop() const { return WorkAreaRect().top; }
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;
    // All displays together.
    RECT DesktopRect() const;

    // The displays, asked of the host each time.
    int MonitorCount();
    TMonitor* Monitors(int Index);
    // The display that holds most of the window (the nearest one when none does).
    TMonitor* MonitorFromWindow(HWND Window);

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const;
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    // The form whose window is the active one, or nullptr.
    TCustomForm* ActiveForm() const;

    // A cursor other than crDefault overrides every control's cursor until it is reset.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The host cursor of a framework cursor number.
    HCURSOR Cursors(TCursor Index) const;

private:
    void RefreshMonitors();

    std::vector<TCustomForm*> FForms;
    std::vector<std::unique_ptr<TMonitor>> FMonitors;
    TCursor FCursor = crDefault;
};

// The program's screen object (made with the application object, which outlives it).
extern TScreen* const Screen;
