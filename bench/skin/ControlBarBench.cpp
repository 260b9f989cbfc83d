// A control bar of 30 bands in 5 rows: one layout after a band's control changes its width,
// and one step of a band moved by the mouse, each to the repainted bar, beside the host's
// rebar with the same bands re-laying itself out after one band's width changes, in
// alternating samples. Prints medians, spreads and the ratios to the host's rebar.
#include "bench/support/BenchTiming.h"

#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlBars.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsSpeedButtons.h"

#include <commctrl.h>
#include <cstdio>
#include <windowsx.h>

namespace {

constexpr int Rows = 5;
constexpr int BandsPerRow = 6;
constexpr int BandWidth = 110;
constexpr int BandHeight = 22;
constexpr int BarWidth = 760;

TKsCustomControlBar* MakeSkinnedBar(TForm& Host) {
    auto* Bar = new TKsCustomControlBar(&Host);
    Bar->SetParent(&Host);
    Bar->SetBounds(0, 0, BarWidth, Rows * 30);
    for (int Row = 0; Row < Rows; ++Row)
        for (int Column = 0; Column < BandsPerRow; ++Column) {
            auto* Control = new TKsSpeedContainer(&Host);
            Control->SetBounds(Column * (BandWidth + 12) + 12, Row * 26 + 2, BandWidth, BandHeight);
            Control->SetParent(Bar);
        }
    return Bar;
}

HWND MakeHostRebar(HWND Parent) {
    const HWND Rebar = CreateWindowExW(0, REBARCLASSNAMEW, L"",
                                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | CCS_NODIVIDER |
                                           CCS_NOPARENTALIGN | RBS_VARHEIGHT | RBS_BANDBORDERS,
                                       0, 200, BarWidth, Rows * 30, Parent, nullptr, nullptr,
                                       nullptr);
    for (int Band = 0; Band < Rows * BandsPerRow; ++Band) {
        const HWND Child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                           BandWidth, BandHeight, Rebar, nullptr, nullptr, nullptr);
        REBARBANDINFOW Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
        Info.fStyle = RBBS_GRIPPERALWAYS | (Band % BandsPerRow == 0 ? RBBS_BREAK : 0);
        Info.hwndChild = Child;
        Info.cxMinChild = 20;
        Info.cyMinChild = BandHeight;
        Info.cx = BandWidth + 12;
        SendMessageW(Rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&Info));
    }
    return Rebar;
}

// The host's rebar: one band wider or narrower again, re-laid out and repainted.
void ResizeHostBand(HWND Rebar, bool& Wide) {
    Wide = !Wide;
    REBARBANDINFOW Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = RBBIM_SIZE;
    Info.cx = BandWidth + 12 + (Wide ? 30 : 0);
    SendMessageW(Rebar, RB_SETBANDINFOW, 2 * BandsPerRow + 1, reinterpret_cast<LPARAM>(&Info));
    UpdateWindow(Rebar);
    GdiFlush();
}

void ResizeSkinnedBand(TKsCustomControlBar& Bar, TControl& Control, bool& Wide) {
    Wide = !Wide;
    Control.SetWidth(BandWidth + (Wide ? 30 : 0));
    UpdateWindow(Bar.Handle());
    GdiFlush();
}

// One mouse-move step of a band held by its grip, to the repainted bar.
void MoveSkinnedBand(TKsCustomControlBar& Bar, POINT Grip, bool& Right) {
    Right = !Right;
    const int X = Grip.x + (Right ? 40 : 0);
    SendMessageW(Bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(X, Grip.y));
    UpdateWindow(Bar.Handle());
    GdiFlush();
}

} // namespace

int main() {
    RegisterSkinControls();
    INITCOMMONCONTROLSEX Classes{sizeof(Classes), ICC_COOL_CLASSES};
    InitCommonControlsEx(&Classes);
    Application->Initialize();
    TForm Host(nullptr);
    Host.SetBounds(60, 60, BarWidth + 40, 420);
    Host.Show();
    TKsCustomControlBar* Bar = MakeSkinnedBar(Host);
    const HWND Rebar = MakeHostRebar(Host.Handle());
    Application->ProcessMessages();

    std::printf("A bar of %d bands in %d rows (median, 10th..90th percentile)\n",
                Rows * BandsPerRow, Rows);
    TControl& Resized = *Bar->Bands(2 * BandsPerRow + 1).Control;
    bool SkinnedWide = false, HostWide = false;
    const auto [Layout, HostLayout] =
        BenchMeasurePair([&] { ResizeSkinnedBand(*Bar, Resized, SkinnedWide); },
                         [&] { ResizeHostBand(Rebar, HostWide); });
    BenchReport("skinned bar: a band's width, re-laid out", Layout);
    BenchReport("host rebar: a band's width, re-laid out", HostLayout);

    // A band of the middle row held by its grip and moved to and fro.
    TControl& Moved = *Bar->Bands(2 * BandsPerRow + 3).Control;
    const POINT Grip{Moved.Left() - 6, Moved.Top() + BandHeight / 2};
    SendMessageW(Bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Grip.x, Grip.y));
    bool Right = false;
    HostWide = false;
    const auto [Move, HostMove] = BenchMeasurePair([&] { MoveSkinnedBand(*Bar, Grip, Right); },
                                                   [&] { ResizeHostBand(Rebar, HostWide); });
    SendMessageW(Bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Grip.x, Grip.y));
    BenchReport("skinned bar: one step of a band move", Move);
    BenchReport("host rebar: a band's width, re-laid out", HostMove);
    std::printf("%-44s %9.2f  (goal: at most 1.00)\n", "layout: ratio to the host's rebar",
                Layout.Median / HostLayout.Median);
    std::printf("%-44s %9.2f  (goal: at most 1.00)\n", "band move: ratio to the host's rebar",
                Move.Median / HostMove.Median);
    DestroyWindow(Rebar);
    return 0;
}
