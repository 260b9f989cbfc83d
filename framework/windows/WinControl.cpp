#include "framework/windows/WinControl.h"

#include "framework/core/Lists.h"
#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/windows/Alignment.h"
#include "framework/windows/Forms.h"
#include "framework/windows/MouseTracking.h"
#include "framework/windows/PaintScopes.h"
#include "framework/windows/Screen.h"

#include <algorithm>

namespace {

using P = TPublished<TWinControl>;
const TPropertyTable WinControlProperties{
    P::Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1,
               TStored::Always()),
    P::Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
    P::Event("OnEnter", &TWinControl::OnEnter),
    P::Event("OnExit", &TWinControl::OnExit),
    P::Event("OnKeyDown", &TWinControl::OnKeyDown),
    P::Event("OnKeyUp", &TWinControl::OnKeyUp),
    P::Event("OnKeyPress", &TWinControl::OnKeyPress),
    P::Boolean("DockSite", &TWinControl::DockSite, &TWinControl::SetDockSite),
    P::Event("OnDockOver", &TWinControl::OnDockOver),
    P::Event("OnDockDrop", &TWinControl::OnDockDrop),
};

bool IsWindowed(const TControl* Control) {
    return dynamic_cast<const TWinControl*>(Control) != nullptr;
}

// What the children hear of a change to one of the properties they may take from a parent.
uint32_t ParentChangeNotice(uint32_t Change) {
    switch (Change) {
    case CM_COLORCHANGED:
        return CM_PARENTCOLORCHANGED;
    case CM_FONTCHANGED:
        return CM_PARENTFONTCHANGED;
    default:
        return CM_PARENTBIDIMODECHANGED;
    }
}

bool IsMouseMessage(uint32_t Msg) {
    return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK;
}

} // namespace

const TComponentClassOf<TWinControl> TWinControl::Class{"TWinControl", TControl::Class,
                                                        &WinControlProperties};

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Leave the parent while this is still a windowed control: the parent keeps windowed
    // children in its tab order too.
    if (FParent)
        FParent->RemoveControl(this);
    DestroyHandle();
    // Children this control does not own stay alive, without a parent.
    while (!FControls.empty())
        RemoveControl(FControls.back());
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    if (!FHandle)
        CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params = TCreateParams{};
    Params.Caption = FText;
    Params.Style = WS_CLIPCHILDREN;
    if (FParent) {
        Params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        Params.WndParent = FParent->Handle();
    }
    if (!FEnabled)
        Params.Style |= WS_DISABLED;
    if (FControlStyle.Contains(TControlStyleFlag::csDoubleClicks) == false)
        Params.ClassStyle &= ~static_cast<UINT>(CS_DBLCLKS);
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams Params;
    CreateParams(Params);
    FHandle = CreateControlWindow(*this, Params, FDefWndProc);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::DestroyWnd() {
    if (FHandle)
        DestroyWindow(FHandle);
}

void TWinControl::CreateHandle() {
    if (FHandle)
        return;
    CreateWnd();
    for (TControl* Child : FControls)
        if (auto* Windowed = dynamic_cast<TWinControl*>(Child); Windowed && Windowed->Visible())
            Windowed->CreateHandle();
    for (TWinControl* Child : FTabList)
        if (Child->FHandle)
            SetWindowPos(Child->FHandle, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::DestroyHandle() {
    if (!FHandle)
        return;
    FControlState.Include(TControlStateFlag::csDestroyingHandle);
    DestroyWnd();
    FControlState.Exclude(TControlStateFlag::csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (!FHandle)
        return;
    const bool WasShowing = FShowing;
    DestroyHandle();
    FShowing = false;
    HandleNeeded();
    if (WasShowing)
        UpdateShowing();
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FControls[static_cast<size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
    if (!AControl || AControl->FParent == this)
        return;
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
        if (Windowed->ContainsControl(this))
            throw EInvalidOperation("A control cannot be placed inside its own child");
        Windowed->DestroyHandle();
    }
    FControls.push_back(AControl);
    AControl->FParent = this;
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
        FTabList.push_back(Windowed);
        if (FHandle && Windowed->Visible())
            Windowed->HandleNeeded();
        Windowed->UpdateShowing();
    }
    AControl->TakeParentColor();
    AControl->TakeParentFont();
    AControl->TakeParentBiDiMode();
    AControl->InvalidateControlArea(true);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<uintptr_t>(AControl), 1);
    Realign();
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto Found = std::find(FControls.begin(), FControls.end(), AControl);
    if (Found == FControls.end())
        return;
    AControl->InvalidateControlArea(true);
    // A graphic child's capture is held by this window; it ends with the child's place here.
    if (GetCaptureControl() == AControl)
        SetCaptureControl(nullptr);
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
        if (TCustomForm* Form = GetParentForm(this))
            Form->ControlRemoved(Windowed);
        Windowed->DestroyHandle();
        Windowed->FShowing = false;
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), Windowed), FTabList.end());
    }
    FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
    AControl->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<uintptr_t>(AControl), 0);
    Realign();
}

