#include "tests/support/UserInput.h"

#include <cstdio>

namespace {

void SendMouse(DWORD Flags, LONG X = 0, LONG Y = 0, DWORD Data = 0) {
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dx = X;
    Input.mi.dy = Y;
    Input.mi.mouseData = Data;
    Input.mi.dwFlags = Flags;
    SendInput(1, &Input, sizeof(Input));
}

void SendKey(WORD VirtualKey, WORD ScanCode, DWORD Flags) {
    INPUT Input{};
    Input.type = INPUT_KEYBOARD;
    Input.ki.wVk = VirtualKey;
    Input.ki.wScan = ScanCode;
    Input.ki.dwFlags = Flags;
    SendInput(1, &Input, sizeof(Input));
}

DWORD ButtonFlags(int Button, bool Down) {
    switch (Button) {
    case VK_RBUTTON:
        return Down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case VK_MBUTTON:
        return Down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
        return Down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
}

// Where the tests last aimed the pointer. Button events carry this position themselves:
// Wine may otherwise take a press at the position before a move that has not settled yet.
POINT AimedPoint{0, 0};

LONG AbsoluteX(int X) {
    return (X * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
}
LONG AbsoluteY(int Y) {
    return (Y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
}

void QueueButton(int Button, bool Down) {
    SendMouse(ButtonFlags(Button, Down) | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
              AbsoluteX(AimedPoint.x), AbsoluteY(AimedPoint.y));
}

void QueueMove(int X, int Y) {
    // Absolute coordinates are in 1/65536 of the screen; aiming at the centre of the pixel
    // lands on it whatever the rounding.
    AimedPoint = {X, Y};
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, AbsoluteX(X), AbsoluteY(Y));
}

void SendButton(int Button, bool Down) {
    QueueButton(Button, Down);
    PumpMessagesFor(10);
}

struct TWindowQuery {
    const std::wstring* ClassName;
    const std::wstring* Caption;
    DWORD ProcessId;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND Window, LPARAM Data) {
    auto& Query = *reinterpret_cast<TWindowQuery*>(Data);
    if (!IsWindowVisible(Window))
        return TRUE;
    if (Query.ProcessId) {
        DWORD Owner = 0;
        GetWindowThreadProcessId(Window, &Owner);
        if (Owner != Query.ProcessId)
            return TRUE;
    }
    wchar_t Text[512] = {};
    if (!Query.ClassName->empty()) {
        GetClassNameW(Window, Text, 512);
        if (*Query.ClassName != Text)
            return TRUE;
    }
    if (!Query.Caption->empty()) {
        GetWindowTextW(Window, Text, 512);
        if (*Query.Caption != Text)
            return TRUE;
    }
    Query.Found = Window;
    return FALSE;
}

} // namespace

void MoveMouseTo(int X, int Y) {
    QueueMove(X, Y);
    PumpMessagesFor(10);
}

void PressMouse(int Button) {
    SendButton(Button, true);
}

void ReleaseMouse(int Button) {
    SendButton(Button, false);
}

void ClickAt(int X, int Y, int Button) {
    MoveMouseTo(X, Y);
    PressMouse(Button);
    ReleaseMouse(Button);
}

void QueueClickAt(int X, int Y, int Button) {
    QueueMove(X, Y);
    QueueButton(Button, true);
    QueueButton(Button, false);
}

void ClickWith(WORD Modifier, int X, int Y) {
    MoveMouseTo(X, Y);
    if (Modifier)
        HoldKey(Modifier);
    PressMouse(VK_LBUTTON);
    ReleaseMouse(VK_LBUTTON);
    if (Modifier)
        LetGoKey(Modifier);
}

void DragMouse(POINT From, POINT To, int Button, int Steps) {
    MoveMouseTo(From.x, From.y);
    PressMouse(Button);
    for (int Step = 1; Step <= Steps; ++Step)
        MoveMouseTo(From.x + (To.x - From.x) * Step / Steps,
                    From.y + (To.y - From.y) * Step / Steps);
    ReleaseMouse(Button);
}

void TurnWheel(int Delta) {
    SendMouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(Delta));
    PumpMessagesFor(10);
}

void TypeText(const std::wstring& Text) {
    for (wchar_t Character : Text) {
        SendKey(0, Character, KEYEVENTF_UNICODE);
        SendKey(0, Character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    PumpMessagesFor(20);
}

void PressKey(WORD VirtualKey) {
    SendKey(VirtualKey, 0, 0);
    SendKey(VirtualKey, 0, KEYEVENTF_KEYUP);
    PumpMessagesFor(20);
}

void HoldKey(WORD VirtualKey) {
    SendKey(VirtualKey, 0, 0);
    PumpMessagesFor(10);
}

void LetGoKey(WORD VirtualKey) {
    SendKey(VirtualKey, 0, KEYEVENTF_KEYUP);
    PumpMessagesFor(10);
}

void PressKeyWith(WORD Modifier, WORD VirtualKey) {
    QueueKeyWith(Modifier, VirtualKey);
    PumpMessagesFor(20);
}

void QueueKeyWith(WORD Modifier, WORD VirtualKey) {
    SendKey(Modifier, 0, 0);
    SendKey(VirtualKey, 0, 0);
    SendKey(VirtualKey, 0, KEYEVENTF_KEYUP);
    SendKey(Modifier, 0, KEYEVENTF_KEYUP);
}

void PumpMessagesFor(DWORD Milliseconds) {
    const DWORD Start = GetTickCount();
    do {
        MSG Message;
        while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&Message);
            DispatchMessageW(&Message);
        }
        if (GetTickCount() - Start >= Milliseconds)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - Start < Milliseconds);
}

namespace {

std::string Utf8Of(const wchar_t* Text) {
    char Buffer[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, Text, -1, Buffer, sizeof(Buffer) - 1, nullptr, nullptr);
    return Buffer;
}

} // namespace

std::string DescribeDesktop() {
    std::string Result;
    const HWND Front = GetForegroundWindow();
    auto Describe = [&](HWND Window) {
        wchar_t Class[128] = {}, Caption[256] = {};
        GetClassNameW(Window, Class, 128);
        GetWindowTextW(Window, Caption, 256);
        DWORD Process = 0;
        GetWindowThreadProcessId(Window, &Process);
        char Line[64];
        std::snprintf(Line, sizeof(Line), "%p pid %lu%s%s ", static_cast<void*>(Window),
                      static_cast<unsigned long>(Process),
                      IsWindowEnabled(Window) ? "" : " disabled", Window == Front ? " front" : "");
        Result += Line + Utf8Of(Class) + " \"" + Utf8Of(Caption) + "\"\n";
    };
    for (HWND Window = GetTopWindow(nullptr); Window; Window = GetWindow(Window, GW_HWNDNEXT))
        if (IsWindowVisible(Window))
            Describe(Window);
    POINT Pointer{};
    GetCursorPos(&Pointer);
    Result += "pointer at " + std::to_string(Pointer.x) + ", " + std::to_string(Pointer.y) + "\n";
    return Result;
}

HWND WaitForWindow(const std::wstring& ClassName, const std::wstring& Caption, DWORD TimeoutMs,
                   DWORD ProcessId) {
    const DWORD Start = GetTickCount();
    for (;;) {
        TWindowQuery Query{&ClassName, &Caption, ProcessId};
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&Query));
        if (Query.Found || GetTickCount() - Start >= TimeoutMs)
            return Query.Found;
        PumpMessagesFor(20);
    }
}

