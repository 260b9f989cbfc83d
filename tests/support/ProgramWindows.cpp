#include "tests/support/ProgramWindows.h"

#include "tests/support/UserInput.h"

namespace {

struct TChildQuery {
    const std::wstring* ClassName;
    const std::wstring* Text;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchChild(HWND Window, LPARAM Data) {
    auto& Query = *reinterpret_cast<TChildQuery*>(Data);
    wchar_t Class[128] = {};
    GetClassNameW(Window, Class, 128);
    if ((Query.ClassName->empty() || *Query.ClassName == Class) &&
        (Query.Text->empty() || *Query.Text == WindowText(Window))) {
        Query.Found = Window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool WaitUntilItTakesInput(HWND Window, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    while (!(IsWindowVisible(Window) && IsWindowEnabled(Window) && !IsIconic(Window))) {
        if (GetTickCount() - Start >= TimeoutMs)
            return false;
        PumpMessagesFor(20);
    }
    return true;
}

bool WaitUntilIdle(HWND Window, DWORD TimeoutMs) {
    // A message sent to the window comes back once the program is between messages again.
    return SendMessageTimeoutW(Window, WM_NULL, 0, 0, SMTO_NORMAL, TimeoutMs, nullptr) != 0;
}

void ClickClient(HWND Window, int X, int Y, int Button) {
    WaitUntilItTakesInput(Window);
    WaitUntilIdle(Window);
    POINT Point{X, Y};
    ClientToScreen(Window, &Point);
    ClickAt(Point.x, Point.y, Button);
}

void ClickCentre(HWND Window, int Button) {
    RECT Client{};
    GetClientRect(Window, &Client);
    ClickClient(Window, Client.right / 2, Client.bottom / 2, Button);
}

std::wstring WindowText(HWND Window) {
    wchar_t Text[1024] = {};
    SendMessageTimeoutW(Window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(Text), SMTO_ABORTIFHUNG,
                        1000, nullptr);
    return Text;
}

HWND WaitForFocusIn(HWND Dialog, const std::wstring& ClassName, DWORD TimeoutMs) {
    const DWORD Thread = GetWindowThreadProcessId(Dialog, nullptr);
    const DWORD Start = GetTickCount();
    for (;;) {
        GUITHREADINFO Info{};
        Info.cbSize = sizeof(Info);
        if (GetGUIThreadInfo(Thread, &Info) && Info.hwndFocus && IsChild(Dialog, Info.hwndFocus)) {
            wchar_t Class[64] = {};
            GetClassNameW(Info.hwndFocus, Class, 64);
            if (_wcsicmp(Class, ClassName.c_str()) == 0)
                return Info.hwndFocus;
        }
        if (GetTickCount() - Start >= TimeoutMs)
            return nullptr;
        PumpMessagesFor(20);
    }
}

HWND FindChild(HWND Parent, const std::wstring& ClassName, const std::wstring& Text) {
    TChildQuery Query{&ClassName, &Text};
    EnumChildWindows(Parent, &MatchChild, reinterpret_cast<LPARAM>(&Query));
    return Query.Found;
}
