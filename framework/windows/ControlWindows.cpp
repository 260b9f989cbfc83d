#include "framework/windows/ControlWindows.h"

#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/WinControl.h"

#include <map>
#include <unordered_map>

namespace {

// The control behind each window. It is looked up for every message, so it is kept in the
// process rather than in a window property, which the host may keep out of the process.
std::unordered_map<HWND, TWinControl*>& BoundControls() {
    static std::unordered_map<HWND, TWinControl*> Controls;
    return Controls;
}

// The control whose window is being created; bound at the window's first message.
TWinControl* CreatingControl = nullptr;

void BindControl(HWND Window, TWinControl* Control) {
    BoundControls()[Window] = Control;
}

LRESULT CALLBACK ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWinControl* Control = FindControl(Window);
    if (!Control && CreatingControl) {
        Control = CreatingControl;
        CreatingControl = nullptr;
        BindControl(Window, Control);
        Control->AttachHandle(Window);
    }
    if (!Control)
        return DefWindowProcW(Window, Msg, WParam, LParam);
    TMessage Message{Msg, WParam, LParam, 0};
    // Exceptions never cross the host's frames: the application shows them and the
    // message loop goes on.
    try {
        Control->WndProc(Message);
    } catch (...) {
        Application->HandleException(Control);
    }
    // The window's last message: its handle may soon name another window.
    if (Msg == WM_NCDESTROY)
        UnbindControlWindow(Window);
    return Message.Result;
}

// The host procedure behind each registered class.
std::map<std::wstring, WNDPROC>& RegisteredClasses() {
    static std::map<std::wstring, WNDPROC> Classes;
    return Classes;
}

WNDPROC RegisterControlClass(const TCreateParams& Params) {
    const std::wstring ClassName = Utf8ToWide(Params.WinClassName);
    auto& Classes = RegisteredClasses();
    if (auto Found = Classes.find(ClassName); Found != Classes.end())
        return Found->second;

    const HINSTANCE Instance = GetModuleHandleW(nullptr);
    WNDCLASSW Class{};
    WNDPROC HostProc = DefWindowProcW;
    if (!Params.HostClassName.empty()) {
        const std::wstring HostName = Utf8ToWide(Params.HostClassName);
        if (!GetClassInfoW(nullptr, HostName.c_str(), &Class))
            throw EOutOfResources("Window class " + Params.HostClassName + " not found");
        HostProc = Class.lpfnWndProc;
        Class.style |= Params.ClassStyle & CS_DBLCLKS;
        if (!(Params.ClassStyle & CS_DBLCLKS))
            Class.style &= ~static_cast<UINT>(CS_DBLCLKS);
    } else {
        Class.style = Params.ClassStyle;
        Class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    }
    Class.lpfnWndProc = ControlWindowProc;
    Class.hInstance = Instance;
    Class.lpszClassName = ClassName.c_str();
    Class.lpszMenuName = nullptr;
    Class.hbrBackground = nullptr;
    if (!RegisterClassW(&Class))
        throw EOutOfResources("Cannot register the window class " + Params.WinClassName);
    Classes.emplace(ClassName, HostProc);
    return HostProc;
}

} // namespace

TWinControl* FindControl(HWND Window) {
    if (!Window)
        return nullptr;
    const auto& Controls = BoundControls();
    const auto Found = Controls.find(Window);
    return Found != Controls.end() ? Found->second : nullptr;
}

HWND CreateControlWindow(TWinControl& Control, const TCreateParams& Params, WNDPROC& DefaultProc) {
    DefaultProc = RegisterControlClass(Params);
    const std::wstring ClassName = Utf8ToWide(Params.WinClassName);
    const std::wstring Caption = Utf8ToWide(Params.Caption);
    CreatingControl = &Control;
    const HWND Window =
        CreateWindowExW(Params.ExStyle, ClassName.c_str(), Caption.c_str(), Params.Style, Params.X,
                        Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr,
                        GetModuleHandleW(nullptr), Params.Param);
    CreatingControl = nullptr;
    if (!Window)
        throw EOutOfResources("Error creating window of " + Control.ClassName());
    return Window;
}

void UnbindControlWindow(HWND Window) {
    BoundControls().erase(Window);
}
