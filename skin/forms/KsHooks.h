// Window hooks: a non-visual component (TKsHook) takes part in the message handling of a
// windowed control it decorates, without the control's cooperation. The control's window is
// subclassed once however many components hook it (TControlHook); the components see each
// message before the window's previous procedure, newest first, may consume it, and are told
// again after that procedure ran. The process-wide THookList keeps the control hooks and a
// hidden window through which the window is subclassed again after the framework re-created
// it, and through which a control hook left without hooks is freed once its window procedure
// is no longer running.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Lists.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <memory>
#include <vector>

class TWinControl;
class TControlHook;
class TKsMessageWindow;

// Posted to the hook list's window, lParam a control hook: subclass its re-created window.
constexpr uint32_t KM_REHOOKCONTROL = 0xB0DE;
// Posted to the hook list's window, lParam a control hook: free it when it has no hooks.
constexpr uint32_t KM_FREECONTROLHOOK = 0xB0DF;

class TKsHook : public TComponent {
public:
    static const TComponentClassOf<TKsHook> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsHook(TComponent* AOwner);
    ~TKsHook() override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // The control of the control hook this component is attached to, else the one assigned.
    TWinControl* Control() const;
    void SetControl(TWinControl* Value);
    // The control's window (created now when it has none), or nullptr without a control.
    HWND Handle() const;

    // Called after the window's previous procedure processed Msg.
    virtual void AfterMessage(TMessage& Msg);
    // Called once the control's re-created window has been subclassed again. The messages
    // of its creation did not pass the hooks, so what they would have answered is redone.
    virtual void WindowRecreated();
    // Hands Msg to this component's Dispatch; a handler that consumes it calls MarkHandled,
    // and Handled then keeps the message from the older hooks and the previous procedure.
    virtual void BeforeMessage(TMessage& Msg, bool& Handled);

protected:
    void MarkHandled() { FHandled = true; }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void HookControl();
    // Detaches from the control hook; answers the control hook it left (or nullptr).
    TControlHook* UnhookControl();

private:
    class TDispatchScope;
    friend class TControlHook;

    bool FActive = true;
    TWinControl* FControl = nullptr;
    TControlHook* FControlHook = nullptr;
    bool FHandled = false;
    // The innermost BeforeMessage running on this component, told when it is freed there.
    TDispatchScope* FDispatchScope = nullptr;
};

// The subclassing of one control's window, chaining the hooks attached to it.
class TControlHook : public TObject {
public:
    static const TClassOf<TControlHook> Class;
    const TClass& ClassType() const override { return Class; }

    TControlHook();
    ~TControlHook() override;

    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* Value);
    int HookCount() const { return static_cast<int>(FHooks.size()); }
    // Attached hooks in the order of attachment.
    TKsHook* Hooks(int Index) const { return FHooks.at(static_cast<size_t>(Index)); }
    void AddHook(TKsHook* Hook);
    void RemoveHook(TKsHook* Hook);
    void HookWindow();
    void UnhookWindow();
    // The window this object's procedure is linked into, or nullptr.
    HWND Window() const { return FWindow; }
    // The chain procedure of the subclassed window.
    void WndProc(TMessage& Msg);
    // Whether the chain procedure is on the call stack now (the object must stay alive).
    bool Dispatching() const { return FDispatchDepth > 0; }
    // Asks again for this object to be freed once its chain procedure has returned.
    void FreeWhenDone() { FFreeWhenDone = true; }

    // The procedure that subclassed windows have.
    static LRESULT CALLBACK HookedWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

private:
    enum class TPhase : uint8_t { Before, After };
    void NotifyHooks(TPhase Phase, TMessage& Msg, bool& Handled);
    void NotifyWindowRecreated();
    bool ControlGone() const;

    TWinControl* FControl = nullptr;
    HWND FWindow = nullptr;
    WNDPROC FPrevWndProc = nullptr;
    std::vector<TKsHook*> FHooks;
    bool FDestroying = false;
    // The window went while hooks stayed attached: the next window subclassed is its
    // re-created successor.
    bool FWindowLost = false;
    int FDispatchDepth = 0;
    bool FFreeWhenDone = false;
};

// The process-wide list of control hooks and its hidden window for deferred requests.
class THookList : public TList {
public:
    static const TClassOf<THookList> Class;
    const TClass& ClassType() const override { return Class; }

    THookList();
    ~THookList() override;

    TControlHook* ControlHooks(int Index) const { return static_cast<TControlHook*>(Items(Index)); }
    // The control hook of Control, or nullptr (also for a nil control).
    TControlHook* FindControlHook(const TWinControl* Control) const;
    // The control hook of Control, made and added when there is none yet.
    TControlHook* GetControlHook(TWinControl* Control);
    // Queues a request (KM_REHOOKCONTROL, KM_FREECONTROLHOOK) about ControlHook.
    void PostRequest(uint32_t Msg, TControlHook* ControlHook) const;
    HWND WindowHandle() const;

private:
    // The hidden window's messages; false for those it leaves to the host.
    bool WndProc(TMessage& Msg);

    std::unique_ptr<TKsMessageWindow> FWindow;
};

// The hook list, made on first use. Freed when the program ends; from then on this answers
// nullptr, and hooks freed later (with the forms that outlive it) find nothing to detach.
THookList* HookList();
// The hook list when it exists, without making it.
THookList* ExistingHookList();
