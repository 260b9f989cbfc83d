// Time from the full-screen capture command to the captured-image window being shown,
// without the command's fixed 100 ms pause: the main window gets out of the way, the screen
// is grabbed into the window's picture, the main window comes back and the captured-image
// window is shown and painted. Reports the median of 20 runs at the desktop's size, and the
// median of each of those four steps beside the floors the host sets in the same run: a
// plain window of the main window's size minimised and hidden, and shown again and painted,
// for the main window's steps; a bare BitBlt of the screen into a DIB section of the same
// size for the grab; and creating, showing and painting a plain window that shows the same
// picture for the captured-image window.
#include "app/ApplicationWindows.h"
#include "app/LastImgPas.h"
#include "app/MainPas.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/windows/Application.h"
#include "framework/windows/Screen.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER Counter, Frequency;
    QueryPerformanceCounter(&Counter);
    QueryPerformanceFrequency(&Frequency);
    return double(Counter.QuadPart) * 1000.0 / double(Frequency.QuadPart);
}

constexpr std::array<const char*, 4> StepNames{"out of the way", "screen grab", "main window back",
                                               "captured-image window"};
using TStepTimes = std::array<double, StepNames.size()>;

TStepTimes OneCapture() {
    TStepTimes Steps{};
    double Mark = Now();
    auto EndStep = [&](size_t Step) {
        const double Time = Now();
        Steps[Step] = Time - Mark;
        Mark = Time;
    };
    MainFrm->SetWindowState(TWindowState::wsMinimized);
    MainFrm->Hide();
    EndStep(0);
    MainFrm->CaptureScreen(LastImgFrm->Image1);
    EndStep(1);
    MainFrm->SetWindowState(TWindowState::wsNormal);
    MainFrm->Show();
    EndStep(2);
    LastImgFrm->Show();
    UpdateWindow(LastImgFrm->Handle());
    Application->ProcessMessages();
    GdiFlush();
    EndStep(3);
    LastImgFrm->Hide();
    Application->ProcessMessages();
    return Steps;
}

// The floor of the grab: one BitBlt of the whole screen into a DIB section made for it.
double BareGrab(int Width, int Height) {
    const double Start = Now();
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HDC Screen = GetDC(nullptr);
    HDC Memory = CreateCompatibleDC(Screen);
    HBITMAP Section = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HGDIOBJ Old = SelectObject(Memory, Section);
    BitBlt(Memory, 0, 0, Width, Height, Screen, 0, 0, SRCCOPY);
    GdiFlush();
    const double Elapsed = Now() - Start;
    SelectObject(Memory, Old);
    DeleteObject(Section);
    DeleteDC(Memory);
    ReleaseDC(nullptr, Screen);
    return Elapsed;
}

// The picture the plain window paints, in a memory device context.
HDC PlainPicture = nullptr;

LRESULT CALLBACK PlainWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message == WM_PAINT) {
        PAINTSTRUCT Paint;
        HDC DC = BeginPaint(Window, &Paint);
        RECT Client;
        GetClientRect(Window, &Client);
        BitBlt(DC, 0, 0, Client.right, Client.bottom, PlainPicture, 0, 0, SRCCOPY);
        EndPaint(Window, &Paint);
        return 0;
    }
    return DefWindowProcW(Window, Message, WParam, LParam);
}

