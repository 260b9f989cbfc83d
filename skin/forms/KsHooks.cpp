#include "skin/forms/KsHooks.h"

#include "framework/windows/Application.h"
#include "framework/windows/WinControl.h"
#include "skin/forms/KsMessageWindow.h"

#include <algorithm>

namespace {

// The control hook whose chain procedure a window's messages go through.
constexpr wchar_t ControlHookProperty[] = L"Snapvale.ControlHook";
// The procedure a link of ours passes messages on to after its control hook let go of it
// while another party, subclassed on top, still calls the link.
constexpr wchar_t ForwardProperty[] = L"Snapvale.HookForward";

WNDPROC WindowProcedure(HWND Window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Window, GWLP_WNDPROC));
}

void SetWindowProcedure(HWND Window, WNDPROC Procedure) {
    SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
}

// A plain pointer needs no destruction, so forms freed while the program ends read it
// safely whether the list still exists or not.
THookList* TheHookList = nullptr;
bool HookListFreed = false;

// Frees the hook list when the program ends. It is made at first use, after the application
// object, so it goes first: the forms that the application frees later find no list.
class THookListOwner {
public:
    THookListOwner() = default;
    THookListOwner(const THookListOwner&) = delete;
    THookListOwner& operator=(const THookListOwner&) = delete;
    ~THookListOwner() {
        HookListFreed = true;
        FList.reset();
        TheHookList = nullptr;
    }

    THookList* List() {
        if (!FList) {
            FList = std::make_unique<THookList>();
            TheHookList = FList.get();
        }
        return FList.get();
    }

private:
    std::unique_ptr<THookList> FList;
};

} // namespace

THookList* HookList() {
    if (HookListFreed)
        return nullptr;
    static THookListOwner Owner;
    return Owner.List();
}

THookList* ExistingHookList() {
    return TheHookList;
}

// One BeforeMessage call on a hook: carries the caller's Handled in and out, and keeps the
// Handled of an outer call on the same hook (a message sent from inside a handler) apart.
// When the hook is freed inside the call, the hook tells the scope, which then touches
// nothing of it.
class TKsHook::TDispatchScope {
public:
    TDispatchScope(TKsHook& Hook, bool& Handled)
        : FHook(&Hook), FResult(Handled), FOuter(Hook.FDispatchScope),
          FOuterHandled(Hook.FHandled) {
        Hook.FHandled = Handled;
        Hook.FDispatchScope = this;
    }
    TDispatchScope(const TDispatchScope&) = delete;
    TDispatchScope& operator=(const TDispatchScope&) = delete;
    ~TDispatchScope() {
        if (!FHook)
            return;
        FResult = FHook->FHandled;
        FHook->FHandled = FOuterHandled;
        FHook->FDispatchScope = FOuter;
    }

    void HookFreed(bool Handled) {
        FResult = Handled;
        FHook = nullptr;
        if (FOuter)
            FOuter->HookFreed(FOuterHandled);
    }

private:
    TKsHook* FHook;
    bool& FResult;
    TDispatchScope* FOuter;
    bool FOuterHandled;
};

const TComponentClassOf<TKsHook> TKsHook::Class{"TKsHook", TComponent::Class};

TKsHook::TKsHook(TComponent* AOwner) : TComponent(AOwner) {}

TKsHook::~TKsHook() {
    if (FDispatchScope)
        FDispatchScope->HookFreed(FHandled);
    SetActive(false);
    SetControl(nullptr);
}

void TKsHook::SetActive(bool Value) {
    if (Value == FActive)
        return;
    if (Value)
        HookControl();
    else
        UnhookControl();
}

TWinControl* TKsHook::Control() const {
    return FControlHook ? FControlHook->Control() : FControl;
}

void TKsHook::SetControl(TWinControl* Value) {
    if (Value == Control())
        return;
    const bool WasActive = FActive;
    UnhookControl();
    FControl = Value;
    if (Value)
        Value->FreeNotification(this);
    if (WasActive)
        HookControl();
}

HWND TKsHook::Handle() const {
    return FControl ? FControl->Handle() : nullptr;
}

void TKsHook::AfterMessage(TMessage&) {}

void TKsHook::WindowRecreated() {}

void TKsHook::BeforeMessage(TMessage& Msg, bool& Handled) {
    const TDispatchScope Scope(*this, Handled);
    Dispatch(Msg);
}

void TKsHook::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FControl)
        SetControl(nullptr);
}

void TKsHook::HookControl() {
    if (FControl && !IsDestroying())
        if (THookList* List = HookList())
            List->GetControlHook(FControl)->AddHook(this);
    FActive = true;
}

