// Real input reaches windows of the Wine desktop where the tests aim it, and screen
// pictures show what windows painted: the end-to-end tests rely on both.
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

namespace {

// A plain top-level window that records the mouse presses it receives and paints itself
// in one colour.
class TProbeWindow {
public:
    static constexpr COLORREF Fill = RGB(12, 200, 99);

    TProbeWindow(int Left, int Top, int Width, int Height) {
        WNDCLASSW Class{};
        Class.lpfnWndProc = &Procedure;
        Class.hInstance = GetModuleHandleW(nullptr);
        Class.lpszClassName = L"SnapvaleProbeWindow";
        Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&Class);
        FHandle = CreateWindowExW(WS_EX_TOPMOST, Class.lpszClassName, L"Probe", WS_POPUP, Left,
                                  Top, Width, Height, nullptr, nullptr, Class.hInstance, this);
        ShowWindow(FHandle, SW_SHOW);
        SetForegroundWindow(FHandle);
        UpdateWindow(FHandle);
        PumpMessagesFor(100);
    }
    ~TProbeWindow() { DestroyWindow(FHandle); }

    HWND Handle() const { return FHandle; }
    int Presses = 0;
    POINT LastPress{-1, -1};
    int LastButton = 0;

private:
    static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
        if (Msg == WM_NCCREATE)
            SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                                                         reinterpret_cast<CREATESTRUCTW*>(L)
                                                             ->lpCreateParams));
        auto* Self = reinterpret_cast<TProbeWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
        switch (Msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            Self->Presses++;
            Self->LastPress = {static_cast<short>(LOWORD(L)), static_cast<short>(HIWORD(L))};
            Self->LastButton = Msg == WM_LBUTTONDOWN ? VK_LBUTTON : VK_RBUTTON;
            return 0;
        case WM_ERASEBKGND: {
            RECT Client;
            GetClientRect(Window, &Client);
            HBRUSH Brush = CreateSolidBrush(Fill);
            FillRect(reinterpret_cast<HDC>(W), &Client, Brush);
            DeleteObject(Brush);
            return 1;
        }
        }
        return DefWindowProcW(Window, Msg, W, L);
    }

    HWND FHandle = nullptr;
};

} // namespace

TEST(HostInput, MousePressesArriveAtTheAimedClientPoint) {
    TProbeWindow Probe(200, 150, 300, 200);
    ClickAt(200 + 37, 150 + 61);
    EXPECT_EQ(Probe.Presses, 1);
    EXPECT_EQ(Probe.LastPress.x, 37);
    EXPECT_EQ(Probe.LastPress.y, 61);
    EXPECT_EQ(Probe.LastButton, VK_LBUTTON);

    ClickAt(200 + 299, 150 + 199, VK_RBUTTON);
    EXPECT_EQ(Probe.Presses, 2);
    EXPECT_EQ(Probe.LastPress.x, 299);
    EXPECT_EQ(Probe.LastPress.y, 199);
    EXPECT_EQ(Probe.LastButton, VK_RBUTTON);
}

TEST(HostInput, TypedUnicodeTextReachesTheFocusedEdit) {
    TProbeWindow Probe(200, 150, 300, 200);
    HWND Edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                                200, 24, Probe.Handle(), nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    SetFocus(Edit);
    TypeText(L"shot-\u622A\u56FE.jpg");
    wchar_t Text[64] = {};
    GetWindowTextW(Edit, Text, 64);
    EXPECT_STREQ(Text, L"shot-\u622A\u56FE.jpg");
}

TEST(HostInput, ScreenPicturesShowWhatAWindowPainted) {
    TProbeWindow Probe(300, 300, 40, 30);
    EXPECT_NE(WaitForWindow(L"SnapvaleProbeWindow", L"Probe", 2000), nullptr);
    const auto Pixels = GrabScreenPixels(RECT{300, 300, 340, 330});
    ASSERT_EQ(Pixels.size(), 40u * 30u);
    const uint32_t Expected = (GetRValue(TProbeWindow::Fill) << 16) |
                              (GetGValue(TProbeWindow::Fill) << 8) | GetBValue(TProbeWindow::Fill);
    for (uint32_t Pixel : Pixels)
        ASSERT_EQ(Pixel, Expected);
}