bool TWinControl::ContainsControl(const TControl* AControl) const {
    for (; AControl; AControl = AControl->Parent())
        if (AControl == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT Point, bool AllowDisabled) const {
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
        TControl* Child = *It;
        if (IsWindowed(Child) || !Child->Visible() || (!AllowDisabled && !Child->Enabled()))
            continue;
        const RECT Bounds = Child->BoundsRect();
        if (!PtInRect(&Bounds, Point))
            continue;
        if (Child->HitTest(POINT{Point.x - Child->Left(), Point.y - Child->Top()}))
            return Child;
    }
    return nullptr;
}

void TWinControl::SetChildZOrder(TControl* AControl, bool TopMost) {
    auto Found = std::find(FControls.begin(), FControls.end(), AControl);
    if (Found == FControls.end())
        return;
    FControls.erase(Found);
    if (TopMost)
        FControls.push_back(AControl);
    else
        FControls.insert(FControls.begin(), AControl);
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl); Windowed && Windowed->FHandle)
        SetWindowPos(Windowed->FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    else
        AControl->Invalidate();
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0 &&
        FControlState.Contains(TControlStateFlag::csAlignmentNeeded))
        Realign();
}

void TWinControl::AlignControl(TControl* AControl) {
    if (FAlignLevel > 0) {
        FControlState.Include(TControlStateFlag::csAlignmentNeeded);
        return;
    }
    if (FAligning || IsLoading() || IsDestroying())
        return;
    FControlState.Exclude(TControlStateFlag::csAlignmentNeeded);
    FAligning = true;
    RECT Area = ClientRect();
    try {
        AdjustClientRect(Area);
        AlignControls(AControl, Area);
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
    ControlsAligned(Area);
}

void TWinControl::AlignControls(TControl*, RECT& Rect) {
    ApplyAnchors();
    Rect = AlignChildControls(FControls, Rect);
}

void TWinControl::ControlsAligned(const RECT&) {}

void TWinControl::ApplyAnchors() {
    const RECT Client = ClientRect();
    const SIZE Size{Client.right - Client.left, Client.bottom - Client.top};
    if (FAnchorClient.cx >= 0 && (Size.cx != FAnchorClient.cx || Size.cy != FAnchorClient.cy))
        AnchorChildControls(FControls, Size.cx - FAnchorClient.cx, Size.cy - FAnchorClient.cy);
    FAnchorClient = Size;
}

void TWinControl::AdjustClientRect(RECT&) const {}

RECT TWinControl::ClientRect() const {
    RECT Rect{0, 0, FWidth, FHeight};
    if (FHandle)
        GetClientRect(FHandle, &Rect);
    return Rect;
}

POINT TWinControl::ClientOrigin() const {
    if (!FHandle && FParent)
        return TControl::ClientOrigin();
    POINT Origin{0, 0};
    if (FHandle)
        ::ClientToScreen(FHandle, &Origin);
    else {
        Origin.x = FLeft;
        Origin.y = FTop;
    }
    return Origin;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    Constraints()->Apply(AWidth, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool Resized = AWidth != FWidth || AHeight != FHeight;
    StoreBounds(ALeft, ATop, AWidth, AHeight);
    UpdateWindowBounds(Resized);
    if (Resized)
        Realign();
    RequestAlign();
}

void TWinControl::UpdateWindowBounds(bool Resized) {
    if (FHandle && !IsIconic(FHandle))
        SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | (Resized ? 0 : SWP_NOSIZE));
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!FHandle || IsIconic(FHandle))
        return;
    RECT Rect{};
    GetWindowRect(FHandle, &Rect);
    if (const HWND ParentWindow = GetParent(FHandle);
        ParentWindow && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, ParentWindow, reinterpret_cast<POINT*>(&Rect), 2);
    StoreBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
}

void TWinControl::Invalidate() {
    NoteRepaintRequest();
    if (FHandle)
        InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(TControlStyleFlag::csOpaque));
}

