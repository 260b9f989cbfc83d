#include "skin/forms/KsWindowSubclass.h"

#include "framework/windows/Application.h"

namespace {

constexpr wchar_t LinkProperty[] = L"Snapvale.WindowSubclass";

} // namespace

// Kept on the window: it outlives the object when another party subclassed the window on top
// of this link, which must then keep forwarding until the window goes.
struct TKsWindowSubclass::TLink {
    HWND Window;
    WNDPROC Previous;
    TObject* Sender;
    THandler Handler;
    TKsWindowSubclass* Owner;
};

TKsWindowSubclass::TKsWindowSubclass(HWND Window, TObject* Sender, THandler Handler)
    : FLink(new TLink{Window, nullptr, Sender, std::move(Handler), this}) {
    SetPropW(Window, LinkProperty, FLink);
    FLink->Previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

TKsWindowSubclass::~TKsWindowSubclass() {
    if (!FLink)
        return;
    const HWND Window = FLink->Window;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Window, GWLP_WNDPROC)) == &WindowProc) {
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FLink->Previous));
        RemovePropW(Window, LinkProperty);
        delete FLink;
        return;
    }
    // Another procedure was linked in on top: this link stays a plain forwarder.
    FLink->Handler = nullptr;
    FLink->Owner = nullptr;
}

HWND TKsWindowSubclass::Window() const {
    return FLink ? FLink->Window : nullptr;
}

LRESULT TKsWindowSubclass::CallPrevious(const TMessage& Message) const {
    if (!FLink)
        return 0;
    return CallWindowProcW(FLink->Previous, FLink->Window, Message.Msg, Message.WParam,
                           Message.LParam);
}

LRESULT CALLBACK TKsWindowSubclass::WindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                               LPARAM LParam) {
    auto* Link = static_cast<TLink*>(GetPropW(Window, LinkProperty));
    if (!Link)
        return DefWindowProcW(Window, Msg, WParam, LParam);
    if (Msg == WM_NCDESTROY) {
        const LRESULT Result = CallWindowProcW(Link->Previous, Window, Msg, WParam, LParam);
        RemovePropW(Window, LinkProperty);
        if (Link->Owner)
            Link->Owner->FLink = nullptr;
        delete Link;
        return Result;
    }
    if (Link->Handler) {
        TMessage Message{Msg, WParam, LParam, 0};
        try {
            if (Link->Handler(Message))
                return Message.Result;
        } catch (...) {
            Application->HandleException(Link->Sender);
            return 0;
        }
    }
    return CallWindowProcW(Link->Previous, Window, Msg, WParam, LParam);
}
