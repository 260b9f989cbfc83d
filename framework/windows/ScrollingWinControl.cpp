#include "framework/windows/ScrollingWinControl.h"

#include "framework/core/Properties.h"

#include <commctrl.h>

#include <algorithm>

const TEnumInfo ScrollBarStyleInfo{"TScrollBarStyle", {"ssRegular", "ssFlat", "ssHotTrack"}};

namespace {

// The common controls' flat scroll bars, looked up by name once: the tool chain's import
// library does not carry them. Their calls serve windows with plain bars as well; without
// the library the plain scroll-bar calls are used.
struct TFlatScrollBarApi {
    BOOL(WINAPI* Initialize)(HWND) = nullptr;
    BOOL(WINAPI* SetProp)(HWND, UINT, INT_PTR, BOOL) = nullptr;
    int(WINAPI* SetInfo)(HWND, int, LPSCROLLINFO, BOOL) = nullptr;
    BOOL(WINAPI* GetInfo)(HWND, int, LPSCROLLINFO) = nullptr;
    BOOL(WINAPI* Show)(HWND, int, BOOL) = nullptr;
    int(WINAPI* SetPos)(HWND, int, int, BOOL) = nullptr;

    bool Available() const { return Initialize && SetProp && SetInfo && GetInfo && Show && SetPos; }
};

template <class F> void LookUp(HMODULE Library, const char* Name, F& Function) {
    Function = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(Library, Name)));
}

const TFlatScrollBarApi& FlatScrollBars() {
    static const TFlatScrollBarApi Api = [] {
        TFlatScrollBarApi Result;
        if (const HMODULE Library = LoadLibraryW(L"comctl32.dll")) {
            LookUp(Library, "InitializeFlatSB", Result.Initialize);
            LookUp(Library, "FlatSB_SetScrollProp", Result.SetProp);
            LookUp(Library, "FlatSB_SetScrollInfo", Result.SetInfo);
            LookUp(Library, "FlatSB_GetScrollInfo", Result.GetInfo);
            LookUp(Library, "FlatSB_ShowScrollBar", Result.Show);
            LookUp(Library, "FlatSB_SetScrollPos", Result.SetPos);
        }
        return Result;
    }();
    return Api;
}

void HostSetScrollInfo(HWND Window, int Bar, SCROLLINFO& Info) {
    const auto& Api = FlatScrollBars();
    if (Api.Available())
        Api.SetInfo(Window, Bar, &Info, TRUE);
    else
        SetScrollInfo(Window, Bar, &Info, TRUE);
}

void HostGetScrollInfo(HWND Window, int Bar, SCROLLINFO& Info) {
    const auto& Api = FlatScrollBars();
    if (Api.Available())
        Api.GetInfo(Window, Bar, &Info);
    else
        GetScrollInfo(Window, Bar, &Info);
}

void HostShowScrollBar(HWND Window, int Bar, bool Show) {
    const auto& Api = FlatScrollBars();
    if (Api.Available())
        Api.Show(Window, Bar, Show ? TRUE : FALSE);
    else
        ShowScrollBar(Window, Bar, Show ? TRUE : FALSE);
}

void HostSetScrollPos(HWND Window, int Bar, int Position) {
    const auto& Api = FlatScrollBars();
    if (Api.Available())
        Api.SetPos(Window, Bar, Position, TRUE);
    else
        SetScrollPos(Window, Bar, Position, TRUE);
}

