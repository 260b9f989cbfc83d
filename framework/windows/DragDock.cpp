#include "framework/windows/DragDock.h"

#include "framework/core/Properties.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Application.h"
#include "framework/windows/DockHost.h"
#include "framework/windows/MouseTracking.h"
#include "framework/windows/Screen.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

const TEnumInfo DragModeInfo{"TDragMode", {"dmManual", "dmAutomatic"}};
const TEnumInfo DragKindInfo{"TDragKind", {"dkDrag", "dkDock"}};

const TClassOf<TDragDockObject> TDragDockObject::Class{"TDragDockObject", TObject::Class};

namespace {

RECT ScreenBounds(const TControl& Control) {
    const RECT Bounds = Control.BoundsRect();
    if (!Control.Parent())
        return Bounds;
    const POINT Origin = Control.Parent()->ClientOrigin();
    return RECT{Bounds.left + Origin.x, Bounds.top + Origin.y, Bounds.right + Origin.x,
                Bounds.bottom + Origin.y};
}

// Where a dock drag would put the control, inverted on the screen; inverting it again at the
// same place takes it away.
class TDragOutline {
public:
    TDragOutline() = default;
    TDragOutline(const TDragOutline&) = delete;
    TDragOutline& operator=(const TDragOutline&) = delete;
    ~TDragOutline() { Hide(); }

    void Show(const RECT& Rect) {
        if (FShown && EqualRect(&Rect, &FRect))
            return;
        Hide();
        FRect = Rect;
        Invert();
        FShown = true;
    }
    void Hide() {
        if (!FShown)
            return;
        Invert();
        FShown = false;
    }

private:
    static constexpr int Thickness = 2;

    void Invert() const {
        const TScreenDC DC;
        const int Width = FRect.right - FRect.left;
        const int Height = FRect.bottom - FRect.top;
        PatBlt(DC.Get(), FRect.left, FRect.top, Width, Thickness, DSTINVERT);
        PatBlt(DC.Get(), FRect.left, FRect.bottom - Thickness, Width, Thickness, DSTINVERT);
        PatBlt(DC.Get(), FRect.left, FRect.top + Thickness, Thickness, Height - 2 * Thickness,
               DSTINVERT);
        PatBlt(DC.Get(), FRect.right - Thickness, FRect.top + Thickness, Thickness,
               Height - 2 * Thickness, DSTINVERT);
    }

    RECT FRect{};
    bool FShown = false;
};

// A hidden window that holds the mouse capture while a drag runs.
class TDragCaptureWindow {
public:
    TDragCaptureWindow();
    TDragCaptureWindow(const TDragCaptureWindow&) = delete;
    TDragCaptureWindow& operator=(const TDragCaptureWindow&) = delete;
    ~TDragCaptureWindow();

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    HWND FHandle = nullptr;
};

} // namespace

// One drag, from its start until it ends. Handlers it calls may end it (EndDrag while the
// pointer enters a site): that ending waits until the handler has returned.
class TDragOperation {
public:
    TDragOperation(TControl& Control, int Threshold);

    TDragDockObject& Object() { return FObject; }
    // The pointer moved: past the threshold the drag starts, and the controls under it hear.
    void Follow(POINT ScreenPoint);
    // Ends the drag now, or once the running handler has returned; answers whether it is
    // to end now.
    bool RequestEnd(bool Drop);
    bool EndRequested() const { return FEndRequested; }
    bool DropRequested() const { return FDropRequested; }
    void Finish(bool Drop);
    void Forget(TControl* Control);

private:
    void MoveTo(POINT ScreenPoint);
    // The control under the point that this drag may be offered to, or nullptr.
    TControl* Candidate(POINT ScreenPoint);
    bool Offer(TControl* Target, TDragState State);
    POINT ClientPoint(const TControl* Target) const;

    TDragDockObject FObject;
    TControl* FControl;
    int FThreshold;
    POINT FStart{};
    SIZE FGrab{};
    SIZE FSize{};
    bool FStarted = false;
    // The dock site the control is leaving, until the pointer has been outside it.
    TWinControl* FLeaving = nullptr;
    TControl* FOver = nullptr;
    bool FAccepted = false;
    int FBusy = 0;
    bool FEndRequested = false;
    bool FDropRequested = false;
    bool FControlGone = false;
    TDragOutline FOutline;
    TDragCaptureWindow FCapture;
};

