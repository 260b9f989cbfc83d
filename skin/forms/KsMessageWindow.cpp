#include "skin/forms/KsMessageWindow.h"

#include "framework/windows/Application.h"

namespace {

constexpr wchar_t MessageWindowClass[] = L"SnapvaleKsMessageWindow";

void RegisterMessageWindowClass() {
    static const bool Registered = [] {
        WNDCLASSW Class{};
        Class.lpfnWndProc = DefWindowProcW;
        Class.hInstance = GetModuleHandleW(nullptr);
        Class.lpszClassName = MessageWindowClass;
        return RegisterClassW(&Class) != 0;
    }();
    if (!Registered)
        throw EOutOfResources("Cannot register the window class SnapvaleKsMessageWindow");
}

} // namespace

TKsMessageWindow::TKsMessageWindow(TObject* Sender, THandler Handler, TKind Kind)
    : FSender(Sender), FHandler(std::move(Handler)) {
    RegisterMessageWindowClass();
    // Never shown; as a tool window it would not reach a taskbar even then.
    const bool TopLevel = Kind == TKind::TopLevel;
    FHandle = CreateWindowExW(
        TopLevel ? WS_EX_TOOLWINDOW : 0, MessageWindowClass, L"", TopLevel ? WS_POPUP : 0, 0, 0, 0,
        0, TopLevel ? nullptr : HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FHandle)
        throw EOutOfResources("Out of system resources");
    // The window answers with the host's default until it knows this object.
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
}

TKsMessageWindow::~TKsMessageWindow() {
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    DestroyWindow(FHandle);
}

bool TKsMessageWindow::Post(UINT Msg, WPARAM WParam, LPARAM LParam) const {
    return PostMessageW(FHandle, Msg, WParam, LParam) != 0;
}

LRESULT CALLBACK TKsMessageWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = reinterpret_cast<TKsMessageWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    TMessage Message{Msg, WParam, LParam, 0};
    try {
        if (Self->FHandler(Message))
            return Message.Result;
    } catch (...) {
        Application->HandleException(Self->FSender);
        return 0;
    }
    return DefWindowProcW(Window, Msg, WParam, LParam);
}
