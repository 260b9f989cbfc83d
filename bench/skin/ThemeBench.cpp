// Measures the Luna theme's drawing: push-button faces and form frames of the sizes the
// program shows, and a reload of both skins with a shift. Beside them, as the anchor, the
// host's own visual style draws a push button of the same size into a 32-bit section.
// Prints the median and the spread (first to last decile) of each in microseconds, and the
// ratio of a Luna button to the host's.
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <vssym32.h>

namespace {

double Microseconds() {
    static LARGE_INTEGER Frequency{};
    if (!Frequency.QuadPart)
        QueryPerformanceFrequency(&Frequency);
    LARGE_INTEGER Now;
    QueryPerformanceCounter(&Now);
    return double(Now.QuadPart) * 1e6 / double(Frequency.QuadPart);
}

struct TTiming {
    double Median;
    double Low;
    double High;
};

// Each sample times enough repetitions to take about a millisecond.
TTiming Measure(const std::function<void()>& Operation) {
    Operation();
    int Repeat = 1;
    for (double Start = Microseconds(); Microseconds() - Start < 1000; Repeat *= 2)
        for (int I = 0; I < Repeat; ++I)
            Operation();
    std::vector<double> Samples;
    for (int Sample = 0; Sample < 31; ++Sample) {
        const double Start = Microseconds();
        for (int I = 0; I < Repeat; ++I)
            Operation();
        Samples.push_back((Microseconds() - Start) / Repeat);
    }
    std::sort(Samples.begin(), Samples.end());
    return {Samples[Samples.size() / 2], Samples[Samples.size() / 10],
            Samples[Samples.size() * 9 / 10]};
}

void Report(const char* Name, const TTiming& Timing) {
    std::printf("%-40s %9.2f us  (%.2f .. %.2f)\n", Name, Timing.Median, Timing.Low, Timing.High);
}

// The host's push button through its visual style, into a section of the same size.
class THostButton {
public:
    THostButton(int W, int H) : FW(W), FH(H) {
        FSurface.SetSize(W, H);
        const TTeVisualStylesApi& Api = VisualStyles();
        if (Api.OpenThemeData)
            FTheme = Api.OpenThemeData(nullptr, L"BUTTON");
    }
    ~THostButton() {
        if (FTheme)
            VisualStyles().CloseThemeData(FTheme);
    }
    bool Available() const { return FTheme != nullptr && VisualStyles().DrawThemeBackground; }
    void Draw() {
        const RECT Rect{0, 0, FW, FH};
        VisualStyles().DrawThemeBackground(FTheme, FSurface.DC(), BP_PUSHBUTTON, PBS_NORMAL, &Rect,
                                           nullptr);
        GdiFlush();
    }

private:
    int FW;
    int FH;
    TKsBitmap FSurface;
    HTHEME FTheme = nullptr;
};

} // namespace

int main() {
    RegisterSkinThemes();
    TTeThemeLuna Theme;
    std::printf("Luna theme against the host's visual style (median, 10th..90th percentile)\n");
    for (const SIZE Size : {SIZE{67, 25}, SIZE{75, 25}}) {
        TKsBitmap Surface;
        Surface.SetSize(Size.cx, Size.cy);
        const TTiming Luna = Measure([&] {
            Theme.DrawButton(Surface, Size.cx, Size.cy, TTeDrawState::tdsHot);
            GdiFlush();
        });
        char Name[64];
        std::snprintf(Name, sizeof Name, "Luna DrawButton %ldx%ld", Size.cx, Size.cy);
        Report(Name, Luna);
        THostButton Host(Size.cx, Size.cy);
        if (!Host.Available()) {
            std::printf("host visual style: not available\n");
            continue;
        }
        const TTiming Native = Measure([&] { Host.Draw(); });
        std::snprintf(Name, sizeof Name, "host DrawThemeBackground %ldx%ld", Size.cx, Size.cy);
        Report(Name, Native);
        std::printf("%-40s %9.2f\n", "ratio Luna / host", Luna.Median / Native.Median);
    }
    struct TFrame {
        const char* Name;
        int W;
        int H;
        TKsBorderStyle Style;
    };
    for (const TFrame& Frame :
         {TFrame{"Luna DrawFormFrame tool 326x233", 326, 233, TKsBorderStyle::kbsToolWindow},
          TFrame{"Luna DrawFormFrame standard 668x496", 668, 496, TKsBorderStyle::kbsStandard},
          TFrame{"Luna DrawFormFrame standard 1920x1080", 1920, 1080,
                 TKsBorderStyle::kbsStandard}}) {
        TKsBitmap Surface;
        Surface.SetSize(Frame.W, Frame.H);
        Report(Frame.Name, Measure([&] {
                   Theme.DrawFormFrame(Surface, Frame.W, Frame.H, RECT{}, true, Frame.Style);
                   GdiFlush();
               }));
    }
    int Hue = 0;
    Report("Luna UpdateColors (reload, shift both)",
           Measure([&] { Theme.SetHue(++Hue % 200 + 1); }));
    return 0;
}