HWND CreatePlainWindow(const RECT& Bounds, DWORD Style) {
    static const ATOM Class = [] {
        WNDCLASSW WindowClass{};
        WindowClass.lpfnWndProc = PlainWindowProc;
        WindowClass.hInstance = GetModuleHandleW(nullptr);
        WindowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        WindowClass.lpszClassName = L"SnapvaleBenchPlainWindow";
        return RegisterClassW(&WindowClass);
    }();
    return CreateWindowExW(0, MAKEINTATOM(Class), L"plain", Style, Bounds.left, Bounds.top,
                           Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The floors of the main window's steps: a plain borderless window of its size, painting a
// picture of that size, minimised and hidden, then shown again and painted.
std::pair<double, double> PlainMainWindow(const RECT& Bounds) {
    const HWND Window = CreatePlainWindow(Bounds, WS_POPUP);
    ShowWindow(Window, SW_SHOW);
    UpdateWindow(Window);
    Application->ProcessMessages();
    const double Start = Now();
    ShowWindow(Window, SW_MINIMIZE);
    ShowWindow(Window, SW_HIDE);
    const double Hidden = Now();
    ShowWindow(Window, SW_SHOWNORMAL);
    UpdateWindow(Window);
    Application->ProcessMessages();
    GdiFlush();
    const double Shown = Now();
    DestroyWindow(Window);
    Application->ProcessMessages();
    return {Hidden - Start, Shown - Hidden};
}

// The floor of the captured-image window: a plain top-level window of the same size made,
// shown and painted with the same picture, with scroll bars over the picture's size as the
// captured-image window has them when the picture does not fit.
double PlainWindow(const RECT& Bounds, SIZE Picture) {
    const double Start = Now();
    const HWND Window = CreatePlainWindow(Bounds, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL);
    RECT Client;
    GetClientRect(Window, &Client);
    const SCROLLINFO Across{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, Picture.cx - 1,
                            UINT(Client.right), 0, 0};
    const SCROLLINFO Down{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, Picture.cy - 1,
                          UINT(Client.bottom), 0, 0};
    SetScrollInfo(Window, SB_HORZ, &Across, FALSE);
    SetScrollInfo(Window, SB_VERT, &Down, FALSE);
    ShowWindow(Window, SW_SHOW);
    UpdateWindow(Window);
    Application->ProcessMessages();
    GdiFlush();
    const double Elapsed = Now() - Start;
    DestroyWindow(Window);
    Application->ProcessMessages();
    return Elapsed;
}

double Median(std::vector<double> Values) {
    std::sort(Values.begin(), Values.end());
    const size_t Middle = Values.size() / 2;
    return Values.size() % 2 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2;
}

} // namespace

int main() {
    CreateApplicationWindows();
    MainFrm->Show();
    Application->ProcessMessages();

    OneCapture();
    constexpr int Runs = 20;
    std::vector<double> Totals;
    std::array<std::vector<double>, StepNames.size()> PerStep;
    for (int Run = 0; Run < Runs; ++Run) {
        const TStepTimes Steps = OneCapture();
        double Total = 0;
        for (size_t Step = 0; Step < Steps.size(); ++Step) {
            PerStep[Step].push_back(Steps[Step]);
            Total += Steps[Step];
        }
        Totals.push_back(Total);
    }
    std::sort(Totals.begin(), Totals.end());
    std::printf("full-screen capture at %d x %d: median %.1f ms beyond the 100 ms pause "
                "(fastest %.1f, slowest %.1f; goal under 40 ms)\n",
                Screen->Width(), Screen->Height(), Median(Totals), Totals.front(), Totals.back());
    // The floors, measured in the same run with the picture the capture took.
    const int Width = Screen->Width(), Height = Screen->Height();
    TBitmap* Picture = LastImgFrm->Image1->Picture()->Bitmap();
    PlainPicture = Picture->Canvas()->Handle();
    const RECT Bounds = LastImgFrm->BoundsRect();
    const RECT MainBounds = MainFrm->BoundsRect();
    std::vector<double> HideFloor, GrabFloor, ShowFloor, WindowFloor;
    for (int Run = 0; Run < Runs; ++Run) {
        const auto [Hide, Show] = PlainMainWindow(MainBounds);
        HideFloor.push_back(Hide);
        ShowFloor.push_back(Show);
        GrabFloor.push_back(BareGrab(Width, Height));
        WindowFloor.push_back(PlainWindow(Bounds, {Picture->Width(), Picture->Height()}));
    }
    const std::array<double, StepNames.size()> Floors{Median(HideFloor), Median(GrabFloor),
                                                      Median(ShowFloor), Median(WindowFloor)};
    const std::array<const char*, StepNames.size()> FloorNames{
        "plain window minimised and hidden", "bare BitBlt into a DIB section",
        "plain window shown and painted", "plain window with scroll bars painting the picture"};
    for (size_t Step = 0; Step < StepNames.size(); ++Step) {
        std::printf("  %-22s median %5.1f ms", StepNames[Step], Median(PerStep[Step]));
        if (Floors[Step] > 0)
            std::printf("  (floor, %s: %.1f ms, ratio %.2f)", FloorNames[Step], Floors[Step],
                        Median(PerStep[Step]) / Floors[Step]);
        std::printf("\n");
    }
    return 0;
}