TControlHook* TKsHook::UnhookControl() {
    TControlHook* Left = FControlHook;
    if (Left)
        Left->RemoveHook(this);
    // A control hook left without hooks would stay in the list, naming a control that may
    // be freed next. Its window procedure may be running now, so it is freed later; a hook
    // that attaches again before that keeps it.
    if (Left && Left->HookCount() == 0)
        if (THookList* List = ExistingHookList())
            List->PostRequest(KM_FREECONTROLHOOK, Left);
    FActive = false;
    return Left;
}

const TClassOf<TControlHook> TControlHook::Class{"TControlHook", TObject::Class};

TControlHook::TControlHook() = default;

TControlHook::~TControlHook() {
    FDestroying = true;
    if (THookList* List = ExistingHookList())
        List->Remove(this);
    while (!FHooks.empty())
        RemoveHook(FHooks.back());
    FControl = nullptr;
}

void TControlHook::SetControl(TWinControl* Value) {
    if (Value == FControl)
        return;
    UnhookWindow();
    FControl = Value;
    if (!FHooks.empty())
        HookWindow();
}

void TControlHook::AddHook(TKsHook* Hook) {
    if (std::find(FHooks.begin(), FHooks.end(), Hook) == FHooks.end()) {
        FHooks.push_back(Hook);
        Hook->FControlHook = this;
        SetControl(Hook->FControl);
    }
    HookWindow();
}

void TControlHook::RemoveHook(TKsHook* Hook) {
    if (Hook->FControlHook == this)
        Hook->FControlHook = nullptr;
    FHooks.erase(std::remove(FHooks.begin(), FHooks.end(), Hook), FHooks.end());
    if (FHooks.empty())
        UnhookWindow();
}

bool TControlHook::ControlGone() const {
    return !FControl || FDestroying || FControl->IsDestroying();
}

void TControlHook::HookWindow() {
    if (FHooks.empty() || ControlGone() || FControl->IsDesigning())
        return;
    const HWND Target = FControl->Handle();
    if (Target == FWindow)
        return;
    UnhookWindow();
    // A link of ours that an earlier control hook had to leave in the chain is taken over,
    // so that the window never runs through this procedure twice.
    if (auto Left = reinterpret_cast<WNDPROC>(RemovePropW(Target, ForwardProperty))) {
        FPrevWndProc = Left;
    } else {
        FPrevWndProc = WindowProcedure(Target);
        SetWindowProcedure(Target, &HookedWindowProc);
    }
    SetPropW(Target, ControlHookProperty, this);
    FWindow = Target;
    if (FWindowLost) {
        FWindowLost = false;
        NotifyWindowRecreated();
    }
}

void TControlHook::NotifyWindowRecreated() {
    // A hook may detach or free hooks while it is told; the position is kept inside the list.
    for (size_t Index = 0; Index < FHooks.size() && !ControlGone(); ++Index) {
        TKsHook* Hook = FHooks[Index];
        try {
            Hook->WindowRecreated();
        } catch (...) {
            Application->HandleException(Hook);
        }
    }
}

void TControlHook::UnhookWindow() {
    if (FWindow && FPrevWndProc && IsWindow(FWindow)) {
        RemovePropW(FWindow, ControlHookProperty);
        if (WindowProcedure(FWindow) == &HookedWindowProc)
            SetWindowProcedure(FWindow, FPrevWndProc);
        else
            // Another party subclassed the window on top and calls this link: it keeps
            // passing the messages on to the procedure it replaced.
            SetPropW(FWindow, ForwardProperty, reinterpret_cast<HANDLE>(FPrevWndProc));
    }
    FWindow = nullptr;
    FPrevWndProc = nullptr;
}

namespace {

// Counts the chain procedures running on a control hook; the last one out passes on a
// request to free the control hook that arrived meanwhile.
class TDispatchDepth {
public:
    TDispatchDepth(int& Depth, bool& FreeWhenDone, TControlHook* ControlHook)
        : FDepth(Depth), FFreeWhenDone(FreeWhenDone), FControlHook(ControlHook) {
        ++FDepth;
    }
    TDispatchDepth(const TDispatchDepth&) = delete;
    TDispatchDepth& operator=(const TDispatchDepth&) = delete;
    ~TDispatchDepth() {
        if (--FDepth > 0 || !FFreeWhenDone)
            return;
        FFreeWhenDone = false;
        if (THookList* List = ExistingHookList())
            List->PostRequest(KM_FREECONTROLHOOK, FControlHook);
    }

private:
    int& FDepth;
    bool& FFreeWhenDone;
    TControlHook* FControlHook;
};

} // namespace