namespace {

std::unique_ptr<TDragOperation> Running;

void EndRunningDrag(bool Drop) {
    if (!Running || !Running->RequestEnd(Drop))
        return;
    const std::unique_ptr<TDragOperation> Ending = std::move(Running);
    Ending->Finish(Drop);
}

// The pointer moved during the drag; an ending asked for meanwhile follows.
void FollowRunningDrag(POINT ScreenPoint) {
    Running->Follow(ScreenPoint);
    if (Running && Running->EndRequested())
        EndRunningDrag(Running->DropRequested());
}

const wchar_t* const CaptureClassName = L"TDragCaptureWindow";

TDragCaptureWindow::TDragCaptureWindow() {
    static const ATOM Registered = [] {
        WNDCLASSW Class{};
        Class.lpfnWndProc = &TDragCaptureWindow::WindowProc;
        Class.hInstance = GetModuleHandleW(nullptr);
        Class.lpszClassName = CaptureClassName;
        return RegisterClassW(&Class);
    }();
    if (!Registered)
        throw EOutOfResources("Error creating window class");
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, CaptureClassName, L"", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FHandle)
        throw EOutOfResources("Error creating window");
    SetCapture(FHandle);
}

TDragCaptureWindow::~TDragCaptureWindow() {
    if (GetCapture() == FHandle)
        ReleaseCapture();
    DestroyWindow(FHandle);
}

LRESULT CALLBACK TDragCaptureWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                                LPARAM LParam) {
    try {
        switch (Msg) {
        case WM_MOUSEMOVE:
            if (Running) {
                POINT Point{};
                GetCursorPos(&Point);
                FollowRunningDrag(Point);
            }
            return 0;
        case WM_LBUTTONUP:
            EndRunningDrag(true);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            EndRunningDrag(false);
            return 0;
        default:
            break;
        }
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return DefWindowProcW(Window, Msg, WParam, LParam);
}

} // namespace

TDragOperation::TDragOperation(TControl& Control, int Threshold)
    : FObject(&Control, Control.DragKind()), FControl(&Control), FThreshold(Threshold) {
    GetCursorPos(&FStart);
    const RECT Bounds = ScreenBounds(Control);
    FGrab = SIZE{FStart.x - Bounds.left, FStart.y - Bounds.top};
    FSize = SIZE{Bounds.right - Bounds.left, Bounds.bottom - Bounds.top};
    FObject.FDragPos = FStart;
    FObject.FDockRect = Bounds;
    if (FObject.Kind() == TDragKind::dkDock && Control.Parent() && Control.Parent()->DockSite())
        FLeaving = Control.Parent();
}

void TDragOperation::Follow(POINT ScreenPoint) {
    ++FBusy;
    try {
        MoveTo(ScreenPoint);
    } catch (...) {
        --FBusy;
        throw;
    }
    --FBusy;
}

void TDragOperation::MoveTo(POINT ScreenPoint) {
    FObject.FDragPos = ScreenPoint;
    if (!FStarted) {
        if (std::abs(ScreenPoint.x - FStart.x) < FThreshold &&
            std::abs(ScreenPoint.y - FStart.y) < FThreshold)
            return;
        FStarted = true;
        FControl->DoStartDrag();
    }
    FObject.FDockRect = RECT{ScreenPoint.x - FGrab.cx, ScreenPoint.y - FGrab.cy,
                             ScreenPoint.x - FGrab.cx + FSize.cx,
                             ScreenPoint.y - FGrab.cy + FSize.cy};
    TControl* Under = Candidate(ScreenPoint);
    if (Under != FOver) {
        if (FOver)
            Offer(FOver, TDragState::dsDragLeave);
        FOver = Under;
        FAccepted = FOver && Offer(FOver, TDragState::dsDragEnter);
    } else if (FOver) {
        FAccepted = Offer(FOver, TDragState::dsDragMove);
    }
    FObject.FDragTarget = FAccepted ? FOver : nullptr;
    if (FObject.Kind() == TDragKind::dkDock)
        FOutline.Show(FObject.FDockRect);
    else
        Screen->SetCursor(FAccepted ? FControl->DragCursor() : crNo);
}

TControl* TDragOperation::Candidate(POINT ScreenPoint) {
    TControl* Under = FindControlAtScreenPoint(ScreenPoint);
    if (FObject.Kind() == TDragKind::dkDrag)
        return Under;
    TWinControl* Site = Under ? (dynamic_cast<TWinControl*>(Under) ? static_cast<TWinControl*>(Under)
                                                                   : Under->Parent())
                              : nullptr;
    auto* Dragged = dynamic_cast<TWinControl*>(FControl);
    while (Site && (!Site->DockSite() || (Dragged && Dragged->ContainsControl(Site))))
        Site = Site->Parent();
    if (Site != FLeaving)
        FLeaving = nullptr;
    return Site == FLeaving ? nullptr : Site;
}

