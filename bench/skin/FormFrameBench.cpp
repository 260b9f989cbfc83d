// Measures the skinned form's frame: a full non-client redraw of a standard frame at the
// sizes of the program's windows (668 x 496, and 1920 x 1080 as far as the virtual screen
// allows) and of a tool-window frame (326 x 233), each against the anchor, the host drawing
// the non-client area of a plain window of the same size, timed in alternating samples; and
// one move step of a live drag by the caption, against the host moving a plain window by
// the same step, and the step's floor, the host moving the skinned window itself. Prints medians,
// the spread (10th to 90th percentile) in microseconds, and the ratios.
#include "bench/support/BenchTiming.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// A controller whose mouse handling the drag measurement drives with window coordinates.
class TDrivenForm : public TKsCustomForm {
public:
    using TKsCustomForm::MouseDown;
    using TKsCustomForm::MouseMove;
    using TKsCustomForm::MouseUp;
    using TKsCustomForm::TKsCustomForm;
};

std::unique_ptr<TForm> MakeShownForm(SIZE Size) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, Size.cx, Size.cy);
    Form->SetCaption("Frame benchmark");
    return Form;
}

void Show(TForm& Form) {
    Form.Show();
    UpdateWindow(Form.Handle());
    Application->ProcessMessages();
}

// The whole non-client area invalidated and painted at once.
void RedrawNonClient(HWND Window) {
    RedrawWindow(Window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
}

void ReportPair(const char* Name, SIZE Size, const std::pair<TBenchTiming, TBenchTiming>& Pair) {
    char Line[96];
    std::snprintf(Line, sizeof Line, "%s %ldx%ld, skinned", Name, Size.cx, Size.cy);
    BenchReport(Line, Pair.first);
    std::snprintf(Line, sizeof Line, "%s %ldx%ld, host (anchor)", Name, Size.cx, Size.cy);
    BenchReport(Line, Pair.second);
    std::printf("%-44s %9.2f\n", "  ratio skinned / host", Pair.first.Median / Pair.second.Median);
}

void MeasureFrame(const char* Name, SIZE Size, TKsBorderStyle Style) {
    const auto Skinned = MakeShownForm(Size);
    auto* Controller = new TKsCustomForm(Skinned.get());
    Controller->SetBorderStyle(Style);
    Controller->Loaded();
    // The re-layout keeps the client size: the window gets its size back.
    Skinned->SetBounds(0, 0, Size.cx, Size.cy);
    Show(*Skinned);
    const auto Host = MakeShownForm(Size);
    if (Style == TKsBorderStyle::kbsToolWindow)
        Host->SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
    Show(*Host);
    ReportPair(Name, Size,
               BenchMeasurePair([&] { RedrawNonClient(Skinned->Handle()); },
                                [&] { RedrawNonClient(Host->Handle()); }));
}

void MeasureDrag(SIZE Size) {
    const auto Skinned = MakeShownForm(Size);
    auto* Controller = new TDrivenForm(Skinned.get());
    Controller->SetMagnetic(false);
    Controller->Loaded();
    Skinned->SetBounds(100, 100, Size.cx, Size.cy);
    Show(*Skinned);
    const auto Host = MakeShownForm(Size);
    Host->SetBounds(100, 100, Size.cx, Size.cy);
    Show(*Host);

    const RECT Band = Controller->CaptionBand();
    const POINT Grip{Band.left + RectHeight(Band) * 2, (Band.top + Band.bottom) / 2};
    Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, Grip.x, Grip.y);
    int Step = 1;
    const auto SkinnedStep = [&] {
        // One pixel left, then back: the window follows and stays where it is measured.
        Step = -Step;
        Controller->MouseMove({TShiftStateFlag::ssLeft}, Grip.x + Step, Grip.y);
        GdiFlush();
    };
    const auto HostMove = [](HWND Window, int& X) {
        X = X == 100 ? 101 : 100;
        SetWindowPos(Window, nullptr, X, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(Window);
        GdiFlush();
    };
    int HostX = 100;
    const auto HostStep = [&] { HostMove(Host->Handle(), HostX); };
    const auto Pair = BenchMeasurePair(SkinnedStep, HostStep);
    Controller->MouseUp(TMouseButton::mbLeft, {}, Grip.x, Grip.y);
    // The floor of a step: the host moving the skinned window itself, with its styles and
    // its frame, by the same step.
    int FloorX = Skinned->Left();
    const auto FloorStep = [&] { HostMove(Skinned->Handle(), FloorX); };
    const auto Floor = BenchMeasurePair(FloorStep, HostStep);
    char Line[96];
    std::snprintf(Line, sizeof Line, "drag step %ldx%ld, skinned", Size.cx, Size.cy);
    BenchReport(Line, Pair.first);
    std::snprintf(Line, sizeof Line, "drag step %ldx%ld, host move (anchor)", Size.cx, Size.cy);
    BenchReport(Line, Pair.second);
    std::printf("%-44s %9.2f\n", "  ratio skinned / host", Pair.first.Median / Pair.second.Median);
    std::snprintf(Line, sizeof Line, "host move of the skinned window (floor)");
    BenchReport(Line, Floor.first);
    std::snprintf(Line, sizeof Line, "drag step %ldx%ld, host move (anchor)", Size.cx, Size.cy);
    BenchReport(Line, Floor.second);
    std::printf("%-44s %9.2f\n", "  ratio floor / host", Floor.first.Median / Floor.second.Median);
}

} // namespace

int main() {
    const SIZE Screen{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const SIZE Large{std::min(1920L, Screen.cx), std::min(1080L, Screen.cy)};
    std::printf("Skinned frame against the host's own non-client painting\n");
    std::printf("(median, 10th..90th percentile; virtual screen %ldx%ld)\n", Screen.cx, Screen.cy);
    if (Large.cx != 1920 || Large.cy != 1080)
        std::printf("1920x1080 clamped to the virtual screen: %ldx%ld\n", Large.cx, Large.cy);
    MeasureFrame("standard frame", SIZE{668, 496}, TKsBorderStyle::kbsStandard);
    MeasureFrame("standard frame", Large, TKsBorderStyle::kbsStandard);
    MeasureFrame("tool-window frame", SIZE{326, 233}, TKsBorderStyle::kbsToolWindow);
    MeasureDrag(SIZE{668, 496});
    return 0;
}