void TControlHook::WndProc(TMessage& Msg) {
    if (!FControl)
        return;
    const TDispatchDepth Depth(FDispatchDepth, FFreeWhenDone, this);
    // Taken now: a hook that detaches during the message must not cut the window off its
    // own procedure.
    const HWND Window = FWindow;
    const WNDPROC Previous = FPrevWndProc ? FPrevWndProc : FControl->DefWndProc();
    bool Handled = false;
    if (Msg.Msg != WM_QUIT)
        NotifyHooks(TPhase::Before, Msg, Handled);
    if (!Handled || Msg.Msg == WM_DESTROY) {
        try {
            Msg.Result = CallWindowProcW(Previous, Window, Msg.Msg, Msg.WParam, Msg.LParam);
        } catch (...) {
            NotifyHooks(TPhase::After, Msg, Handled);
            throw;
        }
        NotifyHooks(TPhase::After, Msg, Handled);
    }
    if (Msg.Msg == WM_DESTROY) {
        UnhookWindow();
        // The framework destroys a window to create it anew; the new one is subclassed
        // once that is done.
        if (!FHooks.empty() && !ControlGone()) {
            FWindowLost = true;
            if (THookList* List = ExistingHookList())
                List->PostRequest(KM_REHOOKCONTROL, this);
        }
    }
}

void TControlHook::NotifyHooks(TPhase Phase, TMessage& Msg, bool& Handled) {
    if (FHooks.empty() || ControlGone())
        return;
    // Newest first; a hook may detach or free hooks while it is called, so the position is
    // kept inside the list as it is after each call.
    for (size_t Index = FHooks.size(); Index > 0; Index = std::min(Index - 1, FHooks.size())) {
        TKsHook* Hook = FHooks[Index - 1];
        try {
            if (Phase == TPhase::Before)
                Hook->BeforeMessage(Msg, Handled);
            else
                Hook->AfterMessage(Msg);
        } catch (...) {
            Application->HandleException(Hook);
        }
        if (Handled)
            break;
    }
}

LRESULT CALLBACK TControlHook::HookedWindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                                LPARAM LParam) {
    if (auto* ControlHook = static_cast<TControlHook*>(GetPropW(Window, ControlHookProperty))) {
        TMessage Message{Msg, WParam, LParam, 0};
        // Exceptions never cross the host's frames.
        try {
            ControlHook->WndProc(Message);
        } catch (...) {
            Application->HandleException(ControlHook);
        }
        return Message.Result;
    }
    const auto Forward = reinterpret_cast<WNDPROC>(GetPropW(Window, ForwardProperty));
    if (!Forward)
        return DefWindowProcW(Window, Msg, WParam, LParam);
    const LRESULT Result = CallWindowProcW(Forward, Window, Msg, WParam, LParam);
    if (Msg == WM_NCDESTROY)
        RemovePropW(Window, ForwardProperty);
    return Result;
}

const TClassOf<THookList> THookList::Class{"THookList", TList::Class};

THookList::THookList()
    : FWindow(std::make_unique<TKsMessageWindow>(
          this, [this](TMessage& Message) { return WndProc(Message); })) {}

THookList::~THookList() {
    while (Count() > 0) {
        TControlHook* Last = ControlHooks(Count() - 1);
        Delete(Count() - 1);
        delete Last;
    }
}

TControlHook* THookList::FindControlHook(const TWinControl* Control) const {
    if (!Control)
        return nullptr;
    for (int Index = 0; Index < Count(); ++Index)
        if (ControlHooks(Index)->Control() == Control)
            return ControlHooks(Index);
    return nullptr;
}

TControlHook* THookList::GetControlHook(TWinControl* Control) {
    if (TControlHook* Found = FindControlHook(Control))
        return Found;
    auto Made = std::make_unique<TControlHook>();
    Add(Made.get());
    try {
        Made->SetControl(Control);
    } catch (...) {
        Remove(Made.get());
        throw;
    }
    return Made.release();
}

void THookList::PostRequest(uint32_t Msg, TControlHook* ControlHook) const {
    FWindow->Post(Msg, 0, reinterpret_cast<LPARAM>(ControlHook));
}

HWND THookList::WindowHandle() const {
    return FWindow->Handle();
}

bool THookList::WndProc(TMessage& Msg) {
    // Requests name control hooks by address: one freed meanwhile is not in the list.
    auto* ControlHook = reinterpret_cast<TControlHook*>(Msg.LParam);
    switch (Msg.Msg) {
    case KM_REHOOKCONTROL:
        if (IndexOf(ControlHook) >= 0)
            ControlHook->HookWindow();
        return true;
    case KM_FREECONTROLHOOK:
        if (IndexOf(ControlHook) >= 0 && ControlHook->HookCount() == 0) {
            // A nested message loop inside its window procedure handles this request.
            if (ControlHook->Dispatching())
                ControlHook->FreeWhenDone();
            else
                delete ControlHook;
        }
        return true;
    default:
        return false;
    }
}
