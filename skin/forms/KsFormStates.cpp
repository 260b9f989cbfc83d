// The skinned form's window states and the moves between them, the bounds of each state,
// closing and the system commands, staying on top, the tray icon with its utility window,
// the application-wide minimise and restore, and attaching to the form once loaded.
#include "skin/forms/KsForms.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Icon.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/forms/KsMessageWindow.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace {

// The tray icon's record for this controller: its utility window and its own identity.
NOTIFYICONDATAW TrayRecord(HWND Window, const void* Owner) {
    NOTIFYICONDATAW Data{};
    Data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    Data.hWnd = Window;
    Data.uID = static_cast<UINT>(reinterpret_cast<uintptr_t>(Owner));
    Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    Data.uCallbackMessage = KM_TRAYNOTIFY;
    return Data;
}

RECT WorkArea() {
    RECT Area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Area, 0);
    return Area;
}

} // namespace

bool TKsCustomForm::ShownModally() const {
    return Attached() && Form()->FormState().Contains(TFormStateFlag::fsModal);
}

RECT TKsCustomForm::FormBounds() const {
    TCustomForm* Owner = Form();
    return RECT{Owner->Left(), Owner->Top(), Owner->Left() + Owner->Width(),
                Owner->Top() + Owner->Height()};
}

// ---- Bounds of the states ----

RECT TKsCustomForm::FormWorkArea() const {
    MONITORINFO Monitor{};
    Monitor.cbSize = sizeof(Monitor);
    if (Attached() &&
        GetMonitorInfoW(MonitorFromWindow(Form()->Handle(), MONITOR_DEFAULTTONEAREST), &Monitor))
        return Monitor.rcWork;
    return WorkArea();
}