void TWinControl::Update() {
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    NoteRepaintRequest();
    if (!FHandle)
        return;
    RedrawWindow(FHandle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    auto Start = First ? std::find(FControls.begin(), FControls.end(), First) : FControls.begin();
    for (auto It = Start; It != FControls.end(); ++It) {
        TControl* Child = *It;
        if (IsWindowed(Child) || !(Child->Visible() || IsDesigning()))
            continue;
        const RECT Bounds = Child->BoundsRect();
        if (!RectVisible(DC, &Bounds))
            continue;
        TSavedDCState Saved(DC);
        MoveWindowOrg(DC, Child->Left(), Child->Top());
        IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
        Child->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(DC), 0);
    }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    TSavedDCState Saved(DC);
    MoveWindowOrg(DC, X, Y);
    IntersectClipRect(DC, 0, 0, FWidth, FHeight);
    Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(DC), 0);
    Perform(WM_PAINT, reinterpret_cast<uintptr_t>(DC), 0);
    for (TControl* Child : FControls)
        if (auto* Windowed = dynamic_cast<TWinControl*>(Child); Windowed && Windowed->Visible())
            Windowed->PaintTo(DC, Windowed->Left(), Windowed->Top());
}

void TWinControl::PaintWindow(HDC DC) {
    if (FDefWndProc == DefWindowProcW)
        return;
    TMessage Message{WM_PAINT, reinterpret_cast<uintptr_t>(DC), 0, 0};
    DefaultHandler(Message);
}

void TWinControl::Broadcast(TMessage& Message) {
    // A handler may change the list (a button that frees a sibling); walk a copy.
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        if (std::find(FControls.begin(), FControls.end(), Child) == FControls.end())
            continue;
        Child->WndProc(Message);
        if (Message.Result != 0)
            return;
    }
}

void TWinControl::UpdateShowing() {
    const bool ShouldShow = FVisible && (!FParent || FParent->Showing());
    if (ShouldShow)
        HandleNeeded();
    if (ShouldShow == FShowing)
        return;
    FShowing = ShouldShow;
    if (!ShouldShow)
        Perform(CM_SHOWINGCHANGED);
    for (TControl* Child : std::vector<TControl*>(FControls))
        if (auto* Windowed = dynamic_cast<TWinControl*>(Child))
            Windowed->UpdateShowing();
    if (ShouldShow)
        Perform(CM_SHOWINGCHANGED);
}

void TWinControl::VisibleChanged() {
    UpdateShowing();
}

void TWinControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PAINT)
        NoteRepaintRequest();
    if (Message.Msg == WM_MOUSEMOVE || Message.Msg == WM_MOUSELEAVE)
        MouseTracker().Refresh();
    if (IsMouseMessage(Message.Msg)) {
        bool Routed = false;
        RouteMouseToGraphicChild(Message, Routed);
        if (Routed)
            return;
    }
    TControl::WndProc(Message);
}