bool WaitForWindowGone(HWND Window, DWORD TimeoutMs) {
    const DWORD Start = GetTickCount();
    while (IsWindow(Window) && IsWindowVisible(Window)) {
        if (GetTickCount() - Start >= TimeoutMs)
            return false;
        PumpMessagesFor(20);
    }
    return true;
}

BITMAPINFO TopDown32BitInfo(int Width, int Height) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = Width;
    Info.bmiHeader.biHeight = -Height;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    return Info;
}

std::vector<uint32_t> GrabScreenPixels(const RECT& Area) {
    const int Width = Area.right - Area.left, Height = Area.bottom - Area.top;
    std::vector<uint32_t> Pixels(static_cast<size_t>(Width) * Height);
    if (Width <= 0 || Height <= 0)
        return Pixels;
    const BITMAPINFO Info = TopDown32BitInfo(Width, Height);
    void* Bits = nullptr;
    HDC Screen = GetDC(nullptr);
    HBITMAP Section = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HDC Memory = CreateCompatibleDC(Screen);
    HGDIOBJ Old = SelectObject(Memory, Section);
    BitBlt(Memory, 0, 0, Width, Height, Screen, Area.left, Area.top, SRCCOPY);
    GdiFlush();
    const auto* Source = static_cast<const uint32_t*>(Bits);
    for (size_t I = 0; I < Pixels.size(); ++I)
        Pixels[I] = Source[I] & 0x00FFFFFF;
    SelectObject(Memory, Old);
    DeleteDC(Memory);
    DeleteObject(Section);
    ReleaseDC(nullptr, Screen);
    return Pixels;
}

TTestProcess::TTestProcess(const std::wstring& Program, const std::wstring& Arguments) {
    std::wstring CommandLine = L"\"" + Program + L"\"";
    if (!Arguments.empty())
        CommandLine += L" " + Arguments;
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    if (!CreateProcessW(Program.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &Startup, &FInfo))
        FInfo = {};
}

TTestProcess::~TTestProcess() {
    if (!Started())
        return;
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(FInfo.hProcess, 1);
        WaitForSingleObject(FInfo.hProcess, 5000);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

bool TTestProcess::WaitForInputIdle(DWORD TimeoutMs) {
    return Started() && ::WaitForInputIdle(FInfo.hProcess, TimeoutMs) == 0;
}

DWORD TTestProcess::WaitForExit(DWORD TimeoutMs) {
    if (!Started() || WaitForSingleObject(FInfo.hProcess, TimeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD Code = STILL_ACTIVE;
    GetExitCodeProcess(FInfo.hProcess, &Code);
    return Code;
}