using C = TPublished<TControlScrollBar>;
const TPropertyTable ControlScrollBarProperties{
    C::Integer("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement, 8),
    C::Integer("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition),
    C::Integer("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange),
    C::Enumeration("Style", ScrollBarStyleInfo, &TControlScrollBar::Style,
                   &TControlScrollBar::SetStyle),
    C::Boolean("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking),
    C::Boolean("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible, true),
};

using W = TPublished<TScrollingWinControl>;
const TPropertyTable ScrollingWinControlProperties{
    W::Persistent("HorzScrollBar", &TScrollingWinControl::HorzScrollBar),
    W::Persistent("VertScrollBar", &TScrollingWinControl::VertScrollBar),
    W::Boolean("AutoScroll", &TScrollingWinControl::AutoScroll,
               &TScrollingWinControl::SetAutoScroll, true),
};

} // namespace

const TClassOf<TControlScrollBar> TControlScrollBar::Class{"TControlScrollBar", TPersistent::Class,
                                                           &ControlScrollBarProperties};

int TControlScrollBar::MaxPosition() const {
    return std::max(FRange - FPage, 0);
}

void TControlScrollBar::SetPosition(int Value) {
    Value = std::clamp(Value, 0, MaxPosition());
    if (Value == FPosition)
        return;
    const int Delta = Value - FPosition;
    if (FKind == TScrollBarKind::sbHorizontal)
        FBox.ScrollBy(Delta, 0);
    else
        FBox.ScrollBy(0, Delta);
}

void TControlScrollBar::SetStyle(TScrollBarStyle Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    FBox.ApplyScrollBarStyles();
}

void TControlScrollBar::SetRange(int Value) {
    FRange = std::max(Value, 0);
    FBox.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
    FVisible = Value;
    FBox.UpdateScrollBars();
}

void TControlScrollBar::Assign(TPersistent* Source) {
    auto* Other = dynamic_cast<TControlScrollBar*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FIncrement = Other->FIncrement;
    FStyle = Other->FStyle;
    FTracking = Other->FTracking;
    FVisible = Other->FVisible;
    SetRange(Other->FRange);
    SetPosition(Other->FPosition);
}

void TControlScrollBar::ScrollMessage(uintptr_t WParam) {
    int Target = FPosition;
    switch (LOWORD(WParam)) {
    case SB_LINEUP:
        Target -= FIncrement;
        break;
    case SB_LINEDOWN:
        Target += FIncrement;
        break;
    case SB_PAGEUP:
        Target -= FPage;
        break;
    case SB_PAGEDOWN:
        Target += FPage;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (LOWORD(WParam) == SB_THUMBTRACK && !FTracking)
            return;
        SCROLLINFO Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = SIF_TRACKPOS;
        HostGetScrollInfo(FBox.Handle(), HostBar(), Info);
        Target = Info.nTrackPos;
        break;
    }
    case SB_TOP:
        Target = 0;
        break;
    case SB_BOTTOM:
        Target = MaxPosition();
        break;
    default:
        return;
    }
    SetPosition(Target);
}

void TControlScrollBar::UpdateHostBar() {
    if (!FBox.HandleAllocated())
        return;
    const bool Show = FVisible && FRange > FPage;
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    Info.nMin = 0;
    Info.nMax = Show ? FRange - 1 : 0;
    Info.nPage = Show ? static_cast<UINT>(FPage) : 0;
    Info.nPos = FPosition;
    HostSetScrollInfo(FBox.Handle(), HostBar(), Info);
    if (Show != FShown) {
        FShown = Show;
        HostShowScrollBar(FBox.Handle(), HostBar(), Show);
    }
}

const TComponentClassOf<TScrollingWinControl> TScrollingWinControl::Class{
    "TScrollingWinControl", TWinControl::Class, &ScrollingWinControlProperties};

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(*this, TScrollBarKind::sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(*this, TScrollBarKind::sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (Value == FAutoScroll)
        return;
    FAutoScroll = Value;
    UpdateScrollBars();
}

void TScrollingWinControl::CreateWnd() {
    TWinControl::CreateWnd();
    FFlatScrollBars = false;
    ApplyScrollBarStyles();
    FHorzScrollBar->FShown = false;
    FVertScrollBar->FShown = false;
    UpdateScrollBars();
}

void TScrollingWinControl::ApplyScrollBarStyles() {
    const bool Regular = FHorzScrollBar->Style() == TScrollBarStyle::ssRegular &&
                         FVertScrollBar->Style() == TScrollBarStyle::ssRegular;
    const auto& Api = FlatScrollBars();
    if (!HandleAllocated() || !Api.Available() || (Regular && !FFlatScrollBars))
        return;
    if (!FFlatScrollBars)
        FFlatScrollBars = Api.Initialize(Handle()) != FALSE;
    if (!FFlatScrollBars)
        return;
    auto Mode = [](TScrollBarStyle Style) -> INT_PTR {
        switch (Style) {
        case TScrollBarStyle::ssFlat:
            return FSB_FLAT_MODE;
        case TScrollBarStyle::ssHotTrack:
            return FSB_ENCARTA_MODE;
        default:
            return FSB_REGULAR_MODE;
        }
    };
    Api.SetProp(Handle(), WSB_PROP_HSTYLE, Mode(FHorzScrollBar->Style()), FALSE);
    Api.SetProp(Handle(), WSB_PROP_VSTYLE, Mode(FVertScrollBar->Style()), TRUE);
}

void TScrollingWinControl::ControlsAligned(const RECT&) {
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
    if (FUpdatingScrollBars || !HandleAllocated() || IsLoading() || IsDestroying())
        return;
    // A minimised window has no client area; its bars stay as they are until it is restored.
    if (IsIconic(Handle()))
        return;
    FUpdatingScrollBars = true;
    try {
        TControlScrollBar& Horz = *FHorzScrollBar;
        TControlScrollBar& Vert = *FVertScrollBar;
        if (FAutoScroll) {
            int Right = 0;
            int Bottom = 0;
            for (int I = 0; I < ControlCount(); ++I) {
                const TControl* Child = Controls(I);
                if (!Child->Visible() || Child->Align() != TAlign::alNone)
                    continue;
                Right = std::max(Right, Child->Left() + Child->Width() + Horz.FPosition);
                Bottom = std::max(Bottom, Child->Top() + Child->Height() + Vert.FPosition);
            }
            Horz.FRange = Right;
            Vert.FRange = Bottom;
        }
        // The client area the box has without any bar, then with the bars it needs; each
        // bar takes room from the other's direction.
        RECT Client{};
        GetClientRect(Handle(), &Client);
        int Width = Client.right + (Vert.FShown ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        int Height = Client.bottom + (Horz.FShown ? GetSystemMetrics(SM_CYHSCROLL) : 0);
        bool NeedHorz = Horz.FVisible && Horz.FRange > Width;
        bool NeedVert = Vert.FVisible && Vert.FRange > Height;
        if (NeedHorz)
            Height -= GetSystemMetrics(SM_CYHSCROLL);
        NeedVert = Vert.FVisible && Vert.FRange > Height;
        if (NeedVert)
            Width -= GetSystemMetrics(SM_CXVSCROLL);
        if (!NeedHorz && Horz.FVisible && Horz.FRange > Width) {
            NeedHorz = true;
            Height -= GetSystemMetrics(SM_CYHSCROLL);
        }
        Horz.FPage = std::max(Width, 0);
        Vert.FPage = std::max(Height, 0);
        Horz.UpdateHostBar();
        Vert.UpdateHostBar();
    } catch (...) {
        FUpdatingScrollBars = false;
        throw;
    }
    FUpdatingScrollBars = false;
    // A grown client area may leave the position past the end.
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition);
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition);
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    if (DeltaX == 0 && DeltaY == 0)
        return;
    FHorzScrollBar->FPosition += DeltaX;
    FVertScrollBar->FPosition += DeltaY;
    DisableAlign();
    try {
        for (int I = 0; I < ControlCount(); ++I) {
            TControl* Child = Controls(I);
            Child->SetBounds(Child->Left() - DeltaX, Child->Top() - DeltaY, Child->Width(),
                             Child->Height());
        }
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
    if (HandleAllocated()) {
        HostSetScrollPos(Handle(), SB_HORZ, FHorzScrollBar->FPosition);
        HostSetScrollPos(Handle(), SB_VERT, FVertScrollBar->FPosition);
        NoteRepaintRequest();
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void TScrollingWinControl::ScrollInView(TControl* Control) {
    if (!Control || Control->Parent() != this)
        return;
    const RECT Client = ClientRect();
    int DeltaX = 0;
    int DeltaY = 0;
    if (Control->Left() < 0)
        DeltaX = Control->Left();
    else if (Control->Left() + Control->Width() > Client.right)
        DeltaX = std::min<int>(Control->Left() + Control->Width() - Client.right, Control->Left());
    if (Control->Top() < 0)
        DeltaY = Control->Top();
    else if (Control->Top() + Control->Height() > Client.bottom)
        DeltaY = std::min<int>(Control->Top() + Control->Height() - Client.bottom, Control->Top());
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition + DeltaX);
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition + DeltaY);
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_HSCROLL:
        if (Message.LParam == 0) {
            FHorzScrollBar->ScrollMessage(Message.WParam);
            Message.Result = 0;
            return;
        }
        break;
    case WM_VSCROLL:
        if (Message.LParam == 0) {
            FVertScrollBar->ScrollMessage(Message.WParam);
            Message.Result = 0;
            return;
        }
        break;
    case WM_SIZE:
        TWinControl::Dispatch(Message);
        UpdateScrollBars();
        return;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}