bool TDragOperation::Offer(TControl* Target, TDragState State) {
    const POINT Client = ClientPoint(Target);
    if (FObject.Kind() == TDragKind::dkDock) {
        bool Accept = true;
        static_cast<TWinControl*>(Target)->DockOver(FObject, Client.x, Client.y, State, Accept);
        return Accept;
    }
    bool Accept = false;
    Target->DragOver(FControl, Client.x, Client.y, State, Accept);
    return Accept;
}

POINT TDragOperation::ClientPoint(const TControl* Target) const {
    return Target ? Target->ScreenToClient(FObject.FDragPos) : FObject.FDragPos;
}

bool TDragOperation::RequestEnd(bool Drop) {
    if (FBusy == 0)
        return true;
    if (!FEndRequested) {
        FEndRequested = true;
        FDropRequested = Drop;
    }
    return false;
}

void TDragOperation::Finish(bool Drop) {
    FOutline.Hide();
    if (FObject.Kind() == TDragKind::dkDrag)
        Screen->SetCursor(crDefault);
    if (!FStarted || FControlGone)
        return;
    TControl* Target = Drop && FAccepted ? FOver : nullptr;
    if (!Drop && FOver)
        Offer(FOver, TDragState::dsDragLeave);
    const POINT Client = ClientPoint(Target);
    if (Target && FObject.Kind() == TDragKind::dkDock)
        static_cast<TWinControl*>(Target)->DockDrop(FObject, Client.x, Client.y);
    else if (Target)
        Target->DragDrop(FControl, Client.x, Client.y);
    else if (Drop && FObject.Kind() == TDragKind::dkDock)
        FControl->ManualFloat(FObject.FDockRect);
    FControl->DoEndDrag(Target, Client.x, Client.y);
}

void TDragOperation::Forget(TControl* Control) {
    if (Control == FOver) {
        FOver = nullptr;
        FAccepted = false;
        FObject.FDragTarget = nullptr;
    }
    if (Control == FLeaving)
        FLeaving = nullptr;
    if (Control == FControl)
        FControlGone = true;
}

TDragDockObject* ActiveDragObject() {
    return Running ? &Running->Object() : nullptr;
}

void DragControlDestroyed(TControl* Control) {
    if (!Running)
        return;
    Running->Forget(Control);
    if (Running->Object().Control() == Control)
        EndRunningDrag(false);
}

// ---- What every control does of dragging ----

void TControl::BeginDrag(bool Immediate, int Threshold) {
    if (Running)
        return;
    if (Threshold < 0)
        Threshold = std::max(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
    Running = std::make_unique<TDragOperation>(*this, Immediate ? 0 : Threshold);
    if (Immediate) {
        POINT Point{};
        GetCursorPos(&Point);
        FollowRunningDrag(Point);
    }
}

void TControl::EndDrag(bool Drop) {
    if (Dragging())
        EndRunningDrag(Drop);
}

bool TControl::Dragging() const {
    return Running && Running->Object().Control() == this;
}

bool TControl::Floating() const {
    return dynamic_cast<TFloatingDockHost*>(FParent) != nullptr;
}

void TControl::ManualDock(TWinControl* Site, const RECT& Bounds) {
    Site->DisableAlign();
    try {
        SetParent(Site);
        SetBoundsRect(Bounds);
    } catch (...) {
        Site->EnableAlign();
        throw;
    }
    Site->EnableAlign();
}

void TControl::ManualFloat(const RECT& ScreenRect) {
    if (auto* Host = dynamic_cast<TFloatingDockHost*>(FParent)) {
        Host->PlaceClientArea(ScreenRect);
        return;
    }
    TComponent* HostOwner = Owner() ? Owner() : Application;
    auto* Host = new TFloatingDockHost(HostOwner);
    Host->Hold(*this, ScreenRect);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = static_cast<bool>(OnDragOver);
    OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag() {
    if (FDragKind == TDragKind::dkDock)
        OnStartDock(this);
    else
        OnStartDrag(this);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    if (FDragKind == TDragKind::dkDock)
        OnEndDock(this, Target, X, Y);
    else
        OnEndDrag(this, Target, X, Y);
}

void TWinControl::DockOver(TDragDockObject& Source, int X, int Y, TDragState State,
                           bool& Accept) {
    OnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::DockDrop(TDragDockObject& Source, int X, int Y) {
    RECT Bounds = Source.DockRect();
    const POINT Origin = ClientOrigin();
    OffsetRect(&Bounds, -Origin.x, -Origin.y);
    Source.Control()->ManualDock(this, Bounds);
    OnDockDrop(this, Source, X, Y);
}