RECT TKsCustomForm::GetMaximizedBounds() {
    // A child fills its parent's client window exactly: anything larger would give the
    // client window scroll bars.
    if (IsMDIChild()) {
        RECT Client{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (const TCustomForm* Parent = MDIParentForm(); Parent && Parent->ClientHandle())
            GetClientRect(Parent->ClientHandle(), &Client);
        return Client;
    }
    // The border lies outside the work area of the form's monitor.
    return InflateRectBy(FormWorkArea(), GetClientBounds().left);
}

RECT TKsCustomForm::GetMinimizedBounds() {
    const RECT C = GetClientBounds();
    const int Height = C.top + FFormHeight - C.bottom;
    const int Bottom = GetMagnetArea().bottom;
    return RECT{0, Bottom - Height, GetSystemMetrics(SM_CXMINIMIZED), Bottom};
}

RECT TKsCustomForm::GetRollupBounds() {
    const RECT C = GetClientBounds();
    const RECT Bounds = Attached() ? FormBounds() : RECT{};
    // The window keeps the room of its shadow beside and below the frame, so that the
    // rolled-up frame is as wide as the frame was.
    const int ShadowRight = FWindowWidth - FFormWidth;
    const int ShadowBelow = FWindowHeight - FFormHeight;
    return RECT{Bounds.left, Bounds.top, Bounds.left + FFormWidth + ShadowRight,
                Bounds.top + C.top + FFormHeight - C.bottom + ShadowBelow};
}

POINT TKsCustomForm::GetMaxSize() {
    const RECT Max = GetMaximizedBounds();
    return POINT{FConstraints->MaxWidth() ? FConstraints->MaxWidth() : RectWidth(Max),
                 FConstraints->MaxHeight() ? FConstraints->MaxHeight() : RectHeight(Max)};
}

POINT TKsCustomForm::GetMinSize() {
    return POINT{FConstraints->MinWidth() ? FConstraints->MinWidth() : 150,
                 FConstraints->MinHeight() ? FConstraints->MinHeight() : 40};
}

RECT TKsCustomForm::GetMagnetArea() {
    if (Attached()) {
        if (const HWND Parent = GetParent(Form()->Handle())) {
            RECT Client{};
            GetClientRect(Parent, &Client);
            return Client;
        }
    }
    return FormWorkArea();
}

void TKsCustomForm::ApplyBounds(const RECT& Bounds) {
    if (!Attached())
        return;
    Form()->SetBounds(Bounds.left, Bounds.top, RectWidth(Bounds), RectHeight(Bounds));
    // Repaint now, so that the window keeps up with a drag. Asking whether a paint is due
    // costs less than looking for one, and a move usually leaves nothing to paint.
    MSG Message;
    while (HIWORD(GetQueueStatus(QS_PAINT)) &&
           PeekMessageW(&Message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        if (Message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(Message.wParam));
            break;
        }
        DispatchMessageW(&Message);
    }
}

// ---- State changes ----

void TKsCustomForm::Maximize() {
    // From the host's minimised window: first back to the state it left.
    if (FWindowState == TKsWindowState::kwsMinimized && LeaveHostIconic() &&
        FWindowState == TKsWindowState::kwsMaximized)
        return;
    if (FWindowState == TKsWindowState::kwsMaximized) {
        Restore();
        return;
    }
    FPrevWindowState = FWindowState;
    if (FWindowState != TKsWindowState::kwsRollup && FWindowState != TKsWindowState::kwsMinimized &&
        Attached())
        FRestoreBounds = FormBounds();
    FWindowState = TKsWindowState::kwsMaximized;
    ApplyBounds(GetMaximizedBounds());
    if (Attached())
        Form()->Invalidate();
    RedrawFrame();
    if (IsMDIChild()) {
        RecalculateFrame();
        MergeIntoParentMenuBar();
        RefreshParentCaption();
    }
}

void TKsCustomForm::Minimize() {
    if (!Attached() || ShownModally())
        return;
    if (FWindowState == TKsWindowState::kwsMinimized) {
        Restore();
        return;
    }
    FPrevWindowState = FWindowState;
    FWindowState = TKsWindowState::kwsMinimized;
    if (FPrevWindowState != TKsWindowState::kwsRollup &&
        FPrevWindowState != TKsWindowState::kwsMaximized)
        FRestoreBounds = FormBounds();
    if (IsMDIChild())
        LeaveMaximizedMDIChild();
    if (FMinimizeApplication) {
        Application->Minimize();
        // A form other than the main one goes down with the application.
        const HWND Window = Form()->Handle();
        if (IsWindowVisible(Window) && !IsIconic(Window))
            ShowWindow(Window, SW_MINIMIZE);
    } else {
        ApplyBounds(GetMinimizedBounds());
    }
}

void TKsCustomForm::Rollup() {
    if (FWindowState == TKsWindowState::kwsMinimized && LeaveHostIconic() &&
        FWindowState == TKsWindowState::kwsRollup)
        return;
    if (FWindowState == TKsWindowState::kwsRollup) {
        Restore();
        return;
    }
    FPrevWindowState = FWindowState;
    FWindowState = TKsWindowState::kwsRollup;
    if (FPrevWindowState != TKsWindowState::kwsMinimized &&
        FPrevWindowState != TKsWindowState::kwsMaximized && Attached())
        FRestoreBounds = FormBounds();
    // A child rolled up from maximised gets its frame back and no longer fills the parent.
    if (FPrevWindowState == TKsWindowState::kwsMaximized && IsMDIChild()) {
        ApplyBounds(GetRollupBounds());
        RecalculateFrame();
        LeaveMaximizedMDIChild();
        return;
    }
    ApplyBounds(GetRollupBounds());
}

void TKsCustomForm::MinimizeToTray() {
    if (!Attached() || ShownModally())
        return;
    if (FWindowState == TKsWindowState::kwsTray) {
        Restore();
        return;
    }
    FPrevWindowState = FWindowState;
    FWindowState = TKsWindowState::kwsTray;
    if (FPrevWindowState == TKsWindowState::kwsNormal)
        FRestoreBounds = FormBounds();
    SetTrayTip(FMinimizeApplication ? Application->Title() : Form()->Caption());
    // Without a notification area the icon cannot be added: the form then stays in view,
    // as nothing would bring it back.
    AddTrayIcon();
    if (!FTrayIconShown) {
        FWindowState = FPrevWindowState;
        return;
    }
    if (FMinimizeApplication)
        Application->Minimize();
    ShowWindow(Form()->Handle(), SW_HIDE);
}

void TKsCustomForm::Restore() {
    switch (FWindowState) {
    case TKsWindowState::kwsNormal:
        ApplyBounds(FRestoreBounds);
        break;
    case TKsWindowState::kwsMaximized:
        if (FPrevWindowState == TKsWindowState::kwsMinimized) {
            if (FMinimizeApplication)
                break;
            FWindowState = TKsWindowState::kwsNormal;
            ApplyBounds(FRestoreBounds);
            Maximize();
        } else if (FPrevWindowState == TKsWindowState::kwsRollup) {
            FWindowState = TKsWindowState::kwsNormal;
            ApplyBounds(FRestoreBounds);
            Rollup();
        } else {
            // Leaving the maximized state: the next background snapshot is skipped once.
            FPrevWindowState = TKsWindowState::kwsMaximized;
            FWindowState = TKsWindowState::kwsNormal;
            ApplyBounds(FRestoreBounds);
            if (FDropShadow && Attached()) {
                Form()->Invalidate();
                RedrawFrame();
            }
        }
        // A child that no longer fills its parent gets its frame back.
        if (FWindowState != TKsWindowState::kwsMaximized && IsMDIChild()) {
            RecalculateFrame();
            LeaveMaximizedMDIChild();
        }
        break;
    case TKsWindowState::kwsMinimized:
        // The host brings the window back with the rectangle of the state it left.
        if (LeaveHostIconic() && FWindowState != TKsWindowState::kwsMinimized)
            break;
        if (FPrevWindowState == TKsWindowState::kwsMaximized) {
            Maximize();
            FPrevWindowState = TKsWindowState::kwsNormal;
        } else if (FPrevWindowState == TKsWindowState::kwsRollup) {
            Rollup();
            FPrevWindowState = TKsWindowState::kwsNormal;
        } else {
            FWindowState = TKsWindowState::kwsNormal;
            ApplyBounds(FRestoreBounds);
        }
        break;
    case TKsWindowState::kwsRollup: {
        const RECT Max = GetMaximizedBounds();
        if (RectWidth(Max) == FFormWidth || FPrevWindowState == TKsWindowState::kwsMaximized) {
            Maximize();
            FPrevWindowState = TKsWindowState::kwsNormal;
            break;
        }
        FWindowState = TKsWindowState::kwsNormal;
        // The form may have been moved while rolled up: it keeps its new place.
        if (Attached())
            OffsetRect(&FRestoreBounds, Form()->Left() - FRestoreBounds.left,
                       Form()->Top() - FRestoreBounds.top);
        ApplyBounds(FRestoreBounds);
        break;
    }
    case TKsWindowState::kwsTray: {
        const RECT Bounds = FRestoreBounds;
        const TKsWindowState Previous = FPrevWindowState;
        if (FMinimizeApplication)
            Application->Restore();
        if (Attached()) {
            ShowWindow(Form()->Handle(), SW_RESTORE);
            SetForegroundWindow(Form()->Handle());
        }
        RemoveTrayIcon();
        FRestoreBounds = Bounds;
        FPrevWindowState = Previous;
        FWindowState = TKsWindowState::kwsNormal;
        if (Previous == TKsWindowState::kwsMaximized)
            Maximize();
        else if (Previous == TKsWindowState::kwsRollup)
            Rollup();
        else {
            ApplyBounds(FRestoreBounds);
            break;
        }
        FRestoreBounds = Bounds;
        FPrevWindowState = TKsWindowState::kwsNormal;
        break;
    }
    }
}

void TKsCustomForm::FollowHostIconic() {
    if (!Attached())
        return;
    const bool Iconic = IsIconic(Form()->Handle()) != FALSE;
    if (Iconic == FHostIconic)
        return;
    FHostIconic = Iconic;
    using S = TKsWindowState;
    if (Iconic) {
        if (FWindowState == S::kwsMinimized || FWindowState == S::kwsTray)
            return;
        if (FWindowState == S::kwsNormal)
            FRestoreBounds = HostNormalBounds();
        FPrevWindowState = FWindowState;
        FWindowState = S::kwsMinimized;
        return;
    }
    // Back from the host's minimised window: the host put back the rectangle of the state
    // the window was in before. A form minimised to its caption bar was that bar.
    const RECT Bar = GetMinimizedBounds();
    const RECT Bounds = FormBounds();
    if (FWindowState != S::kwsMinimized || EqualRect(&Bar, &Bounds))
        return;
    FWindowState = FPrevWindowState;
    FPrevWindowState = S::kwsNormal;
    if (FWindowState == S::kwsMaximized) {
        const RECT Max = GetMaximizedBounds();
        if (!EqualRect(&Max, &Bounds))
            ApplyBounds(Max);
    }
    RedrawFrame();
}

RECT TKsCustomForm::HostNormalBounds() const {
    const HWND Window = Form()->Handle();
    WINDOWPLACEMENT Placement{};
    Placement.length = sizeof(Placement);
    GetWindowPlacement(Window, &Placement);
    RECT Bounds = Placement.rcNormalPosition;
    // The host keeps it relative to the work area, except for a tool window.
    MONITORINFO Monitor{};
    Monitor.cbSize = sizeof(Monitor);
    if (!(GetWindowLongW(Window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
        GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &Monitor))
        OffsetRect(&Bounds, Monitor.rcWork.left - Monitor.rcMonitor.left,
                   Monitor.rcWork.top - Monitor.rcMonitor.top);
    return Bounds;
}

bool TKsCustomForm::LeaveHostIconic() {
    if (!Attached() || !IsIconic(Form()->Handle()))
        return false;
    if (FMinimizeApplication)
        Application->Restore();
    // A form other than the main one comes back by itself.
    if (IsIconic(Form()->Handle()))
        ShowWindow(Form()->Handle(), SW_RESTORE);
    FollowHostIconic();
    return true;
}

void TKsCustomForm::ConstraintsChanged(TObject*) {
    if (!Attached() || IsLoading() || IsDesigning() || IsIconic(Form()->Handle()) ||
        FWindowState == TKsWindowState::kwsTray)
        return;
    // The window-position handling brings every new size inside the limits.
    RECT Window{};
    GetWindowRect(Form()->Handle(), &Window);
    SetWindowPos(Form()->Handle(), nullptr, 0, 0, RectWidth(Window), RectHeight(Window),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TKsCustomForm::SetWindowState(TKsWindowState Value) {
    if (Value == FWindowState)
        return;
    if (IsDesigning()) {
        FWindowState = Value;
        return;
    }
    if (IsLoading()) {
        FLoadedWindowState = Value;
        return;
    }
    switch (Value) {
    case TKsWindowState::kwsNormal:
        Restore();
        break;
    case TKsWindowState::kwsMaximized:
        Maximize();
        break;
    case TKsWindowState::kwsMinimized:
        Minimize();
        break;
    case TKsWindowState::kwsRollup:
        Rollup();
        break;
    case TKsWindowState::kwsTray:
        MinimizeToTray();
        break;
    default:
        FWindowState = Value;
        break;
    }
}

void TKsCustomForm::SetStayOnTop(bool Value) {
    if (Value == FStayOnTop)
        return;
    FStayOnTop = Value;
    if (!Attached() || IsDesigning())
        return;
    SetWindowPos(Form()->Handle(), Value ? HWND_TOPMOST : HWND_NOTOPMOST, Form()->Left(),
                 Form()->Top(), FFormWidth, FFormHeight,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

// ---- Closing and commands ----

void TKsCustomForm::Close() {
    if (!Attached())
        return;
    if (ShownModally()) {
        Form()->SetModalResult(mrCancel);
        return;
    }
    if (IsMDIChild()) {
        CloseMDIChild();
        return;
    }
    Form()->Close();
}

void TKsCustomForm::Help() {
    if (Attached())
        SendMessageW(Form()->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void TKsCustomForm::WMSysCommand(TMessage& Message) {
    using S = TKsWindowState;
    FollowHostIconic();
    switch (Message.WParam & 0xFFF0) {
    case SC_KEYMENU:
        if (Message.LParam != ' ') {
            KeyMenu(Message);
            break;
        }
        [[fallthrough]];
    case SC_MOUSEMENU:
        // The skinned system menu answers the command: the host's own menu must not follow.
        ShowSysMenu();
        Message.Result = 0;
        MarkHandled();
        break;
    // The window states are the controller's: the host maximises no skinned form and
    // every minimise and restore goes through the controller's own.
    case SC_MINIMIZE:
        if (FWindowState != S::kwsMinimized && FWindowState != S::kwsTray)
            Minimize();
        Message.Result = 0;
        MarkHandled();
        break;
    case SC_MAXIMIZE:
        if (FWindowState == S::kwsMinimized)
            Restore();
        if (FWindowState != S::kwsMaximized)
            Maximize();
        Message.Result = 0;
        MarkHandled();
        break;
    case SC_RESTORE:
        if (FWindowState != S::kwsNormal)
            Restore();
        Message.Result = 0;
        MarkHandled();
        break;
    case SC_CLOSE:
        // The host would send WM_CLOSE afterwards and the form would be asked twice.
        Close();
        Message.Result = 0;
        MarkHandled();
        break;
    default:
        break;
    }
}

// ---- Tray and application events ----

HICON TKsCustomForm::FormIcon() const {
    if (Attached() && Form()->Icon() && Form()->Icon()->Handle())
        return Form()->Icon()->Handle();
    if (Application->Icon() && Application->Icon()->Handle())
        return Application->Icon()->Handle();
    return LoadIconW(nullptr, IDI_APPLICATION);
}

void TKsCustomForm::SetTrayTip(const std::string& Tip) {
    FTrayTip = Utf8ToWide(Tip).substr(0, 63);
}

void TKsCustomForm::AddTrayIcon() {
    NOTIFYICONDATAW Data = TrayRecord(UtilityWindow().Handle(), this);
    Data.hIcon = FormIcon();
    FTrayTip.copy(Data.szTip, 63);
    FTrayIconShown = Shell_NotifyIconW(NIM_ADD, &Data) != FALSE;
}

void TKsCustomForm::RemoveTrayIcon() {
    if (!FTrayIconShown)
        return;
    NOTIFYICONDATAW Data = TrayRecord(UtilityWindow().Handle(), this);
    Shell_NotifyIconW(NIM_DELETE, &Data);
    FTrayIconShown = false;
}

bool TKsCustomForm::UtilityMessage(TMessage& Message) {
    switch (Message.Msg) {
    case WM_QUERYENDSESSION:
        Message.Result = 1;
        return true;
    case WM_ENDSESSION:
        RemoveTrayIcon();
        return true;
    case KM_TRAYNOTIFY:
        if (Message.LParam == WM_LBUTTONDBLCLK)
            Restore();
        else if (Message.LParam == WM_RBUTTONUP)
            ShowSysMenu();
        return true;
    default:
        return false;
    }
}

// The application's minimise and restore, relayed to every controller that asked for them,
// whatever order controllers come and go in; the handlers the application had before the
// first controller are called after them, and put back when the last one leaves.
class TApplicationStateRelay {
public:
    static TApplicationStateRelay& Instance() {
        // Controllers freed while the program ends still find it.
        static TApplicationStateRelay* Relay = new TApplicationStateRelay;
        return *Relay;
    }

    void Add(TKsCustomForm* Listener) {
        if (std::find(FListeners.begin(), FListeners.end(), Listener) != FListeners.end())
            return;
        if (FListeners.empty()) {
            FSavedOnMinimize = Application->OnMinimize;
            FSavedOnRestore = Application->OnRestore;
            Application->OnMinimize = MakeEvent(this, &TApplicationStateRelay::Minimized);
            Application->OnRestore = MakeEvent(this, &TApplicationStateRelay::Restored);
        }
        FListeners.push_back(Listener);
    }

    void Remove(TKsCustomForm* Listener) {
        const auto Found = std::find(FListeners.begin(), FListeners.end(), Listener);
        if (Found == FListeners.end())
            return;
        FListeners.erase(Found);
        if (FListeners.empty()) {
            Application->OnMinimize = FSavedOnMinimize;
            Application->OnRestore = FSavedOnRestore;
        }
    }

private:
    // Each listener is looked up again before it is told: one may free another.
    void Relay(void (TKsCustomForm::*Tell)()) {
        const std::vector<TKsCustomForm*> Listeners = FListeners;
        for (TKsCustomForm* Listener : Listeners)
            if (std::find(FListeners.begin(), FListeners.end(), Listener) != FListeners.end())
                (Listener->*Tell)();
    }
    void Minimized(TObject* Sender) {
        const TNotifyEvent Saved = FSavedOnMinimize;
        Relay(&TKsCustomForm::AppMinimize);
        if (Saved)
            Saved(Sender);
    }
    void Restored(TObject* Sender) {
        const TNotifyEvent Saved = FSavedOnRestore;
        Relay(&TKsCustomForm::AppRestore);
        if (Saved)
            Saved(Sender);
    }

    std::vector<TKsCustomForm*> FListeners;
    TNotifyEvent FSavedOnMinimize;
    TNotifyEvent FSavedOnRestore;
};

void TKsCustomForm::HookApplicationEvents() {
    TApplicationStateRelay::Instance().Add(this);
}

void TKsCustomForm::UnhookApplicationEvents() {
    TApplicationStateRelay::Instance().Remove(this);
}

void TKsCustomForm::AppMinimize() {
    if (FMinimizeApplication && FWindowState != TKsWindowState::kwsMinimized &&
        FWindowState != TKsWindowState::kwsTray)
        Minimize();
}

void TKsCustomForm::AppRestore() {
    if (FMinimizeApplication && FWindowState == TKsWindowState::kwsMinimized) {
        Restore();
        RedrawFrame();
    }
}

// ---- Lifecycle ----

void TKsCustomForm::Loaded() {
    if (FBlend && !FBuffer)
        FBuffer = std::make_unique<TKsBitmap>();
    TKsHook::Loaded();
    if (IsDesigning())
        return;
    auto* Owner = dynamic_cast<TCustomForm*>(this->Owner());
    SetControl(Owner);
    HookClientWindow();
    FollowMDIActivation();
    InstallShortCutHandler();
    if (FLoadedWindowState != TKsWindowState::kwsNormal && Attached()) {
        PostMessageW(Form()->Handle(), KM_SETWINDOWSTATE, static_cast<WPARAM>(FLoadedWindowState),
                     0);
        FLoadedWindowState = TKsWindowState::kwsNormal;
    }
    if (!Attached())
        return;
    // The form's resize event stays quiet while the frame is laid out.
    const TNotifyEvent Resized = Owner->OnResize;
    Owner->OnResize = {};
    try {
        LayOutTakenWindow();
    } catch (...) {
        Owner->OnResize = Resized;
        throw;
    }
    Owner->OnResize = Resized;
}
