// Repainting push buttons under the same host: a 75 x 25 themed button in each state and a
// plain skinned one (render into the surface plus the one transfer to the window), beside
// the host's own push button (the BUTTON window class with the prefix's visual style)
// repainting at the same size; and a full repaint of the main window with its six themed
// buttons over its background. Prints medians, spreads and ratios to the host's button.
#include "app/ApplicationWindows.h"
#include "app/MainPas.h"
#include "bench/support/BenchTiming.h"

#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsThemeButtons.h"
#include "skin/themes/KsThemeEngine.h"

#include <cstdio>

namespace {

// Repaints a window now, as the host does after it was uncovered.
void RepaintNow(HWND Window) {
    RedrawWindow(Window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

} // namespace

int main() {
    CreateApplicationWindows();
    auto* Engine = dynamic_cast<TTeThemeEngine*>(MainFrm->FindComponent("TeThemeEngine1"));

    TForm Host(nullptr);
    Host.SetBounds(100, 100, 300, 120);
    Host.Show();
    auto* Themed = new TTeThemeButton(&Host);
    Themed->SetParent(&Host);
    Themed->SetBounds(10, 10, 75, 25);
    Themed->SetCaption("Themed");
    Themed->SetThemeEngine(Engine);
    auto* Plain = new TTeThemeButton(&Host);
    Plain->SetParent(&Host);
    Plain->SetBounds(100, 10, 75, 25);
    Plain->SetCaption("Plain");
    const HWND Native =
        CreateWindowExW(0, L"BUTTON", L"Host", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 190, 10, 75,
                        25, Host.Handle(), nullptr, nullptr, nullptr);
    Application->ProcessMessages();

    std::printf("Push buttons, 75 x 25, each beside the host's own button in alternating samples\n"
                "(median, 10th..90th percentile)\n");
    const auto Compare = [&](const char* Name, TControl* Button) {
        const auto [Skinned, HostButton] = BenchMeasurePair(
            [&] {
                Button->Invalidate();
                RepaintNow(dynamic_cast<TWinControl*>(Button)->Handle());
            },
            [&] { RepaintNow(Native); });
        BenchReport(Name, Skinned);
        BenchReport("  host BUTTON repaint", HostButton);
        std::printf("%-44s %9.2f\n", "  ratio to the host's button",
                    Skinned.Median / HostButton.Median);
    };
    Compare("themed button, normal", Themed);
    Themed->Perform(CM_MOUSEENTER);
    Compare("themed button, hot", Themed);
    Themed->Perform(CM_MOUSELEAVE);
    Themed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Compare("themed button, pressed", Themed);
    Themed->Perform(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    Themed->SetEnabled(false);
    Compare("themed button, disabled", Themed);
    Themed->SetEnabled(true);
    Themed->Perform(CM_ENTER);
    Compare("themed button, focused", Themed);
    Compare("plain skinned button", Plain);
    BenchReport("themed button, render into its surface only", BenchMeasure([&] {
                    Themed->Invalidate();
                    Themed->RenderSurface();
                    GdiFlush();
                }));
    MainFrm->Show();
    Application->ProcessMessages();
    BenchReport("main window, six themed buttons, repaint",
                BenchMeasure([&] { RepaintNow(MainFrm->Handle()); }));
    DestroyWindow(Native);
    return 0;
}
