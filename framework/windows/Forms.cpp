#include "framework/windows/Forms.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Icon.h"
#include "framework/windows/Application.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/PaintScopes.h"
#include "framework/windows/ResourceStream.h"
#include "framework/windows/Screen.h"

#include <algorithm>

const TEnumInfo FormBorderStyleInfo{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo BorderIconInfo{"TBorderIcon",
                               {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo FormStyleInfo{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
const TEnumInfo PositionInfo{"TPosition",
                             {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                              "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                              "poOwnerFormCenter"}};
const TEnumInfo WindowStateInfo{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
const TEnumInfo TileModeInfo{"TTileMode", {"tbHorizontal", "tbVertical"}};

namespace {

constexpr TBorderIcons DefaultBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                                          TBorderIcon::biMaximize};

using P = TPublished<TCustomForm>;
const TPropertyTable FormProperties{
    P::Enumeration("BorderStyle", FormBorderStyleInfo, &TCustomForm::BorderStyle,
                   &TCustomForm::SetBorderStyle, TFormBorderStyle::bsSizeable),
    P::Set("BorderIcons", BorderIconInfo, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
           DefaultBorderIcons),
    P::Enumeration("FormStyle", FormStyleInfo, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle),
    P::Enumeration("Position", PositionInfo, &TCustomForm::Position, &TCustomForm::SetPosition),
    P::Enumeration("WindowState", WindowStateInfo, &TCustomForm::WindowState,
                   &TCustomForm::SetWindowState),
    P::Boolean("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled, true),
    P::Enumeration("TileMode", TileModeInfo, &TCustomForm::TileMode, &TCustomForm::SetTileMode),
    P::Integer("ClientWidth", &TCustomForm::StoredClientWidth, &TCustomForm::SetClientWidth, 0,
               TStored::Always()),
    P::Integer("ClientHeight", &TCustomForm::StoredClientHeight, &TCustomForm::SetClientHeight, 0,
               TStored::Always()),
    P::Persistent("Icon", &TCustomForm::Icon),
    P::Component("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl),
    P::Event("OnCreate", &TCustomForm::OnCreate),
    P::Event("OnDestroy", &TCustomForm::OnDestroy),
    P::Event("OnShow", &TCustomForm::OnShow),
    P::Event("OnHide", &TCustomForm::OnHide),
    P::Event("OnPaint", &TCustomForm::OnPaint),
    P::Event("OnActivate", &TCustomForm::OnActivate),
    P::Event("OnDeactivate", &TCustomForm::OnDeactivate),
    P::Event("OnClose", &TCustomForm::OnClose),
    P::Event("OnCloseQuery", &TCustomForm::OnCloseQuery),
    P::Event("OnShortCut", &TCustomForm::OnShortCut),
};

// Disables every other enabled, visible top-level window of the thread for a modal loop
// and enables them again at scope end.
class TDisabledWindows {
public:
    explicit TDisabledWindows(HWND Except) : FExcept(Except) {
        EnumThreadWindows(GetCurrentThreadId(), &TDisabledWindows::Visit,
                          reinterpret_cast<LPARAM>(this));
    }
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;
    ~TDisabledWindows() {
        for (HWND Window : FDisabled)
            if (IsWindow(Window))
                EnableWindow(Window, TRUE);
    }

private:
    static BOOL CALLBACK Visit(HWND Window, LPARAM Data) {
        auto* Self = reinterpret_cast<TDisabledWindows*>(Data);
        if (Window != Self->FExcept && IsWindowVisible(Window) && IsWindowEnabled(Window)) {
            EnableWindow(Window, FALSE);
            Self->FDisabled.push_back(Window);
        }
        return TRUE;
    }

    HWND FExcept;
    std::vector<HWND> FDisabled;
};

} // namespace

void FormWindowStyles(TFormBorderStyle BorderStyle, TBorderIcons Icons, DWORD& Style,
                      DWORD& ExStyle) {
    switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
        Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        Style |= WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
        Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        Style |= WS_POPUP | WS_CAPTION;
        ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case TFormBorderStyle::bsToolWindow:
        Style |= WS_CAPTION;
        ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        Style |= WS_CAPTION | WS_THICKFRAME;
        ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (BorderStyle == TFormBorderStyle::bsNone)
        return;
    if (Icons.Contains(TBorderIcon::biSystemMenu)) {
        Style |= WS_SYSMENU;
        const bool HasBoxes = BorderStyle == TFormBorderStyle::bsSingle ||
                              BorderStyle == TFormBorderStyle::bsSizeable;
        if (HasBoxes && Icons.Contains(TBorderIcon::biMinimize))
            Style |= WS_MINIMIZEBOX;
        if (HasBoxes && Icons.Contains(TBorderIcon::biMaximize))
            Style |= WS_MAXIMIZEBOX;
        // The host shows the help button only without minimize and maximize boxes.
        if (Icons.Contains(TBorderIcon::biHelp) && !(Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
            ExStyle |= WS_EX_CONTEXTHELP;
    }
}

const TComponentClassOf<TCustomForm> TCustomForm::Class{"TCustomForm", TScrollingWinControl::Class,
                                                        &FormProperties};
const TComponentClassOf<TForm> TForm::Class{"TForm", TCustomForm::Class};

TCustomForm::TCustomForm(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()),
      FIcon(std::make_unique<TIcon>()) {
    FIcon->OnChange = MakeEvent(this, &TCustomForm::IconChanged);
    FVisible = false;
    FControlStyle = {TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csSetCaption,
                     TControlStyleFlag::csDoubleClicks};
    SetColor(clBtnFace);
    SetParentFont(false);
    FLeft = 0;
    FTop = 0;
    FWidth = 320;
    FHeight = 240;
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy)
        OnDestroy(this);
    // Children live in this form's client window; they go before it, whoever owns them.
    while (!FMDIChildren.empty())
        delete FMDIChildren.back();
    // Controls refer to their form; they go before the form's own parts.
    DestroyComponents();
    Application->FormDestroyed(this);
    Screen->RemoveForm(this);
    DestroyHandle();
    LeaveMDIParent();
}

void TCustomForm::ReadFormLayout() {
    FFormState.Include(TFormStateFlag::fsCreating);
    TResourceStream Stream(ClassName());
    ReadLayoutFromStream(Stream, this);
    FFormState.Exclude(TFormStateFlag::fsCreating);
    RegisterGlobalRoot(this);
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    Params.Style &= ~static_cast<DWORD>(WS_CHILD);
    Params.WndParent = nullptr;
    FormWindowStyles(FBorderStyle, FBorderIcons, Params.Style, Params.ExStyle);
    if (IsMDIChildWindow()) {
        Params.Style = (Params.Style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | WS_CLIPSIBLINGS;
        Params.ExStyle |= WS_EX_MDICHILD;
        Params.WndParent = FMDIParent->ClientHandle();
        return;
    }
    if (FFormStyle == TFormStyle::fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
    if (Application->MainForm() == this || !Application->MainForm())
        Params.ExStyle |= WS_EX_APPWINDOW;
}

void TCustomForm::CreateWnd() {
    if (FFormStyle == TFormStyle::fsMDIChild)
        JoinMDIParent();
    TScrollingWinControl::CreateWnd();
    if (FFormStyle == TFormStyle::fsMDIForm) {
        CreateClientWindow();
        ShowMDIChildrenAgain();
    }
    ApplyIcon();
}

void TCustomForm::ApplyIcon() {
    if (!HandleAllocated())
        return;
    const HICON Own = FIcon->Handle();
    const HICON Shown = Own ? Own : Application->Icon()->Handle();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Shown));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Shown));
}

void TCustomForm::IconChanged(TObject*) {
    ApplyIcon();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (Value == FBorderIcons)
        return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (Value == FFormStyle)
        return;
    auto IsMDIStyle = [](TFormStyle Style) {
        return Style == TFormStyle::fsMDIForm || Style == TFormStyle::fsMDIChild;
    };
    if (!IsMDIStyle(FFormStyle) && !IsMDIStyle(Value)) {
        FFormStyle = Value;
        if (HandleAllocated())
            SetWindowPos(Handle(), Value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST,
                         0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    if (!FMDIChildren.empty())
        throw EInvalidOperation("Cannot change the style of an MDI form that has children");
    if (Value == TFormStyle::fsMDIChild && HandleAllocated() && !FindMDIParent())
        throw EInvalidOperation("No MDI parent form to hold the child form");
    // The host window changes kind: the old one goes (out of its client window while it is
    // a child) and one of the new kind takes its place.
    FFormStyle = Value;
    RecreateWnd();
    if (Value != TFormStyle::fsMDIChild)
        LeaveMDIParent();
}

void TCustomForm::SetWindowState(TWindowState Value) {
    if (Value == FWindowState)
        return;
    FWindowState = Value;
    if (HandleAllocated() && Showing())
        ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
    static constexpr int Commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), Commands[static_cast<size_t>(FWindowState)]);
}

RECT TCustomForm::ClientRect() const {
    if (HandleAllocated())
        return TScrollingWinControl::ClientRect();
    DWORD Style = 0;
    DWORD ExStyle = 0;
    FormWindowStyles(FBorderStyle, FBorderIcons, Style, ExStyle);
    RECT Frame{0, 0, 0, 0};
    AdjustWindowRectEx(&Frame, Style, FALSE, ExStyle);
    return RECT{0, 0, std::max<int>(FWidth - (Frame.right - Frame.left), 0),
                std::max<int>(FHeight - (Frame.bottom - Frame.top), 0)};
}

void TCustomForm::SetClientWidth(int Value) {
    if (IsLoading())
        FLoadedClientWidth = Value;
    else
        TScrollingWinControl::SetClientWidth(Value);
}

void TCustomForm::SetClientHeight(int Value) {
    if (IsLoading())
        FLoadedClientHeight = Value;
    else
        TScrollingWinControl::SetClientHeight(Value);
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    if (FLoadedClientWidth >= 0)
        SetClientWidth(std::exchange(FLoadedClientWidth, -1));
    if (FLoadedClientHeight >= 0)
        SetClientHeight(std::exchange(FLoadedClientHeight, -1));
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (Control == FActiveControl)
        return;
    if (Control && (!ContainsControl(Control) || Control == this))
        throw EInvalidOperation("Invalid active control");
    if (!IsLoading() && Control && Showing() && Control->CanFocus()) {
        FocusControl(Control);
        return;
    }
    FActiveControl = Control;
}

void TCustomForm::FocusControl(TWinControl* Control) {
    if (!Control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (Showing())
        ::SetFocus(Control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == this || Control == FFocusedControl)
        return;
    TWinControl* Previous = FFocusedControl;
    FFocusedControl = Control;
    FActiveControl = Control;
    // Containers between the two controls hear of the move too: CM_EXIT up from the old
    // one to the common parent, CM_ENTER down to the new one.
    TWinControl* Common = Previous ? Previous->Parent() : nullptr;
    while (Common && !Common->ContainsControl(Control))
        Common = Common->Parent();
    for (TWinControl* Left = Previous; Left && Left != Common && Left != this;
         Left = Left->Parent())
        Left->Perform(CM_EXIT);
    std::vector<TWinControl*> Entered;
    for (TWinControl* Chain = Control; Chain && Chain != Common && Chain != this;
         Chain = Chain->Parent())
        Entered.push_back(Chain);
    for (auto It = Entered.rbegin(); It != Entered.rend(); ++It)
        if (FFocusedControl == Control)
            (*It)->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(Control));
}

void TCustomForm::ControlRemoved(TWinControl* Control) {
    if (FActiveControl && Control->ContainsControl(FActiveControl))
        FActiveControl = nullptr;
    if (FFocusedControl && Control->ContainsControl(FFocusedControl))
        FFocusedControl = nullptr;
}

void TCustomForm::Show() {
    SetVisible(true);
    if (!HandleAllocated())
        return;
    // A child window cannot be the foreground window: it becomes its client's active one.
    if (IsMDIChildWindow())
        FMDIParent->SendToClient(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        SetForegroundWindow(Handle());
}

void TCustomForm::SetModalResult(TModalResult Value) {
    FModalResult = Value;
    if (Value != mrNone && FFormState.Contains(TFormStateFlag::fsModal) && HandleAllocated())
        PostMessageW(Handle(), WM_NULL, 0, 0);
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FFormState.Contains(TFormStateFlag::fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    // Its frame would be disabled with the program's other windows, and it with its frame.
    if (FFormStyle == TFormStyle::fsMDIChild)
        throw EInvalidOperation("Cannot make an MDI child form modal");
    SetCaptureControl(nullptr);
    const HWND PreviousActive = GetActiveWindow();
    FFormState.Include(TFormStateFlag::fsModal);
    FModalResult = mrNone;
    try {
        {
            TDisabledWindows Disabled(Handle());
            Show();
            ModalLoop();
        }
        // The other windows take input again before this one is hidden, so that the host
        // hands the activation back to one of them rather than to another program's window.
        const bool InFront = GetForegroundWindow() == Handle();
        SetVisible(false);
        if (PreviousActive && IsWindow(PreviousActive)) {
            if (InFront)
                SetForegroundWindow(PreviousActive);
            else
                SetActiveWindow(PreviousActive);
        }
    } catch (...) {
        FFormState.Exclude(TFormStateFlag::fsModal);
        throw;
    }
    FFormState.Exclude(TFormStateFlag::fsModal);
    return FModalResult;
}

void TCustomForm::ModalLoop() {
    while (FModalResult == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated())
            FModalResult = mrCancel;
        else if (FModalResult != mrNone)
            CloseModal();
    }
}

void TCustomForm::CloseModal() {
    const TCloseAction Action = QueryClose(TCloseAction::caHide);
    if (Action == TCloseAction::caNone)
        FModalResult = mrNone;
    else if (Action == TCloseAction::caFree)
        Release();
}

bool TCustomForm::CloseQuery() {
    bool CanClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, CanClose);
    return CanClose;
}

TCloseAction TCustomForm::QueryClose(TCloseAction Action) {
    if (!CloseQuery())
        return TCloseAction::caNone;
    DoClose(Action);
    return Action;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose)
        OnClose(this, Action);
}

void TCustomForm::Close() {
    if (FFormState.Contains(TFormStateFlag::fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    // A hidden child would stay its client window's active child: it is minimised instead,
    // or stays when it cannot be.
    TCloseAction Action = TCloseAction::caHide;
    if (FFormStyle == TFormStyle::fsMDIChild)
        Action = FBorderIcons.Contains(TBorderIcon::biMinimize) ? TCloseAction::caMinimize
                                                                : TCloseAction::caNone;
    Action = QueryClose(Action);
    if (Action == TCloseAction::caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (Action) {
    case TCloseAction::caHide:
        SetVisible(false);
        break;
    case TCloseAction::caMinimize:
        SetWindowState(TWindowState::wsMinimized);
        break;
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

void TCustomForm::Release() {
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

TMonitor* TCustomForm::Monitor() {
    return Screen->MonitorFromWindow(Handle());
}

void TCustomForm::PaintWindow(HDC DC) {
    if (!OnPaint)
        return;
    TCanvasOnDC OnDC(*FCanvas, DC);
    OnPaint(this);
}

void TCustomForm::ApplyPosition() {
    RECT Area{};
    switch (FPosition) {
    case TPosition::poScreenCenter:
        Area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        break;
    case TPosition::poDesktopCenter:
        Area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        Area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        Area.right = Area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
        Area.bottom = Area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
        break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
        auto* Reference = FPosition == TPosition::poOwnerFormCenter
                              ? dynamic_cast<TCustomForm*>(Owner())
                              : Application->MainForm();
        if (Reference && Reference != this)
            Area = Reference->BoundsRect();
        else
            Area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        break;
    }
    default:
        return;
    }
    // A child's bounds are in its client window, the area it is centred in.
    if (IsMDIChildWindow())
        GetClientRect(FMDIParent->ClientHandle(), &Area);
    const int X = Area.left + (Area.right - Area.left - Width()) / 2;
    const int Y = Area.top + (Area.bottom - Area.top - Height()) / 2;
    SetBounds(X, Y, Width(), Height());
}

void TCustomForm::CMShowingChanged() {
    if (Showing()) {
        ApplyPosition();
        if (OnShow)
            OnShow(this);
        ApplyWindowState();
        // A child takes the focus when its client window activates it.
        if (FWindowState != TWindowState::wsMinimized && !IsMDIChildWindow())
            FocusActiveOrFirstControl();
    } else {
        if (OnHide)
            OnHide(this);
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
    }
}

TWinControl* TCustomForm::ActiveOrFirstControl() {
    TWinControl* Target = FActiveControl;
    if (!Target || !Target->CanFocus())
        Target = FindNextControl(nullptr, true, true);
    return Target;
}

void TCustomForm::FocusActiveOrFirstControl() {
    if (TWinControl* Target = ActiveOrFirstControl())
        FocusControl(Target);
}

bool TCustomForm::IsShortCut(TWMKey& Message) {
    bool Handled = false;
    if (OnShortCut)
        OnShortCut(Message, Handled);
    return Handled;
}

void TCustomForm::CMDialogKey(TMessage& Message) {
    const bool Ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool Alt = (Message.LParam & 0x20000000) != 0;
    if (Message.WParam == VK_TAB && !Ctrl && !Alt) {
        const bool Backward = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        SelectNext(FActiveControl, !Backward, true);
        Message.Result = 1;
        return;
    }
    TScrollingWinControl::Dispatch(Message);
}

void TCustomForm::WMActivate(TMessage& Message) {
    const bool Active = LOWORD(Message.WParam) != WA_INACTIVE;
    const bool Minimized = HIWORD(Message.WParam) != 0;
    // The host's answer gives the focus to the form itself, from where it would move on at
    // once to the control: the focus goes straight there instead, since every move costs
    // a round of focus and input-method messages. A parent's active child is where the
    // user works, though: the host's frame handling gives it the focus, and the child hears
    // of the activation as a window of its own would.
    TCustomForm* Child = ActiveMDIChild();
    TWinControl* Target = Active && !Minimized && !Child ? ActiveOrFirstControl() : nullptr;
    if (!Target)
        DefaultHandler(Message);
    ActivationChanged(Active, Target);
    if (Child && Child->HandleAllocated())
        SendMessageW(Child->Handle(), WM_ACTIVATE, Message.WParam, Message.LParam);
}

void TCustomForm::ActivationChanged(bool Active, TWinControl* Target) {
    if (Active) {
        FFormState.Include(TFormStateFlag::fsActivated);
        if (Target)
            FocusControl(Target);
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

void TCustomForm::WMSize(TMessage& Message) {
    // A hidden window (the host sizes it once while creating it) keeps the state it is to
    // be shown in.
    if (!IsWindowVisible(Handle())) {
        DefaultHandler(Message);
        return;
    }
    switch (Message.WParam) {
    case SIZE_MINIMIZED:
        FWindowState = TWindowState::wsMinimized;
        break;
    case SIZE_MAXIMIZED:
        FWindowState = TWindowState::wsMaximized;
        break;
    case SIZE_RESTORED:
        FWindowState = TWindowState::wsNormal;
        break;
    default:
        break;
    }
    if (Application->MainForm() == this)
        Application->MainFormSized(FWindowState == TWindowState::wsMinimized);
    TScrollingWinControl::Dispatch(Message);
    // The client area also changes without the window changing size (a frame drawn by
    // other means): the client window follows it.
    if (FClientHandle)
        Realign();
}

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSE:
        Close();
        Message.Result = 0;
        return;
    case WM_ACTIVATE:
        WMActivate(Message);
        return;
    case WM_SIZE:
        WMSize(Message);
        return;
    case WM_MDIACTIVATE:
        WMMDIActivate(Message);
        return;
    case WM_NCDESTROY:
        FClientHandle = nullptr;
        break;
    case CM_SHOWINGCHANGED:
        CMShowingChanged();
        return;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case CM_RELEASE:
        delete this;
        return;
    case CM_ICONCHANGED:
        ApplyIcon();
        return;
    default:
        break;
    }
    TScrollingWinControl::Dispatch(Message);
}
