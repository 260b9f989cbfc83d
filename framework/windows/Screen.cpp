#include "framework/windows/Screen.h"

#include "framework/core/Lists.h"
#include "framework/windows/ControlWindows.h"
#include "framework/windows/Forms.h"

#include <algorithm>

namespace {

MONITORINFO MonitorInfoOf(HMONITOR Handle) {
    MONITORINFO Info{};
    Info.cbSize = sizeof(Info);
    GetMonitorInfoW(Handle, &Info);
    return Info;
}

BOOL CALLBACK CollectMonitor(HMONITOR Handle, HDC, LPRECT, LPARAM Data) {
    reinterpret_cast<std::vector<HMONITOR>*>(Data)->push_back(Handle);
    return TRUE;
}

} // namespace

const TClassOf<TMonitor> TMonitor::Class{"TMonitor", TObject::Class};

bool TMonitor::Primary() const {
    return (MonitorInfoOf(FHandle).dwFlags & MONITORINFOF_PRIMARY) != 0;
}

RECT TMonitor::BoundsRect() const {
    return MonitorInfoOf(FHandle).rcMonitor;
}

RECT TMonitor::WorkareaRect() const {
    return MonitorInfoOf(FHandle).rcWork;
}

int TMonitor::Width() const {
    const RECT Rect = BoundsRect();
    return Rect.right - Rect.left;
}

int TMonitor::Height() const {
    const RECT Rect = BoundsRect();
    return Rect.bottom - Rect.top;
}

const TComponentClassOf<TScreen> TScreen::Class{"TScreen", TComponent::Class};

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

RECT TScreen::WorkAreaRect() const {
    RECT Rect{0, 0, Width(), Height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Rect, 0);
    return Rect;
}

int TScreen::WorkAreaWidth() const {
    const RECT Rect = WorkAreaRect();
    return Rect.right - Rect.left;
}

int TScreen::WorkAreaHeight() const {
    const RECT Rect = WorkAreaRect();
    return Rect.bottom - Rect.top;
}

RECT TScreen::DesktopRect() const {
    const int Left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int Top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{Left, Top, Left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                Top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void TScreen::RefreshMonitors() {
    std::vector<HMONITOR> Handles;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&Handles));
    // Keep the objects of displays still present, so that pointers handed out stay valid.
    std::vector<std::unique_ptr<TMonitor>> Current;
    for (size_t I = 0; I < Handles.size(); ++I) {
        auto Existing = std::find_if(FMonitors.begin(), FMonitors.end(), [&](const auto& M) {
            return M && M->Handle() == Handles[I] && M->MonitorNum() == static_cast<int>(I);
        });
        if (Existing != FMonitors.end())
            Current.push_back(std::move(*Existing));
        else
            Current.push_back(std::make_unique<TMonitor>(Handles[I], static_cast<int>(I)));
    }
    FMonitors = std::move(Current);
}

int TScreen::MonitorCount() {
    RefreshMonitors();
    return static_cast<int>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int Index) {
    RefreshMonitors();
    if (Index < 0 || Index >= static_cast<int>(FMonitors.size()))
        throw EListError(ListIndexErrorMessage(Index));
    return FMonitors[static_cast<size_t>(Index)].get();
}

TMonitor* TScreen::MonitorFromWindow(HWND Window) {
    const HMONITOR Handle = ::MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST);
    RefreshMonitors();
    for (const auto& Monitor : FMonitors)
        if (Monitor->Handle() == Handle)
            return Monitor.get();
    return FMonitors.empty() ? nullptr : FMonitors.front().get();
}

TCustomForm* TScreen::Forms(int Index) const {
    if (Index < 0 || Index >= FormCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FForms[static_cast<size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end())
        FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
}

TCustomForm* TScreen::ActiveForm() const {
    TWinControl* Control = FindControl(GetActiveWindow());
    auto* Form = dynamic_cast<TCustomForm*>(Control);
    return Form && std::find(FForms.begin(), FForms.end(), Form) != FForms.end() ? Form : nullptr;
}

void TScreen::SetCursor(TCursor Value) {
    if (Value == FCursor)
        return;
    FCursor = Value;
    if (Value != crDefault)
        ::SetCursor(Cursors(Value));
}

HCURSOR TScreen::Cursors(TCursor Index) const {
    struct TCursorEntry {
        TCursor Cursor;
        LPCWSTR Host;
    };
    static const TCursorEntry Entries[] = {
        {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},
        {crIBeam, IDC_IBEAM},          {crSizeNESW, IDC_SIZENESW},
        {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},
        {crHourGlass, IDC_WAIT},       {crNo, IDC_NO},
        {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},       {crSizeAll, IDC_SIZEALL},
    };
    if (Index == crNone)
        return nullptr;
    for (const auto& Entry : Entries)
        if (Entry.Cursor == Index)
            return LoadCursorW(nullptr, Entry.Host);
    return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
}