void TWinControl::RouteMouseToGraphicChild(TMessage& Message, bool& Routed) {
    TControl* Target = GetCaptureControl();
    if (Target && (Target == this || IsWindowed(Target) || Target->Parent() != this))
        return;
    const POINT Point = MessagePoint(Message.LParam);
    if (!Target)
        Target = ControlAtPos(Point, false);
    if (!Target)
        return;
    const POINT Local{Point.x - Target->Left(), Point.y - Target->Top()};
    Message.Result = Target->Perform(Message.Msg, Message.WParam, PointToLParam(Local));
    Routed = true;
}

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        WMPaint(Message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(Message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(Message);
        return;
    case WM_CHAR:
        WMChar(Message);
        return;
    case WM_SYSCHAR:
        WMSysChar(Message);
        return;
    case WM_SETFOCUS:
        WMSetFocus(Message);
        return;
    case WM_COMMAND:
        WMCommand(Message);
        return;
    case WM_SETTEXT:
        WMSetText(Message);
        return;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(Message);
        return;
    case WM_NCDESTROY:
        WMNCDestroy(Message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        return;
    case WM_CAPTURECHANGED:
        if (TControl* Captured = GetCaptureControl();
            Captured && (Captured == this || Captured->Parent() == this) &&
            reinterpret_cast<HWND>(Message.LParam) != FHandle)
            SetCaptureControl(nullptr);
        break;
    case CM_ENABLEDCHANGED:
        if (FHandle)
            EnableWindow(FHandle, FEnabled ? TRUE : FALSE);
        break;
    case CM_TEXTCHANGED:
        if (FHandle) {
            const std::wstring Text = Utf8ToWide(FText);
            SetWindowTextW(FHandle, Text.c_str());
        }
        break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_BIDIMODECHANGED: {
        if (Message.Msg == CM_FONTCHANGED && FHandle)
            SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
        TMessage Notice{ParentChangeNotice(Message.Msg), 0, 0, 0};
        for (TControl* Child : std::vector<TControl*>(FControls))
            Child->WndProc(Notice);
        break;
    }
    case CM_SHOWINGCHANGED:
        if (FHandle)
            SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(Message);
        return;
    case WM_CONTEXTMENU:
        // A graphic child has no window of its own: its menu is asked for here first.
        if (Message.LParam != -1)
            if (TControl* Child = ControlAtPos(ScreenToClient(MessagePoint(Message.LParam)), false);
                Child && Child->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam) != 0) {
                Message.Result = 1;
                return;
            }
        break;
    case CM_ENTER:
        if (OnEnter)
            OnEnter(this);
        return;
    case CM_EXIT:
        if (OnExit)
            OnExit(this);
        return;
    default:
        break;
    }
    TControl::Dispatch(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (!FHandle)
        return;
    if (Message.Msg >= CM_BASE && Message.Msg < CN_BASE + 0x400)
        return;
    Message.Result = CallDefWndProc(Message);
}

LRESULT TWinControl::CallDefWndProc(const TMessage& Message) {
    return CallWindowProcW(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::WMPaint(TMessage& Message) {
    const bool HasGraphicChildren =
        std::any_of(FControls.begin(), FControls.end(),
                    [](const TControl* Child) { return !IsWindowed(Child); });
    if (FDefWndProc != DefWindowProcW && !HasGraphicChildren && Message.WParam == 0) {
        DefaultHandler(Message);
        return;
    }
    TPaintCycle Cycle(FHandle, reinterpret_cast<HDC>(Message.WParam));
    PaintWindow(Cycle.DC());
    PaintControls(Cycle.DC(), nullptr);
    Message.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    if (FDefWndProc != DefWindowProcW) {
        DefaultHandler(Message);
        return;
    }
    const HDC DC = reinterpret_cast<HDC>(Message.WParam);
    if (DC) {
        TGdiObject<HBRUSH> Brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
        const RECT Area = ClientRect();
        FillRect(DC, &Area, Brush.Get());
    }
    Message.Result = 1;
}

void TWinControl::WMSetCursor(TMessage& Message) {
    TCursor Wanted = Screen->Cursor();
    if (Wanted == crDefault && LOWORD(Message.LParam) == HTCLIENT &&
        reinterpret_cast<HWND>(Message.WParam) == FHandle) {
        POINT Point{};
        GetCursorPos(&Point);
        ::ScreenToClient(FHandle, &Point);
        TControl* Target = ControlAtPos(Point, false);
        Wanted = (Target ? Target : this)->Cursor();
    }
    if (Wanted == crDefault) {
        DefaultHandler(Message);
        return;
    }
    ::SetCursor(Screen->Cursors(Wanted));
    Message.Result = 1;
}

void TWinControl::WMCommand(TMessage& Message) {
    if (TWinControl* Source = FindControl(reinterpret_cast<HWND>(Message.LParam));
        Source && Source != this) {
        Message.Result = Source->Perform(CN_COMMAND, Message.WParam, Message.LParam);
        return;
    }
    DefaultHandler(Message);
}

void TWinControl::WMSetText(TMessage& Message) {
    DefaultHandler(Message);
    if (Message.Result && Message.LParam)
        FText = WideToUtf8(reinterpret_cast<const wchar_t*>(Message.LParam));
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
    const int OldWidth = FWidth;
    const int OldHeight = FHeight;
    UpdateBoundsFromWindow();
    if (FWidth != OldWidth || FHeight != OldHeight)
        Realign();
    DefaultHandler(Message);
}

void TWinControl::WMNCDestroy(TMessage& Message) {
    DefaultHandler(Message);
    UnbindControlWindow(FHandle);
    FHandle = nullptr;
    FShowing = false;
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    // A window written as the root also holds its components without a parent (timers,
    // dialogs), ahead of its controls.
    if (Root == this)
        TControl::GetChildren(Proc, Root);
    for (TControl* Child : FControls)
        if (Child->Owner() == Root)
            Proc(Child);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (FParent && FLoadedTabOrder >= 0)
        FParent->SortTabList();
    Realign();
}
